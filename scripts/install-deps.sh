#!/usr/bin/env bash
# Installs, with apt-get, only the packages this machine is missing.
#   install-deps.sh build   compilers, CMake, Python 3 (draws the resource pictures,
#                           builds the package), GoogleTest sources, Google Benchmark,
#                           GNU time (measures the roster programs' peak memory),
#                           ccache (a second build of unchanged sources is quick)
#   install-deps.sh wine    the i686 MinGW-w64 cross compiler, Wine (32-bit) with
#                           Wine's own fonts, a virtual display (Xvfb, and xauth
#                           for xvfb-run), wixl and msitools for the Windows
#                           Installer package, osslsigncode and openssl to sign it
#   install-deps.sh print   CUPS with a PDF printer and poppler's tools
# Installing needs root: run as root, or as a user who may use sudo. What it
# installs (the packages this machine did not have before, dependencies
# included) and whether it added the i386 architecture is recorded in
# .setup/ of the checkout, for `./run undo`.
set -euo pipefail

say() { printf '==> %s\n' "$*"; }

need=()
want() { # want PACKAGE: queue it when dpkg does not list it as installed
  if ! dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; then
    need+=("$1")
  fi
}
add_i386=no

for group in "$@"; do
  case "$group" in
    build)
      for p in g++ clang libclang-rt-14-dev cmake ninja-build python3 googletest libgtest-dev libbenchmark-dev clang-format time ccache; do
        want "$p"
      done
      ;;
    wine)
      # wine32 exists only for the i386 architecture.
      if ! dpkg --print-foreign-architectures | grep -qx i386; then
        add_i386=yes
      fi
      for p in g++-mingw-w64-i686 wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool imagemagick \
        wixl msitools osslsigncode openssl; do
        want "$p"
      done
      ;;
    print)
      for p in cups cups-client printer-driver-cups-pdf libcups2:i386 poppler-utils; do
        want "$p"
      done
      ;;
    *)
      echo "install-deps.sh: unknown group '$group'" >&2
      exit 2
      ;;
  esac
done

if [ ${#need[@]} -eq 0 ] && [ "$add_i386" = no ]; then
  exit 0
fi

# Decide how to become root before changing anything.
if [ "$(id -u)" -eq 0 ]; then
  as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null 2>&1; then
  say "Installing needs root: asking sudo"
  as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
  echo "install-deps.sh: installing ${need[*]:-the i386 architecture} needs root and there is no sudo; as root, run: $(realpath "$0") $*" >&2
  exit 1
fi

record="$(cd "$(dirname "$0")/.." && pwd)/.setup"
mkdir -p "$record"
# Every package dpkg has installed, as apt-get names it (name:arch where more
# than one architecture may hold it).
installed() {
  dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort -u
}
before=$(installed)

if [ "$add_i386" = yes ]; then
  say "Adding the i386 architecture to dpkg (32-bit Wine comes from it)"
  "${as_root[@]}" dpkg --add-architecture i386
  echo i386 >>"$record/architectures"
fi
say "Updating apt's package lists"
"${as_root[@]}" apt-get update
say "Installing with apt-get: ${need[*]} (and what they need)"
status=0
"${as_root[@]}" apt-get install -y --no-install-recommends "${need[@]}" || status=$?
# Recorded even when apt-get failed halfway: what it did install stays.
# Only what was not installed before: never a package the machine had.
{
  comm -13 <(echo "$before") <(installed)
  cat "$record/packages" 2>/dev/null || true
} | sort -u >"$record/packages.new"
mv "$record/packages.new" "$record/packages"
exit "$status"
