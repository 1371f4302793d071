#!/usr/bin/env python3
"""Writes app/Tessivar.ico: a yellow-orange sun with pointed rays on a transparent background.

Two images, each with a 1-bit mask: 40x40 at 24 bits per pixel and 16x16 at 8 bits per pixel
with a 256-colour palette. Only the standard library is used, and the output is byte for byte
the same on every run, so the committed icon can be checked against this script.
"""
import math
import struct
import sys

RAYS = 12
SAMPLES = 4  # supersampling per axis


def shade(x, y, size):
    """Colour and coverage of the sun at a point given in pixel units of a size x size image."""
    c = size / 2.0
    dx, dy = x - c, y - c
    r = math.hypot(dx, dy) / c  # 0 at the centre, 1 at the image edge
    disc = 0.52
    if r <= disc:
        t = r / disc
        return (255, int(225 - 60 * t), int(40 - 40 * t)), True
    # Rays: triangles from the disc's edge to a point near the image edge.
    angle = math.atan2(dy, dx) % (2 * math.pi / RAYS)
    half_width = (math.pi / RAYS) * 0.75 * max(0.0, (0.98 - r) / (0.98 - disc + 0.06))
    centre = math.pi / RAYS
    if r < 0.98 and abs(angle - centre) <= half_width:
        return (255, 150, 0), True
    return (0, 0, 0), False


def render(size):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour, inside = shade(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES, size)
                    if inside:
                        hits += 1
                        acc = [a + b for a, b in zip(acc, colour)]
            opaque = hits * 2 >= SAMPLES * SAMPLES
            colour = tuple(a // hits for a in acc) if hits else (0, 0, 0)
            row.append((colour if opaque else (0, 0, 0), opaque))
        pixels.append(row)
    return pixels


def mask_rows(pixels):
    size = len(pixels)
    stride = ((size + 31) // 32) * 4
    out = b""
    for row in reversed(pixels):  # bottom-up
        bits = bytearray(stride)
        for x, (_, opaque) in enumerate(row):
            if not opaque:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def bitmap_header(size, bits, colours):
    # Height is doubled: the colour image and the mask are stacked.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def image_24(pixels):
    size = len(pixels)
    stride = ((size * 3 + 3) // 4) * 4
    body = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for (r, g, b), _ in row)
        body += line + b"\0" * (stride - len(line))
    return bitmap_header(size, 24, 0) + body + mask_rows(pixels)


def palette():
    # The sun's own shades first, then a 6x6x6 colour cube, then greys up to 256 entries.
    colours = [(255, g, b) for g in range(150, 230, 8) for b in (0, 40)]
    colours += [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    grey = 0
    while len(colours) < 256:
        colours.append((grey, grey, grey))
        grey = (grey + 7) % 256
    return colours[:256]


def image_8(pixels):
    size = len(pixels)
    colours = palette()
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    stride = ((size + 3) // 4) * 4
    body = b""
    for row in reversed(pixels):
        line = bytearray()
        for colour, opaque in row:
            if not opaque:
                line.append(0 if colours[0] == (0, 0, 0) else colours.index((0, 0, 0)))
                continue
            line.append(min(range(256), key=lambda i: sum((a - b) ** 2 for a, b in zip(colours[i], colour))))
        body += bytes(line) + b"\0" * (stride - len(line))
    return bitmap_header(size, 8, 256) + table + body + mask_rows(pixels)


def icon(images):
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, bits, colours, data in images:
        entries += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return header + entries + b"".join(d for *_, d in images)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "app/Tessivar.ico"
    big = image_24(render(40))
    small = image_8(render(16))
    data = icon([(40, 24, 0, big), (16, 8, 0, small)])
    with open(out, "wb") as f:
        f.write(data)
    print(f"{out}: {len(data)} bytes (images {len(big)} and {len(small)})")


if __name__ == "__main__":
    main()
