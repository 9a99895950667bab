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
expect anagram_accented_letter 1 '^$' '^Aucun  mot  trouvé\.$' -- anagram 'É?'
expect anagram_space 1 '^$' '^Aucun  mot  trouvé\.$' -- anagram 'A B'
expect anagram_too_short 1 '^$' '^Vous devez saisir, dans la zone de texte, un mot compris entre 3 et 9 lettres\.$' -- anagram A
expect anagram_empty 1 '^$' 'un mot compris entre 3 et 9 lettres' -- anagram ''
expect anagram_two_jokers 1 '^$' '^Un seul joker est autorisé pour la recherche\. Modifiez votre requête\.$' -- anagram '??A'
expect anagram_too_long 1 '^$' '^Un tirage compte au plus 9 lettres, joker compris\. Modifiez votre requête\.$' -- anagram ABCDEFGHIJ
expect anagram_missing 2 '^$' 'missing draw' -- anagram
expect anagram_two_draws 2 '^$' 'anagram takes one draw' -- anagram AB CD

# The whole output of one search: every word, one per line, in list order.
anagram_out=$("$cli" anagram ORANGE 2>/dev/null)
if [ "$anagram_out" = $'ONAGRE\nORANGE\nORGANE\nRONGEA' ]; then
    passes=$((passes + 1))
else
    echo "FAIL anagram_whole_output: ${anagram_out:0:400}"
    failures=$((failures + 1))
fi
