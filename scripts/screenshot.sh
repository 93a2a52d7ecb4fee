#!/usr/bin/env bash
# Takes the pictures of the main window for the README: docs/main-closed.png
# and docs/main-open.png, with the detail area closed and open.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

if on_windows; then
  echo "screenshot: needs Wine and Xvfb" >&2
  exit 1
fi
bash scripts/setup.sh
bash scripts/build.sh "$mosa_windows_build"

app=build/shot
rm -rf "$app"
mkdir -p "$app" docs
cp "build/$mosa_windows_build/mosa-trevlin.exe" "$app/"

# A settings file with an input chosen, so the picture shows the program at
# work; its last line says whether the detail area is open.
settings() {  # on|off
  printf '%s\r\n' \
    'C:\Program Files\Windows Script Encoder\screnc.exe' vbs on off \
    'C:\work\sample.vbs' 'C:\work' sample 'C:\work\' sample 'C:\work\sample.vbe' \
    off off off off on vb "$1" >"$app/mosa-trevlin.ini"
}

# Managed windows, as on a desktop: the picture is the client area, without the
# frame Wine draws for unmanaged windows.
set_wine_managed Y
settings off
on_virtual_screen bash scripts/show-window.sh "$app" docs/main-closed.png window
settings on
on_virtual_screen bash scripts/show-window.sh "$app" docs/main-open.png window
echo "screenshot: $repo_root/docs/main-closed.png, $repo_root/docs/main-open.png"
