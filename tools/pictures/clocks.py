"""The twelve frames of the sorting window's clock: a khaki dial with a dark
rim and twelve hour marks, the minute hand at 12 and the hour hand at k
o'clock in frame k. White is the transparent colour; the rim's outer edge is
smoothed towards the window's light grey, which shows around it."""
import math

from raster import Canvas, ellipse, ring, thick_line

SIZE = 30
CENTRE = 15.0
WHITE = (255, 255, 255)
WINDOW_GREY = (192, 192, 192)
KHAKI = (240, 228, 140)
RIM = (70, 52, 22)
MARK = (60, 48, 28)
HAND = (25, 25, 30)
HOUR_HAND = (90, 20, 10)

RIM_OUTER, RIM_INNER = 14.2, 12.0
HOUR_HAND_LENGTH, MINUTE_HAND_LENGTH = 7.5, 10.5


def _point(hour, radius):
    angle = math.radians(hour * 30)
    return CENTRE + radius * math.sin(angle), CENTRE - radius * math.cos(angle)


def frame(k):
    """Frame k (1-12) as rows of (r, g, b)."""
    canvas = Canvas(SIZE, SIZE)
    canvas.fill(ellipse(CENTRE, CENTRE, RIM_INNER + 0.5, RIM_INNER + 0.5), KHAKI)
    canvas.fill(ring(CENTRE, CENTRE, RIM_OUTER, RIM_OUTER, CENTRE, CENTRE, RIM_INNER, RIM_INNER),
                RIM)
    for hour in range(12):
        inner = 8.4 if hour % 3 == 0 else 9.6
        width = 1.9 if hour % 3 == 0 else 1.3
        canvas.fill(thick_line(*_point(hour, inner), *_point(hour, 11.6), width), MARK)
    canvas.fill(thick_line(*_point(k, -1.5), *_point(k, HOUR_HAND_LENGTH), 2.4), HOUR_HAND)
    canvas.fill(thick_line(*_point(12, -1.5), *_point(12, MINUTE_HAND_LENGTH), 2.0), HAND)
    canvas.fill(ellipse(CENTRE, CENTRE, 2.0, 2.0), HAND)
    # Outside the rim the frame is transparent white; the rim's edge pixels
    # are blended with the grey the frame is drawn on.
    grey = canvas.pixels(WINDOW_GREY)
    return [[WHITE if canvas.alpha[y * SIZE + x] < 0.03 else grey[y][x] for x in range(SIZE)]
            for y in range(SIZE)]


def frames():
    return [frame(k) for k in range(1, 13)]
