#!/usr/bin/env bash
# Runs every libFuzzer target of fuzz/ for a bounded time, starting from its committed seeds, and
# fails on the first finding (the input is left in build/asan/fuzz/findings/). The targets are built
# in the sanitizer tree (preset asan), which the caller builds first.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]      (default: 20 s each, every target)
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(containers values text step ids)
usage() {
  cat <<USAGE
Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...] [--help]

Runs each libFuzzer target for SECONDS_PER_TARGET seconds (default 20) from its committed seeds, and
stops at the first finding, whose input is left in build/asan/fuzz/findings/. Build the asan preset
first (scripts/test.sh --only asan does).

  TARGET   one of: ${all_targets[*]} (default: all)
  --help   print this text and exit
USAGE
}

seconds=20
targets=()
first=yes
while (($# > 0)); do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    *)
      if [[ $1 =~ ^[0-9]+$ && $first == yes ]]; then
        seconds=$1
      elif [[ " ${all_targets[*]} " == *" $1 "* ]]; then
        targets+=("$1")
      else
        echo "scripts/fuzz.sh: unknown argument '$1'" >&2; usage >&2; exit 2
      fi
      first=no
      shift ;;
  esac
done
if ((${#targets[@]} == 0)); then targets=("${all_targets[@]}"); fi

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
