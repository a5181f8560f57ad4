#!/usr/bin/env bash
# The Windows programs under Wine (./run bench brings up the prefix): the
# windows' start-up paired against a bare Win32 window, and Score a Roster
# of 100,000 generated rows in each window, from the choice to the summary.
#   bench/windows.sh BUILD_DIR (the windows build)
set -euo pipefail
build=$1
timings="$build/bench/windows"

echo "Start-up under Wine, median of 21 rounds, each starting every program in turn:"
echo "to the main window visible, and to it waiting for input (painted); bare_controls is"
echo "the bare window given HEFTRAK's 67 child windows (60 edit controls, 7 buttons)."
wine "$timings/start_timing.exe" 21 "$timings/bare_window.exe" "$build/heftrak/heftrak.exe" \
  "$build/vorna/vorna.exe" "$timings/bare_controls.exe" </dev/null

echo
echo "Score a Roster in the window under Wine, 100,000 generated rows, from pressing Open"
echo "to the summary (median of 3):"
for program in heftrak vorna; do
  times=()
  for _ in 1 2 3; do
    line=$(wine "$timings/${program}_roster_timing.exe" 100000 </dev/null 2>/dev/null |
      grep "from the choice")
    times+=("${line%% s *}")
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p)
  printf '%-8s %s s  (runs: %s)\n' "$program" "$median" "${times[*]}"
done
