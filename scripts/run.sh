#!/usr/bin/env bash
# Builds the program and runs it under Wine.  On a desktop (DISPLAY set) the
# window stays until you close it.  Without a display it runs for a few
# seconds on a virtual one, saves a screenshot of the screen and prints its path.
set -euo pipefail
SECONDS_SHOWN="${SECONDS_SHOWN:-6}"
# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
build_project

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_env_up 0
  wine "$BUILD_DIR/bin/LumoBox.exe"
  exit 0
fi

wine_env_up 1
wine "$BUILD_DIR/bin/LumoBox.exe" </dev/null >/dev/null 2>&1 &
sleep "$SECONDS_SHOWN"
shot="$BUILD_DIR/screenshot.png"
/usr/bin/import -window root "$shot"
echo "$shot"
