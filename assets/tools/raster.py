"""A small anti-aliased vector rasteriser and PNG/BMP writer (standard library only).

Shapes are signed distance functions: negative inside, in pixels. Coverage of a
pixel is 0.5 - distance, clamped, which gives a one-pixel anti-aliased edge
without supersampling. Canvases hold premultiplied RGBA floats in 0..1.
"""
import math
import struct
import zlib
from array import array


def hexrgb(s, a=1.0):
    """'#rrggbb' -> premultiplied (r, g, b, a)."""
    s = s.lstrip('#')
    r, g, b = (int(s[i:i + 2], 16) / 255.0 for i in (0, 2, 4))
    return (r * a, g * a, b * a, a)


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def with_alpha(c, a):
    return tuple(v * a for v in c)


def hsv(h, s=1.0, v=1.0, a=1.0):
    h = (h % 360.0) / 60.0
    i = int(h)
    f = h - i
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    r, g, b = [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i % 6]
    return (r * a, g * a, b * a, a)


# ---- distance functions ---------------------------------------------------

def sd_rrect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    r = min(r, (x1 - x0) / 2.0, (y1 - y0) / 2.0)
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        ox, oy = max(qx, 0.0), max(qy, 0.0)
        return math.hypot(ox, oy) + min(max(qx, qy), 0.0) - r
    return f


