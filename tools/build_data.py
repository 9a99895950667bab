#!/usr/bin/python3
"""Rebuilds every file of data/ and the generated table header from Debian packages.

Sources:
  - the Dicollecte French lexicon with its morphology, as shipped by python3-grammalecte
    (graphspell dictionary "fr-allvars": classic and 1990-reform spellings together);
  - LibreOffice's French thesaurus, as shipped by mythes-fr (/usr/share/mythes/thes_fr.dat);
  - the hand-kept lists of tools/, each word with its reason: glossary.txt (the definitions of
    the two- and three-letter words), abbreviations.txt, scrabble_exclusions.txt,
    scrabble_supplement.txt, scrabble_verbs.txt, scrabble_removals.txt,
    scrabble_units_kept.txt, crossword_classics.txt, web_fragments.txt,
    synonym_excluded_terms.txt, synonym_wrong_pairs.txt and
    synonym_known_terms.txt.

The output depends only on those inputs: same packages, same bytes.

Usage: tools/build_data.py [--out DIR] [--header FILE]
  DIR defaults to data/ and FILE to core/wordlists/DataTables.h, both beside this script's parent.
"""

import argparse
import os
import re
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
THESAURUS = "/usr/share/mythes/thes_fr.dat"
LEXICON = "fr-allvars.json"
TOOLS = os.path.join(ROOT, "tools")

# The built-in resources, the one place they are listed: the C++ constant naming each, its name
# (also its file in data/), its id, and the tables of DataTables.h that give its line count and
# its length slices.
RESOURCES = (
    ("MainListResource", "LISTEDESMOTS", 101, "MainWordCount", "MainLengthSlices"),
    ("ScrabbleListResource", "LISTESCRAB", 102, "ScrabbleWordCount", "ScrabbleLengthSlices"),
    ("SynonymListResource", "LISTESYNONYMES", 103, "SynonymLineCount", "NoLengthSlices"),
    ("GlossaryResource", "MOT23LETTRES", 104, "GlossaryLineCount", "NoLengthSlices"),
    ("LemmaListResource", "FORMESLEMMES", 105, "LemmaLineCount", "NoLengthSlices"),
)

CRLF = b"\r\n"
VOWELS = set("AEIOUY")
# The SI prefixes the lexicon joins to every unit name (its ";U" tag): zeptowatt, exaohm.
UNIT_PREFIXES = ("yocto", "zepto", "atto", "femto", "pico", "nano", "micro", "milli", "centi",
                 "déci", "déca", "hecto", "kilo", "méga", "giga", "téra", "péta", "peta", "exa",
                 "zetta", "yotta")


def fold_capitals(form):
    """'Œuvrât' -> 'OEUVRAT'; returns None when the form holds anything but letters."""
    out = []
    for ch in form:
        if ch in "œŒ":
            out.append("OE")
        elif ch in "æÆ":
            out.append("AE")
        else:
            base = unicodedata.normalize("NFD", ch)[0]
            if "a" <= base.lower() <= "z" and base.isascii():
                out.append(base.upper())
            else:
                return None
    return "".join(out)


def grid_form(form):
    """'aujourd’hui' -> 'aujourdhui': a compound as a crossword grid writes it."""
    return form.replace("-", "").replace("\u2019", "").replace("'", "")


def length_then_alpha(word):
    return (len(word), word)


def hand_kept_path(name):
    """The path of a hand-kept list of tools/, by name: 'glossary' is tools/glossary.txt."""
    return os.path.join(TOOLS, f"{name}.txt")


def read_hand_kept_list(name):
    """Returns [(key, reason)] from a list of tools/: one entry a line, its key (which may hold
    single spaces) then two spaces or more and the reason; '#' starts a comment line."""
    path = hand_kept_path(name)
    entries = []
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = re.split(r"\s{2,}", line.strip(), maxsplit=1)
            if len(parts) != 2:
                sys.exit(f"{path}:{number}: expected an entry, two spaces or more and a reason")
            entries.append((parts[0], parts[1]))
    return entries


