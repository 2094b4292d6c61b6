// The path search: the legs it finds over the waterway network, and what the component makes of them.
//
// The test catalogue (mini): Havel-Test 101 (km 0) ... 110 (km 9) with junction 105 (km 4) onto
// Kanal-Test 201 (km 0) ... 204 (km 3); Alter Arm 301 is joined to nothing.
//
// The network catalogue below, chainages in km:
//
//   Hauptkanal   11 (0) -- 17 A (0.5) -- 12 A (1) ---------- 14 (20) -- 15 A (21) -- 18 A (21.5) -- 16 (22)
//                          |              |                              |            |
//   Kurzer Arm             |             21 A (0) -- 22 (3) ----------- 23 A (6)      |
//   Langer Arm            31 A (0) ------------------------------------------------- 32 A (30)
//
//   Insel        41 (0) -- 42 (5), joined to nothing
//   Nordarm      51 (0) -- 52 A (4)         Nordkanal  61 A (2) -- 62 (7): joined to each other only
//   Kreuzung     W1: 71 (0) -- 72 A (5), 73 A (5);  W2: 81 A (0) -- 82 (4);  W3: 91 A (3) -- 92 (9).
//                Three waterways meet at one place: 72 continues onto 81, 73 onto 91, and 81 onto 91.
//
// Junction 12 lists only its continuation onto 21, not the way back; 11 -> 14 is a faulty link inside one
// waterway, and 16 -> 999 a link to a point that does not exist.

#include "olm3binnen/clsOLM3Binnen.h"
#include "olm3binnen/pathoptimiser.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

using olm3::PathFailure;
using olm3::PathOptimiser;
using olm3::PathResult;
using olm3test::OpenDatabase;

namespace {

const char* const kNetz = R"(
INSERT INTO Binnen (BinnenID, Bezeichnung, Vmax) VALUES
    (1, 'Hauptkanal', 12), (2, 'Kurzer Arm', 12), (3, 'Langer Arm', 12), (4, 'Insel', 12),
    (5, 'Nordarm', 12), (6, 'Nordkanal', 12), (7, 'W2', 12), (8, 'W1', 12), (9, 'W3', 12);
INSERT INTO Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez, TypenID) VALUES
    (11, 1, 1, 0, 13.0, 52.0, NULL), (17, 1, 2, 0.5, 13.0, 52.0, 'A'), (12, 1, 3, 1, 13.0, 52.0, 'A'),
    (14, 1, 4, 20, 13.2, 52.0, NULL), (15, 1, 5, 21, 13.2, 52.0, 'A'), (18, 1, 6, 21.5, 13.2, 52.0, 'A'),
    (16, 1, 7, 22, 13.2, 52.0, NULL),
    (21, 2, 1, 0, 13.0, 52.0, 'A'), (22, 2, 2, 3, 13.1, 52.0, NULL), (23, 2, 3, 6, 13.2, 52.0, 'A'),
    (31, 3, 1, 0, 13.0, 52.0, 'A'), (32, 3, 2, 30, 13.2, 52.0, 'A'),
    (41, 4, 1, 0, 14.0, 53.0, NULL), (42, 4, 2, 5, 14.1, 53.0, NULL),
    (51, 5, 1, 0, 15.0, 54.0, NULL), (52, 5, 2, 4, 15.1, 54.0, 'A'),
    (61, 6, 1, 2, 15.1, 54.0, 'A'), (62, 6, 2, 7, 15.2, 54.0, NULL),
    (71, 8, 1, 0, 16.0, 55.0, NULL), (72, 8, 2, 5, 16.1, 55.0, 'A'), (73, 8, 3, 5, 16.1, 55.0, 'A'),
    (81, 7, 1, 0, 16.1, 55.0, 'A'), (82, 7, 2, 4, 16.2, 55.0, NULL),
    (91, 9, 1, 3, 16.1, 55.0, 'A'), (92, 9, 2, 9, 16.1, 55.1, NULL);
INSERT INTO Abzweige (PunkteID, PunkteID_Nach) VALUES
    (12, 21), (23, 15), (15, 23), (17, 31), (31, 17), (18, 32), (32, 18),
    (52, 61), (61, 52),
    (72, 81), (81, 72), (73, 91), (91, 73), (81, 91), (91, 81),
    (11, 14), (16, 999);
)";

using Legs = std::vector<std::pair<std::int32_t, std::int32_t>>;

/// What a test compares of a result: the failure, the legs and the length.
struct Weg {
    Legs legs;
    double km = 0;
    PathFailure failure = PathFailure::None;
    bool operator==(const Weg&) const = default;
};

