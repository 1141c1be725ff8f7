# about: libFuzzer smoke runs (containers vs a model, values factories, texts and GUIDs, the export tool's reader, the IDS reader), 10 s a target, in the asan tree (longer runs: scripts/fuzz.sh SECONDS)
# packages: clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
set -euo pipefail
source "$(dirname "$0")/common.sh"
build_preset asan
if [[ -n ${TEST_FILTER:-} ]]; then
  echo "fuzz: a test filter is set, so the fuzz targets are not run"
  exit 0
fi
"$(dirname "$0")/../fuzz.sh" 10
