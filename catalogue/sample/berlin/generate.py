#!/usr/bin/env python3
"""Writes data.sql and the pictures of the sample catalogue "Berlin, Brandenburg und Mecklenburgische Seen".

The waterways follow the real rivers, lakes and canals between Berlin, Brandenburg an der Havel, the
Oder at Oderberg, the Oder-Spree-Kanal and the Müritz closely enough for a chart plotter's
demonstration, traced by hand from general geographic knowledge. The locks the waterway administration's
ordinance lists carry its operating hours, telephone numbers and kilometres (read from
schleusen-wsv-ost.tsv and betriebszeiten-wsv-ost.tsv); chamber sizes, clearances, radio channels and the
rest are plausible sample values, not official data: this catalogue is not for navigation.

Run:  python3 generate.py            (writes data.sql and UXABilder/*.png beside this script)
"""

import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))
sys.path.insert(0, HERE)

from catgen import Catalogue, SUMMER, WINTER, daily  # noqa: E402
import betriebszeiten  # noqa: E402
from betriebszeiten import SOURCE, SOURCE_DATE, Ordinance  # noqa: E402
import pictures  # noqa: E402

SAMPLE = "Beispieldaten, nicht zur Navigation."

cat = Catalogue([
    ("Name", "Berlin, Brandenburg und Mecklenburgische Seen (Beispielkatalog)"),
    ("Region", "Berlin, Potsdam, Brandenburg an der Havel, Genthin, Oranienburg, Niederfinow, Oderberg, "
               "Fürstenwalde, Zehdenick, Fürstenberg/Havel, Wesenberg, Mirow, Müritz mit Rechlin und Waren"),
    ("Version", "2024.3-beispiel"),
    ("Stand", "2024-06-01"),
    ("Hinweis", "BEISPIELKATALOG - NICHT ZUR NAVIGATION. Lage der Wasserstraßen angenähert; Abmessungen, "
                "Durchfahrtshöhen, UKW-Kanäle und die Angaben zu Häfen, Tankstellen und Liegestellen sind "
                "Beispielwerte. Betriebszeiten, Rufnummern und Kilometer der Schleusen nach der amtlichen "
                "Verordnung (siehe Betriebszeiten); Schleusen, die dort fehlen, haben Beispielzeiten. "
                "Maßgeblich sind allein die amtlichen Bekanntmachungen und die Beschilderung vor Ort."),
    ("Quelle", "Von Hand aus allgemeiner Ortskenntnis erstellt; Schleusenbetriebszeiten, Rufnummern und "
               "Schleusenkilometer aus der unter Betriebszeiten genannten Verordnung."),
    ("Betriebszeiten", SOURCE),
    ("BetriebszeitenStand", SOURCE_DATE),
    ("Bilder", "Die Bilder im Ordner UXABilder sind schematische Zeichnungen, keine Fotos oder amtlichen Pläne."),
], spacing_km=0.2)

# Junctions: the same coordinates are a vertex of every waterway they join.
SPANDAU = (13.2063, 52.5338)        # Spree mouth: Spree, Untere Havel, Havel-Oder-Wasserstraße
LWK_WEST = (13.3210, 52.5233)       # Landwehrkanal meets the Spree at Charlottenburg
HUMBOLDTHAFEN = (13.3690, 52.5222)  # Berlin-Spandauer Schifffahrtskanal meets the Spree
LWK_OST = (13.4505, 52.4980)        # Landwehrkanal meets the Spree at Treptow
KOEPENICK = (13.5740, 52.4452)      # Dahme mouth at Köpenick
BABELSBERG = (13.0880, 52.4070)     # Teltowkanal leaves the Havel (Tiefer See, Babelsberger Enge)
GRUENAU = (13.5785, 52.4115)        # Teltowkanal meets the Dahme
SAATWINKEL = (13.2430, 52.5610)     # Berlin-Spandauer Schifffahrtskanal leaves the Havel
SACROW = (13.0975, 52.4225)         # Sacrow-Paretzer Kanal leaves the Jungfernsee
PARETZ = (12.8620, 52.4640)         # Sacrow-Paretzer Kanal rejoins the Havel at Paretz
PLAUE = (12.4080, 52.4100)          # Elbe-Havel-Kanal leaves the Plauer See at Plaue
SCHMOECKWITZ = (13.6400, 52.3770)   # Oder-Spree-Kanal leaves the Dahme (Seddinsee) at Schmöckwitz
MALZ = (13.2960, 52.8075)           # Obere Havel-Wasserstraße leaves the Oder-Havel-Kanal at Malz
PAELITZ = (12.9870, 53.2260)        # Müritz-Havel-Wasserstraße meets the Obere Havel in the Großer Pälitzsee
KLEINE_MUERITZ = (12.7250, 53.3560) # Müritz-Havel-Wasserstraße enters the Müritz at Rechlin
# Where the sample's Obere Havel line runs over another waterway's kilometrage: the Malzer Kanal ends at the
# Liebenwalde lock, and from Priepert past Strasen to the Großer Pälitzsee the line follows the
# Müritz-Havel-Wasserstraße (the real junction lies east of Strasen), before the Obere Havel resumes to Wesenberg.
LIEBENWALDE = (13.3900, 52.8700)
PRIEPERT = (13.0350, 53.2160)

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
    2, "Landwehrkanal", "LWK", km0=None, kmdir=-1, vmax=6, depth=1.8, width=20, local_depth=[(4.0, 5.0, 1.6)],
    line=[LWK_OST, (13.4478, 52.4963), (13.4420, 52.4962), (13.4350, 52.4945), (13.4270, 52.4938),
          (13.4160, 52.4958), (13.4095, 52.4972), (13.4010, 52.4985), (13.3920, 52.4988),
          (13.3820, 52.4992), (13.3735, 52.5022), (13.3620, 52.5065), (13.3520, 52.5078),
          (13.3400, 52.5112), (13.3320, 52.5140), (13.3270, 52.5180), (13.3220, 52.5218), LWK_WEST])

