#!/usr/bin/env bash
# Starts the real gyrant from a copy of its program folder under Xvfb, goes through the start
# (splash, the one tip that is switched on, the warning), prints from a sub-menu, saves
# screenshots, quits with the keyboard and checks that the settings file was written.
# Usage: main_window_e2e.sh GYRANT ARTIFACT_DIR
set -euo pipefail
gyrant=$1
artifacts=$2
mkdir -p "$artifacts"
folder=$(mktemp -d)
trap 'kill "${xvfb:-}" "${app:-}" 2>/dev/null || true; rm -rf "$folder"' EXIT

cp "$gyrant" "$folder/"
cp -r "$(dirname "$gyrant")"/{GyrantTEXT,GyrantFiles,CALC} "$folder/"

# Without a display the program says how to run it instead of aborting.
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$folder/gyrant" 2>&1 || true)
case "$message" in
    *"no display found"*xvfb-run*) ;;
    *) echo "unexpected message without a display: $message"; exit 1 ;;
esac

root=$folder window_manager=1
source "$(dirname "$0")/xvfb.sh"

# Tips 0 to 2 switched off in the settings; tip 3 is shown at every start.
printf ' 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n\r\n 0 \r\n\r\n' > "$folder/CRCNFG.QRX"
"$folder/gyrant" &
app=$!
# The first window whose title matches, once it shows; a screenshot of the screen at that moment.
# A search that meets a window going away ends with an X error; it is tried again.
shown() {
    for _ in 1 2 3; do timeout 20 xdotool search --sync --onlyvisible --name "$1" 2> /dev/null | awk 'NR == 1' | grep . && return; done
}
shot() { sleep 0.5; import -window root "$artifacts/$1.png"; }
window=$(shown "Vevizadu Gyrant")
shot splash
tip=$(shown "IMPORTANT:  Help") && shot tip
xdotool windowfocus --sync "$tip" key Return
warning=$(shown "^$(head -n 1 "$folder/GyrantTEXT/WARNING.TXT" | tr -d '\r')\$") && shot warning
xdotool windowfocus --sync "$warning" key Return
shot main-window

# Calc on row 1, Print, a comment and the PDF name proposed: the sub-menu stays and the program
# goes on; a click into the main window then discards the sub-menu.
sub="^Vehicle Weight Estimator\$"
xdotool mousemove --window "$window" 259 52 click 1
calc=$(shown "$sub") && sleep 0.5
xdotool mousemove --window "$calc" 243 426 click 1
xdotool windowfocus --sync "$(shown "Printed Comment")" type "Before the dyno run"
xdotool key Return
chooser=$(shown "Print to a PDF File") && sleep 0.5
xdotool windowfocus --sync "$chooser" key Return
pdf="$folder/GyrantFiles/Vehicle Weight Estimator.pdf"
for _ in $(seq 50); do [ -s "$pdf" ] && break; sleep 0.1; done
shot sub-menu-printed
pdfinfo "$pdf" | grep -q "^Pages: *1$" || { echo "the sub-menu's picture was not printed"; exit 1; }
xdotool search --onlyvisible --name "$sub" > /dev/null 2>&1 || { echo "the sub-menu closed"; exit 1; }
xdotool mousemove --window "$window" 60 194 click 1
for _ in $(seq 50); do xdotool search --onlyvisible --name "$sub" > /dev/null 2>&1 || break; sleep 0.1; done
if xdotool search --onlyvisible --name "$sub" > /dev/null 2>&1; then echo "the sub-menu stayed"; exit 1; fi

xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "gyrant did not end after ctrl+q"; exit 1; fi
wait "$app"
grep -q "^ 1 " <(sed -n 2p "$folder/CRCNFG.QRX") || { echo "the tip switches were not kept"; exit 1; }
test -s "$folder/CRCNFG.QRX" || { echo "the settings file was not written"; exit 1; }
echo "main window shown, screenshot in $artifacts/main-window.png, settings written"
