#!/usr/bin/env python3
"""Checks the real program on a real X display, driven by key presses alone.

Usage: keyboard_check.py PATH-TO-TAVREL   (run under xvfb-run; needs xdotool,
xprop and xclip). Each scenario starts the program over a fresh directory
holding a prepared n&a.mrk, types at it with xdotool, reads window titles as
the window manager sees them (_NET_WM_NAME), reads message texts by copying
them from the message box (Ctrl+C) and compares the file's bytes after each
step. Prints one line per check and a closing "N passed, N failed" line.
"""

import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

RECORD = 574
WAIT = float(os.environ.get("TAVREL_DESKTOP_WAIT", "30"))  # seconds for one thing to happen
OVERALL = 240  # seconds for the whole run; ctest's own limit is above this
TITLE = "Tavrel"
BROWSE_1 = "Browse/Change/Delete N&A Records - Screen 1 Of 2"
ADD = "Add N&A Record"


class Stop(Exception):
    """A step could not go on; the scenario ends as failed."""


# --- The N&A file -----------------------------------------------------------


def text(value, width):
    return value.encode("cp1252")[:width].ljust(width, b" ")


def record(status, rec_id, name="", key1="", key2="", types=("",) * 5):
    b = text(status, 4) + struct.pack("<h", rec_id) + text(name, 35) + text("", 35 * 4)
    for t in types:
        b += text(t, 6) + text("", 20)
    b += text("", 35) + text("", 100) + text(key1, 16) + text(key2, 16)
    for _ in range(4):
        b += struct.pack("<h", 0) + text("", 20)
    b += struct.pack("<hhhh", 0, 0, 0, 0)
    assert len(b) == RECORD
    return b


def person(rec_id):
    return "Person %04d" % rec_id


def write_na_file(path, count, welcome_off):
    """IDs 1..count active; sort preferences by ID; QuickFind shows names by ID."""
    header = record("CRVN", count + 1, "Corvane Mark - TVL For Windows", "4", "01-02-2026",
                    ("0", "4", welcome_off, "", ""))
    with open(path, "wb") as f:
        f.write(header + b"".join(record("CRVN", i, person(i)) for i in range(1, count + 1)))


def read_record(data, rec_no):
    return data[(rec_no - 1) * RECORD:rec_no * RECORD]


# --- The display ------------------------------------------------------------


