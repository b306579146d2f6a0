"""One browser session per engine, headful on a virtual display of its own (so the Wine tests on the
tests' display never take its focus), each with its pop-up blocker on as a visitor's browser has it. Chromium and WebKit (MiniBrowser) speak classic WebDriver
through their drivers; Firefox speaks WebDriver BiDi over a websocket to its own remote agent. The
checks see one small interface: open, handles, switch, script, click, point, close."""
import asyncio
import contextlib
import glob
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

ELEMENT = "element-6066-11e4-a52e-4f735466cecf"
failures = []


def fail(message):
    """Notes a failed check and goes on with the next one; the run's exit code counts them."""
    print("FAIL:", message, flush=True)
    failures.append(message)


class EngineFailed(Exception):
    pass


def wait_for(condition, seconds):
    """Polls until the condition holds or the time is up; returns its last value."""
    end = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for_port(port, process, seconds):
    def up():
        if process.poll() is not None:
            raise EngineFailed(f"the process ended with code {process.returncode} before it listened")
        with socket.socket() as s:
            return s.connect_ex(("127.0.0.1", port)) == 0
    if not wait_for(up, seconds):
        raise EngineFailed(f"nothing listened on port {port} after {seconds} s")


class Session:
    """What every engine offers the checks. A handle names a top-level window or tab."""
    name = version = ""

    def open(self, url):
        """Loads url in the current window and waits until it has loaded."""
        raise NotImplementedError

    def handles(self):
        raise NotImplementedError

    def current(self):
        raise NotImplementedError

    def switch(self, handle):
        raise NotImplementedError

    def script(self, source):
        """Runs a function body (with return) in the current window; its JSON result."""
        raise NotImplementedError

    def close(self, handle):
        raise NotImplementedError

    def url(self):
        return self.script("return location.href;")

    def wait_loaded(self):
        wait_for(lambda: self.script("return document.readyState;") == "complete", 5)

    def click(self, selector):
        """A real pointer click at the middle of the element."""
        self.point(selector, press=True)

    def point(self, selector, press=False):
        """Moves the pointer onto the element's middle (or to 5, 5 of the page when selector is None)."""
        raise NotImplementedError

    def close_others(self, keep):
        for handle in self.handles():
            if handle != keep:
                self.close_until_gone(handle)
        self.switch(keep)

    def close_until_gone(self, handle):
        """Firefox on a busy machine can report an error for a window it is still closing (its
        session store not yet told of it): asked again until the window is gone."""
        for _ in range(5):
            try:
                self.close(handle)
                return
            except EngineFailed:
                time.sleep(0.5)
                if handle not in self.handles():
                    return
        self.close(handle)


