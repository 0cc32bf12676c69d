#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while on seeds made from the shipped
# files. Usage: fuzz/run.sh [SECONDS_PER_TARGET] (default 10); GYRANT_WARNINGS_AS_ERRORS=ON in the
# environment stops the build at the first warning.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
build=build-fuzz
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGYRANT_FUZZ=ON \
    -DGYRANT_WARNINGS_AS_ERRORS="${GYRANT_WARNINGS_AS_ERRORS:-OFF}" > /dev/null
cmake --build "$build"

corpus="$build/corpus"
seed() {  # seed TARGET FILE...
    local target=$1
    shift
    mkdir -p "$corpus/$target"
    cp "$@" "$corpus/$target/"
}
seed spec_file data/GyrantFiles/*.qrx
{ cat "data/GyrantFiles/V8 Street Car.qrx"
  printf '[Gyrant]\r\nrun.power=350@5500\r\nrun.torque=380@4000\r\nrun.grip=1.4\r\n'; } > "$build/slip-seed"
{ cat "data/GyrantFiles/Motorcycle.qrx"
  printf '[Gyrant]\r\nrun.torque-curve=3000:40, 8000:60, 11000:50\r\nrun.shift=11500\r\n'; } > "$build/slip-curve-seed"
seed time_slip "$build/slip-seed" "$build/slip-curve-seed"
printf ' 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n/usr/bin/firefox\r\n 1 \r\n\r\n' > "$build/settings-seed"
seed settings "$build/settings-seed"
printf "%s/data/GyrantFiles/V8 Street Car.qrx\n/dev/zero\n\nrelative\n" "$PWD" > "$build/recent-seed"
seed recent_files "$build/recent-seed"
seed row_definitions data/GyrantTEXT/helpi.txt
seed menu_definition data/CALC/*.CLC
# A record beyond any vehicle's weight once reached an integer conversion.
{ head -n 8 data/CALC/vehweight.txt; printf '70\r\nChevrolet\r\nCamaro\r\nZ28\r\n1e300\r\n40\r\n-1\r\n'; } > "$build/heavy-seed"
seed vehicle_weights data/CALC/vehweight.txt "$build/heavy-seed"
seed transmissions data/CALC/trans
seed help_text data/GyrantTEXT/help*[0-9].txt data/GyrantTEXT/WARNING.TXT
printf '2.52, 1.52, 1.00\r\n' > "$build/gears-seed"
seed gear_list "$build/gears-seed"
printf '120\n-300\n11580\n8420\n' > "$build/window-seed"
seed window_place "$build/window-seed"
mkdir -p "$corpus/cell_text"
# The last cell once overflowed a signed integer while its size was judged.
for cell in "3.73" "  -12.5e3x" "Steel                     1" "1e999" ".005" "4 Wheel, Rear Drive                               0" \
    "9999999999999999999999999999999999999999999999999999e9223372036854775807"; do
    printf '%s' "$cell" > "$corpus/cell_text/$(printf '%s' "$cell" | md5sum | cut -c1-8)"
done

faults="$build/faults"
rm -rf "$faults"
mkdir -p "$faults"
for target in spec_file settings recent_files row_definitions menu_definition vehicle_weights transmissions help_text cell_text \
    gear_list window_place time_slip; do
    if ! "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$faults/$target-" "$corpus/$target" > "$build/$target.log" 2>&1; then
        tail -n 40 "$build/$target.log"
        echo "the $target fuzzer found a fault: $(ls "$faults")"
        exit 1
    fi
    echo "$target: $(awk '/stat::number_of_executed_units/ {print $2}' "$build/$target.log") runs, no fault"
done
