#!/usr/bin/env bash
# Draws one button in each example style of dist/styles/ with nimbrel-batch and
# saves it as docs/styles/<style>.png for the README. The styles are drawn from
# a Styles folder of their own, as a first start of the window lays them out.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$top/build}"
cmake --build "$build" -j2 --target nimbrel-batch nimbrel_bmp_to_png
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Styles" "$top/docs/styles"
cp "$top"/dist/styles/* "$home/Styles/"

# The caption each picture shows.
declare -A captions=(
  [classic-raised]="Home"
  [classic-pressed]="Home"
  [flat-web]="Downloads"
  [badge-88x31]="Made here"
  [rounded-corners]="Contact us"
  [glossy]="Sign up"
  [large-title]="Nimbrel"
)
for style in "$home"/Styles/*.ini; do
  name=$(basename "$style" .ini)
  caption=${captions[$name]:-$name}
  NIMBREL_HOME="$home" "$build/cli/nimbrel-batch" --no-settings --quiet --style "$style" \
    --format bmp --out "$home/out" -- "$caption" >/dev/null
  bmp=$(ls -t "$home"/out/*.bmp | head -1)
  "$build/tools/nimbrel_bmp_to_png" "$bmp" "$top/docs/styles/$name.png"
  rm -f "$home"/out/*
  echo "docs/styles/$name.png"
done
