#!/usr/bin/env bash
# Builds everything and prints the skin engine's timings, measured under Wine
# on a virtual display.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

bash "$ROOT/scripts/build.sh"
# shellcheck source=scripts/wine-env.sh
source "$ROOT/scripts/wine-env.sh"
wine_env_up 1
wine "$BUILD_DIR/bin/skin_benchmark.exe"
