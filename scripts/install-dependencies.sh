#!/usr/bin/env bash
# Installs the Debian packages the build needs, and those that the given stage scripts name on their
# "# packages:" line, when any is missing.
#   scripts/install-dependencies.sh [scripts/stages/NN-name.sh ...]
set -euo pipefail

packages=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev clang-format)
for stage in "$@"; do
  read -r -a named <<<"$(sed -n 's/^# packages: //p' "$stage")"
  packages+=("${named[@]}")
done

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
