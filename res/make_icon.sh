#!/usr/bin/env bash
# Draws the application icon (a dash camera: body, lens, recording light) with ImageMagick:
# the 128-pixel PNG the Linux program carries, the ICO of the Windows one made from it, and
# the same picture at the other sizes desktop menus ask for (icons/).
# The results are committed; run this only to change the picture.
set -euo pipefail
cd "$(dirname "$0")"

draw() {  # SIZE OUTPUT: the picture, laid out on a 128-unit grid, scaled to SIZE pixels
  local scale
  scale=$(awk -v size="$1" 'BEGIN { print size / 128 }')
  local shape=(
    '#1f2a36' 'roundrectangle 6,26 121,104 14,14'
    '#2f3f50' 'roundrectangle 14,16 50,30 4,4'
    '#0b0f14' 'circle 64,65 64,30'
    '#3a5f85' 'circle 64,65 64,40'
    '#0b0f14' 'circle 64,65 64,52'
    '#9cc7f0' 'circle 57,58 57,53'
    '#e0302a' 'circle 106,40 106,34'
  )
  local args=()
  for ((i = 0; i < ${#shape[@]}; i += 2)); do
    args+=(-fill "${shape[i]}" -draw "affine $scale,0,0,$scale,0,0 ${shape[i + 1]}")
  done
  # 8 bits a channel: what screens show, and quicker to decode at start-up than 16.
  convert -size "$1x$1" xc:none "${args[@]}" -depth 8 -define png:color-type=6 "$2"
}

draw 128 vesko.png
python3 make_ico.py vesko.png vesko.ico
mkdir -p icons
for size in 48 256; do
  draw "$size" "icons/vesko-$size.png"
done
