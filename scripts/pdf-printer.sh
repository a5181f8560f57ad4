#!/usr/bin/env bash
# Makes sure the CUPS scheduler runs and has a printer "PDF" that writes
# each job as a PDF file (cups-pdf, into $HOME/PDF). The machine's default
# printer and its other printers are left as they are.
set -euo pipefail

# lpstat -r exits 0 whether or not the scheduler runs: read what it says.
scheduler_up() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }

if ! scheduler_up; then
  mkdir -p /run/cups/certs
  # In the foreground of a session of its own: it outlives this script.
  setsid -f cupsd -f </dev/null >/dev/null 2>&1
  for _ in $(seq 100); do
    scheduler_up && break
    sleep 0.1
  done
  if ! scheduler_up; then
    echo "pdf-printer: the CUPS scheduler did not start" >&2
    exit 1
  fi
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
  lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E
fi
