// GPX through the tool as a user runs it: the timed route written with --gpx, and gpx-import matching a
// file's points to the catalogue.

#include "gpx/core/gpx.h"
#include "support/clirunner.h"
#include "support/fixtures.h"
#include "support/gpxschema.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

using olm3test::RunCli;

namespace {

class CliGpx : public ::testing::Test {
protected:
    void SetUp() override {
        catalogue =
            olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("mini.sqlite"), {QStringLiteral("mini")});
        ASSERT_FALSE(catalogue.isEmpty());
    }
    olm3test::CliRun expand(const QString& start, const QString& gpx) const {
        return RunCli({QStringLiteral("expand"), QStringLiteral("--catalogue"), catalogue, QStringLiteral("--start"),
                       start, QStringLiteral("--speed"), QStringLiteral("6"), QStringLiteral("--json"),
                       QStringLiteral("--gpx"), gpx, QStringLiteral("101:105"), QStringLiteral("105:201"),
                       QStringLiteral("201:203")});
    }
    olm3test::CliRun import(const QString& gpx, const QStringList& mehr = {}) const {
        return RunCli(QStringList{QStringLiteral("gpx-import"), gpx, QStringLiteral("--catalogue"), catalogue,
                                  QStringLiteral("--json")} +
                      mehr);
    }
    static std::vector<int> ids(const QJsonValue& v) {
        std::vector<int> out;
        for (const QJsonValue& x : v.toArray()) out.push_back(x.toInt());
        return out;
    }
    olm3test::TempDir dir;
    QString catalogue;
};

} // namespace

