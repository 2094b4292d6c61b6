// The detailed route of one or more legs over the test catalogue (speed 6 km/h, the Havel-Test allows 12):
//
//   Havel-Test  101 --1-- 102 B --1-- 103 --1-- 104 S --1-- 105 A --1-- 106 H --1-- 107 W --1-- 108 T --1--
//   109 L --1-- 110
//                                                           |
//   Kanal-Test                                             201 A --1-- 202 S (on request) --1-- 203 --1-- 204
//
// Bridge 102 takes 0.1 h to pass, lock 104 0.25 h; lock 104 works 06:00-20:00 from April to October.

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "routing/core/routeoptimiert.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace modOLM3Binnen;
using olm3::routing::GetDetailsRouteOptimiert;
using olm3::routing::RouteDetails;

namespace {

using olm3test::At;
using Zeilen = std::vector<std::string>;

struct RecordingStatus : olm3::routing::IRouteStatus {
    int calls = 0;
    QString lastText2;
    void ShowStatus(bool, const QString&, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                    const QString& text2) override {
        ++calls;
        lastText2 = text2;
    }
};

class DetailedRoute : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.marschV = 6;
        objOLM3Cfg = &cfg;
    }
    void TearDown() override { objOLM3Cfg = nullptr; }
    /// Computes the legs in order, as the component does.
    bool compute(const std::vector<std::pair<int, int>>& legs, const QDateTime& start) {
        for (size_t i = 0; i < legs.size(); ++i) {
            bool erster = i == 0;
            if (!GetDetailsRouteOptimiert(route, start, legs[i].first, legs[i].second, erster, brk, &status))
                return false;
        }
        return true;
    }
    const typRouteOptimiert& row(int i) const { return route.audtRouteOptimiert[size_t(i)]; }
    /// Each row as the itinerary reads it: the point, "R" and its number on a route point, else the
    /// number of the route point before it and its own, arrival-departure, locks and bridges passed since
    /// the last route point, and the distance from the start.
    Zeilen zeilen() const {
        Zeilen z;
        for (int i = 0; i < route.lngAnzahlRouteOptimiert; ++i) {
            const typRouteOptimiert& r = row(i);
            const QString grob = r.blnPunktRouteGrob ? QString("R") : QString::number(r.lngNumGrob) + '.';
            z.push_back(QStringLiteral("%1 %2%3 %4-%5 S%6 B%7 %8km").arg(r.lngPunkteID).arg(grob)
                            .arg(r.blnPunktRouteGrob ? r.lngNumGrob : r.lngNumDetaills)
                            .arg(r.datZeitAn.toString("HH:mm"), r.datZeitAb.toString("HH:mm"))
                            .arg(r.lngAnzahlSchleusen).arg(r.lngAnzahlBruecken).arg(r.dblStrecke)
                            .toStdString());
        }
        return z;
    }
    /// One text field of every row.
    QStringList spalte(QString typRouteOptimiert::*feld) const {
        QStringList s;
        for (int i = 0; i < route.lngAnzahlRouteOptimiert; ++i)
            s << row(i).*feld;
        return s;
    }

    olm3test::ComponentCatalogue katalog{{"mini"}};
    olm3test::FakeCfg cfg;
    RouteDetails route;
    RecordingStatus status;
    bool brk = false;
};

} // namespace

