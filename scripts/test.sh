#!/usr/bin/env bash
# Installs what is missing, checks the format of every C++ file, builds Gyrant with every
# compiler warning an error, and runs every test: once in a normal build, once with
# AddressSanitizer and UndefinedBehaviorSanitizer (the windows too, offscreen or on a private
# display), and the fuzzers for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Every tracked C++ file as the committed .clang-format lays it out.
if ! report=$(git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror 2>&1); then
    echo "$report"
    echo "Format check failed: run clang-format -i on these files:" \
        "$(echo "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error:.*/\1/p' | sort -u | xargs)"
    exit 1
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGYRANT_WARNINGS_AS_ERRORS=ON
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGYRANT_SANITIZE=ON -DGYRANT_BENCHMARKS=OFF -DGYRANT_APP=ON \
    -DGYRANT_WARNINGS_AS_ERRORS=ON
cmake --build build-sanitize
# Memory that system libraries keep for the whole process is not ours to free; lsan.supp names
# each such library, so that every leak of Gyrant's own still fails its test.
LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

# Every reader of outside text, fuzzed for a short while with clang's libFuzzer.
GYRANT_WARNINGS_AS_ERRORS=ON bash fuzz/run.sh 10
