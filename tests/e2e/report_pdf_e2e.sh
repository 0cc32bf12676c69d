#!/usr/bin/env bash
# gyrant-calc writes the printed report of an example worksheet to PDF: one page whose text
# holds the header, the comments and both tables; a PDF that cannot be written is reported.
# Usage: report_pdf_e2e.sh GYRANT_CALC ARTIFACT_DIR
set -euo pipefail
calc=$1
artifacts=$2
mkdir -p "$artifacts"
example="$(dirname "$calc")/GyrantFiles/V8 Street Car.qrx"
pdf="$artifacts/V8 Street Car report.pdf"

"$calc" --pdf "$pdf" "$example" > /dev/null
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] || { echo "the report has $pages pages"; exit 1; }
text=$(pdftotext -layout "$pdf" -)
for expected in "Gyrant v1.1" "File: V8 Street Car.qrx" "Calculated Test Results" "Page: 1" \
                "Gyrant File Comments:" "1970s muscle car" "Vehicle Total" "4117.48" "4093.18" \
                "Imprvmnt" "4 Wheel, Rear Drive"; do
    grep -qF "$expected" <<< "$text" || { echo "the report lacks \"$expected\""; echo "$text"; exit 1; }
done
baseline=$(sed -n '/Description/,/Vehicle Total/{p;/Vehicle Total/q}' <<< "$text")
if grep -qF "Primary Reduction" <<< "$baseline"; then
    echo "the Baseline table printed its hidden primary reduction row"; exit 1
fi

if "$calc" --pdf "$artifacts/no such folder/report.pdf" "$example" > /dev/null 2> "$artifacts/pdf-error.txt"; then
    echo "writing into a missing folder was reported as success"; exit 1
fi
grep -q "could not be printed" "$artifacts/pdf-error.txt"
echo "report written to $pdf and checked"