# --- Lexicon ----------------------------------------------------------------------------------


def read_lexicon():
    """Yields (form, morphology) for every entry of the lexicon."""
    from grammalecte.graphspell import ibdawg

    dictionary = ibdawg.IBDAWG(LEXICON)
    for form, _lemma, morph in dictionary.select():
        yield form, morph


def is_common_entry(form, morph):
    """True when this reading of the form is a common word a Scrabble player may lay."""
    if any(ch.isupper() for ch in form):
        return False  # proper nouns, acronyms, Roman numerals, symbols such as "kA"
    tags, _, variant = morph.partition("/")
    if variant == "X":
        return False  # entries the lexicon keeps out of its spelling dictionaries
    if ";S" in tags:
        return False  # symbols and units: km, cm, kg, Hz
    if ":F" in tags:
        return False  # elided forms: qu, jusqu, lorsqu
    if tags.startswith((":M", ":@", ":Z", ":H", ":É")):
        return False  # names, punctuation, prefix and suffix fragments, pieces of set phrases
    if len(form) == 1:
        return False  # letters named as nouns: "æ", "œ"
    return True


def is_main_entry(form, morph, web_fragments):
    """True when this reading of the form belongs in the crossword list."""
    tags = morph.partition("/")[0]
    if ";S" in tags:
        return False  # unit symbols: km, zBq, zcd (the unit names are other entries)
    if tags.startswith(":Z") and form in web_fragments:
        return False  # pieces of web addresses: http, www, com
    if ":F" in tags and grid_form(form) != form:
        return False  # an elided pronoun joined to the next word: "t’en", "m’en"
    return True


def is_prefixed_unit(form, morph):
    """True for a unit name the lexicon forms with an SI prefix: kilowatt, zeptowatt, exaohm."""
    return ";U" in morph.partition("/")[0] and form.startswith(UNIT_PREFIXES)


def conjugate(verb):
    """The forms of a verb the lexicon lacks, by the conjugation rules Grammalecte ships for its
    lexicon (first and second groups): every tense, the participles with their agreements."""
    from grammalecte.fr import conj_generator

    if not verb.endswith(("er", "ir")):
        sys.exit(f"{hand_kept_path('scrabble_verbs')}: {verb} is not a verb of the first or second group")
    # ":1ś" marks the literary inverted first person ("aimè-je"), never written alone.
    return sorted({f for f, tags in conj_generator.conjugate(verb) if ":1ś" not in tags})


