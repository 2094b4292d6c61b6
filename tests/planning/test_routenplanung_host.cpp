// Route planning through the facade, as a host drives it: planning, the chart pick, the optimiser run
// inside the StartOptimierer event, and reopening planning when no route was found.

#include "component/clsOLM3BinnenState.h"
#include "planning/frmRoutenPlanung.h"
#include "planninghost.h"
#include "ui/wochentag.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

using olm3test::Klick;
using olm3test::ModalScript;
using olm3test::PlanungsUmgebung;

namespace {
std::vector<std::int32_t> gridIds(const frmRoutenPlanung* frm) {
    std::vector<std::int32_t> r;
    for (int i = 0; i < frm->grdRoute()->rowCount(); ++i)
        r.push_back(frm->RowData(i).toInt());
    return r;
}
} // namespace

TEST(PlanningMainRoad, FromPlanningThroughTheChartPickToTheHostsOptimiser) {
    PlanungsUmgebung u;
    u.olm.SetRouteGeplant({101});
    u.host.pktKarte = 110;
    double lg = 13.2, bg = 52.4;
    bool valid = true;

    // First opening: the planned point comes in through Init; the user fetches the next one from the chart.
    int oeffnungen = 0;
    {
        ModalScript modal([&](QDialog* dlg) {
            auto* frm = qobject_cast<frmRoutenPlanung*>(dlg);
            ASSERT_TRUE(frm);
            ++oeffnungen;
            EXPECT_EQ(gridIds(frm), std::vector<std::int32_t>{101});
            EXPECT_FALSE(frm->fpOptimieren()->Enabled());
            Klick(frm->fpKarte());
            EXPECT_FALSE(frm->isVisible());
        });
        u.olm.RoutenPlanung(lg, bg, valid);
    }
    EXPECT_EQ(u.host.events, QStringList{"RoutenPktKarte"});
    EXPECT_EQ(u.route(), (std::vector<std::int32_t>{101, 110}));
    EXPECT_TRUE(u.olm.state().frmRoutenPlanung.isNull()) << "unloaded when it closed";

    // The host opens planning again; the user sets the start and optimises.
    u.host.events.clear();
    QPointer<frmRoutenPlanung> gezeigt;
    {
        ModalScript modal([&](QDialog* dlg) {
            auto* frm = qobject_cast<frmRoutenPlanung*>(dlg);
            ASSERT_TRUE(frm);
            gezeigt = frm;
            EXPECT_EQ(gridIds(frm), (std::vector<std::int32_t>{101, 110}));
            ASSERT_TRUE(frm->fpOptimieren()->Enabled());
            frm->fpStartDateTime()->SetDatumZeit(QDate(2008, 6, 2), QTime(10, 0));
            u.host.beimOptimieren = [&] {
                // The facade has let go of the window before the host runs its optimiser.
                EXPECT_TRUE(u.olm.state().frmRoutenPlanung.isNull());
                EXPECT_TRUE(gezeigt);
                EXPECT_FALSE(gezeigt->isVisible());
            };
            Klick(frm->fpOptimieren());
        });
        u.olm.RoutenPlanung(lg, bg, valid);
        EXPECT_EQ(modal.aufrufe, 1) << "a route was found: planning does not open again";
    }
    EXPECT_TRUE(gezeigt.isNull());
    EXPECT_EQ(u.host.optimiererPunkte, (std::vector<std::int32_t>{101, 110}));
    EXPECT_EQ(u.host.optimiererStart, olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    EXPECT_EQ(u.host.legs, 1);
    EXPECT_TRUE(u.olm.IsStartZeitSet());
    EXPECT_DOUBLE_EQ(u.cfg.marschV, 6.0);
    EXPECT_FALSE(u.host.events.contains(QStringLiteral("Schiffsparameter")));
    EXPECT_EQ(oeffnungen, 1);
    EXPECT_TRUE(u.cfg.missingTexts.isEmpty());
}

TEST(PlanningMainRoad, AHostThatFindsNoRouteGetsPlanningAgainAtTheStoredPosition) {
    PlanungsUmgebung u;
    u.olm.SetRouteGeplant({101, 104, 110});
    u.host.optimiererFindetRoute = false;
    double lg = 13.2, bg = 52.4;
    bool valid = true;
    std::vector<QPointer<frmRoutenPlanung>> fenster;
    ModalScript modal([&](QDialog* dlg) {
        auto* frm = qobject_cast<frmRoutenPlanung*>(dlg);
        ASSERT_TRUE(frm);
        fenster.push_back(frm);
        if (fenster.size() == 1) {
            Klick(frm->fpOptimieren());
            return;
        }
        // Opened again from inside the optimiser event, with the route and the first position.
        EXPECT_EQ(gridIds(frm), (std::vector<std::int32_t>{101, 104, 110}));
        EXPECT_DOUBLE_EQ(u.olm.state().dblLgInit, 13.2);
        EXPECT_DOUBLE_EQ(u.olm.state().dblBgInit, 52.4);
        EXPECT_TRUE(u.olm.state().blnValidInit);
        EXPECT_EQ(u.olm.state().frmRoutenPlanung.data(), frm);
        EXPECT_TRUE(fenster[0]) << "the first window lives until its own button handler is done";
        Klick(frm->fpBack());
    });
    u.olm.RoutenPlanung(lg, bg, valid);
    ASSERT_EQ(fenster.size(), 2u);
    EXPECT_TRUE(fenster[0].isNull());
    EXPECT_TRUE(fenster[1].isNull());
    EXPECT_TRUE(u.olm.state().frmRoutenPlanung.isNull());
    EXPECT_EQ(u.host.events, (QStringList{"StartOptimierer", "RoutenPlanungClose"}));
}

TEST(PlanningMainRoad, OptimisingFromARealModalLoopUnloadsTheWindowsSafely) {
    // No scripted driver here: the windows run their own modal loops, as for a user.
    PlanungsUmgebung u;
    u.olm.SetRouteGeplant({101, 110});
    u.host.optimiererFindetRoute = false;
    double lg = 0, bg = 0;
    bool valid = false;
    QPointer<frmRoutenPlanung> erstes, zweites;
    QTimer::singleShot(0, [&] {
        erstes = qobject_cast<frmRoutenPlanung*>(QApplication::activeModalWidget());
        ASSERT_TRUE(erstes);
        // The window planning opens again is closed by the user with the back button.
        QTimer::singleShot(0, [&] {
            zweites = qobject_cast<frmRoutenPlanung*>(QApplication::activeModalWidget());
            ASSERT_TRUE(zweites);
            EXPECT_NE(zweites, erstes);
            Klick(zweites->fpBack());
        });
        Klick(erstes->fpOptimieren());
    });
    u.olm.RoutenPlanung(lg, bg, valid);
    EXPECT_TRUE(erstes.isNull());
    EXPECT_TRUE(zweites.isNull());
    EXPECT_EQ(u.host.events, (QStringList{"StartOptimierer", "RoutenPlanungClose"}));

    // And with a route found, the one window closes for good.
    u.host.optimiererFindetRoute = true;
    u.host.events.clear();
    QTimer::singleShot(0, [&] {
        erstes = qobject_cast<frmRoutenPlanung*>(QApplication::activeModalWidget());
        ASSERT_TRUE(erstes);
        Klick(erstes->fpOptimieren());
    });
    u.olm.RoutenPlanung(lg, bg, valid);
    EXPECT_TRUE(erstes.isNull());
    EXPECT_EQ(u.host.events.count(QStringLiteral("RouteOptimiertAn")), 1);
}

TEST(PlanningFacade, PrintOnlyLoadsWithoutShowingAndKeepsThePosition) {
    PlanungsUmgebung u;
    u.olm.SetRouteGeplant({101, 110});
    double lg = 13.2, bg = 52.4;
    bool valid = true;
    ModalScript modal([](QDialog* dlg) { dlg->hide(); });
    u.olm.RoutenPlanung(lg, bg, valid);
    double lg2 = 1, bg2 = 2;
    bool valid2 = false;
    u.olm.RoutenPlanung(lg2, bg2, valid2, true, true);
    EXPECT_EQ(modal.aufrufe, 1);
    EXPECT_DOUBLE_EQ(u.olm.state().dblLgInit, 13.2);
    EXPECT_TRUE(u.olm.state().blnValidInit);
    QPointer<QWidget> geladen = u.olm.state().frmRoutenPlanung;
    ASSERT_TRUE(geladen);
    EXPECT_FALSE(geladen->isVisible());
    EXPECT_EQ(u.host.events, (QStringList{"RouteOptimiertAus", "RouteChange"}))
        << "print-only with redrawing still reports the route";
    u.olm.RoutenPlanungAus();
    EXPECT_TRUE(geladen.isNull());
}
