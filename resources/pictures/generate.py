#!/usr/bin/env python3
"""Draws the plug-in's pictures and the toolkit's built-in icons, and writes the id-to-file table,
the Qt resource files and the Windows resource script that carry them.

Standard library only. Run from anywhere: python3 resources/pictures/generate.py
Every picture is drawn from signed distance functions in logical pixels, once at 1x and once at
2x, so both densities come from the same geometry. Output is deterministic.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.dirname(HERE)

# ---------------------------------------------------------------------------------------------
# PNG writer


def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) floats in 0..1, straight alpha."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw.extend(round(max(0.0, min(1.0, v)) * 255) for v in (r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# ---------------------------------------------------------------------------------------------
# Shapes: functions (x, y) -> signed distance in logical pixels, negative inside.


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(cx, cy, hw, hh, radius=0.0):
    def sdf(x, y):
        qx = abs(x - cx) - hw + radius
        qy = abs(y - cy) - hh + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return sdf


def segment(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def sdf(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r
    return sdf


def polygon(points, radius=0.0):
    """Convex or concave polygon, corners rounded by inflating it by radius."""
    def sdf(x, y):
        best = float("inf")
        sign = 1.0
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            c1 = y >= ay
            c2 = y < by
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                sign = -sign
        return sign * best - radius
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def stroke(shape, half_width):
    return lambda x, y: abs(shape(x, y)) - half_width


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


# ---------------------------------------------------------------------------------------------
# Painting


def hex_colour(text, alpha=1.0):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4)) + (alpha,)


def radial(cx, cy, r, inner, outer):
    """A paint whose colour runs from inner at (cx, cy) to outer at distance r."""
    a, b = hex_colour(inner), hex_colour(outer)

    def paint(x, y):
        t = max(0.0, min(1.0, math.hypot(x - cx, y - cy) / r))
        return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))
    return paint


def vertical(y0, y1, top, bottom):
    a, b = hex_colour(top), hex_colour(bottom)

    def paint(x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))
    return paint


def render(size, scale, layers):
    """layers: (shape, paint, mode); paint is a colour tuple or a function of (x, y); mode is
    "over", "multiply" or "screen"."""
    width = height = size * scale
    pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]
    for py in range(height):
        for px in range(width):
            x = (px + 0.5) / scale
            y = (py + 0.5) / scale
            dr, dg, db, da = pixels[py][px]
            for shape, paint, mode in layers:
                coverage = max(0.0, min(1.0, 0.5 - shape(x, y) * scale))
                if coverage <= 0.0:
                    continue
                r, g, b, a = paint(x, y) if callable(paint) else paint
                a *= coverage
                if mode == "multiply":
                    r, g, b = dr * r, dg * g, db * b
                elif mode == "screen":
                    r, g, b = 1 - (1 - dr) * (1 - r), 1 - (1 - dg) * (1 - g), 1 - (1 - db) * (1 - b)
                out = a + da * (1 - a)
                if out > 0:
                    dr = (r * a + dr * da * (1 - a)) / out
                    dg = (g * a + dg * da * (1 - a)) / out
                    db = (b * a + db * da * (1 - a)) / out
                da = out
            pixels[py][px] = (dr, dg, db, da)
    return width, height, pixels


def over(shape, paint):
    return (shape, paint, "over")


# ---------------------------------------------------------------------------------------------
# Themes

THEMES = {
    "light": {
        "glyph": "#4B4B4B",
        "info": "#1E78D2",
        "amber": "#F0A30A",
        "tile_edge": "#6E6E6E",
        "bezel": ("#D4D4D4", "#8E8E8E"),
    },
    "dark": {
        "glyph": "#D2D2D2",
        "info": "#3B95EC",
        "amber": "#F5B530",
        "tile_edge": "#9A9A9A",
        "bezel": ("#4C4C4C", "#1E1E1E"),
    },
}

INK = "#232323"
WHITE = "#FFFFFF"
BLACK = "#000000"

# ---------------------------------------------------------------------------------------------
# Pictures. Each function takes the theme and returns (size in logical pixels, layers).


def msgbox_info(theme):
    t = THEMES[theme]
    return 32, [
        over(circle(16, 16, 14), vertical(2, 30, t["info"], t["info"])),
        over(circle(16, 9.5, 2.1), hex_colour(WHITE)),
        over(segment(16, 14.2, 16, 23, 1.8), hex_colour(WHITE)),
    ]


def warning_triangle(size, inset, theme):
    t = THEMES[theme]
    s = size
    triangle = polygon([(s / 2, inset), (s - inset, s - inset * 1.2), (inset, s - inset * 1.2)],
                       radius=s / 16)
    bar_top, bar_bottom = s * 0.36, s * 0.62
    return [
        over(triangle, hex_colour(t["amber"])),
        over(segment(s / 2, bar_top, s / 2, bar_bottom, s * 0.058), hex_colour(INK)),
        over(circle(s / 2, s * 0.75, s * 0.062), hex_colour(INK)),
    ]


def msgbox_alert(theme):
    return 32, warning_triangle(32, 2.5, theme)


def pal_viewer(theme):
    t = THEMES[theme]
    upper = circle(10, 13.9, 8.9)
    lower = circle(10, 6.1, 8.9)
    eye = intersect(upper, lower)
    return 20, [
        over(stroke(eye, 0.8), hex_colour(t["glyph"])),
        over(subtract(circle(10, 10, 3.2), circle(11.2, 8.8, 1.0)), hex_colour(t["glyph"])),
    ]


CMY_CENTRES = ((10, 7.6), (7.7, 11.6), (12.3, 11.6))
CMY_RADIUS = 3.7


def visualize(theme, paper, inks, mode):
    t = THEMES[theme]
    tile = box(10, 10, 8, 8, 2.5)
    layers = [over(tile, hex_colour(paper))]
    for (cx, cy), ink in zip(CMY_CENTRES, inks):
        layers.append((intersect(circle(cx, cy, CMY_RADIUS), tile), hex_colour(ink), mode))
    layers.append(over(stroke(box(10, 10, 7.75, 7.75, 2.25), 0.5), hex_colour(t["tile_edge"])))
    return 20, layers


def visualize_color(theme):
    return visualize(theme, WHITE, ("#00AEEF", "#EC008C", "#FFF200"), "multiply")


def visualize_bw(theme):
    return visualize(theme, WHITE, ("#9A9A9A", "#7A7A7A", "#DADADA"), "multiply")


def visualize_inverted(theme):
    return visualize(theme, "#141414", ("#FF5110", "#13FF73", "#000DFF"), "screen")


def magnifier_cursor(with_plus):
    """Lens centred on pixel (8, 8), the hot spot."""
    c = 8.5
    lens = circle(c, c, 6.2)
    handle = segment(c + 4.6, c + 4.6, 20.0, 20.0, 1.9)
    layers = [
        over(grow(union(lens, handle), 1.0), hex_colour(WHITE)),
        over(union(lens, handle), hex_colour(BLACK)),
        over(circle(c, c, 4.9), hex_colour(WHITE)),
        over(box(c, c, 3.0, 0.6), hex_colour(BLACK)),
    ]
    if with_plus:
        layers.append(over(box(c, c, 0.6, 3.0), hex_colour(BLACK)))
    return 24, layers


def zoom_in(_theme):
    return magnifier_cursor(True)


def zoom_out(_theme):
    return magnifier_cursor(False)


def crosshair(gap):
    """Black lines with a white halo, centred on pixel (11, 11)."""
    c = 11.5
    arms = [
        box(c, c - gap - (9 - gap) / 2, 0.5, (9 - gap) / 2),
        box(c, c + gap + (9 - gap) / 2, 0.5, (9 - gap) / 2),
        box(c - gap - (9 - gap) / 2, c, (9 - gap) / 2, 0.5),
        box(c + gap + (9 - gap) / 2, c, (9 - gap) / 2, 0.5),
    ]
    arms.append(box(c, c, 0.5, 0.5))
    lines = union(*arms)
    return 24, [over(grow(lines, 1.0), hex_colour(WHITE)), over(lines, hex_colour(BLACK))]


def high_precision(_theme):
    return crosshair(3)


def cross(_theme):
    return crosshair(0)


def fist(_theme):
    """A closed hand seen from its back, centred on (11, 11)."""
    palm = box(12.0, 13.0, 5.6, 5.2, 3.0)
    knuckles = [circle(x, 8.3, 1.95) for x in (8.2, 11.0, 13.8, 16.2)]
    thumb = segment(5.0, 10.6, 8.6, 14.6, 1.9)
    hand = union(palm, thumb, *knuckles)
    gaps = union(*[segment(x, 7.4, x, 10.4, 0.42) for x in (9.6, 12.4, 15.0)])
    return 24, [
        over(grow(hand, 1.0), hex_colour(BLACK)),
        over(hand, hex_colour(WHITE)),
        over(gaps, hex_colour(BLACK)),
        over(stroke(thumb, 0.42), hex_colour(BLACK)),
        over(grow(thumb, -0.42), hex_colour(WHITE)),
    ]


def led(light, deep):
    def draw(theme):
        bezel_top, bezel_bottom = THEMES[theme]["bezel"]
        return 16, [
            over(circle(8, 8, 7.3), vertical(0.7, 15.3, bezel_top, bezel_bottom)),
            over(circle(8, 8, 5.6), radial(6.6, 6.4, 7.2, light, deep)),
            over(stroke(circle(8, 8, 5.6), 0.35), hex_colour(deep, 0.8)),
            over(circle(6.6, 5.9, 1.8), hex_colour(WHITE, 0.55)),
        ]
    return draw


# Built-in icons of the toolkit manager library: monochrome glyphs of 16 logical pixels.


def monochrome(theme, shapes):
    """A 16-pixel glyph: every shape in the theme's glyph colour."""
    return 16, [over(shape, hex_colour(THEMES[theme]["glyph"])) for shape in shapes]


