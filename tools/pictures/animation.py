"""The About box's animation: an open book on a desk whose pages turn from
right to left, one leaf setting off every ten frames. After three leaves the
picture is the same as at the start, so the animation loops without a jump.

The book is modelled in a small 3-D space and projected: X across the book
from the spine (right positive), v from the far edge (0) to the near edge
(1), Z up from the desk."""
import math

from raster import Canvas, blurred, clamp01, coverage, mix, outer

WIDTH, HEIGHT = 144, 108
FPS = 12
FRAMES = 30
LEAF_FRAMES = 18     # one leaf's turn
LEAF_EVERY = 10      # a new leaf sets off this often
PATTERNS = 3         # text patterns on the pages repeat after this many leaves

CX, Y_FAR, DEPTH = 72.0, 50.0, 40.0
PAGE_WIDTH = 50.0
STACK = 5.0          # height of each block of pages above the desk

WALL_TOP, WALL_BOTTOM = (22, 58, 40), (64, 112, 72)
DESK_SHADOW = (10, 30, 16)
COVER, COVER_EDGE = (170, 26, 30), (104, 14, 18)
PAPER, PAPER_SHADE = (252, 248, 232), (196, 186, 156)
PAGE_EDGES, PAGE_EDGE_LINE = (232, 224, 198), (172, 162, 136)
TEXT = (138, 130, 118)


def project(x, v, z):
    scale = 0.82 + 0.18 * v
    return CX + x * scale, Y_FAR + v * DEPTH - z * scale * 0.75


def _ease(t):
    t = clamp01(t)
    return t * t * (3 - 2 * t)


def leaf_profile(theta, steps=12):
    """(X, Z) along a leaf at angle theta (0 lying right, pi lying left) that
    bends while it turns: its free edge runs ahead of the spine."""
    points = [(0.0, STACK)]
    x, z = 0.0, STACK
    bend = 0.7 * math.sin(theta)
    for i in range(1, steps + 1):
        s = (i - 0.5) / steps
        angle = min(math.pi, theta + bend * s * s)
        x += PAGE_WIDTH / steps * math.cos(angle)
        z += PAGE_WIDTH / steps * math.sin(angle)
        points.append((x, z))
    return points


def _surface(profile, v0=0.0, v1=1.0, i0=0, i1=None):
    """The outline of a leaf's strip between profile points i0 and i1."""
    i1 = len(profile) - 1 if i1 is None else i1
    top = [project(x, v0, z) for x, z in profile[i0:i1 + 1]]
    bottom = [project(x, v1, z) for x, z in profile[i0:i1 + 1]]
    return [outer(top + bottom[::-1])]


def _text_lines(profile, page, flip):
    """Lines of text on a leaf, a pattern per page number."""
    shapes = []
    seed = page % PATTERNS * 7 + (3 if flip else 0)
    n = len(profile) - 1
    for row in range(6):
        v = 0.14 + row * 0.12
        seed = (seed * 37 + 11) % 101
        start, end = 0.16, 0.88 - (seed % 5) * 0.07 * (row % 2 + 1)
        if row == 5:
            end = 0.5
        # Points along the profile between the fractions start and end.
        pts = []
        for k in range(9):
            f = (start + (end - start) * k / 8) * n
            i = min(int(f), n - 1)
            t = f - i
            x = profile[i][0] + (profile[i + 1][0] - profile[i][0]) * t
            z = profile[i][1] + (profile[i + 1][1] - profile[i][1]) * t
            pts.append((x, z))
        top = [project(x, v, z + 0.2) for x, z in pts]
        bottom = [project(x, v + 0.03, z + 0.2) for x, z in pts]
        shapes.append([outer(top + bottom[::-1])])
    return shapes


def _mirror(profile):
    return [(-x, z) for x, z in profile]


def _block(side):
    """A block of pages on one side: its near face and its outer face."""
    xs = [side * PAGE_WIDTH * i / 12 for i in range(13)]
    near_top = [project(x, 1.0, STACK) for x in xs]
    near_bottom = [project(x, 1.0, 1.0) for x in xs]
    outer_face = [project(side * PAGE_WIDTH, 0.0, STACK), project(side * PAGE_WIDTH, 1.0, STACK),
                  project(side * PAGE_WIDTH, 1.0, 1.0), project(side * PAGE_WIDTH, 0.0, 1.0)]
    return [outer(near_top + near_bottom[::-1])], [outer(outer_face)], xs


def _cover(side):
    w = side * (PAGE_WIDTH + 3)
    top = [project(0, -0.04, 1.0), project(w, -0.04, 1.0), project(w, 1.05, 1.0),
           project(0, 1.05, 1.0)]
    edge = [project(0, 1.05, 1.0), project(w, 1.05, 1.0), project(w, 1.05, -0.5),
            project(0, 1.05, -0.5)]
    return [outer(top)], [outer(edge)]


