#!/usr/bin/env bash
# Scores an example roster with a roster program (natively, or under Wine
# when a runner is given) and compares the results file with the expected
# one; checks that the roster is left as it was, that a run replaces the
# results file of an earlier one and removes the temporary file a killed run
# left, that a results file made read-only is refused, and that --summary
# writes the summary page the example's -summary.txt holds.
#   score_example.sh PROGRAM ROSTER EXPECTED [RUNNER]
set -euo pipefail
program=$1 roster=$2 expected=$3 runner=${4:-}
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cp "$roster" "$work/roster.csv"
# A stale results file from an earlier run, to be replaced, and the
# temporary file of a run that was killed.
echo "stale" >"$work/roster-results.csv"
echo "half" >"$work/roster-results.csv.tmp-AbC123"

failed=0
status=0
out=$(cd "$work" && $runner "$program" roster.csv </dev/null) || status=$?
if [ "$status" -ne 1 ]; then
  echo "exit status $status, expected 1 (the example has refused rows)"
  failed=1
fi
if ! cmp -s "$work/roster-results.csv" "$expected"; then
  echo "the results differ from $expected:"
  diff "$expected" "$work/roster-results.csv" || true
  failed=1
fi
if ! cmp -s "$work/roster.csv" "$roster"; then
  echo "the roster was changed"
  failed=1
fi
if ! grep -q "removed roster-results.csv.tmp-AbC123, left behind" <<<"$out"; then
  echo "the killed run's temporary file was not reported removed"
  failed=1
fi
leftovers=$(find "$work" -type f ! -name roster.csv ! -name roster-results.csv)
if [ -n "$leftovers" ]; then
  echo "files left behind: $leftovers"
  failed=1
fi

chmod a-w "$work/roster-results.csv"
status=0
err=$(cd "$work" && $runner "$program" roster.csv 2>&1 >/dev/null </dev/null) || status=$?
if [ "$status" -ne 2 ] || ! grep -q "roster-results.csv is read-only" <<<"$err"; then
  echo "a read-only results file: exit status $status, expected 2 and a message, got: $err"
  failed=1
fi
if ! cmp -s "$work/roster-results.csv" "$expected"; then
  echo "the read-only results file was changed"
  failed=1
fi

# The summary page, of the roster under its own name, dated as the example.
name=$(basename "$roster")
mkdir "$work/summary"
cp "$roster" "$work/summary/$name"
summary="${expected%-results.csv}-summary.txt"
status=0
(cd "$work/summary" && $runner "$program" "$name" --summary "${name%.csv}-summary.txt" \
  --date "07 Dec 2026" </dev/null >/dev/null) || status=$?
if [ "$status" -ne 1 ] || ! cmp -s "$work/summary/${name%.csv}-summary.txt" "$summary"; then
  echo "the summary page (exit status $status) differs from $summary:"
  diff "$summary" "$work/summary/${name%.csv}-summary.txt" || true
  failed=1
fi

echo "$out" | tr -d '\r'
[ "$failed" -eq 0 ] && echo "the example roster scored as expected"
exit "$failed"
