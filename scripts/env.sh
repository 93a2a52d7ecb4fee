# The environment every script shares; sourced, not run.
# Wine runs in prefixes of our own inside the build folder (one for each
# Windows build, below), in Japanese, where the ANSI code page is 932 as on the
# systems the program is made for. No Mono or Gecko install prompts, no desktop
# menu entries written into the home folder.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=-all
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mshtml=d;mscoree=d;winemenubuilder.exe=d"

on_windows() {
  case "$(uname -s)" in MINGW* | MSYS* | CYGWIN*) return 0 ;; *) return 1 ;; esac
}

# Whether Wine runs 32-bit programs here: the kernel may have no 32-bit layer,
# and then Wine's 32-bit loader fails with "Exec format error". Asked of the
# loader itself, once per shell. MOSA_TREVLIN_64_ONLY=1 takes the 64-bit-only
# path on any machine, so that it can be checked anywhere.
runs_32bit_wine() {
  if [ -z "${mosa_runs_32bit:-}" ]; then
    mosa_runs_32bit=no
    if [ "${MOSA_TREVLIN_64_ONLY:-0}" != 1 ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
      mosa_runs_32bit=yes
    fi
    export mosa_runs_32bit
  fi
  [ "$mosa_runs_32bit" = yes ]
}
runs_64bit_wine() { /usr/lib/wine/wine64 --version >/dev/null 2>&1; }

# The Windows build that `wine` and `wineserver` serve: win (x86) or win64 (x64).
# Each has a prefix of its own, made for its architecture: a 64-bit prefix made
# where 32-bit code cannot run lacks the 32-bit half that WoW64 needs, and a
# 32-bit one cannot run x64 programs, so neither build depends on how the other's
# prefix came to be. An x64 program goes to the 64-bit loader directly: Wine's
# launcher takes the 32-bit loader whenever it is installed.
use_windows_build() {  # win | win64
  export mosa_windows_build=$1
  local path=":$PATH:"
  path=${path//":$repo_root/scripts/wine-x64:"/:}
  path=${path#:}
  PATH=${path%:}
  if [ "$1" = win64 ]; then
    export WINEPREFIX="$repo_root/build/wineprefix-x64" WINEARCH=win64
    PATH="$repo_root/scripts/wine-x64:$PATH"
  else
    export WINEPREFIX="$repo_root/build/wineprefix-x86" WINEARCH=win32
  fi
}
if ! on_windows; then
  if [ -n "${mosa_windows_build:-}" ]; then
    use_windows_build "$mosa_windows_build"
  elif runs_32bit_wine; then
    use_windows_build win
  else
    use_windows_build win64
  fi
fi

# A screen for Wine where there is none; big enough for any of our windows.
xvfb_screen="-screen 0 1280x1024x24"

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
