#!/usr/bin/env python3
"""Draws Velmo's icon: a yellow ring of estimation with six coloured dots on
black, in at most 16 colours. Writes the PNG images of the hicolor theme,
its scalable SVG, the window icon the program builds in (the same images at
16, 32 and 48 px as bare pixels), and the web page's app icons (one of them
maskable: the design inside the middle four fifths, which any mask a
launcher cuts leaves whole).

Run it by hand after changing the design; its output is committed."""
import math
import pathlib
import struct
import zlib

PALETTE = {'.': (0, 0, 0), 'y': (255, 255, 0), 'r': (255, 0, 0), 'g': (0, 255, 0),
           'b': (0, 0, 255), 'w': (255, 255, 255), 'o': (255, 128, 0), 'c': (0, 255, 255)}
# Dots in a 32-unit square: x, y, colour.
DOTS = [(11, 11, 'r'), (20, 10, 'g'), (15, 16, 'w'), (10, 20, 'b'), (21, 20, 'o'), (16, 23, 'c')]


def draw(n):
    img = [['.'] * n for _ in range(n)]
    c = (n - 1) / 2
    radius = n * 0.42
    ring = max(0.55, n / 36)
    for y in range(n):
        for x in range(n):
            if abs(math.hypot(x - c, y - c) - radius) < ring:
                img[y][x] = 'y'
    s = n / 32
    half = 0 if n <= 16 else max(1, round(n / 32))
    for (x, y, col) in DOTS:
        cx, cy = int(x * s), int(y * s)
        for dy in range(-half, half + 1):
            for dx in range(-half, half + 1):
                img[cy + dy][cx + dx] = col
    return img


def write_rgb(path, img):
    """The bare pixels, three bytes each, row after row: the window icon the
    game builds in, which it shows without decoding anything."""
    path.write_bytes(b''.join(bytes(PALETTE[p]) for row in img for p in row))


def write_png(path, img):
    n = len(img)
    raw = b''.join(b'\x00' + b''.join(bytes(PALETTE[p]) for p in row) for row in img)
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    path.write_bytes(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', n, n, 8, 2, 0, 0, 0))
                     + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


here = pathlib.Path(__file__).resolve().parent
def write_svg(path):
    """The same design on a 32-unit square: the ring and the six dots."""
    hexes = {k: f'#{r:02X}{g:02X}{b:02X}' for k, (r, g, b) in PALETTE.items()}
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 32 32">',
             f'<rect width="32" height="32" fill="{hexes["."]}"/>',
             f'<circle cx="16" cy="16" r="{32 * 0.42:.2f}" fill="none" stroke="{hexes["y"]}" stroke-width="1.8"/>']
    parts += [f'<rect x="{x - 1}" y="{y - 1}" width="2" height="2" fill="{hexes[c]}"/>' for (x, y, c) in DOTS]
    path.write_text('\n'.join(parts + ['</svg>']) + '\n')


for n in (16, 32, 48, 64, 128, 256, 512):
    out = here / f'{n}x{n}'
    out.mkdir(exist_ok=True)
    write_png(out / 'org.velmo.Velmo.png', draw(n))
(here / 'scalable').mkdir(exist_ok=True)
write_svg(here / 'scalable' / 'org.velmo.Velmo.svg')


def padded(img, n):
    """The image in the middle of a black square of n."""
    m, pad = len(img), (n - len(img)) // 2
    out = [['.'] * n for _ in range(n)]
    for y in range(m):
        out[pad + y][pad:pad + m] = img[y]
    return out


window = here / 'window'
window.mkdir(exist_ok=True)
for n in (16, 32, 48):
    write_rgb(window / f'{n}x{n}.rgb', draw(n))

web = here / 'web'
web.mkdir(exist_ok=True)
for n in (192, 512):
    write_png(web / f'velmo-{n}.png', draw(n))
write_png(web / 'velmo-maskable-512.png', padded(draw(410), 512))
