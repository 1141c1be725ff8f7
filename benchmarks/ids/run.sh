#!/usr/bin/env bash
# about: ifcapi-ids's whole check of a large model against a 26-specification IDS, beside web-ifc's OpenModel merely opening the file
# packages: cmake ninja-build g++ libxml2-dev nodejs npm time
#
# Generates a deterministic IFC4 model of about 1,000,000 instances into build/bench (spatial
# structure, types, property sets, quantities, classifications, materials, systems), builds
# ifcapi-ids (Release), then runs PAIRS pairs, interleaved: ifcapi-ids checking the model against
# benchmarks/ids/requirements.ids and writing its JSON and HTML reports, and web-ifc's OpenModel
# opening the same file, each in its own process. Prints wall clock, processor time and peak memory
# of each run, the medians and the goals, judged on every pair: the whole check at least 3x faster
# than OpenModel by processor time, its peak memory at most 1.5 times the input size. Not part of
# scripts/test.sh.
#   benchmarks/ids/run.sh [INSTANCES] [--pairs N]
set -euo pipefail
cd "$(dirname "$0")/../.."

usage() {
  cat <<'USAGE'
Usage: benchmarks/ids/run.sh [INSTANCES] [--pairs N] [--help]

Generates an IFC4 model of INSTANCES instances (default 1000000, about 81 MB) in build/bench and
measures ifcapi-ids checking it against benchmarks/ids/requirements.ids (reports included) against
web-ifc's OpenModel opening it, in N interleaved pairs (default 3): wall clock, processor time, peak
memory, each pair's ratios, medians and the goals (judged on every pair: at least 3x OpenModel's
speed by processor time, peak memory at most 1.5x the input). Installs what is missing first.

  --pairs N   how many pairs of runs (at least 1)
  --help      print this text and exit
USAGE
}