def build_word_lists(exclusions, abbreviations, units_kept, removals, supplement, verbs, classics,
                     web_fragments):
    main = set()
    scrabble = set()
    spellings = {}  # folded 2- and 3-letter Scrabble word -> {spelling: [morphologies]}
    used = set()  # entries of the hand-kept lists that matched a form of the lexicon
    for form, morph in read_lexicon():
        if form in abbreviations:
            used.add(form)
            continue  # abbreviations of single words: HAB, ENV, AVR; no grid takes them
        if not is_main_entry(form, morph, web_fragments):
            used.add(form)
            continue
        # Hyphenated and apostrophe compounds enter the main list as a grid writes them; the
        # Scrabble list takes single words only.
        folded = fold_capitals(grid_form(form))
        if folded is None or not 2 <= len(folded) <= 15:
            continue
        main.add(folded)
        if grid_form(form) != form or len(folded) > 9 or not is_common_entry(form, morph):
            continue
        if form in exclusions:
            used.add(form)
            continue
        if is_prefixed_unit(form, morph):
            if form not in units_kept:
                continue  # the official list has only the common ones: KILOWATT, not ZEPTOWATT
            used.add(form)
        # Without a vowel a noun or a preposition is an abbreviation ("ln", "pp"); interjections
        # such as "pff" or "pst" stay.
        if not VOWELS & set(folded) and not morph.startswith(":J"):
            continue
        scrabble.add(folded)
        if len(folded) <= 3:
            spellings.setdefault(folded, {}).setdefault(form, []).append(morph)
    unused = sorted((set(exclusions) | set(abbreviations) | set(units_kept) | set(web_fragments))
                    - used)
    if unused:
        sys.exit(f"entries of tools/ that match no form of the lexicon: {unused}")
    added = [(form, "supplement") for form in supplement]
    for verb in verbs:
        added += [(form, "verb") for form in conjugate(verb) if len(fold_capitals(form)) <= 9]
    for form, source in added:
        folded = fold_capitals(form)
        if folded is None or not 2 <= len(folded) <= 9:
            sys.exit(f"{hand_kept_path('scrabble_supplement')}: {form} is not a word of 2 to 9 letters")
        main.add(folded)
        scrabble.add(folded)
        if len(folded) <= 3:
            spellings.setdefault(folded, {}).setdefault(form, []).append(source)
    # Removed words go with every inflection, whatever the lexicon or the supplement says.
    removed = set()
    for entry in removals:
        forms = {fold_capitals(form) for form in entry.split()}
        if not forms & main:
            sys.exit(f"{hand_kept_path('scrabble_removals')}: {entry} matches no word of the lists")
        removed |= forms
    scrabble -= removed
    for folded in removed:
        spellings.pop(folded, None)
    # The proper nouns and set phrases crossword grids use, written as a grid writes them.
    for entry in classics:
        folded = fold_capitals(grid_form(entry).replace(" ", ""))
        if folded is None or not 2 <= len(folded) <= 15:
            sys.exit(f"{hand_kept_path('crossword_classics')}: {entry} is not an answer of 2 to 15 letters")
        main.add(folded)
    assert scrabble <= main, "every Scrabble word is also in the main list"  # by construction
    return sorted(main, key=length_then_alpha), sorted(scrabble, key=length_then_alpha), spellings


# --- Thesaurus --------------------------------------------------------------------------------


def to_cp1252_text(text):
    """Keeps what Windows-1252 can hold; typographic apostrophes become "'"."""
    text = unicodedata.normalize("NFC", text)
    text = text.replace("\u2019", "'").replace("\u2018", "'").replace("\u02bc", "'")
    kept = []
    for ch in text:
        if ch in "@\\\r\n\t":
            continue
        try:
            ch.encode("cp1252")
        except UnicodeEncodeError:
            continue
        kept.append(ch)
    return " ".join("".join(kept).split())


def strip_annotations(text):
    """'félin (générique)' -> 'félin'; unbalanced brackets are dropped with what follows."""
    out = []
    depth = 0
    for ch in text:
        if ch == "(":
            depth += 1
        elif ch == ")":
            depth = max(0, depth - 1)
        elif depth == 0:
            out.append(ch)
    return "".join(out)


def dictionary_key(headword):
    """The look-up key with hyphens and apostrophes ignored: the dictionary order's key."""
    return lookup_key(headword).replace("-", "").replace("'", "")


def first_letter_group(headword):
    key = dictionary_key(headword)
    return key[0] if key and "a" <= key[0] <= "z" else None


def thesaurus_term(raw, excluded_terms):
    """The term as the list gives it, or "" when it is left out: a placeholder holding no letter
    ("?"), or a term of tools/synonym_excluded_terms.txt. A stray "!" is dropped ("salut!")."""
    term = to_cp1252_text(strip_annotations(raw).replace("!", ""))
    if not any(ch.isalpha() for ch in term) or term in excluded_terms:
        return ""
    return term


def read_thesaurus(excluded_terms):
    """Returns {headword: [meanings, each a list of its terms in thesaurus order]}."""
    entries = {}
    with open(THESAURUS, encoding="utf-8") as source:
        lines = source.read().split("\n")
    assert lines[0].strip() == "UTF-8", "unexpected thesaurus encoding"
    i = 1
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.strip():
            continue
        head, _, count = line.rpartition("|")
        headword = thesaurus_term(head, excluded_terms)
        meanings = entries.setdefault(headword, []) if headword else []
        for _ in range(int(count)):
            fields = lines[i].split("|")[1:]  # the first field is the part of speech
            i += 1
            terms = [thesaurus_term(raw, excluded_terms) for raw in fields]
            meanings.append([t for t in terms if t and t != headword])
    return entries


