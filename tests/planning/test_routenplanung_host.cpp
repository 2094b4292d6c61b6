// Route planning through the facade, as a host drives it: planning, the optimiser run inside the
// StartOptimierer event, and reopening planning when no route was found.

#include "component/clsOLM3BinnenState.h"
#include "planning/frmRoutenPlanung.h"
#include "planninghost.h"
#include "ui/messagebox.h"
#include "ui/wochentag.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

using olm3test::FensterRoute;
using olm3test::Ids;
using olm3test::Klick;
using olm3test::ModalScript;
using olm3test::PlanungsUmgebung;

TEST(PlanningMainRoad, FromPlanningToTheHostsOptimiser) {
    PlanungsUmgebung u;
    u.olm.SetRouteGeplant({101, 110});
    double lg = 13.2, bg = 52.4;
    bool valid = true;
    QPointer<frmRoutenPlanung> gezeigt;
    ModalScript modal([&](QDialog* dlg) {
        auto* frm = qobject_cast<frmRoutenPlanung*>(dlg);
        ASSERT_TRUE(frm);
        gezeigt = frm;
        EXPECT_EQ(FensterRoute(*frm), (Ids{101, 110}));
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
    EXPECT_TRUE(gezeigt.isNull());
    EXPECT_EQ(u.host.optimiererPunkte, (Ids{101, 110}));
    EXPECT_EQ(u.host.optimiererStart, olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    EXPECT_EQ(u.host.von.size(), 1u);
    EXPECT_TRUE(u.olm.IsStartZeitSet());
    EXPECT_FALSE(u.host.events.contains("Schiffsparameter"));
}

TEST(PlanningMainRoad, AHostThatFindsNoRouteGetsPlanningAgainAtTheStoredPositionFromARealModalLoop) {
    // No scripted driver here: the windows run their own modal loops, as for a user.
    const olm3ui::ModalHandler ohneSkript = olm3ui::SetModalHandler({});
    const auto zurueck = qScopeGuard([&] { olm3ui::SetModalHandler(ohneSkript); });
    PlanungsUmgebung u;
    u.olm.SetRouteGeplant({101, 104, 110});
    u.host.optimiererFindetRoute = false;
    double lg = 13.2, bg = 52.4;
    bool valid = true;
    QPointer<frmRoutenPlanung> erstes, zweites;
    QTimer::singleShot(0, [&] {
        erstes = qobject_cast<frmRoutenPlanung*>(QApplication::activeModalWidget());
        ASSERT_TRUE(erstes);
        // Opened again from inside the optimiser event, with the route and the first position; the user
        // closes it with the back button.
        QTimer::singleShot(0, [&] {
            zweites = qobject_cast<frmRoutenPlanung*>(QApplication::activeModalWidget());
            ASSERT_TRUE(zweites);
            EXPECT_NE(zweites, erstes);
            EXPECT_TRUE(erstes) << "the first window lives until its own button handler is done";
            EXPECT_EQ(FensterRoute(*zweites), (Ids{101, 104, 110}));
            EXPECT_DOUBLE_EQ(u.olm.state().dblLgInit, 13.2);
            EXPECT_DOUBLE_EQ(u.olm.state().dblBgInit, 52.4);
            EXPECT_TRUE(u.olm.state().blnValidInit);
            EXPECT_EQ(u.olm.state().frmRoutenPlanung.data(), zweites.data());
            Klick(zweites->fpBack());
        });
        Klick(erstes->fpOptimieren());
    });
    u.olm.RoutenPlanung(lg, bg, valid);
    EXPECT_TRUE(erstes.isNull());
    EXPECT_TRUE(zweites.isNull());
    EXPECT_TRUE(u.olm.state().frmRoutenPlanung.isNull());
    EXPECT_EQ(u.host.events, (QStringList{"StartOptimierer", "RoutenPlanungClose"}));
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
