# about: clang under AddressSanitizer + UndefinedBehaviorSanitizer with leak detection; builds every target, benchmarks included
# packages: clang python3 libclang-rt-14-dev googletest libgtest-dev libgmock-dev libbenchmark-dev libboost1.81-dev libabsl-dev
set -euo pipefail
source "$(dirname "$0")/common.sh"
build_preset asan
test_preset asan
