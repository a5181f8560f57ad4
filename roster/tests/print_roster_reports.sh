#!/usr/bin/env bash
# Runs a program's Score a Roster window test under Wine, with the CUPS
# printer "PDF" as the prefix's default printer and "PDF-refusing" for the
# run that must fail, then counts and reads back the reports it printed.
#   print_roster_reports.sh TEST PDF-PREFIX COUNT LINE...
# Others may print at the same time: this run's reports carry a rank of
# their own (ranked_reports.sh). Every LINE must stand in the first report,
# with today's date.
set -euo pipefail
test_exe=$1 prefix=$2 count=$3
shift 3
. "$(dirname "$0")/../../shell/tests/ranked_reports.sh"
today=$(LC_ALL=C date '+%d %b %Y')
# A failed test still has its reports counted and removed.
failed=0
PRINT_RANK=$rank REFUSING_PRINTER=$refusing wine "$test_exe" --gtest_brief=1 || failed=1

ranked_reports "$prefix" "$count"
if [ "${#found[@]}" -ne "$count" ]; then
  echo "expected $count reports in $pdfs, found ${#found[@]}"
  failed=1
fi
first=""
[ "${#found[@]}" -gt 0 ] && first=$(report_text "${found[0]}")
missing_lines "$first" "the first report" "Date: $today" "Rank: $rank" "$@" || failed=1
[ "$failed" -eq 0 ] || printf 'The first report read:\n%s\n' "$first"
[ "$failed" -eq 0 ] && echo "$count reports printed to PDF from the window"
exit "$failed"
