// The host window with the component: start, the databases, bad input, picking on the chart, optimising.

#include "hostfenster.h"
#include "hosttexts.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

#include "browser/frmBinneninfo.h"
#include "component/frmKatalog.h"
#include "data/modOLM3Binnen.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace olm3host;

namespace {

class HostFensterTest : public ::testing::Test {
protected:
    /// A configuration as on first start, with the test catalogue installed.
    void SetUp() override {
        olm3test::MakeCatalogueFromFixtures(mitgeliefert, "1_Testrevier.sqlite", {"mini"});
        cfg = std::make_unique<HostConfig>(pfade(), QStringList{mitgeliefert.path()});
        cfg->Start();
    }
    HostPfade pfade() const { return HostPfade::Unter(profil.path()); }
    /// The status bar's texts; a text shortened to its room counts with its tool tip.
    QString statuszeile(HostFenster& w) const {
        QStringList texte;
        for (QLabel* l : w.statusBar()->findChildren<QLabel*>()) texte << l->text() << l->toolTip();
        return texte.join(QLatin1Char(' '));
    }
    std::int64_t gespeicherteRouten() const {
        ADODB::RecordsetPtr rs;
        const auto con = olm3test::OpenDatabase(pfade().RoutenDatenbank());
        return con && modOLM3Binnen::ADO_Open_RecordsetExt(con, rs, "SELECT * FROM BinRouten", true)
                   ? rs->RecordCount()
                   : -1;
    }
    olm3test::TempDir profil;
    olm3test::TempDir mitgeliefert;
    std::unique_ptr<HostConfig> cfg;
    QStringList fenster;
    // Every window the component opens is noted and closed at once, as by its close box.
    olm3test::ModalScript treiber{[this](QDialog* dlg) {
        fenster << QString::fromLatin1(dlg->metaObject()->className());
        dlg->reject();
    }};
};

} // namespace

TEST_F(HostFensterTest, StartCreatesTheRoutesDatabaseOpensTheCatalogueAndShowsIt) {
    olm3test::MessageRecorder meldungen;
    HostFenster w(*cfg);
    w.Start();
    EXPECT_TRUE(meldungen.messages().empty());
    ASSERT_TRUE(w.RoutenDatenbank());
    EXPECT_EQ(w.Komponente().conWPundRoutenDB(), w.RoutenDatenbank());
    EXPECT_EQ(gespeicherteRouten(), 0);
    ASSERT_TRUE(w.Komponente().conBinnenDatabase());
    EXPECT_EQ(w.karte()->Daten().gewaesser.size(), 3u);
    EXPECT_TRUE(statuszeile(w).contains("Testkatalog"));
    EXPECT_TRUE(w.actBinneninfo->isEnabled() && w.actRoutenPlanung->isEnabled());
    EXPECT_FALSE(w.actBerichtDrucken->isEnabled());
    // A narrow window shortens the notice to the room it has and keeps all of it in the tool tip.
    w.resize(560, 400);
    w.show();
    QCoreApplication::processEvents();
    bool hinweisGefunden = false;
    for (QLabel* l : w.statusBar()->findChildren<QLabel*>()) {
        if (!l->toolTip().contains("nicht zur Navigation")) continue;
        hinweisGefunden = true;
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width());
        EXPECT_TRUE(QRect(QPoint(), w.statusBar()->size()).contains(l->geometry())) << l->geometry().right();
    }
    EXPECT_TRUE(hinweisGefunden);
    // A route the user saves survives the next start.
    w.RoutenDatenbank()->Execute("INSERT INTO BinRouten (Bezeichnung, KatalogNr) VALUES ('Sommertour', 1)");
    HostFenster wieder(*cfg);
    wieder.Start();
    EXPECT_EQ(gespeicherteRouten(), 1);
}

// A file in the routes database's place that is no database is neither used nor changed.
TEST_F(HostFensterTest, AnUnusableRoutesDatabaseIsToldOnce) {
    olm3test::WriteFile(pfade().RoutenDatenbank(), "meine Notizen, keine Datenbank");
    olm3test::MessageRecorder meldungen;
    HostFenster w(*cfg);
    w.Start();
    ASSERT_EQ(meldungen.messages().size(), 1u) << meldungen.messages().back().text.toStdString();
    EXPECT_TRUE(meldungen.messages()[0].text.startsWith(HostText(txt::RoutenDBAnlegen).section("%1", 0, 0)));
    EXPECT_FALSE(w.RoutenDatenbank());
    EXPECT_TRUE(w.Komponente().conBinnenDatabase());
    EXPECT_EQ(olm3test::ReadFile(pfade().RoutenDatenbank()), QByteArray("meine Notizen, keine Datenbank"));
}

