#!/usr/bin/env python3
"""retry_silent_deaths.py <ctest log> <failed tests log>

Reads ctest's record of the last run (Testing/Temporary/LastTest.log and LastTestsFailed.log) and
prints, one a line, the failed tests that printed nothing at all: a Wine test process that died
before its first line. A test that printed anything and failed is a real failure and is not
named."""
import re
import sys


def silent_failures(log_text, failed_text):
    failed = [line.split(":", 1)[1] for line in failed_text.splitlines() if ":" in line]
    outputs = {}
    # Each test's record: '"<name>" start time: ...', 'Output:', a line of dashes, its output,
    # then '<end of output>'.
    for match in re.finditer(r'^"([^"\n]+)" start time:.*?\nOutput:\n-+\n(.*?)<end of output>', log_text,
                             re.S | re.M):
        outputs[match.group(1)] = match.group(2)
    return [name for name in failed if name in outputs and not outputs[name].strip()]


if __name__ == "__main__":
    with open(sys.argv[1], errors="replace") as log, open(sys.argv[2], errors="replace") as failed:
        for name in silent_failures(log.read(), failed.read()):
            print(name)
