#!/bin/sh
# Configures and builds into build/ (or $KELVARA_BUILD_DIR), RelWithDebInfo unless
# $KELVARA_BUILD_TYPE says otherwise. Warnings are errors only with KELVARA_WERROR=ON (CI sets it).
set -eu
cd "$(dirname "$0")/.."
. scripts/ccache-env.sh
dir="${KELVARA_BUILD_DIR:-build}"
cmake -G Ninja -S . -B "$dir" -DCMAKE_BUILD_TYPE="${KELVARA_BUILD_TYPE:-RelWithDebInfo}" \
  -DKELVARA_WERROR="${KELVARA_WERROR:-OFF}" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
