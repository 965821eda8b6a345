#!/usr/bin/env bash
# Paints the pictures and makes the sounds, music and movies of the demo
# game "The Dark Lighthouse". The outputs are committed under resource/, so
# nobody needs these tools to play: run this again only to change them.
# Needs ImageMagick 6 (convert), sox, ffmpeg and python3.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
gfx="$here/resource/gfx"
mm="$here/resource/mmedia"
mkdir -p "$gfx" "$mm"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

serif=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf
sans=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
italic=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Italic.ttf
ff=(ffmpeg -v error -y -bitexact)

# A soft painted finish: a little grain, then blur it together.
paint() { convert "$1" -seed 7 -attenuate 0.35 +noise Gaussian -blur 0x0.8 "$2"; }

# A wooden signpost showing the way out of a scene, painted into IMAGE with
# its board's top-left corner at X, Y (the board is 100 x 30).
sign() { # image x y text
  convert "$1" -fill '#4a3418' -draw "rectangle $(($2 + 47)),$(($3 + 30)) $(($2 + 53)),$(($3 + 60))" \
    -fill '#a8875a' -stroke '#4a3418' -strokewidth 2 -draw "roundrectangle $2,$3 $(($2 + 100)),$(($3 + 30)) 5,5" \
    -stroke none -font "$serif" -pointsize 12 -fill '#2d2414' -gravity northwest \
    -annotate +$(($2 + 6))+$(($3 + 7)) "$4" "$1"
}

# ---------------------------------------------------------------- scenes
cd "$work"

# Sky over sea: dusk gradient, sun, sea with glints, given the horizon.
sky() { # out top bottom horizon
  convert -size 700x"$4" gradient:"$2"-"$3" \
    \( -size 700x$((475 - $4)) gradient:'#2b4a6b'-'#0e1c2e' \) -append "$1"
}

# 1 The shore at dusk.
sky shore0.png '#1b2450' '#f2a35e' 250
convert shore0.png \
  -fill '#ffd27a' -draw "circle 250,250 250,214" \
  -fill '#2b4a6b' -draw "rectangle 0,250 700,262" \
  -fill '#f6c27099' -draw "rectangle 200,262 300,266 rectangle 215,274 285,277 rectangle 228,288 272,290" \
  -fill '#1a1a26' -draw "polygon 520,250 560,180 640,170 700,160 700,250" \
  -fill '#d9d9d9' -draw "polygon 600,172 606,110 618,110 624,170" \
  -fill '#1a1a26' -draw "rectangle 602,100 622,112" \
  -fill '#c8a46a' -draw "polygon 0,330 180,300 420,340 700,380 700,475 0,475" \
  -fill '#b08d58' -draw "polygon 0,400 300,380 700,440 700,475 0,475" \
  -fill '#e6f0f5' -draw "polygon 0,328 120,306 250,312 420,338 430,344 250,320 120,316 0,338" \
  -fill '#3b3530' -draw "ellipse 610,400 70,34 180,360" \
  -fill '#4b443d' -draw "ellipse 595,392 40,20 180,360" \
  -fill '#3b3530' -draw "ellipse 80,440 50,22 180,360" \
  shore1.png
sign shore1.png 595 215 'Harbour   >'
paint shore1.png "$gfx/shore.jpg"

# 2 The harbour square.
sky harb0.png '#141c3c' '#c6794c' 230
convert harb0.png \
  -fill '#23202a' -draw "polygon 0,230 0,120 60,90 120,120 120,230" \
  -fill '#2c2733' -draw "polygon 110,230 110,140 170,100 230,140 230,230" \
  -fill '#272230' -draw "polygon 470,230 470,130 540,90 610,130 610,230" \
  -fill '#ffcf6e' -draw "rectangle 30,150 50,170 rectangle 80,170 98,190 rectangle 150,160 170,180 rectangle 500,150 520,172 rectangle 560,180 580,200" \
  -fill '#6d655c' -draw "rectangle 0,230 700,475" \
  -fill '#5d564e' -draw "rectangle 0,330 700,338 rectangle 0,400 700,408" \
  -stroke '#4a443e' -strokewidth 2 -draw "line 100,230 60,475 line 250,230 230,475 line 400,230 420,475 line 560,230 620,475" \
  -stroke none -fill '#1d3550' -draw "rectangle 250,230 470,262" \
  -fill '#7a3a22' -draw "polygon 280,246 440,246 420,264 300,264" \
  -fill '#d8cfbc' -draw "polygon 350,246 352,188 392,240" \
  -stroke '#2a2522' -strokewidth 3 -draw "line 350,246 350,180" \
  -stroke none -fill '#2a2522' -draw "rectangle 640,150 646,300" \
  -fill '#ffe9a8' -draw "circle 643,146 643,136" \
  -fill '#ffe9a822' -draw "circle 643,146 643,100" \
  harb1.png
sign harb1.png 5 215 '<  Shore'
sign harb1.png 595 215 'Lighthouse >'
paint harb1.png "$gfx/harbour.jpg"

