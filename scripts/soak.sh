#!/usr/bin/env bash
# The endurance run: starts the toolbox under Wine on a virtual display and
# drives it with the real mouse and keyboard through a long session (hovers,
# skin changes, picker sessions, tab switches, minimise/restore, transparency
# and always-on-top changes, typing), counting its GDI objects, USER objects,
# private bytes and handles from outside.  Fails when a count grows.
#
#   bash scripts/soak.sh              the full count (about 20 minutes)
#   bash scripts/soak.sh --scale 10   every count divided by ten (as CI runs it)
set -euo pipefail
# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

scale=1
while [ $# -gt 0 ]; do
  case "$1" in
    --scale)
      [ $# -ge 2 ] && [[ "$2" =~ ^[1-9][0-9]*$ ]] || { echo "--scale takes a whole number" >&2; exit 2; }
      scale="$2"
      shift 2
      ;;
    *) echo "usage: bash scripts/soak.sh [--scale N]" >&2; exit 2 ;;
  esac
done

# The test suite runs this script inside the Wine environment it has set up
# already; everyone else gets the build and the environment first.
if [ "${LUMO_WINE_ENV_READY:-}" != 1 ]; then
  build_project
  wine_env_up 1
fi

wine "$BUILD_DIR/bin/LumoSoak.exe" --scale "$scale" </dev/null
