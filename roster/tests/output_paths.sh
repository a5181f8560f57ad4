#!/usr/bin/env bash
# Where -o may send the results, for each kind of path: a file is replaced;
# through a link the file it leads to is replaced and the link stays a link;
# a device, a named pipe, a socket, a folder, or a file in a folder the user
# may not write, is refused with exit status 2 and is left as it was; and
# neither a folder nor a named pipe is taken for the roster.
# Natively, or under Wine when a runner is given (there a dangling link looks
# like no file at all, and a socket like no device, so neither is asked).
#   output_paths.sh PROGRAM ROSTER [RUNNER]
set -euo pipefail
program=$1 roster=$2 runner=${3:-}
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$roster" "$work/roster.csv"
chmod 644 "$work/roster.csv"
cd "$work"

# The results as a run into a new file writes them.
$runner "$program" roster.csv -o expected.csv </dev/null >/dev/null || true
[ -s expected.csv ] || { echo "no results written to a new file"; exit 1; }

failed=0
fail() {
  echo "$*"
  failed=1
}

# run AS OUTPUT: scores the roster into OUTPUT (AS: a command to run it as
# another user, or nothing); sets status and err.
run() {
  status=0
  err=$(timeout 120 $1 $runner "$program" roster.csv -o "$2" 2>&1 >/dev/null </dev/null) ||
    status=$?
  err=${err//$'\r'/}
}

# A file, or nothing: written. expect_written OUTPUT FILE-THAT-HOLDS-THE-RESULTS
expect_written() {
  run "" "$1"
  [ "$status" -eq 1 ] || fail "-o $1: exit status $status, expected 1: $err"
  cmp -s "$2" expected.csv || fail "-o $1: $2 does not hold the results"
}

# What is no file: refused. expect_refused AS OUTPUT MESSAGE
expect_refused() {
  run "$1" "$2"
  [ "$status" -eq 2 ] || fail "-o $2: exit status $status, expected 2"
  grep -qF -- "$3" <<<"$err" || fail "-o $2: expected \"$3\", got: $err"
}

echo stale >regular.csv
expect_written regular.csv regular.csv

echo stale >target.csv
ln -s target.csv link.csv
mkdir links
ln -s ../target.csv links/up.csv
for link in link.csv links/up.csv; do
  rm -f target.csv && echo stale >target.csv
  expect_written "$link" target.csv
  [ -L "$link" ] || fail "-o $link: the link was replaced"
done

if [ -z "$runner" ]; then
  ln -s made.csv dangling.csv
  expect_written dangling.csv made.csv
  [ -L dangling.csv ] || fail "-o dangling.csv: the link was replaced"
fi

mkfifo pipe.csv
expect_refused "" pipe.csv "pipe.csv is a named pipe, not a file; name another results file with -o"
[ -p pipe.csv ] || fail "-o pipe.csv: the named pipe was replaced"

# A link to a device, so that a program that replaced devices would replace
# only the link.
ln -s /dev/null device.csv
expect_refused "" device.csv "device.csv is a device, not a file"
[ -L device.csv ] || fail "-o device.csv: the link to /dev/null was replaced"
if [ -n "$runner" ]; then
  expect_refused "" NUL "NUL is a device, not a file"
else
  python3 -c 'import socket; socket.socket(socket.AF_UNIX).bind("socket.csv")'
  expect_refused "" socket.csv "socket.csv is a socket, not a file"
  [ -S socket.csv ] || fail "-o socket.csv: the socket was replaced"
fi

mkdir folder.csv
expect_refused "" folder.csv "folder.csv is a folder, not a file"
[ -d folder.csv ] || fail "-o folder.csv: the folder was replaced"

# A folder this user may not write; root may write any, so natively the
# program runs as nobody, and under Wine (whose prefix is root's) not at all.
mkdir locked
chmod 555 locked
as=""
[ "$(id -u)" -eq 0 ] && as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
if [ -z "$as" ] || [ -z "$runner" ]; then
  expect_refused "$as" locked/results.csv \
    "locked/results.csv: its folder cannot be written to (Permission denied); name a results file in another folder with -o"
  [ -z "$(ls locked)" ] || fail "-o locked/results.csv: $(ls locked) written"
fi

# What is no file is no roster either, and says so alike on both builds.
mkdir folder-roster
mkfifo pipe-roster
for input in folder-roster pipe-roster; do
  status=0
  err=$(timeout 60 $runner "$program" "$input" 2>&1 >/dev/null </dev/null) || status=$?
  [ "$status" -eq 2 ] && grep -qF "$input: not a file" <<<"$err" ||
    fail "$input as the roster: exit status $status, expected 2 and \"not a file\": $err"
done

left=$(find . -name '*.tmp-*')
[ -z "$left" ] || fail "left behind: $left"
[ "$failed" -eq 0 ] && echo "every kind of path went as expected"
exit "$failed"
