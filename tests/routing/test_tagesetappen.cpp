// Day stages of a trip: each case is a canal of its own (points every few kilometres, travelled at
// 10 km/h, so 10 km take an hour), a start and a cruising day; the expected stages are worked by hand.

#include "data/modOLM3Binnen.h"
#include "routing/core/routeoptimiert.h"
#include "olm3binnen/pathoptimiser.h"
#include "routing/core/tagesetappen.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <QHash>
#include <gtest/gtest.h>

using namespace modOLM3Binnen;
using namespace olm3::routing;

namespace {

/// A point of the canal: its kilometre, type ("" plain, "H", "L", "S", "B", "T"; "L0" a berth not for
/// pleasure craft) and a lock's hours ("06:00-18:00" daily; "saison" 08:00-18:00 April-October, else shut).
struct Ort {
    double km;
    const char *typ, *stunden = "";
};

struct Fall {
    const char* was;
    std::vector<Ort> orte;
    QDateTime start;
    Fahrtag tag;
    std::vector<std::string> etappen; ///< as tagesplan() renders them
    int reisetage;
};

using olm3test::At;

Fahrtag fahrtag(int beginn, int ende, bool grenze = true, double stunden = 1.0) {
    return Fahrtag{QTime(beginn, 0), QTime(ende, 0), grenze, stunden};
}

QString kanal(const std::vector<Ort>& orte) {
    QString sql = QStringLiteral("INSERT INTO Binnen (BinnenID, Bezeichnung, ExterneID, Aktiv, Gesamtstrecke, Vmax) "
                                 "VALUES (1, 'Etappenkanal', 'ETK', 1, %1, 12);\n").arg(orte.back().km);
    for (size_t i = 0; i < orte.size(); ++i) {
        const Ort& o = orte[i];
        const int id = 1000 + int(i);
        sql += QStringLiteral("INSERT INTO Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez, TypenID, DokuKM, "
                              "DokuKMOrig) VALUES (%1, 1, %2, %3, %4, 52.5, '%5', %3, 1);\n")
                   .arg(id).arg(i + 1).arg(o.km).arg(13.0 + o.km / 100.0).arg(QString::fromLatin1(o.typ).left(1));
        // The object of the point, named after its id; a lock with its hours.
        static const QHash<QString, QString> objekt = {
            {"H", "Haefen (HaefenID, PunkteID, Aktiv, Bezeichnung) VALUES (%1, %1, 1, 'Ort %1')"},
            {"L", "Liegestellen (LiegestellenID, PunkteID, Aktiv, Bezeichnung, Sportboote) VALUES (%1, %1, 1, 'Ort %1', 1)"},
            {"L0", "Liegestellen (LiegestellenID, PunkteID, Aktiv, Bezeichnung, Sportboote) VALUES (%1, %1, 1, 'Ort %1', 0)"},
            {"T", "Tankstellen (TankstellenID, PunkteID, Aktiv, Bezeichnung) VALUES (%1, %1, 1, 'Ort %1')"},
            {"B", "Bruecken (BrueckenID, PunkteID, Aktiv, Bezeichnung, Durchgangszeit) VALUES (%1, %1, 1, 'Ort %1', 0)"},
            {"S", "Schleusen (SchleusenID, PunkteID, Aktiv, Bezeichnung, Durchgangszeit, BL) "
                  "VALUES (%1, %1, 1, 'Ort %1', 0.25, 'BB')"},
        };
        const QString typ = QString::fromLatin1(o.typ);
        if (objekt.contains(typ)) sql += QStringLiteral("INSERT INTO %1;\n").arg(objekt.value(typ).arg(id));
        if (typ != QLatin1String("S")) continue;
        const QString stunden = QStringLiteral("INSERT INTO SBZ_Wochentage (SchleusenID, WtID, SaisonVon, SaisonBis, "
                                               "UhrzeitVon, UhrzeitBis, Betrieb) SELECT %1, WTID, %2 FROM Wochentage "
                                               "WHERE Nr <= 7;\n");
        const QStringList vonBis = QString::fromLatin1(o.stunden).split(QLatin1Char('-'));
        if (vonBis.size() == 2)
            sql += stunden.arg(id).arg(QStringLiteral("'2000-01-01', '2000-12-31', '%1', '%2', 1").arg(vonBis[0], vonBis[1]));
        else // "saison"
            sql += stunden.arg(id).arg(QStringLiteral("'2000-04-01', '2000-10-31', '08:00', '18:00', 1")) +
                   stunden.arg(id).arg(QStringLiteral("'2000-11-01', '2000-03-31', NULL, NULL, 0"));
    }
    return sql;
}

/// The stages as the day plan reads them: day, date, departure-arrival, the point the stage ends at, whether
/// it reaches the destination, and its remark; each stage starts where the one before ended.
std::vector<std::string> tagesplan(const std::vector<Tagesetappe>& e,
                                   std::span<const typRouteOptimiert> rows) {
    std::vector<std::string> s;
    for (size_t i = 0; i < e.size(); ++i) {
        if (i > 0) {
            EXPECT_EQ(e[i].lngZeileVon, e[i - 1].lngZeileBis) << i;
        }
        const QString hinweis = EtappenHinweis(e[i]);
        s.push_back(QStringLiteral("%1 %2-%3 %4%5%6").arg(e[i].lngTag)
                        .arg(e[i].datAb.toString("yyyy-MM-dd HH:mm"), e[i].datAn.toString("HH:mm"))
                        .arg(rows[size_t(e[i].lngZeileBis)].lngPunkteID)
                        .arg(e[i].blnZiel ? QStringLiteral(" Ziel") : QString(),
                             hinweis.isEmpty() ? QString() : QStringLiteral(": ") + hinweis)
                        .toStdString());
    }
    return s;
}

std::span<const typRouteOptimiert> zeilen(const RouteDetails& r) {
    return {r.audtRouteOptimiert.data(), size_t(r.lngAnzahlRouteOptimiert)};
}

/// Each stage as the itinerary lists it: departure and place, arrival and place, distance, locks, waits.
std::vector<std::string> etappen(const std::vector<Tagesetappe>& e) {
    const QString zeit = QStringLiteral("dd.MM. HH:mm");
    std::vector<std::string> s;
    for (const Tagesetappe& t : e)
        s.push_back(QStringLiteral("%1 %2 -> %3 %4, %5 km, %6 S, %7 h Warten%8")
                        .arg(t.datAb.toString(zeit), t.strVon, t.datAn.toString(zeit), t.strNach)
                        .arg(t.dblStrecke, 0, 'f', 1).arg(t.lngSchleusen).arg(t.dblWartezeit)
                        .arg(t.blnOhneLiegeplatz ? QStringLiteral(", ohne Liegeplatz") : QString())
                        .toStdString());
    return s;
}

class DayStages : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.marschV = 10;
        objOLM3Cfg = &cfg;
    }
    void TearDown() override {
        conBinnenDatabase.reset();
        objOLM3Cfg = nullptr;
    }
    /// The detailed route of the whole canal, from its first point to its last, leaving at start.
    RouteDetails route(const Fall& f) {
        olm3test::OpenComponentCatalogue(
            olm3test::MakeCatalogue(dir, QStringLiteral("%1.sqlite").arg(++nummer), {kanal(f.orte)}));
        return fahre(f.start, {1000}, {999 + int(f.orte.size())});
    }
    /// The detailed route of the legs von[i] -> nach[i], leaving at start.
    static RouteDetails fahre(const QDateTime& start, const std::vector<std::int32_t>& von,
                              const std::vector<std::int32_t>& nach) {
        RouteDetails r;
        bool erster = true, brk = false;
        for (size_t i = 0; i < von.size(); ++i)
            EXPECT_TRUE(GetDetailsRouteOptimiert(r, start, von[i], nach[i], erster, brk, nullptr)) << i;
        return r;
    }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    int nummer = 0;
};

} // namespace

