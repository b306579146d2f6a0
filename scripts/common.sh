# Shared steps of the project's commands: packages, builds and the private Wine prefix.
# Sourced by run.sh, test.sh, screenshots.sh, fuzz.sh and bench.sh.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${SKYLATCH_BUILD_DIR:-$ROOT/build}
HOST_BUILD=$BUILD/host
WIN_BUILD=$BUILD/win

export WINEPREFIX=$BUILD/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

PACKAGES=(cmake ninja-build g++ g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth
          libz-mingw-w64-dev zlib1g-dev googletest imagemagick
          chromium chromium-driver python3
          firefox-esr webkit2gtk-driver python3-websockets)

say() { printf '== %s\n' "$*"; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    say "Installing Debian packages: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
}

generator() {
  if command -v ninja >/dev/null 2>&1; then echo Ninja; else echo "Unix Makefiles"; fi
}

configure_host() {
  cmake -S "$ROOT" -B "$HOST_BUILD" -G "$(generator)" -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
}

build_host() {
  say "Building the portable core and its tests (native, ASan + UBSan)"
  configure_host "$@"
  cmake --build "$HOST_BUILD" -j"$(nproc)"
}

# The program as it ships (optimised, stripped), packed into the download, and every Windows test,
# all run against that one program; needs defc from the host build. Arguments go to the build (for
# example --target skylatch_package).
build_win() {
  say "Building the Windows program, its download and its tests (MinGW-w64, optimised, stripped)"
  cmake -S "$ROOT" -B "$WIN_BUILD" -G "$(generator)" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DSKYLATCH_DEFC="$HOST_BUILD/tools/defc/defc" >/dev/null
  cmake --build "$WIN_BUILD" -j"$(nproc)" "$@"
}

# The two builds side by side, once the definition compiler the Windows build needs exists: the
# serial steps of one (its first precompiled header, its links) leave a core to the other. Each
# writes a log of its own, shown when it fails.
build_all() {
  say "Building the definition compiler"
  configure_host
  cmake --build "$HOST_BUILD" -j"$(nproc)" --target defc >/dev/null
  say "Building the core and the Windows program side by side (logs in $BUILD/build_*.log)"
  local steps=(build_host build_win) pids=() failed=0 i
  for i in "${!steps[@]}"; do
    "${steps[$i]}" >"$BUILD/${steps[$i]}.log" 2>&1 &
    pids[$i]=$!
  done
  for i in "${!steps[@]}"; do
    wait "${pids[$i]}" && continue
    say "${steps[$i]} failed:"
    tail -n 60 "$BUILD/${steps[$i]}.log"
    failed=1
  done
  [ $failed -eq 0 ]
}

# The prefix lives inside the build folder and is made on first use: Wine's own fonts copied in
# (Debian's Wine does not find them), windows unmanaged (no window manager runs under Xvfb).
ensure_prefix() {
  if [ ! -f "$WINEPREFIX/.skylatch-ready" ]; then
    say "Creating the private Wine prefix $WINEPREFIX"
    make_prefix
    touch "$WINEPREFIX/.skylatch-ready"
  fi
}

# A new prefix at $WINEPREFIX, holding nothing of ours: only Wine's fonts and the unmanaged windows.
make_prefix() {
  mkdir -p "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1 || true
  wineserver -w
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  wineserver -w
}

# Lets the shell's "open" of an .htm file reach the host's browser.
register_htm_with_host_browser() {
  wine reg add 'HKCU\Software\Classes\.htm' /ve /d Skylatch.htmfile /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Classes\Skylatch.htmfile\shell\open\command' /ve /d 'winebrowser "%1"' /f </dev/null >/dev/null 2>&1
  wineserver -w
}
