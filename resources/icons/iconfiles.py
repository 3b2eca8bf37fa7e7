"""PNG, ICO and SVG encoders for the artwork, with nothing but the standard library."""

import struct
import zlib


def png(rows):
    """An 8-bit RGBA PNG from rows of (r, g, b, a) pixels."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def png_chunk(kind, data):
    crc = zlib.crc32(kind + data) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)


def packed_rows(rows, bits):
    """Bottom-up DIB rows of palette indices, each padded to a whole 32-bit word."""
    per_byte = 8 // bits
    out = b""
    for row in reversed(rows):
        line = bytearray()
        for start in range(0, len(row), per_byte):
            byte = 0
            for index in row[start:start + per_byte]:
                byte = (byte << bits) | index
            line.append(byte << bits * (per_byte - len(row[start:start + per_byte])))
        out += bytes(line) + b"\0" * (-len(line) % 4)
    return out


def dib(rows, palette, bits):
    """One icon image: header, palette, colour bits and the mask of clear pixels.

    Rows hold palette indices, None where the picture is clear. Clear pixels
    take palette entry 0, which is black, so that they leave the screen
    untouched where the mask lets it show through.
    """
    size = len(rows)
    xor = packed_rows([[index or 0 for index in row] for row in rows], bits)
    mask = packed_rows([[int(index is None) for index in row] for row in rows], 1)
    entries = 1 << bits
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, entries, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    table += b"\0" * (4 * entries - len(table))
    return header + table + xor + mask


def ico(images):
    """An icon group from (rows of palette indices, palette, bits) images."""
    blobs = [dib(*image) for image in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (rows, _, bits), blob in zip(images, blobs):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, (1 << bits) % 256, 0,
                           1, bits, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def svg(size, shapes, colours):
    """A scalable copy of the artwork from the boxes and roofs of its largest drawing."""
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}"'
             f' viewBox="0 0 {size} {size}">']
    for kind, what, x0, y0, x1, y1 in shapes:
        r, g, b, _ = colours[what]
        fill = f'fill="#{r:02x}{g:02x}{b:02x}"'
        if kind == "box":
            lines.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" {fill}'
                         ' shape-rendering="crispEdges"/>')
        else:
            lines.append(f'  <polygon points="{roof_outline(x0, x1, y0)}" {fill}/>')
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("ascii")


def roof_outline(x0, x1, base):
    """The slopes through the pixel centres of a roof's stepped edge, as SVG points."""
    rise = (x1 - x0 + 1) // 2
    points = [(x0 - 0.5, base), (x0 + rise - 0.5, base - rise),
              (x1 - rise + 0.5, base - rise), (x1 + 0.5, base)]
    return " ".join(f"{x:g},{y:g}" for x, y in points)
