#!/bin/sh
# Installs the Debian packages the build needs (only those missing). Run as root on Debian 12.
set -eu
packages="g++ cmake ninja-build ccache pkg-config libgtest-dev libgmock-dev libbenchmark-dev libabsl-dev libcli11-dev libfmt-dev"
# The archive benchmarks compare against these serialisation libraries; the build skips them when absent.
packages="$packages libprotobuf-dev protobuf-compiler libflatbuffers-dev flatbuffers-compiler libcereal-dev"
if [ "${KELVARA_WITH_CLANG:-0}" = 1 ]; then
  packages="$packages clang libclang-rt-14-dev"
fi
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
fi
