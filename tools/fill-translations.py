#!/usr/bin/env python3
"""Fills the English .ts file from the table of translations kept in
qt/translations/english.tsv (Turkish source, tab, English), so that lupdate's new
entries get their text from one reviewed list. Entries with no translation in the table
stay unfinished, and the translation check of the test command fails on them."""
import sys
import xml.etree.ElementTree as ET

ts_path, table_path = sys.argv[1], sys.argv[2]
table = {}
with open(table_path, encoding="utf-8") as f:
    for number, line in enumerate(f, 1):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        if "\t" not in line:
            sys.exit(f"{table_path}:{number}: no tab between source and translation")
        source, english = line.split("\t", 1)
        table[source.replace("\\n", "\n")] = english.replace("\\n", "\n")

tree = ET.parse(ts_path)
missing = 0
for message in tree.getroot().iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    if source in table:
        translation.text = table[source]
        translation.attrib.pop("type", None)
    elif translation.get("type") == "unfinished" or not translation.text:
        missing += 1
        print(f"no translation for: {source!r}", file=sys.stderr)
tree.write(ts_path, encoding="utf-8", xml_declaration=True)
sys.exit(1 if missing else 0)
