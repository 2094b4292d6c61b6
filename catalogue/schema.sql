-- OLM3Binnen waterway catalogue: tables, indexes and views.
-- A catalogue is one SQLite file, opened read-only by the component. Build one with
--   sqlite3 -bail my.sqlite ".read schema.sql" ".read queries.sql" ".read my-data.sql"
-- or with the component's tool: olm3binnen build-catalogue --out my.sqlite my-data.sql
-- Dates are ISO texts ('YYYY-MM-DD'), times of day 'hh:mm' (or 'hh:mm:ss'); Booleans 1/0.
-- Coordinates are decimal degrees (LgDez east positive, BgDez north positive); chainages km.

PRAGMA foreign_keys = OFF;

-- What the catalogue is: name, region, version, and the notice shown with it.
CREATE TABLE Katalog (
    Schluessel TEXT PRIMARY KEY COLLATE NOCASE,
    Wert       TEXT
);

-- Point types: A junction, S lock, B bridge, H harbour, T fuel station, L berth, W weir.
CREATE TABLE Typen (
    TypenID  TEXT PRIMARY KEY COLLATE NOCASE,
    TypenBez TEXT NOT NULL
);

-- Waterways.
CREATE TABLE Binnen (
    BinnenID           INTEGER PRIMARY KEY,
    Bezeichnung        TEXT NOT NULL,
    ExterneID          TEXT,               -- stays the same across catalogue updates (saved routes use it)
    Aktiv              INTEGER NOT NULL DEFAULT 1,
    Gesamtstrecke      REAL,
    AnzahlBruecken     INTEGER NOT NULL DEFAULT 0,
    AnzahlHaefen       INTEGER NOT NULL DEFAULT 0,
    AnzahlLiegestellen INTEGER NOT NULL DEFAULT 0,
    AnzahlSchleusen    INTEGER NOT NULL DEFAULT 0,
    AnzahlTankstellen  INTEGER NOT NULL DEFAULT 0,
    AnzahlWehre        INTEGER NOT NULL DEFAULT 0,
    LG_OL REAL, BG_OL REAL,                -- upper-left corner of the bounding box
    LG_UR REAL, BG_UR REAL,                -- lower-right corner
    MinBreite REAL, MinHoehe REAL, MinTiefe REAL,  -- m; 0 unknown, 1000 or more unlimited
    Vmax REAL                              -- speed limit km/h
);
CREATE INDEX Binnen_ExterneID ON Binnen (ExterneID);

-- The points of all waterways, in chainage order per waterway.
CREATE TABLE Punkte (
    PunkteID   INTEGER PRIMARY KEY,
    BinnenID   INTEGER NOT NULL,
    Nummer     INTEGER NOT NULL,           -- order along the waterway
    Strecke    REAL NOT NULL,              -- chainage km from the waterway's start
    LgDez      REAL NOT NULL,
    BgDez      REAL NOT NULL,
    TypenID    TEXT,                       -- NULL or '' for a plain point
    DokuKM     REAL,                       -- documented (official) kilometre mark
    DokuKMOrig INTEGER NOT NULL DEFAULT 0, -- 1: DokuKM is the official mark at this point
    Vmax       REAL,                       -- local speed limit, NULL: the waterway's
    Tauchtiefe REAL                        -- draught limit m
);
CREATE INDEX Punkte_Binnen_Strecke ON Punkte (BinnenID, Strecke);
CREATE INDEX Punkte_Binnen_Nummer ON Punkte (BinnenID, Nummer);
CREATE INDEX Punkte_Typ ON Punkte (TypenID) WHERE TypenID IS NOT NULL AND TypenID <> '';
-- The objects of a waterway by chainage: a leg of the detailed route reads only these, not every point.
CREATE INDEX Punkte_Binnen_Objekte ON Punkte (BinnenID, Strecke) WHERE TypenID IS NOT NULL AND TypenID <> '';

-- Spatial index of the points, kept up to date by the triggers below.
CREATE VIRTUAL TABLE Punkte_RTree USING rtree (PunkteID, MinLg, MaxLg, MinBg, MaxBg);
CREATE TRIGGER Punkte_RTree_ins AFTER INSERT ON Punkte BEGIN
    INSERT INTO Punkte_RTree VALUES (new.PunkteID, new.LgDez, new.LgDez, new.BgDez, new.BgDez);
