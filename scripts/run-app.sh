#!/usr/bin/env bash
# Opens a program of the project. On a machine with a display it simply runs it;
# without one it runs it on a private virtual display, saves a screenshot of the
# screen area its window covers, then closes it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=$1; shot=$2
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$here/wine-run" "$exe"
fi
unset DISPLAY
"$here/with-display" bash -c '
  set -euo pipefail
  "$0/wine-run" "$1" &
  pid=$!
  for _ in $(seq 1 100); do
    sleep 0.2
    xdotool search --onlyvisible --name . >/dev/null 2>&1 && break
  done
  sleep 2
  import -window root -crop 900x480+10+10 +repage "$2"
  wineserver -k || true
  wait $pid 2>/dev/null || true
' "$here" "$exe" "$shot"
echo "screenshot saved to $shot"