uhw = cat.waterway(
    3, "Untere Havel-Wasserstraße (Spandau - Potsdam - Brandenburg - Plaue)", "UHW", vmax=12, depth=2.0, width=40,
    local_vmax=[(30.0, 33.0, 8)], local_depth=[(47.0, 49.0, 1.8)],
    line=[SPANDAU, (13.2030, 52.5280), (13.2000, 52.5210), (13.2020, 52.5150), (13.2050, 52.5100),
          (13.2100, 52.4990), (13.2130, 52.4870), (13.2060, 52.4720), (13.1950, 52.4600),
          (13.1850, 52.4480), (13.1700, 52.4420), (13.1500, 52.4380), (13.1300, 52.4395),
          (13.1120, 52.4330), (13.1020, 52.4240), SACROW, (13.0903, 52.4137), BABELSBERG, (13.0850, 52.4040),
          (13.0760, 52.4010), (13.0665, 52.3975), (13.0620, 52.3945), (13.0500, 52.3920),
          (13.0380, 52.3880), (13.0250, 52.3800), (13.0150, 52.3680), (13.0000, 52.3560),
          (12.9850, 52.3520), (12.9650, 52.3530), (12.9520, 52.3630), (12.9420, 52.3730),
          (12.9370, 52.3800), (12.9250, 52.3880), (12.9050, 52.3950), (12.8850, 52.4100),
          (12.8700, 52.4200), (12.8760, 52.4400), (12.8650, 52.4600), PARETZ, (12.8450, 52.4700),
          (12.8150, 52.4640), (12.7850, 52.4540), (12.7500, 52.4420), (12.7150, 52.4330),
          (12.6900, 52.4250), (12.6600, 52.4200),
          (12.6300, 52.4170), (12.6000, 52.4150), (12.5800, 52.4110), (12.5680, 52.4100),
          (12.5550, 52.4115), (12.5480, 52.4125),
          # through Brandenburg, the Breitlingsee and the Plauer See to Plaue
          (12.5300, 52.4060), (12.5050, 52.3960), (12.4800, 52.3930), (12.4550, 52.3990),
          (12.4300, 52.4060), PLAUE])

tek = cat.waterway(
    4, "Teltowkanal", "TEK", vmax=10, depth=2.0, width=30,
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
          GRUENAU, (13.5850, 52.4040), (13.6000, 52.3950), (13.6200, 52.3850), SCHMOECKWITZ])

how = cat.waterway(
    6, "Havel-Oder-Wasserstraße (Spandau - Oranienburg - Niederfinow - Oderberg)", "HOW", vmax=12, depth=2.5,
    width=35,
    line=[SPANDAU, (13.2055, 52.5375), (13.2075, 52.5405), (13.2110, 52.5470), (13.2180, 52.5530),
          (13.2300, 52.5570), SAATWINKEL, (13.2450, 52.5700), (13.2350, 52.5830), (13.2250, 52.5960),
          (13.2150, 52.6100), (13.2100, 52.6250), (13.2150, 52.6400), (13.2350, 52.6600),
          (13.2550, 52.6800), (13.2700, 52.7050), (13.2680, 52.7300), (13.2655, 52.7505),
          (13.2720, 52.7700), (13.2850, 52.7900),
          # Oder-Havel-Kanal: east past Zerpenschleuse and Eberswalde to the ship lift, then down to Oderberg
          MALZ, (13.3150, 52.8190), (13.3450, 52.8280), (13.3800, 52.8345), (13.4200, 52.8410),
          (13.4600, 52.8470), (13.5000, 52.8520), (13.5400, 52.8500), (13.5800, 52.8440), (13.6200, 52.8420),
          (13.6600, 52.8450), (13.7000, 52.8500), (13.7500, 52.8550), (13.8000, 52.8590), (13.8500, 52.8590),
          (13.8950, 52.8540), (13.9410, 52.8495), (13.9600, 52.8530), (13.9900, 52.8580), (14.0200, 52.8630),
          (14.0420, 52.8660)])

bssk = cat.waterway(
    7, "Berlin-Spandauer Schifffahrtskanal", "BSSK", vmax=10, depth=2.0, width=30,
    line=[SAATWINKEL, (13.2550, 52.5560), (13.2700, 52.5500), (13.2850, 52.5450), (13.3000, 52.5420),
          (13.3120, 52.5410), (13.3290, 52.5440), (13.3400, 52.5415), (13.3530, 52.5390),
          (13.3660, 52.5355), (13.3690, 52.5300), (13.3700, 52.5250), HUMBOLDTHAFEN])

# Obere Havel-Wasserstraße: Malzer Kanal to Liebenwalde, Voßkanal to Zehdenick, the Havel through the
# Stolpsee to Fürstenberg, the Ellbogensee and Priepert, the Strasen lock, the Großer Pälitzsee and
# north to Wesenberg and the Woblitzsee.
ohw = cat.waterway(
    8, "Obere Havel-Wasserstraße (Malz - Zehdenick - Fürstenberg - Wesenberg)", "OHW", km0=None, vmax=9,
    km_breaks=[(LIEBENWALDE, 1), (PRIEPERT, 1), (PAELITZ, 1)], depth=1.6,
    width=12, local_vmax=[(52.0, 62.0, 6)],
    line=[MALZ, (13.3080, 52.8230), (13.3300, 52.8400), (13.3600, 52.8560), LIEBENWALDE,
          (13.3870, 52.8850), (13.3770, 52.9080), (13.3620, 52.9350), (13.3480, 52.9600), (13.3340, 52.9800),
          (13.3250, 52.9950), (13.3130, 53.0150), (13.3000, 53.0350), (13.2850, 53.0550), (13.2780, 53.0750),
          (13.2700, 53.0950), (13.2600, 53.1100), (13.2480, 53.1250), (13.2400, 53.1450), (13.2300, 53.1620),
          (13.2100, 53.1710), (13.1850, 53.1740), (13.1650, 53.1790), (13.1460, 53.1850), (13.1280, 53.1920),
          (13.1150, 53.2000), (13.1000, 53.2060), (13.0850, 53.2100), (13.0700, 53.2080), (13.0500, 53.2100),
          PRIEPERT, (13.0200, 53.2180), (13.0050, 53.2170), (12.9920, 53.2200), PAELITZ,
          (12.9850, 53.2400), (12.9780, 53.2550), (12.9700, 53.2700), (12.9660, 53.2800), (12.9800, 53.2860),
          (13.0000, 53.2880)])

# Müritz-Havel-Wasserstraße: from the Kleine Müritz at Rechlin past Mirow, Diemitz and Canow to the Pälitzsee.
mhw = cat.waterway(
    9, "Müritz-Havel-Wasserstraße (Rechlin - Mirow - Canow)", "MHW", km0=None, kmdir=-1, vmax=9, depth=1.6, width=12,
    line=[KLEINE_MUERITZ, (12.7420, 53.3430), (12.7580, 53.3330), (12.7750, 53.3200), (12.7880, 53.3080),
          (12.7990, 53.2980), (12.8100, 53.2860), (12.8200, 53.2720), (12.8300, 53.2600), (12.8380, 53.2450),
          (12.8420, 53.2300), (12.8500, 53.2170), (12.8620, 53.2120), (12.8850, 53.2040), (12.9100, 53.2000),
          (12.9300, 53.1980), (12.9500, 53.2050), (12.9700, 53.2150), PAELITZ])