def remove_wrong_pairs(entries, wrong_pairs):
    """Removes each pair of tools/synonym_wrong_pairs.txt in both directions."""
    for first, second in wrong_pairs:
        found = False
        for headword, synonym in ((first, second), (second, first)):
            for meaning in entries.get(headword, []):
                while synonym in meaning:
                    meaning.remove(synonym)
                    found = True
        if not found:
            sys.exit(f"{hand_kept_path('synonym_wrong_pairs')}: {first}@{second} is not in the thesaurus")


def read_lexicon_lemmas():
    """Returns {form: {lemma: [morphologies]}} for every form of the lexicon."""
    from grammalecte.graphspell import ibdawg

    lemmas = {}
    for form, lemma, morph in ibdawg.IBDAWG(LEXICON).select():
        lemmas.setdefault(form, {}).setdefault(lemma, []).append(morph)
    return lemmas


def lexicon_spelling(word, lexicon):
    """The word as the lexicon spells it (its apostrophe typographic, or lower-cased where the
    word opens a term), or None when the lexicon lacks it."""
    for candidate in (word, word.replace("'", "\u2019")):
        for spelt in (candidate, candidate.lower()):
            if spelt in lexicon:
                return spelt
    return None


def is_known_term(term, lexicon, known_terms):
    """True when every word of the term, split at spaces and then at hyphens, is a form of the
    lexicon; a term of tools/synonym_known_terms.txt is known as it stands. Misspellings
    ("félinne", "boulverser") and cut terms ("rég") are not."""
    if term in known_terms:
        return True
    for word in term.split(" "):
        if lexicon_spelling(word, lexicon):
            continue
        parts = [p for p in re.split(r"[-']", word) if p]
        if not parts or not all(lexicon_spelling(p, lexicon) for p in parts):
            return False
    return True


def is_verb_form_of_headword(headword, lexicon, headwords):
    """True when every reading of the headword in the lexicon is a conjugated form (neither
    infinitive nor participle) of verbs, one of which is another headword: "ailles", "assailles"."""
    readings = lexicon.get(headword)
    if not readings:
        return False
    for lemma, morphs in readings.items():
        for morph in morphs:
            tags = morph.partition("/")[0]
            if not tags.startswith(":V") or ":Y" in tags or ":Q" in tags:
                return False
    return any(lemma != headword and lemma in headwords for lemma in readings)


NEIGHBOUR_SPAN = 40  # headwords either side of a headword that count as its neighbours
NEIGHBOUR_RUN = 3  # a run of this many neighbours in a row is a piece of the headword index


def drop_neighbour_runs(headword, meaning, ordered, position, synonym_sets):
    """A meaning without its runs of alphabetical neighbours: pieces of the thesaurus's own index
    copied in ("fenêtre": fendre, fendu, fenil, fennec, fenouil). A term is a neighbour when its
    dictionary key lies between those of the headwords NEIGHBOUR_SPAN places either side of the
    headword. A term of such a run stays when it agrees with the headword outside the
    neighbourhood: their lines share a synonym that is no neighbour ("séchoir": sèche-linge)."""
    here = position[headword]
    low = dictionary_key(ordered[max(0, here - NEIGHBOUR_SPAN)])
    high = dictionary_key(ordered[min(len(ordered) - 1, here + NEIGHBOUR_SPAN)])

    def is_neighbour(term):
        return low <= dictionary_key(term) <= high

    far_synonyms = {t for t in synonym_sets.get(headword, ()) if not is_neighbour(t)}
    kept = []
    j = 0
    while j < len(meaning):
        k = j
        while k < len(meaning) and is_neighbour(meaning[k]):
            k += 1
        if k - j >= NEIGHBOUR_RUN:
            kept.extend(t for t in meaning[j:k] if far_synonyms & synonym_sets.get(t, set()))
            j = k
        else:
            kept.append(meaning[j])
            j += 1
    return kept


