// GPX through the tool as a user runs it: the timed route written with --gpx, and gpx-import matching a
// file's points to the katalog.

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

class CliGpx : public olm3test::CliTest {
protected:
    olm3test::CliRun expand(const QString& start, const QString& gpx) const {
        return RunCli({"expand", "--catalogue", katalog, "--start", start, "--speed", "6", "--json", "--gpx",
                       gpx, "101:105", "105:201", "201:203"});
    }
    olm3test::CliRun import(const QString& gpx, const QStringList& mehr = {}) const {
        return RunCli(QStringList{"gpx-import", gpx, "--catalogue", katalog, "--json"} + mehr);
    }
    static std::vector<int> ids(const QJsonValue& v) {
        std::vector<int> out;
        for (const QJsonValue& x : v.toArray()) out.push_back(x.toInt());
        return out;
    }
};

} // namespace

// The offsets of summer and winter and the waypoints are the GPX core's cases; here one route goes out
// through the tool and back.
TEST_F(CliGpx, TheTimedRouteGoesOutInUtcAndComesBackAsItsRoutePoints) {
    const QDateTime utc(QDate(2008, 6, 2), QTime(8, 0), Qt::UTC);
    const QString datei = dir.file("route.gpx");
    const olm3test::CliRun r = expand("2008-06-02 10:00", datei);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    olm3test::ExpectGpxSchemaValid(datei);
    const olm3::gpx::LeseErgebnis erg = olm3::gpx::LeseGpxDatei(datei);
    ASSERT_TRUE(erg);
    const olm3::gpx::Datei& d = erg.datei;
    ASSERT_EQ(d.route.size(), 3u);
    EXPECT_EQ(d.route[0].datZeit, utc);
    EXPECT_EQ(d.datStart, utc);
    EXPECT_EQ(d.dblMarschV, 6.0);
    // The last arrival as the JSON has it in local time.
    const QJsonObject letzte = r.json().object().value("rows").toArray().last().toObject();
    EXPECT_EQ(olm3::gpx::ZuLokal(d.route[2].datZeit, QTimeZone(QByteArrayLiteral("Europe/Berlin")))
                  .toString("yyyy-MM-ddTHH:mm:ss"),
              letzte.value("datZeitAn").toString());
    // The waypoints of the objects passed are the timed route's own test; here that they are written.
    EXPECT_EQ(d.wegpunkte.size(), 3u);
    const olm3test::CliRun imp = import(datei);
    ASSERT_EQ(imp.exitCode, 0) << imp.err.toStdString();
    const QJsonObject o = imp.json().object();
    EXPECT_EQ(o.value("strQuelle").toString(), "Route");
    EXPECT_EQ(ids(o.value("alngPunkteID")), (std::vector<int>{101, 201, 203}));
    EXPECT_EQ(o.value("datStartZeit").toString(), "2008-06-02T10:00:00");
}

TEST_F(CliGpx, BadFilesAndArgumentsAreOneLineEach) {
    const QString kaputt = dir.write("kaputt.gpx", "<?xml version=\"1.0\"?>\n<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" "
                                                   "version=\"1.1\">\n<rte><rtept lat=\"52.5\"");
    const olm3test::CliRun abgeschnitten = import(kaputt);
    olm3test::ExpectOneErrorLine(abgeschnitten);
    EXPECT_EQ(abgeschnitten.exitCode, 2);
    EXPECT_TRUE(abgeschnitten.err.contains("kaputt.gpx")) << abgeschnitten.err.toStdString();
    for (const char* radius : {"-1", "abc"})
        olm3test::ExpectOneErrorLine(import(kaputt, {"--radius", radius}));
    olm3test::ExpectOneErrorLine(RunCli({"gpx-import", "--catalogue", katalog}));
    // Nothing within the radius: the matching is printed, the exit code says no route came of it.
    const QString weit = dir.write("weit.gpx", "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"x\">"
                                               "<wpt lat=\"54\" lon=\"14.5\"><name>Ostsee</name></wpt></gpx>");
    const olm3test::CliRun nichts = import(weit);
    EXPECT_EQ(nichts.exitCode, 1);
    EXPECT_EQ(nichts.json().object().value("punkte").toArray().at(0).toObject().value("lngPunkteID"),
              QJsonValue(-1));
    // A GPX file that cannot be written leaves the route printed but fails.
    const olm3test::CliRun schreiben = expand("2008-06-02 10:00", dir.file("x/y/z.gpx"));
    EXPECT_EQ(schreiben.exitCode, 2);
    EXPECT_TRUE(schreiben.err.contains("z.gpx")) << schreiben.err.toStdString();
}

TEST_F(CliGpx, TheRouteCommandWritesTheRouteItFoundAndNoFileWithoutOne) {
    auto route = [this](const QString& datei, const QString& ziel) {
        return RunCli({"route", "--catalogue", katalog, "--start", "2008-06-02 10:00", "--speed", "6",
                       "--gpx", datei, "101", ziel});
    };
    const QString gefunden = dir.file("route.gpx"), keine = dir.file("keine.gpx");
    const olm3test::CliRun r = route(gefunden, "203");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    olm3test::ExpectGpxSchemaValid(gefunden);
    EXPECT_EQ(ids(import(gefunden).json().object().value("alngPunkteID")), (std::vector<int>{101, 201, 203}));
    // Alter Arm (301) is joined to nothing.
    EXPECT_EQ(route(keine, "301").exitCode, 1);
    EXPECT_FALSE(QFile::exists(keine));
}
