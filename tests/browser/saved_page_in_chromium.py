#!/usr/bin/env python3
"""Saves the page type through File > Save of the real program under Wine (the real Save As
dialog, answered as a user would) for each activation method and for function names that the
browser's window, document or link also have, then opens each saved page in headless Chromium with
its pop-up blocker ON, as a visitor's browser has it, and checks what the advice and the page's
own sentence promise: load and the mouse events open nothing past the blocker, unload never opens
a window, "From link" opens the pop-up with the window name and the address, as a small window of
the size asked for, and the page is not blanked. Skips, saying why, only when Chromium cannot
start."""
import os
import shutil
import subprocess
import sys
import tempfile

from preview_in_chromium import ELEMENT, chromium_session, fail, wait_for

WINDOW_NAME = "Latchy"
LOAD, UNLOAD, MOUSE_OVER, MOUSE_OUT, FROM_LINK = range(5)
# (method, function name) as typed into the program.
CASES = [(LOAD, "PopUp"), (UNLOAD, "PopUp"), (MOUSE_OVER, "PopUp"), (MOUSE_OUT, "PopUp"), (FROM_LINK, "PopUp"),
         (FROM_LINK, "open"), (FROM_LINK, "write"), (FROM_LINK, "click"), (FROM_LINK, "Función")]
# Function names the snippet and the .js must carry through a page's inline handler.
SNIPPET_NAMES = ["write", "click", "Función"]
SENTENCES = {
    LOAD: "The pop-up opens when this page loads, where the browser allows this page to open pop-ups",
    UNLOAD: "Browsers open no window while a page is being left",
    MOUSE_OVER: "The pop-up opens when the pointer moves onto the link, where the browser allows",
    MOUSE_OUT: "The pop-up opens when the pointer leaves the link, where the browser allows",
    FROM_LINK: "A click on the link opens the pop-up.",
}


