#!/usr/bin/env python3
"""Presses Preview in the real program under Wine, then opens the preview.htm it wrote in headless
Chromium (driven through chromedriver's WebDriver protocol) and checks what a user would see:
the frame shows tmphtm.htm, the title comes from endu.js, the link is there, clicking it calls
window.open with the address, window name and features that tmpskt.js holds, and no script error
occurs. Then, for hostile function names and addresses, checks that the test page runs none of
what they hold, neither as it loads nor when the link is clicked, and that an address reaches
window.open as typed. Skips, saying why, only when Chromium cannot start."""
import contextlib
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--allow-file-access-from-files"]
ELEMENT = "element-6066-11e4-a52e-4f735466cecf"


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(condition, seconds):
    """Polls until the condition holds or the time is up; returns its last value."""
    end = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.1)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class WebDriver:
    def __init__(self, port):
        self.base = f"http://127.0.0.1:{port}"
        self.session = None

    def call(self, method, path, body=None):
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request(self.base + path, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=60) as response:
                return json.loads(response.read() or b"{}").get("value")
        except urllib.error.HTTPError as e:
            raise RuntimeError(f"{method} {path}: {e.read().decode(errors='replace')[:400]}")

    def s(self, method, path, body=None):
        return self.call(method, f"/session/{self.session}{path}", body)

    def find(self, using, value):
        return self.s("POST", "/element", {"using": using, "value": value})[ELEMENT]

    def script(self, source):
        return self.s("POST", "/execute/sync", {"script": source, "args": []})