# 3 The boathouse, dark inside.
convert -size 700x475 gradient:'#3a2a1c'-'#140d08' \
  -fill '#24180f' -draw "rectangle 0,0 700,40" \
  -stroke '#1b120b' -strokewidth 3 \
  -draw "line 60,40 60,330 line 130,40 130,330 line 200,40 200,330 line 270,40 270,330 line 340,40 340,330 line 410,40 410,330 line 480,40 480,330 line 550,40 550,330 line 620,40 620,330" \
  -stroke none -fill '#2c1f15' -draw "rectangle 0,330 700,475" \
  -fill '#0f1b26' -draw "rectangle 0,390 700,475" \
  -fill '#5b3a22' -draw "polygon 180,360 520,360 480,410 230,410" \
  -fill '#6d4a2c' -draw "polygon 190,362 510,362 505,372 195,372" \
  -fill '#3e2a1a' -draw "rectangle 70,250 300,262 rectangle 420,250 660,262" \
  -fill '#6a7f99' -draw "rectangle 580,80 660,150" \
  -fill '#24180f' -draw "rectangle 617,80 623,150 rectangle 580,112 660,118" \
  boat1.png
sign boat1.png 300 425 'v    Out    v'
paint boat1.png "$gfx/boathouse.jpg"

# 4 The foot of the lighthouse.
sky foot0.png '#0d1230' '#5a4f78' 330
convert foot0.png \
  -fill '#fff8' -draw "point 40,40 point 120,80 point 200,30 point 520,50 point 600,90 point 660,30 point 90,150 point 560,160" \
  -fill '#3d3a35' -draw "polygon 0,300 200,280 500,290 700,310 700,475 0,475" \
  -fill '#4d4a44' -draw "polygon 0,360 700,380 700,475 0,475" \
  -fill '#e8e4da' -draw "polygon 270,330 297,90 403,90 430,330" \
  -fill '#b23a2e' -draw "polygon 282,220 290,150 410,150 418,220" \
  -fill '#b23a2e' -draw "polygon 293,125 296,100 404,100 407,125" \
  -fill '#1e1e24' -draw "rectangle 286,84 414,92" \
  -fill '#23242e' -draw "rectangle 305,42 395,84" \
  -fill '#3a4050' -draw "rectangle 314,48 342,80 rectangle 358,48 386,80" \
  -fill '#2f2f3a' -draw "polygon 298,44 350,14 402,44" \
  -fill '#8d8a80' -draw "rectangle 260,330 440,345" \
  -fill '#00000055' -draw "polygon 350,90 403,90 430,330 350,330" \
  foot1.png
sign foot1.png 5 300 '<  Harbour'
paint foot1.png "$gfx/foot.jpg"

# 5 The lamp room at the top.
convert -size 700x475 gradient:'#2d3442'-'#151922' \
  -fill '#0c1430' -draw "rectangle 40,40 660,300" \
  -fill '#fff6' -draw "point 100,80 point 220,60 point 400,110 point 560,70 point 620,140" \
  -fill '#1d3a5a' -draw "rectangle 40,220 660,300" \
  -stroke '#8a6b34' -strokewidth 8 -fill none \
  -draw "rectangle 40,40 660,300 line 195,40 195,300 line 350,40 350,300 line 505,40 505,300" \
  -stroke none -fill '#3a3f4a' -draw "rectangle 0,300 700,475" \
  -fill '#2a2e37' -draw "ellipse 350,430 240,40 0,360" \
  -fill '#7b6a48' -draw "rectangle 300,340 400,430" \
  -fill '#9a8659' -draw "rectangle 290,330 410,344" \
  lamp1.png
sign lamp1.png 30 425 'v   Stairs'
paint lamp1.png "$gfx/lamproom.jpg"

# 6 Safe harbour: the beam sweeps the sea, the ship comes in.
sky end0.png '#060a22' '#1f2a55' 250
convert end0.png \
  -fill '#fff9' -draw "point 50,40 point 130,90 point 210,20 point 330,60 point 450,30 point 520,100 point 610,50 point 660,120" \
  -fill '#fff3b055' -draw "polygon 620,120 0,60 0,190" \
  -fill '#fff3b033' -draw "polygon 620,120 0,30 0,230" \
  -fill '#1a1a26' -draw "polygon 560,250 600,170 680,160 700,160 700,250" \
  -fill '#e8e4da' -draw "polygon 606,165 612,110 628,110 634,162" \
  -fill '#ffe27a' -draw "circle 620,108 620,98" \
  -fill '#2a2326' -draw "polygon 150,300 420,300 400,330 170,330" \
  -fill '#3b2f2a' -draw "rectangle 210,270 360,300" \
  -fill '#ffd27a' -draw "rectangle 225,280 240,290 rectangle 260,280 275,290 rectangle 295,280 310,290 rectangle 330,280 345,290" \
  -stroke '#2a2326' -strokewidth 4 -draw "line 250,270 250,180 line 320,270 320,200" \
  -stroke none -fill '#d8cfbc' -draw "polygon 254,190 300,260 254,260 polygon 324,205 360,262 324,262" \
  -fill '#6d655c' -draw "rectangle 0,400 700,475" \
  -fill '#ffcf6e' -draw "circle 80,430 80,424 circle 640,430 640,424" \
  end1.png
