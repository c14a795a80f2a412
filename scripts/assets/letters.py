"""A few letters drawn as strokes, for the words on the alert buttons' faces. Each letter is a list
of polylines in units where the capital height is 10 and the baseline is 0 (y grows upwards),
with the width it advances by."""
import math

import raster as R


def _arc(cx, cy, r, start_deg, end_deg, steps=20):
    """Points along an arc, angles counter-clockwise from the right (y up)."""
    return [(cx + r * math.cos(math.radians(start_deg + (end_deg - start_deg) * i / steps)),
             cy + r * math.sin(math.radians(start_deg + (end_deg - start_deg) * i / steps))) for i in range(steps + 1)]


LETTERS = {
    "A": (8.4, [[(0.4, 0), (4.0, 10), (7.6, 0)], [(1.7, 3.5), (6.3, 3.5)]]),
    "B": (7.4, [[(4.0, 5.3), (0.9, 5.3), (0.9, 10), (4.0, 10)] + _arc(4.0, 7.65, 2.35, 90, -90),
                [(0.9, 5.3), (0.9, 0), (4.3, 0)] + _arc(4.3, 2.65, 2.65, -90, 90) + [(4.0, 5.3)]]),
    "c": (6.2, [_arc(3.4, 3.55, 3.15, 40, 320)]),
    "k": (6.6, [[(0.9, 0), (0.9, 10.6)], [(5.7, 7.1), (0.9, 2.7)], [(2.7, 4.3), (5.9, 0)]]),
    "l": (2.6, [[(1.1, 0), (1.1, 10.6)]]),
    "o": (7.0, [_arc(3.5, 3.55, 3.15, 0, 360, 28)]),
    "w": (9.4, [[(0.3, 7.1), (2.3, 0), (4.6, 6.3), (6.9, 0), (8.9, 7.1)]]),
}


def text_width(word, size, spacing=0.55):
    return sum(LETTERS[ch][0] for ch in word) * size / 10.0 + spacing * size / 10.0 * (len(word) - 1)


def draw_word(canvas, word, centre_x, baseline, size, weight, colour, spacing=0.55):
    """Draws the word centred on centre_x with its baseline at `baseline` (pixels); size is the
    capital height in pixels, weight the stroke width in pixels."""
    k = size / 10.0
    x = centre_x - text_width(word, size, spacing) / 2.0
    for ch in word:
        advance, strokes = LETTERS[ch]
        for points in strokes:
            canvas.fill(R.stroke([(x + px * k, baseline - py * k) for px, py in points], weight), colour)
        x += (advance + spacing) * k