# The Müritz, crossed from the Kleine Müritz at Rechlin to the town harbour of Waren.
mueritz = cat.waterway(
    10, "Müritz (Rechlin - Waren)", "MUERITZ", vmax=25, depth=2.0, width=500,
    line=[KLEINE_MUERITZ, (12.7100, 53.3720), (12.7000, 53.3950), (12.6950, 53.4250), (12.6950, 53.4550),
          (12.6900, 53.4850), (12.6850, 53.5050), (12.6830, 53.5130)])

# Oder-Spree-Kanal: Seddinsee, Wernsdorf, Große Tränke, the Spree through Fürstenwalde, Kersdorf.
osk = cat.waterway(
    11, "Oder-Spree-Kanal (Schmöckwitz - Fürstenwalde - Kersdorf)", "OSK", km0=None, vmax=10, depth=2.0, width=25,
    line=[SCHMOECKWITZ, (13.6600, 52.3810), (13.6850, 52.3790), (13.7050, 52.3720), (13.7250, 52.3650),
          (13.7600, 52.3600), (13.8000, 52.3550), (13.8400, 52.3500), (13.8800, 52.3470), (13.9200, 52.3500),
          (13.9600, 52.3560), (14.0000, 52.3560), (14.0350, 52.3540), (14.0600, 52.3530), (14.1000, 52.3470),
          (14.1500, 52.3430), (14.2000, 52.3400), (14.2400, 52.3370), (14.2700, 52.3330), (14.3000, 52.3280)])

# Sacrow-Paretzer Kanal: the short way from the Jungfernsee to the Havel at Paretz, north of Potsdam.
spk = cat.waterway(
    12, "Sacrow-Paretzer Kanal", "SPK", vmax=12, depth=2.5, width=40,
    line=[SACROW, (13.0850, 52.4260), (13.0700, 52.4290), (13.0550, 52.4310), (13.0450, 52.4325),
          (13.0250, 52.4400), (13.0000, 52.4470), (12.9700, 52.4540), (12.9400, 52.4600),
          (12.9100, 52.4630), (12.8850, 52.4650), PARETZ])

# Elbe-Havel-Kanal from Plaue past the Wusterwitz lock to Genthin.
ehk = cat.waterway(
    13, "Elbe-Havel-Kanal (Plaue - Genthin)", "EHK", km0=None, kmdir=-1, vmax=12, depth=2.5, width=40,
    line=[PLAUE, (12.3980, 52.3950), (12.3850, 52.3760), (12.3500, 52.3780), (12.3000, 52.3870),
          (12.2500, 52.3960), (12.2000, 52.4020), (12.1550, 52.4080), (12.1300, 52.4090)])

cat.junction(*SPANDAU, spree, uhw, how)
cat.junction(*LWK_WEST, spree, lwk)
cat.junction(*HUMBOLDTHAFEN, spree, bssk)
cat.junction(*LWK_OST, spree, lwk)
cat.junction(*KOEPENICK, spree, dahme)
cat.junction(*BABELSBERG, uhw, tek)
cat.junction(*GRUENAU, tek, dahme)
cat.junction(*SAATWINKEL, how, bssk)
cat.junction(*SACROW, uhw, spk)
cat.junction(*PARETZ, uhw, spk)
cat.junction(*PLAUE, uhw, ehk)
cat.junction(*SCHMOECKWITZ, dahme, osk)
cat.junction(*MALZ, how, ohw)
cat.junction(*PAELITZ, ohw, mhw)
cat.junction(*KLEINE_MUERITZ, mhw, mueritz)

# --- Chart background: towns and villages along the waterways, and the lakes from GSHHG. ---------------
for name, lon, lat, rang in [
        ("Berlin", 13.4050, 52.5200, 1), ("Potsdam", 13.0600, 52.3950, 1),
        ("Brandenburg an der Havel", 12.5550, 52.4100, 1),
        ("Spandau", 13.2000, 52.5370, 2), ("Köpenick", 13.5780, 52.4470, 2), ("Hennigsdorf", 13.2050, 52.6360, 2),
        ("Oranienburg", 13.2370, 52.7530, 2), ("Eberswalde", 13.8220, 52.8340, 2),
        ("Fürstenwalde/Spree", 14.0660, 52.3590, 2), ("Zehdenick", 13.3330, 52.9790, 2),
        ("Fürstenberg/Havel", 13.1450, 53.1850, 2), ("Waren (Müritz)", 12.6820, 53.5170, 2),
        ("Genthin", 12.1600, 52.4070, 2), ("Werder (Havel)", 12.9340, 52.3790, 2), ("Teltow", 13.2750, 52.4020, 2),
        ("Tegel", 13.2850, 52.5870, 3), ("Charlottenburg", 13.2950, 52.5180, 3), ("Treptow", 13.4700, 52.4900, 3),
        ("Wannsee", 13.1600, 52.4210, 3), ("Kleinmachnow", 13.2250, 52.4080, 3), ("Grünau", 13.5680, 52.4180, 3),
        ("Schmöckwitz", 13.6480, 52.3750, 3), ("Wernsdorf", 13.7130, 52.3720, 3), ("Caputh", 12.9860, 52.3450, 3),
        ("Ketzin", 12.8460, 52.4760, 3), ("Paretz", 12.8670, 52.4710, 3), ("Plaue", 12.4050, 52.4030, 3),
        ("Wusterwitz", 12.3870, 52.3730, 3), ("Liebenwalde", 13.3960, 52.8720, 3),
        ("Zerpenschleuse", 13.5500, 52.8500, 3), ("Niederfinow", 13.9380, 52.8450, 3),
        ("Oderberg", 14.0430, 52.8680, 3), ("Himmelpfort", 13.2280, 53.1770, 3), ("Priepert", 13.0300, 53.2160, 3),
        ("Wesenberg", 12.9660, 53.2800, 3), ("Mirow", 12.8100, 53.2760, 3), ("Rechlin", 12.7170, 53.3550, 3),
        ("Canow", 12.9340, 53.1960, 3), ("Kersdorf", 14.2650, 52.3360, 3)]:
    cat.place(name, lon, lat, rang)
cat.outlines(os.path.join(HERE, "wasserflaechen.txt"))

# --- Public holidays: Berlin does not keep Reformation Day, Brandenburg and Mecklenburg do. ------------
for bl, codes in (("BE", ("NJ", "O", "MF", "HF", "Pf", "TDE", "W")),
                  ("BB", ("NJ", "O", "MF", "HF", "Pf", "TDE", "RT", "W")),
                  ("MV", ("NJ", "O", "MF", "HF", "Pf", "TDE", "RT", "W"))):
    cat.feiertage_bl += [(c, bl) for c in codes]

