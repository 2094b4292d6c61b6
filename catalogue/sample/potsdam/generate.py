#!/usr/bin/env python3
"""Writes data.sql of the small sample catalogue "Potsdamer Havelseen".

The Havel lakes around Potsdam with the Sacrow-Paretzer Kanal, the Havelkanal, the western Teltowkanal
and the Schwielowsee, traced by hand from general geographic knowledge. The two locks carry the operating
hours, telephone numbers and kilometres of the waterway administration's ordinance (transcribed in
../berlin/*-wsv-ost.tsv); sizes, clearances and radio channels are sample values: not for navigation.

Run:  python3 generate.py            (writes data.sql beside this script)
"""

import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
BERLIN = os.path.join(HERE, "..", "berlin")
sys.path.insert(0, os.path.join(HERE, ".."))

from catgen import Catalogue  # noqa: E402
from betriebszeiten import SOURCE, SOURCE_DATE, Ordinance, official_lock  # noqa: E402

SAMPLE = "Beispieldaten, nicht zur Navigation."

cat = Catalogue([
    ("Name", "Potsdamer Havelseen (Beispielkatalog)"),
    ("Region", "Potsdam, Werder (Havel), Caputh, Ketzin, Havelkanal"),
    ("Version", "2024.2-beispiel"),
    ("Stand", "2024-03-01"),
    ("Hinweis", "BEISPIELKATALOG - NICHT ZUR NAVIGATION. Lage der Wasserstraßen angenähert; Abmessungen, "
                "Durchfahrtshöhen, UKW-Kanäle und die Angaben zu Häfen, Tankstellen und Liegestellen sind "
                "Beispielwerte. Betriebszeiten, Rufnummern und Kilometer der Schleusen nach der amtlichen "
                "Verordnung (siehe Betriebszeiten). "
                "Maßgeblich sind allein die amtlichen Bekanntmachungen und die Beschilderung vor Ort."),
    ("Quelle", "Von Hand aus allgemeiner Ortskenntnis erstellt; Schleusenbetriebszeiten, Rufnummern und "
               "Schleusenkilometer aus der unter Betriebszeiten genannten Verordnung."),
    ("Betriebszeiten", SOURCE),
    ("BetriebszeitenStand", SOURCE_DATE),
])

SACROW = (13.0975, 52.4225)      # Jungfernsee branches off the Havel below the Heilandskirche
BABELSBERG = (13.0880, 52.4070)  # Teltowkanal leaves the Tiefer See
CAPUTH = (12.9850, 52.3520)      # Caputher Gemünde: Schwielowsee
PARETZ = (12.8620, 52.4640)      # Sacrow-Paretzer Kanal and Havelkanal meet the Havel

# Official kilometres as on the Untere Havel from Spandau (Pfaueninsel at km 14.146).
havel = cat.waterway(
    1, "Havel (Pfaueninsel - Potsdam - Ketzin)", "PHAVEL", km0=14.146, vmax=12, depth=2.0, width=40,
    local_vmax=[(15.854, 18.854, 8)], local_depth=[(32.854, 34.854, 1.8)],
    line=[(13.1300, 52.4395), (13.1120, 52.4330), (13.1020, 52.4240), SACROW, (13.0903, 52.4137), BABELSBERG,
          (13.0850, 52.4040), (13.0760, 52.4010), (13.0665, 52.3975), (13.0620, 52.3945),
          (13.0500, 52.3920), (13.0380, 52.3880), (13.0250, 52.3800), (13.0150, 52.3680),
          (13.0000, 52.3560), CAPUTH, (12.9650, 52.3530), (12.9520, 52.3630), (12.9420, 52.3730),
          (12.9370, 52.3800), (12.9250, 52.3880), (12.9050, 52.3950), (12.8850, 52.4100),
          (12.8700, 52.4200), (12.8760, 52.4400), PARETZ, (12.8450, 52.4700)])

spk = cat.waterway(
    2, "Sacrow-Paretzer Kanal", "SPK", vmax=12, depth=2.5, width=40,
    line=[SACROW, (13.0850, 52.4260), (13.0700, 52.4290), (13.0550, 52.4310), (13.0450, 52.4325),
          (13.0250, 52.4400), (13.0000, 52.4470), (12.9700, 52.4540), (12.9400, 52.4600),
          (12.9100, 52.4630), (12.8850, 52.4650), PARETZ])

