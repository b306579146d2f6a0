"""Each line of the Generated code window's advice tried in one engine: a real click runs the
window.open line exactly as the program writes it (same items, same order) and the check reads
what opened: the bars it reports, its outer and inner size, its place, whether the page scrolls.
Every case states what the advice says for this engine; a figure that disagrees fails."""
import os

from harness import fail, wait_for

BARS = ("toolbar", "status", "menubar", "location", "directories", "resizable", "scrollbars")
EVERY = ("toolbar", "status", "menubar", "location", "directories", "resizable", "scrollbars")
TAB_ENGINES = ("Chromium", "Firefox")  # WebKit opens every pop-up as a window of its own


def open_line(window="Skylatch", full=False, bars=(), width="300", height="200", left="300", top="100"):
    """Line 5 of the program's script for these settings."""
    features = ",".join(f"{bar}={'yes' if bar in bars else 'no'}" for bar in BARS)
    return (f"{window}=window.open(url,'{window}'," + ("'fullscreen=yes'," if full else "") +
            f"'{features},width={width},height={height},left={left},top={top}');")


def page(folder, name, line):
    path = os.path.join(folder, name + ".htm")
    with open(path, "w", encoding="utf-8") as f:
        f.write("<!DOCTYPE html><meta charset=\"utf-8\"><title>advice</title>"
                "<p><a id=\"go\" href=\"#\" style=\"font-size:40px\">go</a></p>\n"
                "<script>\n(function () {\nfunction PopUp(url){\n" + line + "\n}\n"
                "document.getElementById('go').addEventListener('click', function (e) { e.preventDefault(); "
                "PopUp(" + repr("file://" + os.path.join(folder, "target.htm")) + "); });\n})();\n</script>\n")
    return "file://" + path


MEASURE = ("var d = document.documentElement; scrollTo(0, 100);"
           "return {location: locationbar.visible, toolbar: toolbar.visible, outer: [outerWidth, outerHeight],"
           " inner: [innerWidth, innerHeight], at: [screenX, screenY], scrolls: scrollY > 0,"
           " bar: innerWidth - d.clientWidth, screen: [screen.availWidth, screen.availHeight]};")


def click_and_measure(session, url, clicks=1):
    """Clicks the link (each click one call); what the newest window reports, the number of
    windows, and where the page itself is afterwards."""
    session.open(url)
    opener = session.current()
    opener_figures = session.script(MEASURE)
    for click in range(clicks):
        if click:
            wait_for(lambda: len(session.handles()) >= 2, 5)
        session.switch(opener)
        session.click("#go")
    wait_for(lambda: len(session.handles()) >= 2 or session.url() != url, 3)
    handles = session.handles()
    # A window too many would come at once, and a second one from _blank after the first.
    wait_for(lambda: len(session.handles()) > len(handles), 0.5)
    handles = session.handles()
    figures = {"windows": len(handles)}
    others = [h for h in handles if h != opener]
    if others:
        session.switch(others[-1])
        wait_for(lambda: session.url().endswith("target.htm"), 5)
        session.wait_loaded()
        figures.update(session.script(MEASURE))
        # A tab has the opener's window; WebKit's MiniBrowser opens every pop-up as a window.
        figures["tab"] = session.name in TAB_ENGINES and figures["outer"] == opener_figures["outer"] and \
            figures["at"] == opener_figures["at"]
    session.switch(opener)
    figures["page"] = session.url()
    figures["left_page"] = figures["page"] != url
    session.close_others(opener)
    return figures


def short(f):
    if "outer" not in f:
        return f"{f['windows']} window(s), page {'left' if f.get('left_page') else 'kept'}"
    return (f"{'tab' if f['tab'] else 'window'} {f['outer'][0]}x{f['outer'][1]} (inner {f['inner'][0]}x{f['inner'][1]})"
            f" at {f['at'][0]},{f['at'][1]}, location bar {'on' if f['location'] else 'off'},"
            f" toolbar {'on' if f['toolbar'] else 'off'}, {f['windows']} windows")


