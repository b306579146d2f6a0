#!/usr/bin/env bash
# Installs what is missing, builds Skylatch! and saves a picture of each of its windows, title
# bars included (a Wine virtual desktop), as PNG files into a folder (default: screenshots-out/).
source "$(dirname "$0")/common.sh"
OUT=$(realpath -m "${1:-$ROOT/screenshots-out}")
install_packages "${PACKAGES[@]}"
build_host
build_win
ensure_prefix
mkdir -p "$OUT"
rm -f "$OUT"/*.bmp
say "Saving the windows into $OUT"
WINOUT="Z:$(echo "$OUT" | sed 's|/|\\|g')"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wine explorer /desktop=shots,1024x768 "$0" "$1" </dev/null
  rc=$?
  wineserver -k
  exit $rc' "$WIN_BUILD/tools/shots/skylatch_shots.exe" "$WINOUT"
rc=$?
# The same windows at 150 % scaling (144 DPI), for the pages that say what scaling does.
SCALED=$(mktemp -d)
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f </dev/null >/dev/null 2>&1
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wine explorer /desktop=shots,1280x1000 "$0" "$1" </dev/null
  rc=$?
  wineserver -k
  exit $rc' "$WIN_BUILD/tools/shots/skylatch_shots.exe" "Z:$(echo "$SCALED" | sed 's|/|\\|g')" || rc=1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1
wineserver -w
for window in generator about chooser page-credit-card; do
  [ -e "$SCALED/$window.bmp" ] && mv "$SCALED/$window.bmp" "$OUT/$window-150.bmp"
done
rm -rf "$SCALED"
# The preview page as the browser shows it, from the files the program's own Preview wrote.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'wine "$0" --preview </dev/null; wineserver -k' \
  "$WIN_BUILD/tools/shots/skylatch_shots.exe" || rc=1
profile=$(mktemp -d)
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --allow-file-access-from-files --user-data-dir="$profile" \
  --hide-scrollbars --window-size=640,200 --screenshot="$OUT/preview-in-browser.png" \
  "file://$WINEPREFIX/drive_c/windows/temp/preview.htm" >/dev/null 2>&1 || rc=1
rm -rf "$profile"
for bmp in "$OUT"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
# One sheet of each control in each state: a labelled row per control, the pictures at twice
# their size (every pixel a 2 x 2 block) so the one-pixel frames can be told apart.
font=/usr/share/wine/fonts/tahoma.ttf
[ -f "$font" ] && fontarg=(-font "$font") || fontarg=()
rows=()
for control in button checkbox combobox edit spinedit groupbox; do
  args=()
  for png in "$OUT"/state-$control-*.png; do
    [ -e "$png" ] || continue
    state=$(basename "$png" .png); state=${state#state-$control-}; state=${state#*-}
    convert "$png" -scale 200% "$png"
    args+=(-label "$state" "$png")
  done
  [ ${#args[@]} -gt 0 ] || continue
  montage "${fontarg[@]}" -pointsize 13 -background white -geometry +10+6 -tile x1 "${args[@]}" \
    "$OUT/row-$control.png" || rc=1
  convert "${fontarg[@]}" -pointsize 15 -background white label:"$control" +repage "$OUT/row-$control.png" \
    +repage -gravity west -append +repage "$OUT/row-$control.png" || rc=1
  rows+=("$OUT/row-$control.png")
done
if [ ${#rows[@]} -gt 0 ]; then
  convert -background white "${rows[@]}" +repage -gravity west -append +repage "$OUT/controls-sheet.png" || rc=1
  rm -f "${rows[@]}" "$OUT"/state-*.png
fi
ls "$OUT"
exit $rc
