#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the core's native tests
# (ASan + UBSan) and the Windows tests under Wine on a virtual display. Ends with ctest's summary.
source "$(dirname "$0")/common.sh"
install_packages "${PACKAGES[@]}"
build_host
build_win
build_release
ensure_prefix
# One ctest run over the three build trees, so the summary counts every test.
cat > "$BUILD/CTestTestfile.cmake" <<CT
subdirs("host")
subdirs("win")
subdirs("release")
CT
say "Running the tests"
# One wineserver for the whole run, its helpers kept off ctest's output pipe.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  # A Wine test process that dies before its first line (seen once on a loaded machine) gets one
  # more try; a test that fails on its own assertions fails twice and is reported.
  ctest --test-dir "$0" --output-on-failure -j2 --timeout 300 --repeat until-pass:2
  rc=$?
  wineserver -k
  exit $rc' "$BUILD"
