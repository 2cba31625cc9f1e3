#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run command need.
# Idempotent: packages already present are left alone and apt is not touched.
set -euo pipefail

PACKAGES=(
  cmake ninja-build
  g++-mingw-w64-i686-posix mingw-w64-tools binutils-mingw-w64-i686
  googletest
  wine wine32:i386
  xvfb xauth x11-utils
  fonts-wqy-zenhei fonts-wine
  fonts-wqy-microhei
  locales imagemagick python3 python3-pil
  clang-format
)

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "installing: ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq || true
# The i386 index of the security suite sometimes lags behind amd64; multi-arch
# libraries then disagree in version and wine32 cannot be installed.  Prefer the
# main suite in that case.
if ! $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
  $SUDO apt-get install -y -qq --no-install-recommends -t bookworm "${missing[@]}"
fi
