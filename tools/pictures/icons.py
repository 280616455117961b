"""The two program icons in the 16 standard colours, 32 x 32 and 16 x 16:
the dictionary's red book lying at a slant with grey page edges, and the
installer's grey floppy disk. Shapes are drawn on a 32-unit grid and scaled;
edges are hard (no blending in 16 colours) and a black line goes round the
outside so that the shape stands out on any background."""
from raster import coverage, polygon, rect

BLACK, MAROON, GREY, SILVER, RED, YELLOW, NAVY, WHITE = 0, 1, 8, 7, 9, 11, 4, 15


class IndexCanvas:
    """Pixels as VGA16 indices, None where transparent."""

    def __init__(self, size):
        self.size = size
        self.scale = size / 32.0
        self.pixels = [[None] * size for _ in range(size)]

    def fill(self, shape, index):
        s = self.scale
        shape = [[(x * s, y * s) for x, y in contour] for contour in shape]
        cover = coverage(shape, self.size, self.size)
        for i, c in enumerate(cover):
            if c >= 0.5:
                self.pixels[i // self.size][i % self.size] = index

    def outline(self, index=BLACK):
        """Rings the opaque pixels with a line one pixel wide on the outside
        (enclosed gaps stay as they are)."""
        n = self.size
        outside = [[False] * n for _ in range(n)]
        todo = [(x, y) for x in range(n) for y in (0, n - 1)] + \
               [(x, y) for y in range(n) for x in (0, n - 1)]
        while todo:
            x, y = todo.pop()
            if not (0 <= x < n and 0 <= y < n) or outside[y][x] or self.pixels[y][x] is not None:
                continue
            outside[y][x] = True
            todo += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
        solid = [[p is not None for p in row] for row in self.pixels]
        for y in range(n):
            for x in range(n):
                if outside[y][x] and any(
                        0 <= x + dx < n and 0 <= y + dy < n and solid[y + dy][x + dx]
                        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                    self.pixels[y][x] = index

    def image(self):
        """(indices, opaque) as the icon writer takes them; transparent
        pixels get index 0, as the AND mask needs."""
        indices = [[0 if p is None else p for p in row] for row in self.pixels]
        opaque = [[p is not None for p in row] for row in self.pixels]
        return indices, opaque


def _lerp(p, q, t):
    return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)


def _down(p, d):
    return (p[0], p[1] + d)


def book(size):
    """A closed red book lying at a slant, seen from above. Its edges run in
    whole pixel steps (two across, one up along the spine; one across, one
    down along the ends) so that it stays crisp at 16 x 16: the red cover
    with the spine's shadow along the far edge and a gold band, then the grey
    page edges along the two near sides with the back cover below them."""
    c = IndexCanvas(size)
    if size >= 24:
        x0, y0, a, b, sides = 2, 16, 10, 7, [SILVER, SILVER, GREY, SILVER, SILVER, RED]
    else:
        x0, y0, a, b, sides = 1, 9, 5, 3, [SILVER, SILVER, RED]
    for d in range(2 * a + b + 1):
        x = x0 + d
        top = y0 - d // 2 if d <= 2 * a else y0 - a + (d - 2 * a)
        near = y0 + d if d <= b else y0 + b - (d - b + 1) // 2
        for y in range(top, near + 1):
            # Where the pixel lies on the cover: u along the spine (0 to a),
            # v across it (0 to b).
            u = (d - (y - y0)) / 3.0
            v = (d + 2 * (y - y0)) / 3.0
            colour = RED
            if y == top and d <= 2 * a:
                colour = MAROON
            elif abs(u - a * 0.3) <= (0.4 if size < 24 else 0.5) and 0 < v < b:
                colour = YELLOW
            c.pixels[y][x] = colour
        for i, colour in enumerate(sides):
            if size >= 24 and d == b and colour != RED:
                colour = GREY  # the corner between the two sides
            c.pixels[near + 1 + i][x] = colour
    c.outline()
    return c.image()


def floppy(size):
    """A grey 3.5-inch floppy disk in whole pixels: the metal shutter with
    its slot at the top, the white label below, the cut corner and (at 32 x
    32) the write-protect hole."""
    c = IndexCanvas(size)

    def box(x0, y0, x1, y1, colour):  # inclusive pixel bounds
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                c.pixels[y][x] = colour

    if size >= 24:
        box(2, 2, 29, 29, GREY)
        for i in range(3):  # the cut corner
            for x in range(29 - 2 + i + 1, 30):
                c.pixels[2 + i][x] = None
        box(3, 3, 26, 3, SILVER)   # light along the top edge
        box(3, 3, 3, 28, SILVER)   # and the left edge
        box(9, 2, 22, 12, SILVER)
        box(9, 12, 22, 12, GREY)
        box(17, 4, 20, 10, BLACK)
        box(6, 16, 25, 29, WHITE)
        box(8, 19, 23, 19, NAVY)
        box(8, 22, 23, 22, SILVER)
        box(8, 25, 23, 25, SILVER)
        box(3, 26, 4, 27, BLACK)
    else:
        box(1, 1, 14, 14, GREY)
        c.pixels[1][14] = None     # the cut corner
        box(4, 1, 11, 5, SILVER)
        box(8, 2, 10, 4, BLACK)
        box(3, 8, 12, 14, WHITE)
        box(4, 10, 11, 10, NAVY)
    c.outline()
    return c.image()
