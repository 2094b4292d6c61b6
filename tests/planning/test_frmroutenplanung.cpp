// The route planning window as a user works with it: what the grid shows, what each button does to the
// route, the start time and speed fields, and bad input.

#include "component/clsOLM3BinnenState.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "planning/frmFahrtag.h"
#include "planning/frmRouteGeplantLoadSave.h"
#include "planning/frmRoutenPlanung.h"
#include "planninghost.h"
#include "ui/ucOLMButton.h"
#include "ui/wochentag.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>

using namespace modOLM3Binnen;
using olm3test::FensterRoute;
using olm3test::Ids;
using olm3test::Klick;
using olm3test::PlanungsFenster;
using olm3test::PlanungsUmgebung;
using olm3test::Zeilen;

/// A host with the mini catalogue open.
struct RoutePlanningWindow : ::testing::Test {
    PlanungsUmgebung u;
};
using RoutePlanningBadInput = RoutePlanningWindow;

TEST_F(RoutePlanningWindow, ShowsEachPointWithItsCatalogueData) {
    auto frm = PlanungsFenster(u, {101, 102, 104, 105, 204}, false);
    QTableWidget* g = frm->grdRoute();
    EXPECT_TRUE(u.host.events.isEmpty()) << "filled without redrawing: nothing is reported";
    // Number, km (dashes without any), waterway, name (a junction: the waterway it leads to), waterway id.
    EXPECT_EQ(Zeilen(g, {0, 1, 4, 6, 7}),
              (QStringList{"1|10.0|Havel-Test||1", "2|11.0|Havel-Test|Testbrücke|1",
                           "3|13.0|Havel-Test|Schleuse Eins|1", "4|14.0|Havel-Test|Kanal-Test|1",
                           "5|-----|Kanal-Test||2"}));
    // km bold where the chainage is the official one
    EXPECT_TRUE(g->item(0, 1)->font().bold());
    EXPECT_FALSE(g->item(1, 1)->font().bold());
    EXPECT_EQ(g->item(0, 2)->text(), FormatBg(52.5));
    EXPECT_TRUE(u.messages.messages().empty());
    EXPECT_TRUE(u.cfg.missingTexts.isEmpty())
        << u.cfg.missingTexts.values().join(QLatin1Char(' ')).toStdString();
}

TEST_F(RoutePlanningWindow, EmptyRouteShowsNothingReportsNothingAndCannotBeOptimised) {
    auto frm = PlanungsFenster(u, {0}, true);
    EXPECT_EQ(frm->grdRoute()->rowCount(), 0);
    EXPECT_FALSE(frm->fpOptimieren()->Enabled());
    EXPECT_FALSE(frm->fpSave()->Enabled());
    // Delete and move have nothing to work on and report nothing.
    Klick(frm->fpDelete());
    Klick(frm->fpMoveOben());
    Klick(frm->fpMoveUnten());
    EXPECT_TRUE(u.host.events.isEmpty());
}