void PrintTo(const Weg& w, std::ostream* os) {
    *os << "failure " << static_cast<int>(w.failure) << ", " << w.km << " km:";
    for (const auto& [v, n] : w.legs)
        *os << " (" << v << ", " << n << ")";
}

class PathOptimiserTest : public ::testing::Test {
protected:
    void SetUp() override {
        mini = OpenDatabase(olm3test::MakeCatalogueFromFixtures(dir, "mini.sqlite", {"mini"}));
        netz = OpenDatabase(olm3test::MakeCatalogue(dir, "netz.sqlite", {QString::fromUtf8(kNetz)}));
        ASSERT_TRUE(mini && netz);
    }
    Weg weg(const ADODB::ConnectionPtr& con, const std::vector<std::int32_t>& punkte) {
        last = optimiser.Optimise(con, punkte);
        Weg w{{}, last.dblStrecke, last.failure};
        EXPECT_EQ(last.alngVon.size(), last.alngNach.size());
        for (size_t i = 0; i < last.alngVon.size(); ++i)
            w.legs.emplace_back(last.alngVon[i], last.alngNach.at(i));
        return w;
    }
    static Weg keiner(PathFailure f) { return Weg{{}, 0.0, f}; }

    olm3test::TempDir dir;
    ADODB::ConnectionPtr mini, netz;
    PathOptimiser optimiser;
    PathResult last;
};

} // namespace