paint end1.png "$gfx/ending.jpg"

# 7 Credits.
convert -size 700x475 gradient:'#0b1233'-'#1d2f5a' \
  -font "$serif" -fill '#ffd98a' -pointsize 34 -gravity north -annotate +0+40 'The Dark Lighthouse' \
  -font "$sans" -fill '#dfe6f0' -pointsize 18 \
  -annotate +0+120 'A small adventure for Quorvel Player' \
  -annotate +0+170 'Story, pictures and puzzles: the Quorvel Player developers' \
  -annotate +0+200 'Music and sounds: made with sox and a tiny MIDI writer' \
  -annotate +0+230 'Movies: painted with ImageMagick, put together with FFmpeg' \
  -font "$italic" -fill '#aab8d0' -pointsize 18 \
  -annotate +0+300 'Tom the fisherman and Ned the keeper thank you' \
  -annotate +0+330 'for keeping the light burning.' \
  credits1.png
paint credits1.png "$gfx/credits.jpg"

# The map: an old chart of the bay.
convert -size 700x475 gradient:'#e9d9ad'-'#cdb47c' \
  -fill '#9ec3c9' -draw "polygon 0,0 700,0 700,180 520,210 420,170 300,220 160,190 0,230" \
  -stroke '#6b4f2a' -strokewidth 3 -fill none \
  -draw "polyline 0,230 160,190 300,220 420,170 520,210 700,180" \
  -stroke '#6b4f2a55' -strokewidth 1 -draw "line 0,300 700,300 line 0,400 700,400 line 200,0 200,475 line 450,0 450,475" \
  -stroke none -fill '#6b4f2a' -font "$serif" -pointsize 30 -annotate +230+60 'The Bay of Saltmere' \
  -font "$italic" -pointsize 16 -annotate +90+270 'Shore' -annotate +330+270 'Harbour' \
  -annotate +540+250 'Lighthouse' -annotate +110+400 'Boathouse' \
  -fill '#8a2b20' -draw "polygon 590,200 596,170 604,170 610,200" \
  -fill '#6b4f2a' -draw "polygon 620,440 640,380 660,440 640,425" \
  -font "$serif" -pointsize 18 -annotate +633+465 'N' \
  map1.png
paint map1.png "$gfx/map.jpg"

# ------------------------------------------------------------- the skin

# Main menu: the lighthouse against the dusk, the title painted on top.
convert -size 800x600 gradient:'#0c1030'-'#d9784a' \
  \( -size 800x200 gradient:'#2b4a6b'-'#0b1626' \) -gravity south -composite -gravity northwest \
  -fill '#fff3b044' -draw "polygon 600,170 0,200 0,330" \
  -fill '#15151f' -draw "polygon 450,420 520,330 640,310 800,300 800,420" \
  -fill '#e8e4da' -draw "polygon 585,320 595,180 625,180 635,316" \
  -fill '#b23a2e' -draw "polygon 590,270 593,240 627,240 630,270" \
  -fill '#ffe27a' -draw "circle 610,170 610,156" \
  -fill '#1a1a22' -draw "polygon 588,160 610,140 632,160" \
  -font "$serif" -pointsize 54 -fill '#00000088' -annotate +43+93 'The Dark Lighthouse' \
  -fill '#ffd98a' -annotate +40+90 'The Dark Lighthouse' \
  -font "$italic" -pointsize 24 -fill '#00000088' -annotate +46+164 'a five-minute adventure' \
  -fill '#f3e6c8' -annotate +44+162 'a five-minute adventure' \
  menu1.png
paint menu1.png "$gfx/bgmenu.jpg"

# Game window: a dark wooden frame around the scene.
convert -size 800x600 gradient:'#4a3322'-'#24170e' \
  -stroke '#3a281a' -strokewidth 2 \
  -draw "line 0,100 800,100 line 0,200 800,200 line 0,300 800,300 line 0,400 800,400 line 0,500 800,500" \
  -stroke '#b08d58' -strokewidth 3 -fill none -draw "rectangle 46,6 753,488" \
  -stroke none -fill '#00000055' -draw "rectangle 46,488 753,540" \
  game1.png
paint game1.png "$gfx/bggame.jpg"

# Dialog backgrounds: parchment with a title.
dialog() { # out width height title
  convert -size "$2x$3" gradient:'#efe1bb'-'#cfb784' \
    -stroke '#6b4f2a' -strokewidth 4 -fill none -draw "rectangle 3,3 $(($2 - 4)),$(($3 - 4))" \
    -stroke none -font "$serif" -pointsize 20 -fill '#5a3f1e' -gravity north -annotate +0+8 "$4" \
    d.png
  paint d.png "$1"
}
dialog "$gfx/bgsave.jpg" 400 340 'Save your game'
dialog "$gfx/bgload.jpg" 400 340 'Load a game'
# The quit question shows no caption of its own over its background.
convert -size 300x130 gradient:'#efe1bb'-'#cfb784' \
  -stroke '#6b4f2a' -strokewidth 4 -fill none -draw "rectangle 3,3 296,126" \
  -stroke none -font "$serif" -pointsize 19 -fill '#5a3f1e' -gravity north -annotate +0+22 'Back to the main menu?' q.png
