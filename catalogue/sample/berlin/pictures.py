"""Schematic pictures of the sample catalogue: harbour plans and views, locks, the ship lift, bridges.

Each function returns a pngdraw.Canvas. The drawings are deliberately simple (flat colours, block
letters) and carry the note that they are schematic: they show what a detail view does with a picture,
not what the place looks like. Variation between harbours comes from the variant number, so the same
call always draws the same picture.
"""

import math
import random

from pngdraw import Canvas, text_width

WATER = (120, 175, 225)
WATER_DEEP = (80, 140, 200)
WATER_LIGHT = (170, 205, 235)
LAND = (236, 228, 200)
GRASS = (168, 200, 130)
TREE = (92, 140, 84)
TREE_DARK = (70, 115, 70)
PIER = (150, 108, 66)
QUAY = (165, 165, 165)
CONCRETE = (205, 205, 200)
ROOF = (180, 70, 55)
WALL = (240, 232, 215)
BRICK = (170, 80, 60)
STEEL = (60, 95, 125)
INK = (30, 30, 30)
WHITE = (255, 255, 255)
RED = (210, 40, 40)
GREEN = (40, 150, 60)
GUEST = (60, 170, 90)
YELLOW = (240, 200, 40)
SKY = (190, 220, 245)
SKY_HIGH = (150, 195, 240)
EVENING = ((250, 200, 150), (245, 170, 130), (200, 150, 180), (140, 130, 190))

NOTE = "SCHEMATISCH - NICHT ZUR NAVIGATION"


def _title(c, name, sub=None):
    c.rect(0, 0, c.w - 1, 27, WHITE)
    scale = 2 if text_width(name, 2) <= c.w - 16 else 1
    c.text_centred(c.w / 2, 7 if scale == 2 else 10, name, INK, scale)
    c.rect(0, 28, c.w - 1, 28, INK)
    c.rect(0, c.h - 16, c.w - 1, c.h - 1, WHITE)
    c.rect(0, c.h - 17, c.w - 1, c.h - 17, INK)
    c.text(6, c.h - 12, sub or NOTE, INK)


def _label(c, x, y, s, colour=INK, box=WHITE):
    """A label with a small box behind it, centred on (x, y)."""
    w = text_width(s)
    x0 = int(round(x - w / 2.0))
    c.rect(x0 - 2, y - 5, x0 + w + 1, y + 5, box)
    c.text(x0, y - 3, s, colour)


def _boat_top(c, x, y, length, beam, colour=WHITE, vertical=True):
    """A boat seen from above, bow up (vertical) or bow right."""
    if vertical:
        pts = [(x, y - length / 2.0), (x + beam / 2.0, y - length / 6.0), (x + beam / 2.0, y + length / 2.0),
               (x - beam / 2.0, y + length / 2.0), (x - beam / 2.0, y - length / 6.0)]
    else:
        pts = [(x + length / 2.0, y), (x + length / 6.0, y + beam / 2.0), (x - length / 2.0, y + beam / 2.0),
               (x - length / 2.0, y - beam / 2.0), (x + length / 6.0, y - beam / 2.0)]
    c.polygon(pts, colour)
    c.polyline(pts + pts[:1], INK)


# --- harbour plan ----------------------------------------------------------------------------------------

