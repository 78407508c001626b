#!/usr/bin/env bash
# Draws the setup program's pictures with ImageMagick and writes them here:
#   side.bmp        158 x 318, 8 bits: the picture at the left of the wizard pages (140)
#   background.bmp  320 x 240, 8 bits: the background window's picture (141)
#   setup.ico       16 x 16 and 32 x 32: the program's icon (128)
# and the medium's small picture mpg2.bmp (64 x 48, 8 bits) into data/.
# The files are kept in the repository; run this only to change them.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/../../.." && pwd)
cd "$here"

bmp8() { convert "$1" -dither None -colors 256 -type Palette -compress None "BMP3:$2"; }

# A television set: body, screen with a glow, two antenna rods.
tv() {  # SIZE: square edge in pixels
  local s=$1
  convert -size "${s}x${s}" xc:none \
    -stroke '#c8d4ff' -strokewidth $((s / 16 + 1)) \
    -draw "line $((s / 2)),$((s * 3 / 8)) $((s / 4)),$((s / 16))" \
    -draw "line $((s / 2)),$((s * 3 / 8)) $((s * 3 / 4)),$((s / 16))" \
    -stroke none -fill '#1b2b6b' -draw "roundrectangle 1,$((s * 5 / 16)) $((s - 2)),$((s - 2)) 3,3" \
    -fill '#58c8f0' -draw "rectangle $((s / 8)),$((s * 7 / 16)) $((s * 11 / 16)),$((s * 7 / 8))" \
    -fill '#e0f6ff' -draw "rectangle $((s / 5)),$((s / 2)) $((s * 3 / 8)),$((s * 5 / 8))" \
    -fill '#ffb030' -draw "circle $((s * 13 / 16)),$((s * 9 / 16)) $((s * 13 / 16)),$((s * 9 / 16 + s / 16 + 1))" \
    "PNG32:tv$s.png"
}

tv 16
tv 32
convert tv16.png tv32.png setup.ico
tv 96

convert -size 158x318 gradient:'#0b1850'-'#2b77b8' \
  tv96.png -gravity center -geometry +0-40 -composite \
  -fill '#ffffff' -font DejaVu-Sans-Bold -pointsize 20 -gravity south -annotate +0+60 'TV Drovan' \
  -fill '#c8d4ff' -font DejaVu-Sans -pointsize 12 -annotate +0+40 'Kestrova' \
  side-full.bmp
bmp8 side-full.bmp side.bmp

convert -size 320x240 gradient:'#000040'-'#003070' \
  \( tv96.png -resize 64x64 \) -gravity southeast -geometry +16+16 -composite \
  background-full.bmp
bmp8 background-full.bmp background.bmp

convert -size 64x48 gradient:'#202020'-'#4080c0' \
  -fill '#ffffff' -font DejaVu-Sans-Bold -pointsize 14 -gravity center -annotate +0+0 'MPEG2' \
  mpg2-full.bmp
bmp8 mpg2-full.bmp "$top/data/mpg2.bmp"

rm -f tv16.png tv32.png tv96.png side-full.bmp background-full.bmp mpg2-full.bmp
