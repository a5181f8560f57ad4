#!/usr/bin/env bash
# ./run without a command lists every command it takes; ./run heftrak and
# ./run vorna without a display say what works, before they install or build
# anything.
set -euo pipefail
run="$(cd "$(dirname "$0")/../.." && pwd)/run"
failed=0
fail() { echo "$*"; failed=1; }

# The commands the script dispatches on, read from its case statement.
commands=$(sed -n '/^case "\${1:-}" in/,/^esac/s/^  \([a-z |]*\)) .*/\1/p' "$run" | tr '|' ' ')
[ "$(wc -w <<<"$commands")" -ge 5 ] || fail "found only these commands in ./run: $commands"
status=0
usage=$("$run" 2>&1) || status=$?
[ "$status" -eq 2 ] || fail "./run without a command ended with status $status, not 2"
for command in $commands; do
  grep -q "^ *\./run $command\b" <<<"$usage" || fail "./run without a command does not list ./run $command"
done

# Any of these called means the command went on to install or build.
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
for tool in cmake dpkg-query apt-get sudo wine wineserver; do
  printf '#!/bin/sh\necho %s >>"%s/called"\nexit 1\n' "$tool" "$stubs" >"$stubs/$tool"
  chmod +x "$stubs/$tool"
done
for program in heftrak vorna; do
  status=0
  said=$(env -u DISPLAY PATH="$stubs:$PATH" "$run" "$program" 2>&1) || status=$?
  [ "$status" -eq 1 ] || fail "./run $program without a display ended with status $status, not 1"
  [ ! -e "$stubs/called" ] || fail "./run $program without a display called $(sort -u "$stubs/called" | xargs)"
  if ! grep -q "xvfb-run -a ./run $program" <<<"$said" || ! grep -q "invisible display" <<<"$said"; then
    fail "./run $program without a display said: $said"
  fi
  rm -f "$stubs/called"
done
[ "$failed" -eq 0 ] && echo "./run lists its $(wc -w <<<"$commands") commands; without a display heftrak and vorna stop first"
exit "$failed"
