#!/usr/bin/env bash
# Configures (once) and builds the trees named (default all three): build/native
# for the model and its unit tests, build/win (x86) and build/win64 (x64) for the
# program and its Windows tests.
# With a Windows tree on Linux it also makes the Wine prefix its programs run in
# (scripts/env.sh), where this machine runs them.
#   bash scripts/build.sh [native] [win] [win64]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native win win64)

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)

targets=()  # all of a tree's when empty
build_tree() {  # <build folder> <cmake options>...
  local dir=$1
  shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" "${generator[@]}" "$@"
  cmake --build "$dir" -j2 "${targets[@]}"
}

for tree in "${trees[@]}"; do
  case "$tree" in
    native)
      on_windows || build_tree build/native -DCMAKE_BUILD_TYPE=Debug
      ;;
    win | win64)
      toolchain=cmake/mingw-i686.cmake
      [ "$tree" = win64 ] && toolchain=cmake/mingw-x86_64.cmake
      if on_windows; then
        # The MinGW toolchain on the PATH builds for the machine itself.
        build_tree "build/$tree" -DCMAKE_BUILD_TYPE=Release
      else
        # Where this machine runs no 32-bit code, the x86 build is what it
        # ships (its folder and zip, which the tests read); its test programs
        # could not start here.
        targets=()
        [ "$tree" = win ] && ! runs_32bit_wine && targets=(--target app_folder)
        build_tree "build/$tree" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$toolchain
        # The build's own prefix, where this machine can run the build at all.
        use_windows_build "$tree"
        [ ${#targets[@]} -eq 0 ] || continue
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
          echo "build: creating the Wine prefix $WINEPREFIX"
          # Without a display, and waited for: a Wine server left running here
          # would keep a desktop without a screen for the tests that follow.
          DISPLAY= wine wineboot -i
          wineserver -w
        fi
      fi
      ;;
    *)
      echo "build: unknown tree '$tree' (native, win or win64)" >&2
      exit 2
      ;;
  esac
done
