#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb with a window manager: the
# window after 1 1/2 + 2/3 is typed and "+" pressed, and the "Show Work" box that follows. With
# STYLE "dark", the program runs in the dark Adwaita style, as on a dark GNOME desktop.
# Usage: screenshots.sh [PROGRAM [SCALE [OUTPUT_DIR [STYLE]]]]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/dev/app/ondavi}
scale=${2:-1}
out=${3:-docs/screenshots}
style=${4:-}
suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
options=()
if [ "$style" = dark ]; then
  suffix="-dark$suffix"
  options=(-style Adwaita-Dark)
  dpkg-query -W adwaita-qt6 >/dev/null 2>&1 || apt-get install -y -q --no-install-recommends adwaita-qt6
fi
bash scripts/install-deps.sh
mkdir -p "$out"

source scripts/lib/xvfb.sh
start_xvfb 1280x800
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
xsetroot -solid '#5a7a96' 2>/dev/null || true
QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$program" "${options[@]}" >/dev/null 2>&1 &
app=$!
trap 'kill $app $wm 2>/dev/null || true; stop_xvfb' EXIT

window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Free Ondavi - Pellworth$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
xdotool windowactivate --sync "$window"
sleep 0.3
# Text1 has the focus: type 1 1/2 and 2/3, then move on to "+" (three boxes on) and press Enter.
xdotool type 1; xdotool key Tab; xdotool type 1; xdotool key Tab; xdotool type 2
xdotool key Tab Tab; xdotool type 2; xdotool key Tab; xdotool type 3
xdotool key Tab Tab Tab Return
sleep 0.5
import -frame -window "$window" "$out/calculator$suffix.png"

# From "+" nine steps on is "Show Work".
for _ in $(seq 9); do xdotool key Tab; done
xdotool key space
sleep 0.8
import -window root "$out/show-work$suffix.full.png"
convert "$out/show-work$suffix.full.png" -fuzz 2% -trim +repage "$out/show-work$suffix.png"
rm -f "$out/show-work$suffix.full.png"
xdotool key Return
echo "Screenshots in $out"
