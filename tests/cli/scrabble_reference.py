#!/usr/bin/env python3
"""Checks quillex-cli's word values, order by value, hooks and judge against what a player would
work out by hand from the Scrabble list: letter counts, the letter values of French Scrabble,
and the list as a set. Random draws and words, from a seed given or drawn (printed on failure).
Usage: scrabble_reference.py QUILLEX_CLI LISTESCRAB [SEED]"""
import collections
import random
import subprocess
import sys

VALUES = dict(zip("ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                  [1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 10, 1, 2, 1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10]))
# The letters of a French set, so that draws look like racks and find words.
BAG = "A" * 9 + "B" * 2 + "C" * 2 + "D" * 3 + "E" * 15 + "F" * 2 + "G" * 2 + "H" * 2 + "I" * 8 + \
    "JK" + "L" * 5 + "M" * 3 + "N" * 6 + "O" * 6 + "P" * 2 + "Q" + "R" * 6 + "S" * 6 + "T" * 6 + \
    "U" * 6 + "V" * 2 + "WXYZ"


def run(cli, *args):
    done = subprocess.run([cli, *args], capture_output=True, text=True, check=False)
    return done.returncode, done.stdout


def expected_anagrams(words, counts, draw, jokers, shorter, plus):
    """(word, marked, value) in the command's order: board letter, the draw's length, shorter."""
    drawn = collections.Counter(draw.replace("?", ""))
    n = len(draw)
    lengths = ([n + 1] if plus else []) + [n] + (list(range(n - 1, 1, -1)) if shorter else [])
    found = []
    for length in lengths:
        free = jokers + (1 if length == n + 1 else 0)
        for word, letters in zip(words.get(length, []), counts.get(length, [])):
            left = letters - drawn
            if sum(left.values()) > free or (length >= n and sum(left.values()) != free):
                continue
            # Drawn letters take the first places; the jokers take the cheapest free letters.
            supply, marked = collections.Counter(drawn), ""
            for letter in word:
                if supply[letter]:
                    supply[letter] -= 1
                    marked += letter
                else:
                    marked += letter.lower()
            blanks = sorted(VALUES[c] for c in left.elements())[:jokers]
            found.append((word, marked, sum(VALUES[c] for c in word) - sum(blanks)))
    return found


def main():
    cli, list_file = sys.argv[1], sys.argv[2]
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else random.randrange(1 << 30)
    rng = random.Random(seed)
    with open(list_file, encoding="cp1252", newline="") as source:
        listed = source.read().split("\r\n")
    words = collections.defaultdict(list)
    for word in listed:
        words[len(word)].append(word)
    known = set(listed)
    counts = {length: [collections.Counter(w) for w in group] for length, group in words.items()}
    failures = []

    for _ in range(30):
        jokers = rng.choice([0, 0, 1, 2])
        shorter, plus, mark = rng.random() < 0.4, rng.random() < 0.3, rng.random() < 0.5
        length = rng.randint(max(2, jokers + 1), 9 if not plus else 8)
        draw = "".join(rng.sample(BAG, length - jokers)) + "?" * jokers
        args = ["anagram", draw, "--score"] + (["--shorter"] if shorter else []) + \
            (["--plus"] if plus else []) + (["--mark"] if mark else []) + \
            (["--jokers", "2"] if jokers == 2 else [])
        found = expected_anagrams(words, counts, draw, jokers, shorter, plus)
        lines = ["%s\t%d" % (marked if mark else word, value) for word, marked, value in found]
        by_value = [line for _, line in sorted(enumerate(lines), key=lambda p: -found[p[0]][2])]
        for extra, want in (([], lines), (["--by-score"], by_value)):
            status, out = run(cli, *args, *extra)
            if out.splitlines() != want or status != (0 if want else 1):
                failures.append("%s: status %d, %d lines, wanted %d" %
                                (" ".join(args + extra), status, len(out.splitlines()), len(want)))

    picked = rng.sample(listed, 150) + ["".join(rng.sample(BAG, rng.randint(2, 5))) for _ in range(50)]
    status, out = run(cli, "hooks", *picked)
    want = ["%s\t%s\t%s" % ("".join(c for c in VALUES if c + w in known), w,
                            "".join(c for c in VALUES if w + c in known)) for w in picked]
    if status != 0 or out.splitlines() != want:
        failures.append("hooks: status %d, lines differ" % status)

    # The judge folds as a draw does: lower case, accents.
    judged = [w.lower() if rng.random() < 0.3 else w for w in picked] + ["été", "ÂME"]
    status, out = run(cli, "check", *judged)
    folded = [w.upper() for w in picked] + ["ETE", "AME"]
    want = ["%s\t%s" % (w, "valable" if w in known else "non valable") for w in folded]
    if status != (0 if all(w in known for w in folded) else 1) or out.splitlines() != want:
        failures.append("check: status %d, lines differ" % status)

    for failure in failures:
        print("FAIL (seed %d) %s" % (seed, failure))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
