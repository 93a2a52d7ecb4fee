#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests natively, the Win32 and
# end-to-end tests under Wine on a virtual screen. Exits non-zero on any failure
# and ends with one line "N passed, M failed" that counts GoogleTest test cases,
# every other ctest entry as one, and a tree that failed to build as one failure.
set -uo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"
started=$SECONDS

bash scripts/setup.sh || exit 1

passed=0
failed=0

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

run_tree() {  # <tree> <command prefix>...
  local tree=$1 dir=build/$1
  shift
  rm -rf "$dir/test-results" "$dir/ctest-results.xml"
  if ! bash scripts/build.sh "$tree"; then
    echo "test: the $tree build failed"
    failed=$((failed + 1))
    return
  fi
  echo "test: $tree tests"
  "$@" ctest --test-dir "$dir" --output-on-failure --output-junit "$repo_root/$dir/ctest-results.xml"
  count_results "$dir"
}

if on_windows; then
  run_tree win
else
  run_tree native
  # Both builds are made; Wine runs the tests of each build this machine can run.
  bash scripts/build.sh win win64 && set_wine_managed N
  if runs_32bit_wine; then
    run_tree win on_virtual_screen
  else
    echo "test: this machine runs no 32-bit Windows programs under Wine: the x64 build's tests only"
  fi
  run_tree win64 on_virtual_screen
fi

echo "test: $((SECONDS - started)) s; counts are GoogleTest test cases, other ctest entries once each"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
