#!/usr/bin/env python3
"""Draws folder_tree.bmp, the folder tree's images: four 20 x 20 pictures side by side in one
8-bit palette bitmap, magenta (255, 0, 255) for what shows the tree's background.

  0  a folder on the way to the destination folders
  1  the same, selected (opened)
  2  a destination folder: a folder with a drawing sheet on it
  3  the same, selected (opened)

Run it again after changing a picture: python3 make_folder_tree.py
"""
import os
import struct

SIZE = 20
PALETTE = [
    (255, 0, 255),    # 0 transparent
    (0, 0, 0),        # 1 outline
    (240, 200, 80),   # 2 folder
    (255, 232, 150),  # 3 folder light
    (190, 140, 40),   # 4 folder shadow
    (255, 255, 255),  # 5 paper
    (40, 90, 200),    # 6 drawing lines
    (128, 128, 128),  # 7 paper edge
]


def folder(opened):
    p = [[0] * SIZE for _ in range(SIZE)]

    def box(x0, y0, x1, y1, fill, edge=1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                border = x in (x0, x1) or y in (y0, y1)
                p[y][x] = edge if border else fill

    box(2, 4, 8, 6, 2)  # the tab
    box(1, 6, 18, 17, 4 if opened else 2)  # the back
    if opened:
        # the front leans open over the back
        for y in range(9, 18):
            shift = (17 - y) // 3
            for x in range(3 + shift, 19 - (17 - y) // 4):
                edge = y in (9, 17) or x in (3 + shift, 18 - (17 - y) // 4)
                p[y][x] = 1 if edge else 3
    else:
        for x in range(2, 18):
            p[7][x] = 3  # the light on the top edge
    return p


def with_sheet(opened):
    p = folder(opened)
    # a drawing sheet standing in the folder, with a plan drawn on it
    for y in range(1, 13):
        for x in range(9, 17):
            p[y][x] = 7 if x in (9, 16) or y in (1, 12) else 5
    for x in range(11, 15):
        p[4][x] = 6
        p[9][x] = 6
    for y in range(4, 10):
        p[y][11] = 6
        p[y][14] = 6
    p[6][12] = p[7][13] = 6
    return p


def write_bmp(path, images):
    width = SIZE * len(images)
    row_bytes = (width + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up rows
        row = bytearray()
        for image in images:
            row.extend(image[y])
        row.extend(b"\0" * (row_bytes - width))
        pixels.extend(row)
    colors = bytearray()
    for r, g, b in PALETTE + [(0, 0, 0)] * (256 - len(PALETTE)):
        colors.extend((b, g, r, 0))
    offset = 14 + 40 + len(colors)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, SIZE, 1, 8, 0, len(pixels), 2835, 2835, 256,
                       0)
    with open(path, "wb") as out:
        out.write(header + info + colors + pixels)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "folder_tree.bmp"),
              [folder(False), folder(True), with_sheet(False), with_sheet(True)])
