# Sourced by the end-to-end scripts: starts a private Xvfb display for the script's lifetime and
# points the programs at it; with $window_manager set, also a window manager, so that focus and
# frames behave as on a desktop. Needs $root, a folder of the script's own.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 10 display <&3
export DISPLAY=":$display" XDG_RUNTIME_DIR="$root/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
[ -z "${window_manager:-}" ] || openbox --sm-disable --startup "touch $root/wm-ready" > /dev/null 2>&1 &
for _ in $(seq 50); do [ -z "${window_manager:-}" ] || [ -e "$root/wm-ready" ] && break; sleep 0.1; done
