#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display.
# Prepares the machine itself: packages, locale, Wine prefix, fonts.
set -euo pipefail
# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
build_project
wine_env_up 1
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 300 "$@"