def run(*cmd, timeout=10):
    try:
        return subprocess.run(cmd, capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Stop("%s did not finish in %d seconds" % (" ".join(cmd), timeout))


def unescape(s):
    """xprop's string: backslash escapes, non-ASCII bytes possibly as octal."""
    out = bytearray()
    i = 0
    while i < len(s):
        c = s[i]
        if c == "\\" and re.match(r"[0-7]{3}", s[i + 1:i + 4]):
            out.append(int(s[i + 1:i + 4], 8))
            i += 4
        elif c == "\\" and i + 1 < len(s):
            out += s[i + 1].encode()
            i += 2
        else:
            out += c.encode()
            i += 1
    return out.decode("utf-8", "replace")


def title_of(wid):
    """The title bar text as the window manager reads it."""
    r = run("xprop", "-id", wid, "-notype", "_NET_WM_NAME")
    m = re.search(r'= "(.*)"\s*$', r.stdout)
    return unescape(m.group(1)) if m else None


def visible_windows():
    r = run("xdotool", "search", "--onlyvisible", "--name", ".")
    out = {}
    for wid in r.stdout.split():
        t = title_of(wid)
        if t is not None:
            out[wid] = t
    return out


def wait_for(what, probe):
    deadline = time.monotonic() + WAIT
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            shown = sorted(visible_windows().values())
            raise Stop("gave up waiting for %s; windows: %s" % (what, shown))
        time.sleep(0.1)


def wait_window(title, other_than=None):
    """The one visible window with exactly this title (not `other_than`)."""
    def probe():
        found = [w for w, t in visible_windows().items() if t == title and w != other_than]
        return found[0] if len(found) == 1 else None
    return wait_for('a window titled "%s"' % title, probe)


def wait_gone(wid, what):
    wait_for(what + " to close", lambda: wid not in visible_windows())


def focus(wid):
    # What a window manager does for a newly shown window: give it the keyboard.
    run("xdotool", "windowfocus", "--sync", wid)


def keys(wid, *names):
    focus(wid)
    run("xdotool", "key", "--delay", "60", *names)


def type_text(wid, s):
    focus(wid)
    run("xdotool", "type", "--delay", "40", s)


class Clipboard:
    """Reads the clipboard; a fresh sentinel first tells old content from new."""

    def __init__(self):
        self.owners = []
        self.count = 0

    def mark(self):
        self.count += 1
        self.sentinel = "(sentinel %d)" % self.count
        # xclip keeps the text until another program takes the clipboard, then ends.
        p = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                             stdin=subprocess.PIPE,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        p.stdin.write(self.sentinel.encode())
        p.stdin.close()
        self.owners.append(p)
        wait_for("the clipboard sentinel", lambda: self.read() == self.sentinel)

    def read(self):
        try:
            return run("xclip", "-selection", "clipboard", "-o", timeout=5).stdout
        except Stop:
            return None

    def fresh(self):
        def probe():
            t = self.read()
            return t if t and t != self.sentinel else None
        return wait_for("new clipboard text", probe)

    def close(self):
        for p in self.owners:
            if p.poll() is None:
                p.kill()
            p.wait()


# --- Checks -----------------------------------------------------------------


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print("ok    " + name)
        else:
            self.failed += 1
            print("FAIL  " + name + (": " + detail if detail else ""))
        sys.stdout.flush()

    def equal(self, name, actual, expected):
        self.check(name, actual == expected, "got %r, expected %r" % (actual, expected))


class Program:
    """The program over a fresh directory with a prepared file."""

    def __init__(self, exe, count, welcome_off):
        self.home = tempfile.mkdtemp(prefix="tavrel-desktop-")
        self.file = os.path.join(self.home, "n&a.mrk")
        write_na_file(self.file, count, welcome_off)
        env = dict(os.environ, TAVREL_HOME=self.home, QT_QPA_PLATFORM="xcb", TAVREL_PRINTER="")
        self.proc = subprocess.Popen([exe], env=env, stdin=subprocess.DEVNULL)
        self.clipboard = Clipboard()

    def bytes(self):
        with open(self.file, "rb") as f:
            return f.read()

    def message(self):
        """Waits for a message box, reads its title and text, answers it with Enter."""
        box = wait_window(TITLE)
        self.clipboard.mark()
        keys(box, "ctrl+c")
        copied = self.clipboard.fresh()
        keys(box, "Return")
        wait_gone(box, "the message box")
        # The box copies itself as dashed lines around the title, the text and the buttons.
        parts = [p.strip("\n") for p in re.split(r"-{20,}\n?", copied)]
        parts = [p for p in parts if p != ""]
        return parts[1] if len(parts) > 1 else copied

    def copied_record(self, screen):
        """The name the record screen shows, through its copy button."""
        self.clipboard.mark()
        keys(screen, "alt+o")
        name = self.clipboard.fresh().split("\n")[0].rstrip()
        self.message()
        return name

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.clipboard.close()
        shutil.rmtree(self.home, ignore_errors=True)


def quickfind(exe, c):
    """Exact titles at start-up; QuickFind from the keyboard; Enter on Next."""
    p = Program(exe, 40, welcome_off="0")
    try:
        # The splash, the main window and the welcome box show their captions alone.
        splash = wait_window("About The Tavrel")
        c.check("splash title is exact", True)
        wait_gone(splash, "the splash")
        main = wait_window("Corvane Mark32")
        welcome = wait_window("Welcome To Corvane MARK32")
        c.check("main window and welcome box titles are exact", True)
        keys(welcome, "Return")
        wait_gone(welcome, "the welcome box")
        c.check("Enter on the welcome box's focused OK closes it", True)

        # QuickFind: no line chosen at first; each arrow key moves one line on.
        keys(main, "ctrl+q")
        quick = wait_window("Name And Address File QuickFind")
        keys(quick, "Down", "Down", "Down", "Down", "Up", "Down", "Down")
        keys(quick, "Return")
        screen = wait_window(BROWSE_1)
        c.check("Enter in QuickFind opens the chosen line", quick not in visible_windows())
        c.equal("QuickFind opened the fifth line", p.copied_record(screen), person(5))

        # After Get the focus is on Next: Enter shows the next record.
        keys(screen, "Return")
        c.equal("Enter on the focused Next shows the next record", p.copied_record(screen),
                person(6))
        keys(screen, "alt+l")
        wait_gone(screen, "the record screen")
    except Stop as e:
        c.check("QuickFind scenario ran to its end", False, str(e))
    finally:
        p.close()


def change_by_id(exe, c):
    """Change by ID: Enter answers the prompt, presses the focused Change, answers
    its message, and then presses Next, where Change left the focus."""
    p = Program(exe, 40, welcome_off="1")
    try:
        main = wait_window("Corvane Mark32")
        before = p.bytes()
        keys(main, "ctrl+g")
        prompt = wait_window(TITLE)
        keys(prompt, "BackSpace", "7", "Return")
        screen = wait_window(BROWSE_1)
        keys(screen, "Return")
        c.equal("Enter on the focused Change stores the record", p.message(), "Record Changed.")
        c.check("an unedited Change leaves the file's bytes as they were", p.bytes() == before)
        keys(screen, "Return")
        c.equal("after Change, Enter on Next shows the next record", p.copied_record(screen),
                person(8))
        keys(screen, "alt+l")
        wait_gone(screen, "the record screen")
    except Stop as e:
        c.check("Change by ID scenario ran to its end", False, str(e))
    finally:
        p.close()


def record_ids(exe, c):
    """ID boxes: text the program puts in them arrives whole."""
    p = Program(exe, 1000, welcome_off="1")
    try:
        main = wait_window("Corvane Mark32")
        # Add with an empty ID box on screen 2 takes the lowest free ID, 1001.
        keys(main, "ctrl+a")
        one = wait_window(ADD)
        type_text(one, "Keyboard Person")
        keys(one, "alt+2")
        two = wait_window(ADD, other_than=one)
        keys(two, "alt+d")
        c.equal("Add from screen 2 with an empty ID box", p.message(), "Record Added.")
        data = p.bytes()
        c.equal("the file grew by one record", len(data), 1002 * RECORD)
        added = read_record(data, 1002)
        c.check("the record is stored at ID 1001",
                added[:6] == b"CRVN" + struct.pack("<h", 1001) and
                added[6:41].rstrip() == b"Keyboard Person", repr(added[:41]))
        c.equal("the header's highest record", struct.unpack("<h", data[4:6])[0], 1002)

        # An ID of five digits typed on screen 1 reaches screen 2 whole and is refused.
        before = p.bytes()
        keys(main, "ctrl+r")
        one = wait_window(ADD)
        type_text(one, "Too High")
        keys(one, "alt+u")
        type_text(one, "12345")
        keys(one, "alt+2")
        two = wait_window(ADD, other_than=one)
        keys(two, "alt+d")
        try:
            said = p.message()
        except Stop as e:
            said = str(e)
        c.equal("ID 12345 is refused", said, "The ID Number Cannot Exceed 1700.")
        c.check("nothing was stored (no record at ID 1234)", p.bytes() == before,
                "file is %d bytes, was %d" % (len(p.bytes()), len(before)))
        keys(two, "alt+l")
        wait_gone(two, "the record screen")
    except Stop as e:
        c.check("record ID scenario ran to its end", False, str(e))
    finally:
        p.close()


def escape_and_tab(exe, c):
    """Esc closes QuickFind, Print, Envelopes and the record screens (asking first where
    typing would be lost); Tab goes from QuickFind's list to its find box."""
    p = Program(exe, 40, welcome_off="1")
    try:
        main = wait_window("Corvane Mark32")
        before = p.bytes()
        # List, Tab to the find box, Tab to Display Record: Enter there opens line 3.
        keys(main, "ctrl+q")
        quick = wait_window("Name And Address File QuickFind")
        keys(quick, "Down", "Down", "Down", "Tab", "Tab", "Return")
        screen = wait_window(BROWSE_1)
        c.equal("Tab from the list reaches the find box, then Display Record",
                p.copied_record(screen), person(3))
        keys(screen, "Escape")
        wait_gone(screen, "the record screen")
        c.check("Esc closes an unchanged record screen without asking", True)

        keys(main, "ctrl+q")
        quick = wait_window("Name And Address File QuickFind")
        type_text(quick, "person")
        keys(quick, "Escape")
        wait_gone(quick, "QuickFind")
        c.check("Esc closes QuickFind with a word in its find box", True)
        for shortcut, title in (("ctrl+p", "Print"), ("ctrl+n", "Print Envelopes")):
            keys(main, shortcut)
            w = wait_window(title)
            keys(w, "Escape")
            wait_gone(w, title)
            c.check("Esc closes " + title, True)

        # A name typed into Add: Esc asks; Enter (No, the default) keeps it, Alt+Y drops it.
        keys(main, "ctrl+a")
        one = wait_window(ADD)
        type_text(one, "Half Typed")
        keys(one, "Escape")
        c.equal("Esc on a typed record asks first", p.message(),
                "This Record Has Not Been Added To The N&A File.\nDiscard What You Typed?")
        c.check("No keeps the record screen", one in visible_windows())
        keys(one, "Escape")
        box = wait_window(TITLE)
        keys(box, "alt+y")
        wait_gone(one, "the record screen")
        c.check("Yes closes it and nothing was stored", p.bytes() == before)
    except Stop as e:
        c.check("Esc and Tab scenario ran to its end", False, str(e))
    finally:
        p.close()


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    missing = [t for t in ("xdotool", "xprop", "xclip") if shutil.which(t) is None]
    if missing or not os.environ.get("DISPLAY"):
        need = ", ".join(missing) or "an X display (run it under xvfb-run)"
        print("cannot run: missing " + need)
        return 1

    def overall_timeout(signum, frame):
        raise Stop("the whole check took longer than %d seconds" % OVERALL)

    signal.signal(signal.SIGALRM, overall_timeout)
    signal.alarm(OVERALL)
    c = Checks()
    for scenario in (quickfind, change_by_id, record_ids, escape_and_tab):
        try:
            scenario(sys.argv[1], c)
        except Stop as e:
            c.check(scenario.__name__, False, str(e))
    print("%d passed, %d failed" % (c.passed, c.failed))
    return 0 if c.failed == 0 and c.passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
