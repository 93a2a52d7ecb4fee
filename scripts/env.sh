# The environment every script shares; sourced, not run.
# Wine runs in a prefix of our own inside the build folder, in Japanese, where
# the ANSI code page is 932 as on the systems the program is made for. No Mono
# or Gecko install prompts, no desktop menu entries written into the home folder.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$repo_root/build/wineprefix"
export WINEDEBUG=-all
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mshtml=d;mscoree=d;winemenubuilder.exe=d"

# A screen for Wine where there is none; big enough for any of our windows.
xvfb_screen="-screen 0 1280x1024x24"

on_windows() {
  case "$(uname -s)" in MINGW* | MSYS* | CYGWIN*) return 0 ;; *) return 1 ;; esac
}

# Runs a command on a virtual screen of its own. Wine's server must not outlive
# the screen it started with, or the next start would get a desktop on a display
# that is gone; nor may one started without a screen serve this one.
on_virtual_screen() {
  wineserver -k 2>/dev/null || true
  xvfb-run -a -s "$xvfb_screen" bash -c '"$@"; status=$?; wineserver -k 2>/dev/null; exit $status' - "$@"
}

# Without a window manager Wine waits a second each time one of its managed
# windows hides; the tests open and close hundreds of them. Unmanaged windows
# draw their own frame, which the virtual screen of the tests wants anyway, but
# a desktop session keeps the window manager's frames.
set_wine_managed() {  # Y or N
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1 || true
  wineserver -w
}
