#!/bin/sh
# Renders the program icon, icons/quorlan.svg, into the PNG sizes of the hicolor theme. The PNGs are
# committed, so builds do not need this script; run it after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
icons=$(dirname "$0")/icons
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$icons/quorlan-$size.png" "$icons/quorlan.svg"
done
