#!/usr/bin/env bash
# Measures the encoder: the library's encoding and decoding throughput on a large
# generated script, ASCII and with Japanese text, beside a plain memory copy of
# the same text; then the native screnc end to end (read, encode, check, write)
# on a generated 44 MB script and a 40 MB ASP page, both in code page 932, beside
# `cp` of the same file and a durable copy (`dd conv=fsync`, since screnc syncs
# what it writes), with each one's peak memory. Both use the optimised,
# uninstrumented build of build/native. With SCRENC_BEFORE naming another screnc
# (an earlier build), that one is measured too, in the same run.
#   [SCRENC_BEFORE=path] bash scripts/bench-encoder.sh [megabytes]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
dir=build/native
[ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$dir" -j2 --target encoder_bench screnc
"$dir/encoder_bench" "$@"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Lines of text in code page 932, as Japanese systems save them, doubled past
# `bytes` and cut to the whole lines within it.
generate() {  # <file> <bytes> <line>...
  local file=$1 bytes=$2
  shift 2
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$file"
  while [ "$(stat -c %s "$file")" -lt "$bytes" ]; do
    cat "$file" "$file" >"$file.twice"
    mv "$file.twice" "$file"
  done
  head -c "$bytes" "$file" | LC_ALL=C sed '$d' >"$file.cut"
  mv "$file.cut" "$file"
}
generate "$work/script.vbs" 44000000 "Dim total, i, name" "' 合計を計算して、結果を表示します。" \
  "For i = 1 To 100" "	total = total + i * 2 ' add it up <again>" \
  "	If total > 50 And name <> \"x@y\" Then WScript.Echo \"big: \" & total" "Next" \
  "MsgBox \"合計は \" & total & \" です。\", vbOKOnly, \"計算結果\""
generate "$work/page.asp" 40000000 '<tr><td><%= i %></td><td>合計</td></tr>' \
  '<% For i = 1 To 10 : total = total + i * 2 ' "' 合計" ' : Next %>' \
  '<p>結果: <%= total %> です。</p>'

# The best of three runs: seconds (to the microsecond, where /usr/bin/time
# counts hundredths) and peak resident memory in kB.
best_of_three() {  # <command>...
  local best_s= best_kb= run start s kb
  for run in 1 2 3; do
    start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$work/peak" "$@" >/dev/null 2>&1
    s=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.4f", b - a }')
    kb=$(tail -1 "$work/peak")
    if [ -z "$best_s" ] || awk "BEGIN { exit !($s < $best_s) }"; then best_s=$s; fi
    if [ -z "$best_kb" ] || [ "$kb" -lt "$best_kb" ]; then best_kb=$kb; fi
  done
  echo "$best_s $best_kb"
}

echo "end to end, best of 3 runs each; load average $(cut -d' ' -f1-3 /proc/loadavg)"
for input in script.vbs page.asp; do
  size=$(stat -c %s "$work/$input")
  output=$work/out-$input
  read -r cp_s cp_kb < <(best_of_three cp "$work/$input" "$output")
  read -r dd_s dd_kb < <(best_of_three dd if="$work/$input" of="$output" bs=1M conv=fsync)
  printf '%s, %.1f MB (code page 932)\n' "$input" "$(awk -v s="$size" 'BEGIN { print s / 1e6 }')"
  line() {  # <name> <seconds> <kB>
    awk -v name="$1" -v s="$2" -v kb="$3" -v size="$size" -v cp_s="$cp_s" -v dd_s="$dd_s" 'BEGIN {
      printf "  %-14s %6.3f s, %5.0f MB/s, peak %5.0f MB (%.2fx the file) | %5.1fx cp, %4.1fx the durable copy\n",
             name, s, size / 1e6 / s, kb / 1000, kb * 1000 / size, s / cp_s, s / dd_s
    }'
  }
  line cp "$cp_s" "$cp_kb"
  line "dd conv=fsync" "$dd_s" "$dd_kb"
  if [ -n "${SCRENC_BEFORE:-}" ]; then
    read -r s kb < <(best_of_three "$SCRENC_BEFORE" /s /f "$work/$input" "$output")
    line "screnc before" "$s" "$kb"
  fi
  read -r s kb < <(best_of_three "$dir/screnc" /s /f "$work/$input" "$output")
  line screnc "$s" "$kb"
done
