#!/usr/bin/env bash
# A skin author's mistakes never take the program down. Each variant of a well-formed skin folder
# (one kind of mistake everywhere it can be made) is packed as the start-up skin "Rhombus" beside
# a copy of the program's contact-sheet tool, which starts the program headless with it, shows
# the main and testing windows and photographs them. Every variant must give both pictures and a
# zero exit, with no sanitizer report; a value that does not convert is reported as the load's
# error, and the program goes on in the skin it had.
# Usage: hostile_skins.sh BIN_DIR SKIN_FOLDER SKINPACK SKINSHEET WORK_DIR
set -uo pipefail
bin=$1 skin=$2 skinpack=$3 skinsheet=$4 work=$5

rm -rf "$work"
mkdir -p "$work/sandbox/skins"
# The program finds its content and skins beside its executable: a link to the tool (a copy
# where links cannot be made) and links to the content.
ln "$skinsheet" "$work/sandbox/tavra-skinsheet" 2>/dev/null || cp "$skinsheet" "$work/sandbox/tavra-skinsheet"
for entry in "$bin"/*; do
  name=$(basename "$entry")
  case "$name" in skins | tavra* | skin*) continue ;; esac
  ln -s "$entry" "$work/sandbox/$name"
done

# The four coordinates of a "^", "@" or "~" value: \1 the key, \2 the prefix, \3..\6 the numbers.
coords='^([^=]*=)([\^@~])([0-9]{4})\2([0-9]{4})\2([0-9]{4})\2([0-9]{4})'
widths='^([^=]*=\^[0-9]{4}\^[0-9]{4}\^[0-9]{4}\^[0-9]{4}\^)[0-9]{4}\^[0-9]{4}\^[0-9]{4}\^[0-9]{4}'
count='^([^=]*=\^([0-9]{4}\^){8})[0-9]'
own_count='^([^=]*=![^!]*!)[0-9]+!'
garbage=$(for i in $(seq 1 400); do printf '16711680;255;9999;2;0;'; done)

# A 24-bit BMP of one magenta pixel.
one_pixel_bmp() {
  printf 'BM\x3a\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x00\xff\x00' >"$1"
}

# variant NAME: edits the copy of the skin in $folder.
variant() {
  local options="$folder/Options.dat"
  case $1 in
    frames-99) sed -E -i "s/$own_count/\199!/; s/$count/\19/" "$options" ;;
    frames-0) sed -E -i "s/$own_count/\10!/; s/$count/\10/" "$options" ;;
    widths-9999) sed -E -i "s/$widths/\19999^9999^9999^9999/" "$options" ;;
    inverted) sed -E -i "s/$coords/\1\2\5\2\6\2\3\2\4/" "$options" ;;
    empty) sed -E -i "s/$coords/\1\2\3\2\4\2\3\2\4/" "$options" ;;
    outside) sed -E -i "s/$coords/\1\25000\25000\25100\25100/" "$options" ;;
    master-1x1) for f in "$folder"/*.bmp "$folder"/*.BMP; do [ -e "$f" ] && one_pixel_bmp "$f"; done ;;
    glow-margins)
      sed -E -i 's/^(BICON(CLOSE|MAX|MIN)GLOWMARGIN)=.*/\1=-99999/' "$options"
      sed -i '/^\[/a GLOW=1\nGLOWMARGIN=99999' "$options" ;;
    out-of-range)
      sed -E -i 's/^SHADOW1BLUR=.*/SHADOW1BLUR=999999/; s/^SHADOW1OFFSET=.*/SHADOW1OFFSET=-99999/; s/^BISPACE=.*/BISPACE=99999/' "$options"
      sed -i '/^\[/a TRANSPARENCY=9999\nHOTTRANSPARENCY=-9\nGRADIENTPERCENT=-50\nIMAGEPERCENT=300\nFADINGITERATIONS=2000000000' "$options" ;;
    gradients) sed -i "/^\[/a GRADIENTPERCENT=100\nGRADIENTDATA=$garbage\nHOTGRADIENTDATA=1;2;-7;1;0;;;;;9;9" "$options" ;;
    not-a-number) sed -i '/^\[GLOBALINFO\]/a BICONCLOSE=@' "$options" ;;
  esac
}

status=0
for name in frames-99 frames-0 widths-9999 inverted empty outside master-1x1 glow-margins out-of-range gradients not-a-number; do
  folder="$work/$name"
  cp -r "$skin" "$folder"
  variant "$name"
  if cmp -s "$skin/Options.dat" "$folder/Options.dat" && [ "$name" != master-1x1 ]; then
    echo "$name: the variant changed nothing in Options.dat" >&2
    status=1
    continue
  fi
  rm -f "$work/sandbox/skins/Rhombus.asz"
  "$skinpack" pack "$folder" "$work/sandbox/skins/Rhombus.asz" >/dev/null || { echo "$name: cannot pack" >&2; status=1; continue; }
  out="$work/out-$name"
  (cd "$work/sandbox" && ./tavra-skinsheet --skin Rhombus "$out") >"$work/$name.log" 2>&1
  rc=$?
  if [ $rc -ne 0 ] || [ ! -s "$out/Rhombus-main.png" ] || [ ! -s "$out/Rhombus-testing.png" ]; then
    echo "$name: the program did not show its windows (exit $rc)" >&2
    tail -20 "$work/$name.log" >&2
    status=1
  elif grep -qE "Sanitizer|runtime error" "$work/$name.log"; then
    echo "$name: sanitizer report" >&2
    head -40 "$work/$name.log" >&2
    status=1
  elif [ "$name" = not-a-number ] && ! grep -q "BICONCLOSE" "$work/$name.log"; then
    echo "$name: the load's error was not reported" >&2
    status=1
  else
    echo "$name: ok"
  fi
done
exit $status
