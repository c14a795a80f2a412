"""Writes the outlines of the program's shaped windows as region data carried in the pixels of a
24-bit bitmap one pixel high: each pixel holds one 32-bit field of the region data (blue bits 0-7,
green 8-15, red 16-23). A window's PicHiddenData shows the bitmap and its load turns it back
into the region. Run from anywhere; writes assets/Forms/shapes/<window>.bmp.

Sizes are in pixels from the window's upper-left corner; a window's design must be as large as
its outline."""
import math
import os

from files import bmp24_bytes

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "assets", "Forms", "shapes")


def corner_inset(radius, row):
    """How far a rounded corner of the radius cuts into pixel row `row` (0 at the corner's edge)."""
    dy = radius - row - 0.5
    return int(round(radius - math.sqrt(max(0.0, radius * radius - dy * dy))))


def rounded_bands(left, top, right, bottom, top_radius, bottom_radius):
    """One rectangle a pixel row for each row of the rounded corners, one for the rows between."""
    rects = [(left + corner_inset(top_radius, k), top + k, right - corner_inset(top_radius, k), top + k + 1)
             for k in range(top_radius)]
    rects.append((left, top + top_radius, right, bottom - bottom_radius))
    for k in reversed(range(bottom_radius)):
        inset = corner_inset(bottom_radius, k)
        y = bottom - k - 1
        rects.append((left + inset, y, right - inset, y + 1))
    return rects


def region_data(rects):
    left = min(r[0] for r in rects)
    top = min(r[1] for r in rects)
    right = max(r[2] for r in rects)
    bottom = max(r[3] for r in rects)
    fields = [32, 1, len(rects), 16 * len(rects), left, top, right, bottom]
    for r in rects:
        fields.extend(r)
    return fields


def write(name, rects, expected_count):
    assert len(rects) == expected_count, (name, len(rects))
    fields = region_data(rects)
    pixels = [((f >> 16) & 0xFF, (f >> 8) & 0xFF, f & 0xFF) for f in fields]
    assert all(0 <= f < 1 << 24 for f in fields)
    with open(os.path.join(OUT, name + ".bmp"), "wb") as out:
        out.write(bmp24_bytes(len(pixels), 1, pixels))


def main():
    os.makedirs(OUT, exist_ok=True)
    # The splash: a rounded panel in the lower part of its 312 x 244 window.
    write("splash", rounded_bands(7, 130, 304, 236, 28, 27), 56)
    # The main window, 612 x 361: its face without the outer 5 pixels at the top and left.
    write("frmMain", [(5, 5, 612, 361)], 1)
    # The connection alert, 420 x 240: a heading with rounded top corners over a body a little
    # narrower with rounded bottom corners.
    alert = rounded_bands(0, 0, 420, 49, 24, 0)
    alert += rounded_bands(3, 49, 417, 240, 0, 24)
    write("frmAlert", alert, 50)
    # The graph window, 480 x 300: the corner pixels cut off.
    write("frmGraph", [(1, 0, 479, 1), (0, 1, 480, 299), (1, 299, 479, 300)], 3)
    # Rectangular windows whose frame is drawn by the program itself.
    for name, (w, h) in {"frmServiceAlert": (420, 180), "frmApplications": (480, 330), "frmport": (480, 330),
                         "frmfilter": (480, 330), "frmBlock": (320, 160), "frmAdd": (400, 200)}.items():
        write(name, [(0, 0, w, h)], 1)


if __name__ == "__main__":
    main()
