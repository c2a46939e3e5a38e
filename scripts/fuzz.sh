#!/bin/sh
# Runs the fuzz targets from their committed seed corpora for a TOTAL number of seconds (default
# 120), split evenly over however many targets there are, at least 5 seconds each.
# Needs the build-asan tree of scripts/sanitize.sh.
set -eu
cd "$(dirname "$0")/.."
total="${1:-120}"
targets=$(find build-asan -maxdepth 1 -name '*_fuzzer' -type f -perm -u+x | sort)
count=$(echo "$targets" | grep -c . || true)
if [ "$count" -eq 0 ]; then
  echo "no fuzz targets in build-asan/ (run scripts/sanitize.sh first)"; exit 1
fi
seconds=$((total / count))
[ "$seconds" -ge 5 ] || seconds=5
echo "$count targets, $seconds s each"
status=0
for target in $targets; do
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
