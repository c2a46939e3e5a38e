#!/bin/sh
# Builds with clang under AddressSanitizer + UndefinedBehaviorSanitizer (with the fuzz targets) and
# runs the test suite there.
set -eu
cd "$(dirname "$0")/.."
KELVARA_WITH_CLANG=1 sh scripts/bootstrap.sh
. scripts/ccache-env.sh
CXX=clang++ cmake -G Ninja -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARA_SANITIZE=ON -DKELVARA_FUZZ=ON \
  -DKELVARA_BENCH=OFF -DKELVARA_WERROR="${KELVARA_WERROR:-OFF}" >/dev/null
cmake --build build-asan -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