paint q.png "$gfx/bgquit.jpg"

# Exit picture.
convert -size 400x300 gradient:'#0c1030'-'#35507a' \
  -fill '#fff3b055' -draw "polygon 330,120 0,60 0,200" \
  -fill '#e8e4da' -draw "polygon 318,260 324,130 336,130 342,258" \
  -fill '#ffe27a' -draw "circle 330,122 330,112" \
  -font "$serif" -pointsize 26 -fill '#ffd98a' -annotate +30+60 'Thank you' \
  -annotate +30+95 'for playing!' \
  -font "$italic" -pointsize 15 -fill '#dfe6f0' -annotate +30+150 'The light still burns' \
  -annotate +30+172 'over the Bay of Saltmere.' \
  exit1.png
paint exit1.png "$gfx/exit.jpg"

# Two-frame buttons: frame 0 is the highlighted look, frame 1 the normal.
button() { # out width height text pointsize
  local w=$2 h=$3
  for look in hi lo; do
    if [ $look = hi ]; then top='#ffe7a6' bot='#d79a3e' ink='#3a220c'
    else top='#d9c9a0' bot='#8f7a52' ink='#2d2414'; fi
    convert -size "${w}x${h}" xc:none \
      -fill "$bot" -draw "roundrectangle 1,1 $((w - 2)),$((h - 2)) 10,10" \
      \( -size "$((w - 8))x$((h / 2))" gradient:"$top"-"$bot" \) -geometry +4+4 -composite \
      -stroke '#4a3418' -strokewidth 2 -fill none -draw "roundrectangle 1,1 $((w - 2)),$((h - 2)) 10,10" \
      -stroke none -font "$serif" -pointsize "$5" -fill "$ink" -gravity center -annotate +0+1 "$4" \
      "b_$look.png"
  done
  convert -delay 0 -dispose none b_hi.png b_lo.png -loop 0 "$1"
}
button "$gfx/btnintro.gif" 206 56 'Intro' 24
button "$gfx/btnnew.gif" 206 56 'New Game' 24
button "$gfx/btnload.gif" 206 56 'Load Game' 24
button "$gfx/btncredits.gif" 206 56 'Credits' 24
button "$gfx/btnclose.gif" 206 56 'Quit' 24
button "$gfx/btnquit.gif" 90 40 'Menu' 17
button "$gfx/btnsave.gif" 90 40 'Save' 17
button "$gfx/btnexamine.gif" 90 40 'Examine' 15
button "$gfx/btnyes.gif" 90 40 'Yes' 17
button "$gfx/btnno.gif" 90 40 'No' 17
button "$gfx/btnok.gif" 90 40 'OK' 17
button "$gfx/btncancel.gif" 90 40 'Cancel' 15

# Opening logo: a beam sweeps across the studio's name.
for i in 0 1 2 3 4 5 6 7 8 9; do
  x=$((i * 80 - 80))
  convert -size 400x200 xc:'#0b1233' \
    -fill '#fff3b066' -draw "polygon $x,0 $((x + 60)),0 $((x + 20)),200 $((x - 40)),200" \
    -font "$serif" -pointsize 34 -fill '#ffd98a' -gravity center -annotate +0-15 'Saltmere Games' \
    -font "$italic" -pointsize 16 -fill '#dfe6f0' -annotate +0+30 'presents' \
    "logo_$i.png"
done
convert -delay 20 logo_?.png -delay 150 logo_9.png -loop 1 "$gfx/logo.gif"

# Pointers: an arrow for the normal pointer, a reaching hand for things
# to take, a pointing hand for things to use.
convert -size 32x32 xc:none -fill '#f3e6c8' -stroke '#3a220c' -strokewidth 2 \
  -draw "polygon 2,2 2,24 8,18 13,29 17,27 12,16 20,16" "$gfx/arrow.gif"
convert -size 32x32 xc:none -fill '#ffd98a' -stroke '#3a220c' -strokewidth 2 \
  -draw "roundrectangle 6,12 26,30 5,5 roundrectangle 6,4 10,16 2,2 roundrectangle 11,2 15,14 2,2 roundrectangle 16,3 20,14 2,2 roundrectangle 21,6 25,16 2,2" \
  "$gfx/take.gif"
convert -size 32x32 xc:none -fill '#dfe6f0' -stroke '#1d2f5a' -strokewidth 2 \
  -draw "roundrectangle 8,14 26,30 5,5 roundrectangle 12,1 17,18 2,2" "$gfx/use.gif"

# ------------------------------------------------------- scene objects

# A gull gliding: four wing beats.
for i in 0 1 2 3; do
  case $i in 0) y=4;; 1) y=12;; 2) y=20;; 3) y=12;; esac
  convert -size 64x32 xc:none -stroke '#f4f4f4' -strokewidth 3 -fill none \
    -draw "polyline 4,$y 18,16 32,20 46,16 60,$y" \
    -stroke none -fill '#f4f4f4' -draw "ellipse 32,20 6,4 0,360" "gull_$i.png"
done
convert -delay 18 -dispose background gull_?.png -loop 0 "$gfx/gull.gif"

