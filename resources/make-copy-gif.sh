#!/bin/sh
# Draws the summary page's copy button, copy.gif: two sheets of paper, one over the other, 16x16.
# Run from anywhere with ImageMagick's convert; the result is committed beside this script.
set -e
cd "$(dirname "$0")"
/usr/bin/convert -size 16x16 xc:none +antialias \
  -fill white -stroke '#4A6FA5' -strokewidth 1 -draw 'rectangle 1,1 9,11' \
  -stroke '#9DB3D4' -draw 'line 3,4 7,4' -draw 'line 3,6 7,6' -draw 'line 3,8 6,8' \
  -fill white -stroke '#1F4E8C' -draw 'rectangle 6,4 14,14' \
  -stroke '#7F9CC8' -draw 'line 8,7 12,7' -draw 'line 8,9 12,9' -draw 'line 8,11 11,11' \
  -strip -colors 16 copy.gif
