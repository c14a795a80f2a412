"""Draws the program's own pictures: the tray icons (at 16, 22 and 32 pixels), the application
list's rule icons, the rule list's application icons, the permission-state marks, the faces of
the windows' picture buttons, the add buttons' icon, the heading logo and the splash's face. Run
from anywhere; writes below assets/Forms."""
import os

import raster as R
from files import ico_bytes, png_bytes

HERE = os.path.dirname(os.path.abspath(__file__))
FORMS = os.path.join(HERE, "..", "..", "assets", "Forms")

HEADER = (16, 48, 96)          # the main window's heading band
WHITE = (255, 255, 255, 255)

BLUE = (47, 111, 208)
RED = (208, 48, 48)
GREEN = (46, 158, 62)
GREY = (138, 143, 150)
ORANGE = (224, 120, 32)

# A shield on a 32 x 32 grid.
SHIELD = [(16, 1.5), (28.5, 5.5), (28.5, 14), (27, 20), (23, 25.5), (16, 30.5), (9, 25.5), (5, 20), (3.5, 14),
          (3.5, 5.5)]


def darker(colour, k=0.62):
    return tuple(int(c * k) for c in colour)


def inset(points, centre=(16, 15.5), k=0.84):
    return [(centre[0] + (x - centre[0]) * k, centre[1] + (y - centre[1]) * k) for x, y in points]


def shield(canvas, size, colour):
    canvas.fill(R.polygon(R.scaled(SHIELD, size)), darker(colour) + (255,))
    canvas.fill(R.polygon(R.scaled(inset(SHIELD), size)), colour + (255,))


# Tray glyphs on the 32 grid: a list of (polyline, width), drawn white.
def arrow(points, head):
    return [(points, 3.6), (head, 3.6)]


TRAY = {
    10: (BLUE, [([(10, 15.5), (14.5, 20.5), (22.5, 10.5)], 4.0)]),
    11: (RED, [([(10, 15.5), (22, 15.5)], 4.6)]),
    12: (GREEN, arrow([(12, 23), (12, 9)], [(8, 13), (12, 9), (16, 13)]) +
         arrow([(20, 9), (20, 23)], [(16, 19), (20, 23), (24, 19)])),
    13: (GREY, [(R.arc(16, 15.5, 5.5, 0, 360), 3.2)]),
    14: (GREEN, arrow([(9, 15.5), (23, 15.5)], [(18, 10.5), (23, 15.5), (18, 20.5)])),
    15: (ORANGE, [([(11, 10.5), (21, 20.5)], 4.0), ([(21, 10.5), (11, 20.5)], 4.0)]),
}


def tray_icon(number, size):
    colour, strokes = TRAY[number]
    c = R.Canvas(size, size)
    shield(c, size, colour)
    # Thin strokes would vanish at 16 pixels: they keep at least 1.6 pixels.
    for points, width in strokes:
        c.fill(R.stroke(R.scaled(points, size), max(width * size / 32.0, 1.6)), WHITE)
    return c


def save_png(path, canvas, background=None):
    pixels = canvas.rgba() if background is None else [p + (255,) for p in canvas.rgb_over(background)]
    with open(path, "wb") as out:
        out.write(png_bytes(canvas.width, canvas.height, pixels))


def make_tray():
    os.makedirs(os.path.join(FORMS, "tray"), exist_ok=True)
    for number in TRAY:
        images = [(size, png_bytes(size, size, tray_icon(number, size).rgba())) for size in (16, 22, 32)]
        with open(os.path.join(FORMS, "tray", "tray%d.ico" % number), "wb") as out:
            out.write(ico_bytes(images))


def badge(colour, strokes, size=16):
    c = R.Canvas(size, size)
    c.fill(R.circle(8, 8, 7.4), darker(colour) + (255,))
    c.fill(R.circle(8, 8, 6.4), colour + (255,))
    for points, width in strokes:
        c.fill(R.stroke(points, width), WHITE)
    return c


def make_list_icons():
    os.makedirs(os.path.join(FORMS, "list"), exist_ok=True)
    question = badge(ORANGE, [(R.arc(8, 6.2, 2.6, 190, 395, 16) + [(8, 10)], 1.9)])
    question.fill(R.circle(8, 12.4, 1.15), WHITE)
    icons = {
        "ask": question,
        "block": badge(RED, [([(4.6, 8), (11.4, 8)], 2.4)]),
        "trust": badge(GREEN, [([(4.6, 8.3), (7, 10.7), (11.4, 5.6)], 2.0)]),
        "on": badge(GREEN, [([(4.6, 8.3), (7, 10.7), (11.4, 5.6)], 2.0)]),
        "off": badge((160, 164, 170), [([(5.5, 5.5), (10.5, 10.5)], 1.8), ([(10.5, 5.5), (5.5, 10.5)], 1.8)]),
    }
    for name, canvas in icons.items():
        folder = "list" if name in ("ask", "block", "trust") else "marks"
        os.makedirs(os.path.join(FORMS, folder), exist_ok=True)
        save_png(os.path.join(FORMS, folder, name + ".png"), canvas, background=(236, 233, 216)
                 if folder == "marks" else (255, 255, 255))


def application_icon(colour, strokes):
    """A program window with a title bar, and a small badge of the rule at its lower right."""
    c = R.Canvas(16, 16)
    c.fill(R.rounded_rect(0.5, 1.5, 13.5, 12.5, 1.2), (88, 96, 110, 255))
    c.fill(lambda x, y: 1.5 <= x <= 12.5 and 4.5 <= y <= 11.5, (250, 250, 252, 255))
    c.fill(lambda x, y: 1.5 <= x <= 12.5 and 2.5 <= y <= 4.0, (70, 120, 200, 255))
    c.fill(R.circle(11.5, 11.5, 4.4), WHITE)
    c.fill(R.circle(11.5, 11.5, 3.7), colour + (255,))
    for points, width in strokes:
        c.fill(R.stroke(points, width), WHITE)
    return c


