#!/usr/bin/env bash
# The demo: a clerk's session with both programs, typed as real keyboard
# input on an X display, each report printed through the program's own Print
# dialog to a PDF printer, and HEFTRAK's example roster scored from the
# window with its summary page and every report printed; then both example
# rosters scored by the roster programs, the summary page and every
# soldier's report printed. Leaves the PDFs, screenshots, pictures of the
# summary pages and results files in out/demo/.
# Called by ./run demo after the programs are built; expects WINEPREFIX set.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/out/demo"
# cups-pdf writes into the PDF folder of the job owner's home as the
# password file gives it, whatever HOME says.
pdfs="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$out" "$pdfs"
rm -f "$out"/*.pdf "$out"/*.png "$out"/*.csv

key() { xdotool key --delay 60 "$@"; sleep 0.2; }
typed() { xdotool type --delay 60 "$1"; sleep 0.2; }

# The id of the visible window with this exact title, waiting up to 30 s.
find_window() {
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  echo "demo: no window \"$1\" appeared" >&2
  return 1
}

# Waits for the window and gives it the keyboard (there is no window
# manager on a bare virtual display, so the focus is set directly).
focus_window() {
  local id
  id=$(find_window "$1")
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  sleep 0.5
  echo "$id"
}

shot() { # shot WINDOW-ID NAME
  sleep 0.8
  import -window "$1" "$out/$2.png"
}

# Waits for the print system to write COUNT PDFs (one if not given) and keeps
# them, in the order they were printed: one as NAME.pdf, more as NAME-1.pdf,
# NAME-2.pdf, ...
keep_pdfs() { # keep_pdfs NAME [COUNT]
  local count=${2:-1} found=()
  for _ in $(seq 100); do
    mapfile -t found < <(find "$pdfs" -maxdepth 1 -name '*.pdf' -newer "$out/.mark" -printf '%T@ %p\n' | sort -n | cut -d' ' -f2-)
    [ "${#found[@]}" -ge "$count" ] && break
    sleep 0.3
  done
  if [ "${#found[@]}" -lt "$count" ]; then
    echo "demo: $count reports expected for $1, ${#found[@]} appeared" >&2
    return 1
  fi
  sleep 0.5 # let cups-pdf finish writing the last one
  if [ "$count" -eq 1 ]; then
    mv "${found[0]}" "$out/$1.pdf"
  else
    local n=0
    for pdf in "${found[@]}"; do
      n=$((n + 1))
      mv "$pdf" "$out/$1-$n.pdf"
    done
  fi
  touch "$out/.mark"
}

# Fills the personal data dialog and prints once through its Print button.
print_report() { # print_report LAST FIRST MI SSN RANK PDF-NAME
  key alt+p
  focus_window Print >/dev/null
  typed "$1"
  key Tab
  typed "$2"
  key Tab
  typed "$3"
  key Tab
  typed "$4" # the SSN parts advance by themselves
  key Tab
  typed "$5"
  key alt+p
  keep_pdfs "$6"
  key alt+x
}

touch "$out/.mark"

echo "==> HEFTRAK: a male soldier who must be taped"
wine "$root/build/windows/heftrak/heftrak.exe" &
program=$!
heftrak=$(focus_window "Weight Control Calculator")
key Up # from Sex to Age
typed 25
key Tab
typed m
key Tab
typed 7200 # 72 advances into the hundredths
key Tab
typed 210
key alt+k # Check: not within the weight limit, the caret moves to the abdomen
typed 4000
key Tab
typed 4025
key Tab Tab # past the empty 3rd abdomen reading to the 1st neck reading
typed 1500
key Tab
typed 1525
key alt+c # Calculate: not within the percent body fat limit
shot "$heftrak" heftrak-male
print_report Doe John Q 123456789 SGT heftrak-male

echo "==> HEFTRAK: a female soldier within the body fat limit"
key alt+l alt+r # Clear and Clear Calc.
key Up
typed 30
key Tab
typed f
key Tab
typed 6400
key Tab
typed 150
key alt+k # not within the weight limit: the caret moves to the hips
typed 4000
key Tab Tab Tab # to the 1st forearm reading
typed 1000
key Tab Tab Tab # to the 1st neck reading
typed 1300
key Tab Tab Tab # to the 1st wrist reading
typed 6
key Right
typed 25
key alt+c
shot "$heftrak" heftrak-female
print_report Roe Jane A 987654321 SPC heftrak-female

echo "==> HEFTRAK: a company's roster scored from the window"
# In a folder of the Windows drive, as a clerk would keep it, so the
# summary shows a Windows path and not this machine's.
rosters="$WINEPREFIX/drive_c/Rosters"
mkdir -p "$rosters"
rm -f "$rosters"/company-roster*
cp "$root/examples/heftrak-roster.csv" "$rosters/company-roster.csv"
key alt+space o # the system menu's Score a Roster...
focus_window "Score a Roster" >/dev/null
typed 'C:\Rosters\company-roster.csv'
key Return
summary=$(focus_window "Roster Scored")
shot "$summary" heftrak-roster-summary
key alt+s # Print Summary: the summary page, its chart and its lists
keep_pdfs window-roster-summary
focus_window "Score a Roster" >/dev/null
key Return # "The summary page was printed."
focus_window "Roster Scored" >/dev/null
key alt+p # Print Reports: one report for each scored soldier
focus_window "Print Reports" >/dev/null
keep_pdfs window-roster-heftrak 5
key Return # closes the progress dialog: "5 reports printed."
key Escape # and the summary
cp "$rosters/company-roster.csv" "$rosters/company-roster-results.csv" "$out/"
key alt+F4
wait "$program" || true

echo "==> VORNA: a maxed fitness test"
wine "$root/build/windows/vorna/vorna.exe" &
program=$!
vorna=$(focus_window "VORNA Calculator")
key Up # from Sex to Age
typed 25
key Down
typed m
key Down
typed 75
key Down
typed 80
key Down
typed 1300 # 13 advances into the seconds
key alt+c
shot "$vorna" vorna-maxed
print_report Poe Alex B 555443333 SFC vorna-maxed
key alt+F4
wait "$program" || true

# Scores a copy of an example roster in out/demo, keeps its printed summary
# page as NAME-summary.pdf and each printed report as NAME-N.pdf.
score_roster() { # score_roster PROGRAM NAME
  cp "$root/examples/$1-roster.csv" "$out/$1-roster.csv"
  local summary scored status=0
  (cd "$out" && wine "$root/build/windows/$1/$1-roster.exe" "$1-roster.csv" --print-summary \
    </dev/null >/dev/null) || status=$?
  if [ "$status" -ne 1 ]; then
    echo "demo: $1-roster --print-summary ended with status $status" >&2
    return 1
  fi
  keep_pdfs "$2-summary"
  status=0
  # A name relative to the folder: Wine maps the working folder, not a Unix path.
  summary=$(cd "$out" && wine "$root/build/windows/$1/$1-roster.exe" "$1-roster.csv" --print </dev/null) || status=$?
  echo "$summary" | tr -d '\r' | sed 's/^/    /'
  # The example holds refused rows on purpose: status 1. Anything else failed.
  if [ "$status" -ne 1 ]; then
    echo "demo: $1-roster ended with status $status" >&2
    return 1
  fi
  scored=$(echo "$summary" | sed -n 's/.* read: \([0-9]*\) scored.*/\1/p')
  keep_pdfs "$2" "$scored"
}