TEST_F(HostFensterTest, ACatalogueThatIsNoneOrIsMissingIsToldAndTheWindowRunsOn) {
    const QString kaputt =
        olm3test::WriteFile(cfg->GetKatalogVerzeichnis() + "2_Kaputt.sqlite", "Dies ist kein Katalog.");
    // a file the component refuses (any kind: the facade's tests have them) and a missing one
    const QString fehlt = cfg->GetKatalogVerzeichnis() + "4_Fehlt.sqlite";
    for (const auto& [datei, text] :
         {std::pair{kaputt, txt::KeinKatalogFormat}, std::pair{fehlt, txt::KatalogFehlt}}) {
        olm3test::MessageRecorder meldungen;
        cfg->SetBinnenKatalog(datei);
        HostFenster w(*cfg);
        w.Start();
        ASSERT_EQ(meldungen.messages().size(), 1u) << datei.toStdString();
        EXPECT_EQ(meldungen.messages()[0].text, HostText(text).arg(QDir::toNativeSeparators(datei)));
        EXPECT_FALSE(w.Komponente().conBinnenDatabase());
        EXPECT_TRUE(w.karte()->Daten().Leer());
        EXPECT_FALSE(w.actRoutenPlanung->isEnabled());
        EXPECT_TRUE(statuszeile(w).contains(HostText(txt::KeinKatalog)));
    }
}

TEST_F(HostFensterTest, AClickOnTheChartAddsTheNearestPointAndOpensPlanningAgain) {
    olm3test::MessageRecorder meldungen;
    HostFenster w(*cfg);
    w.resize(900, 600);
    w.Start();
    w.RoutenPktKarte();
    ASSERT_TRUE(w.karte()->PunktWahl());
    // Far from any water nothing is picked; the chart waits for the next click.
    w.karte()->Einpassen();
    const QPointF land = w.karte()->ZuBildschirm(QPointF(13.5, 52.75));
    QTest::mouseClick(w.karte(), Qt::LeftButton, {}, land.toPoint());
    ASSERT_EQ(meldungen.messages().size(), 1u);
    EXPECT_EQ(meldungen.messages()[0].text, HostText(txt::KeinPunktHier));
    EXPECT_TRUE(w.karte()->PunktWahl());
    EXPECT_TRUE(fenster.isEmpty());
    // Near the harbour it is the harbour's point.
    w.karte()->ZeigeBereich(QRectF(QPointF(13.0, 52.49), QPointF(13.09, 52.54)));
    const QPointF hafen = w.karte()->ZuBildschirm(QPointF(13.0502, 52.5003));
    QTest::mouseClick(w.karte(), Qt::LeftButton, {}, hafen.toPoint());
    EXPECT_FALSE(w.karte()->PunktWahl());
    std::vector<std::int32_t> route;
    w.Komponente().GetRouteGeplant(route);
    EXPECT_EQ(route, std::vector<std::int32_t>{106});
    EXPECT_EQ(fenster, QStringList{"frmRoutenPlanung"});
    // The planning window reported the route, so the chart shows it.
    ASSERT_EQ(w.karte()->GeplanteRoute().size(), 1u);
    EXPECT_DOUBLE_EQ(w.karte()->GeplanteRoute()[0].x(), 13.05);
}

TEST_F(HostFensterTest, OptimisingSetsTheRouteOrTellsWhyThereIsNone) {
    HostFenster w(*cfg);
    w.Start();
    w.Komponente().StartZeit(olm3::MakeDatum(QDate(2024, 6, 3), QTime(9, 0)));
    QDateTime start = w.Komponente().StartZeit();
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    {
        // The old arm is joined to nothing.
        olm3test::MessageRecorder meldungen;
        std::vector<std::int32_t> getrennt{101, 301};
        w.StartOptimierer(getrennt, start);
        ASSERT_EQ(meldungen.messages().size(), 1u);
        EXPECT_FALSE(meldungen.messages()[0].text.contains("%"));
        EXPECT_FALSE(w.Komponente().GetRouteOptimiert(rows, summen));
        EXPECT_FALSE(w.actBericht->isEnabled());
    }
    olm3test::MessageRecorder meldungen;
    std::vector<std::int32_t> geplant{101, 202};
    w.StartOptimierer(geplant, start);
    EXPECT_TRUE(meldungen.messages().empty());
    ASSERT_TRUE(w.Komponente().GetRouteOptimiert(rows, summen));
    EXPECT_EQ(std::pair(rows.front().lngPunkteID, rows.back().lngPunkteID), std::pair(101, 202));
    EXPECT_TRUE(w.actBericht->isEnabled() && w.actBerichtDrucken->isEnabled() &&
                w.actRouteDrucken->isEnabled());
    // The chart draws the route from its first point to its last.
    const auto& linie = w.karte()->OptimierteRoute();
    ASSERT_FALSE(linie.empty());
    EXPECT_EQ(std::pair(linie.front(), linie.back()), std::pair(QPointF(13.0, 52.5), QPointF(13.04, 52.51)));
    // A report that cannot be written is told, not claimed (the tour prints one that can).
    EXPECT_FALSE(w.BerichtDrucken(profil.file("fehlt/ordner/bericht.pdf")));
    ASSERT_EQ(meldungen.messages().size(), 1u);
    // The print action prints the route through the browser, which it opens on the route view.
    const QString routenPdf = profil.file("route.pdf");
    {
        olm3test::ModalScript drucken([](QDialog* dlg) {
            auto* info = qobject_cast<frmBinneninfo*>(dlg);
            ASSERT_TRUE(info);
            EXPECT_EQ(info->View(), frmBinneninfo::vwRoute);
            info->fpDrucken()->fpb()->click();
        });
        w.RouteDrucken(routenPdf);
        EXPECT_EQ(drucken.aufrufe, 1);
    }
    EXPECT_TRUE(olm3test::ReadFile(routenPdf).startsWith("%PDF"));
    // Later prints go to the printer again.
    EXPECT_TRUE(clsOLM3Binnen::PrintToPdf().isEmpty());
    w.Komponente().DeleteRouteOptimiert();
    EXPECT_FALSE(w.actBericht->isEnabled());
    EXPECT_TRUE(w.karte()->OptimierteRoute().empty());
}

