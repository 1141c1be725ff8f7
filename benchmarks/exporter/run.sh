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

# Elapsed seconds and peak resident set (KB) of a command, from GNU time.
measure() {
  local report=$1
  shift
  /usr/bin/time -f '%e %M' -o "$report" "$@"
}

measure "$build/tool.time" "$tool" --addon "$addon" "$model" "$output" >"$build/tool.out" 2>"$build/tool.err" || {
  echo "ifcapi-export failed:" >&2
  cat "$build/tool.err" >&2
  exit 1
}
export NODE_PATH=$build/npm/node_modules
measure "$build/open.time" node benchmarks/exporter/open-model.js "$model" >"$build/open.json"
measure "$build/lines.time" node benchmarks/exporter/open-model.js --every-line "$model" >"$build/lines.json"

bytes=$(stat -c %s "$model")
read -r tool_seconds tool_kb <"$build/tool.time"
read -r _ open_kb <"$build/open.time"
read -r _ lines_kb <"$build/lines.time"
open_seconds=$(sed 's/.*"seconds":\([0-9.e-]*\).*/\1/' "$build/open.json")
lines_seconds=$(sed 's/.*"seconds":\([0-9.e-]*\).*/\1/' "$build/lines.json")

awk -v bytes="$bytes" -v ts="$tool_seconds" -v tk="$tool_kb" -v os="$open_seconds" -v ok="$open_kb" \
  -v ls="$lines_seconds" -v lk="$lines_kb" -v instances="$instances" '
  BEGIN {
    mb = bytes / 1e6
    printf "Input: %.1f MB, %d instances\n\n", mb, instances
    printf "%-38s %10s %10s %16s\n", "", "seconds", "MB/s", "peak RSS (MB)"
    printf "%-38s %10.2f %10.1f %16.1f\n", "ifcapi-export, whole run", ts, mb / ts, tk / 1024
    printf "%-38s %10.2f %10.1f %16.1f\n", "web-ifc OpenModel", os, mb / os, ok / 1024
    printf "%-38s %10.2f %10.1f %16.1f\n", "web-ifc OpenModel + every line", ls, mb / ls, lk / 1024
    speed = (mb / ts) / (mb / os)
    peak = tk / 1024
    limit = bytes / 1048576 + 64
    printf "\nGoal: throughput >= 3x OpenModel: %.1fx  %s\n", speed, speed >= 3 ? "met" : "NOT met"
    printf "Goal: peak <= input + 64 MB (%.1f MB): %.1f MB  %s\n", limit, peak, peak <= limit ? "met" : "NOT met"
  }'
