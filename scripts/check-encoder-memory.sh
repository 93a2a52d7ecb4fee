#!/usr/bin/env bash
# Checks that large files encode within bounded memory: a 150 MB script and a
# 30 MB ASP page of small <% %> sections, both in code page 932. At its peak the
# native screnc must stay within 1.5 times the input's size for the script,
# which it reads as text piece by piece, and within 8 times for the page, which
# it holds whole as text; each Windows build this machine runs must encode both
# under Wine, the 32-bit one within its smaller address space. Too slow for
# every test run.
#   bash scripts/check-encoder-memory.sh
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

builds=(win64)
if runs_32bit_wine; then
  builds=(win win64)
else
  echo "skipped: the 32-bit build's run, because Wine cannot run 32-bit programs here; the x64 build's runs instead"
fi
bash scripts/build.sh native "${builds[@]}" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Lines of text repeated to the whole lines within `megabytes` MB.
generate() {  # <file> <megabytes> <line>...
  local file=$1 megabytes=$2
  shift 2
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$file"
  while [ "$(stat -c %s "$file")" -lt $((megabytes * 1000000)) ]; do
    cat "$file" "$file" >"$file.twice"
    mv "$file.twice" "$file"
  done
  head -c $((megabytes * 1000000)) "$file" | LC_ALL=C sed '$d' >"$file.cut"
  mv "$file.cut" "$file"
}
generate "$work/big.vbs" 150 "Dim total, i" "' 合計を計算して、結果を表示します。" "For i = 1 To 100" \
  "	total = total + i * 2 ' add it up <again>" "Next"
generate "$work/sections.asp" 30 '<tr><td><%= i %></td><td><% total = total + i %>合計</td></tr>'

failed=0
for case in big.vbs:1.5 sections.asp:8; do
  input=${case%:*} most=${case#*:}
  size=$(stat -c %s "$work/$input")
  /usr/bin/time -f '%M' -o "$work/peak" build/native/screnc /s "$work/$input" "$work/native-$input"
  peak_kb=$(tail -1 "$work/peak")
  ratio=$(awk -v kb="$peak_kb" -v size="$size" 'BEGIN { printf "%.2f", kb * 1024 / size }')
  echo "native  $input: $((size / 1000000)) MB, peak $((peak_kb / 1024)) MB, ${ratio}x the input"
  awk -v r="$ratio" -v most="$most" 'BEGIN { exit !(r <= most) }' || { echo "  more than ${most}x"; failed=1; }
  for build in "${builds[@]}"; do
    use_windows_build "$build"
    # Relative paths: the folder has the same name on both sides of Wine.
    if (cd "$work" && wine "$repo_root/build/$build/screnc.exe" /s "$input" "$build-$input"); then
      cmp -s "$work/native-$input" "$work/$build-$input" || { echo "  the $build build wrote other bytes"; failed=1; }
      echo "$build $input: encoded"
    else
      echo "$build $input: failed"
      failed=1
    fi
    rm -f "$work/$build-$input"
    wineserver -k 2>/dev/null || true
  done
done
exit $failed