TEST_F(PathOptimiserTest, LegsOfTheShortestWayThroughThePlannedPoints) {
    struct Fall {
        const char* was;
        bool netz; ///< the network catalogue, else mini
        std::vector<std::int32_t> punkte;
        Weg erwartet;
    };
    const std::vector<Fall> faelle = {
        // Along one waterway a route is one leg, up or down the chainage, past a junction (105) or on a
        // waterway without any.
        {"up the chainage past a junction", false, {102, 109}, {{{102, 109}}, 7.0}},
        {"down the chainage", false, {109, 102}, {{{109, 102}}, 7.0}},
        {"a waterway without junctions", true, {42, 41}, {{{42, 41}}, 5.0}},
        // A change of waterway is a leg of zero length from the junction to its counterpart.
        {"onto the canal", false, {101, 203}, {{{101, 105}, {105, 201}, {201, 203}}, 6.0}},
        // Planned points are visited in their order and each ends its leg.
        {"there and back", false, {110, 203, 102},
         {{{110, 105}, {105, 201}, {201, 203}, {203, 201}, {201, 105}, {105, 102}}, 12.0}},
        {"a point passed and come back to", false, {102, 110, 104}, {{{102, 110}, {110, 104}}, 14.0}},
        {"a point twice in a row", false, {101, 101, 104}, {{{101, 104}}, 3.0}},
        {"a route of one point", false, {104, 104}, {{{104, 104}}, 0.0}},
        // A planned junction point is used as it is.
        {"from a junction", false, {105, 203}, {{{105, 201}, {201, 203}}, 2.0}},
        {"through a junction", false, {101, 105, 106}, {{{101, 105}, {105, 106}}, 5.0}},
        {"from a junction's counterpart to it", false, {201, 105}, {{{201, 105}}, 0.0}},
        // 11 -> 16: along the Hauptkanal 22 km, over the Langer Arm 31 km, over the Kurzer Arm 1 + 6 + 1 km.
        // The faulty link 11 -> 14 inside the Hauptkanal is no shortcut.
        {"the shortest of three", true, {11, 16}, {{{11, 12}, {12, 21}, {21, 23}, {23, 15}, {15, 16}}, 8.0}},
        // Back the same way, although junction 12 lists only the continuation onto 21.
        {"a junction listed one way only", true, {16, 11},
         {{{16, 15}, {15, 23}, {23, 21}, {21, 12}, {12, 11}}, 8.0}},
        // Both planned points on the Hauptkanal, 19 km apart on it: the loop is shorter.
        {"a loop shorter than the waterway", true, {14, 12}, {{{14, 15}, {15, 23}, {23, 21}, {21, 12}}, 7.0}},
        {"from the short arm along it", true, {22, 14}, {{{22, 23}, {23, 15}, {15, 14}}, 4.0}},
        // Where three waterways meet, the way over 81 is as long but changes waterway twice.
        {"one change rather than two", true, {71, 92}, {{{71, 73}, {73, 91}, {91, 92}}, 11.0}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(weg(f.netz ? netz : mini, f.punkte), f.erwartet) << f.was;
}

TEST_F(PathOptimiserTest, PointsNoWaterwayJoinsAreAFailureNamingThem) {
    EXPECT_EQ(weg(mini, {101, 301}), keiner(PathFailure::NoPath));
    EXPECT_EQ(std::pair(last.lngPunkteIDVon, last.lngPunkteID), std::pair(101, 301));
    // Two networks, each with junctions, that do not meet; the failing pair is the second of the route.
    EXPECT_EQ(weg(netz, {11, 14, 62}), keiner(PathFailure::NoPath));
    EXPECT_EQ(std::pair(last.lngPunkteIDVon, last.lngPunkteID), std::pair(14, 62));
    EXPECT_EQ(weg(netz, {41, 11}), keiner(PathFailure::NoPath));
    EXPECT_EQ(weg(netz, {51, 62}), (Weg{{{51, 52}, {52, 61}, {61, 62}}, 9.0}));
}

TEST_F(PathOptimiserTest, UnknownPointsTooFewPointsAndNoCatalogueAreRefused) {
    EXPECT_EQ(weg(mini, {101, 999, 0}), keiner(PathFailure::UnknownPoint));
    EXPECT_EQ(last.lngPunkteID, 999);
    EXPECT_EQ(weg(mini, {101}), keiner(PathFailure::TooFewPoints));
    // The component's empty planned route is the single point 0.
    EXPECT_EQ(weg(mini, {0}), keiner(PathFailure::TooFewPoints));
    EXPECT_EQ(weg(mini, {}), keiner(PathFailure::TooFewPoints));
    EXPECT_EQ(weg(nullptr, {101, 110}), keiner(PathFailure::CatalogueError));
    mini->Close();
    EXPECT_EQ(weg(mini, {101, 110}), keiner(PathFailure::CatalogueError));
}

TEST_F(PathOptimiserTest, ACatalogueWithoutJunctionsIsReportedNotCrashedOn) {
    const ADODB::ConnectionPtr ohne = OpenDatabase(olm3test::MakeCatalogueFromFixtures(
        dir, "ohne.sqlite", {"mini"}, {"DROP VIEW V_ROUTE_DETAILLIERT; DROP TABLE Abzweige;"}));
    ASSERT_TRUE(ohne);
    EXPECT_EQ(weg(ohne, {101, 110}), keiner(PathFailure::CatalogueError));
    EXPECT_TRUE(last.strDetail.contains(QStringLiteral("Abzweige"))) << last.strDetail.toStdString();
    // The optimiser is not stuck on the broken catalogue.
    EXPECT_EQ(weg(mini, {101, 110}), (Weg{{{101, 110}}, 9.0}));
}

TEST_F(PathOptimiserTest, TheGraphFollowsTheCatalogue) {
    ASSERT_TRUE(optimiser.Load(netz));
    // The junction points of the network catalogue, without 11, 14 and the missing 999.
    EXPECT_EQ(optimiser.NodeCount(), 14u);
    EXPECT_EQ(weg(mini, {101, 203}).failure, PathFailure::None);
    EXPECT_EQ(optimiser.NodeCount(), 2u);
    EXPECT_EQ(weg(netz, {11, 16}).km, 8.0);
    EXPECT_EQ(optimiser.NodeCount(), 14u);
    // Points of one catalogue are unknown in the other.
    EXPECT_EQ(weg(mini, {11, 16}), keiner(PathFailure::UnknownPoint));
}

// The component expands the optimiser's legs as the host does on StartOptimierer: the junction row of the
// Kanal-Test takes the place of the Havel-Test's junction point.
TEST(Expanded, TheComponentExpandsTheLegsAcrossAJunction) {
    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    cfg.katalog =
        olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("1_mini.sqlite"), {QStringLiteral("mini")});
    clsOLM3Binnen olm;
    ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    const PathResult result = PathOptimiser().Optimise(olm.conBinnenDatabase(), {101, 203});
    ASSERT_TRUE(result.ok());
    ASSERT_TRUE(olm.SetRouteOptimiert(result.alngVon, result.alngNach, QDateTime()));
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    ASSERT_TRUE(olm.GetRouteOptimiert(rows, summen));
    std::vector<std::int32_t> ids;
    for (const typRouteOptimiert& r : rows)
        ids.push_back(r.lngPunkteID);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{101, 102, 104, 201, 202, 203}));
    EXPECT_DOUBLE_EQ(summen.dblStrecke, result.dblStrecke);
}