# The bottle on the sand, and its bar icon.
convert -size 70x40 xc:none -fill '#2f7a4a' -draw "roundrectangle 4,12 48,32 8,8" \
  -draw "rectangle 46,17 62,27" -fill '#8a6b34' -draw "rectangle 60,16 67,28" \
  -fill '#f3e6c8' -draw "rectangle 14,18 36,26" -fill '#ffffff88' -draw "rectangle 8,14 40,16" \
  "$gfx/bottle.gif"
convert "$gfx/bottle.gif" -resize 40x40 -gravity center -background none -extent 40x40 "$gfx/ibottle.gif"

# The note from the bottle, close up, and its icon.
convert -size 320x220 gradient:'#f1e4c2'-'#d9c08a' \
  -stroke '#8a6b34' -strokewidth 2 -fill none -draw "rectangle 2,2 317,217" \
  -stroke none -font "$italic" -pointsize 17 -fill '#3a220c' \
  -annotate +20+40 'To whoever finds this:' \
  -annotate +20+75 'I left the spare oil and a cotton' \
  -annotate +20+100 'wick in the old boathouse, west' \
  -annotate +20+125 'of the shore. Soak the wick well.' \
  -annotate +140+180 '- Ned, the keeper' "$gfx/noteclose.jpg"
convert -size 40x40 xc:none -fill '#efe1bb' -stroke '#8a6b34' -draw "polygon 4,8 34,4 36,32 6,36" \
  -stroke '#5a3f1e' -draw "line 10,14 30,12 line 10,20 30,18 line 10,26 24,25" "$gfx/note.gif"

# Tom the fisherman, smoke curling from his pipe.
for i in 0 1 2; do
  convert -size 110x200 xc:none \
    -fill '#2f3f5a' -draw "polygon 25,80 85,80 95,195 15,195" \
    -fill '#e3b48f' -draw "circle 55,55 55,30" \
    -fill '#d8d8d8' -draw "polygon 35,62 75,62 66,92 44,92" \
    -fill '#f1c40f' -draw "polygon 22,36 88,36 78,20 32,20" -draw "rectangle 18,34 92,40" \
    -fill '#000' -draw "circle 46,52 46,49 circle 64,52 64,49" \
    -fill '#5a3a22' -draw "rectangle 70,68 92,72 rectangle 88,60 94,72" \
    -fill "#dddddd$((9 - i * 3))0" -draw "circle $((92 + i)),$((50 - i * 8)) $((92 + i)),$((46 - i * 8))" \
    -fill '#dddddd60' -draw "circle $((96 - i)),$((38 - i * 6)) $((96 - i)),$((35 - i * 6))" \
    "tom_$i.png"
done
convert -delay 40 -dispose background tom_?.png -loop 0 "$gfx/tom.gif"

# Speech bubbles.
bubble() { # out text...
  local out=$1; shift
  convert -size 300x110 xc:none -fill '#fffdf5' -stroke '#3a220c' -strokewidth 2 \
    -draw "roundrectangle 2,2 297,88 14,14" -draw "polygon 40,86 30,108 70,86" \
    -stroke none -fill '#fffdf5' -draw "rectangle 36,80 68,87" \
    -font "$italic" -pointsize 15 -fill '#2d2414' -annotate +14+28 "$1" -annotate +14+50 "${2:-}" -annotate +14+72 "${3:-}" \
    "$out"
}
bubble "$gfx/say1.gif" 'Evening, stranger. A foul night' 'is blowing in from the sea.'
bubble "$gfx/say2.gif" 'Old Ned the keeper lies sick abed,' 'and the Morning Star sails in' 'tonight. Without the light...'
bubble "$gfx/say3.gif" 'Would you? Bless you! Here is' "Ned's key to the tower." 'The lamp wants oil and a wick.'
bubble "$gfx/say4.gif" 'Mind the stairs, and hurry:' 'the Morning Star is close.'

# A little folded chart: click it to open the map.
convert -size 48x40 xc:none -fill '#e9d9ad' -stroke '#6b4f2a' -strokewidth 2 \
  -draw "polygon 2,6 16,2 32,6 46,2 46,34 32,38 16,34 2,38" \
  -stroke '#6b4f2a' -strokewidth 1 -draw "line 16,2 16,34 line 32,6 32,38" \
  -stroke '#8a2b20' -strokewidth 2 -draw "line 8,16 14,22 line 14,16 8,22" "$gfx/chart.gif"

# The boathouse lantern: a Switch, from dark to burning.
for i in 0 1 2; do
  case $i in 0) glass='#3a3a3a'; halo='#00000000';; 1) glass='#c98a2a'; halo='#ffd27a33';; 2) glass='#ffe27a'; halo='#ffd27a55';; esac
  convert -size 80x100 xc:none -fill "$halo" -draw "circle 40,55 40,10" \
    -fill '#2a2a2a' -draw "rectangle 38,2 42,16 rectangle 24,16 56,22 rectangle 24,78 56,84" \
    -fill "$glass" -draw "rectangle 28,22 52,78" \
    -stroke '#2a2a2a' -strokewidth 2 -draw "line 40,22 40,78" "lantern_$i.png"
