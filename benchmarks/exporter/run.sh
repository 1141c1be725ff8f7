#!/usr/bin/env bash
# about: the export tool's whole run (read, hook queries, write) against web-ifc's OpenModel on the same large file
# packages: cmake ninja-build g++ nodejs npm time
#
# Generates a deterministic IFC4 model of about 1,000,000 instances (~90 MB) into build/bench, runs
# ifcapi-export (Release build) with the example add-on on it, then web-ifc's OpenModel alone and with
# every line read, each in its own process, and prints MB/s and peak memory side by side with the
# goals: the tool at least 3x OpenModel's throughput, its peak at most the input size plus 64 MB.
# Not part of scripts/test.sh; it takes about a minute on two cores once the build is there.
#   benchmarks/exporter/run.sh [INSTANCES]
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-dependencies.sh benchmarks/exporter/run.sh

instances=${1:-1000000}
build=build/bench
mkdir -p "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DIFCAPI_BUILD_TESTS=OFF -DIFCAPI_BUILD_BENCHMARKS=OFF \
  >/dev/null
cmake --build "$build" --target ifcapi-export example_addon -- -j2 >/dev/null
cmake -DNPM="$(command -v npm)" -DSOURCE=tests/ifc -DTARGET="$build/npm" -P tests/ifc/RunNpmCi.cmake >/dev/null

model=$build/model-$instances.ifc
if [[ ! -f $model ]]; then node benchmarks/exporter/generate-model.js "$model" "$instances"; fi
tool=$(find "$build" -name ifcapi-export -type f -perm -u+x | head -n 1)
addon=$(find "$build" -name 'libexample_addon.so' | head -n 1)
output=$build/model-$instances-export.ifc

# Elapsed seconds, processor seconds (user + system) and peak resident set (KB) of a command.
measure() {
  local report=$1
  shift
  /usr/bin/time -f '%e %U %S %M' -o "$report" "$@"
}

measure "$build/tool.time" "$tool" --addon "$addon" "$model" "$output" >"$build/tool.out" 2>"$build/tool.err" || {
  echo "ifcapi-export failed:" >&2
  cat "$build/tool.err" >&2
  exit 1
}
export NODE_PATH=$build/npm/node_modules
measure "$build/open.time" node benchmarks/exporter/open-model.js "$model" >"$build/open.json"
measure "$build/lines.time" node benchmarks/exporter/open-model.js --every-line "$model" >"$build/lines.json"

field() { sed "s/.*\"$1\":\([0-9.e-]*\).*/\1/" "$2"; }
bytes=$(stat -c %s "$model")
count=$(field lines "$build/lines.json")
read -r tool_seconds tool_user tool_system tool_kb <"$build/tool.time"
read -r _ _ _ open_kb <"$build/open.time"
read -r _ _ _ lines_kb <"$build/lines.time"

# Wall clock figures suffer when other work shares the machine; processor time much less so, and the
# goal is judged on both.
awk -v bytes="$bytes" -v count="$count" -v load="$(cut -d' ' -f1 /proc/loadavg)" -v cores="$(nproc)" \
  -v ts="$tool_seconds" -v tc="$(echo "$tool_user $tool_system" | awk '{print $1 + $2}')" -v tk="$tool_kb" \
  -v os="$(field seconds "$build/open.json")" -v oc="$(field cpuSeconds "$build/open.json")" -v ok="$open_kb" \
  -v ls="$(field seconds "$build/lines.json")" -v lc="$(field cpuSeconds "$build/lines.json")" -v lk="$lines_kb" '
  BEGIN {
    mb = bytes / 1e6
    printf "Input: %.1f MB, %d instances (load average %s on %d cores)\n\n", mb, count, load, cores
    printf "%-34s %9s %9s %10s %10s %15s\n", "", "wall s", "MB/s", "cpu s", "MB/cpu-s", "peak RSS (MB)"
    printf "%-34s %9.2f %9.1f %10.2f %10.1f %15.1f\n", "ifcapi-export, whole run", ts, mb / ts, tc, mb / tc, tk / 1024
    printf "%-34s %9.2f %9.1f %10.2f %10.1f %15.1f\n", "web-ifc OpenModel", os, mb / os, oc, mb / oc, ok / 1024
    printf "%-34s %9.2f %9.1f %10.2f %10.1f %15.1f\n", "web-ifc OpenModel + every line", ls, mb / ls, lc, mb / lc, lk / 1024
    wall = os / ts
    cpu = oc / tc
    peak = tk / 1024
    limit = bytes / 1048576 + 64
    printf "\nGoal: throughput >= 3x OpenModel: %.1fx by wall clock, %.1fx by processor time  %s\n", wall, cpu, (wall >= 3 && cpu >= 3 ? "met" : "NOT met")
    printf "Goal: peak <= input + 64 MB (%.1f MB): %.1f MB  %s\n", limit, peak, (peak <= limit ? "met" : "NOT met")
  }'