// A Monday in the season. 1 km takes 10 min, the bridge 6 min to pass and the lock 15 min; plain point
// 103, junction 105 and weir 107 are not special points.
TEST_F(DetailedRoute, OneLegUpTheChainageListsTheTypedPointsBetweenItsEnds) {
    ASSERT_TRUE(compute({{101, 110}}, At(2008, 6, 2, 10, 0)));
    EXPECT_EQ(zeilen(), (Zeilen{"101 R1 10:00-10:00 S0 B0 0km", "102 1.1 10:10-10:16 S0 B0 1km",
                                "104 1.2 10:36-10:51 S0 B0 3km", "106 1.3 11:11-11:11 S0 B0 5km",
                                "108 1.4 11:31-11:31 S0 B0 7km", "109 1.5 11:41-11:41 S0 B0 8km",
                                "110 R2 11:51-11:51 S1 B1 9km"}));
    const typRouteOptimiert& bruecke = row(1);
    EXPECT_EQ(std::tuple(row(0).strTypBez, bruecke.strTypBez, bruecke.lngDetailsRecordsetID, bruecke.strBgDez,
                         bruecke.dblDokuKM, bruecke.blnDokuKMOrig, bruecke.lngPunkteIDNach),
              std::tuple(QString("-Punkt gesetzt-"), QString("Brücke"), 1, FormatBg(52.5), 11.0, false, -1));
    EXPECT_NEAR(row(2).dblDauer, 0.85, 1e-12);
    EXPECT_NEAR(route.dblSummeFahrzeit, 1.5, 1e-12);
    EXPECT_NEAR(route.dblSummeDurchgangszeit, 0.35, 1e-12);
    EXPECT_GT(status.calls, 0);
    EXPECT_FALSE(status.lastText2.isEmpty());
}

TEST_F(DetailedRoute, LegsAgainstTheChainageAndLegsJoinedAtARoutePoint) {
    const struct {
        const char* name;
        std::vector<std::pair<int, int>> legs;
        Zeilen zeilen;
    } faelle[] = {
        {"against the chainage the rows come descending", {{110, 101}},
         {"110 R1 10:00-10:00 S0 B0 0km", "109 1.1 10:10-10:10 S0 B0 1km", "108 1.2 10:20-10:20 S0 B0 2km",
          "106 1.3 10:40-10:40 S0 B0 4km", "104 1.4 11:00-11:15 S0 B0 6km", "102 1.5 11:35-11:41 S0 B0 8km",
          "101 R2 11:51-11:51 S1 B1 9km"}},
        // The lock is the route point itself and not counted; detail rows carry the number of the route
        // point before them.
        {"the end of one leg is not repeated at the start of the next", {{101, 104}, {104, 110}},
         {"101 R1 10:00-10:00 S0 B0 0km", "102 1.1 10:10-10:16 S0 B0 1km", "104 R2 10:36-10:51 S0 B1 3km",
          "106 2.1 11:11-11:11 S0 B0 5km", "108 2.2 11:31-11:31 S0 B0 7km", "109 2.3 11:41-11:41 S0 B0 8km",
          "110 R3 11:51-11:51 S0 B0 9km"}},
        {"a route point at zero distance adds nothing", {{101, 104}, {104, 104}, {104, 106}},
         {"101 R1 10:00-10:00 S0 B0 0km", "102 1.1 10:10-10:16 S0 B0 1km", "104 R2 10:36-10:51 S0 B1 3km",
          "106 R3 11:11-11:11 S0 B0 5km"}},
    };
    for (const auto& f : faelle) {
        route = RouteDetails{};
        ASSERT_TRUE(compute(f.legs, At(2008, 6, 2, 10, 0)));
        EXPECT_EQ(zeilen(), f.zeilen) << f.name;
    }
}

// Kanal-Test allows 8 km/h, above the boat's 6; its lock 202 works on request and takes no passage time.
TEST_F(DetailedRoute, AtAJunctionTheContinuationTakesThePlaceOfTheJunctionRow) {
    ASSERT_TRUE(compute({{101, 105}, {105, 201}, {201, 204}}, At(2008, 6, 2, 10, 0)));
    EXPECT_EQ(zeilen(), (Zeilen{"101 R1 10:00-10:00 S0 B0 0km", "102 1.1 10:10-10:16 S0 B0 1km",
                                "104 1.2 10:36-10:51 S0 B0 3km", "201 R2 11:01-11:01 S1 B1 4km",
                                "202 2.1 11:11-11:11 S0 B0 5km", "204 R3 11:31-11:31 S1 B0 7km"}));
    // The route goes on along the Kanal-Test after the junction: it does not turn there again.
    EXPECT_EQ(std::tuple(row(3).strTypID, row(3).strBinnen, row(3).strBezeichnung, row(3).lngPunkteIDNach),
              std::tuple(QString("A"), QString("Kanal-Test"), QString(" "), -1));
    EXPECT_EQ(row(4).strNB, "NB");
}

