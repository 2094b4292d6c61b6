// The saved-routes window as a user works it: shown modally as route planning shows it, buttons clicked,
// message boxes answered, grids read back.

#include "data/ado_internal.h"
#include "data/modOLM3Binnen.h"
#include "data/texttable.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "planning/frmRouteGeplantLoadSave.h"
#include "planning/savedroutes.h"
#include "support/windowdriver.h"
#include "ui/wochentag.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLineEdit>
#include <QRegularExpression>
#include <functional>

using namespace modOLM3Binnen;
namespace ErrNo = olm3::ErrNo;
using olm3test::Klick;
using olm3test::MessageRecorder;
using olm3test::Spalte;
using savedroutes::AlleZeilen;
using Ids = std::vector<std::int32_t>;

namespace {

const QDateTime kStart = olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0));

void klickeZeile(QTableWidget* grd, int row) {
    QTest::mouseClick(grd->viewport(), Qt::LeftButton, {}, grd->visualItemRect(grd->item(row, 0)).center());
}
std::vector<int> zeilenIDs(QTableWidget* grd) {
    std::vector<int> out;
    for (int r = 0; r < grd->rowCount(); ++r)
        out.push_back(grd->item(r, 0)->data(Qt::UserRole).toInt());
    return out;
}

/// Shows the window modally, the way route planning does; drive works the window meanwhile.
void zeigeModal(frmRouteGeplantLoadSave& frm, const std::function<void()>& drive) {
    olm3test::ModalScript modal([&](QDialog*) { drive(); });
    olm3ui::ExecModal(&frm);
    EXPECT_EQ(modal.aufrufe, 1);
}

class LoadSaveWindow : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.katalog = savedroutes::KatalogAlt(dir);
        ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
        ADODB::ConnectionPtr con;
        ASSERT_TRUE(ADO_Open_Connection(olm3test::MakeRoutesDatabase(dir), con, {}, {}, {}, false));
        olm.conWPundRoutenDB(con);
        savedroutes::FuegeAlteRoutenEin();
    }
    void TearDown() override {
        conWPundRoutenDB.reset();
        EXPECT_TRUE(cfg.missingTexts.isEmpty())
            << cfg.missingTexts.values().join(QLatin1Char(' ')).toStdString();
        objOLM3Cfg = nullptr;
    }
    /// Saves a route on the catalogue open now and then opens the catalogue after its data update.
    std::int32_t speichereUndAktualisiere(const Ids& route) {
        std::int32_t id = 0;
        EXPECT_TRUE(
            olm3::planning::SpeichereRoute({"Quer durchs Netz", "alle Fälle", kStart, 7.5}, route, 1, id));
        cfg.katalog = savedroutes::KatalogNeu(dir);
        EXPECT_TRUE(olm.Init(&cfg, nullptr, nullptr));
        return id;
    }

    olm3test::TempDir dir;
    MessageRecorder stumm; // no real message box ever blocks a test
    olm3test::FakeCfg cfg;
    clsOLM3Binnen olm;
};

TEST_F(LoadSaveWindow, LoadModeShowsHowEachPointWasFoundAndLoadsTheRouteReversedAfterTheQuestion) {
    const std::int32_t id = speichereUndAktualisiere(savedroutes::kRoute);
    frmRouteGeplantLoadSave frm;
    ASSERT_TRUE(frm.Init(&olm, {0}, true, QDateTime(), -1));
    QTableWidget* liste = frm.grdRouten();
    EXPECT_EQ(zeilenIDs(liste), (std::vector<int>{id, 2, 1}));
    EXPECT_FALSE(frm.pbOverwrite()->isVisibleTo(&frm));
    EXPECT_FALSE(frm.fraEingaben()->isVisibleTo(&frm));
    QTableWidget* punkte = frm.grdRoutenPunkte();
    EXPECT_EQ(Spalte(punkte, 8), (QStringList{"", "S", "B", "K 0.04", "--<nicht gefunden!!!>--  "}));
    EXPECT_EQ(zeilenIDs(punkte), (std::vector<int>{101, 104, 202, 301, -1}));
    EXPECT_FALSE(punkte->isColumnHidden(8));
    EXPECT_EQ(punkte->item(1, 8)->background().color(), QColor(255, 255, 0));
    EXPECT_EQ(punkte->item(4, 8)->background().color(), QColor(255, 0, 0));
    for (int c = 1; c <= 7; ++c)
        EXPECT_EQ(punkte->item(4, c)->foreground().color(), QColor(255, 0, 0)) << c;
    EXPECT_TRUE(punkte->item(0, 1)->font().bold());
    MessageRecorder messages({vbNo, vbYes});
    zeigeModal(frm, [&] {
        // Another route shows its own points, and back again.
        klickeZeile(liste, 1);
        EXPECT_EQ(zeilenIDs(punkte), (std::vector<int>{105, 204}));
        klickeZeile(liste, 0);
        Klick(frm.pbLoadSave());
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_TRUE(messages.messages()[0].text.endsWith("\r\n\r\nTrotzdem laden?"));
        EXPECT_TRUE(frm.isVisible());
        olm3test::KlickBox(frm.chkInvers());
        Klick(frm.pbLoadSave());
        EXPECT_FALSE(frm.isVisible());
    });
    Ids ids;
    ASSERT_TRUE(frm.RouteLoad(ids));
    EXPECT_EQ(ids, (Ids{301, 202, 104, 101}));
    EXPECT_EQ(olm.StartZeit(), kStart);
    EXPECT_DOUBLE_EQ(olm.MarschV(), 7.5);
    EXPECT_TRUE(olm.IsStartZeitSet());
}

