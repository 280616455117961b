#!/usr/bin/env python3
"""The sample distribution's pairs, and the text files of the distribution
folder made from them (english edition).

    layout.py pairs                 one line per pair for the build script:
                                    long name, package, dictd name, charset,
                                    collation (locale NAME or table FILE),
                                    reverse (0/1), espeak-ng voice
    layout.py words LANGUAGE [N]    the language's first N sample words
    layout.py texts DIST WORK       writes into DIST: install.inf, language.cf,
                                    language.ini, the charset files, the
                                    sort tables, readme.txt, the help page;
                                    and the starter list's tables
                                    WORK/starter/<list>.tsv
                                    chosen from WORK/<long name>.tsv
    layout.py settings FOLDER CF    writes FOLDER/dict.ini for the entries
                                    of the language list CF (used where the
                                    installer cannot run unattended)

Every text file is written with CR LF line ends, in the code page of the
language it holds.
"""

import os
import shutil
import sys
import unicodedata

UI_NAME = "English"          # the english edition's own name for its language
SETTINGS_FILE = "dict.ini"
STARTER_LIST = "Starter"
# The edition's help page: the program opens it by the name of its help file
# (UI string 83, "dict.hlp") with .htm.
HELP_PAGE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs", "help",
                         "english", "dict.htm")

CODECS = {0: "cp1252", 204: "cp1251", 500: "iso8859_3"}


class Pair:
    def __init__(self, name, package, dictd, charset, locale, espeak, reverse=False,
                 letters="", words=()):
        self.name = name                  # English name of the language: the long name
        self.package = package
        self.dictd = dictd                # freedict-<dictd>.index / .dict.dz
        self.charset = charset
        self.locale = locale              # collation locale of the language
        self.espeak = espeak
        self.reverse = reverse
        self.letters = letters            # the palette's special letters
        self.words = list(words)          # starter list and pronunciations

    @property
    def sort_table(self):
        """A sort table for a language the locale list lacks."""
        return self.name + ".stb" if self.name == "Esperanto" else ""

    @property
    def from_list(self):
        return "%s_%s.wb" % (self.name, UI_NAME)

    @property
    def to_list(self):
        return "%s_%s.wb" % (UI_NAME, self.name)

    @property
    def list_file(self):
        return "%s_%s.ls" % (self.name, UI_NAME)

    def item(self):
        """The language's line: name, locale, charset, long name."""
        return "%s,%s,%d,%s" % (self.name, self.locale, self.charset, self.name)


PAIRS = [
    Pair("French", "dict-freedict-fra-eng", "fra-eng", 0, "french", "fr",
         letters="àâæçéèêëîïôœùûüÿÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ«»",
         words=["maison", "chat", "chien", "livre", "pain", "eau", "soleil", "arbre", "ami", "jour"]),
    Pair("German", "dict-freedict-deu-eng", "deu-eng", 0, "german", "de",
         letters="äöüßÄÖÜ„“",
         words=["Haus", "Katze", "Hund", "Buch", "Brot", "Wasser", "Sonne", "Baum", "Freund", "Tag"]),
    Pair("Dutch", "dict-freedict-nld-eng", "nld-eng", 0, "dutch", "nl",
         letters="áéëïóöüèÁÉËÏÓÖÜÈ",
         words=["huis", "kat", "hond", "boek", "brood", "water", "zon", "boom", "vriend", "dag"]),
    Pair("Swedish", "dict-freedict-swe-eng", "swe-eng", 0, "swedish", "sv",
         letters="åäöéÅÄÖÉ",
         words=["hus", "katt", "hund", "bok", "bröd", "vatten", "sol", "träd", "vän", "dag"]),
    Pair("Italian", "dict-freedict-ita-eng", "ita-eng", 0, "italian", "it",
         letters="àèéìíîòóùúÀÈÉÌÍÎÒÓÙÚ",
         words=["casa", "gatto", "cane", "libro", "pane", "acqua", "sole", "albero", "amico", "giorno"]),
    Pair("Danish", "dict-freedict-dan-eng", "dan-eng", 0, "danish", "da",
         letters="æøåéÆØÅÉ",
         words=["hus", "kat", "hund", "bog", "brød", "vand", "sol", "træ", "ven", "dag"]),
    # No collation locale knows Esperanto: its order comes from a sort table,
    # and "english" is only the locale put in force beside it.
    Pair("Esperanto", "dict-freedict-epo-eng", "epo-eng", 500, "english", "eo",
         letters="ĉĝĥĵŝŭĈĜĤĴŜŬ",
         words=["domo", "kato", "hundo", "libro", "pano", "akvo", "suno", "arbo", "amiko", "tago"]),
    # Made by reversing the English-Russian data.
    Pair("Russian", "dict-freedict-eng-rus", "eng-rus", 204, "russian", "ru", reverse=True,
         letters="абвгдеёжзийклмнопрстуфхцчшщъыьэюя",
         words=["дом", "кошка", "собака", "книга", "хлеб", "вода", "солнце", "дерево", "друг", "день"]),
]


