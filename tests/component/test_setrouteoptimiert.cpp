// SetRouteOptimiert as the host sees it: one event per leg, the status window, and the break button
// pressed while the route is being computed.

#include "component/clsOLM3BinnenState.h"
#include "component/frmStatus.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "support/fakehost.h"
#include "support/fixtures.h"
#include "ui/ucOLMButton.h"

#include <QTest>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Host : public clsOLM3BinnenEvents {
public:
    QStringList events;
    std::vector<std::vector<std::int32_t>> von, nach;
    int rowsAtFirstLeg = -1;
    clsOLM3Binnen* olm = nullptr;
    void RouteOptimiertAus() override { events << QStringLiteral("Aus"); }
    void BreakOptimierer() override { events << QStringLiteral("Break"); }
    void RouteOptimiertAn(std::vector<std::int32_t>& v, std::vector<std::int32_t>& n) override {
        events << QStringLiteral("An");
        von.push_back(v);
        nach.push_back(n);
        std::vector<typRouteOptimiert> rows;
        RouteOptimiertSummen s;
        if (rowsAtFirstLeg < 0 && olm->GetRouteOptimiert(rows, s)) rowsAtFirstLeg = static_cast<int>(rows.size());
    }
};

class Optimise : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.katalog = olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("1_K.sqlite"), {QStringLiteral("mini")});
        ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
        host.olm = &olm;
        olm.SetEventListener(&host);
        olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    }
    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    clsOLM3Binnen olm;
    Host host;
};

} // namespace

TEST_F(Optimise, EachLegIsReportedWithTheLegsSoFar) {
    ASSERT_TRUE(olm.SetRouteOptimiert({101, 104}, {104, 110}, QDateTime()));
    EXPECT_EQ(host.events, (QStringList{QStringLiteral("Aus"), QStringLiteral("An"), QStringLiteral("An")}));
    EXPECT_EQ(host.von[0], (std::vector<std::int32_t>{101, 0}));
    EXPECT_EQ(host.nach[0], (std::vector<std::int32_t>{104, 0}));
    EXPECT_EQ(host.von[1], (std::vector<std::int32_t>{101, 104}));
    EXPECT_EQ(host.rowsAtFirstLeg, 3);
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    EXPECT_TRUE(olm.GetRouteOptimiert(rows, summen));
    // The status window is gone when the computation is done.
    EXPECT_FALSE(olm.state().frmStatus);
}

TEST_F(Optimise, TheBreakButtonStopsTheComputationAndDiscardsTheRoute) {
    // Click the break button as soon as the status window is up; the computation processes events after
    // every row, so the click lands in the middle of it.
    bool clicked = false;
    QTimer clicker;
    clicker.setInterval(0);
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        auto* frm = qobject_cast<frmStatus*>(olm.state().frmStatus.data());
        if (clicked || !frm || !frm->isVisible()) return;
        clicked = true;
        QTest::mouseClick(frm->ucBreak->fpb(), Qt::LeftButton);
    });
    clicker.start();
    const bool result = olm.SetRouteOptimiert({101, 104, 201}, {104, 110, 204}, QDateTime());
    clicker.stop();
    ASSERT_TRUE(clicked);
    EXPECT_FALSE(result);
    EXPECT_TRUE(host.events.contains(QStringLiteral("Break")));
    EXPECT_EQ(host.events.last(), QStringLiteral("Aus"));
    EXPECT_LT(host.events.count(QStringLiteral("An")), 3);
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    EXPECT_FALSE(olm.GetRouteOptimiert(rows, summen));
    EXPECT_TRUE(rows.empty());
    // The break asked for this computation only: the next one runs to its end.
    EXPECT_FALSE(olm.state().blnBreakOptimierer);
    ASSERT_TRUE(olm.SetRouteOptimiert({101}, {110}, QDateTime()));
}

TEST_F(Optimise, TheReportAfterADeletedRouteIsAnEmptyOne) {
    ASSERT_TRUE(olm.SetRouteOptimiert({101, 104}, {104, 110}, QDateTime()));
    olm.DeleteRouteOptimiert();
    EXPECT_EQ(olm.state().route.lngAnzahlRouteOptimiert, 0);
    olm.RoutenOptimiererReport(true);
    auto* frm = qobject_cast<frmRoutenOptimiererBericht*>(olm.state().frmBericht.data());
    ASSERT_TRUE(frm);
    frmRoutenOptimiererBericht leer;
    leer.FuelleBericht(0, 0, 0, 0, olm.StartZeit());
    ASSERT_EQ(frm->grdReport()->rowCount(), leer.grdReport()->rowCount());
    for (int r = 0; r < leer.grdReport()->rowCount(); ++r)
        for (int c = 0; c < leer.grdReport()->columnCount(); ++c) {
            const auto* a = frm->grdReport()->item(r, c);
            const auto* b = leer.grdReport()->item(r, c);
            EXPECT_EQ(a ? a->text() : QString(), b ? b->text() : QString()) << r << "," << c;
        }
}
