#!/usr/bin/env bash
# Draws the application icon (a dash camera: body, lens, recording light) with ImageMagick,
# as a PNG for the Linux program and a 24-bit ICO for the Windows one.
# The results are committed; run this only to change the picture.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 128x128 xc:none \
  -fill '#1f2a36' -draw 'roundrectangle 6,26 121,104 14,14' \
  -fill '#2f3f50' -draw 'roundrectangle 14,16 50,30 4,4' \
  -fill '#0b0f14' -draw 'circle 64,65 64,30' \
  -fill '#3a5f85' -draw 'circle 64,65 64,40' \
  -fill '#0b0f14' -draw 'circle 64,65 64,52' \
  -fill '#9cc7f0' -draw 'circle 57,58 57,53' \
  -fill '#e0302a' -draw 'circle 106,40 106,34' \
  -define png:color-type=6 vesko.png
python3 make_ico.py vesko.png vesko.ico