def write_lines(path, lines, codec="cp1252"):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode(codec))


# --- Esperanto's sort table -------------------------------------------------

ESPERANTO_ALPHABET = "abcĉdefgĝhĥijĵklmnoprsŝtuŭvzqwxy"


def esperanto_sort_table():
    """256 comparison values over Latin-3 bytes: 0 ends a text, 1 is
    ignored. Letters in the Esperanto alphabet's order, capital and small
    alike, with q, w, x and y, which it lacks, after z; the other Latin-3
    letters after their base letter; blanks, punctuation and digits before
    all letters, in byte order."""
    table = bytearray(256)
    value = 2
    letters = set()
    for byte in range(1, 256):
        c = bytes([byte]).decode("iso8859_3", errors="replace")
        if c.isalpha():
            letters.add(byte)
    # Blanks, punctuation and digits, in byte order.
    for byte in range(1, 256):
        if byte not in letters:
            table[byte] = value
            value += 1
    order = {letter: rank * 2 for rank, letter in enumerate(ESPERANTO_ALPHABET)}
    ranks = {}
    for byte in letters:
        c = bytes([byte]).decode("iso8859_3").lower()
        if c in order:
            ranks[byte] = order[c]
        else:
            base = unicodedata.normalize("NFD", c)[0]
            ranks[byte] = order.get(base, len(ESPERANTO_ALPHABET) * 2) + 1
    for rank in sorted(set(ranks.values())):
        for byte in letters:
            if ranks[byte] == rank:
                table[byte] = value
        value += 1
    assert value <= 256
    return bytes(table)


# --- install.inf and language.cf -------------------------------------------

def install_inf(pairs, sounds):
    lines = [
        "# Installation script of the norva sample distribution, english edition.",
        "title norva - sample dictionaries",
        "dir c:\\norva",
        "wbarg wb %s" % pairs[0].name,
        "debug 1",
        "",
        "mkdir language",
        "mkdir list",
        "mkdir list\\%s" % STARTER_LIST,
        "mkdir icons",
        "mkdir charset",
        "mkdir tables",
        "mkdir sound",
        "mkdir licenses",
    ]
    lines += ["mkdir sound\\%s" % p.name for p in pairs if p.name in sounds]
    lines += [
        "",
        "# The program is stored compressed; copy expands it.",
        "copy norva.ex_ norva.exe",
        "copy logo.bmp logo.bmp",
        "copy dict.avi dict.avi",
        "copy language.ini language.ini",
        "copy language.cf language.cf",
        "copy readme.txt readme.txt",
        "copy dict.htm dict.htm",
    ]
    lines += ["copy language\\%s language\\%s" % (p.from_list, p.from_list) for p in pairs]
    lines += ["copy list\\{0}\\{1} list\\{0}\\{1}".format(STARTER_LIST, p.list_file) for p in pairs]
    lines += [
        "xcopy *.ico icons",
        "xcopy *.chs charset",
        "xcopy *.stb tables",
        "xcopy *.copyright licenses",
    ]
    lines += ["sndcopy sound\\{0} sound\\{0}".format(p.name) for p in pairs if p.name in sounds]
    lines += [
        "",
        "avidelay 2",
        "mkwlist",
        "display readme.txt",
        "iconname norva",
        "icongroup norva",
        "iconexe norva.exe",
    ]
    return lines


