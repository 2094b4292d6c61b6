// The optimiser report window, filled from a computed route, as a user sees it.

#include "component/clsOLM3BinnenState.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "support/fakehost.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

#include <QTableWidget>
#include <gtest/gtest.h>

TEST(ReportWindow, ShowsTheTotalsOfTheOptimisedRouteAndClosesWithBack) {
    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    cfg.katalog = olm3test::MakeCatalogueFromFixtures(dir, "1_K.sqlite", {"mini"});
    cfg.berichtWert = 6.5;
    clsOLM3Binnen olm;
    ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    ASSERT_TRUE(olm.SetRouteOptimiert({101}, {110}, QDateTime()));
    olm3test::ModalScript fenster([](QDialog* dlg) {
        auto* report = qobject_cast<frmRoutenOptimiererBericht*>(dlg);
        ASSERT_TRUE(report);
        QTableWidget* grid = report->grdReport();
        // The ten lines of the totals and the trip's days: the route of 1.85 h fits into one cruising day.
        EXPECT_EQ(grid->rowCount(), 11);
        EXPECT_EQ(grid->item(10, 0)->text(), "Reisetage:  ");
        EXPECT_EQ(grid->item(10, 1)->text(), "1");
        EXPECT_EQ(grid->item(0, 1)->text(), "9.0");
        // T = 1.85 h rounds to 1.8 h (a half to even): 10:00 + 1:48.
        EXPECT_EQ(grid->item(2, 1)->text(), "02.06.2008  11:48");
        EXPECT_EQ(grid->columnSpan(0, 1), 2);
        EXPECT_EQ(grid->item(9, 1)->text(), "9.8") << "1.5 h of travel at 6.5 l/h";
        report->grab().save(QStringLiteral(OLM3_TEST_OUTPUT "/frmRoutenOptimiererBericht.png"));
        olm3test::Klick(report->pbBack());
        EXPECT_FALSE(dlg->isVisible());
    });
    olm.RoutenOptimiererReport();
    EXPECT_EQ(fenster.aufrufe, 1);
    // Print-only fills the report without showing it.
    olm.RoutenOptimiererReport(true);
    EXPECT_EQ(fenster.aufrufe, 1);
    ASSERT_TRUE(olm.state().frmBericht);
    EXPECT_FALSE(olm.state().frmBericht->isVisible());
}
