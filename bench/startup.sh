#!/usr/bin/env bash
# Cold start of gyrant to its main window shown, against a bare Qt window program built beside
# it, side by side under Xvfb: wall time (hyperfine) and peak memory (GNU time).
# Usage: bench/startup.sh [BUILD_DIR]
set -euo pipefail
bin=$(cd "${1:-build}/bin" && pwd)
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
trap 'kill $xvfb' EXIT
read -r -t 10 display <&3
export DISPLAY=":$display" XDG_RUNTIME_DIR=$(mktemp -d) GYRANT_QUIT_WHEN_SHOWN=1
hyperfine --warmup 3 --runs 30 -N "$bin/bare_qt_window" "$bin/gyrant"
for program in bare_qt_window gyrant; do
    /usr/bin/time -f "$program peak memory: %M KiB" "$bin/$program"
done
