-- OLM3Binnen waterway catalogue: the stored queries the component runs by name.
-- Parameters are positional (?1, ?2, ...); a query may use one parameter several times.
-- Load after schema.sql. Inside SqlText a quote is doubled.

-- Nearest points to a position. ?1 longitude, ?2 latitude (decimal degrees), ?3 capture radius in
-- nautical miles. DL2_sm is the squared distance in nautical miles (plane approximation: a minute of
-- latitude is one mile, a minute of longitude cos(latitude) miles). The rows are points within the radius,
-- nearest first (equal distances by PunkteID); the nearest point within the radius is always the first row,
-- further rows are those no farther than a bound found on the way.
-- The spatial index only answers "is there a point in this box" cheaply, so the distance is narrowed down
-- with such questions before any point is read, and the cost stays small far from the network too:
--   quadrat  squares around the position, doubled from 0.05 nm until one holds a point, then (above
--            0.5 nm) halved between the last empty and the first full one to about 1/1000 of its size;
--            e is the answer for size s, lo/hi the empty/full sizes known so far;
--   nah      the exact distance of the nearest point in that square: an upper bound of the answer;
--   kreis    above 1 nm that bound is halved further with discs, each covered by the 16 strips of
--            streifen, using the index''s own (float) coordinates;
--   fang     the bound (plus 0.01 nm for the float coordinates), at most the radius;
-- and then only the points inside the bound are read: through one square up to 1 nm, else through the
-- strips. The strips cut the bound''s disc at sin(k * pi / 16); each point counts in one strip only.
INSERT INTO Abfragen (Name, SqlText) VALUES ('V_PunkteEntfernung', '
WITH RECURSIVE
  arg(lg, bg, r, kx) AS (SELECT ?1, ?2, ?3, 60.0 * max(cos(radians(?2)), 0.01)),
  quadrat(n, lo, hi, s, e) AS (
    SELECT 0, 0.0, NULL, min(0.05, r), NULL FROM arg WHERE r > 0
    UNION ALL
    SELECT n + 1, CASE WHEN e = 0 THEN s ELSE lo END, CASE WHEN e THEN s ELSE hi END,
           CASE WHEN e IS NULL THEN s WHEN e THEN (lo + s) / 2 WHEN hi IS NULL THEN min(2 * s, arg.r)
                ELSE (s + hi) / 2 END,
           CASE WHEN e IS NULL THEN EXISTS (
                  SELECT 1 FROM Punkte_RTree t
                   WHERE t.MinLg <= arg.lg + s / arg.kx AND t.MaxLg >= arg.lg - s / arg.kx
                     AND t.MinBg <= arg.bg + s / 60.0 AND t.MaxBg >= arg.bg - s / 60.0) END
      FROM quadrat, arg
     WHERE n < 200
       AND CASE WHEN e IS NULL THEN 1
                WHEN e THEN s > 0.5 AND s - lo > 0.01 + s / 1024
                WHEN hi IS NULL THEN s < arg.r
                ELSE hi > 0.5 AND hi - s > 0.01 + hi / 1024 END),
  nah(lo, d2) AS (
    SELECT q.lo, min(((p.LgDez - arg.lg) * arg.kx) * ((p.LgDez - arg.lg) * arg.kx)
                     + ((p.BgDez - arg.bg) * 60.0) * ((p.BgDez - arg.bg) * 60.0))
      FROM (SELECT max(CASE WHEN e = 0 THEN s ELSE lo END) AS lo, min(CASE WHEN e THEN s ELSE hi END) AS hi
              FROM quadrat) q
           CROSS JOIN arg CROSS JOIN Punkte_RTree t CROSS JOIN Punkte p
     WHERE t.MinLg <= arg.lg + q.hi / arg.kx AND t.MaxLg >= arg.lg - q.hi / arg.kx
       AND t.MinBg <= arg.bg + q.hi / 60.0 AND t.MaxBg >= arg.bg - q.hi / 60.0
       AND p.PunkteID = t.PunkteID),
  streifen(art, y0, y1, x) AS (VALUES
    (0, -1.0, 1.0, 1.0),
    (1, 0.000000000, 0.195090322, 1.000000000), (1, -0.195090322, 0.000000000, 1.000000000),
    (1, 0.195090322, 0.382683432, 0.980785281), (1, -0.382683432, -0.195090322, 0.980785281),
    (1, 0.382683432, 0.555570233, 0.923879533), (1, -0.555570233, -0.382683432, 0.923879533),
    (1, 0.555570233, 0.707106781, 0.831469613), (1, -0.707106781, -0.555570233, 0.831469613),
    (1, 0.707106781, 0.831469612, 0.707106782), (1, -0.831469612, -0.707106781, 0.707106782),
    (1, 0.831469612, 0.923879533, 0.555570234), (1, -0.923879533, -0.831469612, 0.555570234),
    (1, 0.923879533, 0.980785280, 0.382683432), (1, -0.980785280, -0.923879533, 0.382683432),
    (1, 0.980785280, 1.000000000, 0.195090325), (1, -1.000000000, -0.980785280, 0.195090325)),
  kreis(n, lo, hi, s, e) AS (
    SELECT 0, lo, sqrt(d2), (lo + sqrt(d2)) / 2, NULL FROM nah WHERE d2 > 1.0
    UNION ALL
    SELECT n + 1, CASE WHEN e = 0 THEN s ELSE lo END, CASE WHEN e THEN s ELSE hi END,
           CASE WHEN e IS NULL THEN s WHEN e THEN (lo + s) / 2 ELSE (s + hi) / 2 END,
           CASE WHEN e IS NULL THEN EXISTS (
                  SELECT 1 FROM streifen z, Punkte_RTree t
                   WHERE +z.art = 1
                     AND t.MinBg <= arg.bg + s * z.y1 / 60.0 AND t.MaxBg >= arg.bg + s * z.y0 / 60.0
                     AND t.MinLg <= arg.lg + s * z.x / arg.kx AND t.MaxLg >= arg.lg - s * z.x / arg.kx
                     AND ((t.MinLg - arg.lg) * arg.kx) * ((t.MinLg - arg.lg) * arg.kx)
                         + ((t.MinBg - arg.bg) * 60.0) * ((t.MinBg - arg.bg) * 60.0) <= s * s) END
      FROM kreis, arg
     WHERE n < 100 AND (e IS NULL OR CASE WHEN e THEN s - lo ELSE hi - s END > 0.01 + s / 256)),
  fang(q, rho) AS (
    SELECT q, sqrt(q) + 1e-6 FROM (
      SELECT min(nah.d2, arg.r * arg.r, coalesce((k.hi + 0.01) * (k.hi + 0.01), nah.d2)) AS q
        FROM nah, arg, (SELECT min(CASE WHEN e THEN s ELSE hi END) AS hi FROM kreis) k
       WHERE nah.d2 IS NOT NULL) LIMIT 1)
SELECT p.BinnenID, b.Bezeichnung AS BinnenBez, p.PunkteID, p.LgDez AS LGDez, p.BgDez AS BGDez,
       ((p.LgDez - arg.lg) * arg.kx) * ((p.LgDez - arg.lg) * arg.kx)
         + ((p.BgDez - arg.bg) * 60.0) * ((p.BgDez - arg.bg) * 60.0) AS DL2_sm,
       p.DokuKM AS DokuKm, coalesce(p.Vmax, b.Vmax) AS Vmax, p.Tauchtiefe
  FROM fang CROSS JOIN arg CROSS JOIN streifen z CROSS JOIN Punkte_RTree t CROSS JOIN Punkte p
       CROSS JOIN Binnen b
 WHERE +z.art = (fang.q > 1.0)
   AND t.MinBg <= arg.bg + fang.rho * z.y1 / 60.0 + 1e-9 AND t.MaxBg >= arg.bg + fang.rho * z.y0 / 60.0 - 1e-9
   AND t.MinLg <= arg.lg + fang.rho * z.x / arg.kx + 1e-9 AND t.MaxLg >= arg.lg - fang.rho * z.x / arg.kx - 1e-9
   AND ((t.MinLg - arg.lg) * arg.kx) * ((t.MinLg - arg.lg) * arg.kx)
       + ((t.MinBg - arg.bg) * 60.0) * ((t.MinBg - arg.bg) * 60.0) <= (fang.rho + 0.01) * (fang.rho + 0.01)
   AND p.PunkteID = t.PunkteID
   AND (p.BgDez - arg.bg) * 60.0 >= fang.rho * z.y0 AND (p.BgDez - arg.bg) * 60.0 < fang.rho * z.y1
   AND DL2_sm <= fang.q
   AND b.BinnenID = p.BinnenID
 ORDER BY DL2_sm, p.PunkteID
');

-- Travel parameters of one step along a waterway. ?1 waterway, ?2 start point, ?3 end point, ?4 cruising
-- speed km/h. Strecke km; Dauer h at the cruising speed; Fahrzeiten h at the cruising speed held to the
-- waterway''s speed limit (NULL without a speed). No row when a point is not on that waterway.
INSERT INTO Abfragen (Name, SqlText) VALUES ('V_ROUTENOPTIMIERER_INFO', '
SELECT abs(n.Strecke - v.Strecke) AS Strecke,
       CASE WHEN ?4 > 0 THEN abs(n.Strecke - v.Strecke) / ?4 ELSE 0 END AS Dauer,
       CASE WHEN ?4 > 0 THEN abs(n.Strecke - v.Strecke)
                             / (CASE WHEN b.Vmax > 0 AND b.Vmax < ?4 THEN b.Vmax ELSE ?4 END) END AS Fahrzeiten
  FROM Punkte v
  JOIN Punkte n ON n.PunkteID = ?3 AND n.BinnenID = ?1
  JOIN Binnen b ON b.BinnenID = ?1
 WHERE v.PunkteID = ?2 AND v.BinnenID = ?1
');

-- Whether a lock keeps a holiday. ?1 the lock (SchleusenID, the DetailsID of its point), ?2 the holiday
-- code, or NULL for every holiday the lock keeps. One row per holiday kept, in calendar order.
INSERT INTO Abfragen (Name, SqlText) VALUES ('V_IST_FEIERTAG', '
SELECT f.FTText, f.FTID, f.FeiertageID, f.FeiertageNr
  FROM Feiertage f
 WHERE (?2 IS NULL OR f.FeiertageID = ?2)
   AND EXISTS (SELECT 1 FROM Feiertage_BL fb, Schleusen s
                WHERE s.SchleusenID = ?1 AND fb.FeiertageID = f.FeiertageID
                  AND (fb.BL = ''*'' OR fb.BL = s.BL))
 ORDER BY f.FeiertageNr
');

-- A lock''s windows on a holiday. ?1 the lock, ?2 the holiday code, ?3 1 when the lock keeps the holiday,
-- ?4 the weekday code of the day (the component matches RefWT itself; the rows come in weekday order).
-- The rows of the holiday itself; without them, when the lock keeps the holiday, its REST rows.
INSERT INTO Abfragen (Name, SqlText) VALUES ('V_GET_BZ_FT', '
SELECT r.RefWT, r.UhrzeitVon, r.UhrzeitBis, r.Betrieb, r.SRID,
       coalesce(r.SaisonBis, ''2000-12-31'') AS saisonbis, ?4 AS WT
  FROM SBZ_Feiertage r
  LEFT JOIN Wochentage w ON w.WTID = r.RefWT
 WHERE r.SchleusenID = ?1
   AND (r.FeiertageID = ?2
        OR (?3 = 1 AND upper(r.FeiertageID) = ''REST''
            AND NOT EXISTS (SELECT 1 FROM SBZ_Feiertage x WHERE x.SchleusenID = ?1 AND x.FeiertageID = ?2)))
 ORDER BY coalesce(w.Nr, 0), r.UhrzeitVon, r.ID
');

-- A lock''s windows on a weekday in the season that holds a date. ?1 the lock, ?2 the date as ISO text
-- (yyyy-mm-dd, whatever the system''s date format), ?3 the weekday code (Mo..So). Seasons match by day
-- and month; a season whose end lies before its start runs across the new year.
INSERT INTO Abfragen (Name, SqlText) VALUES ('V_GET_BZ_WT', '
SELECT w.NB, w.SonderRegelungID AS SRID, w.UhrzeitVon AS UhrzeitVON, w.UhrzeitBis AS UhrzeitBIS,
       w.Betrieb, w.SaisonBis AS saisonbis, w.WtID AS WT
  FROM SBZ_Wochentage w
 WHERE w.SchleusenID = ?1 AND w.WtID = ?3
   AND CASE WHEN strftime(''%m-%d'', w.SaisonVon) <= strftime(''%m-%d'', w.SaisonBis)
            THEN strftime(''%m-%d'', ?2) BETWEEN strftime(''%m-%d'', w.SaisonVon) AND strftime(''%m-%d'', w.SaisonBis)
            ELSE strftime(''%m-%d'', ?2) >= strftime(''%m-%d'', w.SaisonVon)
                 OR strftime(''%m-%d'', ?2) <= strftime(''%m-%d'', w.SaisonBis) END
 ORDER BY w.UhrzeitVon, w.ID
');

-- Finding a saved route point again after a catalogue update. ?1 the waterway''s external id, ?2 longitude,
-- ?3 latitude, ?4 chainage km. Erg ''OK'': a point of that waterway at that chainage (within half a
-- metre); ''S'': the waterway is there but not the chainage, the nearest point of it within 1 km is
-- taken; ''B'': the waterway is not there, a point at the stored position (within about a metre) is taken.
-- No row: no match.
INSERT INTO Abfragen (Name, SqlText) VALUES ('V_SUCHE_ROUTENPUNKT', '
SELECT PunkteID, Erg FROM (
  SELECT p.PunkteID, ''OK'' AS Erg, 0 AS Rang, abs(p.Strecke - ?4) AS Abstand
    FROM Binnen b JOIN Punkte p ON p.BinnenID = b.BinnenID
   WHERE b.ExterneID = ?1 AND p.Strecke BETWEEN ?4 - 0.0005 AND ?4 + 0.0005
  UNION ALL
  SELECT p.PunkteID, ''S'', 1, abs(p.Strecke - ?4)
    FROM Binnen b JOIN Punkte p ON p.BinnenID = b.BinnenID
   WHERE b.ExterneID = ?1 AND p.Strecke BETWEEN ?4 - 1.0 AND ?4 + 1.0
  UNION ALL
  SELECT t.PunkteID, ''B'', 2, 0
    FROM Punkte_RTree t
   WHERE t.MinLg >= ?2 - 0.00002 AND t.MaxLg <= ?2 + 0.00002
     AND t.MinBg >= ?3 - 0.00001 AND t.MaxBg <= ?3 + 0.00001
     AND NOT EXISTS (SELECT 1 FROM Binnen x WHERE x.ExterneID = ?1))
 ORDER BY Rang, Abstand, PunkteID
 LIMIT 1
');
