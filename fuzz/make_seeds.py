#!/usr/bin/env python3
"""Writes hand-made seed inputs for the evaluations' fuzz target: a flags byte,
then each field text as a length byte and its bytes (60 HEFTRAK fields, then the
6 VORNA fields), and the example rosters, which the target also reads whole
as roster files. The fuzzer grows the saved corpus from these."""
import sys
from pathlib import Path


def encode(flags, heftrak, vorna):
    out = bytearray([flags])
    for text in heftrak + vorna:
        data = text.encode("latin-1")
        out.append(len(data))
        out += data
    return bytes(out)


def heftrak_fields(age, sex, whole, hundredths, weight, male=(), female=()):
    fields = [""] * 60
    fields[0:5] = [age, sex, whole, hundredths, weight]
    for site, readings in enumerate(male):  # abdomen, neck
        for k, (w, h) in enumerate(readings):
            fields[5 + 6 * site + 2 * k : 7 + 6 * site + 2 * k] = [w, h]
    for site, readings in enumerate(female):  # hips, forearm, neck, wrist
        for k, (w, h) in enumerate(readings):
            fields[23 + 6 * site + 2 * k : 25 + 6 * site + 2 * k] = [w, h]
    return fields


SEEDS = {
    "male_taped": encode(0, heftrak_fields("25", "M", "72", "", "196",
                                           male=[[("36", "50"), ("36", "75")], [("15", "5")]]),
                         ["25", "M", "75", "80", "13", "00"]),
    "female_within": encode(0, heftrak_fields("30", "F", "64", "25", "150",
                                              female=[[("40", "00")], [("10", "00")],
                                                      [("13", "50")], [("6", "25")]]),
                            ["40", "F", "30", "50", "9", ""]),
    "disagree": encode(1, heftrak_fields("20", "m", "70", "5", "",
                                         male=[[("35", "25"), ("35", "75"), ("35", "")],
                                               [("15", "05")]]),
                       ["16", "X", "999", "999", "0", "75"]),
}

# Whole inputs read as roster files: the example rosters.
examples = Path(__file__).parent.parent / "examples"
for program in ("heftrak", "vorna"):
    SEEDS[f"roster_{program}"] = (examples / f"{program}-roster.csv").read_bytes()
# And the roster reader's edges: a byte-order mark, quoted line breaks and
# quotes, an unclosed quote, text after a closing quote, a ragged row.
SEEDS["roster_quoted"] = (b'\xef\xbb\xbfAGE, Sex ,run,pushups,situps,last\r\n'
                          b'25,m,"13:00",75,80,"Doe, ""J""\r\nJr."\r\n,,,,,\r\n')
SEEDS["roster_unclosed"] = b'age,sex,height,weight\n25,M,"72\n'
SEEDS["roster_after_quote"] = b'age,sex,height,weight\r"25"x,F,64,150\r'
SEEDS["roster_ragged"] = b'age,sex,height,weight,neck1,hips1\n30,F,64.25,150,13.5,40,extra\n,,\n'
# Excel's dialects, names that collide with the results, spellings, formulas,
# masked SSNs and a results file to score again.
SEEDS["roster_dialect"] = (b'sep=;\r\nAge;Sex;Push-ups;Sit_ups;Run;Message;Total;ssn\r\n'
                           b'25;M;75;80;0:13:00;=cmd|x;+1;XXX-XX-1234\r\n30;f;42;53;13:5;;;\r\n')
SEEDS["roster_tabs"] = (b'Age\tSex\tHeight\tWeight\tAbdomen\tNeck_1\tAbdomen 4\tUnit\n'
                        b'25\tM\t72\t210\t40\t15\t1\t@SUM(A1)\n')
SEEDS["roster_rescored"] = (b'age,sex,pushups,situps,run,pushup_points,situp_points,run_points,total,'
                            b'scaled,verdict,message\r\n25,M,75,80,13:00,100,100,100,300,300,maxed,x\r\n')

out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent / "corpus")
out.mkdir(parents=True, exist_ok=True)
for name, data in SEEDS.items():
    (out / f"seed_{name}").write_bytes(data)
