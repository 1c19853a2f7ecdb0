#!/usr/bin/env python3
"""The share of test code: non-blank, non-comment lines of C++ (.cpp, .h) in tests/
against those in src/ and tools/. The aim is a quarter to a third.

  python3 tests/mutation/test_share.py [SOURCE_DIR]
"""

import os
import re
import sys

# The first comment opening on a line, outside strings and characters.
OPENING = re.compile(r'"(?:[^"\\]|\\.)*"|\'(?:[^\'\\]|\\.)*\'|(//|/\*)')


def code_lines(text):
    """Counts the lines that hold code: not blank, not only comment."""
    count, inside = 0, False
    for line in text.split("\n"):
        code = ""
        while line:
            if inside:
                end = line.find("*/")
                if end < 0:
                    break
                line, inside = line[end + 2:], False
                continue
            opening = next((m for m in OPENING.finditer(line) if m.group(1)), None)
            if not opening:
                code += line
                break
            code += line[: opening.start()]
            line = "" if opening.group(1) == "//" else line[opening.end():]
            inside = opening.group(1) == "/*"
        count += bool(code.strip())
    return count


def folder_lines(folder):
    total = 0
    for where, _, names in os.walk(folder):
        for name in names:
            if name.endswith((".cpp", ".h")):
                with open(os.path.join(where, name), encoding="utf-8") as source:
                    total += code_lines(source.read())
    return total


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    tests = folder_lines(os.path.join(root, "tests"))
    code = folder_lines(os.path.join(root, "src")) + folder_lines(os.path.join(root, "tools"))
    print(f"tests {tests}, code {code}, share {tests / code:.2f}")


if __name__ == "__main__":
    main()
