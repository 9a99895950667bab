#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillex {

/// The lemmas the form→lemma list gives a word ("voitures" gives voiture, "ailles" ailler and
/// aller), in Windows-1252 bytes, each once; empty when it gives none. The word is compared in
/// look-up spelling; of the forms spelt so, the one written exactly as the word (lower-cased)
/// gives its lemmas first. The list's lines (Windows-1252, CR LF between them) are
/// "form@lemma\lemma…", sorted by the form's look-up spelling, so the search is a binary one over
/// the bytes themselves. Each lemma is written from its form: the number of characters to drop
/// from the form's end, then the characters to add ("mangeait@3r" is manger).
std::vector<std::string> LemmasOf(std::u16string_view word, std::string_view lemmaText);

}  // namespace quillex
