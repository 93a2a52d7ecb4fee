#!/usr/bin/env bash
# Measures start-up time of mosa-trevlin, of its floor (the same window from the
# same control table and view, with nothing else to do) and of a minimal Win32
# window program built the same way, under the same Wine on a virtual screen:
# from process creation to the visible main window, to the process's first wait
# for input, and to the window's answer to a message sent once it shows (when a
# click on it would be taken). Several runs each, medians and their ratios.
# Other builds of mosa-trevlin.exe given after the count (an older one, say) are
# measured in the same run.
#   bash scripts/bench-startup.sh [runs] [other mosa-trevlin.exe]...
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"
runs=${1:-9}
others=("${@:2}")

if on_windows; then
  echo "bench-startup: run build/win/startup_timer.exe yourself on Windows" >&2
  exit 1
fi
bash scripts/setup.sh
# The build this machine runs (scripts/env.sh): x86, else x64.
tree=build/$mosa_windows_build
echo "bench-startup: the $([ "$mosa_windows_build" = win ] && echo x86 || echo x64) build"
bash scripts/build.sh "$mosa_windows_build"

# A fresh application folder for each program, with a settings file, so that no
# start writes one first.
rm -rf build/bench
programs=()
add_program() {  # <exe> <caption>
  local app=build/bench/app$((${#programs[@]} / 2))
  mkdir -p "$app"
  cp "$1" "$app/"
  printf '%s\r\n' 'C:\Program Files\Windows Script Encoder\screnc.exe' vbs on off \
    '' '' '' '' '' .vbe off off off off on vb off >"$app/mosa-trevlin.ini"
  programs+=("$app/$(basename "$1")" "$2")
}
add_program "$tree/mosa-trevlin.exe" 'mosa-trevlin v0.0.1'
for other in "${others[@]}"; do add_program "$other" 'mosa-trevlin v0.0.1'; done
add_program "$tree/floor_window.exe" 'mosa-trevlin v0.0.1'
add_program "$tree/minimal_window.exe" 'minimal window'

on_virtual_screen wine "$tree/startup_timer.exe" "$runs" "${programs[@]}"