TEST_F(LoadSaveWindow, ARouteOfWhichNothingIsLeftCannotBeLoadedAndBackLoadsNothing) {
    speichereUndAktualisiere({401});
    frmRouteGeplantLoadSave frm;
    ASSERT_TRUE(frm.Init(&olm, {0}, true, QDateTime(), -1));
    MessageRecorder messages;
    zeigeModal(frm, [&] {
        EXPECT_FALSE(frm.pbLoadSave()->Enabled());
        Klick(frm.pbLoadSave());
        EXPECT_TRUE(frm.isVisible());
        Klick(frm.pbBack());
        EXPECT_FALSE(frm.isVisible());
    });
    EXPECT_TRUE(messages.messages().empty());
    Ids ids{7};
    EXPECT_FALSE(frm.RouteLoad(ids));
    EXPECT_EQ(ids, Ids{7});
}

TEST_F(LoadSaveWindow, SaveModeWantsANameThenSavesAndHandsStartAndSpeedOn) {
    frmRouteGeplantLoadSave frm;
    ASSERT_TRUE(frm.Init(&olm, {101, 104, 110}, false, kStart, 7.5));
    EXPECT_FALSE(frm.grdRoutenPunkte()->isVisibleTo(&frm));
    EXPECT_EQ(frm.fpStartDateTime()->text(), "Mo 02.06.2008 10:00");
    EXPECT_DOUBLE_EQ(frm.fpMarschGeschw()->value(), 7.5);
    const QStringList vorher = AlleZeilen();
    MessageRecorder messages;
    zeigeModal(frm, [&] {
        QTest::keyClicks(frm.txtRoutenbezeichnung(), "   ");
        Klick(frm.pbLoadSave());
        ASSERT_EQ(messages.texts(), QStringList{"Routenbezeichnung fehlt!"});
        EXPECT_EQ(messages.messages()[0].style, vbInformation);
        EXPECT_EQ(messages.messages()[0].title, cfg.appTitel);
        EXPECT_EQ(AlleZeilen(), vorher);
        frm.txtRoutenbezeichnung()->clear();
        QTest::keyClicks(frm.txtRoutenbezeichnung(), "Pfingsttour 'Havel'");
        QTest::keyClicks(frm.txtRoutenbemerkung(), "mit Übernachtung");
        Klick(frm.pbLoadSave());
        EXPECT_FALSE(frm.isVisible());
    });
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(Spalte(frm.grdRouten(), 0), (QStringList{"Pfingsttour 'Havel'", "Zum Kanal", "Havel hinab"}));
    EXPECT_EQ(AlleZeilen().size(), vorher.size() + 4);
    EXPECT_TRUE(olm.IsStartZeitSet());
    EXPECT_EQ(olm.StartZeit(), kStart);
    EXPECT_DOUBLE_EQ(olm.MarschV(), 7.5);
    EXPECT_DOUBLE_EQ(cfg.marschV, 7.5);
}

