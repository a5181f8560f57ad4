#!/usr/bin/env bash
# Removes from the user's home the desktop menu entries that Wine's menu
# builder wrote, in runs before it was switched off, for programs installed
# into a Wine prefix under FOLDER (the package test's prefix, deleted after
# each run, left them pointing at nothing): each entry, its menu file, its
# icon and the copies of that icon earlier runs left under other names, and
# the menu folders left empty. Entries of any other prefix stay.
#   forget-menu-entries.sh FOLDER
set -euo pipefail

folder=${1%/}
data=${XDG_DATA_HOME:-$HOME/.local/share}
config=${XDG_CONFIG_HOME:-$HOME/.config}
entries="$data/applications/wine"
[ -d "$entries" ] || exit 0

# The menu builder quotes the prefix in each entry's command line.
mapfile -t ours < <(grep -rlF --include='*.desktop' "WINEPREFIX=\"$folder/" "$entries" || true)
[ "${#ours[@]}" -gt 0 ] || exit 0

icons=()
for entry in "${ours[@]}"; do
  icon=$(sed -n 's/^Icon=//p' "$entry" | head -n1)
  [ -n "$icon" ] && icons+=("$icon")
  # applications/wine/A/B/C.desktop is listed by menus/applications-merged/wine-A-B-C.menu
  relative=${entry#"$entries/"}
  relative=${relative%.desktop}
  rm -f "$entry" "$config/menus/applications-merged/wine-${relative//\//-}.menu"
done

# An icon goes with its entry unless another entry still shows it; so do the
# icons that earlier runs wrote with the same picture under another number.
for icon in "${icons[@]}"; do
  if grep -rqxF --include='*.desktop' "Icon=$icon" "$data/applications" 2>/dev/null; then
    continue
  fi
  for picture in "$data"/icons/hicolor/*/apps/"$icon".png; do
    [ -f "$picture" ] || continue
    for copy in "$(dirname "$picture")"/*_"${icon#*_}".png; do
      [ "$copy" = "$picture" ] && continue
      name=$(basename "$copy" .png)
      if cmp -s "$copy" "$picture" &&
        ! grep -rqxF --include='*.desktop' "Icon=$name" "$data/applications" 2>/dev/null; then
        rm -f "$copy"
      fi
    done
    rm -f "$picture"
  done
done

# Menu folders left empty, deepest first, with the file that names each.
while IFS= read -r dir; do
  if rmdir "$dir" 2>/dev/null; then
    # applications/wine/A/B is named by wine-A-B.directory, the folder
    # applications/wine itself by wine-wine.directory.
    relative=${dir#"$entries"}
    relative=${relative#/}
    relative=${relative//\//-}
    rm -f "$data/desktop-directories/wine-${relative:-wine}.directory"
  fi
done < <(find "$entries" -depth -type d)

echo "==> Removed ${#ours[@]} menu entries that Wine had written into $HOME for prefixes under $folder"
