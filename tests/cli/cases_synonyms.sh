# quillex-cli headwords and synonyms: the synonym tab's browse and look-up.
expect headwords_capital_kept 0 '^Afrique$' '^$' -- headwords afr
expect headwords_text_lower_cased 0 '^Afrique$' '^$' -- headwords AFR
expect headwords_first_letter_folded 0 '^ça$' '^$' -- headwords ca
expect headwords_ligature 0 '^œil-de-bœuf$' '^$' -- headwords oeil
expect headwords_into_synonyms 0 '^à droite$' '^$' -- headwords 'a droite@h'
expect headwords_spaces_around 0 '^chacal$' '^$' -- headwords ' cha '
expect headwords_every_letter_folded 0 '^fenêtre$' '^$' -- headwords fenetre
expect headwords_capitals_folded 0 '^théâtre$' '^$' -- headwords THEATRE
expect headwords_both_accents_listed 0 '^âgé$' '^$' -- headwords age
expect headwords_both_accents_listed_too 0 '^âge$' '^$' -- headwords age
expect headwords_nothing 1 '^$' '^Aucune entrée ne commence par ce texte\.$' -- headwords xz
expect headwords_one_character 1 '^$' 'Aucune entrée' -- headwords a
expect headwords_digit 1 '^$' 'Aucune entrée' -- headwords 1a
expect headwords_missing_text 2 '^$' '^quillex-cli headwords : TEXTE manquant$' -- headwords
expect headwords_two_texts 2 '^$' '^quillex-cli headwords : un seul TEXTE attendu$' -- headwords ab co
expect synonyms_found 0 '^matou$' '^$' -- synonyms chat
expect synonyms_capital 0 '^félin$' '^$' -- synonyms Chat
expect synonyms_spelling_kept 0 '^Cosmos$' '^$' -- synonyms Terre
expect synonyms_ligature 0 '^bourgeon$' '^$' -- synonyms œil
expect synonyms_long_line 0 '^intimide$' '^$' -- synonyms trouble
expect synonyms_spaces_around 0 '^matou$' '^$' -- synonyms $' chat\t'
expect synonyms_accents_folded 0 '^matou$' '^$' -- synonyms FELIN
expect synonyms_inner_accent_folded 0 '^lucarne$' '^$' -- synonyms fenetre
expect synonyms_plural_reaches_lemma 0 '^automobile$' '^voitures → voiture$' -- synonyms voitures
expect synonyms_verb_form_reaches_lemma 0 '^dévorer$' '^mangeait → manger$' -- synonyms mangeait
expect synonyms_adjective_form_reaches_lemma 0 '^prompt$' '^rapides → rapide$' -- synonyms RAPIDES
expect synonyms_not_found 1 '^$' '^Pas de synonyme pour ce mot\.$' -- synonyms chatx
expect synonyms_too_short 1 '^$' '^Pas de synonyme pour ce mot\.$' -- synonyms à
expect synonyms_missing_word 2 '^$' '^quillex-cli synonyms : MOT manquant$' -- synonyms
expect synonyms_two_words 2 '^$' '^quillex-cli synonyms : un seul MOT attendu$' -- synonyms chat chien
expect synonyms_unknown_option 2 '^$' 'option inconnue « --tout »' -- synonyms --tout chat
expect synonyms_line_break_ends_word 0 '^matou$' '^$' -- synonyms $' chat\nchien'
expect pattern_clue_inflected_form_reaches_lemma 0 '^BREF$' '^$' -- pattern '????' --clue rapides