cat.sonderregeln = [
    (3, "Selbstbedienungsschleuse: die Bootsführer bedienen die Schleuse am Pult; bei Störungen die "
        "Rufnummer am Pult anrufen (Beispieltext)."),
    (5, "Schiffshebewerk: die Berufsschifffahrt hat Vorrang; Sportboote werden gemeinsam im Trog gehoben, "
        "Festmachen an den Pollern im Trog (Beispieltext)."),
]

CLOSED = dict(ref=None, von=None, bis=None, betrieb=0)

# Pictures of the catalogue: file name -> (drawing function, arguments). Drawn when the generator runs.
PICTURES = {}


def picture(name, draw, *args):
    if name in PICTURES:
        raise SystemExit("generate: picture drawn twice: " + name)
    PICTURES[name] = (draw, args)
    return name
SUNDAY_HOURS = dict(ft="REST", ref="So")   # every other holiday: the hours of a Sunday

# --- Locks ----------------------------------------------------------------------------------------------
# The hours, telephone numbers and official kilometres of the locks the waterway administration lists
# come from its ordinance, transcribed in schleusen-wsv-ost.tsv and betriebszeiten-wsv-ost.tsv; the
# chambers, lifts, radio channels and pictures stay sample values.
VO = Ordinance(os.path.join(HERE, "schleusen-wsv-ost.tsv"), os.path.join(HERE, "betriebszeiten-wsv-ost.tsv"))
# Locks the ordinance does not list keep invented hours and say so.
SAMPLE_HOURS = ("Betriebszeiten: Beispieldaten (die Verordnung führt diese Schleuse nicht); auch die übrigen "
                "Angaben sind Beispieldaten, nicht zur Navigation.")


def official_lock(ww, lon, lat, name, vo_name, **kw):
    return betriebszeiten.official_lock(cat, VO, ww, lon, lat, name, vo_name, sample=SAMPLE, **kw)


official_lock(spree, 13.4076, 52.5127, "Schleuse Mühlendamm", "Mühlendamm", kammern=2, laenge=135.0,
              breite=12.0, hub=1.7, zeit=0.33, bl="BE", styp="Doppelkammerschleuse",
              bild1=picture("schleuse_muehlendamm.png", pictures.lock_view, "Schleuse Mühlendamm", 135.0, 12.0,
                            1.7, 2),
              ukw="Kanal 20 (Beispiel)",
              info="Schleuse in Berlin-Mitte zwischen Nikolaiviertel und Fischerinsel.")

official_lock(spree, 13.2830, 52.5285, "Schleuse Charlottenburg", "Charlottenburg", kammern=2, laenge=115.0,
              breite=12.5, hub=1.8, zeit=0.33, bl="BE", styp="Doppelkammerschleuse", ukw="Kanal 18 (Beispiel)",
              info="Schleuse an der Spree unterhalb des Schlossparks Charlottenburg.")

official_lock(lwk, 13.4478, 52.4963, "Oberschleuse (Landwehrkanal)", "Oberschleuse", kammern=1, laenge=65.0,
              breite=9.5, hub=1.5, zeit=0.25, bl="BE", styp="Kammerschleuse", ukw="Kanal 22 (Beispiel)",
              info="Obere Schleuse des Landwehrkanals am Schlesischen Busch, Treptow; im Winter außer Betrieb.")

official_lock(lwk, 13.3320, 52.5140, "Unterschleuse (Landwehrkanal)", "Unterschleuse", kammern=1, laenge=68.0,
              breite=9.6, hub=1.2, zeit=0.25, bl="BE", styp="Kammerschleuse", ukw="Kanal 22 (Beispiel)",
              info="Untere Schleuse des Landwehrkanals im Tiergarten; im Winter außer Betrieb.")

official_lock(tek, 13.2205, 52.3995, "Schleuse Kleinmachnow", "Kleinmachnow", kammern=3, laenge=85.0,
              breite=10.0, hub=2.7, zeit=0.5, bl="BB", styp="Dreikammerschleuse", ukw="Kanal 20 (Beispiel)",
              info="Dreikammerschleuse des Teltowkanals zwischen Machnower See und Teltow.")

official_lock(how, 13.2655, 52.7505, "Schleuse Lehnitz", "Lehnitz", kammern=1, laenge=125.0, breite=12.5,
              hub=5.8, zeit=0.5, bl="BB", styp="Kammerschleuse", ukw="Kanal 20 (Beispiel)",
              info="Schleuse des Oder-Havel-Kanals am Lehnitzsee bei Oranienburg.",
              retired=dict(Bezeichnung="Alte Schleuse Lehnitz (stillgelegt)", AnzahlKammern=1, Laenge=85.0,
                           Breite=9.6, Durchgangszeit=0.5, InfoText="Frühere Schleusenkammer, außer Betrieb."))

official_lock(bssk, 13.3290, 52.5440, "Schleuse Plötzensee", "Plötzensee", kammern=2, laenge=85.0,
              breite=10.0, hub=1.0, zeit=0.33, bl="BE", styp="Doppelkammerschleuse", ukw="Kanal 18 (Beispiel)",
              info="Schleuse am Berlin-Spandauer Schifffahrtskanal nahe dem Plötzensee.")

official_lock(how, 13.2075, 52.5405, "Schleuse Spandau", "Spandau", kammern=1, laenge=115.0, breite=12.5,
              hub=2.3, zeit=0.33, bl="BE", styp="Kammerschleuse", ukw="Kanal 82 (Beispiel)",
              info="Schleuse an der Havel neben der Zitadelle Spandau.")

official_lock(uhw, 12.5680, 52.4100, "Vorstadtschleuse Brandenburg", "Vorstadtschleuse Brandenburg", kammern=1,
              laenge=115.0, breite=12.5, hub=1.6, zeit=0.42, bl="BB", styp="Kammerschleuse",
              ukw="Kanal 20 (Beispiel)", info="Schleuse der Unteren Havel in Brandenburg an der Havel.")

