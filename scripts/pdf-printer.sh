#!/usr/bin/env bash
# Makes sure the CUPS scheduler runs and has a printer "PDF" that writes
# each job as a PDF file (cups-pdf, into the PDF folder of the job owner's
# home), and a printer "PDF-refusing" that refuses every job (for the print
# test). The machine's default printer and its other printers are left as
# they are. Starting the scheduler and adding the printer need root: as root,
# or through sudo. What it started or added is recorded in .setup/ of the
# checkout, for `./run undo`.
set -euo pipefail

say() { printf '==> %s\n' "$*"; }

record="$(cd "$(dirname "$0")/.." && pwd)/.setup"
remember() { # remember FILE LINE: once in .setup/FILE
  mkdir -p "$record"
  grep -qxF "$2" "$record/$1" 2>/dev/null || echo "$2" >>"$record/$1"
}

# Sets as_root to what runs a command as root, or says what to run instead.
as_root=()
become_root() {
  if [ "$(id -u)" -eq 0 ]; then
    as_root=()
  elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "pdf-printer.sh: $1 needs root and there is no sudo; as root, run: $(realpath "$0")" >&2
    exit 1
  fi
}

# cups-pdf writes into the PDF folder of the job owner's home (as the password
# file gives it), and makes the folder when it is not there.
pdfs="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
[ -d "$pdfs" ] || remember folders "$pdfs"

# lpstat -r exits 0 whether or not the scheduler runs: read what it says.
scheduler_up() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }

if ! scheduler_up; then
  become_root "starting the CUPS scheduler"
  say "Starting the CUPS scheduler (cupsd)"
  "${as_root[@]}" mkdir -p /run/cups/certs
  # In the foreground of a session of its own: it outlives this script.
  "${as_root[@]}" setsid -f cupsd -f </dev/null >/dev/null 2>&1
  for _ in $(seq 100); do
    scheduler_up && break
    sleep 0.1
  done
  if ! scheduler_up; then
    echo "pdf-printer: the CUPS scheduler did not start" >&2
    exit 1
  fi
  remember started cupsd
fi
# lpadmin warns that printer drivers are deprecated; only a failure matters.
if ! lpstat -p PDF >/dev/null 2>&1; then
  become_root "adding the CUPS printer \"PDF\""
  say "Adding the CUPS printer \"PDF\" (writes PDF files)"
  "${as_root[@]}" lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
  remember printers PDF
fi
# The print test's second queue: it refuses every job, so the test sees a
# refused print leave no PDF while "PDF" keeps taking everyone else's.
if ! lpstat -a PDF-refusing 2>/dev/null | grep -q 'not accepting'; then
  become_root "setting up the CUPS printer \"PDF-refusing\""
  say "Setting up the CUPS printer \"PDF-refusing\" (refuses every job, for the print test)"
  if ! lpstat -p PDF-refusing >/dev/null 2>&1; then
    "${as_root[@]}" lpadmin -p PDF-refusing -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
      -E 2>/dev/null
    remember printers PDF-refusing
  fi
  "${as_root[@]}" cupsreject PDF-refusing
fi
