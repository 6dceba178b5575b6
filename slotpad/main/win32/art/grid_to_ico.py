#!/usr/bin/env python3
"""Writes a Windows .ico from a text grid: one letter a pixel, colours from a palette.

Usage: grid_to_ico.py PALETTE GRID OUT.ico
The icon holds the grid at its own size and at twice its size, 32-bit with an AND mask.
"""
import struct
import sys


def read_lines(path):
    with open(path, encoding="ascii") as f:
        return [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]


def read_palette(path):
    colours = {}
    for line in read_lines(path):
        key, value = line.split()[:2]
        colours[key] = None if value == "-" else int(value, 16)
    return colours


def image_entry(grid, colours, scale):
    height = len(grid) * scale
    width = len(grid[0]) * scale
    pixels = bytearray()
    mask = bytearray()
    mask_row_bytes = ((width + 31) // 32) * 4
    for y in reversed(range(height)):  # bottom-up rows
        row = grid[y // scale]
        mask_row = bytearray(mask_row_bytes)
        for x in range(width):
            rgb = colours[row[x // scale]]
            if rgb is None:
                pixels += b"\0\0\0\0"
                mask_row[x // 8] |= 0x80 >> (x % 8)
            else:
                pixels += struct.pack("<BBBB", rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16, 0xFF)
        mask += mask_row
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return width, height, header + pixels + mask


def main():
    palette_path, grid_path, out_path = sys.argv[1:4]
    colours = read_palette(palette_path)
    grid = read_lines(grid_path)
    if any(len(row) != len(grid[0]) for row in grid) or any(c not in colours for row in grid for c in row):
        sys.exit(f"{grid_path}: rows must be equally long and use palette letters only")
    images = [image_entry(grid, colours, scale) for scale in (2, 1)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, data in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    with open(out_path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