def agreement(headword, synonym, synonym_sets, listed_by):
    """How strongly the thesaurus agrees that `synonym` is a synonym of `headword`: the synonyms
    their lines share, the headword's synonyms that list it, and 2 more when it lists the
    headword back."""
    own = synonym_sets.get(headword, set())
    theirs = synonym_sets.get(synonym, set())
    back = 2 if headword in theirs else 0
    return len(own & theirs) + len(own & listed_by.get(synonym, set())) + back


def clean_synonym_entries(entries, lexicon, known_terms):
    """The thesaurus entries cleaned by rules that hold for every line: terms the lexicon lacks
    (misspelt or cut) left out, headwords that are conjugated forms of another headword left
    out, runs of alphabetical neighbours left out; then each line ordered by agreement, the
    strongest first, thesaurus order among equals. Returns {headword: [synonyms]}."""
    entries = {h: m for h, m in entries.items() if is_known_term(h, lexicon, known_terms)}
    headwords = set(entries)
    entries = {h: m for h, m in entries.items()
               if not is_verb_form_of_headword(h, lexicon, headwords)}
    for meanings in entries.values():
        for meaning in meanings:
            meaning[:] = [t for t in meaning if is_known_term(t, lexicon, known_terms)]
    ordered = sorted(entries, key=lambda h: (dictionary_key(h), h))
    position = {h: k for k, h in enumerate(ordered)}
    synonym_sets = {h: {t for m in ms for t in m} for h, ms in entries.items()}
    cleaned = {}
    for headword, meanings in entries.items():
        synonyms = []
        for meaning in meanings:
            for term in drop_neighbour_runs(headword, meaning, ordered, position, synonym_sets):
                if term not in synonyms:
                    synonyms.append(term)
        cleaned[headword] = synonyms
    synonym_sets = {h: set(s) for h, s in cleaned.items()}
    listed_by = {}
    for headword, synonyms in cleaned.items():
        for term in synonyms:
            listed_by.setdefault(term, set()).add(headword)
    for headword, synonyms in cleaned.items():
        strength = {t: agreement(headword, t, synonym_sets, listed_by) for t in synonyms}
        synonyms.sort(key=lambda t: -strength[t])  # stable: thesaurus order among equals
    return cleaned


def build_synonym_lines(excluded_terms, wrong_pairs, known_terms, lexicon):
    entries = read_thesaurus(excluded_terms)
    remove_wrong_pairs(entries, wrong_pairs)
    entries = clean_synonym_entries(entries, lexicon, known_terms)
    rows = []
    for headword, synonyms in entries.items():
        # A text of one character lists no headword, so one-letter headwords could never be
        # looked up: they are left out with those no first-letter group holds.
        if not synonyms or len(headword) < 2 or first_letter_group(headword) is None:
            continue
        rows.append((dictionary_key(headword), headword, synonyms))
    rows.sort(key=lambda row: (row[0], row[1]))
    group_sizes = {chr(c): 0 for c in range(ord("a"), ord("z") + 1)}
    lines = []
    for _key, headword, synonyms in rows:
        group_sizes[first_letter_group(headword)] += 1
        lines.append(headword + "@" + "\\".join(synonyms))
    return lines, group_sizes


def lookup_key(text):
    """The look-up spelling the program folds typed text to: lower case, accents removed,
    "œ"/"æ" as "oe"/"ae"; hyphens, apostrophes and spaces kept."""
    folded = []
    for ch in text.lower():
        if ch == "œ":
            folded.append("oe")
        elif ch == "æ":
            folded.append("ae")
        else:
            folded.append(unicodedata.normalize("NFD", ch)[0])
    return "".join(folded)


