// Planned routes to GPX and back against a catalogue, and the files a real consumer (gpsbabel) makes of
// ours and writes itself.

#include "data/modOLM3Binnen.h"
#include "gpx/core/gpxroute.h"
#include "routing/core/routeoptimiert.h"
#include "support/fakehost.h"
#include "support/fixtures.h"
#include "support/gpxschema.h"

#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

using namespace modOLM3Binnen;
using namespace olm3::gpx;

namespace {

const QDateTime kStart = olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0));

class GpxRoute : public ::testing::Test {
protected:
    void SetUp() override {
        // Names and descriptions are written as the user reads them, with a German decimal comma.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        objOLM3Cfg = &cfg;
    }
    void TearDown() override {
        objOLM3Cfg = nullptr;
        QLocale::setDefault(QLocale::c());
    }
    void oeffne(const QStringList& mehr) { katalog.Open({"mini"}, mehr); }
    /// Writes d, checks it against the schema and reads it back.
    Datei hinUndZurueck(const Datei& d) {
        const QString datei = dir.file(QStringLiteral("r%1.gpx").arg(++nr));
        QString fehler;
        EXPECT_TRUE(SchreibeGpxDatei(d, datei, fehler)) << fehler.toStdString();
        olm3test::ExpectGpxSchemaValid(datei);
        const LeseErgebnis erg = LeseGpxDatei(datei);
        EXPECT_TRUE(erg) << FehlerText(erg, datei).toStdString();
        return erg.datei;
    }
    static int gpsbabel(const QStringList& args, QByteArray* out = nullptr) {
        QProcess p;
        p.start("gpsbabel", args);
        if (!p.waitForFinished(60000)) return -1;
        if (out) *out = p.readAllStandardOutput();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    static Punkt fremd(double lg, double bg, const QString& name) {
        Punkt p;
        p.dblLg = lg;
        p.dblBg = bg;
        p.strName = name;
        return p;
    }
    olm3test::FakeCfg cfg;
    olm3test::ComponentCatalogue katalog{{"mini"}};
    olm3test::TempDir dir;
    int nr = 0;
};

} // namespace

TEST_F(GpxRoute, APlannedRouteComesBackAsTheSamePointsWithItsStartAndSpeed) {
    // 105 and 201 are the two sides of a junction at one position: only their identity tells them apart.
    const std::vector<std::int32_t> ids{101, 102, 105, 201, 203};
    const Datei d = hinUndZurueck(GeplanteRoute(ids, kStart, 6.5, KatalogZeitzone()));
    ASSERT_EQ(d.route.size(), 5u);
    EXPECT_EQ(d.route[1].strName, "Testbrücke");
    EXPECT_EQ(d.route[1].strBeschreibung, "Havel-Test, amtl. km 11,0");
    EXPECT_EQ(d.route[1].strTyp, "Brücke");
    EXPECT_EQ(d.route[0].strName, "Havel-Test km 10,0");
    EXPECT_EQ(d.route[2].strBeschreibung, "Havel-Test, amtl. km 14,0, Abzweig nach Kanal-Test");
    EXPECT_EQ(d.route[0].datZeit, QDateTime(QDate(2008, 6, 2), QTime(8, 0), Qt::UTC));
    EXPECT_EQ(d.strName, "Route Havel-Test km 10,0 – Kanal-Test km 2,0");
    const Import imp = OrdneZu(d, KatalogZeitzone());
    EXPECT_EQ(imp.alngPunkteID, ids);
    EXPECT_EQ(imp.AnzahlZugeordnet(), 5);
    EXPECT_EQ(imp.datStart, kStart);
    EXPECT_DOUBLE_EQ(imp.dblMarschV, 6.5);
    EXPECT_EQ(imp.quelle, Quelle::Route);
    // Without a start the file carries no times at all; ids the catalogue lacks are left out.
    const Datei ohne = GeplanteRoute({0, 101, 999, 104}, QDateTime(), 0, KatalogZeitzone());
    ASSERT_EQ(ohne.route.size(), 2u);
    EXPECT_FALSE(ohne.route[0].datZeit.isValid());
    EXPECT_FALSE(ohne.datStart.isValid());
}

