// The bundled catalogues carry the lock hours of the waterway administration's ordinance (WSD Ost, 2013).
// Each case below is worked by hand from the ordinance's table and its rules: on the nationwide holidays,
// 31 October, 24 and 31 December the Sunday hours apply unless the table sets the day; a boat that has
// reached the lock by the closing time still passes. And the catalogues' hours are complete: every lock
// has exactly one season for every day of the year and every weekday.

#include "data/modOLM3Binnen.h"
#include "olm3binnen/types.h"
#include "routing/core/schleusenbz.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using olm3::routing::GetSchleusenBZ;
using olm3test::MessageRecorder;

namespace {

using olm3test::At;
using olm3test::OpenComponentCatalogue;

QString wert(const QString& sql) {
    ADODB::RecordsetPtr rs;
    if (!modOLM3Binnen::ADO_Open_RecordsetExt(modOLM3Binnen::conBinnenDatabase, rs, sql, true) || rs->Eof())
        return "(keine Zeile)";
    const QString s = modOLM3Binnen::ADO_Field_Str(rs->Fields(0));
    modOLM3Binnen::ADO_Close_Recordset(rs, true);
    return s;
}

std::int32_t schleuse(const QString& name) {
    const QString sql = QStringLiteral("SELECT SchleusenID FROM Schleusen WHERE Aktiv AND Bezeichnung='%1'");
    return wert(sql.arg(name)).toInt();
}

struct Fall {
    const char* schleuse;
    QDateTime ankunft;
    double stunden;
    const char* warum;
};

void pruefe(const std::vector<Fall>& faelle) {
    MessageRecorder messages;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.schleuse + (" " + f.ankunft.toString(Qt::ISODate).toStdString()) + ": " + f.warum);
        const std::int32_t id = schleuse(QString::fromUtf8(f.schleuse));
        ASSERT_GT(id, 0);
        double w = -1;
        QString nb, sr;
        EXPECT_TRUE(GetSchleusenBZ(id, f.ankunft, w, nb, sr));
        EXPECT_NEAR(w, f.stunden, 1e-9);
    }
    EXPECT_TRUE(messages.messages().empty());
}

constexpr double kMinute = 1.0 / 60.0;

