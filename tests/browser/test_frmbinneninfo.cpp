// The waterway information browser as a user drives it through the component: the four views, the type
// boxes, the history, the hand-back of a position or point, and the radius search with a scripted host.

#include "browser/frmBinneninfo.h"
#include "browser/frmUXAUmkreisSuche.h"
#include "browser/routenansicht.h"
#include "component/clsOLM3BinnenState.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "olm3binnen/events.h"
#include "olm3binnen/hostservices.h"
#include "support/fakehost.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A chart position a few metres from point 104, the lock of the Havel-Test.
constexpr double kLg = 13.0301;
constexpr double kBg = 52.5001;

const QString kAlleTypen = QStringLiteral("'A', 'T', 'H', 'S', 'L', 'B', 'W'");

/// A scripted radius-search service of the host: it reports progress step by step while window events run,
/// lets the test act between the steps, and stops when the component raises BreakOptimierer.
class ScriptedKWS : public IOLM3KWS, public clsOLM3BinnenEvents {
public:
    /// The results of the next search (the count handed back is their number).
    std::vector<std::int32_t> punkteID;
    std::vector<double> strecke;
    /// The counts found so far, reported one per step.
    std::vector<std::int32_t> fortschritt;
    /// How long each step lasts, with window events processed (timer ticks of the browser).
    int schrittMs = 0;
    /// Called after each reported step with its index; a test clicks, checks or takes a picture here.
    std::function<void(int)> beiSchritt;

    // What the last search was asked for.
    int suchen = 0;
    std::int32_t zentrum = 0;
    QString typ;
    double umkreis = 0.0;
    bool abgebrochen = false;
    int breaks = 0;

    void KWSUmkreisSuche(std::int32_t& lngZentrumPunkteID, QString& strTyp, double& dblUmkreis,
                         bool& blnErgebnis, IOLM3KWSEvents* pEvents) override {
        ++suchen;
        zentrum = lngZentrumPunkteID;
        typ = strTyp;
        umkreis = dblUmkreis;
        abgebrochen = false;
        m_gefunden = 0;
        for (int i = 0; i < static_cast<int>(fortschritt.size()) && !abgebrochen; ++i) {
            m_gefunden = fortschritt[static_cast<size_t>(i)];
            if (pEvents) pEvents->KWSUmkreisSucheObjGefunden(m_gefunden);
            QElapsedTimer uhr;
            uhr.start();
            do {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                QThread::msleep(1);
            } while (uhr.elapsed() < schrittMs);
            if (beiSchritt) beiSchritt(i);
        }
        blnErgebnis = !abgebrochen;
    }

    void KWSUmkreisSucheErgebnis(std::vector<std::int32_t>& alngPunkteID, std::vector<double>& adblStrecke,
                                 std::int32_t& lngAnzahl) override {
        alngPunkteID = punkteID;
        adblStrecke = strecke;
        // A broken search hands back what it had found by then.
        if (abgebrochen && m_gefunden < static_cast<std::int32_t>(alngPunkteID.size())) {
            alngPunkteID.resize(static_cast<size_t>(m_gefunden));
            adblStrecke.resize(static_cast<size_t>(m_gefunden));
        }
        lngAnzahl = static_cast<std::int32_t>(alngPunkteID.size());
    }

    /// The component's break request reaches the search through this event.
    void BreakOptimierer() override {
        ++breaks;
        abgebrochen = true;
    }

private:
    std::int32_t m_gefunden = 0;
};

using olm3test::Klick;
using olm3test::KlickBox;
using olm3test::kZeilenPunkt;
using olm3test::Zeilen;
using olm3test::ZeilenPunkt;
using olm3test::ZeileVon;

void doppelklick(QTableWidget* g, int row) {
    g->scrollToItem(g->item(row, 0));
    const QPoint p = g->visualRect(g->model()->index(row, 0)).center();
    // what the system sends for a double-click: press, release, double-click, release
    QTest::mousePress(g->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, p);
}

