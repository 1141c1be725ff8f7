#!/usr/bin/env bash
# Runs clang-tidy with the root .clang-tidy (warnings as errors) over the project's own sources, tests
# aside, listed in a build's compile commands, two files at a time; fails on any finding.
#   scripts/lib/run-clang-tidy.sh BUILD-DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=${1:?usage: scripts/lib/run-clang-tidy.sh BUILD-DIR}
# The tests are left out: parsing GoogleTest's headers for each of them took three fifths of the run
# (about two of three and a half minutes on two cores), and the tests' own faults show when they run.
sources="^$PWD/(foundation|values|hooks|bridge|platform|ifc|commandline|examples|exporter|idscheck|benchmarks|fuzz)/"
if ! run-clang-tidy -quiet -p "$build_dir" -j 2 "$sources" >"$build_dir/clang-tidy.log" 2>&1; then
  sed 's/\x1b\[[0-9;]*m//g' "$build_dir/clang-tidy.log" | grep -E '(warning|error): ' | sort -u >&2 ||
    cat "$build_dir/clang-tidy.log" >&2
  echo "run-clang-tidy: findings above (whole output in $build_dir/clang-tidy.log)" >&2
  exit 1
fi
echo "run-clang-tidy: no findings"
