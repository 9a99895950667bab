#!/usr/bin/env python3
"""The anagram search a user would write by hand: compare letter counts with every word of the
Scrabble list of the draw's length; each "?" stands for any one letter. Prints the words."""
import collections
import sys


def main():
    words_file, draw = sys.argv[1], sys.argv[2].upper()
    drawn = collections.Counter(c for c in draw if c != "?")
    with open(words_file, encoding="ascii") as source:
        for word in source:
            word = word.rstrip("\n")
            # Same length and every drawn letter in the word: the jokers cover the rest.
            if len(word) == len(draw) and not drawn - collections.Counter(word):
                print(word)


if __name__ == "__main__":
    main()
