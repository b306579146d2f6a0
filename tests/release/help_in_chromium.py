#!/usr/bin/env python3
"""help_in_chromium.py <zip> <version>

Unpacks the download as a user would and reads its texts and its help page as a user sees them:
README.txt names the version the build was made from, help.htm names it too, every picture the
help page links lies in the zip and loads in headless Chromium (a picture that is missing or
damaged has no natural size), and no text is left with a placeholder in it. Skips the browser half,
saying why, only when Chromium cannot start."""
import contextlib
import os
import re
import shutil
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "browser"))
from harness import EngineFailed, own_display, start_chromium  # noqa: E402


def fail(message):
    print("FAIL:", message, flush=True)
    sys.exit(1)


@contextlib.contextmanager
def chromium_session():
    """Chromium through chromedriver, or None (after saying SKIPPED and why) where it cannot start.
    It runs on a virtual display of its own, so it never takes the focus from a Wine test."""
    with contextlib.ExitStack() as stack:
        try:
            stack.enter_context(own_display())
            session = start_chromium()
        except EngineFailed as e:
            print(f"SKIPPED: Chromium cannot start here: {e}")
            yield None
            return
        try:
            yield session
        finally:
            session.end()


def main():
    zip_path, version = sys.argv[1], sys.argv[2]
    folder = tempfile.mkdtemp(prefix="skylatch-help-")
    try:
        with zipfile.ZipFile(zip_path) as z:
            names = z.namelist()
            z.extractall(folder)
        return check(folder, names, version)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def check(folder, names, version):
    def text(name):
        with open(os.path.join(folder, name), "rb") as f:
            return f.read().decode("utf-8")

    readme, help_page = text("README.txt"), text("help.htm")
    first = readme.split("\r\n", 1)[0]
    if first != f"Skylatch! {version} for 64-bit Windows":
        fail(f"README.txt starts {first!r}")
    for name, body in (("README.txt", readme), ("help.htm", help_page)):
        if re.search(r"@[A-Z_]+@", body):
            fail(f"{name} still holds a placeholder: {re.findall(r'@[A-Z_]+@', body)}")
    if f"Skylatch! {version}" not in help_page:
        fail(f"help.htm does not name version {version}")

    linked = re.findall(r'<img src="([^"]+)"', help_page)
    if not linked:
        fail("help.htm shows no pictures")
    missing = [src for src in linked if src not in names]
    if missing:
        fail(f"help.htm links pictures the zip does not hold: {missing}")
    unused = [n for n in names if n.endswith(".png") and n not in linked]
    if unused:
        fail(f"the zip holds pictures help.htm never shows: {unused}")

    with chromium_session() as driver:
        if driver is None:
            return 0
        driver.open("file://" + os.path.join(folder, "help.htm"))
        states = []
        for _ in range(100):  # until every picture has finished loading, or failed
            states = driver.script(
                "return Array.from(document.images, i => [i.getAttribute('src'), i.complete, i.naturalWidth]);")
            if all(complete for _, complete, _ in states):
                break
            time.sleep(0.1)
        if [src for src, _, _ in states] != linked:
            fail(f"Chromium shows pictures {[s for s, _, _ in states]}, the page links {linked}")
        broken = [src for src, complete, width in states if not complete or width == 0]
        if broken:
            fail(f"these pictures do not load in Chromium: {broken}")
        print(f"help.htm: {len(states)} pictures load in Chromium")
    return 0


if __name__ == "__main__":
    sys.exit(main())
