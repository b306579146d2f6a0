#!/usr/bin/env python3
"""Makes, once for every engine, what the browser tests open: the pages File > Save writes for each
activation method and name, the .js with the call from the Generated code window, and what Preview
writes into C:\\windows\\temp (also for each hostile name and address), each copied into a folder of
its own. Runs the real program under Wine; the engines then need no Wine at all.
Usage: make_files.py skylatch_shots.exe folder"""
import os
import shutil
import subprocess
import sys
import tempfile

import preview_checks
import saved_page_checks

failures = []


def wine(shots, arguments, what):
    # Into a file, not a pipe: the Wine helpers the first start leaves running keep a pipe open.
    with tempfile.TemporaryFile("w+", errors="replace") as said:
        code = subprocess.call(["wine", shots] + arguments, stdin=subprocess.DEVNULL, stdout=said, stderr=said)
        if code != 0:
            said.seek(0)
            print(f"FAIL: the program did not write {what}; skylatch_shots said:\n{said.read()}", flush=True)
            failures.append(what)
            return False
    return True


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def preview(shots, into, arguments, what):
    temp = os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows", "temp")
    for name in preview_checks.NAMES:
        if os.path.exists(os.path.join(temp, name)):
            os.remove(os.path.join(temp, name))
    if not wine(shots, ["--preview"] + arguments, what):
        return
    os.makedirs(into)
    for name in preview_checks.NAMES:
        if os.path.exists(os.path.join(temp, name)):
            shutil.copy(os.path.join(temp, name), into)


def main():
    shots, folder = sys.argv[1], os.path.abspath(sys.argv[2])
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    with open(os.path.join(folder, "target.htm"), "w") as f:
        f.write("<!DOCTYPE html><title>target</title><p>The pop-up page.</p>\n")
    address = saved_page_checks.target_address(folder)
    name = saved_page_checks.WINDOW_NAME
    for index, (method, function) in enumerate(saved_page_checks.CASES):
        wine(shots, ["--save-page", windows_path(os.path.join(folder, f"saved{index}.htm")), name, address,
                     str(method), function], f"its page for method {method} and {function!r}")
    for index, function in enumerate(saved_page_checks.SNIPPET_NAMES):
        sub = os.path.join(folder, f"snippet{index}")
        os.mkdir(sub)
        wine(shots, ["--save-snippet", windows_path(sub), function, name, address],
             f"the script and the call for {function!r}")
    preview(shots, os.path.join(folder, "preview"), [], "its preview")
    for index, (function, page) in enumerate(preview_checks.HOSTILE):
        preview(shots, os.path.join(folder, f"hostile{index}"), [function, page],
                f"its preview for {function!r}, {page!r}")
    print(f"{len(failures)} file(s) not written" if failures else f"every file written into {folder}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
