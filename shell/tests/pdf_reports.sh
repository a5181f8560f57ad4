# Sourced by the tests that read back the reports a program printed to the
# CUPS printer "PDF". Sets pdfs, the folder the PDFs appear in; then
#   report_text PDF                    the report's text
#   missing_lines TEXT WHERE LINE...   says which LINEs TEXT lacks; fails if any
# cups-pdf writes into the PDF folder of the job owner's home as the
# password file gives it, whatever HOME says.
pdfs="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$pdfs"

# pdftotext approximates the column spacing, so runs of blanks count as one,
# in the report and in the lines looked for alike.
report_text() { pdftotext -layout "$1" - | tr -s ' '; }

missing_lines() { # missing_lines TEXT WHERE LINE...
  local text=$1 where=$2 line missing=0
  shift 2
  for line in "$@"; do
    if ! grep -qF -- "$(tr -s ' ' <<<"$line")" <<<"$text"; then
      echo "missing from $where: $line"
      missing=1
    fi
  done
  return "$missing"
}
