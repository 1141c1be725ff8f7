#!/usr/bin/env bash
# The one test command: installs what is missing, then builds and runs every test twice, once with
# g++ (warnings as errors) and once with clang under AddressSanitizer + UndefinedBehaviorSanitizer
# with leak detection. The benchmarks are built, not run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

for preset in dev asan; do
  echo "=== ${preset}: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -- -j2
done

# Editors and clang tools read the g++ build's compile commands from the root.
ln -sf build/dev/compile_commands.json compile_commands.json

status=0
echo "=== dev: tests"
ctest --preset dev || status=$?
echo "=== asan: tests"
ctest --preset asan || status=$?
exit "$status"
