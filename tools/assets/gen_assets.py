# Build tool: draws the pictures of Setup and purgekit (icons, side pictures, progress clip) as resource files.
"""Writes into OUTPUT_DIR:

  setup_icon.ico      32 x 32, 16 colours with AND mask: a computer mouse
  purgekit_icon.ico   32 x 32, 16 colours: the same mouse with a removal badge
  setup_frame.bmp     121 x 262, 8 bits:  the wizard frame's left-hand picture
  purgekit_side.bmp   121 x 262, 24 bits: the uninstaller dialog's side picture
  progress.avi        17 BI_RLE8 frames of 260 x 40 at 10 frames per second: a mouse
                      pulling a bar from left to right, for the animation control

Every output is parsed back by check_assets.py before anything is written.
Run: python3 gen_assets.py OUTPUT_DIR
"""

import math
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_assets  # noqa: E402  (lives beside this script)

# ---------------------------------------------------------------- shapes
# Coordinates are pixels, x to the right and y downwards; a pixel covers [x, x+1) x [y, y+1).


def clamp(value, low=0.0, high=255.0):
    return max(low, min(high, value))


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0, 1.0)
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def bezier(points, steps=24):
    """Points along a quadratic or cubic Bezier curve."""
    result = []
    for step in range(steps + 1):
        t = step / steps
        if len(points) == 3:
            weights = ((1 - t) ** 2, 2 * t * (1 - t), t * t)
        else:
            weights = ((1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3)
        result.append((sum(w * p[0] for w, p in zip(weights, points)),
                       sum(w * p[1] for w, p in zip(weights, points))))
    return result


class Ellipse:
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bbox = (cx - rx, cy - ry, cx + rx, cy + ry)

    def contains(self, x, y):
        return ((x - self.cx) / self.rx) ** 2 + ((y - self.cy) / self.ry) ** 2 <= 1.0


class RoundedRect:
    def __init__(self, x0, y0, x1, y1, radius):
        self.bbox = (x0, y0, x1, y1)
        self.radius = radius

    def contains(self, x, y):
        x0, y0, x1, y1 = self.bbox
        r = self.radius
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = clamp(x, x0 + r, x1 - r)
        cy = clamp(y, y0 + r, y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


class Stroke:
    """A polyline drawn with round ends and the given half width."""

    def __init__(self, points, half_width):
        self.points, self.half_width = points, half_width
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.bbox = (min(xs) - half_width, min(ys) - half_width,
                     max(xs) + half_width, max(ys) + half_width)

    def contains(self, x, y):
        return any(segment_distance(x, y, *a, *b) <= self.half_width
                   for a, b in zip(self.points, self.points[1:]))


class Polygon:
    """A closed polygon, optionally grown by a border of the given width."""

    def __init__(self, points, grow=0.0):
        self.points, self.grow = points, grow
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.bbox = (min(xs) - grow, min(ys) - grow, max(xs) + grow, max(ys) + grow)

    def contains(self, x, y):
        inside = False
        edges = list(zip(self.points, self.points[1:] + self.points[:1]))
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return inside or (self.grow > 0 and any(
            segment_distance(x, y, ax, ay, bx, by) <= self.grow for (ax, ay), (bx, by) in edges))


class MouseBody:
    """Outline of a mouse seen from above, front (cable end) up: a superellipse that is a
    little narrower at the front. Centred on (0, 0)."""

    EXPONENT = 2.4

    def __init__(self, rx, ry):
        self.rx, self.ry = rx, ry
        self.bbox = (-rx, -ry, rx, ry)

    def level(self, u, v):
        """0 at the centre, 1 on the outline."""
        taper = 0.84 + 0.16 * clamp((v / self.ry + 1.0) / 1.4, 0.0, 1.0)
        return (abs(u / (self.rx * taper)) ** self.EXPONENT +
                abs(v / self.ry) ** self.EXPONENT)

    def contains(self, u, v):
        return self.level(u, v) <= 1.0


class Both:
    """Points inside both shapes; the bounding box is the first one's."""

    def __init__(self, first, second):
        self.first, self.second = first, second
        self.bbox = first.bbox

    def contains(self, x, y):
        return self.first.contains(x, y) and self.second.contains(x, y)


class Band:
    """Points within half_width of the curve y = f(x)."""

    def __init__(self, function, half_width, bbox):
        self.function, self.half_width, self.bbox = function, half_width, bbox

    def contains(self, x, y):
        return abs(y - self.function(x)) <= self.half_width


# ---------------------------------------------------------------- layers


class Layer:
    """A shape filled by paint(x, y) -> (r, g, b)."""

    def __init__(self, shape, paint):
        self.shape, self.paint = shape, paint
        self.bbox = shape.bbox

    def colour_at(self, x, y):
        return self.paint(x, y) if self.shape.contains(x, y) else None


def solid(colour):
    return lambda x, y: colour


class Placed:
    """Layers drawn in their own coordinates, turned by angle (degrees) and moved to (cx, cy)."""

    def __init__(self, layers, cx, cy, angle):
        self.layers, self.cx, self.cy = layers, cx, cy
        self.cos, self.sin = math.cos(math.radians(angle)), math.sin(math.radians(angle))
        corners = [self.to_global(x, y) for layer in layers
                   for x in (layer.bbox[0], layer.bbox[2]) for y in (layer.bbox[1], layer.bbox[3])]
        self.bbox = (min(c[0] for c in corners), min(c[1] for c in corners),
                     max(c[0] for c in corners), max(c[1] for c in corners))

    def to_global(self, u, v):
        return self.cx + u * self.cos - v * self.sin, self.cy + u * self.sin + v * self.cos

    def to_local(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return dx * self.cos + dy * self.sin, -dx * self.sin + dy * self.cos

    def colour_at(self, x, y):
        u, v = self.to_local(x, y)
        for layer in reversed(self.layers):
            colour = layer.colour_at(u, v)
            if colour is not None:
                return colour
        return None


def render(width, height, layers, samples, background=None):
    """Rows (top first) of (colour, coverage): colour is the mean (r, g, b) of the samples that
    hit a layer or the background, None when no sample did; coverage is the hit fraction."""
    rows = []
    offsets = [(i + 0.5) / samples for i in range(samples)]
    for py in range(height):
        row = []
        for px in range(width):
            near = [layer for layer in layers if layer.bbox[0] <= px + 1 and
                    layer.bbox[2] >= px and layer.bbox[1] <= py + 1 and layer.bbox[3] >= py]
            total, hits = [0.0, 0.0, 0.0], 0
            for oy in offsets:
                for ox in offsets:
                    colour = sample(near, px + ox, py + oy, background)
                    if colour is not None:
                        hits += 1
                        total = [t + c for t, c in zip(total, colour)]
            colour = tuple(t / hits for t in total) if hits else None
            row.append((colour, hits / samples ** 2))
        rows.append(row)
    return rows


def sample(layers, x, y, background):
    for layer in reversed(layers):
        colour = layer.colour_at(x, y)
        if colour is not None:
            return colour
    return background(x, y) if background else None


# ---------------------------------------------------------------- the mouse


def mouse_layers(rx, ry, outline, palette, wheel_phase=0.0):
    """The layers of a mouse centred on (0, 0), front up, in local coordinates.

    palette: body, outline, seam, wheel, wheel_dark (r, g, b) and highlight (0..1)."""
    body = MouseBody(rx, ry)
    rim = MouseBody(rx + outline, ry + outline)
    seam_width = max(0.45, outline * 0.45)
    split = -0.18 * ry

    def body_paint(u, v):
        depth = math.sqrt(max(0.0, 1.0 - body.level(u, v)))
        light = 0.62 + 0.38 * depth - 0.10 * u / rx - 0.08 * v / ry
        shine = palette["highlight"] * math.exp(
            -((u / rx + 0.38) ** 2 + (v / ry + 0.42) ** 2) / 0.035)
        return tuple(clamp(c * light + 255 * shine) for c in palette["body"])

    wheel_box = RoundedRect(-0.13 * rx, -0.80 * ry, 0.13 * rx, -0.40 * ry, 0.12 * rx)
    wheel_rim = RoundedRect(-0.13 * rx - outline * 0.7, -0.80 * ry - outline * 0.7,
                            0.13 * rx + outline * 0.7, -0.40 * ry + outline * 0.7, 0.14 * rx)
    rib = 0.09 * ry

    def wheel_paint(u, v):
        ribbed = math.floor((v - wheel_phase * rib) / rib) % 2 == 0
        return palette["wheel_dark"] if ribbed else palette["wheel"]

    seam = Both(Stroke([(0.0, -ry - outline), (0.0, split)], seam_width), body)
    split_line = Both(Band(lambda u: split + 0.10 * ry * (u / rx) ** 2, seam_width,
                           body.bbox), body)
    return [
        Layer(rim, solid(palette["outline"])),
        Layer(body, body_paint),
        Layer(seam, solid(palette["seam"])),
        Layer(split_line, solid(palette["seam"])),
        Layer(wheel_rim, solid(palette["outline"])),
        Layer(wheel_box, wheel_paint),
    ]


def cable_layers(points, half_width, colour, shine):
    """A cable along the points, with a lighter line along its middle."""
    lighter = tuple(clamp(c + shine) for c in colour)
    return [Layer(Stroke(points, half_width), solid(colour)),
            Layer(Stroke(points, half_width * 0.35), solid(lighter))]


def arrow_pointer(x, y, scale, fill, edge, edge_width):
    """The classic arrow pointer with its tip at (x, y)."""
    shape = [(0, 0), (0, 16), (4, 12.5), (7, 19), (9.5, 18), (6.5, 11.5), (11.5, 11.5)]
    points = [(x + px * scale, y + py * scale) for px, py in shape]
    return [Layer(Polygon(points, grow=edge_width), solid(edge)), Layer(Polygon(points), solid(fill))]


# ---------------------------------------------------------------- the pictures

LARGE_MOUSE_PALETTE = {
    "body": (232, 236, 244), "outline": (28, 34, 52), "seam": (120, 128, 146),
    "wheel": (70, 120, 230), "wheel_dark": (25, 50, 130), "highlight": 0.45,
}


def vertical_gradient(top, bottom, height, glow=None):
    """Background paint: a vertical blend, optionally brightened around glow = (x, y, r, gain)."""
    def paint(x, y):
        t = clamp(y / height, 0.0, 1.0)
        colour = [a + (b - a) * t for a, b in zip(top, bottom)]
        if glow:
            gx, gy, radius, gain = glow
            boost = gain * math.exp(-((x - gx) ** 2 + (y - gy) ** 2) / (radius * radius))
            colour = [clamp(c + boost) for c in colour]
        return tuple(colour)
    return paint


def shadow_layer(cx, cy, rx, ry, background, strength):
    def paint(x, y):
        fade = 1.0 - strength * (1.0 - ((x - cx) / rx) ** 2 - ((y - cy) / ry) ** 2)
        return tuple(c * fade for c in background(x, y))
    return Layer(Ellipse(cx, cy, rx, ry), paint)


def trail_dots(start, end, count, radius, colour):
    layers = []
    for number in range(count):
        t = (number + 1) / (count + 1)
        x, y = start[0] + (end[0] - start[0]) * t, start[1] + (end[1] - start[1]) * t
        shade = tuple(clamp(c * (0.55 + 0.45 * (1 - t))) for c in colour)
        layers.append(Layer(Ellipse(x, y, radius, radius), solid(shade)))
    return layers


def setup_frame_rows():
    width, height = 121, 262
    background = vertical_gradient((32, 78, 196), (4, 10, 52), height, glow=(62, 168, 70, 60))
    mouse = Placed(mouse_layers(28, 46, 2.2, LARGE_MOUSE_PALETTE), 62, 172, -12)
    front = mouse.to_global(0, -46)
    cable = bezier([front, (front[0] - 4, front[1] - 50), (112, 120), (96, -6)], 40)
    layers = [shadow_layer(68, 228, 40, 14, background, 0.55)]
    layers += cable_layers(cable, 2.6, (22, 26, 40), 70)
    layers += [mouse]
    layers += trail_dots((30, 66), (50, 118), 4, 2.4, (220, 232, 255))
    layers += arrow_pointer(18, 22, 2.3, (255, 255, 255), (10, 14, 30), 1.4)
    return render(width, height, layers, 3, background)


def purgekit_side_rows():
    width, height = 121, 262
    background = vertical_gradient((104, 116, 140), (26, 30, 42), height, glow=(58, 140, 64, 40))
    mouse = Placed(mouse_layers(28, 46, 2.2, LARGE_MOUSE_PALETTE), 58, 146, 14)
    front = mouse.to_global(0, -46)
    cable = bezier([front, (front[0] + 10, front[1] - 40), (6, 90), (24, -6)], 40)
    badge_x, badge_y, badge_r = 86, 206, 17
    layers = [shadow_layer(52, 200, 40, 13, background, 0.55)]
    layers += cable_layers(cable, 2.6, (22, 26, 40), 70)
    layers += [mouse]
    layers += [
        Layer(Ellipse(badge_x, badge_y, badge_r + 2.2, badge_r + 2.2), solid((28, 20, 24))),
        Layer(Ellipse(badge_x, badge_y, badge_r, badge_r), lambda x, y: (
            clamp(236 - 1.8 * (y - badge_y + badge_r)), 44, 40)),
        Layer(RoundedRect(badge_x - 10, badge_y - 3, badge_x + 10, badge_y + 3, 2.5),
              solid((255, 255, 255))),
    ]
    return render(width, height, layers, 3, background)


# The standard 16-colour palette of icons, in index order.
ICON_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

ICON_MOUSE_PALETTE = {
    "body": (255, 255, 255), "outline": (0, 0, 0), "seam": (128, 128, 128),
    "wheel": (0, 0, 255), "wheel_dark": (0, 0, 128), "highlight": 0.3,
}


def icon_layers(with_badge):
    mouse = Placed(mouse_layers(8.4, 11.8, 1.1, ICON_MOUSE_PALETTE), 13.0, 19.6, -14)
    front = mouse.to_global(0, -11.8)
    cable = bezier([front, (front[0] - 0.5, front[1] - 5), (17, 6.5), (25, 1.0)], 16)
    layers = [Layer(Stroke(cable, 1.0), solid((40, 40, 40))), mouse]
    if with_badge:
        layers += [
            Layer(Ellipse(24.5, 24.5, 7.4, 7.4), solid((0, 0, 0))),
            Layer(Ellipse(24.5, 24.5, 6.3, 6.3), solid((255, 0, 0))),
            Layer(RoundedRect(20.5, 23.3, 28.5, 25.7, 0.6), solid((255, 255, 255))),
        ]
    return layers


def nearest(colour, palette, first=0):
    return min(range(first, len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))


# ---------------------------------------------------------------- file encoders


def info_header(width, height, bits, compression, size_image, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, size_image,
                       2835, 2835, colours, 0)


def bmp24(rows):
    """An uncompressed bottom-up 24-bit BMP file of rows of (colour, coverage)."""
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        for colour, _ in row:
            r, g, b = (int(round(c)) for c in colour)
            pixels += bytes((b, g, r))
        pixels += bytes(stride - width * 3)
    offset = 14 + 40
    return (struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) +
            info_header(width, height, 24, check_assets.BI_RGB, len(pixels), 0) + bytes(pixels))


def median_cut(colours, count):
    """Up to count boxes of colours, each split at the median of its widest channel."""
    boxes = [colours]
    while len(boxes) < count:
        widest = max(boxes, key=lambda box: max(max(c[i] for c in box) - min(c[i] for c in box)
                                                for i in range(3)))
        if len(widest) < 2:
            break
        channel = max(range(3), key=lambda i: max(c[i] for c in widest) - min(c[i] for c in widest))
        widest.sort(key=lambda c: c[channel])
        boxes.remove(widest)
        half = len(widest) // 2
        boxes += [widest[:half], widest[half:]]
    return boxes


def bmp8(rows):
    """An uncompressed bottom-up 8-bit BMP with a median-cut palette: a third of bmp24's size."""
    width, height = len(rows[0]), len(rows)
    pixels_rgb = [tuple(int(round(c)) for c in colour) for row in rows for colour, _ in row]
    boxes = median_cut(sorted(set(pixels_rgb)), 256)
    index_of, palette = {}, bytearray()
    for number, box in enumerate(boxes):
        mean = [round(sum(c[i] for c in box) / len(box)) for i in range(3)]
        palette += bytes((mean[2], mean[1], mean[0], 0))
        for colour in box:
            index_of[colour] = number
    stride = (width + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(height)):
        pixels += bytes(index_of[c] for c in pixels_rgb[y * width:(y + 1) * width])
        pixels += bytes(stride - width)
    offset = 14 + 40 + len(palette)
    return (struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) +
            info_header(width, height, 8, check_assets.BI_RGB, len(pixels), len(boxes)) +
            bytes(palette) + bytes(pixels))


def ico16(rows):
    """A 32 x 32, 16-colour icon file; pixels covered less than half are transparent."""
    size = 32
    xor_bits, and_bits = bytearray(), bytearray()
    for row in reversed(rows):
        indexes, mask = [], 0
        for x, (colour, coverage) in enumerate(row):
            visible = colour is not None and coverage >= 0.5
            indexes.append(nearest(colour, ICON_PALETTE) if visible else 0)
            if not visible:
                mask |= 1 << (31 - x)
        xor_bits += bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, size, 2))
        and_bits += struct.pack(">I", mask)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in ICON_PALETTE)
    image = (info_header(size, size * 2, 4, check_assets.BI_RGB,
                         len(xor_bits) + len(and_bits), 0) + palette + bytes(xor_bits) +
             bytes(and_bits))
    return (struct.pack("<HHH", 0, 1, 1) +
            struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16) + image)


