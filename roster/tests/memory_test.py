#!/usr/bin/env python3
"""The roster programs' memory does not grow with the roster: each is run on
rosters made to take memory (64 MiB of blank lines around one soldier, a
10 MB line of commas, a 50 MB roster, 100,000 soldiers, and a summary page of
1,000,000 soldiers who all belong on its list, in the order that makes each
one take a place in it) and its peak resident memory, as the kernel counts it
for the finished process, must stay under 32 MB; the 32-bit Windows programs,
under Wine, must answer each roster as the native ones do, never abort.

    memory_test.py NATIVE_BUILD [WINDOWS_BUILD]

NATIVE_BUILD is an optimised native build folder (./run memory uses the
bench preset's), WINDOWS_BUILD a Windows one; Wine must be set up for it.
"""
import subprocess
import sys
import tempfile
from pathlib import Path

LIMIT_MIB = 32

VORNA_HEADER = b"last,first,mi,rank,ssn,age,sex,pushups,situps,run\r\n"
VORNA_ROW = b"Hale,Jordan,Q,SGT,123-45-6789,25,M,75,80,13:00\r\n"
HEFTRAK_HEADER = (b"last,first,mi,rank,ssn,age,sex,height,weight,abdomen1,abdomen2,"
                  b"abdomen3,neck1,neck2,neck3,hips1,hips2,hips3,forearm1,forearm2,forearm3,"
                  b"wrist1,wrist2,wrist3\r\n")
HEFTRAK_ROWS = [
    b"Hale,Jordan,Q,SGT,123-45-6789,25,M,72,210,40,40.25,,15,15.25,,,,,,,,,,\r\n",
    b"Ibarra,Marisol,T,SPC,234567890,30,F,64,150,,,,13.5,,,40,,,10,,,6.25,,\r\n",
    b"Kowalski,Ben,,PFC,,21,M,69.5,170,,,,,,,,,,,,,,,\r\n",
    b"Okafor,Chidi,A,SSG,456-78-9012,20,M,70,200,36,36.75,,15,,,,,,,,,,\r\n",
]


def reversed_names(row, count):
    """COUNT copies of ROW (which starts with a comma: no last name), each
    named to sort before the one above it."""
    return b"".join(b"N%07d" % (count - i) + row for i in range(count))


FAILED_ROW = b",Jordan,Q,SGT,123-45-6789,44,M,30,40,19:30\r\n"
OVER_ROW = b",Jordan,Q,SGT,123-45-6789,25,M,72,210,40,40.25,,15,15.25,,,,,,,,,,\r\n"
SUMMARY = ["--summary", "summary.txt"]

# (name, program, the roster's bytes, expected exit status, text the output
# holds, and the options beyond the roster); each roster is made when its
# case runs.
CASES = [
    ("64 MiB of blank lines around one soldier", "vorna",
     lambda: VORNA_HEADER + b"\r\n" * (32 << 20) + VORNA_ROW, 0, "1 row read: 1 scored"),
    ("64 MiB of blank rows of commas around one soldier", "vorna",
     lambda: VORNA_HEADER + b",,,,,,,,,\n" * (6 << 20) + VORNA_ROW, 0, "1 row read: 1 scored"),
    ("a 10 MB line of commas", "vorna",
     lambda: VORNA_HEADER + VORNA_ROW + b"," * (10 << 20) + b"\r\n", 2,
     "line 3: the row is longer than 64 KiB"),
    ("a quoted field never closed", "heftrak",
     lambda: HEFTRAK_HEADER + b'"' + HEFTRAK_ROWS[0] * 200000, 2,
     "line 2: a quoted field is not closed within 64 KiB"),
    ("a 50 MB roster", "vorna",
     lambda: VORNA_HEADER + VORNA_ROW * (50_000_000 // len(VORNA_ROW)), 0,
     f"{50_000_000 // len(VORNA_ROW)} rows read"),
    ("100,000 soldiers", "heftrak",
     lambda: HEFTRAK_HEADER + b"".join(HEFTRAK_ROWS) * 25000, 1, "100000 rows read"),
    ("1,000,000 soldiers failed, with their summary page", "vorna",
     lambda: VORNA_HEADER + reversed_names(FAILED_ROW, 1_000_000), 0, "Summary: summary.txt",
     SUMMARY),
    ("1,000,000 soldiers over the body fat limit, with their summary page", "heftrak",
     lambda: HEFTRAK_HEADER + reversed_names(OVER_ROW, 1_000_000), 0, "Summary: summary.txt",
     SUMMARY),
]


def run(command, folder):
    """Runs a program to its end; its exit status, output and peak memory in MiB.
    GNU time measures it: a process forked from this one would count this
    one's memory, roster and all, as its own."""
    peak = Path(folder) / "peak.txt"
    result = subprocess.run(["/usr/bin/time", "-o", str(peak), "-f", "%M"] + command,
                            cwd=folder, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, check=False)
    kib = peak.read_text().split()[-1]
    return result.returncode, result.stdout.decode(errors="replace"), int(kib) / 1024


def main():
    native = Path(sys.argv[1]).resolve()
    windows = Path(sys.argv[2]).resolve() if len(sys.argv) > 2 else None
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        for name, program, make, status, text, *options in CASES:
            options = options[0] if options else []
            roster = make()
            (Path(folder) / "roster.csv").write_bytes(roster)
            builds = [("native", [str(native / program / f"{program}-roster"), "roster.csv"])]
            if windows is not None:
                builds.append(("Wine", ["wine", str(windows / program / f"{program}-roster.exe"),
                                        "roster.csv"]))
            for build, command in builds:
                got, output, peak = run(command + options, folder)
                ok = got == status and text in output
                if options == SUMMARY:
                    page = (Path(folder) / "summary.txt").read_text(encoding="utf-8")
                    ok = ok and "and 999,800 more: see the results file" in page
                    ok = ok and "N0000001" in page and "N0000201" not in page
                if build == "native":
                    ok = ok and peak < LIMIT_MIB
                    print(f"{name} ({len(roster) / (1 << 20):.1f} MiB), {program}-roster: "
                          f"peak {peak:.1f} MiB, exit {got}")
                else:
                    print(f"{name}, {program}-roster.exe under Wine: exit {got}")
                if not ok:
                    print(f"  expected exit {status}, '{text}', under {LIMIT_MIB} MiB; "
                          f"the output:\n{output}")
                    failed = 1
            del roster
            for leftover in [*Path(folder).glob("roster-results.csv*"),
                             *Path(folder).glob("summary.txt*")]:
                leftover.unlink()
    print("memory bounded in every case" if failed == 0 else "FAILED")
    return failed


if __name__ == "__main__":
    sys.exit(main())
