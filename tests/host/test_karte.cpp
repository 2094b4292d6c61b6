// The chart: what it reads from the catalogue, the line of the optimised route, projection, zoom, pan
// and the pick mode.

#include "karte.h"
#include "support/fixtures.h"

#include "data/modOLM3Binnen.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <numbers>

using namespace olm3host;

namespace {

class KarteTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString katalog =
            olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("1_T.sqlite"), {QStringLiteral("mini")});
        ASSERT_TRUE(modOLM3Binnen::ADO_Open_Connection(katalog, con, {}, {}, {}, true));
        QString fehler;
        ASSERT_TRUE(LadeKartenDaten(con, daten, fehler)) << fehler.toStdString();
    }
    typRouteOptimiert zeile(std::int32_t id) const {
        typRouteOptimiert r;
        r.lngPunkteID = id;
        QPointF l;
        daten.Lage(id, l);
        r.dblLgDez = l.x();
        r.dblBgDez = l.y();
        return r;
    }

    olm3test::TempDir dir;
    ADODB::ConnectionPtr con;
    KartenDaten daten;
};

} // namespace

TEST_F(KarteTest, ReadsWaterwaysInChainageOrderObjectsNamesAndTheCatalogueNotice) {
    EXPECT_EQ(daten.strKatalogName, QStringLiteral("Testkatalog"));
    EXPECT_EQ(daten.strHinweis, QStringLiteral("Testdaten, nicht zur Navigation"));
    ASSERT_EQ(daten.gewaesser.size(), 3u);
    const auto& havel = daten.gewaesser[0];
    EXPECT_EQ(havel.strName, QStringLiteral("Havel-Test"));
    ASSERT_EQ(havel.punkte.size(), 10u);
    EXPECT_EQ(havel.punkte.front(), 101);
    EXPECT_EQ(havel.punkte.back(), 110);
    EXPECT_DOUBLE_EQ(havel.lage[3].x(), 13.03);
    // Every typed point is an object, named from its active record; the plain '' point is none.
    EXPECT_EQ(daten.objekte.size(), 9u);
    auto objekt = [this](std::int32_t id) {
        return *std::find_if(daten.objekte.begin(), daten.objekte.end(),
                             [id](const KartenObjekt& o) { return o.lngPunkteID == id; });
    };
    EXPECT_EQ(objekt(104).typ, QLatin1Char('S'));
    EXPECT_EQ(objekt(104).strName, QStringLiteral("Schleuse Eins"));
    EXPECT_EQ(objekt(202).strName, QStringLiteral("Schleuse Zwei"));
    EXPECT_EQ(objekt(106).strName, QStringLiteral("Testhafen"));
    EXPECT_EQ(objekt(105).typ, QLatin1Char('A'));
    EXPECT_EQ(daten.typNamen.value(QLatin1Char('S')), QStringLiteral("Schleuse"));
    EXPECT_EQ(daten.abzweige.size(), 2u);
    EXPECT_DOUBLE_EQ(daten.bereich.left(), 13.0);
    EXPECT_DOUBLE_EQ(daten.bereich.right(), 14.0);
    EXPECT_DOUBLE_EQ(daten.bereich.bottom(), 53.0);
}

