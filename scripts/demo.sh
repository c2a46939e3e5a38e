#!/bin/sh
# The main job: install what is missing, build, and run the demo (sample project round trip).
set -eu
cd "$(dirname "$0")/.."
sh scripts/bootstrap.sh
sh scripts/build.sh
build/kelvara demo build/sample.kvp
build/kelvara info build/sample.kvp
build/kelvara verify build/sample.kvp