TEST_F(RoutePlanningWindow, MovesAndDeletesRowsReportingEveryChangeAndDeleteAllResetsTheFields) {
    u.StartGesetzt(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)), 9.5);
    u.cfg.marschV = 7.0;
    olm3test::ModalScript modal([](QDialog*) {});
    auto frm = PlanungsFenster(u, {101, 104, 110});
    EXPECT_DOUBLE_EQ(frm->fpMarschGeschw()->value(), 9.5);
    QTableWidget* g = frm->grdRoute();
    ASSERT_EQ(u.host.events, (QStringList{"RouteOptimiertAus", "RouteChange"}));
    EXPECT_EQ(u.host.letzteLg, (std::vector<double>{13.0, 13.03, 13.09}));
    EXPECT_EQ(u.host.letzteBg, (std::vector<double>(3, 52.5)));
    u.host.events.clear();
    // Clicks the button on the row given (-1: on the current one) and hands back the window's route.
    const auto klick = [&](int zeile, ucOLMButton* b) {
        if (zeile >= 0) g->setCurrentCell(zeile, 0);
        Klick(b);
        return FensterRoute(*frm);
    };
    // At the ends nothing moves, but the route is reported all the same.
    EXPECT_EQ(klick(0, frm->fpMoveOben()), (Ids{101, 104, 110}));
    EXPECT_EQ(klick(2, frm->fpMoveUnten()), (Ids{101, 104, 110}));
    EXPECT_EQ(u.host.events.count("RouteChange"), 2);
    EXPECT_EQ(klick(0, frm->fpMoveUnten()), (Ids{104, 101, 110}));
    EXPECT_EQ(klick(-1, frm->fpMoveUnten()), (Ids{104, 110, 101})) << "the moved point stays current";
    EXPECT_EQ(Zeilen(g, {0, 1}), (QStringList{"1|13.0", "2|19.0", "3|10.0"})) << "whole rows move";
    EXPECT_EQ(u.route(), (Ids{104, 110, 101}));
    EXPECT_EQ(klick(0, frm->fpDelete()), (Ids{110, 101}));
    klick(-1, frm->fpDelete());
    ASSERT_EQ(g->rowCount(), 1);
    EXPECT_EQ(u.route().size(), 1u);
    // Down to one point optimise and save stay enabled, but do nothing.
    u.host.events.clear();
    EXPECT_TRUE(frm->fpOptimieren()->Enabled());
    EXPECT_TRUE(frm->fpSave()->Enabled());
    Klick(frm->fpOptimieren());
    Klick(frm->fpSave());
    EXPECT_TRUE(u.host.events.isEmpty());
    EXPECT_EQ(modal.aufrufe, 0);
    EXPECT_TRUE(frm->isVisible());
    // Delete all, answered Yes, gives the fields back to today and the host's speed.
    Klick(frm->fpDeleteAll());
    EXPECT_EQ(g->rowCount(), 0);
    EXPECT_EQ(u.route(), Ids{0});
    EXPECT_FALSE(u.olm.IsStartZeitSet());
    EXPECT_EQ(u.host.events, (QStringList{"RouteOptimiertAus", "RouteChange", "RouteOptimiertAus"}));
    EXPECT_DOUBLE_EQ(frm->fpMarschGeschw()->value(), 7.0) << "the host's cruising speed again";
    EXPECT_EQ(frm->fpStartDateTime()->date(), QDate::currentDate());
}

TEST_F(RoutePlanningWindow, StartTimeShowsTheWeekdayOfTheTextTableSpeedItsLimitsAndToolTipsTheHostsSwitch) {
    u.StartGesetzt(olm3::MakeDatum(QDate(2008, 6, 1), QTime(10, 5, 30)), 250.0);
    auto frm = PlanungsFenster(u, {101, 110}, false);
    olm3ui::WochentagDateTimeEdit* start = frm->fpStartDateTime();
    EXPECT_EQ(start->text(), "So 01.06.2008 10:05");
    EXPECT_EQ(frm->StartMoment(), olm3::MakeDatum(QDate(2008, 6, 1), QTime(10, 5)))
        << "seconds are not taken";
    EXPECT_DOUBLE_EQ(frm->fpMarschGeschw()->value(), 100.0);
    // The field starts on the day, so that stepping works at once; the weekday comes along.
    start->stepBy(1);
    EXPECT_EQ(start->text(), "Mo 02.06.2008 10:05");
    // "2" alone is already a day of another weekday: the weekday may change while the user types on.
    start->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(start, "27");
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_EQ(start->date(), QDate(2008, 6, 27));
    EXPECT_EQ(start->text(), "Fr 27.06.2008 10:05");
    // every weekday of the text table
    QStringList tage;
    for (int i = 0; i < 7; ++i)
        tage << olm3ui::WochentagKurz(frmRoutenPlanung::kModul, QDate(2008, 6, 2).addDays(i));
    EXPECT_EQ(tage, (QStringList{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}));
    // Every Init reads the host's tool-tip switch again.
    EXPECT_EQ(frm->fpBack()->toolTip(), "Zurück");
    u.cfg.toolTips = false;
    frm->Init({101, 110}, nullptr, false);
    EXPECT_TRUE(frm->fpBack()->toolTip().isEmpty());
}

