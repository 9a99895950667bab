# quillex-cli pattern PATTERN [--count] [--clue WORD]: sourced by cli_test.sh.
# Counts were taken from data/LISTEDESMOTS with a script.
expect pattern_lists_words 0 '^QUA$' '^$' -- pattern 'QU?'
expect pattern_lower_case_letters 0 '^4 mots trouvés$' '^$' -- pattern 'qu?' --count
expect pattern_count_many 0 '^13124 mots trouvés$' '^$' -- pattern --count '????????ES'
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
expect pattern_unknown_option 2 '^$' '^quillex-cli pattern : option inconnue « --all » \(options : --count, --clue MOT\)$' -- pattern 'QU?' --all
expect pattern_short_unknown_option 2 '^$' 'option inconnue « -x »' -- pattern -x 'QU?'
expect pattern_count_after_end_of_options 2 '^$' 'un seul MOTIF attendu' -- pattern -- 'QU?' --count
expect pattern_operand_after_end_of_options 1 '^$' 'Caractère refusé : « - » \(case 1\)' -- pattern -- '-U?'
expect pattern_control_character_escaped 1 '^$' '^Caractère refusé : « \\x1B » \(case 2\)\.$' -- pattern $'A\e?'

# Runs and letter sets; counts from grep -cxE over the main list's words of 3 to 15 letters.
expect pattern_run_inside 0 '^28 mots trouvés$' '^$' -- pattern 'CH*EN' --count
expect pattern_run_lists_in_list_order 0 '^CHIEN$' '^$' -- pattern 'CH*EN'
expect pattern_run_first 0 '^1316 mots trouvés$' '^$' -- pattern '*ISME' --count
expect pattern_set 0 '^8 mots trouvés$' '^$' -- pattern 'A[EI]?' --count
expect pattern_set_ranges_any_case 0 '^36 mots trouvés$' '^$' -- pattern '[a-c]??[X-Z]' --count
expect pattern_set_complement_and_run 0 '^42 mots trouvés$' '^$' -- pattern 'Q[^U]*' --count
expect pattern_run_has_no_joker_limit 0 '^QATARI$' '^$' -- pattern '????*I'
expect pattern_run_too_long 1 '^$' 'plus de 15 lettres' -- pattern '????????????????*'
expect pattern_unclosed_set 1 '^$' "^Il manque le « \] » qui ferme l'ensemble de lettres \(case 2\)\.$" -- pattern 'A[EI'
expect pattern_empty_set 1 '^$' "^L'ensemble de lettres est vide \(case 1\)\.$" -- pattern '[]??'
expect pattern_non_letter_in_set 1 '^$' '« \? » \(case 2\)' -- pattern 'A[?E]?'
expect pattern_reversed_range 1 '^$' "^L'intervalle « E-A » va à l'envers" -- pattern '?[E-A]?'
expect pattern_stray_bracket 1 '^$' '^« \] » sans « \[ »' -- pattern 'AB]'

# A clue keeps the synonyms that fit, and only them: no synonym of a synonym is added.
expect pattern_clue_no_synonym_of_synonyms 1 '^$' '^Aucun mot trouvé$' -- pattern '?I??E' --clue=chat
expect pattern_clue_direct_synonyms 0 '^FELIN$' '^$' -- pattern '?????' --clue Chat
expect pattern_clue_counts_every_word_shown 0 '^4 mots trouvés$' '^$' -- pattern '?????' --clue chat --count
expect pattern_clue_lifts_the_joker_limit 0 '^MATOU$' '^$' -- pattern '??T??' --clue chat
expect pattern_clue_with_a_run 0 '^PORTEMONNAIE$' '^$' -- pattern 'PORTE*' --clue 'aumônière'
expect pattern_clue_white_space_around 0 '^FELIN$' '^$' -- pattern '?????' --clue $'\xc2\xa0chat\t'
expect pattern_clue_without_entry 1 '^$' '^Pas de synonyme pour ce mot\.$' -- pattern '?I??E' --clue chatx
expect pattern_clue_nothing_fits 1 '^$' '^Aucun mot trouvé$' -- pattern 'QQ?' --clue chat
expect pattern_clue_missing_word 2 '^$' '--clue attend un mot' -- pattern '?I??E' --clue
expect pattern_clue_twice 2 '^$' "--clue ne se donne qu'une fois" -- pattern '?I??E' --clue chat --clue chien
expect pattern_spaces_around 0 '^4 mots trouvés$' '^$' -- pattern $'\tqu? ' --count
