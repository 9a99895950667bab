#include "Command.h"

#include <array>

namespace quillex::cli {

int RunLists(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunPattern(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunAnagram(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunHeadwords(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunSynonyms(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunGlossary(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

std::span<const Command> Commands() {
    static const std::array kCommands = {
        Command{"lists", "", "print each list's element count and the length tables", RunLists},
        Command{"pattern", "PATTERN [--count]", "list the words fitting PATTERN", RunPattern},
        Command{"anagram", "DRAW [OPTIONS]",
                "list the Scrabble words made of DRAW's letters; options --mark, --shorter, "
                "--plus, --jokers 2",
                RunAnagram},
        Command{"headwords", "TEXT", "list the headwords beginning with TEXT", RunHeadwords},
        Command{"synonyms", "WORD", "list the synonyms of WORD", RunSynonyms},
        Command{"glossary", "[PREFIX]", "list the glossary lines of words beginning with PREFIX",
                RunGlossary},
    };
    return kCommands;
}

}  // namespace quillex::cli
