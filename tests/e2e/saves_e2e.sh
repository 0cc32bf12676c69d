#!/bin/bash
# Arguments: GYRANT_CALC [KILLS] [PAIRS] [GYRANT]. Saves killed at random, then two processes saving
# one file at once: the file on disk is always one whole worksheet, and no finished save fails.
# With GYRANT: starts beside names planted where a start once wrote harm nothing.
calc=$(realpath "$1") kills=${2:-100} pairs=${3:-50} gyrant=${4:+$(realpath "$4")}
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
# A link to a file of the user's and a FIFO, planted where a start once wrote a probe: every start
# ends, and the linked file keeps its bytes.
planted=0 harmed=0
if [ -n "$gyrant" ]; then
    program=$work/program && mkdir "$program" && echo "the user's own words" >precious
    cp -r "$gyrant" "${gyrant%/*}"/{GyrantTEXT,GyrantFiles,CALC} "$program/"
    for plant in "ln -s $work/precious" mkfifo; do
        rm -f "$program/.gyrant-write-probe" && $plant "$program/.gyrant-write-probe"
        QT_QPA_PLATFORM=offscreen GYRANT_QUIT_WHEN_SHOWN=1 timeout 20 "$program/gyrant" 2>/dev/null ||
            harmed=$((harmed + 1))
        planted=$((planted + 1))
    done
    [ "$(cat precious)" = "the user's own words" ] || harmed=$((harmed + 1))
fi

failed=$(cat failed 2>/dev/null | wc -l)
echo "$kills saves killed at random ($killed while running), $pairs pairs at once, $reads reads:" \
    "$broken broken files, $failed failed saves, $(ls -A | grep -c "^\.gyrant-.*\.tmp$") temporary files left;" \
    "$planted planted names, $harmed harmed"
[ "$broken$failed$harmed" = 000 ]