def magnifier_glyph(theme, with_plus):
    shapes = [
        stroke(circle(6.6, 6.6, 4.6), 0.7),
        segment(10.0, 10.0, 14.0, 14.0, 1.2),
        box(6.6, 6.6, 2.4, 0.55),
    ]
    if with_plus:
        shapes.append(box(6.6, 6.6, 0.55, 2.4))
    return monochrome(theme, shapes)


def zoom_in_glyph(theme):
    return magnifier_glyph(theme, True)


def zoom_out_glyph(theme):
    return magnifier_glyph(theme, False)


def warning_glyph(theme):
    return 16, warning_triangle(16, 1.0, theme)


def chain_link(ax, ay, bx, by):
    return stroke(segment(ax, ay, bx, by, 2.3), 0.7)


def link_glyph(theme):
    return monochrome(theme, [
        chain_link(3.6, 12.4, 6.6, 9.4),
        chain_link(9.4, 6.6, 12.4, 3.6),
        segment(6.2, 9.8, 9.8, 6.2, 0.7),
    ])


def unlink_glyph(theme):
    breaks = [((7.0, 1.6), (7.0, 3.4)), ((1.6, 7.0), (3.4, 7.0)), ((9.0, 12.6), (9.0, 14.4)),
              ((12.6, 9.0), (14.4, 9.0))]
    return monochrome(theme, [
        chain_link(3.2, 12.8, 5.6, 10.4),
        chain_link(10.4, 5.6, 12.8, 3.2),
    ] + [segment(a[0], a[1], b[0], b[1], 0.6) for a, b in breaks])