hvk = cat.waterway(
    3, "Havelkanal", "HVK", km0=None, kmdir=-1, vmax=10, depth=2.3, width=30,
    line=[PARETZ, (12.8700, 52.4850), (12.8900, 52.5100), (12.9200, 52.5350), (12.9500, 52.5550),
          (12.9900, 52.5800), (13.0300, 52.5980), (13.0700, 52.6080), (13.1180, 52.6145),
          (13.1500, 52.6170), (13.1800, 52.6160), (13.2000, 52.6150)])

tek = cat.waterway(
    4, "Teltowkanal (Potsdam - Teltow)", "TEK", vmax=10, depth=2.0, width=30,
    line=[BABELSBERG, (13.0980, 52.4030), (13.1120, 52.3970), (13.1270, 52.3940), (13.1400, 52.3960),
          (13.1600, 52.3990), (13.1850, 52.4000), (13.2050, 52.4010), (13.2205, 52.3995),
          (13.2400, 52.3980), (13.2600, 52.3990), (13.2750, 52.4050)])

schw = cat.waterway(
    5, "Schwielowsee (Caputh - Ferch)", "SCHW", vmax=25, depth=1.8, width=200,
    line=[CAPUTH, (12.9720, 52.3430), (12.9600, 52.3330), (12.9450, 52.3250), (12.9320, 52.3180)])

cat.junction(*SACROW, havel, spk)
cat.junction(*BABELSBERG, havel, tek)
cat.junction(*CAPUTH, havel, schw)
cat.junction(*PARETZ, havel, spk, hvk)

# --- Chart background: towns and villages along the waterways, and the lakes of the Berlin sample's
# GSHHG outlines that reach into this region. ----------------------------------------------------------
for name, lon, lat, rang in [
        ("Potsdam", 13.0600, 52.3950, 1), ("Werder (Havel)", 12.9340, 52.3790, 2), ("Teltow", 13.2750, 52.4020, 2),
        ("Wannsee", 13.1600, 52.4210, 3), ("Kleinmachnow", 13.2250, 52.4080, 3), ("Caputh", 12.9860, 52.3450, 3),
        ("Ferch", 12.9300, 52.3230, 3), ("Ketzin", 12.8460, 52.4760, 3), ("Paretz", 12.8670, 52.4710, 3),
        ("Schönwalde", 13.1200, 52.6200, 3), ("Falkensee", 13.0900, 52.5600, 2)]:
    cat.place(name, lon, lat, rang)
cat.outlines(os.path.join(BERLIN, "wasserflaechen.txt"))

cat.feiertage_bl = [(c, "BB") for c in ("NJ", "O", "MF", "HF", "Pf", "TDE", "RT", "W")]
# The hours, telephone numbers and kilometres of both locks come from the ordinance transcribed beside the
# Berlin sample; chambers and radio channels are sample values.
VO = Ordinance(os.path.join(BERLIN, "schleusen-wsv-ost.tsv"), os.path.join(BERLIN, "betriebszeiten-wsv-ost.tsv"))
official_lock(cat, VO, tek, 13.2205, 52.3995, "Schleuse Kleinmachnow", "Kleinmachnow", sample=SAMPLE,
              kammern=3, laenge=85.0, breite=10.0, hub=2.7, zeit=0.5, bl="BB", styp="Dreikammerschleuse",
              ukw="Kanal 20 (Beispiel)", info="Dreikammerschleuse des Teltowkanals zwischen Machnower See und Teltow.")
official_lock(cat, VO, hvk, 13.1180, 52.6145, "Schleuse Schönwalde", "Schönwalde", sample=SAMPLE, kammern=1,
              laenge=85.0, breite=9.6, hub=1.9, zeit=0.33, bl="BB", styp="Kammerschleuse",
              ukw="Kanal 18 (Beispiel)", info="Schleuse des Havelkanals bei Schönwalde.")

