#!/usr/bin/env bash
# Makes every file of the resource bundle from nothing: images and icons with ImageMagick,
# the alarm sound with sox. Same tools, same bytes: no timestamps go into the files.
set -euo pipefail

cd "$(dirname "$0")"

for tool in convert sox; do
    command -v "$tool" >/dev/null || {
        echo "make-resources.sh: '$tool' is needed (ImageMagick and sox)" >&2
        exit 1
    }
done

ORANGE='#ffa02f'
DARK_ORANGE='#d7801a'
RED='#ca0619'
TEXT='#b1b1b1'
SURFACE='#323232'
DEEP='#242424'
MID='#5d5d5d'
BORDER='#1e1e1e'
FACE='#e6e6e6'

PNG_OPTS=(-strip -define png:exclude-chunks=date,time -define png:bit-depth=8)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# rgba NAME DRAW-ARGS...: a 128 x 128 image with an alpha channel.
rgba()
{
    local name=$1
    shift
    convert -size 128x128 xc:none "$@" "${PNG_OPTS[@]}" "PNG32:$name"
}

# rgb NAME DRAW-ARGS...: a 128 x 128 image without alpha, on the theme's surface colour.
rgb()
{
    local name=$1
    shift
    convert -size 128x128 "xc:$SURFACE" "$@" -alpha off "${PNG_OPTS[@]}" "PNG24:$name"
}

# Clock face at 10:10 on a transparent canvas: the product icon.
clock_face=(
    -draw "fill $ORANGE stroke none circle 64,64 64,5"
    -draw "fill $FACE stroke none circle 64,64 64,15"
)
for angle in 0 30 60 90 120 150 180 210 240 270 300 330; do
    if ((angle % 90 == 0)); then
        clock_face+=(-draw "stroke $SURFACE stroke-width 5 translate 64,64 rotate $angle line 0,-46 0,-35")
    else
        clock_face+=(-draw "stroke $SURFACE stroke-width 3 translate 64,64 rotate $angle line 0,-46 0,-39")
    fi
done
clock_face+=(
    -draw "stroke $DEEP stroke-width 8 stroke-linecap round translate 64,64 rotate -60 line 0,0 0,-24"
    -draw "stroke $DEEP stroke-width 5 stroke-linecap round translate 64,64 rotate 60 line 0,0 0,-36"
    -draw "stroke $RED stroke-width 2 translate 64,64 rotate 160 line 0,8 0,-40"
    -draw "fill $ORANGE stroke $DEEP stroke-width 2 circle 64,64 64,58"
)
convert -size 128x128 xc:none "${clock_face[@]}" "$work/clock.png"
convert "$work/clock.png" -background "$SURFACE" -alpha remove -alpha off \
    "${PNG_OPTS[@]}" PNG24:Tivora_Icon.png
convert "$work/clock.png" -alpha on -define icon:auto-resize=16,32,48,64,128 Tivora_icon.ico

# Exit: a door with an arrow leading out of it.
rgba button_exit.png \
    -draw "fill $MID stroke $TEXT stroke-width 5 rectangle 16,10 72,118" \
    -draw "fill $DEEP stroke none rectangle 24,18 64,110" \
    -draw "fill #4a4a4a stroke none polygon 24,18 56,28 56,118 24,110" \
    -draw "fill $TEXT stroke none circle 50,68 50,73" \
    -draw "stroke $ORANGE stroke-width 12 line 60,64 98,64" \
    -draw "fill $ORANGE stroke none polygon 94,40 124,64 94,88"

# Settings: a gear with a hole through its hub.
gear=()
for angle in 0 45 90 135 180 225 270 315; do
    gear+=(-draw "fill $TEXT stroke none translate 64,64 rotate $angle roundrectangle -11,-60 11,-34 3,3")
