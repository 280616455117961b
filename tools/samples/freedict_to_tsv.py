#!/usr/bin/env python3
"""Turns a FreeDict dictionary in dictd format into the word table that
`wbtool import` reads: UTF-8, one entry a line, headword TAB translation.

    freedict_to_tsv.py [--charset N] [--reverse] BASE OUT

BASE is the dictionary's path without its extension: BASE.index and
BASE.dict.dz (gzip-readable) are read. --charset names the character set
the word file will be imported with (0 Western 1252, 204 Cyrillic 1251,
500 Latin-3, ...); every limit below is counted in bytes of that code page.

- The headword is the first line of the entry's text, up to its
  pronunciation (" /.../") or grammar ("<...>"); the index key is lower-cased
  and stripped, so it is not used.
- The translation is the entry's alternatives (senses split at commas and
  semicolons, labels in [], <> and {} removed, examples, notes and
  cross-references left out) joined with ", " as long as they fit in 50
  bytes; an alternative that does not fit is passed over.
- Headwords longer than 30 bytes are skipped. Entries with the same
  headword are merged. Entries left without a translation are skipped.
- Characters the code page lacks: typographic quotes, dashes, the Dutch
  ligature and the like become their ASCII forms; in translations accented
  letters lose their accents; whatever is still left makes a headword be
  skipped and an alternative be passed over.
- --reverse swaps the directions: every alternative becomes a headword
  whose translation is the original headword (English-Russian data gives a
  Russian-English table).
"""

import argparse
import gzip
import os
import re
import sys
import unicodedata

HEADWORD_BYTES = 30
TRANSLATION_BYTES = 50

CODECS = {0: "cp1252", 204: "cp1251", 238: "cp1250", 161: "cp1253", 162: "cp1254",
          186: "cp1257", 177: "cp1255", 178: "cp1256", 500: "iso8859_3"}

# ASCII forms of characters that several code pages lack. Used only for a
# character the target code page cannot hold.
ASCII_FORMS = {
    "\u2010": "-", "\u2011": "-", "\u2012": "-", "\u2013": "-", "\u2014": "-", "\u2015": "-",
    "\u2212": "-", "\u00ad": "",
    "\u2018": "'", "\u2019": "'", "\u201a": "'", "\u201b": "'", "\u2032": "'", "\u00b4": "'",
    "\u02bc": "'", "\u201c": '"', "\u201d": '"', "\u201e": '"', "\u201f": '"', "\u00ab": '"',
    "\u00bb": '"', "\u2039": "'", "\u203a": "'", "\u2026": "...", "\u00a0": " ",
    "\u2009": " ", "\u202f": " ", "\u0133": "ij", "\u0132": "IJ", "\u0153": "oe", "\u0152": "OE",
    "\u00e6": "ae", "\u00c6": "AE", "\u00df": "ss",
    # Letters with strokes, which have no decomposition to fold.
    "\u0141": "L", "\u0142": "l", "\u0110": "D", "\u0111": "d", "\u00d8": "O", "\u00f8": "o",
    "\u0131": "i", "\u0126": "H", "\u0127": "h",
}

BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"

# Lines of notes and cross-references: "see: ...", "Note: ...", "Synonyms: ...".
LABEL_LINE = re.compile(r"^(?:see|see also|note|notes|synonyms?|antonyms?|usage|examples?|compare|cf\.?)"
                        r"\s*:(?:\s|$)", re.IGNORECASE)
SENSE_NUMBER = re.compile(r"^\d+\.\s*")
# Labels in brackets, grammar in angle brackets with an abbreviation glued
# to it ("avenue <n>Ave"), references in braces, pronunciations in slashes.
BRACKETED = re.compile(r"\[[^\]]*\]|<[^>]*>[^\s,;]*|\{[^}]*\}|(?:^|(?<=\s))/[^/]+/(?=[\s,;]|$)")
SPACES = re.compile(r"\s+")
CONTROLS = re.compile(r"[\x00-\x1f\x7f-\x9f\u200b-\u200f\u2028-\u202e\u2060-\u2064\ufeff]")


def decode_number(text):
    """A dictd index number: base 64, most significant digit first."""
    value = 0
    for c in text:
        digit = BASE64.find(c)
        if digit < 0:
            raise ValueError("not a dictd number: %r" % text)
        value = value * 64 + digit
    return value


def read_entries(index_lines, data):
    """The texts of the entries in index order, each once (several keys can
    point at one text), without the database's own information entries."""
    seen = set()
    for line in index_lines:
        line = line.rstrip("\r\n")
        parts = line.split("\t")
        if len(parts) < 3 or parts[0].startswith("00database"):
            continue
        span = (decode_number(parts[1]), decode_number(parts[2]))
        if span in seen:
            continue
        seen.add(span)
        text = data[span[0]:span[0] + span[1]].decode("utf-8", errors="replace")
        if text.lstrip().startswith("00-database"):
            continue
        yield text


def clean(text):
    """One line of text: no control characters, single blanks, trimmed."""
    return SPACES.sub(" ", CONTROLS.sub(" ", text)).strip()


