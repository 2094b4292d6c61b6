#!/usr/bin/env python3
"""Extracts the lake outlines of a region from GSHHG into the small text file a sample generator loads.

GSHHG (Global Self-consistent, Hierarchical, High-resolution Geography, Wessel and Smith, LGPL) ships
in Debian as gmt-gshhg-full; the GMT program `gmt coast` dumps its shorelines per bin. This script asks
it for the lakes (level 2) and the islands in them (level 3) of a box, joins the pieces that meet at bin
borders into closed outlines, thins them to a few metres and writes one outline per block:

    > W            a water area (lake or river-lake)
    13.12345 52.54321
    ...
    > I            an island in a water area

Run it once when the region changes; the build never needs GMT:

    apt-get install gmt gmt-gshhg-full
    python3 catalogue/sample/gshhg_outlines.py 12.0 14.45 52.25 53.6 catalogue/sample/berlin/wasserflaechen.txt
"""

import math
import subprocess
import sys
import tempfile

TOLERANCE_M = 12.0      # outlines are thinned until no vertex is further off than this
MIN_AREA_KM2 = 0.03     # smaller ponds are left out
KM_PER_DEG = 111.195


def dump(box, level, resolution="f"):
    """The shoreline pieces of one level as lists of (lon, lat)."""
    region = "-R%s/%s/%s/%s" % box
    # GMT leaves a history file in its working folder; let it be a temporary one.
    with tempfile.TemporaryDirectory() as tmp:
        out = subprocess.run(["gmt", "coast", region, "-D" + resolution, "-W%d/0.1p" % level, "-M",
                              "-A0/%d/%d" % (level, level)], check=True, capture_output=True, text=True,
                             cwd=tmp).stdout
    pieces, cur = [], None
    for line in out.splitlines():
        if line.startswith(">"):
            cur = []
            pieces.append(cur)
        elif line.strip():
            lon, lat = map(float, line.split()[:2])
            cur.append((lon, lat))
    return [p for p in pieces if len(p) > 1]


def key(p):
    return (round(p[0], 6), round(p[1], 6))


def join(pieces):
    """Joins pieces whose ends meet into closed rings; a ring cut by the box is closed straight."""
    open_ = list(pieces)
    rings = []
    while open_:
        ring = open_.pop()
        changed = True
        while changed and key(ring[0]) != key(ring[-1]):
            changed = False
            for i, p in enumerate(open_):
                if key(p[0]) == key(ring[-1]):
                    ring = ring + p[1:]
                elif key(p[-1]) == key(ring[-1]):
                    ring = ring + p[::-1][1:]
                elif key(p[-1]) == key(ring[0]):
                    ring = p + ring[1:]
                elif key(p[0]) == key(ring[0]):
                    ring = p[::-1] + ring[1:]
                else:
                    continue
                open_.pop(i)
                changed = True
                break
        if key(ring[0]) == key(ring[-1]):
            ring = ring[:-1]
        rings.append(ring)
    return rings


def xy(p, lat0):
    return (p[0] * KM_PER_DEG * 1000 * math.cos(math.radians(lat0)), p[1] * KM_PER_DEG * 1000)


def simplify(ring, lat0):
    """Douglas-Peucker on a closed ring, in metres."""
    pts = [xy(p, lat0) for p in ring]

    def dist(p, a, b):
        dx, dy = b[0] - a[0], b[1] - a[1]
        n = math.hypot(dx, dy)
        if n == 0:
            return math.hypot(p[0] - a[0], p[1] - a[1])
        return abs(dx * (a[1] - p[1]) - dy * (a[0] - p[0])) / n

    keep = [False] * len(pts)
    far = max(range(len(pts)), key=lambda i: math.hypot(pts[i][0] - pts[0][0], pts[i][1] - pts[0][1]))
    keep[0] = keep[far] = True
    stack = [(0, far), (far, len(pts))]
    while stack:
        i, j = stack.pop()
        b = pts[j % len(pts)]
        best, at = 0.0, -1
        for k in range(i + 1, j):
            d = dist(pts[k], pts[i], b)
            if d > best:
                best, at = d, k
        if at >= 0 and best > TOLERANCE_M:
            keep[at] = True
            stack += [(i, at), (at, j)]
    return [p for p, k in zip(ring, keep) if k]


def area_km2(ring, lat0):
    pts = [xy(p, lat0) for p in ring]
    s = sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(pts, pts[1:] + pts[:1]))
    return abs(s) / 2e6


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    box = tuple(sys.argv[1:5])
    lat0 = (float(box[2]) + float(box[3])) / 2
    blocks = []
    for level, art in ((2, "W"), (3, "I")):
        for ring in join(dump(box, level)):
            if len(ring) < 3 or area_km2(ring, lat0) < MIN_AREA_KM2:
                continue
            ring = simplify(ring, lat0)
            if len(ring) >= 3:
                blocks.append((art, ring))
    with open(sys.argv[5], "w", encoding="utf-8", newline="\n") as f:
        f.write("# Lake outlines (W) and islands in lakes (I) from GSHHG 2.3.7 full resolution (LGPL),\n"
                "# box %s, thinned to %g m, ponds under %g km2 left out. Written by gshhg_outlines.py.\n"
                % ("/".join(box), TOLERANCE_M, MIN_AREA_KM2))
        for art, ring in blocks:
            f.write("> %s\n" % art)
            f.writelines("%.5f %.5f\n" % p for p in ring)
    print("%s: %d water areas, %d islands, %d vertices" % (
        sys.argv[5], sum(1 for a, _ in blocks if a == "W"), sum(1 for a, _ in blocks if a == "I"),
        sum(len(r) for _, r in blocks)))


if __name__ == "__main__":
    main()
