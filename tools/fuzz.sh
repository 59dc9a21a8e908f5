#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while from its seed
# corpus in fuzz/corpus/<target>/. Inputs the fuzzer finds on the way go into a
# scratch folder, so the seeds in the repository stay as they are; a finding
# (a crash, a leak, an allocation over the limit) fails the run and leaves its
# input in build-fuzz/findings/.
#   tools/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]      (default 30 s, every target)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
seconds=${1:-30}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=()
  for dir in "$top"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

"$top/tools/setup.sh"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNIMBREL_FUZZ=ON -DNIMBREL_TESTS=OFF -DNIMBREL_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

mkdir -p "$build/findings"
for target in "${targets[@]}"; do
  scratch="$build/corpus/$target"
  mkdir -p "$scratch"
  echo "== $target: $seconds s"
  log="$build/findings/$target.log"
  # One allocation may be as large as the biggest legal image (256 MB), not more.
  status=0
  QT_QPA_PLATFORM=offscreen "$build/fuzz/$target" "$scratch" "$top/fuzz/corpus/$target" \
    -max_total_time="$seconds" -malloc_limit_mb=300 -rss_limit_mb=2048 -timeout=20 \
    -artifact_prefix="$build/findings/$target-" -print_final_stats=1 >"$log" 2>&1 || status=$?
  grep -E "^stat::(number_of_executed_units|peak_rss_mb)|Done [0-9]+ runs" "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "Finding of $target (exit $status): see $log and $build/findings/" >&2
    exit 1
  fi
done
echo "== No findings"