def language_cf(pairs):
    lines = ["# The language pairs of the sample distribution: the language's line,",
             "# its FROM list and the TO list the installer builds from it."]
    for p in pairs:
        lines += [p.item(), p.from_list, p.to_list]
    return lines


def readme(pairs):
    return [
        "norva is installed with these sample dictionaries:",
        "",
    ] + ["  %s - English" % p.name for p in pairs] + [
        "",
        "The word lists were made from the FreeDict dictionaries packaged by",
        "Debian; their licences are in the folder licenses, and so is the",
        "program's own, the MIT License (norva.copyright).",
    ]


def settings_file(items, selected):
    """The settings file as the installer leaves it: items sorted by their
    long name when there are several."""
    lines = ["# --- %s %s" % (SETTINGS_FILE, "-" * 50), "", "[AddNew]", "on", "",
             "[selected]", selected, "", "[language]"]
    if len(items) > 1:
        lines += sorted(items, key=lambda item: item.split(",")[3].lower()) + [""]
    else:
        lines += items + ["", ""]
    lines.append("# --- EOF %s" % ("-" * 56))
    return lines


def read_language_cf(path):
    with open(path, encoding="cp1252") as f:
        lines = [l.rstrip("\r\n") for l in f if l.strip() and not l.startswith("#")]
    return [lines[i:i + 3] for i in range(0, len(lines) - 2, 3)]


def write_texts(dist, work):
    sounds = {p.name for p in PAIRS if os.path.isdir(os.path.join(dist, "sound", p.name))}
    write_lines(os.path.join(dist, "install.inf"), install_inf(PAIRS, sounds))
    write_lines(os.path.join(dist, "language.cf"), language_cf(PAIRS))
    write_lines(os.path.join(dist, "language.ini"), ["[Dictionary]", "Language=english"])
    write_lines(os.path.join(dist, "readme.txt"), readme(PAIRS))
    shutil.copyfile(HELP_PAGE, os.path.join(dist, "dict.htm"))
    for p in PAIRS:
        # The charset file: its first line is the palette's characters.
        write_lines(os.path.join(dist, p.name + ".chs"), [p.letters], CODECS[p.charset])
        if p.sort_table:
            with open(os.path.join(dist, p.sort_table), "wb") as f:
                f.write(esperanto_sort_table())
    starter = os.path.join(work, "starter")
    os.makedirs(starter, exist_ok=True)
    for p in PAIRS:
        rows = {}
        with open(os.path.join(work, p.name + ".tsv"), encoding="utf-8") as f:
            for line in f:
                headword, translation = line.rstrip("\n").split("\t")
                rows.setdefault(headword, translation)
        with open(os.path.join(starter, p.name + ".tsv"), "w", encoding="utf-8") as f:
            for word in p.words:
                if word in rows:
                    f.write("%s\t%s\n" % (word, rows[word]))


def main(argv):
    if argv[:1] == ["pairs"]:
        for p in PAIRS:
            collation = ("table " + p.sort_table) if p.sort_table else ("locale " + p.locale)
            print(p.name, p.package, p.dictd, p.charset, collation, int(p.reverse), p.espeak)
        return 0
    if argv[:1] == ["words"] and len(argv) in (2, 3):
        count = int(argv[2]) if len(argv) == 3 else None
        for p in PAIRS:
            if p.name == argv[1]:
                print("\n".join(p.words[:count]))
        return 0
    if argv[:1] == ["texts"] and len(argv) == 3:
        write_texts(argv[1], argv[2])
        return 0
    if argv[:1] == ["settings"] and len(argv) == 3:
        entries = read_language_cf(argv[2])
        write_lines(os.path.join(argv[1], SETTINGS_FILE),
                    settings_file([e[0] for e in entries], entries[0][1]))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
