#!/usr/bin/env bash
# Installs Gyrant into a temporary prefix and uses it as an installed program: gyrant-calc on an
# example worksheet; gyrant, which cannot keep files beside itself, keeping its settings and
# worksheets in the user's own folders; the worksheet file type known to the desktop.
# Usage: install_e2e.sh BUILD_DIR ARTIFACT_DIR
set -euo pipefail
build=$1 artifacts=$2 root=$(mktemp -d) prefix="$root/prefix"
source "$(dirname "$0")/xvfb.sh"
export HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config"
mkdir -p "$HOME"

cmake --install "$build" --prefix "$prefix" > /dev/null
example="$prefix/share/gyrant/GyrantFiles/V8 Street Car.qrx"
csv=$("$prefix/bin/gyrant-calc" --csv "$example")
grep -q '^0,31,Vehicle Total,,,,,,3700.00,,,4117.48,100.000,' <<< "$csv" || { echo "the installed gyrant-calc printed: $csv"; exit 1; }
"$prefix/bin/gyrant-calc" --pdf "$root/report.pdf" "$example" > /dev/null
test -s "$root/report.pdf"

# The installed window: through the start (tip 3 and the warning), then quit with ctrl+q.
"$prefix/bin/gyrant" "$example" &
app=$!
window=$(shown "V8 Street Car.qrx")
for caption in "Help Tip:  Changing Inputs" "Help Tip:  EZ Build Wizard" "Help Tip: Loading Saved Specs" \
               "IMPORTANT:  Help" "Please Read"; do answer "$caption"; done
shot installed-window
quit "$window"

test -s "$XDG_CONFIG_HOME/gyrant/CRCNFG.QRX" || { echo "the settings did not reach the user's folder"; exit 1; }
test -s "$HOME/Documents/GyrantFiles/V8 Street Car.qrx" || { echo "the user's worksheet folder was not made"; exit 1; }
if find "$prefix" -name CRCNFG.QRX | grep -q .; then echo "settings were written into the installed program"; exit 1; fi

# The worksheet file type, by its first line and by its ending, as the desktop sees it.
if command -v update-mime-database > /dev/null && command -v gio > /dev/null; then
    export XDG_DATA_HOME="$root/share" XDG_DATA_DIRS="$root/share:/usr/share"
    install -D -m 644 -t "$XDG_DATA_HOME/mime/packages" "$prefix/share/mime/packages/gyrant.xml"
    update-mime-database "$XDG_DATA_HOME/mime"
    cp "$example" "$root/worksheet-without-ending"
    for file in "$root/worksheet-without-ending" "$example"; do
        type=$(gio info -a standard::content-type "$file" | awk '/standard::content-type/ {print $2}')
        [ "$type" = "application/x-gyrant-spec" ] || { echo "$file is seen as $type"; exit 1; }
    done
else
    echo "no desktop file type tools here; the file type was not checked"
fi
echo "installed programs, user folders and the worksheet file type checked"
