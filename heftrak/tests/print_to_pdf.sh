#!/usr/bin/env bash
# Runs the print test program under Wine with the CUPS printer "PDF" as the
# prefix's default printer, then reads back the four PDFs it printed: the
# same report twice, then with two long names. Its fifth print goes to a
# printer that refuses every job and must leave no PDF.
set -euo pipefail
test_exe=$1
here=$(dirname "$0")
# Others may print reports at the same time: this run's carry its own rank.
. "$here/../../shell/tests/ranked_reports.sh"
# A failed test still has its reports counted and removed.
status=0
PRINT_RANK=$rank REFUSING_PRINTER=$refusing wine "$test_exe" --gtest_brief=1 || status=$?

ranked_reports Weight_Control 4
if [ "${#found[@]}" -ne 4 ]; then
  echo "expected four PDFs in $pdfs, found ${#found[@]}"
  exit 1
fi

first=$(report_text "${found[0]}")
second=$(report_text "${found[1]}")

failed=$((status != 0))
missing_lines "$first" "the report" \
  "Body Fat Content Report" \
  "Name: Doe, John Q." \
  "Date: 07 Dec 2026" \
  "Rank: $rank" \
  "SSN: 123/45/6789" \
  "Age: 25" \
  "Sex: M" \
  "Height (in.): 72.00" \
  "Weight (lbs.): 210" \
  "Max Allowable Weight:  195" \
  "Soldier is not within weight limit." \
  "Abdomen:      40.00  40.25  00.00    40.25" \
  "Percent Body Fat:   26.22%" \
  "Max Allowable Percent Body Fat:   22.0%" \
  "Soldier is not in compliance with Army standards." || failed=1
if [ "$first" != "$second" ]; then
  echo "the two prints differ"
  failed=1
fi
[ "$failed" -eq 0 ] || printf 'The report read:\n%s\n' "$first"

# Every name whole, its first row left of the Date, every other line in the
# face of the first report's, on the page as printed.
names=("Name: Doe, John Q." "Name: Doe, John Q." "Name: Johnson, Michael A."
  "Name: Vandenberghe-Montgomery-Smith, Alexander-Maximilian-Fredrick JOHANNES-CHRISTOPH-BARTHOLOMY.")
for i in 0 1 2 3; do
  python3 "$here/print_to_pdf.py" "${found[$i]}" "${names[$i]}" "${found[0]}" || failed=1
done

[ "$failed" -eq 0 ] && echo "four reports printed to PDF, names whole; the refused one told"
exit "$failed"
