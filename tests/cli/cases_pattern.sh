# quillex-cli pattern PATTERN [--count]: sourced by cli_test.sh.
# Counts were taken from data/LISTEDESMOTS with a script.
expect pattern_lists_words 0 '^QUA$' '^$' -- pattern 'QU?'
expect pattern_lower_case_letters 0 '^4 mots trouvés$' '^$' -- pattern 'qu?' --count
expect pattern_count_many 0 '^13122 mots trouvés$' '^$' -- pattern --count '????????ES'
expect pattern_count_one 0 '^1 mot trouvé$' '^$' -- pattern ZOOTECHNICIENNE --count
expect pattern_last_word_of_list 0 '^ZOOTECHNICIENNE$' '^$' -- pattern 'ZOOTECHNICIENN?'
expect pattern_none_found 1 '^$' '^Aucun mot trouvé$' -- pattern 'QQ?'
expect pattern_count_none 1 '^Aucun mot trouvé$' '^$' -- pattern 'QQ?' --count
expect pattern_space_matches_nothing 1 '^$' '^Aucun mot trouvé$' -- pattern 'A B'
expect pattern_ten_letters_eight_jokers 0 '^ABAISSAMES$' '^$' -- pattern '????????ES'
expect pattern_eleven_letters_nine_jokers 1 '^$' "^Le nombre de caractère joker '' \? '' est trop important\.$" -- pattern '?????????ES'
expect pattern_joker_notice_second_line 1 '^$' '^Modifiez la recherche\.$' -- pattern '????S'
expect pattern_too_short 1 '^$' '^La longueur du mot doit être comprise entre 3 et 15 lettres' -- pattern AB
expect pattern_too_long 1 '^$' 'comprise entre 3 et 15' -- pattern 'ABCDEFGHIJKLMNOP'
expect pattern_empty 1 '^$' 'comprise entre 3 et 15' -- pattern ''
expect pattern_accented_letter 1 '^$' "^Seuls les caractères ''ABCDEF\.\.\.\.\.Z'' sont autorisés\.      $" -- pattern '??é'
expect pattern_digit_named 1 '^$' '^Caractère refusé : « 5 » \(case 2\)\.$' -- pattern 'A5?'
expect pattern_missing 2 '^$' '^quillex-cli pattern : MOTIF manquant : ' -- pattern
expect pattern_two_patterns 2 '^$' '^quillex-cli pattern : un seul MOTIF attendu$' -- pattern 'QU?' 'QU?'
expect pattern_unknown_option 2 '^$' '^quillex-cli pattern : option inconnue « --all »$' -- pattern 'QU?' --all
expect pattern_short_unknown_option 2 '^$' 'option inconnue « -x »' -- pattern -x 'QU?'
expect pattern_count_after_end_of_options 2 '^$' 'un seul MOTIF attendu' -- pattern -- 'QU?' --count
expect pattern_operand_after_end_of_options 1 '^$' 'Caractère refusé : « - » \(case 1\)' -- pattern -- '-U?'
expect pattern_control_character_escaped 1 '^$' '^Caractère refusé : « \\x1B » \(case 2\)\.$' -- pattern $'A\e?'