def lemma_from_form(form, lemma):
    """A lemma written from its form, as few bytes as the form allows: how many characters to
    drop from the form's end, then what to add ("mangeait", "manger" -> "3r")."""
    kept = 0
    while kept < min(len(form), len(lemma)) and form[kept] == lemma[kept]:
        kept += 1
    added = lemma[kept:]
    if added[:1].isdigit() or "\\" in added or "@" in added:
        sys.exit(f"lemma {lemma!r} of {form!r} cannot be written from its form")
    return str(len(form) - kept) + added


def build_lemma_lines(synonym_lines, lexicon):
    """One line per inflected form whose look-up spelling reaches no headword while a lemma of
    it is a headword: "form@lemma\\lemma…" in lower case, lemmas in lexicon order, each written
    from the form (lemma_from_form). Sorted by the form's look-up spelling, then by the form, so a
    look-up is a binary search."""
    headwords = {line.partition("@")[0] for line in synonym_lines}
    reached = {lookup_key(h) for h in headwords}
    rows = []
    for form, readings in lexicon.items():
        if form != form.lower() or lookup_key(form) in reached:
            continue
        spelt = to_cp1252_text(form)
        lemmas = [to_cp1252_text(lemma) for lemma in readings]
        lemmas = [lemma for lemma in lemmas if lemma != spelt and lemma in headwords]
        if not lemmas:
            continue
        text = spelt + "@" + "\\".join(lemma_from_form(spelt, lemma) for lemma in lemmas)
        rows.append((lookup_key(spelt), text))
    rows.sort()
    return [text for _key, text in rows]


# --- Glossary ---------------------------------------------------------------------------------


