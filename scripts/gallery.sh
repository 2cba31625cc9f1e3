#!/usr/bin/env bash
# The skin gallery under Wine on a virtual display, for skin authors and the
# developers of the control families.
#
#   bash scripts/gallery.sh            one screenshot, build/gallery.png
#   bash scripts/gallery.sh --skins    one per built-in skin, build/gallery-<skin>.png
#   bash scripts/gallery.sh --show     the window on your desktop (DISPLAY set) until you close it
#
# GALLERY_OUT chooses the folder of the screenshots (default: the build folder).
# The screenshots are taken by the gallery itself once everything has painted.
set -euo pipefail
# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

mode="${1:-}"
case "$mode" in
  ""|--skins|--show) ;;
  *) echo "usage: bash scripts/gallery.sh [--skins | --show]" >&2; exit 2 ;;
esac

if [ "$mode" = --show ] && ! { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; then
  echo "--show needs a desktop: set DISPLAY" >&2
  exit 2
fi

# The test suite runs this script inside the Wine environment it has set up
# already; everyone else gets the build and the environment first.
if [ "${LUMO_WINE_ENV_READY:-}" != 1 ]; then
  build_project
  if [ "$mode" = --show ]; then wine_env_up 0; else wine_env_up 1; fi
fi

gallery="$BUILD_DIR/bin/LumoSkinGallery.exe"
out="${GALLERY_OUT:-$BUILD_DIR}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

case "$mode" in
  --show)
    wine "$gallery"
    ;;
  --skins)
    rm -f "$out"/gallery-*.png
    wine "$gallery" --skins "$(winepath -w "$out/gallery")" </dev/null >/dev/null 2>&1
    ls "$out"/gallery-*.png
    ;;
  *)
    rm -f "$out/gallery.png"
    wine "$gallery" --shot "$(winepath -w "$out/gallery.png")" </dev/null >/dev/null 2>&1
    ls "$out/gallery.png"
    ;;
esac
