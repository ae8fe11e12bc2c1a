#!/usr/bin/env python3
"""Checks the translation files against the sources and against themselves.

usage: check_ts.py LUPDATE SOURCE_DIR TS_FILE...

Fails when a translation file lacks a text of the sources (lupdate is run on the sources
into a temporary file to find them), holds an unfinished or empty translation, or when a
translation's placeholders (%1..%9, %n), markup (& for a new line or an accelerator,
"-|" for a tab, "[* " for bold) or file-selector patterns ("(*.vcf)", ";;") differ from its
source text's, or it ends in a line break.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:[1-9]|n)")
MARKUP = re.compile(r"&&|&|-\|" + r"|\[\* |\[3B ")
# File-selector types: the patterns in brackets ("(*.vcf)", "(*)", "(Agenda.dat)") and the
# ";;" between the types must come through a translation unchanged.
FILE_TYPES = re.compile(r"\([^()\s]*[.*][^()\s]*\)|;;")


def messages(path):
    """(context, source, numerus) -> translation element, for every message of a file."""
    out = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.get("numerus") == "yes")
            out[key] = message.find("translation")
    return out


def texts(translation, numerus):
    if numerus:
        return [form.text or "" for form in translation.iter("numerusform")]
    return [translation.text or ""]


def tokens(pattern, text):
    return sorted(pattern.findall(text))


def main():
    lupdate, source_dir, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, "sources.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", source_dir, "-ts", fresh], check=True)
        wanted = set(messages(fresh))
    failures = []
    for path in ts_files:
        name = os.path.basename(path)
        have = messages(path)
        for key in sorted(wanted - set(have), key=str):
            failures.append(f"{name}: missing {key[0]}: {key[1]!r}")
        for (context, source, numerus), translation in have.items():
            where = f"{name}: {context}: {source!r}"
            if (context, source, numerus) not in wanted:
                continue  # left over from an earlier source; lupdate marks it, lrelease drops it
            kind = translation.get("type") if translation is not None else "missing"
            if translation is None or kind in ("unfinished", "vanished", "obsolete"):
                failures.append(f"{where}: {kind or 'missing'}")
                continue
            for text in texts(translation, numerus):
                if not text.strip():
                    failures.append(f"{where}: empty translation")
                elif text.endswith("\n"):
                    failures.append(f"{where}: ends in a line break")
                if tokens(PLACEHOLDER, text) != tokens(PLACEHOLDER, source) and not (
                        numerus and "%n" not in text and tokens(PLACEHOLDER, source) == ["%n"]):
                    failures.append(f"{where}: placeholders {tokens(PLACEHOLDER, text)} in {text!r}")
                if tokens(MARKUP, text) != tokens(MARKUP, source):
                    failures.append(f"{where}: markup {tokens(MARKUP, text)} in {text!r}")
                if tokens(FILE_TYPES, text) != tokens(FILE_TYPES, source):
                    failures.append(f"{where}: file types {tokens(FILE_TYPES, text)} in {text!r}")
    for line in failures:
        print("FAIL:", line)
    print(f"{len(ts_files)} translation files, {len(wanted)} source texts, {len(failures)} failures")
    if failures:
        print("A new or changed text: run '/usr/lib/qt6/bin/lupdate -locations none src -ts translations/*.ts'"
              " in the source folder, then write the translation of every entry marked unfinished.")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
