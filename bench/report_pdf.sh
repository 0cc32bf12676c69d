#!/usr/bin/env bash
# The printed report of the full two-vehicle example written to PDF by gyrant-calc, whole
# process, against the plain recalculation of the same file.
# Usage: bench/report_pdf.sh [BUILD_DIR]
set -euo pipefail
bin=$(cd "${1:-build}/bin" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
example="$bin/GyrantFiles/V8 Street Car.qrx"
hyperfine --warmup 3 --runs 30 -N "$bin/gyrant-calc '$example'" "$bin/gyrant-calc --pdf $out/report.pdf '$example'"