# ---------------------------------------------------------------------------------------------
# What is generated

# The plug-in's id-to-file table, in the order of its lines: (id, file name, drawing, theme).
# A file name ending in "_d.png" is the dark-theme twin; the cursors serve both themes.
PLUGIN_PICTURES = [
    (17101, "msgbox_info_hueline.png", msgbox_info, "light"),
    (18101, "msgbox_info_hueline_d.png", msgbox_info, "dark"),
    (17103, "msgbox_alert_hueline.png", msgbox_alert, "light"),
    (18103, "msgbox_alert_hueline_d.png", msgbox_alert, "dark"),
    (17100, "pal_viewer.png", pal_viewer, "light"),
    (18100, "pal_viewer_d.png", pal_viewer, "dark"),
    (17201, "visualize_bw.png", visualize_bw, "light"),
    (18201, "visualize_bw_d.png", visualize_bw, "dark"),
    (17202, "visualize_color.png", visualize_color, "light"),
    (18202, "visualize_color_d.png", visualize_color, "dark"),
    (17203, "visualize_inverted.png", visualize_inverted, "light"),
    (18203, "visualize_inverted_d.png", visualize_inverted, "dark"),
    (16204, "zoom_in.png", zoom_in, "light"),
    (16205, "zoom_out.png", zoom_out, "light"),
    (16206, "high_precision.png", high_precision, "light"),
    (16207, "fist.png", fist, "light"),
    (16208, "cross.png", cross, "light"),
    (17209, "HL_Led_Green.png", led("#9BF09F", "#1E8A30"), "light"),
    (18209, "HL_Led_Green_d.png", led("#A8F5AC", "#23973A"), "dark"),
    (17210, "HL_Led_Orange.png", led("#FFD98A", "#D2790A"), "light"),
    (18210, "HL_Led_Orange_d.png", led("#FFE09A", "#E08612"), "dark"),
    (17211, "HL_Led_Red.png", led("#FF9C8F", "#B8241B"), "light"),
    (18211, "HL_Led_Red_d.png", led("#FFA89B", "#C92D22"), "dark"),
]

