#!/usr/bin/env bash
# Builds the benchmark programs (g++ build, optimised) and runs every one of them, quick by default.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  cat <<'USAGE'
Usage: scripts/benchmark.sh [--full] [--] [GOOGLE BENCHMARK FLAGS...]

Builds the benchmarks of the dev preset and runs each program in turn, pinned to one core when
`taskset` is there. Each program prints Google Benchmark's table, then a summary of ratios.

  --full   the real measurement: every size, longer minimum times, three repetitions (a few
           minutes); without it each program runs a quick pass (about half a minute each)
  --help   print this text and exit

Flags after `--` go to every program, e.g. `-- --benchmark_filter=find_hit --benchmark_color=false`
or `-- --benchmark_format=json --benchmark_out=results.json` (a later program overwrites the file;
run one program by hand to keep its output). docs/benchmarks.md says how to read the figures. The
export tool's end-to-end benchmark is separate: benchmarks/exporter/run.sh.
USAGE
}

mode=(--quick)
passed=()
while (($# > 0)); do
  case "$1" in
    --full) mode=(); shift ;;
    -h|--help) usage; exit 0 ;;
    --) shift; passed=("$@"); break ;;
    *) echo "scripts/benchmark.sh: unknown argument '$1'" >&2; usage >&2; exit 2 ;;
  esac
done

# The benchmarks need Google Benchmark and the peers they compare with, which the dev stage names.
scripts/install-dependencies.sh scripts/stages/10-dev.sh
programs=(benchmarks/allocation/allocation_benchmark benchmarks/foundation/hash_container_benchmark
  benchmarks/hooks/hooks_benchmark benchmarks/ifc/schema/schema_benchmark)
cmake --preset dev >/dev/null
targets=()
for program in "${programs[@]}"; do targets+=(--target "$(basename "$program")"); done
cmake --build --preset dev "${targets[@]}" -- -j"$(nproc)"

pin=()
if command -v taskset >/dev/null; then pin=(taskset -c 1); fi
for program in "${programs[@]}"; do
  echo "=== $(basename "$program")"
  start=$SECONDS
  "${pin[@]}" "build/dev/$program" "${mode[@]}" "${passed[@]}"
  echo "=== $(basename "$program"): $((SECONDS - start)) s"
done