// Weekdays of the dates used: 2026-04-03 Good Friday, 04-04 Saturday before Easter, 05-01 Friday,
// 05-14 Ascension (Thursday), 05-25 Whit Monday, 10-03 and 10-31 Saturdays, 12-24 Thursday, 12-25 Friday,
// 12-31 Thursday, 2027-01-01 Friday, 2027-03-28 Easter Sunday.
TEST(OfficialLockHours, BerlinBrandenburgWaitsAsTheOrdinanceSets) {
    OpenComponentCatalogue(OLM3_SAMPLE_CATALOGUE);
    pruefe({
        // Plötzensee: 01.04.-31.10. Mo-Sa 6:00-22:00, Sundays 7:00-22:00; 02.01.-31.03. Sundays 7:00-19:00.
        {"Schleuse Plötzensee", At(2026, 6, 10, 5, 30), 0.5, "before opening"},
        {"Schleuse Plötzensee", At(2026, 6, 10, 12, 0), 0.0, "mid-window"},
        {"Schleuse Plötzensee", At(2026, 6, 10, 22, 0), 0.0, "at closing: entered by the end of the hours"},
        {"Schleuse Plötzensee", At(2026, 6, 10, 22, 1), 7 + 59 * kMinute, "after closing: Thursday 6:00"},
        {"Schleuse Plötzensee", At(2026, 6, 14, 6, 30), 0.5, "Sunday: 7:00"},
        {"Schleuse Plötzensee", At(2026, 2, 15, 19, 30), 10.5, "winter Sunday closes at 19:00; Monday 6:00"},
        // Charlottenburg: summer Mo-Sa 6:00-24:00, Sundays 7:00-24:00.
        {"Schleuse Charlottenburg", At(2026, 5, 14, 6, 0), 1.0, "Ascension: Sunday hours from 7:00"},
        {"Schleuse Charlottenburg", At(2026, 6, 11, 0, 0), 0.0,
         "midnight is the closing time of the day before"},
        {"Schleuse Charlottenburg", At(2026, 6, 11, 0, 1), 5 + 59 * kMinute, "after midnight: 6:00"},
        // Spandau: summer Mo-Sa 6:00-22:00, Sundays 7:00-22:00; 24./31.12. 7:00-13:00, 01.01., 25./26.12.
        // 8:00-14:00.
        {"Schleuse Spandau", At(2026, 5, 25, 6, 0), 1.0, "Whit Monday: Sunday hours"},
        {"Schleuse Spandau", At(2026, 10, 3, 6, 30), 0.5, "3 October on a Saturday: Sunday hours, 7:00"},
        {"Schleuse Spandau", At(2026, 10, 31, 6, 30), 0.5, "31 October, also in Berlin: Sunday hours"},
        {"Schleuse Spandau", At(2026, 4, 4, 6, 0), 0.0, "the Saturday before Easter is a Saturday"},
        {"Schleuse Spandau", At(2026, 12, 24, 6, 0), 1.0, "24 December: 7:00-13:00"},
        {"Schleuse Spandau", At(2026, 12, 24, 13, 30), 18.5, "after 13:00 on 24 December: 25 December 8:00"},
        {"Schleuse Spandau", At(2027, 1, 1, 7, 0), 1.0, "1 January: 8:00-14:00"},
        // Lehnitz and the ship lift: 31.12. 7:00-13:00, 01.01. 8:00-14:00; the lift runs round the clock
        // from 02.01. to 30.12.
        {"Schleuse Lehnitz", At(2026, 12, 31, 14, 0), 18.0, "31 December closed at 13:00; 1 January 8:00"},
        {"Schiffshebewerk Niederfinow", At(2026, 3, 14, 3, 0), 0.0, "round the clock"},
        {"Schiffshebewerk Niederfinow", At(2026, 12, 31, 13, 30), 18.5, "New Year's Eve until 13:00"},
        {"Schiffshebewerk Niederfinow", At(2027, 1, 1, 14, 30), 9.5,
         "after 14:00 on 1 January: 2 January 0:00"},
        // Kleinmachnow: closed on 25./26.12.; winter Sundays 7:00-20:00; 24./31.12. 7:00-13:00.
        {"Schleuse Kleinmachnow", At(2026, 12, 25, 10, 0), 45.0, "Christmas closed: Sunday 27th 7:00"},
        {"Schleuse Kleinmachnow", At(2026, 12, 31, 12, 59), 0.0, "New Year's Eve before 13:00"},
        // Landwehrkanal: 11:15-20:45 from 01.04. to 31.10., closed in winter.
        {"Unterschleuse (Landwehrkanal)", At(2026, 11, 3, 10, 0), 3577.25, "closed winter: 1 April 11:15"},
        {"Oberschleuse (Landwehrkanal)", At(2027, 3, 31, 20, 0), 15.25, "first day of the season, 11:15"},
        // Strasen and the Müritz-Havel locks: April 9:00-17:45, May to September 7:00-19:45, 01.-14.10.
        // 9:00-17:45, 15.10.-30.11. 9:00-15:45, closed from 01.12. to 31.03.
        {"Schleuse Strasen", At(2026, 4, 28, 18, 0), 15.0, "April closes at 17:45; next day 9:00"},
        {"Schleuse Strasen", At(2026, 4, 30, 18, 0), 13.0, "first day of the main season, 1 May, 7:00"},
        {"Schleuse Strasen", At(2026, 10, 15, 16, 0), 17.0, "from 15 October closing at 15:45"},
        {"Schleuse Mirow", At(2026, 12, 1, 10, 0), 2903.0, "closed from 1 December: 1 April 9:00"},
        // The self-service locks: Liebenwalde's hours (winter 8:00-16:00) and Schorfheide's (closed from
        // 01.12.).
        {"Schleuse Zehdenick", At(2026, 12, 15, 7, 30), 0.5, "winter 8:00-16:00"},
        {"Schleuse Fürstenberg", At(2026, 11, 30, 16, 30), 2918.5, "November closes at 16:00, then winter"},
        // Wernsdorf and the locks like it: summer Mo-Fr 6:00-20:00, Sa and Sundays 8:30-18:00; closed on
        // 24.-26.12., 31.12. and 01.01.; winter 8:00-17:30.
        {"Schleuse Wernsdorf", At(2026, 6, 13, 7, 0), 1.5, "Saturday 8:30"},
        {"Schleuse Wernsdorf", At(2026, 6, 15, 20, 0), 0.0, "at closing"},
        {"Schleuse Wernsdorf", At(2026, 12, 24, 9, 0), 71.0, "closed 24 to 26 December: Sunday 8:00"},
        {"Schleuse Kersdorf", At(2027, 1, 1, 10, 0), 22.0, "closed on 1 January: Saturday 8:00"},
        // Brandenburg and Wusterwitz: all year Mo-Sa 6:00-22:00, Sundays 7:00-19:00.
        {"Vorstadtschleuse Brandenburg", At(2026, 1, 4, 19, 30), 10.5, "Sunday closes at 19:00"},
        {"Schleuse Wusterwitz", At(2026, 4, 3, 6, 0), 1.0, "Good Friday: Sunday hours"},
        {"Schleuse Wusterwitz", At(2026, 10, 3, 6, 30), 0.5, "3 October: Sunday hours"},
        // The lock the ordinance does not list keeps its sample hours (summer daily 6:00-22:00).
        {"Schleuse Große Tränke", At(2026, 6, 10, 5, 0), 1.0, "sample hours"},
    });
}

