#!/usr/bin/env bash
# Draws all of Oracline's pictures: the logo, the small decorations, the zodiac
# strip, the two icons (src/res/art/, embedded by src/res/Artwork.rc) and the
# twelve sign images that are installed beside the data (src/res/signs/).
#
# Regenerate with:   tools/make-artwork.sh            (writes in place)
#                    tools/make-artwork.sh --sheet F  (also writes a 4x contact sheet F)
# Needs ImageMagick (convert, montage) and fonts-dejavu-core; no network. The
# output is the same on every run (with one ImageMagick version), so the files
# are kept in the repository and a rerun changes nothing unless this script did.
#
# One style throughout: a deep blue disc (or banner) with a thin gold rim and a
# gold figure, antialiased against the grey RGB(128,128,128) every dialog and
# page of the program is painted with, so the pictures sit on it without halos.
# Everything is drawn SS times too large and reduced by averaging, which gives
# clean edges at 16 to 48 pixels without depending on the renderer's own
# antialiasing.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
art="$here/src/res/art"
signs="$here/src/res/signs"
sheet=
if [[ ${1:-} == --sheet ]]; then
  sheet=${2:?usage: make-artwork.sh [--sheet FILE.png]}
fi

fonts=/usr/share/fonts/truetype/dejavu
glyph_font="$fonts/DejaVuSans.ttf"          # has the zodiac and planet signs
word_font="$fonts/DejaVuSerif-Bold.ttf"

command -v convert >/dev/null || { echo "make-artwork.sh: ImageMagick's convert is missing" >&2; exit 1; }
[[ -r $glyph_font && -r $word_font ]] || { echo "make-artwork.sh: fonts-dejavu-core is missing" >&2; exit 1; }

grey='#808080'
navy_light='#2B3F8C'
navy_dark='#0E1640'
gold='#F4CB52'
rim='#B98E2C'
dim_moon='#34467F'   # the unlit part of a moon, a shade above the disc
SS=8

# calc EXPR: floating-point arithmetic for drawing coordinates.
calc() { awk "BEGIN { printf \"%.3f\", $* }"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Keeps ImageMagick from writing anything that changes between runs.
plain=(-strip +set date:create +set date:modify)

# disc OUT SIZE DIAMETER RIMWIDTH: a blue disc with a gold rim, centred on a
# transparent SIZE*SS square, lit from the upper left.
disc() {
  local out=$1 size=$(( $2 * SS )) d=$(( $3 * SS )) rimw=$4
  local c=$(( size / 2 )) r=$(( d / 2 ))
  local g=$(( d * 13 / 10 ))
  local ring=$(calc "$r - $rimw * $SS / 2")
  # The gradient is larger than the disc and cut off-centre so that its
  # bright middle lands up and to the left.
  convert -size "${g}x${g}" radial-gradient:"$navy_light"-"$navy_dark" \
      -crop "${d}x${d}+$(( g - d ))+$(( g - d ))" +repage \
      -background none -gravity center -extent "${size}x${size}" \
      \( -size "${size}x${size}" xc:black -fill white -draw "circle $c,$c $c,$(( c - r ))" \) \
      -alpha off -compose CopyOpacity -composite \
      -fill none -stroke "$rim" -strokewidth "$(( rimw * SS ))" \
      -draw "circle $c,$c $c,$(calc "$c - $ring")" \
      "$out"
}

# glyph OUT POINTSIZE TEXT EXTRA: one gold character, cut to its ink, at SS
# scale. The font's zodiac signs are drawn with hairlines (its bold face has
# the same ones), so EXTRA pixels of outline thicken them for small sizes.
glyph() {
  convert -background none -fill "$gold" -stroke "$gold" -strokewidth "$(calc "$4 * $SS")" \
      -font "$glyph_font" -pointsize "$(( $2 * SS ))" label:"$3" -trim +repage "$1"
}

# shrink: ImageMagick options that average SS*SS blocks into one pixel.
shrink=(-filter Box -resize "$(calc "100 / $SS")%")

# shrink2x: the same for the pictures at twice the size, for screens of 144
# dpi and more.
shrink2x=(-filter Box -resize "$(calc "200 / $SS")%")

# bmp IN OUT: the picture over the grey, reduced, as a plain 24-bit BMP that
# the resource compiler and LoadImage take; beside it OUT-2x.bmp at twice
# the size.
bmp() {
  convert "$1" -background "$grey" -alpha remove -alpha off "${shrink[@]}" \
      "${plain[@]}" -type TrueColor BMP3:"$2"
  convert "$1" -background "$grey" -alpha remove -alpha off "${shrink2x[@]}" \
      "${plain[@]}" -type TrueColor BMP3:"${2%.bmp}-2x.bmp"
}

# moon OUT SIZE RADIUS PHASE: a moon of the given phase on a transparent
# SIZE*SS square. PHASE: waxing, first, full, last, waning (crescents and halves).
moon() {
  local out=$1 size=$(( $2 * SS )) r=$(( $3 * SS )) phase=$4
  local c=$(( size / 2 ))
  local lit="$work/lit.png" shade="$work/shade.png"
  convert -size "${size}x${size}" xc:none -fill "$gold" \
      -draw "circle $c,$c $c,$(( c - r ))" "$lit"
  case $phase in
    waxing|waning)
      local dx=$(( r * 6 / 10 ))
      [[ $phase == waxing ]] && dx=$(( -dx ))
      convert -size "${size}x${size}" xc:none -fill black \
          -draw "circle $(( c + dx )),$(( c - r / 8 )) $(( c + dx )),$(( c - r / 8 - r * 95 / 100 ))" "$shade" ;;
    first)
      convert -size "${size}x${size}" xc:none -fill black -draw "rectangle 0,0 $(( c - 1 )),$size" "$shade" ;;
    last)
      convert -size "${size}x${size}" xc:none -fill black -draw "rectangle $c,0 $size,$size" "$shade" ;;
    full)
      convert -size "${size}x${size}" xc:none "$shade" ;;
  esac
  convert "$lit" "$shade" -compose DstOut -composite "$lit"
  convert -size "${size}x${size}" xc:none -fill "$dim_moon" \
      -draw "circle $c,$c $c,$(( c - r ))" "$lit" -compose Over -composite "$out"
}

