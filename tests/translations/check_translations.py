#!/usr/bin/env python3
"""Fails when a translation is not ready to ship: a text of the code that a
.ts file lacks or leaves unfinished, an entry whose text left the code
(vanished), an empty translation, or one that loses a placeholder (%1, %n) or
the access key of its source (captions without Latin letters excepted). The .ts files are compared with the code as it
is now, through lupdate on a copy, so the files in the repository are never
changed by the check.

usage: check_translations.py LUPDATE SOURCE_ROOT FOLDERS... -- TS_FILES...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:L?\d+|L?n)")
ACCESS_KEY = re.compile(r"&[^&\s]")
# A caption in a script without Latin letters ("追加") may go without an
# access key where the fixed place has no room for the usual "(&A)".
LATIN = re.compile(r"[A-Za-z]")


def placeholders(text):
    return sorted(set(m.lstrip("%").lstrip("L") for m in PLACEHOLDER.findall(text or "")))


def problems_of(ts_path):
    found = []
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{name}: {source!r}"
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                found.append(f"vanished (no longer in the code): {where}")
                continue
            if kind == "unfinished":
                found.append(f"unfinished: {where}")
                continue
            forms = ([f.text or "" for f in translation.findall("numerusform")]
                     if message.get("numerus") == "yes" else [translation.text or ""])
            for text in forms:
                if not text.strip() and source.strip():
                    found.append(f"empty translation: {where}")
                elif placeholders(text) != placeholders(source):
                    found.append(f"placeholders {placeholders(text)} instead of {placeholders(source)}: {where}")
                elif ACCESS_KEY.search(source) and not ACCESS_KEY.search(text) and LATIN.search(text):
                    found.append(f"no access key (&): {where}")
    return found


def main(argv):
    split = argv.index("--")
    lupdate, source_root, folders = argv[1], Path(argv[2]), argv[3:split]
    ts_files = [Path(p) for p in argv[split + 1:]]
    if not ts_files:
        print("no .ts file to check")
        return 1
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for ts in ts_files:
            copy = Path(scratch) / ts.name
            shutil.copyfile(ts, copy)
            run = subprocess.run([lupdate, "-locations", "none", "-no-ui-lines", *folders, "-ts", str(copy)],
                                 cwd=source_root, capture_output=True, text=True)
            if run.returncode != 0:
                print(f"{ts.name}: lupdate failed:\n{run.stdout}{run.stderr}")
                failed = True
                continue
            found = problems_of(copy)
            for problem in found:
                print(f"{ts.name}: {problem}")
            if found:
                failed = True
                print(f"{ts.name}: {len(found)} problem(s); 'cmake --build build --target update_translations' "
                      "brings the file up to date with the code")
            else:
                print(f"{ts.name}: complete")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