instances=1000000
pairs=3
while (($# > 0)); do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    --pairs)
      if [[ $# -lt 2 || ! $2 =~ ^[1-9][0-9]*$ ]]; then echo "benchmarks/ids/run.sh: --pairs needs a number" >&2; exit 2; fi
      pairs=$2; shift 2 ;;
    *[!0-9]*|'') echo "benchmarks/ids/run.sh: unknown argument '$1'" >&2; usage >&2; exit 2 ;;
    *) instances=$1; shift ;;
  esac
done

scripts/install-dependencies.sh benchmarks/ids/run.sh
source scripts/lib/build-progress.sh
build=build/bench
mkdir -p "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DIFCAPI_BUILD_TESTS=OFF -DIFCAPI_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache \
  >/dev/null
run_with_progress cmake --build "$build" --target ifcapi-ids -- -j2
cmake -DNPM="$(command -v npm)" -DSOURCE=tests/external-readers -DTARGET="$build/npm" -P tests/external-readers/RunNpmCi.cmake >/dev/null

model=$build/ids-model-$instances.ifc
if [[ ! -f $model ]]; then node benchmarks/ids/generate-model.js "$model" "$instances"; fi
tool=$(find "$build" -name ifcapi-ids -type f -perm -u+x | head -n 1)
requirements=benchmarks/ids/requirements.ids
export NODE_PATH=$build/npm/node_modules

# Elapsed seconds, processor seconds (user + system) and peak resident set (KB) of a command.
measure() {
  local report=$1
  shift
  /usr/bin/time -f '%e %U %S %M' -o "$report" "$@"
}

# The check fails some requirements on purpose: any exit code with both reports written is a run.
check_once() {
  local k=$1
  rm -f "$build/ids-report.json" "$build/ids-report.html"
  measure "$build/ids-$k.time" "$tool" "$model" "$requirements" --report-json "$build/ids-report.json" \
    --report-html "$build/ids-report.html" >"$build/ids.out" 2>"$build/ids.err" || true
  if [[ ! -s $build/ids-report.json || ! -s $build/ids-report.html ]]; then
    echo "ifcapi-ids wrote no report:" >&2
    cat "$build/ids.err" >&2
    exit 1
  fi
}

for ((k = 1; k <= pairs; k++)); do
  check_once "$k"
  measure "$build/open-$k.time" node benchmarks/exporter/open-model.js "$model" >"$build/open-$k.json"
done

field() { sed "s/.*\"$1\":\([0-9.e-]*\).*/\1/" "$2"; }
{
  for ((k = 1; k <= pairs; k++)); do
    # time(1) puts "Command exited with non-zero status 1" before the figures when requirements fail.
    read -r wall user system kb < <(tail -n 1 "$build/ids-$k.time")
    echo "ids $k $wall $(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }') $kb"
    read -r _ _ _ open_kb < <(tail -n 1 "$build/open-$k.time")
    echo "open $k $(field seconds "$build/open-$k.json") $(field cpuSeconds "$build/open-$k.json") $open_kb"
  done
} >"$build/ids-bench.txt"

# OpenModel's figures are those of the call alone (open-model.js times it inside Node, without Node's
# start or web-ifc's initialisation); ifcapi-ids's are its whole process: read, check, reports.
awk -v bytes="$(stat -L -c %s "$model")" -v load="$(cut -d' ' -f1 /proc/loadavg)" -v cores="$(nproc)" \
  -v specs="$(grep -c '<specification ' "$requirements")" -v summary="$(tail -n 1 "$build/ids.out")" '
  function median(values, count,    sorted, i, j, t) {
    for (i = 1; i <= count; i++) sorted[i] = values[i]
    for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++) if (sorted[j] < sorted[i]) { t = sorted[i]; sorted[i] = sorted[j]; sorted[j] = t }
    return count % 2 ? sorted[(count + 1) / 2] : (sorted[count / 2] + sorted[count / 2 + 1]) / 2
  }
  { wall[$1, $2] = $3; cpu[$1, $2] = $4; peak[$1, $2] = $5 / 1024; pairs = $2 }
  END {
    mb = bytes / 1048576
    printf "Input: %.1f MB (%d bytes), %d specifications (load average %s on %d cores)\n", mb, bytes, specs, load, cores
    printf "ifcapi-ids: %s\n\n", summary
    printf "%-6s %12s %12s %12s %12s %12s %12s %10s %10s\n", "pair", "ids wall s", "ids cpu s", "ids peak MB", "open wall s", "open cpu s", "open peak MB", "cpu ratio", "peak/input"
    worst = 0; highest = 0
    for (k = 1; k <= pairs; k++) {
      if (wall["ids", k] <= 0 || cpu["ids", k] <= 0) { print "ifcapi-ids gave no figures" > "/dev/stderr"; exit 1 }
      ratio = cpu["open", k] / cpu["ids", k]; share = peak["ids", k] / mb
      printf "%-6d %12.2f %12.2f %12.1f %12.2f %12.2f %12.1f %9.2fx %9.2fx\n", k, wall["ids", k], cpu["ids", k], peak["ids", k], wall["open", k], cpu["open", k], peak["open", k], ratio, share
      if (k == 1 || ratio < worst) worst = ratio
      if (k == 1 || share > highest) highest = share
      iw[k] = wall["ids", k]; ic[k] = cpu["ids", k]; ip[k] = peak["ids", k]; ow[k] = wall["open", k]; oc[k] = cpu["open", k]; op[k] = peak["open", k]
    }
    miw = median(iw, pairs); mic = median(ic, pairs); mip = median(ip, pairs)
    mow = median(ow, pairs); moc = median(oc, pairs); mop = median(op, pairs)
    printf "%-6s %12.2f %12.2f %12.1f %12.2f %12.2f %12.1f %9.2fx %9.2fx\n", "median", miw, mic, mip, mow, moc, mop, moc / mic, mip / mb
    printf "\nGoal: the whole check >= 3x faster than OpenModel by processor time, every pair: at worst %.2fx  %s\n", worst, (worst >= 3 ? "met" : "NOT met")
    printf "Goal: peak memory <= 1.5x the input (%.1f MB), every pair: at most %.1f MB, %.2fx the input  %s\n", 1.5 * mb, highest * mb, highest, (highest <= 1.5 ? "met" : "NOT met")
  }' "$build/ids-bench.txt"
