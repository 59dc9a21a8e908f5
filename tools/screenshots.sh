#!/usr/bin/env bash
# Takes the pictures of the main window in docs/ from a real window under Xvfb,
# in an empty application folder so they show the first-start values.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$top/build" -j2 --target nimbrel-screenshots
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
NIMBREL_HOME="$home" xvfb-run -a -s "-screen 0 1024x768x24" "$top/build/app/nimbrel-screenshots" "$top/docs"
