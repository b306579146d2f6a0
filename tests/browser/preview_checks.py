"""Opens in one engine the preview.htm that Preview of the real program wrote (make_files.py) and
checks what a user sees: the title from endu.js, a frame showing tmphtm.htm, and in the test page a
link whose click calls window.open with the address, window name and features that tmpskt.js
holds."""
import os
import re

from harness import fail, wait_for

NAMES = ("tmpskt.js", "tmphtm.htm", "endu.js", "preview.htm")


def run(session, folder):
    temp = os.path.join(folder, "preview")
    if not os.path.isdir(temp):
        return fail("the program did not write its preview")
    missing = [name for name in NAMES if not os.path.exists(os.path.join(temp, name))]
    if missing:
        return fail(f"{missing} missing from what Preview wrote into C:\\windows\\temp")
    with open(os.path.join(temp, "tmpskt.js"), "rb") as f:
        line = f.read().decode("cp1252").split("\r\n")[4]
    call = re.match(r"(\w*)=window\.open\(url,'([^']*)','([^']*)'\);$", line)
    if not call:
        return fail(f"unexpected script line 5: {line!r}")
    expected = [["https://www.skylatch.example", call.group(2), call.group(3)]]

    session.open("file://" + os.path.join(temp, "preview.htm"))
    title = wait_for(lambda: session.script("return document.title;"), 3)
    frame = session.script("var f = document.querySelector('frame'); return f && f.getAttribute('src');")
    if title != "Skylatch! Preview" or frame != "tmphtm.htm":
        fail(f"{session.name}: the preview's title is {title!r} and its frame shows {frame!r}")
    session.open("file://" + os.path.join(temp, "tmphtm.htm"))
    session.script("window.__opened = []; window.open = function () {"
                   " window.__opened.push(Array.prototype.slice.call(arguments)); return null; };"
                   " var a = document.querySelector('a'); a.id = 'preview'; a.style.fontSize = '40px'; return 1;")
    session.click("#preview")
    opened = wait_for(lambda: session.script("return window.__opened;"), 2)
    if opened != expected:
        fail(f"{session.name}: window.open was called with {opened}, expected {expected}")
    else:
        print(f"{session.name} | preview.htm | frame tmphtm.htm, title from endu.js, window.open {expected[0]}",
              flush=True)


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


def run_hostile(session, folder):
    """The test page runs nothing that a hostile function name or address holds, neither as it
    loads nor when its link is clicked, and the address reaches window.open as typed."""
    for index, (name, address) in enumerate(HOSTILE):
        case = f"{name!r}, {address!r}"
        temp = os.path.join(folder, f"hostile{index}")
        if not os.path.exists(os.path.join(temp, "tmphtm.htm")):
            fail(f"the program did not write its preview for {case}")
            continue
        session.open("file://" + os.path.join(temp, "tmphtm.htm"))
        if session.script("return window.__pwned === undefined;") is not True:
            fail(f"{session.name}: loading the test page ran what {case} holds")
            continue
        session.script("window.__opened = []; window.open = function (u) { window.__opened.push(u); return null; };"
                       " var a = document.querySelector('a'); a.id = 'preview'; a.style.fontSize = '40px'; return 1;")
        session.click("#preview")
        if name == "PopUp":
            opened = wait_for(lambda: session.script("return window.__opened;"), 2)
            if opened != [address]:
                fail(f"{session.name}: window.open got {opened} for the address {address!r}")
        else:
            wait_for(lambda: False, 0.3)
        if session.script("return window.__pwned === undefined;") is not True:
            fail(f"{session.name}: clicking the link ran what {case} holds")
    print(f"{session.name} | tmphtm.htm | {len(HOSTILE)} hostile names and addresses: none ran", flush=True)