# --- Locks north and east of Berlin ------------------------------------------------------------------------
# The Oder-Havel-Kanal drops 36 m into the Oder valley at Niederfinow: the new ship lift, with the old one
# kept as an inactive row at the same point.
official_lock(how, 13.9410, 52.8495, "Schiffshebewerk Niederfinow", "Hebewerk Niederfinow", kammern=1,
              laenge=115.0, breite=12.5, hub=36.0, zeit=0.5, bl="BB", styp="Schiffshebewerk",
              ukw="Kanal 22 (Beispiel)", srid=5,
              info="Senkrecht-Schiffshebewerk zwischen Oder-Havel-Kanal und Oderniederung; der Trog überwindet "
                   "rund 36 m.",
              bild1=picture("schiffshebewerk_niederfinow.png", pictures.ship_lift, "Schiffshebewerk Niederfinow"),
              bild2=picture("schiffshebewerk_niederfinow_plan.png", pictures.ship_lift_plan,
                            "Schiffshebewerk Niederfinow"),
              retired=dict(Bezeichnung="Altes Schiffshebewerk Niederfinow (Baujahr 1934)", Laenge=83.5,
                           Breite=12.0, Durchgangszeit=0.5,
                           InfoText="Das alte Hebewerk ist für die Schifffahrt außer Betrieb.",
                           Bild1=None, Bild2=None))

# Oder-Spree-Kanal.
official_lock(osk, 13.7050, 52.3720, "Schleuse Wernsdorf", "Wernsdorf", kammern=2, laenge=130.0, breite=12.5,
              hub=2.5, zeit=0.42, bl="BB", styp="Doppelkammerschleuse", ukw="Kanal 78 (Beispiel)",
              info="Schleuse des Oder-Spree-Kanals zwischen Seddinsee und Wernsdorfer See.")
cat.lock(osk, 13.9600, 52.3560, "Schleuse Große Tränke", kammern=1, laenge=85.0, breite=10.0, hub=1.4,
         zeit=0.33, bl="BB", styp="Kammerschleuse", tel="03361 0000-22 (Beispiel)", ukw="Kanal 20 (Beispiel)",
         info="Schleuse am Übergang vom Kanal in die Spree westlich von Fürstenwalde. " + SAMPLE_HOURS,
         hours=[(SUMMER, daily(("06:00", "22:00")), None, None), (WINTER, daily(("06:00", "20:00")), None, None)],
         holidays=[dict(ft="W", **CLOSED), SUNDAY_HOURS])
official_lock(osk, 14.0600, 52.3530, "Schleuse Fürstenwalde", "Fürstenwalde", kammern=1, laenge=85.0,
              breite=10.0, hub=1.8, zeit=0.33, bl="BB", styp="Kammerschleuse", ukw="Kanal 20 (Beispiel)",
              info="Schleuse an der Spree in Fürstenwalde neben dem Wehr.")
official_lock(osk, 14.2700, 52.3330, "Schleuse Kersdorf", "Kersdorf", kammern=1, laenge=85.0, breite=10.0,
              hub=2.2, zeit=0.33, bl="BB", styp="Kammerschleuse", ukw="Kanal 20 (Beispiel)",
              info="Schleuse bei Briesen, wo der Kanal die Spree verlässt.")

# Elbe-Havel-Kanal.
official_lock(ehk, 12.3850, 52.3760, "Schleuse Wusterwitz", "Wusterwitz", kammern=2, laenge=190.0, breite=12.5,
              hub=4.2, zeit=0.5, bl="BB", styp="Doppelkammerschleuse", ukw="Kanal 82 (Beispiel)",
              info="Schleuse des Elbe-Havel-Kanals zwischen Plaue und Genthin.")

# --- Locks of the Obere Havel and the Müritz-Havel-Wasserstraße ---------------------------------------------
# Small locks for pleasure craft; the ordinance marks those from Liebenwalde to Fürstenberg as self-service.
for ww, lon, lat, name, vo_name, bl, n, size, extra in [
        (ohw, 13.3900, 52.8700, "Schleuse Liebenwalde", "Liebenwalde", "BB", 31, (55.0, 6.6, 1.4), {}),
        (ohw, 13.3770, 52.9080, "Schleuse Bischofswerder", "Bischofwerder", "BB", 32, (55.0, 6.6, 1.1), {}),
        (ohw, 13.3340, 52.9800, "Schleuse Zehdenick", "Zehdenick", "BB", 33, (55.0, 6.6, 1.8),
         dict(bild1=picture("schleuse_zehdenick.png", pictures.lock_view, "Schleuse Zehdenick", 55.0, 6.6,
                            1.8, 1))),
        (ohw, 13.3130, 53.0150, "Schleuse Schorfheide", "Schorfheide", "BB", 34, (55.0, 6.6, 1.5), {}),
        (ohw, 13.2850, 53.0550, "Schleuse Zaaren", "Zaaren", "BB", 35, (41.0, 5.3, 1.2), {}),
        (ohw, 13.2700, 53.0950, "Schleuse Regow", "Regow", "BB", 36, (41.0, 5.3, 1.3), {}),
        (ohw, 13.2480, 53.1250, "Schleuse Bredereiche", "Bredereiche", "BB", 37, (55.0, 6.6, 1.6), {}),
        (ohw, 13.1460, 53.1850, "Schleuse Fürstenberg", "Fürstenberg", "BB", 38, (55.0, 6.6, 1.2), {}),
        (ohw, 13.1000, 53.2060, "Schleuse Steinhavel", "Steinhavel", "BB", 39, (41.0, 5.3, 1.1), {}),
        (ohw, 13.0050, 53.2170, "Schleuse Strasen", "Strasen", "MV", 40, (41.0, 5.3, 1.0), {}),
        (ohw, 12.9660, 53.2800, "Schleuse Wesenberg", "Wesenberg", "MV", 41, (41.0, 5.3, 1.4), {}),
        (mhw, 12.9300, 53.1980, "Schleuse Canow", "Canow", "MV", 42, (41.0, 5.3, 0.9), {}),
        (mhw, 12.8620, 53.2120, "Schleuse Diemitz", "Diemitz", "MV", 43, (41.0, 5.3, 0.8), {}),
        (mhw, 12.8200, 53.2720, "Schleuse Mirow", "Mirow", "MV", 44, (41.0, 5.3, 1.2),
         dict(bild1=picture("schleuse_mirow.png", pictures.lock_view, "Schleuse Mirow", 41.0, 5.3, 1.2, 1)))]:
    laenge, breite, hub = size
    args = dict(kammern=1, laenge=laenge, breite=breite, hub=hub, zeit=0.33 if laenge > 50 else 0.25, bl=bl,
                styp="Kammerschleuse", ukw="Kanal 20 (Beispiel)" if n % 2 else None,
                info="Schleuse für Sportboote und kleine Fahrgastschiffe.")
    args.update(extra)
    official_lock(ww, lon, lat, name, vo_name, **args)

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
        (bssk, 13.3700, 52.5285, "Sandkrugbrücke", 4.4, 25.0, "feste Brücke"),
        (uhw, 12.4560, 52.3988, "Brücke Kirchmöser (Plauer See)", 4.8, 40.0, "feste Brücke"),
        (how, 13.4200, 52.8410, "Straßenbrücke Kreuzbruch", 5.25, 40.0, "feste Brücke"),
        (how, 13.5000, 52.8520, "Brücke Zerpenschleuse", 5.25, 40.0, "feste Brücke"),
        (how, 13.8000, 52.8590, "Eisenbahnbrücke Eberswalde", 5.25, 40.0, "Eisenbahnbrücke"),
        (how, 13.9900, 52.8580, "Straßenbrücke Liepe", 4.5, 30.0, "feste Brücke"),
        (ohw, 13.3880, 52.8750, "Straßenbrücke Liebenwalde", 3.8, 10.0, "feste Brücke"),
        (ohw, 13.2490, 53.1265, "Havelbrücke Bredereiche", 3.6, 9.0, "feste Brücke"),
        (ohw, 13.1500, 53.1838, "Havelbrücke Fürstenberg", 3.5, 9.0, "feste Brücke"),
        (ohw, 13.0370, 53.2150, "Brücke Priepert", 3.7, 12.0, "feste Brücke"),
        (mhw, 12.8190, 53.2745, "Straßenbrücke Mirow", 3.6, 10.0, "feste Brücke"),
        (mhw, 12.8600, 53.2130, "Brücke Diemitz", 3.5, 8.0, "feste Brücke"),
        (osk, 13.7000, 52.3740, "Straßenbrücke Wernsdorf", 4.5, 30.0, "feste Brücke"),
        (osk, 14.0650, 52.3520, "Spreebrücke Fürstenwalde", 4.2, 25.0, "feste Brücke"),
        (osk, 14.1000, 52.3470, "Eisenbahnbrücke Fürstenwalde", 4.4, 30.0, "Eisenbahnbrücke"),
        (spk, 12.9700, 52.4540, "Brücke Marquardt", 4.6, 40.0, "feste Brücke"),
        (ehk, 12.1550, 52.4080, "Straßenbrücke Genthin", 5.25, 40.0, "feste Brücke")]:
    cat.bridge(ww, lon, lat, name, hoehe=h, breite=b, kategorie=kat, zeit=0.0,
               info="Durchfahrtshöhe über Mittelwasser: Beispielwert. " + SAMPLE,
               bild1=picture("bruecke_oberbaum.png", pictures.bridge_view, name, h, b, kat)
               if name == "Oberbaumbrücke" else None)

