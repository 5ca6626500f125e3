#!/usr/bin/env python3
"""Writes resources/stats.ico: the plug-in's icon, 32x32 and 16x16.

A light yellow square (the windows' background colour) with a thin dark
frame and a magenta dot, the colour of a worked map cell.  Plain 32-bit
bitmaps with an AND mask, which every Windows version since XP reads.
The output is the same on every run: run it again after changing it.
"""
import os
import struct

YELLOW = (255, 250, 198)
MAGENTA = (255, 0, 255)
FRAME = (96, 96, 64)


def pixel(size, x, y):
    if x in (0, size - 1) or y in (0, size - 1):
        return FRAME
    # Twice the coordinates, so the centre of a pixel is an integer.
    dx, dy = 2 * x + 1 - size, 2 * y + 1 - size
    radius = size * 5 // 8
    return MAGENTA if dx * dx + dy * dy <= radius * radius else YELLOW


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = bytearray()
    for y in reversed(range(size)):  # bitmaps run bottom-up
        for x in range(size):
            r, g, b = pixel(size, x, y)
            colours += bytes((b, g, r, 255))
    mask_row = ((size + 31) // 32) * 4  # every pixel opaque: all bits clear
    return header + bytes(colours) + bytes(mask_row * size)


def icon(sizes):
    images = [image(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "stats.ico")
    with open(target, "wb") as f:
        f.write(icon([32, 16]))
