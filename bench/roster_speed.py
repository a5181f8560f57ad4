#!/usr/bin/env python3
"""Times each roster program end to end on generated rosters, file to file,
against a plain Python csv.reader -> csv.writer copy of the same file, in
paired runs: the copy and the program one after the other, each pair in turn
starting with the other, so both meet the same load on a shared machine.
CPU time (user + system) is what counts: wall time on a shared machine says
more about the neighbours than about the program.

    roster_speed.py BUILD_DIR [--rows 100000,1000000] [--runs 3]

BUILD_DIR is the optimised native build (build/bench); the rosters, made by
its make_roster, are kept in BUILD_DIR/rosters for the next run.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAMS = ("heftrak", "vorna")


def checked(command, code):
    # The roster programs end with 1 when some rows were refused, as the
    # generated rosters' odd rows are.
    if code not in (0, 1):
        sys.exit(f"roster_speed: {' '.join(command)} ended with {code}")


def timed(command):
    """Runs a command; returns its CPU seconds (user + system) and wall seconds."""
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    checked(command, os.waitstatus_to_exitcode(status))
    return usage.ru_utime + usage.ru_stime, wall


def peak(command):
    """Runs a command once more; returns its peak resident memory in MiB.
    GNU time, a small program, measures it: a child forked from this script
    starts as a copy of it, and the kernel's peak for the child keeps that
    copy's size across the exec, whatever the program itself takes."""
    with tempfile.TemporaryDirectory() as folder:
        figure = os.path.join(folder, "peak")
        # GNU time ends with the program's own exit status.
        checked(command, subprocess.run(["/usr/bin/time", "-o", figure, "-f", "%M"] + command,
                                        stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL).returncode)
        with open(figure) as made:
            return int(made.read().split()[-1]) / 1024


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--rows", default="100000,1000000")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    folder = os.path.join(args.build, "rosters")
    os.makedirs(folder, exist_ok=True)

    print(f"Roster programs end to end, file to file (native, optimised), against a Python")
    print(f"csv.reader -> csv.writer copy of the same file; CPU time (user + system),")
    print(f"median of {args.runs} paired runs; the target is a ratio of at most 0.50.")
    print(f"{'program':<16}{'rows':>10}{'CPU s':>9}{'rows/s':>12}{'wall s':>9}"
          f"{'peak MiB':>10}{'copy CPU s':>12}{'ratio':>8}")
    for rows in (int(r) for r in args.rows.split(",")):
        for program in PROGRAMS:
            roster = os.path.join(folder, f"{program}-{rows}.csv")
            if not os.path.exists(roster):
                subprocess.run([os.path.join(args.build, "bench", "make_roster"), program,
                                str(rows), roster + ".part"], check=True)
                os.replace(roster + ".part", roster)
            results = os.path.join(folder, f"{program}-{rows}-results.csv")
            copy = os.path.join(folder, f"{program}-{rows}-copy.csv")
            scorer = [os.path.join(args.build, program, f"{program}-roster"), roster, "-o", results]
            copier = [sys.executable, os.path.join(HERE, "python_copy.py"), roster, copy]
            ours, walls, theirs, ratios = [], [], [], []
            for run in range(args.runs):
                pair = [(scorer, True), (copier, False)]
                for command, scoring in pair if run % 2 == 0 else reversed(pair):
                    cpu, wall = timed(command)
                    (ours if scoring else theirs).append(cpu)
                    if scoring:
                        walls.append(wall)
                ratios.append(ours[-1] / theirs[-1])
            cpu = statistics.median(ours)
            print(f"{program + '-roster':<16}{rows:>10,}{cpu:>9.3f}{rows / cpu:>12,.0f}"
                  f"{statistics.median(walls):>9.3f}{peak(scorer):>10.1f}"
                  f"{statistics.median(theirs):>12.3f}"
                  f"{statistics.median(ratios):>8.2f}")
            for made in (results, copy):
                if os.path.exists(made):
                    os.remove(made)


if __name__ == "__main__":
    main()
