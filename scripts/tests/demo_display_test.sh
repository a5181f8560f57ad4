#!/usr/bin/env bash
# ./run demo given a display runs on a display of its own and never connects
# to the one it was given: here a virtual display standing in for the user's
# desktop, which logs every client that connects to it. Runs the whole demo
# (a few minutes), so ./run test leaves it out: ctest --preset native -L demo
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
number=$(mktemp)
audit=$(mktemp)
Xvfb -displayfd 3 -audit 1 -nolisten tcp -screen 0 640x480x24 </dev/null 3>"$number" 2>"$audit" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$number" "$audit"' EXIT
for _ in $(seq 100); do
  [ -s "$number" ] && break
  sleep 0.1
done
[ -s "$number" ] || { echo "the stand-in display did not start"; cat "$audit"; exit 1; }
given=":$(head -n1 "$number")"

status=0
DISPLAY=$given "$root/run" demo || status=$?
if [ "$status" -ne 0 ]; then
  echo "./run demo ended with status $status"
  exit 1
fi
if grep -q 'connected' "$audit"; then
  echo "./run demo connected to the display it was given ($given):"
  grep 'connected' "$audit"
  exit 1
fi
echo "./run demo ran on a display of its own; nothing connected to $given"
