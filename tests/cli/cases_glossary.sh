# quillex-cli glossary [PREFIX]: sourced by cli_test.sh.
expect glossary_all 0 '^AH: interj\.' '^$' -- glossary
expect glossary_bare_letter_finds_accented_word 0 '^ÈRE: n\.f\. ' '^$' -- glossary e
expect glossary_accented_prefix 0 '^ÂME: ' '^$' -- glossary âm
expect glossary_capitals_and_cedilla 0 '^ÇA: pron' '^$' -- glossary CA
expect glossary_no_match 1 '^$' '^Aucun mot du glossaire ne commence par « xyz »\.$' -- glossary xyz
expect glossary_word_shorter_than_prefix 1 '^$' 'Aucun mot' -- glossary ahah
expect glossary_two_arguments 2 '^$' '^quillex-cli glossary : un seul PRÉFIXE au plus$' -- glossary a b
expect glossary_terminal_title_escaped 1 '^$' '^Aucun mot du glossaire ne commence par « \\x1B\]0;X\\x07 »\.$' -- glossary $'\e]0;X\a'
expect glossary_dash_after_end_of_options 1 '^$' 'ne commence par « -a »' -- glossary -- -a
expect glossary_spaces_around 0 '^ÇA: pron' '^$' -- glossary ' ca '