// Leaving 101 at 19:45 the boat reaches the lock at 20:21, after closing: it waits until 06:00, 219 min
// to midnight and 360 min after, 9.65 h, and everything after it is held up.
TEST_F(DetailedRoute, ALockReachedAtNightHoldsUpEverythingAfterIt) {
    ASSERT_TRUE(compute({{101, 110}}, At(2008, 6, 2, 19, 45)));
    EXPECT_EQ(std::tuple(row(2).datZeitAn, row(2).datZeitAb, row(3).datZeitAn, row(2).intWartegrund),
              std::tuple(At(2008, 6, 2, 20, 21), At(2008, 6, 3, 6, 15), At(2008, 6, 3, 6, 35),
                         olm3::wgOeffnet));
    EXPECT_NEAR(row(2).dblWartezeit, 9.65, 1e-9);
    EXPECT_NEAR(route.dblSummeWartezeit, 9.65, 1e-9);
    // Only the lock's row says why and until when.
    EXPECT_EQ(spalte(&typRouteOptimiert::strWartegrund),
              QStringList({"", "", "Schleuse öffnet am 03.06. um 06:00 Uhr", "", "", "", ""}));
}

TEST_F(DetailedRoute, EveryObjectRowCarriesItsName) {
    // Up the Havel-Test to the weir, onto the canal at the junction and to its lock that works on request.
    ASSERT_TRUE(compute({{101, 107}, {107, 110}, {110, 105}, {105, 201}, {201, 202}}, At(2008, 6, 2, 10, 0)));
    EXPECT_EQ(spalte(&typRouteOptimiert::strName),
              (QStringList{"", "Testbrücke", "Schleuse Eins", "Testhafen", "Testwehr", "Testtankstelle",
                           "Testliegestelle", "", "Testliegestelle", "Testtankstelle", "Testhafen", "",
                           "Schleuse Zwei"}))
        << "plain points and junctions have no name; an inactive lock's old name is not taken";
}

TEST_F(DetailedRoute, ABreakBeforeTheLegAddsNothing) {
    brk = true;
    ASSERT_TRUE(compute({{101, 110}}, At(2008, 6, 2, 10, 0)));
    EXPECT_EQ(route.lngAnzahlRouteOptimiert, 0);
    EXPECT_EQ(status.calls, 0);
}

namespace {

/// The leg statement in its original form: a condition over the view's rows as a whole, V and N written
/// into the text. The component's statement must give the same rows in the same order.
QString urspruenglicheForm(std::int32_t v, std::int32_t n, bool blnMitTypen) {
    const QString V = QString::number(v), N = QString::number(n);
    const QString binnenVonV = " BinnenID= (SELECT BinnenID From Punkte where PunkteID=" + V;
    return "SELECT * From V_ROUTE_DETAILLIERT WHERE( " +
           (blnMitTypen ? "(TypenID <> '' and TypenID <>'A' and TypenID <>'W')  or" : QString()) +
           " PunkteID=" + V + " or PunkteID=" + N +
           "  ) AND (Strecke<= (SELECT  max(Strecke)  FROM Punkte Where  (PunkteID =  " + V +
           " OR PunkteID = " + N + ") AND " + binnenVonV +
           " ))  AND Strecke>  (SELECT  min(Strecke)  FROM Punkte Where  (PunkteID =  " + V +
           "  OR PunkteID = " + N + ") AND  " + binnenVonV +
           " ))  AND   BinnenID= (SELECT BinnenID From Punkte where PunkteID= " + V + " )  Or PunkteId=" + V +
           ")  OR PunkteID = " + N + " Order By Strecke";
}

/// Every row of a record set with the columns named in spalten (all when empty) in that order.
std::vector<std::string> zeilen(const ADODB::RecordsetPtr& rs, const QStringList& spalten = {}) {
    std::vector<std::string> z;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        QStringList r;
        for (int k = 0; k < (spalten.isEmpty() ? rs->FieldCount() : int(spalten.size())); ++k) {
            const ADODB::Field f = spalten.isEmpty() ? rs->Fields(k) : rs->Fields(spalten[k]);
            r << f.Name + QLatin1Char('=') + (f.IsNull() ? "<null>" : ADO_Field_Str(f));
        }
        z.push_back(r.join(QLatin1Char(' ')).toStdString());
    }
    return z;
}

