# about: clang under AddressSanitizer + UndefinedBehaviorSanitizer with leak detection; builds every target but the benchmarks (the dev stage builds those)
# packages: clang python3 libclang-rt-14-dev googletest libgtest-dev libgmock-dev
set -euo pipefail
source "$(dirname "$0")/common.sh"
build_preset asan
test_preset asan
