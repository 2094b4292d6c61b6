-- OLM3Binnen waypoints-and-routes database: the saved routes. The host owns and opens this file.

CREATE TABLE IF NOT EXISTS BinRouten (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    Bezeichnung  TEXT,
    Bemerkung    TEXT,
    KatalogNr    INTEGER,     -- number of the catalogue the route was planned on
    Uhrzeit      TEXT,        -- when the route was saved, 'yyyy-mm-dd hh:nn:ss'
    Startzeit    TEXT,        -- planned start
    Marschgeschw REAL         -- cruising speed km/h
);
CREATE INDEX IF NOT EXISTS BinRouten_Katalog ON BinRouten (KatalogNr, Uhrzeit);

CREATE TABLE IF NOT EXISTS BinRoutenPunkte (
    RoutenID        INTEGER NOT NULL,
    Nr              INTEGER NOT NULL,   -- position in the route, from 1
    BinnenExterneID TEXT,               -- external id of the point's waterway
    LgDez           REAL,
    BgDez           REAL,
    km              REAL,               -- chainage of the point
    PRIMARY KEY (RoutenID, Nr)
);
