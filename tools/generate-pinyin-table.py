#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
"""Generate platform/data/gb2312-pinyin.tsv from the Unihan readings file.

The table has one line per assigned GB2312 hanzi (rows 16 to 87): the code as
four upper-case hex digits, then a TAB and up to three toneless pinyin
readings separated by TABs. The output is plain ASCII with LF line endings and
is byte-identical on every run, so a test can regenerate it and compare it
with the committed copy.

Usage: generate-pinyin-table.py [UNIHAN_READINGS] [--output FILE]
"""

import argparse
import bz2
import io
import re
import sys
import unicodedata

DEFAULT_UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"

# Rows 16 to 87 of GB2312 hold the hanzi. Row 55 (lead byte 0xD7) ends at
# 0xF9; the codec rejects the unassigned cells, which we skip.
LEAD_BYTES = range(0xB0, 0xF8)
TRAIL_BYTES = range(0xA1, 0xFF)
EXPECTED_LINES = 6763
MAX_READINGS = 3

# A reading must be an optional initial followed by a final, or a final alone.
# Syllabic nasals such as "m", "n", "ng" or "hng" cannot be written this way.
INITIALS = "zh ch sh b p m f d t n l g k h j q x r z c s y w".split()
FINALS = ("ang eng an ai ao ou er en ei a o e uang iang iong ing ong uai uan "
          "iao ian ui iu ie ue in un ia ua uo i u").split()
SYLLABLE = re.compile("(?:%s)?(?:%s)" % ("|".join(INITIALS), "|".join(FINALS)))

# These three GB2312 codes are radical forms (丶 the dot, 匚 the box, 刂 the
# knife radical) rather than characters written on their own. They are
# deliberately left without a reading, whatever Unihan says: a name that
# draws one of them simply has one syllable fewer.
NO_READING_CODES = frozenset({"D8BC", "D8CE", "D8D6"})

# Characters with a reading the syllable grammar cannot spell. Each such
# reading is replaced by the syllable given here: the character's next
# spellable reading where it has one, otherwise the nearest spellable
# syllable. Duplicates are dropped afterwards as usual, so a substitute equal
# to an earlier reading simply removes the unspellable one.
SUBSTITUTES = {
    "儿": "er",    # B6F9: the erhua suffix "r"; its full reading is er.
    "哼": "heng",  # BADF: "hng" is the interjection; heng is its next reading.
    "呒": "wu",    # DFBC: "m" is the interjection; wu is its next reading.
    "唔": "wu",    # DFED: "n"/"ng" are interjections; wu is its next reading.
    "嗯": "en",    # E0C5: only "n"/"ng"; en is the nearest spellable syllable.
}

# The first reading is always the first kMandarin value, which Unihan gives as
# the most customary reading. Further readings come from these fields in this
# order. kHanyuPinlu comes first because it ranks readings by how often they
# occur in a corpus of modern Mandarin, so its second value is the most useful
# alternative (和 gives he, huo rather than he, hu). kTGHZ2013 follows as the
# current standard dictionary, and kXHC1983 last as the older one. Both of
# those list readings in dictionary (alphabetical) order, including rare ones.
EXTRA_SOURCES = ("kHanyuPinlu", "kTGHZ2013", "kXHC1983")
FIELDS = ("kMandarin",) + EXTRA_SOURCES


def fail(message):
    """Stop with a message on stderr and a non-zero exit status."""
    sys.exit("generate-pinyin-table: " + message)


def gb2312_hanzi():
    """Yield (code, character) for every assigned hanzi, in code order."""
    for lead in LEAD_BYTES:
        for trail in TRAIL_BYTES:
            try:
                char = bytes((lead, trail)).decode("gb2312")
            except UnicodeDecodeError:
                continue
            yield "%02X%02X" % (lead, trail), char


def load_unihan(path, wanted):
    """Return {character: {field: value}} for the wanted characters."""
    if path.endswith(".bz2"):
        stream = bz2.open(path, "rt", encoding="utf-8")
    else:
        stream = io.open(path, "rt", encoding="utf-8")
    records = {}
    with stream:
        for line in stream:
            if line.startswith("#") or not line.strip():
                continue
            codepoint, field, value = line.rstrip("\n").split("\t", 2)
            if field not in FIELDS:
                continue
            char = chr(int(codepoint[2:], 16))
            if char in wanted:
                records.setdefault(char, {})[field] = value
    return records


