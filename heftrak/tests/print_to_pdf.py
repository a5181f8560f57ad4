#!/usr/bin/env python3
"""Checks the page of a printed report as a reader sees it.

    print_to_pdf.py REPORT.pdf "Name: Doe, John Q." REFERENCE.pdf

From the words' boxes (pdftotext -bbox): the name reads exactly the given
text, its first row left of the Date with at least one blank between, any
further rows below it and above the Rank; the name is no smaller than the
floor (60 % of the page's face); every other word is in the face of the
REFERENCE report's Rank line (a long name shrinks nothing else); and no two
words of the page overlap. From the page rendered at 300 dpi (pdftoppm): the
name's ink reaches its last glyph and stops a clear gap before the Date's
ink, so nothing is drawn over anything else. Exits 1 with the reasons
otherwise.
"""

import html
import re
import subprocess
import sys
import tempfile
from pathlib import Path

DPI = 300
FLOOR = 0.6  # the smallest face a name is printed in, against the page's
WORD = re.compile(
    r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>')


def words_of(pdf):
    out = subprocess.run(["pdftotext", "-f", "1", "-l", "1", "-bbox", pdf, "-"],
                         check=True, capture_output=True, text=True).stdout
    return [(float(a), float(b), float(c), float(d), html.unescape(t))
            for a, b, c, d, t in WORD.findall(out)]


def rendered(pdf):
    """The first page as rows of grey levels at DPI."""
    with tempfile.TemporaryDirectory() as folder:
        base = Path(folder) / "page"
        subprocess.run(["pdftoppm", "-f", "1", "-l", "1", "-r", str(DPI), "-gray",
                        "-singlefile", pdf, str(base)], check=True)
        data = (base.with_suffix(".pgm")).read_bytes()
    # Binary PGM: "P5", width, height, maximum, one whitespace, then the pixels.
    fields = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    width, height = int(fields[1]), int(fields[2])
    pixels = data[fields.end():]
    return [pixels[row * width:(row + 1) * width] for row in range(height)]


def height(word):
    return word[3] - word[1]


def the(words, text):
    found = [w for w in words if w[4] == text]
    return found[0] if len(found) == 1 else None


def check(pdf, name_line, reference):
    faults = []
    words = words_of(pdf)
    date, rank = the(words, "Date:"), the(words, "Rank:")
    ref_rank = the(words_of(reference), "Rank:")
    if not date or not rank or not ref_rank:
        return ["expected one 'Date:' and one 'Rank:' word on each page"]

    # The name: left of the Date on its line (the name may be in a smaller
    # face on the same baseline), then whole rows down to the Rank.
    def on_date_line(w):
        return date[1] <= (w[1] + w[3]) / 2 <= date[3] and w[0] < date[0]
    first = sorted((w for w in words if on_date_line(w)), key=lambda w: w[0])
    below = sorted((w for w in words if w[1] >= date[3] - 0.5 and w[3] <= rank[1] + 0.5),
                   key=lambda w: (round(w[1], 1), w[0]))
    name = first + below
    printed = " ".join(w[4] for w in name)
    if printed.replace(" ", "") != name_line.replace(" ", "") or \
            not name_line.startswith(" ".join(w[4] for w in first)):
        faults.append(f"the name reads {printed!r}, expected {name_line!r}")
    if not first:
        return faults

    # One face for everything else, the reference page's; the name no
    # smaller than the floor of it.
    page_face = height(ref_rank)
    for w in words:
        if w in name:
            if height(w) < FLOOR * page_face - 0.05 or height(w) > page_face + 0.05:
                faults.append(f"the name's {w[4]!r} is {height(w):.2f} pt high, the page "
                              f"{page_face:.2f} pt")
        elif abs(height(w) - page_face) > 0.05:
            faults.append(f"{w[4]!r} is {height(w):.2f} pt high, not the page's "
                          f"{page_face:.2f} pt")

    advance = (first[0][2] - first[0][0]) / len(first[0][4])  # a fixed-pitch face
    gap = date[0] - max(w[2] for w in first)
    if gap < 0.95 * advance:
        faults.append(f"the name ends {gap:.2f} pt before the Date, less than a blank "
                      f"({advance:.2f} pt)")

    # No two words that share any height may share any width.
    for i, a in enumerate(words):
        for b in words[i + 1:]:
            if a[1] < b[3] and b[1] < a[3] and a[0] < b[2] - 0.01 and b[0] < a[2] - 0.01:
                faults.append(f"{a[4]!r} overlaps {b[4]!r}")

    # The ink of the name's first row, column by column.
    scale = DPI / 72
    top = min(date[1], min(w[1] for w in first))
    bottom = max(date[3], max(w[3] for w in first))
    band = rendered(pdf)[int(top * scale):int(bottom * scale) + 1]
    columns = [any(row[x] < 128 for row in band) for x in range(len(band[0]))]
    date_left = int(date[0] * scale)
    name_ink = [x for x in range(date_left) if columns[x]]
    date_ink = [x for x in range(date_left, len(columns)) if columns[x]]
    if not name_ink or not date_ink:
        return faults + ["no ink on the name line"]
    last_glyph = (first[-1][2] - advance) * scale
    if name_ink[-1] < last_glyph:
        faults.append("the name's last glyph does not show left of the Date")
    clear = date_ink[0] - name_ink[-1] - 1
    if clear < 0.5 * advance * scale:
        faults.append(f"only {clear} blank pixel columns between the name and the Date")
    return faults


def main():
    pdf, name_line, reference = sys.argv[1], sys.argv[2], sys.argv[3]
    faults = check(pdf, name_line, reference)
    for fault in faults:
        print(f"{pdf}: {fault}")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
