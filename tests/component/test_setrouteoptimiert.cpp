// SetRouteOptimiert as the host sees it: one event per leg, the status window, and the break button
// pressed while the route is being computed.

#include "component/clsOLM3BinnenState.h"
#include "component/frmStatus.h"
#include "planning/planninghost.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "ui/ucOLMButton.h"

#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace {

/// The mini catalogue open, a start time set, the events logged.
class Optimise : public ::testing::Test {
protected:
    void SetUp() override { u.olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0))); }
    /// Whether the facade hands out an optimised route, and the number of rows it hands back.
    std::pair<bool, size_t> optimiert() const {
        std::vector<typRouteOptimiert> rows;
        RouteOptimiertSummen summen;
        const bool ok = u.olm.GetRouteOptimiert(rows, summen);
        return {ok, rows.size()};
    }
    olm3test::PlanungsUmgebung u;
};

QStringList zellen(const QTableWidget* grid) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out += olm3test::Spalte(grid, c);
    return out;
}

} // namespace

TEST_F(Optimise, EachLegIsReportedWithTheLegsSoFar) {
    std::vector<std::pair<bool, size_t>> beiJedemLeg;
    u.host.beimLeg = [&] { beiJedemLeg.push_back(optimiert()); };
    ASSERT_TRUE(u.olm.SetRouteOptimiert({101, 104}, {104, 110}, QDateTime()));
    EXPECT_EQ(u.host.events, (QStringList{"RouteOptimiertAus", "RouteOptimiertAn", "RouteOptimiertAn"}));
    EXPECT_EQ(u.host.von, (std::vector<olm3test::Ids>{{101, 0}, {101, 104}}));
    EXPECT_EQ(u.host.nach[0], (olm3test::Ids{104, 0}));
    EXPECT_EQ(beiJedemLeg.front(), (std::pair<bool, size_t>{true, 3}));
    EXPECT_FALSE(u.olm.state().frmStatus) << "the status window is gone when the computation is done";
}

TEST_F(Optimise, TheBreakButtonStopsTheComputationAndDiscardsTheRoute) {
    // Click the break button as soon as the status window is up; the computation processes events after
    // every row, so the click lands in the middle of it.
    bool clicked = false;
    QTimer clicker;
    clicker.setInterval(0);
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        auto* frm = qobject_cast<frmStatus*>(u.olm.state().frmStatus.data());
        if (clicked || !frm || !frm->isVisible()) return;
        clicked = true;
        QTest::mouseClick(frm->ucBreak->fpb(), Qt::LeftButton);
    });
    clicker.start();
    const bool result = u.olm.SetRouteOptimiert({101, 104, 201}, {104, 110, 204}, QDateTime());
    clicker.stop();
    ASSERT_TRUE(clicked);
    EXPECT_FALSE(result);
    EXPECT_TRUE(u.host.events.contains("BreakOptimierer"));
    EXPECT_EQ(u.host.events.last(), "RouteOptimiertAus");
    EXPECT_LT(u.host.von.size(), 3u);
    EXPECT_EQ(optimiert(), (std::pair<bool, size_t>{false, 0}));
    // The break asked for this computation only: the next one runs to its end.
    EXPECT_FALSE(u.olm.state().blnBreakOptimierer);
    ASSERT_TRUE(u.olm.SetRouteOptimiert({101}, {110}, QDateTime()));
}

TEST_F(Optimise, TheReportAfterADeletedRouteIsAnEmptyOne) {
    ASSERT_TRUE(u.olm.SetRouteOptimiert({101, 104}, {104, 110}, QDateTime()));
    u.olm.DeleteRouteOptimiert();
    EXPECT_EQ(optimiert(), (std::pair<bool, size_t>{false, 0}));
    u.olm.RoutenOptimiererReport(true);
    auto* frm = qobject_cast<frmRoutenOptimiererBericht*>(u.olm.state().frmBericht.data());
    ASSERT_TRUE(frm);
    frmRoutenOptimiererBericht leer;
    leer.FuelleBericht(0, 0, 0, 0, u.olm.StartZeit());
    EXPECT_EQ(zellen(frm->grdReport()), zellen(leer.grdReport()));
}