def cases(engine):
    """(claim, settings, clicks, check): check(figures, measured) gives None or what is wrong."""
    tab = engine in TAB_ENGINES

    def kind(expect_tab):
        return lambda f, m: None if f.get("tab") == expect_tab and f["windows"] == 2 else \
            f"expected {'a tab' if expect_tab else 'a window'}"

    def small(f, m):
        if f["windows"] != 2 or f["tab"] or f["at"] != [300, 100]:
            return "expected a small window at 300,100"
        if engine != "WebKit" and f["inner"][0] != 300 or engine == "WebKit" and f["outer"] != [1024, 768]:
            return "expected the width asked for (WebKit: 1024x768, resizable=no)"
        if engine == "WebKit" and f["location"]:
            return "expected no address bar in WebKit's pop-up"
        return None

    def minimum(f, m):
        if engine == "WebKit":
            return None if f["outer"][0] > 150 else "expected WebKit's own minimum above 150"
        return None if 100 <= f["outer"][0] <= 150 and f["outer"][0] < 300 else "expected a minimum of 100 to 150"

    def cut(f, m):
        return None if f["inner"][1] == m["height 250"]["inner"][1] else "expected 250.7 read as 250"

    def on_screen(f, m):
        right, bottom = f["at"][0] + f["outer"][0], f["at"][1] + f["outer"][1]
        inside = right <= f["screen"][0] and bottom <= f["screen"][1]
        # WebKit moves the window so that the size asked for (300x200) fits, then makes it larger.
        if engine == "WebKit":
            return None if f["at"] == [f["screen"][0] - 300, f["screen"][1] - 200] else \
                "expected WebKit to place it for the size asked for"
        return None if inside else "expected the window moved onto the screen"

    def left_page(f, m):
        return None if f["page"].endswith("target.htm") and f["windows"] == 1 else "expected the page itself to load it"

    return [
        ("no bars: a small window", {}, 1, small),
        ("every bar", {"bars": EVERY}, 1, kind(tab)),
        ("every bar but directories", {"bars": tuple(b for b in EVERY if b != "directories")}, 1, kind(tab)),
        ("every bar but the tool bar", {"bars": tuple(b for b in EVERY if b != "toolbar")}, 1, kind(tab)),
        ("every bar but the location bar", {"bars": tuple(b for b in EVERY if b != "location")}, 1, kind(tab)),
        ("every bar but the menu bar", {"bars": tuple(b for b in EVERY if b != "menubar")}, 1, kind(False)),
        ("every bar but resizable", {"bars": tuple(b for b in EVERY if b != "resizable")}, 1, kind(False)),
        ("full screen with every bar", {"full": True, "bars": EVERY}, 1,
         lambda f, m: None if f["windows"] == 2 and f["inner"][0] != 300 and f.get("tab") == (engine == "Firefox")
         else "expected Firefox to open a tab, Chromium and WebKit a window, each of its own size"),
        ("scrollbars=no, a long page", {}, 1,
         lambda f, m: None if f["scrolls"] else "expected the page to scroll"),
        ("resizable=no, width=640", {"width": "640", "height": "480"}, 1,
         lambda f, m: None if (f["outer"] == [1024, 768]) == (engine == "WebKit") else
         "expected WebKit alone to ignore the size"),
        ("resizable=yes, width=640", {"bars": ("resizable",), "width": "640", "height": "480"}, 1,
         lambda f, m: None if f["inner"][0] == 640 and 479 <= f["inner"][1] <= 480 else
         "expected the size asked for"),
        ("width=50, height=50", {"width": "50", "height": "50", "bars": ("resizable",)}, 1, minimum),
        ("width=5000, height=5000", {"width": "5000", "height": "5000", "bars": ("resizable",)}, 1,
         lambda f, m: None if f["outer"][0] <= f["screen"][0] else "expected at most the screen's width"),
        ("height 250", {"height": "250", "bars": ("resizable",)}, 1, lambda f, m: None),
        ("height 250.7", {"height": "250.7", "bars": ("resizable",)}, 1, cut),
        ("left=abc", {"left": "abc"}, 1, lambda f, m: None if f["at"][0] == 0 else "expected left 0"),
        ("left=5000, top=5000", {"left": "5000", "top": "5000", "bars": ("resizable",)}, 1, on_screen),
        ("left=5000, top=5000, resizable=no", {"left": "5000", "top": "5000"}, 1, on_screen),
        ("a second call, same name", {}, 2, lambda f, m: None if f["windows"] == 2 else "expected one window reused"),
        ("_blank, two calls", {"window": "_blank"}, 2,
         lambda f, m: None if f["windows"] == 3 else "expected a new window each time"),
        ("_self", {"window": "_self"}, 1, left_page),
        ("_top", {"window": "_top"}, 1, left_page),
        ("_parent", {"window": "_parent"}, 1, left_page),
        ("window name location", {"window": "location"}, 1,
         lambda f, m: None if f["windows"] == 2 and f["left_page"] else
         "expected the pop-up to open and then the page to leave"),
    ] + [(f"window name {name}", {"window": name}, 1,
          lambda f, m: None if f["windows"] == 2 and not f["left_page"] else "expected a window and the page kept")
         for name in ("name", "top", "status")]


def run(session, folder):
    """Runs every case; returns {claim: short figures} for the table."""
    with open(os.path.join(folder, "target.htm"), "w") as f:
        f.write("<!DOCTYPE html><title>target</title><p style=\"height:3000px\">The pop-up page.\n")
    measured, rows = {}, {}
    for index, (claim, settings, clicks, check) in enumerate(cases(session.name)):
        try:
            figures = click_and_measure(session, page(folder, f"advice{index}", open_line(**settings)), clicks)
        except Exception as e:
            fail(f"{session.name}, {claim}: {e}")
            continue
        measured[claim] = figures
        problem = check(figures, measured)
        rows[claim] = short(figures)
        print(f"{session.name} | {claim} | {rows[claim]}" + (f" | scrolls {figures['scrolls']}, bar {figures['bar']}"
                                                             if "scrolls" in figures else ""), flush=True)
        if problem:
            fail(f"{session.name}, {claim}: {problem}: {figures}")
    return rows
