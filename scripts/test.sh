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
rm -f "$BUILD/retried-tests.txt"
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
  # Wine closes its desktop a moment after the last process on it ends, and a test starting then
  # finds none; one process holds it for the whole run and ends with the server.
  wine "$0/win/tests/desktop_holder.exe" </dev/null >/dev/null 2>&1 &
  ctest --test-dir "$0" --output-on-failure -j2 --timeout 300
  rc=$?
  # A Wine test process that dies before its first line (seen on a loaded machine) gets one more
  # try; a test that printed anything and failed has failed, and is not run again.
  if [ "$rc" -ne 0 ]; then
    temporary="$0/Testing/Temporary"
    python3 "$1" "$temporary/LastTest.log" "$temporary/LastTestsFailed.log" >"$0/retried-tests.txt"
    others=$(grep -cvxFf "$0/retried-tests.txt" <(cut -d: -f2- "$temporary/LastTestsFailed.log") || true)
    if [ -s "$0/retried-tests.txt" ]; then
      echo "== Running again the tests whose process printed nothing before it ended:"
      sed "s/^/   /" "$0/retried-tests.txt"
      pattern=$(sed -e "s/[^A-Za-z0-9_]/\\\\&/g" "$0/retried-tests.txt" | paste -sd"|")
      ctest --test-dir "$0" --output-on-failure --timeout 300 -R "^($pattern)\$"
      retry_rc=$?
      [ "$others" -eq 0 ] && rc=$retry_rc
    fi
  fi
  wineserver -k
  if [ -s "$0/retried-tests.txt" ]; then
    echo "== Tests that needed a retry:"
    sed "s/^/   /" "$0/retried-tests.txt"
  fi
  exit $rc' "$BUILD" "$ROOT/scripts/retry_silent_deaths.py"
