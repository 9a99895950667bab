#pragma once

#include <string_view>
#include <vector>

namespace quillex {

/// The lemmas the form→lemma list gives a word ("voitures" gives voiture, "ailles" ailler and
/// aller), as views of the list's bytes, each once; empty when it gives none. The word is
/// compared in look-up spelling; of the forms spelt so, the one written exactly as the word
/// (lower-cased) gives its lemmas first. The list's lines (Windows-1252, CR LF between them) are
/// "form@lemma\lemma…", sorted by the form's look-up spelling: the search is a binary one over
/// the bytes themselves.
std::vector<std::string_view> LemmasOf(std::u16string_view word, std::string_view lemmaText);

}  // namespace quillex