# crescent_with_star OUT SIZE SCALE: the program's emblem, a crescent opening to
# the right with a star in its arms, on a transparent SIZE*SS square. SCALE is
# the crescent's radius in pixels.
crescent_with_star() {
  local out=$1 size=$(( $2 * SS )) r=$(calc "$3 * $SS")
  local cx=$(calc "$size / 2 - $r * 0.18") cy=$(( size / 2 ))
  local hx=$(calc "$cx + $r * 0.42") hy=$(calc "$cy - $r * 0.16") hr=$(calc "$r * 0.80")
  local sx=$(calc "$cx + $r * 0.60") sy=$(calc "$cy - $r * 0.10") sr=$(calc "$r * 0.36")
  convert -size "${size}x${size}" xc:none -fill "$gold" \
      -draw "circle $cx,$cy $cx,$(calc "$cy - $r")" \
      \( -size "${size}x${size}" xc:none -fill black -draw "circle $hx,$hy $hx,$(calc "$hy - $hr")" \) \
      -compose DstOut -composite "$work/crescent.png"
  star_points "$sx" "$sy" "$sr" 5 0.45 > "$work/star.txt"
  convert "$work/crescent.png" -fill "$gold" -draw "polygon $(cat "$work/star.txt")" "$out"
}

# star_points CX CY R POINTS INNER: the corners of a star polygon, first point up.
star_points() {
  awk -v cx="$1" -v cy="$2" -v r="$3" -v n="$4" -v k="$5" 'BEGIN {
    pi = atan2(0, -1)
    for (i = 0; i < 2 * n; i++) {
      a = -pi / 2 + i * pi / n; rr = (i % 2) ? r * k : r
      printf "%.2f,%.2f ", cx + rr * cos(a), cy + rr * sin(a)
    }
  }'
}

mkdir -p "$art" "$signs"

# --- Zodiac: the strip of the main window and the sign images of the editor ---
zodiac_names=(aries taurus gemini cancer leo virgo libra scorpio sagittarius capricorn aquarius pisces)
zodiac_glyphs=(♈ ♉ ♊ ♋ ♌ ♍ ♎ ♏ ♐ ♑ ♒ ♓)