END;
CREATE TRIGGER Punkte_RTree_upd AFTER UPDATE OF PunkteID, LgDez, BgDez ON Punkte BEGIN
    DELETE FROM Punkte_RTree WHERE PunkteID = old.PunkteID;
    INSERT INTO Punkte_RTree VALUES (new.PunkteID, new.LgDez, new.LgDez, new.BgDez, new.BgDez);
END;
CREATE TRIGGER Punkte_RTree_del AFTER DELETE ON Punkte BEGIN
    DELETE FROM Punkte_RTree WHERE PunkteID = old.PunkteID;
END;

-- Junctions: a point of type A continues onto a point of another waterway (one row per continuation).
CREATE TABLE Abzweige (
    PunkteID      INTEGER NOT NULL,
    PunkteID_Nach INTEGER NOT NULL,
    PRIMARY KEY (PunkteID, PunkteID_Nach)
);

-- Object detail tables: one row per object, linked to its point; only Aktiv rows are read.
CREATE TABLE Schleusen (
    SchleusenID    INTEGER PRIMARY KEY,
    PunkteID       INTEGER NOT NULL,
    Aktiv          INTEGER NOT NULL DEFAULT 1,
    Bezeichnung    TEXT,
    Bild1 TEXT, Bild2 TEXT, InfoText TEXT,
    Telefon1 TEXT, Telefon2 TEXT, UKWKanal TEXT,
    AnzahlKammern  INTEGER,
    Laenge REAL, Breite REAL, HubHoeheMax REAL,   -- m
    Durchgangszeit REAL,                          -- h
    STypenID       TEXT,
    SRID,                                         -- special rule of the lock (SBZ_Sonderregelung)
    BL             TEXT                           -- federal state: which public holidays the lock keeps
);
CREATE INDEX Schleusen_Punkt ON Schleusen (PunkteID);

CREATE TABLE Bruecken (
    BrueckenID     INTEGER PRIMARY KEY,
    PunkteID       INTEGER NOT NULL,
    Aktiv          INTEGER NOT NULL DEFAULT 1,
    Bezeichnung    TEXT,
    Bild1 TEXT, Bild2 TEXT, InfoText TEXT,
    Telefon1 TEXT, Telefon2 TEXT, UKWKanal TEXT,
    Kategorie      TEXT,
    DurchBreite REAL, DurchfHoehe REAL,           -- m
    Durchgangszeit REAL                           -- h
);
CREATE INDEX Bruecken_Punkt ON Bruecken (PunkteID);

CREATE TABLE Haefen (
    HaefenID       INTEGER PRIMARY KEY,
    PunkteID       INTEGER NOT NULL,
    Aktiv          INTEGER NOT NULL DEFAULT 1,
    Bezeichnung    TEXT,
    Bild1 TEXT, Bild2 TEXT, InfoText TEXT,
    Telefon1 TEXT, Telefon2 TEXT, UKWKanal TEXT,
    Plan           TEXT,                          -- picture file of the harbour plan
    TankstellenID  INTEGER,                       -- the harbour's fuel station
    AS_strom INTEGER, AS_wasser INTEGER,
    IH_Dusche INTEGER, IH_Gastliegeplaetze INTEGER, IH_Kran INTEGER, IH_Restaurant INTEGER,
    IH_Skipanlage INTEGER, IH_Trockner INTEGER, IH_WC INTEGER, IH_Waschmaschine INTEGER, IH_Werft INTEGER,
    IN_Apotheke INTEGER, IN_Post INTEGER, IN_Restaurant INTEGER
);
CREATE INDEX Haefen_Punkt ON Haefen (PunkteID);

CREATE TABLE Tankstellen (
    TankstellenID  INTEGER PRIMARY KEY,
    PunkteID       INTEGER NOT NULL,
    Aktiv          INTEGER NOT NULL DEFAULT 1,
    Bezeichnung    TEXT,
    Bild1 TEXT, Bild2 TEXT, InfoText TEXT,
    Telefon1 TEXT, Telefon2 TEXT, UKWKanal TEXT,
    AnLand INTEGER, Benzin INTEGER, Diesel INTEGER,
    Wegbeschreibung TEXT
);
CREATE INDEX Tankstellen_Punkt ON Tankstellen (PunkteID);

CREATE TABLE Liegestellen (
    LiegestellenID INTEGER PRIMARY KEY,
    PunkteID       INTEGER NOT NULL,
    Aktiv          INTEGER NOT NULL DEFAULT 1,
    Bezeichnung    TEXT,
    Bild1 TEXT, Bild2 TEXT, InfoText TEXT,
    Sportboote     INTEGER
);
CREATE INDEX Liegestellen_Punkt ON Liegestellen (PunkteID);

