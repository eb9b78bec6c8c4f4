#!/usr/bin/env bash
# Renders the game's icon (data/icons/*.svg) to the PNG sizes desktops look for. The PNGs are
# committed, so building needs no SVG renderer; run this after changing the SVG.
#   tools/make_icons.sh        (needs rsvg-convert, from librsvg2-bin)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
id=org.finaltableholdem.FinalTableHoldem
for size in 16 22 24 32 48 64 128 256 512; do
  out="$root/data/icons/hicolor/${size}x${size}/apps"
  mkdir -p "$out"
  rsvg-convert -w "$size" -h "$size" "$root/data/icons/$id.svg" -o "$out/$id.png"
done
