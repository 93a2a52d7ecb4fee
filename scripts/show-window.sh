#!/usr/bin/env bash
# Starts the program of an application folder under Wine on the current X
# display, waits for its main window, saves a picture of the window (or of the
# whole screen) once painting has finished, and ends the program.
#   bash scripts/show-window.sh <app folder> <picture.png> [window|screen]
set -euo pipefail
source "$(dirname "$0")/env.sh"
app=$1
picture=$2
what=${3:-window}
caption='mosa-trevlin v0.0.1'

wine "$app/mosa-trevlin.exe" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' EXIT

shown_window() {
  local id
  for id in $(xwininfo -root -tree | grep -F "\"$caption\":" | awk '{ print $1 }'); do
    if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
      echo "$id"
      return
    fi
  done
}

window=""
deadline=$((SECONDS + 60))
while [ -z "$window" ]; do
  if ! kill -0 $pid 2>/dev/null; then
    echo "show-window: the program ended without showing its window" >&2
    exit 1
  fi
  if [ $SECONDS -gt $deadline ]; then
    echo "show-window: no window \"$caption\" within 60 s" >&2
    exit 1
  fi
  sleep 0.2
  window=$(shown_window)
done

source=$window
[ "$what" = screen ] && source=root
# Painting has finished when two pictures in a row hold the same pixels.
previous=""
deadline=$((SECONDS + 20))
while :; do
  current=$(import -window "$source" -depth 8 rgb:- | md5sum)
  if [ "$current" = "$previous" ] || [ $SECONDS -gt $deadline ]; then break; fi
  previous=$current
  sleep 0.3
done
mkdir -p "$(dirname "$picture")"
import -window "$source" -strip "$picture"
