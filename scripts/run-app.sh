#!/usr/bin/env bash
# Opens a program of the project. On a machine with a display it simply runs it;
# without one it runs it on a private virtual display, saves a screenshot of its
# window, then closes it.
#   run-app.sh EXE SCREENSHOT WINDOW-TITLE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
exe=$1; shot=$2; title=$3
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$here/wine-run" "$exe"
fi
unset DISPLAY
"$here/with-display" bash -c '
  set -euo pipefail
  here=$0; exe=$1; shot=$2; title=$3
  "$here/wine-run" "$exe" &
  pid=$!
  win=""
  for _ in $(seq 1 150); do
    sleep 0.2
    win=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  done
  sleep 2  # let the first paints and a frame or two of the background settle
  if [ -n "$win" ]; then
    eval "$(xdotool getwindowgeometry --shell "$win")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
  else
    echo "run-app: no window titled \"$title\" appeared" >&2
  fi
  wineserver -k 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "$win" ]
' "$here" "$exe" "$shot" "$title"
echo "screenshot saved to $shot"
