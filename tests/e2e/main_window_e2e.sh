#!/usr/bin/env bash
# Starts the real gyrant from a copy of its program folder under Xvfb, goes through the start
# (splash, the one tip that is switched on, the warning), saves screenshots, quits with the
# keyboard and checks that the settings file was written.
# Usage: main_window_e2e.sh GYRANT ARTIFACT_DIR
set -euo pipefail
gyrant=$1
artifacts=$2
mkdir -p "$artifacts"
folder=$(mktemp -d)
trap 'kill "${xvfb:-}" "${app:-}" 2>/dev/null || true; rm -rf "$folder"' EXIT

cp "$gyrant" "$folder/"
cp -r "$(dirname "$gyrant")/GyrantTEXT" "$(dirname "$gyrant")/GyrantFiles" "$folder/"

# Without a display the program says how to run it instead of aborting.
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$folder/gyrant" 2>&1 || true)
case "$message" in
    *"no display found"*xvfb-run*) ;;
    *) echo "unexpected message without a display: $message"; exit 1 ;;
esac

root=$folder
source "$(dirname "$0")/xvfb.sh"

# Tips 0 to 2 switched off in the settings; tip 3 is shown at every start.
printf ' 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n\r\n 0 \r\n\r\n' > "$folder/CRCNFG.QRX"
"$folder/gyrant" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "Vevizadu Gyrant" | awk 'NR == 1')
import -window root "$artifacts/splash.png"
tip=$(timeout 20 xdotool search --sync --onlyvisible --name "IMPORTANT:  Help" | awk 'NR == 1')
sleep 0.5
import -window root "$artifacts/tip.png"
xdotool windowfocus --sync "$tip" key Return
caption=$(head -n 1 "$folder/GyrantTEXT/WARNING.TXT" | tr -d '\r')
warning=$(timeout 20 xdotool search --sync --onlyvisible --name "^$caption\$" | awk 'NR == 1')
sleep 0.5
import -window root "$artifacts/warning.png"
xdotool windowfocus --sync "$warning" key Return
sleep 0.5
import -window root "$artifacts/main-window.png"

xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "gyrant did not end after ctrl+q"; exit 1; fi
wait "$app"
grep -q "^ 1 " <(sed -n 2p "$folder/CRCNFG.QRX") || { echo "the tip switches were not kept"; exit 1; }
test -s "$folder/CRCNFG.QRX" || { echo "the settings file was not written"; exit 1; }
echo "main window shown, screenshot in $artifacts/main-window.png, settings written"
