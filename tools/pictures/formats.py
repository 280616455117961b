"""Writers for the Windows picture formats the programs load: BMP (8- and
24-bit), ICO (4-bit images with AND masks) and uncompressed 8-bit AVI, and a
median-cut palette for the 8-bit ones. Pictures are lists of rows, top row
first, of (r, g, b) tuples or of palette indices."""
import struct

# The 16 colours every display shows, in the order 4-bit bitmaps index them.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def _bitmap_info(width, height, bits, palette_size, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 2835, 2835,
                       palette_size, palette_size)


def _palette_bytes(palette, size):
    entries = list(palette) + [(0, 0, 0)] * (size - len(palette))
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in entries)


def _stride(width, bits):
    return (width * bits + 31) // 32 * 4


def dib_rows_8bit(indices):
    """8-bit pixel data, bottom row first, rows padded to four bytes."""
    width = len(indices[0])
    pad = b'\0' * (_stride(width, 8) - width)
    return b''.join(bytes(row) + pad for row in reversed(indices))


def bmp_24bit(pixels):
    height, width = len(pixels), len(pixels[0])
    pad = b'\0' * (_stride(width, 24) - 3 * width)
    data = b''.join(b''.join(struct.pack('<BBB', b, g, r) for r, g, b in row) + pad
                    for row in reversed(pixels))
    header_size = 14 + 40
    return (struct.pack('<2sIHHI', b'BM', header_size + len(data), 0, 0, header_size)
            + _bitmap_info(width, height, 24, 0, len(data)) + data)


def bmp_8bit(indices, palette):
    """A 256-colour bitmap: every palette entry is written, unused ones black."""
    height, width = len(indices), len(indices[0])
    data = dib_rows_8bit(indices)
    header_size = 14 + 40 + 4 * 256
    return (struct.pack('<2sIHHI', b'BM', header_size + len(data), 0, 0, header_size)
            + _bitmap_info(width, height, 8, 256, len(data)) + _palette_bytes(palette, 256) + data)


def icon_image_4bit(indices, opaque):
    """One icon image: 4-bit colour (the VGA16 indices) and its AND mask,
    where a set bit is a transparent pixel (its colour index must be 0)."""
    height, width = len(indices), len(indices[0])
    xor = bytearray()
    for row in reversed(indices):
        line = bytearray(_stride(width, 4))
        for x, index in enumerate(row):
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        xor += line
    mask = bytearray()
    for row in reversed(opaque):
        line = bytearray(_stride(width, 1))
        for x, solid in enumerate(row):
            if not solid:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack('<IiiHHIIiiII', 40, width, 2 * height, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return header + _palette_bytes(VGA16, 16) + bytes(xor) + bytes(mask)


def ico_4bit(images):
    """An icon file of 16-colour images, each (indices, opaque rows)."""
    blobs = [icon_image_4bit(indices, opaque) for indices, opaque in images]
    out = struct.pack('<HHH', 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (indices, _), blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', len(indices[0]) % 256, len(indices) % 256, 16, 0, 1, 4,
                           len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def _chunk(fourcc, data):
    return fourcc + struct.pack('<I', len(data)) + data + (b'\0' if len(data) % 2 else b'')


def _list(kind, data):
    return _chunk(b'LIST', kind + data)


def avi_8bit(frames, palette, fps):
    """An uncompressed 8-bit palettized AVI: one video stream, every frame a
    key frame, with an index."""
    height, width = len(frames[0]), len(frames[0][0])
    frame_size = _stride(width, 8) * height
    avih = struct.pack('<IIIIIIIIII4I', round(1_000_000 / fps), frame_size * fps, 0,
                       0x10,  # AVIF_HASINDEX
                       len(frames), 0, 1, frame_size, width, height, 0, 0, 0, 0)
    strh = struct.pack('<4s4sIHHIIIIIIIIhhhh', b'vids', b'DIB ', 0, 0, 0, 0, 1, fps, 0,
                       len(frames), frame_size, 0xFFFFFFFF, 0, 0, 0, width, height)
    strf = _bitmap_info(width, height, 8, 256, frame_size) + _palette_bytes(palette, 256)
    hdrl = _list(b'hdrl', _chunk(b'avih', avih) + _list(b'strl', _chunk(b'strh', strh)
                                                         + _chunk(b'strf', strf)))
    movi = b''
    index = b''
    for frame in frames:
        data = dib_rows_8bit(frame)
        # Offsets count from the 'movi' type code.
        index += struct.pack('<4sIII', b'00db', 0x10, 4 + len(movi), len(data))
        movi += _chunk(b'00db', data)
    body = b'AVI ' + hdrl + _list(b'movi', movi) + _chunk(b'idx1', index)
    return b'RIFF' + struct.pack('<I', len(body)) + body


def median_cut(histogram, count):
    """Up to `count` colours for a histogram {(r, g, b): pixels}: the boxes of
    colours are split, the fullest-and-widest first, at the pixel median of
    their widest channel; each box gives its pixel-weighted mean."""
    boxes = [list(histogram.items())]

    def spread(box):
        ranges = [max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3)]
        widest = max(range(3), key=lambda k: ranges[k])
        return ranges[widest], widest

    while len(boxes) < count:
        best, best_score = None, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            width, _ = spread(box)
            score = width * sum(n for _, n in box) ** 0.5
            if score > best_score:
                best, best_score = i, score
        if best is None:
            break
        box = boxes.pop(best)
        _, channel = spread(box)
        box.sort(key=lambda item: item[0][channel])
        total = sum(n for _, n in box)
        running, cut = 0, 1
        for j, (_, n) in enumerate(box):
            running += n
            if running * 2 >= total:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[k] * n for c, n in box) / total)) for k in range(3)))
    return palette


def palettize(pictures, reserved=(), count=256):
    """One palette for all the pictures and each picture as palette indices.
    The reserved colours come first and only pixels of exactly that colour
    map to them (a transparent key stays exact); the rest share a median-cut
    palette."""
    reserved = [tuple(c) for c in reserved]
    histogram = {}
    for picture in pictures:
        for row in picture:
            for c in row:
                if c not in reserved:
                    histogram[c] = histogram.get(c, 0) + 1
    free = count - len(reserved)
    colours = list(histogram) if len(histogram) <= free else median_cut(histogram, free)
    palette = reserved + colours
    lookup = {c: i for i, c in enumerate(reserved)}

    def nearest(c):
        best, best_d = len(reserved), None
        for i in range(len(reserved), len(palette)):
            p = palette[i]
            d = (p[0] - c[0]) ** 2 * 3 + (p[1] - c[1]) ** 2 * 4 + (p[2] - c[2]) ** 2 * 2
            if best_d is None or d < best_d:
                best, best_d = i, d
        return best

    out = []
    for picture in pictures:
        rows = []
        for row in picture:
            line = []
            for c in row:
                index = lookup.get(c)
                if index is None:
                    index = lookup[c] = nearest(c)
                line.append(index)
            rows.append(line)
        out.append(rows)
    return palette, out
