#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files into src/res/icons.

The tray icons show a mouse whose left and right buttons light up when the
left and right click repeaters run, so the four states tell apart at 16x16.
Run it again after changing a design; the .ico files are committed."""
import os
import struct

OUT = os.path.join(os.path.dirname(__file__), "..", "src", "res", "icons")

BODY = (58, 64, 84, 255)
BODY_LIGHT = (226, 220, 202, 255)
OFF = (170, 178, 192, 255)
ON = (236, 48, 86, 255)
CLEAR = (0, 0, 0, 0)


def mouse(size, left_on, right_on, app=False):
    s = size / 16.0
    px = [[CLEAR] * size for _ in range(size)]

    def inside_body(x, y):
        # a rounded body from (2,1) to (13,15) in 16-pixel units
        fx, fy = (x + 0.5) / s, (y + 0.5) / s
        if fx < 2.5 or fx > 13.5 or fy < 0.5 or fy > 15.5:
            return False
        for cx, cy in ((5.5, 3.5), (10.5, 3.5), (5.5, 12.5), (10.5, 12.5)):
            if ((fx < 5.5 and cx == 5.5) or (fx > 10.5 and cx == 10.5)) and \
               ((fy < 3.5 and cy == 3.5) or (fy > 12.5 and cy == 12.5)):
                if (fx - cx) ** 2 + (fy - cy) ** 2 > 9.0:
                    return False
        return True

    for y in range(size):
        for x in range(size):
            if not inside_body(x, y):
                continue
            fx, fy = (x + 0.5) / s, (y + 0.5) / s
            edge = not all(inside_body(x + dx, y + dy)
                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                           if 0 <= x + dx < size and 0 <= y + dy < size)
            if edge:
                px[y][x] = BODY
            elif fy < 7.0 and abs(fx - 8.0) > 0.6:
                px[y][x] = (ON if left_on else OFF) if fx < 8.0 else (ON if right_on else OFF)
            elif fy < 7.6:
                px[y][x] = BODY
            else:
                px[y][x] = BODY if app and fy > 9 and abs(fx - 8.0) < 2.2 and fy < 13 else BODY_LIGHT
    return px


def ico(images):
    """Each image as a 16-colour bitmap with its transparency mask: the designs
    have a handful of colours and no partly transparent pixel, so this shows
    every pixel as a 32-bit image with an alpha channel would, at a fifth of
    the size. Clear pixels are black in the colour bitmap (index 0) and set
    in the mask."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for px in images:
        size = len(px)
        palette = [(0, 0, 0)]
        for row in px:
            for (r, g, b, a) in row:
                assert a in (0, 255), "partly transparent pixel"
                if a and (r, g, b) not in palette:
                    palette.append((r, g, b))
        assert len(palette) <= 16, "more than 15 colours"
        palette += [(0, 0, 0)] * (16 - len(palette))
        xor_row_bytes = ((size * 4 + 31) // 32) * 4
        xor = b""
        for row in reversed(px):
            line = bytearray(xor_row_bytes)
            for x, (r, g, b, a) in enumerate(row):
                if a:
                    line[x // 2] |= palette.index((r, g, b)) << (4 if x % 2 == 0 else 0)
            xor += bytes(line)
        row_bytes = ((size + 31) // 32) * 4
        mask = b""
        for row in reversed(px):
            line = bytearray(row_bytes)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(line)
        bih = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 0, 0)
        colours = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
        blob = bih + colours + xor + mask
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def main():
    os.makedirs(OUT, exist_ok=True)
    designs = {
        "app.ico": (True, True, True),
        "tray_none.ico": (False, False, False),
        "tray_left.ico": (True, False, False),
        "tray_right.ico": (False, True, False),
        "tray_both.ico": (True, True, False),
    }
    for name, (left, right, app) in designs.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(ico([mouse(16, left, right, app), mouse(32, left, right, app)]))


if __name__ == "__main__":
    main()
