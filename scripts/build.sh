#!/usr/bin/env bash
# Configures and builds the program and its tests in BUILD_DIR (default: build/).
# Arguments are configure options (-D...); they are applied whenever they are
# given, also to a build folder configured before.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

bash "$ROOT/scripts/install-packages.sh"
if [ ! -f "$BUILD_DIR/build.ninja" ] || [ $# -gt 0 ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-i686.cmake" "$@"
fi
cmake --build "$BUILD_DIR"
