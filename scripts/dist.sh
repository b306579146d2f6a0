#!/usr/bin/env bash
# Builds the program as it ships (optimised, stripped, statically linked: it imports only system
# DLLs) and packs dist/skylatch-<version>-win64.zip with skylatch.exe, README.txt, license.txt,
# help.htm and its pictures, the same bytes from every build of the same sources. Prints the zip's
# path and SHA-256.
source "$(dirname "$0")/common.sh"
install_packages cmake ninja-build g++ g++-mingw-w64-x86-64 libz-mingw-w64-dev zlib1g-dev googletest python3
say "Building the definition compiler (native)"
cmake -S "$ROOT" -B "$HOST_BUILD" -G "$(generator)" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$HOST_BUILD" -j"$(nproc)" --target defc
rm -rf "$WIN_BUILD/dist"  # only the zip of this build
build_win --target skylatch_package
mkdir -p "$ROOT/dist"
for zip in "$WIN_BUILD"/dist/skylatch-*-win64.zip; do
  cp "$zip" "$ROOT/dist/"
  say "$ROOT/dist/$(basename "$zip")"
  (cd "$ROOT/dist" && sha256sum "$(basename "$zip")")
done
