#!/usr/bin/env bash
# Measures the encoder: the library's encoding and decoding throughput on a large
# generated script, ASCII and with Japanese text, beside a plain memory copy of
# the same text; then the native screnc end to end (read, encode, check, write)
# on a generated 44 MB script file beside `cp` of the same file, with each one's
# peak memory. Both use the optimised, uninstrumented build of build/native.
#   bash scripts/bench-encoder.sh [megabytes]
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
# A script of ASCII lines with Japanese comments, in code page 932 as Japanese
# systems save it: doubled past 44 MB, then cut to the whole lines within it.
printf '%s\r\n' "Dim total, i, name" "' 合計を計算して、結果を表示します。" "For i = 1 To 100" \
  "	total = total + i * 2 ' add it up <again>" \
  "	If total > 50 And name <> \"x@y\" Then WScript.Echo \"big: \" & total" "Next" \
  "MsgBox \"合計は \" & total & \" です。\", vbOKOnly, \"計算結果\"" |
  iconv -f UTF-8 -t CP932 >"$work/script.vbs"
while [ "$(stat -c %s "$work/script.vbs")" -lt 44000000 ]; do
  cat "$work/script.vbs" "$work/script.vbs" >"$work/twice.vbs"
  mv "$work/twice.vbs" "$work/script.vbs"
done
head -c 44000000 "$work/script.vbs" | LC_ALL=C sed '$d' >"$work/cut.vbs"
mv "$work/cut.vbs" "$work/script.vbs"
size=$(stat -c %s "$work/script.vbs")

# The best of three runs: seconds (to the microsecond, where /usr/bin/time
# counts hundredths) and peak resident memory in kB.
best_of_three() {  # <command>...
  local best_s= best_kb= run start s kb
  for run in 1 2 3; do
    start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$work/peak" "$@" >/dev/null
    s=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.4f", b - a }')
    kb=$(tail -1 "$work/peak")
    if [ -z "$best_s" ] || awk "BEGIN { exit !($s < $best_s) }"; then best_s=$s; fi
    if [ -z "$best_kb" ] || [ "$kb" -lt "$best_kb" ]; then best_kb=$kb; fi
  done
  echo "$best_s $best_kb"
}
read -r cp_s cp_kb < <(best_of_three cp "$work/script.vbs" "$work/copy.vbs")
read -r enc_s enc_kb < <(best_of_three "$dir/screnc" /s /f "$work/script.vbs" "$work/script.vbe")
awk -v size="$size" -v cp_s="$cp_s" -v cp_kb="$cp_kb" -v enc_s="$enc_s" -v enc_kb="$enc_kb" 'BEGIN {
  mb = size / 1e6
  printf "end to end, %.1f MB script file (code page 932), best of 3 runs each\n", mb
  printf "cp        %6.3f s, %7.0f MB/s, peak %5.0f MB\n", cp_s, mb / cp_s, cp_kb / 1000
  printf "screnc    %6.3f s, %7.0f MB/s, peak %5.0f MB (%.1fx the file) | %.1fx the copy'"'"'s time\n",
         enc_s, mb / enc_s, enc_kb / 1000, enc_kb * 1000 / size, enc_s / cp_s
}'