std::int32_t aktuellerPunkt(const QTableWidget* g) {
    return g->currentRow() < 0 ? -1 : ZeilenPunkt(g, g->currentRow());
}

/// Where the browser stands: its view, the waterway shown, the current point of the points list (-1 for
/// none), and "zurück" while the history leads back.
QString stand(frmBinneninfo* frm) {
    static const char* const ansichten[] = {"Binnen", "Punkte", "Route", "Suche"};
    return QStringLiteral("%1|%2|%3|%4")
        .arg(QString::fromLatin1(ansichten[frm->View()]), frm->lblBinnenBez()->text())
        .arg(aktuellerPunkt(frm->grdPunkte()))
        .arg(frm->pbVorheriger()->Enabled() ? QStringLiteral("zurück") : QString());
}

/// The view a user sees: its button pressed and locked, the others free, only its frame shown.
void erwarteAnsicht(frmBinneninfo* frm, int v) {
    EXPECT_EQ(frm->View(), v);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(frm->fpView(i)->Value(), i == v) << i;
        EXPECT_EQ(frm->fpView(i)->fpb()->isEnabled(), i != v) << i;
        EXPECT_EQ(frm->fraView(i)->isVisible(), i == v) << i;
    }
    EXPECT_EQ(frm->fpDetails()->isVisible(), v != frmBinneninfo::vwBinnen);
    EXPECT_EQ(frm->fpQuickInfo()->isVisible(), v == frmBinneninfo::vwPunkte);
    EXPECT_EQ(frm->fpDrucken()->isVisible(), v == frmBinneninfo::vwRoute);
}

class Browser : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.katalog = olm3test::MakeCatalogueFromFixtures(
            dir, QStringLiteral("1_K.sqlite"), {QStringLiteral("mini"), QStringLiteral("browser")});
        ASSERT_TRUE(olm.Init(&cfg, &kws, nullptr));
        olm.SetEventListener(&kws);
        olm3ui::SetModalHandler([this](QDialog* dlg) {
            dlg->show();
            if (auto* b = qobject_cast<frmBinneninfo*>(dlg)) {
                b->resize(1280, 800);
                QTest::qWait(10);
                ++geoeffnet;
                if (browser) browser(b);
                // A script that forgets to leave the browser leaves it the way the user would.
                if (b->isVisible()) Klick(b->fpBack());
            } else if (auto* u = qobject_cast<frmUXAUmkreisSuche*>(dlg)) {
                ++dialoge;
                if (dialog) dialog(u);
                if (u->isVisible()) Klick(u->pbCancel());
            }
            dlg->hide();
            return 0;
        });
    }
    void TearDown() override {
        olm3ui::SetModalHandler(nullptr);
        olm.SetEventListener(nullptr);
    }

    /// Opens the browser through the facade, at a start position or without one, hand-back allowed; gives
    /// back what the browser handed back: whether a position, its longitude and latitude.
    std::tuple<bool, double, double> oeffne(bool blnPos = true, double dblLg = kLg, double dblBg = kBg,
                                            bool blnStartWithRoute = false) {
        olm.Binneninfo(blnPos, dblLg, dblBg, true, blnStartWithRoute);
        return {blnPos, dblLg, dblBg};
    }

    /// The radius dialog: kind, radius (-1 for all), start or cancel.
    void dialogStart(int art, int umkreis) {
        dialog = [art, umkreis](frmUXAUmkreisSuche* u) {
            KlickBox(u->optSuche(art));
            u->chkAlle()->setChecked(umkreis < 0);
            if (umkreis > 0) u->fpUmkreis()->setValue(umkreis);
            Klick(u->pbStart());
        };
    }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    ScriptedKWS kws;
    clsOLM3Binnen olm;
    std::function<void(frmBinneninfo*)> browser;
    std::function<void(frmUXAUmkreisSuche*)> dialog;
    int geoeffnet = 0;
    int dialoge = 0;
};

// ---- the waterway list ---------------------------------------------------------------------------------

