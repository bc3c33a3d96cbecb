#!/usr/bin/env python3
"""Test share: non-blank, non-comment lines of C++ under tests/ against src/.

The share is the tests' part of all that C++, tests / (tests + src); the
ratio tests / src is printed beside it.

    python3 scripts/test_share.py              # whole project
    python3 scripts/test_share.py store dups   # only these folders of both
"""

import os
import re
import sys

_EXTS = (".cpp", ".h")
_STRING = re.compile(r'"(?:\\.|[^"\\])*"' + r"|'(?:\\.|[^'\\])*'")


def code_lines(path):
    """Lines that hold code once // and /* */ comments are gone."""
    count = 0
    in_block = False
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            text = _STRING.sub('""', line)
            kept = ""
            i = 0
            while i < len(text):
                if in_block:
                    end = text.find("*/", i)
                    if end < 0:
                        break
                    in_block = False
                    i = end + 2
                elif text.startswith("//", i):
                    break
                elif text.startswith("/*", i):
                    in_block = True
                    i += 2
                else:
                    kept += text[i]
                    i += 1
            if kept.strip():
                count += 1
    return count


def tree_lines(root):
    total = 0
    for folder, _dirs, files in os.walk(root):
        total += sum(code_lines(os.path.join(folder, n)) for n in files if n.endswith(_EXTS))
    return total


def main(argv):
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parts = argv or [""]
    tests = sum(tree_lines(os.path.join(here, "tests", p)) for p in parts)
    code = sum(tree_lines(os.path.join(here, "src", p)) for p in parts)
    name = ", ".join(argv) if argv else "whole project"
    share = 100.0 * tests / max(1, tests + code)
    ratio = f", tests/src {100.0 * tests / code:.0f}%" if code else ""
    print(f"{name}: tests {tests} lines, src {code} lines, test share {share:.1f}%{ratio}")


if __name__ == "__main__":
    main(sys.argv[1:])