@contextlib.contextmanager
def chromium_session():
    """A headless Chromium session through chromedriver, ended and cleaned up on leaving; None
    (after saying SKIPPED and why) where Chromium cannot start here."""
    chromium = shutil.which("chromium") or "/usr/bin/chromium"
    chromedriver = shutil.which("chromedriver")
    if not chromedriver or not os.path.exists(chromium):
        print("SKIPPED: Chromium or chromedriver is not installed")
        yield None
        return
    port = free_port()
    profile = tempfile.mkdtemp(prefix="skylatch-chromium-")
    driver_process = subprocess.Popen([chromedriver, f"--port={port}"], stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
    driver = WebDriver(port)
    try:
        for _ in range(100):
            try:
                driver.call("GET", "/status")
                break
            except Exception:
                time.sleep(0.1)
        capabilities = {"capabilities": {"alwaysMatch": {
            "browserName": "chrome",
            # chromedriver turns the pop-up blocker off unless told not to: keep it on, as a
            # visitor's browser has it.
            "goog:chromeOptions": {"binary": chromium, "args": FLAGS + [f"--user-data-dir={profile}"],
                                   "excludeSwitches": ["disable-popup-blocking"]},
            "goog:loggingPrefs": {"browser": "ALL"}}}}
        try:
            driver.session = driver.call("POST", "/session", capabilities)["sessionId"]
        except Exception as e:
            print(f"SKIPPED: Chromium cannot start here: {e}")
            yield None
            return
        yield driver
    finally:
        if driver.session:
            try:
                driver.s("DELETE", "")
            except Exception:
                pass
        driver_process.terminate()
        driver_process.wait(timeout=10)
        shutil.rmtree(profile, ignore_errors=True)


# Each would set window.__pwned if it ran; the addresses must reach window.open as typed.
HOSTILE = [
    ("PopUp", 'https://x.example/"><script>window.__pwned=1</script><a href="'),
    ("PopUp", "https://example.com/o'brien"),
    ("PopUp", "x');window.__pwned=1;//"),
    ("PopUp", "x%27);window.__pwned=1;//"),
    ("PopUp", "x&#39;);window.__pwned=1;//"),
    ("PopUp", "x\\');window.__pwned=1;//"),
    ('x" onclick="window.__pwned=1', "page.htm"),
    ("window.__pwned=1;PopUp", "page.htm"),
    ("x<!--<script>", "page.htm"),
]


def check_hostile(driver, shots, temp):
    for name, address in HOSTILE:
        if subprocess.call(["wine", shots, "--preview", name, address], stdin=subprocess.DEVNULL) != 0:
            fail(f"the program did not write its preview for {name!r}, {address!r}")
        driver.s("POST", "/url", {"url": "file://" + os.path.join(temp, "tmphtm.htm")})
        if driver.script("return window.__pwned === undefined;") is not True:
            fail(f"loading the page ran what {name!r}, {address!r} hold")
        driver.script("window.__opened = []; window.open = function (u) { window.__opened.push(u); return null; };"
                      " return true;")
        link = driver.find("xpath", "//a[contains(., 'click here to preview your PopUp')]")
        driver.s("POST", f"/element/{link}/click", {})
        time.sleep(0.3)
        if driver.script("return window.__pwned === undefined;") is not True:
            fail(f"clicking the link ran what {name!r}, {address!r} hold")
        opened = driver.script("return window.__opened;")
        if name == "PopUp" and opened != [address]:
            fail(f"window.open got {opened} for the address {address!r}")
    print("hostile names and addresses:", len(HOSTILE), "cases, none ran, every address arrived as typed")


def main():
    shots, prefix = sys.argv[1], os.environ["WINEPREFIX"]
    temp = os.path.join(prefix, "drive_c", "windows", "temp")
    for name in ("tmpskt.js", "tmphtm.htm", "endu.js", "preview.htm"):
        try:
            os.remove(os.path.join(temp, name))
        except FileNotFoundError:
            pass
    if subprocess.call(["wine", shots, "--preview"], stdin=subprocess.DEVNULL) != 0:
        fail("the program did not write its preview")
    for name in ("tmpskt.js", "tmphtm.htm", "endu.js", "preview.htm"):
        if not os.path.exists(os.path.join(temp, name)):
            fail(f"{name} is missing from C:\\windows\\temp")

    with open(os.path.join(temp, "tmpskt.js"), "rb") as f:
        script_lines = f.read().decode("cp1252").split("\r\n")
    call = re.match(r"(\w*)=window\.open\(url,'([^']*)','([^']*)'\);$", script_lines[4])
    if not call:
        fail(f"unexpected script line 5: {script_lines[4]!r}")
    expected = ["https://www.skylatch.example", call.group(2), call.group(3)]

    with chromium_session() as driver:
        if driver is None:
            return 0

        driver.s("POST", "/url", {"url": "file://" + os.path.join(temp, "preview.htm")})
        title = driver.s("GET", "/title")
        if title != "Skylatch! Preview":
            fail(f"the preview's title is {title!r}")
        frame = driver.find("css selector", "frame")
        source = driver.s("GET", f"/element/{frame}/attribute/src")
        if source != "tmphtm.htm":
            fail(f"the frame shows {source!r}")
        driver.s("POST", "/frame", {"id": {ELEMENT: frame}})
        if not driver.script("return typeof PopUp === 'function';"):
            fail("the generated function is not defined in the test page")
        link = driver.find("xpath", "//a[contains(., 'click here to preview your PopUp')]")
        driver.script("window.__opened = []; window.open = function () {"
                      " window.__opened.push(Array.prototype.slice.call(arguments)); return null; };"
                      " return true;")
        driver.s("POST", f"/element/{link}/click", {})
        time.sleep(0.5)
        opened = driver.script("return window.__opened;")
        if opened != [expected]:
            fail(f"window.open was called with {opened}, expected {[expected]}")
        errors = [entry for entry in driver.s("POST", "/se/log", {"type": "browser"})
                  if entry.get("level") == "SEVERE"]
        if errors:
            fail(f"script errors on the page: {errors}")
        print("preview.htm in Chromium: frame tmphtm.htm, title from endu.js, window.open", expected)
        check_hostile(driver, shots, temp)
        return 0


if __name__ == "__main__":
    sys.exit(main())
