#!/usr/bin/env bash
# Draws the program's icons: the tray icons (16x16 and 32x32 in one .ico
# each), a chip in the family's colour with its mark; the warning chip of the
# Refresh Rates dialog; the 16x16 display pictures of the Display Outputs
# dialog. Run again after changing a colour, mark or picture; names given as
# arguments (savage4 refresh crt ...) draw only those.
set -eu
cd "$(dirname "$0")"
font=Helvetica-Bold
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# name colour mark
icons=(
  "savage3d #2f6fd0 3D"
  "savage4 #2a9d3a 4"
  "savagemx #c0392b MX"
  "savage2000 #8e44ad 2K"
  "vidarix #d08a10 V"
)

wanted() {  # name: drawn when no names were given or it is one of them
  [ ${#names[@]} -eq 0 ] && return 0
  local n
  for n in "${names[@]}"; do [ "$n" = "$1" ] && return 0; done
  return 1
}
names=("$@")

chip_outline() {  # size colour: the body and two pins on every side, as -draw arguments
  local s=$1 c=$2
  local p=$((s / 8)) r=$((s / 8))
  local x1=$p y1=$p x2=$((s - p - 1)) y2=$((s - p - 1))
  local pins=""
  for f in 3 5; do
    local t=$((s * f / 8))
    pins+=" line 0,$t $((p - 1)),$t line $((s - p)),$t $((s - 1)),$t"
    pins+=" line $t,0 $t,$((p - 1)) line $t,$((s - p)) $t,$((s - 1))"
  done
  chip_args=(-stroke '#404040' -strokewidth 1 -draw "$pins"
    -fill "$c" -stroke '#202020' -draw "roundrectangle $x1,$y1 $x2,$y2 $r,$r")
}

chip() {  # size colour mark out
  local s=$1 c=$2 m=$3 out=$4
  chip_outline "$s" "$c"
  local pt=$((s * 9 / 16))
  [ ${#m} -ge 2 ] && pt=$((s * 7 / 16))
  convert -size ${s}x${s} xc:none "${chip_args[@]}" \
    -stroke none -fill white -font $font -pointsize $pt -gravity center -annotate +0+0 "$m" \
    "$out"
}

# The warning chip: its mark drawn pixel by pixel (no font), hard edges, so
# 16 colours hold it.
warning_chip() {  # size out
  local s=$1 out=$2 bar dot
  chip_outline "$s" '#d9531e'
  if [ "$s" -ge 32 ]; then bar="rectangle 14,8 17,19" dot="rectangle 14,22 17,24"
  else bar="rectangle 7,4 8,9" dot="rectangle 7,11 8,11"; fi
  convert -size ${s}x${s} xc:none +antialias "${chip_args[@]}" \
    -stroke none -fill white -draw "$bar" -draw "$dot" "$out"
}

# 16-colour entries with a transparency mask, for the dialogs' icons.
sixteen() {  # out png...
  local out=$1; shift
  convert "$@" -channel A -threshold 50% +channel -colors 16 -type PaletteMatte "$out"
}

for row in "${icons[@]}"; do
  set -- $row
  wanted "$1" || continue
  chip 16 "$2" "$3" "$tmp/icon16.png"
  chip 32 "$2" "$3" "$tmp/icon32.png"
  # 256-colour entries with a transparency mask: what Windows 95 draws.
  convert "$tmp/icon16.png" "$tmp/icon32.png" -colors 64 -type PaletteMatte "$1.ico"
done

if wanted refresh; then
  warning_chip 16 "$tmp/w16.png"
  warning_chip 32 "$tmp/w32.png"
  sixteen refresh.ico "$tmp/w16.png" "$tmp/w32.png"
fi

# The display pictures: outline, screen and case colours.
ol='#202020' screen='#2f6fd0'
picture() {  # name -draw arguments...
  local name=$1; shift
  wanted "$name" || return 0
  convert -size 16x16 xc:none +antialias -strokewidth 1 "$@" "$tmp/$name.png"
  sixteen "$name.ico" "$tmp/$name.png"
}
# A deep cased monitor on a foot.
picture crt -fill '#c0c0c0' -stroke $ol -draw "rectangle 1,1 14,11" \
  -fill $screen -stroke '#606060' -draw "rectangle 3,3 12,9" \
  -fill '#c0c0c0' -stroke $ol -draw "rectangle 6,11 9,12" -draw "rectangle 3,13 12,14"
# A cabinet with aerials and two knobs.
picture tv -stroke $ol -draw "line 7,3 4,0" -draw "line 8,3 11,0" \
  -fill '#a0622d' -stroke $ol -draw "rectangle 0,3 15,13" \
  -fill $screen -stroke '#404040' -draw "rectangle 2,5 10,11" \
  -fill '#e0e0e0' -stroke none -draw "rectangle 12,6 13,7" -draw "rectangle 12,9 13,10" \
  -stroke $ol -draw "line 2,14 3,14" -draw "line 12,14 13,14"
# A thin panel on a slim neck (the LCD and the flat panel).
picture lcd -fill '#404040' -stroke $ol -draw "rectangle 0,1 15,11" \
  -fill $screen -stroke none -draw "rectangle 2,3 13,9" \
  -fill '#808080' -stroke $ol -draw "rectangle 7,12 8,13" -draw "rectangle 4,14 11,14"
