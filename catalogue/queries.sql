-- OLM3Binnen waterway catalogue: the stored queries the component runs by name.
-- Parameters are positional (?1, ?2, ...); a query may use one parameter several times.
-- Load after schema.sql. Inside SqlText a quote is doubled.

-- Nearest points to a position. ?1 longitude, ?2 latitude (decimal degrees), ?3 capture radius in
-- nautical miles. DL2_sm is the squared distance in nautical miles (plane approximation: a minute of
-- latitude is one mile, a minute of longitude cos(latitude) miles). The spatial index is searched in
-- growing squares until one holds a point; the rows come from a square large enough to hold the nearest
-- point, within the radius, nearest first.
INSERT INTO Abfragen (Name, SqlText) VALUES ('V_PunkteEntfernung', '
WITH RECURSIVE
  arg(lg, bg, r, kx) AS (SELECT ?1, ?2, ?3, 60.0 * max(cos(radians(?2)), 0.01)),
  ring(s) AS (
    SELECT min(0.05, r) FROM arg
    UNION ALL
    SELECT min(s * 4, (SELECT r FROM arg)) FROM ring WHERE s < (SELECT r FROM arg)),
  hit(s) AS (
    SELECT min(ring.s) FROM ring, arg
     WHERE EXISTS (SELECT 1 FROM Punkte_RTree t
                    WHERE t.MinLg <= arg.lg + ring.s / arg.kx AND t.MaxLg >= arg.lg - ring.s / arg.kx
                      AND t.MinBg <= arg.bg + ring.s / 60.0 AND t.MaxBg >= arg.bg - ring.s / 60.0)),
  cand(PunkteID) AS (
    SELECT t.PunkteID FROM Punkte_RTree t, arg, hit
     WHERE hit.s IS NOT NULL
       AND t.MinLg <= arg.lg + 1.5 * hit.s / arg.kx AND t.MaxLg >= arg.lg - 1.5 * hit.s / arg.kx
       AND t.MinBg <= arg.bg + 1.5 * hit.s / 60.0 AND t.MaxBg >= arg.bg - 1.5 * hit.s / 60.0)
SELECT p.BinnenID, b.Bezeichnung AS BinnenBez, p.PunkteID, p.LgDez AS LGDez, p.BgDez AS BGDez,
       ((p.LgDez - arg.lg) * arg.kx) * ((p.LgDez - arg.lg) * arg.kx)
         + ((p.BgDez - arg.bg) * 60.0) * ((p.BgDez - arg.bg) * 60.0) AS DL2_sm,
       p.DokuKM AS DokuKm, coalesce(p.Vmax, b.Vmax) AS Vmax, p.Tauchtiefe
  FROM cand
  JOIN Punkte p ON p.PunkteID = cand.PunkteID
  JOIN Binnen b ON b.BinnenID = p.BinnenID, arg
 WHERE DL2_sm <= arg.r * arg.r
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
