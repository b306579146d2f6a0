#!/usr/bin/env bash
# Builds every libFuzzer target (clang, ASan + UBSan) and runs each for a bounded time.
# FUZZ_SECONDS sets the time per target (default 60). Extra arguments go to every fuzzer run.
# Exits non-zero when any target finds a crash; its input is kept in build/fuzz/artifacts/.
source "$(dirname "$0")/common.sh"
install_packages cmake ninja-build clang libclang-rt-14-dev zlib1g-dev googletest

FUZZ_BUILD=$BUILD/fuzz
SECONDS_EACH=${FUZZ_SECONDS:-60}

say "Building the fuzz targets in $FUZZ_BUILD"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD" -G "$(generator)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSKYLATCH_FUZZ=ON -DSKYLATCH_SANITIZE=OFF >/dev/null

targets=()
for source in "$ROOT"/tests/fuzz/*Fuzz.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build "$FUZZ_BUILD" -j"$(nproc)" --target "${targets[@]}"

failed=()
for name in "${targets[@]}"; do
  corpus=$FUZZ_BUILD/corpus/$name
  artifacts=$FUZZ_BUILD/artifacts/$name
  mkdir -p "$corpus" "$artifacts"
  # Checked-in seeds, when a target has them, are read but never written.
  seeds=()
  [ -d "$ROOT/tests/fuzz/seeds/$name" ] && seeds=("$ROOT/tests/fuzz/seeds/$name")
  # libFuzzer's default limit of 4 KB would never let the decoder see a whole 32 KB block.
  limits=()
  [ "$name" = FileDataDecoderFuzz ] && limits=(-max_len=200000)
  say "Fuzzing $name for $SECONDS_EACH s"
  if ! "$FUZZ_BUILD/tests/fuzz/$name" -max_total_time="$SECONDS_EACH" -timeout=30 "${limits[@]}" \
       -artifact_prefix="$artifacts/" -print_final_stats=1 "$@" "$corpus" "${seeds[@]}"; then
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  say "Crashes found by: ${failed[*]} (inputs in $FUZZ_BUILD/artifacts/)"
  exit 1
fi
say "No crashes in ${#targets[@]} fuzz target(s)"