TEST_F(CliGpx, TheTimedRouteGoesOutInUtcAndComesBackAsItsRoutePoints) {
    struct Fall {
        QString start;
        QDateTime utc; // the first route point's time
    } faelle[] = {
        {QStringLiteral("2008-06-02 10:00"), QDateTime(QDate(2008, 6, 2), QTime(8, 0), Qt::UTC)},
        {QStringLiteral("2008-12-02 10:00"), QDateTime(QDate(2008, 12, 2), QTime(9, 0), Qt::UTC)},
    };
    for (const Fall& f : faelle) {
        const QString datei = dir.file(f.start.left(10) + QStringLiteral(".gpx"));
        const olm3test::CliRun r = expand(f.start, datei);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        olm3test::ExpectGpxSchemaValid(datei);
        const olm3::gpx::LeseErgebnis erg = olm3::gpx::LeseGpxDatei(datei);
        ASSERT_TRUE(erg);
        const olm3::gpx::Datei& d = erg.datei;
        ASSERT_EQ(d.route.size(), 3u);
        EXPECT_EQ(d.route[0].datZeit, f.utc);
        EXPECT_EQ(d.datStart, f.utc);
        EXPECT_EQ(d.dblMarschV, 6.0);
        // Every route row's arrival and departure, as the JSON has them in local time.
        const QJsonArray rows = r.json().object().value(QStringLiteral("rows")).toArray();
        const QJsonObject letzte = rows.last().toObject();
        // In winter the second lock is closed until April: that arrival is in summer time again.
        const QDateTime an = olm3::gpx::ZuLokal(d.route[2].datZeit, QTimeZone(QByteArrayLiteral("Europe/Berlin")));
        EXPECT_EQ(an.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")), letzte.value(QStringLiteral("datZeitAn")).toString());
        // One waypoint per lock and bridge passed, with departure and wait.
        QStringList namen;
        for (const auto& w : d.wegpunkte) namen << w.strName;
        EXPECT_EQ(namen, (QStringList{QStringLiteral("Testbrücke"), QStringLiteral("Schleuse Eins"),
                                      QStringLiteral("Schleuse Zwei")}));
        for (const auto& w : d.wegpunkte) {
            EXPECT_TRUE(w.datZeitAb.isValid());
            EXPECT_GE(w.datZeitAb, w.datZeit);
        }
        EXPECT_TRUE(d.wegpunkte[1].dblWartezeit.has_value());

        const olm3test::CliRun imp = import(datei);
        ASSERT_EQ(imp.exitCode, 0) << imp.err.toStdString();
        const QJsonObject o = imp.json().object();
        EXPECT_EQ(o.value(QStringLiteral("strQuelle")).toString(), QStringLiteral("Route"));
        EXPECT_EQ(ids(o.value(QStringLiteral("alngPunkteID"))), (std::vector<int>{101, 201, 203}));
        EXPECT_EQ(o.value(QStringLiteral("datStartZeit")).toString(), QString(f.start).replace(QLatin1Char(' '), QLatin1Char('T')) + QStringLiteral(":00"));
    }
}

TEST_F(CliGpx, BadFilesAndArgumentsAreOneLineEach) {
    const QString kaputt = dir.file(QStringLiteral("kaputt.gpx"));
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\"?>\n<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">\n<rte><rtept lat=\"52.5\"");
    f.close();
    const olm3test::CliRun abgeschnitten = import(kaputt);
    olm3test::ExpectOneErrorLine(abgeschnitten);
    EXPECT_EQ(abgeschnitten.exitCode, 2);
    EXPECT_TRUE(abgeschnitten.err.contains("kaputt.gpx")) << abgeschnitten.err.toStdString();

    const olm3test::CliRun fehlt = import(dir.file(QStringLiteral("fehlt.gpx")));
    olm3test::ExpectOneErrorLine(fehlt);
    EXPECT_EQ(fehlt.exitCode, 2);

    olm3test::ExpectOneErrorLine(import(kaputt, {QStringLiteral("--radius"), QStringLiteral("-1")}));
    olm3test::ExpectOneErrorLine(RunCli({QStringLiteral("gpx-import"), QStringLiteral("--catalogue"), catalogue}));

    // Nothing within the radius: the matching is printed, the exit code says no route came of it.
    const QString weit = dir.file(QStringLiteral("weit.gpx"));
    QFile w(weit);
    ASSERT_TRUE(w.open(QIODevice::WriteOnly));
    w.write("<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"x\">"
            "<wpt lat=\"54\" lon=\"14.5\"><name>Ostsee</name></wpt></gpx>");
    w.close();
    const olm3test::CliRun nichts = import(weit);
    EXPECT_EQ(nichts.exitCode, 1);
    EXPECT_EQ(nichts.json().object().value(QStringLiteral("punkte")).toArray().at(0).toObject().value(
                  QStringLiteral("lngPunkteID")),
              QJsonValue(-1));

    // A GPX file that cannot be written leaves the route printed but fails.
    const olm3test::CliRun schreiben = expand(QStringLiteral("2008-06-02 10:00"), dir.file(QStringLiteral("x/y/z.gpx")));
    EXPECT_EQ(schreiben.exitCode, 2);
    EXPECT_TRUE(schreiben.err.contains("z.gpx")) << schreiben.err.toStdString();
}

TEST_F(CliGpx, TheRouteCommandWritesTheRouteItFound) {
    const QString datei = dir.file(QStringLiteral("route.gpx"));
    const olm3test::CliRun r =
        RunCli({QStringLiteral("route"), QStringLiteral("--catalogue"), catalogue, QStringLiteral("--start"),
                QStringLiteral("2008-06-02 10:00"), QStringLiteral("--speed"), QStringLiteral("6"), QStringLiteral("--gpx"),
                datei, QStringLiteral("101"), QStringLiteral("203")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    olm3test::ExpectGpxSchemaValid(datei);
    const olm3test::CliRun imp = import(datei);
    EXPECT_EQ(ids(imp.json().object().value(QStringLiteral("alngPunkteID"))), (std::vector<int>{101, 201, 203}));

    // No route, no file.
    const QString keine = dir.file(QStringLiteral("keine.gpx"));
    const olm3test::CliRun ohne =
        RunCli({QStringLiteral("route"), QStringLiteral("--catalogue"), catalogue, QStringLiteral("--start"),
                QStringLiteral("2008-06-02 10:00"), QStringLiteral("--speed"), QStringLiteral("6"), QStringLiteral("--gpx"),
                keine, QStringLiteral("101"), QStringLiteral("301")});
    EXPECT_EQ(ohne.exitCode, 1);
    EXPECT_FALSE(QFile::exists(keine));
}
