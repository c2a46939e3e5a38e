#!/bin/sh
# Configures and builds into build/ (or $KELVARA_BUILD_DIR) with warnings as errors.
set -eu
cd "$(dirname "$0")/.."
dir="${KELVARA_BUILD_DIR:-build}"
cmake -G Ninja -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARA_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
