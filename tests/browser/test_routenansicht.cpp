// The route view of the browser and the route print, over a route computed from the small catalogue.

#include "browser/druckvorschau.h"
#include "browser/routenansicht.h"
#include "component/clsOLM3BinnenState.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "support/fakehost.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>

using olm3test::Zeile;
using olm3test::Zeilen;
using olm3test::ZeilenPunkt;

namespace {

// Rows of the grid while every group is closed, for the route of the fixture below.
constexpr int kPunkt1 = 0, kStrecke2 = 1, kPunkt3 = 3, kPunkt4 = 5;
constexpr int colNr = 1, colAmtlKM = 2, colDZ = 5, colWZ = 6, colZeit = 7, colGewaesser = 8,
              colBezeichnung = 9, colTyp = 13;

class RouteView : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.katalog =
            olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("1_K.sqlite"), {QStringLiteral("mini")});
        ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
        // A Monday afternoon: lock 104 lets the boat through at once, the lock on request 202 is reached
        // after it has closed at 18:00 and holds the boat up until the next morning.
        olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(16, 0)));
        // Up the first waterway, back to the junction, across it and down the canal to its end.
        ASSERT_TRUE(olm.SetRouteOptimiert({101, 110, 105, 201}, {110, 105, 201, 204}, QDateTime()));
        RouteOptimiertSummen summen;
        ASSERT_TRUE(olm.GetRouteOptimiert(route, summen));
        view = std::make_unique<RoutenAnsicht>(&olm);
        view->resize(1500, 640);
        view->show();
        view->FillGridRoute(route);
        grid = view->grdRoute();
    }
    void TearDown() override {
        view.reset();
        olm3browser::SetSchleusenBZOeffner(nullptr);
        clsOLM3Binnen::SetPrintToPdf(QString());
    }

    QPoint mitte(int row, int col) const { return grid->visualItemRect(grid->item(row, col)).center(); }
    void klick(int row, int col) {
        grid->scrollToItem(grid->item(row, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, mitte(row, col));
    }
    /// A double-click as a person makes it: a click, then the second press.
    void doppelklick(int row, int col) {
        klick(row, col);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, mitte(row, col));
    }
    /// The rows shown and all rows: "6/11".
    QString zaehlung() const {
        return QStringLiteral("%1/%2").arg(Zeilen(grid, {0}).size()).arg(grid->rowCount());
    }
    /// The grid row of a detail row by its point id beneath the given route-point row.
    int detailZeile(int punktRow, std::int32_t lngPunkteID) const {
        return olm3test::ZeileVon(grid, lngPunkteID, punktRow + 1);
    }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    clsOLM3Binnen olm;
    std::vector<typRouteOptimiert> route;
    std::unique_ptr<RoutenAnsicht> view;
    QTableWidget* grid = nullptr;
};

} // namespace