def rle8_row(row):
    """BI_RLE8 codes of one row: encoded runs of up to 255 equal pixels, absolute runs of 3 to
    255 differing pixels (padded to an even length)."""
    codes = bytearray()
    position = 0
    while position < len(row):
        run = 1
        while position + run < len(row) and run < 255 and row[position + run] == row[position]:
            run += 1
        if run >= 3 or len(row) - position < 3:
            codes += bytes((run, row[position]))
            position += run
            continue
        end = position
        while end < len(row) and end - position < 255:
            if end + 2 < len(row) and row[end] == row[end + 1] == row[end + 2]:
                break
            end += 1
        literal = row[position:end]
        if len(literal) < 3:
            for value in literal:
                codes += bytes((1, value))
        else:
            codes += bytes((0, len(literal))) + bytes(literal) + bytes(len(literal) & 1)
        position = end
    return codes


def rle8(rows):
    """A whole BI_RLE8 image (rows top first): bottom row first, end-of-line after each row
    but the last, end-of-bitmap at the end."""
    bottom_up = list(reversed(rows))
    codes = bytearray()
    for number, row in enumerate(bottom_up):
        codes += rle8_row(row)
        codes += b"\x00\x01" if number == len(bottom_up) - 1 else b"\x00\x00"
    return bytes(codes)


