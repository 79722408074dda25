#!/usr/bin/env python3
"""Draws the program's toolbar pictures and its icon as small PNG files.

Every picture is a few flat shapes on a transparent 24 x 24 grid (the icon
48 x 48), written with the standard library only. Run it from the project
folder; it rewrites data/icons/*.png.
"""
import math
import os
import struct
import zlib

CLEAR = (0, 0, 0, 0)
INK = (40, 48, 64, 255)
PAPER = (250, 250, 246, 255)
BLUE = (52, 110, 190, 255)
LIGHT_BLUE = (160, 196, 236, 255)
YELLOW = (236, 190, 70, 255)
GREEN = (60, 150, 80, 255)
RED = (196, 64, 56, 255)
GREY = (150, 156, 166, 255)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[CLEAR] * size for _ in range(size)]

    def dot(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0)) or 1
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def disc(self, cx, cy, r, c):
        for y in range(self.size):
            for x in range(self.size):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.dot(x, y, c)

    def ring(self, cx, cy, r, c):
        for a in range(360):
            self.dot(round(cx + r * math.cos(math.radians(a))), round(cy + r * math.sin(math.radians(a))), c)

    def png(self):
        raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in self.px)

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        header = struct.pack(">IIBBBBB", self.size, self.size, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))


def page(c):
    c.rect(5, 2, 18, 21, PAPER)
    c.frame(5, 2, 18, 21, INK)
    c.rect(14, 2, 18, 6, CLEAR)
    c.line(14, 2, 14, 6, INK)
    c.line(14, 6, 18, 6, INK)
    c.line(14, 2, 18, 6, INK)


def new_file():
    c = Canvas(24)
    page(c)
    c.disc(17, 17, 4, YELLOW)
    c.line(17, 14, 17, 20, INK)
    c.line(14, 17, 20, 17, INK)
    return c


def open_file():
    c = Canvas(24)
    c.rect(2, 6, 9, 8, YELLOW)
    c.rect(2, 8, 20, 19, YELLOW)
    c.frame(2, 8, 20, 19, INK)
    c.line(2, 6, 9, 6, INK)
    c.line(2, 6, 2, 8, INK)
    c.line(9, 6, 10, 8, INK)
    c.line(6, 12, 22, 12, INK)
    c.line(6, 12, 3, 19, INK)
    c.line(22, 12, 20, 19, INK)
    return c


def save_file():
    c = Canvas(24)
    c.rect(3, 3, 20, 20, BLUE)
    c.frame(3, 3, 20, 20, INK)
    c.rect(7, 3, 16, 9, PAPER)
    c.rect(13, 4, 15, 8, INK)
    c.rect(6, 13, 17, 20, PAPER)
    c.line(8, 15, 15, 15, GREY)
    c.line(8, 17, 15, 17, GREY)
    return c


def print_file():
    c = Canvas(24)
    c.rect(6, 2, 17, 9, PAPER)
    c.frame(6, 2, 17, 9, INK)
    c.rect(2, 9, 21, 17, GREY)
    c.frame(2, 9, 21, 17, INK)
    c.rect(6, 14, 17, 21, PAPER)
    c.frame(6, 14, 17, 21, INK)
    return c


def radio(c, x):
    c.rect(x, 6, x + 7, 21, INK)
    c.line(x + 2, 1, x + 2, 6, INK)
    c.rect(x + 1, 8, x + 6, 12, LIGHT_BLUE)
    for y in (15, 17, 19):
        c.line(x + 1, y, x + 6, y, GREY)


def arrow_left(c, y, colour):
    c.line(11, y, 22, y, colour)
    c.line(11, y + 1, 22, y + 1, colour)
    c.line(11, y, 14, y - 3, colour)
    c.line(11, y + 1, 14, y + 4, colour)


def arrow_right(c, y, colour):
    c.line(11, y, 22, y, colour)
    c.line(11, y + 1, 22, y + 1, colour)
    c.line(22, y, 19, y - 3, colour)
    c.line(22, y + 1, 19, y + 4, colour)


def comm_read():
    c = Canvas(24)
    radio(c, 1)
    arrow_right(c, 13, GREEN)
    return c


def comm_port():
    c = Canvas(24)
    c.rect(4, 7, 19, 16, GREY)
    c.frame(4, 7, 19, 16, INK)
    for x in (7, 10, 13, 16):
        c.dot(x, 10, INK)
    for x in (8, 11, 14):
        c.dot(x, 13, INK)
    c.rect(10, 16, 13, 22, INK)
    return c


def comm_write():
    c = Canvas(24)
    radio(c, 1)
    arrow_left(c, 13, RED)
    return c


def about():
    c = Canvas(24)
    c.disc(11, 11, 10, BLUE)
    c.ring(11, 11, 10, INK)
    c.rect(10, 5, 12, 7, PAPER)
    c.rect(10, 9, 12, 17, PAPER)
    return c


def program_icon():
    c = Canvas(48)
    c.rect(12, 12, 35, 45, INK)
    c.rect(16, 2, 18, 12, INK)
    c.rect(15, 16, 32, 26, LIGHT_BLUE)
    for y in (30, 34, 38):
        for x in (16, 22, 28):
            c.rect(x, y, x + 3, y + 2, GREY)
    c.ring(36, 8, 5, BLUE)
    c.ring(36, 8, 9, BLUE)
    return c


PICTURES = {
    "tool1_new.png": new_file,
    "tool2_open.png": open_file,
    "tool3_save.png": save_file,
    "tool4_print.png": print_file,
    "tool5_read.png": comm_read,
    "tool6_port.png": comm_port,
    "tool7_write.png": comm_write,
    "tool8_about.png": about,
    "program.png": program_icon,
}

if __name__ == "__main__":
    os.makedirs("data/icons", exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join("data/icons", name), "wb") as f:
            f.write(draw().png())
