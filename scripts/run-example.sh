#!/usr/bin/env bash
# The main job: builds the example add-on and the example host that plays the IFC exporter (g++ build,
# only the targets they need), then runs the host, which prints what the exporter receives from the
# add-on's hook data provider. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  cat <<'USAGE'
Usage: scripts/run-example.sh [--help]

Installs what is missing, builds the example add-on and the example host (preset dev, build/dev),
then runs the host: it plays the IFC exporter, asks the add-on's hook data provider for each element
of the sample model and prints what the exporter receives.

  --help   print this text and exit
USAGE
}

while (($# > 0)); do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    *) echo "scripts/run-example.sh: unknown argument '$1'" >&2; usage >&2; exit 2 ;;
  esac
done

scripts/install-dependencies.sh
source scripts/lib/build-progress.sh
build_with_progress dev example_host
exec build/dev/examples/host/example_host
