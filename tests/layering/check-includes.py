#!/usr/bin/env python3
"""No two parts of the program include each other: for every pair of source files named
alike (Foo.h and Foo.cpp are one part), at most one includes the other's header. A cycle
of two is what the rooms by feature are meant to rule out.

usage: check-includes.py <source dir>"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
folders = ["runtime", "engine", "form", "session", "question", "cli", "qt", "app"]
include = re.compile(r'^#include "([^"]+)\.h"', re.M)
uses = {}
for folder in folders:
    for path in (root / folder).rglob("*"):
        if path.suffix in (".h", ".cpp"):
            part = str(path.relative_to(root).with_suffix(""))
            uses.setdefault(part, set()).update(include.findall(path.read_text("utf-8")))
cycles = sorted(
    (a, b) for a in uses for b in uses[a] if a < b and a in uses.get(b, set())
)
for a, b in cycles:
    print(f"FAIL: {a} and {b} include each other")
sys.exit(1 if cycles else 0)
