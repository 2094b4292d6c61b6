// What a boater reads in the itinerary: why the boat waits at a lock (each kind of wait, with the lock
// search behind it), and one numbering of the route points.
//
// The lock cases use the locks of the lock-wait tests (see locks.sql) and one lock with a special rule.

#include "data/modOLM3Binnen.h"
#include "olm3binnen/types.h"
#include "routing/core/routenpunktnummern.h"
#include "routing/core/schleusenbz.h"
#include "routing/core/wartegrund.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace modOLM3Binnen;
using olm3test::At;

namespace {

// Lock 40 works 08:00-18:00 under a special rule the catalogue explains; 41 the same under a rule without
// a text; 42 has hours in summer only, so that the winter has no rows at all.
const QString kSonderregeln = QStringLiteral(R"(
INSERT INTO SBZ_Sonderregelung (SRID, SRText) VALUES (7, 'Selbstbedienung am Pult');
INSERT INTO Schleusen (SchleusenID, PunkteID, Bezeichnung, BL) VALUES
    (40, 1040, 'Selbstbedienung', 'BB'), (41, 1041, 'Regel ohne Text', 'BB'), (42, 1042, 'Nur Sommer', 'BB');
INSERT INTO SBZ_Wochentage (SchleusenID, WtID, SaisonVon, SaisonBis, UhrzeitVon, UhrzeitBis, Betrieb, SonderRegelungID)
SELECT s.id, w.WTID, s.von, s.bis, '08:00', '18:00', 1, s.sr FROM Wochentage w,
       (SELECT 40 AS id, '2000-01-01' AS von, '2000-12-31' AS bis, 7 AS sr
        UNION ALL SELECT 41, '2000-01-01', '2000-12-31', 8
        UNION ALL SELECT 42, '2000-04-01', '2000-10-31', NULL) s
 WHERE w.Nr <= 7;
)");

/// The lock catalogue open as the component's, with the host's texts.
class Wartegrund : public ::testing::Test {
protected:
    void SetUp() override { objOLM3Cfg = &cfg; }
    void TearDown() override { objOLM3Cfg = nullptr; }
    olm3test::ComponentCatalogue katalog{{"locks"}, {kSonderregeln}};
    olm3test::FakeCfg cfg;
};

} // namespace

TEST_F(Wartegrund, EachKindOfWaitIsToldInOneShortText) {
    struct Fall {
        const char* name;
        std::int32_t lock;
        QDateTime an;
        bool ok;
        std::int16_t grund;
        QString text;
    };
    const std::vector<Fall> faelle = {
        {"inside the window: no wait, nothing to tell", 10, At(2008, 3, 12, 10, 0), true, olm3::wgKeiner, {}},
        {"before opening the same day", 10, At(2008, 3, 12, 5, 30), true, olm3::wgOeffnet,
         "Schleuse öffnet um 06:00 Uhr"},
        {"after closing: the next morning, with its date", 10, At(2008, 3, 12, 21, 0), true, olm3::wgOeffnet,
         "Schleuse öffnet am 13.03. um 06:00 Uhr"},
        {"across midnight into a window begun the evening before", 12, At(2008, 3, 12, 7, 0), true,
         olm3::wgOeffnet, "Schleuse öffnet um 22:00 Uhr"},
        {"winter closure: the season's last day", 14, At(2008, 1, 9, 10, 0), true, olm3::wgSaisonpause,
         "Saisonpause bis 31.03."},
        {"a closed season left at a holiday is an opening, not the season's end", 16, At(2008, 12, 17, 10, 0),
         true, olm3::wgOeffnet, "Schleuse öffnet am 24.12. um 10:00 Uhr"},
        {"on request on a closed Sunday", 21, At(2008, 3, 15, 19, 0), true, olm3::wgNachBedarf,
         "Betrieb nach Bedarf (NB)"},
        {"on request arriving on the closed day itself: no wait", 21, At(2008, 3, 16, 10, 0), true,
         olm3::wgKeiner, QString()},
        {"a special rule with its text", 40, At(2008, 3, 12, 7, 0), true, olm3::wgSonderregel,
         "Sonderregelung (SR): Selbstbedienung am Pult"},
        {"a special rule the catalogue does not explain", 41, At(2008, 3, 12, 7, 0), true,
         olm3::wgSonderregel, "Sonderregelung (SR) 8"},
        {"a lock that never opens: the limit of a year", 15, At(2008, 6, 2, 12, 0), true, olm3::wgKeinBetrieb,
         "Keine Betriebszeit innerhalb eines Jahres gefunden"},
        {"no hours for the day after the season", 42, At(2008, 10, 31, 19, 0), false, olm3::wgKeineDaten,
         "Keine Betriebszeiten im Katalog ab 01.11."},
    };
    olm3test::MessageRecorder messages;
    for (const Fall& f : faelle) {
        double w = -1;
        QString nb, sr;
        olm3::routing::SchleusenWarten warten;
        EXPECT_EQ(olm3::routing::GetSchleusenBZ(f.lock, f.an, w, nb, sr, &warten), f.ok) << f.name;
        EXPECT_EQ(warten.intGrund, f.grund) << f.name;
        EXPECT_EQ(olm3::routing::WartegrundText(warten, f.an, sr), f.text) << f.name;
    }
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(cfg.missingTexts.isEmpty());
}

TEST_F(Wartegrund, TheTotalsWarnOnlyWhenALockHadNoOperatingTime) {
    EXPECT_EQ(olm3::routing::TextSummenUnsicher(0), QString());
    EXPECT_TRUE(olm3::routing::TextSummenUnsicher(2).contains("2 Schleuse"));
}

namespace {
typRouteOptimiert punkt(std::int32_t id, std::int32_t grob, bool routenpunkt = true) {
    typRouteOptimiert r;
    r.lngPunkteID = id;
    r.lngNumGrob = grob;
    r.blnPunktRouteGrob = routenpunkt;
    return r;
}
} // namespace

TEST(RoutenpunktNummern, PlannedPointsKeepTheirNumberAddedOnesTakeALetter) {
    // Planned 10, 20, 30; the optimiser turns at two junctions (11, 12) on the way to 20 and at 21 after it.
    const std::vector<typRouteOptimiert> route = {punkt(10, 1), punkt(5, 1, false), punkt(11, 2),
                                                  punkt(12, 3), punkt(6, 3, false), punkt(20, 4),
                                                  punkt(21, 5), punkt(7, 5, false), punkt(30, 6)};
    struct Fall {
        const char* name;
        std::vector<std::int32_t> plan;
        std::vector<QString> nummern;
    };
    const std::vector<Fall> faelle = {
        {"the plan's numbers, letters for the points in between", {10, 20, 30},
         {"1", "1", "1a", "1b", "1b", "2", "2a", "2a", "3"}},
        {"the empty route (one id 0) has no plan: the computation's numbers", {0},
         {"1", "1", "2", "3", "3", "4", "5", "5", "6"}},
        {"a route that does not start at the plan: the computation's numbers", {20, 30},
         {"1", "1", "2", "3", "3", "4", "5", "5", "6"}},
        {"a planned point the route does not show leaves its number out", {10, 15, 20, 30},
         {"1", "1", "1a", "1b", "1b", "3", "3a", "3a", "4"}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(olm3::routing::RoutenpunktNummern(route, f.plan), f.nummern) << f.name;
}
