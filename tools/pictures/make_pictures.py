#!/usr/bin/env python3
"""Draws the pictures the programs ship and writes them into a folder:

  norvaicon.ico          the dictionary's icon (32 x 32 and 16 x 16, 16 colours)
  installicon.ico        the installer's icon (the same sizes and colours)
  logo.bmp               the main window's logo (24-bit; top-left colour transparent)
  clock1.bmp-clock12.bmp the sorting window's clock frames (30 x 30, 256 colours)
  dict.avi               the About box's animation (8-bit, uncompressed)

Usage: make_pictures.py OUTPUT_FOLDER [--frames FOLDER]
--frames also writes each frame of the animation as a bitmap, to look at.
Everything is drawn here; only Python's standard library is needed."""
import argparse
import os
import sys

sys.dont_write_bytecode = True  # nothing is left behind in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import animation  # noqa: E402
import clocks  # noqa: E402
import formats  # noqa: E402
import icons  # noqa: E402
import logo  # noqa: E402


def write(folder, name, data):
    """Writes through a temporary name, so that a build never sees half a file."""
    path = os.path.join(folder, name)
    with open(path + '.tmp', 'wb') as f:
        f.write(data)
    os.replace(path + '.tmp', path)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('output', help='folder to write the pictures into')
    parser.add_argument('--frames', metavar='FOLDER',
                        help='also write the animation frames as frame00.bmp, ...')
    args = parser.parse_args(argv)
    os.makedirs(args.output, exist_ok=True)

    write(args.output, 'norvaicon.ico', formats.ico_4bit([icons.book(32), icons.book(16)]))
    write(args.output, 'installicon.ico', formats.ico_4bit([icons.floppy(32), icons.floppy(16)]))
    write(args.output, 'logo.bmp', formats.bmp_24bit(logo.pixels()))

    palette, frames = formats.palettize(clocks.frames(), reserved=[clocks.WHITE])
    for k, frame in enumerate(frames, 1):
        write(args.output, 'clock%d.bmp' % k, formats.bmp_8bit(frame, palette))

    palette, frames = formats.palettize(animation.frames())
    write(args.output, 'dict.avi', formats.avi_8bit(frames, palette, animation.FPS))
    if args.frames:
        os.makedirs(args.frames, exist_ok=True)
        for i, frame in enumerate(frames):
            write(args.frames, 'frame%02d.bmp' % i, formats.bmp_8bit(frame, palette))
    return 0


if __name__ == '__main__':
    sys.exit(main())
