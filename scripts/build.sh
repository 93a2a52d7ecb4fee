#!/usr/bin/env bash
# Configures (once) and builds the trees named (default both): build/native for
# the model and its unit tests, build/win for the program and its Windows tests.
# With the Windows tree on Linux it also makes the Wine prefix they run in.
#   bash scripts/build.sh [native] [win]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native win)

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)

build_tree() {  # <build folder> <cmake options>...
  local dir=$1
  shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" "${generator[@]}" "$@"
  cmake --build "$dir" -j2
}

for tree in "${trees[@]}"; do
  case "$tree" in
    native)
      on_windows || build_tree build/native -DCMAKE_BUILD_TYPE=Debug
      ;;
    win)
      if on_windows; then
        # The MinGW toolchain on the PATH builds for the machine itself.
        build_tree build/win -DCMAKE_BUILD_TYPE=Release
      else
        build_tree build/win -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
          echo "build: creating the Wine prefix $WINEPREFIX"
          # Without a display, and waited for: a Wine server left running here
          # would keep a desktop without a screen for the tests that follow.
          DISPLAY= wineboot -i
          wineserver -w
        fi
      fi
      ;;
    *)
      echo "build: unknown tree '$tree' (native or win)" >&2
      exit 2
      ;;
  esac
done
