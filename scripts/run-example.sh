#!/usr/bin/env bash
# Installs what is missing, builds Gyrant, and recalculates the example worksheet that compares
# a rear-drive V8 car with the same car on lighter wheels, tires and driveshaft.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
build/bin/gyrant-calc "build/bin/GyrantFiles/V8 Street Car.qrx"