TEST_F(Browser, WithoutAStartPositionTheWaterwayListLeadsToAWaterwaysPointsOrHandsBackItsFirstPoint) {
    browser = [](frmBinneninfo* frm) {
        EXPECT_EQ(frm->View(), frmBinneninfo::vwBinnen);
        EXPECT_FALSE(frm->pbUmkreisSuche()->Enabled());
        EXPECT_FALSE(frm->fpRoute()->isVisible());
        QTableWidget* g = frm->grdBinnen();
        ASSERT_EQ(g->rowCount(), 7);
        EXPECT_EQ(g->currentRow(), 0);
        QTest::keyClicks(frm->txtBinnenName(), QStringLiteral("telt"));
        EXPECT_EQ(g->item(g->currentRow(), 0)->text(), QStringLiteral("Teltowkanal"));
        // no match: the selection stays
        QTest::keyClicks(frm->txtBinnenName(), QStringLiteral("x"));
        EXPECT_EQ(g->item(g->currentRow(), 0)->text(), QStringLiteral("Teltowkanal"));
        doppelklick(g, g->currentRow());
        EXPECT_EQ(stand(frm), QStringLiteral("Punkte|Teltowkanal|-1|"));
        QTableWidget* p = frm->grdPunkte();
        // the stored filter of a first opening: junctions only; the Teltowkanal has none
        EXPECT_TRUE(Zeilen(p, {kZeilenPunkt}).empty());
        Klick(frm->pbAlle());
        EXPECT_EQ(Zeilen(p, {kZeilenPunkt}), (QStringList{"401", "402", "403", "404", "405", "406"}));
        EXPECT_EQ(aktuellerPunkt(p), 401);
        // the quick info shows the object's text with its line breaks and follows the selected row
        p->setCurrentCell(ZeileVon(p, 403), 0);
        Klick(frm->fpQuickInfo());
        EXPECT_TRUE(frm->lblQuickInfo()->isVisible());
        EXPECT_EQ(frm->lblQuickInfo()->text(),
                  QStringLiteral("Gastliegeplätze: 12\nStrom und Wasser     am Steg"));
        p->setCurrentCell(ZeileVon(p, 404), 0);
        EXPECT_EQ(frm->lblQuickInfo()->text(), QString());
        Klick(frm->fpQuickInfo());
        EXPECT_FALSE(frm->lblQuickInfo()->isVisible());
        // a waterway without typed points gives an empty list
        Klick(frm->fpBinnen());
        frm->txtBinnenName()->clear();
        QTest::keyClicks(frm->txtBinnenName(), QStringLiteral("Stiller"));
        doppelklick(g, g->currentRow());
        EXPECT_EQ(p->rowCount(), 0);
        EXPECT_FALSE(frm->fpRefBack()->Enabled());
        Klick(frm->fpBinnen());
        frm->txtBinnenName()->clear();
        QTest::keyClicks(frm->txtBinnenName(), QStringLiteral("Teltow"));
        Klick(frm->fpRefBack());
    };
    EXPECT_EQ(oeffne(false), std::tuple(true, 13.10, 52.40));
    EXPECT_EQ(olm.state().strTypFilter, kAlleTypen);
    // from route planning the same choice is the point itself
    browser = [](frmBinneninfo* frm) {
        QTest::keyClicks(frm->txtBinnenName(), QStringLiteral("Teltow"));
        Klick(frm->fpRefBack());
    };
    std::int32_t id = 0;
    olm.BinneninfoRoutenPlanung(id);
    EXPECT_EQ(id, 409);
}

// ---- junctions, history and type boxes ------------------------------------------------------------------

