#!/usr/bin/env python3
"""Checks the page of a printed report as a reader sees it.

    print_to_pdf.py REPORT.pdf "Name: Doe, John Q."

From the words' boxes (pdftotext -bbox): the name line holds exactly the given
text, all of it left of the Date with at least one blank between, and no two
words of the page overlap. From the page rendered at 300 dpi (pdftoppm): the
name's ink reaches its last glyph and stops a clear gap before the Date's ink,
so nothing is drawn over anything else. Exits 1 with the reasons otherwise.
"""

import html
import re
import subprocess
import sys
import tempfile
from pathlib import Path

DPI = 300
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


def check(pdf, name_line):
    faults = []
    words = words_of(pdf)
    dates = [w for w in words if w[4] == "Date:"]
    if len(dates) != 1:
        return [f"expected one 'Date:' word, found {len(dates)}"]
    date = dates[0]
    top, bottom = date[1], date[3]
    line = sorted((w for w in words if abs(w[1] - top) < 0.5), key=lambda w: w[0])
    name = [w for w in line if w[0] < date[0]]
    printed = " ".join(w[4] for w in name)
    if printed != name_line:
        faults.append(f"left of the Date reads {printed!r}, expected {name_line!r}")
    if not name:
        return faults
    advance = (name[0][2] - name[0][0]) / len(name[0][4])  # a fixed-pitch face
    gap = date[0] - max(w[2] for w in name)
    if gap < 0.95 * advance:
        faults.append(f"the name ends {gap:.2f} pt before the Date, less than a blank "
                      f"({advance:.2f} pt)")

    # Words of one text line must not run into each other.
    rows = {}
    for w in words:
        rows.setdefault(round(w[1], 1), []).append(w)
    for row in rows.values():
        row.sort(key=lambda w: w[0])
        for left, right in zip(row, row[1:]):
            if left[2] > right[0] + 0.01:
                faults.append(f"{left[4]!r} overlaps {right[4]!r}")

    # The ink of the name line's band, column by column.
    scale = DPI / 72
    band = rendered(pdf)[int(top * scale):int(bottom * scale) + 1]
    columns = [any(row[x] < 128 for row in band) for x in range(len(band[0]))]
    date_left = int(date[0] * scale)
    name_ink = [x for x in range(date_left) if columns[x]]
    date_ink = [x for x in range(date_left, len(columns)) if columns[x]]
    if not name_ink or not date_ink:
        return faults + ["no ink on the name line"]
    last_glyph = (name[-1][2] - advance) * scale
    if name_ink[-1] < last_glyph:
        faults.append("the name's last glyph does not show left of the Date")
    clear = date_ink[0] - name_ink[-1] - 1
    if clear < 0.5 * advance * scale:
        faults.append(f"only {clear} blank pixel columns between the name and the Date")
    return faults


def main():
    pdf, name_line = sys.argv[1], sys.argv[2]
    faults = check(pdf, name_line)
    for fault in faults:
        print(f"{pdf}: {fault}")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
