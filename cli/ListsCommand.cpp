#include <ostream>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/LoadedLists.h"
#include "core/wordlists/LengthSlices.h"
#include "core/wordlists/LoadWordList.h"

namespace quillex::cli {

int RunLists(std::span<const std::string_view> args, std::ostream& out, std::ostream&) {
    if (!ReadArguments(args).empty()) throw UsageFailure{"aucun argument attendu"};
    out << MainListResource.typeName << ' ' << MainList().count() << '\n'
        << ScrabbleListResource.typeName << ' ' << ScrabbleList().count() << '\n'
        << SynonymListResource.typeName << ' ' << SynonymList().count() << '\n'
        << GlossaryResource.typeName << ' ' << GlossaryList().count() << '\n';
    out << "\nliste principale : longueur premier dernier nombre\n";
    for (int length = MinMainLength; length <= MaxMainLength; ++length) {
        const auto r = MainLengthSlice(length);
        out << length << ' ' << r.first << ' ' << r.last << ' ' << r.last - r.first + 1 << '\n';
    }
    out << "\nliste du Scrabble : longueur premier dernier nombre\n";
    for (int length = MinScrabbleLength; length <= MaxScrabbleLength; ++length) {
        const auto r = ScrabbleLengthSlice(length);
        out << length << ' ' << r.first << ' ' << r.last << ' ' << r.last - r.first + 1 << '\n';
    }
    out << "\ngroupes de synonymes : lettre lignes\n";
    for (char16_t letter = u'a'; letter <= u'z'; ++letter)
        out << static_cast<char>(letter) << ' ' << SynonymTables().table(letter).size() << '\n';
    return Success;
}

}  // namespace quillex::cli
