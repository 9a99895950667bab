#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/synonyms/AccentFold.h"

namespace quillex {

/// The letter group a text's first character selects, with the folds that group applies to the
/// text and to each of its lines, so that accents of the first letter and ligatures are ignored.
class FirstLetterGroup {
  public:
    /// The group of a lower-cased first character, or nullopt when no group starts with it.
    static std::optional<FirstLetterGroup> ForFirstCharacter(char16_t first);

    /// The letter 'a'..'z' of the synonym table to scan.
    char16_t letter() const { return letter_; }

    /// The folds of the group, in the order they apply.
    std::span<const AccentFold> folds() const { return folds_; }

    /// The text with each fold applied in turn to every occurrence (StringReplace).
    std::u16string fold(std::u16string_view text) const;

    /// Whether `line` (Windows-1252 bytes), lower-cased and folded, begins with `foldedText`.
    /// Folds as it compares and stops at the first difference, so it allocates nothing.
    bool foldedStartsWith(std::string_view line, std::u16string_view foldedText) const;

  private:
    FirstLetterGroup(char16_t letter, std::span<const AccentFold> folds)
        : letter_(letter), folds_(folds) {}

    std::u16string_view foldedCharacter(const char16_t& c) const;

    char16_t letter_;
    std::span<const AccentFold> folds_;
};

}  // namespace quillex
