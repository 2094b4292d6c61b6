"""Reads the lock hours transcribed from the waterway administration's ordinance and turns them into the
rows of a sample catalogue (catgen's hours and holiday rows).

Two files describe the locks (see their headers): schleusen-wsv-ost.tsv (name, waterway, official km,
self-service mark, telephone numbers, "wie X") and betriebszeiten-wsv-ost.tsv (one row per lock, period
and day kind, plus the special days). For every lock the reader builds the hours of each day of the year
and each weekday, and refuses a lock with a day left without hours or a period or time it cannot read.

The ordinance's rules that are not in its table become holiday rows:
- on the nationwide public holidays, on 31 October and on 24 and 31 December the Sunday hours apply,
  unless the table sets other hours for that day: a reference to Sunday for each such holiday code,
  replaced by the table's own window where it sets one;
- the special days of the table (24.12., 31.12., 01.01., 25./26.12.) become the rows of their holiday
  codes; a special day outside every period of the lock also becomes a one-day season, so that the
  weekday rows alone cover every day of the year.
"""

import datetime
import re
import sys

WEEKDAYS = ("Mo", "Di", "Mi", "Do", "Fr", "Sa", "So")
DAY_KINDS = {
    "Mo-Fr": WEEKDAYS[:5],
    "Mo-Do": WEEKDAYS[:4],
    "Fr": ("Fr",),
    "Sa": ("Sa",),
    "So": ("So",),
    "taeglich": WEEKDAYS,
}

# The special days the table names, by date, and the holiday code of the catalogue's calendar.
HOLIDAY_OF_DATE = {(1, 1): "NJ", (5, 1): "MF", (10, 3): "TDE", (10, 31): "RT", (12, 24): "HllA",
                   (12, 25): "W", (12, 26): "W", (12, 31): "Silv"}
# Section 4: the nationwide holidays (New Year, Good Friday to Easter Monday, 1 May, Ascension, Whitsun,
# German Unity, Christmas), Reformation Day (31 October), Christmas Eve and New Year's Eve.
SECTION4 = ("NJ", "O", "MF", "HF", "Pf", "TDE", "RT", "HllA", "W", "Silv")

SOURCE = ("Verordnung über die Betriebszeiten der Schleusen und Hebewerke an den Bundeswasserstraßen im "
          "Zuständigkeitsbereich der Wasser- und Schifffahrtsdirektion Ost (WaStrSchlBetrZV 2013), "
          "VkBl. 2012 S. 945, Anlage S. 946-953")
SOURCE_DATE = "2013-01-01"
SOURCE_SHORT = "WaStrSchlBetrZV 2013"

# The days of the leap year 2000: seasons are stored as its dates, only day and month count.
YEAR = [datetime.date(2000, 1, 1) + datetime.timedelta(days=i) for i in range(366)]


def fail(msg):
    sys.exit("betriebszeiten: " + msg)


def _rows(path):
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]
    head = lines[0].split("\t")
    out = []
    for n, line in enumerate(lines[1:], start=2):
        cells = line.split("\t")
        if len(cells) != len(head):
            fail("%s: row %d has %d columns, not %d" % (path, n, len(cells), len(head)))
        out.append(dict(zip(head, (c.strip() for c in cells))))
    return out


def _dash(text):
    return text.replace("\u2013", "-").replace(" ", "")


def _day_month(text, where):
    m = re.fullmatch(r"(\d\d)\.(\d\d)\.?", text)
    if not m:
        fail("%s: no day.month: %r" % (where, text))
    d, mo = int(m.group(1)), int(m.group(2))
    try:
        return datetime.date(2000, mo, d)
    except ValueError:
        fail("%s: no such day: %r" % (where, text))


def _period_days(text, where):
    """The days of 2000 a period names: "02.01.-31.03." (across the year end when the end lies before
    the start), several separated by ","."""
    days = []
    for part in _dash(text).split(","):
        a, sep, b = part.partition("-")
        von = _day_month(a, where)
        bis = _day_month(b, where) if sep else von
        d = von
        while True:
            days.append(d)
            if d == bis:
                break
            d = d + datetime.timedelta(days=1) if d.month != 12 or d.day != 31 else datetime.date(2000, 1, 1)
    return days


def _clock(text, where):
    m = re.fullmatch(r"(\d{1,2}):(\d\d)", text)
    if not m or int(m.group(1)) > 24 or int(m.group(2)) > 59 or (int(m.group(1)) == 24 and m.group(2) != "00"):
        fail("%s: no time of day: %r" % (where, text))
    # The catalogue writes midnight at the end of the day as 00:00.
    return "%02d:%s" % (int(m.group(1)) % 24, m.group(2))


def _windows(text, where):
    """None for "kein Betrieb", else a tuple of ("hh:mm", "hh:mm") windows in the order of opening."""
    if text == "kein Betrieb":
        return None
    out = []
    for part in _dash(text).split(","):
        a, sep, b = part.partition("-")
        if not sep:
            fail("%s: no window: %r" % (where, text))
        out.append((_clock(a, where), _clock(b, where)))
    return tuple(sorted(out))


def _season(a, b):
    return (a.strftime("2000-%m-%d"), b.strftime("2000-%m-%d"))


class OfficialLock:
    """One lock of the ordinance: its facts and its rows for the catalogue."""

    def __init__(self, name, waterway, km, self_service, phones):
        self.name = name
        self.waterway = waterway
        self.km = km
        self.self_service = self_service
        self.phones = phones
        self.hours = []      # catgen rows: (season, week table, nb, sr)
        self.holidays = []   # catgen holiday rows

    @property
    def tel(self):
        return self.phones[0] if self.phones else None

    @property
    def tel2(self):
        return self.phones[1] if len(self.phones) > 1 else None


