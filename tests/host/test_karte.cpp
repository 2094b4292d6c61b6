// The chart: what it reads from the catalogue, the line of the optimised route, projection, zoom, pan
// and the pick mode.

#include "karte.h"
#include "support/fixtures.h"

#include "data/modOLM3Binnen.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace olm3host;

namespace {

class KarteTest : public ::testing::Test {
protected:
    void SetUp() override {
        con = olm3test::OpenDatabase(olm3test::MakeCatalogueFromFixtures(dir, "1_T.sqlite", {"mini"}));
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
    EXPECT_EQ(daten.strKatalogName, "Testkatalog");
    EXPECT_EQ(daten.strHinweis, "Testdaten, nicht zur Navigation");
    ASSERT_EQ(daten.gewaesser.size(), 3u);
    const auto& havel = daten.gewaesser[0];
    EXPECT_EQ(havel.strName, "Havel-Test");
    EXPECT_EQ(havel.punkte, (std::vector<std::int32_t>{101, 102, 103, 104, 105, 106, 107, 108, 109, 110}));
    EXPECT_DOUBLE_EQ(havel.lage.at(3).x(), 13.03);
    // Every typed point is an object, named from its active record; the plain '' point is none.
    QStringList objekte;
    for (const KartenObjekt& o : daten.objekte)
        objekte << QStringLiteral("%1 %2 %3").arg(o.lngPunkteID).arg(o.typ).arg(o.strName).trimmed();
    EXPECT_EQ(objekte, (QStringList{"102 B Testbrücke", "104 S Schleuse Eins", "105 A", "106 H Testhafen",
                                    "107 W Testwehr", "108 T Testtankstelle", "109 L Testliegestelle", "201 A",
                                    "202 S Schleuse Zwei"}));
    EXPECT_EQ(daten.typNamen.value(QLatin1Char('S')), "Schleuse");
    EXPECT_EQ(daten.abzweige.size(), 2u);
    EXPECT_EQ(std::tuple(daten.bereich.left(), daten.bereich.right(), daten.bereich.bottom()),
              std::tuple(13.0, 14.0, 53.0));
}

TEST_F(KarteTest, PlacesAndWaterAreasAreOptionalAndRowsTheChartCannotUseAreLeftOut) {
    struct Fall {
        const char* name;
        const char* sql;
        std::vector<const char*> orte; ///< in the order the chart names them
        std::vector<bool> inseln;      ///< per area: an island
    };
    const std::vector<Fall> faelle = {
        {"an older catalogue without the tables",
         "DROP TABLE Orte; DROP TABLE Wasserflaechen; DROP TABLE Wasserflaechen_Punkte;", {}, {}},
        {"usable and broken rows",
         "INSERT INTO Orte VALUES (1, 'Dorf', 13.02, 52.51, 3), (2, 'Stadt', 13.05, 52.49, 1), "
         "(3, '', 13.0, 52.5, 2), (4, 'Weit weg', 200, 52.5, 2), (5, 'Ohne Rang', 13.01, 52.52, 9);"
         "INSERT INTO Wasserflaechen VALUES (1, 'Insel', 1), (2, 'See', 0), (3, 'Strich', 0);"
         "INSERT INTO Wasserflaechen_Punkte VALUES (2, 1, 13.0, 52.49), (2, 2, 13.02, 52.49), "
         "(2, 3, 13.02, 52.51), (2, 4, 13.0, 52.51), (1, 1, 13.005, 52.495), (1, 2, 13.01, 52.495), "
         "(1, 3, 13.01, 52.5), (3, 1, 13.0, 52.5), (3, 2, 13.1, 52.5);",
         {"Stadt", "Dorf", "Ohne Rang"}, {false, true}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        olm3test::TempDir d;
        const auto c =
            olm3test::OpenDatabase(olm3test::MakeCatalogueFromFixtures(d, "1_T.sqlite", {"mini"}, {f.sql}));
        KartenDaten k;
        QString fehler;
        ASSERT_TRUE(LadeKartenDaten(c, k, fehler)) << fehler.toStdString();
        EXPECT_EQ(k.gewaesser.size(), 3u);
        std::vector<QString> orte;
        for (const auto& o : k.orte) orte.push_back(o.strName);
        EXPECT_EQ(orte, std::vector<QString>(f.orte.begin(), f.orte.end()));
        for (const auto& o : k.orte) EXPECT_TRUE(o.rang >= 1 && o.rang <= 3);
        std::vector<bool> inseln;
        for (const auto& a : k.flaechen) inseln.push_back(a.blnInsel);
        EXPECT_EQ(inseln, f.inseln);
        // The official kilometres come with the points; a point without one has none.
        EXPECT_DOUBLE_EQ(k.gewaesser[0].km[3], 13.0);
        EXPECT_TRUE(std::isnan(k.gewaesser[1].km[3]));
        Karte karte;
        karte.resize(640, 480);
        karte.SetDaten(k);
        EXPECT_FALSE(karte.grab().isNull());
    }
}

TEST_F(KarteTest, AFileThatIsNoCatalogueGivesNoChartAndNoMessageBox) {
    olm3test::MessageRecorder meldungen;
    const auto fremd = olm3test::OpenDatabase(olm3test::MakeRoutesDatabase(dir));
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
    EXPECT_EQ(RoutenVerlauf(daten, {zeile(102), zeile(104), zeile(105), zeile(201), zeile(202)}),
              (std::vector<QPointF>{{13.01, 52.5}, {13.02, 52.5}, {13.03, 52.5}, {13.04, 52.5}, {13.04, 52.5},
                                    {13.04, 52.51}}));
    // Downstream the points come in reverse order; rows without a point id are skipped.
    EXPECT_EQ(RoutenVerlauf(daten, {zeile(107), typRouteOptimiert{}, zeile(104)}),
              (std::vector<QPointF>{{13.06, 52.5}, {13.05, 52.5}, {13.04, 52.5}, {13.03, 52.5}}));
    EXPECT_TRUE(RoutenVerlauf(daten, {}).empty());
    // Two rows on two waterways without their junction between them still follow both to the junction.
    EXPECT_EQ(RoutenVerlauf(daten, {zeile(104), zeile(202)}),
              (std::vector<QPointF>{{13.03, 52.5}, {13.04, 52.5}, {13.04, 52.5}, {13.04, 52.51}}));
}

TEST_F(KarteTest, ProjectionZoomAndPanKeepTheChartConsistent) {
    Karte karte;
    karte.resize(800, 600);
    karte.SetDaten(daten);
    const QPointF lage(13.04, 52.5);
    const QPointF px = karte.ZuBildschirm(lage);
    const auto abstand = [](const QPointF& a, const QPointF& b) { return QLineF(a, b).length(); };
    EXPECT_LT(abstand(karte.ZuLage(px), lage), 1e-9);
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
    EXPECT_LT(abstand(karte.ZuBildschirm(lage), px), 1e-6);
    // Dragging moves the chart with the pointer and picks nothing, also in pick mode.
    karte.SetPunktWahl(true);
    QSignalSpy gewaehlt(&karte, &Karte::PositionGewaehlt);
    QTest::mousePress(&karte, Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseMove(&karte, QPoint(450, 330));
    QTest::mouseRelease(&karte, Qt::LeftButton, {}, QPoint(450, 330));
    EXPECT_EQ(gewaehlt.count(), 0);
    EXPECT_LT(abstand(karte.ZuBildschirm(lage), px + QPointF(50, 30)), 1e-6);
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
    // Moving the pointer tells where it is; a mark stays until the next click.
    QSignalSpy cursor(&karte, &Karte::CursorBewegt);
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(ziel), karte.mapToGlobal(QPointF(ziel)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&karte, &bewegung);
    ASSERT_EQ(cursor.count(), 1);
    EXPECT_NEAR(cursor.last().at(0).toDouble(), 13.05, 1e-3);
    karte.SetMarke(QPointF(13.05, 52.5));
    EXPECT_TRUE(karte.HatMarke());
    QTest::mouseClick(&karte, Qt::LeftButton, {}, ziel);
    EXPECT_FALSE(karte.HatMarke());
    // Fitting shows every point of the catalogue.
    karte.Einpassen();
    for (const auto& g : daten.gewaesser)
        for (const auto& l : g.lage) EXPECT_TRUE(QRectF(karte.rect()).contains(karte.ZuBildschirm(l)));
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

TEST(KarteDesBeispielkatalogs, FillsTheLakesNamesThePlacesAndNoTwoLabelsOverlap) {
    const auto con = olm3test::OpenDatabase(QStringLiteral(OLM3_SAMPLE_CATALOGUE));
    KartenDaten daten;
    QString fehler;
    ASSERT_TRUE(LadeKartenDaten(con, daten, fehler)) << fehler.toStdString();
    ASSERT_GE(daten.orte.size(), 20u);
    ASSERT_GE(daten.flaechen.size(), 10u);
    EXPECT_EQ(daten.orte.front().rang, 1);
    for (const auto& g : daten.gewaesser) EXPECT_EQ(g.km.size(), g.lage.size());
    // The sample catalogue's chart, drawn offscreen at a given area (empty: the whole catalogue).
    struct Ansicht {
        const char* name;
        QRectF bereich;
        std::vector<const char*> orte;
    };
    const std::vector<Ansicht> ansichten = {
        {"overview", {}, {"Berlin", "Potsdam", "Brandenburg an der Havel"}},
        {"berlin", QRectF(QPointF(13.30, 52.485), QPointF(13.47, 52.545)), {"Berlin", "Charlottenburg"}},
        {"mueritz", QRectF(QPointF(12.55, 53.33), QPointF(12.82, 53.53)), {"Waren (Müritz)", "Rechlin"}},
    };
    Karte karte;
    karte.resize(1300, 800);
    karte.SetDaten(daten);
    for (const Ansicht& a : ansichten) {
        SCOPED_TRACE(a.name);
        a.bereich.isEmpty() ? karte.Einpassen() : karte.ZeigeBereich(a.bereich);
        const QImage bild = karte.grab().toImage();
        bild.save(QStringLiteral(OLM3_TEST_OUTPUT "/karte-") + QLatin1String(a.name) + ".png");
        const auto& texte = karte.Beschriftungen();
        for (const char* ort : a.orte)
            EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [ort](const KartenBeschriftung& b) {
                return b.art == KartenBeschriftung::Ort && b.strText == QString::fromUtf8(ort);
            })) << ort;
        EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [](const KartenBeschriftung& b) {
            return b.art == KartenBeschriftung::Kilometer;
        }));
        for (size_t i = 0; i < texte.size(); ++i)
            for (size_t j = i + 1; j < texte.size(); ++j)
                EXPECT_FALSE(texte[i].huelle.intersects(texte[j].huelle))
                    << texte[i].strText.toStdString() << " / " << texte[j].strText.toStdString();
        // The open water of the Müritz west of the sailing line, and the land between the lakes.
        const QPointF see = karte.ZuBildschirm(QPointF(12.63, 53.45));
        if (QRectF(karte.rect()).contains(see)) {
            EXPECT_EQ(bild.pixelColor(see.toPoint()), QColor(0x8E, 0xC3, 0xEA));
        }
        const QPointF land = karte.ZuBildschirm(QPointF(12.86, 53.47));
        if (QRectF(karte.rect()).contains(land)) {
            EXPECT_NE(bild.pixelColor(land.toPoint()), QColor(0x8E, 0xC3, 0xEA));
        }
    }
    // Zoomed in, the kilometre marks come closer together.
    karte.ZeigeBereich(QRectF(QPointF(13.30, 52.485), QPointF(13.47, 52.545)));
    const double nah = karte.KmIntervall();
    karte.Einpassen();
    EXPECT_GT(karte.KmIntervall(), nah);
}
