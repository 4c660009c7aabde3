#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that exactly the game's
# files land there: the programs, every generated asset, the desktop entry,
# the icons at their sizes, the metainfo and the README, and nothing else.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
expected="$work/expected"
cmake --install "$build" --prefix "$prefix" > /dev/null

{
  printf '%s\n' bin/drift-hauler bin/drift-hauler-galaxy bin/drift-hauler-save
  for folder in gfx fnt mdl snd mus; do
    [ -d "$build/$folder" ] || { echo "FAIL: the build has no $folder folder"; exit 1; }
    (cd "$build" && find "$folder" -type f) | sed 's|^|share/drift-hauler/|'
  done
  for n in 16 24 32 48 64 128 256; do
    echo "share/icons/hicolor/${n}x${n}/apps/drift-hauler.png"
  done
  printf '%s\n' share/applications/drift-hauler.desktop share/metainfo/drift-hauler.metainfo.xml \
    share/doc/drift-hauler/README.md
} | sort > "$expected"
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) | diff -u "$expected" - \
  || { echo "FAIL: the installed files differ from the layout (- missing, + extra)"; exit 1; }
grep -q '^share/drift-hauler/mdl/gfx/' "$expected" || { echo "FAIL: no model skins installed"; exit 1; }
grep -q '^share/drift-hauler/mus/intro/' "$expected" || { echo "FAIL: no intro music installed"; exit 1; }

desktop-file-validate "$prefix/share/applications/drift-hauler.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/drift-hauler.metainfo.xml"
grep -qx 'StartupWMClass=drift-hauler' "$prefix/share/applications/drift-hauler.desktop" \
  || { echo "FAIL: the desktop entry does not name the window class"; exit 1; }
grep -q '<release version="1.04"' "$prefix/share/metainfo/drift-hauler.metainfo.xml" \
  || { echo "FAIL: the metainfo has no release 1.04"; exit 1; }

# Each icon is an RGBA PNG of its size, read from its header.
python3 - "$prefix/share/icons/hicolor" <<'PY'
import struct, sys
for n in (16, 24, 32, 48, 64, 128, 256):
    path = f"{sys.argv[1]}/{n}x{n}/apps/drift-hauler.png"
    data = open(path, 'rb').read()
    assert data[:8] == b'\x89PNG\r\n\x1a\n' and data[12:16] == b'IHDR', f"{path}: not a PNG"
    width, height, depth, colour = struct.unpack('>IIBB', data[16:26])
    assert (width, height) == (n, n), f"{path}: {width} x {height}"
    assert (depth, colour) == (8, 6), f"{path}: not 8-bit RGBA"
PY
echo "$(wc -l < "$expected") files installed as laid out"
