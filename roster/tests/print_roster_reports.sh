#!/usr/bin/env bash
# Runs a program's Score a Roster window test under Wine, with the CUPS
# printer "PDF" as the prefix's default printer and "PDF-refusing" for the
# run that must fail, then counts and reads back the reports it printed.
#   print_roster_reports.sh TEST PDF-PREFIX COUNT LINE...
# Others may print at the same time: this run's reports carry a rank of
# their own (ranked_reports.sh). Every LINE must stand in the first report,
# with the date the test sets in the summary; no report has a row of
# punctuation alone, and the roster's soldier with an SSN too long for the
# boxes has what fits of it. The summary page printed from the window is one
# document of two pages, numbered, with the roster's name and the date.
set -euo pipefail
test_exe=$1 prefix=$2 count=$3
shift 3
. "$(dirname "$0")/../../shell/tests/ranked_reports.sh"
date="04 Jul 2027"
# A failed test still has its reports counted and removed.
failed=0
PRINT_RANK=$rank REFUSING_PRINTER=$refusing REPORTS_DATE=$date wine "$test_exe" --gtest_brief=1 ||
  failed=1

ranked_reports "$prefix" "$count"
if [ "${#found[@]}" -ne "$count" ]; then
  echo "expected $count reports in $pdfs, found ${#found[@]}"
  failed=1
fi
first=""
[ "${#found[@]}" -gt 0 ] && first=$(report_text "${found[0]}")
missing_lines "$first" "the first report" "Date: $date" "Rank: $rank" "$@" || failed=1
all=""
for pdf in "${found[@]}"; do
  all+="$(report_text "$pdf")"$'\n'
done
if grep -xE ' *[[:punct:]]+ *' <<<"$all"; then
  echo "a report has a row of punctuation alone (above)"
  failed=1
fi
missing_lines "$all" "the reports" "SSN: 123/45/6789" "Abcdefghijklmnopqrstuvwxyzabc, ." || failed=1
# This run's summary pages: its soldiers' rank stands in their lists. The
# page is printed after the reports, and cups-pdf may still be writing those
# of other tests: wait as long as for the reports.
summaries=()
for _ in $(seq 100); do
  mapfile -t summaries < <(find "$pdfs" -maxdepth 1 -name "Roster_Summary*.pdf" -newer "$mark" |
    while read -r pdf; do pdftotext "$pdf" - 2>/dev/null | grep -qF "$rank" && echo "$pdf"; done)
  [ "${#summaries[@]}" -ge 1 ] && break
  sleep 0.3
done
trap 'rm -f "$mark" "${found[@]}" "${summaries[@]}"' EXIT
if [ "${#summaries[@]}" -ne 1 ]; then
  echo "expected 1 summary page printed, found ${#summaries[@]}"
  failed=1
else
  summary=$(report_text "${summaries[0]}")
  pages=$(pdfinfo "${summaries[0]}" | sed -n 's/^Pages: *//p')
  if [ "$pages" != 2 ]; then
    echo "the summary took $pages pages, expected 2"
    failed=1
  fi
  missing_lines "$summary" "the summary" "Roster Summary" "Roster: summary.csv" \
    "Date: $date" "Page 1 of 2" "Page 2 of 2" || {
    printf 'The summary read:\n%s\n' "$summary"
    failed=1
  }
fi
[ "$failed" -eq 0 ] || printf 'The first report read:\n%s\n' "$first"
[ "$failed" -eq 0 ] && echo "$count reports printed to PDF from the window"
exit "$failed"
