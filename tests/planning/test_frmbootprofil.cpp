// The boat profile as the skipper edits it from route planning, and what the route view makes of it.

#include "browser/routenansicht.h"
#include "planning/frmBootProfil.h"
#include "planninghost.h"
#include "routing/core/bootprofil.h"
#include "ui/ucOLMButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>

using olm3::BootFeld;

namespace {

class BootProfilFenster : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    /// Opens the dialog from route planning's button, types the values and presses the button given.
    void bearbeiten(const std::vector<std::pair<BootFeld, QString>>& werte, bool uebernehmen = true) {
        olm3test::ModalScript skript([&](QDialog* dlg) {
            auto* frm = qobject_cast<frmBootProfil*>(dlg);
            ASSERT_TRUE(frm);
            for (const auto& [feld, wert] : werte)
                frm->txtWert(static_cast<int>(feld))->setText(wert);
            (uebernehmen ? frm->fpUebernehmen() : frm->fpAbbrechen())->click();
            angezeigt = frm->txtWert(static_cast<int>(werte.front().first))->text();
        });
        frmRoutenPlanung planung;
        planung.Init({0}, &u.olm, false);
        planung.fpBoot()->fpb()->click();
        EXPECT_EQ(skript.aufrufe, 1);
    }

    olm3test::PlanungsUmgebung u;
    QString angezeigt;
};

} // namespace

TEST_F(BootProfilFenster, GoodValuesAreKeptAndStoredBadOnesAreRefusedWithTheOldValueShownAgain) {
    // The fields write numbers as the system's locale does; the values typed read either way.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto& meldungen = u.messages.messages();
    bearbeiten({{BootFeld::Name, "Möwe"}, {BootFeld::Hoehe, "3,4"}, {BootFeld::Laenge, "11.5"}});
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(u.olm.GetBootProfil().dblHoehe, 3.4);
    EXPECT_EQ(olm3::LeseBootProfil(u.cfg.iniDatei), u.olm.GetBootProfil()) << "stored in the settings file";
    bearbeiten({{BootFeld::Hoehe, "drei"}});
    ASSERT_EQ(u.messages.texts(),
              QStringList{"Durchfahrtshöhe über Wasser: „drei“ ist keine Zahl. Der alte Wert bleibt."});
    EXPECT_EQ(angezeigt, "3,4") << "the field shows the old value again";
    EXPECT_EQ(u.olm.GetBootProfil().dblHoehe, 3.4);
    // Cancel keeps everything as it was.
    bearbeiten({{BootFeld::Hoehe, "2"}}, false);
    EXPECT_EQ(u.olm.GetBootProfil().dblHoehe, 3.4);
}

TEST_F(BootProfilFenster, TheRouteViewMarksWhatTheBoatDoesNotFitAndSumsItUp) {
    // Up the first waterway past Testbrücke (3.8 m) and lock 104 (80 m), back, and down the canal.
    u.olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    ASSERT_TRUE(u.olm.SetRouteOptimiert({101, 110, 105, 201}, {110, 105, 201, 204}, QDateTime()));
    olm3::BootProfil boot;
    boot.strName = "Möwe";
    boot.dblHoehe = 3.7;
    ASSERT_TRUE(u.olm.SetBootProfil(boot));
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    ASSERT_TRUE(u.olm.GetRouteOptimiert(route, summen));
    RoutenAnsicht view(&u.olm);
    view.resize(1500, 640);
    view.FillGridRoute(route);
    const QString info = view.findChild<QLabel*>("lblRoutenInfo")->text();
    EXPECT_TRUE(info.contains("Möwe – passt nicht: 1, Grenze unbekannt: 0")) << info.toStdString();
    QTableWidget* grid = view.grdRoute();
    emit grid->cellClicked(0, 0); // the first group, with the bridge
    // the point and tool tip of every row marked
    QStringList rot;
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 8)->foreground().color() == QColor(190, 0, 0))
            rot << QString::number(olm3test::ZeilenPunkt(grid, r)) + QLatin1Char(' ') +
                       grid->item(r, 8)->toolTip();
    EXPECT_EQ(rot, QStringList{"102 Testbrücke: Durchfahrtshöhe 3.80 m, Boot mit Sicherheitsabstand 3.90 m – "
                               "passt nicht (0.10 m zu viel)"});
    grid->parentWidget()->grab().save(QStringLiteral(OLM3_TEST_OUTPUT "/frmBinneninfo_route_boot.png"));
}
