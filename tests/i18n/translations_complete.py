#!/usr/bin/env python3
"""Fails when a shipped translation is not complete.

Usage: translations_complete.py LUPDATE SOURCE_DIR TS_FILE...

Each .ts file is copied and brought up to the sources with lupdate (the
English one, vornicktest_en.ts, holds only the messages with plural forms), so that a
text added to the program and not yet translated shows up as unfinished, and a
translation whose text left the program as vanished. Then every message must
have a finished translation (every plural form filled in) that keeps the
source's placeholders (%1, %L1, %n or %Ln: a plural form may say its number in
words, or give %n as %Ln) and its mnemonic (&), line breaks kept as
many as the source has."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


def text_of(element):
    """An element's text with Qt's <byte value="xd"/> characters put back."""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            value = child.get("value")
            text += chr(int(value[1:], 16) if value.startswith("x") else int(value))
        text += child.tail or ""
    return text


def mnemonics(text):
    return len(re.findall(r"&(?!&)\w", text.replace("&&", "")))


def problems(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            where = f"{os.path.basename(ts_path)} [{name}] {source[:60]!r}"
            kind = translation.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                found.append(f"{where}: {kind}")
                continue
            forms = [text_of(f) for f in translation.findall("numerusform")] or [text_of(translation)]
            for form in forms:
                # A plural form may write its count in the language's digits (%Ln for %n).
                if "%n" in source:
                    form = form.replace("%Ln", "%n")
                # A plural form may say its number in words ("one minute"; Arabic's dual).
                wanted = set(PLACEHOLDER.findall(source)) - ({"%n", "%Ln"} if len(forms) > 1 else set())
                if not form.strip():
                    found.append(f"{where}: empty")
                elif not wanted <= set(PLACEHOLDER.findall(form)) or not set(PLACEHOLDER.findall(form)) <= set(PLACEHOLDER.findall(source)):
                    found.append(f"{where}: placeholders {PLACEHOLDER.findall(form)} for {PLACEHOLDER.findall(source)}")
                elif mnemonics(form) != mnemonics(source):
                    found.append(f"{where}: mnemonic")
                elif form.count("\n") < source.count("\n") and source.count("\n") > 0 and not source.endswith("\n"):
                    found.append(f"{where}: line breaks")
    return found


def main():
    lupdate, source_dir, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for ts in ts_files:
            copy = os.path.join(folder, os.path.basename(ts))
            shutil.copy(ts, copy)
            plurals = ["-pluralonly"] if ts.endswith("_en.ts") else []
            subprocess.run([lupdate, "-silent", "-locations", "none", *plurals, os.path.join(source_dir, "src"),
                            os.path.join(source_dir, "tools"), "-ts", copy], check=True)
            failures += problems(copy)
    for failure in failures:
        print(failure)
    print(f"{len(ts_files)} translations checked, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
