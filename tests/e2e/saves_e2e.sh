#!/bin/bash
# Arguments: GYRANT_CALC [KILLS] [PAIRS]. Saves killed at random, then two processes saving one
# file at once: the file on disk is always one whole worksheet, and no finished save fails.
calc=$(realpath "$1") kills=${2:-100} pairs=${3:-50}
broken=0 killed=0 reads=0 cars=("V8 Street Car" Motorcycle)
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT && cd "$work" || exit 1
for car in "${cars[@]}"; do "$calc" --write "$car" "${calc%/*}/GyrantFiles/$car.qrx" >/dev/null; done
check() {  # reads the file once, then compares what was read with both worksheets
    cat out.qrx >seen && reads=$((reads + 1))
    cmp -s seen "${cars[0]}" || cmp -s seen "${cars[1]}" || broken=$((broken + 1))
}
saves() { for ((j = 0; j < pairs; j++)); do "$calc" --write out.qrx "$1" >/dev/null || echo >>failed; done; }
cp "${cars[1]}" out.qrx
for ((i = 0; i < kills; i++)); do
    "$calc" --write out.qrx "${cars[i % 2]}" >/dev/null & sleep "0.0$((RANDOM % 30))"
    kill -9 $! && killed=$((killed + 1))
    wait
    check
done 2>/dev/null
saves "${cars[0]}" & saves "${cars[1]}" &
while [ -n "$(jobs -r)" ]; do check; done
failed=$(cat failed 2>/dev/null | wc -l)
echo "$kills saves killed at random ($killed while running), $pairs pairs at once, $reads reads:" \
    "$broken broken files, $failed failed saves, $(ls -A | grep -c "^\.gyrant-.*\.tmp$") temporary files left"
[ "$broken$failed" = 00 ]
