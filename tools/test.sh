#!/usr/bin/env bash
# Sets up a new machine, builds Nimbrel with its tests and runs every test.
# --sanitize builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of its own.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
options=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  build="$top/build-sanitize"
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIMBREL_SANITIZE=ON -DNIMBREL_BENCH=OFF)
fi
"$top/tools/setup.sh"
cmake -S "$top" -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" -j2 --output-on-failure
