#!/usr/bin/env python3
"""Times two commands run in turn, A then B, RUNS times after a warm-up, and prints the median
wall time of each in seconds. Running them alternately gives both the same share of whatever
else the machine is doing, which separate blocks of runs do not.
Each command writes into a pipe that this script reads to the end, as a user's script reads
it: a tool may not take the shortcuts it takes when its output is /dev/null (GNU grep then stops
at the first match). The time runs until the command has ended and its output is all read.
Usage: time_pair.py RUNS 'COMMAND A' 'COMMAND B'   (each command split on spaces, no shell)"""
import os
import statistics
import sys
import time


def run(argv):
    # posix_spawn, the lightest way to start a process from here: the same small cost for both.
    read_end, write_end = os.pipe()
    actions = [(os.POSIX_SPAWN_DUP2, write_end, 1),
               (os.POSIX_SPAWN_CLOSE, write_end),
               (os.POSIX_SPAWN_CLOSE, read_end),
               (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)]
    start = time.perf_counter()
    pid = os.posix_spawnp(argv[0], argv, os.environ, file_actions=actions)
    os.close(write_end)
    while os.read(read_end, 1 << 16):
        pass
    os.waitpid(pid, 0)
    elapsed = time.perf_counter() - start
    os.close(read_end)
    return elapsed


def main():
    runs, a, b = int(sys.argv[1]), sys.argv[2].split(), sys.argv[3].split()
    for _ in range(3):
        run(a)
        run(b)
    times_a, times_b = [], []
    for _ in range(runs):
        times_a.append(run(a))
        times_b.append(run(b))
    print(statistics.median(times_a), statistics.median(times_b))


if __name__ == "__main__":
    main()