class Ordinance:
    def __init__(self, locks_path, hours_path):
        self.locks = {}
        same_as = {}
        for r in _rows(locks_path):
            name = r["Schleuse"]
            if name in self.locks:
                fail("%s: lock listed twice" % name)
            try:
                km = float(r["km"].replace(",", "."))
            except ValueError:
                fail("%s: no kilometre: %r" % (name, r["km"]))
            if r["S"] not in ("", "S"):
                fail("%s: self-service mark is S or empty, not %r" % (name, r["S"]))
            phones = [self._phone(p) for p in r["Telefon"].split("/") if p.strip()]
            phones = list(dict.fromkeys(phones))   # a number printed twice is one number
            self.locks[name] = OfficialLock(name, r["Wasserstrasse"], km, r["S"] == "S", phones)
            if r["wie"]:
                same_as[name] = r["wie"]

        rows = {}
        for r in _rows(hours_path):
            if r["Schleuse"] not in self.locks:
                fail("hours for a lock not listed: %s" % r["Schleuse"])
            if r["Schleuse"] in same_as:
                fail("%s shares the hours of %s and has rows of its own" % (r["Schleuse"], same_as[r["Schleuse"]]))
            rows.setdefault(r["Schleuse"], []).append(r)
        for name, lock in self.locks.items():
            src = same_as.get(name, name)
            if src in same_as:
                fail("%s: 'wie %s' refers to a lock that shares hours itself" % (name, src))
            if src not in rows:
                fail("%s: no hours" % name)
            lock.hours, lock.holidays = self._build(name, rows[src])

    @staticmethod
    def _phone(text):
        # "030-34560-792" as printed: the area code is followed by a blank in the catalogue.
        text = _dash(text.strip())
        area, _, rest = text.partition("-")
        return area + " " + rest if rest else area

    def lock(self, name):
        if name not in self.locks:
            fail("the ordinance has no lock %r" % name)
        return self.locks[name]

    @staticmethod
    def _build(name, rows):
        table = {d: {} for d in YEAR}     # date -> weekday -> windows or None
        special = {}                      # date -> windows or None
        for r in rows:
            where = "%s %s %s" % (name, r["Zeitraum"], r["Tage"])
            windows = _windows(r["Zeit"], where)
            days = _period_days(r["Zeitraum"], where)
            if not r["Tage"]:
                for d in days:
                    if (d.month, d.day) not in HOLIDAY_OF_DATE:
                        fail("%s: special day %s is no holiday of the calendar" % (where, d.strftime("%d.%m.")))
                    special[d] = windows
                continue
            if r["Tage"] not in DAY_KINDS:
                fail("%s: unknown day kind %r" % (where, r["Tage"]))
            for d in days:
                for wd in DAY_KINDS[r["Tage"]]:
                    table[d][wd] = windows
        # A special day outside every period: its hours hold for the whole day, whatever weekday.
        for d, windows in special.items():
            if not table[d]:
                table[d] = {wd: windows for wd in WEEKDAYS}
        for d in YEAR:
            missing = [wd for wd in WEEKDAYS if wd not in table[d]]
            if missing:
                fail("%s: no hours on %s for %s" % (name, d.strftime("%d.%m."), ", ".join(missing)))

        # Seasons: runs of days with the same week, the last joined to the first across the year end.
        weeks = [tuple(table[d][wd] for wd in WEEKDAYS) for d in YEAR]
        runs = []
        for i, w in enumerate(weeks):
            if runs and runs[-1][2] == w:
                runs[-1][1] = i
            else:
                runs.append([i, i, w])
        if len(runs) > 1 and runs[0][2] == runs[-1][2]:
            last = runs.pop()
            runs[0][0] = last[0]
        hours = []
        for a, b, w in sorted(runs, key=lambda r: r[0]):
            hours.append((_season(YEAR[a], YEAR[b]), {wd: (list(w[i]) if w[i] else None)
                                                       for i, wd in enumerate(WEEKDAYS)}, None, None))

        by_code = {}
        for d, windows in sorted(special.items()):
            code = HOLIDAY_OF_DATE[(d.month, d.day)]
            if code in by_code and by_code[code] != windows:
                fail("%s: the days of holiday %s have different hours" % (name, code))
            by_code[code] = windows
        holidays = []
        for code in SECTION4:
            if code not in by_code:
                holidays.append(dict(ft=code, ref="So"))
            elif by_code[code] is None:
                holidays.append(dict(ft=code, ref=None, von=None, bis=None, betrieb=0))
            else:
                holidays += [dict(ft=code, von=von, bis=bis) for von, bis in by_code[code]]
        return hours, holidays


SELF_SERVICE = "Selbstbedienungsschleuse (\u201eS\u201c): die Bootsführer bedienen die Schleuse selbst. "


def official_lock(cat, vo, ww, lon, lat, name, vo_name, *, info, styp, sample, srid=None, **kw):
    """A lock of catalogue cat that ordinance vo lists under vo_name: its hours, telephone numbers and
    self-service mark from the ordinance; the detail text says where they come from and that the rest
    (sample) is invented. The lock's official kilometre is kept as the object's "km"."""
    a = vo.lock(vo_name)
    if a.self_service:
        styp, srid, info = "Selbstbedienungsschleuse", 3, SELF_SERVICE + info
    text = "%s Betriebszeiten und Rufnummern: %s (amtlich, Stand %s); übrige Angaben: %s" % (
        info, SOURCE_SHORT, datetime.date.fromisoformat(SOURCE_DATE).strftime("%d.%m.%Y"), sample)
    o = cat.lock(ww, lon, lat, name, styp=styp, srid=srid, tel=a.tel, tel2=a.tel2, hours=a.hours,
                 holidays=a.holidays, info=text, **kw)
    o["km"] = a.km
    return o
