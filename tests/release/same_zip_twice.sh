#!/usr/bin/env bash
# same_zip_twice.sh <zip> <source folder> <defc> <work folder>
# Builds the download a second time, from a copy of the sources in another folder into another
# build folder, and compares the two zips byte for byte: the release must not depend on when or
# where it was built. At a low priority, on every core: the Wine tests running beside it mostly
# wait for windows, and keep their turn when they want one.
set -euo pipefail
ZIP=$1
SOURCE=$2
DEFC=$3
WORK=$4/second-build
rm -rf "$WORK"
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/source"
# The files of the tree as git sees them (committed or not, ignored ones left out); outside a
# git checkout, everything but the build and dist folders.
if git -C "$SOURCE" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$SOURCE" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$WORK/source/")
else
  tar -C "$SOURCE" --exclude=./build --exclude=./dist -cf - . | tar -C "$WORK/source" -xf -
fi
GENERATOR="Unix Makefiles"
command -v ninja >/dev/null 2>&1 && GENERATOR=Ninja
cmake -S "$WORK/source" -B "$WORK/build" -G "$GENERATOR" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$WORK/source/cmake/mingw-w64-x86_64.cmake" -DSKYLATCH_DEFC="$DEFC" >/dev/null
start=$(date +%s)
nice -n 10 cmake --build "$WORK/build" -j"$(nproc)" --target skylatch_package >"$WORK/build.log" 2>&1 || { cat "$WORK/build.log"; exit 1; }
SECOND="$WORK/build/dist/$(basename "$ZIP")"
echo "second build: $(( $(date +%s) - start )) s"
if cmp -s "$ZIP" "$SECOND"; then
  echo "the two zips are the same: $(sha256sum <"$ZIP" | cut -c1-64)"
  exit 0
fi
python3 - "$ZIP" "$SECOND" <<'PY'
import sys, zipfile
first, second = (zipfile.ZipFile(p) for p in sys.argv[1:3])
a = [(i.filename, i.date_time, i.external_attr, i.extra, first.read(i)) for i in first.infolist()]
b = [(i.filename, i.date_time, i.external_attr, i.extra, second.read(i)) for i in second.infolist()]
if [x[0] for x in a] != [x[0] for x in b]:
    print("FAIL: the zips hold", [x[0] for x in a], "and", [x[0] for x in b])
for x, y in zip(a, b):
    for what, i in (("time", 1), ("attributes", 2), ("extra fields", 3), ("content", 4)):
        if x[i] != y[i]:
            print(f"FAIL: {x[0]} differs in its {what}")
PY
echo "FAIL: two builds of the same sources gave different zips"
exit 1
