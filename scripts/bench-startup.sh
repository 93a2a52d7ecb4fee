#!/usr/bin/env bash
# Measures start-up time, from process creation to the visible main window, of
# mosa-trevlin and of a minimal Win32 window program built the same way, under
# the same Wine on a virtual screen: several runs each, medians and their ratio.
#   bash scripts/bench-startup.sh [runs]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"
runs=${1:-9}

if on_windows; then
  echo "bench-startup: run build/win/startup_timer.exe yourself on Windows" >&2
  exit 1
fi
bash scripts/setup.sh
bash scripts/build.sh win

# A fresh application folder with a settings file, so that no start writes one first.
app=build/bench/app
rm -rf build/bench
mkdir -p "$app"
cp build/win/mosa-trevlin.exe build/win/minimal_window.exe "$app/"
printf '%s\r\n' 'C:\Program Files\Windows Script Encoder\screnc.exe' vbs on off \
  '' '' '' '' '' .vbe off off off off on vb off >"$app/mosa-trevlin.ini"

on_virtual_screen wine build/win/startup_timer.exe "$runs" \
  "$app/mosa-trevlin.exe" 'mosa-trevlin v0.0.1' "$app/minimal_window.exe" 'minimal window'
