#!/usr/bin/env bash
# Draws the tray icons (16x16 and 32x32 in one .ico each): a chip in the
# family's colour with its mark. Run again after changing a colour or mark.
set -eu
cd "$(dirname "$0")"
font=Helvetica-Bold

# name colour mark
icons=(
  "savage3d #2f6fd0 3D"
  "savage4 #2a9d3a 4"
  "savagemx #c0392b MX"
  "savage2000 #8e44ad 2K"
  "vidarix #d08a10 V"
)

chip() {  # size colour mark out
  local s=$1 c=$2 m=$3 out=$4
  local p=$((s / 8)) r=$((s / 8))
  local x1=$p y1=$p x2=$((s - p - 1)) y2=$((s - p - 1))
  local pins=""
  # Two pins on every side.
  for f in 3 5; do
    local t=$((s * f / 8))
    pins+=" line 0,$t $((p - 1)),$t line $((s - p)),$t $((s - 1)),$t"
    pins+=" line $t,0 $t,$((p - 1)) line $t,$((s - p)) $t,$((s - 1))"
  done
  local pt=$((s * 9 / 16))
  [ ${#m} -ge 2 ] && pt=$((s * 7 / 16))
  convert -size ${s}x${s} xc:none \
    -stroke '#404040' -strokewidth 1 -draw "$pins" \
    -fill "$c" -stroke '#202020' -draw "roundrectangle $x1,$y1 $x2,$y2 $r,$r" \
    -stroke none -fill white -font $font -pointsize $pt -gravity center -annotate +0+0 "$m" \
    "$out"
}

for row in "${icons[@]}"; do
  set -- $row
  chip 16 "$2" "$3" /tmp/icon16.png
  chip 32 "$2" "$3" /tmp/icon32.png
  # 256-colour entries with a transparency mask: what Windows 95 draws.
  convert /tmp/icon16.png /tmp/icon32.png -colors 64 -type PaletteMatte "$1.ico"
done
rm -f /tmp/icon16.png /tmp/icon32.png
