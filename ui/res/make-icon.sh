#!/bin/sh
# Draws the program icon, a vernier caliper gauging a shaft, 32 x 32 pixels.
# Needs ImageMagick; the PNG it writes is committed, so builds do not need this script.
set -eu
out=${1:-$(dirname "$0")/quorlan.png}
convert -size 32x32 xc:none \
    -stroke '#2b3640' -strokewidth 1 \
    -fill '#b8c2cc' -draw 'rectangle 1,4 30,9' \
    -fill '#b8c2cc' -draw 'polygon 2,9 8,9 8,21 5,28 2,28' \
    -fill '#2f6fb5' -draw 'rectangle 15,2 24,11' \
    -fill '#2f6fb5' -draw 'polygon 17,11 23,11 23,28 20,28 17,21' \
    -fill '#c0392b' -draw 'circle 12.5,16 12.5,20.5' \
    -stroke '#2b3640' -draw 'line 10,4 10,6' -draw 'line 12,4 12,6' -draw 'line 26,4 26,6' -draw 'line 28,4 28,6' \
    -stroke '#ffffff' -draw 'line 17,5 17,7' -draw 'line 19,5 19,8' -draw 'line 21,5 21,7' \
    -strip -define png:exclude-chunks=date,time \
    "PNG32:$out"
