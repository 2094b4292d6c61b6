"""Builds the SQL data of a sample waterway catalogue from a compact description.

A generator script describes its waterways as polylines (longitude, latitude in decimal degrees),
the junctions between them and the objects along them, then calls Catalogue.write(). This module
lays points along every waterway at every half official kilometre, puts a point at every junction
and object, numbers them, fills the detail tables and the lock operating hours, and derives the
per-waterway totals (length, object counts, bounding box, smallest width, height and depth).

Everything is checked while building: an object that lies far off its waterway, two objects on the
same spot, a junction that is not a vertex of every waterway it joins, or chainages that do not
grow make the generator stop with a message instead of writing doubtful data.
"""

import math
import sys

KM_PER_DEG = 111.195  # mean length of a degree of latitude (earth radius 6371 km)

WEEKDAYS = ("Mo", "Di", "Mi", "Do", "Fr", "Sa", "So")

TYPE_TABLES = {
    "S": ("Schleusen", "SchleusenID", "AnzahlSchleusen"),
    "B": ("Bruecken", "BrueckenID", "AnzahlBruecken"),
    "H": ("Haefen", "HaefenID", "AnzahlHaefen"),
    "T": ("Tankstellen", "TankstellenID", "AnzahlTankstellen"),
    "L": ("Liegestellen", "LiegestellenID", "AnzahlLiegestellen"),
    "W": ("Wehre", "WehreID", "AnzahlWehre"),
}

# Columns of each detail table after the key, PunkteID and Aktiv, in the order written.
DETAIL_COLUMNS = {
    "S": ("Bezeichnung", "Bild1", "Bild2", "InfoText", "Telefon1", "Telefon2", "UKWKanal",
          "AnzahlKammern", "Laenge", "Breite", "HubHoeheMax", "Durchgangszeit", "STypenID", "SRID", "BL"),
    "B": ("Bezeichnung", "Bild1", "Bild2", "InfoText", "Telefon1", "Telefon2", "UKWKanal",
          "Kategorie", "DurchBreite", "DurchfHoehe", "Durchgangszeit"),
    "H": ("Bezeichnung", "Bild1", "Bild2", "InfoText", "Telefon1", "Telefon2", "UKWKanal", "Plan",
          "TankstellenID", "AS_strom", "AS_wasser", "IH_Dusche", "IH_Gastliegeplaetze", "IH_Kran",
          "IH_Restaurant", "IH_Skipanlage", "IH_Trockner", "IH_WC", "IH_Waschmaschine", "IH_Werft",
          "IN_Apotheke", "IN_Post", "IN_Restaurant"),
    "T": ("Bezeichnung", "Bild1", "Bild2", "InfoText", "Telefon1", "Telefon2", "UKWKanal",
          "AnLand", "Benzin", "Diesel", "Wegbeschreibung"),
    "L": ("Bezeichnung", "Bild1", "Bild2", "InfoText", "Sportboote"),
    "W": ("Bezeichnung", "Bild1", "Bild2", "InfoText"),
}

HARBOUR_FLAGS = ("AS_strom", "AS_wasser", "IH_Dusche", "IH_Gastliegeplaetze", "IH_Kran", "IH_Restaurant",
                 "IH_Skipanlage", "IH_Trockner", "IH_WC", "IH_Waschmaschine", "IH_Werft",
                 "IN_Apotheke", "IN_Post", "IN_Restaurant")

# Seasons are stored as dates of the leap year 2000; only day and month count.
SUMMER = ("2000-04-01", "2000-10-31")
WINTER = ("2000-11-01", "2000-03-31")
WHOLE_YEAR = ("2000-01-01", "2000-12-31")

SPACING_KM = 0.5          # regular points at every half official kilometre, unless a catalogue says otherwise
MAX_OFF_LINE_KM = 0.25    # an object further from its waterway is a mistake in the description
MIN_GAP_KM = 0.005        # two special points closer than this along a waterway are a mistake
NEAR_SPECIAL_KM = 0.05    # a regular point this close to a special point is left out


def fail(msg):
    sys.exit("catgen: " + msg)