done
convert -delay 12 -dispose background lantern_0.png lantern_1.png lantern_2.png -loop 1 "$gfx/lantern.gif"

# The oil can and the wick, in the scene and as icons.
convert -size 60x60 xc:none -fill '#a33a2a' -draw "roundrectangle 8,20 44,56 6,6" \
  -fill '#7b2a1e' -draw "polygon 40,26 58,8 60,12 44,34" -fill '#444' -draw "rectangle 18,12 30,20" \
  -fill '#ffffff55' -draw "rectangle 12,26 16,50" "$gfx/oilcan.gif"
convert "$gfx/oilcan.gif" -resize 40x40 "$gfx/ioil.gif"
convert -size 60x40 xc:none -stroke '#f1ead8' -strokewidth 4 -fill none \
  -draw "ellipse 30,20 24,12 0,360 ellipse 30,20 14,7 0,360" "$gfx/wick.gif"
convert "$gfx/wick.gif" -resize 40x40 -gravity center -background none -extent 40x40 "$gfx/iwick.gif"
convert -size 40x40 xc:none -stroke '#b08d58' -strokewidth 4 -fill none \
  -draw "ellipse 20,20 16,10 0,360 ellipse 20,20 9,5 0,360" \
  -stroke none -fill '#a33a2a' -draw "circle 30,10 30,6" "$gfx/ioiled.gif"

# The tower door, locked and open.
convert -size 80x120 xc:none -fill '#7a2a20' -draw "roundrectangle 4,10 76,118 30,30" \
  -stroke '#4a1a12' -strokewidth 2 -draw "line 22,20 22,118 line 40,12 40,118 line 58,20 58,118" \
  -stroke none -fill '#c8a45a' -draw "circle 62,70 62,66 rectangle 58,76 66,84" "$gfx/door.gif"
convert -size 80x120 xc:none -fill '#120e0c' -draw "roundrectangle 4,10 76,118 30,30" \
  -fill '#ffd27a55' -draw "polygon 30,118 50,118 46,40 34,40" "$gfx/dooropen.gif"

# The tower key.
convert -size 40x40 xc:none -stroke '#8a6b34' -strokewidth 4 -fill none -draw "circle 11,20 11,12" \
  -draw "line 17,20 36,20 line 30,20 30,28 line 35,20 35,27" "$gfx/key.gif"

# A box of matches on the step, and its icon.
convert -size 40x40 xc:none -fill '#e0c24a' -draw "rectangle 4,14 36,30" \
  -fill '#8a2b20' -draw "rectangle 4,14 36,19" -fill '#3a220c' -draw "rectangle 30,21 36,30" "$gfx/matches.gif"

# The bell by the door: it swings when rung.
for a in 0 14 -14 8 -8 0; do
  convert -size 70x80 xc:none -fill '#5a3a22' -draw "rectangle 10,2 60,8" \
    \( -size 70x80 xc:none -fill '#c8a45a' -draw "polygon 23,20 47,20 56,62 14,62" \
       -fill '#8a6b34' -draw "circle 35,66 35,61" -fill '#e6cf86' -draw "rectangle 26,24 30,58" \
       -virtual-pixel transparent -distort SRT "35,10 1 $a" \) -composite "bell_$a.png"
done
convert -delay 12 -dispose background bell_0.png bell_14.png bell_-14.png bell_8.png bell_-8.png bell_0.png -loop 1 "$gfx/bell.gif"

# The great lamp: empty, with a wick, and burning.
lamp() { # out wick flame
  convert -size 160x150 xc:none \
    -fill '#b08d58' -draw "polygon 40,146 120,146 100,120 60,120" \
    -fill '#c8a45a' -draw "ellipse 80,80 50,42 0,360" \
    -fill '#e6cf86' -draw "ellipse 66,70 14,20 0,360" \
    -fill '#8a6b34' -draw "rectangle 72,30 88,42" \
    -fill "$2" -draw "rectangle 77,18 83,32" \
    -fill "$3" -draw "ellipse 80,12 8,12 0,360" "$1"
}
lamp "$gfx/lampempty.gif" '#00000000' '#00000000'
lamp "$gfx/lampwick.gif" '#f1ead8' '#00000000'
lamp lit.png '#f1ead8' '#ffcf40'
for i in 0 1 2 3; do
  r=$((70 + i * 10))
  convert -size 240x220 xc:none -stroke '#ffe27a' -strokewidth 3 \
    -draw "line $((120 - r)),60 $((120 - r / 2)),60 line $((120 + r / 2)),60 $((120 + r)),60 line 120,$((60 - r / 2 - 10)) 120,$((60 - r / 3 - 10))" \
    -draw "line $((120 - r * 2 / 3)),$((60 - r * 2 / 3)) $((120 - r / 3)),$((60 - r / 3)) line $((120 + r * 2 / 3)),$((60 - r * 2 / 3)) $((120 + r / 3)),$((60 - r / 3))" \
    "glow_$i.png"
  convert "glow_$i.png" lit.png -geometry +40+48 -composite "lit_$i.png"
done
convert -delay 15 -dispose background lit_0.png lit_1.png lit_2.png lit_3.png lit_2.png lit_1.png -loop 0 "$gfx/lamplit.gif"