TEST_F(HostFensterTest, ChoosingAnotherCatalogueOpensItAfreshAndTheNextStartToo) {
    const QString zweiter = cfg->GetKatalogVerzeichnis() + "2_Zweiter.sqlite";
    ASSERT_TRUE(QFile::copy(cfg->GetBinnenKatalog(), zweiter));
    HostFenster w(*cfg);
    w.Start();
    w.Komponente().SetPktNeuRouteGeplant(104);
    auto waehle = [](const QString& name) {
        return olm3ui::SetModalHandler([name](QDialog* dlg) {
            auto* frm = qobject_cast<frmKatalog*>(dlg);
            if (!frm) return int(QDialog::Rejected);
            for (int r = 0; r < frm->grid()->rowCount(); ++r)
                if (frm->grid()->item(r, 0)->text() == name) frm->grid()->setCurrentCell(r, 0);
            (name.isEmpty() ? frm->cmdCancel() : frm->cmdOk())->click();
            return frm->result();
        });
    };
    // Cancelling opens nothing afresh: the plan stays.
    auto vorher = waehle(QString());
    w.KatalogWahl();
    std::vector<std::int32_t> route;
    w.Komponente().GetRouteGeplant(route);
    EXPECT_EQ(route, std::vector<std::int32_t>{104});
    waehle("2_Zweiter.sqlite");
    w.KatalogWahl();
    olm3ui::SetModalHandler(std::move(vorher));
    EXPECT_EQ(QDir::cleanPath(cfg->GetBinnenKatalog()), QDir::cleanPath(zweiter));
    // Init ran again on it: the planned route is empty.
    w.Komponente().GetRouteGeplant(route);
    EXPECT_EQ(route, std::vector<std::int32_t>{0});
    EXPECT_EQ(QSettings(pfade().strIniDatei, QSettings::IniFormat).value("Binnen/BinnenMDB").toString(),
              "2_Zweiter.sqlite");
}

// The language menu switches menus, tool bar and status bar at once and keeps the choice for the next start.
TEST_F(HostFensterTest, TheLanguageMenuSwitchesTheWindowAndTheNextStartKeepsIt) {
    HostFenster w(*cfg);
    w.Start();
    auto menues = [&w] {
        QStringList titel;
        for (QAction* a : w.menuBar()->actions()) titel << a->text();
        return titel;
    };
    ASSERT_EQ(olm3::TextTable::AktuelleSprache(), olm3::Sprache::De);
    EXPECT_TRUE(menues().contains("&Binnen"));
    // The language menu is the last one; its second entry is English.
    QMenu* sprache = w.menuBar()->actions().last()->menu();
    ASSERT_TRUE(sprache);
    sprache->actions().at(1)->trigger();
    EXPECT_EQ(olm3::TextTable::AktuelleSprache(), olm3::Sprache::En);
    EXPECT_EQ(menues(), (QStringList{"&Inland", "&View", "&Language"}));
    EXPECT_EQ(w.findChildren<QToolBar*>().size(), 1) << "the tool bar is built again, not added to";
    EXPECT_TRUE(statuszeile(w).contains("Catalogue:")) << statuszeile(w).toStdString();
    EXPECT_TRUE(w.menuBar()->actions().last()->menu()->actions().at(1)->isChecked());
    HostConfig wieder(pfade(), QStringList{mitgeliefert.path()});
    wieder.Start();
    EXPECT_EQ(wieder.Sprache(), olm3::Sprache::En);
    w.SpracheWechseln(olm3::Sprache::De);
}
