#!/usr/bin/env python3
"""Saves the page type through File > Save of the real program under Wine (the real Save As
dialog, answered as a user would) with "From link", a window name and a local address chosen,
then opens the saved page in headless Chromium and clicks its link: the pop-up must really open,
with that window name and that address, past the pop-up blocker, and without script errors.
Skips, saying why, only when Chromium cannot start."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from preview_in_chromium import ELEMENT, chromium_session, fail

WINDOW_NAME = "Latchy"


def main():
    shots = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="skylatch-saved-")
    try:
        return run(shots, folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def run(shots, folder):
    page = os.path.join(folder, "saved.htm")
    target = os.path.join(folder, "target.htm")
    with open(target, "w") as f:
        f.write("<!DOCTYPE html><title>target</title><p>The pop-up page.</p>\n")
    address = "file://" + target
    windows_page = "Z:" + page.replace("/", "\\")
    if subprocess.call(["wine", shots, "--save-page", windows_page, WINDOW_NAME, address],
                       stdin=subprocess.DEVNULL) != 0:
        fail("the program did not save its page")
    with open(page, "rb") as f:
        saved = f.read().decode("cp1252")
    link = f'<a href="{address}" onclick="PopUp(this.href); return false;">Open the pop-up</a>'
    if link not in saved or f"{WINDOW_NAME}=window.open(url,'{WINDOW_NAME}'," not in saved:
        fail(f"the saved page does not hold the link and the script:\n{saved}")

    with chromium_session() as driver:
        if driver is None:
            return 0

        driver.s("POST", "/url", {"url": "file://" + page})
        if driver.s("GET", "/title") != "PopUp":
            fail(f"the saved page's title is {driver.s('GET', '/title')!r}")
        opener = driver.s("GET", "/window")
        anchor = driver.find("xpath", "//a[.='Open the pop-up']")
        driver.s("POST", f"/element/{anchor}/click", {})
        handles = []
        for _ in range(50):
            handles = driver.s("GET", "/window/handles")
            if len(handles) == 2:
                break
            time.sleep(0.1)
        if len(handles) != 2:
            fail(f"no pop-up opened: window handles {handles}")
        if driver.s("GET", "/url") != "file://" + page:
            fail("the link left the page instead of only opening the pop-up")
        popup = next(h for h in handles if h != opener)
        driver.s("POST", "/window", {"handle": popup})
        for _ in range(50):
            if driver.script("return document.readyState;") == "complete":
                break
            time.sleep(0.1)
        name = driver.script("return window.name;")
        location = driver.script("return location.href;")
        if name != WINDOW_NAME or location != address:
            fail(f"the pop-up is named {name!r} and shows {location!r}, expected {WINDOW_NAME!r} and {address!r}")
        driver.s("POST", "/window", {"handle": opener})
        errors = [entry for entry in driver.s("POST", "/se/log", {"type": "browser"})
                  if entry.get("level") == "SEVERE"]
        if errors:
            fail(f"script errors on the saved page: {errors}")
        print(f"saved.htm in Chromium: the link opened the pop-up {name!r} showing {location}")
        return 0


if __name__ == "__main__":
    sys.exit(main())
