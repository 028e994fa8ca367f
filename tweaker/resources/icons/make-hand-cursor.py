#!/usr/bin/env python3
"""Draws hand.cur, the pointing hand shown over the About dialog's icon link:
a 32x32 monochrome cursor with its hot spot on the fingertip."""
import struct

# '#' black, '.' white, ' ' transparent; rows from the top.
ART = """
     ##
    #..#
    #..#
    #..#
    #..#
    #..###
    #..#..###
    #..#..#..##
 ## #..#..#..#.#
#..##........#.#
#...#..........#
 #.............#
  #............#
  #...........#
   #..........#
   #.........#
    #........#
    #........#
    ##########
""".strip("\n").split("\n")

W = H = 32
xor = [[0] * W for _ in range(H)]
andm = [[1] * W for _ in range(H)]
for y, row in enumerate(ART):
    for x, ch in enumerate(row):
        if ch == "#":
            andm[y][x], xor[y][x] = 0, 0
        elif ch == ".":
            andm[y][x], xor[y][x] = 0, 1


def rows(mask):
    out = b""
    for y in reversed(range(H)):  # bottom-up DIB
        bits = 0
        for x in range(W):
            bits = (bits << 1) | mask[y][x]
        out += struct.pack(">I", bits)
    return out


header = struct.pack("<IiiHHIIiiII", 40, W, H * 2, 1, 1, 0, 0, 0, 0, 2, 0)
palette = struct.pack("<II", 0x000000, 0xFFFFFF)
image = header + palette + rows(xor) + rows(andm)
hot_x, hot_y = 6, 0
entry = struct.pack("<BBBBHHII", W, H, 2, 0, hot_x, hot_y, len(image), 6 + 16)
with open("hand.cur", "wb") as f:
    f.write(struct.pack("<HHH", 0, 2, 1) + entry + image)
