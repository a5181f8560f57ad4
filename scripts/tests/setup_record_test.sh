#!/usr/bin/env bash
# shellcheck disable=SC2016 # the stand-ins' code is written out as it stands
# The set-up records the packages it installed, and ./run undo purges exactly
# those: never a package the machine had before, nor one removed since; the
# i386 architecture goes only when no other i386 package is left. Run on a
# copy of the scripts, with apt-get, dpkg and dpkg-query standing in for
# Debian's on a machine of a few packages (the file "state").
set -euo pipefail
source="$(cd "$(dirname "$0")/../.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/checkout/scripts" "$work/bin"
cp "$source/run" "$work/checkout/"
cp "$source/scripts/install-deps.sh" "$work/checkout/scripts/"
state="$work/state" # one package a line: status, name as apt names it, architecture
printf '%s\n' "ii openssl amd64" "ii libc6:amd64 amd64" "rc clang amd64" >"$state"
: >"$work/foreign"

stub() { printf '#!/usr/bin/env bash\nstate=%q foreign=%q\n%s\n' "$state" "$work/foreign" "$2" >"$work/bin/$1"; chmod +x "$work/bin/$1"; }
stub sudo 'exec "$@"'
stub lpstat 'exit 1'
stub dpkg 'case $1 in
  --print-foreign-architectures) cat "$foreign" ;;
  --add-architecture) echo "$2" >>"$foreign" ;;
esac'
stub dpkg-query 'format=${2#-f=}
if [ "$format" = "\${Status}" ]; then # is PACKAGE installed?
  grep -q "^ii $3 " "$state" && printf "install ok installed"
  exit 0
fi
while read -r status name arch; do
  case $format in
    *Architecture*) echo "$status $name $arch" ;;
    *) echo "$status $name" ;;
  esac
done <"$state"'
# Installs what it is asked for, and for wine32 a library it needs.
stub apt-get '[ "$1" = install ] || exit 0
shift 3
for p in "$@"; do
  arch=amd64; case $p in *:i386) arch=i386 ;; esac
  sed -i "/ ${p%:amd64} /d" "$state"
  echo "ii $p $arch" >>"$state"
  [ "$p" = wine32:i386 ] && echo "ii libc6:i386 i386" >>"$state"
done; exit 0'

export PATH="$work/bin:$PATH"
failed=0
fail() { echo "$*"; failed=1; }
"$work/checkout/scripts/install-deps.sh" build wine print >/dev/null
recorded=$(cat "$work/checkout/.setup/packages")
for had in openssl libc6:amd64; do
  grep -qx "$had" <<<"$recorded" && fail "recorded $had, which the machine had"
done
for new in wine32:i386 libc6:i386 clang; do
  grep -qx "$new" <<<"$recorded" || fail "did not record $new, which the set-up installed"
done

undo() { "$work/checkout/run" undo | tr '\\\n' '  ' | tr -s ' '; }
said=$(undo)
grep -q "sudo apt-get purge .* wine32:i386" <<<"$said" || fail "undo purges no wine32:i386: $said"
grep -q "apt-get purge.* openssl" <<<"$said" && fail "undo purges openssl, which the machine had"
grep -q "sudo dpkg --remove-architecture i386" <<<"$said" || fail "undo keeps the i386 architecture: $said"

# Removed since by the user: not listed. An i386 package that is not ours,
# even as configuration files only: the architecture stays, and undo says why.
sed -i '/ xdotool /d' "$state"
echo "rc zlib1g:i386 i386" >>"$state"
said=$(undo)
grep -q "purge.* xdotool" <<<"$said" && fail "undo purges xdotool, which is no longer installed"
grep -q "remove-architecture" <<<"$said" && fail "undo removes i386 while zlib1g:i386 is there"
grep -q "zlib1g:i386" <<<"$said" || fail "undo does not say which i386 package keeps the architecture: $said"
[ "$failed" -eq 0 ] && echo "the set-up recorded only what it installed, and undo purges just that"
exit "$failed"
