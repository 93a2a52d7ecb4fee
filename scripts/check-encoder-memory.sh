#!/usr/bin/env bash
# Checks that large files encode within bounded memory: a 150 MB script and a
# 30 MB ASP page of small <% %> sections, both in code page 932. At its peak the
# native screnc must stay within 1.5 times the input's size for the script,
# which it reads as text piece by piece, and within 8 times for the page, which
# it holds whole as text; the Windows build, under Wine, must encode both (the
# 32-bit one where this machine runs it, else the x64 one). Too slow for every
# test run.
#   bash scripts/check-encoder-memory.sh
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

win=win
runs_32bit_wine || win=win64
bash scripts/build.sh native "$win" >/dev/null
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
  # Relative paths: the folder has the same name on both sides of Wine.
  if (cd "$work" && wine "$repo_root/build/$win/screnc.exe" /s "$input" "win-$input"); then
    cmp -s "$work/native-$input" "$work/win-$input" || { echo "  the Windows build wrote other bytes"; failed=1; }
    echo "windows ($win) $input: encoded"
  else
    echo "windows ($win) $input: failed"
    failed=1
  fi
done
wineserver -k 2>/dev/null || true
exit $failed