def main():
    shots = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="skylatch-saved-")
    try:
        return run(shots, folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def save_pages(shots, folder, address):
    pages = []
    for index, (method, function) in enumerate(CASES):
        page = os.path.join(folder, f"saved{index}.htm")
        windows_page = "Z:" + page.replace("/", "\\")
        if subprocess.call(["wine", shots, "--save-page", windows_page, WINDOW_NAME, address, str(method), function],
                           stdin=subprocess.DEVNULL) != 0:
            fail(f"the program did not save its page for method {method} and {function!r}")
        with open(page, "rb") as f:
            saved = f.read()
        if saved.startswith(b"\xef\xbb\xbf") or b'<meta charset="utf-8">' not in saved:
            fail(f"the saved page is not UTF-8 without a byte-order mark:\n{saved[:200]!r}")
        text = saved.decode("utf-8")
        if f"function {function}(url){{" not in text or SENTENCES[method] not in text:
            fail(f"the saved page does not hold the function and its sentence:\n{text}")
        pages.append(page)
    return pages


def save_snippets(shots, folder, address):
    """The .js saved through the program and a page holding the call taken from its Generated code
    window, one folder per function name."""
    pages = []
    for index, function in enumerate(SNIPPET_NAMES):
        sub = os.path.join(folder, f"snippet{index}")
        os.mkdir(sub)
        if subprocess.call(["wine", shots, "--save-snippet", "Z:" + sub.replace("/", "\\"), function, WINDOW_NAME,
                            address], stdin=subprocess.DEVNULL) != 0:
            fail(f"the program did not save the script and the call for {function!r}")
        with open(os.path.join(sub, "snippet.htm"), encoding="utf-8") as f:
            page = f.read()
        if '<script src="saved%20script.js"></script>' not in page or f"window.{function}(this.href)" not in page:
            fail(f"the call does not load the file saved or call the function through window:\n{page}")
        pages.append(os.path.join(sub, "snippet.htm"))
    return pages


def check_snippet(driver, page, function, address):
    driver.s("POST", "/url", {"url": "file://" + page})
    opener = driver.s("GET", "/window")
    if driver.script(f"return typeof window[{function!r}];") != "function":
        fail(f"the saved script did not define {function!r}")
    anchor = driver.find("xpath", "//a[.='Open the pop-up']")
    driver.s("POST", f"/element/{anchor}/click", {})
    opened_window(driver, opener, address)
    driver.s("POST", "/window", {"handle": opener})
    if driver.s("GET", "/url") != "file://" + page or "The author's page." not in driver.script(
            "return document.body.innerText;"):
        fail(f"with the function {function!r} the click left or blanked the page")
    close_others(driver, opener)


def handles(driver):
    return driver.s("GET", "/window/handles")


def no_window_opens(driver, what):
    # Nothing can signal a window that does not open: give the browser two seconds to open one.
    if wait_for(lambda: len(handles(driver)) > 1, 2):
        fail(f"{what} opened a window past the pop-up blocker")


def move_pointer(driver, element=None):
    origin = {ELEMENT: element} if element else "viewport"
    driver.s("POST", "/actions", {"actions": [{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                                               "actions": [{"type": "pointerMove", "duration": 0, "origin": origin,
                                                            "x": 0 if element else 5, "y": 0 if element else 5}]}]})


def opened_window(driver, opener, address):
    """The window that opened beside the page, checked for its name and address."""
    if not wait_for(lambda: len(handles(driver)) == 2, 5):
        fail(f"no window opened: window handles {handles(driver)}")
    popup = next(h for h in handles(driver) if h != opener)
    driver.s("POST", "/window", {"handle": popup})
    wait_for(lambda: driver.script("return document.readyState;") == "complete", 5)
    name, location = driver.script("return [window.name, location.href];")
    if name != WINDOW_NAME or location != address:
        fail(f"the window is named {name!r} and shows {location!r}, expected {WINDOW_NAME!r} and {address!r}")
    return popup


def close_others(driver, opener):
    for handle in handles(driver):
        if handle != opener:
            driver.s("POST", "/window", {"handle": handle})
            driver.s("DELETE", "/window")
    driver.s("POST", "/window", {"handle": opener})


def check_page(driver, page, method, function, address):
    driver.s("POST", "/url", {"url": "file://" + page})
    opener = driver.s("GET", "/window")
    if driver.s("GET", "/title") != function:
        fail(f"the saved page's title is {driver.s('GET', '/title')!r}, expected {function!r}")
    if method == LOAD:
        no_window_opens(driver, "loading the page")
        return "blocked on load"
    if method == UNLOAD:
        driver.s("POST", "/url", {"url": address})
        no_window_opens(driver, "leaving the page")
        return "nothing on leaving"
    anchor = driver.find("xpath", "//a[.='Open the pop-up']")
    if method in (MOUSE_OVER, MOUSE_OUT):
        move_pointer(driver, anchor)
        if not driver.script("return document.querySelector('#popup:hover') !== null;"):
            fail("the pointer did not reach the link")
        if method == MOUSE_OUT:
            move_pointer(driver)
        no_window_opens(driver, "the pointer")
        # A click still opens the address in the named window, as the sentence says.
        driver.s("POST", f"/element/{anchor}/click", {})
        opened_window(driver, opener, address)
        close_others(driver, opener)
        return "blocked on the pointer; the click opens the named window"
    driver.s("POST", f"/element/{anchor}/click", {})
    opened_window(driver, opener, address)
    # A small window, not a tab, at the width and place asked for (Chromium reports the height with
    # the window's own bars, so it is only shown).
    toolbar, width, height, left, top = driver.script(
        "return [window.toolbar.visible, window.outerWidth, window.outerHeight, window.screenX, window.screenY];")
    if toolbar:
        fail("Chromium opened a tab where the advice says a small window")
    if (width, left, top) != (300, 300, 100):
        fail(f"the pop-up is {width} wide at {left}, {top}, expected 300 wide at 300, 100")
    driver.s("POST", "/window", {"handle": opener})
    if driver.s("GET", "/url") != "file://" + page or SENTENCES[method] not in driver.script(
            "return document.body.innerText;"):
        fail(f"with the function {function!r} the click left or blanked the page")
    close_others(driver, opener)
    return f"pop-up {width} x {height}"


def run(shots, folder):
    target = os.path.join(folder, "target.htm")
    with open(target, "w") as f:
        f.write("<!DOCTYPE html><title>target</title><p>The pop-up page.</p>\n")
    address = "file://" + target
    pages = save_pages(shots, folder, address)
    snippets = save_snippets(shots, folder, address)

    with chromium_session() as driver:
        if driver is None:
            return 0
        for page, (method, function) in zip(pages, CASES):
            outcome = check_page(driver, page, method, function, address)
            errors = [entry for entry in driver.s("POST", "/se/log", {"type": "browser"})
                      if entry.get("level") == "SEVERE" and "ERR_BLOCKED" not in entry.get("message", "")]
            if errors:
                fail(f"script errors on the saved page for method {method} and {function!r}: {errors}")
            print(f"saved page, method {method}, function {function!r}: {outcome}")
        for page, function in zip(snippets, SNIPPET_NAMES):
            check_snippet(driver, page, function, address)
            print(f".js and the call from the code window, function {function!r}: the click opened the pop-up")
        return 0


if __name__ == "__main__":
    sys.exit(main())
