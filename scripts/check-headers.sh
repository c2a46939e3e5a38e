#!/bin/sh
# Compiles every public header under include/kelvara/ on its own, so none relies on what an
# including file happened to include before it. Lists the headers that fail; exits 1 if any.
# The compiler is $CXX (default c++); two headers at a time.
set -eu
cd "$(dirname "$0")/.."
cxx="${CXX:-c++}"
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
export cxx log
find include/kelvara -name '*.h' | sort | xargs -P 2 -I{} sh -c '
  out="$log/$(echo "$1" | tr / _).err"
  "$cxx" -std=c++20 -fsyntax-only -Iinclude -x c++ "$1" 2> "$out" || echo "$1" >> "$out.failed"
  [ -f "$out.failed" ] || rm -f "$out"
' sh {}
failed=$(find "$log" -name '*.failed' | wc -l)
if [ "$failed" -ne 0 ]; then
  for f in $(find "$log" -name '*.failed' | sort); do
    echo "$(cat "$f") does not compile on its own:"
    grep -m 3 'error' "${f%.failed}" | sed 's/^/    /'
  done
  echo "$failed header(s) do not compile on their own"
  exit 1
fi
echo "all $(find include/kelvara -name '*.h' | wc -l) headers compile on their own"
