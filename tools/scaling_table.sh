#!/usr/bin/env bash
# Prints how the time of one nimbrel-batch run grows with the number of
# captions, the button size and the anti-aliasing strength: each row is one
# run (BMP and GIF: optimal palette, Floyd-Steinberg, LZW) into a new folder,
# in processor time, less the same run with one caption (start-up: Qt, fonts, the style), given
# per button and per pixel; those stay flat while the growth is linear.
#   tools/scaling_table.sh [path/to/nimbrel-batch] [--jobs N]
# NIMBREL_BENCH_DIR names the folder to work in (default: a new one in /tmp).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$top/build/cli/nimbrel-batch}
shift || true
work=$(mktemp -d "${NIMBREL_BENCH_DIR:-/tmp}/nimbrel-scaling-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Fixed sizes go up to the window's limits (360 x 200); larger buttons grow
# around a larger caption, as in the window.
style() {  # width height anti-aliasing [font size: the size grows around the caption]
  local fixed=True size=10
  if [ -n "${4:-}" ]; then fixed=False size=$4; fi
  sed -e "s/^width=.*/width=$1/" -e "s/^height=.*/height=$2/" -e "s/^fixedWidth=.*/fixedWidth=$fixed/" \
      -e "s/^fixedHeight=.*/fixedHeight=$fixed/" -e "s/^fontAntiAlias=.*/fontAntiAlias=$3/" \
      -e "s/^fontSize=.*/fontSize=$size/" "$top/docs/readme-style.ini" > "$work/style.ini"
}

drawnSize() {  # the width and height of the first button drawn, from its BMP header
  od -An -t d4 -j 18 -N 8 "$work/out/page0.bmp" | awk '{ print $1, $2 }'
}

captions() {  # count
  { echo "count=$1"; for ((i = 0; i < $1; i++)); do echo "caption$i=Page $i"; echo "filename$i=page$i"; done; } \
    > "$work/captions.txt"
}

# On a shared machine the processor time (user + system, all threads) says more
# than the time on the clock, so that is what is measured.
run() {  # captions, then extra options; prints milliseconds of processor time
  local n=$1
  shift
  captions "$n"
  rm -rf "$work/out"
  local TIMEFORMAT="%3U %3S" spent
  spent=$({ time "$program" --no-settings --quiet --style "$work/style.ini" --captions "$work/captions.txt" \
    --out "$work/out" --format both --reduction 5 --dither 1 --compression lzw "$@" > /dev/null; } 2>&1)
  awk -v t="$spent" 'BEGIN { split(t, p, " "); printf "%d\n", (p[1] + p[2]) * 1000 }'
}

row() {  # captions width height anti-aliasing font-size-or-0, then extra options
  local n=$1 w=$2 h=$3 aa=$4 font=$5
  shift 5
  if [ "$font" = 0 ]; then style "$w" "$h" "$aa"; else style "$w" "$h" "$aa" "$font"; fi
  local one all
  one=$(run 1 "$@")
  all=$(run "$n" "$@")
  read -r w h < <(drawnSize)
  awk -v n="$n" -v w="$w" -v h="$h" -v aa="$aa" -v one="$one" -v all="$all" 'BEGIN {
    extra = n > 1 ? (all - one) / (n - 1) : 0
    printf "| %6d | %4d x %-4d | %d | %7d | %5d | %8.3f | %7.1f |\n", n, w, h, aa, all, one, extra, extra * 1e6 / (w * h) }'
}

echo "load: $(uptime | sed 's/.*load average: //')"
echo "| captions | size | AA | run ms | 1-caption ms | ms per further button | ns per pixel |"
echo "|---:|---|---:|---:|---:|---:|---:|"
for n in 10 100 1000 10000; do row "$n" 120 32 2 0 "$@"; done
row 100 360 200 2 0 "$@"
row 40 300 150 2 120 "$@"
row 20 300 150 2 330 "$@"
for aa in 0 1 2 3; do row 1000 120 32 "$aa" 0 "$@"; done
