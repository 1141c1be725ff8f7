#!/usr/bin/env bash
# Runs every unit-test program of the g++ build (preset dev) under valgrind's memcheck and fails on
# the first memory error or leak. Builds the preset first. Takes a few minutes; not a CI stage.
#   scripts/valgrind.sh [--filter GTEST_FILTER]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/stages/common.sh

usage() {
  cat <<'USAGE'
Usage: scripts/valgrind.sh [--filter GTEST_FILTER] [--help]

Builds the preset dev (build/dev), then runs every unit-test program under valgrind's memcheck and
fails on the first memory error or leak; each program's log is build/dev/valgrind-PROGRAM.log.
Takes a few minutes; not a stage of scripts/test.sh. Needs valgrind (apt-get install valgrind).

  --filter PATTERN   run only the GoogleTest cases matching PATTERN (default: all)
  --help             print this text and exit
USAGE
}

filter='*'
while (($# > 0)); do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    --filter)
      if (($# < 2)); then echo "scripts/valgrind.sh: --filter needs a pattern" >&2; usage >&2; exit 2; fi
      filter=$2; shift 2 ;;
    --filter=*) filter=${1#--filter=}; shift ;;
    *) echo "scripts/valgrind.sh: unknown argument '$1'" >&2; usage >&2; exit 2 ;;
  esac
done

build_preset dev >/dev/null
status=0
while IFS= read -r program; do
  log="build/dev/valgrind-$(basename "$program").log"
  # nouserintercepts: valgrind would otherwise replace the library's own operator new and delete, and
  # the memory manager (its counters and failure injection) would see no block; memcheck still checks
  # every block below them, at malloc.
  if valgrind --tool=memcheck --soname-synonyms=somalloc=nouserintercepts --error-exitcode=99 \
      --leak-check=full --errors-for-leak-kinds=definite,indirect \
      --show-leak-kinds=definite,indirect --track-origins=yes --log-file="$log" \
      "$program" --gtest_filter="$filter" --gtest_brief=1 >/dev/null; then
    echo "valgrind: $(basename "$program"): $(grep -o 'ERROR SUMMARY: [0-9]* errors' "$log" | tail -n 1)"
  else
    echo "valgrind: $(basename "$program") FAILED; see $log"
    status=1
  fi
done < <(find build/dev/tests -name '*_tests' -type f -perm -u+x | sort)
exit "$status"
