#!/usr/bin/env python3
"""Reads the record screen's boxes by name, as a screen reader does.

Usage: dbus-run-session -- a11y_check.py PATH-TO-TAVREL  (under xvfb-run; needs
at-spi2-core and python3-pyatspi besides what keyboard_check.py needs). Opens
the first record from QuickFind and looks up the boxes of its screen over the
accessibility bus by their names.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import keyboard_check as k  # noqa: E402

os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
import pyatspi  # noqa: E402

EXPECTED = ["Name"] + ["Address Line %d" % i for i in range(1, 5)] + [
    "Telephone %d %s" % (i, part) for i in range(1, 6) for part in ("Type", "Number")]


def find_screen(title):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == title:
                return window
    return None


def named_boxes(window):
    """Name -> text of each editable box or combo box in `window`."""
    found = {}
    roles = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX)

    def walk(node):
        for child in node:
            if child is None:
                continue
            if child.getRole() in roles and child.name:
                try:
                    text = child.queryText()
                    found.setdefault(child.name, text.getText(0, text.characterCount))
                except NotImplementedError:
                    found.setdefault(child.name, "")
            walk(child)

    walk(window)
    return found


def main():
    exe = sys.argv[1]
    c = k.Checks()
    p = k.Program(exe, 3, welcome_off="1")
    try:
        main_window = k.wait_window("Corvane Mark32")
        k.keys(main_window, "ctrl+q")
        quick = k.wait_window("Name And Address File QuickFind")
        k.keys(quick, "Down", "Return")
        k.wait_window(k.BROWSE_1)
        deadline = time.time() + k.WAIT
        screen = None
        while screen is None and time.time() < deadline:
            screen = find_screen(k.BROWSE_1)
            time.sleep(0.3)
        c.check("the record screen is on the accessibility bus", screen is not None)
        if screen is not None:
            boxes = named_boxes(screen)
            missing = [n for n in EXPECTED if n not in boxes]
            c.check("every box of the record screen is found by its name", not missing,
                    "missing %s; found %s" % (missing, sorted(boxes)))
            c.equal("the Name box reads the record's name", boxes.get("Name", "").rstrip(),
                    k.person(1))
    except k.Stop as e:
        c.check("the scenario ran to its end", False, str(e))
    finally:
        p.close()
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