TEST_F(Browser, AJunctionLeadsToTheBranchingWaterwayAndBackAndTheTypeBoxesFilterThePoints) {
    browser = [](frmBinneninfo* frm) {
        QTableWidget* g = frm->grdPunkte();
        // the stored filter "A": the junction and the current position
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt, 3}), (QStringList{"104|Schleuse Eins", "105|Kanal-Test"}));
        EXPECT_EQ(stand(frm), QStringLiteral("Punkte|Havel-Test|104|"));
        const int abzweig = ZeileVon(g, 105);
        for (int c = 0; c < g->columnCount(); ++c)
            EXPECT_EQ(g->item(abzweig, c)->background().color(), QColor(255, 255, 0)) << c;
        doppelklick(g, abzweig);
        EXPECT_EQ(stand(frm), QStringLiteral("Punkte|Kanal-Test|201|zurück"));
        // the counterpart is itself a junction, back to where we came from; the detail button takes it too
        Klick(frm->fpDetails());
        EXPECT_EQ(stand(frm), QStringLiteral("Punkte|Havel-Test|105|zurück"));
        // the history goes back step by step to the first position
        Klick(frm->pbVorheriger());
        EXPECT_EQ(stand(frm), QStringLiteral("Punkte|Kanal-Test|201|zurück"));
        Klick(frm->pbVorheriger());
        EXPECT_EQ(stand(frm), QStringLiteral("Punkte|Havel-Test|104|"));
        // every type; the weir box is never shown, the others count the waterway's objects
        Klick(frm->pbAlle());
        EXPECT_FALSE(frm->chkTyp(6)->isVisible());
        EXPECT_EQ(frm->chkTyp(3)->text(), QStringLiteral("&Schleusen (1)"));
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt}), (QStringList{"102", "104", "105", "106", "107", "108", "109"}));
        // the documented kilometre of the lock in bold, the bridge's not
        EXPECT_EQ(std::pair(g->item(ZeileVon(g, 102), 0)->font().bold(),
                            g->item(ZeileVon(g, 104), 0)->font().bold()),
                  std::pair(false, true));
        // a visible box unchecked: the weir 107 goes with it
        KlickBox(frm->chkTyp(3));
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt}), (QStringList{"102", "104", "105", "106", "108", "109"}));
        // none: only the current position
        Klick(frm->pbKein());
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt}), QStringList{"104"});
        for (int k = 0; k < 5; ++k)
            KlickBox(frm->chkTyp(k));
        Klick(frm->fpRefBack());
    };
    EXPECT_EQ(oeffne(), std::tuple(true, 13.03, 52.5));
    EXPECT_EQ(olm.state().strTypFilter, QStringLiteral("'A', 'T', 'H', 'S', 'L'"));
}

// ---- the route ----------------------------------------------------------------------------------------

TEST_F(Browser, RoutePointsAreMarkedTheListRunsTheWayTheRouteGoesAndGonePointsDoNoHarm) {
    olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    // against the chainage: 110 -> 106 -> 101
    ASSERT_TRUE(olm.SetRouteOptimiert({110, 106}, {106, 101}, QDateTime()));
    olm3test::MessageRecorder meldungen;
    browser = [](frmBinneninfo* frm) {
        EXPECT_EQ(frm->View(), frmBinneninfo::vwRoute);
        ASSERT_TRUE(frm->fraRoute());
        QTableWidget* g = frm->grdPunkte();
        // a point that has gone from its waterway: the waterway's points, none of them current
        emit frm->fraRoute()->RoutenpunktGewaehlt(1, 7777, QStringLiteral("Havel-Test"), 1);
        EXPECT_FALSE(frm->PunktGefunden());
        EXPECT_EQ(ZeileVon(g, 7777), -1);
        EXPECT_NE(ZeileVon(g, 106), -1);
        // a waterway that has gone too: an empty list, and the browser goes on
        emit frm->fraRoute()->RoutenpunktGewaehlt(77, 7777, QStringLiteral("Alter Kanal"), 1);
        EXPECT_FALSE(frm->PunktGefunden());
        EXPECT_EQ(g->rowCount(), 0);
        // each view button shows its own view with its own buttons
        EXPECT_TRUE(frm->fpRoute()->isVisible());
        for (int v : {frmBinneninfo::vwRoute, frmBinneninfo::vwSuche, frmBinneninfo::vwBinnen,
                      frmBinneninfo::vwPunkte}) {
            Klick(frm->fpView(v));
            erwarteAnsicht(frm, v);
        }
        emit frm->fraRoute()->RoutenpunktGewaehlt(1, 106, QStringLiteral("Havel-Test"), 1);
        EXPECT_EQ(stand(frm), QStringLiteral("Punkte|Havel-Test|106|"));
        // the route goes on to 101, which lies before 106: the list runs against the chainage, marked
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt, 1, 3}), (QStringList{"110|1|Routenpunkt", "106|2|Testhafen",
                                                                "105||Kanal-Test", "101|3|Routenpunkt"}));
        Klick(frm->fpRefBack());
    };
    // the chosen route point goes back to the host
    EXPECT_EQ(oeffne(false, 0, 0, true), std::tuple(true, 13.05, 52.5));
}

