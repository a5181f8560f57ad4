#!/usr/bin/env bash
# Runs the print test program under Wine with the CUPS printer "PDF" as the
# prefix's default printer, then reads back the two PDFs it printed.
set -euo pipefail
test_exe=$1
# cups-pdf writes into the PDF folder of the job owner's home as the
# password file gives it, whatever HOME says.
pdfs="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$pdfs"
mark=$(mktemp)
trap 'rm -f "$mark"' EXIT

wine "$test_exe" --gtest_brief=1

# cups-pdf writes each job a moment after the program has handed it over.
found=()
for _ in $(seq 100); do
  mapfile -t found < <(find "$pdfs" -maxdepth 1 -name 'Weight_Control*.pdf' -newer "$mark" | sort)
  [ "${#found[@]}" -ge 2 ] && break
  sleep 0.3
done
if [ "${#found[@]}" -lt 2 ]; then
  echo "expected two PDFs in $pdfs, found ${#found[@]}"
  exit 1
fi
sleep 0.5
# pdftotext approximates the column spacing, so runs of blanks count as one.
first=$(pdftotext -layout "${found[0]}" - | tr -s ' ')
second=$(pdftotext -layout "${found[1]}" - | tr -s ' ')
rm -f "${found[@]}"

failed=0
expect() {
  if ! grep -qF -- "$(tr -s ' ' <<<"$1")" <<<"$first"; then
    echo "missing from the report: $1"
    failed=1
  fi
}
expect "Body Fat Content Report"
expect "Name: Doe, John Q."
expect "Date: 07 Dec 2026"
expect "Rank: SGT"
expect "SSN: 123/45/6789"
expect "Age: 25"
expect "Sex: M"
expect "Height (in.): 72.00"
expect "Weight (lbs.): 210"
expect "Max Allowable Weight:  195"
expect "Soldier is not within weight limit."
expect "Abdomen:      40.00  40.25  00.00    40.25"
expect "Percent Body Fat:   26.22%"
expect "Max Allowable Percent Body Fat:   22.0%"
expect "Soldier is not in compliance with Army standards."
if [ "$first" != "$second" ]; then
  echo "the two prints differ"
  failed=1
fi
[ "$failed" -eq 0 ] || printf 'The report read:\n%s\n' "$first"
[ "$failed" -eq 0 ] && echo "two identical reports printed to PDF"
exit "$failed"
