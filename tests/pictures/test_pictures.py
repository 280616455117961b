"""Checks the files tools/pictures/make_pictures.py draws: their formats as
Windows reads them (icon directories and images, bitmap headers and
palettes, the AVI's chunks and index) and what they must show (transparent
backgrounds, the clock's hands, frames that change). The generator runs once
into a scratch folder; the files are read back with parsers of our own."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.environ.get('NORVA_PICTURE_TOOL') or os.path.join(
    HERE, '..', '..', 'tools', 'pictures', 'make_pictures.py')

folder = None


def setUpModule():
    global folder
    folder = tempfile.mkdtemp(prefix='norva-pictures-')
    subprocess.run([sys.executable, GENERATOR, folder, '--frames', os.path.join(folder, 'frames')],
                   check=True)


def tearDownModule():
    shutil.rmtree(folder, ignore_errors=True)


def read(name):
    with open(os.path.join(folder, name), 'rb') as f:
        return f.read()


def luminance(rgb):
    r, g, b = rgb
    return 0.3 * r + 0.59 * g + 0.11 * b


# --- bitmaps ---------------------------------------------------------------

class Bitmap:
    """A BMP file or an icon image: header fields and pixels as (r, g, b),
    top row first."""

    def __init__(self, info, pixel_data, palette_bytes=None):
        (self.header_size, self.width, self.height, self.planes, self.bits, self.compression,
         self.image_size, _, _, self.colours_used, _) = struct.unpack_from('<IiiHHIIiiII', info)
        self.palette = []
        if palette_bytes:
            for i in range(0, len(palette_bytes), 4):
                b, g, r, _ = palette_bytes[i:i + 4]
                self.palette.append((r, g, b))
        self.data = pixel_data

    def rows(self, height=None):
        height = height or abs(self.height)
        stride = (self.width * self.bits + 31) // 32 * 4
        out = []
        for y in range(height):
            line = self.data[(height - 1 - y) * stride:(height - y) * stride]
            row = []
            for x in range(self.width):
                if self.bits == 24:
                    b, g, r = line[3 * x:3 * x + 3]
                    row.append((r, g, b))
                elif self.bits == 8:
                    row.append(self.palette[line[x]])
                elif self.bits == 4:
                    row.append(self.palette[(line[x // 2] >> (0 if x % 2 else 4)) & 15])
                elif self.bits == 1:
                    row.append((line[x // 8] >> (7 - x % 8)) & 1)
            out.append(row)
        return out


def read_bmp(name):
    data = read(name)
    magic, size, _, _, offset = struct.unpack_from('<2sIHHI', data)
    assert magic == b'BM', name
    assert size == len(data), name
    bmp = Bitmap(data[14:54], data[offset:], data[54:offset])
    assert bmp.header_size == 40 and bmp.planes == 1 and bmp.compression == 0, name
    stride = (bmp.width * bmp.bits + 31) // 32 * 4
    assert len(data) - offset == stride * abs(bmp.height), name
    return bmp


class ClockFrameTest(unittest.TestCase):
    CENTRE = 15.0

    def frames(self):
        return {k: read_bmp('clock%d.bmp' % k) for k in range(1, 13)}

    def test_every_frame_is_30_by_30_with_256_colours(self):
        for k, bmp in self.frames().items():
            with self.subTest(frame=k):
                self.assertEqual((bmp.width, bmp.height), (30, 30))
                self.assertEqual(bmp.bits, 8)
                self.assertEqual(bmp.colours_used, 256)
                self.assertEqual(len(bmp.palette), 256)

    def test_background_is_white_and_white_is_nowhere_on_the_dial(self):
        for k, bmp in self.frames().items():
            rows = bmp.rows()
            with self.subTest(frame=k):
                for x, y in ((0, 0), (29, 0), (0, 29), (29, 29), (3, 3), (26, 26)):
                    self.assertEqual(rows[y][x], (255, 255, 255), (x, y))
                for y in range(30):
                    for x in range(30):
                        inside = (x + 0.5 - self.CENTRE) ** 2 + (y + 0.5 - self.CENTRE) ** 2 < 12 ** 2
                        if inside:
                            self.assertNotEqual(rows[y][x], (255, 255, 255), (x, y))

    def test_khaki_dial_inside_a_dark_rim(self):
        for k, bmp in self.frames().items():
            rows = bmp.rows()
            with self.subTest(frame=k):
                # The rim, at the top, bottom, left and right.
                for x, y in ((14, 2), (15, 27), (2, 15), (27, 14)):
                    self.assertLess(luminance(rows[y][x]), 100, (x, y))
                # The dial between the marks of 1 and 2 o'clock, and of 7 and 8.
                for x, y in ((20, 8), (9, 21)):
                    r, g, b = rows[y][x]
                    self.assertGreater(r, 180, (x, y))
                    self.assertGreater(g, 170, (x, y))
                    self.assertLess(b, r - 50, (x, y))  # yellowish, not grey or white

    def test_twelve_hour_marks(self):
        rows = self.frames()[1].rows()
        import math
        for hour in range(12):
            angle = math.radians(hour * 30)
            x = int(self.CENTRE + 10.6 * math.sin(angle))
            y = int(self.CENTRE - 10.6 * math.cos(angle))
            with self.subTest(hour=hour):
                self.assertLess(luminance(rows[y][x]), 160, (x, y))

    def test_minute_hand_points_to_twelve_in_every_frame(self):
        for k, bmp in self.frames().items():
            rows = bmp.rows()
            with self.subTest(frame=k):
                for y in (6, 9):
                    self.assertLess(luminance(rows[y][14]), 100)
                    self.assertLess(luminance(rows[y][15]), 100)

    def test_hour_hand_points_to_k_in_frame_k(self):
        import math
        frames = {k: bmp.rows() for k, bmp in self.frames().items()}

        def tip(hour):
            angle = math.radians(hour * 30)
            return (int(self.CENTRE + 5.5 * math.sin(angle)),
                    int(self.CENTRE - 5.5 * math.cos(angle)))

        for k in range(1, 12):  # 12 o'clock lies under the minute hand
            x, y = tip(k)
            opposite = (k + 5) % 12 + 1
            with self.subTest(frame=k):
                self.assertLess(luminance(frames[k][y][x]), 110, (x, y))
                self.assertGreater(luminance(frames[opposite][y][x]), 160, (x, y))
        # Frame 3 against frame 9, named: the tip at 3 o'clock is dark only in frame 3.
        self.assertLess(luminance(frames[3][15][20]), 110)
        self.assertGreater(luminance(frames[9][15][20]), 160)

    def test_frames_differ(self):
        rows = [bmp.rows() for bmp in self.frames().values()]
        for i in range(12):
            for j in range(i + 1, 12):
                self.assertNotEqual(rows[i], rows[j], (i + 1, j + 1))


class LogoTest(unittest.TestCase):
    def test_size_and_depth(self):
        bmp = read_bmp('logo.bmp')
        self.assertIn(bmp.bits, (8, 24))
        self.assertGreater(bmp.height, 0)  # bottom-up, as LoadImage expects
        # It must fit the band above the pair's names (96 pixels) and the
        # window's width (565), centred there.
        self.assertTrue(300 <= bmp.width <= 480, bmp.width)
        self.assertTrue(60 <= bmp.height <= 96, bmp.height)

    def test_top_left_colour_is_the_transparent_key(self):
        rows = read_bmp('logo.bmp').rows()
        key = rows[0][0]
        h, w = len(rows), len(rows[0])
        for x, y in ((w - 1, 0), (0, h - 1), (w - 1, h - 1)):
            self.assertEqual(rows[y][x], key)
        pixels = [c for row in rows for c in row]
        transparent = pixels.count(key) / len(pixels)
        self.assertTrue(0.3 < transparent < 0.95, transparent)
        # Near the key but not it would show as a coloured fringe on the
        # window's green.
        near = [c for c in pixels if c != key and sum(abs(a - b) for a, b in zip(c, key)) < 60]
        self.assertEqual(near, [])

    def test_the_picture_spans_the_logo(self):
        rows = read_bmp('logo.bmp').rows()
        key = rows[0][0]
        columns = [x for x in range(len(rows[0])) if any(row[x] != key for row in rows)]
        self.assertGreater(len(columns), 0.6 * len(rows[0]))
        bright = [c for row in rows for c in row if c != key and luminance(c) > 200]
        self.assertGreater(len(bright), 2000)  # the letters and pages


# --- icons -----------------------------------------------------------------

def read_icon(name):
    data = read(name)
    reserved, kind, count = struct.unpack_from('<HHH', data)
    assert (reserved, kind) == (0, 1), name
    images = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        assert offset + size <= len(data), name
        blob = data[offset:offset + size]
        info = Bitmap(blob[:40], b'')
        palette_size = 4 * (info.colours_used or (1 << info.bits))
        xor_size = (info.width * info.bits + 31) // 32 * 4 * w
        and_size = (info.width + 31) // 32 * 4 * w
        assert 40 + palette_size + xor_size + and_size == size, name
        colour = Bitmap(blob[:40], blob[40 + palette_size:40 + palette_size + xor_size],
                        blob[40:40 + palette_size])
        mask = Bitmap(blob[:40], blob[40 + palette_size + xor_size:])
        mask.bits = 1
        images.append({'entry': (w, h, colours, planes, bits), 'info': info,
                       'colours': colour.rows(h), 'mask': mask.rows(h)})
    return images


class IconTest(unittest.TestCase):
    def check_format(self, name):
        images = read_icon(name)
        self.assertEqual(sorted(i['entry'][:2] for i in images), [(16, 16), (32, 32)])
        for image in images:
            w, h, colours, planes, bits = image['entry']
            with self.subTest(size=w):
                self.assertEqual(colours, 16)
                self.assertEqual(bits, 4)
                self.assertEqual(image['info'].bits, 4)
                self.assertEqual(image['info'].width, w)
                self.assertEqual(image['info'].height, 2 * h)  # colour and mask
        return {i['entry'][0]: i for i in images}

    def opaque_colours(self, image):
        return [c for crow, mrow in zip(image['colours'], image['mask'])
                for c, m in zip(crow, mrow) if m == 0]

    def check_transparency(self, image):
        mask, colours = image['mask'], image['colours']
        n = len(mask)
        for x, y in ((0, 0), (n - 1, 0), (0, n - 1)):
            self.assertEqual(mask[y][x], 1, (x, y))
        # Where the mask lets the background through the colour must be black,
        # or it would be mixed into the background.
        for y in range(n):
            for x in range(n):
                if mask[y][x]:
                    self.assertEqual(colours[y][x], (0, 0, 0), (x, y))
        opaque = sum(row.count(0) for row in mask)
        self.assertTrue(0.25 * n * n < opaque < n * n, opaque)

    def test_program_icon_is_a_red_book_with_grey_page_edges(self):
        images = self.check_format('norvaicon.ico')
        for size, image in images.items():
            with self.subTest(size=size):
                self.check_transparency(image)
                opaque = self.opaque_colours(image)
                red = sum(1 for c in opaque if c in ((255, 0, 0), (128, 0, 0)))
                grey = sum(1 for c in opaque if c in ((192, 192, 192), (128, 128, 128)))
                self.assertGreater(red, len(opaque) * 0.35)
                self.assertGreater(grey, len(opaque) * 0.08)
                # The grey edges lie below the red cover.
                red_rows = [y for y, row in enumerate(image['colours'])
                            for c, m in zip(row, image['mask'][y]) if m == 0 and c == (255, 0, 0)]
                grey_rows = [y for y, row in enumerate(image['colours'])
                             for c, m in zip(row, image['mask'][y]) if m == 0 and c == (192, 192, 192)]
                self.assertGreater(sum(grey_rows) / len(grey_rows), sum(red_rows) / len(red_rows))

    def test_installer_icon_is_a_grey_floppy_disk(self):
        images = self.check_format('installicon.ico')
        for size, image in images.items():
            with self.subTest(size=size):
                self.check_transparency(image)
                opaque = self.opaque_colours(image)
                grey = sum(1 for c in opaque if c in ((192, 192, 192), (128, 128, 128)))
                self.assertGreater(grey, len(opaque) * 0.4)
                self.assertNotIn((255, 0, 0), opaque)


# --- animation -------------------------------------------------------------

def chunks(data, start, end):
    """(fourcc, list type or None, payload start, payload end) of the chunks
    in data[start:end]."""
    out = []
    pos = start
    while pos + 8 <= end:
        fourcc, size = struct.unpack_from('<4sI', data, pos)
        body = pos + 8
        assert body + size <= end, fourcc
        if fourcc in (b'RIFF', b'LIST'):
            out.append((fourcc, data[body:body + 4], body + 4, body + size))
        else:
            out.append((fourcc, None, body, body + size))
        pos = body + size + (size & 1)
    assert pos == end or pos == end + 1 or end - pos < 8
    return out


class AnimationTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        data = cls.data = read('dict.avi')
        (riff,) = chunks(data, 0, len(data))
        assert riff[0] == b'RIFF' and riff[1] == b'AVI '
        cls.top = {c[1] or c[0]: c for c in chunks(data, riff[2], riff[3])}
        hdrl = cls.top[b'hdrl']
        cls.hdrl = chunks(data, hdrl[2], hdrl[3])

    def test_main_header(self):
        self.assertEqual(self.hdrl[0][0], b'avih')
        _, _, start, end = self.hdrl[0]
        self.assertEqual(end - start, 56)
        (usec, _, _, flags, frames, _, streams, _, width, height) = struct.unpack_from(
            '<10I', self.data, start)
        self.assertTrue(1_000_000 / 15 <= usec <= 1_000_000 / 10, usec)  # 10-15 frames a second
        self.assertTrue(2.0 <= frames * usec / 1e6 <= 3.0, frames * usec)  # 2-3 seconds
        self.assertEqual(streams, 1)
        self.assertTrue(flags & 0x10)  # has an index
        self.assertTrue(100 <= width <= 160 and 100 <= height <= 140, (width, height))

    def stream(self):
        strl = [c for c in self.hdrl if c[1] == b'strl']
        self.assertEqual(len(strl), 1)
        parts = {c[0]: c for c in chunks(self.data, strl[0][2], strl[0][3])}
        return parts[b'strh'], parts[b'strf']

    def test_one_8_bit_palettized_video_stream_consistent_with_the_header(self):
        strh, strf = self.stream()
        kind, _, _, _, _, _, scale, rate, _, length = struct.unpack_from('<4s4sIHHIIIII', self.data, strh[2])
        left, top, right, bottom = struct.unpack_from('<4h', self.data, strh[3] - 8)
        self.assertEqual(kind, b'vids')
        usec, frames, width, height = (struct.unpack_from('<10I', self.data, self.hdrl[0][2])[i]
                                       for i in (0, 4, 8, 9))
        self.assertEqual(length, frames)
        self.assertAlmostEqual(scale / rate, usec / 1e6, places=3)
        self.assertEqual((left, top, right, bottom), (0, 0, width, height))
        info = Bitmap(self.data[strf[2]:strf[2] + 40], b'')
        self.assertEqual((info.width, info.height), (width, height))
        self.assertEqual(info.bits, 8)
        self.assertEqual(info.compression, 0)
        self.assertEqual(info.colours_used, 256)
        self.assertEqual(strf[3] - strf[2], 40 + 4 * 256)

    def frame_chunks(self):
        movi = self.top[b'movi']
        return movi, chunks(self.data, movi[2], movi[3])

    def test_frames_and_index(self):
        frames, width, height = (struct.unpack_from('<10I', self.data, self.hdrl[0][2])[i]
                                 for i in (4, 8, 9))
        movi, parts = self.frame_chunks()
        self.assertEqual([p[0] for p in parts], [b'00db'] * frames)
        stride = (width + 3) // 4 * 4
        for p in parts:
            self.assertEqual(p[3] - p[2], stride * height)
        idx = self.top[b'idx1']
        self.assertEqual(idx[3] - idx[2], 16 * frames)
        for i, p in enumerate(parts):
            ckid, flags, offset, size = struct.unpack_from('<4sIII', self.data, idx[2] + 16 * i)
            self.assertEqual(ckid, b'00db')
            self.assertTrue(flags & 0x10)  # key frame
            # Offsets count from the 'movi' type code.
            at = movi[2] - 4 + offset
            self.assertEqual(self.data[at:at + 4], b'00db')
            self.assertEqual(at + 8, p[2])
            self.assertEqual(size, p[3] - p[2])

    def test_the_pages_move(self):
        _, parts = self.frame_chunks()
        frames = [self.data[p[2]:p[3]] for p in parts]
        # Every frame differs from the one before it, and the animation is
        # more than a flicker between two pictures.
        for i in range(1, len(frames)):
            self.assertNotEqual(frames[i], frames[i - 1], i)
        self.assertGreater(len(set(frames)), len(frames) // 2)
        # Paper: a good share of every frame is bright, and it is not all
        # one colour.
        _, strf = self.stream()
        palette = Bitmap(b'\0' * 40, b'', self.data[strf[2] + 40:strf[3]]).palette
        for i, frame in enumerate(frames):
            bright = sum(1 for b in frame if luminance(palette[b]) > 200)
            self.assertGreater(bright, len(frame) // 10, i)

    def test_debug_frames_match_the_animation(self):
        _, parts = self.frame_chunks()
        written = sorted(os.listdir(os.path.join(folder, 'frames')))
        self.assertEqual(len(written), len(parts))
        bmp = read_bmp(os.path.join('frames', written[0]))
        self.assertEqual(bmp.data, self.data[parts[0][2]:parts[0][3]])


if __name__ == '__main__':
    unittest.main()
