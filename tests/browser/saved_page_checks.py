"""Opens in one engine each page that File > Save of the real program wrote (make_files.py) for each
activation method and for function names that the browser's window, document or link also have,
and the .js with the call from the Generated code window, and checks what the page's own sentence
promises, and that the page is never blanked."""
import os

from harness import fail, wait_for

WINDOW_NAME = "Latchy"
LOAD, UNLOAD, MOUSE_OVER, MOUSE_OUT, FROM_LINK = range(5)
CASES = [(LOAD, "PopUp"), (UNLOAD, "PopUp"), (MOUSE_OVER, "PopUp"), (MOUSE_OUT, "PopUp"), (FROM_LINK, "PopUp"),
         (FROM_LINK, "open"), (FROM_LINK, "write"), (FROM_LINK, "click"), (FROM_LINK, "Función")]
SNIPPET_NAMES = ["write", "click", "Función", "open"]
# What each page says of itself, in part.
SENTENCES = {
    LOAD: "The pop-up opens when this page loads, where the browser allows this page to open pop-ups",
    UNLOAD: "Leaving this page opens the pop-up only in Firefox, when the visitor leaves by a click on a link",
    MOUSE_OVER: "The pop-up opens when the pointer moves onto the link, where the browser allows",
    MOUSE_OUT: "The pop-up opens when the pointer leaves the link, where the browser allows",
    FROM_LINK: "A click on the link opens the pop-up.",
}


def target_address(folder):
    return "file://" + os.path.join(folder, "target.htm")


def saved_pages(folder):
    pages = []
    for index, (method, function) in enumerate(CASES):
        page = os.path.join(folder, f"saved{index}.htm")
        if not os.path.exists(page):
            continue  # make_files.py has said why
        text = open(page, encoding="utf-8").read()
        if f"function {function}(url){{" not in text or SENTENCES[method] not in text:
            fail(f"the saved page does not hold the function and its sentence:\n{text}")
        pages.append((page, method, function))
    return pages


def saved_snippets(folder):
    return [(os.path.join(folder, f"snippet{index}", "snippet.htm"), function)
            for index, function in enumerate(SNIPPET_NAMES)
            if os.path.exists(os.path.join(folder, f"snippet{index}", "snippet.htm"))]


def opened(session, opener, address, what):
    if not wait_for(lambda: len(session.handles()) == 2, 5):
        return f"{what}: no window opened"
    popup = next(h for h in session.handles() if h != opener)
    session.switch(popup)
    wait_for(lambda: session.url() == address, 5)
    name, location = session.script("return [window.name, location.href];")
    session.switch(opener)
    if name != WINDOW_NAME or location != address:
        return f"{what}: the window is named {name!r} and shows {location!r}"
    return None


def nothing_opens(session, what):
    # Nothing signals a window that does not open: give the browser a second to open one.
    if wait_for(lambda: len(session.handles()) > 1, 1):
        return f"{what} opened a window past the pop-up blocker"
    return None


def kept(session, page, sentence):
    if session.url() != "file://" + page or sentence not in session.script("return document.body.innerText;"):
        return "the page left or was blanked"
    return None


def check_page(session, page, method, function, address):
    """Returns what happened, or raises AssertionError with what is wrong."""
    session.open("file://" + page)
    opener = session.current()
    problems = []
    if session.script("return document.title;") != function:
        problems.append(f"the title is not {function!r}")
    if method == LOAD:
        problems.append(nothing_opens(session, "loading the page"))
        outcome = "blocked on load"
    elif method == UNLOAD:
        # Left by the address bar, then by a click on a link of its own.
        session.open(address)
        problems.append(nothing_opens(session, "leaving the page for another address"))
        session.open("file://" + page)
        session.script("var a = document.createElement('a'); a.id = 'away'; a.textContent = 'away';"
                       f"a.href = {address!r}; a.style.fontSize = '40px'; document.body.prepend(a); return 1;")
        session.click("#away")
        wait_for(lambda: len(session.handles()) > 1, 2)
        by_link = len(session.handles()) > 1
        if by_link and session.name != "Firefox" or not by_link and session.name == "Firefox":
            problems.append(f"leaving by a link {'opened' if by_link else 'did not open'} the pop-up")
        outcome = f"leaving by a link {'opens' if by_link else 'opens nothing'}"
        session.close_others(opener)
    elif method in (MOUSE_OVER, MOUSE_OUT):
        session.point("#popup")
        if not session.script("return document.querySelector('#popup:hover') !== null;"):
            problems.append("the pointer did not reach the link")
        if method == MOUSE_OUT:
            session.point(None)
        problems.append(nothing_opens(session, "the pointer"))
        session.click("#popup")
        problems.append(opened(session, opener, address, "a click"))
        session.close_others(opener)
        # A click on the page a moment before counts as the visitor's: Chromium and Firefox let
        # the pointer open the window then, WebKit does not.
        session.open("file://" + page)
        session.click("p")
        session.point("#popup")
        if method == MOUSE_OUT:
            session.point(None)
        wait_for(lambda: len(session.handles()) > 1, 1)
        after_click = len(session.handles()) > 1
        if after_click != (session.name in ("Chromium", "Firefox")):
            problems.append(f"after a click on the page the pointer {'opened' if after_click else 'did not open'} it")
        session.close_others(opener)
        outcome = f"blocked on the pointer, {'opens' if after_click else 'blocked'} just after a click on the page"
    else:
        session.click("#popup")
        problems.append(opened(session, opener, address, "a click"))
        problems.append(kept(session, page, SENTENCES[method]))
        session.close_others(opener)
        outcome = "the click opens the named window"
    problems = [p for p in problems if p]
    if problems:
        raise AssertionError("; ".join(problems))
    return outcome


def check_snippet(session, page, function, address):
    session.open("file://" + page)
    opener = session.current()
    if session.script(f"return typeof window[{function!r}];") != "function":
        raise AssertionError(f"the saved script did not define {function!r}")
    session.script("document.querySelector('a').id = 'call'; return 1;")
    session.click("#call")
    problems = [opened(session, opener, address, "a click"), kept(session, page, "The author's page.")]
    session.close_others(opener)
    problems = [p for p in problems if p]
    if problems:
        raise AssertionError("; ".join(problems))


def run(session, folder):
    address = target_address(folder)
    for page, method, function in saved_pages(folder):
        try:
            print(f"{session.name} | saved page, method {method}, function {function!r} | "
                  f"{check_page(session, page, method, function, address)}", flush=True)
        except Exception as e:
            fail(f"{session.name}, saved page for method {method} and {function!r}: {e}")
    for page, function in saved_snippets(folder):
        try:
            check_snippet(session, page, function, address)
            print(f"{session.name} | .js and the call, function {function!r} | the click opened the pop-up", flush=True)
        except Exception as e:
            fail(f"{session.name}, the .js and the call for {function!r}: {e}")
