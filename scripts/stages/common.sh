# Shared by the stages: build one CMake preset and run its tests through CTest, honouring the filter
# that scripts/test.sh passes in TEST_FILTER.

# Configures and builds `preset`, showing the build's progress.
build_preset() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -- -j"$(nproc)"
}

# Runs the tests of `preset`, only those matching TEST_FILTER when it is set.
test_preset() {
  local preset=$1
  local args=(--preset "$preset")
  if [[ -n ${TEST_FILTER:-} ]]; then args+=(-R "$TEST_FILTER"); fi
  ctest "${args[@]}"
}