TEST_F(DayStages, EndAtTheLastBerthBeforeTheEveningOrBeforeALockThatWouldKeepTheBoat) {
    const QDateTime montag = At(2026, 6, 8, 9, 0);
    const std::vector<Fall> faelle = {
        {"fits in one day", {{0, ""}, {30, "H"}, {50, ""}}, montag, fahrtag(9, 18),
         {"1 2026-06-08 09:00-14:00 1002 Ziel"}, 1},
        {"ends at a harbour: the destination is beyond 18:00",
         {{0, ""}, {60, "H"}, {120, ""}}, montag, fahrtag(9, 18),
         {"1 2026-06-08 09:00-15:00 1001", "2 2026-06-09 09:00-15:00 1002 Ziel"}, 2},
        {"ends at the last of a harbour and a berth",
         {{0, ""}, {30, "H"}, {80, "L"}, {150, ""}}, montag, fahrtag(9, 18),
         {"1 2026-06-08 09:00-17:00 1002", "2 2026-06-09 09:00-16:00 1003 Ziel"}, 2},
        {"a lock closing at 18:00 would keep the boat overnight: stop at the harbour before it",
         {{0, ""}, {60, "H"}, {95, "S", "08:00-18:00"}, {100, "L"}, {150, ""}}, montag, fahrtag(9, 20),
         {"1 2026-06-08 09:00-15:00 1001: Ort 1002 öffnet am 09.06.2026 um 08:00 Uhr",
          "2 2026-06-09 09:00-18:15 1004 Ziel"}, 2},
        {"a berth not for pleasure craft is no place for the night",
         {{0, ""}, {30, "H"}, {80, "L0"}, {150, ""}}, montag, fahrtag(9, 18),
         {"1 2026-06-08 09:00-12:00 1001", "2 2026-06-09 09:00-14:00 1002: kein Liegeplatz erreichbar",
          "3 2026-06-10 09:00-16:00 1003 Ziel"}, 3},
        {"no harbour or berth within reach: the last route point before the evening",
         {{0, ""}, {50, "B"}, {80, "T"}, {150, ""}}, montag, fahrtag(9, 18),
         {"1 2026-06-08 09:00-17:00 1002: kein Liegeplatz erreichbar",
          "2 2026-06-09 09:00-16:00 1003 Ziel"}, 2},
        {"a lock closed for the winter: the stage ends before it and the next one starts when it opens",
         {{0, ""}, {50, "H"}, {80, "S", "saison"}, {100, ""}}, At(2026, 11, 2, 9, 0), fahrtag(9, 18),
         {"1 2026-11-02 09:00-14:00 1001: Ort 1002 öffnet am 01.04.2027 um 08:00 Uhr",
          "2 2027-04-01 09:00-14:15 1003 Ziel"}, 151},
        {"a start after the latest end sets off the next morning",
         {{0, ""}, {50, ""}}, At(2026, 6, 8, 19, 0), fahrtag(9, 18),
         {"1 2026-06-09 09:00-14:00 1001 Ziel"}, 1},
        {"the first lock opens at 11:00: leave an hour later so as to arrive as it opens",
         {{0, ""}, {10, "S", "11:00-18:00"}, {50, ""}}, montag, fahrtag(9, 18),
         {"1 2026-06-08 10:00-15:15 1002 Ziel"}, 1},
        {"a lock opening at 14:00 (a wait of 1:15) ends the day before it at the limit of one hour",
         {{0, ""}, {20, "S", "06:00-20:00"}, {30, "H"}, {35, "S", "14:00-20:00"}, {60, ""}}, montag, fahrtag(9, 18),
         {"1 2026-06-08 09:00-12:15 1002: Ort 1003 öffnet am 08.06.2026 um 14:00 Uhr",
          "2 2026-06-09 13:30-16:45 1004 Ziel"}, 2},
        {"the same without the limit waits at the lock",
         {{0, ""}, {20, "S", "06:00-20:00"}, {30, "H"}, {35, "S", "14:00-20:00"}, {60, ""}}, montag,
         fahrtag(9, 18, false), {"1 2026-06-08 09:00-16:45 1004 Ziel"}, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const RouteDetails r = route(f);
        const std::vector<Tagesetappe> e = BerechneTagesetappen(zeilen(r), f.start, f.tag);
        EXPECT_EQ(tagesplan(e, zeilen(r)), f.etappen);
        EXPECT_EQ(Reisetage(e), f.reisetage);
    }
}

// The limit off: the second lock keeps the boat at noon; the day still ends at the harbour. 09:00 + 2 h,
// 0:15 in the lock, 2:30 to the next, arrive 13:45, wait 0:15, 0:15 in it, 2:30 more: 7.5 h under way.
TEST_F(DayStages, AStageCarriesItsPlacesDistanceHoursLocksAndWaits) {
    const Fall f{"", {{0, ""}, {20, "S", "06:00-20:00"}, {45, "S", "14:00-20:00"}, {70, "H"}, {150, ""}},
                 At(2026, 6, 8, 9, 0), fahrtag(9, 18, false), {}, 0};
    const RouteDetails r = route(f);
    const auto e = BerechneTagesetappen(zeilen(r), f.start, f.tag);
    EXPECT_EQ(etappen(e),
              (std::vector<std::string>{
                  "08.06. 09:00 -Punkt gesetzt- -> 08.06. 16:45 Ort 1003, 70.0 km, 2 S, 0.25 h Warten",
                  "09.06. 09:00 Ort 1003 -> 09.06. 17:00 -Punkt gesetzt-, 80.0 km, 0 S, 0 h Warten"}));
    EXPECT_NEAR(e.at(0).dblFahrstunden, 7.5, 1e-9);
}

TEST(CruisingDay, BadInputGetsAClearMessageAndKeepsTheOldValues) {
    olm3test::FakeCfg cfg;
    objOLM3Cfg = &cfg;
    struct Eingabe {
        const char *beginn, *ende;
        bool grenze;
        const char *stunden, *meldung; ///< part of the message; "" when the input is good
    };
    const std::vector<Eingabe> faelle = {
        {"08:30", "19:00", true, "1,5", ""},
        {"8:30", "19:00", false, "quatsch", ""},
        {"25:00", "19:00", true, "1", "Beginn des Fahrtags ist keine Uhrzeit"},
        {"08:00", "abends", true, "1", "Ende des Fahrtags ist keine Uhrzeit"},
        {"18:00", "09:00", true, "1", "muss nach seinem Beginn (18:00) liegen"},
        {"09:00", "18:00", true, "-1", "Wartegrenze ist keine Stundenzahl"},
        {"09:00", "18:00", true, "", "Wartegrenze ist keine Stundenzahl"},
    };
    for (const Eingabe& e : faelle) {
        SCOPED_TRACE(e.beginn + std::string(" ") + e.ende + " " + e.stunden);
        Fahrtag f;
        const QString m = PruefeFahrtag(e.beginn, e.ende, e.grenze, e.stunden, f);
        if (*e.meldung) {
            EXPECT_TRUE(m.contains(QString::fromUtf8(e.meldung))) << m.toStdString();
            EXPECT_EQ(std::tuple(f.tmBeginn, f.tmEnde, f.dblWarteGrenze),
                      std::tuple(QTime(9, 0), QTime(18, 0), 1.0));
        } else {
            EXPECT_TRUE(m.isEmpty()) << m.toStdString();
            EXPECT_EQ(std::pair(f.tmBeginn, f.blnWarteGrenze),
                      std::pair(QTime::fromString(e.beginn, "H:mm"), e.grenze));
        }
    }
    // The settings file: defaults while nothing is stored, what was written comes back, a bad value is
    // reported and the defaults stay.
    olm3test::TempDir dir;
    const QString ini = dir.file("host.ini");
    EXPECT_EQ(LeseFahrtag(ini).tmEnde, QTime(18, 0));
    ASSERT_TRUE(SchreibeFahrtag(ini, fahrtag(8, 19, false, 2.5)));
    const Fahrtag gelesen = LeseFahrtag(ini);
    EXPECT_EQ(std::tuple(gelesen.tmBeginn, gelesen.tmEnde, gelesen.blnWarteGrenze, gelesen.dblWarteGrenze),
              std::tuple(QTime(8, 0), QTime(19, 0), false, 2.5));
    dir.write("host.ini", "[Fahrtag]\nBeginn=neun\n");
    QString meldung;
    EXPECT_EQ(LeseFahrtag(ini, &meldung).tmBeginn, QTime(9, 0));
    EXPECT_TRUE(meldung.contains("neun")) << meldung.toStdString();
    objOLM3Cfg = nullptr;
}

// Sportboothafen Spandau to Stadthafen Waren (Müritz) on the bundled catalogue, leaving on Saturday
// 13 June 2026 at 09:00 at 10 km/h (slower where the waterway says so), cruising 09:00-18:00. In June the
// locks on the way are open from 6:00 or 7:00 to 19:45 or later, so no lock waits by day and the limit
// never applies; the itinerary's own times give the rest:
//   day 1: the last lock before 18:00 is left at 17:39 (59.7 km); the next one is reached at 18:12, so
//          the day ends at the last harbour before, at 56.2 km, reached at 16:57;
//   day 2: from there at 9:00 the travel and passage times (the itinerary's night wait at 83.3 km falls
//          away) lead to the berth at 112.4 km at 17:50 (17:48 by the itinerary's rounded
//          minutes); the lock behind it would be left at 18:05;
//   day 3: on Monday from the berth at 9:00 to Waren, 29.5 km and one lock, at 12:20.
TEST_F(DayStages, BerlinToMueritzOnTheBundledCatalogueTakesThreeDays) {
    ASSERT_TRUE(ADO_Open_Connection(QStringLiteral(OLM3_SAMPLE_CATALOGUE), conBinnenDatabase, {}, {}, {}, true));
    olm3::PathOptimiser optimiser;
    const olm3::PathResult weg = optimiser.Optimise(conBinnenDatabase, {6002, 10090});
    ASSERT_TRUE(weg.ok());
    const QDateTime start = At(2026, 6, 13, 9, 0);
    const RouteDetails r = fahre(start, weg.alngVon, weg.alngNach);
    const auto e = BerechneTagesetappen(zeilen(r), start, Fahrtag{});
    EXPECT_EQ(etappen(e),
              (std::vector<std::string>{
                  "13.06. 09:00 Sportboothafen Spandau -> 13.06. 16:57 Hafen Zehdenick, 56.2 km, 5 S, "
                  "0 h Warten",
                  "14.06. 09:00 Hafen Zehdenick -> 14.06. 17:50 Wartestelle Schleuse Mirow (Oberwasser), "
                  "56.2 km, 9 S, 0 h Warten",
                  "15.06. 09:00 Wartestelle Schleuse Mirow (Oberwasser) -> 15.06. 12:20 "
                  "Stadthafen Waren (Müritz), 29.5 km, 1 S, 0 h Warten"}));
    EXPECT_EQ(Reisetage(e), 3);
}
