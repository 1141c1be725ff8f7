#!/usr/bin/env bash
# about: the export tool's whole run (read, hook queries, write) against web-ifc's OpenModel on the same large file
# packages: cmake ninja-build g++ nodejs npm time
#
# Generates deterministic IFC4 and IFC2X3 models of about 1,000,000 instances (~90 MB each) into
# build/bench, then, for each, runs ifcapi-export (Release build) with the example add-on on it and
# web-ifc's OpenModel in turn, three pairs, each in its own process, and prints each pair's
# wall-clock, processor-time and peak-memory ratios, then OpenModel with every line read; the goals
# (the tool at least 3x OpenModel's speed, its peak at most the input size plus 64 MB) are judged on
# each model's worst pair.
# Not part of scripts/test.sh; it takes about four minutes on two cores once the build is there.
#   benchmarks/exporter/run.sh [INSTANCES] [--schema IFC4|IFC2X3]
set -euo pipefail
cd "$(dirname "$0")/../.."

usage() {
  cat <<'USAGE'
Usage: benchmarks/exporter/run.sh [INSTANCES] [--schema IFC4|IFC2X3] [--help]

Generates an IFC4 and an IFC2X3 model of INSTANCES instances each (default 1000000, about 90 MB) in
build/bench, then for each measures ifcapi-export with the example add-on on it against web-ifc's
OpenModel, run in turn, three pairs: each pair's seconds, peak memory and ratios, with the goals.
Installs what is missing first.

  --schema S   measure the model of schema S only (IFC4 or IFC2X3)
  --help       print this text and exit
USAGE
}

fail_usage() {
  echo "benchmarks/exporter/run.sh: $1" >&2
  usage >&2
  exit 2
}