def chunk(fourcc, payload):
    return struct.pack("<4sI", fourcc, len(payload)) + payload + bytes(len(payload) & 1)


def riff_list(kind, payload):
    return chunk(b"LIST", kind + payload)


def avi(frames, palette, width, height, microseconds):
    """A one-stream RIFF AVI of BI_RLE8 frames, every frame a key frame, with an idx1 index."""
    largest = max(len(frame) for frame in frames)
    per_second = 1000000 // microseconds
    main_header = struct.pack("<14I", microseconds, largest * per_second, 0,
                              check_assets.AVIF_HASINDEX, len(frames), 0, 1, largest, width,
                              height, 0, 0, 0, 0)
    stream_header = (b"vids" + b"RLE " +
                     struct.pack("<IHHIIIIIIII4h", 0, 0, 0, 0, 1, per_second, 0, len(frames),
                                 largest, 0xFFFFFFFF, 0, 0, 0, width, height))
    stream_format = (info_header(width, height, 8, check_assets.BI_RLE8, largest, 256) +
                     b"".join(bytes((b, g, r, 0)) for r, g, b in palette))
    header_list = riff_list(b"hdrl", chunk(b"avih", main_header) + riff_list(
        b"strl", chunk(b"strh", stream_header) + chunk(b"strf", stream_format)))
    movie, index = bytearray(), bytearray()
    for frame in frames:
        index += struct.pack("<4sIII", b"00dc", check_assets.AVIIF_KEYFRAME, 4 + len(movie),
                             len(frame))
        movie += chunk(b"00dc", frame)
    body = header_list + riff_list(b"movi", bytes(movie)) + chunk(b"idx1", bytes(index))
    return struct.pack("<4sI4s", b"RIFF", 4 + len(body), b"AVI ") + body