disc "$work/strip_disc.png" 40 30 1
disc "$work/sign_disc.png" 28 26 1
disc "$work/small_disc.png" 22 20 1
for i in "${!zodiac_names[@]}"; do
  # The smaller row of the Schedule dialog.
  glyph "$work/z.png" 11 "${zodiac_glyphs[i]}" 0.5
  convert -size $(( 22 * SS ))x$(( 22 * SS )) xc:none \
      "$work/small_disc.png" -gravity center -compose Over -composite \
      "$work/z.png" -gravity center -compose Over -composite "$work/small.png"
  bmp "$work/small.png" "$art/small$(( 135 + i )).bmp"

  glyph "$work/z.png" 18 "${zodiac_glyphs[i]}" 0.5
  convert -size $(( 40 * SS ))x$(( 32 * SS )) xc:none \
      "$work/strip_disc.png" -gravity center -compose Over -composite \
      "$work/z.png" -gravity center -compose Over -composite "$work/strip.png"
  bmp "$work/strip.png" "$art/strip$(( 162 + i )).bmp"

  glyph "$work/z.png" 16 "${zodiac_glyphs[i]}" 0.45
  convert "$work/sign_disc.png" "$work/z.png" -gravity center -compose Over -composite "$work/sign.png"
  # Outside the disc the image is transparent; its edge is already blended
  # with the page's grey, so a grey page shows no seam. Edge pixels the disc
  # barely touches are left transparent: they would come out as exact grey,
  # which the GIF palette cannot hold beside the transparent grey.
  convert "$work/sign.png" -background "$grey" -alpha remove -alpha off "${shrink[@]}" \
      \( "$work/sign.png" -alpha extract "${shrink[@]}" -threshold 12% \) \
      -alpha off -compose CopyOpacity -composite \
      -background "$grey" -alpha background -transparent-color "$grey" \
      "${plain[@]}" "$signs/${zodiac_names[i]}.gif"
done

# --- Decorations: ten small pictures of the night sky ---------------------
disc "$work/deco_disc.png" 20 18 1
deco() {   # deco ID FIGURE.png
  convert "$work/deco_disc.png" "$2" -gravity center -compose Over -composite "$work/deco.png"
  bmp "$work/deco.png" "$art/deco$1.bmp"
}
c=$(( 10 * SS ))
figure=$work/figure.png
blank=(-size $(( 20 * SS ))x$(( 20 * SS )) xc:none)

moon "$figure" 20 6 waxing;  deco 148 "$figure"
moon "$figure" 20 6 first;   deco 149 "$figure"
moon "$figure" 20 6 full;    deco 150 "$figure"
moon "$figure" 20 6 last;    deco 151 "$figure"

rays=()
for k in 0 1 2 3 4 5 6 7; do
  rays+=(-draw "line $(calc "$c + 4.4 * $SS * cos($k * 0.7854)"),$(calc "$c + 4.4 * $SS * sin($k * 0.7854)") $(calc "$c + 6.6 * $SS * cos($k * 0.7854)"),$(calc "$c + 6.6 * $SS * sin($k * 0.7854)")")
done
convert "${blank[@]}" -fill "$gold" -draw "circle $c,$c $c,$(calc "$c - 3.2 * $SS")" \
    -stroke "$gold" -strokewidth "$(calc "1.2 * $SS")" -draw "stroke-linecap round" "${rays[@]}" "$figure"
deco 152 "$figure"

convert "${blank[@]}" -fill "$gold" -draw "polygon $(star_points "$c" "$(calc "$c + 0.6 * $SS")" "$(calc "6.6 * $SS")" 5 0.42)" "$figure"
deco 153 "$figure"

