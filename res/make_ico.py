#!/usr/bin/env python3
"""Writes vesko.ico: one 128 by 128 image at 24 bits per pixel, transparent where the
PNG is, through the icon's AND mask. Reads the PNG's pixels through ImageMagick."""
import struct
import subprocess
import sys

SIZE = 128


def main(png, ico):
    rgba = subprocess.run(["convert", png, "-depth", "8", "rgba:-"], check=True,
                          capture_output=True).stdout
    assert len(rgba) == SIZE * SIZE * 4
    xor = bytearray()
    mask = bytearray()
    for row in range(SIZE - 1, -1, -1):  # bottom-up rows
        bits = 0
        mask_row = bytearray()
        for col in range(SIZE):
            r, g, b, a = rgba[(row * SIZE + col) * 4:(row * SIZE + col) * 4 + 4]
            xor += bytes((b, g, r) if a >= 128 else (0, 0, 0))
            bits = (bits << 1) | (0 if a >= 128 else 1)
            if col % 8 == 7:
                mask_row.append(bits)
                bits = 0
        mask += mask_row + bytes((-len(mask_row)) % 4)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    with open(ico, "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main(*sys.argv[1:3])
