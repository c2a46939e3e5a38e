#!/usr/bin/env bash
# Checks the include direction: platform -> base -> framework -> subsystems (schedule, model3d, ...)
# -> document -> scheduling (the engine over a document) -> tools. A file includes only project headers of its own layer or below it;
# subsystems may include each other. Also checks that the precompiled header holds no project
# header above platform, which would hide a missing include. Lists every violation; exits 1 if
# there is one.
set -u
cd "$(dirname "$0")/.."

layer_of() {  # a file path, or include/<include path> -> layer name
  case "$1" in
    platform/*|include/kelvara/platform/*) echo platform ;;
    base/*|include/kelvara/base/*) echo base ;;
    framework/*|include/kelvara/framework/*) echo framework ;;
    document/*|include/kelvara/document/*) echo document ;;
    scheduling/*|include/kelvara/scheduling/*) echo scheduling ;;
    tools/*) echo tools ;;
    cmake/*|tests/*|bench/*|fuzz/*|scripts/*|examples/*) echo outside ;;
    include/kelvara/*/*) echo "sub:$(echo "$1" | cut -d/ -f3)" ;;
    */*) echo "sub:$(echo "$1" | cut -d/ -f1)" ;;
    *) echo outside ;;
  esac
}
rank() {
  case "$1" in
    platform) echo 0 ;; base) echo 1 ;; framework) echo 2 ;; sub:*) echo 3 ;; document) echo 4 ;; scheduling) echo 5 ;; tools) echo 6 ;;
    *) echo 9 ;;
  esac
}

bad=0
seen=0
while IFS= read -r f; do
  from=$(layer_of "$f")
  [ "$from" = outside ] && continue
  rf=$(rank "$from")
  while IFS= read -r inc; do
    seen=$((seen + 1))
    to=$(layer_of "include/$inc")
    [ "$to" = outside ] && continue
    if [ "$(rank "$to")" -gt "$rf" ]; then
      echo "$f includes $inc ($from -> $to)"
      bad=$((bad + 1))
    fi
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*["<](kelvara\/[^">]+)[">].*/\1/p' "$f")
done < <(git ls-files '*.h' '*.hpp' '*.cpp' '*.cc')

# The precompiled header is read before every file of a target: a project header in it (above the
# lowest layer) would let a file compile without including what it uses.
while IFS= read -r inc; do
  case "$inc" in
    kelvara/platform/*) ;;
    *) echo "cmake/pch.h includes $inc (only standard and platform headers belong there)"; bad=$((bad + 1)) ;;
  esac
done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' cmake/pch.h)

if [ "$bad" -ne 0 ]; then
  echo "$bad include(s) against the layers"
  exit 1
fi
echo "layers hold over $seen project includes"
