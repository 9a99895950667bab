#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/wordlists/DataTables.h"
#include "core/wordlists/WordList.h"

namespace quillex {

/// A built-in resource, as the generated table gives it: its type name (also its file in data/),
/// its id, its line count and, for a word list read in place, its length slices.
struct WordListResource {
    std::string_view typeName;
    int id;
    int count;
    std::span<const data::LengthSlice> lengthSlices;
};

// MainListResource, ScrabbleListResource, SynonymListResource, GlossaryResource and
// LemmaListResource (the form→lemma list of FormLemmas.h, read as one text by LoadLemmaText).
#define QUILLEX_RESOURCE_CONSTANT(constant, name, id, count, lengthSlices) \
    inline constexpr WordListResource constant{#name, id, data::count, data::lengthSlices};
QUILLEX_RESOURCES(QUILLEX_RESOURCE_CONSTANT)
#undef QUILLEX_RESOURCE_CONSTANT

/// Every embedded resource, in the table's order.
#define QUILLEX_RESOURCE_NAME(constant, name, id, count, lengthSlices) constant,
inline constexpr WordListResource AllResources[] = {QUILLEX_RESOURCES(QUILLEX_RESOURCE_NAME)};
#undef QUILLEX_RESOURCE_NAME

/// Reads a built-in resource into a new WordList and checks it against its tables (count, length
/// slices, letter groups or blocks): the one way a list is loaded. Throws InternalFailure when the
/// resource is missing (ResourceNotFound) or disagrees with its tables (DataMismatch).
WordList LoadWordList(std::string_view typeName, int id);

/// The same, for one of the resources above.
inline WordList LoadWordList(WordListResource resource) {
    return LoadWordList(resource.typeName, resource.id);
}

/// The lines of one letter's group ('a'..'z') of the synonym list, found in the resource by
/// their headwords' first letters (the groups follow each other a to z) and checked against the
/// group's fixed size: all a single look-up reads, without splitting the other groups. Throws
/// InternalFailure when the resource is missing or the group disagrees with its size.
WordList LoadSynonymGroup(char letter);

/// The bytes of the form→lemma list, read in place and searched as they lie: no line index is
/// built. Throws InternalFailure when the resource is missing or disagrees with its size.
std::string_view LoadLemmaText();

/// Compares a loaded list with the fixed tables of its resource (counts, length slices);
/// returns a French description of the first disagreement, or nullopt when they agree.
std::optional<std::u16string> CheckAgainstTables(WordListResource resource, const WordList& list);

}  // namespace quillex