TEST_F(Browser, PlanningModeHidesTheRouteAndHandsBackThePointId) {
    olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    ASSERT_TRUE(olm.SetRouteOptimiert({101}, {110}, QDateTime()));
    olm.state().dblLgInit = kLg;
    olm.state().dblBgInit = kBg;
    olm.state().blnValidInit = true;
    browser = [](frmBinneninfo* frm) {
        EXPECT_FALSE(frm->fpRoute()->isVisible());
        EXPECT_EQ(frm->fpRefBack()->Text(), QStringLiteral("ÜBERNEHMEN"));
        // route points are no business of planning: no "Routenpunkt" rows
        EXPECT_EQ(Zeilen(frm->grdPunkte(), {kZeilenPunkt}), (QStringList{"104", "105"}));
        frm->grdPunkte()->setCurrentCell(ZeileVon(frm->grdPunkte(), 105), 0);
        Klick(frm->fpRefBack());
    };
    std::int32_t id = 0;
    olm.BinneninfoRoutenPlanung(id);
    EXPECT_EQ(id, 105);
    browser = [](frmBinneninfo* frm) { QTest::keyClick(frm, Qt::Key_Escape); };
    olm.BinneninfoRoutenPlanung(id);
    EXPECT_EQ(id, -1);
}

// ---- search and radius search ------------------------------------------------------------------------

