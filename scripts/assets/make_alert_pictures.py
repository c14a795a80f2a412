"""Draws the alert windows' pictures: the faces of the Allow and Block buttons (a badge over the
word, on the mask colour the buttons leave transparent, so the button's own look shows around
them), the connection alert's heading band with its close mark, and the warning shield that sits
on the band. Run from anywhere; writes below assets/Forms."""
import os

import raster as R
from files import png_bytes
from letters import draw_word

HERE = os.path.dirname(os.path.abspath(__file__))
FORMS = os.path.join(HERE, "..", "..", "assets", "Forms")

FACE = 64                      # the buttons are FACE pixels square
MASK = (255, 0, 255)           # the buttons' MaskColor, &HFF00FF
FACE_GROUND = (246, 246, 242)  # what partly covered pixels are blended with: the button's face
WORD = (24, 38, 66)
WHITE = (255, 255, 255, 255)
GREEN = (46, 158, 62)
RED = (208, 48, 48)

HEADING = (420, 49)            # the connection alert's heading band
CLOSE_BOX = (380, 10, 408, 38)  # where its close area (Label1) lies
SHIELD_BOX = (10, 7, 46, 43)   # where the warning shield (Image1) lies
AMBER = (240, 184, 28)
# A shield on a 32 x 32 grid.
SHIELD = [(16, 1.5), (28.5, 5.5), (28.5, 14), (27, 20), (23, 25.5), (16, 30.5), (9, 25.5), (5, 20), (3.5, 14),
          (3.5, 5.5)]


def darker(colour, k=0.7):
    return tuple(int(c * k) for c in colour)


def face(colour, glyph):
    c = R.Canvas(FACE, FACE)
    cx, cy = FACE / 2.0, 24.5
    c.fill(R.circle(cx, cy, 15.5), darker(colour) + (255,))
    c.fill(R.circle(cx, cy, 14.2), colour + (255,))
    c.fill(lambda x, y: (x - cx) ** 2 + (y - cy + 6) ** 2 <= 64 and y < cy - 2, (255, 255, 255, 40))
    for points, width in glyph:
        c.fill(R.stroke([(cx + x, cy + y) for x, y in points], width), WHITE)
    return c


def masked(canvas):
    """Fully clear pixels become the mask colour; the rest are laid on the button's face colour."""
    out = []
    for (r, g, b, a), (fr, fg, fb) in zip(canvas.rgba(), canvas.rgb_over(FACE_GROUND)):
        out.append(MASK + (255,) if a == 0 else (fr, fg, fb, 255))
    return out


def make_faces():
    check = [([(-6.5, 0.5), (-2, 5), (6.5, -4.5)], 3.4)]
    cross = [([(-5, -5), (5, 5)], 3.4), ([(5, -5), (-5, 5)], 3.4)]
    for name, colour, glyph in (("allow", GREEN, check), ("block", RED, cross)):
        c = face(colour, glyph)
        draw_word(c, name.capitalize(), FACE / 2.0, 55.5, 10.0, 1.75, WORD + (255,))
        with open(os.path.join(FORMS, "faces", name + ".png"), "wb") as out:
            out.write(png_bytes(FACE, FACE, masked(c)))


def heading_band():
    w, h = HEADING
    c = R.Canvas(w, h)
    R.vertical_gradient(c, (38, 86, 160), (12, 34, 72))
    c.fill(lambda x, y: y >= h - 1, (90, 130, 200, 255))
    return c


def make_shield(band):
    left, top, right, bottom = SHIELD_BOX
    size = right - left
    c = R.Canvas(size, bottom - top)
    for y in range(c.height):
        c.pixels[y * size:(y + 1) * size] = band.pixels[(top + y) * band.width + left:(top + y) * band.width + right]
    c.fill(R.polygon(R.scaled(SHIELD, size)), darker(AMBER, 0.55) + (255,))
    c.fill(R.polygon(R.scaled([(16 + (x - 16) * 0.86, 15.5 + (y - 15.5) * 0.86) for x, y in SHIELD], size)),
           AMBER + (255,))
    ink = (40, 32, 8, 255)
    c.fill(R.stroke([(size / 2.0, 9.5), (size / 2.0, 20.5)], 3.8), ink)
    c.fill(R.circle(size / 2.0, 26.3, 2.1), ink)
    with open(os.path.join(FORMS, "alert.png"), "wb") as out:
        out.write(png_bytes(c.width, c.height, [p + (255,) for p in c.rgb_over((0, 0, 0))]))


def make_heading():
    w, h = HEADING
    c = heading_band()
    make_shield(c)
    left, top, right, bottom = CLOSE_BOX
    c.fill(R.rounded_rect(left + 0.5, top + 0.5, right - 0.5, bottom - 0.5, 5), (255, 255, 255, 36))
    mid_x, mid_y = (left + right) / 2.0, (top + bottom) / 2.0
    for a, b in (((-5, -5), (5, 5)), ((5, -5), (-5, 5))):
        c.fill(R.stroke([(mid_x + a[0], mid_y + a[1]), (mid_x + b[0], mid_y + b[1])], 2.4), (232, 238, 248, 255))
    with open(os.path.join(FORMS, "alert_heading.png"), "wb") as out:
        out.write(png_bytes(w, h, [p + (255,) for p in c.rgb_over((0, 0, 0))]))


def main():
    os.makedirs(os.path.join(FORMS, "faces"), exist_ok=True)
    make_faces()
    make_heading()


if __name__ == "__main__":
    main()
