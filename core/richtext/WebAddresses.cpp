#include "core/richtext/WebAddresses.h"

#include <array>
#include <string_view>

namespace quillex {
namespace {

constexpr std::array<std::u16string_view, 3> kStarts = {u"https://", u"http://", u"www."};

bool IsAddressCharacter(char16_t c) {
    if (c <= 0x20 || c == 0x7F || (c >= 0x80 && c <= 0xA0)) return false;  // spaces, controls
    if (c >= 0x2000 && c <= 0x206F) return false;  // typographic spaces, quotes, separators
    return std::u16string_view(u"<>\"{}|\\^`«»").find(c) == std::u16string_view::npos;
}

bool EndsSentence(char16_t c) {
    return std::u16string_view(u".,;:!?'()[]").find(c) != std::u16string_view::npos;
}

bool StartsWord(std::u16string_view text, size_t at) {
    return at == 0 || !IsAddressCharacter(text[at - 1]) || text[at - 1] == u'(';
}

struct Found {
    size_t begin = std::u16string_view::npos;
    size_t end = 0;
};

// The first address in `text` at or after `from`.
Found FindAddress(std::u16string_view text, size_t from) {
    for (size_t at = from; at < text.size(); ++at) {
        if (text[at] != u'h' && text[at] != u'w') continue;
        for (const std::u16string_view start : kStarts) {
            if (text.substr(at, start.size()) != start || !StartsWord(text, at)) continue;
            size_t end = at + start.size();
            while (end < text.size() && IsAddressCharacter(text[end])) ++end;
            while (end > at + start.size() && EndsSentence(text[end - 1])) --end;
            if (end > at + start.size()) return {at, end};
        }
    }
    return {};
}

}  // namespace

std::vector<RichRun> LinkWebAddresses(std::vector<RichRun> runs) {
    std::vector<RichRun> linked;
    linked.reserve(runs.size());
    for (RichRun& run : runs) {
        Found found = run.link.empty() ? FindAddress(run.text, 0) : Found{};
        if (found.begin == std::u16string_view::npos) {
            linked.push_back(std::move(run));
            continue;
        }
        const std::u16string text = std::move(run.text);
        run.text.clear();  // the pieces copy the style, not the whole text
        const auto piece = [&](size_t begin, size_t end) {
            RichRun part = run;
            part.text = text.substr(begin, end - begin);
            return part;
        };
        size_t done = 0;
        for (; found.begin != std::u16string_view::npos; found = FindAddress(text, done)) {
            if (found.begin > done) linked.push_back(piece(done, found.begin));
            RichRun address = piece(found.begin, found.end);
            address.link =
                address.text.starts_with(u"www.") ? u"https://" + address.text : address.text;
            linked.push_back(std::move(address));
            done = found.end;
        }
        if (done < text.size()) linked.push_back(piece(done, text.size()));
    }
    return linked;
}

}  // namespace quillex
