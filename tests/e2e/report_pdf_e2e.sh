#!/usr/bin/env bash
# gyrant-calc writes the printed report to PDF: a worksheet with 30 comment lines goes on to a
# second page and its text still holds both tables whole, with no memory error and no block of its
# own lost (under Valgrind, or under the build's own sanitizers when the third argument is
# "sanitized"); a PDF that cannot be written (a missing folder, /dev/full, a full disk) exits 1
# with a message and leaves no file. A worksheet that keeps the engine gets in its report's answer
# the seconds that --answer tells for the same gears.
# Usage: report_pdf_e2e.sh GYRANT_CALC ARTIFACT_DIR [sanitized]
set -euo pipefail
calc=$1 artifacts=$2 full=$(mktemp -d)
# A sanitized program checks its own memory and leaks at exit, and cannot run under Valgrind.
memory_check=(valgrind --quiet --leak-check=full --errors-for-leak-kinds=definite,indirect --error-exitcode=9)
[ "${3:-}" != sanitized ] || memory_check=()
mkdir -p "$artifacts"
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'umount "$full" 2>/dev/null || true; rm -rf "$full" "$XDG_RUNTIME_DIR"' EXIT
sheet="$artifacts/Thirty comments.qrx"
comments=$(for i in $(seq 30); do printf 'Comment line %s\r\n' "$i"; done)
awk -v c="$comments" '/^-9999\r$/ && NR > 600 { print c } { print }' \
    "$(dirname "$calc")/GyrantFiles/V8 Street Car.qrx" > "$sheet"
pdf="$artifacts/Thirty comments report.pdf"
"${memory_check[@]}" "$calc" --pdf "$pdf" "$sheet" > /dev/null 2> "$artifacts/memory-check.txt" ||
    { cat "$artifacts/memory-check.txt"; exit 1; }
text=$(pdftotext -layout "$pdf" -)
for expected in "File: Thirty comments.qrx" "Page: 1" "Page: 2" "Comment line 12" "4 Wheel, Rear Drive" \
                "Imprvmnt" "32.14" "32.24" "20.84" "32.23" "5.82" "0.59" "4117.48" "4093.18"; do
    grep -qF -- "$expected" <<< "$text" || { echo "the report lacks \"$expected\""; echo "$text"; exit 1; }
done
[ "$(grep -c "Vehicle Total" <<< "$text")" = 2 ] || { echo "a table was cut short"; echo "$text"; exit 1; }

engine="$artifacts/Stored engine.qrx"
{ cat "$(dirname "$calc")/GyrantFiles/V8 Street Car.qrx"
  printf '[Gyrant]\r\nweights=stay\r\nrun.power=350@5500\r\nrun.torque=380@4000\r\n'; } > "$engine"
seconds=$("$calc" --answer --gears 2.52,1.52,1 "$engine" | grep -oE "about [0-9.]+ s quicker")
"$calc" --pdf "$artifacts/Stored engine report.pdf" --gears 2.52,1.52,1 "$engine" > /dev/null
pdftotext "$artifacts/Stored engine report.pdf" - | tr '\n' ' ' | grep -qF "$seconds" ||
    { echo "the report's answer lacks \"$seconds\""; exit 1; }

targets=("$artifacts/no such folder/report.pdf" /dev/full)
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=16k tmpfs "$full"; then targets+=("$full/report.pdf"); fi
for target in "${targets[@]}"; do
    ! "$calc" --pdf "$target" "$sheet" > /dev/null 2> "$artifacts/pdf-error.txt" ||
        { echo "writing $target was reported as success"; exit 1; }
    grep -qF "$target could not be saved" "$artifacts/pdf-error.txt" || { cat "$artifacts/pdf-error.txt"; exit 1; }
done
[ -z "$(ls -A "$full")" ] || { echo "a broken PDF was left on the full disk"; exit 1; }
echo "report written to $pdf and checked"