done
convert -size 128x128 xc:none "${gear[@]}" \
    -draw "fill $TEXT stroke none circle 64,64 64,22" \
    \( -size 128x128 xc:none -draw "fill black circle 64,64 64,48" \) \
    -compose DstOut -composite -compose Over \
    -draw "fill none stroke $ORANGE stroke-width 7 circle 64,64 64,43" \
    "${PNG_OPTS[@]}" PNG32:button_settings.png

# About: a white "i" on an orange disc.
rgba button_about.png \
    -draw "fill $ORANGE stroke $DARK_ORANGE stroke-width 3 circle 64,64 64,6" \
    -draw "fill white stroke none circle 64,35 64,45" \
    -draw "fill white stroke none roundrectangle 55,54 73,104 5,5"

# Information: an orange "i" in a grey ring.
rgba button_information.png \
    -draw "fill #4a4a4a stroke $TEXT stroke-width 8 circle 64,64 64,8" \
    -draw "fill $ORANGE stroke none circle 64,36 64,46" \
    -draw "fill $ORANGE stroke none roundrectangle 55,55 73,102 5,5"

# Stopwatch: a round face with the crown and a side button, one hand.
rgba button_stopwatch.png \
    -draw "fill $TEXT stroke none roundrectangle 54,2 74,14 3,3" \
    -draw "fill $TEXT stroke none rectangle 59,12 69,26" \
    -draw "fill $TEXT stroke none translate 64,74 rotate 45 roundrectangle -6,-62 6,-48 2,2" \
    -draw "fill $ORANGE stroke none circle 64,74 64,22" \
    -draw "fill $FACE stroke none circle 64,74 64,31" \
    -draw "stroke $SURFACE stroke-width 4 line 64,34 64,42" \
    -draw "stroke $SURFACE stroke-width 4 line 104,74 96,74" \
    -draw "stroke $SURFACE stroke-width 4 line 64,114 64,106" \
    -draw "stroke $SURFACE stroke-width 4 line 24,74 32,74" \
    -draw "stroke $RED stroke-width 5 stroke-linecap round translate 64,74 rotate 50 line 0,0 0,-34" \
    -draw "fill $DEEP stroke none circle 64,74 64,68"

# Feedback: a speech bubble with three dots.
rgba buttons_feedback.png \
    -draw "fill $ORANGE stroke $DARK_ORANGE stroke-width 3 roundrectangle 8,14 120,88 20,20" \
    -draw "fill $ORANGE stroke none polygon 30,84 22,118 60,86" \
    -draw "stroke $DARK_ORANGE stroke-width 3 line 30,88 22,118" \
    -draw "stroke $DARK_ORANGE stroke-width 3 line 22,118 60,89" \
    -draw "fill $SURFACE stroke none circle 38,51 38,60" \
    -draw "fill $SURFACE stroke none circle 64,51 64,60" \
    -draw "fill $SURFACE stroke none circle 90,51 90,60"

# ring_sector FROM TO: a filled band between radii 36 and 48 round (64,64), clockwise from
# FROM to TO degrees, as a polygon (a stroked open arc comes out closed by a chord).
ring_sector()
{
    awk -v a0="$1" -v a1="$2" 'BEGIN {
        pi = atan2(0, -1); printf "polygon"
        for (a = a0; a <= a1; a += 4) printf " %.2f,%.2f", 64 + 48 * cos(a * pi / 180), 64 + 48 * sin(a * pi / 180)
        for (a = a1; a >= a0; a -= 4) printf " %.2f,%.2f", 64 + 36 * cos(a * pi / 180), 64 + 36 * sin(a * pi / 180)
    }'
}

# Check for updates: two arrows chasing each other round a circle.
rgba buttons_check_updates.png \
    -draw "fill $ORANGE stroke none $(ring_sector 200 320)" \
    -draw "fill $ORANGE stroke none $(ring_sector 20 140)" \
    -draw "fill $ORANGE stroke none translate 64,64 rotate 320 polygon 22,-1 64,-1 43,26" \
    -draw "fill $ORANGE stroke none translate 64,64 rotate 140 polygon 22,-1 64,-1 43,26"

