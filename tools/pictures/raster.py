"""Antialiased polygon filling and a small RGBA canvas.

Shapes are lists of closed contours in pixel coordinates (x right, y down;
pixel (i, j) covers [i, i+1] x [j, j+1]). Filling uses the nonzero winding
rule, so overlapping outlines of the same orientation unite and a contour
of the opposite orientation cuts a hole. Outline helpers below return
contours already oriented.
"""
import math


def signed_area(points):
    area = 0.0
    for i, (x0, y0) in enumerate(points):
        x1, y1 = points[(i + 1) % len(points)]
        area += x0 * y1 - x1 * y0
    return area / 2


def outer(points):
    """The contour oriented as a filled area."""
    points = list(points)
    return points if signed_area(points) >= 0 else points[::-1]


def hole(points):
    """The contour oriented as a hole in a filled area."""
    points = list(points)
    return points if signed_area(points) <= 0 else points[::-1]


def rect(x0, y0, x1, y1):
    return [outer([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])]


def ellipse_points(cx, cy, rx, ry, steps=72, a0=0.0, a1=2 * math.pi):
    """Points along an ellipse from angle a0 to a1 (0 is to the right, angles
    grow clockwise on screen)."""
    return [(cx + rx * math.cos(a0 + (a1 - a0) * i / steps),
             cy + ry * math.sin(a0 + (a1 - a0) * i / steps)) for i in range(steps + 1)]


def ellipse(cx, cy, rx, ry, steps=72):
    return [outer(ellipse_points(cx, cy, rx, ry, steps)[:-1])]


def ring(cx, cy, rx, ry, inner_cx, inner_cy, inner_rx, inner_ry, steps=72):
    """An ellipse with an elliptic hole, which may be off centre."""
    return [outer(ellipse_points(cx, cy, rx, ry, steps)[:-1]),
            hole(ellipse_points(inner_cx, inner_cy, inner_rx, inner_ry, steps)[:-1])]


def arc_band(outer_e, inner_e, a0, a1, steps=48):
    """The band between two ellipses (cx, cy, rx, ry) from angle a0 to a1."""
    out_pts = ellipse_points(*outer_e, steps=steps, a0=a0, a1=a1)
    in_pts = ellipse_points(*inner_e, steps=steps, a0=a0, a1=a1)
    return [outer(out_pts + in_pts[::-1])]


def polygon(points):
    return [outer(points)]


