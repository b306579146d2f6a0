#!/usr/bin/env python3
"""What the advice of the Generated code window says about a browser, tried in headless Chromium
with its pop-up blocker on: a click runs the window.open line exactly as the program writes it
(same items, same order) and the test reads what opened. Tab or small window by the bars asked
for, full screen ignored, sizes kept to a minimum and 250.7 read as 250, a position that is not a
number taken as 0, _self loading in the page, _blank opening anew, a second call reusing the
window, and a window name that is a member of window breaking the page. Skips, saying why, only
when Chromium cannot start."""
import os
import shutil
import sys
import tempfile

from preview_in_chromium import chromium_session, fail, wait_for


def open_line(window="Skylatch", full=False, bars=(), width="300", height="200", left="300", top="100"):
    """Line 5 of the program's script for these settings."""
    words = {bar: "yes" if bar in bars else "no"
             for bar in ("toolbar", "status", "menubar", "location", "directories", "resizable", "scrollbars")}
    features = ",".join(f"{bar}={words[bar]}" for bar in words)
    return (f"{window}=window.open(url,'{window}'," + ("'fullscreen=yes'," if full else "") +
            f"'{features},width={width},height={height},left={left},top={top}');")


def page(folder, name, line):
    path = os.path.join(folder, name + ".htm")
    with open(path, "w", encoding="utf-8") as f:
        f.write("<!DOCTYPE html><meta charset=\"utf-8\"><title>advice</title><p><a id=\"go\" href=\"#\">go</a></p>\n"
                "<script>\n(function () {\nfunction PopUp(url){\n" + line + "\n}\n"
                "document.getElementById('go').addEventListener('click', function (e) { e.preventDefault(); "
                "PopUp(" + repr("file://" + os.path.join(folder, "target.htm")) +
                "); });\n})();\n</script>\n")
    return "file://" + path


def click_and_measure(driver, url, expect_windows=2, clicks=1):
    """Clicks the link (each click one call); returns what the newest window reports: bars shown,
    outer size, position."""
    driver.s("POST", "/url", {"url": url})
    opener = driver.s("GET", "/window")
    for click in range(clicks):
        if click and not wait_for(lambda: len(driver.s("GET", "/window/handles")) >= 2, 5):
            fail(f"{url}: the first click opened nothing")
        driver.s("POST", "/window", {"handle": opener})
        driver.s("POST", f"/element/{driver.find('css selector', '#go')}/click", {})
    if not wait_for(lambda: len(driver.s("GET", "/window/handles")) >= expect_windows, 5):
        fail(f"{url}: expected {expect_windows} windows, have {driver.s('GET', '/window/handles')}")
    # A window too many would come at once: give it a second.
    if wait_for(lambda: len(driver.s("GET", "/window/handles")) > expect_windows, 1):
        fail(f"{url}: more than {expect_windows} windows opened")
    handles = driver.s("GET", "/window/handles")
    result = {"windows": len(handles)}
    others = [h for h in handles if h != opener]
    if others:
        driver.s("POST", "/window", {"handle": others[-1]})
        wait_for(lambda: driver.script("return document.readyState;") == "complete", 5)
        result.update(zip(("tab", "width", "height", "left", "top"), driver.script(
            "return [window.toolbar.visible, outerWidth, outerHeight, screenX, screenY];")))
    for h in others:
        driver.s("POST", "/window", {"handle": h})
        driver.s("DELETE", "/window")
    driver.s("POST", "/window", {"handle": opener})
    return result


def run(folder):
    with open(os.path.join(folder, "target.htm"), "w") as f:
        f.write("<!DOCTYPE html><title>target</title><p>The pop-up page.\n")
    with chromium_session() as driver:
        if driver is None:
            return 0
        small = click_and_measure(driver, page(folder, "defaults", open_line()))
        if small["tab"] or (small["width"], small["left"], small["top"]) != (300, 300, 100):
            fail(f"the defaults should give a small window 300 wide at 300, 100: {small}")
        every = ("location", "menubar", "status", "resizable", "scrollbars")
        for bars in (every, ("toolbar",) + every[1:]):
            tab = click_and_measure(driver, page(folder, "tab", open_line(bars=bars)))
            if not tab["tab"] or tab["width"] == 300:
                fail(f"every bar ({bars}) should give a normal tab of its own size: {tab}")
        full = click_and_measure(driver, page(folder, "full", open_line(full=True, bars=every)))
        if full["tab"] or full["width"] == 300:
            fail(f"with full screen a window with an address bar of Chromium's own size: {full}")
        tiny = click_and_measure(driver, page(folder, "tiny", open_line(width="50", left="abc")))
        if not 100 <= tiny["width"] <= 150 or tiny["left"] != 0:
            fail(f"width=50 should be raised to 100 to 150 and left=abc taken as 0: {tiny}")
        cut = click_and_measure(driver, page(folder, "cut", open_line(height="250.7")))
        whole = click_and_measure(driver, page(folder, "whole", open_line(height="250")))
        if cut["height"] != whole["height"]:
            fail(f"height=250.7 should be read as 250: {cut} against {whole}")
        reused = click_and_measure(driver, page(folder, "reuse", open_line()), clicks=2)
        blank = click_and_measure(driver, page(folder, "blank", open_line(window="_blank")), 3, clicks=2)
        if reused["windows"] != 2 or blank["windows"] != 3:
            fail(f"a name should be reused and _blank open anew: {reused}, {blank}")
        same = page(folder, "self", open_line(window="_self"))
        if click_and_measure(driver, same, 1)["windows"] != 1 or not wait_for(
                lambda: driver.s("GET", "/url").endswith("target.htm"), 5):
            fail("_self should load the address in the page itself")
        broken = page(folder, "location", open_line(window="location"))
        click_and_measure(driver, broken)
        if not wait_for(lambda: driver.s("GET", "/url") != broken, 5):
            fail("the window name location should make the page leave itself")
        print(f"advice in Chromium: small window {small}, tab {tab}, full screen {full}, width=50 {tiny['width']}, "
              f"250.7 as 250, reuse and _blank, _self and location as advised")
        return 0


def main():
    folder = tempfile.mkdtemp(prefix="skylatch-advice-")
    try:
        return run(folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