TEST_F(RouteView, ShowsRoutePointsAndTheLegsThatTakeTimeWithTheTotals) {
    // Route points: number, documented km (dashes without), departure, waterway, type. Legs that take time:
    // their counts over columns 1 to 4 and the summed times (0.1 + 0.25 rounds half to even). The way back
    // to the junction passes nothing that takes time: no leg row before point 3; the lock on request waits
    // over night.
    EXPECT_EQ(
        Zeilen(grid, {colNr, colAmtlKM, colDZ, colWZ, colZeit, colGewaesser, colTyp}, true),
        (QStringList{"1|10.0|||Mo, 02.06.2008 16:00|Havel-Test|", "S: 1      B: 1|S: 1      B: 1|0.3|0.0|||",
                     "2|19.0|||Mo, 02.06.2008 17:51|Havel-Test|", "3|0.0|||Mo, 02.06.2008 18:41|Kanal-Test|A",
                     "S: 1      B: 0|S: 1      B: 0|0.0|13.2|||",
                     "4|-----|||Di, 03.06.2008 08:20|Kanal-Test|"}));
    EXPECT_TRUE(grid->item(kPunkt1, colAmtlKM)->font().bold());
    EXPECT_FALSE(grid->item(kPunkt4, colAmtlKM)->font().bold());
    EXPECT_EQ(grid->columnSpan(kStrecke2, colNr), 4);
    EXPECT_EQ(view->RoutenPunkteListe(), QStringLiteral("101, 110, 201, 204"));
    const auto* info = view->findChild<QLabel*>(QStringLiteral("lblRoutenInfo"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->text(), QStringLiteral("Strecke:  ") + QString::number(route.back().dblStrecke, 'f', 1) +
                                QStringLiteral(" km     Dauer:  ") +
                                QString::number(route.back().dblDauer, 'f', 1) + QStringLiteral(" h "));
    EXPECT_TRUE(cfg.missingTexts.isEmpty())
        << cfg.missingTexts.values().join(QStringLiteral(" ")).toStdString();
}

TEST_F(RouteView, EqualTimesOfALegStayTwoCellsAndAnEmptyRouteLeavesAnEmptyView) {
    std::vector<typRouteOptimiert> gleich(2);
    gleich[0].blnPunktRouteGrob = true;
    gleich[1].blnPunktRouteGrob = true;
    gleich[1].lngNumGrob = 2;
    gleich[1].dblDurchgangszeit = 0.5;
    gleich[1].dblWartezeit = 0.5;
    view->FillGridRoute(gleich);
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(Zeile(grid, 1, {colDZ, colWZ}), QStringLiteral("0.5|0.5 "));
    view->FillGridRoute({});
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_TRUE(view->RoutenPunkteListe().isEmpty());
    EXPECT_TRUE(view->findChild<QLabel*>(QStringLiteral("lblRoutenInfo"))->text().isEmpty());
    double lg = 0, bg = 0;
    EXPECT_FALSE(view->AusgewaehltePosition(lg, bg));
}

TEST_F(RouteView, AGroupLoadsItsDetailRowsOnceWhenFirstOpened) {
    klick(kPunkt1, 0);
    ASSERT_EQ(zaehlung(), QStringLiteral("11/11"));
    // Bridge, lock, harbour, fuel station and berth between the first two route points. Passing the bridge
    // and the lock takes time: two times; the others are passed without a stop: one time.
    EXPECT_EQ(Zeilen(grid, {colNr, colAmtlKM, colDZ, colZeit}, true).mid(kPunkt1 + 1, 5),
              (QStringList{"B|11.0|0.1|An:Mo, 02.06.2008 16:10\nAb:Mo, 02.06.2008 16:16",
                           "S|13.0|0.3|An:Mo, 02.06.2008 16:36\nAb:Mo, 02.06.2008 16:51",
                           "H|15.0||Mo, 02.06.2008 17:11", "T|17.0||Mo, 02.06.2008 17:31",
                           "L|18.0||Mo, 02.06.2008 17:41"}));
    EXPECT_FALSE(grid->item(kPunkt1 + 3, colAmtlKM)->font().bold());
    // Closing hides the rows, opening again shows the same rows without loading them twice.
    klick(kPunkt1, 0);
    EXPECT_EQ(zaehlung(), QStringLiteral("6/11"));
    klick(kPunkt1, 0);
    EXPECT_EQ(zaehlung(), QStringLiteral("11/11"));
    // "-" and "+" close and open the group of the current route point.
    grid->setCurrentCell(kPunkt1, colGewaesser);
    QTest::keyClick(grid, Qt::Key_Minus);
    EXPECT_EQ(zaehlung(), QStringLiteral("6/11"));
    QTest::keyClick(grid, Qt::Key_Plus);
    EXPECT_EQ(zaehlung(), QStringLiteral("11/11"));
    // A click elsewhere in the row or on a leg row changes nothing; the last row has no group.
    klick(kPunkt1, colGewaesser);
    EXPECT_EQ(zaehlung(), QStringLiteral("11/11"));
    klick(grid->rowCount() - 1, 0);
    EXPECT_EQ(zaehlung(), QStringLiteral("11/11"));
    // A group headed by an object begins with that object's own row; a junction's group with the row
    // after it.
    const int punkt3 = 8;
    ASSERT_EQ(Zeile(grid, punkt3, {colNr}), QStringLiteral("3"));
    view->FillGridRouteMDetails(punkt3);
    EXPECT_EQ(grid->rowCount(), 12);
    EXPECT_EQ(ZeilenPunkt(grid, punkt3 + 1), 202);
    EXPECT_TRUE(grid->isRowHidden(punkt3 + 1)) << "loaded for a closed group";
    view->FillGridRouteMDetails(punkt3);
    EXPECT_EQ(grid->rowCount(), 12);
    // Reached after closing time, the lock on request lets the boat through the next morning, and its
    // name says why below it; it bears the on-request mark, a route point none.
    const QString grund = QStringLiteral("Schleuse öffnet am 03.06. um 08:00 Uhr");
    EXPECT_EQ(Zeile(grid, punkt3 + 1, {colWZ, colZeit, colBezeichnung}),
              "13.2|An:Mo, 02.06.2008 18:51\nAb:Di, 03.06.2008 08:00|Schleuse Zwei\n" + grund);
    EXPECT_EQ(grid->item(punkt3 + 1, colWZ)->toolTip(), grund);
    EXPECT_TRUE(grid->item(punkt3 + 1, colNr)->data(Qt::DecorationRole).isValid());
    EXPECT_FALSE(grid->item(kPunkt1, colTyp)->data(Qt::DecorationRole).isValid());
    // A special rule and on request at once: both marks side by side.
    std::vector<typRouteOptimiert> zwei = route;
    for (auto& r : zwei)
        if (r.lngPunkteID == 202) r.strSR = QStringLiteral("SR1");
    view->FillGridRoute(zwei);
    klick(kPunkt3, 0);
    const QPixmap beide =
        grid->item(detailZeile(kPunkt3, 202), colNr)->data(Qt::DecorationRole).value<QPixmap>();
    const QPixmap eines = view->findChild<QLabel*>(QStringLiteral("picNB"))->pixmap();
    EXPECT_GT(beide.width(), eines.width());
}

TEST_F(RouteView, TheLockButtonOpensTheOperatingHoursAtTheArrival) {
    std::vector<std::pair<std::int32_t, QDateTime>> geoeffnet;
    olm3browser::SetSchleusenBZOeffner([&](QWidget* parent, std::int32_t id, const QDateTime& dat) {
        EXPECT_EQ(parent, view.get());
        geoeffnet.emplace_back(id, dat);
        return true;
    });
    klick(kPunkt1, 0);
    const int schleuse = detailZeile(kPunkt1, 104);
    // Only the wait cell of a lock row carries the button.
    grid->setCurrentCell(schleuse, colDZ);
    EXPECT_FALSE(grid->cellWidget(schleuse, colDZ));
    grid->setCurrentCell(detailZeile(kPunkt1, 102), colWZ);
    EXPECT_FALSE(grid->cellWidget(detailZeile(kPunkt1, 102), colWZ));
    grid->setCurrentCell(schleuse, colWZ);
    ASSERT_TRUE(grid->cellWidget(schleuse, colWZ));
    auto* knopf = grid->cellWidget(schleuse, colWZ)->findChild<QToolButton*>();
    ASSERT_TRUE(knopf);
    QTest::mouseClick(knopf, Qt::LeftButton);
    const std::pair<std::int32_t, QDateTime> eins{1, olm3::MakeDatum(QDate(2008, 6, 2), QTime(16, 36))};
    EXPECT_EQ(geoeffnet, (std::vector{eins}));
    // Leaving the cell takes the button away; rows inserted above it move it along with its lock.
    grid->setCurrentCell(schleuse, colGewaesser);
    EXPECT_FALSE(grid->cellWidget(schleuse, colWZ));
    const int punkt3 = 8;
    klick(punkt3, 0);
    const int schleuse2 = detailZeile(punkt3, 202);
    ASSERT_GT(schleuse2, punkt3);
    grid->setCurrentCell(schleuse2, colWZ);
    QTest::mouseClick(grid->cellWidget(schleuse2, colWZ)->findChild<QToolButton*>(), Qt::LeftButton);
    EXPECT_EQ(geoeffnet, (std::vector{eins, {2, olm3::MakeDatum(QDate(2008, 6, 2), QTime(18, 51))}}));
}

TEST_F(RouteView, DoubleClicksChooseARoutePointOrAskForDetailsAndRowsTellWhetherTheyCanBeHandedBack) {
    QSignalSpy punkt(view.get(), &RoutenAnsicht::RoutenpunktGewaehlt);
    QSignalSpy details(view.get(), &RoutenAnsicht::DetailsAngefordert);
    QSignalSpy rueckgabe(view.get(), &RoutenAnsicht::RueckgabeMoeglich);
    doppelklick(kPunkt3, colGewaesser);
    EXPECT_EQ(QList<QVariantList>(punkt), (QList<QVariantList>{{2, 201, QStringLiteral("Kanal-Test"), 2}}));
    ASSERT_FALSE(rueckgabe.isEmpty());
    EXPECT_TRUE(rueckgabe.last()[0].toBool());
    double lg = 0, bg = 0;
    ASSERT_TRUE(view->AusgewaehltePosition(lg, bg));
    EXPECT_EQ(std::pair(lg, bg), std::pair(13.04, 52.5));
    // A leg row is no point: nothing happens, nothing to hand back.
    doppelklick(kStrecke2, colGewaesser);
    EXPECT_EQ(punkt.count(), 1);
    EXPECT_EQ(details.count(), 0);
    EXPECT_FALSE(rueckgabe.last()[0].toBool());
    EXPECT_FALSE(view->AusgewaehltePosition(lg, bg));
    QString typ;
    std::int32_t id = 0;
    EXPECT_FALSE(view->AusgewaehltesObjekt(typ, id));
    // A detail row asks for the object's details.
    klick(kPunkt1, 0);
    const int schleuse = detailZeile(kPunkt1, 104);
    doppelklick(schleuse, colGewaesser);
    EXPECT_EQ(QList<QVariantList>(details), (QList<QVariantList>{{QStringLiteral("S"), 104}}));
    EXPECT_TRUE(rueckgabe.last()[0].toBool());
    ASSERT_TRUE(view->AusgewaehltePosition(lg, bg));
    EXPECT_DOUBLE_EQ(lg, 13.03);
    ASSERT_TRUE(view->AusgewaehltesObjekt(typ, id));
    EXPECT_EQ(std::pair(typ, id), std::pair(QStringLiteral("S"), 104));
    // Double-clicking the outline mark only opens and closes the group.
    doppelklick(kPunkt1, 0);
    EXPECT_EQ(punkt.count(), 1);
}

TEST_F(RouteView, TheStatisticsButtonOpensTheReport) {
    olm3test::ModalScript modal(
        [](QDialog* dlg) { EXPECT_TRUE(qobject_cast<frmRoutenOptimiererBericht*>(dlg)); });
    olm3test::Klick(view->findChild<ucOLMButton*>(QStringLiteral("pbReport")));
    EXPECT_EQ(modal.aufrufe, 1);
}

// ---- printing ---------------------------------------------------------------------------------------------

namespace {

QString pdfText(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return QString();
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST_F(RouteView, ALongRouteGoesOnNewPagesWithTheHeaderAndPageNumbers) {
    const std::vector<std::int32_t> von{101, 110, 101, 110, 101, 110, 101, 110};
    const std::vector<std::int32_t> nach{110, 101, 110, 101, 110, 101, 110, 101};
    ASSERT_TRUE(olm.SetRouteOptimiert(von, nach, QDateTime()));
    RouteOptimiertSummen summen;
    ASSERT_TRUE(olm.GetRouteOptimiert(route, summen));
    view->FillGridRoute(route);
    for (int r = grid->rowCount() - 2; r >= 0; --r)
        if (!grid->item(r, colNr)->text().contains(QLatin1Char(':'))) klick(r, 0);
    olm.SetRouteGeplant({101, 110, 101, 110, 101, 110, 101, 110, 101});
    const QString pdf = dir.file(QStringLiteral("lang.pdf"));
    clsOLM3Binnen::SetPrintToPdf(pdf);
    olm3test::MessageRecorder meldungen;
    view->Drucken();
    ASSERT_TRUE(QFile::exists(pdf));
    const QString text = pdfText(pdf);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    const QStringList seiten = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(seiten.size(), 3);
    for (int i = 0; i < seiten.size(); ++i) {
        EXPECT_TRUE(seiten[i].contains(QStringLiteral("Seite ") + QString::number(i + 1))) << i;
        // Every page of the route table starts with its header.
        if (i > 0 && !seiten[i].contains(QStringLiteral("Tagesetappen"))) {
            EXPECT_TRUE(seiten[i].contains(QStringLiteral("Uhrzeit"))) << i;
        }
    }
}

TEST_F(RouteView, WithoutAWritableTargetNothingIsReportedAsPrinted) {
    clsOLM3Binnen::SetPrintToPdf(dir.file(QStringLiteral("fehlt/route.pdf")));
    olm3test::MessageRecorder meldungen;
    view->Drucken();
    ASSERT_EQ(meldungen.messages().size(), 1u);
    EXPECT_EQ(meldungen.messages()[0].title, QStringLiteral("frmBinneninfo.Drucken"));
    EXPECT_TRUE(meldungen.messages()[0].text.contains(QStringLiteral("fehlt/route.pdf")));
}

TEST_F(RouteView, ThePreviewOffersPrintersAndAPdfFileAndPrintsPlanStatisticsDayStagesAndEveryRouteRow) {
    // The plan numbers 101, 110 and 204 as 1, 2 and 3; the junction the optimiser added after 110 is 2a.
    olm.SetRouteGeplant({101, 110, 204});
    view->FillGridRoute(route);
    EXPECT_EQ(Zeilen(grid, {colNr}, true),
              (QStringList{"1", "S: 1      B: 1", "2", "2a", "S: 1      B: 0", "3"}));
    const QString pdf = dir.file(QStringLiteral("vorschau.pdf"));
    int vorschauen = 0;
    olm3test::ModalScript modal([&](QDialog* dlg) {
        auto* vorschau = qobject_cast<frmDruckvorschau*>(dlg);
        ASSERT_TRUE(vorschau);
        QComboBox* ziel = vorschau->cmbDrucker();
        EXPECT_EQ(ziel->itemText(ziel->count() - 1), QStringLiteral("Als PDF speichern"));
        if (++vorschauen == 1) return vorschau->cmdAbbrechen()->click();
        ziel->setCurrentIndex(ziel->count() - 1);
        EXPECT_EQ(vorschau->cmdDrucken()->text(), QStringLiteral("Speichern"));
        vorschau->txtPdfDatei()->clear();
        EXPECT_FALSE(vorschau->cmdDrucken()->isEnabled()) << "no file, nothing to save";
        vorschau->txtPdfDatei()->setText(pdf);
        vorschau->cmdDrucken()->click();
    });
    {
        olm3test::MessageRecorder meldungen;
        view->Drucken();
        EXPECT_TRUE(meldungen.messages().empty()) << "cancelled: nothing printed, nothing said";
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_FALSE(olm.state().frmRoutenPlanung);
    }
    olm3test::MessageRecorder meldungen;
    view->Drucken();
    ASSERT_TRUE(QFile::exists(pdf));
    ASSERT_EQ(meldungen.messages().size(), 1u);
    EXPECT_EQ(std::pair(meldungen.messages()[0].title, meldungen.messages()[0].text),
              std::pair(QStringLiteral("Drucken"), QStringLiteral("Ausdruck beendet!")));
    // The planning window was only lent for the print.
    EXPECT_FALSE(olm.state().frmRoutenPlanung);
    const QString text = pdfText(pdf);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    // The plan's points, the statistics, the day stages on a page of their own (the route leaves at 16:00
    // and stops for the night at the berth) and every group of the route table, though none was opened on
    // screen, with the objects' names, the wait at the lock on request and the route points numbered as on
    // the plan's page: three pages.
    for (const char* s :
         {"Route", "Statistik", "Tagesetappen", "An 17:41 Testliegestelle", "Reisetage: 2",
          "Strecke:", "S: 1", "Ab:Mo, 02.06.2008", "Testbrücke", "Schleuse Eins", "Testtankstelle",
          "Schleuse Zwei", "08:00 Uhr", "2a", "Seite 1", "Seite 2", "Seite 3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
    EXPECT_FALSE(text.contains(QStringLiteral("Seite 4")));
}