TEST_F(GpxRoute, TheTimedRouteHasItsRoutePointsAndAWaypointPerObjectPassed) {
    // 101 to 203 over the junction at 6 km/h: bridge 102 at 10:10-10:16, lock 104 at 10:36-10:51.
    cfg.marschV = 6;
    olm3::routing::RouteDetails r;
    bool brk = false;
    for (const auto& [von, nach] : {std::pair{101, 105}, {105, 201}, {201, 203}}) {
        bool erster = von == 101;
        ASSERT_TRUE(olm3::routing::GetDetailsRouteOptimiert(r, kStart, von, nach, erster, brk, nullptr));
    }
    const std::vector<typRouteOptimiert> zeilen(r.audtRouteOptimiert.begin(),
                                                r.audtRouteOptimiert.begin() + r.lngAnzahlRouteOptimiert);
    // The bridge has left the catalogue since: its waypoint keeps what the route row knows.
    oeffne({"DELETE FROM Bruecken WHERE PunkteID = 102; DELETE FROM Punkte WHERE PunkteID = 102;"});
    const Datei d = hinUndZurueck(ZeitplanRoute(zeilen, kStart, 6, KatalogZeitzone()));
    std::vector<std::int32_t> route;
    for (const Punkt& p : d.route) route.push_back(p.lngPunkteID);
    EXPECT_EQ(route, (std::vector<std::int32_t>{101, 201, 203}));
    EXPECT_EQ(d.route[0].datZeit, QDateTime(QDate(2008, 6, 2), QTime(8, 0), Qt::UTC));
    EXPECT_EQ(d.datStart, d.route[0].datZeit);
    EXPECT_EQ(d.dblMarschV, 6.0);
    // Readers that ignore our extension read the times, and at a lock the wait, in the description.
    const auto wert = [](const std::optional<double>& v) { return v ? QString::number(*v) : QString("-"); };
    QStringList wegpunkte;
    for (const Punkt& w : d.wegpunkte)
        wegpunkte << QStringList{w.strName, w.strBeschreibung, w.datZeit.toString(Qt::ISODate),
                                 w.datZeitAb.toString(Qt::ISODate), wert(w.dblWartezeit),
                                 wert(w.dblDurchgangszeit)}.join('|');
    EXPECT_EQ(wegpunkte, (QStringList{
        "Havel-Test km 11,0|Havel-Test, amtl. km 11,0, Ankunft 02.06.2008 10:10, Abfahrt 02.06.2008 10:16|"
        "2008-06-02T08:10:00Z|2008-06-02T08:16:00Z|-|0.1",
        "Schleuse Eins|Havel-Test, amtl. km 13,0, Ankunft 02.06.2008 10:36, Abfahrt 02.06.2008 10:51, "
        "Wartezeit 0,0 h|2008-06-02T08:36:00Z|2008-06-02T08:51:00Z|0|0.25",
        "Schleuse Zwei|Kanal-Test, amtl. km 1,0, Ankunft 02.06.2008 11:11, Abfahrt 02.06.2008 11:11, "
        "Wartezeit 0,0 h|2008-06-02T09:11:00Z|2008-06-02T09:11:00Z|0|-"}));
}

TEST_F(GpxRoute, ForeignPointsMatchTheNearestPointAndTheRestIsListed) {
    Datei d;
    // A track (no route): two fixes near the bridge, one near the lock, one far out in the country, and
    // one at the end of the canal.
    d.track = {fremd(13.0101, 52.5002, "a"), fremd(13.0099, 52.4999, "b"), fremd(13.0302, 52.5001, "c"),
               fremd(13.5, 52.9, "Feldweg"), fremd(13.04, 52.5301, "e")};
    d.wegpunkte = {fremd(13.0, 52.5, "nicht genommen")};
    const Import imp = OrdneZu(d, KatalogZeitzone());
    EXPECT_EQ(imp.quelle, Quelle::Track);
    EXPECT_EQ(imp.alngPunkteID, (std::vector<std::int32_t>{102, 104, 204}));
    EXPECT_EQ(imp.lngZusammengefasst, 1);
    ASSERT_EQ(imp.punkte.size(), 5u);
    EXPECT_EQ(imp.punkte[3].lngPunkteID, -1);
    EXPECT_EQ(imp.punkte[0].strBinnen, "Havel-Test");
    EXPECT_GT(imp.punkte[0].dblEntfernung, 0.0);
    const QString bericht = ImportBericht(imp, "/tmp/fahrt.gpx");
    for (const char* teil : {"fahrt.gpx (Track)", "4 von 5 Punkten", "4. Feldweg",
                             "zusammengefasst wurden: 1", "Umkreis von 0,5 sm"})
        EXPECT_TRUE(bericht.contains(QString::fromUtf8(teil))) << teil << "\n" << bericht.toStdString();
    EXPECT_TRUE(bericht.endsWith("zugeordneten Punkte (3) ersetzen?")) << bericht.toStdString();
    // Waypoints are taken when there is neither route nor track; nothing within the radius leaves the
    // empty route and says so.
    Datei weit;
    weit.wegpunkte = {fremd(14.5, 54.0, "Ostsee")};
    const Import nichts = OrdneZu(weit, KatalogZeitzone());
    EXPECT_EQ(nichts.quelle, Quelle::Wegpunkte);
    EXPECT_TRUE(nichts.LeerGeblieben());
    EXPECT_TRUE(ImportBericht(nichts, "x.gpx").contains("bleibt unverändert"));
    // Breaking off keeps what was matched so far.
    const Import halb =
        OrdneZu(d, KatalogZeitzone(), kFangbereichImport, [](int fertig, int) { return fertig < 2; });
    EXPECT_TRUE(halb.blnAbgebrochen);
    EXPECT_EQ(halb.punkte.size(), 2u);
}

