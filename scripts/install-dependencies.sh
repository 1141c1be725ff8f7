#!/usr/bin/env bash
# Installs the Debian packages the build needs, and those that the given stage scripts name on their
# "# packages:" line, when any is missing.
#   scripts/install-dependencies.sh [scripts/stages/NN-name.sh ...]
set -euo pipefail

usage() {
  cat <<'USAGE'
Usage: scripts/install-dependencies.sh [STAGE-FILE...] [--print] [--help]

Installs with apt-get the Debian packages that the build needs and those that each given stage file
names on its "# packages:" line, when any is missing (as root, or through sudo). Installs nothing
when all are there.

  STAGE-FILE   a stage of the test command, e.g. scripts/stages/20-asan.sh
  --print      print the package names, one a line, and install nothing
  --help       print this text and exit
USAGE
}

stages=()
print=0
while (($# > 0)); do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    --print) print=1; shift ;;
    -*) echo "scripts/install-dependencies.sh: unknown argument '$1'" >&2; usage >&2; exit 2 ;;
    *)
      if [[ ! -f $1 ]]; then
        echo "scripts/install-dependencies.sh: no stage file '$1'" >&2; usage >&2; exit 2
      fi
      stages+=("$1"); shift ;;
  esac
done

# What the main command's build needs (scripts/run-example.sh installs these and nothing else).
packages=(cmake ninja-build g++ python3 googletest libgtest-dev libgmock-dev clang-format libxml2-dev libzip-dev)
for stage in "${stages[@]}"; do
  read -r -a named <<<"$(sed -n 's/^# packages: //p' "$stage")"
  packages+=("${named[@]}")
done

if ((print)); then
  printf '%s\n' "${packages[@]}" | sort -u
  exit 0
fi

missing=()
for package in $(printf '%s\n' "${packages[@]}" | sort -u); do
  # A program of the package's name already on the PATH counts too: npm, for one, comes inside other
  # builds of nodejs, which conflict with Debian's npm package.
  if type -P "$package" >/dev/null; then continue; fi
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
