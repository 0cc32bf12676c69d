#!/usr/bin/env bash
# Installs what is missing, builds Gyrant, and runs every test: once in a normal build, once
# with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGYRANT_SANITIZE=ON -DGYRANT_BENCHMARKS=OFF -DGYRANT_APP=OFF
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

# Every reader of outside text, fuzzed for a short while with clang's libFuzzer.
bash fuzz/run.sh 10
