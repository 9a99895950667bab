#include "core/errors/InternalErrorText.h"

#include <new>
#include <stdexcept>

#include "core/errors/InternalFailure.h"
#include "core/text/Text.h"

namespace quillex {

std::u16string InternalErrorText(std::u16string_view description, ErrorPlaceCode place, int code) {
    std::u16string text(description);
    text += std::u16string(17, u' ');
    text += LineBreak;
    text += u"Erreur interne ";
    text += FromUtf8(std::to_string(static_cast<int>(place)));
    text += u" - ";
    text += FromUtf8(std::to_string(code));
    return text;
}

std::u16string DescribeFailure(const std::exception& failure) {
    if (auto* known = dynamic_cast<const InternalFailure*>(&failure)) return known->description();
    if (dynamic_cast<const std::bad_alloc*>(&failure)) return u"Mémoire insuffisante";
    if (dynamic_cast<const std::out_of_range*>(&failure))
        return u"L'indice n'appartient pas à la sélection";
    return u"Erreur inattendue : " + FromUtf8(failure.what());
}

int FailureNumber(const std::exception& failure) {
    if (auto* known = dynamic_cast<const InternalFailure*>(&failure)) return known->code();
    if (dynamic_cast<const std::bad_alloc*>(&failure))
        return static_cast<int>(FailureCode::OutOfMemory);
    if (dynamic_cast<const std::out_of_range*>(&failure))
        return static_cast<int>(FailureCode::IndexOutOfRange);
    return 51;  // internal error
}

}  // namespace quillex
