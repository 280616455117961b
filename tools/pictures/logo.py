"""The main window's logo: the name "norva" in large serif letters of our
own drawing, gold with a dark edge and a soft shadow, beside a small open
book. The top-left pixel's colour (magenta, used nowhere else) is the
transparent key; edge pixels are blended with the green the window paints
behind the logo, so the letters stay smooth without a magenta fringe."""
import math

from raster import (Canvas, arc_band, blurred, clamp01, coverage, ellipse, grown, mix, outer,
                    polygon, rect, ring, shifted)

WIDTH, HEIGHT = 400, 80
KEY = (255, 0, 255)
WINDOW_WIDTH, TITLE_BAND = 565, 96
CLIENT_HEIGHT = 326  # the main window's client area, over which its gradient runs

X_HEIGHT = 50
STEM, HAIR, SERIF = 9.0, 3.0, 3.0
OVERHANG = 6.0  # how far a serif reaches beyond its stem

GOLD_TOP, GOLD_BOTTOM = (255, 244, 196), (222, 172, 62)
EDGE = (40, 28, 8)
PAGE, PAGE_SHADE = (255, 251, 236), (214, 202, 168)
COVER, COVER_DARK = (178, 24, 28), (112, 12, 16)
RIBBON = (226, 176, 40)
LINE = (150, 140, 120)


