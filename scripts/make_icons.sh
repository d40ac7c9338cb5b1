#!/usr/bin/env bash
# Renders the application icon data/tallimor.svg into the PNG sizes a desktop
# menu looks for, data/icons/<N>x<N>/tallimor.png.  Run after changing the
# drawing; the PNGs are kept in the repository, so a build needs neither tool.
# Needs rsvg-convert (apt-get install librsvg2-bin): ImageMagick's own SVG
# renderer draws the board black, so it is not a substitute.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null; then
  echo "make_icons.sh needs rsvg-convert: apt-get install librsvg2-bin" >&2
  exit 1
fi
for size in 16 32 48 64 128 256; do
  out="data/icons/${size}x${size}/tallimor.png"
  mkdir -p "$(dirname "$out")"
  rsvg-convert -w "$size" -h "$size" data/tallimor.svg -o "$out"
done