TEST_F(RoutePlanningWindow, BackAndTheCloseBoxTellTheHostAndOnlyHideTheChartPickHandsOverStartSpeedAndRow) {
    u.host.pktKarte = 106;
    u.olm.SetRouteGeplant({101, 110});
    u.olm.IsStartZeitSet(true);
    auto frm = PlanungsFenster(u, u.route(), false);
    for (bool blnZurueck : {true, false}) {
        frm->show();
        u.olm.IsStartZeitSet(true);
        if (blnZurueck)
            Klick(frm->fpBack());
        else
            frm->close();
        EXPECT_FALSE(frm->isVisible());
        EXPECT_FALSE(u.olm.IsStartZeitSet());
        EXPECT_EQ(u.host.events, QStringList(blnZurueck ? 1 : 2, "RoutenPlanungClose"));
    }
    frm->show();
    frm->fpStartDateTime()->SetDatumZeit(QDate(2008, 6, 2), QTime(8, 30));
    frm->fpMarschGeschw()->setValue(11.5);
    frm->grdRoute()->setCurrentCell(0, 0);
    Klick(frm->fpKarte());
    EXPECT_FALSE(frm->isVisible());
    EXPECT_TRUE(u.olm.IsStartZeitSet());
    EXPECT_EQ(u.olm.StartZeit(), olm3::MakeDatum(QDate(2008, 6, 2), QTime(8, 30)));
    EXPECT_DOUBLE_EQ(u.olm.MarschV(), 11.5);
    EXPECT_EQ(u.route(), (Ids{101, 106, 110}));
}

TEST_F(RoutePlanningWindow, APointFromTheBrowserGoesInAfterTheCurrentRowAndNoPointLeavesTheRouteAlone) {
    auto frm = PlanungsFenster(u, {110}, false);
    ASSERT_FALSE(frm->fpOptimieren()->Enabled());
    bool gesperrt = false;
    olm3test::ModalScript browser([&](QDialog*) {
        // Planning waits for the browser, disabled.
        gesperrt = !frm->isEnabled();
    });
    // Opened without a chart position the browser starts on its waterway list and hands back no point.
    Klick(frm->fpBinnenInfo());
    EXPECT_TRUE(gesperrt);
    EXPECT_EQ(FensterRoute(*frm), Ids{110});
    EXPECT_TRUE(u.host.events.isEmpty());
    EXPECT_TRUE(frm->isEnabled());
    EXPECT_FALSE(QGuiApplication::overrideCursor());
    // Planning was opened at a chart position: the browser starts there and hands back a point of it.
    u.olm.state().dblLgInit = 13.0;
    u.olm.state().dblBgInit = 52.5;
    u.olm.state().blnValidInit = true;
    Klick(frm->fpBinnenInfo());
    EXPECT_EQ(browser.aufrufe, 2);
    EXPECT_EQ(FensterRoute(*frm), (Ids{110, 101}));
    EXPECT_EQ(frm->grdRoute()->currentRow(), 1);
    EXPECT_EQ(u.route(), FensterRoute(*frm)) << "the new route is reported";
    EXPECT_TRUE(frm->fpOptimieren()->Enabled());
}

