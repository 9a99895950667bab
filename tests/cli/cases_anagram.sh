# quillex-cli anagram DRAW: sourced by cli_test.sh.
# Expected words were taken from data/LISTESCRAB with a script that compares letter counts.
expect anagram_lists_words 0 '^NICHE$' '^$' -- anagram CHIEN
expect anagram_lower_case 0 '^CHINE$' '^$' -- anagram chien
expect anagram_joker_repeats_a_letter 0 '^NICHEE$' '^$' -- anagram 'CHIEN?'
expect anagram_joker_first 0 '^BOA$' '^$' -- anagram '?AB'
expect anagram_nine_with_joker 0 '^ARSENIATE$' '^$' -- anagram 'ESARINT?E'
expect anagram_two_letters 0 '^SE$' '^$' -- anagram ES
expect anagram_counts_letters 1 '^$' '^Aucun  mot  trouvé\.$' -- anagram TUSSAU
expect anagram_none_found 1 '^$' '^Aucun  mot  trouvé\.$' -- anagram ZZ
expect anagram_nine_e 1 '^$' '^Aucun  mot  trouvé\.$' -- anagram EEEEEEEEE
expect anagram_accented_letter 0 '^EH$' '^$' -- anagram 'É?'
expect anagram_ligature 0 '^ECROU$' '^$' -- anagram 'cœur'
expect anagram_space 1 '^$' '^Aucun  mot  trouvé\.$' -- anagram 'A B'
expect anagram_too_short 1 '^$' '^Vous devez saisir, dans la zone de texte, un mot compris entre 3 et 9 lettres\.$' -- anagram A
expect anagram_empty 1 '^$' 'un mot compris entre 3 et 9 lettres' -- anagram ''
expect anagram_two_jokers 1 '^$' '^Un seul joker est autorisé pour la recherche\. Modifiez votre requête\.$' -- anagram '??A'
expect anagram_too_long 1 '^$' '^Un tirage compte au plus 9 lettres, joker compris\. Modifiez votre requête\.$' -- anagram ABCDEFGHIJ
expect anagram_mark_joker_letter 0 '^CHIENs$' '^$' -- anagram 'CHIEN?' --mark
expect anagram_mark_last_place 0 '^NICHEe$' '^$' -- anagram --mark 'CHIEN?'
expect anagram_mark_without_joker 0 '^NICHE$' '^$' -- anagram CHIEN --mark
expect anagram_plain_without_mark 0 '^NICHEE$' '^$' -- anagram 'CHIEN?' --shorter
expect anagram_two_jokers 0 '^KaWa$' '^$' -- anagram '?KW?' --jokers 2 --mark
expect anagram_two_jokers_equals 0 '^KIWI$' '^$' -- anagram '?KW?' --jokers=2
expect anagram_one_joker_asked 1 '^$' '^Un seul joker est autorisé' -- anagram '?KW?' --jokers 1
expect anagram_three_jokers 1 '^$' '^Deux jokers au plus sont autorisés pour la recherche\. Modifiez votre requête\.$' -- anagram '???A' --jokers 2
expect anagram_plus_nine 1 '^$' '^Aucun  mot  trouvé\.$' -- anagram ZZZZZZZZZ --plus
expect anagram_jokers_three 2 '^$' '^quillex-cli anagram : --jokers prend 1 ou 2$' -- anagram '???A' --jokers 3
expect anagram_jokers_no_count 2 '^$' '--jokers prend 1 ou 2' -- anagram '??A' --jokers
expect anagram_unknown_option 2 '^$' '^quillex-cli anagram : option inconnue « --count » \(options : ' -- anagram CHIEN --count
expect anagram_draw_after_end_of_options 1 '^$' 'Aucun  mot  trouvé' -- anagram --mark -- '-A'
expect anagram_missing 2 '^$' '^quillex-cli anagram : TIRAGE manquant ' -- anagram
expect anagram_two_draws 2 '^$' '^quillex-cli anagram : un seul TIRAGE attendu' -- anagram AB CD

# The whole output of one search: every word, one per line, in list order.
anagram_out=$("$cli" anagram ORANGE 2>/dev/null)
if [ "$anagram_out" = $'ONAGRE\nORANGE\nORGANE\nRONGEA' ]; then
    passes=$((passes + 1))
else
    echo "FAIL anagram_whole_output: ${anagram_out:0:400}"
    failures=$((failures + 1))
fi

# The options' whole outputs: board letter first, the draw's length, then shorter words, longest
# first; the letters the jokers and the board give in lower case.
expect_output() {  # expect_output NAME EXPECTED ARGS...
    local name=$1 expected=$2 got
    shift 2
    got=$("$cli" "$@" 2>/dev/null | tr '\n' ' ')
    if [ "$got" = "$expected" ]; then
        passes=$((passes + 1))
    else
        echo "FAIL $name: ${got:0:400}"
        failures=$((failures + 1))
    fi
}
expect_output anagram_shorter_whole 'CHENI CHIEN CHINE NICHE CHIE CINE HEIN INCH CHI HIC HIE NIE CE CI EH EN HE HI IN NE NI ' \
    anagram --shorter chien
expect_output anagram_plus_whole 'AaS AiS AnS ArS ASa ASe AyS bAS cAS jAS kAS lAS mAS oSA pAS rAS SAc SAi SAr SAs SAx SkA SpA SuA tAS uSA vAS AS SA ' \
    anagram AS --plus --mark
expect_output anagram_plus_plain 'AAS AIS ANS ARS ASA ASE AYS BAS CAS JAS KAS LAS MAS OSA PAS RAS SAC SAI SAR SAS SAX SKA SPA SUA TAS USA VAS AS SA ' \
    anagram AS --plus
expect_output anagram_all_options 'daW eWe kWa Wad Wap Wax Web Woh Wok Won Wus Wu ' anagram 'W?' --shorter --plus --mark --jokers 2
expect anagram_spaces_around 0 '^NICHE$' '^$' -- anagram ' chien '
expect anagram_line_break_ends_draw 0 '^NICHE$' '^$' -- anagram $'chien\r\nchat'

# Values, order by value, hooks and the judge against a reference worked out from the list.
expect anagram_score_marked 0 '^KaWa	20$' '^$' -- anagram '?KW?' --jokers 2 --mark --score
expect anagram_score_board_letter_counts 0 '^AaS	3$' '^$' -- anagram AS --plus --mark --score
expect hooks_both_sides 0 '^AET	CHAT	S$' '^$' -- hooks chat
expect hooks_not_letters 1 '^$' '^« 1a » n.est pas un mot' -- hooks 1a
expect hooks_missing 2 '^$' 'MOT manquant' -- hooks
expect check_valid 0 '^ETE	valable$' '^$' -- check été
expect check_one_invalid 1 'ZZZ	non valable' '^$' -- check CHAT ZZZ
expect check_missing 2 '^$' 'MOT manquant' -- check
if reference=$(python3 "$(dirname "$0")/scrabble_reference.py" "$cli" "$(dirname "$0")/../../data/LISTESCRAB"); then
    passes=$((passes + 1))
else
    echo "$reference"
    failures=$((failures + 1))
fi