# A ringed planet: the ring's far half is hidden by the body, its near half
# crosses in front of it.
ring_at="translate $c,$c rotate -22"
convert "${blank[@]}" -fill none -stroke "$gold" -strokewidth "$(calc "1.0 * $SS")" \
    -draw "$ring_at ellipse 0,0 $(calc "7.0 * $SS"),$(calc "2.3 * $SS") 0,360" \
    -stroke none -fill "$gold" -draw "circle $c,$c $c,$(calc "$c - 3.6 * $SS")" \
    -fill none -stroke "$navy_dark" -strokewidth "$(calc "2.2 * $SS")" \
    -draw "$ring_at ellipse 0,0 $(calc "7.0 * $SS"),$(calc "2.3 * $SS") 20,160" \
    -stroke "$gold" -strokewidth "$(calc "1.0 * $SS")" \
    -draw "$ring_at ellipse 0,0 $(calc "7.0 * $SS"),$(calc "2.3 * $SS") 0,180" "$figure"
deco 154 "$figure"

convert "${blank[@]}" -fill "$gold" \
    -draw "polygon $(star_points "$(calc "$c - 1.0 * $SS")" "$(calc "$c + 1.0 * $SS")" "$(calc "5.4 * $SS")" 4 0.28)" \
    -draw "polygon $(star_points "$(calc "$c + 3.6 * $SS")" "$(calc "$c - 3.4 * $SS")" "$(calc "2.4 * $SS")" 4 0.30)" "$figure"
deco 155 "$figure"

glyph "$work/g.png" 12 "♀" 0.5
convert "${blank[@]}" "$work/g.png" -gravity center -compose Over -composite "$figure"
deco 156 "$figure"

crescent_with_star "$figure" 20 6.2
deco 157 "$figure"

# --- Logo: the word on a blue banner, the emblem at its left ---------------
lw=$(( 160 * SS )); lh=$(( 48 * SS ))
convert -size "${lh}x${lw}" gradient:"$navy_light"-"$navy_dark" -rotate 90 "$work/banner_fill.png"
convert -size "${lw}x${lh}" xc:black -fill white \
    -draw "roundrectangle 0,0 $(( lw - 1 )),$(( lh - 1 )) $(( 10 * SS )),$(( 10 * SS ))" "$work/banner_mask.png"
convert "$work/banner_fill.png" "$work/banner_mask.png" -alpha off -compose CopyOpacity -composite \
    -fill none -stroke "$rim" -strokewidth "$SS" \
    -draw "roundrectangle $(( SS / 2 )),$(( SS / 2 )) $(( lw - SS / 2 - 1 )),$(( lh - SS / 2 - 1 )) $(( 10 * SS )),$(( 10 * SS ))" \
    "$work/banner.png"
crescent_with_star "$work/emblem.png" 48 14
convert -background none -fill "$gold" -font "$word_font" -pointsize $(( 23 * SS )) label:"Oracline" \
    -trim +repage "$work/word.png"
# Scattered stars, fixed so that every run draws the same sky.
sky=()
for s in "120 8 1.6" "150 13 1.1" "101 39 1.2" "140 40 1.5" "58 8 1.0" "84 41 1.0"; do
  read -r x y r <<<"$s"
  sky+=(-draw "polygon $(star_points "$(( x * SS ))" "$(( y * SS ))" "$(calc "$r * $SS")" 4 0.3)")
done
convert "$work/banner.png" \
    "$work/emblem.png" -gravity west -geometry +$(( 0 * SS ))+0 -compose Over -composite \
    "$work/word.png" -gravity west -geometry +$(( 44 * SS ))+$(( 1 * SS )) -compose Over -composite \
    -gravity northwest -fill "$gold" "${sky[@]}" "$work/logo.png"
bmp "$work/logo.png" "$art/logo175.bmp"

# --- Companion banner: the twelve signs in a row on a blue banner, for the
# Companion Analysis window, whose matching is made from them ----------------
cw=$(( 328 * SS )); ch=$(( 36 * SS ))
convert -size "${ch}x${cw}" gradient:"$navy_light"-"$navy_dark" -rotate 90 "$work/cbanner_fill.png"
convert -size "${cw}x${ch}" xc:black -fill white \
    -draw "roundrectangle 0,0 $(( cw - 1 )),$(( ch - 1 )) $(( 8 * SS )),$(( 8 * SS ))" "$work/cbanner_mask.png"
convert "$work/cbanner_fill.png" "$work/cbanner_mask.png" -alpha off -compose CopyOpacity -composite \
    -fill none -stroke "$rim" -strokewidth "$SS" \
    -draw "roundrectangle $(( SS / 2 )),$(( SS / 2 )) $(( cw - SS / 2 - 1 )),$(( ch - SS / 2 - 1 )) $(( 8 * SS )),$(( 8 * SS ))" \
    "$work/cbanner.png"
