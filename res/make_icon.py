#!/usr/bin/env python3
"""Generate the ORVENT Project Selector icon (res/orvent.ico).

Usage:  python3 res/make_icon.py res/orvent.ico

Only the Python 3 standard library is used.  The motif is a three-bladed
wind turbine on a green hill under a blue sky gradient, drawn inside a
rounded square, with a few wind streamlines.  Every size is rendered
separately from vector shapes with supersampled anti-aliasing, and the
small sizes use a simplified, pixel-aligned variant so they stay legible.

The .ico holds 16, 20, 24, 32, 40, 48 and 64 px images (the small and large
icon at 96, 120, 144 and 192 DPI) as 32-bit BGRA DIBs (with an
AND mask) and a 256 px image stored as PNG.
"""

import math
import struct
import sys
import zlib

# --------------------------------------------------------------------------
# Shapes.  Each shape reports, for a horizontal line at height y (in pixel
# units, y pointing down), the sorted list of disjoint x intervals that lie
# inside it.  This makes supersampling cheap: one call per sample row.
# --------------------------------------------------------------------------


def _merge(intervals):
    intervals = sorted(iv for iv in intervals if iv[1] > iv[0])
    out = []
    for a, b in intervals:
        if out and a <= out[-1][1]:
            if b > out[-1][1]:
                out[-1][1] = b
        else:
            out.append([a, b])
    return out


def _intersect(p, q):
    out = []
    i = j = 0
    while i < len(p) and j < len(q):
        a = max(p[i][0], q[j][0])
        b = min(p[i][1], q[j][1])
        if b > a:
            out.append([a, b])
        if p[i][1] < q[j][1]:
            i += 1
        else:
            j += 1
    return out


def _subtract(p, q):
    out = []
    for a, b in p:
        cur = a
        for c, d in q:
            if d <= cur or c >= b:
                continue
            if c > cur:
                out.append([cur, c])
            cur = max(cur, d)
            if cur >= b:
                break
        if cur < b:
            out.append([cur, b])
    return out


class Shape:
    def bbox(self):
        raise NotImplementedError

    def spans(self, y):
        raise NotImplementedError


class Polygon(Shape):
    """Simple polygon, even-odd fill."""

    def __init__(self, pts):
        self.pts = [(float(x), float(y)) for x, y in pts]
        n = len(self.pts)
        self.edges = [(self.pts[i], self.pts[(i + 1) % n]) for i in range(n)]

    def bbox(self):
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        return min(xs), min(ys), max(xs), max(ys)

    def spans(self, y):
        xs = []
        for (x0, y0), (x1, y1) in self.edges:
            if (y0 <= y < y1) or (y1 <= y < y0):
                xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
        xs.sort()
        return _merge([[xs[k], xs[k + 1]] for k in range(0, len(xs) - 1, 2)])


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = float(cx), float(cy), float(r)

    def bbox(self):
        return (self.cx - self.r, self.cy - self.r,
                self.cx + self.r, self.cy + self.r)

    def spans(self, y):
        d = self.r * self.r - (y - self.cy) ** 2
        if d <= 0:
            return []
        h = math.sqrt(d)
        return [[self.cx - h, self.cx + h]]


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.x0, self.y0, self.x1, self.y1 = map(float, (x0, y0, x1, y1))
        self.r = float(min(r, (x1 - x0) / 2, (y1 - y0) / 2))

    def bbox(self):
        return self.x0, self.y0, self.x1, self.y1

    def spans(self, y):
        if y < self.y0 or y >= self.y1:
            return []
        r = self.r
        inset = 0.0
        if y < self.y0 + r:
            dy = self.y0 + r - y
            inset = r - math.sqrt(max(0.0, r * r - dy * dy))
        elif y > self.y1 - r:
            dy = y - (self.y1 - r)
            inset = r - math.sqrt(max(0.0, r * r - dy * dy))
        return [[self.x0 + inset, self.x1 - inset]]


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes

    def bbox(self):
        bs = [s.bbox() for s in self.shapes]
        return (min(b[0] for b in bs), min(b[1] for b in bs),
                max(b[2] for b in bs), max(b[3] for b in bs))

    def spans(self, y):
        out = []
        for s in self.shapes:
            out.extend(s.spans(y))
        return _merge(out)