# Movable and narrow bridges cost time: a boat waits for the bascule or for oncoming traffic.
cat.bridge(ohw, 13.3320, 52.9830, "Klappbrücke Zehdenick", hoehe=1.9, breite=8.5, kategorie="Klappbrücke",
           zeit=0.25, tel="03307 0000-51 (Beispiel)", ukw="Kanal 20 (Beispiel)",
           info="Klappbrücke in der Altstadt; geöffnet zu jeder vollen Stunde während der Schleusenzeiten, "
                "Durchfahrtshöhe geschlossen 1,90 m (Beispielwerte). " + SAMPLE,
           bild1=picture("bruecke_zehdenick.png", pictures.bridge_view, "Klappbrücke Zehdenick", 1.9, 8.5,
                         "Klappbrücke"))
cat.bridge(ohw, 13.2250, 53.1650, "Brücke Himmelpfort (Engstelle)", hoehe=3.2, breite=6.0,
           kategorie="feste Brücke, Engstelle", zeit=0.1,
           info="Einspurige Durchfahrt am Ausgang des Stolpsees; Gegenverkehr abwarten. " + SAMPLE)
cat.bridge(mhw, 12.9290, 53.1988, "Brücke Canow", hoehe=2.9, breite=7.0, kategorie="feste Brücke", zeit=0.0,
           info="Niedrige Brücke am Unterwasser der Schleuse Canow; Durchfahrtshöhe beachten. " + SAMPLE)

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
t_zehdenick = cat.fuel(ohw, 13.3290, 52.9880, "Wassertankstelle Zehdenick", benzin=1, diesel=1,
                       tel="03307 0000-106 (Beispiel)",
                       info="Tankstelle am Steg oberhalb der Schleuse Zehdenick. " + SAMPLE)
t_fuerstenberg = cat.fuel(ohw, 13.1330, 53.1900, "Bootstankstelle Fürstenberg", benzin=1, diesel=1,
                          tel="033093 0000-107 (Beispiel)", ukw="Kanal 69 (Beispiel)",
                          info="Tankstelle am Röblinsee, Zufahrt über die Marina. " + SAMPLE)
t_mirow = cat.fuel(mhw, 12.8120, 53.2840, "Tankstelle Mirow", benzin=0, diesel=1, anland=1,
                   tel="039833 0000-108 (Beispiel)",
                   weg="Vom Stadthafen der Uferpromenade nach Süden folgen; Kanister-Tankstelle nach etwa 400 m "
                       "an der Straße nach Neustrelitz (Beispieltext).",
                   info="Dieselabgabe in Kanistern an Land. " + SAMPLE)
t_rechlin = cat.fuel(mhw, 12.7440, 53.3420, "Bootstankstelle Rechlin", benzin=1, diesel=1,
                     tel="039823 0000-109 (Beispiel)", ukw="Kanal 72 (Beispiel)",
                     info="Tankstelle an der Kleinen Müritz beim Hafendorf. " + SAMPLE)
t_waren = cat.fuel(mueritz, 12.6860, 53.5070, "Bootstankstelle Waren", benzin=1, diesel=1,
                   tel="03991 0000-110 (Beispiel)", ukw="Kanal 72 (Beispiel)",
                   info="Tankstelle an der Müritz vor dem Stadthafen Waren. " + SAMPLE)
t_oderberg = cat.fuel(how, 14.0380, 52.8655, "Tankstelle Oderberg", benzin=1, diesel=1, anland=1,
                      weg="Am Hafen festmachen; Straßentankstelle an der Angermünder Straße, etwa 500 m "
                          "(Beispieltext).",
                      info="Straßentankstelle in Fußweite des Hafens Oderberg. " + SAMPLE)

# --- Harbours and marinas ---------------------------------------------------------------------------------
# Every harbour has a drawn plan (Plan); the larger ones also a drawn view (Bild1).
_harbour_count = [0]


def harbour(ww, lon, lat, name, slug, *, view=False, view2=False, **kw):
    variant = _harbour_count[0]
    _harbour_count[0] += 1
    flags = tuple(kw.get("flags", ()))
    plan = picture("plan_%s.png" % slug, pictures.harbour_plan, name, flags, kw.get("fuel") is not None, variant)
    bild1 = picture("hafen_%s.png" % slug, pictures.harbour_view, name, variant, False) if view else None
    bild2 = picture("hafen_%s_2.png" % slug, pictures.harbour_view, name, variant + 1, True) if view2 else None
    return cat.harbour(ww, lon, lat, name, plan=plan, bild1=bild1, bild2=bild2, **kw)


