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

#include <gtest/gtest.h>

using namespace modOLM3Binnen;
using olm3::routing::GetDetailsRouteOptimiert;
using olm3::routing::RouteDetails;

namespace {

QDateTime at(int y, int m, int d, int h, int min) {
    return olm3::MakeDatum(QDate(y, m, d), QTime(h, min));
}

class RecordingStatus : public olm3::routing::IRouteStatus {
public:
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
        const QString path =
            olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("k.sqlite"), {QStringLiteral("mini")});
        ASSERT_TRUE(ADO_Open_Connection(path, conBinnenDatabase, {}, {}, {}, true));
        cfg.marschV = 6;
        objOLM3Cfg = &cfg;
    }
    void TearDown() override {
        conBinnenDatabase.reset();
        objOLM3Cfg = nullptr;
    }
    /// Computes the legs in order, as the component does.
    bool compute(const std::vector<std::pair<int, int>>& legs, const QDateTime& start) {
        for (size_t i = 0; i < legs.size(); ++i) {
            bool erster = i == 0;
            if (!GetDetailsRouteOptimiert(route, start, legs[i].first, legs[i].second, erster, brk, &status))
                return false;
        }
        return true;
    }
    std::vector<int> ids() const {
        std::vector<int> v;
        for (int i = 0; i < route.lngAnzahlRouteOptimiert; ++i)
            v.push_back(route.audtRouteOptimiert[size_t(i)].lngPunkteID);
        return v;
    }
    const typRouteOptimiert& row(int i) const { return route.audtRouteOptimiert[size_t(i)]; }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    RouteDetails route;
    RecordingStatus status;
    bool brk = false;
};

} // namespace

TEST_F(DetailedRoute, OneLegUpTheChainageListsTheTypedPointsBetweenItsEnds) {
    const QDateTime start = at(2008, 6, 2, 10, 0); // a Monday in the season
    ASSERT_TRUE(compute({{101, 110}}, start));
    // Plain point 103, junction 105 and weir 107 are not special points.
    EXPECT_EQ(ids(), (std::vector<int>{101, 102, 104, 106, 108, 109, 110}));

    EXPECT_TRUE(row(0).blnPunktRouteGrob);
    EXPECT_EQ(row(0).lngNumGrob, 1);
    EXPECT_EQ(row(0).lngNumDetaills, 0);
    EXPECT_EQ(row(0).datZeitAn, start);
    EXPECT_EQ(row(0).strTypBez, QStringLiteral("-Punkt gesetzt-"));

    // 102: 1 km at 6 km/h = 10 min, then 6 min to pass the bridge.
    EXPECT_EQ(row(1).datZeitAn, at(2008, 6, 2, 10, 10));
    EXPECT_EQ(row(1).datZeitAb, at(2008, 6, 2, 10, 16));
    EXPECT_EQ(row(1).lngNumDetaills, 1);
    EXPECT_EQ(row(1).strTypBez, QStringLiteral("Brücke"));
    EXPECT_EQ(row(1).lngDetailsRecordsetID, 1);
    EXPECT_EQ(row(1).strBgDez, FormatBg(52.5));
    EXPECT_DOUBLE_EQ(row(1).dblDokuKM, 11.0);
    EXPECT_FALSE(row(1).blnDokuKMOrig);
    EXPECT_EQ(row(1).lngPunkteIDNach, -1);
    // 104: 2 km more (20 min) after leaving the bridge at 10:16; open, no wait; 15 min in the lock.
    EXPECT_EQ(row(2).datZeitAn, at(2008, 6, 2, 10, 36));
    EXPECT_DOUBLE_EQ(row(2).dblWartezeit, 0);
    EXPECT_EQ(row(2).datZeitAb, at(2008, 6, 2, 10, 51));
    EXPECT_NEAR(row(2).dblDauer, 0.85, 1e-12);
    // 110: route point 2, one lock and one bridge passed, 9 km, 1.5 h travel + 0.35 h passage.
    const typRouteOptimiert& end = row(6);
    EXPECT_TRUE(end.blnPunktRouteGrob);
    EXPECT_EQ(end.lngNumGrob, 2);
    EXPECT_EQ(end.lngNumDetaills, 0);
    EXPECT_EQ(end.lngAnzahlSchleusen, 1);
    EXPECT_EQ(end.lngAnzahlBruecken, 1);
    EXPECT_DOUBLE_EQ(end.dblStrecke, 9.0);
    EXPECT_EQ(end.datZeitAn, at(2008, 6, 2, 11, 51));
    EXPECT_EQ(end.datZeitAb, at(2008, 6, 2, 11, 51));
    EXPECT_NEAR(route.dblSummeFahrzeit, 1.5, 1e-12);
    EXPECT_NEAR(route.dblSummeDurchgangszeit, 0.35, 1e-12);
    EXPECT_DOUBLE_EQ(route.dblSummeWartezeit, 0);
    EXPECT_GT(status.calls, 0);
    EXPECT_FALSE(status.lastText2.isEmpty());
}

