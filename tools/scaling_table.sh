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

style() {  # width height anti-aliasing
  sed -e "s/^width=.*/width=$1/" -e "s/^height=.*/height=$2/" -e "s/^fixedWidth=.*/fixedWidth=True/" \
      -e "s/^fontAntiAlias=.*/fontAntiAlias=$3/" -e "s/^fontSize=.*/fontSize=10/" \
      "$top/docs/readme-style.ini" > "$work/style.ini"
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

row() {  # captions width height anti-aliasing, then extra options
  local n=$1 w=$2 h=$3 aa=$4
  shift 4
  style "$w" "$h" "$aa"
  local one all
  one=$(run 1 "$@")
  all=$(run "$n" "$@")
  awk -v n="$n" -v w="$w" -v h="$h" -v aa="$aa" -v one="$one" -v all="$all" 'BEGIN {
    extra = n > 1 ? (all - one) / (n - 1) : 0
    printf "| %6d | %4d x %-4d | %d | %7d | %5d | %8.3f | %7.1f |\n", n, w, h, aa, all, one, extra, extra * 1e6 / (w * h) }'
}

echo "load: $(uptime | sed 's/.*load average: //')"
echo "| captions | size | AA | run ms | 1-caption ms | ms per further button | ns per pixel |"
echo "|---:|---|---:|---:|---:|---:|---:|"
for n in 10 100 1000 10000; do row "$n" 120 32 2 "$@"; done
row 100 400 100 2 "$@"
row 40 1000 500 2 "$@"
row 20 2000 1000 2 "$@"
for aa in 0 1 2 3; do row 1000 120 32 "$aa" "$@"; done