def week(mofr=None, sa=None, so=None, **days):
    """Windows per weekday: each value a list of ("hh:mm", "hh:mm") windows, or None for closed.

    mofr sets Monday to Friday, sa and so the weekend; a weekday code given by name overrides.
    """
    table = {d: mofr for d in WEEKDAYS[:5]}
    table["Sa"] = sa
    table["So"] = so
    for d, w in days.items():
        if d not in WEEKDAYS:
            fail("unknown weekday " + d)
        table[d] = w
    return table


def daily(*windows):
    return week(list(windows), list(windows), list(windows))


def _local_xy(lon, lat, lat0):
    return lon * KM_PER_DEG * math.cos(math.radians(lat0)), lat * KM_PER_DEG


def _seg_len(a, b):
    lat0 = (a[1] + b[1]) / 2.0
    ax, ay = _local_xy(a[0], a[1], lat0)
    bx, by = _local_xy(b[0], b[1], lat0)
    return math.hypot(bx - ax, by - ay)


class Waterway:
    def __init__(self, cat, bid, name, ext, line, km0, kmdir, vmax, depth, width, local_vmax, local_depth,
                 km_breaks=()):
        self.cat = cat
        self.id = bid
        self.name = name
        self.ext = ext
        self.line = [tuple(p) for p in line]
        self.km0 = km0
        self.kmdir = kmdir
        self.vmax = vmax
        self.depth = depth
        self.width = width
        self.km_breaks = list(km_breaks)
        self.pieces = None
        self.local_vmax = local_vmax or []
        self.local_depth = local_depth or []
        self.cum = [0.0]
        self._km0_from_end = km0 is None
        for a, b in zip(self.line, self.line[1:]):
            d = _seg_len(a, b)
            if d <= 0:
                fail("%s: repeated vertex %r" % (name, a))
            self.cum.append(self.cum[-1] + d)
        self.length = self.cum[-1]
        if self._km0_from_end:
            self.km0 = self.length if kmdir < 0 else 0.0  # official kilometre 0 at the far end
        self.points = []

    def at(self, s):
        """Position at chainage s (km) along the polyline."""
        if s <= 0:
            return self.line[0]
        for i in range(1, len(self.cum)):
            if s <= self.cum[i]:
                a, b = self.line[i - 1], self.line[i]
                t = (s - self.cum[i - 1]) / (self.cum[i] - self.cum[i - 1])
                return a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])
        return self.line[-1]

    def project(self, lon, lat):
        """Chainage and distance (km) of the polyline point nearest to (lon, lat)."""
        best = None
        for i in range(1, len(self.line)):
            a, b = self.line[i - 1], self.line[i]
            lat0 = (a[1] + b[1]) / 2.0
            ax, ay = _local_xy(a[0], a[1], lat0)
            bx, by = _local_xy(b[0], b[1], lat0)
            px, py = _local_xy(lon, lat, lat0)
            vx, vy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
            d = math.hypot(ax + t * vx - px, ay + t * vy - py)
            s = self.cum[i - 1] + t * (self.cum[i] - self.cum[i - 1])
            if best is None or d < best[1]:
                best = (s, d)
        return best

    def vertex_chainage(self, lon, lat):
        for i, p in enumerate(self.line):
            if abs(p[0] - lon) < 1e-9 and abs(p[1] - lat) < 1e-9:
                return self.cum[i]
        fail("%s: junction (%.4f, %.4f) is not a vertex of the waterway" % (self.name, lon, lat))

    def set_kilometrage(self, anchors):
        """Fixes the official kilometre along the waterway. anchors: (chainage, km) of the objects whose
        official kilometre is known. The waterway is cut into pieces at its km_breaks, where another
        waterway's kilometrage begins (each break names a vertex and the direction after it). Within a piece
        the kilometre is interpolated along the chainage between its anchors (and km0 at the start, when
        given) and runs at one official kilometre per kilometre in the piece's direction beyond them."""
        cuts = [0.0] + [self.vertex_chainage(lon, lat) for (lon, lat), _ in self.km_breaks] + [self.length]
        dirs = [self.kmdir] + [d for _, d in self.km_breaks]
        self.pieces = []
        for i, d in enumerate(dirs):
            a, b = cuts[i], cuts[i + 1]
            if not a < b:
                fail("%s: kilometre breaks out of order" % self.name)
            knots = sorted((s, km) for s, km in anchors if a < s <= b or (i == 0 and s == a))
            if i == 0 and (not self._km0_from_end or not anchors):
                if knots and knots[0][0] == 0.0:
                    fail("%s: an anchor at the start and km0 too" % self.name)
                knots.insert(0, (0.0, self.km0))
            if not knots:
                fail("%s: no official kilometre between %.3f and %.3f km" % (self.name, a, b))
            for (s1, k1), (s2, k2) in zip(knots, knots[1:]):
                if not (k2 - k1) * d > 0 or not s2 > s1:
                    fail("%s: official kilometres %.2f and %.2f do not run the waterway's way" % (self.name, k1, k2))
            self.pieces.append((a, b, d, knots))

    def doku_km(self, s):
        if self.pieces is None:
            self.set_kilometrage([])
        for a, b, d, knots in self.pieces:
            if s <= b or (a, b, d, knots) == self.pieces[-1]:
                break
        for (s1, k1), (s2, k2) in zip(knots, knots[1:]):
            if s <= s2:
                return k1 + (k2 - k1) * (s - s1) / (s2 - s1) if s >= s1 else k1 + d * (s - s1)
        s1, k1 = knots[-1]
        return k1 + d * (s - s1)

    def regular_chainages(self, spacing):
        """(chainage, official km) of the points at every multiple of spacing official kilometres, and the
        two ends of the waterway."""
        out = []
        for i, (a, b, d, knots) in enumerate(self.pieces):
            bounds = sorted({a, b} | {s for s, _ in knots if a <= s <= b})
            for s1, s2 in zip(bounds, bounds[1:]):
                k1, k2 = self.doku_km(s1) if i == 0 or s1 > a else self.doku_km(s1 + 1e-9), self.doku_km(s2)
                lo, hi = sorted((k1, k2))
                m = math.ceil(lo / spacing - 1e-9)
                while m * spacing <= hi + 1e-9:
                    doku = round(m * spacing, 3)
                    s = s1 + (doku - k1) * (s2 - s1) / (k2 - k1)
                    s = min(max(s, s1), s2)
                    if (i == 0 or s > a + 1e-6) and all(abs(s - r[0]) > 1e-6 for r in out):
                        out.append((s, doku))
                    m += 1
        for s in (0.0, self.length):
            if all(abs(s - r[0]) > 1e-6 for r in out):
                out.append((s, None))
        return out

    def speed_at(self, s):
        for a, b, v in self.local_vmax:
            if min(a, b) <= s <= max(a, b):
                return v
        return None

    def depth_at(self, s):
        for a, b, d in self.local_depth:
            if min(a, b) <= s <= max(a, b):
                return d
        return self.depth


