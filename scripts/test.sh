#!/usr/bin/env bash
# The one test command: installs what is missing, then runs every stage in scripts/stages/ in the order
# of its number (each builds what it tests), and fails if any stage failed.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  cat <<'USAGE'
Usage: scripts/test.sh [--only STAGE[,STAGE...]] [--filter REGEX] [--list] [--help]

Builds and runs the tests, one stage after the other:
USAGE
  for file in scripts/stages/[0-9]*.sh; do
    printf '  %-10s %s\n' "$(stage_name "$file")" "$(sed -n 's/^# about: //p' "$file")"
  done
  cat <<'USAGE'

  --only STAGES   run only these stages (comma-separated names from the list above)
  --filter REGEX  run only the CTest tests whose names match REGEX (e.g. 'HashTable')
  --list          print the stage names and exit
  --help          print this text and exit
USAGE
}

# scripts/stages/20-asan.sh -> asan
stage_name() {
  local base
  base=$(basename "$1" .sh)
  echo "${base#*-}"
}

only=""
export TEST_FILTER=""
while (($# > 0)); do
  case "$1" in
    --only) only=${2:?--only needs a list of stages}; shift 2 ;;
    --only=*) only=${1#--only=}; shift ;;
    --filter) TEST_FILTER=${2:?--filter needs a regular expression}; shift 2 ;;
    --filter=*) TEST_FILTER=${1#--filter=}; shift ;;
    --list) for file in scripts/stages/[0-9]*.sh; do stage_name "$file"; done; exit 0 ;;
    -h|--help) usage; exit 0 ;;
    *) echo "scripts/test.sh: unknown argument '$1'" >&2; usage >&2; exit 2 ;;
  esac
done

stages=()
for file in scripts/stages/[0-9]*.sh; do
  name=$(stage_name "$file")
  if [[ -z $only || ",$only," == *",$name,"* ]]; then stages+=("$file"); fi
done
if [[ -n $only ]]; then
  for wanted in ${only//,/ }; do
    if ! printf '%s\n' "${stages[@]}" | grep -q -- "-$wanted\.sh$"; then
      echo "scripts/test.sh: no stage named '$wanted'" >&2; usage >&2; exit 2
    fi
  done
fi

scripts/install-dependencies.sh "${stages[@]}"

status=0
failed=()

# /dev/null must stay a character device. A tool run as root that is given it as an output and writes
# aside and renames, or unlinks the path first (gcovr does: `gcovr -o /dev/null`), leaves a plain file
# in its place, and every later `> /dev/null` fills that file. Checked before and after each stage, so
# that the stage that broke it is named.
dev_null_intact() {
  local when=$1
  if [[ -c /dev/null ]]; then return 0; fi
  echo "=== /dev/null is no longer a character device ${when}; restore it (as root: rm /dev/null && mknod -m 666 /dev/null c 1 3)"
  return 1
}

# Each stage's output is kept in build/stage-logs/, and the lines that say why a failed stage failed are
# repeated at the end, where a reader of a long run's tail finds them.
mkdir -p build/stage-logs
for file in "${stages[@]}"; do
  name=$(stage_name "$file")
  start=$SECONDS
  echo "=== ${name}"
  dev_null_intact "before stage ${name}" || exit 1
  if bash "$file" 2>&1 | tee "build/stage-logs/${name}.log" && dev_null_intact "after stage ${name}, which broke it"; then
    echo "=== ${name}: passed in $((SECONDS - start)) s"
  else
    echo "=== ${name}: FAILED after $((SECONDS - start)) s"
    failed+=("$name")
    status=1
    # Every later stage would write its output into the file that replaced /dev/null.
    [[ -c /dev/null ]] || break
  fi
done
if ((status != 0)); then
  for name in "${failed[@]}"; do
    echo "=== why ${name} failed (build/stage-logs/${name}.log):"
    grep -E -A12 '\*\*\*(Failed|Timeout|Exception)|FAILED|[Ee]rror[: ]|Could not|not found' \
      "build/stage-logs/${name}.log" | tail -n 80 || tail -n 40 "build/stage-logs/${name}.log"
  done
  echo "Failed stages: ${failed[*]}"
fi
exit "$status"
