#!/usr/bin/env bash
# forget-menu-entries.sh takes from a home exactly what Wine's menu builder
# wrote for prefixes under the given folder, and leaves every other entry,
# icon and menu folder where it was.
set -euo pipefail
script="$(cd "$(dirname "$0")/.." && pwd)/forget-menu-entries.sh"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
ours=/checkout/build
apps="$home/.local/share/applications"
icons="$home/.local/share/icons/hicolor/32x32/apps"
menus="$home/.config/menus/applications-merged"
dirs="$home/.local/share/desktop-directories"
mkdir -p "$icons" "$menus" "$dirs"

entry() { # entry FOLDER/NAME PREFIX ICON
  mkdir -p "$apps/wine/$(dirname "$1")"
  printf '[Desktop Entry]\nName=%s\nExec=env WINEPREFIX="%s" wine-stable C:\\\\x.lnk\nIcon=%s\n' \
    "$(basename "$1")" "$2" "$3" >"$apps/wine/$1.desktop"
  local flat="wine-$1"
  echo "<Menu/>" >"$menus/${flat//\//-}.menu"
}
entry "Programs/HEFTRAK and VORNA/VORNA Calculator" "$ours/windows/packaging/package-test/prefix" 3FED_program.0
entry "Programs/HEFTRAK and VORNA/Weight Control Calculator" "$ours/windows/packaging/package-test/prefix" 3FED_program.0
entry "Programs/Other/Other" "$HOME/.wine" 1111_other.0
entry "Programs/Kept/Kept" "/elsewhere/build/wine" 2222_program.0
echo ours >"$icons/3FED_program.0.png"
echo ours >"$icons/80CC_program.0.png"   # an earlier run's copy, shown by no entry
echo kept >"$icons/2222_program.0.png"   # the same name's pattern, another picture
echo ours >"$icons/4444_program.0.png"   # the same picture, but another entry shows it
printf '[Desktop Entry]\nIcon=4444_program.0\n' >"$apps/users-own.desktop"
echo other >"$icons/1111_other.0.png"
for d in wine-wine wine-Programs "wine-Programs-HEFTRAK and VORNA" wine-Programs-Other wine-Programs-Kept; do
  echo "[Desktop Entry]" >"$dirs/$d.directory"
done

HOME=$home XDG_DATA_HOME='' XDG_CONFIG_HOME='' bash "$script" "$ours/" >/dev/null
left=$(cd "$home" && find . -mindepth 1 | LC_ALL=C sort)
expected=$(cat <<'LIST'
./.config
./.config/menus
./.config/menus/applications-merged
./.config/menus/applications-merged/wine-Programs-Kept-Kept.menu
./.config/menus/applications-merged/wine-Programs-Other-Other.menu
./.local
./.local/share
./.local/share/applications
./.local/share/applications/users-own.desktop
./.local/share/applications/wine
./.local/share/applications/wine/Programs
./.local/share/applications/wine/Programs/Kept
./.local/share/applications/wine/Programs/Kept/Kept.desktop
./.local/share/applications/wine/Programs/Other
./.local/share/applications/wine/Programs/Other/Other.desktop
./.local/share/desktop-directories
./.local/share/desktop-directories/wine-Programs-Kept.directory
./.local/share/desktop-directories/wine-Programs-Other.directory
./.local/share/desktop-directories/wine-Programs.directory
./.local/share/desktop-directories/wine-wine.directory
./.local/share/icons
./.local/share/icons/hicolor
./.local/share/icons/hicolor/32x32
./.local/share/icons/hicolor/32x32/apps
./.local/share/icons/hicolor/32x32/apps/1111_other.0.png
./.local/share/icons/hicolor/32x32/apps/2222_program.0.png
./.local/share/icons/hicolor/32x32/apps/4444_program.0.png
LIST
)
if [ "$left" != "$expected" ]; then
  echo "the home holds other files than expected:"
  diff <(echo "$expected") <(echo "$left") || true
  exit 1
fi
# A second run finds nothing more of ours and says nothing.
said=$(HOME=$home XDG_DATA_HOME='' XDG_CONFIG_HOME='' bash "$script" "$ours")
[ -z "$said" ] || { echo "a second run said: $said"; exit 1; }
echo "only the entries of prefixes under $ours were removed, with their icons and empty folders"
