#!/usr/bin/env bash
# Sets up a new machine, builds Nimbrel with its tests and runs every test.
# --sanitize builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of its own. Both builds use the stricter warnings; with
# NIMBREL_WARNINGS_AS_ERRORS=ON in the environment (as .ci/run sets it) any
# warning fails the build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
warnings=(-DNIMBREL_STRICT_WARNINGS=ON -DNIMBREL_WARNINGS_AS_ERRORS="${NIMBREL_WARNINGS_AS_ERRORS:-OFF}")
options=(-DCMAKE_BUILD_TYPE=Release "${warnings[@]}")
if [ "${1:-}" = "--sanitize" ]; then
  build="$top/build-sanitize"
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIMBREL_SANITIZE=ON -DNIMBREL_BENCH=OFF "${warnings[@]}")
fi
"$top/tools/setup.sh"
cmake -S "$top" -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" -j2 --output-on-failure
