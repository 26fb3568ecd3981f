#!/usr/bin/env bash
# Takes screenshots of the Windows program under Wine and Xvfb with a window manager: the empty
# window, and the window after 1 1/2 + 2/3 is typed and "+" pressed, at 96 dpi and at 144 dpi.
# Usage: screenshots-windows.sh [ONDAVI_EXE [OUTPUT_DIR]]
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-build/windows/app/ondavi.exe}
out=${2:-docs/screenshots}
mkdir -p "$out"

source scripts/lib/xvfb.sh
start_xvfb 1024x600
openbox >/dev/null 2>&1 &
wm=$!
trap 'wineserver -k 2>/dev/null || true; kill $wm 2>/dev/null || true; stop_xvfb' EXIT
sleep 1
xsetroot -solid '#5a7a96' 2>/dev/null || true

shoot() {  # DPI SUFFIX
  local prefix
  prefix="$PWD/build/wineprefix-$1dpi"
  export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$prefix/system.reg" ] || { wineboot --init >/dev/null 2>&1; wineserver -w; }
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
  wine "$exe" >/dev/null 2>&1 &
  local window=""
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Free Ondavi - Pellworth$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  sleep 0.5
  import -frame -window "$window" "$out/windows-empty$2.png"
  # Text1 has the focus: 1 1/2 and 2/3, then on to "+" (three stops on) and Enter.
  xdotool type 1; xdotool key Tab; xdotool type 1; xdotool key Tab; xdotool type 2
  xdotool key Tab Tab; xdotool type 2; xdotool key Tab; xdotool type 3
  xdotool key Tab Tab Tab Return
  sleep 0.5
  import -frame -window "$window" "$out/windows$2.png"
  wineserver -k
}
shoot 96 ""
shoot 144 "@144dpi"
echo "Screenshots in $out"
