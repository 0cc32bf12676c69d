#!/usr/bin/env bash
# Starts the real gyrant from a copy of its program folder under Xvfb, goes through the start
# (splash, the one tip that is switched on, the warning), prints from a sub-menu, saves
# screenshots, quits with the keyboard and checks that the settings file was written.
# Usage: main_window_e2e.sh GYRANT ARTIFACT_DIR
set -euo pipefail
gyrant=$1 artifacts=$2 root=$(mktemp -d) window_manager=1
source "$(dirname "$0")/xvfb.sh"
cp -r "$gyrant" "$(dirname "$gyrant")"/{GyrantTEXT,GyrantFiles,CALC} "$root/"

# Without a display the program says how to run it instead of aborting.
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/gyrant" 2>&1 || true)
[[ $message == *"no display found"*xvfb-run* ]] || { echo "unexpected message without a display: $message"; exit 1; }

# Tips 0 to 2 switched off in the settings; tip 3 is shown at every start.
printf ' 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n\r\n 0 \r\n\r\n' > "$root/CRCNFG.QRX"
"$root/gyrant" &
app=$!
window=$(shown "Vevizadu Gyrant")
shot splash
answer "IMPORTANT:  Help" tip
answer "^$(head -n 1 "$root/GyrantTEXT/WARNING.TXT" | tr -d '\r')\$" warning
shot main-window

# Calc on row 1, Print, a comment and the PDF name proposed: the sub-menu stays and the program
# goes on; a click into the main window then discards the sub-menu.
sub="^Vehicle Weight Estimator\$"
xdotool mousemove --window "$window" 266 72 click 1
calc=$(shown "$sub") && sleep 0.5
xdotool mousemove --window "$calc" 243 426 click 1
xdotool windowfocus --sync "$(shown "Printed Comment")" type "Before the dyno run"
xdotool key Return
answer "Print to a PDF File"
pdf="$root/GyrantFiles/Vehicle Weight Estimator.pdf"
within_5s test -s "$pdf" || true
shot sub-menu-printed
pdfinfo "$pdf" | grep -q "^Pages: *1$" || { echo "the sub-menu's picture was not printed"; exit 1; }
sub_shown() { xdotool search --onlyvisible --name "$sub" > /dev/null 2>&1; }
sub_shown || { echo "the sub-menu closed"; exit 1; }
xdotool mousemove --window "$window" 60 194 click 1
within_5s eval '! sub_shown' || { echo "the sub-menu stayed"; exit 1; }

quit "$window"
grep -q "^ 1 " <(sed -n 2p "$root/CRCNFG.QRX") || { echo "the tip switches were not kept"; exit 1; }
echo "main window shown, screenshot in $artifacts/main-window.png, settings written"
