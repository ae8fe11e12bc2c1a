#!/usr/bin/python3
"""Checks the table of phone numbers (tests/data/phones/tidy.tsv) that the core's test
reads against Debian's python3-phonenumbers, the same data as libphonenumber: the expected
values of the table come from the library's data, not from the program.

    phonecases.py TABLE        exit 0 all rows agree, 1 some differ, 77 cannot check
"""
import subprocess
import sys

try:
    import phonenumbers
    from phonenumbers import PhoneNumberFormat
except ImportError:
    print("SKIP: python3-phonenumbers is not installed")
    sys.exit(77)


def library_version():
    try:
        out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libphonenumber8"],
                             capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return None
    return out.split("+")[0].split("-")[0]


FORMATS = {"international": PhoneNumberFormat.INTERNATIONAL, "e164": PhoneNumberFormat.E164,
           "national": PhoneNumberFormat.NATIONAL}


def expected(text, region, form):
    """(text, reason) by the program's rules, with the numbers read by phonenumbers."""
    body = text.strip()
    if body.lower().startswith("tel:"):
        body = body[4:]
    if any(c in ",;pw#*" for c in body.lower()):
        return text, "holds pause or tone characters"
    if any(c.isalpha() for c in body):
        return text, "holds letters"
    if any(not (c.isdigit() or c.isspace() or c in "+-./()") for c in body):
        return text, "holds characters that are no part of a number"
    if not any(c.isdigit() for c in body):
        return text, "is not a phone number"
    to_parse = text.strip()
    if region is None:
        if body.strip().startswith("00"):
            to_parse = "+" + body.strip()[2:]
        elif not body.strip().startswith("+"):
            return text, "has no country code and no region is set"
    try:
        number = phonenumbers.parse(to_parse, region or "ZZ")
    except phonenumbers.NumberParseException:
        return text, "is not a phone number"
    if not phonenumbers.is_valid_number(number):
        own = phonenumbers.region_code_for_number(number)
        shown = own if own and own not in ("ZZ", "001") else region
        return text, "is not a valid number for " + shown if shown else "is not a valid number"
    if form == "as-is":
        return text, None
    fmt = FORMATS[form]
    if fmt == PhoneNumberFormat.NATIONAL and (
            region is None or number.country_code != phonenumbers.country_code_for_region(region)):
        fmt = PhoneNumberFormat.INTERNATIONAL
    return phonenumbers.format_number(number, fmt), None


def main(path):
    lib = library_version()
    if lib and lib != phonenumbers.__version__:
        print(f"SKIP: python3-phonenumbers {phonenumbers.__version__} holds other data than libphonenumber {lib}")
        return 77
    failed = 0
    rows = 0
    with open(path, encoding="utf-8") as table:
        for n, line in enumerate(table, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            text, region, form, want, reason = line.split("\t")
            got = expected(text, None if region == "-" else region, form)
            rows += 1
            if got != (want, None if reason == "-" else reason):
                print(f"{path}:{n}: {text!r} {region} {form}: table says {want!r} / {reason!r}, phonenumbers gives {got}")
                failed += 1
    print(f"{rows} rows checked against phonenumbers {phonenumbers.__version__}, {failed} differ")
    return 1 if failed or rows == 0 else 0


sys.exit(main(sys.argv[1]))
