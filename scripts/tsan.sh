#!/bin/sh
# Builds the library and the tests of concurrent readers with clang under ThreadSanitizer (into
# build-tsan/, no benchmarks or fuzz targets) and runs them. Any data race fails the run.
set -eu
cd "$(dirname "$0")/.."
KELVARA_WITH_CLANG=1 sh scripts/bootstrap.sh
. scripts/ccache-env.sh
CXX=clang++ cmake -G Ninja -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARA_TSAN=ON -DKELVARA_BENCH=OFF \
  -DKELVARA_WERROR="${KELVARA_WERROR:-OFF}" >/dev/null
cmake --build build-tsan -j "$(nproc)" --target kelvara_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
  build-tsan/kelvara_tests --gtest_filter="${KELVARA_TSAN_FILTER:-ConcurrentReaders.*}"