# ---------------------------------------------------------------- the progress clip

CLIP_BACKGROUND = (192, 192, 192)


def clip_palette():
    """Index 0 is the background that the transparent animation control replaces; it appears
    nowhere else. Then a grey ramp and a blue ramp for the drawing; the rest is unused."""
    greys = [(round(i * 255 / 31),) * 3 for i in range(32)]
    blues = [(round(10 + i * 120 / 31), round(40 + i * 170 / 31), round(120 + i * 135 / 31))
             for i in range(32)]
    palette = [CLIP_BACKGROUND] + greys + blues
    palette = [c for i, c in enumerate(palette) if i == 0 or c != CLIP_BACKGROUND]
    return palette + [(0, 0, 0)] * (256 - len(palette))


CLIP_MOUSE_PALETTE = {
    "body": (250, 250, 250), "outline": (40, 40, 40), "seam": (120, 120, 120),
    "wheel": (90, 160, 245), "wheel_dark": (20, 60, 150), "highlight": 0.3,
}


def clip_frame_layers(number, count, width):
    track = (6.0, 29.0, width - 6.0, 37.0)
    head = track[0] + 2 + (track[2] - track[0] - 4) * (number + 1) / count
    mouse_x = clamp(head, 14.0, width - 14.0)
    mouse = Placed(mouse_layers(7.0, 10.0, 1.0, CLIP_MOUSE_PALETTE, wheel_phase=number), mouse_x,
                   16.5, 0)
    cable = bezier([(mouse_x, 6.0), (mouse_x, 2.5), (mouse_x - 9, 2.5)], 8) + [(3.0, 2.5)]

    def fill(x, y):
        t = (y - track[1]) / (track[3] - track[1])
        return (40 + 60 * (1 - t), 90 + 100 * (1 - t), 200 + 55 * (1 - t))

    return [
        Layer(RoundedRect(*track, 4.0), solid((64, 64, 64))),
        Layer(RoundedRect(track[0] + 1, track[1] + 1, track[2] - 1, track[3] - 1, 3.0),
              solid((238, 238, 238))),
        Layer(RoundedRect(track[0] + 1, track[1] + 1, head, track[3] - 1, 3.0), fill),
        Layer(Stroke(cable, 1.0), solid((72, 72, 72))),
        mouse,
    ]


