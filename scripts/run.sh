#!/usr/bin/env bash
# Builds the program, puts it into an application folder (build/app) with its
# help page and readme, and starts it (the x86 build, or the x64 one where Wine
# cannot run 32-bit programs): directly on Windows, under Wine on a
# Linux desktop, and without a display on a virtual screen, of which it saves a
# picture (build/screenshot.png).
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

bash scripts/setup.sh
# The x86 build where Wine runs 32-bit programs, as on the Windows systems it is
# made for; the x64 one where it cannot.
build=win
if ! on_windows && ! runs_32bit_wine; then
  build=win64
  if ! runs_64bit_wine; then
    echo "run: Wine runs neither 32-bit nor 64-bit programs on this machine (/usr/lib/wine/wine and /usr/lib/wine/wine64 do not start)" >&2
    exit 1
  fi
fi
bash scripts/build.sh "$build"
on_windows || use_windows_build "$build"

# The settings file of earlier starts stays; the program and its documents are renewed.
app=build/app
mkdir -p "$app"
rm -rf "$app/help"
cp -r "build/$build/mosa-trevlin/." "$app/"

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