TEST_F(LoadSaveWindow, ASpeedOfZeroIsReportedAndSavedAllTheSameAndTheWindowKeepsItsMinimumSize) {
    frmRouteGeplantLoadSave frm;
    ASSERT_TRUE(frm.Init(&olm, {101, 110}, false, kStart, 0));
    MessageRecorder messages;
    frm.show();
    frm.resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(frm.size(), QSize(580, 450));
    EXPECT_LE(frm.pbBack()->geometry().bottom(), 450);
    QTest::keyClicks(frm.txtRoutenbezeichnung(), "Ohne Fahrt");
    Klick(frm.pbLoadSave());
    ASSERT_EQ(messages.texts(), QStringList{"dblMarschV=0"});
    EXPECT_EQ(messages.messages()[0].style, vbOKOnly);
    EXPECT_EQ(frm.grdRouten()->item(0, 0)->text(), "Ohne Fahrt");
}

TEST_F(LoadSaveWindow, OverwriteAndDeleteAskFirst) {
    frmRouteGeplantLoadSave frm;
    ASSERT_TRUE(frm.Init(&olm, {104, 202, 203}, false, kStart, 5));
    MessageRecorder messages({vbNo, vbYes});
    zeigeModal(frm, [&] {
        klickeZeile(frm.grdRouten(), 1);
        const QStringList vorher = AlleZeilen();
        Klick(frm.pbOverwrite());
        EXPECT_EQ(AlleZeilen(), vorher);
        Klick(frm.pbOverwrite());
        EXPECT_FALSE(frm.isVisible());
    });
    ASSERT_EQ(messages.texts(), QStringList(2, "Wirklich überschreiben?"));
    EXPECT_EQ(messages.messages()[0].style, vbYesNo | vbQuestion);
    // Route 1 keeps its name, gets the new points and comes first.
    EXPECT_EQ(Spalte(frm.grdRouten(), 0), (QStringList{"Havel hinab", "Zum Kanal"}));
    EXPECT_EQ(AlleZeilen().filter(QRegularExpression("^1\\|\\d\\|")).size(), 3);
    frmRouteGeplantLoadSave laden;
    ASSERT_TRUE(laden.Init(&olm, {0}, true, QDateTime(), -1));
    laden.show();
    MessageRecorder fragen({vbNo, vbYes, vbYes});
    Klick(laden.pbDelete());
    EXPECT_EQ(laden.grdRouten()->rowCount(), 2);
    Klick(laden.pbDelete());
    EXPECT_EQ(fragen.messages()[1].text, "Wirklich löschen?");
    EXPECT_EQ(zeilenIDs(laden.grdRouten()), (std::vector<int>{2}));
    EXPECT_EQ(zeilenIDs(laden.grdRoutenPunkte()), (std::vector<int>{105, 204}));
    Klick(laden.pbDelete());
    EXPECT_EQ(laden.grdRoutenPunkte()->rowCount(), 0);
    EXPECT_EQ(AlleZeilen().size(), 2); // the other catalogue's route and point
}

TEST_F(LoadSaveWindow, AWriteThatFailsChangesNothingSaysSoAndKeepsTheWindowAndItsList) {
    frmRouteGeplantLoadSave frm;
    ASSERT_TRUE(frm.Init(&olm, {101, 104, 110}, false, kStart, 6));
    frm.show();
    QTest::keyClicks(frm.txtRoutenbezeichnung(), "Wird nichts");
    const QStringList vorher = AlleZeilen();
    const QStringList listeVorher = Spalte(frm.grdRouten(), 0) + Spalte(frm.grdRouten(), 3);
    struct Fall {
        ucOLMButton* pb;
        std::int32_t lngNummer;
        const char* match;
        const char* titel;
        int folgeText;
    };
    const Fall faelle[] = {
        {frm.pbLoadSave(), ErrNo::CommandError, "BinRoutenPunkte", "SpeichernPunkte", 9103},
        {frm.pbLoadSave(), ErrNo::CommandError, "INSERT INTO \"BinRouten\"", "Speichern", 9103},
        {frm.pbOverwrite(), ErrNo::CommandError, "INSERT INTO \"BinRoutenPunkte\"", "SpeichernPunkte", 9103},
        {frm.pbOverwrite(), ErrNo::CommandError, "BinRoutenPunkte", "pbOverwrite_Click", 9103},
        {frm.pbDelete(), ErrNo::ReadOnly, "FROM BinRouten WHERE", "pbDelete_Click", 9104},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.match);
        MessageRecorder messages;
        ADODB::testing::InjectFailures(*conWPundRoutenDB, 1, f.lngNummer, QString::fromUtf8(f.match));
        Klick(f.pb);
        EXPECT_EQ(AlleZeilen(), vorher);
        EXPECT_EQ(Spalte(frm.grdRouten(), 0) + Spalte(frm.grdRouten(), 3), listeVorher);
        EXPECT_TRUE(frm.isVisible());
        ASSERT_FALSE(messages.messages().empty());
        const auto& letzte = messages.messages().back();
        EXPECT_EQ(letzte.title, "frmRouteGeplantLaodSave." + QString::fromUtf8(f.titel));
        EXPECT_EQ(letzte.style, vbCritical);
        EXPECT_TRUE(letzte.text.startsWith(QString::number(f.lngNummer) + "  "));
        EXPECT_TRUE(
            letzte.text.endsWith(olm3::TextTable::Builtin().Text("frmRouteGeplantLoadSave", f.folgeText)));
    }
    EXPECT_TRUE(frm.pbLoadSave()->Enabled());
}

