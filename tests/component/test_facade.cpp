// The facade as a host sees it: Init and the catalogue, the planned route, stored values and events.

#include "data/modOLM3Binnen.h"
#include "planning/planninghost.h"

using olm3test::Ids;

namespace {

Ids route(const clsOLM3Binnen& olm) {
    Ids r;
    olm.GetRouteGeplant(r);
    return r;
}

/// A component without a catalogue whose events are logged; the folder for one and the messages.
class Facade : public ::testing::Test {
protected:
    void SetUp() override { olm.Init(&cfg, nullptr, nullptr); }
    QString katalog(const QString& name) { return olm3test::MakeCatalogueFromFixtures(dir, name, {"mini"}); }
    olm3test::TempDir dir;
    olm3test::MessageRecorder messages;
    olm3test::FakeCfg cfg;
    clsOLM3Binnen olm;
    olm3test::ScriptedHost log{olm};
};

} // namespace

TEST_F(Facade, InitOpensTheCatalogueReadOnlyAndTakesItsNumberFromTheName) {
    for (const auto& [name, nr] :
         {std::pair{"12_Berlin.sqlite", 12}, {"Ohne Nummer.sqlite", 0}, {"x_y_z.sqlite", 0}}) {
        cfg.katalog = katalog(name);
        ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
        ASSERT_TRUE(olm.conBinnenDatabase());
        EXPECT_EQ(olm.conBinnenDatabase()->Mode, ADODB::adModeRead);
        EXPECT_EQ(modOLM3Binnen::intKatalogNr, nr) << name;
    }
    cfg.katalog.clear(); // no catalogue configured
    ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    EXPECT_FALSE(olm.conBinnenDatabase());
    EXPECT_EQ(modOLM3Binnen::intKatalogNr, -1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Facade, ABadCatalogueLeavesTheComponentWorkingWithoutIt) {
    cfg.katalog = katalog("3_Gut.sqlite");
    ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    ASSERT_EQ(modOLM3Binnen::intKatalogNr, 3);
    const QString empty = dir.write("7_Leer.sqlite", QByteArray());
    const QString corrupt =
        dir.write("8_Kaputt.sqlite", QByteArray("SQLite format 3") + QByteArray(5000, '\x7f'));
    const QString foreign = olm3test::MakeRoutesDatabase(dir, "9_Fremd.sqlite");
    for (const QString& bad : {dir.file("6_Fehlt.sqlite"), empty, corrupt, foreign}) {
        cfg.katalog = bad;
        EXPECT_TRUE(olm.Init(&cfg, nullptr, nullptr)) << bad.toStdString();
        EXPECT_FALSE(olm.conBinnenDatabase()) << bad.toStdString();
        EXPECT_EQ(modOLM3Binnen::intKatalogNr, 3) << "a failed open keeps the previous number";
        std::int32_t binnen = 0, punkt = 0;
        QString bez;
        double lg = 0, bg = 0, d = 0;
        EXPECT_FALSE(olm.NaechsterPunkt(13, 52.5, 1, binnen, bez, punkt, lg, bg, d));
        EXPECT_FALSE(olm.GetPunktPosition(101, lg, bg));
    }
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Facade, InitResetsRouteSearchResultsAndStartTime) {
    olm.SetRouteGeplant({5, 6});
    olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 1), QTime(8, 0)));
    olm.IsStartZeitSet(true);
    olm.SetSuchergebnisse(2, {7, 8}, {1.5, 2.5});
    olm.Init(&cfg, nullptr, nullptr);
    EXPECT_EQ(route(olm), Ids{0});
    EXPECT_FALSE(olm.IsStartZeitSet());
    EXPECT_EQ(olm.StartZeit(), olm3::DatumNull());
    std::int32_t n = -1;
    std::vector<std::int32_t> ids;
    std::vector<double> km;
    olm.GetSuchergebnisse(n, ids, km);
    EXPECT_EQ(n, 0);
}

TEST_F(Facade, NewPointsReplaceTheEmptyRouteThenInsertBeforePosition) {
    olm.EventRoutenPktKarte(1);
    EXPECT_EQ(log.events, QStringList{"RoutenPktKarte"});
    // The position the chart is asked for (0: none; position 1 = old length appends), the point, the route.
    const std::tuple<int, std::int32_t, Ids> schritte[] = {
        {0, 10, {10}}, {0, 20, {10, 20}}, {2, 30, {10, 20, 30}}, {1, 15, {10, 15, 20, 30}}};
    for (const auto& [position, punkt, erwartet] : schritte) {
        if (position > 0) olm.EventRoutenPktKarte(position);
        olm.SetPktNeuRouteGeplant(punkt);
        EXPECT_EQ(route(olm), erwartet) << punkt;
    }
    olm.DeleteRouteGeplant();
    EXPECT_EQ(route(olm), Ids{0});
}

TEST_F(Facade, RouteChangeDiscardsTheOptimisedRouteAndReportsPositions) {
    std::vector<typRoute> r{{101, 13.0, 52.5}, {0, 9.0, 9.0}, {-4, 8.0, 8.0}, {104, 13.03, 52.5}};
    olm.EventRouteChange(r);
    EXPECT_EQ(log.events, (QStringList{"RouteOptimiertAus", "RouteChange"}));
    EXPECT_EQ(log.letzteLg, (std::vector<double>{13.0, 0.0, 0.0, 13.03}));
    EXPECT_EQ(log.letzteBg, (std::vector<double>{52.5, 0.0, 0.0, 52.5}));
    EXPECT_EQ(route(olm), (Ids{101, 0, -4, 104}));
    log.events.clear();
    olm.EventDeleteAll();
    EXPECT_EQ(log.events, QStringList{"RouteOptimiertAus"});
    EXPECT_EQ(route(olm), Ids{0});
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    EXPECT_FALSE(olm.GetRouteOptimiert(rows, summen));
    EXPECT_TRUE(rows.empty());
}

TEST_F(Facade, SearchResultsAreStoredAndHandedBack) {
    std::int32_t n = -1;
    std::vector<std::int32_t> ids;
    std::vector<double> km;
    olm.SetSuchergebnisse(3, {11, 12, 13}, {0.5, 1.0, 2.5});
    olm.GetSuchergebnisse(n, ids, km);
    EXPECT_EQ(km, (std::vector<double>{0.5, 1.0, 2.5}));
    olm.SetSuchergebnisse(0, {}, {});
    olm.GetSuchergebnisse(n, ids, km);
    EXPECT_EQ(n, 0);
    ASSERT_EQ(ids.size(), 1u) << "a count of 0 hands back one element, its contents kept";
    EXPECT_EQ(ids[0], 11);
}

TEST_F(Facade, DestroyingTheObjectClosesTheCatalogue) {
    cfg.katalog = katalog("1_K.sqlite");
    clsOLM3Binnen* andere = OLM3Binnen_Create();
    ASSERT_TRUE(andere->Init(&cfg, nullptr, nullptr));
    const ADODB::ConnectionPtr con = andere->conBinnenDatabase();
    ASSERT_TRUE(con && con->IsOpen());
    OLM3Binnen_Destroy(andere);
    EXPECT_FALSE(con->IsOpen());
    EXPECT_FALSE(modOLM3Binnen::conBinnenDatabase);
}