CREATE TABLE Wehre (
    WehreID        INTEGER PRIMARY KEY,
    PunkteID       INTEGER NOT NULL,
    Aktiv          INTEGER NOT NULL DEFAULT 1,
    Bezeichnung    TEXT,
    Bild1 TEXT, Bild2 TEXT, InfoText TEXT
);
CREATE INDEX Wehre_Punkt ON Wehre (PunkteID);

-- Lock operating hours -------------------------------------------------------------------------

-- Weekdays Mo..So with Nr 1..7 (further groups may follow with Nr > 7).
CREATE TABLE Wochentage (
    WTID        TEXT PRIMARY KEY COLLATE NOCASE,
    Nr          INTEGER NOT NULL,
    Bezeichnung TEXT
);

CREATE TABLE SBZ_Sonderregelung (
    SRID   PRIMARY KEY,
    SRText TEXT
);

-- Regular windows: one row per lock, weekday, season and window.
CREATE TABLE SBZ_Wochentage (
    ID               INTEGER PRIMARY KEY,
    SchleusenID      INTEGER NOT NULL,
    WtID             TEXT NOT NULL COLLATE NOCASE,  -- Mo, Di, Mi, Do, Fr, Sa, So
    SaisonVon        TEXT NOT NULL,                 -- season start; only day and month count
    SaisonBis        TEXT NOT NULL,                 -- season end (may lie before SaisonVon: across the new year)
    UhrzeitVon       TEXT,                          -- opening 'hh:mm'
    UhrzeitBis       TEXT,                          -- closing 'hh:mm'; '00:00' is midnight at the end of the day
    Betrieb          INTEGER NOT NULL DEFAULT 1,    -- 0: closed that day
    SonderRegelungID,                               -- special rule of this window, or 'NB'
    NB               TEXT                           -- remark code; 'NB': the lock works on request
);
CREATE INDEX SBZ_Wochentage_Schleuse ON SBZ_Wochentage (SchleusenID, WtID);

-- Public holidays and the two special Saturdays. FeiertageID is the code of the holiday calendar
-- (NJ, DK, O, OSam, MF, HF, PfSam, Pf, Fl, MHF, TDE, RT, AllH, BBT, HllA, W, Silv); FTID the code that
-- dates it on the operating-hours screen (OFr, OSam, OSo/O, OMo, HF, PfSam, Pf/PfSo, PfMo, Fl, BBT).
CREATE TABLE Feiertage (
    FeiertageID TEXT PRIMARY KEY COLLATE NOCASE,
    FTID        TEXT,
    FTText      TEXT NOT NULL,
    FeiertageNr INTEGER NOT NULL                    -- calendar order
);

-- Which federal states keep which holiday ('*': all).
CREATE TABLE Feiertage_BL (
    FeiertageID TEXT NOT NULL COLLATE NOCASE,
    BL          TEXT NOT NULL COLLATE NOCASE,
    PRIMARY KEY (FeiertageID, BL)
);

-- Holiday windows of a lock. FeiertageID 'REST' stands for every other holiday the lock keeps.
-- RefWT empty: the holiday's own window; RefWT a weekday or 'WT' (working day) with times: the window
-- applies when the holiday falls on that day; RefWT with both times empty: keep that weekday's hours.
CREATE TABLE SBZ_Feiertage (
    ID          INTEGER PRIMARY KEY,
    SchleusenID INTEGER NOT NULL,
    FeiertageID TEXT NOT NULL COLLATE NOCASE,
    RefWT       TEXT COLLATE NOCASE,
    UhrzeitVon  TEXT,
    UhrzeitBis  TEXT,
    Betrieb     INTEGER NOT NULL DEFAULT 1,
    SRID,
    SaisonBis   TEXT                                -- end of the season the rule belongs to; NULL: year end
);
CREATE INDEX SBZ_Feiertage_Schleuse ON SBZ_Feiertage (SchleusenID, FeiertageID);

-- Chart background (optional: a catalogue without rows still works) --------------------------------

-- Places named on the chart: towns and villages along the waterways.
CREATE TABLE Orte (
    OrteID      INTEGER PRIMARY KEY,
    Bezeichnung TEXT NOT NULL,
    LgDez       REAL NOT NULL,
    BgDez       REAL NOT NULL,
    Rang        INTEGER NOT NULL DEFAULT 3     -- 1 city, 2 town, 3 village: lower ranks are named first
);