TEST(OfficialLockHours, PotsdamCatalogueCarriesTheSameHours) {
    OpenComponentCatalogue(OLM3_POTSDAM_CATALOGUE);
    pruefe({
        {"Schleuse Schönwalde", At(2026, 6, 14, 5, 0), 1.0, "daily 6:00-20:00"},
        {"Schleuse Schönwalde", At(2026, 12, 25, 20, 30), 9.5,
         "Christmas: Sunday hours, which are daily ones"},
        {"Schleuse Kleinmachnow", At(2026, 12, 25, 10, 0), 45.0, "Christmas closed: Sunday 27th 7:00"},
    });
}

// The listed locks stand at the ordinance's kilometre, and the kilometres of the other points run the
// official way: against the line on the Landwehrkanal, the Teltowkanal's old direction reversed, and only
// the Obere Havel line, which carries other waterways' kilometrages, restarts twice.
TEST(OfficialLockHours, LocksStandAtTheirOfficialKilometre) {
    OpenComponentCatalogue(OLM3_SAMPLE_CATALOGUE);
    const QStringList km = {
        "Schleuse Plötzensee=7.5",          "Schleuse Charlottenburg=6.1",     "Schleuse Mühlendamm=17.8",
        "Oberschleuse (Landwehrkanal)=10.6", "Unterschleuse (Landwehrkanal)=1.7", "Schleuse Kleinmachnow=8.3",
        "Schleuse Spandau=0.58",            "Schiffshebewerk Niederfinow=77.89", "Schleuse Liebenwalde=45.3",
        "Schleuse Bischofswerder=4.5",      "Schleuse Strasen=2.7",            "Schleuse Wesenberg=81.7",
        "Schleuse Mirow=22.2",              "Schleuse Kersdorf=89.7",          "Schleuse Wusterwitz=376.6",
        "Vorstadtschleuse Brandenburg=55.6"};
    QStringList ist;
    for (const QString& s : km) {
        const QString name = s.section(QLatin1Char('='), 0, 0);
        ist << name + QLatin1Char('=') + wert(QStringLiteral("SELECT p.DokuKM FROM Schleusen s JOIN Punkte p "
                                                             "ON p.PunkteID = s.PunkteID WHERE s.Aktiv AND "
                                                             "s.Bezeichnung = '%1'").arg(name));
    }
    EXPECT_EQ(ist, km);
    // Points whose kilometre runs against the direction the waterway's first and last point give.
    const QString gegen = QStringLiteral(R"(
WITH folge AS (SELECT BinnenID, DokuKM - lag(DokuKM) OVER (PARTITION BY BinnenID ORDER BY Strecke) AS d FROM Punkte),
  richtung AS (SELECT b.BinnenID, b.ExterneID,
                      sign((SELECT DokuKM FROM Punkte WHERE BinnenID = b.BinnenID ORDER BY Strecke DESC LIMIT 1)
                         - (SELECT DokuKM FROM Punkte WHERE BinnenID = b.BinnenID ORDER BY Strecke LIMIT 1)) AS r
                 FROM Binnen b)
SELECT group_concat(ExterneID || ':' || n, ' ') FROM (
  SELECT r.ExterneID, count(*) AS n FROM folge f JOIN richtung r ON r.BinnenID = f.BinnenID
   WHERE f.d * r.r <= 0 GROUP BY r.ExterneID ORDER BY r.ExterneID))");
    EXPECT_EQ(wert(gegen), "OHW:2");
    EXPECT_EQ(wert(QStringLiteral("SELECT DokuKM > 10 FROM Punkte p JOIN Binnen b ON b.BinnenID = p.BinnenID "
                                  "WHERE b.ExterneID = 'LWK' ORDER BY p.Strecke LIMIT 1")),
              "1");
    modOLM3Binnen::conBinnenDatabase.reset();
}

