"""A small anti-aliased raster for drawing the program's icons and faces: shapes are filled by
coverage, sampled on a 4 x 4 grid in every pixel, and painted over the canvas with their colour's
alpha."""
import math

SAMPLES = 4


class Canvas:
    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = [fill] * (width * height)

    def blend(self, x, y, colour, coverage):
        if not (0 <= x < self.width and 0 <= y < self.height) or coverage <= 0:
            return
        r, g, b, a = colour
        a = a / 255.0 * min(coverage, 1.0)
        dr, dg, db, da = self.pixels[y * self.width + x]
        da /= 255.0
        out_a = a + da * (1 - a)
        if out_a <= 0:
            return
        mix = lambda s, d: int(round((s * a + d * da * (1 - a)) / out_a))
        self.pixels[y * self.width + x] = (mix(r, dr), mix(g, dg), mix(b, db), int(round(out_a * 255)))

    def fill(self, inside, colour, box=None):
        """Paints the points for which inside(x, y) holds; box limits the pixels looked at."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        step = 1.0 / SAMPLES
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                self.blend(x, y, colour, hits / (SAMPLES * SAMPLES))

    def rgba(self):
        return self.pixels

    def rgb_over(self, background):
        out = []
        for r, g, b, a in self.pixels:
            k = a / 255.0
            out.append(tuple(int(round(c * k + bg * (1 - k))) for c, bg in zip((r, g, b), background)))
        return out


def polygon(points):
    """Even-odd point test of a polygon."""
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rounded_rect(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def stroke(points, width):
    """A polyline of the width with round ends and joins."""
    half = width / 2.0
    segments = list(zip(points, points[1:]))

    def inside(x, y):
        for (ax, ay), (bx, by) in segments:
            dx, dy = bx - ax, by - ay
            length = dx * dx + dy * dy
            t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length))
            px, py = ax + t * dx, ay + t * dy
            if (x - px) ** 2 + (y - py) ** 2 <= half * half:
                return True
        return False
    return inside


def arc(cx, cy, r, start_deg, end_deg, steps=24):
    """Points along an arc, angles in degrees clockwise from the right (screen y grows down)."""
    return [(cx + r * math.cos(math.radians(start_deg + (end_deg - start_deg) * i / steps)),
             cy + r * math.sin(math.radians(start_deg + (end_deg - start_deg) * i / steps))) for i in range(steps + 1)]


def scaled(points, size):
    """Points given on a 32 x 32 grid, at another size."""
    k = size / 32.0
    return [(x * k, y * k) for x, y in points]


def vertical_gradient(canvas, top_colour, bottom_colour, inside=lambda x, y: True):
    for y in range(canvas.height):
        t = y / max(1, canvas.height - 1)
        colour = tuple(int(round(a + (b - a) * t)) for a, b in zip(top_colour, bottom_colour)) + (255,)
        for x in range(canvas.width):
            if inside(x + 0.5, y + 0.5):
                canvas.pixels[y * canvas.width + x] = colour
