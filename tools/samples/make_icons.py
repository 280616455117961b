#!/usr/bin/env python3
"""Draws one icon per language: a coloured badge with the first three
letters of the language's name in white capitals, 32 x 32 and 16 x 16 in
the 16 standard colours, written as FOLDER/<Language>.ico.

    make_icons.py FOLDER LANGUAGE...
"""
import os
import sys

sys.dont_write_bytecode = True   # no __pycache__ among the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'pictures'))
import formats  # noqa: E402

BLACK, WHITE = 0, 15

# Badge colours (VGA16 indices), dark enough for white letters.
COLOURS = {'French': 4, 'German': 1, 'Dutch': 6, 'Swedish': 12, 'Italian': 2, 'Danish': 9,
           'Esperanto': 3, 'Russian': 5, 'English': 8}
OTHERS = [4, 1, 6, 12, 2, 9, 3, 5, 8]

# Capitals three pixels wide and five high.
GLYPHS = {
    'A': ['.#.', '#.#', '###', '#.#', '#.#'], 'B': ['##.', '#.#', '##.', '#.#', '##.'],
    'C': ['.##', '#..', '#..', '#..', '.##'], 'D': ['##.', '#.#', '#.#', '#.#', '##.'],
    'E': ['###', '#..', '##.', '#..', '###'], 'F': ['###', '#..', '##.', '#..', '#..'],
    'G': ['.##', '#..', '#.#', '#.#', '.##'], 'H': ['#.#', '#.#', '###', '#.#', '#.#'],
    'I': ['###', '.#.', '.#.', '.#.', '###'], 'J': ['..#', '..#', '..#', '#.#', '.#.'],
    'K': ['#.#', '#.#', '##.', '#.#', '#.#'], 'L': ['#..', '#..', '#..', '#..', '###'],
    'M': ['#.#', '###', '###', '#.#', '#.#'], 'N': ['##.', '#.#', '#.#', '#.#', '#.#'],
    'O': ['.#.', '#.#', '#.#', '#.#', '.#.'], 'P': ['##.', '#.#', '##.', '#..', '#..'],
    'Q': ['.#.', '#.#', '#.#', '##.', '.##'], 'R': ['##.', '#.#', '##.', '#.#', '#.#'],
    'S': ['.##', '#..', '.#.', '..#', '##.'], 'T': ['###', '.#.', '.#.', '.#.', '.#.'],
    'U': ['#.#', '#.#', '#.#', '#.#', '###'], 'V': ['#.#', '#.#', '#.#', '#.#', '.#.'],
    'W': ['#.#', '#.#', '###', '###', '#.#'], 'X': ['#.#', '#.#', '.#.', '#.#', '#.#'],
    'Y': ['#.#', '#.#', '.#.', '.#.', '.#.'], 'Z': ['###', '..#', '.#.', '#..', '###'],
}


def badge(size, letters, colour):
    """(indices, opaque) of one image: a rounded rectangle with a black rim
    and the letters centred, scaled 2x on the large image."""
    scale = 2 if size >= 32 else 1
    top, bottom = size // 4, size - size // 4          # the badge is wider than high
    corner = 2 * scale
    indices = [[0] * size for _ in range(size)]
    opaque = [[False] * size for _ in range(size)]
    for y in range(top, bottom):
        for x in range(size):
            dy = min(y - top, bottom - 1 - y)
            dx = min(x, size - 1 - x)
            if dx + dy < corner - 1:
                continue                                 # cut corners
            opaque[y][x] = True
            rim = dy == 0 or dx == 0 or dx + dy == corner - 1
            indices[y][x] = BLACK if rim else colour
    text = letters.upper()
    width = len(text) * 3 * scale + (len(text) - 1) * scale
    x0 = (size - width) // 2
    y0 = top + ((bottom - top) - 5 * scale) // 2
    for n, letter in enumerate(text):
        glyph = GLYPHS.get(letter)
        if glyph is None:
            raise ValueError('no glyph for %r' % letter)
        for gy, row in enumerate(glyph):
            for gx, cell in enumerate(row):
                if cell != '#':
                    continue
                for sy in range(scale):
                    for sx in range(scale):
                        x = x0 + n * 4 * scale + gx * scale + sx
                        indices[y0 + gy * scale + sy][x] = WHITE
    return indices, opaque


def icon(language):
    colour = COLOURS.get(language, OTHERS[sum(map(ord, language)) % len(OTHERS)])
    letters = language[:3]
    return formats.ico_4bit([badge(32, letters, colour), badge(16, letters, colour)])


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    folder = argv[0]
    os.makedirs(folder, exist_ok=True)
    for language in argv[1:]:
        with open(os.path.join(folder, language + '.ico'), 'wb') as f:
            f.write(icon(language))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
