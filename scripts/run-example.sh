#!/usr/bin/env bash
# The main job: builds the example add-on and the example host that plays the IFC exporter (g++ build,
# only the targets they need), then runs the host, which prints what the exporter receives from the
# add-on's hook data provider. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

# Build output is shown only when the build fails, so that the example's own output stands alone.
if ! log=$(cmake --preset dev 2>&1 && cmake --build --preset dev --target example_host -- -j2 2>&1); then
  echo "$log" >&2
  exit 1
fi
exec build/dev/examples/host/example_host "$@"