TEST_F(KarteTest, AFileThatIsNoCatalogueGivesNoChartAndNoMessageBox) {
    olm3test::MessageRecorder meldungen;
    const QString andere = olm3test::MakeRoutesDatabase(dir);
    ADODB::ConnectionPtr fremd;
    ASSERT_TRUE(modOLM3Binnen::ADO_Open_Connection(andere, fremd, {}, {}, {}, true));
    KartenDaten d;
    QString fehler;
    EXPECT_FALSE(LadeKartenDaten(fremd, d, fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_TRUE(d.Leer());
    EXPECT_FALSE(LadeKartenDaten(nullptr, d, fehler));
    EXPECT_TRUE(meldungen.messages().empty());
}

TEST_F(KarteTest, TheOptimisedRouteFollowsTheWaterwayAndJumpsOnlyAtJunctions) {
    // Up the river from the bridge past the lock to the junction, across to the canal, up to its lock.
    const std::vector<typRouteOptimiert> route = {zeile(102), zeile(104), zeile(105), zeile(201), zeile(202)};
    const std::vector<QPointF> linie = RoutenVerlauf(daten, route);
    const std::vector<QPointF> erwartet = {{13.01, 52.5}, {13.02, 52.5}, {13.03, 52.5},
                                           {13.04, 52.5}, {13.04, 52.5}, {13.04, 52.51}};
    EXPECT_EQ(linie, erwartet);
    // Downstream the points come in reverse order; rows without a point id are skipped.
    const std::vector<QPointF> zurueck = RoutenVerlauf(daten, {zeile(107), typRouteOptimiert{}, zeile(104)});
    EXPECT_EQ(zurueck, (std::vector<QPointF>{{13.06, 52.5}, {13.05, 52.5}, {13.04, 52.5}, {13.03, 52.5}}));
    EXPECT_TRUE(RoutenVerlauf(daten, {}).empty());
}

TEST_F(KarteTest, ProjectionZoomAndPanKeepTheChartConsistent) {
    Karte karte;
    karte.resize(800, 600);
    karte.SetDaten(daten);
    const QPointF lage(13.04, 52.5);
    const QPointF px = karte.ZuBildschirm(lage);
    EXPECT_NEAR(karte.ZuLage(px).x(), lage.x(), 1e-9);
    EXPECT_NEAR(karte.ZuLage(px).y(), lage.y(), 1e-9);
    // North is up and east is right; a kilometre east is as long on screen as a kilometre north.
    const QPointF ost =
        karte.ZuBildschirm(QPointF(13.04 + 1.0 / (111.195 * std::cos(52.5 * std::numbers::pi / 180)), 52.5));
    const QPointF nord = karte.ZuBildschirm(QPointF(13.04, 52.5 + 1.0 / 111.195));
    EXPECT_NEAR(ost.x() - px.x(), px.y() - nord.y(), 0.5);
    EXPECT_NEAR(ost.x() - px.x(), karte.PixelProKm(), 0.5);

    // Zooming keeps the point under the pointer where it is.
    const double vorher = karte.PixelProKm();
    karte.Zoom(2.0, px);
    EXPECT_NEAR(karte.PixelProKm(), 2 * vorher, 1e-6);
    EXPECT_NEAR(karte.ZuBildschirm(lage).x(), px.x(), 1e-6);
    EXPECT_NEAR(karte.ZuBildschirm(lage).y(), px.y(), 1e-6);

    // Dragging moves the chart with the pointer and picks nothing, also in pick mode.
    karte.SetPunktWahl(true);
    QSignalSpy gewaehlt(&karte, &Karte::PositionGewaehlt);
    QTest::mousePress(&karte, Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseMove(&karte, QPoint(450, 330));
    QTest::mouseRelease(&karte, Qt::LeftButton, {}, QPoint(450, 330));
    EXPECT_EQ(gewaehlt.count(), 0);
    EXPECT_NEAR(karte.ZuBildschirm(lage).x(), px.x() + 50, 1e-6);
    EXPECT_NEAR(karte.ZuBildschirm(lage).y(), px.y() + 30, 1e-6);

    // A click in pick mode hands its position out; Escape leaves pick mode.
    const QPoint ziel = karte.ZuBildschirm(QPointF(13.05, 52.5)).toPoint();
    QTest::mouseClick(&karte, Qt::LeftButton, {}, ziel);
    ASSERT_EQ(gewaehlt.count(), 1);
    EXPECT_NEAR(gewaehlt.at(0).at(0).toDouble(), 13.05, 1e-3);
    EXPECT_NEAR(gewaehlt.at(0).at(1).toDouble(), 52.5, 1e-3);
    QSignalSpy abgebrochen(&karte, &Karte::PunktWahlAbgebrochen);
    QTest::keyClick(&karte, Qt::Key_Escape);
    EXPECT_EQ(abgebrochen.count(), 1);
    EXPECT_FALSE(karte.PunktWahl());
    QTest::mouseClick(&karte, Qt::LeftButton, {}, ziel);
    EXPECT_EQ(gewaehlt.count(), 1);

    // Fitting shows every point of the catalogue.
    karte.Einpassen();
    for (const auto& g : daten.gewaesser)
        for (const auto& l : g.lage)
            EXPECT_TRUE(QRectF(karte.rect()).contains(karte.ZuBildschirm(l)));
}

TEST_F(KarteTest, RoutesAreKeptWithoutEmptyPointsAndClearedByANewCatalogue) {
    Karte karte;
    karte.resize(640, 480);
    karte.SetDaten(daten);
    karte.SetGeplanteRoute({{13.0, 52.5}, {0, 0}, {13.04, 52.53}});
    EXPECT_EQ(karte.GeplanteRoute().size(), 2u);
    karte.SetOptimierteRoute({zeile(101), zeile(103)});
    EXPECT_EQ(karte.OptimierteRoute().size(), 3u);
    EXPECT_DOUBLE_EQ(karte.RoutenBereich().right(), 13.04);
    EXPECT_DOUBLE_EQ(karte.RoutenBereich().bottom(), 52.53);
    // Drawing with routes, names and legend at several zooms does not trip over anything.
    for (const double f : {1.0, 8.0, 64.0}) {
        karte.Zoom(f);
        EXPECT_FALSE(karte.grab().isNull());
    }
    karte.SetDaten(KartenDaten{});
    EXPECT_TRUE(karte.GeplanteRoute().empty());
    EXPECT_TRUE(karte.OptimierteRoute().empty());
    EXPECT_FALSE(karte.grab().isNull());
}
