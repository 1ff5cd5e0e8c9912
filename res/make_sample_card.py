#!/usr/bin/env python3
"""Writes docs/sample-card/config.bin: a card as a recorder leaves it, with its firmware
version and settings other than the defaults, for screenshots and the package check.
The result is committed; run this only to change the sample."""
import pathlib
import struct

settings = bytes([
    1,      # video resolution: 720P(60fps)
    0,      # recording time: 1 minute
    0,      # recording mode: Normal
    2,      # parking mode: 2 hours
    3, 3, 5,  # G-sensor X, Y, Z
    0,      # audio: ON
    13,     # time zone: GMT +1:00
    0,      # daylight saving: ON
    1,      # daylight-saving mode: Manual
    4, 3,   # starts in the 4th week of March (weeks and months count from 1)
    4, 10,  # stops in the 4th week of October
    1, 1, 1,  # date, vehicle-number and speed stamps: ON
    1, 110,  # speed-limit event: ON, at 110
])


def text(value, size):
    return value.encode("latin-1").ljust(size, b"\0")


record = (settings + text("BVK_2024", 15) + text("road2024trip", 20) + text("VESKOCAM01", 20)
          + bytes([0]) + text("DV205-2.14", 20) + bytes(4)
          + struct.pack("<6H", 2026, 12, 1, 8, 30, 0) + bytes(16))
assert len(record) == 128
out = pathlib.Path(__file__).resolve().parent.parent / "docs" / "sample-card" / "config.bin"
out.parent.mkdir(parents=True, exist_ok=True)
out.write_bytes(record)