for i in "${!zodiac_glyphs[@]}"; do
  glyph "$work/z.png" 17 "${zodiac_glyphs[i]}" 0.5
  # Twelve cells of 26 pixels after a margin of 8, each glyph in the middle of its cell.
  convert "$work/cbanner.png" \( "$work/z.png" -gravity center -background none \
      -extent "$(( 26 * SS ))x$(( 28 * SS ))" \) \
      -gravity northwest -geometry "+$(( (8 + 26 * i) * SS ))+$(( 4 * SS ))" -compose Over -composite \
      "$work/cbanner.png"
done
bmp "$work/cbanner.png" "$art/banner160.bmp"

# --- Icons: the emblem on a disc (102, shown inside dialogs beside the round
# decorations) and on a rounded square (123, the window's own icon) ---------
icon() {   # icon OUT SHAPE
  local sizes=()
  # 256 for Explorer's large views and the setup's pages, 48 to 16 for lists,
  # captions and the task bar; the rim grows with the icon so it stays visible.
  for n in 256 48 32 16; do
    local big=$(( n * SS )) rimw=$(( n / 24 ))
    [[ $rimw -lt 1 ]] && rimw=1
    if [[ $2 == disc ]]; then
      disc "$work/base.png" "$n" "$n" "$rimw"
    else
      local rr=$(( n * SS / 5 ))
      convert -size "${big}x${big}" gradient:"$navy_light"-"$navy_dark" \
          \( -size "${big}x${big}" xc:black -fill white -draw "roundrectangle 0,0 $(( big - 1 )),$(( big - 1 )) $rr,$rr" \) \
          -alpha off -compose CopyOpacity -composite \
          -fill none -stroke "$rim" -strokewidth "$(( rimw * SS ))" \
          -draw "roundrectangle $(( rimw * SS / 2 )),$(( rimw * SS / 2 )) $(( big - rimw * SS / 2 - 1 )),$(( big - rimw * SS / 2 - 1 )) $rr,$rr" \
          "$work/base.png"
    fi
    crescent_with_star "$work/em.png" "$n" "$(calc "$n * 0.34")"
    convert "$work/base.png" "$work/em.png" -compose Over -composite "${shrink[@]}" -depth 8 "${plain[@]}" "$work/icon$n.png"
    sizes+=("$work/icon$n.png")
  done
  convert "${sizes[@]}" "$1"
}
icon "$art/icon102.ico" disc
icon "$art/icon123.ico" square

# The build does not see the pictures behind Artwork.rc as its inputs; a newer
# script makes it embed the new ones.
touch "$here/src/res/Artwork.rc"

# --- Contact sheet, for looking at the lot at once --------------------------
if [[ -n $sheet ]]; then
  row() {   # row OUT FILE...: one labelled row, scaled up 4 times
    local out=$1; shift
    montage -background "$grey" -fill white -pointsize 10 -label '%t %wx%h' "$@" \
        -filter point -resize 400% -geometry +8+8 -tile x1 "${plain[@]}" "$out"
  }
  decos=(); strips=(); gifs=()
  for i in $(seq 148 157); do decos+=("$art/deco$i.bmp"); done
  for i in $(seq 162 173); do strips+=("$art/strip$i.bmp"); done
  smalls=(); for i in $(seq 135 146); do smalls+=("$art/small$i.bmp"); done
  for n in "${zodiac_names[@]}"; do gifs+=("$signs/$n.gif"); done
  row "$work/r1.png" "$art/logo175.bmp" "$art/banner160.bmp" "$art"/icon102.ico "$art"/icon123.ico
  row "$work/r2.png" "${decos[@]}"
  row "$work/r3.png" "${strips[@]:0:6}"
  row "$work/r4.png" "${strips[@]:6:6}"
  row "$work/r5.png" "${gifs[@]}"
  row "$work/r6.png" "${smalls[@]}"
  convert -background "$grey" "$work"/r[1-6].png -gravity west -append "${plain[@]}" "$sheet"
fi