def thick_line(x0, y0, x1, y1, width):
    """A straight stroke with square ends flush with its end points."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def translate(shape, dx, dy):
    return [[(x + dx, y + dy) for x, y in contour] for contour in shape]


def coverage(shape, width, height, sub=4):
    """Fraction of each pixel inside the shape, row by row: `sub` sample lines
    per pixel row, each crossed exactly in x."""
    rows = [[] for _ in range(height)]
    for contour in shape:
        n = len(contour)
        for i in range(n):
            x0, y0 = contour[i]
            x1, y1 = contour[(i + 1) % n]
            if y0 == y1:
                continue
            direction = 1 if y1 > y0 else -1
            if y0 > y1:
                x0, y0, x1, y1 = x1, y1, x0, y0
            edge = (y0, y1, x0, (x1 - x0) / (y1 - y0), direction)
            for row in range(max(0, int(math.floor(y0))), min(height, int(math.ceil(y1)))):
                rows[row].append(edge)
    cover = [0.0] * (width * height)
    weight = 1.0 / sub
    for py in range(height):
        edges = rows[py]
        if not edges:
            continue
        base = py * width
        for s in range(sub):
            y = py + (s + 0.5) / sub
            crossings = sorted((x0 + (y - y0) * slope, d)
                               for (y0, y1, x0, slope, d) in edges if y0 <= y < y1)
            winding = 0
            start = 0.0
            for x, d in crossings:
                before = winding
                winding += d
                if before == 0 and winding != 0:
                    start = x
                elif before != 0 and winding == 0:
                    _add_span(cover, base, width, start, x, weight)
    return cover


def _add_span(cover, base, width, xa, xb, weight):
    xa = max(0.0, xa)
    xb = min(float(width), xb)
    if xb <= xa:
        return
    ia, ib = int(xa), int(xb)
    if ia == ib:
        cover[base + ia] += (xb - xa) * weight
        return
    cover[base + ia] += (ia + 1 - xa) * weight
    for i in range(base + ia + 1, base + ib):
        cover[i] += weight
    if ib < width:
        cover[base + ib] += (xb - ib) * weight


def clamp01(v):
    return 0.0 if v < 0 else 1.0 if v > 1 else v


def mix(c0, c1, t):
    """The colour t of the way from c0 to c1."""
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


class Canvas:
    """Straight (not premultiplied) RGB in 0-255 floats with an alpha channel."""

    def __init__(self, width, height, colour=None):
        self.width, self.height = width, height
        n = width * height
        if colour is None:
            self.rgb = [(0.0, 0.0, 0.0)] * n
            self.alpha = [0.0] * n
        else:
            self.rgb = [tuple(float(c) for c in colour)] * n
            self.alpha = [1.0] * n

    def paint(self, cover, colour, opacity=1.0, rows=None):
        """Lays colour over the canvas where cover says; colour is an (r, g, b)
        or a function of the pixel (x, y) giving one. rows (first, last + 1)
        limits the work to the rows the cover can touch."""
        w = self.width
        shade = colour if callable(colour) else None
        first, last = rows if rows else (0, self.height)
        for i in range(max(0, first) * w, min(self.height, last) * w):
            c = cover[i]
            if c <= 0.0:
                continue
            a = (1.0 if c > 1.0 else c) * opacity
            col = shade(i % w, i // w) if shade else colour
            da = self.alpha[i]
            out_a = a + da * (1 - a)
            if out_a <= 0:
                continue
            r0, g0, b0 = self.rgb[i]
            k = da * (1 - a)
            self.rgb[i] = ((col[0] * a + r0 * k) / out_a, (col[1] * a + g0 * k) / out_a,
                           (col[2] * a + b0 * k) / out_a)
            self.alpha[i] = out_a

    def fill(self, shape, colour, opacity=1.0, sub=4):
        ys = [y for contour in shape for _, y in contour]
        if not ys:
            return
        rows = (int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1)
        self.paint(coverage(shape, self.width, self.height, sub), colour, opacity, rows)

    def pixels(self, background=(255, 255, 255)):
        """Rows of integer (r, g, b), flattened over a background colour (or a
        function of the pixel (x, y) giving one)."""
        out = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                i = y * self.width + x
                bg = background(x, y) if callable(background) else background
                a = self.alpha[i]
                row.append(tuple(int(round(c * a + b * (1 - a))) for c, b in zip(self.rgb[i], bg)))
            out.append(row)
        return out


def shifted(cover, width, height, dx, dy):
    """The coverage moved by whole pixels."""
    out = [0.0] * (width * height)
    for y in range(height):
        sy = y - dy
        if not 0 <= sy < height:
            continue
        for x in range(width):
            sx = x - dx
            if 0 <= sx < width:
                out[y * width + x] = cover[sy * width + sx]
    return out


def grown(cover, width, height, radius=1):
    """The coverage dilated by `radius` pixels (a square neighbourhood)."""
    out = list(cover)
    for dy in range(-radius, radius + 1):
        for dx in range(-radius, radius + 1):
            if dx or dy:
                s = shifted(cover, width, height, dx, dy)
                out = [a if a > b else b for a, b in zip(out, s)]
    return out


def blurred(cover, width, height, radius=1):
    """A box blur of the coverage."""
    out = [0.0] * (width * height)
    n = (2 * radius + 1) ** 2
    for y in range(height):
        for x in range(width):
            total = 0.0
            for dy in range(-radius, radius + 1):
                yy = y + dy
                if not 0 <= yy < height:
                    continue
                for dx in range(-radius, radius + 1):
                    xx = x + dx
                    if 0 <= xx < width:
                        total += min(1.0, cover[yy * width + xx])
            out[y * width + x] = total / n
    return out
