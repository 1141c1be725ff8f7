#!/usr/bin/env bash
# Runs every libFuzzer target of fuzz/ for a bounded time, starting from its committed seeds, and
# fails on the first finding (the input is left in build/asan/fuzz/findings/). The targets are built
# in the sanitizer tree (preset asan), which the caller builds first.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]      (default: 20 s each, every target)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then targets=(containers values text step); fi

out=build/asan/fuzz
mkdir -p "$out/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for target in "${targets[@]}"; do
  work="$out/work-$target"  # new inputs go here; the committed seeds stay as they are
  mkdir -p "$work"
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$out/findings/$target-")
  if [[ -f fuzz/$target.dict ]]; then options+=(-dict="fuzz/$target.dict"); fi
  log="$out/$target.log"
  if ! "$out/${target}_fuzz" "${options[@]}" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $target found a fault; the input is in $out/findings/"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $target ran ${runs:-?} inputs in ${seconds} s without a finding"
done