# The storm shutters over the window: closed, half, open.
for i in 0 1 2; do
  w=$((150 - i * 65))
  convert -size 300x250 xc:none -fill '#4a5a6a' -draw "rectangle 0,0 $w,250 rectangle $((300 - w)),0 300,250" \
    -stroke '#2f3a45' -strokewidth 2 -draw "line 0,40 $w,40 line 0,90 $w,90 line 0,140 $w,140 line 0,190 $w,190" \
    -draw "line $((300 - w)),40 300,40 line $((300 - w)),90 300,90 line $((300 - w)),140 300,140 line $((300 - w)),190 300,190" \
    "shut_$i.png"
done
convert -delay 15 -dispose background shut_0.png shut_1.png shut_2.png -loop 1 "$gfx/shutters.gif"

# A map marker.
convert -size 24x24 xc:none -fill '#8a2b20' -stroke '#3a220c' -draw "circle 12,12 12,3" \
  -fill '#ffd98a' -stroke none -draw "circle 12,12 12,8" "$gfx/marker.gif"

# ------------------------------------------------------------- sounds
cd "$work"
rate=(-r 22050 -c 1 -b 16)
# A wave breaking: filtered noise swelling and falling.
sox -R -n "${rate[@]}" "$mm/wave.wav" synth 2.5 brownnoise fade q 0.8 2.5 1.5 lowpass 900 vol 0.6
# A gull: two falling cries.
sox -R -n "${rate[@]}" g1.wav synth 0.35 sine 1900-1200 vol 0.35 fade 0.02 0.35 0.15
sox -R -n "${rate[@]}" g0.wav trim 0 0.12
sox -R g1.wav g0.wav g1.wav "$mm/gull.wav" tremolo 30 40
# Picking something up: a short rising pluck.
sox -R -n "${rate[@]}" "$mm/pickup.wav" synth 0.25 pluck C5 pluck E5 fade 0 0.25 0.1 vol 0.8
sox -R -n "${rate[@]}" p1.wav synth 0.12 pluck G5 vol 0.7
sox -R -n "${rate[@]}" p2.wav synth 0.3 pluck C6 fade 0 0.3 0.2 vol 0.7
sox -R "$mm/pickup.wav" p1.wav p2.wav "$mm/pickup2.wav"
mv "$mm/pickup2.wav" "$mm/pickup.wav"
# Button click and hover.
sox -R -n "${rate[@]}" "$mm/click.wav" synth 0.05 square 700 fade 0 0.05 0.04 vol 0.3
sox -R -n "${rate[@]}" "$mm/hover.wav" synth 0.06 sine 1200 fade 0 0.06 0.05 vol 0.2
# A ship's bell.
sox -R -n "${rate[@]}" "$mm/bell.wav" synth 2.0 sine 880 sine 1320 sine 2210 fade 0 2.0 1.9 vol 0.5
# A lantern catching: a scrape and a soft whoosh; the lantern going out.
sox -R -n "${rate[@]}" "$mm/light.wav" synth 0.5 pinknoise fade 0.05 0.5 0.3 highpass 1500 vol 0.5
sox -R -n "${rate[@]}" "$mm/snuff.wav" synth 0.3 brownnoise fade 0 0.3 0.25 lowpass 600 vol 0.6
# A door creaking open.
sox -R -n "${rate[@]}" "$mm/door.wav" synth 1.2 sawtooth 140-90 tremolo 18 70 lowpass 1200 fade 0.05 1.2 0.3 vol 0.35
# Refusal: a low double thud.
sox -R -n "${rate[@]}" r1.wav synth 0.12 sine 160 fade 0 0.12 0.1 vol 0.7
sox -R r1.wav g0.wav r1.wav "$mm/nope.wav"
# A little chime for the map and for a good idea.
sox -R -n "${rate[@]}" "$mm/chime.wav" synth 0.8 pluck E5 pluck B5 fade 0 0.8 0.6 vol 0.6
# The boathouse soundtrack: water lapping and a slow drip, looped.
sox -R -n "${rate[@]}" lap.wav synth 6 brownnoise lowpass 400 tremolo 0.4 60 vol 0.5
sox -R -n "${rate[@]}" drip.wav synth 0.08 sine 1400-700 fade 0 0.08 0.07 vol 0.4
sox -R -m lap.wav "|sox -R drip.wav -p pad 1.5 4.42" "$mm/boathouse.wav"

# The sharper effects peak at -6 dB, so that a few at once do not clip.
for f in pickup nope chime snuff wave; do
  sox -R "$mm/$f.wav" n.wav norm -6
  mv n.wav "$mm/$f.wav"
done

# The sea soundtrack (MP3): a slow swell under a soft drone, made to loop.
sox -R -n -r 44100 -c 2 sea.wav synth 12 brownnoise brownnoise lowpass 700 tremolo 0.17 70 vol 0.45
sox -R -n -r 44100 -c 2 pad.wav synth 12 sine 110 sine 164.8 tremolo 0.25 40 vol 0.08
sox -R -m sea.wav pad.wav sea2.wav fade 0.5 12 0.5
"${ff[@]}" -i sea2.wav -c:a libmp3lame -b:a 64k "$mm/sea.mp3"

