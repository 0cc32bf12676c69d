#!/usr/bin/env bash
# Starts the real gyrant from a copy of its program folder under Xvfb with a window manager, at
# scale 1 and 2, and saves screenshots of the start (splash, each tip, the warning) and of the
# main window with one and two vehicles, the second named on the command line by a name that is
# not UTF-8. Checks the message without a display, and that the tip switches and the window's
# place are kept at exit.
# Usage: main_window_e2e.sh GYRANT ARTIFACT_DIR
set -euo pipefail
gyrant=$1 artifacts=$2/screenshots root=$(mktemp -d) window_manager=1 screen_size=2048x1536
source "$(dirname "$0")/xvfb.sh"
cp -r "$gyrant" "$(dirname "$gyrant")"/{GyrantTEXT,GyrantFiles,CALC} "$root/"

message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/gyrant" 2>&1 || true)
[[ $message == *"no display found"*xvfb-run* ]] || { echo "unexpected message without a display: $message"; exit 1; }

# Runs gyrant with the tip switches and vehicle count $1 on the worksheet $3, shots named by $2.
run() {
    printf " 0 \r\n$1 \r\n 0 \r\n\r\n$2 \r\n\r\n" > "$root/CRCNFG.QRX" && rm -f "$root/gyrant-window.txt"
    "$root/gyrant" ${4:+"$root/GyrantFiles/$4"} &
    app=$! window=$(shown "Vevizadu Gyrant") && shot "splash-$3"
    for tip in "Changing Inputs" "EZ Build Wizard" "Loading Saved Specs" "IMPORTANT:  Help"; do
        [[ $1 == *1* && $tip != IMPORTANT* ]] || answer "$tip" "tip-${tip//[ :]/-}-$3"
    done
    answer "^$(head -n 1 "$root/GyrantTEXT/WARNING.TXT" | tr -d '\r')\$" "warning-$3"
    shot "main-window-$3"
    [ -z "${4:-}" ] || xdotool getwindowname "$window" | grep -qF "[ ${4//$'\xff'/?} ]" || { echo "$4 did not open"; exit 1; }
    quit "$window"
    test -s "$root/gyrant-window.txt" || { echo "the window's place was not kept"; exit 1; }
    sed -n 2p "$root/CRCNFG.QRX" | grep -q "^${1:0:2} " || { echo "the tip switches were not kept"; exit 1; }
}
# The worksheet named on the command line has a name that is not UTF-8; the title shows "?".
odd=$(printf 'V8 \xff.qrx') && cp "$root/GyrantFiles/V8 Street Car.qrx" "$root/GyrantFiles/$odd"
for scale in 1 2; do
    export QT_SCALE_FACTOR=$scale
    run ' 0 \r\n 0 \r\n 0' ' 0' "one-vehicle-x$scale"
    run ' 1 \r\n 1 \r\n 1' ' 1' "two-vehicles-x$scale" "$odd"
done