// Every active lock has, for every weekday and every day of the year, exactly one season: hours or a
// closed season, never none and never two that overlap.
TEST(OfficialLockHours, EveryLockHasOneSeasonForEveryDay) {
    const QString sql = QStringLiteral(R"(
WITH RECURSIVE tage(d) AS (SELECT '2000-01-01' UNION ALL SELECT date(d, '+1 day') FROM tage WHERE d < '2000-12-31'),
  wt(w) AS (VALUES ('Mo'), ('Di'), ('Mi'), ('Do'), ('Fr'), ('Sa'), ('So')),
  saison AS (SELECT DISTINCT SchleusenID, WtID, strftime('%m-%d', SaisonVon) AS von,
                             strftime('%m-%d', SaisonBis) AS bis FROM SBZ_Wochentage),
  anzahl AS (
    SELECT s.Bezeichnung, wt.w, tage.d,
           (SELECT count(*) FROM saison x
             WHERE x.SchleusenID = s.SchleusenID AND x.WtID = wt.w
               AND CASE WHEN x.von <= x.bis THEN strftime('%m-%d', tage.d) BETWEEN x.von AND x.bis
                        ELSE strftime('%m-%d', tage.d) >= x.von OR strftime('%m-%d', tage.d) <= x.bis END) AS n
      FROM Schleusen s, wt, tage WHERE s.Aktiv)
SELECT coalesce(group_concat(Bezeichnung || ' ' || w || ' ' || d || ': ' || n || ' seasons', '; '), '')
  FROM (SELECT * FROM anzahl WHERE n <> 1 LIMIT 5))");
    for (const char* pfad : {OLM3_SAMPLE_CATALOGUE, OLM3_POTSDAM_CATALOGUE}) {
        OpenComponentCatalogue(pfad);
        EXPECT_EQ(wert(sql).toStdString(), "") << pfad;
    }
    modOLM3Binnen::conBinnenDatabase.reset();
}

} // namespace