TEST_F(Browser, RadiusSearchShowsItsProgressAndTheResultsByDistanceAndBreakKeepsWhatWasFound) {
    kws.punkteID = {202, 104, 401, 4711};
    kws.strecke = {7.26, 0.54, 20.0, 0.3};
    kws.fortschritt = {1, 2, 3, 4};
    kws.schrittMs = 250;
    bool panelGesehen = false;
    frmBinneninfo* offen = nullptr;
    kws.beiSchritt = [&](int i) {
        if (i != 1) return;
        panelGesehen = true;
        frmBinneninfo* frm = offen;
        EXPECT_TRUE(frm->picSuche()->isVisible());
        EXPECT_EQ(frm->lblTitelSuche()->text(), QStringLiteral("5 km - Umkreissuche läuft..."));
        EXPECT_EQ(frm->lblGefunden()->text(), QStringLiteral("2"));
        EXPECT_GT(frm->SuchTicks(), 0);
        EXPECT_FALSE(frm->fpBack()->isEnabled());
        EXPECT_FALSE(frm->optSuche(1)->isEnabled());
        EXPECT_TRUE(frm->pbUmkreisSucheBreak()->isEnabled());
        // the browser will not close while the host searches
        frm->close();
        QTest::keyClick(frm, Qt::Key_Escape);
        EXPECT_TRUE(frm->isVisible());
        Klick(frm->pbUmkreisSucheBreak());
    };
    dialog = [](frmUXAUmkreisSuche* u) {
        // the kind the browser shows comes checked; the first search offers all objects
        EXPECT_TRUE(u->optSuche(0)->isChecked());
        EXPECT_TRUE(u->chkAlle()->isChecked());
        EXPECT_FALSE(u->fpUmkreis()->isEnabled());
        QString breite, laenge;
        for (int i = 0; i < frmUXAUmkreisSuche::kBreiteZeichen; ++i)
            breite += u->dfBreite(i)->text();
        for (int i = 0; i < frmUXAUmkreisSuche::kLaengeZeichen; ++i)
            laenge += u->dfLaenge(i)->text();
        EXPECT_EQ(breite, QStringLiteral("N5230.0060"));
        EXPECT_EQ(laenge, QStringLiteral("E01301.8060"));
        KlickBox(u->chkAlle());
        EXPECT_TRUE(u->fpUmkreis()->isEnabled());
        u->fpUmkreis()->setValue(5);
        Klick(u->pbStart());
    };
    browser = [&](frmBinneninfo* frm) {
        offen = frm;
        Klick(frm->fpSuche());
        QTableWidget* g = frm->grdErgebniss();
        // the search view opens on locks, every lock, without distances
        EXPECT_TRUE(frm->optSuche(0)->isChecked());
        ASSERT_EQ(g->rowCount(), 3);
        EXPECT_TRUE(g->isColumnHidden(6));
        QTest::keyClicks(frm->txtName(), QStringLiteral("schleuse z"));
        EXPECT_EQ(g->item(g->currentRow(), 0)->text(), QStringLiteral("Schleuse Zwei"));
        frm->txtName()->clear();
        Klick(frm->pbUmkreisSuche());
        EXPECT_FALSE(frm->SucheLaeuft());
        EXPECT_FALSE(frm->picSuche()->isVisible());
        EXPECT_TRUE(frm->fpBack()->isEnabled());
        // broken after two: the lock 401 found later is not there; the nearest first
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt, 6}, true), (QStringList{"104|0.5", "202|7.3"}));
        EXPECT_EQ(aktuellerPunkt(g), 104);
        EXPECT_TRUE(frm->cmbUmkreis()->isVisible());
        EXPECT_EQ(frm->cmbUmkreis()->currentText(), QStringLiteral("5 km"));
        // "Alle": every lock again
        emit frm->cmbUmkreis()->activated(1);
        EXPECT_EQ(g->rowCount(), 3);
        EXPECT_TRUE(g->isColumnHidden(6));
        Klick(frm->fpRefBack());
    };
    const auto r = oeffne();
    EXPECT_TRUE(panelGesehen);
    EXPECT_EQ(std::tuple(kws.suchen, kws.zentrum, kws.typ, kws.umkreis),
              std::tuple(1, 104, QStringLiteral("S"), 5.0));
    EXPECT_EQ(olm.lngUmkreis, 0);
    EXPECT_EQ(std::pair(kws.breaks, kws.abgebrochen), std::pair(1, true));
    // the break asked for this search only; the next computation starts without it
    EXPECT_FALSE(olm.state().blnBreakOptimierer);
    std::int32_t n = 0;
    std::vector<std::int32_t> ids;
    std::vector<double> km;
    olm.GetSuchergebnisse(n, ids, km);
    EXPECT_EQ(std::pair(n, ids), std::pair(2, std::vector<std::int32_t>{202, 104}));
    // the first lock of the list after "Alle"
    EXPECT_EQ(r, std::tuple(true, 13.03, 52.5));
}

TEST_F(Browser, ARadiusSearchWithoutResultsShowsAnEmptyListOfItsKind) {
    dialogStart(1, 5);
    browser = [](frmBinneninfo* frm) {
        Klick(frm->fpSuche());
        Klick(frm->pbUmkreisSuche());
        // nothing within 5 km: an empty list of the kind searched, with its distance column
        EXPECT_TRUE(frm->optSuche(1)->isChecked());
        EXPECT_EQ(frm->grdErgebniss()->rowCount(), 0);
        EXPECT_FALSE(frm->grdErgebniss()->isColumnHidden(6));
        EXPECT_FALSE(frm->fpRefBack()->Enabled());
    };
    oeffne();
}