TEST_F(RoutePlanningWindow, SavesLoadsBackReversedAndAsksBeforeAnUnsavedPlanIsThrownAway) {
    ADODB::ConnectionPtr routen;
    ASSERT_TRUE(ADO_Open_Connection(olm3test::MakeRoutesDatabase(u.dir), routen, {}, {}, {}, false));
    u.olm.conWPundRoutenDB(routen);
    auto frm = PlanungsFenster(u, {101, 104, 110});
    frm->fpStartDateTime()->SetDatumZeit(QDate(2008, 6, 2), QTime(10, 0));
    frm->fpMarschGeschw()->setValue(8.5);
    // The saved-routes window saves the plan the first time; then it loads the route reversed or is left.
    int fenster = 0;
    bool laden = false;
    olm3test::ModalScript modal([&](QDialog* dlg) {
        auto* ls = qobject_cast<frmRouteGeplantLoadSave*>(dlg);
        ASSERT_TRUE(ls);
        if (++fenster == 1) {
            ls->txtRoutenbezeichnung()->setText("Havel abwärts");
            return Klick(ls->pbLoadSave());
        }
        ASSERT_EQ(ls->grdRouten()->rowCount(), 1);
        if (!laden) return Klick(ls->pbBack());
        ls->grdRouten()->setCurrentCell(0, 0);
        olm3test::KlickBox(ls->chkInvers());
        Klick(ls->pbLoadSave());
    });
    {
        // "No" keeps the plan; the question names what would be lost.
        olm3test::MessageRecorder meldungen({vbNo, vbNo, vbNo});
        Klick(frm->fpDeleteAll());
        EXPECT_EQ(frm->grdRoute()->rowCount(), 3);
        u.olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
        ASSERT_TRUE(u.olm.SetRouteOptimiert({101}, {110}, QDateTime()));
        Klick(frm->fpDeleteAll());
        std::vector<typRouteOptimiert> route;
        RouteOptimiertSummen summen;
        EXPECT_TRUE(u.olm.GetRouteOptimiert(route, summen)) << "the optimised route is kept too";
        // Never saved: loading another route would throw the plan away.
        Klick(frm->fpLoad());
        EXPECT_EQ(fenster, 0);
        ASSERT_EQ(meldungen.texts(),
                  (QStringList{"Die geplante Route vollständig löschen?",
                               "Die geplante Route und die optimierte Route vollständig löschen?",
                               "Die geplante Route wurde seit dem letzten Speichern geändert. "
                               "Eine gespeicherte Route laden und die Änderungen verwerfen?"}));
        EXPECT_EQ(meldungen.messages()[2].style & 7, vbYesNo);
    }
    // Saved, the plan can be replaced without a question; leaving the saved routes unloaded changes nothing.
    olm3test::MessageRecorder meldungen;
    Klick(frm->fpSave());
    u.host.events.clear();
    Klick(frm->fpLoad());
    EXPECT_EQ(fenster, 2);
    EXPECT_TRUE(meldungen.messages().empty());
    EXPECT_EQ(FensterRoute(*frm), (Ids{101, 104, 110}));
    EXPECT_TRUE(u.host.events.isEmpty());
    // Changed again, the question is back; answered Yes, the saved route comes in reversed and is reported.
    frm->grdRoute()->setCurrentCell(1, 0);
    Klick(frm->fpDelete());
    laden = true;
    Klick(frm->fpLoad());
    EXPECT_EQ(meldungen.messages().size(), 1u);
    EXPECT_EQ(fenster, 3);
    EXPECT_EQ(FensterRoute(*frm), (Ids{110, 104, 101}));
    EXPECT_EQ(u.route(), (Ids{110, 104, 101}));
    u.olm.conWPundRoutenDB(nullptr);
}

TEST_F(RoutePlanningBadInput, PointsTheCatalogueLacksAreNamedAndLeftOut) {
    auto frm = PlanungsFenster(u, {101, 999, 110, 998}, true);
    EXPECT_EQ(FensterRoute(*frm), (Ids{101, 110}));
    ASSERT_EQ(u.messages.texts(), QStringList{GetText(frmRoutenPlanung::kModul, 9120).arg("999, 998")});
    EXPECT_EQ(u.messages.messages()[0].style & 0x70, vbExclamation);
    EXPECT_EQ(u.route(), (Ids{101, 110}));
}

