#!/usr/bin/env python3
"""The test run retries only the failed tests whose process printed nothing."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from retry_silent_deaths import silent_failures  # noqa: E402

RULE = "-" * 58


def record(name, output):
    return (f'1/3 Testing: {name}\n1/3 Test: {name}\nCommand: "wine" "x.exe"\nDirectory: /b\n'
            f'"{name}" start time: Dec 08 22:22 UTC\nOutput:\n{RULE}\n{output}<end of output>\n'
            f'Test time =   0.04 sec\n{RULE}\nTest Failed.\n"{name}" end time: Dec 08 22:22 UTC\n')


class SilentFailures(unittest.TestCase):
    def test_only_failed_tests_without_output_are_named(self):
        cases = [  # (output, failed, retried)
            ("", True, True),
            ("\n  \n", True, True),
            ("[ RUN      ] A.B\nexpected 1, got 2\n", True, False),
            ("", False, False),
            ("Running main()\n", False, False),
        ]
        log = "".join(record(f"wine.T{i}", output) for i, (output, _, _) in enumerate(cases))
        failed = "".join(f"{i}:wine.T{i}\n" for i, (_, fails, _) in enumerate(cases) if fails)
        expected = [f"wine.T{i}" for i, (_, _, retried) in enumerate(cases) if retried]
        self.assertEqual(silent_failures(log, failed), expected)

    def test_a_failed_test_missing_from_the_log_is_not_retried(self):
        self.assertEqual(silent_failures(record("host.A", ""), "7:host.B\n"), [])


if __name__ == "__main__":
    unittest.main()
