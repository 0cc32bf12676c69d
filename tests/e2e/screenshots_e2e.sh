#!/usr/bin/env bash
# Starts the real gyrant under Xvfb with a window manager at scale 1 and 2 and saves screenshots
# of the start (splash, each tip, the warning) and of the main window with one and two vehicles,
# for a person to look at. Usage: screenshots_e2e.sh GYRANT ARTIFACT_DIR
set -euo pipefail
gyrant=$1 artifacts=$2/screenshots root=$(mktemp -d) window_manager=1
source "$(dirname "$0")/xvfb.sh"
cp -r "$gyrant" "$(dirname "$gyrant")"/{GyrantTEXT,GyrantFiles,CALC} "$root/"
warning="^$(head -n 1 "$root/GyrantTEXT/WARNING.TXT" | tr -d '\r')\$"

# Runs gyrant with the settings $1 on the worksheets $3 and saves its shots with the suffix $2.
run() {
    printf "$1" > "$root/CRCNFG.QRX"
    rm -f "$root/gyrant-window.txt"
    "$root/gyrant" ${3:+"$root/GyrantFiles/$3"} &
    app=$!
    window=$(shown "Vevizadu Gyrant")
    shot "splash-$2"
    for tip in "Changing Inputs" "EZ Build Wizard" "Loading Saved Specs" "IMPORTANT:  Help"; do
        [[ $1 == *" 1 "* && $tip != IMPORTANT* ]] || answer "$tip" "tip-${tip//[ :]/-}-$2"
    done
    answer "$warning" "warning-$2"
    shot "main-window-$2"
    quit "$window"
    test -s "$root/gyrant-window.txt" || { echo "the window's place was not kept"; exit 1; }
}

for scale in 1 2; do
    export QT_SCALE_FACTOR=$scale
    run ' 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n 0 \r\n\r\n' "one-vehicle-x$scale" ""
    run ' 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n\r\n 1 \r\n\r\n' "two-vehicles-x$scale" "V8 Street Car.qrx"
done
echo "screenshots in $artifacts"
