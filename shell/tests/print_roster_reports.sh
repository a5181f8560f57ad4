#!/usr/bin/env bash
# Runs a program's Score a Roster window test under Wine, with the CUPS
# printer "PDF" as the prefix's default printer and "PDF-refusing" for the
# run that must fail, then counts and reads back the reports it printed.
#   print_roster_reports.sh TEST PDF-PREFIX COUNT LINE...
# Others may print at the same time: this run's reports carry a rank of
# their own, and only those count and are removed. Every LINE must stand in
# the first report, with today's date.
set -euo pipefail
test_exe=$1 prefix=$2 count=$3
shift 3
# cups-pdf writes into the PDF folder of the job owner's home as the
# password file gives it, whatever HOME says.
pdfs="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$pdfs"
mark=$(mktemp)
trap 'rm -f "$mark"' EXIT
sleep 1 # the mark must be older than the first PDF, to the second

refusing=PDF-refusing
if ! lpstat -a "$refusing" 2>/dev/null | grep -q 'not accepting'; then
  echo "the printer $refusing is missing or takes jobs: run scripts/pdf-printer.sh"
  exit 1
fi

rank="SGT-$$-$RANDOM"
today=$(LC_ALL=C date '+%d %b %Y')
PRINT_RANK=$rank REFUSING_PRINTER=$refusing wine "$test_exe" --gtest_brief=1

ours() { # this run's PDFs, in the order they were printed
  find "$pdfs" -maxdepth 1 -name "$prefix*.pdf" -newer "$mark" -printf '%T@ %p\n' |
    sort -n | cut -d' ' -f2- | while read -r pdf; do
    if pdftotext "$pdf" - 2>/dev/null | grep -qF "Rank: $rank"; then
      echo "$pdf"
    fi
  done
}

# cups-pdf writes each job a moment after the program has handed it over.
found=()
for _ in $(seq 100); do
  mapfile -t found < <(ours)
  [ "${#found[@]}" -ge "$count" ] && break
  sleep 0.3
done
sleep 1 # time for one too many, which must not come
mapfile -t found < <(ours)
trap 'rm -f "$mark" "${found[@]}"' EXIT

failed=0
if [ "${#found[@]}" -ne "$count" ]; then
  echo "expected $count reports in $pdfs, found ${#found[@]}"
  failed=1
fi
first=""
[ "${#found[@]}" -gt 0 ] && first=$(pdftotext -layout "${found[0]}" - | tr -s ' ')
for line in "Date: $today" "Rank: $rank" "$@"; do
  if ! grep -qF -- "$(tr -s ' ' <<<"$line")" <<<"$first"; then
    echo "missing from the first report: $line"
    failed=1
  fi
done
[ "$failed" -eq 0 ] || printf 'The first report read:\n%s\n' "$first"
[ "$failed" -eq 0 ] && echo "$count reports printed to PDF from the window"
exit "$failed"
