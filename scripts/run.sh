#!/usr/bin/env bash
# Builds the program, puts it into an application folder (build/app) with its
# help page and readme, and starts it: directly on Windows, under Wine on a
# Linux desktop, and without a display on a virtual screen, of which it saves a
# picture (build/screenshot.png).
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

bash scripts/setup.sh
bash scripts/build.sh win

# The settings file of earlier starts stays; the program and its documents are renewed.
app=build/app
mkdir -p "$app"
rm -rf "$app/help"
cp -r build/win/mosa-trevlin/. "$app/"

if on_windows; then
  exec "$app/mosa-trevlin.exe"
fi
# Managed windows: a desktop's window manager frames them; on the virtual
# screen, which has none, the picture shows the window's client area.
set_wine_managed Y
if [ -n "${DISPLAY:-}" ]; then
  wine "$app/mosa-trevlin.exe"
else
  on_virtual_screen bash scripts/show-window.sh "$app" build/screenshot.png screen
  echo "run: no display; the program started on a virtual screen, which is saved in"
  echo "$repo_root/build/screenshot.png"
fi