def parse_field(field, value):
    """Split one Unihan field value into its readings, still with tones."""
    items = value.split()
    if field == "kMandarin":
        # A second value, if present, is the Taiwan reading; we want only the
        # first, which is the mainland one.
        return items[:1]
    if field == "kHanyuPinlu":
        # Values look like "bǎ(123)": the reading and its corpus frequency.
        # Sort by falling frequency (stable, so ties keep the file's order).
        counted = []
        for item in items:
            match = re.fullmatch(r"([^()]+)\((\d+)\)", item)
            if not match:
                fail("cannot parse kHanyuPinlu value %r" % item)
            counted.append((match.group(1), int(match.group(2))))
        counted.sort(key=lambda pair: -pair[1])
        return [reading for reading, _ in counted]
    # kTGHZ2013 ("001.010:ā") and kXHC1983 ("0123.040:bǎ") give one or more
    # comma-separated page locations, a colon, then a single reading.
    readings = []
    for item in items:
        location, sep, reading = item.partition(":")
        if not sep or not re.fullmatch(r"[\d.,*]+", location) or not reading:
            fail("cannot parse %s value %r" % (field, item))
        readings.append(reading)
    return readings


def toneless(reading):
    """Drop tone marks and diacritics (ǚ and ü become u, ê becomes e)."""
    decomposed = unicodedata.normalize("NFD", reading)
    plain = "".join(c for c in decomposed if not unicodedata.combining(c))
    plain = plain.lower()
    if not re.fullmatch(r"[a-z]+", plain):
        fail("reading %r has unexpected letters" % reading)
    return plain


def readings_for(char, record, used_substitutes):
    """Return the character's toneless readings, best first, at most three."""
    result = []
    for field in FIELDS:
        for reading in parse_field(field, record.get(field, "")):
            syllable = toneless(reading)
            if not SYLLABLE.fullmatch(syllable):
                if char not in SUBSTITUTES:
                    fail("%s (U+%04X) has the unspellable reading %r and no "
                         "entry in SUBSTITUTES" % (char, ord(char), reading))
                used_substitutes.add(char)
                syllable = SUBSTITUTES[char]
            if syllable not in result:
                result.append(syllable)
    return result[:MAX_READINGS]


def build_table(records):
    """Return the table text, one line per assigned hanzi."""
    lines = []
    used_substitutes = set()
    for code, char in gb2312_hanzi():
        if code in NO_READING_CODES:
            lines.append(code + "\n")
            continue
        readings = readings_for(char, records.get(char, {}), used_substitutes)
        if not readings:
            fail("%s %s (U+%04X) has no reading" % (code, char, ord(char)))
        lines.append("\t".join([code] + readings) + "\n")
    unused = sorted(set(SUBSTITUTES) - used_substitutes)
    if unused:
        fail("SUBSTITUTES entries never needed: " + " ".join(unused))
    return "".join(lines)


def validate(text):
    """Check the finished table before anything is written."""
    lines = text.split("\n")
    if lines.pop() != "":
        fail("output does not end with a newline")
    if len(lines) != EXPECTED_LINES:
        fail("expected %d lines, got %d" % (EXPECTED_LINES, len(lines)))
    previous = ""
    for line in lines:
        code, *readings = line.split("\t")
        if not re.fullmatch(r"[0-9A-F]{4}", code) or code <= previous:
            fail("bad or out-of-order code in line %r" % line)
        previous = code
        wanted = (0, 0) if code in NO_READING_CODES else (1, MAX_READINGS)
        if not wanted[0] <= len(readings) <= wanted[1]:
            fail("wrong number of readings in line %r" % line)
        if len(set(readings)) != len(readings):
            fail("duplicate reading in line %r" % line)
        for reading in readings:
            if not SYLLABLE.fullmatch(reading):
                fail("unspellable reading in line %r" % line)


def main():
    parser = argparse.ArgumentParser(
        description="Generate the GB2312 hanzi to pinyin table.")
    parser.add_argument("unihan", nargs="?", default=DEFAULT_UNIHAN,
                        help="Unihan_Readings.txt or .txt.bz2 (default: %s)"
                        % DEFAULT_UNIHAN)
    parser.add_argument("--output", metavar="FILE",
                        help="write the table to FILE instead of stdout")
    args = parser.parse_args()

    wanted = {char for _, char in gb2312_hanzi()}
    try:
        records = load_unihan(args.unihan, wanted)
    except OSError as error:
        fail("cannot read %s: %s" % (args.unihan, error))
    text = build_table(records)
    validate(text)

    data = text.encode("ascii")
    if args.output:
        with open(args.output, "wb") as out:
            out.write(data)
    else:
        sys.stdout.buffer.write(data)


if __name__ == "__main__":
    main()
