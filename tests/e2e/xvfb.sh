# Sourced by the end-to-end scripts that show windows: starts a private Xvfb display for the
# script's lifetime and points the programs at it; with $window_manager set, also a window
# manager, so that focus and frames behave as on a desktop. Needs $root, a folder of the script's
# own, removed at the end with the display and the program $app, and $artifacts for screenshots;
# $screen_size (WIDTHxHEIGHT) sets the screen, 1024x768 when unset.
mkdir -p "$artifacts"
trap 'kill "${xvfb:-}" "${app:-}" 2>/dev/null || true; rm -rf "$root"' EXIT
exec 3< <(Xvfb -displayfd 1 -screen 0 "${screen_size:-1024x768}x24" -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 10 display <&3
export DISPLAY=":$display" XDG_RUNTIME_DIR="$root/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
[ -z "${window_manager:-}" ] || openbox --sm-disable --startup "touch $root/wm-ready" > /dev/null 2>&1 &
for _ in $(seq 50); do [ -z "${window_manager:-}" ] || [ -e "$root/wm-ready" ] && break; sleep 0.1; done

# The first window whose title matches, once it shows. A search that meets a window going away
# ends with an X error; it is tried again.
shown() {
    for _ in 1 2 3; do timeout 20 xdotool search --sync --onlyvisible --name "$1" 2> /dev/null | awk 'NR == 1' | grep . && return; done
}
# A screenshot of the screen once it has settled.
shot() { sleep 0.5; import -window root "$artifacts/$1.png"; }
# Answers the box titled $1 with Return once it has settled, after a screenshot named $2 (or
# last-box).
answer() { local box; box=$(shown "$1") && shot "${2:-last-box}" && xdotool windowfocus --sync "$box" key Return; }
# Waits up to five seconds for a command to succeed.
within_5s() { for _ in $(seq 50); do "$@" && return; sleep 0.1; done; return 1; }
# Quits the program $app with ctrl+q in its window $1 and waits for it to end.
quit() {
    xdotool windowfocus --sync "$1" key --clearmodifiers ctrl+q
    within_5s eval '! kill -0 "$app" 2> /dev/null' || { echo "gyrant did not end after ctrl+q"; exit 1; }
    wait "$app"
}
