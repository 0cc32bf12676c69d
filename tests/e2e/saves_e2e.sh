#!/bin/bash
# Saves killed at random points, and two processes saving one file at once: the file on disk is
# always one whole worksheet, and every save that finished says so truthfully.
# Usage: saves_e2e.sh GYRANT_CALC [KILLS] [PAIRS]
calc=$1 kills=${2:-100} pairs=${3:-50}
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
for car in "V8 Street Car" Motorcycle; do
    "$calc" --write "$work/$car.want" "$(dirname "$calc")/GyrantFiles/$car.qrx" >/dev/null || exit 1
done
save() { "$calc" --write "$work/out.qrx" "$work/$1.want" >/dev/null; }
# Reads the file once, then compares what was read with both worksheets.
whole() {
    cat "$work/out.qrx" >"$work/seen"
    cmp -s "$work/seen" "$work/V8 Street Car.want" || cmp -s "$work/seen" "$work/Motorcycle.want"
}
cp "$work/Motorcycle.want" "$work/out.qrx"
broken=0 interrupted=0 failed=0
for ((i = 0; i < kills; i++)); do
    car=$([ $((i % 2)) = 0 ] && echo "V8 Street Car" || echo Motorcycle)
    save "$car" & pid=$!
    sleep "0.0$((RANDOM % 30))"
    kill -9 $pid 2>/dev/null && interrupted=$((interrupted + 1))
    wait $pid 2>/dev/null
    whole || broken=$((broken + 1))
done
loop() { for ((j = 0; j < pairs; j++)); do save "$1" || echo >>"$work/failed"; done; }
loop "V8 Street Car" & one=$!
loop Motorcycle & two=$!
reads=0
while kill -0 $one 2>/dev/null || kill -0 $two 2>/dev/null; do
    whole || broken=$((broken + 1))
    reads=$((reads + 1))
done
wait
[ -f "$work/failed" ] && failed=$(wc -l <"$work/failed")
echo "$kills saves killed at random ($interrupted in the middle), $pairs pairs of saves at once" \
    "checked $reads times: $broken broken files, $failed failed saves"
[ "$broken" = 0 ] && [ "$failed" = 0 ]
