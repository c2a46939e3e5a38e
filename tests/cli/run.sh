#!/bin/sh
# Checks the kelvara tool end to end: the demo round trip, inspecting its file, and clean refusals
# (one line on stderr, exit code 2, no crash) of truncated, damaged and foreign files.
set -u
tool="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect_ok() {  # description, command...
  what="$1"; shift
  if ! "$@" > "$dir/out" 2> "$dir/err"; then fail "$what: exit $? ($(cat "$dir/err"))"; fi
}
expect_refused() {  # description, pattern the message must contain, command...
  what="$1"; pattern="$2"; shift 2
  "$@" > "$dir/out" 2> "$dir/err"; code=$?
  [ "$code" -eq 2 ] || fail "$what: exit code $code, expected 2"
  [ "$(wc -l < "$dir/err")" -eq 1 ] || fail "$what: expected one line on stderr, got: $(cat "$dir/err")"
  grep -q -- "$pattern" "$dir/err" || fail "$what: message lacks '$pattern': $(cat "$dir/err")"
}

expect_ok "--version" "$tool" --version
grep -q "^kelvara " "$dir/out" || fail "--version prints the name"
expect_ok "--help" "$tool" --help
grep -q "walk" "$dir/out" || fail "--help lists the commands"

expect_ok "demo" "$tool" demo "$dir/sample.kvp"
grep -q "DIFFERENT" "$dir/out" && fail "demo reports a difference"
grep -q "project file" "$dir/out" || fail "demo prints the project row"
expect_ok "info" "$tool" info "$dir/sample.kvp"
grep -q "file version 250" "$dir/out" || fail "info prints the file version"
# the demo holds some of every root kind the registry has
grep -E '^  [A-Za-z0-9]+ +0$' "$dir/out" && fail "the demo project leaves a root empty"
expect_ok "verify" "$tool" verify "$dir/sample.kvp"
expect_ok "walk" "$tool" walk "$dir/sample.kvp"
grep -q '"Project" at 32' "$dir/out" || fail "walk prints the Project record at offset 32"

# a demo with a bigger building: about the entities asked for, and still a sound round trip
expect_ok "demo --entities" "$tool" demo --entities 3000 "$dir/big.kvp"
grep -q "DIFFERENT" "$dir/out" && fail "demo --entities reports a difference"
expect_ok "info (bigger building)" "$tool" info "$dir/big.kvp"
made=$(sed -n 's/^  3D entities \([0-9]*\) .*/\1/p' "$dir/out")
[ "${made:-0}" -ge 2700 ] && [ "${made:-0}" -le 3300 ] || fail "demo --entities 3000 made ${made:-no} entities"

# the demo schedules: a finish, a critical path ending at it, every task listed
expect_ok "schedule" "$tool" schedule "$dir/sample.kvp"
grep -q "project start 2027-01-04 07:00" "$dir/out" || fail "schedule prints the project start"
grep -q "^critical path ([1-9]" "$dir/out" || fail "schedule prints a critical path"
grep -q "Practical completion.*critical" "$dir/out" || fail "the demo's last task is critical"

# the schema the tool prints is the checked-in one
expect_ok "schema" "$tool" schema
cmp -s "$dir/out" "$(dirname "$0")/../golden/schema.txt" || fail "kelvara schema differs from tests/golden/schema.txt"
# the golden project file is a valid project
expect_ok "verify golden project" "$tool" verify "$(dirname "$0")/../golden/layouts/project.kvp"

size=$(wc -c < "$dir/sample.kvp")
head -c 20 "$dir/sample.kvp" > "$dir/short.kvp"
expect_refused "truncated header" "header" "$tool" info "$dir/short.kvp"
head -c $((size - 1)) "$dir/sample.kvp" > "$dir/cut.kvp"
expect_refused "truncated content" "content bytes" "$tool" verify "$dir/cut.kvp"
# flip one byte of the content: the checksum must catch it
cp "$dir/sample.kvp" "$dir/flip.kvp"
printf '\377' | dd of="$dir/flip.kvp" bs=1 seek=$((size - 2)) conv=notrunc 2>/dev/null
expect_refused "damaged content" "checksum" "$tool" info "$dir/flip.kvp"
expect_refused "damaged content (walk)" "checksum" "$tool" walk "$dir/flip.kvp"
expect_refused "schedule a damaged file" "checksum" "$tool" schedule "$dir/flip.kvp"
head -c 4096 /dev/urandom > "$dir/garbage"
expect_refused "garbage" "offset" "$tool" walk "$dir/garbage"
expect_refused "garbage info" "magic" "$tool" info "$dir/garbage"
: > "$dir/empty"
expect_refused "empty file" "offset 0" "$tool" walk "$dir/empty"
expect_refused "missing file" "cannot open" "$tool" info "$dir/does-not-exist"
# a record that declares more bytes than the file holds
printf '{\004Link\377\377\377\177}' > "$dir/hostile"
expect_refused "hostile length" "offset 0" "$tool" walk "$dir/hostile"

[ "$failures" -eq 0 ] && echo "cli checks passed"
exit "$failures"
