#!/usr/bin/env bash
# Opens a program of the project. On a machine with a display it simply runs it;
# without one it runs it on a private virtual display, saves a screenshot of exactly
# the program's largest visible window (the whole screen when none is found), then
# closes it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
exe=$1; shot=$2
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$here/wine-run" "$exe"
fi
unset DISPLAY
# wine-run keeps the prefix to itself; the shutdown below must name the same one.
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
"$here/with-display" bash -c '
  set -euo pipefail
  "$0/wine-run" "$1" &
  pid=$!
  for _ in $(seq 1 100); do
    sleep 0.2
    xdotool search --onlyvisible --name . >/dev/null 2>&1 && break
  done
  sleep 2
  # The largest visible window is the program'"'"'s main window (tool tips and the
  # desktop helpers are smaller or unmapped).
  geometry=""
  best=0
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    area=$((WIDTH * HEIGHT))
    if [ "$area" -gt "$best" ] && [ "$WIDTH" -lt 1280 ]; then
      best=$area
      geometry="${WIDTH}x${HEIGHT}+${X}+${Y}"
    fi
  done
  if [ -n "$geometry" ]; then
    import -window root -crop "$geometry" +repage "$2"
  else
    import -window root "$2"
  fi
  wineserver -k || true
  wait $pid 2>/dev/null || true
' "$here" "$exe" "$shot"
echo "screenshot saved to $shot"