// ---- bad input --------------------------------------------------------------------------------------

TEST_F(LoadSaveWindow, ARoutesDatabaseWithoutTablesOrConnectionIsNamedAndTheWindowNotShown) {
    const QString leer = dir.write("leer.sqlite", QByteArray());
    ADODB::ConnectionPtr con;
    ASSERT_TRUE(ADO_Open_Connection(leer, con, {}, {}, {}, false));
    for (const ADODB::ConnectionPtr& c : {con, ADODB::ConnectionPtr()}) {
        olm.conWPundRoutenDB(c);
        MessageRecorder messages;
        frmRouteGeplantLoadSave frm;
        EXPECT_FALSE(frm.Init(&olm, {0}, true, QDateTime(), -1));
        ASSERT_EQ(messages.texts(),
                  QStringList{"Die Datenbank der gespeicherten Routen fehlt oder enthält nicht "
                              "die Tabellen BinRouten und BinRoutenPunkte."});
        EXPECT_EQ(messages.messages()[0].style, vbExclamation);
    }
}

TEST_F(LoadSaveWindow, AWriteProtectedDatabaseOrAnotherCatalogueLeaveOnlyWhatMakesSense) {
    ADODB::ConnectionPtr con;
    ASSERT_TRUE(ADO_Open_Connection(conWPundRoutenDB->DataSource(), con, {}, {}, {}, true));
    olm.conWPundRoutenDB(con);
    {
        MessageRecorder messages;
        frmRouteGeplantLoadSave frm;
        EXPECT_FALSE(frm.Init(&olm, {101, 110}, false, kStart, 6));
        ASSERT_EQ(messages.texts(),
                  QStringList{"Die Datenbank der gespeicherten Routen ist schreibgeschützt.\r\n"
                              "Die Route wurde nicht gespeichert, die gespeicherten Routen "
                              "sind unverändert."});
    }
    frmRouteGeplantLoadSave laden;
    ASSERT_TRUE(laden.Init(&olm, {0}, true, QDateTime(), -1));
    EXPECT_FALSE(laden.pbDelete()->Enabled());
    zeigeModal(laden, [&] { Klick(laden.pbLoadSave()); });
    Ids ids;
    ASSERT_TRUE(laden.RouteLoad(ids));
    EXPECT_EQ(ids, (Ids{105, 204}));
    // A catalogue without saved routes: only saving is possible.
    cfg.katalog = olm3test::MakeCatalogueFromFixtures(dir, "5_Andere.sqlite", {"mini"});
    ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    ASSERT_TRUE(ADO_Open_Connection(con->DataSource(), con, {}, {}, {}, false));
    olm.conWPundRoutenDB(con);
    for (bool blnLoad : {true, false}) {
        frmRouteGeplantLoadSave frm;
        ASSERT_TRUE(frm.Init(&olm, {101, 110}, blnLoad, kStart, 6));
        EXPECT_EQ(frm.grdRouten()->rowCount(), 0);
        EXPECT_FALSE(frm.pbDelete()->Enabled());
        EXPECT_FALSE(frm.pbOverwrite()->Enabled());
        EXPECT_EQ(frm.pbLoadSave()->Enabled(), !blnLoad);
    }
}

} // namespace
