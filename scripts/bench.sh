#!/usr/bin/env bash
# Builds and runs the benchmarks and prints one table of ratios, each measured side by side with
# its baseline in the same run: start-up and idle memory against a minimal Win32 program built in
# the same tree (the program as built, and a stripped copy), Preview against the same four-file
# work in plain Win32, compressed FileData against zlib, Open of a 1 MB page against reading its bytes, and what 1,000 Previews and 1,000
# openings of About and of the wizard leave behind. Nothing is asserted.
#   bash scripts/bench.sh                   every row (start-up: 15 interleaved rounds)
#   bash scripts/bench.sh --start-up-only   start-up and idle memory only, 21 rounds
#   bash scripts/bench.sh --address-only    Generate and Save by the length of the address only
source "$(dirname "$0")/common.sh"
START_UP_ONLY=
if [ "${1:-}" = "--start-up-only" ] || [ "${1:-}" = "--address-only" ]; then START_UP_ONLY=$1; shift; fi
install_packages "${PACKAGES[@]}"
BENCH_BUILD=$BUILD/bench
ROWS=$(mktemp)
trap 'rm -f "$ROWS"' EXIT

say "Building the native benchmark in $BENCH_BUILD (optimised, no sanitizers)"
cmake -S "$ROOT" -B "$BENCH_BUILD" -G "$(generator)" -DCMAKE_BUILD_TYPE=Release \
      -DSKYLATCH_BENCH=ON -DSKYLATCH_SANITIZE=OFF >/dev/null
cmake --build "$BENCH_BUILD" -j"$(nproc)" --target filedata_bench popup_open_bench
build_host
build_win
cmake --build "$WIN_BUILD" -j"$(nproc)" --target win_bench
ensure_prefix

# The memory of a stripped program, measured on a copy; the program itself is left as built.
STRIPPED=$WIN_BUILD/bench/win/skylatch-stripped.exe
x86_64-w64-mingw32-strip -o "$STRIPPED" "$WIN_BUILD/app/skylatch.exe"

if [ -z "$START_UP_ONLY" ]; then
  say "FileData against zlib"
  "$BENCH_BUILD/bench/filedata_bench" --rows "$@" | grep '^ROW|' >>"$ROWS"
  say "Open against reading the file's bytes"
  OPEN_FIGURES=$("$BENCH_BUILD/bench/popup_open_bench" --rows)
  grep -v '^ROW|' <<<"$OPEN_FIGURES" || true
  grep '^ROW|' <<<"$OPEN_FIGURES" >>"$ROWS"
fi

say "Start-up, memory, Preview and 1,000 rounds under Wine (a few minutes)"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  wine "$1/bench/win/win_bench.exe" "$1/app/skylatch.exe" "$2" "$1/bench/win/minimal_window.exe" $4 </dev/null >"$3.wine"
  rc=$?
  wineserver -k
  exit $rc' bash "$WIN_BUILD" "$STRIPPED" "$ROWS" "$START_UP_ONLY"
grep '^ROW|' "$ROWS.wine" >>"$ROWS" || true
rm -f "$ROWS.wine"

say "Ratios (ours / baseline; for speeds in MB/s, ours / theirs); start-up rows: median [lowest-highest] of the rounds"
{
  echo "What|Ours|Baseline|Ratio|Goal"
  cut -d'|' -f2- "$ROWS"
} | column -t -s'|'
