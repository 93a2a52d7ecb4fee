#!/usr/bin/env bash
# Stops the native screnc with SIGTERM, Ctrl+C's SIGINT, SIGQUIT, SIGHUP and
# SIGPIPE while it writes its output: it must end by the signal, leave no
# temporary file of its own and keep the old output. Too slow for the test run
# (a large file each time).
#   bash scripts/check-encoder-signals.sh [megabytes]
set -uo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"
bash scripts/build.sh native >/dev/null || exit 1

# Job control, so that a background job takes SIGINT as a foreground one would.
set -m
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
yes 'MsgBox "hello, world"' | head -c $((${1:-16} * 1024 * 1024)) >"$dir/big.vbs"
failed=0
for signal in TERM INT QUIT HUP PIPE; do
  rm -f "$dir"/.screnc-*
  echo old >"$dir/big.vbe"
  build/native/screnc /f "$dir/big.vbs" "$dir/big.vbe" >/dev/null &
  pid=$!
  # The temporary file's name, polled without starting a process each time.
  until compgen -G "$dir/.screnc-*" >/dev/null || ! kill -0 "$pid" 2>/dev/null; do :; done
  kill -"$signal" "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  status=$?
  left=$(compgen -G "$dir/.screnc-*")
  if [ "$status" -ne $((128 + $(kill -l "$signal"))) ]; then
    echo "SIG$signal: exit status $status, not stopped by the signal (caught too late?)"
    failed=1
  elif [ -n "$left" ] || [ "$(cat "$dir/big.vbe")" != old ]; then
    echo "SIG$signal: left '$left', output $(head -c 20 "$dir/big.vbe")"
    failed=1
  else
    echo "SIG$signal: stopped while writing, nothing left behind"
  fi
done
exit $failed
