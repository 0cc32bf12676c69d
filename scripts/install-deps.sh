#!/usr/bin/env bash
# Installs the Debian packages Gyrant needs to build, test and run, skipping those already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config python3 clang-format
    qt6-base-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    hyperfine xvfb xauth openbox xdotool imagemagick poppler-utils fonts-dejavu-core fonts-dejavu-extra
    fonts-liberation
    shared-mime-info libglib2.0-bin dpkg-dev clang libclang-rt-14-dev valgrind
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

run_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

echo "Installing: ${missing[*]}"
run_as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive run_as_root apt-get install -y --no-install-recommends "${missing[@]}"