ALL_SERVICES = ("AS_strom", "AS_wasser", "IH_Dusche", "IH_Gastliegeplaetze", "IH_WC", "IH_Restaurant")
harbour(how, 13.2060, 52.5360, "Sportboothafen Spandau", "spandau", fuel=t_spandau,
        tel="030 000000-201 (Beispiel)", flags=ALL_SERVICES + ("IN_Apotheke", "IN_Post", "IN_Restaurant"),
        info="Gastliegeplätze am Lindenufer, Altstadt Spandau in Fußweite. " + SAMPLE)
harbour(lwk, 13.4095, 52.4972, "Urbanhafen", "urbanhafen", tel="030 000000-202 (Beispiel)",
        flags=("AS_wasser", "IH_Gastliegeplaetze", "IN_Restaurant", "IN_Apotheke"),
        info="Kleiner Hafen am Landwehrkanal in Kreuzberg; begrenzte Liegezeit. " + SAMPLE)
harbour(uhw, 13.1830, 52.4465, "Marina Wannsee", "wannsee", view=True, fuel=t_wannsee,
        tel="030 000000-203 (Beispiel)", ukw="Kanal 72 (Beispiel)",
        flags=ALL_SERVICES + ("IH_Kran", "IH_Werft", "IH_Waschmaschine", "IH_Trockner", "IH_Skipanlage"),
        info="Große Marina am Großen Wannsee. " + SAMPLE)
harbour(uhw, 13.0840, 52.4032, "Yachthafen Tiefer See (Potsdam)", "potsdam", tel="0331 0000-204 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IN_Restaurant"),
        info="Hafen am Tiefen See gegenüber dem Park Babelsberg. " + SAMPLE)
harbour(uhw, 12.9300, 52.3845, "Marina Werder", "werder", fuel=t_werder, tel="03327 0000-205 (Beispiel)",
        flags=ALL_SERVICES + ("IH_Kran", "IH_Skipanlage", "IN_Post"),
        info="Marina an der Havel gegenüber der Inselstadt Werder. " + SAMPLE)
harbour(uhw, 12.5500, 52.4120, "Stadthafen Brandenburg", "brandenburg", view=True,
        tel="03381 0000-206 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze",
               "IN_Apotheke", "IN_Post", "IN_Restaurant"),
        info="Stadthafen nahe der Altstadt von Brandenburg an der Havel. " + SAMPLE)
harbour(dahme, 13.5800, 52.4335, "Marina Köpenick", "koepenick", fuel=t_koepenick, tel="030 000000-207 (Beispiel)",
        flags=ALL_SERVICES + ("IH_Kran", "IH_Werft"),
        info="Marina an der Dahme südlich der Altstadt Köpenick. " + SAMPLE)
harbour(how, 13.2450, 52.5725, "Sportboothafen Tegelort", "tegelort", tel="030 000000-208 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Gastliegeplaetze", "IH_Kran"),
        info="Vereinshafen an der Havel bei Tegelort; Gastplätze nach Anmeldung. " + SAMPLE)
harbour(how, 13.2685, 52.7400, "Marina Lehnitzsee (Oranienburg)", "lehnitzsee", fuel=t_oranienburg,
        tel="03301 0000-209 (Beispiel)", flags=ALL_SERVICES + ("IH_Waschmaschine",),
        info="Marina am Lehnitzsee unterhalb der Schleuse Lehnitz. " + SAMPLE)
harbour(tek, 13.3875, 52.4640, "Tempelhofer Hafen", "tempelhof", tel="030 000000-210 (Beispiel)",
        flags=("IH_Gastliegeplaetze", "IN_Restaurant", "IN_Apotheke", "IN_Post"),
        info="Ehemaliger Hafen am Teltowkanal mit wenigen Gastliegeplätzen. " + SAMPLE)
harbour(how, 13.8020, 52.8595, "Marina Eberswalde", "eberswalde", tel="03334 0000-211 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IH_Kran"),
        info="Sportboothafen am Oder-Havel-Kanal nördlich von Eberswalde. " + SAMPLE)
harbour(how, 14.0400, 52.8660, "Hafen Oderberg", "oderberg", fuel=t_oderberg, tel="033369 0000-212 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Gastliegeplaetze", "IN_Restaurant", "IN_Post"),
        info="Hafen am Ende der Wasserstraße in Oderberg, Binnenschifffahrtsmuseum in der Nähe. " + SAMPLE)
harbour(ohw, 13.3920, 52.8725, "Stadthafen Liebenwalde", "liebenwalde", view=True,
        tel="033054 0000-213 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IN_Restaurant",
               "IN_Apotheke"),
        info="Stadthafen unterhalb der Schleuse Liebenwalde, Ortsmitte in Fußweite. " + SAMPLE)
harbour(ohw, 13.3310, 52.9850, "Hafen Zehdenick", "zehdenick", fuel=t_zehdenick, tel="03307 0000-214 (Beispiel)",
        flags=ALL_SERVICES + ("IH_Skipanlage", "IN_Apotheke", "IN_Post", "IN_Restaurant"),
        info="Hafen an der Havel oberhalb der Schleuse, nahe der Klappbrücke. " + SAMPLE)
harbour(ohw, 13.2100, 53.1710, "Hafen Himmelpfort (Stolpsee)", "himmelpfort", tel="033089 0000-215 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Gastliegeplaetze", "IN_Restaurant"),
        info="Anleger am Nordufer des Stolpsees beim Ort Himmelpfort. " + SAMPLE)
harbour(ohw, 13.1340, 53.1895, "Marina Fürstenberg", "fuerstenberg", view=True, fuel=t_fuerstenberg,
        tel="033093 0000-216 (Beispiel)", ukw="Kanal 69 (Beispiel)",
        flags=ALL_SERVICES + ("IH_Kran", "IH_Werft", "IH_Waschmaschine", "IH_Trockner", "IH_Skipanlage",
                              "IN_Apotheke", "IN_Post"),
        info="Marina am Röblinsee; Charterbasis, Werkstatt und Winterlager. " + SAMPLE)
harbour(ohw, 13.0360, 53.2170, "Marina Priepert", "priepert", tel="039828 0000-217 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze"),
        info="Kleine Marina am Ellbogensee bei Priepert. " + SAMPLE)
harbour(ohw, 12.9760, 53.2840, "Stadthafen Wesenberg", "wesenberg", tel="039832 0000-218 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IN_Restaurant",
               "IN_Post"),
        info="Hafen am Woblitzsee oberhalb der Schleuse Wesenberg. " + SAMPLE)
