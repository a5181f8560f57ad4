# Sourced by the tests that print reports under Wine to the CUPS printer
# "PDF" while others may print to it too: each run marks its reports with a
# rank of its own, and counts and removes only those. Sourcing it gives what
# pdf_reports.sh gives, and sets mark, refusing (a printer that refuses every
# job) and rank; then
#   ranked_reports PREFIX COUNT     waits for the run's PDFs and sets found.
. "$(dirname "${BASH_SOURCE[0]}")/pdf_reports.sh"
mark=$(mktemp)
trap 'rm -f "$mark"' EXIT
sleep 1 # the mark must be older than the first PDF, to the second

# A queue of its own that refuses jobs, so the shared "PDF" printer keeps
# taking everyone else's. Setting it up needs root, so scripts/pdf-printer.sh
# does it before the tests run.
refusing=PDF-refusing
if ! lpstat -a "$refusing" 2>/dev/null | grep -q 'not accepting'; then
  echo "the printer $refusing is missing or takes jobs: run scripts/pdf-printer.sh"
  exit 1
fi
rank="SGT-$$-$RANDOM"

ranked_pdfs() { # ranked_pdfs PREFIX: this run's PDFs, in the order they were printed
  find "$pdfs" -maxdepth 1 -name "$1*.pdf" -newer "$mark" -printf '%T@ %p\n' |
    sort -n | cut -d' ' -f2- | while read -r pdf; do
    if pdftotext "$pdf" - 2>/dev/null | grep -qF "Rank: $rank"; then
      echo "$pdf"
    fi
  done
}

# cups-pdf writes each job a moment after the program has handed it over:
# waits for COUNT, then a moment for one too many, which must not come. The
# PDFs found are removed when the test ends.
ranked_reports() { # ranked_reports PREFIX COUNT
  found=()
  for _ in $(seq 100); do
    mapfile -t found < <(ranked_pdfs "$1")
    [ "${#found[@]}" -ge "$2" ] && break
    sleep 0.3
  done
  sleep 1
  mapfile -t found < <(ranked_pdfs "$1")
  trap 'rm -f "$mark" "${found[@]}"' EXIT
}
