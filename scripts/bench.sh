#!/usr/bin/env bash
# Builds and runs the benchmarks (optimised, no sanitizers). They print figures; nothing is asserted.
source "$(dirname "$0")/common.sh"
install_packages "${PACKAGES[@]}"
BENCH_BUILD=$BUILD/bench
say "Building the benchmarks in $BENCH_BUILD"
cmake -S "$ROOT" -B "$BENCH_BUILD" -G "$(generator)" -DCMAKE_BUILD_TYPE=Release \
      -DSKYLATCH_BENCH=ON -DSKYLATCH_SANITIZE=OFF >/dev/null
cmake --build "$BENCH_BUILD" -j"$(nproc)" --target filedata_bench
say "Compressed FileData storage against zlib's compress2"
"$BENCH_BUILD/bench/filedata_bench" "$@"