harbour(mhw, 12.8115, 53.2835, "Stadthafen Mirow", "mirow", view=True, fuel=t_mirow,
        tel="039833 0000-219 (Beispiel)",
        flags=ALL_SERVICES + ("IH_Skipanlage", "IN_Apotheke", "IN_Post", "IN_Restaurant"),
        info="Stadthafen am Mirower See mit Blick auf die Schlossinsel. " + SAMPLE)
harbour(mhw, 12.7420, 53.3430, "Hafendorf Rechlin", "rechlin", view=True, fuel=t_rechlin,
        tel="039823 0000-220 (Beispiel)", ukw="Kanal 72 (Beispiel)",
        flags=ALL_SERVICES + ("IH_Kran", "IH_Werft", "IH_Waschmaschine", "IH_Trockner", "IH_Skipanlage"),
        info="Große Marina an der Kleinen Müritz mit Ferienhäusern und Charterbasis. " + SAMPLE)
harbour(mueritz, 12.6835, 53.5125, "Stadthafen Waren (Müritz)", "waren", view=True, view2=True, fuel=t_waren,
        tel="03991 0000-221 (Beispiel)", tel2="03991 0000-222 (Beispiel)", ukw="Kanal 72 (Beispiel)",
        flags=ALL_SERVICES + ("IH_Kran", "IH_Waschmaschine", "IH_Trockner", "IN_Apotheke", "IN_Post",
                              "IN_Restaurant"),
        info="Stadthafen an der Binnenmüritz unterhalb der Altstadt von Waren. " + SAMPLE)
harbour(osk, 14.0700, 52.3515, "Stadthafen Fürstenwalde", "fuerstenwalde", tel="03361 0000-223 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Gastliegeplaetze", "IN_Apotheke", "IN_Post",
               "IN_Restaurant"),
        info="Gastanleger an der Spree unterhalb der Schleuse Fürstenwalde. " + SAMPLE)
harbour(ehk, 12.1600, 52.4075, "Hafen Genthin", "genthin", tel="03933 0000-224 (Beispiel)",
        flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Gastliegeplaetze", "IN_Post", "IN_Restaurant"),
        info="Sportboothafen am Elbe-Havel-Kanal in Genthin. " + SAMPLE)

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
        (spree, 13.5300, 52.4600, "Umschlagstelle Oberschöneweide (nur Berufsschifffahrt)", 0),
        (how, 13.9250, 52.8515, "Wartestelle Schiffshebewerk Niederfinow (Oberwasser)", 1),
        (how, 13.9560, 52.8525, "Wartestelle Schiffshebewerk Niederfinow (Unterwasser)", 1),
        (how, 13.6600, 52.8450, "Liegestelle Marienwerder", 1),
        (ohw, 13.3380, 52.9740, "Wartestelle Schleuse Zehdenick (Unterwasser)", 1),
        (ohw, 13.1520, 53.1830, "Wartestelle Schleuse Fürstenberg (Unterwasser)", 1),
        (ohw, 13.0700, 53.2080, "Liegestelle Ziernsee", 1),
        (ohw, 12.9850, 53.2400, "Liegestelle Großer Pälitzsee", 1),
        (mhw, 12.8230, 53.2690, "Wartestelle Schleuse Mirow (Oberwasser)", 1),
        (mhw, 12.8850, 53.2040, "Liegestelle Labussee", 1),
        (mueritz, 12.6950, 53.4250, "Ankerplatz Müritz (Beispiel)", 1),
        (osk, 13.7100, 52.3700, "Wartestelle Schleuse Wernsdorf (Oberwasser)", 1),
        (osk, 14.2650, 52.3340, "Wartestelle Schleuse Kersdorf", 1),
        (spk, 13.0250, 52.4400, "Liegestelle Sacrow-Paretzer Kanal (nur Berufsschifffahrt)", 0),
        (ehk, 12.3880, 52.3800, "Wartestelle Schleuse Wusterwitz (Oberwasser)", 1)]:
    cat.berth(ww, lon, lat, name, sportboote=sport, info="Liegedauer begrenzt (Beispielwert). " + SAMPLE)

# --- Weirs ------------------------------------------------------------------------------------------------
for ww, lon, lat, name in [
        (spree, 13.4068, 52.5140, "Wehr Mühlendamm"),
        (spree, 13.2800, 52.5276, "Wehr Charlottenburg"),
        (how, 13.2088, 52.5425, "Wehr Spandau"),
        (uhw, 12.5720, 52.4104, "Wehr Brandenburg (Vorstadt)"),
        (ohw, 13.3355, 52.9780, "Wehr Zehdenick"),
        (ohw, 13.2465, 53.1235, "Wehr Bredereiche"),
        (ohw, 13.1440, 53.1858, "Wehr Fürstenberg"),
        (ohw, 12.9670, 53.2790, "Wehr Wesenberg"),
        (mhw, 12.8210, 53.2705, "Wehr Mirow"),
        (osk, 14.0580, 52.3533, "Wehr Fürstenwalde (Spree)"),
        (osk, 14.2720, 52.3326, "Wehr Kersdorf")]:
    cat.weir(ww, lon, lat, name, info="Wehranlage neben der Schleuse; Abstand halten. " + SAMPLE)

HEADER = [
    "Sample catalogue \"Berlin, Brandenburg und Mecklenburgische Seen\" - SAMPLE DATA, NOT FOR NAVIGATION.",
    "Generated by generate.py in this folder; edit the generator, not this file, and run it again.",
    "Load after schema.sql and queries.sql. The pictures the objects name are in UXABilder/.",
]


def write_pictures(folder):
    """Draws every picture the catalogue names into folder and removes pictures nobody names."""
    named = set(cat.pictures())
    if named != set(PICTURES):
        sys.exit("generate: pictures named but not drawn: %s; drawn but not named: %s"
                 % (sorted(named - set(PICTURES)), sorted(set(PICTURES) - named)))
    os.makedirs(folder, exist_ok=True)
    for f in os.listdir(folder):
        if f.lower().endswith(".png") and f not in PICTURES:
            os.remove(os.path.join(folder, f))
    total = 0
    for name in sorted(PICTURES):
        draw, args = PICTURES[name]
        data = draw(*args).png()
        total += len(data)
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    print("%s: %d pictures, %d bytes" % (folder, len(PICTURES), total))


if __name__ == "__main__":
    if "--check" in sys.argv[1:]:   # only compare data.sql with what the generator writes
        sys.exit(0 if cat.check(os.path.join(HERE, "data.sql"), HEADER) else 1)
    cat.write(os.path.join(HERE, "data.sql"), HEADER)
    write_pictures(os.path.join(HERE, "UXABilder"))
