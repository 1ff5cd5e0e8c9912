#!/usr/bin/env python3
"""Writes vesko.ico: one 128 by 128 image, stored PNG-compressed as Windows has read icon
frames since Vista (a sixth of the bitmap's size in the one-file program). Transparency is
all or nothing, as the bitmap's AND mask had it, so the icon looks as it always has."""
import struct
import subprocess
import sys

SIZE = 128


def main(png, ico):
    frame = subprocess.run(["convert", png, "-channel", "A", "-threshold", "50%", "+channel",
                            "-background", "black", "-alpha", "background",
                            "-depth", "8", "-define", "png:color-type=6",
                            "-define", "png:compression-level=9",
                            "-strip", "png:-"], check=True, capture_output=True).stdout
    directory = struct.pack("<HHH", 0, 1, 1)
    # Width and height 128 fit their bytes; 32 bits per pixel, as the PNG holds them.
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(frame), 6 + 16)
    with open(ico, "wb") as out:
        out.write(directory + entry + frame)


if __name__ == "__main__":
    main(*sys.argv[1:3])
