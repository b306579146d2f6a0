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
for bmp in "$OUT"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
ls "$OUT"
exit $rc