# The manager library's built-in icons: (requested id, file stem, drawing). Each is written light
# (id + 1000), dark (id + 2000) and at double density (+ 4000).
BUILTIN_PICTURES = [
    (16003, "warning", warning_glyph),
    (16028, "zoom_in", zoom_in_glyph),
    (16029, "zoom_out", zoom_out_glyph),
    (16051, "link", link_glyph),
    (16052, "unlink", unlink_glyph),
]

HIGH_DENSITY_OFFSET = 4000


def draw_pair(folder, stem, drawing, theme):
    """Writes stem.png and stem_at_2x.png; returns both file names."""
    names = []
    for scale, suffix in ((1, ""), (2, "_at_2x")):
        size, layers = drawing(theme)
        width, height, pixels = render(size, scale, layers)
        name = stem + suffix + ".png"
        write_png(os.path.join(folder, name), width, height, pixels)
        names.append(name)
    return names


def write_text(path, text):
    with open(path, "w", newline="\n") as f:
        f.write(text)


def main():
    png_folder = os.path.join(HERE, "png")
    builtin_folder = os.path.join(HERE, "builtin")
    os.makedirs(png_folder, exist_ok=True)
    os.makedirs(builtin_folder, exist_ok=True)

    table = []
    qrc = ['<RCC>', '  <qresource prefix="/hueline">',
           '    <file alias="TXT/IDTOFILE">pictures/IDToFile.txt</file>']
    rc = ['// Generated by generate.py: the pictures as "png" resources and their id table.',
          'IDTOFILE TXT "IDToFile.txt"']
    for picture_id, file_name, drawing, theme in PLUGIN_PICTURES:
        table.append("%d.png %s" % (picture_id, file_name))
        stem = file_name[:-len(".png")]
        for name in draw_pair(png_folder, stem, drawing, theme):
            resource = name[:-len(".png")].upper()
            qrc.append('    <file alias="PNG/%s">pictures/png/%s</file>' % (resource, name))
            rc.append('%s PNG "png/%s"' % (resource, name))
    qrc += ['  </qresource>', '</RCC>', '']
    write_text(os.path.join(HERE, "IDToFile.txt"), "\n".join(table) + "\n")
    write_text(os.path.join(RESOURCES, "pictures.qrc"), "\n".join(qrc))
    write_text(os.path.join(HERE, "Pictures.rc"), "\n".join(rc) + "\n")

    builtin_qrc = ['<RCC>', '  <qresource prefix="/rvadm/builtin">']
    for picture_id, stem, drawing in BUILTIN_PICTURES:
        for theme, offset, suffix in (("light", 1000, ""), ("dark", 2000, "_d")):
            names = draw_pair(builtin_folder, stem + suffix, drawing, theme)
            for name, density in zip(names, (0, HIGH_DENSITY_OFFSET)):
                builtin_qrc.append('    <file alias="%d">pictures/builtin/%s</file>'
                                   % (picture_id + offset + density, name))
    builtin_qrc += ['  </qresource>', '</RCC>', '']
    write_text(os.path.join(RESOURCES, "builtin_pictures.qrc"), "\n".join(builtin_qrc))


if __name__ == "__main__":
    main()
