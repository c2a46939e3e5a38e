#!/bin/sh
# Runs each fuzz target for a bounded time (seconds, default 30) on its committed seed corpus.
# Needs the build-asan tree of scripts/sanitize.sh.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-30}"
status=0
for target in build-asan/*_fuzzer; do
  name=$(basename "$target")
  corpus="build-asan/corpus/$name"
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/"$name"/* "$corpus"/ 2>/dev/null || true
  echo "== $name ($seconds s)"
  if ! "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
       -artifact_prefix="build-asan/$name-" "$corpus" > "build-asan/$name.log" 2>&1; then
    echo "$name found a problem:"; tail -40 "build-asan/$name.log"; status=1
  else
    grep -E "^#[0-9]+.*DONE|Done [0-9]+ runs" "build-asan/$name.log" | tail -1
  fi
done
exit $status