TEST_F(RoutePlanningBadInput, WithoutACatalogueThePlannedRouteIsKept) {
    u.cfg.katalog.clear();
    u.olm.Init(&u.cfg, nullptr, nullptr);
    u.olm.SetRouteGeplant({101, 110});
    auto frm = PlanungsFenster(u, u.route(), true);
    EXPECT_EQ(frm->grdRoute()->rowCount(), 0);
    EXPECT_EQ(u.messages.texts(), QStringList{GetText(frmRoutenPlanung::kModul, 9121)});
    EXPECT_TRUE(u.host.events.isEmpty());
    EXPECT_EQ(u.route(), (Ids{101, 110}));
    Klick(frm->fpMoveOben());
    Klick(frm->fpDelete());
    EXPECT_EQ(u.route(), (Ids{101, 110}));
}

TEST_F(RoutePlanningBadInput, SpeedZeroAndMissingVesselParametersDoNotStopOptimising) {
    u.cfg.marschV = 0.0;
    u.cfg.schiffsparameter = false;
    auto frm = PlanungsFenster(u, {101, 110}, false);
    // The field cannot hold 0: it shows its minimum, and that is what the optimiser gets.
    EXPECT_DOUBLE_EQ(frm->fpMarschGeschw()->value(), 0.1);
    Klick(frm->fpOptimieren());
    EXPECT_EQ(u.host.events.first(), "Schiffsparameter");
    EXPECT_TRUE(u.host.events.contains("StartOptimierer"));
    EXPECT_DOUBLE_EQ(u.cfg.marschV, 0.1);
    EXPECT_DOUBLE_EQ(u.olm.MarschV(), 0.1);
}

// The cruising day of the day stages: the planning window's button opens its dialog; bad input is said
// and changes nothing, good input is kept in the settings file and shown the next time.
TEST_F(RoutePlanningWindow, TheCruisingDayDialogChecksAndKeepsItsValues) {
    auto frm = PlanungsFenster(u, {101, 110}, false);
    olm3test::ModalScript modal([&](QDialog* dlg) {
        auto* tag = qobject_cast<frmFahrtag*>(dlg);
        ASSERT_TRUE(tag);
        // an end before the beginning: said, the dialog stays, nothing stored
        tag->txtBeginn()->setText("19:00");
        QTest::mouseClick(tag->pbOK(), Qt::LeftButton);
        ASSERT_EQ(u.messages.messages().size(), 1u);
        EXPECT_TRUE(tag->isVisible());
        EXPECT_EQ(tag->Fahrtag().tmBeginn, QTime(9, 0));
        EXPECT_FALSE(QFile::exists(u.cfg.iniDatei));
        u.messages.clear();
        tag->txtBeginn()->setText("8:30");
        tag->txtEnde()->setText("19:15");
        tag->chkWarteGrenze()->setChecked(false);
        QTest::mouseClick(tag->pbOK(), Qt::LeftButton);
        EXPECT_TRUE(u.messages.messages().empty());
        EXPECT_FALSE(tag->isVisible());
    });
    Klick(frm->fpFahrtag());
    EXPECT_EQ(modal.aufrufe, 1);
    frmFahrtag wieder;
    EXPECT_EQ(wieder.txtBeginn()->text(), "08:30");
    EXPECT_EQ(wieder.txtEnde()->text(), "19:15");
    EXPECT_FALSE(wieder.chkWarteGrenze()->isChecked());
    EXPECT_FALSE(wieder.txtWarteGrenze()->isEnabled());
}

TEST_F(RoutePlanningWindow, LongNamesGiveWaySoThatTheNameColumnStaysInView) {
    auto frm = PlanungsFenster(u, {101, 104, 110});
    const QString lang("Untere Havel-Wasserstraße (Spandau - Potsdam - Brandenburg - Plaue) "
                       "und noch viel weiter bis an das Ende der Welt");
    QTableWidget* g = frm->grdRoute();
    g->item(0, frmRoutenPlanung::colGewaesser)->setText(lang);
    frm->resize(900, 500);
    QCoreApplication::processEvents();
    const int rechts = g->columnViewportPosition(frmRoutenPlanung::colBezeichnung);
    EXPECT_LT(rechts, g->viewport()->width() - 60) << "the name column begins inside the grid";
}
