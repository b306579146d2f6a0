#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the core's native tests
# (ASan + UBSan) and the Windows tests under Wine on a virtual display. Ends with ctest's summary.
source "$(dirname "$0")/common.sh"
install_packages "${PACKAGES[@]}"
build_all
ensure_prefix
# One ctest run over the two build trees, so the summary counts every test.
cat > "$BUILD/CTestTestfile.cmake" <<CT
subdirs("host")
subdirs("win")
CT
say "Running the tests"
# One wineserver for the whole run, its helpers kept off ctest's output pipe.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  # Wine closes its desktop a moment after the last process on it ends, and a test starting then
  # finds none; one process holds it for the whole run and ends with the server.
  wine "$0/win/tests/desktop_holder.exe" </dev/null >/dev/null 2>&1 &
  # Three at once on two cores: the Wine tests share one desktop and run one at a time, waiting on
  # windows more than they compute; beside them go the native tests, the browsers and the second
  # release build (at a low priority).
  find "$0" -path "*/suite-logs/restarted.txt" -delete
  ctest --test-dir "$0" --output-on-failure -j3 --timeout 300
  rc=$?
  for restarted in $(find "$0" -path "*/suite-logs/restarted.txt"); do
    echo "Suites started a second time ($restarted):"
    cat "$restarted"
  done
  wineserver -k
  exit $rc' "$BUILD"