for ww, lon, lat, name, h, b, kat in [
        (havel, 13.0903, 52.4137, "Glienicker Brücke", 5.0, 40.0, "feste Brücke"),
        (havel, 13.0745, 52.4008, "Humboldtbrücke", 4.6, 35.0, "feste Brücke"),
        (havel, 13.0620, 52.3945, "Lange Brücke (Potsdam)", 4.2, 30.0, "feste Brücke"),
        (havel, 13.0200, 52.3740, "Eisenbahnbrücke Templiner See", 4.5, 35.0, "Eisenbahnbrücke"),
        (havel, 12.9370, 52.3800, "Havelbrücke Werder", 4.6, 30.0, "feste Brücke"),
        (spk, 13.0450, 52.4325, "Nedlitzer Brücke", 4.8, 40.0, "feste Brücke"),
        (spk, 12.9700, 52.4540, "Brücke Marquardt", 5.0, 40.0, "feste Brücke"),
        (hvk, 12.9200, 52.5350, "Brücke Wustermark", 4.8, 30.0, "feste Brücke"),
        (tek, 13.1400, 52.3960, "Brücke Kohlhasenbrück", 4.5, 25.0, "feste Brücke")]:
    cat.bridge(ww, lon, lat, name, hoehe=h, breite=b, kategorie=kat, zeit=0.0,
               info="Durchfahrtshöhe über Mittelwasser: Beispielwert. " + SAMPLE)

t_potsdam = cat.fuel(havel, 13.0660, 52.3965, "Bootstankstelle Potsdam", benzin=1, diesel=1,
                     tel="0331 0000-101 (Beispiel)", info="Tankstelle an der Freundschaftsinsel. " + SAMPLE)
t_caputh = cat.fuel(havel, 12.9950, 52.3545, "Bootstankstelle Caputh", benzin=1, diesel=0,
                    tel="033209 0000-102 (Beispiel)", info="Kleine Tankstelle am Steg. " + SAMPLE)
t_werder = cat.fuel(havel, 12.9320, 52.3840, "Tankstelle Werder", benzin=1, diesel=0, anland=1,
                    weg="Am Steg der Marina festmachen; die Straßentankstelle liegt etwa 300 m landeinwärts "
                        "(Beispieltext).", info="Straßentankstelle in Fußweite des Ufers. " + SAMPLE)

cat.harbour(havel, 13.0840, 52.4032, "Yachthafen Tiefer See", fuel=t_potsdam, tel="0331 0000-201 (Beispiel)",
            flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IN_Restaurant"),
            info="Hafen am Tiefen See gegenüber dem Park Babelsberg. " + SAMPLE)
cat.harbour(havel, 12.9980, 52.3550, "Yachthafen Caputh", fuel=t_caputh, tel="033209 0000-202 (Beispiel)",
            flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IH_Kran"),
            info="Hafen an der Caputher Gemünde. " + SAMPLE)
cat.harbour(havel, 12.9300, 52.3845, "Marina Werder", fuel=t_werder, tel="03327 0000-203 (Beispiel)",
            flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IH_Restaurant",
                   "IH_Kran", "IH_Skipanlage", "IN_Post"),
            info="Marina an der Havel gegenüber der Inselstadt Werder. " + SAMPLE)
cat.harbour(schw, 12.9330, 52.3190, "Hafen Ferch", tel="033209 0000-204 (Beispiel)",
            flags=("AS_wasser", "IH_WC", "IH_Gastliegeplaetze", "IN_Restaurant"),
            info="Kleiner Hafen am Südende des Schwielowsees. " + SAMPLE)
cat.harbour(havel, 12.8500, 52.4690, "Marina Ketzin", tel="033233 0000-205 (Beispiel)",
            flags=("AS_strom", "AS_wasser", "IH_WC", "IH_Dusche", "IH_Gastliegeplaetze", "IH_Waschmaschine"),
            info="Marina an der Havel in Ketzin. " + SAMPLE)

for ww, lon, lat, name in [
        (tek, 13.2150, 52.4003, "Wartestelle Schleuse Kleinmachnow (Oberwasser)"),
        (hvk, 13.1050, 52.6120, "Wartestelle Schleuse Schönwalde (Unterwasser)"),
        (havel, 13.1000, 52.4215, "Liegestelle Sacrow"),
        (spk, 13.0000, 52.4470, "Liegestelle Fahrland")]:
    cat.berth(ww, lon, lat, name, info="Liegedauer begrenzt (Beispielwert). " + SAMPLE)

HEADER = [
    "Sample catalogue \"Potsdamer Havelseen\" - SAMPLE DATA, NOT FOR NAVIGATION.",
    "Generated by generate.py in this folder; edit the generator, not this file, and run it again.",
    "Load after schema.sql and queries.sql.",
]

if __name__ == "__main__":
    if "--check" in sys.argv[1:]:   # only compare data.sql with what the generator writes
        sys.exit(0 if cat.check(os.path.join(HERE, "data.sql"), HEADER) else 1)
    cat.write(os.path.join(HERE, "data.sql"), HEADER)