def clip_frames(palette, width, height, count):
    frames, cache = [], {}
    for number in range(count):
        rows = []
        for row in render(width, height, clip_frame_layers(number, count, width), 1):
            indexes = []
            for colour, _ in row:
                if colour is None:
                    indexes.append(0)
                    continue
                key = tuple(int(round(c)) for c in colour)
                if key not in cache:
                    cache[key] = nearest(key, palette, first=1)
                indexes.append(cache[key])
            rows.append(indexes)
        frames.append(rows)
    return frames


# ---------------------------------------------------------------- main


def build_all():
    palette = clip_palette()
    width, height = check_assets.CLIP_SIZE
    frames = clip_frames(palette, width, height, check_assets.CLIP_FRAMES)
    contents = {
        "setup_icon.ico": ico16(render(32, 32, icon_layers(False), 4)),
        "purgekit_icon.ico": ico16(render(32, 32, icon_layers(True), 4)),
        "setup_frame.bmp": bmp8(setup_frame_rows()),
        "purgekit_side.bmp": bmp24(purgekit_side_rows()),
        "progress.avi": avi([rle8(rows) for rows in frames], palette, width, height,
                            check_assets.CLIP_MICROSECONDS_PER_FRAME),
    }
    _, decoded = check_assets.check_all(contents)
    if decoded != frames:
        raise check_assets.AssetError("progress.avi: decoded frames differ from the drawn ones")
    return contents


def main():
    if len(sys.argv) != 2:
        raise SystemExit("usage: gen_assets.py OUTPUT_DIR")
    try:
        contents = build_all()
    except check_assets.AssetError as error:
        raise SystemExit(f"gen_assets: {error}")
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, data in contents.items():
        with open(os.path.join(sys.argv[1], name), "wb") as out:
            out.write(data)
    print(f"gen_assets: wrote {len(contents)} files into {sys.argv[1]}")


if __name__ == "__main__":
    main()
