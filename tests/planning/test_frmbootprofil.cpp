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

namespace {

class BootProfilFenster : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    /// Opens the dialog from route planning's button, types the values and presses the button given.
    void bearbeiten(const std::vector<std::pair<olm3::BootFeld, QString>>& werte, bool uebernehmen = true) {
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
    bearbeiten({{olm3::BootFeld::Name, QStringLiteral("Möwe")},
                {olm3::BootFeld::Hoehe, QStringLiteral("3,4")},
                {olm3::BootFeld::Laenge, QStringLiteral("11.5")}});
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(u.olm.GetBootProfil().dblHoehe, 3.4);
    EXPECT_EQ(olm3::LeseBootProfil(u.cfg.iniDatei), u.olm.GetBootProfil()) << "stored in the settings file";
    bearbeiten({{olm3::BootFeld::Hoehe, QStringLiteral("drei")}});
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.contains(QStringLiteral("„drei“ ist keine Zahl")))
        << meldungen[0].text.toStdString();
    EXPECT_EQ(angezeigt, QStringLiteral("3,4")) << "the field shows the old value again";
    EXPECT_EQ(u.olm.GetBootProfil().dblHoehe, 3.4);
    // Cancel keeps everything as it was.
    bearbeiten({{olm3::BootFeld::Hoehe, QStringLiteral("2")}}, false);
    EXPECT_EQ(u.olm.GetBootProfil().dblHoehe, 3.4);
}

TEST_F(BootProfilFenster, TheRouteViewMarksWhatTheBoatDoesNotFitAndSumsItUp) {
    // Up the first waterway past Testbrücke (3.8 m) and lock 104 (80 m), back, and down the canal.
    u.olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0)));
    ASSERT_TRUE(u.olm.SetRouteOptimiert({101, 110, 105, 201}, {110, 105, 201, 204}, QDateTime()));
    olm3::BootProfil boot;
    boot.strName = QStringLiteral("Möwe");
    boot.dblHoehe = 3.7;
    ASSERT_TRUE(u.olm.SetBootProfil(boot));
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    ASSERT_TRUE(u.olm.GetRouteOptimiert(route, summen));
    RoutenAnsicht view(&u.olm);
    view.resize(1500, 640);
    view.FillGridRoute(route);
    EXPECT_TRUE(view.findChild<QLabel*>(QStringLiteral("lblRoutenInfo"))
                    ->text()
                    .contains(QStringLiteral("Möwe – passt nicht: 1, Grenze unbekannt: 0")));
    QTableWidget* grid = view.grdRoute();
    emit grid->cellClicked(0, 0); // the first group, with the bridge
    // the point and tool tip of every row marked
    QStringList rot;
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 8)->foreground().color() == QColor(190, 0, 0))
            rot << QString::number(grid->item(r, 0)->data(Qt::UserRole + 1).toInt()) + QLatin1Char(' ') +
                       grid->item(r, 8)->toolTip();
    ASSERT_EQ(rot.size(), 1);
    EXPECT_TRUE(rot[0].startsWith(QStringLiteral("102 "))) << rot[0].toStdString();
    EXPECT_TRUE(rot[0].contains(QStringLiteral("Testbrücke: Durchfahrtshöhe 3.80 m")))
        << rot[0].toStdString();
    grid->parentWidget()->grab().save(QStringLiteral(OLM3_TEST_OUTPUT "/frmBinneninfo_route_boot.png"));
}