TEST_F(GpxRoute, APointWhoseIdentityIsGoneFallsBackToItsPosition) {
    Datei d;
    Punkt p = fremd(13.03, 52.5, "Schleuse Eins");
    p.strExterneID = "VERSCHWUNDEN";
    p.dblStrecke = 3.0;
    d.route = {p};
    // After a catalogue update the point id the file names may be another point's or none; the
    // waterway's external id and the chainage still find the point.
    Punkt umbenannt = fremd(13.0, 52.6, "Schleuse Eins");
    umbenannt.strExterneID = "HAV";
    umbenannt.dblStrecke = 3.0;
    umbenannt.lngPunkteID = 203;
    d.route.push_back(umbenannt);
    const Import imp = OrdneZu(d, KatalogZeitzone());
    EXPECT_EQ(imp.alngPunkteID, (std::vector<std::int32_t>{104}));
    EXPECT_EQ(imp.lngZusammengefasst, 1);
    EXPECT_FALSE(imp.punkte[0].blnIdentitaet);
    EXPECT_TRUE(imp.punkte[1].blnIdentitaet);
    EXPECT_EQ(imp.punkte[1].strBinnen, "Havel-Test");
}

TEST_F(GpxRoute, TheCataloguesTimeZoneDecidesTheOffset) {
    EXPECT_EQ(KatalogZeitzone().id(), QByteArray("Europe/Berlin"));
    oeffne({"INSERT INTO Katalog VALUES ('Zeitzone', 'Europe/London');"});
    EXPECT_EQ(KatalogZeitzone().id(), QByteArray("Europe/London"));
    const Datei d = GeplanteRoute({101, 104}, kStart, 6, KatalogZeitzone());
    EXPECT_EQ(d.datStart, QDateTime(QDate(2008, 6, 2), QTime(9, 0), Qt::UTC));
    oeffne({"INSERT INTO Katalog VALUES ('Zeitzone', 'Mars/Olympus');"});
    EXPECT_EQ(KatalogZeitzone().id(), QByteArray("Europe/Berlin"));
}

TEST_F(GpxRoute, GpsbabelReadsOurFileAndWhatItWritesComesBackIn) {
    const QString unser = dir.file("unser.gpx");
    QString fehler;
    ASSERT_TRUE(
        SchreibeGpxDatei(GeplanteRoute({101, 102, 104, 203}, kStart, 6, KatalogZeitzone()), unser, fehler));
    // Our route as gpsbabel's universal CSV: every point with its position and name.
    const QString csv = dir.file("unser.csv");
    ASSERT_EQ(gpsbabel({"-r", "-i", "gpx", "-f", unser, "-o", "unicsv", "-F", csv}), 0);
    const QStringList zeilen =
        QString::fromUtf8(olm3test::ReadFile(csv)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 5) << zeilen.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(zeilen[2].startsWith("2,52.500000,13.010000,\"Testbrücke\"")) << zeilen[2].toStdString();
    EXPECT_TRUE(zeilen[1].contains("2008/06/02,08:00:00")) << zeilen[1].toStdString();
    EXPECT_TRUE(zeilen[4].contains("\"Kanal-Test km 2,0\"")) << zeilen[4].toStdString();
    // gpsbabel's own GPX, made from the CSV (no extension of ours survives that), imports by position.
    const QString babel = dir.file("babel.gpx");
    ASSERT_EQ(gpsbabel({"-i", "unicsv", "-f", csv, "-x", "transform,rte=wpt,del", "-o", "gpx,gpxver=1.1",
                        "-F", babel}),
              0);
    olm3test::ExpectGpxSchemaValid(babel);
    const LeseErgebnis erg = LeseGpxDatei(babel);
    ASSERT_TRUE(erg) << FehlerText(erg, babel).toStdString();
    EXPECT_FALSE(erg.datei.route.empty());
    const Import imp = OrdneZu(erg.datei, KatalogZeitzone());
    EXPECT_EQ(imp.alngPunkteID, (std::vector<std::int32_t>{101, 102, 104, 203}));
    EXPECT_EQ(imp.datStart, kStart);
}

TEST_F(GpxRoute, MessagesNameTheFileAndTheFault) {
    LeseErgebnis erg = LeseGpx(QByteArray("<gpx xmlns=\"http://www.topografix.com/GPX/1/0\"/>"));
    EXPECT_EQ(FehlerText(erg, "/home/u/alt.gpx"),
              "Die Datei alt.gpx ist eine GPX-1.0-Datei; gelesen wird nur GPX 1.1.");
    erg = LeseGpx(QByteArray("<gpx xmlns=\"http://www.topografix.com/GPX/1/1\">\n<wpt lon=\"1\"/></gpx>"));
    EXPECT_EQ(FehlerText(erg, "a.gpx"),
              "In der Datei a.gpx fehlt einem Punkt in Zeile 2 die Koordinate „lat“.");
    erg = LeseGpx(QByteArray("<gpx version=\"1.1\"/>"));
    EXPECT_EQ(FehlerText(erg, "b.gpx"),
              QStringLiteral("Die Datei b.gpx nennt keinen Namensraum; eine GPX-1.1-Datei gehört zu "
                             "„http://www.topografix.com/GPX/1/1“."));
    EXPECT_TRUE(cfg.missingTexts.isEmpty());
}
