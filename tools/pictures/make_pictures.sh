#!/usr/bin/env bash
# Draws the order wizard's pictures (our own artwork) into resources/ as BMP files, which the
# window definitions embed: the step badges (120 x 45, 24 bits), the reseller's logo
# (270 x 50, 8 bits) and the secure-site seal (150 x 101, 8 bits).
# Needs ImageMagick and Wine's own fonts (/usr/share/wine/fonts). Run from anywhere.
set -euo pipefail
OUT=$(cd "$(dirname "$0")/../../resources" && pwd)
FONTS=/usr/share/wine/fonts
BOLD=$FONTS/tahomabd.ttf
REGULAR=$FONTS/tahoma.ttf
FACE='#F0F0F0'

# A blue ribbon with the word "Step" and a white disc holding the step number.
badge() {
  local number=$1 out=$2
  convert -size 120x45 xc:"$FACE" \
    \( -size 116x39 gradient:'#4F8EDC'-'#1A4A94' \
       \( -size 116x39 xc:black -fill white -draw 'roundrectangle 0,0 115,38 9,9' \) \
       -alpha off -compose CopyOpacity -composite \) -geometry +2+3 -compose Over -composite \
    -fill none -stroke '#0E2F66' -strokewidth 1 -draw 'roundrectangle 2,3 117,41 9,9' -stroke none \
    -font "$BOLD" -pointsize 21 -fill white -gravity NorthWest -annotate +12+8 'Step' \
    -fill '#9CC3F2' -draw 'rectangle 13,35 64,36' \
    -stroke '#0E2F66' -fill white -draw 'circle 92,22 92,7' -stroke none \
    -font "$BOLD" -pointsize 21 -fill '#1A4A94' -annotate +85+8 "$number" \
    -type TrueColor -define bmp:format=bmp3 "BMP3:$out"
}

badge 1 "$OUT/step1.bmp"
badge 2 "$OUT/step2.bmp"

# The reseller's logo: a card with a lynx-ear notch beside the word mark and a line under it.
convert -size 270x50 xc:white \
  -fill '#E8F0FB' -stroke '#1A4A94' -strokewidth 2 -draw 'roundrectangle 6,10 50,40 5,5' \
  -stroke none -fill '#1A4A94' -draw 'rectangle 7,17 49,22' \
  -fill '#F2A81D' -draw 'rectangle 12,28 24,35' \
  -fill '#1A4A94' -draw 'polygon 36,10 41,2 46,10' -draw 'polygon 27,10 32,2 37,10' \
  -font "$BOLD" -pointsize 27 -fill '#1A4A94' -gravity NorthWest -annotate +58+3 'Pay' \
  -fill '#F2A81D' -annotate +106+3 'lynx' \
  -font "$BOLD" -pointsize 12 -fill '#4A5A70' -annotate +60+33 'secure online orders' \
  -colors 256 -type Palette -compress None -define bmp:format=bmp3 "BMP3:$OUT/paylynx.bmp"

# The secure-site seal: a green shield with a padlock, the words around it and a ribbon below.
convert -size 150x101 xc:white \
  -fill '#1D7A3A' -stroke '#0F4D22' -strokewidth 2 \
  -draw 'path "M 75,4 L 112,14 L 110,52 Q 106,72 75,84 Q 44,72 40,52 L 38,14 Z"' \
  -stroke none -fill '#FFD34D' -draw 'roundrectangle 62,36 88,58 3,3' \
  -fill none -stroke '#FFD34D' -strokewidth 4 -draw 'arc 65,20 85,46 180,360' -stroke none \
  -fill '#1D7A3A' -draw 'circle 75,45 75,42' -draw 'rectangle 74,45 76,52' \
  -font "$BOLD" -pointsize 11 -fill white -gravity North -annotate +0+9 'SECURE' \
  -fill '#C62828' -draw 'polygon 4,72 146,72 139,84 146,96 4,96 11,84' \
  -font "$BOLD" -pointsize 15 -fill white -gravity North -annotate +0+75 'VERIFIED SITE' \
  -colors 256 -type Palette -compress None -define bmp:format=bmp3 "BMP3:$OUT/seal.bmp"

for f in step1 step2 paylynx seal; do identify "$OUT/$f.bmp"; done