instances=1000000
schemas=(IFC4 IFC2X3)
while [[ $# -gt 0 ]]; do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    --schema)
      [[ $# -ge 2 && ($2 == IFC4 || $2 == IFC2X3) ]] || fail_usage "--schema takes IFC4 or IFC2X3"
      schemas=("$2")
      shift ;;
    *[!0-9]*|'') fail_usage "unknown argument '$1'" ;;
    *) instances=$1 ;;
  esac
  shift
done

scripts/install-dependencies.sh benchmarks/exporter/run.sh
source scripts/lib/build-progress.sh
build=build/bench
mkdir -p "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DIFCAPI_BUILD_TESTS=OFF -DIFCAPI_BUILD_BENCHMARKS=ON \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache \
  >/dev/null
run_with_progress cmake --build "$build" --target ifcapi-export example_addon ifc_read_throughput -- -j2
cmake -DNPM="$(command -v npm)" -DSOURCE=tests/external-readers -DTARGET="$build/npm" -P tests/external-readers/RunNpmCi.cmake >/dev/null

tool=$(find "$build" -name ifcapi-export -type f -perm -u+x | head -n 1)
addon=$(find "$build" -name 'libexample_addon.so' | head -n 1)
reader=$(find "$build" -name ifc_read_throughput -type f -perm -u+x | head -n 1)
export NODE_PATH=$build/npm/node_modules

# Elapsed seconds, processor seconds (user + system) and peak resident set (KB) of a command.
measure() {
  local report=$1
  shift
  /usr/bin/time -f '%e %U %S %M' -o "$report" "$@"
}

run_tool() {
  measure "$build/tool.time" "$tool" --addon "$addon" "$model" "$output" >"$build/tool.out" 2>"$build/tool.err" || {
    echo "ifcapi-export failed:" >&2
    cat "$build/tool.err" >&2
    exit 1
  }
}

field() { sed "s/.*\"$1\":\([0-9.e-]*\).*/\1/" "$2"; }

# The tool and OpenModel run in turn, pair after pair, so that other work on the machine weighs on both
# alike; each pair gives its own ratios, and the goals are judged on the worst pair.
bench_schema() {
  local schema=$1
  model=$build/model-$schema-$instances.ifc
  output=$build/model-$schema-$instances-export.ifc
  if [[ ! -f $model ]]; then node benchmarks/exporter/generate-model.js "$model" "$instances" "$schema"; fi
  local bytes pairs=3 pairs_file=$build/pairs-$schema.txt
  bytes=$(stat -L -c %s "$model")
  printf "\n%s input: %.1f MB (load average %s on %d cores)\n\n" "$schema" \
    "$(awk -v b="$bytes" 'BEGIN { print b / 1e6 }')" "$(cut -d' ' -f1 /proc/loadavg)" "$(nproc)"
  printf "%-5s %11s %11s %10s %10s %12s %12s %10s %10s %10s\n" pair "tool wall s" "open wall s" "tool cpu s" \
    "open cpu s" "tool peak MB" "open peak MB" "wall ratio" "cpu ratio" "peak ratio"
  : >"$pairs_file"
  for pair in $(seq 1 "$pairs"); do
    run_tool
    measure "$build/open.time" node benchmarks/exporter/open-model.js "$model" >"$build/open.json"
    read -r tool_seconds tool_user tool_system tool_kb <"$build/tool.time"
    read -r _ _ _ open_kb <"$build/open.time"
    open_seconds=$(field seconds "$build/open.json")
    open_cpu=$(field cpuSeconds "$build/open.json")
    awk -v p="$pair" -v ts="$tool_seconds" -v os="$open_seconds" -v tc="$tool_user $tool_system" -v oc="$open_cpu" \
      -v tk="$tool_kb" -v ok="$open_kb" 'BEGIN {
      split(tc, t, " "); tc = t[1] + t[2]
      printf "%-5d %11.2f %11.2f %10.2f %10.2f %12.1f %12.1f %9.1fx %9.1fx %9.1fx\n", p, ts, os, tc, oc, tk / 1024,
        ok / 1024, os / ts, oc / tc, ok / tk
    }' | tee -a "$pairs_file"
  done
  measure "$build/lines.time" node benchmarks/exporter/open-model.js --every-line "$model" >"$build/lines.json"
  read -r _ _ _ lines_kb <"$build/lines.time"
  printf "\nweb-ifc OpenModel with every line read: %.2f s, peak %.1f MB\n" "$(field seconds "$build/lines.json")" \
    "$(awk -v k="$lines_kb" 'BEGIN { print k / 1024 }')"

  # The reading pass alone, and the whole run asking about no element (an absent GlobalId): the copy.
  "$reader" "$model" >"$build/read.json"
  # The copy's median of five runs: one run swings with the system time the page cache costs.
  local read_cpu copy_cpu copies=()
  for _ in 1 2 3 4 5; do
    measure "$build/copy.time" "$tool" --quiet --addon "$addon" --only 0000000000000000000000 "$model" "$output" \
      2>/dev/null
    read -r _ copy_user copy_system _ <"$build/copy.time"
    copies+=("$(awk -v u="$copy_user" -v s="$copy_system" 'BEGIN { print u + s }')")
  done
  read_cpu=$(field cpuSeconds "$build/read.json")
  copy_cpu=$(printf '%s\n' "${copies[@]}" | sort -g | sed -n 3p)
  printf "reading pass alone: %.2f s of processor time, %.0f MB/s\n" "$read_cpu" \
    "$(awk -v b="$bytes" -v c="$read_cpu" 'BEGIN { print b / 1e6 / c }')"
  printf "unchanged copy (read, nothing asked, write; median of five): %.2f s of processor time, %.0f MB/s\n" "$copy_cpu" \
    "$(awk -v b="$bytes" -v c="$copy_cpu" 'BEGIN { print b / 1e6 / c }')"
  # What the queries add to the copy (the hook queries, the add-on's look-ups, the merge), by the last
  # pair's run: per element asked and per property value contributed.
  local elements values
  elements=$(sed -n 's/.* \([0-9]*\) elements asked.*/\1/p' "$build/tool.out")
  values=$(sed -n 's/^contributed: \([0-9]*\) property values.*/\1/p' "$build/tool.out")
  awk -v u="$tool_user" -v s="$tool_system" -v c="$copy_cpu" -v e="$elements" -v v="$values" 'BEGIN {
    q = u + s - c
    printf "queries, look-ups and merge: %.2f s of processor time for %d elements asked and %d property values: %.2f us per element, %.2f us per value\n", q, e, v, q / e * 1e6, q / v * 1e6
  }'

  awk -v bytes="$bytes" -v schema="$schema" -v read_cpu="$read_cpu" -v copy_cpu="$copy_cpu" '
    { cpu[NR] = $9 + 0; tool_mb[NR] = $6 + 0 }
    END {
      low = cpu[1]; high = cpu[1]; top = tool_mb[1]
      for (i = 2; i <= NR; i++) {
        if (cpu[i] < low) low = cpu[i]
        if (cpu[i] > high) high = cpu[i]
        if (tool_mb[i] > top) top = tool_mb[i]
      }
      limit = bytes / 1048576 + 64
      read_rate = bytes / 1e6 / read_cpu; copy_rate = bytes / 1e6 / copy_cpu
      printf "%s goal: >= 3x OpenModel by processor time, every pair: %.1fx to %.1fx  %s\n", schema, low, high,
        (low >= 3 ? "met" : "NOT met")
      printf "%s goal: peak <= input + 64 MB (%.1f MB): at most %.1f MB  %s\n", schema, limit, top,
        (top <= limit ? "met" : "NOT met")
      printf "%s goal: reading pass >= 500 MB per processor-second: %.0f MB/s  %s\n", schema, read_rate,
        (read_rate >= 500 ? "met" : "NOT met")
      printf "%s goal: unchanged copy >= 500 MB per processor-second: %.0f MB/s  %s\n", schema, copy_rate,
        (copy_rate >= 500 ? "met" : "NOT met")
    }' "$pairs_file"
}

for schema in "${schemas[@]}"; do
  bench_schema "$schema"
done
