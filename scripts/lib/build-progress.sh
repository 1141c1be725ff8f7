# Sourced by the scripts that build before they run something: one progress line instead of the build's
# log, so that a first build (minutes: docs/maintainers.md, "Build times") is visibly moving and the
# program's own output stands alone afterwards. The full log is shown only when configuring or building
# fails.

# Configures `preset` and builds the given targets of it (all when none is given).
#   build_with_progress PRESET [TARGET...]
build_with_progress() {
  local preset=$1
  shift
  local log
  log=$(mktemp)
  if ! cmake --preset "$preset" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  local targets=()
  for target in "$@"; do targets+=(--target "$target"); done
  run_with_progress cmake --build --preset "$preset" "${targets[@]}" -- -j"$(nproc)"
}

# Runs a build command (such as `cmake --build DIR -- -j4`) showing its progress line; its full log
# only when it fails.
run_with_progress() {
  local log statuses
  log=$(mktemp)
  "$@" 2>&1 | tee "$log" | show_build_progress
  statuses=("${PIPESTATUS[@]}")
  if ((statuses[0] != 0)); then
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

# Reads the build tool's "[done/total] step" lines and keeps one line on stderr up to date: redrawn in
# place on a terminal, a line at each quarter otherwise (logs of CI runs).
show_build_progress() {
  local line done total shown=-1 started=0
  while IFS= read -r line; do
    [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]] || continue
    done=${BASH_REMATCH[1]}
    total=${BASH_REMATCH[2]}
    if ((!started)); then
      echo "Building: $total steps (a first build takes minutes, later ones seconds)" >&2
      started=1
    fi
    if [[ -t 2 ]]; then
      printf '\r  %d/%d' "$done" "$total" >&2
    elif ((done * 4 / total > shown)); then
      shown=$((done * 4 / total))
      printf '  %d/%d\n' "$done" "$total" >&2
    fi
  done
  if ((started)) && [[ -t 2 ]]; then printf '\n' >&2; fi
}