def harbour_plan(name, flags, has_fuel, variant):
    """Plan of a harbour: fairway, basin or quay, piers with berths, entrance, buildings and labels."""
    c = Canvas(480, 360, LAND)
    shape = variant % 3
    flip_x = (variant // 3) % 2 == 1
    rnd = random.Random(1000 + variant)

    def X(x):
        return 480 - x if flip_x else x

    def P(pts):
        return [(X(x), y) for x, y in pts]

    def R(x0, y0, x1, y1, colour):
        c.rect(X(x0), y0, X(x1), y1, colour)

    # green banks and trees in the land
    for _ in range(14):
        tx, ty = rnd.randrange(20, 460), rnd.randrange(40, 90)
        c.disc(X(tx), ty, rnd.randrange(5, 10), TREE)
    c.rect(0, 262, 479, 343, WATER)                         # fairway
    c.rect(0, 300, 479, 303, WATER_DEEP)
    for ax in (120, 360):
        c.polyline(P([(ax - 30, 318), (ax + 30, 318), (ax + 22, 313)]), WATER_DEEP, 2)
    _label(c, 240, 330, "FAHRWASSER", INK, WATER_LIGHT)

    if shape == 0:      # rectangular basin behind two moles
        basin = [(60, 110), (420, 110), (420, 262), (60, 262)]
        c.polygon(P(basin), WATER)
        c.polyline(P(basin[:1] + basin[1:] + basin[:1]), QUAY, 3)
        R(40, 258, 250, 266, QUAY)
        R(300, 258, 440, 266, QUAY)
        entrance = (275, 262)
        piers = [(110, 120, 235), (190, 120, 235), (270, 120, 225), (350, 120, 225)]
    elif shape == 1:    # lagoon with a breakwater
        basin = [(40, 150), (120, 105), (300, 100), (440, 130), (440, 262), (40, 262)]
        c.polygon(P(basin), WATER)
        c.polyline(P(basin + basin[:1]), QUAY, 2)
        R(150, 250, 440, 258, QUAY)
        entrance = (95, 258)
        piers = [(200, 112, 225), (285, 110, 225), (370, 122, 225)]
    else:               # quay along the fairway with piers straight out
        c.rect(0, 200, 479, 262, WATER)
        R(0, 192, 479, 199, QUAY)
        entrance = None
        piers = [(90, 199, 250), (200, 199, 250), (310, 199, 250)]

    guest_pier = rnd.randrange(len(piers) - 1 if has_fuel else len(piers))   # the last pier has the pump
    for i, (px, y0, y1) in enumerate(piers):
        colour = GUEST if i == guest_pier and "IH_Gastliegeplaetze" in flags else PIER
        R(px - 3, y0, px + 3, y1, colour)
        for fy in range(y0 + 12, y1 - 4, 16):
            R(px - 22, fy, px - 4, fy + 2, colour)
            R(px + 4, fy, px + 22, fy + 2, colour)
            for side in (-1, 1):
                if rnd.random() < 0.55:
                    _boat_top(c, X(px + side * 13), fy + 9, 13, 7, WHITE, vertical=False)
        if i == guest_pier and "IH_Gastliegeplaetze" in flags:
            _label(c, X(px), y1 + 8, "GÄSTE", WHITE, GUEST)
        if "AS_strom" in flags or "AS_wasser" in flags:
            c.disc(X(px), y1 - 2, 3, YELLOW)

    if entrance:
        ex, ey = entrance
        c.disc(X(ex - 22), ey, 4, RED)
        c.disc(X(ex + 22), ey, 4, GREEN)
        c.polyline(P([(ex, ey + 30), (ex, ey + 6)]), INK, 2)
        c.polygon(P([(ex - 6, ey + 12), (ex + 6, ey + 12), (ex, ey + 3)]), INK)
        _label(c, X(ex + 45), ey + 22, "EINFAHRT")

    # buildings on land along the top of the harbour
    buildings = [("HAFENMEISTER", ROOF)]
    if "IH_WC" in flags or "IH_Dusche" in flags:
        buildings.append(("WC/DUSCHE", (120, 120, 170)))
    if "IH_Restaurant" in flags:
        buildings.append(("RESTAURANT", (200, 140, 40)))
    if "IH_Werft" in flags:
        buildings.append(("WERFT", (110, 110, 110)))
    top = 40 if shape != 2 else 100
    x = 30
    for label, colour in buildings:
        w = max(text_width(label) + 12, 50)
        R(x, top + 28, x + w, top + 52, colour)
        _label(c, X(x + w / 2.0), top + 40, label, INK, WALL)
        x += w + 16
    if has_fuel:
        fx = piers[-1][0]
        fy = piers[-1][2]
        R(fx - 12, fy - 4, fx + 12, fy + 6, RED)
        c.text(X(fx) - 2, fy - 2, "T", WHITE)
        _label(c, X(fx), fy + 16, "TANKSTELLE", WHITE, RED)
    if "IH_Kran" in flags:
        kx = 440 if shape != 2 else 420
        ky = 100 if shape != 1 else 95
        c.ring(X(kx), ky + 8, 9, INK, 2)
        c.line(X(kx), ky + 8, X(kx - 18), ky - 6, INK, 2)
        _label(c, X(kx), ky + 25, "KRAN")
    if "IH_Skipanlage" in flags:
        sx = 20 if shape != 1 else 30
        for k in range(6):
            R(sx, 160 + k * 6 if shape != 2 else 170 + k * 4, sx + 22,
              162 + k * 6 if shape != 2 else 171 + k * 4, QUAY)
        _label(c, X(sx + 11), 150 if shape != 2 else 160, "SLIP")

    # north arrow and scale bar
    c.polygon([(455, 40), (463, 62), (455, 56), (447, 62)], INK)
    c.text(452, 66, "N", INK)
    c.rect(20, 350 - 17 - 14, 120, 350 - 17 - 12, INK)
    c.rect(20, 350 - 17 - 18, 21, 350 - 17 - 10, INK)
    c.rect(119, 350 - 17 - 18, 120, 350 - 17 - 10, INK)
    c.text(52, 350 - 17 - 24, "50 M", INK)
    _title(c, name)
    return c


# --- harbour view ----------------------------------------------------------------------------------------

def harbour_view(name, variant, evening):
    """A view across the water of a harbour: shore with trees and houses, boats at a pier, a name board."""
    c = Canvas(480, 300, SKY)
    rnd = random.Random(2000 + variant)
    bands = EVENING if evening else (SKY_HIGH, SKY, SKY, (215, 232, 248))
    for i, colour in enumerate(bands):
        c.rect(0, 29 + i * 28, 479, 29 + (i + 1) * 28, colour)
    sun = (rnd.randrange(60, 420), 80 if evening else 55)
    c.disc(sun[0], sun[1], 16, (250, 120, 60) if evening else (255, 235, 120))
    horizon = 150
    c.rect(0, horizon - 8, 479, horizon + 6, GRASS)
    x = 0
    while x < 480:                                          # tree line
        r = rnd.randrange(10, 20)
        c.disc(x, horizon - 6, r, TREE if rnd.random() < 0.6 else TREE_DARK)
        x += r + rnd.randrange(2, 10)
    for _ in range(rnd.randrange(3, 6)):                   # houses
        hx = rnd.randrange(20, 440)
        hw = rnd.randrange(24, 44)
        hh = rnd.randrange(16, 30)
        c.rect(hx, horizon - hh, hx + hw, horizon + 2, WALL)
        c.polygon([(hx - 3, horizon - hh), (hx + hw + 3, horizon - hh), (hx + hw / 2.0, horizon - hh - 14)], ROOF)
        for wx in range(hx + 5, hx + hw - 5, 10):
            c.rect(wx, horizon - hh + 6, wx + 4, horizon - hh + 10, (90, 110, 140))
    if variant % 3 == 0:                                    # church tower
        tx = rnd.randrange(100, 380)
        c.rect(tx, horizon - 60, tx + 14, horizon, BRICK)
        c.polygon([(tx - 2, horizon - 60), (tx + 16, horizon - 60), (tx + 7, horizon - 90)], (70, 110, 90))
    c.rect(0, horizon + 6, 479, 283, WATER)
    for _ in range(40):                                     # ripples
        rx, ry = rnd.randrange(0, 470), rnd.randrange(horizon + 12, 280)
        c.rect(rx, ry, rx + rnd.randrange(8, 30), ry, WATER_LIGHT)
    c.rect(0, 236, 479, 244, PIER)                          # the pier in front
    for px in range(10, 480, 40):
        c.rect(px, 244, px + 4, 283, (110, 80, 50))
    for i in range(rnd.randrange(3, 6)):                    # boats
        bx = 40 + i * 90 + rnd.randrange(-10, 10)
        by = 232
        L = rnd.randrange(50, 75)
        hull = [(bx - L / 2.0, by - 14), (bx + L / 2.0 + 8, by - 16), (bx + L / 2.0 - 4, by), (bx - L / 2.0 + 4, by)]
        c.polygon(hull, WHITE)
        c.polyline(hull + hull[:1], INK)
        c.rect(bx - L / 2.0 + 4, by - 12, bx + L / 2.0 - 6, by - 10, (40, 80, 150))
        if rnd.random() < 0.5:
            c.rect(bx - 10, by - 104, bx - 9, by - 14, INK)  # mast of a sailing boat
            c.polygon([(bx - 8, by - 100), (bx - 8, by - 20), (bx + 22, by - 20)], WHITE)
        else:
            c.rect(bx - L / 4.0, by - 26, bx + L / 6.0, by - 14, WALL)
            c.rect(bx - L / 4.0 + 3, by - 23, bx + L / 6.0 - 3, by - 19, (90, 110, 140))
    board = name if text_width(name) < 300 else name.split(" (")[0]
    w = text_width(board, 1)
    c.rect(240 - w / 2.0 - 8, 252, 240 + w / 2.0 + 8, 270, WHITE)
    c.frame(240 - w / 2.0 - 8, 252, 240 + w / 2.0 + 8, 270, INK)
    c.text_centred(240, 258, board, INK)
    _title(c, name, "ZEICHNUNG, KEIN FOTO - " + NOTE)
    return c


# --- locks -----------------------------------------------------------------------------------------------

def lock_view(name, laenge, breite, hub, kammern):
    """Plan of a lock: upper and lower water, the chamber(s) with mitre gates, signals and a boat."""
    c = Canvas(480, 320, GRASS)
    top, bottom = 29, 303
    c.rect(0, 60, 129, 270, WATER)                          # upper water, left
    c.rect(351, 80, 479, 250, WATER_DEEP)                   # lower water, right
    _label(c, 64, 100, "OBERWASSER", INK, WATER_LIGHT)
    _label(c, 415, 120, "UNTERWASSER", WHITE, WATER_DEEP)
    n = max(1, min(int(kammern or 1), 3))
    gap = 18
    ch = min(60, (150 - gap * (n - 1)) // n)
    y0 = 165 - (n * ch + (n - 1) * gap) // 2
    for k in range(n):
        a = y0 + k * (ch + gap)
        c.rect(120, a - 10, 360, a + ch + 10, CONCRETE)     # walls
        c.rect(130, a, 350, a + ch, WATER_LIGHT)            # chamber
        for gx in (145, 345):                               # mitre gates, pointing upstream
            c.line(gx, a, gx - 12, a + ch / 2.0, STEEL, 3)
            c.line(gx, a + ch, gx - 12, a + ch / 2.0, STEEL, 3)
        _boat_top(c, 245 + (k * 25) % 50, a + ch / 2.0, min(60, ch * 2), ch * 0.45, WHITE, vertical=False)
    for sx, col in ((112, RED), (368, GREEN)):             # traffic signals
        c.rect(sx - 5, y0 - 38, sx + 5, y0 - 16, INK)
        c.disc(sx, y0 - 27, 4, col)
    # flow arrow
    c.polyline([(30, 240), (95, 240)], INK, 2)
    c.polygon([(95, 234), (105, 240), (95, 246)], INK)
    lines = ["KAMMER %s X %s M" % (_num(laenge), _num(breite)), "HUB BIS %s M" % _num(hub),
             "%d KAMMER%s" % (n, "N" if n > 1 else "")]
    for i, s in enumerate(lines):
        c.text(140, 258 + i * 11, s, INK)
    _title(c, name)
    return c


def _num(v):
    if v is None:
        return "?"
    text = ("%.1f" % v).rstrip("0").rstrip(".")
    return text.replace(".", ",")


def ship_lift(name):
    """Side view of a vertical ship lift: the canal bridge above, the trough in its steel frame, the valley."""
    c = Canvas(480, 320, SKY)
    c.rect(0, 29, 479, 80, SKY_HIGH)
    c.rect(0, 250, 479, 303, GRASS)
    c.rect(300, 262, 479, 290, WATER_DEEP)                  # lower water
    c.rect(0, 95, 150, 118, CONCRETE)                       # canal bridge
    c.rect(0, 88, 150, 95, WATER)
    for px in range(20, 150, 45):
        c.rect(px, 118, px + 10, 250, CONCRETE)
    # steel frame
    fx0, fx1 = 160, 330
    c.rect(fx0, 50, fx1, 52, STEEL)
    for x in range(fx0, fx1 + 1, 34):
        c.rect(x, 50, x + 3, 262, STEEL)
    for y in range(50, 250, 30):
        c.rect(fx0, y, fx1 + 3, y + 1, STEEL)
        for x in range(fx0, fx1, 34):
            c.line(x, y, x + 34, y + 30, STEEL)
    # trough at the bottom, a boat in it
    c.rect(fx0 + 6, 224, fx1 - 3, 246, (120, 120, 130))
    c.rect(fx0 + 10, 226, fx1 - 7, 238, WATER)
    hull = [(205, 224), (290, 222), (282, 236), (212, 236)]
    c.polygon(hull, WHITE)
    c.polyline(hull + hull[:1], INK)
    c.rect(225, 212, 262, 224, WALL)
    # height mark
    c.line(350, 92, 350, 262, INK)
    c.polygon([(345, 100), (355, 100), (350, 90)], INK)
    c.polygon([(345, 254), (355, 254), (350, 264)], INK)
    c.text(358, 170, "RUND 36 M", INK)
    _label(c, 75, 75, "OBERWASSER", INK, WATER_LIGHT)
    _label(c, 395, 276, "UNTERWASSER", WHITE, WATER_DEEP)
    _label(c, 245, 40, "TROG 115 X 12,5 M", INK, WHITE)
    _title(c, name)
    return c


def ship_lift_plan(name):
    """Plan of the ship lift: upper canal, waiting berths, the lift, the lower harbour."""
    c = Canvas(480, 320, GRASS)
    c.rect(0, 150, 200, 190, WATER)                         # upper canal on its bridge
    c.rect(0, 146, 200, 149, CONCRETE)
    c.rect(0, 191, 200, 194, CONCRETE)
    c.rect(200, 120, 290, 220, CONCRETE)                    # the lift
    c.rect(210, 155, 280, 185, WATER_LIGHT)
    c.frame(200, 120, 290, 220, STEEL, 3)
    c.rect(290, 140, 479, 200, WATER_DEEP)                  # lower harbour
    for x0, y0 in ((30, 190), (330, 200)):                  # waiting berths
        c.rect(x0, y0, x0 + 90, y0 + 5, PIER)
    _label(c, 75, 215, "WARTESTELLE")
    _label(c, 375, 222, "WARTESTELLE")
    _label(c, 100, 135, "KANALBRÜCKE", INK, WHITE)
    _label(c, 245, 110, "HEBEWERK")
    _label(c, 400, 128, "UNTERHAFEN", WHITE, WATER_DEEP)
    _boat_top(c, 245, 170, 56, 18, WHITE, vertical=False)
    c.polyline([(20, 170), (70, 170)], INK, 2)
    c.polygon([(70, 164), (80, 170), (70, 176)], INK)
    c.polygon([(455, 40), (463, 62), (455, 56), (447, 62)], INK)
    c.text(452, 66, "N", INK)
    _title(c, name + " - LAGEPLAN")
    return c


# --- bridges ---------------------------------------------------------------------------------------------

def bridge_view(name, hoehe, breite, kategorie):
    """Elevation of a bridge from the water with its clearance height."""
    c = Canvas(480, 320, SKY)
    c.rect(0, 29, 479, 90, SKY_HIGH)
    water = 240
    c.rect(0, water, 479, 303, WATER)
    c.rect(0, 170, 70, water + 10, GRASS)
    c.rect(410, 170, 479, water + 10, GRASS)
    movable = "klapp" in kategorie.lower()
    if movable:
        c.rect(60, 165, 110, water + 10, CONCRETE)          # abutments
        c.rect(370, 165, 420, water + 10, CONCRETE)
        c.polygon([(105, 165), (118, 158), (215, 60), (205, 52), (100, 160)], STEEL)  # raised leaves
        c.polygon([(375, 165), (362, 158), (265, 60), (275, 52), (380, 160)], STEEL)
        c.rect(70, 150, 100, 165, (90, 90, 90))             # counterweights
        c.rect(380, 150, 410, 165, (90, 90, 90))
        c.rect(110, 196, 370, 198, (255, 255, 255))
        deck = 198
        c.text_centred(240, 205, "GESCHLOSSEN", INK)
    else:
        deck = water - int(max(min(hoehe, 8.0), 1.5) * 14)
        c.rect(40, deck - 26, 440, water, BRICK)
        openings = 3
        span = 400 // openings
        for k in range(openings):                           # elliptic arches springing near the water
            x0 = 40 + k * span + 14
            x1 = 40 + (k + 1) * span - 14
            rx = (x1 - x0) / 2.0
            cx = (x0 + x1) / 2.0
            spring = water - 12
            ry = spring - (deck + 4)
            arch = [(cx + rx * math.cos(math.radians(a)), spring - ry * math.sin(math.radians(a)))
                    for a in range(0, 181, 10)]
            c.polygon(arch + [(x0, water), (x1, water)], SKY)
        c.rect(0, water, 479, 303, WATER)
        if "oberbaum" in name.lower():                      # the two towers
            for tx in (196, 262):
                c.rect(tx, deck - 80, tx + 22, deck - 20, BRICK)
                for k in range(4):
                    c.rect(tx + k * 6, deck - 86, tx + k * 6 + 3, deck - 80, BRICK)
        c.rect(40, deck - 30, 440, deck - 27, INK)
    # clearance
    cx = 240 if not movable else 300
    top = deck
    c.line(cx, top + 4, cx, water - 2, INK)
    c.polygon([(cx - 5, top + 12), (cx + 5, top + 12), (cx, top + 2)], INK)
    c.polygon([(cx - 5, water - 10), (cx + 5, water - 10), (cx, water)], INK)
    label = "H %s M" % _num(hoehe)
    c.rect(cx + 6, (top + water) / 2 - 7, cx + 10 + text_width(label, 2), (top + water) / 2 + 9, WHITE)
    c.text(cx + 8, (top + water) / 2 - 5, label, INK, 2)
    c.text(8, 290, "BREITE %s M   %s" % (_num(breite), kategorie.upper()), INK)
    _title(c, name)
    return c
