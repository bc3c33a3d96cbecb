#!/usr/bin/env python3
"""Reads the program's windows as a screen reader does.

Usage: dbus-run-session -- a11y_check.py PATH-TO-TAVREL  (under xvfb-run; needs
at-spi2-core and python3-pyatspi besides what keyboard_check.py needs). Over the
accessibility bus it checks what each window says it is (a dialog while it
blocks the others, otherwise a frame), the toolbar buttons' names, the
QuickFind list's name, the record screen's boxes by their names, and that the
note on how a typed letter will be stored is read out with its box.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import keyboard_check as k  # noqa: E402

os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
import pyatspi  # noqa: E402

MAIN = "Corvane Mark32"
QUICKFIND = "Name And Address File QuickFind"
ABOUT = "About The Tavrel"
EXPECTED = ["Name"] + ["Address Line %d" % i for i in range(1, 5)] + [
    "Telephone %d %s" % (i, part) for i in range(1, 6) for part in ("Type", "Number")]
TOOL_TIPS = [
    "Add One New N&A Record", "Add One Or More New N&A Records", "Print A Report Using N&A Data",
    "Search The N&A File", "Quickly Locate A Desired N&A Record", "Search N&A File For Duplicates",
    "Print Envelopes", "Get Info About Corvane MARK 32", "Invoke The Corvane MARK32 Help System",
    "Create A New Mailing List", "Change An Existing Mailing List",
    "Display Contents Of An Existing Mailing List"]


def windows():
    """Every top-level window of every application on the bus."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for window in app:
            if window is not None:
                yield window


def find_window(title):
    deadline = time.time() + k.WAIT
    while time.time() < deadline:
        for window in windows():
            if window.name == title:
                return window
        time.sleep(0.3)
    return None


def descendants(node, roles):
    """Every descendant of `node` with one of `roles`, in reading order."""
    found = []
    for child in node:
        if child is None:
            continue
        if child.getRole() in roles:
            found.append(child)
        found.extend(descendants(child, roles))
    return found


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def named_boxes(window):
    """Name -> the box with that name, of each editable box or combo box in `window`."""
    found = {}
    for box in descendants(window, (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
                                    pyatspi.ROLE_COMBO_BOX)):
        if box.name:
            found.setdefault(box.name, box)
    return found


class Reader:
    def __init__(self, checks):
        self.c = checks

    def window(self, title, role):
        """The window titled `title`, checked to say it is a `role`."""
        window = find_window(title)
        self.c.check('"%s" is on the accessibility bus' % title, window is not None)
        if window is not None:
            self.c.equal('"%s" says what it is' % title, window.getRoleName(), role_name(role))
        self.no_fillers()
        return window

    def no_fillers(self):
        fillers = [w.name for w in windows() if w.getRole() == pyatspi.ROLE_FILLER]
        self.c.check("no window reads as a filler", not fillers, "fillers: %s" % fillers)


def role_name(role):
    return {pyatspi.ROLE_FRAME: "frame", pyatspi.ROLE_DIALOG: "dialog"}[role]


def main_window_and_about(p, r):
    """The main window is a frame with named toolbar buttons; the About box a dialog."""
    main = k.wait_window(MAIN)
    window = r.window(MAIN, pyatspi.ROLE_FRAME)
    if window is not None:
        names = [b.name for b in descendants(window, (pyatspi.ROLE_PUSH_BUTTON,))]
        missing = [t for t in TOOL_TIPS if t not in names]
        r.c.check("each toolbar button is named for what it does", not missing,
                  "missing %s; buttons read %s" % (missing, names))
    k.keys(main, "alt+h", "a")
    about = k.wait_window(ABOUT)
    r.window(ABOUT, pyatspi.ROLE_DIALOG)
    k.keys(about, "Return")
    k.wait_gone(about, "the About box")
    return main


def quickfind_and_record_screen(main, r):
    """QuickFind is a frame whose list is named for its lines; the record screen's
    boxes are found by their names."""
    k.keys(main, "ctrl+q")
    quick = k.wait_window(QUICKFIND)
    window = r.window(QUICKFIND, pyatspi.ROLE_FRAME)
    if window is not None:
        lists = [node.name for node in descendants(window, (pyatspi.ROLE_LIST,
                                                             pyatspi.ROLE_LIST_BOX))]
        r.c.equal("the QuickFind list is named for the names it holds", lists, ["Name List"])
    k.keys(quick, "Down", "Return")
    screen_id = k.wait_window(k.BROWSE_1)
    screen = r.window(k.BROWSE_1, pyatspi.ROLE_FRAME)
    if screen is not None:
        boxes = named_boxes(screen)
        missing = [n for n in EXPECTED if n not in boxes]
        r.c.check("every box of the record screen is found by its name", not missing,
                  "missing %s; found %s" % (missing, sorted(boxes)))
        name = text_of(boxes["Name"]) if "Name" in boxes else ""
        r.c.equal("the Name box reads the record's name", name.rstrip(), k.person(1))
    k.keys(screen_id, "alt+l")
    k.wait_gone(screen_id, "the record screen")


def typing_notice(main, r):
    """A letter the file cannot hold: the box describes how it will be stored."""
    k.wait_window(MAIN)
    k.keys(main, "ctrl+a")
    add_id = k.wait_window(k.ADD)
    screen = r.window(k.ADD, pyatspi.ROLE_FRAME)
    k.type_text(add_id, "\u0141ukasz")
    said = ""
    deadline = time.time() + k.WAIT
    while screen is not None and time.time() < deadline:
        box = named_boxes(screen).get("Name")
        said = box.description if box is not None else ""
        if said:
            break
        time.sleep(0.3)
    r.c.equal("the Name box says how the typed name will be stored", said,
              'Will be stored as "Lukasz".')


def main():
    exe = sys.argv[1]
    c = k.Checks()
    r = Reader(c)
    p = k.Program(exe, 3, welcome_off="1")
    try:
        main_window = main_window_and_about(p, r)
        quickfind_and_record_screen(main_window, r)
        typing_notice(main_window, r)
    except k.Stop as e:
        c.check("the scenario ran to its end", False, str(e))
    finally:
        p.close()
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