def read_glossary():
    """Returns {folded word: line} from tools/glossary.txt ('WORD: class definition')."""
    glossary = {}
    with open(hand_kept_path('glossary'), encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            word, sep, rest = line.partition(": ")
            folded = fold_capitals(word)
            if not sep or folded is None or word != word.upper() or not rest.strip():
                sys.exit(f"{hand_kept_path('glossary')}:{number}: expected 'WORD: class definition'")
            if folded in glossary:
                sys.exit(f"{hand_kept_path('glossary')}:{number}: {word} is defined twice")
            glossary[folded] = line
    return glossary


def build_glossary_lines(scrabble, spellings):
    glossary = read_glossary()
    short = [w for w in scrabble if len(w) <= 3]
    missing = [w for w in short if w not in glossary]
    extra = sorted(set(glossary) - set(short))
    if missing or extra:
        sys.exit(f"glossary out of step with the Scrabble list: missing {missing}, extra {extra}")
    for folded in short:
        word = glossary[folded].partition(":")[0]
        if word.lower() not in spellings[folded]:
            sys.exit(f"glossary: {word} is not a spelling of {folded} in the lexicon or supplement")
    return [glossary[w] for w in short]  # short is already by length, then alphabetical


# --- Output -----------------------------------------------------------------------------------


def write_resource(path, lines):
    data = CRLF.join(line.encode("cp1252") for line in lines)
    with open(path, "wb") as out:
        out.write(data)
    return data


def length_slices(words, lo, hi):
    ranges = []
    position = 1
    for length in range(lo, hi + 1):
        count = sum(1 for w in words if len(w) == length)
        ranges.append((length, position, position + count - 1))
        position += count
    return ranges


def write_header(path, main, scrabble, synonyms, group_sizes, glossary, lemmas):
    def rows(ranges):
        return "\n".join(f"    {{{l}, {first}, {last}}}," for l, first, last in ranges)

    two_letter = sum(1 for line in glossary if len(line.partition(":")[0]) == 2)
    sizes = ", ".join(str(group_sizes[chr(c)]) for c in range(ord("a"), ord("z") + 1))
    resource_rows = " \\\n".join(f"    X({constant}, {name}, {id}, {count}, {slices})"
                                   for constant, name, id, count, slices in RESOURCES)
    text = f"""// Generated by tools/build_data.py together with data/; do not edit.
// clang-format off
#pragma once

/// The built-in resources, one X(constant, name, id, count, lengthSlices) row each: the C++
/// constant naming it, its name (also its file in data/), its id, and the tables below that give
/// its line count and its length slices. The assembler that embeds the files reads the same rows.
#define QUILLEX_RESOURCES(X) \\
{resource_rows}

#ifndef __ASSEMBLER__

#include <array>
#include <cstdint>
#include <span>

namespace quillex::data {{

/// One length's slice of a word list: first and last 1-based position.
struct LengthSlice {{
    int32_t length;
    int32_t first;
    int32_t last;
}};

inline constexpr int32_t MainWordCount = {len(main)};
inline constexpr int32_t ScrabbleWordCount = {len(scrabble)};
inline constexpr int32_t SynonymLineCount = {len(synonyms)};
inline constexpr int32_t GlossaryLineCount = {len(glossary)};
inline constexpr int32_t GlossaryTwoLetterCount = {two_letter};
inline constexpr int32_t LemmaLineCount = {len(lemmas)};
inline constexpr int32_t LemmaTextBytes = {len(CRLF.join(l.encode('cp1252') for l in lemmas))};

/// Word lengths 2..15 of the main list.
inline constexpr std::array<LengthSlice, 14> MainLengthSlices{{{{
{rows(length_slices(main, 2, 15))}
}}}};

/// Word lengths 2..9 of the Scrabble list.
inline constexpr std::array<LengthSlice, 8> ScrabbleLengthSlices{{{{
{rows(length_slices(scrabble, 2, 9))}
}}}};

/// The length slices of a list that is split as lines.
inline constexpr std::span<const LengthSlice> NoLengthSlices{{}};

/// Lines of the synonym list whose headword starts with a, b, ... z.
inline constexpr std::array<int32_t, 26> SynonymGroupSizes{{{{{sizes}}}}};

}}  // namespace quillex::data

#endif
"""
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "data"))
    parser.add_argument("--header", default=os.path.join(ROOT, "core", "wordlists", "DataTables.h"))
    args = parser.parse_args()

    exclusions = {form for form, _ in read_hand_kept_list("scrabble_exclusions")}
    abbreviations = {form for form, _ in read_hand_kept_list("abbreviations")}
    units_kept = {form for form, _ in read_hand_kept_list("scrabble_units_kept")}
    removals = [forms for forms, _ in read_hand_kept_list("scrabble_removals")]
    supplement = [f for forms, _ in read_hand_kept_list("scrabble_supplement") for f in forms.split()]
    verbs = [verb for verb, _ in read_hand_kept_list("scrabble_verbs")]
    classics = [entry for entry, _ in read_hand_kept_list("crossword_classics")]
    web_fragments = {form for form, _ in read_hand_kept_list("web_fragments")}
    excluded_terms = {term for term, _ in read_hand_kept_list("synonym_excluded_terms")}
    wrong_pairs = [tuple(pair.split("@")) for pair, _ in read_hand_kept_list("synonym_wrong_pairs")]
    main_words, scrabble_words, spellings = build_word_lists(
        exclusions, abbreviations, units_kept, removals, supplement, verbs, classics, web_fragments)
    known_terms = {term for term, _ in read_hand_kept_list("synonym_known_terms")}
    lexicon = read_lexicon_lemmas()
    synonym_lines, group_sizes = build_synonym_lines(excluded_terms, wrong_pairs, known_terms,
                                                     lexicon)
    lemma_lines = build_lemma_lines(synonym_lines, lexicon)
    glossary_lines = build_glossary_lines(scrabble_words, spellings)

    os.makedirs(args.out, exist_ok=True)
    contents = (main_words, scrabble_words, synonym_lines, glossary_lines, lemma_lines)
    for (_, name, _, _, _), lines in zip(RESOURCES, contents, strict=True):
        write_resource(os.path.join(args.out, name), lines)
    write_header(args.header, main_words, scrabble_words, synonym_lines, group_sizes, glossary_lines,
                 lemma_lines)
    print(f"main {len(main_words)}, scrabble {len(scrabble_words)}, "
          f"synonyms {len(synonym_lines)}, glossary {len(glossary_lines)}, lemmas {len(lemma_lines)}")


if __name__ == "__main__":
    main()
