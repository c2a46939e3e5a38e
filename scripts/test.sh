#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite.
set -eu
cd "$(dirname "$0")/.."
sh scripts/bootstrap.sh
sh scripts/build.sh
ctest --test-dir "${KELVARA_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