class Intersect(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        p, q = self.a.bbox(), self.b.bbox()
        return max(p[0], q[0]), max(p[1], q[1]), min(p[2], q[2]), min(p[3], q[3])

    def spans(self, y):
        return _intersect(self.a.spans(y), self.b.spans(y))


class Subtract(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        return self.a.bbox()

    def spans(self, y):
        return _subtract(self.a.spans(y), self.b.spans(y))


class Shifted(Shape):
    def __init__(self, shape, dx, dy):
        self.shape, self.dx, self.dy = shape, dx, dy

    def bbox(self):
        b = self.shape.bbox()
        return b[0] + self.dx, b[1] + self.dy, b[2] + self.dx, b[3] + self.dy

    def spans(self, y):
        return [[a + self.dx, b + self.dx] for a, b in self.shape.spans(y - self.dy)]


def tapered_stroke(curve, width, steps=48):
    """Polygon around curve(t), t in [0,1], thickest in the middle and
    tapering to points at both ends (a wind 'swoosh')."""
    left, right = [], []
    for k in range(steps + 1):
        t = k / steps
        x, y = curve(t)
        e = 1e-4
        xa, ya = curve(max(0.0, t - e))
        xb, yb = curve(min(1.0, t + e))
        dx, dy = xb - xa, yb - ya
        n = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / n, dx / n
        # Full width in the middle, tapering smoothly to both ends.
        w = width * 0.5 * math.sin(math.pi * t) ** 0.6
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    return Polygon(left + right[::-1])


# --------------------------------------------------------------------------
# Rasteriser: layers are (shape, colour function) pairs composited in order.
# colour(x, y) returns (r, g, b, a) with components in 0..1 (straight alpha).
# --------------------------------------------------------------------------


def render(size, layers, ss):
    n = size * size
    img_r = [0.0] * n
    img_g = [0.0] * n
    img_b = [0.0] * n
    img_a = [0.0] * n  # premultiplied accumulation
    full = ss * ss
    for shape, colour in layers:
        x0, y0, x1, y1 = shape.bbox()
        py0 = max(0, int(math.floor(y0)))
        py1 = min(size - 1, int(math.ceil(y1)))
        for py in range(py0, py1 + 1):
            cov = [0] * size
            hit = False
            for sy in range(ss):
                y = py + (sy + 0.5) / ss
                for a, b in shape.spans(y):
                    # sample columns i with (i + 0.5) / ss in [a, b)
                    i0 = max(0, int(math.ceil(a * ss - 0.5)))
                    i1 = min(size * ss - 1, int(math.ceil(b * ss - 0.5)) - 1)
                    if i1 < i0:
                        continue
                    hit = True
                    p0, p1 = i0 // ss, i1 // ss
                    if p0 == p1:
                        cov[p0] += i1 - i0 + 1
                    else:
                        cov[p0] += ss * (p0 + 1) - i0
                        cov[p1] += i1 - ss * p1 + 1
                        for p in range(p0 + 1, p1):
                            cov[p] += ss
            if not hit:
                continue
            row = py * size
            for px in range(size):
                c = cov[px]
                if not c:
                    continue
                r, g, b, a = colour(px + 0.5, py + 0.5)
                a *= c / full
                if a <= 0:
                    continue
                k = row + px
                inv = 1.0 - a
                img_r[k] = r * a + img_r[k] * inv
                img_g[k] = g * a + img_g[k] * inv
                img_b[k] = b * a + img_b[k] * inv
                img_a[k] = a + img_a[k] * inv
    # Back to straight alpha, 8-bit RGBA rows (top-down).
    pixels = []
    for k in range(n):
        a = img_a[k]
        if a <= 1e-6:
            pixels.append((0, 0, 0, 0))
            continue
        def q(v):
            return max(0, min(255, int(round(v / a * 255))))
        pixels.append((q(img_r[k]), q(img_g[k]), q(img_b[k]),
                       max(0, min(255, int(round(a * 255))))))
    return pixels


# --------------------------------------------------------------------------
# The design.
# --------------------------------------------------------------------------


def hexrgb(h, a=1.0):
    h = h.lstrip('#')
    return (int(h[0:2], 16) / 255, int(h[2:4], 16) / 255, int(h[4:6], 16) / 255, a)


def solid(h, a=1.0):
    c = hexrgb(h, a)
    return lambda x, y: c


def vgradient(top, bottom, y0, y1, a=1.0):
    c0, c1 = hexrgb(top), hexrgb(bottom)

    def f(x, y):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return (c0[0] + (c1[0] - c0[0]) * t,
                c0[1] + (c1[1] - c0[1]) * t,
                c0[2] + (c1[2] - c0[2]) * t, a)
    return f


def blade_polygons(hx, hy, angle, r0, length, chord, split, simple=False):
    """One blade from radius r0 to `length` along `angle` (radians, y down).
    Returns (whole blade, trailing half) polygons; the trailing half is
    None unless split.  The halves share the blade outline, so painting the
    trailing half over the whole blade leaves no seam."""
    ca, sa = math.cos(angle), math.sin(angle)
    # perpendicular (towards the leading edge, i.e. direction of rotation)
    pa, pb = -sa, ca
    steps = 16
    lead, trail, mid = [], [], []
    for k in range(steps + 1):
        t = k / steps
        u = r0 + (length - r0) * t
        if simple:
            # Straight taper with a blunt, rounded-off tip (small sizes).
            w = chord * (1.0 - 0.45 * t) * (1 - t ** 8) ** 0.5
            wl = wt = w * 0.5
        else:
            # Narrow root, widest near 25 %, tapering to a fine tip.
            w = chord * (0.6 + 1.7 * t * (1 - t) ** 1.3) * (1 - t ** 3) ** 0.5
            wl = w * 0.40   # leading edge is fairly straight
            wt = w * 0.60   # trailing edge carries most of the chord
        if k == steps:
            wl = wt = 0.0
        cx, cy = hx + ca * u, hy + sa * u
        lead.append((cx + pa * wl, cy + pb * wl))
        trail.append((cx - pa * wt, cy - pb * wt))
        mid.append((cx, cy))
    whole = Polygon(lead + trail[::-1])
    if not split:
        return whole, None
    return whole, Polygon(mid + trail[::-1])


# Per-size geometry in pixel units, tuned by hand.  At 16 and 24 px the
# hub sits on a pixel centre so the tower, the upright blade and the hub
# dot line up with the pixel grid.
#   hub x, hub y, blade length, chord, tower width top/bottom, hub radius
GEOMETRY = {
    16: (8.5, 6.5, 6.0, 2.7, 1.0, 1.8, 1.5),
    24: (12.5, 9.5, 7.9, 3.2, 1.2, 2.2, 2.0),
    32: (17.5, 13.5, 11.4, 3.3, 1.8, 3.2, 2.1),
    48: (26.5, 20.0, 16.8, 4.4, 2.2, 4.6, 2.7),
}


def design(size):
    S = float(size)
    small = size <= 24
    tiny = size <= 16

    # Background rounded square.
    margin = 0.0 if tiny else (1.0 if size < 64 else round(S * 0.035))
    radius = {16: 3.0, 24: 4.0, 32: 5.5, 48: 8.0}.get(size, S * 0.18)
    bg = RoundRect(margin, margin, S - margin, S - margin, radius)
    border_w = 1.0 if size < 64 else max(2.0, S / 96)
    bg_inner = RoundRect(margin + border_w, margin + border_w,
                         S - margin - border_w, S - margin - border_w,
                         max(0.0, radius - border_w))

    layers = []
    layers.append((bg, vgradient('#1D5FB5', '#63B6EC', margin, S - margin)))

    if size in GEOMETRY:
        hx, hy, length, chord, tower_top, tower_bot, hub_r = GEOMETRY[size]
    else:
        hx, hy = S * 0.56, S * 0.41
        length = S * 0.345
        chord = S * 0.082
        tower_top, tower_bot = S * 0.036, S * 0.080
        hub_r = S * 0.05

    # Wind streamlines (behind the turbine), kept clear of the blades.
    #   x start, x end, y centre, wave amplitude, width, opacity
    amp = 0.035 if size >= 64 else 0.02
    if size >= 48:
        streams = [
            (0.07, 0.42, 0.20, amp, 0.046, 0.60),
            (0.15, 0.42, 0.31, amp * 0.85, 0.038, 0.45),
            (0.06, 0.40, 0.72, amp, 0.046, 0.55),
        ]
    elif size >= 32:
        streams = [
            (0.08, 0.42, 0.219, 0.015, 0.055, 0.62),
            (0.06, 0.40, 0.719, 0.015, 0.055, 0.55),
        ]
    elif not tiny:
        streams = [(0.06, 0.44, 0.27, 0.012, 0.07, 0.65)]
    else:
        streams = []
    for x0, x1, yc, amp, width, alpha in streams:
        def curve(t, x0=x0, x1=x1, yc=yc, amp=amp):
            x = S * (x0 + (x1 - x0) * t)
            y = S * (yc + amp * math.sin(2 * math.pi * t + 0.4) * 0.5)
            return x, y
        w = max(1.6, S * width)
        layers.append((Intersect(bg, tapered_stroke(curve, w)),
                       solid('#FFFFFF', alpha)))

    # Hill.
    if tiny:
        hill = Circle(S * 0.5, S * 2.05, S * 1.22)
        ground_top = S * 0.83
    else:
        hill = Circle(S * 0.45, S * 2.0, S * 1.18)
        ground_top = S * 0.82
    layers.append((Intersect(bg, hill),
                   vgradient('#55B85A', '#2E7D32', ground_top, S)))

    # Tower (tapered), from the hub down into the hill.
    tower = Polygon([
        (hx - tower_top / 2, hy),
        (hx + tower_top / 2, hy),
        (hx + tower_bot / 2, S * 0.90),
        (hx - tower_bot / 2, S * 0.90),
    ])

    # Blades at 120 degree intervals.
    base = math.radians(-90.0 if small else -100.0)
    angles = [base + k * 2 * math.pi / 3 for k in range(3)]
    split = size >= 64
    blade_parts, trail_parts = [], []
    for ang in angles:
        bp, tp = blade_polygons(hx, hy, ang, 0.0, length, chord, split,
                                simple=small)
        blade_parts.append(bp)
        if tp is not None:
            trail_parts.append(tp)
    hub = Circle(hx, hy, hub_r)
    silhouette = Union(tower, hub, *(blade_parts + trail_parts))

    # Subtle drop shadow for depth (larger sizes only).
    if size >= 48:
        off = max(1.0, S * 0.016)
        layers.append((Intersect(bg, Shifted(silhouette, off * 0.7, off)),
                       solid('#0B2A55', 0.25)))

    layers.append((tower, vgradient('#FFFFFF', '#D3DDE8', hy, S * 0.90)))
    layers.append((Union(*blade_parts), solid('#FFFFFF')))
    if trail_parts:
        layers.append((Union(*trail_parts), solid('#DDE7F1')))
    layers.append((hub, solid('#FFFFFF')))
    if size >= 32:
        layers.append((Circle(hx, hy, hub_r * 0.45), solid('#8FA8C2')))
    else:
        layers.append((RoundRect(hx - 0.5, hy - 0.5, hx + 0.5, hy + 0.5, 0),
                       solid('#7F9BB8')))

    # Thin darker rim so the icon reads on light backgrounds.
    layers.append((Subtract(bg, bg_inner), solid('#0E3F80', 0.55)))
    return layers


def render_size(size):
    ss = 16 if size <= 48 else 6
    return render(size, design(size), ss)


# --------------------------------------------------------------------------
# File writers.
# --------------------------------------------------------------------------


def png_bytes(size, pixels):
    def chunk(tag, data):
        c = struct.pack('>I', len(data)) + tag + data
        return c + struct.pack('>I', zlib.crc32(tag + data) & 0xFFFFFFFF)

    stride = size * 4
    raw = bytearray()
    prev = bytes(stride)
    for y in range(size):
        row = bytes(v for p in pixels[y * size:(y + 1) * size] for v in p)
        # Pick the PNG filter with the smallest sum of absolute values.
        best = None
        for ftype in range(5):
            out = bytearray(stride)
            for i in range(stride):
                a = row[i - 4] if i >= 4 else 0
                b = prev[i]
                c = prev[i - 4] if i >= 4 else 0
                if ftype == 0:
                    pr = 0
                elif ftype == 1:
                    pr = a
                elif ftype == 2:
                    pr = b
                elif ftype == 3:
                    pr = (a + b) >> 1
                else:
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    pr = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                out[i] = (row[i] - pr) & 0xFF
            score = sum(v if v < 128 else 256 - v for v in out)
            if best is None or score < best[0]:
                best = (score, ftype, out)
        raw.append(best[1])
        raw += best[2]
        prev = row
    ihdr = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def dib_bytes(size, pixels):
    xor = bytearray()
    for y in range(size - 1, -1, -1):           # bottom-up
        for r, g, b, a in pixels[y * size:(y + 1) * size]:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(size):
            if pixels[y * size + x][3] == 0:    # 1 = transparent
                row[x >> 3] |= 0x80 >> (x & 7)
        mask += row
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, payload bytes)."""
    count = len(images)
    out = struct.pack('<HHH', 0, 1, count)
    offset = 6 + 16 * count
    entries, blobs = b'', b''
    for size, data in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32,
                               len(data), offset)
        offset += len(data)
        blobs += data
    return out + entries + blobs


SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write('usage: make_icon.py OUTPUT.ico\n')
        return 2
    images = []
    for size in SIZES:
        pixels = render_size(size)
        if size >= 256:
            images.append((size, png_bytes(size, pixels)))
        else:
            images.append((size, dib_bytes(size, pixels)))
    with open(argv[1], 'wb') as f:
        f.write(ico_bytes(images))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
