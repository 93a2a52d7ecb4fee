#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests natively, the Win32 and
# end-to-end tests under Wine on a virtual screen, once for each Windows build
# (x86 and x64) this machine runs. Exits non-zero on any failure and ends with
# one line "N passed, M failed, K skipped" that counts GoogleTest test cases,
# every other ctest entry as one, and a tree that failed to build as one failure.
set -uo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"
started=$SECONDS

bash scripts/setup.sh || exit 1

passed=0
failed=0
skipped_total=0

# Adds up one tree's results: ctest's JUnit report says which entries ran and
# how they ended; a GoogleTest program's own report gives its test cases.
count_results() {  # <build folder>
  local dir=$1 name status report tests failures disabled errors skipped
  [ -f "$dir/ctest-results.xml" ] || { failed=$((failed + 1)); return; }
  while read -r name status; do
    report="$dir/test-results/$name.xml"
    if [ -f "$report" ]; then
      read -r tests failures disabled errors < <(
        grep -m1 '<testsuites ' "$report" |
          sed -E 's/.* tests="([0-9]+)" failures="([0-9]+)" disabled="([0-9]+)" errors="([0-9]+)".*/\1 \2 \3 \4/')
      skipped=$(grep -o 'skipped="[0-9]*"' "$report" | awk -F'"' '{ n += $2 } END { print n + 0 }')
      passed=$((passed + tests - failures - disabled - errors - skipped))
      failed=$((failed + failures + errors))
      skipped_total=$((skipped_total + skipped))
      # A program that failed without a failing test case (a crash at exit,
      # a sanitizer report, the time limit) still counts once.
      if [ "$status" != run ] && [ $((failures + errors)) -eq 0 ]; then failed=$((failed + 1)); fi
    elif [ "$status" = run ]; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
    fi
  done < <(grep -o '<testcase name="[^"]*" [^>]*status="[a-z]*"' "$dir/ctest-results.xml" |
             sed -E 's/<testcase name="([^"]*)".*status="([a-z]*)"/\1 \2/')
}

run_tree() {  # <tree> [ctest option]... [-- <command prefix>...]
  local tree=$1 dir=build/$1 options=()
  shift
  while [ $# -gt 0 ]; do
    [ "$1" = -- ] && { shift; break; }
    options+=("$1")
    shift
  done
  rm -rf "$dir/test-results" "$dir/ctest-results.xml"
  if ! bash scripts/build.sh "$tree"; then
    echo "test: the $tree build failed"
    failed=$((failed + 1))
    return
  fi
  echo "test: $tree tests"
  "$@" ctest --test-dir "$dir" "${options[@]}" --output-on-failure \
    --output-junit "$repo_root/$dir/ctest-results.xml"
  count_results "$dir"
}

if on_windows; then
  run_tree win
else
  # The model's tests do not depend on the architecture: once.
  run_tree native
  bash scripts/build.sh win win64
  not_run=()
  if runs_32bit_wine; then
    use_windows_build win && set_wine_managed N
    run_tree win -- on_virtual_screen
  else
    # What only the x86 build's running programs can answer (the suite against
    # them, under the 32-bit loader) waits for a machine that runs 32-bit code;
    # the checks that read its files still run.
    read -ra not_run < <(ctest --test-dir build/win -N -L runs_programs |
                           sed -nE 's/^ *Test +#[0-9]+: //p' | tr '\n' ' ')
    echo "test: skipped: the x86 build's tests that run its programs (${not_run[*]}), because Wine cannot run 32-bit programs" \
         "here ($([ "${MOSA_TREVLIN_64_ONLY:-0}" = 1 ] && echo "MOSA_TREVLIN_64_ONLY=1" ||
         echo "its 32-bit loader does not start")); its files are checked, and the x64 build runs every test"
    run_tree win -LE runs_programs
  fi
  use_windows_build win64 && set_wine_managed N
  run_tree win64 -- on_virtual_screen
  # Each entry not run counts as its test cases in the x64 run: the same list.
  for name in "${not_run[@]}"; do
    cases=$(grep -m1 -o '<testsuites [^>]*' "build/win64/test-results/$name.xml" 2>/dev/null |
              sed -nE 's/.* tests="([0-9]+)".*/\1/p')
    skipped_total=$((skipped_total + ${cases:-1}))
  done
fi

echo "test: $((SECONDS - started)) s; counts are GoogleTest test cases, other ctest entries once each"
echo "$passed passed, $failed failed, $skipped_total skipped"
[ "$failed" -eq 0 ]