# Stopwatch controls: an orange symbol on a dark round button.
button_base=(-draw "fill #4a4a4a stroke $BORDER stroke-width 3 circle 64,64 64,6"
    -draw "fill none stroke $MID stroke-width 2 circle 64,64 64,11")
rgb play_button.png "${button_base[@]}" \
    -draw "fill $ORANGE stroke none polygon 48,34 48,94 98,64"
rgb button_pause.png "${button_base[@]}" \
    -draw "fill $ORANGE stroke none roundrectangle 40,36 58,92 3,3" \
    -draw "fill $ORANGE stroke none roundrectangle 70,36 88,92 3,3"
rgb button_stop.png "${button_base[@]}" \
    -draw "fill $ORANGE stroke none roundrectangle 38,38 90,90 5,5"
rgb button_round.png "${button_base[@]}" \
    -draw "stroke $TEXT stroke-width 6 line 42,28 42,102" \
    -draw "fill $ORANGE stroke none polygon 45,28 66,36 94,30 94,62 66,68 45,60"

# Waiting animation: seven dots round a circle; frame k lights dot k.
frames=(one two three four five six seven)
for k in 0 1 2 3 4 5 6; do
    spinner=()
    for dot in 0 1 2 3 4 5 6; do
        # Dot 0 sits at twelve o'clock; the rest follow clockwise, 360/7 degrees apart.
        angle=$(awk -v d="$dot" 'BEGIN { printf "%.4f", -90 + d * 360 / 7 }')
        if ((dot == k)); then
            spinner+=(-draw "fill $ORANGE stroke $DARK_ORANGE stroke-width 2 translate 64,64 rotate $angle circle 44,0 44,14")
        else
            spinner+=(-draw "fill $MID stroke none translate 64,64 rotate $angle circle 44,0 44,10")
        fi
    done
    rgba "load_${frames[$k]}.png" "${spinner[@]}"
done

# Combo box drop-down arrow: 7 x 5, grey with alpha.
convert -size 7x5 xc:none \
    -draw "fill $TEXT line 0,0 6,0 line 1,1 5,1 line 2,2 4,2 point 3,3" \
    -draw "fill rgba(177,177,177,0.45) point 0,1 point 6,1 point 1,2 point 5,2 point 2,3 point 4,3 point 3,4" \
    "${PNG_OPTS[@]}" -define png:color-type=4 PNG:down_arrow.png

# Spin box up arrow: the drop-down arrow upside down.
convert down_arrow.png -flip "${PNG_OPTS[@]}" -define png:color-type=4 PNG:up_arrow.png

# Check mark of a checked check box: 9 x 9.
convert -size 9x9 xc:none \
    -draw "fill none stroke $ORANGE stroke-width 1.8 polyline 1,4.5 3.5,7 8,1.5" \
    "${PNG_OPTS[@]}" PNG32:checkbox.png

# Tool bar grip: a 6 x 6 tile of raised dots.
convert -size 6x6 xc:none \
    -draw "fill #8a8a8a point 1,1 point 4,4" \
    -draw "fill $BORDER point 2,2 point 5,5" \
    "${PNG_OPTS[@]}" PNG32:handle.png

# The alarm: 880 Hz beeps, a quarter second on and off, at half scale; 532,480 stereo frames
# (2,129,920 bytes of 16-bit samples). No dither, so the samples are the same on every run.
mkdir -p audio
sox -D -n -r 44100 -c 2 -b 16 -e signed-integer "$work/beeps.wav" \
    synth 0.25 sine 880 vol 0.5 fade q 0.005 0.25 0.005 pad 0 0.25 repeat 24
# Trimmed in a run of its own: trim after repeat in one chain cuts short.
sox -D "$work/beeps.wav" -t wav audio/fire_alarm.wav trim 0 532480s

mkdir -p data/tooltips/en
printf 'Dette er ren tekst!\r\n' >data/tooltips/en/lblClock.txt
