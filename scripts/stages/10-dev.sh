# about: g++, warnings as errors: build everything, run every test (the IFC checks under Node included)
# packages: g++ python3 googletest libgtest-dev libgmock-dev libbenchmark-dev libboost1.81-dev libabsl-dev nodejs npm chromium
set -euo pipefail
source "$(dirname "$0")/common.sh"
build_preset dev
# Editors and clang tools read the g++ build's compile commands from the root.
ln -sf build/dev/compile_commands.json compile_commands.json
test_preset dev
# The main command installs only the base packages: its build must configure without the others.
if [[ -z ${TEST_FILTER:-} ]]; then scripts/lib/check-main-build.sh build/main-build-check; fi
