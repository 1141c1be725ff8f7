# about: g++, warnings as errors: build everything, run every test (the IFC checks under Node included)
# packages: g++ python3 googletest libgtest-dev libgmock-dev libbenchmark-dev libboost1.81-dev libabsl-dev nodejs npm clang clang-tidy libc++-14-dev mingw-w64-x86-64-dev chromium
set -euo pipefail
source "$(dirname "$0")/common.sh"
build_preset dev
# Editors and clang tools read the g++ build's compile commands from the root.
ln -sf build/dev/compile_commands.json compile_commands.json
test_preset dev
# clang-tidy's checks (.clang-tidy) over the project's own sources, in the compile commands above.
if [[ -z ${TEST_FILTER:-} ]]; then scripts/lib/run-clang-tidy.sh build/dev; fi
# The main command installs only the base packages: its build must configure without the others.
if [[ -z ${TEST_FILTER:-} ]]; then scripts/lib/check-main-build.sh build/main-build-check; fi
