#!/usr/bin/env bash
# Renders the scalable icon into the PNG sizes the programs carry and packs them into the
# Windows icon. The results are committed; run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || apt-get install -y -q --no-install-recommends librsvg2-bin
svg=packaging/com.pellworth.Ondavi.svg
mkdir -p packaging/icons
pngs=()
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$svg" -o "packaging/icons/ondavi-$size.png"
  pngs+=("packaging/icons/ondavi-$size.png")
done
convert "${pngs[@]}" win32/ondavi.ico
echo "Icons written to packaging/icons/ and win32/ondavi.ico"
