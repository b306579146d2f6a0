#!/usr/bin/env python3
"""Makes, once for every engine, what the browser tests open: the pages File > Save writes for each
activation method and name, the .js with the call from the Generated code window, and what Preview
writes into C:\\windows\\temp (also for each hostile name and address), each copied into a folder of
its own. Runs the real program under Wine, in a prefix and on a display of its own, so that the
Wine tests run beside it; the engines then need no Wine at all.
Usage: make_files.py skylatch_shots.exe desktop_holder.exe folder"""
import os
import shutil
import subprocess
import sys
import tempfile

import harness
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


def own_prefix(folder, holder):
    """A prefix of the project's kind beside the folder, made once, with its server running and its
    desktop held open between the program's starts (ended by wineserver -k)."""
    prefix = folder + "-prefix"
    os.environ["WINEPREFIX"] = prefix
    common = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "common.sh")
    quiet = {"stdin": subprocess.DEVNULL, "stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    if not os.path.exists(os.path.join(prefix, ".skylatch-ready")):
        shutil.rmtree(prefix, ignore_errors=True)
        subprocess.check_call(["bash", "-c", 'source "$0"; export WINEPREFIX=$1; make_prefix', common, prefix], **quiet)
        open(os.path.join(prefix, ".skylatch-ready"), "w").close()
    subprocess.check_call(["wineserver", "-p"], **quiet)
    subprocess.call(["wine", "cmd", "/c", "exit"], **quiet)
    subprocess.Popen(["wine", holder], **quiet)


def main():
    shots, holder, folder = sys.argv[1], sys.argv[2], os.path.abspath(sys.argv[3])
    with harness.own_display():
        own_prefix(folder, holder)
        try:
            return write_files(shots, folder)
        finally:
            subprocess.call(["wineserver", "-k"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def write_files(shots, folder):
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