def window_green(y):
    """The window's gradient at row y of the logo: 64 greens from 200 down."""
    client_y = (TITLE_BAND - HEIGHT) // 2 + y
    return (0, 200 - 3 * (client_y * 63 // CLIENT_HEIGHT), 0)


def _band(left, right, top, bottom, th_left, th_right, th_top, th_bottom):
    """The outer and inner ellipses (cx, cy, rx, ry) of a stroke drawn round
    the box, with its own thickness on each side."""
    cx, cy, rx, ry = (left + right) / 2, (top + bottom) / 2, (right - left) / 2, (bottom - top) / 2
    inner = (cx + (th_left - th_right) / 2, cy + (th_top - th_bottom) / 2,
             rx - (th_left + th_right) / 2, ry - (th_top + th_bottom) / 2)
    return (cx, cy, rx, ry), inner


def _foot(x_stem, base, left=OVERHANG, right=OVERHANG):
    """A bottom serif under a stem starting at x_stem, with small brackets."""
    shape = rect(x_stem - left, base - SERIF, x_stem + STEM + right, base)
    for side, x in ((-1, x_stem), (1, x_stem + STEM)):
        shape += polygon([(x, base - SERIF - 3.5), (x, base - SERIF), (x + side * 3.5, base - SERIF)])
    return shape


def _flag(x_stem, top):
    """The top-left serif of a lowercase stem."""
    return polygon([(x_stem - OVERHANG, top + 0.5), (x_stem + STEM, top - 1.5),
                    (x_stem + STEM, top + SERIF + 3), (x_stem, top + SERIF + 4),
                    (x_stem - OVERHANG, top + SERIF + 0.5)])


def glyph_n(x, base):
    top = base - X_HEIGHT
    left_stem, right_stem = x + OVERHANG, x + OVERHANG + STEM + 22
    shape = rect(left_stem, top, left_stem + STEM, base) + _flag(left_stem, top)
    shape += _foot(left_stem, base) + _foot(right_stem, base)
    out_e, in_e = _band(left_stem + STEM - HAIR - 0.5, right_stem + STEM, top - 1, top + 44,
                        HAIR + 0.5, STEM, HAIR + 1, 0)
    shape += arc_band(out_e, in_e, math.pi, 2 * math.pi)
    shape += rect(right_stem, out_e[1], right_stem + STEM, base - SERIF)
    return shape, right_stem + STEM + OVERHANG - x


def glyph_o(x, base):
    top = base - X_HEIGHT
    out_e, in_e = _band(x, x + 44, top - 1.5, base + 1.5, STEM, STEM, HAIR + 0.5, HAIR + 0.5)
    return ring(*out_e, *in_e), 44


def glyph_r(x, base):
    top = base - X_HEIGHT
    stem = x + OVERHANG
    shape = rect(stem, top, stem + STEM, base) + _flag(stem, top) + _foot(stem, base, right=9)
    out_e, in_e = _band(stem + STEM - HAIR - 0.5, stem + STEM + 22, top - 1, top + 30,
                        HAIR + 0.5, HAIR + 2, HAIR + 1.5, 0)
    shape += arc_band(out_e, in_e, math.pi, 1.72 * math.pi)
    shape += ellipse(stem + STEM + 16.5, top + 7.5, 5.8, 6.2)
    return shape, STEM + OVERHANG + 24


def glyph_v(x, base):
    top = base - X_HEIGHT
    left, right = x + OVERHANG, x + OVERHANG + 38
    middle = (left + right) / 2 + 2
    shape = polygon([(left, top), (left + STEM + 2.5, top), (middle + 2.5, base + 1),
                     (middle - 3.5, base + 1)])
    shape += polygon([(right - HAIR - 1.5, top), (right, top), (middle + 1.5, base + 1),
                      (middle - 0.5, base + 1)])
    shape += rect(left - OVERHANG, top, left + STEM + 2.5 + OVERHANG, top + SERIF)
    shape += rect(right - HAIR - 1.5 - OVERHANG, top, right + OVERHANG - 1, top + SERIF)
    return shape, right + OVERHANG - x


def glyph_a(x, base):
    top = base - X_HEIGHT
    stem = x + 27
    shape = rect(stem, top + 16, stem + STEM, base)
    # The tail: a short foot to the right that turns up.
    shape += polygon([(stem, base - SERIF), (stem + STEM + 6, base - SERIF - 1.5),
                      (stem + STEM + 6, base), (stem, base)])
    out_e, in_e = _band(stem - 24, stem + STEM, top - 1, top + 34, HAIR, STEM, HAIR + 1, 0)
    shape += arc_band(out_e, in_e, 1.1 * math.pi, 2 * math.pi)
    shape += ellipse(stem - 17.5, top + 9, 6.0, 6.2)
    out_b, in_b = _band(stem - 27, stem + 3, top + 21, base + 1.2, STEM - 0.5, HAIR, HAIR, HAIR + 0.5)
    shape += ring(*out_b, *in_b)
    return shape, stem + STEM + 6 - x


LETTERS = [(glyph_n, 3), (glyph_o, 5), (glyph_r, 2), (glyph_v, -2), (glyph_a, 0)]


def word(x, base):
    """The letters of "norva" from x on the baseline; returns the shape and
    the width."""
    shape, start = [], x
    for draw, space in LETTERS:
        part, width = draw(x, base)
        shape += part
        x += width + space
    return shape, x - start


def _bezier(p0, p1, p2, t):
    return ((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
            (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])


def _page(spine_x, top, side, width, height, lift=0.0, steps=16):
    """One open page: its top and bottom edges curve down into the spine.
    Returns a function mapping (u across the page from the spine, v down it)
    to a point, and the page's outline."""
    def edge(y, t):
        return _bezier((spine_x, y + 7), (spine_x + side * width * 0.25, y - 2 - lift),
                       (spine_x + side * width, y + 1), t)

    def at(u, v):
        a, b = edge(top, u), edge(top + height, u)
        return (a[0] + (b[0] - a[0]) * v, a[1] + (b[1] - a[1]) * v)

    points = [at(i / steps, 0) for i in range(steps + 1)] + \
             [at(1 - i / steps, 1) for i in range(steps + 1)]
    return at, outer(points)


def book(cx, top):
    """The open book: parts to paint in order, as (shape, colour)."""
    parts = []
    width, height = 33, 40
    # The cover, a little larger than the pages, and the leaves below the top one.
    for side in (-1, 1):
        _, cover = _page(cx, top + 5, side, width + 5, height + 2, lift=0)
        parts.append(([cover], COVER_DARK))
        _, cover = _page(cx, top + 4, side, width + 4, height + 1.5, lift=0)
        parts.append(([cover], COVER))
    for side in (-1, 1):
        for k in (3, 2, 1):
            _, leaf = _page(cx, top + k * 1.2, side, width + k * 0.8, height, lift=0)
            parts.append(([leaf], mix(PAGE_SHADE, PAGE, 0.3 * (3 - k))))
    # The top pages, shaded towards the spine, with lines of text.
    for side in (-1, 1):
        at, page = _page(cx, top, side, width, height)
        parts.append(([page], lambda x, y: mix(PAGE_SHADE, PAGE, clamp01(abs(x - cx) / 10.0))))
        for row in range(7):
            v = 0.16 + row * 0.11
            u0, u1 = 0.2, 0.9 if row % 3 != 2 else 0.6
            n = 8
            line = [at(u0 + (u1 - u0) * i / n, v) for i in range(n + 1)]
            line += [at(u1 - (u1 - u0) * i / n, v + 0.035) for i in range(n + 1)]
            parts.append(([outer(line)], LINE))
    # A gold ribbon hanging from the spine.
    parts.append((polygon([(cx - 1.5, top + height + 5), (cx + 2.0, top + height + 5),
                           (cx + 5.5, top + height + 15), (cx + 3.2, top + height + 13.5),
                           (cx + 2.2, top + height + 16.5)]), RIBBON))
    return parts


def pixels():
    """The logo as rows of (r, g, b), transparent pixels in the key colour."""
    base = 60
    text, text_width = word(0, base)
    book_width, gap = 82, 10
    left = (WIDTH - (book_width + gap + text_width)) // 2
    parts = book(left + book_width / 2, 10)
    text = [[(x + left + book_width + gap, y) for x, y in c] for c in text]

    canvas = Canvas(WIDTH, HEIGHT)
    text_cover = coverage(text, WIDTH, HEIGHT)
    book_cover = [0.0] * (WIDTH * HEIGHT)
    part_covers = []
    for shape, colour in parts:
        cover = coverage(shape, WIDTH, HEIGHT)
        part_covers.append((cover, colour))
        book_cover = [max(a, b) for a, b in zip(book_cover, cover)]
    solid = [min(1.0, max(a, b)) for a, b in zip(text_cover, book_cover)]

    shadow = blurred(shifted(solid, WIDTH, HEIGHT, 3, 3), WIDTH, HEIGHT, 1)
    canvas.paint(shadow, (0, 20, 0), opacity=0.55)
    canvas.paint(grown(solid, WIDTH, HEIGHT, 1), EDGE, opacity=0.85)
    for cover, colour in part_covers:
        canvas.paint(cover, colour)
    y_top, y_base = base - X_HEIGHT, base
    canvas.paint(text_cover, lambda x, y: mix(GOLD_TOP, GOLD_BOTTOM,
                                              clamp01((y - y_top) / (y_base - y_top))))

    flat = canvas.pixels(lambda x, y: window_green(y))
    return [[KEY if canvas.alpha[y * WIDTH + x] < 0.04 else flat[y][x] for x in range(WIDTH)]
            for y in range(HEIGHT)]
