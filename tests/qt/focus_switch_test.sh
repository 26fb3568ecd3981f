#!/usr/bin/env bash
# Uses the real program as a person does, under Xvfb with a window manager: types into a
# numerator box, switches to another window and back and types on; then selects the box, pastes
# over it from its context menu. The box must hold what was typed and then what was pasted.
# Usage: focus_switch_test.sh PATH_TO_ONDAVI
set -euo pipefail
program=$1

source "$(dirname "$0")/../../scripts/lib/xvfb.sh"
start_xvfb 800x600 || { echo "FAIL: Xvfb did not start"; exit 1; }
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$program" >/dev/null 2>&1 &
app=$!
xmessage -geometry +500+400 "another window" >/dev/null 2>&1 &
other_app=$!
trap 'kill $app $other_app $wm 2>/dev/null || true; wait $app $other_app $wm 2>/dev/null || true; stop_xvfb' EXIT

find_window() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 && return 0
    sleep 0.1
  done
  echo "FAIL: no window named $1" >&2
  exit 1
}
calculator=$(find_window '^Free Ondavi - Pellworth$')
other=$(find_window '^xmessage$')

# What the focused box holds, read through the clipboard (Ctrl+A, Ctrl+C).
focused_box_text() {
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard
}
check() {
  if [ "$2" = "$3" ]; then echo "ok: $1 ($2)"; else echo "FAIL: $1: '$2', expected '$3'"; failed=1; fi
}
failed=0

xdotool windowactivate --sync "$calculator" 2>/dev/null
sleep 0.3
xdotool key Tab  # Text1 has the focus at start; Text2 is the first numerator
xdotool type 12
xdotool windowactivate --sync "$other" 2>/dev/null
sleep 0.3
xdotool windowactivate --sync "$calculator" 2>/dev/null
sleep 0.3
xdotool type 3
check "typing after switching windows" "$(focused_box_text)" 123

# Paste over the selected text from the box's context menu. Text2 stands at (56, 24) pixels
# inside the frame, which stands at (8, 8) in the client area.
printf 34 | xclip -selection clipboard -i
xdotool key ctrl+a
xdotool mousemove --window "$calculator" 75 40 click 3
sleep 0.5
xdotool key p  # the menu's "Paste"
sleep 0.2
check "paste from the context menu" "$(focused_box_text)" 34

if [ "$failed" = 0 ]; then echo "2 passed, 0 failed"; else exit 1; fi
