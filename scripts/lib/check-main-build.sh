#!/usr/bin/env bash
# Proves that the main command's build (preset dev, configured by scripts/run-example.sh after it
# installed only the base packages) needs no package beyond those: configures that build with every
# package that only the test stages name hidden from CMake, and fails when a stage names a package
# whose hiding is not known here, so that a new dependency is classed before it lands.
#   scripts/lib/check-main-build.sh BUILD-DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=${1:?usage: scripts/lib/check-main-build.sh BUILD-DIR}

# Debian package -> how CMake is kept from finding it; empty for the programs that only a stage runs
# (other compilers, the emulator, the report tool), which the dev configure never looks for.
declare -A hidden=(
  [clang]= [libclang-rt-14-dev]= [g++-mingw-w64-x86-64-posix]= [wine64]= [gcovr]=
  [clang-tidy]= [libc++-14-dev]= [mingw-w64-x86-64-dev]=
  [libboost1.81-dev]=-DCMAKE_DISABLE_FIND_PACKAGE_Boost=ON
  [libabsl-dev]=-DCMAKE_DISABLE_FIND_PACKAGE_absl=ON
  [libbenchmark-dev]=-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
  [nodejs]=-DIFCAPI_NODE=IFCAPI_NODE-NOTFOUND
  [npm]=-DIFCAPI_NPM=IFCAPI_NPM-NOTFOUND
  [chromium]=-DIFCAPI_CHROMIUM=IFCAPI_CHROMIUM-NOTFOUND
)

mapfile -t base < <(scripts/install-dependencies.sh --print)
mapfile -t all < <(scripts/install-dependencies.sh --print scripts/stages/[0-9]*.sh)
options=()
unknown=()
for package in "${all[@]}"; do
  if printf '%s\n' "${base[@]}" | grep -qxF -- "$package"; then continue; fi
  if [[ -z ${hidden[$package]+known} ]]; then
    unknown+=("$package")
  elif [[ -n ${hidden[$package]} ]]; then
    options+=("${hidden[$package]}")
  fi
done
if ((${#unknown[@]} > 0)); then
  echo "check-main-build: the stages name ${unknown[*]}, which the main command does not install;" >&2
  echo "  say in scripts/lib/check-main-build.sh how CMake is kept from finding it (empty when the" >&2
  echo "  dev configure never looks for it), or add it to scripts/install-dependencies.sh's base list" >&2
  exit 1
fi

rm -rf "$build_dir"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! cmake --preset dev -B "$build_dir" "${options[@]}" >"$log" 2>&1; then
  cat "$log" >&2
  echo "check-main-build: the main command's build does not configure with only the base packages" >&2
  exit 1
fi
rm -rf "$build_dir"
echo "check-main-build: the main command's build configures with only the base packages"