struct Abschnitt {
    const char* fall;
    std::int32_t v, n;
};

/// Runs both forms on each leg, with and without the type condition, and compares the rows.
void VergleicheMitUrspruenglicherForm(const QString& katalog, std::vector<Abschnitt> abschnitte) {
    ASSERT_TRUE(ADO_Open_Connection(katalog, conBinnenDatabase, {}, {}, {}, true));
    // Every junction both ways: the legs between the two points of a change of waterway.
    ADODB::RecordsetPtr rs;
    ASSERT_TRUE(ADO_Open_RecordsetExt(conBinnenDatabase, rs, "SELECT * FROM Abzweige", true));
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        abschnitte.push_back({"junction", ADO_Field_Lng(rs->Fields(0)), ADO_Field_Lng(rs->Fields(1))});
    std::size_t zeilenGesamt = 0;
    for (const Abschnitt& a : abschnitte) {
        for (const bool mitTypen : {true, false}) {
            SCOPED_TRACE(std::string(a.fall) + " " + std::to_string(a.v) + " -> " + std::to_string(a.n) +
                         (mitTypen ? "" : " (ends only)"));
            ADODB::RecordsetPtr alt, neu;
            ASSERT_TRUE(
                ADO_Open_RecordsetExt(conBinnenDatabase, alt, urspruenglicheForm(a.v, a.n, mitTypen), true));
            ASSERT_TRUE(ADO_Open_RecordsetExt(
                conBinnenDatabase, neu, olm3::routing::SqlDetailsRouteOptimiert(mitTypen), {a.v, a.n}, true));
            // The original form selects every column of the view; the statement those the route needs.
            QStringList spalten;
            for (int i = 0; i < neu->FieldCount(); ++i)
                spalten << neu->FieldName(i);
            const auto erwartet = zeilen(alt, spalten);
            EXPECT_EQ(zeilen(neu), erwartet);
            zeilenGesamt += erwartet.size();
        }
    }
    EXPECT_GT(zeilenGesamt, 2 * abschnitte.size()) << "the legs should hold typed points between their ends";
    conBinnenDatabase.reset();
}

} // namespace

TEST(LegStatement, GivesTheRowsOfTheOriginalFormOnTheSampleCatalogue) {
    const QString katalog = QStringLiteral(OLM3_SAMPLE_CATALOGUE);
    if (!QFileInfo::exists(katalog)) GTEST_SKIP() << "the sample catalogue is not built";
    VergleicheMitUrspruenglicherForm(katalog, {
        {"forward", 1020, 1100}, {"backward", 1100, 1020}, {"one point", 1044, 1044},
        {"a lock to itself", 8118, 8118}, {"ends of the Spree", 1001, 1153}, {"ends backward", 1153, 1001},
        {"the Obere Havel", 8001, 8378}, {"across waterways", 1001, 6439}, {"across backward", 6439, 1020},
        {"unknown end", 1020, 999999}, {"unknown start", 999999, 1020},
    });
}

