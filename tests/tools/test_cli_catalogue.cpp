// The command-line tool on a catalogue: nearest point, position, building a catalogue, expanding legs, and
// every command's answer to bad arguments and its help.

#include "support/clirunner.h"
#include "support/fixtures.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

using olm3test::ExpectOneErrorLine;
using olm3test::RunCli;
using Cli = olm3test::CliTest;

TEST_F(Cli, NearestAndPositionAnswerInJson) {
    auto r = RunCli({"nearest", "--catalogue", katalog, "13.031", "52.501", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json().object();
    EXPECT_EQ(o.keys(), (QStringList{"dblAmtlKM", "dblBg", "dblEntfernung", "dblLg", "dblTiefe", "dblVMax",
                                     "found", "lngBinnenID", "lngPunkteID", "strBinnenBez"}));
    EXPECT_EQ(o["lngPunkteID"].toInt(), 104);
    EXPECT_EQ(o["strBinnenBez"].toString(), QStringLiteral("Havel-Test"));
    r = RunCli({"nearest", "--catalogue", katalog, "--radius", "0.5", "-13.0", "52.5", "--json"});
    EXPECT_EQ(r.exitCode, 1) << "nothing within half a mile of 13° West";
    EXPECT_EQ(r.json().object()["found"].toBool(), false);
    r = RunCli({"position", "--catalogue", katalog, "104", "--besondere", "--json"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.json().object(), (QJsonObject{{"found", true}, {"dblLg", 13.03}, {"dblBg", 52.5}}));
    r = RunCli({"position", "--catalogue", katalog, "101", "--besondere"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QByteArray("found: false\n"));
}

TEST_F(Cli, BadArgumentsAndCataloguesGiveOneClearLineAndHelpNamesTheOptions) {
    const QString routes = olm3test::MakeRoutesDatabase(dir);
    for (const QStringList& args : QList<QStringList>{
             {"nearest", "--catalogue", katalog, "13.0"}, {"nearest", "--catalogue", katalog, "ost", "52.5"},
             {"nearest", "13.0", "52.5"}, {"gibtsnicht"},
             {"nearest", "--catalogue", dir.file("fehlt.sqlite"), "13.0", "52.5"},
             {"position", "--catalogue", routes, "104"}, {"position", "--catalogue", katalog, "hundert"},
             {"expand", "--catalogue", katalog, "--start", "gestern", "--speed", "6", "101:110"},
             {"expand", "--catalogue", katalog, "--start", "2008-06-02 10:00", "--speed", "0", "101:110"},
             {"expand", "--catalogue", katalog, "--start", "2008-06-02 10:00", "--speed", "6", "101-110"},
             {"holidays"}, {"holidays", "zweitausend"}, {"holidays", "2008", "2009"},
             {"lock-wait", "--catalogue", katalog, "--lock", "zehn", "--at", "2008-03-12 21:00"},
             {"lock-wait", "--catalogue", katalog, "--lock", "10", "--at", "2008-02-30 21:00"},
             {"lock-wait", "--catalogue", katalog, "--at", "2008-03-12 21:00"},
             {"lock-wait", "--catalogue", katalog, "--lock", "10"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        ExpectOneErrorLine(RunCli(args));
    }
    // Each command's help names its own options.
    for (const auto& [command, option] : {std::pair{"nearest", "--radius"}, {"lock-wait", "--at"},
                                          {"expand", "9999"}, {"holidays", "JAHR"}}) {
        const auto help = RunCli({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(help.out.contains(option)) << command << ": " << help.out.toStdString();
    }
}

TEST_F(Cli, BuildCatalogueFromDataAndRefuseToOverwrite) {
    const QString data = dir.write("data.sql", olm3test::FixtureSql("mini").toUtf8());
    const QString out = dir.file("2_Neu.sqlite");
    auto r = RunCli({"build-catalogue", "--out", out, data});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(RunCli({"position", "--catalogue", out, "110"}).exitCode, 0);
    ExpectOneErrorLine(RunCli({"build-catalogue", "--out", out, data}));
    const QString broken = dir.write("kaputt.sql", "INSERT INTO GibtEsNicht VALUES (1);");
    ExpectOneErrorLine(RunCli({"build-catalogue", "--out", dir.file("3_X.sqlite"), broken}));
    EXPECT_FALSE(QFile::exists(dir.file("3_X.sqlite"))) << "a failed build leaves no half catalogue";
}

TEST_F(Cli, ExpandGivesTheDetailedRouteWithAllFields) {
    auto r = RunCli({"expand", "--catalogue", katalog, "--start", "2008-06-02 19:45", "--speed", "6",
                     "--json", "101:105", "105:201", "201:204"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json().object();
    EXPECT_TRUE(o["result"].toBool());
    const QJsonArray rows = o["rows"].toArray();
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0].toObject().size(), 31) << "the 28 fields of the route record, the name and the wait";
    // The night wait at lock 104 is the detailed route's (tested there); here, that each key carries its field.
    const QJsonObject schleuse = rows[2].toObject();
    EXPECT_EQ(QStringList({QString::number(schleuse["lngPunkteID"].toInt()), schleuse["strName"].toString(),
                           schleuse["datZeitAn"].toString(), QString::number(schleuse["dblWartezeit"].toDouble()),
                           QString::number(schleuse["intWartegrund"].toInt()), schleuse["strWartegrund"].toString()})
                  .join('|'),
              QStringLiteral("104|Schleuse Eins|2008-06-02T20:21:00|9.65|1|Schleuse öffnet am 03.06. um 06:00 Uhr"));
    EXPECT_DOUBLE_EQ(o["dblStrecke"].toDouble(), 7.0);
    // Lock 202 (on request, 08:00-18:00) is reached at 06:35 the next morning: 85 minutes more.
    EXPECT_NEAR(o["dblSummeWartezeit"].toDouble(), 9.65 + 85.0 / 60, 1e-9);
    r = RunCli({"expand", "--catalogue", katalog, "--start", "2008-06-02 19:45", "--speed", "6", "101:110"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("Schleuse Eins") && r.out.contains("Schleuse öffnet am 03.06. um 06:00 Uhr"))
        << r.out.toStdString();
}

TEST_F(Cli, AnUnreliableOrUnfinishedRouteIsNoSuccess) {
    // Lock 104 never opens: the search ends at its limit of a year.
    const QString zu = olm3test::MakeCatalogueFromFixtures(
        dir, "2_Zu.sqlite", {"mini"},
        {"UPDATE SBZ_Wochentage SET Betrieb = 0 WHERE SchleusenID = 1;"
         "DELETE FROM SBZ_Feiertage WHERE SchleusenID = 1;"});
    auto r = RunCli(
        {"expand", "--catalogue", zu, "--start", "2008-06-02 10:00", "--speed", "6", "--json", "101:110"});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("nicht verlässlich")))
        << r.err.toStdString();
    EXPECT_EQ(r.json().object()["lngSchleusenOhneBetriebszeit"].toInt(), 1);
    // The lock point has lost its lock: the second leg cannot be computed and the route ends before 110.
    const QString kaputt = olm3test::MakeCatalogueFromFixtures(
        dir, "3_Kaputt.sqlite", {"mini"}, {"DELETE FROM Schleusen WHERE PunkteID = 104"});
    r = RunCli({"expand", "--catalogue", kaputt, "--start", "2008-06-02 10:00", "--speed", "6", "--json",
                "101:102", "102:110"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("von Punkt 102 nach Punkt 110")))
        << r.err.toStdString();
    EXPECT_EQ(r.json().object()["lngAbbruchVon"].toInt(), 102);
    EXPECT_EQ(r.json().object()["lngAbbruchNach"].toInt(), 110);
}
