#!/usr/bin/env bash
# Prints an example roster's reports and its summary page under Wine to the
# CUPS printer "PDF", then reads the PDFs back: one per scored soldier, each
# with its lines, and the summary with the roster's name and the date.
#   print_example.sh PROGRAM ROSTER PDF-PREFIX COUNT LINE...
# Every LINE must stand in one of the reports. Other programs may print to
# the same printer meanwhile: only the new PDFs that name this roster's
# soldiers count, and only those are removed.
set -euo pipefail
program=$1 roster=$2 prefix=$3 count=$4
shift 4
. "$(dirname "$0")/../../shell/tests/pdf_reports.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$roster" "$work/roster.csv"
touch "$work/.mark"
sleep 1 # the mark must be older than the first PDF, to the second

status=0
(cd "$work" && wine "$program" roster.csv --print --print-summary --date "07 Dec 2026" \
  </dev/null) || status=$?
if [ "$status" -ne 1 ]; then
  echo "exit status $status, expected 1 (the example has refused rows)"
  exit 1
fi

names=$(tail -n +2 "$roster" | cut -d, -f1 | tr -d '"\r' | paste -sd'|')
found=()
for _ in $(seq 100); do
  found=()
  while IFS= read -r pdf; do
    if pdftotext -layout "$pdf" - 2>/dev/null | grep -qE "Name: ($names)"; then
      found+=("$pdf")
    fi
  done < <(find "$pdfs" -maxdepth 1 -name "$prefix*.pdf" -newer "$work/.mark" | sort)
  [ "${#found[@]}" -ge "$count" ] && break
  sleep 0.3
done
summaries=()
for _ in $(seq 30); do
  mapfile -t summaries < <(find "$pdfs" -maxdepth 1 -name "Roster_Summary*.pdf" -newer "$work/.mark" |
    while read -r pdf; do
      report_text "$pdf" 2>/dev/null | grep -qF "Results: roster-results.csv" && echo "$pdf"
    done)
  [ "${#summaries[@]}" -ge 1 ] && break
  sleep 0.3
done
sleep 0.5 # let cups-pdf finish the last one
summary=""
[ "${#summaries[@]}" -gt 0 ] && summary=$(report_text "${summaries[0]}")
rm -f "${summaries[@]}"
text=""
for pdf in "${found[@]}"; do
  text+=$(report_text "$pdf")$'\n'
done
rm -f "${found[@]}"

failed=0
if [ "${#found[@]}" -ne "$count" ]; then
  echo "expected $count reports in $pdfs, found ${#found[@]}"
  failed=1
fi
missing_lines "$text" "the reports" "Date: 07 Dec 2026" "$@" || failed=1
if [ "${#summaries[@]}" -ne 1 ]; then
  echo "expected 1 summary page, found ${#summaries[@]}"
  failed=1
fi
missing_lines "$summary" "the summary page" "Roster Summary" "Roster: roster.csv" \
  "Date: 07 Dec 2026" || failed=1
[ "$failed" -eq 0 ] || printf 'The reports read:\n%s\n' "$text"
[ "$failed" -eq 0 ] && echo "$count reports printed to PDF as expected"
exit "$failed"
