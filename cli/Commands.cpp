#include "cli/Command.h"

#include <array>

namespace quillex::cli {

int RunLists(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunPattern(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunAnagram(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunHooks(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunCheck(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunHeadwords(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunSynonyms(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunGlossary(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

std::span<const Command> Commands() {
    static const std::array kCommands = {
        Command{"lists", "", "nombre d'éléments de chaque liste et tables des longueurs", RunLists},
        Command{"pattern", "MOTIF [--count] [--clue MOT]",
                "les mots qui correspondent au MOTIF (? * [AEI] [^AEI]), synonymes du MOT "
                "seulement",
                RunPattern},
        Command{"anagram", "TIRAGE [OPTIONS]",
                "les mots du Scrabble formés des lettres du TIRAGE ; options --mark, --score, "
                "--by-score, --shorter, --plus, --jokers 2",
                RunAnagram},
        Command{"hooks", "MOT…",
                "les rallonges de chaque MOT : AVANT, tabulation, MOT, tabulation, APRÈS",
                RunHooks},
        Command{"check", "MOT…",
                "chaque MOT « valable » ou « non valable » au Scrabble (statut 1 si un ne l'est "
                "pas)",
                RunCheck},
        Command{"headwords", "TEXTE", "les entrées des synonymes qui commencent par TEXTE",
                RunHeadwords},
        Command{"synonyms", "MOT", "les synonymes du MOT", RunSynonyms},
        Command{"glossary", "[PRÉFIXE]", "les lignes du glossaire qui commencent par PRÉFIXE",
                RunGlossary},
    };
    return kCommands;
}

}  // namespace quillex::cli
