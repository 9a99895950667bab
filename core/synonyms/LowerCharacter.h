#pragma once

namespace quillex {

/// One character lower-cased exactly as ToLower does it (ASCII, Latin-1, Œ, Š, Ž, Ÿ), without
/// building a string: the browser calls it for every character it compares.
constexpr char16_t LowerCharacter(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'À' && c <= u'Þ' && c != u'×'))
        return static_cast<char16_t>(c + 0x20);
    switch (c) {
        case u'Œ':
            return u'œ';
        case u'Š':
            return u'š';
        case u'Ž':
            return u'ž';
        case u'Ÿ':
            return u'ÿ';
        default:
            return c;
    }
}

}  // namespace quillex
