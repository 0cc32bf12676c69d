#!/usr/bin/env bash
# Installs what is missing, builds Gyrant, and starts it from the build tree, where its data
# files and the example worksheets (GyrantFiles/) lie beside it. Without a display it says how
# to run it under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec build/bin/gyrant