TEST_F(DetailedRoute, AgainstTheChainageTheRowsComeDescending) {
    ASSERT_TRUE(compute({{110, 101}}, at(2008, 6, 2, 10, 0)));
    EXPECT_EQ(ids(), (std::vector<int>{110, 109, 108, 106, 104, 102, 101}));
    EXPECT_DOUBLE_EQ(row(6).dblStrecke, 9.0);
    EXPECT_EQ(row(6).lngAnzahlSchleusen, 1);
    EXPECT_EQ(row(6).lngAnzahlBruecken, 1);
}

TEST_F(DetailedRoute, TheEndOfOneLegIsNotRepeatedAtTheStartOfTheNext) {
    ASSERT_TRUE(compute({{101, 104}, {104, 110}}, at(2008, 6, 2, 10, 0)));
    EXPECT_EQ(ids(), (std::vector<int>{101, 102, 104, 106, 108, 109, 110}));
    EXPECT_TRUE(row(2).blnPunktRouteGrob);
    EXPECT_EQ(row(2).lngNumGrob, 2);
    EXPECT_EQ(row(2).lngAnzahlSchleusen, 0) << "the lock is the route point itself";
    EXPECT_EQ(row(2).lngAnzahlBruecken, 1);
    EXPECT_EQ(row(6).lngNumGrob, 3);
    EXPECT_EQ(row(6).lngAnzahlSchleusen, 0);
    EXPECT_EQ(row(3).lngNumGrob, 2) << "detail rows carry the number of the route point before them";
    EXPECT_EQ(row(6).datZeitAn, at(2008, 6, 2, 11, 51));
}

TEST_F(DetailedRoute, AtAJunctionTheContinuationTakesThePlaceOfTheJunctionRow) {
    ASSERT_TRUE(compute({{101, 105}, {105, 201}, {201, 204}}, at(2008, 6, 2, 10, 0)));
    EXPECT_EQ(ids(), (std::vector<int>{101, 102, 104, 201, 202, 204}));
    const typRouteOptimiert& junction = row(3);
    EXPECT_EQ(junction.strTypID, QStringLiteral("A"));
    EXPECT_EQ(junction.strBinnen, QStringLiteral("Kanal-Test"));
    // The route goes on along the Kanal-Test after it: it does not turn there again.
    EXPECT_EQ(junction.strBezeichnung, QStringLiteral(" "));
    EXPECT_EQ(junction.lngPunkteIDNach, -1);
    // It carries on the distance, time and number of the junction row it replaced.
    EXPECT_DOUBLE_EQ(junction.dblStrecke, 4.0);
    EXPECT_EQ(junction.lngNumGrob, 2);
    EXPECT_EQ(junction.lngAnzahlSchleusen, 1) << "lock 104 was passed on the way to the junction";
    EXPECT_EQ(junction.lngAnzahlBruecken, 1);
    EXPECT_EQ(junction.datZeitAn, at(2008, 6, 2, 11, 1));
    EXPECT_DOUBLE_EQ(row(5).dblStrecke, 7.0);
    EXPECT_EQ(row(5).lngNumGrob, 3);
    // Kanal-Test allows 8 km/h, above the boat's 6: 3 km take 30 min; lock 202 on request, no passage time.
    EXPECT_EQ(row(5).datZeitAn, at(2008, 6, 2, 11, 31));
    EXPECT_EQ(row(4).strNB, QStringLiteral("NB"));
}

