#!/usr/bin/env bash
# Runs a command against a private Xvfb server that is started here and stopped
# afterwards, so tests never depend on a display from outside. Xvfb picks a free
# display number itself (-displayfd), which keeps parallel tests apart.
set -u
screen="${XVFB_SCREEN:-1280x1024x24}"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp +extension GLX 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$dir/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$dir/display" ]; then
  echo "Xvfb did not start:" >&2; cat "$dir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$dir/display")"
export LIBGL_ALWAYS_SOFTWARE=1
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
"$@"
rc=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit $rc