TEST_F(Browser, StoredResultsComeBackWhenTheHostOffersThemAndASearchForAllObjectsReplacesThem) {
    kws.punkteID = {106, 403};
    kws.strecke = {0.5, 15.0};
    dialogStart(1, 20);
    browser = [](frmBinneninfo* frm) {
        Klick(frm->fpSuche());
        Klick(frm->pbUmkreisSuche());
        Klick(frm->fpBack());
    };
    oeffne();
    ASSERT_EQ(olm.intSuchTyp, 1);
    olm.blnUmkreisSuche = true;
    dialog = [](frmUXAUmkreisSuche* u) { Klick(u->pbCancel()); };
    browser = [this](frmBinneninfo* frm) {
        Klick(frm->fpSuche());
        QTableWidget* g = frm->grdErgebniss();
        EXPECT_TRUE(frm->optSuche(1)->isChecked());
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt}, true), (QStringList{"106", "403"}));
        EXPECT_TRUE(frm->cmbUmkreis()->isVisible());
        EXPECT_EQ(frm->cmbUmkreis()->currentText(), QStringLiteral("20 km"));
        // another kind while radius results are shown asks for a new search; cancelled, they stay
        KlickBox(frm->optSuche(2));
        EXPECT_TRUE(frm->optSuche(1)->isChecked());
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt}, true), (QStringList{"106", "403"}));
        // all objects: no host search, every harbour, no radius list
        dialogStart(1, -1);
        Klick(frm->pbUmkreisSuche());
        EXPECT_EQ(olm.lngUmkreis, -1);
        EXPECT_EQ(Zeilen(g, {kZeilenPunkt}, true), (QStringList{"403", "106"}));
        EXPECT_FALSE(frm->cmbUmkreis()->isVisible());
        // the next dialog offers all objects again; cancelled, nothing changes
        dialog = [](frmUXAUmkreisSuche* u) {
            EXPECT_TRUE(u->chkAlle()->isChecked());
            EXPECT_TRUE(u->optSuche(1)->isChecked());
            QTest::keyClick(u, Qt::Key_Escape);
        };
        Klick(frm->pbUmkreisSuche());
        EXPECT_EQ(olm.lngUmkreis, -1);
        EXPECT_EQ(g->rowCount(), 2);
    };
    oeffne();
    EXPECT_EQ(dialoge, 4);
    EXPECT_EQ(kws.suchen, 1);
}

TEST_F(Browser, WithoutARadiusServiceTheRadiusSearchStaysOff) {
    ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    browser = [](frmBinneninfo* frm) {
        EXPECT_FALSE(frm->pbUmkreisSuche()->Enabled());
        Klick(frm->fpSuche());
        Klick(frm->pbUmkreisSuche());
    };
    oeffne();
    EXPECT_EQ(dialoge, 0);
}

TEST_F(Browser, AnEmptyCatalogueOpensOnAnEmptyListAndHandsNothingBack) {
    cfg.katalog = olm3test::MakeCatalogue(dir, QStringLiteral("leer.sqlite"), {});
    ASSERT_TRUE(olm.Init(&cfg, &kws, nullptr));
    browser = [](frmBinneninfo* frm) {
        // a start position without a point near it opens on the waterway list
        EXPECT_EQ(frm->View(), frmBinneninfo::vwBinnen);
        EXPECT_EQ(frm->grdBinnen()->rowCount(), 0);
        EXPECT_FALSE(frm->fpRefBack()->Enabled());
        Klick(frm->fpSuche());
        EXPECT_EQ(frm->grdErgebniss()->rowCount(), 0);
        Klick(frm->fpPunkte());
        EXPECT_EQ(frm->grdPunkte()->rowCount(), 0);
        Klick(frm->fpRefBack());
    };
    EXPECT_EQ(oeffne(), std::tuple(false, kLg, kBg));
    EXPECT_EQ(geoeffnet, 1);
    EXPECT_TRUE(cfg.missingTexts.isEmpty()) << cfg.missingTexts.values().join(QLatin1Char(' ')).toStdString();
}

} // namespace
