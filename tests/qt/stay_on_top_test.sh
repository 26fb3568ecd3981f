#!/usr/bin/env bash
# Starts the real program on its own Xvfb display and checks, with xprop, that its mapped window
# is titled "Free Ondavi - Pellworth" and asks to stay above other windows.
# Usage: stay_on_top_test.sh PATH_TO_ONDAVI
set -euo pipefail
program=$1
title="Free Ondavi - Pellworth"

source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
unset QT_QPA_PLATFORM
log=$(mktemp)
app=""
trap '[ -z "$app" ] || { kill $app 2>/dev/null; wait $app 2>/dev/null; } || true; rm -f "$log"; stop_xvfb' EXIT

# The id of the program's mapped window, or nothing once the program has ended or 30 s passed.
mapped_window() {
  local window
  for _ in $(seq 300); do
    window=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\":" 'index($0, t) {print $1; exit}')
    if [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
      echo "$window"
      return
    fi
    kill -0 "$app" 2>/dev/null || return 0
    sleep 0.1
  done
}

start_xvfb 640x400 || { echo "FAIL: Xvfb did not start"; exit 1; }
"$program" >"$log" 2>&1 &
app=$!
window=$(mapped_window)
if [ -z "$window" ]; then
  echo "FAIL: no mapped window titled \"$title\"; the program said:"
  cat "$log"
  xvfb_report
  exit 1
fi

props=$(xprop -id "$window" _NET_WM_NAME _NET_WM_STATE)
echo "$props"
grep -q "_NET_WM_NAME(UTF8_STRING) = \"$title\"" <<<"$props" || { echo "FAIL: title"; exit 1; }
grep -q '_NET_WM_STATE_ABOVE' <<<"$props" || { echo "FAIL: not above other windows"; exit 1; }
echo "1 passed, 0 failed"