# The harbour tune (MIDI): a gentle sea shanty in D minor, melody on a
# flute over an accordion, written byte by byte.
python3 - "$mm/harbour.mid" <<'PY'
import struct, sys
def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)
ppq = 96
# (pitch, length in eighths); 0 is a rest.
melody = [(62,2),(65,1),(67,1),(69,3),(67,1),(65,2),(64,2),(62,4),
          (69,2),(72,1),(70,1),(69,2),(67,2),(65,2),(67,2),(69,4),
          (62,2),(65,1),(67,1),(69,3),(70,1),(72,2),(69,2),(67,4),
          (65,2),(64,1),(62,1),(64,2),(61,2),(62,6),(0,2)]
chords = [(50,57,62),(48,55,60),(50,57,62),(45,52,57),(53,57,60),(48,55,60),(50,57,62),(45,52,57),
          (50,57,62),(43,50,55),(48,55,60),(45,52,57),(46,53,58),(45,52,57),(50,57,62),(50,57,62)]
def track(events):
    return b'MTrk' + struct.pack('>I', len(events)) + events
tempo = vlq(0) + b'\xff\x51\x03' + (600000).to_bytes(3, 'big') + vlq(0) + b'\xff\x2f\x00'
lead = vlq(0) + b'\xc0\x49'          # flute on channel 1
delta = 0
for pitch, eighths in melody:
    length = eighths * ppq // 2
    if pitch == 0:
        delta += length
        continue
    lead += vlq(delta) + bytes([0x90, pitch, 90]) + vlq(length - 8) + bytes([0x80, pitch, 0])
    delta = 8
lead += vlq(delta) + b'\xff\x2f\x00'
acc = vlq(0) + b'\xc1\x15'            # accordion on channel 2
delta = 0
for chord in chords:
    acc += vlq(delta) + bytes([0x91, chord[0], 55])
    for p in chord[1:]:
        acc += vlq(0) + bytes([0x91, p, 45])
    acc += vlq(2 * ppq - 4) + bytes([0x81, chord[0], 0])
    for p in chord[1:]:
        acc += vlq(0) + bytes([0x81, p, 0])
    delta = 4
acc += vlq(delta) + b'\xff\x2f\x00'
midi = b'MThd' + struct.pack('>IHHH', 6, 1, 3, ppq) + track(tempo) + track(lead) + track(acc)
open(sys.argv[1], 'wb').write(midi)
PY

# ------------------------------------------------------------- movies

# The intro (MPG): the storm gathers over the bay while the story is told.
for i in $(seq 0 39); do
  shade=$((40 + i))
  convert -size 320x240 gradient:"rgb(10,14,$shade)"-"rgb($((90 - i)),60,70)" \
    -fill '#15151f' -draw "polygon 200,180 240,130 320,120 320,180" \
    -fill '#d9d9d9' -draw "polygon 268,126 272,80 282,80 286,124" \
    -fill '#1a1a22' -draw "rectangle 270,72 284,80" \
    -fill '#2b4a6b' -draw "rectangle 0,180 320,240" \
    -fill '#ffffff33' -draw "line 0,$((190 + (i % 5) * 8)) 320,$((186 + (i % 7) * 7))" \
    -font "$italic" -pointsize 15 -fill '#f3e6c8' \
    -annotate +14+30 "$( [ $i -lt 20 ] && echo 'A storm is coming to Saltmere.' || echo 'And the lighthouse has gone dark...')" \
    "intro_$(printf %02d "$i").png"
done
"${ff[@]}" -framerate 8 -i intro_%02d.png -i "$mm/wave.wav" -filter_complex "[1:a]aloop=loop=1:size=55125,apad[a]" \
  -map 0:v -map '[a]' -t 5 -r 25 -c:v mpeg1video -q:v 4 -c:a mp2 -b:a 96k -ar 44100 -f mpeg "$mm/intro.mpg"

# The light comes on (AVI): the beam sweeps from the tower across the sea.
for i in $(seq 0 23); do
  x=$((i * 30 - 40))
  convert -size 320x240 gradient:'#060a22'-'#1f2a55' \
    -fill '#fff3b066' -draw "polygon 270,70 $x,0 $((x + 120)),240" \
    -fill '#1a1a26' -draw "polygon 220,240 250,110 290,100 320,100 320,240" \
    -fill '#e8e4da' -draw "polygon 262,110 266,70 276,70 280,108" \
    -fill '#ffe27a' -draw "circle 271,66 271,58" \
    -fill '#2b4a6b' -draw "rectangle 0,200 220,240" \
    "beam_$(printf %02d "$i").png"
done
"${ff[@]}" -framerate 8 -i beam_%02d.png -i "$mm/chime.wav" -filter_complex "[1:a]apad[a]" \
  -map 0:v -map '[a]' -t 3 -c:v mpeg4 -q:v 5 -c:a pcm_s16le -ar 22050 "$mm/beam.avi"

echo "made $(ls "$gfx" | wc -l) pictures and $(ls "$mm" | wc -l) sounds and movies"
