#!/usr/bin/env bash
# Measures several scripts through the window against the encoder run directly:
# COUNT small scripts handed to mosa-trevlin.exe at once (as Send To hands them),
# confirmed, and timed from Yes to the report; then the same scripts through our
# encoder started once per file. Both under the same Wine, on a virtual screen,
# in the same run; the x64 build where Wine cannot run 32-bit programs.
#   bash scripts/bench-batch.sh [count]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"
count=${1:-100}

if on_windows; then
  echo "bench-batch: run build/win/batch_timer.exe yourself on Windows" >&2
  exit 1
fi
tree=build/win
runs_32bit_wine || tree=build/win64
bash scripts/build.sh "${tree#build/}"
cmake --build "$tree" -j2 --target batch_timer

work=$(mktemp -d "${TMPDIR:-/tmp}/mosa-batch-XXXXXX")
trap 'rm -rf "$work"' EXIT
# Wine's drive Z: is the root of the file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
on_virtual_screen wine "$tree/batch_timer.exe" "$(windows_path "$repo_root/$tree/mosa-trevlin.exe")" \
  "$(windows_path "$repo_root/$tree/mosa-trevlin/encoder/screnc.exe")" "$(windows_path "$work")" "$count"