-- Water areas (lakes, wide rivers) and the islands in them, each a closed outline.
CREATE TABLE Wasserflaechen (
    FlaecheID   INTEGER PRIMARY KEY,
    Bezeichnung TEXT,
    Insel       INTEGER NOT NULL DEFAULT 0     -- 1: land inside a water area
);
CREATE TABLE Wasserflaechen_Punkte (
    FlaecheID INTEGER NOT NULL,
    Nummer    INTEGER NOT NULL,                -- order along the outline; the last joins the first
    LgDez     REAL NOT NULL,
    BgDez     REAL NOT NULL,
    PRIMARY KEY (FlaecheID, Nummer)
);

-- Stored queries: name and SQL text with positional parameters (?1, ?2, ...).
CREATE TABLE Abfragen (
    Name    TEXT PRIMARY KEY COLLATE NOCASE,
    SqlText TEXT NOT NULL
);

-- Views ----------------------------------------------------------------------------------------

-- Route points: position of any point.
CREATE VIEW V_ROUTE AS
SELECT p.PunkteID, p.LgDez, p.BgDez, p.BinnenID, p.Strecke
  FROM Punkte p;

-- The point sequence of the waterways with their objects and continuations (one row per point and
-- continuation onto another waterway).
CREATE VIEW V_ROUTE_DETAILLIERT AS
SELECT p.PunkteID, p.BinnenID, b.Bezeichnung AS BinnenBez, p.Nummer, p.Strecke, p.TypenID, t.TypenBez,
       CASE p.TypenID
         WHEN 'S' THEN (SELECT d.SchleusenID FROM Schleusen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY 1 LIMIT 1)
         WHEN 'B' THEN (SELECT d.BrueckenID FROM Bruecken d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY 1 LIMIT 1)
         WHEN 'H' THEN (SELECT d.HaefenID FROM Haefen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY 1 LIMIT 1)
         WHEN 'T' THEN (SELECT d.TankstellenID FROM Tankstellen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY 1 LIMIT 1)
         WHEN 'L' THEN (SELECT d.LiegestellenID FROM Liegestellen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY 1 LIMIT 1)
         WHEN 'W' THEN (SELECT d.WehreID FROM Wehre d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY 1 LIMIT 1)
       END AS DetailsID,
       CASE p.TypenID
         WHEN 'S' THEN (SELECT d.Bezeichnung FROM Schleusen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.SchleusenID LIMIT 1)
         WHEN 'B' THEN (SELECT d.Bezeichnung FROM Bruecken d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.BrueckenID LIMIT 1)
         WHEN 'H' THEN (SELECT d.Bezeichnung FROM Haefen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.HaefenID LIMIT 1)
         WHEN 'T' THEN (SELECT d.Bezeichnung FROM Tankstellen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.TankstellenID LIMIT 1)
         WHEN 'L' THEN (SELECT d.Bezeichnung FROM Liegestellen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.LiegestellenID LIMIT 1)
         WHEN 'W' THEN (SELECT d.Bezeichnung FROM Wehre d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.WehreID LIMIT 1)
       END AS DetailsBezeichnung,
       CASE p.TypenID
         WHEN 'S' THEN (SELECT d.InfoText FROM Schleusen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.SchleusenID LIMIT 1)
         WHEN 'B' THEN (SELECT d.InfoText FROM Bruecken d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.BrueckenID LIMIT 1)
         WHEN 'H' THEN (SELECT d.InfoText FROM Haefen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.HaefenID LIMIT 1)
         WHEN 'T' THEN (SELECT d.InfoText FROM Tankstellen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.TankstellenID LIMIT 1)
         WHEN 'L' THEN (SELECT d.InfoText FROM Liegestellen d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.LiegestellenID LIMIT 1)
         WHEN 'W' THEN (SELECT d.InfoText FROM Wehre d WHERE d.PunkteID = p.PunkteID AND d.Aktiv ORDER BY d.WehreID LIMIT 1)
       END AS DetailsText,
       p.DokuKM, p.DokuKMOrig, p.LgDez, p.BgDez,
       coalesce(p.Vmax, b.Vmax) AS Vmax, p.Tauchtiefe,
       a.PunkteID_Nach, pn.BinnenID AS BinnenID_Nach, bn.Bezeichnung AS BinnenBez_Nach
  FROM Punkte p
  JOIN Binnen b ON b.BinnenID = p.BinnenID
  LEFT JOIN Typen t ON t.TypenID = p.TypenID
  LEFT JOIN Abzweige a ON a.PunkteID = p.PunkteID
  LEFT JOIN Punkte pn ON pn.PunkteID = a.PunkteID_Nach
  LEFT JOIN Binnen bn ON bn.BinnenID = pn.BinnenID;

