#!/usr/bin/env python3
"""Writes data.sql of the sample catalogue "Berlin und Brandenburg an der Havel".

The waterways follow the real rivers and canals of Berlin, Potsdam and Brandenburg an der Havel
closely enough for a chart plotter's demonstration, traced by hand from general geographic knowledge.
Kilometres, chamber sizes, clearances, operating hours, telephone numbers and radio channels are
plausible sample values, not official data: this catalogue is not for navigation.

Run:  python3 generate.py            (writes data.sql beside this script)
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

from catgen import Catalogue, SUMMER, WINTER, WHOLE_YEAR, daily, week  # noqa: E402

SAMPLE = "Beispieldaten, nicht zur Navigation."

cat = Catalogue([
    ("Name", "Berlin und Brandenburg an der Havel (Beispielkatalog)"),
    ("Region", "Berlin, Potsdam, Brandenburg an der Havel, Oranienburg"),
    ("Version", "2024.1-beispiel"),
    ("Stand", "2024-03-01"),
    ("Hinweis", "BEISPIELKATALOG - NICHT ZUR NAVIGATION. Lage der Wasserstraßen angenähert; Kilometrierung, "
                "Abmessungen, Durchfahrtshöhen, Betriebszeiten, Rufnummern und UKW-Kanäle sind Beispielwerte. "
                "Maßgeblich sind allein die amtlichen Bekanntmachungen und die Beschilderung vor Ort."),
    ("Quelle", "Von Hand aus allgemeiner Ortskenntnis erstellt; keine amtlichen Daten."),
])

# Junctions: the same coordinates are a vertex of every waterway they join.
SPANDAU = (13.2063, 52.5338)        # Spree mouth: Spree, Untere Havel, Havel-Oder-Wasserstraße
LWK_WEST = (13.3210, 52.5233)       # Landwehrkanal meets the Spree at Charlottenburg
HUMBOLDTHAFEN = (13.3690, 52.5222)  # Berlin-Spandauer Schifffahrtskanal meets the Spree
LWK_OST = (13.4505, 52.4980)        # Landwehrkanal meets the Spree at Treptow
KOEPENICK = (13.5740, 52.4452)      # Dahme mouth at Köpenick
BABELSBERG = (13.0880, 52.4070)     # Teltowkanal leaves the Havel (Tiefer See, Babelsberger Enge)
GRUENAU = (13.5785, 52.4115)        # Teltowkanal meets the Dahme
SAATWINKEL = (13.2430, 52.5610)     # Berlin-Spandauer Schifffahrtskanal leaves the Havel

spree = cat.waterway(
    1, "Spree (Spree-Oder-Wasserstraße)", "SPREE", vmax=12, depth=2.0, width=30,
    local_vmax=[(10.0, 21.0, 8)],   # city centre
    line=[SPANDAU, (13.2150, 52.5330), (13.2280, 52.5315), (13.2450, 52.5290), (13.2600, 52.5265),
          (13.2740, 52.5262), (13.2830, 52.5285), (13.2920, 52.5290), (13.2990, 52.5265),
          (13.3050, 52.5265), (13.3125, 52.5248), LWK_WEST, (13.3250, 52.5238), (13.3330, 52.5220),
          (13.3430, 52.5200), (13.3510, 52.5180), (13.3560, 52.5200), (13.3625, 52.5228), HUMBOLDTHAFEN,
          (13.3745, 52.5198), (13.3820, 52.5198), (13.3885, 52.5205), (13.3960, 52.5222),
          (13.4005, 52.5205), (13.4035, 52.5178), (13.4060, 52.5150), (13.4076, 52.5127),
          (13.4110, 52.5118), (13.4180, 52.5125), (13.4260, 52.5090), (13.4350, 52.5050),
          (13.4455, 52.5015), LWK_OST, (13.4600, 52.4935), (13.4700, 52.4900), (13.4790, 52.4875),
          (13.4950, 52.4830), (13.5080, 52.4740), (13.5180, 52.4660), (13.5300, 52.4600),
          (13.5450, 52.4540), (13.5580, 52.4500), (13.5680, 52.4470), KOEPENICK])

lwk = cat.waterway(
    2, "Landwehrkanal", "LWK", vmax=6, depth=1.8, width=20, local_depth=[(4.0, 5.0, 1.6)],
    line=[LWK_OST, (13.4478, 52.4963), (13.4420, 52.4962), (13.4350, 52.4945), (13.4270, 52.4938),
          (13.4160, 52.4958), (13.4095, 52.4972), (13.4010, 52.4985), (13.3920, 52.4988),
          (13.3820, 52.4992), (13.3735, 52.5022), (13.3620, 52.5065), (13.3520, 52.5078),
          (13.3400, 52.5112), (13.3320, 52.5140), (13.3270, 52.5180), (13.3220, 52.5218), LWK_WEST])

uhw = cat.waterway(
    3, "Untere Havel-Wasserstraße (Spandau - Potsdam - Brandenburg)", "UHW", vmax=12, depth=2.0, width=40,
    local_vmax=[(30.0, 33.0, 8)], local_depth=[(47.0, 49.0, 1.8)],
    line=[SPANDAU, (13.2030, 52.5280), (13.2000, 52.5210), (13.2020, 52.5150), (13.2050, 52.5100),
          (13.2100, 52.4990), (13.2130, 52.4870), (13.2060, 52.4720), (13.1950, 52.4600),
          (13.1850, 52.4480), (13.1700, 52.4420), (13.1500, 52.4380), (13.1300, 52.4395),
          (13.1120, 52.4330), (13.1020, 52.4240), (13.0903, 52.4137), BABELSBERG, (13.0850, 52.4040),
          (13.0760, 52.4010), (13.0665, 52.3975), (13.0620, 52.3945), (13.0500, 52.3920),
          (13.0380, 52.3880), (13.0250, 52.3800), (13.0150, 52.3680), (13.0000, 52.3560),
          (12.9850, 52.3520), (12.9650, 52.3530), (12.9520, 52.3630), (12.9420, 52.3730),
          (12.9370, 52.3800), (12.9250, 52.3880), (12.9050, 52.3950), (12.8850, 52.4100),
          (12.8700, 52.4200), (12.8760, 52.4400), (12.8650, 52.4600), (12.8450, 52.4700),
          (12.8150, 52.4640), (12.7850, 52.4540), (12.7500, 52.4420), (12.7150, 52.4330),
          (12.6900, 52.4250), (12.6600, 52.4200),
          (12.6300, 52.4170), (12.6000, 52.4150), (12.5800, 52.4110), (12.5680, 52.4100),
          (12.5550, 52.4115), (12.5480, 52.4125)])

tek = cat.waterway(
    4, "Teltowkanal", "TEK", km0=None, kmdir=-1, vmax=10, depth=2.0, width=30,
    line=[BABELSBERG, (13.0980, 52.4030), (13.1120, 52.3970), (13.1270, 52.3940), (13.1400, 52.3960),
          (13.1600, 52.3990), (13.1850, 52.4000), (13.2050, 52.4010), (13.2205, 52.3995),
          (13.2400, 52.3980), (13.2600, 52.3990), (13.2750, 52.4050), (13.2950, 52.4120),
          (13.3150, 52.4250), (13.3300, 52.4350), (13.3500, 52.4450), (13.3700, 52.4550),
          (13.3860, 52.4630), (13.4050, 52.4610), (13.4250, 52.4560), (13.4380, 52.4500),
          (13.4550, 52.4400), (13.4800, 52.4280), (13.5050, 52.4200), (13.5300, 52.4150),
          (13.5500, 52.4120), (13.5680, 52.4105), GRUENAU])

dahme = cat.waterway(
    5, "Dahme (Köpenick - Schmöckwitz)", "DAHME", vmax=12, depth=2.0, width=50,
    line=[KOEPENICK, (13.5760, 52.4400), (13.5800, 52.4330), (13.5810, 52.4250), (13.5790, 52.4170),
          GRUENAU, (13.5850, 52.4040), (13.6000, 52.3950), (13.6200, 52.3850), (13.6400, 52.3770)])

how = cat.waterway(
    6, "Havel-Oder-Wasserstraße (Spandau - Oder-Havel-Kanal)", "HOW", vmax=12, depth=2.5, width=35,
    line=[SPANDAU, (13.2055, 52.5375), (13.2075, 52.5405), (13.2110, 52.5470), (13.2180, 52.5530),
          (13.2300, 52.5570), SAATWINKEL, (13.2450, 52.5700), (13.2350, 52.5830), (13.2250, 52.5960),
          (13.2150, 52.6100), (13.2100, 52.6250), (13.2150, 52.6400), (13.2350, 52.6600),
          (13.2550, 52.6800), (13.2700, 52.7050), (13.2680, 52.7300), (13.2655, 52.7505),
          (13.2720, 52.7700), (13.2850, 52.7900)])

bssk = cat.waterway(
    7, "Berlin-Spandauer Schifffahrtskanal", "BSSK", vmax=10, depth=2.0, width=30,
    line=[SAATWINKEL, (13.2550, 52.5560), (13.2700, 52.5500), (13.2850, 52.5450), (13.3000, 52.5420),
          (13.3120, 52.5410), (13.3290, 52.5440), (13.3400, 52.5415), (13.3530, 52.5390),
          (13.3660, 52.5355), (13.3690, 52.5300), (13.3700, 52.5250), HUMBOLDTHAFEN])

cat.junction(*SPANDAU, spree, uhw, how)
cat.junction(*LWK_WEST, spree, lwk)
cat.junction(*HUMBOLDTHAFEN, spree, bssk)
cat.junction(*LWK_OST, spree, lwk)
cat.junction(*KOEPENICK, spree, dahme)
cat.junction(*BABELSBERG, uhw, tek)
cat.junction(*GRUENAU, tek, dahme)
cat.junction(*SAATWINKEL, how, bssk)

# --- Public holidays: Berlin does not keep Reformation Day, Brandenburg does. --------------------------
for bl, codes in (("BE", ("NJ", "O", "MF", "HF", "Pf", "TDE", "W")),
                  ("BB", ("NJ", "O", "MF", "HF", "Pf", "TDE", "RT", "W"))):
    cat.feiertage_bl += [(c, bl) for c in codes]

cat.sonderregeln = [
    (1, "Sportboote werden möglichst gemeinsam mit der Berufsschifffahrt geschleust; Wartezeiten sind "
        "möglich (Beispieltext)."),
    (2, "Bei Hochwasser und Eisgang eingeschränkter Betrieb; Hinweise der Schleusenaufsicht beachten "
        "(Beispieltext)."),
    ("NB", "Schleusung nach Bedarf: Anmeldung über UKW oder Telefon mindestens 30 Minuten vorher "
           "(Beispieltext)."),
]

CLOSED = dict(ref=None, von=None, bis=None, betrieb=0)
SUNDAY_HOURS = dict(ft="REST", ref="So")   # every other holiday: the hours of a Sunday

# --- Locks ----------------------------------------------------------------------------------------------
cat.lock(spree, 13.4076, 52.5127, "Schleuse Mühlendamm", kammern=2, laenge=135.0, breite=12.0, hub=1.7,
         zeit=0.33, bl="BE", styp="Doppelkammerschleuse", tel="030 000000-11 (Beispiel)",
         tel2="030 000000-12 (Beispiel)", ukw="Kanal 20 (Beispiel)",
         info="Schleuse in Berlin-Mitte zwischen Nikolaiviertel und Fischerinsel. " + SAMPLE,
         hours=[(SUMMER, week([("06:00", "21:00")], [("07:00", "21:00")], [("08:00", "20:00")]), None, None),
                (WINTER, week([("06:00", "20:00")], [("08:00", "17:00")], [("09:00", "16:00")]), None, None)],
         holidays=[dict(ft="W", **CLOSED), dict(ft="HllA", von="06:00", bis="14:00"),
                   dict(ft="Silv", von="06:00", bis="14:00"), dict(ft="O", von="08:00", bis="20:00"),
                   SUNDAY_HOURS])

cat.lock(spree, 13.2830, 52.5285, "Schleuse Charlottenburg", kammern=2, laenge=115.0, breite=12.5, hub=1.8,
         zeit=0.33, bl="BE", styp="Doppelkammerschleuse", tel="030 000000-21 (Beispiel)",
         ukw="Kanal 18 (Beispiel)", srid=2,
         info="Schleuse an der Spree unterhalb des Schlossparks Charlottenburg. " + SAMPLE,
         hours=[(SUMMER, daily(("06:00", "21:00")), None, None),
                (WINTER, week([("06:00", "19:00")], [("08:00", "16:00")], None), None, None)],
         holidays=[dict(ft="W", **CLOSED), dict(ft="NJ", von="10:00", bis="18:00"), SUNDAY_HOURS])

# The Oberschleuse pauses for lunch: two windows a day in summer.
cat.lock(lwk, 13.4478, 52.4963, "Oberschleuse (Landwehrkanal)", kammern=1, laenge=65.0, breite=9.5, hub=1.5,
         zeit=0.25, bl="BE", styp="Kammerschleuse", tel="030 000000-31 (Beispiel)", ukw="Kanal 22 (Beispiel)",
         info="Obere Schleuse des Landwehrkanals am Schlesischen Busch, Treptow. " + SAMPLE,
         hours=[(SUMMER, daily(("08:00", "12:00"), ("12:30", "20:00")), None, None),
                (WINTER, week([("09:00", "16:00")], None, None), None, None)],
         holidays=[dict(ft="W", **CLOSED), SUNDAY_HOURS])

# The Unterschleuse is closed all winter.
cat.lock(lwk, 13.3320, 52.5140, "Unterschleuse (Landwehrkanal)", kammern=1, laenge=68.0, breite=9.6, hub=1.2,
         zeit=0.25, bl="BE", styp="Kammerschleuse", tel="030 000000-41 (Beispiel)", ukw="Kanal 22 (Beispiel)",
         info="Untere Schleuse des Landwehrkanals im Tiergarten; im Winter außer Betrieb. " + SAMPLE,
         hours=[(("2000-05-01", "2000-09-30"), daily(("08:00", "20:00")), None, None),
                (("2000-10-01", "2000-04-30"), week(None, None, None), None, None)],
         holidays=[SUNDAY_HOURS])

cat.lock(tek, 13.2205, 52.3995, "Schleuse Kleinmachnow", kammern=3, laenge=85.0, breite=10.0, hub=2.7,
         zeit=0.5, bl="BB", styp="Dreikammerschleuse", tel="033203 0000-51 (Beispiel)",
         tel2="033203 0000-52 (Beispiel)", ukw="Kanal 20 (Beispiel)",
         info="Dreikammerschleuse des Teltowkanals zwischen Machnower See und Teltow. " + SAMPLE,
         hours=[(SUMMER, daily(("06:00", "22:00")), None, None),
                (WINTER, week([("06:00", "20:00")], [("08:00", "18:00")], [("08:00", "18:00")]), None, None)],
         # On a holiday that falls on a working day the lock keeps 08:00-18:00; on a weekend its weekend hours.
         holidays=[dict(ft="W", **CLOSED), dict(ft="REST", ref="WT", von="08:00", bis="18:00")])

cat.lock(how, 13.2655, 52.7505, "Schleuse Lehnitz", kammern=1, laenge=125.0, breite=12.5, hub=5.8,
         zeit=0.5, bl="BB", styp="Kammerschleuse", tel="03301 0000-61 (Beispiel)", ukw="Kanal 20 (Beispiel)",
         info="Schleuse des Oder-Havel-Kanals am Lehnitzsee bei Oranienburg. " + SAMPLE,
         hours=[(SUMMER, week([("05:00", "00:00")], [("05:00", "00:00")], [("07:00", "22:00")]), None, None),
                (WINTER, daily(("06:00", "20:00")), None, None)],
         holidays=[dict(ft="W", **CLOSED), dict(ft="Silv", von="06:00", bis="14:00"), SUNDAY_HOURS],
         retired=dict(Bezeichnung="Alte Schleuse Lehnitz (stillgelegt)", AnzahlKammern=1, Laenge=85.0,
                      Breite=9.6, Durchgangszeit=0.5, InfoText="Frühere Schleusenkammer, außer Betrieb."))

# Plötzensee works on request at weekends: the closed days carry the remark NB.
cat.lock(bssk, 13.3290, 52.5440, "Schleuse Plötzensee", kammern=2, laenge=85.0, breite=10.0, hub=1.0,
         zeit=0.33, bl="BE", styp="Doppelkammerschleuse", tel="030 000000-71 (Beispiel)",
         ukw="Kanal 18 (Beispiel)", srid="NB",
         info="Schleuse am Berlin-Spandauer Schifffahrtskanal nahe dem Plötzensee. " + SAMPLE,
         hours=[(WHOLE_YEAR, week([("06:00", "20:00")], None, None), "NB", None)])

cat.lock(how, 13.2075, 52.5405, "Schleuse Spandau", kammern=1, laenge=115.0, breite=12.5, hub=2.3,
         zeit=0.33, bl="BE", styp="Kammerschleuse", tel="030 000000-81 (Beispiel)", ukw="Kanal 82 (Beispiel)",
         info="Schleuse an der Havel neben der Zitadelle Spandau. " + SAMPLE,
         hours=[(SUMMER, daily(("06:00", "21:00")), None, None),
                (WINTER, week([("06:00", "20:00")], [("08:00", "18:00")], [("08:00", "18:00")]), None, None)],
         holidays=[dict(ft="W", **CLOSED), SUNDAY_HOURS])

cat.lock(uhw, 12.5680, 52.4100, "Vorstadtschleuse Brandenburg", kammern=1, laenge=115.0, breite=12.5, hub=1.6,
         zeit=0.42, bl="BB", styp="Kammerschleuse", tel="03381 0000-91 (Beispiel)", ukw="Kanal 20 (Beispiel)",
         srid=1, info="Schleuse der Unteren Havel in Brandenburg an der Havel. " + SAMPLE,
         hours=[(SUMMER, daily(("06:00", "21:00")), None, 1),
                (WINTER, daily(("07:00", "17:00")), None, 1)],
         holidays=[dict(ft="W", **CLOSED), dict(ft="HllA", von="06:00", bis="12:00"), SUNDAY_HOURS])

# --- Bridges (clearance above the mean water level) -------------------------------------------------------
for ww, lon, lat, name, h, b, kat in [
        (spree, 13.2990, 52.5265, "Schlossbrücke (Charlottenburg)", 4.6, 30.0, "feste Brücke"),
        (spree, 13.3400, 52.5206, "Lessingbrücke", 4.5, 28.0, "feste Brücke"),
        (spree, 13.3885, 52.5205, "Weidendammer Brücke", 4.4, 26.0, "feste Brücke"),
        (spree, 13.4180, 52.5125, "Jannowitzbrücke", 4.3, 28.0, "feste Brücke"),
        (spree, 13.4455, 52.5015, "Oberbaumbrücke", 4.4, 22.0, "feste Brücke"),
        (spree, 13.4600, 52.4935, "Elsenbrücke", 4.5, 35.0, "feste Brücke"),
        (spree, 13.5180, 52.4660, "Stubenrauchbrücke", 4.6, 35.0, "feste Brücke"),
        (lwk, 13.4160, 52.4958, "Admiralbrücke", 3.3, 14.0, "feste Brücke"),
        (lwk, 13.3820, 52.4992, "Möckernbrücke", 3.4, 15.0, "feste Brücke"),
        (lwk, 13.3690, 52.5040, "Potsdamer Brücke", 3.6, 16.0, "feste Brücke"),
        (lwk, 13.3470, 52.5090, "Lichtensteinbrücke", 3.5, 12.0, "feste Brücke"),
        (uhw, 13.2020, 52.5150, "Freybrücke", 5.2, 40.0, "feste Brücke"),
        (uhw, 13.0903, 52.4137, "Glienicker Brücke", 5.0, 40.0, "feste Brücke"),
        (uhw, 13.0620, 52.3945, "Lange Brücke (Potsdam)", 4.2, 30.0, "feste Brücke"),
        (uhw, 13.0200, 52.3740, "Eisenbahnbrücke Templiner See", 4.5, 35.0, "Eisenbahnbrücke"),
        (uhw, 12.9370, 52.3800, "Havelbrücke Werder", 4.6, 30.0, "feste Brücke"),
        (uhw, 12.5550, 52.4115, "Jahrtausendbrücke (Brandenburg)", 3.7, 20.0, "feste Brücke"),
        (tek, 13.2720, 52.4035, "Knesebeckbrücke (Teltow)", 4.5, 25.0, "feste Brücke"),
        (tek, 13.3860, 52.4630, "Brücke Tempelhofer Damm", 4.4, 28.0, "feste Brücke"),
        (dahme, 13.5765, 52.4420, "Lange Brücke (Köpenick)", 4.3, 25.0, "feste Brücke"),
        (how, 13.2100, 52.5440, "Juliusturmbrücke (Spandau)", 4.5, 30.0, "feste Brücke"),
        (how, 13.2100, 52.6250, "Havelbrücke Hennigsdorf", 5.3, 40.0, "feste Brücke"),
        (how, 13.2550, 52.6800, "Eisenbahnbrücke Birkenwerder", 5.3, 40.0, "Eisenbahnbrücke"),
        (bssk, 13.3560, 52.5385, "Seestraßenbrücke", 4.5, 30.0, "feste Brücke"),
        (bssk, 13.3700, 52.5285, "Sandkrugbrücke", 4.4, 25.0, "feste Brücke")]:
    cat.bridge(ww, lon, lat, name, hoehe=h, breite=b, kategorie=kat, zeit=0.0,
               info="Durchfahrtshöhe über Mittelwasser: Beispielwert. " + SAMPLE)

# --- Fuel stations ----------------------------------------------------------------------------------------
t_spandau = cat.fuel(how, 13.2058, 52.5385, "Wassertankstelle Spandau", benzin=1, diesel=1,
                     tel="030 000000-101 (Beispiel)", info="Tankstelle am Steg, Havel in Spandau. " + SAMPLE)
t_wannsee = cat.fuel(uhw, 13.1800, 52.4450, "Bootstankstelle Wannsee", benzin=1, diesel=1,
                     tel="030 000000-102 (Beispiel)", ukw="Kanal 72 (Beispiel)",
                     info="Tankstelle an der Einfahrt zum Großen Wannsee. " + SAMPLE)
t_treptow = cat.fuel(spree, 13.4750, 52.4890, "Bootstankstelle Treptow", benzin=0, diesel=1,
                     tel="030 000000-103 (Beispiel)", info="Dieseltankstelle am Treptower Park. " + SAMPLE)
t_koepenick = cat.fuel(dahme, 13.5805, 52.4295, "Wassertankstelle Köpenick", benzin=1, diesel=1,
                       tel="030 000000-104 (Beispiel)", info="Tankstelle an der Dahme, Frauentog. " + SAMPLE)
t_werder = cat.fuel(uhw, 12.9320, 52.3840, "Tankstelle Werder", benzin=1, diesel=0, anland=1,
                    weg="Am Steg der Marina festmachen; die Straßentankstelle liegt etwa 300 m landeinwärts "
                        "an der Hauptstraße (Beispieltext).",
                    info="Straßentankstelle in Fußweite des Ufers. " + SAMPLE)
t_oranienburg = cat.fuel(how, 13.2690, 52.7360, "Bootstankstelle Lehnitzsee", benzin=1, diesel=1,
                         tel="03301 0000-105 (Beispiel)", info="Tankstelle am Lehnitzsee. " + SAMPLE)

# --- Harbours and marinas ---------------------------------------------------------------------------------
ALL_SERVICES = ("AS_strom", "AS_wasser", "IH_Dusche", "IH_Gastliegeplaetze", "IH_WC", "IH_Restaurant")
cat.harbour(how, 13.2060, 52.5360, "Sportboothafen Spandau", fuel=t_spandau, tel="030 000000-201 (Beispiel)",
            flags=ALL_SERVICES + ("IN_Apotheke", "IN_Post", "IN_Restaurant"),
            info="Gastliegeplätze am Lindenufer, Altstadt Spandau in Fußweite. " + SAMPLE)
cat.harbour(lwk, 13.4095, 52.4972, "Urbanhafen", tel="030 000000-202 (Beispiel)",
            flags=("AS_wasser", "IH_Gastliegeplaetze", "IN_Restaurant", "IN_Apotheke"),
            info="Kleiner Hafen am Landwehrkanal in Kreuzberg; begrenzte Liegezeit. " + SAMPLE)
cat.harbour(uhw, 13.1830, 52.4465, "Marina Wannsee", fuel=t_wannsee, tel="030 000000-203 (Beispiel)",
            ukw="Kanal 72 (Beispiel)",
            flags=ALL_SERVICES + ("IH_Kran", "IH_Werft", "IH_Waschmaschine", "IH_Trockner", "IH_Skipanlage"),
            info="Große Marina am Großen Wannsee. " + SAMPLE)
cat.harbour(uhw, 13.0840, 52.4032, "Yachthafen Tiefer See (Potsdam)", tel="0331 0000-204 (Beispiel)",
            flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IN_Restaurant"),
            info="Hafen am Tiefen See gegenüber dem Park Babelsberg. " + SAMPLE)
cat.harbour(uhw, 12.9300, 52.3845, "Marina Werder", fuel=t_werder, tel="03327 0000-205 (Beispiel)",
            flags=ALL_SERVICES + ("IH_Kran", "IH_Skipanlage", "IN_Post"),
            info="Marina an der Havel gegenüber der Inselstadt Werder. " + SAMPLE)
cat.harbour(uhw, 12.5500, 52.4120, "Stadthafen Brandenburg", tel="03381 0000-206 (Beispiel)",
            flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze",
                   "IN_Apotheke", "IN_Post", "IN_Restaurant"),
            info="Stadthafen nahe der Altstadt von Brandenburg an der Havel. " + SAMPLE)
cat.harbour(dahme, 13.5800, 52.4335, "Marina Köpenick", fuel=t_koepenick, tel="030 000000-207 (Beispiel)",
            flags=ALL_SERVICES + ("IH_Kran", "IH_Werft"),
            info="Marina an der Dahme südlich der Altstadt Köpenick. " + SAMPLE)
cat.harbour(how, 13.2450, 52.5725, "Sportboothafen Tegelort", tel="030 000000-208 (Beispiel)",
            flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Gastliegeplaetze", "IH_Kran"),
            info="Vereinshafen an der Havel bei Tegelort; Gastplätze nach Anmeldung. " + SAMPLE)
cat.harbour(how, 13.2685, 52.7400, "Marina Lehnitzsee (Oranienburg)", fuel=t_oranienburg,
            tel="03301 0000-209 (Beispiel)", flags=ALL_SERVICES + ("IH_Waschmaschine",),
            info="Marina am Lehnitzsee unterhalb der Schleuse Lehnitz. " + SAMPLE)
cat.harbour(tek, 13.3875, 52.4640, "Tempelhofer Hafen", tel="030 000000-210 (Beispiel)",
            flags=("IH_Gastliegeplaetze", "IN_Restaurant", "IN_Apotheke", "IN_Post"),
            info="Ehemaliger Hafen am Teltowkanal mit wenigen Gastliegeplätzen. " + SAMPLE)

# --- Berths -----------------------------------------------------------------------------------------------
for ww, lon, lat, name, sport in [
        (spree, 13.4115, 52.5119, "Liegestelle Märkisches Ufer", 1),
        (spree, 13.4035, 52.5168, "Wartestelle Schleuse Mühlendamm (Unterwasser)", 1),
        (lwk, 13.3420, 52.5104, "Sportbootliegestelle Tiergarten", 1),
        (tek, 13.2150, 52.4003, "Wartestelle Schleuse Kleinmachnow (Oberwasser)", 1),
        (bssk, 13.3345, 52.5428, "Wartestelle Schleuse Plötzensee", 1),
        (how, 13.2665, 52.7470, "Wartestelle Schleuse Lehnitz (Unterwasser)", 1),
        (uhw, 13.2130, 52.4880, "Liegestelle Schildhorn", 1),
        (uhw, 12.6600, 52.4200, "Liegestelle Göttinsee", 1),
        (dahme, 13.5790, 52.4180, "Liegestelle Grünau", 1),
        (spree, 13.5300, 52.4600, "Umschlagstelle Oberschöneweide (nur Berufsschifffahrt)", 0)]:
    cat.berth(ww, lon, lat, name, sportboote=sport, info="Liegedauer begrenzt (Beispielwert). " + SAMPLE)

# --- Weirs ------------------------------------------------------------------------------------------------
for ww, lon, lat, name in [
        (spree, 13.4068, 52.5140, "Wehr Mühlendamm"),
        (spree, 13.2800, 52.5276, "Wehr Charlottenburg"),
        (how, 13.2088, 52.5425, "Wehr Spandau"),
        (uhw, 12.5720, 52.4104, "Wehr Brandenburg (Vorstadt)")]:
    cat.weir(ww, lon, lat, name, info="Wehranlage neben der Schleuse; Abstand halten. " + SAMPLE)

HEADER = [
    "Sample catalogue \"Berlin und Brandenburg an der Havel\" - SAMPLE DATA, NOT FOR NAVIGATION.",
    "Generated by generate.py in this folder; edit the generator, not this file, and run it again.",
    "Load after schema.sql and queries.sql.",
]

if __name__ == "__main__":
    cat.write(os.path.join(os.path.dirname(os.path.abspath(__file__)), "data.sql"), HEADER)
