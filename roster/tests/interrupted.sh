#!/usr/bin/env bash
# A roster program killed while it writes its results leaves nothing behind:
# on SIGTERM, SIGHUP and SIGINT (Ctrl+C) it removes its temporary file; after
# SIGKILL, which no program can answer, the next run removes the file and
# says so. Under Wine (a runner given) only SIGINT reaches the program, as
# the Ctrl+C of its console; the Windows program's handler answers it.
#   interrupted.sh PROGRAM EXAMPLE-ROSTER [RUNNER]
set -euo pipefail
program=$1 example=$2 runner=${3:-}
signals="TERM HUP INT"
[ -n "$runner" ] && signals=INT
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The example's rows over and over: long enough to be killed while it scores.
awk 'NR == 1 { print; next } { rows[n++] = $0 }
     END { for (i = 0; i < 20000; i++) for (j = 0; j < n; j++) print rows[j] }' \
  "$example" >"$work/roster.csv"

# Starts the program, waits for its temporary file, sends the signal and
# waits for the program to end.
kill_while_writing() { # kill_while_writing SIGNAL
  (
    # A background job starts with SIGINT ignored; this one may take it.
    trap - INT
    cd "$work"
    exec $runner "$program" roster.csv >out.txt 2>&1
  ) &
  local pid=$!
  for _ in $(seq 200); do
    compgen -G "$work/roster-results.csv.tmp-*" >/dev/null && break
    sleep 0.01
  done
  kill -s "$1" "$pid"
  { wait "$pid"; } 2>/dev/null || true
}

failed=0
for signal in $signals; do
  kill_while_writing "$signal"
  if compgen -G "$work/roster-results.csv*" >/dev/null; then
    echo "after SIG$signal: $(ls "$work")"
    failed=1
  fi
done

kill_while_writing KILL
left=$(compgen -G "$work/roster-results.csv.tmp-*" || true)
if [ -z "$left" ]; then
  echo "SIGKILL came too late to leave a temporary file"
  failed=1
fi
out=$(cd "$work" && $runner "$program" roster.csv </dev/null) || true
if ! grep -qF "removed ${left##*/}, left behind by a run that was cut short." <<<"$out"; then
  echo "the next run did not remove $left: $out"
  failed=1
fi
if compgen -G "$work/roster-results.csv.tmp-*" >/dev/null; then
  echo "left behind: $(ls "$work")"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "no temporary file outlived a killed run"
exit "$failed"
