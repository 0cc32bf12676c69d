#!/usr/bin/env bash
# gyrant-calc under Valgrind: a recalculation and a PDF report of an example, with no memory
# error and no block of its own lost.
# Usage: calc_memory_e2e.sh GYRANT_CALC ARTIFACT_DIR
set -euo pipefail
calc=$1 artifacts=$2
mkdir -p "$artifacts"
example="$(dirname "$calc")/GyrantFiles/V8 Street Car.qrx"
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
for arguments in "" "--pdf $artifacts/valgrind-report.pdf"; do
    # shellcheck disable=SC2086
    valgrind --quiet --leak-check=full --errors-for-leak-kinds=definite,indirect --error-exitcode=9 \
        "$calc" $arguments "$example" > /dev/null 2> "$artifacts/valgrind.txt" ||
        { cat "$artifacts/valgrind.txt"; exit 1; }
done
echo "no memory errors and no leaks in gyrant-calc"