class Catalogue:
    def __init__(self, katalog, spacing_km=SPACING_KM):
        self.katalog = katalog          # list of (Schluessel, Wert)
        self.spacing = spacing_km       # regular points at every this many official kilometres
        self.waterways = []
        self.junctions = []             # (lon, lat, [waterway ids])
        self.objects = []               # dicts with typ, ww, lon, lat, key, fields
        self.sonderregeln = []          # (SRID, SRText)
        self.feiertage_bl = []          # (FeiertageID, BL)
        self.places = []                # (Bezeichnung, lon, lat, Rang)
        self.water_areas = []           # (Insel, [(lon, lat), ...])
        self._keys = {}

    # --- description ------------------------------------------------------------------------------

    def waterway(self, bid, name, ext, line, km0=0.0, kmdir=1, vmax=12, depth=2.0, width=30.0,
                 local_vmax=None, local_depth=None, km_breaks=()):
        """A waterway along line. Its official kilometre is km0 at the start and grows in direction kmdir
        (km0 None: kilometre 0 at the far end), unless objects on it carry their official kilometre ("km"):
        see Waterway.set_kilometrage; km0 None then leaves the start free. local_vmax and local_depth are
        (from, to, value) ranges of chainage (km from the start of the line) with their own speed limit or
        depth."""
        w = Waterway(self, bid, name, ext, line, km0, kmdir, vmax, depth, width, local_vmax, local_depth,
                     km_breaks)
        self.waterways.append(w)
        return w

    def junction(self, lon, lat, *waterways):
        if len(waterways) < 2:
            fail("a junction joins at least two waterways")
        self.junctions.append((lon, lat, [w.id for w in waterways]))

    # --- chart background: place names and water areas -------------------------------------------

    def place(self, name, lon, lat, rang):
        """A town or village named on the chart; rang 1 city, 2 town, 3 village."""
        if rang not in (1, 2, 3):
            fail("place %s: rank must be 1, 2 or 3" % name)
        self.places.append((name, lon, lat, rang))

    def outlines(self, path, margin_deg=0.05):
        """Loads the water areas of an outline file (see gshhg_outlines.py) that reach into the box of
        the waterways, with a margin; every outline is kept whole."""
        lons = [p[0] for w in self.waterways for p in w.line]
        lats = [p[1] for w in self.waterways for p in w.line]
        box = (min(lons) - margin_deg, max(lons) + margin_deg, min(lats) - margin_deg, max(lats) + margin_deg)
        blocks, cur = [], None
        with open(path, encoding="utf-8") as f:
            for line in f:
                line = line.strip()
                if not line or line.startswith("#"):
                    continue
                if line.startswith(">"):
                    art = line[1:].strip()
                    if art not in ("W", "I"):
                        fail("%s: unknown outline kind %r" % (path, art))
                    cur = (1 if art == "I" else 0, [])
                    blocks.append(cur)
                elif cur is None:
                    fail("%s: a position before the first outline" % path)
                else:
                    lon, lat = map(float, line.split())
                    cur[1].append((lon, lat))
        for insel, ring in blocks:
            if len(ring) < 3:
                fail("%s: an outline of fewer than three points" % path)
            if any(box[0] <= lon <= box[1] and box[2] <= lat <= box[3] for lon, lat in ring):
                self.water_areas.append((insel, ring))

    def _chart_sql(self):
        out = []
        out.append("-- Places named on the chart (Rang 1 city, 2 town, 3 village).")
        out.append(insert("Orte", ("OrteID", "Bezeichnung", "LgDez", "BgDez", "Rang"),
                          [(i + 1,) + p for i, p in enumerate(self.places)]))
        out.append("-- Water areas (Insel 0) and islands in them (Insel 1), each a closed outline.")
        out.append(insert("Wasserflaechen", ("FlaecheID", "Bezeichnung", "Insel"),
                          [(i + 1, None, insel) for i, (insel, _) in enumerate(self.water_areas)]))
        rows = [(i + 1, n + 1, lon, lat) for i, (_, ring) in enumerate(self.water_areas)
                for n, (lon, lat) in enumerate(ring)]
        out.append(insert("Wasserflaechen_Punkte", ("FlaecheID", "Nummer", "LgDez", "BgDez"), rows))
        return "\n".join(out)

    def _object(self, typ, ww, lon, lat, key, fields, aktiv=1, extra_rows=()):
        if key in self._keys:
            fail("object key used twice: " + key)
        o = dict(typ=typ, ww=ww, lon=lon, lat=lat, key=key, fields=fields, aktiv=aktiv, extra=list(extra_rows))
        self._keys[key] = o
        self.objects.append(o)
        return o

    def lock(self, ww, lon, lat, name, *, kammern, laenge, breite, hub, zeit, bl, styp, tel, ukw,
             info, tel2=None, srid=None, hours=(), holidays=(), retired=None, bild1=None, bild2=None):
        """A lock. hours: (season, week(...), nb, sonderregelung) rows; holidays: dicts for SBZ_Feiertage."""
        fields = dict(Bezeichnung=name, InfoText=info, Telefon1=tel, Telefon2=tel2, UKWKanal=ukw,
                      Bild1=bild1, Bild2=bild2,
                      AnzahlKammern=kammern, Laenge=laenge, Breite=breite, HubHoeheMax=hub,
                      Durchgangszeit=zeit, STypenID=styp, SRID=srid, BL=bl)
        extra = []
        if retired:
            f = dict(fields)
            f.update(retired)
            extra.append(f)
        o = self._object("S", ww, lon, lat, "S:" + name, fields, extra_rows=extra)
        o["hours"] = list(hours)
        o["holidays"] = list(holidays)
        return o

    def bridge(self, ww, lon, lat, name, *, hoehe, breite, kategorie="feste Brücke", zeit=0.0, info=None,
               tel=None, ukw=None, bild1=None, bild2=None):
        fields = dict(Bezeichnung=name, InfoText=info, Telefon1=tel, UKWKanal=ukw, Kategorie=kategorie,
                      Bild1=bild1, Bild2=bild2,
                      DurchBreite=breite, DurchfHoehe=hoehe, Durchgangszeit=zeit)
        return self._object("B", ww, lon, lat, "B:" + name, fields)

    def harbour(self, ww, lon, lat, name, *, info, tel=None, ukw=None, fuel=None, flags=(), tel2=None,
                bild1=None, bild2=None, plan=None):
        fields = dict(Bezeichnung=name, InfoText=info, Telefon1=tel, Telefon2=tel2, UKWKanal=ukw,
                      Bild1=bild1, Bild2=bild2, Plan=plan)
        for f in HARBOUR_FLAGS:
            fields[f] = 1 if f in flags else 0
        for f in flags:
            if f not in HARBOUR_FLAGS:
                fail("unknown harbour facility " + f)
        o = self._object("H", ww, lon, lat, "H:" + name, fields)
        o["fuel"] = fuel
        return o

    def fuel(self, ww, lon, lat, name, *, info, benzin, diesel, anland=0, weg=None, tel=None, ukw=None,
             bild1=None, bild2=None):
        fields = dict(Bezeichnung=name, InfoText=info, Telefon1=tel, UKWKanal=ukw, AnLand=anland,
                      Benzin=benzin, Diesel=diesel, Wegbeschreibung=weg, Bild1=bild1, Bild2=bild2)
        return self._object("T", ww, lon, lat, "T:" + name, fields)

    def berth(self, ww, lon, lat, name, *, info, sportboote=1):
        fields = dict(Bezeichnung=name, InfoText=info, Sportboote=sportboote)
        return self._object("L", ww, lon, lat, "L:" + name, fields)

    def weir(self, ww, lon, lat, name, *, info):
        return self._object("W", ww, lon, lat, "W:" + name, dict(Bezeichnung=name, InfoText=info))

    def pictures(self):
        """The picture file names the objects refer to (Bild1, Bild2, Plan), sorted."""
        names = set()
        for o in self.objects:
            for f in [o["fields"]] + o["extra"]:
                for c in ("Bild1", "Bild2", "Plan"):
                    if f.get(c):
                        names.add(f[c])
        return sorted(names)

    # --- building ---------------------------------------------------------------------------------

    def _build_points(self):
        ids = {}
        for w in self.waterways:
            special = []  # (chainage, lon, lat, typ, payload)
            anchors = []  # (chainage, official km) of the objects whose official kilometre is known
            for lon, lat, wids in self.junctions:
                if w.id in wids:
                    special.append((w.vertex_chainage(lon, lat), lon, lat, "A", (lon, lat)))
            for o in self.objects:
                if o["ww"] is not w:
                    continue
                s, d = w.project(o["lon"], o["lat"])
                if d > MAX_OFF_LINE_KM:
                    fail("%s lies %.0f m off %s" % (o["key"], d * 1000, w.name))
                lon, lat = w.at(s)
                special.append((s, lon, lat, o["typ"], o))
                if o.get("km") is not None:
                    anchors.append((s, o["km"]))
            w.set_kilometrage(anchors)
            special.sort(key=lambda t: t[0])
            for a, b in zip(special, special[1:]):
                if b[0] - a[0] < MIN_GAP_KM:
                    fail("%s: two special points at chainage %.3f km" % (w.name, a[0]))

            regular = w.regular_chainages(self.spacing)

            rows = []
            for s, doku in regular:
                if any(abs(s - sp[0]) < NEAR_SPECIAL_KM for sp in special):
                    continue
                lon, lat = w.at(s)
                rows.append((s, lon, lat, None, None, doku))
            for s, lon, lat, typ, payload in special:
                rows.append((s, lon, lat, typ, payload, None))
            rows.sort(key=lambda r: r[0])

            w.points = []
            for n, (s, lon, lat, typ, payload, doku) in enumerate(rows, start=1):
                pid = w.id * 1000 + n
                official = isinstance(payload, dict) and payload.get("km") is not None
                if official:
                    doku = payload["km"]
                elif doku is None:
                    doku = round(w.doku_km(s), 3)
                # Official marks stand at whole km, and an object whose official kilometre is known is one.
                orig = 1 if official or abs(doku - round(doku)) < 1e-9 else 0
                p = dict(PunkteID=pid, BinnenID=w.id, Nummer=n, Strecke=round(s, 3), LgDez=round(lon, 6),
                         BgDez=round(lat, 6), TypenID=typ, DokuKM=doku, DokuKMOrig=orig,
                         Vmax=w.speed_at(s), Tauchtiefe=w.depth_at(s))
                w.points.append(p)
                if typ == "A":
                    ids.setdefault(payload, []).append(p)
                elif typ is not None:
                    payload["PunkteID"] = pid
            for a, b in zip(w.points, w.points[1:]):
                if not b["Strecke"] > a["Strecke"]:
                    fail("%s: chainage does not grow at point %d" % (w.name, b["Nummer"]))
        self._junction_points = ids

    def _build_details(self):
        self.detail_rows = {t: [] for t in TYPE_TABLES}
        counters = {t: 0 for t in TYPE_TABLES}
        for o in self.objects:
            counters[o["typ"]] += 1
            o["id"] = counters[o["typ"]]
        for o in self.objects:
            row = dict(o["fields"])
            if o["typ"] == "H":
                f = o["fuel"]
                row["TankstellenID"] = f["id"] if f else None
            self.detail_rows[o["typ"]].append((o["id"], o["PunkteID"], o["aktiv"], row))
        # A retired object row shares the point of its successor; its ids follow all others.
        for o in self.objects:
            for f in o["extra"]:
                counters[o["typ"]] += 1
                self.detail_rows[o["typ"]].append((counters[o["typ"]], o["PunkteID"], 0, f))

    def _binnen_rows(self):
        rows = []
        for w in self.waterways:
            counts = {t: 0 for t in TYPE_TABLES}
            widths = [w.width]
            heights = []
            for o in self.objects:
                if o["ww"] is w and o["aktiv"]:
                    counts[o["typ"]] += 1
                    if o["typ"] == "S":
                        widths.append(o["fields"]["Breite"])
                    if o["typ"] == "B":
                        widths.append(o["fields"]["DurchBreite"])
                        heights.append(o["fields"]["DurchfHoehe"])
            lons = [p["LgDez"] for p in w.points]
            lats = [p["BgDez"] for p in w.points]
            rows.append(dict(
                BinnenID=w.id, Bezeichnung=w.name, ExterneID=w.ext, Aktiv=1,
                Gesamtstrecke=w.points[-1]["Strecke"],
                AnzahlBruecken=counts["B"], AnzahlHaefen=counts["H"], AnzahlLiegestellen=counts["L"],
                AnzahlSchleusen=counts["S"], AnzahlTankstellen=counts["T"], AnzahlWehre=counts["W"],
                LG_OL=min(lons), BG_OL=max(lats), LG_UR=max(lons), BG_UR=min(lats),
                MinBreite=min(widths), MinHoehe=min(heights) if heights else 1000,
                MinTiefe=min(p["Tauchtiefe"] for p in w.points), Vmax=w.vmax))
        return rows

    # --- output -----------------------------------------------------------------------------------

    def sql(self, header):
        self._build_points()
        self._build_details()
        out = ["-- " + line if line else "--" for line in header]
        out.append("")

        out.append("INSERT INTO Katalog (Schluessel, Wert) VALUES")
        out.append(",\n".join("    (%s, %s)" % (q(k), q(v)) for k, v in self.katalog) + ";")
        out.append("")

        cols = ("BinnenID", "Bezeichnung", "ExterneID", "Aktiv", "Gesamtstrecke", "AnzahlBruecken",
                "AnzahlHaefen", "AnzahlLiegestellen", "AnzahlSchleusen", "AnzahlTankstellen", "AnzahlWehre",
                "LG_OL", "BG_OL", "LG_UR", "BG_UR", "MinBreite", "MinHoehe", "MinTiefe", "Vmax")
        out.append(insert("Binnen", cols, [[r[c] for c in cols] for r in self._binnen_rows()]))

        pcols = ("PunkteID", "BinnenID", "Nummer", "Strecke", "LgDez", "BgDez", "TypenID", "DokuKM",
                 "DokuKMOrig", "Vmax", "Tauchtiefe")
        for w in self.waterways:
            out.append("-- %s: %d points, %.3f km" % (w.name, len(w.points), w.points[-1]["Strecke"]))
            out.append(insert("Punkte", pcols, [[p[c] for c in pcols] for p in w.points]))

        pairs = []
        for key, pts in self._junction_points.items():
            if len(pts) < 2:
                fail("junction %r joins a single waterway" % (key,))
            for a in pts:
                for b in pts:
                    if a is not b:
                        pairs.append((a["PunkteID"], b["PunkteID"]))
        pairs.sort()
        out.append("-- Junctions, both ways: one row per continuation onto another waterway.")
        out.append(insert("Abzweige", ("PunkteID", "PunkteID_Nach"), pairs))

        for typ, (table, key, _) in TYPE_TABLES.items():
            rows = self.detail_rows[typ]
            if not rows:
                continue
            cols = (key, "PunkteID", "Aktiv") + DETAIL_COLUMNS[typ]
            out.append(insert(table, cols, [[i, pid, akt] + [f.get(c) for c in DETAIL_COLUMNS[typ]]
                                            for i, pid, akt, f in rows]))

        if self.sonderregeln:
            out.append(insert("SBZ_Sonderregelung", ("SRID", "SRText"), self.sonderregeln))

        out.append("-- Regular lock hours: one row per lock, weekday, season and window; closed days have no times.")
        wrows = []
        for o in self.objects:
            if o["typ"] != "S":
                continue
            for season, table, nb, sr in o["hours"]:
                for d in WEEKDAYS:
                    windows = table[d]
                    if not windows:
                        wrows.append([o["id"], d, season[0], season[1], None, None, 0, sr, nb])
                    else:
                        for von, bis in windows:
                            wrows.append([o["id"], d, season[0], season[1], von, bis, 1, sr, nb])
        out.append(insert("SBZ_Wochentage", ("SchleusenID", "WtID", "SaisonVon", "SaisonBis", "UhrzeitVon",
                                             "UhrzeitBis", "Betrieb", "SonderRegelungID", "NB"), wrows))

        out.append(insert("Feiertage_BL", ("FeiertageID", "BL"), self.feiertage_bl))

        out.append("-- Holiday rules: a holiday's own window (RefWT empty), a window for the day it falls on\n"
                   "-- (RefWT a weekday or WT), or a reference to a weekday's hours (RefWT without times).\n"
                   "-- REST stands for every other holiday the lock keeps.")
        frows = []
        for o in self.objects:
            if o["typ"] != "S":
                continue
            for h in o["holidays"]:
                frows.append([o["id"], h["ft"], h.get("ref"), h.get("von"), h.get("bis"), h.get("betrieb", 1),
                              h.get("srid"), h.get("saisonbis")])
        out.append(insert("SBZ_Feiertage", ("SchleusenID", "FeiertageID", "RefWT", "UhrzeitVon", "UhrzeitBis",
                                            "Betrieb", "SRID", "SaisonBis"), frows))
        out.append(self._chart_sql())
        return "\n".join(out) + "\n"

    def check(self, path, header):
        """Whether the data file at path is what this description writes; a message when it is not."""
        with open(path, encoding="utf-8", newline="\n") as f:
            current = f.read()
        if current != self.sql(header):
            print("%s is not what its generator writes: run the generator again" % path, file=sys.stderr)
            return False
        print("%s: current" % path)
        return True

    def write(self, path, header):
        text = self.sql(header)
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        n = sum(len(w.points) for w in self.waterways)
        print("%s: %d waterways, %d points, %d objects" % (path, len(self.waterways), n, len(self.objects)))


def q(v):
    if v is None:
        return "NULL"
    if isinstance(v, bool):
        return "1" if v else "0"
    if isinstance(v, int):
        return str(v)
    if isinstance(v, float):
        text = ("%.6f" % v).rstrip("0")
        return text + "0" if text.endswith(".") else text
    return "'" + str(v).replace("'", "''") + "'"


def insert(table, cols, rows):
    if not rows:
        return "-- (no rows for %s)\n" % table
    head = "INSERT INTO %s (%s) VALUES\n" % (table, ", ".join(cols))
    return head + ",\n".join("    (" + ", ".join(q(v) for v in r) + ")" for r in rows) + ";\n"
