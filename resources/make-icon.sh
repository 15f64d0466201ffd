#!/bin/sh
# Draws the program's icon, hwdex.ico (resource 105): a white monitor showing a fir tree on a
# fir-green tile, at 48, 32 and 16 pixels. Run from anywhere with ImageMagick's convert; the result
# is committed beside this script.
set -e
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
/usr/bin/convert -size 256x256 xc:none \
  -fill '#1E6B3C' -draw 'roundrectangle 8,8 247,247 44,44' \
  -fill white -draw 'roundrectangle 34,48 222,178 14,14' \
  -fill '#D8EEDD' -draw 'rectangle 52,66 204,160' \
  -fill '#1E6B3C' -draw 'polygon 128,72 94,114 162,114' -draw 'polygon 128,92 84,146 172,146' \
  -fill '#6B4A2B' -draw 'rectangle 120,146 136,160' \
  -fill white -draw 'polygon 106,178 150,178 160,204 96,204' -draw 'roundrectangle 68,200 188,218 8,8' \
  "$tmp/icon.png"
for size in 48 32 16; do
  /usr/bin/convert "$tmp/icon.png" -resize ${size}x${size} -unsharp 0x0.6 "$tmp/icon-$size.png"
done
/usr/bin/convert "$tmp/icon-48.png" "$tmp/icon-32.png" "$tmp/icon-16.png" hwdex.ico
