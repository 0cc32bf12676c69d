#!/bin/bash
# Arguments: GYRANT_CALC [KILLS] [PAIRS] [GYRANT]. Saves killed at random, then two processes saving
# one file at once: the file on disk is always one whole worksheet, and no finished save fails. A
# comment line longer than any other line comes back whole. With GYRANT: starts beside names
# planted where a start once wrote harm nothing, and Save in the window leaves a worksheet that
# another program changed since Open as that program left it when the user cancels.
here=$(dirname "$(realpath "$0")") calc=$(realpath "$1") kills=${2:-100} pairs=${3:-50} gyrant=${4:+$(realpath "$4")}
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

# A comment line longer than any line of the program's own files is saved and read back whole.
{
    sed '/^-9999/,$d' "${cars[0]}" && head -c 2097152 /dev/zero | tr '\0' x
    printf '\r\nafter the long line\r\n-9999\r\n'
} >long.qrx
"$calc" --write saved.qrx long.qrx >/dev/null && "$calc" --write again.qrx saved.qrx >/dev/null &&
    cmp -s saved.qrx again.qrx && grep -q "^after the long line" again.qrx || broken=$((broken + 1))

# The worksheet open in the window is changed on disk; Save asks, and Cancel leaves it changed.
overwritten=0 unasked=0
if [ -n "$gyrant" ]; then
    root=$work artifacts=$work/shots window_manager=1
    source "$here/xvfb.sh"
    printf ' 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n\r\n 1 \r\n\r\n' >"$program/CRCNFG.QRX"
    cp "${cars[0]}" "$program/open.qrx"
    "$program/gyrant" "$program/open.qrx" 2>/dev/null &
    app=$! window=$(shown "Vevizadu Gyrant")
    answer "IMPORTANT:  Help" && answer "^$(head -n 1 "$program/GyrantTEXT/WARNING.TXT" | tr -d '\r')\$"
    cp "${cars[1]}" "$program/open.qrx"
    xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+s
    box=$(shown "^File Changed\$") && xdotool windowfocus --sync "$box" key Escape || unasked=1
    quit "$window"
    cmp -s "$program/open.qrx" "${cars[1]}" || overwritten=1
fi

failed=$(cat failed 2>/dev/null | wc -l)
echo "$kills saves killed at random ($killed while running), $pairs pairs at once, $reads reads:" \
    "$broken broken files, $failed failed saves, $(ls -A | grep -c "^\.gyrant-.*\.tmp$") temporary files left;" \
    "$planted planted names, $harmed harmed; a file changed on disk unasked: $unasked," \
    "overwritten: $overwritten"
[ "$broken$failed$harmed$unasked$overwritten" = 00000 ]
