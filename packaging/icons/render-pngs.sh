#!/bin/sh
# Renders the icon's PNG sizes from the SVG (needs rsvg-convert from librsvg2-bin).
# The PNGs are committed, so building the program never needs this.
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" org.tutorama.Tutorama.svg -o "hicolor/${size}x${size}/org.tutorama.Tutorama.png"
done
