#!/usr/bin/env python3
"""Every text the program's Qt side can show has its English translation: lupdate is run
on the sources into a copy of the English .ts file, and the copy must hold exactly the
entries the committed file holds, none unfinished. The table the .ts is filled from must
agree with it.
Usage: check-translations.py <lupdate> <GenerateLUpdateProject.cmake> <project .cmake>
                             <english .ts> <english.tsv>"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, generator, project_cmake, ts_path, table_path = sys.argv[1:6]


def entries(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, message.findtext("source"))] = (
                translation.text or "",
                translation.get("type", ""),
            )
    return found


failures = []
committed = entries(ts_path)
with tempfile.TemporaryDirectory() as scratch:
    # The project file lupdate reads is made the way the update_translations target makes it.
    project = os.path.join(scratch, "project.json")
    subprocess.run(["cmake", f"-DIN_FILE={project_cmake}", f"-DOUT_FILE={project}", "-P",
                    generator], check=True, cwd=os.path.dirname(project_cmake) + "/..")
    copy = os.path.join(scratch, "check_en.ts")
    shutil.copy(ts_path, copy)
    result = subprocess.run(
        [lupdate, "-project", project, "-no-obsolete", "-locations", "none", "-ts", copy],
        capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"lupdate failed:\n{result.stdout}{result.stderr}")
    fresh = entries(copy)

for key in sorted(set(fresh) - set(committed)):
    failures.append(f"not in the .ts file (run the update_translations target): {key}")
for key in sorted(set(committed) - set(fresh)):
    failures.append(f"no longer in the sources: {key}")
for key, (text, kind) in sorted(committed.items()):
    if kind in ("unfinished", "vanished", "obsolete") or not text:
        failures.append(f"no finished English for: {key}")

table = {}
with open(table_path, encoding="utf-8") as f:
    for line in f:
        line = line.rstrip("\n")
        if line and not line.startswith("#"):
            source, english = line.split("\t", 1)
            table[source] = english
for (context, source), (text, kind) in committed.items():
    if table.get(source) != text:
        failures.append(f"{table_path} disagrees with the .ts for: {source!r}")

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
print(f"{len(committed)} texts, {len(failures)} problems")
sys.exit(1 if failures else 0)
