#!/usr/bin/env bash
# CPack makes drift-hauler_1.04-1_amd64.deb from the build: its control file
# declares the libraries, the OpenGL drivers and a General MIDI sound font the
# game needs, and it holds the installed layout under /usr and nothing else.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" > "$work/cpack.log" \
  || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb="$work/drift-hauler_1.04-1_amd64.deb"
[ -f "$deb" ] || { ls "$work"; echo "FAIL: no drift-hauler_1.04-1_amd64.deb"; exit 1; }

dpkg-deb --info "$deb" | tee "$work/info"
field() { sed -n "s/^ $1: //p" "$work/info"; }
[ "$(field Package)" = drift-hauler ] || { echo "FAIL: package name"; exit 1; }
[ "$(field Version)" = 1.04-1 ] || { echo "FAIL: version"; exit 1; }
[ "$(field Architecture)" = amd64 ] || { echo "FAIL: architecture"; exit 1; }
depends=$(field Depends)
for package in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-mixer-2.0-0 libglu1-mesa libgl1-mesa-dri \
               timgm6mb-soundfont libc6 libstdc++6; do
  echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//' | grep -qx "$package" \
    || { echo "FAIL: $package is not among the dependencies"; exit 1; }
done

# The files are the installed layout moved under /usr.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | sort > "$work/contents"
cmake --install "$build" --prefix "$work/prefix" > /dev/null
(cd "$work/prefix" && find . -type f | sed 's|^\./|usr/|' | sort) > "$work/expected"
diff -u "$work/expected" "$work/contents" || { echo "FAIL: the package's files differ from the install"; exit 1; }
grep -qx usr/bin/drift-hauler "$work/contents" || { echo "FAIL: no usr/bin/drift-hauler"; exit 1; }
echo "$(wc -l < "$work/contents") files under /usr"
