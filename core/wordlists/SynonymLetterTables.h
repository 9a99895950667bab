#pragma once

#include <array>
#include <string_view>

#include "core/wordlists/WordList.h"

namespace quillex {

/// The synonym list cut into 26 tables by first letter, a to z, by the fixed group sizes.
class SynonymLetterTables {
  public:
    /// One letter's lines; entries are numbered from 1.
    class Table {
      public:
        int size() const { return size_; }
        std::string_view entry(int j) const { return (*list_)[first_ + j - 1]; }

      private:
        friend class SynonymLetterTables;
        const WordList* list_ = nullptr;
        int first_ = 0;
        int size_ = 0;
    };

    /// Cuts the list by the group sizes. The list must outlive the tables. When it holds fewer
    /// lines than the sizes add up to, the tables keep the lines there are and an
    /// InternalFailure is thrown.
    void fill(const WordList& synonyms);

    /// Makes one letter's table the lines of a group loaded on its own (LoadSynonymGroup); the
    /// list must outlive the tables.
    void fillGroup(char16_t letter, const WordList& lines);

    /// Gives the tables the form→lemma list (LoadLemmaText), which must outlive them, so that
    /// a look-up of an inflected form reaches its lemma.
    void setLemmas(std::string_view lemmaText) { lemmaText_ = lemmaText; }
    /// The form→lemma list's bytes (LoadLemmaText); empty when none was given.
    std::string_view lemmas() const { return lemmaText_; }

    /// The table of a letter 'a'..'z'.
    const Table& table(char16_t letter) const { return tables_[letter - u'a']; }

  private:
    std::array<Table, 26> tables_{};
    std::string_view lemmaText_;
};

}  // namespace quillex
