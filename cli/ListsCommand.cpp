#include <ostream>

#include "Command.h"
#include "LoadedLists.h"
#include "wordlists/LengthRanges.h"

namespace quillex::cli {

int RunLists(std::span<const std::string_view> args, std::ostream& out, std::ostream&) {
    if (!args.empty()) throw UsageFailure{"lists takes no argument"};
    const auto& lists = LoadedLists::Get();
    out << "LISTEDESMOTS " << lists.main.count() << '\n'
        << "LISTESCRAB " << lists.scrabble.count() << '\n'
        << "LISTESYNONYMES " << lists.synonyms.count() << '\n'
        << "MOT23LETTRES " << lists.glossary.count() << '\n';
    out << "\nmain list: length first last count\n";
    for (int length = MinMainLength; length <= MaxMainLength; ++length) {
        const auto r = MainLengthRange(length);
        out << length << ' ' << r.first << ' ' << r.last << ' ' << r.last - r.first + 1 << '\n';
    }
    out << "\nScrabble list: length first last count\n";
    for (int length = MinScrabbleLength; length <= MaxScrabbleLength; ++length) {
        const auto r = ScrabbleLengthRange(length);
        out << length << ' ' << r.first << ' ' << r.last << ' ' << r.last - r.first + 1 << '\n';
    }
    out << "\nsynonym groups: letter lines\n";
    for (char16_t letter = u'a'; letter <= u'z'; ++letter)
        out << static_cast<char>(letter) << ' ' << lists.letters.table(letter).size() << '\n';
    return Success;
}

}  // namespace quillex::cli