def _shade(theta, front):
    """Brightness of a leaf's side at angle theta, lit from the upper left."""
    nx, nz = (-math.sin(theta), math.cos(theta)) if front else (math.sin(theta), -math.cos(theta))
    light = clamp01(-0.45 * nx + 0.9 * nz)
    return 0.55 + 0.45 * light


_shadow_cache = []


def _desk_shadow():
    """The soft shadow the book casts on the desk (the same in every frame)."""
    if not _shadow_cache:
        corners = (project(-PAGE_WIDTH - 3, -0.05, 0), project(PAGE_WIDTH + 3, -0.05, 0),
                   project(PAGE_WIDTH + 3, 1.08, 0), project(-PAGE_WIDTH - 3, 1.08, 0))
        shadow = coverage([outer([(x + 3, y + 4) for x, y in corners])], WIDTH, HEIGHT)
        _shadow_cache.append(blurred(shadow, WIDTH, HEIGHT, 2))
    return _shadow_cache[0]


def _at(profile, f):
    """The point a fraction f of the way along the profile's segments."""
    n = len(profile) - 1
    f = min(max(f, 0.0), float(n))
    i = min(int(f), n - 1)
    t = f - i
    return (profile[i][0] + (profile[i + 1][0] - profile[i][0]) * t,
            profile[i][1] + (profile[i + 1][1] - profile[i][1]) * t)


def frame(index):
    """Frame `index` as rows of (r, g, b)."""
    canvas = Canvas(WIDTH, HEIGHT)
    canvas.paint([1.0] * (WIDTH * HEIGHT),
                 lambda x, y: mix(WALL_TOP, WALL_BOTTOM, y / (HEIGHT - 1)))
    canvas.paint(_desk_shadow(), DESK_SHADOW, opacity=0.6)

    # Leaves in flight: (page number, angle), the earliest first.
    flying = []
    landed = index // LEAF_EVERY  # leaves that set off in this loop so far
    for start in range(-2 * LEAF_EVERY, FRAMES, LEAF_EVERY):
        t = (index - start) / LEAF_FRAMES
        if 0 <= t < 1:
            flying.append(((start // LEAF_EVERY) % PATTERNS, math.pi * _ease(t)))
    # Pages lying open: the last leaf that has landed on the left, and the
    # page under the leaves still on the right.
    done = [s for s in range(-3 * LEAF_EVERY, FRAMES, LEAF_EVERY) if index - s >= LEAF_FRAMES]
    left_page = (max(done) // LEAF_EVERY) % PATTERNS
    right_page = (landed + 1) % PATTERNS
    del landed

    for side in (-1, 1):
        top, edge = _cover(side)
        canvas.fill(edge, COVER_EDGE)
        canvas.fill(top, COVER)
    for side in (-1, 1):
        near, outer_face, xs = _block(side)
        canvas.fill(outer_face, PAGE_EDGE_LINE)
        canvas.fill(near, PAGE_EDGES)
        for k in (0.35, 0.7):
            line = [project(x, 1.0, STACK - (STACK - 1) * k) for x in xs]
            canvas.fill([outer(line + [(px, py + 0.5) for px, py in line[::-1]])], PAGE_EDGE_LINE)
        profile = [(side * PAGE_WIDTH * i / 12, STACK) for i in range(13)]
        canvas.fill(_surface(profile), lambda x, y: mix(PAPER_SHADE, PAPER,
                                                        clamp01(abs(x - CX) / PAGE_WIDTH * 4)))
        for line in _text_lines(profile, left_page if side < 0 else right_page, side < 0):
            canvas.fill(line, TEXT)
    # The gutter's shadow along the spine.
    canvas.fill([outer([project(-2.5, 0, STACK), project(2.5, 0, STACK),
                        project(2.5, 1, STACK), project(-2.5, 1, STACK)])],
                PAPER_SHADE, opacity=0.8)

    for page, theta in flying:
        profile = leaf_profile(theta)
        front = theta < math.pi / 2
        canvas.fill(_surface(profile), PAPER_SHADE)
        for i in range(len(profile) - 1):
            (x0, z0), (x1, z1) = profile[i], profile[i + 1]
            angle = math.atan2(z1 - z0, x1 - x0)
            u = (i + 0.5) / (len(profile) - 1)
            base = mix(PAPER_SHADE, PAPER, clamp01(u * 4))
            # Strips overlap a little so that no seam shows between them.
            strip = [_at(profile, i - 0.3), profile[i], profile[i + 1], _at(profile, i + 1.3)]
            canvas.fill(_surface(strip), tuple(c * _shade(angle, front) for c in base))
        if abs(theta - math.pi / 2) > 0.35:
            lines = _text_lines(profile if front else profile, page, not front)
            for line in lines:
                canvas.fill(line, TEXT, opacity=0.8)
    return canvas.pixels()


def frames():
    return [frame(i) for i in range(FRAMES)]
