#!/usr/bin/env bash
# The gallery's two screenshot commands, as the README gives them, run inside
# the Wine environment of the test suite: each must leave its PNG files, as
# large as the gallery window, where it says.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export LUMO_WINE_ENV_READY=1 GALLERY_OUT="$out"

size() {
  python3 - "$1" <<'PY'
import struct, sys
head = open(sys.argv[1], "rb").read(24)
assert head[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
print("%d x %d" % struct.unpack(">II", head[16:24]))
PY
}

listed="$(bash "$ROOT/scripts/gallery.sh")"
[ "$listed" = "$out/gallery.png" ] || { echo "gallery.sh named '$listed'" >&2; exit 1; }
listed="$(bash "$ROOT/scripts/gallery.sh" --skins | tr '\n' ' ')"
expected="$out/gallery-black.png $out/gallery-golden.png $out/gallery-sea-blue.png "
[ "$listed" = "$expected" ] || { echo "gallery.sh --skins named '$listed'" >&2; exit 1; }

for name in gallery gallery-sea-blue gallery-golden gallery-black; do
  got="$(size "$out/$name.png")"
  [ "$got" = "1000 x 720" ] || { echo "$name.png is $got" >&2; exit 1; }
done
echo "4 screenshots of 1000 x 720"
