#!/usr/bin/env bash
# Scores an example roster with a roster program (natively, or under Wine
# when a runner is given) and compares the results file with the expected
# one; checks that the roster is left as it was and that a second run
# replaces the results file it wrote before.
#   score_example.sh PROGRAM ROSTER EXPECTED [RUNNER]
set -euo pipefail
program=$1 roster=$2 expected=$3 runner=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$roster" "$work/roster.csv"
# A stale results file from an earlier run, to be replaced.
echo "stale" >"$work/roster-results.csv"

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
leftovers=$(find "$work" -type f ! -name roster.csv ! -name roster-results.csv)
if [ -n "$leftovers" ]; then
  echo "files left behind: $leftovers"
  failed=1
fi
echo "$out" | tr -d '\r'
[ "$failed" -eq 0 ] && echo "the example roster scored as expected"
exit "$failed"