echo "==> The roster programs: both example rosters, every report printed"
(cd "$root" && cmake --build --preset windows --target heftrak-roster vorna-roster >/dev/null)
score_roster heftrak roster-heftrak
score_roster vorna roster-vorna
rm -f "$out/.mark"

# The first page of each summary as a picture, as the README shows one.
for pdf in "$out"/*summary.pdf; do
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "${pdf%.pdf}"
done

# What a report says of the soldier: its verdict line, or, where there is
# none, the figures the soldier's row left blank.
verdict_of() { # verdict_of PDF
  local text verdict blank
  text=$(pdftotext -layout "$1" - | tr -s ' ' | sed 's/^ //; s/ $//')
  verdict=$(grep -E '^Soldier' <<<"$text" | tail -n1 || true)
  if [ -n "$verdict" ]; then
    echo "$verdict"
    return
  fi
  blank=$(grep -E '^(Age|Sex|Height|Weight|Pushups|Situps|Run)( \(.*\))?:$' <<<"$text" |
    sed 's/ (.*//; s/:$//' | paste -sd, - | sed 's/,/, /g' || true)
  echo "no verdict: no ${blank:-figure} given"
}

echo
echo "Demo done. In $out:"
echo "  The reports printed, as PDF, and what each says of the soldier:"
for f in "$out"/*.pdf; do
  case "$f" in *summary.pdf) continue ;; esac
  printf '    %-28s %s\n' "$(basename "$f")" "$(verdict_of "$f")"
done
echo "  The summary pages printed, as PDF, and a picture of each first sheet:"
for f in "$out"/*summary.pdf; do
  printf '    %-28s %s\n' "$(basename "$f")" "$(basename "${f%.pdf}.png")"
done
echo "  A screenshot of each window:"
for f in "$out"/*.png; do
  case "$f" in *summary.png) [ -f "${f%.png}.pdf" ] && continue ;; esac
  printf '    %s\n' "$(basename "$f")"
done
echo "  The rosters scored (copies of examples/) and their results, as CSV:"
while read -r name what; do
  if [ -f "$out/$name" ]; then
    printf '    %-28s %s\n' "$name" "$what"
  fi
done <<'LIST'
company-roster.csv HEFTRAK's example roster, scored from the window
company-roster-results.csv its results, as the window wrote them
heftrak-roster.csv HEFTRAK's example roster, scored by heftrak-roster.exe
heftrak-roster-results.csv its results
vorna-roster.csv VORNA's example roster, scored by vorna-roster.exe
vorna-roster-results.csv its results
LIST