def pointer_actions(origin, press):
    steps = [{"type": "pointerMove", "duration": 0, "origin": origin or "viewport",
              "x": 0 if origin else 5, "y": 0 if origin else 5}]
    if press:
        steps += [{"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]
    return [{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"}, "actions": steps}]


class ClassicSession(Session):
    """Chromium through chromedriver, WebKit through WebKitWebDriver."""

    def __init__(self, name, driver_command, port, capabilities):
        self.name = name
        self.base = f"http://127.0.0.1:{port}"
        self.process = subprocess.Popen(driver_command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.id = None
        try:
            wait_for_port(port, self.process, 10)
            answer = self.call("POST", "/session", {"capabilities": {"alwaysMatch": capabilities}})
        except Exception as e:
            self.end()
            raise EngineFailed(str(e))
        self.id = answer["sessionId"]
        self.version = answer["capabilities"].get("browserVersion", "")

    def call(self, method, path, body=None):
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request(self.base + path, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=60) as response:
                return json.loads(response.read() or b"{}").get("value")
        except urllib.error.HTTPError as e:
            raise EngineFailed(f"{method} {path}: {e.read().decode(errors='replace')[:400]}")

    def s(self, method, path, body=None):
        return self.call(method, f"/session/{self.id}{path}", body)

    def open(self, url):
        self.s("POST", "/url", {"url": url})
        self.wait_loaded()

    def handles(self):
        return self.s("GET", "/window/handles")

    def current(self):
        return self.s("GET", "/window")

    def switch(self, handle):
        self.s("POST", "/window", {"handle": handle})

    def script(self, source):
        return self.s("POST", "/execute/sync", {"script": source, "args": []})

    def close(self, handle):
        self.switch(handle)
        self.s("DELETE", "/window")

    def point(self, selector, press=False):
        origin = {ELEMENT: self.s("POST", "/element", {"using": "css selector", "value": selector})[ELEMENT]} \
            if selector else None
        self.s("POST", "/actions", {"actions": pointer_actions(origin, press)})
        self.s("DELETE", "/actions")

    def end(self):
        if self.id:
            with contextlib.suppress(Exception):
                self.s("DELETE", "")
        self.process.terminate()
        with contextlib.suppress(Exception):
            self.process.wait(timeout=10)
        if getattr(self, "profile", None):
            shutil.rmtree(self.profile, ignore_errors=True)


class BidiSession(Session):
    """Firefox through WebDriver BiDi on its own remote agent, one websocket for the run."""

    def __init__(self, binary):
        import websockets.client  # python3-websockets
        self.name = "Firefox"
        self.profile = tempfile.mkdtemp(prefix="skylatch-firefox-")
        # The remote agent sets its recommended preferences, among them the pop-up blocker off,
        # unless the profile says not to; the few it would set that matter are set here.
        prefs = {"remote.prefs.recommended": False, "dom.disable_open_during_load": True,
                 "browser.shell.checkDefaultBrowser": False, "browser.startup.homepage_override.mstone": "ignore",
                 "browser.startup.page": 0, "datareporting.policy.dataSubmissionEnabled": False,
                 "toolkit.telemetry.reportingpolicy.firstRun": False, "browser.aboutwelcome.enabled": False,
                 "app.update.disabledForTesting": True, "browser.tabs.warnOnClose": False,
                 "security.fileuri.strict_origin_policy": False, "browser.warnOnQuit": False,
                 "network.proxy.type": 0, "browser.safebrowsing.malware.enabled": False,
                 "browser.safebrowsing.phishing.enabled": False, "extensions.autoDisableScopes": 0}
        with open(os.path.join(self.profile, "user.js"), "w") as f:
            for key, value in prefs.items():
                f.write(f"user_pref({json.dumps(key)}, {json.dumps(value)});\n")
        port = free_port()
        self.process = subprocess.Popen([binary, "--profile", self.profile, "--no-remote", "--new-instance",
                                         f"--remote-debugging-port={port}", "--remote-allow-system-access",
                                         "about:blank"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.loop = asyncio.new_event_loop()
        asyncio.set_event_loop(self.loop)
        self.next_id = 0
        self.socket = None
        try:
            wait_for_port(port, self.process, 30)
            self.socket = self.loop.run_until_complete(
                websockets.client.connect(f"ws://127.0.0.1:{port}/session", max_size=2 ** 26))
            answer = self.command("session.new", {"capabilities": {}})
            self.version = answer["capabilities"].get("browserVersion", "")
            self.context = self.handles()[0]
        except Exception as e:
            self.end()
            raise EngineFailed(str(e))

    def command(self, method, params):
        self.next_id += 1
        ident = self.next_id

        async def exchange():
            await self.socket.send(json.dumps({"id": ident, "method": method, "params": params}))
            while True:
                message = json.loads(await asyncio.wait_for(self.socket.recv(), 60))
                if message.get("id") == ident:
                    return message
        message = self.loop.run_until_complete(exchange())
        if message.get("type") == "error" or "error" in message:
            raise EngineFailed(f"{method}: {message.get('error')}: {message.get('message', '')[:300]}")
        return message["result"]

    def open(self, url):
        self.command("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    def handles(self):
        return [c["context"] for c in self.command("browsingContext.getTree", {"maxDepth": 0})["contexts"]]

    def current(self):
        return self.context

    def switch(self, handle):
        self.context = handle

    def script(self, source):
        result = self.command("script.callFunction", {
            "functionDeclaration": "function () {" + source + "}", "awaitPromise": False,
            "target": {"context": self.context}, "resultOwnership": "none", "userActivation": False})
        if result.get("type") == "exception":
            raise EngineFailed(f"script error: {result['exceptionDetails'].get('text')}")
        return self.value(result["result"])

    def value(self, remote):
        kind = remote["type"]
        if kind in ("undefined", "null"):
            return None
        if kind == "array":
            return [self.value(v) for v in remote.get("value", [])]
        if kind == "object":
            return {k: self.value(v) for k, v in remote.get("value", [])}
        if kind == "number" and isinstance(remote["value"], str):
            return float(remote["value"].replace("Infinity", "inf"))
        return remote.get("value")

    def close(self, handle):
        self.command("browsingContext.close", {"context": handle})

    def point(self, selector, press=False):
        origin = None
        if selector:
            node = self.command("script.evaluate", {"expression": f"document.querySelector({json.dumps(selector)})",
                                                    "awaitPromise": False, "target": {"context": self.context}})
            origin = {"type": "element", "element": {"sharedId": node["result"]["sharedId"]}}
        self.command("input.performActions", {"context": self.context, "actions": pointer_actions(origin, press)})
        self.command("input.releaseActions", {"context": self.context})

    def end(self):
        if self.socket:
            with contextlib.suppress(Exception):
                self.command("session.end", {})
            with contextlib.suppress(Exception):
                self.loop.run_until_complete(self.socket.close())
        self.process.terminate()
        with contextlib.suppress(Exception):
            self.process.wait(timeout=10)
        shutil.rmtree(self.profile, ignore_errors=True)


def start_chromium():
    chromium = shutil.which("chromium") or "/usr/bin/chromium"
    driver = shutil.which("chromedriver")
    if not driver or not os.path.exists(chromium):
        raise EngineFailed("chromium or chromedriver is not installed")
    profile = tempfile.mkdtemp(prefix="skylatch-chromium-")
    port = free_port()
    flags = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--allow-file-access-from-files",
             f"--user-data-dir={profile}"]
    # chromedriver turns the blocker off, and its "controlled by automated test software" bar
    # takes 57 pixels of every window's content, unless both switches are left out.
    session = ClassicSession("Chromium", [driver, f"--port={port}"], port, {
        "browserName": "chrome",
        "goog:chromeOptions": {"binary": chromium, "args": flags,
                               "excludeSwitches": ["disable-popup-blocking", "enable-automation"]}})
    session.profile = profile
    return session


def start_firefox():
    binary = shutil.which("firefox-esr") or shutil.which("firefox")
    if not binary:
        raise EngineFailed("firefox-esr is not installed")
    try:
        import websockets.client  # noqa: F401
    except ImportError:
        raise EngineFailed(f"python3-websockets is missing for {sys.executable}")
    return BidiSession(binary)


def start_webkit():
    driver = shutil.which("WebKitWebDriver")
    browsers = sorted(glob.glob("/usr/lib/x86_64-linux-gnu/webkit2gtk-4.*/MiniBrowser"))
    if not driver or not browsers:
        raise EngineFailed("WebKitWebDriver or MiniBrowser (webkit2gtk-driver) is not installed")
    port = free_port()
    return ClassicSession("WebKit", [driver, f"--port={port}"], port, {
        "browserName": "MiniBrowser",
        "webkitgtk:browserOptions": {"binary": browsers[-1],
                                     "args": ["--automation", "--javascript-can-open-windows-automatically=false"]}})


ENGINES = {"chromium": start_chromium, "firefox": start_firefox, "webkit": start_webkit}

PROBE = ("<!DOCTYPE html><title>probe</title><script>"
         "var w = window.open('about:blank', 'probe', 'width=200,height=200');"
         "document.title = w === null ? 'blocked' : 'opened';</script>")


@contextlib.contextmanager
def own_display():
    """A virtual X display for this process and the browsers it starts, ended with the session."""
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        raise EngineFailed("Xvfb (package xvfb) is not installed")
    read, write = os.pipe()
    server = subprocess.Popen([xvfb, "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as numbers:
        number = numbers.readline().strip()
    if not number:
        server.kill()
        raise EngineFailed("Xvfb gave no display")
    previous = os.environ.get("DISPLAY")
    os.environ["DISPLAY"] = ":" + number
    try:
        yield
    finally:
        server.terminate()
        server.wait(timeout=10)
        if previous is None:
            os.environ.pop("DISPLAY", None)
        else:
            os.environ["DISPLAY"] = previous


@contextlib.contextmanager
def engine_session(key, folder):
    """The engine's one session, its blocker proved on by a probe page whose window.open runs
    without a click; raises EngineFailed, with the reason, where that cannot be had."""
    with own_display():
        session = ENGINES[key]()
        try:
            probe = os.path.join(folder, "probe.htm")
            with open(probe, "w") as f:
                f.write(PROBE)
            session.open("file://" + probe)
            outcome = wait_for(lambda: session.script("return document.title;") in ("blocked", "opened") and
                               session.script("return document.title;"), 5)
            if outcome != "blocked" or len(session.handles()) != 1:
                raise EngineFailed(f"the pop-up blocker is not on: a window.open without a click gave {outcome!r}, "
                                   f"{len(session.handles())} windows")
            yield session
        finally:
            session.end()
