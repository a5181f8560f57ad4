#!/usr/bin/env bash
# Installs, with apt-get, only the packages this machine is missing.
#   install-deps.sh build   compilers, CMake, Python 3 (draws the resource pictures),
#                           GoogleTest sources, Google Benchmark
#   install-deps.sh wine    the i686 MinGW-w64 cross compiler and Wine (32-bit), with
#                           Wine's own fonts
#   install-deps.sh print   CUPS with a PDF printer and poppler's tools
set -euo pipefail

need=()
want() { # want PACKAGE: queue it when dpkg does not list it as installed
  if ! dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; then
    need+=("$1")
  fi
}

for group in "$@"; do
  case "$group" in
    build)
      for p in g++ clang libclang-rt-14-dev cmake ninja-build python3 googletest libbenchmark-dev clang-format; do
        want "$p"
      done
      ;;
    wine)
      if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
      fi
      for p in g++-mingw-w64-i686 wine wine32:i386 wine64 fonts-wine xvfb xdotool imagemagick; do
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

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps.sh: these packages are missing and installing them needs root" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null
  apt-get install -y -q --no-install-recommends "${need[@]}" >/dev/null
fi
