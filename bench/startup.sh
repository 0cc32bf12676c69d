#!/usr/bin/env bash
# Cold start of gyrant to its main window's first paint, against a bare Qt window program built
# beside it and ended the same way, side by side under Xvfb: wall time (hyperfine), then the two
# taken in turns so that the load of a shared machine falls on both alike (median and fastest of
# each, and their ratios), and peak memory (GNU time).
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
bin=$(cd "${1:-build}/bin" && pwd)
runs=${2:-40}
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
trap 'kill $xvfb' EXIT
read -r -t 10 display <&3
export DISPLAY=":$display" XDG_RUNTIME_DIR=$(mktemp -d) GYRANT_QUIT_WHEN_SHOWN=1
hyperfine --warmup 3 --runs 30 -N "$bin/bare_qt_window" "$bin/gyrant"
python3 - "$bin" "$runs" <<'PY'
import statistics, subprocess, sys, time
bin, runs = sys.argv[1], int(sys.argv[2])
times = {"bare_qt_window": [], "gyrant": []}
for _ in range(runs):
    for program, taken in times.items():
        start = time.perf_counter()
        subprocess.run([f"{bin}/{program}"], check=True, stderr=subprocess.DEVNULL)
        taken.append((time.perf_counter() - start) * 1000)
for program, taken in times.items():
    print(f"{program}: median {statistics.median(taken):.1f} ms, fastest {min(taken):.1f} ms")
bare, gyrant = times["bare_qt_window"], times["gyrant"]
print(f"in turns, gyrant / bare: median {statistics.median(gyrant) / statistics.median(bare):.2f}, "
      f"fastest {min(gyrant) / min(bare):.2f}")
PY
for program in bare_qt_window gyrant; do
    /usr/bin/time -f "$program peak memory: %M KiB" "$bin/$program"
done
