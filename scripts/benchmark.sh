#!/usr/bin/env bash
# Builds everything and prints the skin engine's timings, measured under Wine
# on a virtual display.
set -euo pipefail
# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
build_project
wine_env_up 1
wine "$BUILD_DIR/bin/skin_benchmark.exe"
