"""The reader of the ordinance's lock hours: how the table's periods, day kinds and special days and the
ordinance's holiday rule become seasons and holiday rows, and which transcriptions it refuses."""

import os
import tempfile
import unittest

import betriebszeiten
from betriebszeiten import Ordinance

LOCKS_HEAD = "Schleuse\tWasserstrasse\tkm\tS\tTelefon\twie\n"
HOURS_HEAD = "Schleuse\tZeitraum\tTage\tZeit\n"


def lese(locks, hours):
    """An Ordinance from the rows given (tab-separated cells as tuples)."""
    with tempfile.TemporaryDirectory() as d:
        lp, hp = os.path.join(d, "l.tsv"), os.path.join(d, "h.tsv")
        with open(lp, "w", encoding="utf-8") as f:
            f.write("# comment\n" + LOCKS_HEAD + "".join("\t".join(r) + "\n" for r in locks))
        with open(hp, "w", encoding="utf-8") as f:
            f.write(HOURS_HEAD + "".join("\t".join(r) + "\n" for r in hours))
        return Ordinance(lp, hp)


def lock(name="A", km="1,50", s="", tel="030-123-4/030-123-5", wie=""):
    return (name, "XY", km, s, tel, wie)


class Transcription(unittest.TestCase):
    def test_seasons_day_kinds_and_exceptions(self):
        o = lese([lock(), lock("B", wie="A")], [
            ("A", "01.04.-30.09.", "Mo-Fr", "8:00-15:45"),
            ("A", "01.04.-30.09.", "Fr", "8:00-18:45"),          # "Freitag bis 18:45"
            ("A", "01.04.-30.09.", "Sa", "8:00-15:45"),
            ("A", "01.04.-30.09.", "So", "8:00-18:45"),
            ("A", "01.10.-31.03.", "taeglich", "kein Betrieb"),  # closed across the year end
        ])
        a = o.lock("A")
        self.assertEqual(a.km, 1.5)
        self.assertEqual((a.tel, a.tel2), ("030 123-4", "030 123-5"))
        seasons = {h[0]: h[1] for h in a.hours}
        self.assertEqual(sorted(seasons), [("2000-04-01", "2000-09-30"), ("2000-10-01", "2000-03-31")])
        summer = seasons[("2000-04-01", "2000-09-30")]
        self.assertEqual(summer["Do"], [("08:00", "15:45")])
        self.assertEqual(summer["Fr"], [("08:00", "18:45")])
        self.assertEqual(summer["So"], [("08:00", "18:45")])
        self.assertTrue(all(v is None for v in seasons[("2000-10-01", "2000-03-31")].values()))
        # "wie A": the same rows.
        self.assertEqual(o.lock("B").hours, a.hours)
        self.assertEqual(o.lock("B").holidays, a.holidays)

    def test_section_4_and_special_days(self):
        o = lese([lock()], [
            ("A", "02.01.-30.12.", "taeglich", "6:00-24:00"),
            ("A", "24.12.,31.12.", "", "7:00-13:00"),
            ("A", "01.01.,25.12.,26.12.", "", "kein Betrieb"),
        ])
        a = o.lock("A")
        rows = {h["ft"]: h for h in a.holidays}
        # Sunday hours on the nationwide holidays and 31 October, unless the table sets the day.
        for code in ("O", "MF", "HF", "Pf", "TDE", "RT"):
            self.assertEqual(rows[code], dict(ft=code, ref="So"))
        self.assertEqual((rows["HllA"]["von"], rows["HllA"]["bis"]), ("07:00", "13:00"))
        self.assertEqual((rows["Silv"]["von"], rows["Silv"]["bis"]), ("07:00", "13:00"))
        for code in ("NJ", "W"):
            self.assertEqual(rows[code]["betrieb"], 0)
        # 24:00 is midnight at the end of the day; the days outside the periods get their special hours
        # as one-day seasons.
        seasons = {h[0]: h[1]["Mi"] for h in a.hours}
        self.assertEqual(seasons[("2000-01-02", "2000-12-30")], [("06:00", "00:00")])
        self.assertEqual(seasons[("2000-12-31", "2000-12-31")], [("07:00", "13:00")])
        self.assertIsNone(seasons[("2000-01-01", "2000-01-01")])

    def test_refuses_doubtful_transcriptions(self):
        full = ("A", "01.01.-31.12.", "taeglich", "6:00-20:00")
        for name, locks, hours, message in [
            ("a day without hours", [lock()], [("A", "01.01.-30.12.", "taeglich", "6:00-20:00")],
             "no hours on 31.12."),
            ("a weekday without hours", [lock()], [("A", "01.01.-31.12.", "Mo-Fr", "6:00-20:00")], "Sa, So"),
            ("no such day", [lock()], [full, ("A", "30.02.", "", "kein Betrieb")], "no such day"),
            ("a special day that is no holiday", [lock()], [full, ("A", "27.12.", "", "kein Betrieb")],
             "no holiday"),
            ("two hours for Christmas", [lock()],
             [full, ("A", "25.12.", "", "8:00-14:00"), ("A", "26.12.", "", "kein Betrieb")], "different hours"),
            ("a time that is none", [lock()], [("A", "01.01.-31.12.", "taeglich", "6:00-25:00")],
             "no time of day"),
            ("an unknown day kind", [lock()], [("A", "01.01.-31.12.", "Werktage", "6:00-20:00")],
             "unknown day kind"),
            ("hours of a lock not listed", [lock()], [full, ("Z", "01.01.-31.12.", "taeglich", "kein Betrieb")],
             "not listed"),
            ("a lock without hours", [lock(), lock("B")], [full], "B: no hours"),
            ("'wie' and rows of its own", [lock(), lock("B", wie="A")],
             [full, ("B", "01.01.-31.12.", "taeglich", "6:00-20:00")], "shares the hours"),
            ("a kilometre that is none", [lock(km="km 3")], [full], "no kilometre"),
        ]:
            with self.subTest(name):
                with self.assertRaises(SystemExit) as e:
                    lese(locks, hours)
                self.assertIn(message, str(e.exception))

    def test_the_bundled_transcription_reads(self):
        here = os.path.join(os.path.dirname(betriebszeiten.__file__), "berlin")
        o = Ordinance(os.path.join(here, "schleusen-wsv-ost.tsv"), os.path.join(here, "betriebszeiten-wsv-ost.tsv"))
        self.assertTrue(o.lock("Zehdenick").self_service)
        self.assertEqual(o.lock("Mirow").hours, o.lock("Strasen").hours)


if __name__ == "__main__":
    unittest.main()