TEST_F(DetailedRoute, ARoutePointAtZeroDistanceAddsNothing) {
    ASSERT_TRUE(compute({{101, 104}, {104, 104}, {104, 106}}, at(2008, 6, 2, 10, 0)));
    EXPECT_EQ(ids(), (std::vector<int>{101, 102, 104, 106}));
    EXPECT_EQ(row(3).lngNumGrob, 3);
}

TEST_F(DetailedRoute, ALockReachedAtNightHoldsUpEverythingAfterIt) {
    // Leaving 101 at 19:45 the boat reaches the lock at 20:21, after closing: it waits until 06:00,
    // 219 min to midnight and 360 min after, 9.65 h.
    ASSERT_TRUE(compute({{101, 110}}, at(2008, 6, 2, 19, 45)));
    const typRouteOptimiert& lock = row(2);
    EXPECT_EQ(lock.datZeitAn, at(2008, 6, 2, 20, 21));
    EXPECT_NEAR(lock.dblWartezeit, 9.65, 1e-9);
    EXPECT_EQ(lock.datZeitAb, at(2008, 6, 3, 6, 15)); // wait, then 15 min in the lock
    // Harbour 106, 2 km on: 20 min after leaving the lock.
    EXPECT_EQ(row(3).datZeitAn, at(2008, 6, 3, 6, 35));
    EXPECT_NEAR(route.dblSummeWartezeit, 9.65, 1e-9);
}

TEST_F(DetailedRoute, ABreakBeforeTheLegAddsNothing) {
    brk = true;
    ASSERT_TRUE(compute({{101, 110}}, at(2008, 6, 2, 10, 0)));
    EXPECT_EQ(route.lngAnzahlRouteOptimiert, 0);
    EXPECT_EQ(status.calls, 0);
}

TEST_F(DetailedRoute, TheStatementSelectsOnlyTheEndsWithoutTheTypeCondition) {
    const QString sql = olm3::routing::SqlDetailsRouteOptimiert(101, 110, false);
    EXPECT_FALSE(sql.contains(QStringLiteral("TypenID")));
    EXPECT_TRUE(sql.startsWith(
        QStringLiteral("SELECT * From V_ROUTE_DETAILLIERT WHERE(  PunkteID=101 or PunkteID=110")));
    EXPECT_TRUE(sql.endsWith(QStringLiteral(")  OR PunkteID = 110 Order By Strecke")));
}

TEST_F(DetailedRoute, AFailingStepStopsTheLegAndKeepsWhatWasBuilt) {
    olm3test::MessageRecorder messages;
    // Make the lock point lose its lock row: the step onto it cannot find the passage time.
    conBinnenDatabase.reset();
    const QString path =
        olm3test::MakeCatalogue(dir, QStringLiteral("ohne.sqlite"),
                                {olm3test::FixtureSql(QStringLiteral("mini")),
                                 QStringLiteral("DELETE FROM Schleusen WHERE PunkteID=104;")});
    ASSERT_TRUE(ADO_Open_Connection(path, conBinnenDatabase, {}, {}, {}, true));
    EXPECT_FALSE(compute({{101, 110}}, at(2008, 6, 2, 10, 0)));
    EXPECT_EQ(ids(), (std::vector<int>{101, 102}));
    ASSERT_FALSE(messages.messages().empty());
    EXPECT_EQ(messages.messages()[0].title, QStringLiteral("[clsOLM3Binnen.GetZweigParam]"));
}