def make_application_icons():
    """The rule list's row icons: a program let through (Ask, Trust) and one held back."""
    icons = {
        "app_allowed": application_icon(GREEN, [([(9.6, 11.6), (11, 13), (13.5, 10)], 1.3)]),
        "app_denied": application_icon(RED, [([(9.6, 11.5), (13.4, 11.5)], 1.5)]),
    }
    for name, canvas in icons.items():
        save_png(os.path.join(FORMS, "list", name + ".png"), canvas, background=(255, 255, 255))


# Picture-button glyphs on a 26 x 26 face.
FACE = 26
GLYPHS = {
    "close": [([(8.5, 8.5), (17.5, 17.5)], 3.0), ([(17.5, 8.5), (8.5, 17.5)], 3.0)],
    "ports": [([(13, 7), (13, 13)], 2.0), ([(6.5, 18.5), (13, 13)], 2.0), ([(19.5, 18.5), (13, 13)], 2.0)],
    "rules": [([(11, 8), (20, 8)], 2.2), ([(11, 13), (20, 13)], 2.2), ([(11, 18), (20, 18)], 2.2)],
    "filter": [],
    # An arrow round most of a circle, clockwise, its head at the top pointing into the gap.
    "refresh": [(R.arc(13, 13.5, 6, 0, 280), 2.2)],
    # An arrow down into a tray.
    "save": [([(13, 5.5), (13, 15)], 2.2), ([(9, 11), (13, 15), (17, 11)], 2.2),
             ([(6.5, 15), (6.5, 19.5), (19.5, 19.5), (19.5, 15)], 2.0)],
}
DOTS = {
    "ports": [(13, 6.5, 2.6), (6.5, 19, 2.6), (19.5, 19, 2.6), (13, 13, 1.8)],
    "rules": [(6.8, 8, 1.7), (6.8, 13, 1.7), (6.8, 18, 1.7)],
}
FUNNEL = [(5, 6), (21, 6), (15, 13), (15, 20.5), (11, 22.5), (11, 13)]
REFRESH_HEAD = [(18, 8.3), (13, 11), (14.1, 4.3)]

STATES = {
    "": ((28, 64, 122), (206, 220, 240), 0),
    "_hover": ((52, 98, 170), (255, 255, 255), 0),
    "_down": ((10, 30, 64), (180, 196, 222), 1),
}


def face(name, state):
    fill, glyph, shift = STATES[state]
    c = R.Canvas(FACE, FACE, HEADER + (255,))
    c.fill(R.rounded_rect(0.5, 0.5, FACE - 0.5, FACE - 0.5, 4.5), tuple(min(255, v + 40) for v in fill) + (255,))
    c.fill(R.rounded_rect(1.5, 1.5, FACE - 1.5, FACE - 1.5, 3.5), fill + (255,))
    move = lambda pts: [(x + shift, y + shift) for x, y in pts]
    colour = glyph + (255,)
    for points, width in GLYPHS[name]:
        c.fill(R.stroke(move(points), width), colour)
    for x, y, r in DOTS.get(name, []):
        c.fill(R.circle(x + shift, y + shift, r), colour)
    if name == "filter":
        c.fill(R.polygon(move(FUNNEL)), colour)
    if name == "refresh":
        c.fill(R.polygon(move(REFRESH_HEAD)), colour)
    return c


def make_faces():
    os.makedirs(os.path.join(FORMS, "faces"), exist_ok=True)
    for name in GLYPHS:
        for state in STATES:
            save_png(os.path.join(FORMS, "faces", name + state + ".png"), face(name, state), background=HEADER)


def make_button_icons():
    """The add buttons' icon: a plus, 16 pixels, on a clear ground."""
    os.makedirs(os.path.join(FORMS, "buttons"), exist_ok=True)
    c = R.Canvas(16, 16)
    for points in ([(8, 3.5), (8, 12.5)], [(3.5, 8), (12.5, 8)]):
        c.fill(R.stroke(points, 2.8), darker(GREEN, 0.8) + (255,))
    with open(os.path.join(FORMS, "buttons", "add.ico"), "wb") as out:
        out.write(ico_bytes([(16, png_bytes(16, 16, c.rgba()))]))


def make_logo():
    c = R.Canvas(30, 30)
    shield(c, 30, BLUE)
    c.fill(R.stroke(R.scaled([(10, 15.5), (14.5, 20.5), (22.5, 10.5)], 30), 3.6), WHITE)
    save_png(os.path.join(FORMS, "logo.png"), c, background=HEADER)


def make_splash():
    w, h = 297, 106
    c = R.Canvas(w, h)
    R.vertical_gradient(c, (38, 86, 160), (12, 34, 72))
    # A light rule above the progress bar and the shield at the left.
    c.fill(lambda x, y: 92 <= x <= 284 and 68 <= y <= 69, (120, 160, 220, 160))
    logo = R.Canvas(64, 64)
    shield(logo, 64, BLUE)
    logo.fill(R.stroke(R.scaled([(10, 15.5), (14.5, 20.5), (22.5, 10.5)], 64), 7.5), WHITE)
    for y in range(64):
        for x in range(64):
            r, g, b, a = logo.pixels[y * 64 + x]
            c.blend(x + 18, y + 21, (r, g, b, 255), a / 255.0)
    save_png(os.path.join(FORMS, "splash.png"), c, background=(0, 0, 0))


def main():
    make_tray()
    make_list_icons()
    make_application_icons()
    make_faces()
    make_button_icons()
    make_logo()
    make_splash()


if __name__ == "__main__":
    main()
