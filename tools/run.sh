#!/usr/bin/env bash
# Sets up a new machine, builds Nimbrel and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNIMBREL_TESTS=OFF -DNIMBREL_BENCH=OFF >/dev/null
cmake --build "$top/build" -j2 --target nimbrel
exec "$top/build/app/nimbrel" "$@"
