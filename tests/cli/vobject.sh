#!/usr/bin/env bash
# The standard vCard export as a strict outside reader takes it: every contact of the
# sample phonebook written by export-vcards is read by python3-vobject with validation,
# one card per record, with the record's label as FN and its coordinate as GEO.
# Usage: vobject.sh KESTRAVON-CLI TESTDATA-FOLDER
set -eu
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" export-vcards "$data/agenda/Agenda.dat" "$work/all.vcf"
"$cli" dump "$data/agenda/Agenda.dat" >"$work/dump.json"
py=/usr/bin/python3; [ -x "$py" ] || py=python3  # Debian's, where python3-vobject is
"$py" - "$work/all.vcf" "$work/dump.json" <<'PY'
import json, sys
import vobject
cards = list(vobject.readComponents(open(sys.argv[1], encoding="utf-8", newline=""), validate=True))
records = [json.loads(line) for line in open(sys.argv[2], encoding="utf-8")]
users = sum(1 for r in records if r["slot"] < 4 and r["owner"] == r["slot"] + 1)
contacts = records[users:]
assert len(cards) == len(contacts), (len(cards), len(contacts))
def held(text):
    return any(0xEE00 <= ord(ch) <= 0xEEFF for ch in text)
for card, record in zip(cards, contacts):
    assert card.version.value == "3.0"
    assert card.n.value is not None
    if not held(record["label"]):
        assert card.fn.value == record["label"], (card.fn.value, record["label"])
    phones = [p for p in record["phone"] if p]
    assert [t.value for t in getattr(card, "tel_list", [])] == phones, record["label"]
    if record["note"] and not held(record["note"]):
        assert card.note.value == record["note"].replace("\r\n", "\n"), record["label"]
print("%d cards read and validated" % len(cards))
PY
