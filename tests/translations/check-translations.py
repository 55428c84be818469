#!/usr/bin/env python3
"""Every text the program can show is translated, in the one file per language a translator
edits. For each .ts file lupdate is run on the sources (the windows' tr() and the plain
layers' marked texts) into a copy; the copy must be the committed file unchanged, and every
entry must be finished, with the places (%1 ...), the keyboard mnemonic and the blanks at
either end that its source has.
Usage: check-translations.py <lupdate> <GenerateLUpdateProject.cmake> <project .cmake>
                             <folder of the .ts files>"""
import difflib
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, generator, project_cmake, folder = sys.argv[1:5]
# As the update_translations target runs it (qt/CMakeLists.txt).
options = ["-no-obsolete", "-locations", "none", "-source-language", "tr"]


def places(text):
    return sorted(re.findall(r"%[1-9]", text))


def mnemonics(text):
    # "&&" is an ampersand; "&" before a letter marks the letter.
    return len(re.findall(r"&[^&\s]", text.replace("&&", "")))


def blanks(text):
    return (text[: len(text) - len(text.lstrip())], text[len(text.rstrip()):])


def check(ts_path, project, scratch):
    failures = []
    with open(ts_path, encoding="utf-8") as f:
        committed = f.read()
    copy = os.path.join(scratch, os.path.basename(ts_path))
    shutil.copy(ts_path, copy)
    result = subprocess.run([lupdate, "-project", project, *options, "-ts", copy],
                            capture_output=True, text=True)
    if result.returncode != 0:
        return [f"lupdate failed:\n{result.stdout}{result.stderr}"]
    with open(copy, encoding="utf-8") as f:
        fresh = f.read()
    if fresh != committed:
        diff = difflib.unified_diff(committed.splitlines(), fresh.splitlines(), "committed",
                                    "from the sources", n=1, lineterm="")
        failures.append("the file is not what the sources give (build the update_translations "
                        "target and translate what it adds):\n" + "\n".join(list(diff)[:60]))
    for context in ET.fromstring(committed).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text or ""
            where = f"{name}: {source!r}"
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or not text:
                failures.append(f"no finished translation for {where}")
                continue
            if places(text) != places(source):
                failures.append(f"the places differ ({text!r}) for {where}")
            if mnemonics(text) != mnemonics(source):
                failures.append(f"the keyboard mnemonic differs ({text!r}) for {where}")
            if blanks(text) != blanks(source):
                failures.append(f"the blanks at the ends differ ({text!r}) for {where}")
    return failures


failures = []
files = sorted(glob.glob(os.path.join(folder, "genetik-algoritma_*.ts")))
if not files:
    failures.append(f"no translation files in {folder}")
with tempfile.TemporaryDirectory() as scratch:
    # The project file lupdate reads is made the way the update_translations target makes it.
    project = os.path.join(scratch, "project.json")
    subprocess.run(["cmake", f"-DIN_FILE={project_cmake}", f"-DOUT_FILE={project}", "-P",
                    generator], check=True, cwd=os.path.dirname(project_cmake) + "/..")
    for ts_path in files:
        failures += [f"{os.path.basename(ts_path)}: {f}" for f in check(ts_path, project, scratch)]

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
print(f"{len(files)} translation files, {len(failures)} problems")
sys.exit(1 if failures else 0)