TEST(LegStatement, GivesTheRowsOfTheOriginalFormOnAGeneratedCatalogue) {
    // Four waterways of 40 points: every type in turn (with Null, the empty text and a lower-case lock),
    // every seventh point at the chainage of the one before it, waterway 2 numbered against its chainage,
    // each waterway branching off the one before it, and a junction with two continuations.
    const olm3test::TempDir dir;
    const QString katalog = olm3test::MakeCatalogue(dir, "erzeugt.sqlite", {QStringLiteral(R"(
        INSERT INTO Binnen (BinnenID, Bezeichnung, ExterneID)
            WITH RECURSIVE w(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM w WHERE i < 4)
            SELECT i, 'Gewässer ' || i, 'G' || i FROM w;
        INSERT INTO Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez, TypenID, DokuKM, DokuKMOrig)
            WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 40)
            SELECT b.BinnenID * 1000 + k.i, b.BinnenID, k.i,
                   0.5 * (CASE WHEN b.BinnenID = 2 THEN 41 - k.i ELSE k.i END - (k.i % 7 = 0)),
                   13 + k.i / 100.0, 52 + b.BinnenID / 10.0,
                   CASE (k.i * 7 + b.BinnenID) % 10 WHEN 0 THEN NULL WHEN 1 THEN '' WHEN 2 THEN 'S'
                        WHEN 3 THEN 'B' WHEN 4 THEN 'H' WHEN 5 THEN 'T' WHEN 6 THEN 'L' WHEN 7 THEN 'W'
                        WHEN 8 THEN 'A' ELSE 's' END,
                   CASE WHEN k.i % 5 THEN k.i END, k.i % 2
              FROM Binnen b, k;
        INSERT INTO Abzweige VALUES (2001, 1020), (1020, 2001), (3001, 2020), (2020, 3001), (1020, 3001),
                                    (4001, 3020), (3020, 4001);
        UPDATE Punkte SET TypenID = 'A' WHERE PunkteID IN (SELECT PunkteID FROM Abzweige);
        INSERT INTO Schleusen (PunkteID, Aktiv, Bezeichnung, Durchgangszeit)
            SELECT PunkteID, PunkteID % 3 <> 0, 'Schleuse ' || PunkteID, 0.25 FROM Punkte WHERE TypenID IN ('S', 's');
        INSERT INTO Schleusen (PunkteID, Aktiv, Bezeichnung) SELECT min(PunkteID), 1, 'Zweite Kammer'
            FROM Punkte WHERE TypenID = 'S';
        INSERT INTO Bruecken (PunkteID, Bezeichnung) SELECT PunkteID, 'Brücke ' || PunkteID FROM Punkte WHERE TypenID = 'B';
        INSERT INTO Haefen (PunkteID, Bezeichnung) SELECT PunkteID, 'Hafen ' || PunkteID FROM Punkte WHERE TypenID = 'H';
        INSERT INTO Wehre (PunkteID, Bezeichnung) SELECT PunkteID, 'Wehr ' || PunkteID FROM Punkte WHERE TypenID = 'W';
    )")});
    const std::vector<Abschnitt> abschnitte = {
        {"forward", 1005, 1035}, {"backward", 1035, 1005}, {"one point", 1010, 1010},
        {"to a tied chainage", 1006, 1007}, {"from a tied chainage", 1007, 1006},
        {"ends of a waterway", 1001, 1040}, {"ends backward", 1040, 1001},
        {"numbered against the chainage", 2005, 2035}, {"and backward", 2035, 2005},
        {"across waterways", 1005, 2030}, {"across backward", 3030, 1005}, {"unknown end", 1005, 9999},
        {"unknown start", 9999, 1005},
    };
    VergleicheMitUrspruenglicherForm(katalog, abschnitte);
    // A catalogue built before the index of the objects by chainage existed gives the same rows.
    ADODB::ConnectionPtr schreibend;
    ASSERT_TRUE(ADO_Open_Connection(katalog, schreibend, {}, {}, {}, false));
    schreibend->Execute("DROP INDEX Punkte_Binnen_Objekte");
    schreibend.reset();
    VergleicheMitUrspruenglicherForm(katalog, abschnitte);
}

TEST_F(DetailedRoute, AFailingStepStopsTheLegAndKeepsWhatWasBuilt) {
    olm3test::MessageRecorder messages;
    // Make the lock point lose its lock row: the step onto it cannot find the passage time.
    katalog.Open({"mini"}, {"DELETE FROM Schleusen WHERE PunkteID=104;"});
    EXPECT_FALSE(compute({{101, 110}}, At(2008, 6, 2, 10, 0)));
    EXPECT_EQ(zeilen(), (Zeilen{"101 R1 10:00-10:00 S0 B0 0km", "102 1.1 10:10-10:16 S0 B0 1km"}));
    ASSERT_FALSE(messages.messages().empty());
    EXPECT_EQ(messages.messages()[0].title, "[clsOLM3Binnen.GetZweigParam]");
}