def parse_entry(text):
    """(headword, [alternatives]) of one entry's text."""
    lines = text.split("\n")
    first = lines[0]
    for mark in (" /", " <"):
        at = first.find(mark)
        if at >= 0:
            first = first[:at]
    headword = clean(first)
    alternatives = []
    for line in lines[1:]:
        if not line.strip():
            continue
        indent = len(line) - len(line.lstrip(" "))
        body = line.strip()
        # Examples, notes and references are indented further or labelled.
        if indent > 2 or (indent and body.startswith('"')) or LABEL_LINE.match(body):
            continue
        body = SENSE_NUMBER.sub("", body)
        body = BRACKETED.sub(" ", body).replace("<", " ").replace(">", " ")
        body = body.replace(": ", ", ")   # "except: excepting" lists two alternatives
        for alternative in split_alternatives(body):
            alternative = clean(alternative)
            if alternative and alternative not in alternatives:
                alternatives.append(alternative)
    return headword, alternatives


def split_alternatives(text):
    """Splits at commas and semicolons outside parentheses."""
    parts, depth, current = [], 0, []
    for c in text:
        if c == "(":
            depth += 1
        elif c == ")":
            depth = max(0, depth - 1)
        if c in ",;" and depth == 0:
            parts.append("".join(current))
            current = []
        else:
            current.append(c)
    parts.append("".join(current))
    return parts


def fold_accents(c):
    return "".join(d for d in unicodedata.normalize("NFKD", c) if not unicodedata.combining(d))


def to_code_page(text, codec, fold):
    """The text with every character the code page holds; the others by
    their ASCII form, or (when fold) without accents. None when a character
    is still left over."""
    try:
        text.encode(codec)
        return clean(text)
    except UnicodeEncodeError:
        pass
    out = []
    for c in text:
        for candidate in (c, ASCII_FORMS.get(c), fold_accents(c) if fold else None):
            if candidate is None:
                continue
            try:
                candidate.encode(codec)
            except UnicodeEncodeError:
                continue
            out.append(candidate)
            break
        else:
            return None
    return clean("".join(out))


def byte_length(text, codec):
    return len(text.encode(codec))


def join_fitting(alternatives, codec):
    """The alternatives joined with ", ", as many as fit, in their order;
    one that does not fit is passed over."""
    result = ""
    for alternative in alternatives:
        candidate = alternative if not result else result + ", " + alternative
        if byte_length(candidate, codec) <= TRANSLATION_BYTES:
            result = candidate
    return result


class Converter:
    def __init__(self, charset, reverse=False):
        if charset not in CODECS:
            raise ValueError("unknown character set %d" % charset)
        self.codec = CODECS[charset]
        self.reverse = reverse
        self.order = []          # headwords in order of first appearance
        self.alternatives = {}   # headword -> its alternatives, each once
        self.skipped = {"headword too long": 0, "headword characters": 0,
                        "no translation": 0, "empty headword": 0}

    def add_entry(self, text):
        headword, alternatives = parse_entry(text)
        if self.reverse:
            for alternative in alternatives:
                self._add(alternative, [headword])
        else:
            self._add(headword, alternatives)

    def _add(self, headword, alternatives):
        converted = to_code_page(headword, self.codec, fold=False) if headword else ""
        if not converted:
            self.skipped["empty headword" if not headword else "headword characters"] += 1
            return
        if byte_length(converted, self.codec) > HEADWORD_BYTES:
            self.skipped["headword too long"] += 1
            return
        kept = self.alternatives.get(converted)
        if kept is None:
            kept = self.alternatives[converted] = []
            self.order.append(converted)
        for alternative in alternatives:
            alternative = to_code_page(alternative, self.codec, fold=True)
            if alternative and alternative not in kept:
                kept.append(alternative)

    def rows(self):
        """(headword, translation) pairs, empty translations left out."""
        for headword in self.order:
            translation = join_fitting(self.alternatives[headword], self.codec)
            if translation:
                yield headword, translation
            else:
                self.skipped["no translation"] += 1


def convert(base, charset, reverse=False):
    with open(base + ".index", encoding="utf-8", errors="replace") as f:
        index_lines = f.readlines()
    with gzip.open(base + ".dict.dz") as f:
        data = f.read()
    converter = Converter(charset, reverse)
    for text in read_entries(index_lines, data):
        converter.add_entry(text)
    return converter


def main(argv=None):
    parser = argparse.ArgumentParser(description="FreeDict dictd data to a wbtool import table")
    parser.add_argument("base", help="path of the dictionary without .index / .dict.dz")
    parser.add_argument("out", help="the UTF-8 table to write")
    parser.add_argument("--charset", type=int, default=0)
    parser.add_argument("--reverse", action="store_true",
                        help="make the translations the headwords")
    args = parser.parse_args(argv)
    converter = convert(args.base, args.charset, args.reverse)
    written = 0
    # Written beside the table and renamed at the end: a table that exists is complete.
    with open(args.out + ".part", "w", encoding="utf-8", newline="\n") as out:
        for headword, translation in converter.rows():
            out.write(headword + "\t" + translation + "\n")
            written += 1
    os.replace(args.out + ".part", args.out)
    skipped = ", ".join("%s %d" % (k, v) for k, v in converter.skipped.items() if v)
    print("%s: %d entries%s" % (args.out, written, "; skipped: " + skipped if skipped else ""),
          file=sys.stderr)
    return 0 if written else 1


if __name__ == "__main__":
    sys.exit(main())
