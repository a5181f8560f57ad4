# The yardstick the roster programs are timed against: a plain copy of a
# CSV file through Python's csv module, a row at a time, scoring nothing.
#   python3 python_copy.py ROSTER COPY
import csv
import sys

with open(sys.argv[1], newline="", encoding="utf-8") as roster, open(
    sys.argv[2], "w", newline="", encoding="utf-8"
) as copy:
    writer = csv.writer(copy)
    for row in csv.reader(roster):
        writer.writerow(row)
