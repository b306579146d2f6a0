"""defc given a folder or a device where a file belongs: a clear error, nothing left behind, and
nothing replaced that is not a regular file."""
import os
import subprocess
import sys
import tempfile

defc, source = sys.argv[1], sys.argv[2]
definition = os.path.join(source, "resources", "Unit1.def")
failures = []
with tempfile.TemporaryDirectory() as work:
    folder = os.path.join(work, "a folder")
    os.mkdir(folder)
    cases = [  # (input, output, what the error says)
        (folder, os.path.join(work, "out.bin"), "is a folder, not a file"),
        (definition, folder, "is a folder; it is not replaced"),
        (definition, "/dev/null", "is not a regular file; it is not replaced"),
    ]
    for given, out, said in cases:
        run = subprocess.run([defc, given, out], capture_output=True, text=True)
        left = sorted(os.listdir(work))
        print(f"{given} -> {out}: exit {run.returncode}, {run.stderr.strip()}, left {left}")
        if run.returncode != 1 or said not in run.stderr:
            failures.append(f"{given} -> {out}: {run.stderr!r}")
        if left != ["a folder"] or os.listdir(folder):
            failures.append(f"{given} -> {out} left {left}")
    if not os.path.exists("/dev/null") or os.path.isfile("/dev/null"):
        failures.append("/dev/null was replaced by a regular file")
    # A regular file is still written.
    good = os.path.join(work, "good.bin")
    if subprocess.run([defc, definition, good]).returncode != 0 or os.path.getsize(good) == 0:
        failures.append("a regular output was not written")
if failures:
    print("\n".join(failures))
    sys.exit(1)
