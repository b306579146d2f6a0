#!/usr/bin/env bash
# fresh_prefix.sh <zip> <release_tests.exe> <work folder>
# Makes a new Wine prefix that holds nothing of ours, unpacks the download into its
# C:\Program Files\Skylatch, and runs the test that starts the program from there.
set -euo pipefail
ZIP=$1
DRIVER=$2
WORK=$3
source "$(dirname "$0")/../../scripts/common.sh"

# A display of its own beside the prefix of its own: nothing this test does (its keys, its focus)
# reaches the Wine tests running at the same time, nor theirs it.
exec {XVFB_OUT}< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
XVFB_PID=$!
read -r -t 30 NUMBER <&"$XVFB_OUT" || { echo "FAIL: Xvfb gave no display"; kill "$XVFB_PID"; exit 1; }
export DISPLAY=:$NUMBER

export WINEPREFIX=$WORK/fresh-prefix
rm -rf "$WINEPREFIX"
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"; kill "$XVFB_PID" 2>/dev/null || true' EXIT
make_prefix

FOLDER="$WINEPREFIX/drive_c/Program Files/Skylatch"
python3 - "$ZIP" "$FOLDER" <<'PY'
import os, sys, zipfile
path, folder = sys.argv[1], sys.argv[2]
expected = ["skylatch.exe", "README.txt", "license.txt", "help.htm"]
with zipfile.ZipFile(path) as z:
    names = z.namelist()
    pictures = names[len(expected):]
    if names[:len(expected)] != expected or not all(p.startswith("screenshots/") and p.endswith(".png") for p in pictures):
        sys.exit(f"FAIL: {os.path.basename(path)} holds {names}, expected {expected} and the help's pictures")
    bad = z.testzip()
    if bad:
        sys.exit(f"FAIL: {bad} is damaged in the zip")
    z.extractall(folder)
for text in ("license.txt", "README.txt", "help.htm"):
    data = open(os.path.join(folder, text), "rb").read()
    if data.replace(b"\r\n", b"").count(b"\n"):
        sys.exit(f"FAIL: {text} has line ends other than CR LF")
print("unpacked", names, "into", folder)
PY

# The prefix's own server and helpers, kept off ctest's output pipe; then the test from outside.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
cd "$WINEPREFIX/drive_c"
LOG=$WORK/fresh-prefix.log
rc=0
SKYLATCH_UNPACKED_EXE='C:\Program Files\Skylatch\skylatch.exe' \
  wine "$DRIVER" --gtest_filter='UnpackedDownload.*' </dev/null >"$LOG" 2>&1 || rc=$?
cat "$LOG"
if [ "$rc" -eq 0 ] && ! grep -q '^\[       OK \] UnpackedDownload' "$LOG"; then
  echo "FAIL: the test in the fresh prefix did not run"
  rc=1
fi
exit "$rc"