def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_segment(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy or 1e-9

    def f(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / ll
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r
    return f


def sd_arc(cx, cy, rad, a0, a1, r):
    """Arc of radius `rad` from angle a0 to a1 (degrees, clockwise on screen,
    0 = right), stroked with half-width r and round caps."""
    a0r, a1r = math.radians(a0), math.radians(a1)
    span = (a1r - a0r) % (2 * math.pi) or 2 * math.pi
    e0 = (cx + rad * math.cos(a0r), cy + rad * math.sin(a0r))
    e1 = (cx + rad * math.cos(a1r), cy + rad * math.sin(a1r))

    def f(x, y):
        a = (math.atan2(y - cy, x - cx) - a0r) % (2 * math.pi)
        if a <= span:
            d = abs(math.hypot(x - cx, y - cy) - rad)
        else:
            d = min(math.hypot(x - e0[0], y - e0[1]), math.hypot(x - e1[0], y - e1[1]))
        return d - r
    return f


def sd_polygon(pts):
    n = len(pts)

    def f(x, y):
        d = (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2
        s = 1.0
        j = n - 1
        for i in range(n):
            ex, ey = pts[j][0] - pts[i][0], pts[j][1] - pts[i][1]
            wx, wy = x - pts[i][0], y - pts[i][1]
            ll = ex * ex + ey * ey or 1e-9
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / ll))
            bx, by = wx - ex * t, wy - ey * t
            d = min(d, bx * bx + by * by)
            c1 = y >= pts[i][1]
            c2 = y < pts[j][1]
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                s = -s
            j = i
        return s * math.sqrt(d)
    return f


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def stroke(f, width):
    h = width / 2.0
    return lambda x, y: abs(f(x, y)) - h


def polyline(pts, r):
    return union(*[sd_segment(*pts[i], *pts[i + 1], r) for i in range(len(pts) - 1)])


# ---- paints ----------------------------------------------------------------

def linear(x0, y0, x1, y1, stops):
    """Linear gradient; stops = [(t, colour), ...] with premultiplied colours."""
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy or 1e-9

    def p(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / ll
        return _stop(stops, t)
    return p


def radial(cx, cy, rad, stops):
    def p(x, y):
        return _stop(stops, math.hypot(x - cx, y - cy) / rad)
    return p


def conic(cx, cy, fn):
    """fn(angle in degrees, counter-clockwise from the right) -> colour."""
    return lambda x, y: fn(math.degrees(math.atan2(cy - y, x - cx)) % 360.0)


def _stop(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / ((t1 - t0) or 1e-9))
    return stops[-1][1]


# ---- canvas ----------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, colour=(0.0, 0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        self.rows = [array('f', colour * w) for _ in range(h)]

    def _span(self, x0, y0, x1, y1):
        return (max(0, int(math.floor(x0))), max(0, int(math.floor(y0))),
                min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1))))

    def fill(self, sdf, bbox, paint, opacity=1.0, soft=0.5):
        """Fills the shape; `soft` is the half-width of the edge ramp (0.5 = crisp AA)."""
        x0, y0, x1, y1 = self._span(bbox[0] - soft - 1, bbox[1] - soft - 1,
                                    bbox[2] + soft + 1, bbox[3] + soft + 1)
        solid = not callable(paint)
        inv = 1.0 / (2.0 * soft)
        for y in range(y0, y1):
            row = self.rows[y]
            py = y + 0.5
            for x in range(x0, x1):
                d = sdf(x + 0.5, py)
                if d >= soft:
                    continue
                cov = 1.0 if d <= -soft else (soft - d) * inv
                c = paint if solid else paint(x + 0.5, py)
                k = cov * opacity
                i = 4 * x
                a = c[3] * k
                if a <= 0.0:
                    continue
                keep = 1.0 - a
                row[i] = c[0] * k + row[i] * keep
                row[i + 1] = c[1] * k + row[i + 1] * keep
                row[i + 2] = c[2] * k + row[i + 2] * keep
                row[i + 3] = a + row[i + 3] * keep

    def shadow(self, sdf, bbox, blur, colour, opacity=1.0):
        """A soft shadow or glow: coverage falls off like a blurred edge."""
        x0, y0, x1, y1 = self._span(bbox[0] - 3 * blur, bbox[1] - 3 * blur,
                                    bbox[2] + 3 * blur, bbox[3] + 3 * blur)
        for y in range(y0, y1):
            row = self.rows[y]
            for x in range(x0, x1):
                d = sdf(x + 0.5, y + 0.5)
                if d > 3 * blur:
                    continue
                k = 0.5 * math.erfc(d / blur) * opacity
                a = colour[3] * k
                if a <= 0.002:
                    continue
                keep = 1.0 - a
                i = 4 * x
                row[i] = colour[0] * k + row[i] * keep
                row[i + 1] = colour[1] * k + row[i + 1] * keep
                row[i + 2] = colour[2] * k + row[i + 2] * keep
                row[i + 3] = a + row[i + 3] * keep

    def paint_all(self, paint):
        """Opaque paint over every pixel (backgrounds)."""
        for y in range(self.h):
            row = self.rows[y]
            for x in range(self.w):
                c = paint(x + 0.5, y + 0.5)
                row[4 * x:4 * x + 4] = array('f', c)

    def rect(self, x0, y0, x1, y1, colour):
        """Pixel-aligned rectangle composited over the canvas."""
        x0, y0, x1, y1 = self._span(x0, y0, x1, y1)
        a = colour[3]
        keep = 1.0 - a
        for y in range(y0, y1):
            row = self.rows[y]
            if a >= 1.0:
                row[4 * x0:4 * x1] = array('f', colour * (x1 - x0))
                continue
            for x in range(x0, x1):
                i = 4 * x
                for ch in range(4):
                    row[i + ch] = colour[ch] + row[i + ch] * keep

    def crop(self, x0, y0, w, h):
        c = Canvas(w, h)
        for y in range(h):
            sy = y0 + y
            if 0 <= sy < self.h:
                lo, hi = max(0, x0), min(self.w, x0 + w)
                if hi > lo:
                    c.rows[y][4 * (lo - x0):4 * (hi - x0)] = self.rows[sy][4 * lo:4 * hi]
        return c

    def draw(self, other, dx, dy, opacity=1.0):
        """Composites another canvas at (dx, dy)."""
        for y in range(other.h):
            ty = dy + y
            if not 0 <= ty < self.h:
                continue
            src, dst = other.rows[y], self.rows[ty]
            for x in range(other.w):
                tx = dx + x
                if not 0 <= tx < self.w:
                    continue
                i, j = 4 * x, 4 * tx
                a = src[i + 3] * opacity
                if a <= 0.0:
                    continue
                keep = 1.0 - a
                for ch in range(3):
                    dst[j + ch] = src[i + ch] * opacity + dst[j + ch] * keep
                dst[j + 3] = a + dst[j + 3] * keep

    def copy(self):
        c = Canvas(self.w, self.h)
        c.rows = [array('f', r) for r in self.rows]
        return c

    def map_pixels(self, fn):
        """fn(r, g, b, a) premultiplied -> new premultiplied tuple."""
        for row in self.rows:
            for i in range(0, len(row), 4):
                row[i:i + 4] = array('f', fn(row[i], row[i + 1], row[i + 2], row[i + 3]))

    # ---- output --------------------------------------------------------

    def _rgba_rows(self):
        for row in self.rows:
            out = bytearray(len(row))
            for i in range(0, len(row), 4):
                a = row[i + 3]
                if a <= 0.0:
                    continue
                a = min(a, 1.0)
                inv = 1.0 / a
                out[i] = _b(row[i] * inv)
                out[i + 1] = _b(row[i + 1] * inv)
                out[i + 2] = _b(row[i + 2] * inv)
                out[i + 3] = _b(a)
            yield bytes(out)

    def save_png(self, path):
        raw = b''.join(b'\x00' + r for r in self._rgba_rows())
        ihdr = struct.pack('>IIBBBBB', self.w, self.h, 8, 6, 0, 0, 0)
        with open(path, 'wb') as f:
            f.write(b'\x89PNG\r\n\x1a\n')
            f.write(_chunk(b'IHDR', ihdr))
            f.write(_chunk(b'IDAT', zlib.compress(raw, 9)))
            f.write(_chunk(b'IEND', b''))

    def save_bmp(self, path, over=(0.0, 0.0, 0.0)):
        """24-bit bottom-up BMP, flattened over a solid colour."""
        stride = (self.w * 3 + 3) & ~3
        pad = b'\x00' * (stride - self.w * 3)
        body = bytearray()
        for row in reversed(self.rows):
            line = bytearray(self.w * 3)
            for x in range(self.w):
                i = 4 * x
                keep = 1.0 - min(row[i + 3], 1.0)
                line[3 * x] = _b(row[i + 2] + over[2] * keep)
                line[3 * x + 1] = _b(row[i + 1] + over[1] * keep)
                line[3 * x + 2] = _b(row[i] + over[0] * keep)
            body += line + pad
        header = struct.pack('<2sIHHI', b'BM', 54 + len(body), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.w, self.h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
        with open(path, 'wb') as f:
            f.write(header + info + bytes(body))


def _b(v):
    v = int(v * 255.0 + 0.5)
    return 0 if v < 0 else 255 if v > 255 else v


def _chunk(tag, data):
    return struct.pack('>I', len(data)) + tag + data + struct.pack('>I', zlib.crc32(tag + data) & 0xffffffff)
