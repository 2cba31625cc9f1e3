#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display.
# Prepares the machine itself: packages, locale, Wine prefix, fonts.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

bash "$ROOT/scripts/build.sh"
# shellcheck source=scripts/wine-env.sh
source "$ROOT/scripts/wine-env.sh"
wine_env_up 1
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 300 "$@"
