#!/bin/sh
# Draws the player's built-in pictures into assets/builtin/ with ImageMagick
# (Debian package imagemagick). The outputs are committed, so a build needs
# no ImageMagick; run this only to change a picture. Hot spots of the
# pointers are kept in src/ui/builtin_pictures.cpp: change them together.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out="$here/builtin"
font="$here/DejaVuSans.ttf"
mkdir -p "$out"
cd "$out"

# Every pointer: 32 x 32, white shapes with a black edge on transparent.
pointer() {  # name, draw commands
  convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 \
    -draw "$2" -strip "PNG32:pointer_$1.png"
}

# The normal arrow, its tip at 1,1.
arrow='polygon 1,1 1,23 7,18 11,27 15,25 11,17 18,17'
pointer normal "$arrow"

# The four direction arrows point with their tips: up at 15,1.
up='polygon 15,1 29,15 21,15 21,30 10,30 10,15 1,15'
pointer up "$up"
convert pointer_up.png -flip PNG32:pointer_down.png
convert pointer_up.png -rotate 270 PNG32:pointer_left.png
convert pointer_up.png -rotate 90 PNG32:pointer_right.png

# The diagonal arrows, up-left with its tip at 1,1, the others mirrored.
pointer up_left 'polygon 1,1 17,1 11,7 28,24 24,28 7,11 1,17'
convert pointer_up_left.png -flop PNG32:pointer_up_right.png
convert pointer_up_left.png -flip PNG32:pointer_down_left.png
convert pointer_up_left.png -flip -flop PNG32:pointer_down_right.png

# Exit: a door with an arrow going out of it; the hot spot is its middle.
convert -size 32x32 xc:none -stroke black -strokewidth 1 \
  -fill '#8B5A2B' -draw 'rectangle 3,2 16,29' \
  -fill '#3A2410' -draw 'rectangle 6,5 13,26' \
  -fill white -draw 'polygon 9,13 20,13 20,8 30,16 20,24 20,19 9,19' \
  -strip PNG32:pointer_exit.png

# Hotspot: a cross-hair ring; the hot spot is its centre.
convert -size 32x32 xc:none -fill none -stroke black -strokewidth 4 \
  -draw 'circle 16,16 16,5' -draw 'line 16,1 16,10' -draw 'line 16,22 16,31' \
  -draw 'line 1,16 10,16' -draw 'line 22,16 31,16' \
  -stroke white -strokewidth 2 \
  -draw 'circle 16,16 16,5' -draw 'line 16,2 16,10' -draw 'line 16,22 16,30' \
  -draw 'line 2,16 10,16' -draw 'line 22,16 30,16' \
  -fill red -stroke none -draw 'rectangle 15,15 17,17' \
  -strip PNG32:pointer_hotspot.png

# Goodie: the arrow with a gold star (something to take).
convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 -draw "$arrow" \
  -fill gold -draw 'polygon 24,12 26,18 31,18 27,22 29,28 24,24 19,28 21,22 17,18 22,18' \
  -strip PNG32:pointer_goodie.png

# Reactor: the arrow with a red exclamation bubble (something that reacts).
convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 -draw "$arrow" \
  -fill '#D02020' -draw 'circle 24,22 24,15' \
  -fill white -stroke none -draw 'rectangle 23,17 25,23' -draw 'rectangle 23,25 25,27' \
  -strip PNG32:pointer_reactor.png

# Wait: an hourglass; the hot spot is its centre.
convert -size 32x32 xc:none -stroke black -strokewidth 1 \
  -fill '#C8A060' -draw 'rectangle 6,1 25,4' -draw 'rectangle 6,27 25,30' \
  -fill white -draw 'polygon 8,5 23,5 23,8 17,15 17,16 23,23 23,26 8,26 8,23 14,16 14,15 8,8' \
  -fill '#E0B040' -stroke none -draw 'polygon 10,8 21,8 16,14 15,14' \
  -draw 'polygon 15,19 16,19 21,25 10,25' \
  -strip PNG32:pointer_wait.png

# Buttons: a hand pointing up with its index finger; the hot spot is the
# fingertip at 12,1.
convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 \
  -draw 'roundrectangle 10,1 15,20 2,2' \
  -draw 'roundrectangle 15,10 20,21 2,2' \
  -draw 'roundrectangle 20,11 25,22 2,2' \
  -draw 'roundrectangle 25,13 29,23 2,2' \
  -draw 'polygon 3,16 10,22 10,17 15,18 29,18 29,24 26,30 12,30 3,20' \
  -stroke none -draw 'rectangle 11,17 28,23' \
  -strip PNG32:pointer_buttons.png

# FNF: the tile shown for a picture file the game names but that is missing.
convert -size 72x64 xc:'#E8E8E8' -fill none -stroke '#C00000' -strokewidth 3 \
  -draw 'rectangle 1,1 70,62' -stroke '#C00000' -strokewidth 2 \
  -draw 'line 24,20 47,43' -draw 'line 47,20 24,43' \
  -stroke none -fill black -font "$font" -pointsize 8 -gravity center \
  -annotate +0-22 'PICTURE' -annotate +0+22 'NOT FOUND' \
  -strip fnf.gif

# AniGIF1: an object that is to be clicked but has no picture: a dashed
# frame with a question mark, transparent inside.
convert -size 48x48 xc:none -fill none -stroke '#2060C0' -strokewidth 2 \
  -draw 'stroke-dasharray 6 4 rectangle 1,1 46,46' \
  -stroke none -fill '#2060C0' -font "$font" -pointsize 28 -gravity center \
  -annotate +0+0 '?' -strip anigif1.gif

# UnknownObject: an object of a kind the player does not know.
convert -size 48x48 xc:'#FFD080' -fill none -stroke '#A05000' -strokewidth 2 \
  -draw 'rectangle 1,1 46,46' -stroke none -fill '#A05000' -font "$font" \
  -pointsize 22 -gravity center -annotate +0+0 '??' -strip unknown_object.gif

# NoPic: an empty picture slot, fully transparent.
convert -size 32x32 xc:none -strip nopic.gif

# The map marker: a red pin head that pulses.
convert -dispose background -delay 40 \
  \( -size 20x20 xc:none -fill '#D01010' -stroke white -strokewidth 2 -draw 'circle 10,10 10,2' \) \
  \( -size 20x20 xc:none -fill '#FF5050' -stroke white -strokewidth 2 -draw 'circle 10,10 10,0' \) \
  -loop 0 -strip map_marker.gif

# The engine logo: the name wiped in from the left in seven steps, then
# held with its subtitle. The name spans about x = 53 … 265.
logo() {  # subtitle, cover from x, file
  convert -size 320x120 xc:'#101830' -font "$font" -pointsize 56 -fill '#F0C040' \
    -stroke '#805010' -strokewidth 1 -gravity center -annotate +0-8 Quorvel \
    -stroke none -fill '#8090B0' -pointsize 14 -gravity south -annotate +0+10 "$1" \
    -gravity northwest -fill '#101830' -draw "rectangle $2,0 319,119" "$3"
}
frames=""
for i in 1 2 3 4 5 6; do
  logo "" $((53 + i * 31)) "logo_$i.png"
  frames="$frames logo_$i.png"
done
logo "adventure engine" 320 logo_last.png
# shellcheck disable=SC2086
convert -dispose none -delay 20 $frames -delay 150 logo_last.png -loop 0 -strip engine_logo.gif
rm -f logo_*.png