-- Points with an object (any point whose type is set), for the browser.
CREATE VIEW V_BinnenInfo AS
SELECT p.PunkteID, p.BinnenID, b.Bezeichnung AS BinnenBez, p.Nummer, p.Strecke, p.TypenID, t.TypenBez,
       p.DokuKM, p.DokuKMOrig, p.LgDez, p.BgDez
  FROM Punkte p
  JOIN Binnen b ON b.BinnenID = p.BinnenID
  LEFT JOIN Typen t ON t.TypenID = p.TypenID
 WHERE p.TypenID IS NOT NULL AND p.TypenID <> '';

-- Identity of a point that survives a catalogue update: the waterway's external id and the chainage.
CREATE VIEW V_ROUTENPUNKTE AS
SELECT p.PunkteID, b.ExterneID, p.Strecke, p.LgDez, p.BgDez
  FROM Punkte p
  JOIN Binnen b ON b.BinnenID = p.BinnenID;

-- A lock's holiday rules, for the operating-hours screen.
CREATE VIEW V_SBZ_FT AS
SELECT r.SchleusenID, r.FeiertageID, coalesce(f.FTID, r.FeiertageID) AS FTID,
       coalesce(f.FTText, r.FeiertageID) AS FTText, s.BL,
       CASE WHEN upper(r.FeiertageID) = 'REST' THEN 1 ELSE 0 END AS REST,
       r.RefWT, w.Bezeichnung AS WT, r.UhrzeitVon, r.UhrzeitBis, r.Betrieb AS betrieb, r.SRID,
       coalesce(f.FeiertageNr, 1000) AS FeiertageNr, coalesce(w.Nr, 0) AS WochentageNr
  FROM SBZ_Feiertage r
  LEFT JOIN Feiertage f ON f.FeiertageID = r.FeiertageID
  LEFT JOIN Wochentage w ON w.WTID = r.RefWT
  LEFT JOIN Schleusen s ON s.SchleusenID = r.SchleusenID;

-- The fixed vocabulary every catalogue carries.
INSERT INTO Typen (TypenID, TypenBez) VALUES
    ('A', 'Abzweig'), ('S', 'Schleuse'), ('B', 'Brücke'), ('H', 'Hafen'),
    ('T', 'Tankstelle'), ('L', 'Liegestelle'), ('W', 'Wehr');

INSERT INTO Wochentage (WTID, Nr, Bezeichnung) VALUES
    ('Mo', 1, 'Montag'), ('Di', 2, 'Dienstag'), ('Mi', 3, 'Mittwoch'), ('Do', 4, 'Donnerstag'),
    ('Fr', 5, 'Freitag'), ('Sa', 6, 'Samstag'), ('So', 7, 'Sonntag'), ('WT', 8, 'Werktag');

INSERT INTO Feiertage (FeiertageID, FTID, FTText, FeiertageNr) VALUES
    ('NJ', 'NJ', 'Neujahr', 1),
    ('DK', 'DK', 'Heilige Drei Könige', 2),
    ('O', 'O', 'Ostern (Karfreitag bis Ostermontag)', 3),
    ('OSam', 'OSam', 'Ostersamstag', 4),
    ('MF', 'MF', 'Maifeiertag', 5),
    ('HF', 'HF', 'Christi Himmelfahrt', 6),
    ('PfSam', 'PfSam', 'Pfingstsamstag', 7),
    ('Pf', 'Pf', 'Pfingsten (Pfingstsonntag und -montag)', 8),
    ('Fl', 'Fl', 'Fronleichnam', 9),
    ('MHF', 'MHF', 'Mariä Himmelfahrt', 10),
    ('TDE', 'TDE', 'Tag der Deutschen Einheit', 11),
    ('RT', 'RT', 'Reformationstag', 12),
    ('AllH', 'AllH', 'Allerheiligen', 13),
    ('BBT', 'BBT', 'Buß- und Bettag', 14),
    ('HllA', 'HllA', 'Heiligabend', 15),
    ('W', 'W', 'Weihnachten', 16),
    ('Silv', 'Silv', 'Silvester', 17);
