#!/usr/bin/env python3
"""gtest_suite.py run <log> <command...>
   gtest_suite.py report <log> <Suite.Test>

The tests of a suite run in one process, and ctest still reports each of them. "run" starts the
process of a whole suite and keeps its output in <log>; it fails when the process did not reach
googletest's last line, or failed after every test had passed. "report" is each test's own ctest
entry: it prints that test's part of the log and passes or fails as the test did there."""
import os
import re
import subprocess
import sys

RESTARTED = "restarted.txt"
SUMMARY = re.compile(r"^\[==========\] \d+ tests? from \d+ test suites? ran\.", re.M)


def start(log_path, command):
    # Wine's helper processes may keep an inherited pipe open for ever; a file they can keep.
    with open(log_path, "wb") as log:
        code = subprocess.call(command, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
    with open(log_path, errors="replace") as log:
        return code, log.read()


def run(log_path, command):
    code, text = start(log_path, command)
    if not text:
        # A Wine process that printed nothing at all ran no test: seen once on a loaded machine, with
        # exit code 1. It is started once more, and the run's end names it (RESTARTED, beside the logs).
        with open(os.path.join(os.path.dirname(log_path), RESTARTED), "a") as note:
            note.write(f"{os.path.basename(log_path)}: the first process printed nothing (exit code {code})\n")
        code, text = start(log_path, command)
    summary = SUMMARY.search(text)
    if summary and (code == 0 or "[  FAILED  ]" in text):
        return 0
    sys.stdout.write(text)
    if summary:
        # Every test passed and the process still failed: what runs at exit (the leak check) found a fault.
        print(f"\nEvery test passed, and the process then ended with exit code {code}.")
    else:
        print(f"\nThe process ended (exit code {code}) before the suite finished.")
    return 1


def part_of(text, name):
    """The test's own lines (from its RUN line to its result) and the result: OK, FAILED,
    SKIPPED, None when the process ended during the test, or "not run"."""
    start = text.find(f"[ RUN      ] {name}\n")
    if start < 0:
        return "", "not run"
    ends = re.compile(r"^\[ +(OK|FAILED|SKIPPED) +\] " + re.escape(name) + r"(?: \(\d+ ms\))?$", re.M)
    end = ends.search(text, start)
    if not end:
        return text[start:], None
    return text[start:end.end()] + "\n", end.group(1)


def report(log_path, name):
    try:
        with open(log_path, errors="replace") as log:
            text = log.read().replace("\r\n", "\n")
    except OSError:
        print(f"No output of the suite's process ({log_path}).")
        return 1
    part, result = part_of(text, name)
    sys.stdout.write(part)
    if result in ("OK", "SKIPPED"):
        return 0
    if result is None:
        print("The process ended during this test.")
    elif result == "not run":
        running = re.findall(r"^\[ RUN      \] (.+)$", text, re.M)
        where = f" during {running[-1]}" if running else ""
        print(f"Not run: the suite's process ended{where} before this test.")
    return 1


if __name__ == "__main__":
    if len(sys.argv) >= 4 and sys.argv[1] == "run":
        sys.exit(run(sys.argv[2], sys.argv[3:]))
    if len(sys.argv) == 4 and sys.argv[1] == "report":
        sys.exit(report(sys.argv[2], sys.argv[3]))
    sys.exit(__doc__)
