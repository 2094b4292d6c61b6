// The command-line tool against hostile arguments and damaged catalogues: each answered with one clear
// line or an honest failure, never a result that the input cannot give.

#include "support/clirunner.h"
#include "support/fixtures.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

using olm3test::CliRun;
using olm3test::ExpectOneErrorLine;
using olm3test::RunCli;

namespace {

using CliHostile = olm3test::CliTest;
using olm3test::MakeCatalogueFromFixtures;

/// Every number of a JSON answer is a number: a non-finite value would have been written as null.
void expectNoNull(const QJsonValue& v, const std::string& where) {
    if (v.isNull()) ADD_FAILURE() << "null in " << where;
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) expectNoNull(it.value(), where);
    const QJsonArray a = v.toArray();
    for (const QJsonValue& e : a) expectNoNull(e, where);
}

} // namespace

TEST_F(CliHostile, NumbersAndDatesOutsideTheirRangeAreRefused) {
    const QStringList expand{"expand", "--catalogue", katalog, "101:105"};
    const QStringList mittag = expand + QStringList{"--start", "2008-06-02 10:00", "--speed"};
    const QStringList nearest{"nearest", "--catalogue", katalog};
    const QList<QStringList> refused = {
        mittag + QStringList{"nan"}, mittag + QStringList{"inf"}, mittag + QStringList{"-6"},
        expand + QStringList{"--start", "-2024-06-02 10:00", "--speed", "6"},
        expand + QStringList{"--start", "0099-06-02 10:00", "--speed", "6"},
        expand + QStringList{"--start", "2008-13-02 10:00", "--speed", "6"},
        {"lock-wait", "--catalogue", katalog, "--lock", "1", "--at", "0099-06-02 10:00"},
        {"lock-wait", "--catalogue", katalog, "--lock", "1", "--at", "-2024-06-02 10:00"},
        nearest + QStringList{"nan", "52.5"}, nearest + QStringList{"13.0", "inf"},
        nearest + QStringList{"181", "52.5"}, nearest + QStringList{"13.0", "-91"},
        nearest + QStringList{"--radius", "-1", "13.0", "52.5"},
        nearest + QStringList{"--radius", "1e999", "13.0", "52.5"},
        {"holidays", "99"},
    };
    for (const QStringList& args : refused) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        ExpectOneErrorLine(RunCli(args));
    }
    // The range is the one the help states.
    const CliRun help = RunCli({"--help"});
    EXPECT_TRUE(help.out.contains("100") && help.out.contains("9999")) << help.out.toStdString();
    EXPECT_EQ(RunCli(expand + QStringList{"--start", "9999-06-02 10:00", "--speed", "6"}).exitCode, 0);
}

TEST_F(CliHostile, WhatIsNoRegularFileIsRefusedAtOnceWithOneLine) {
    // Every kind of non-file is refused by the database layer; the tool's part is one line naming it.
    const QString fifo = dir.file("2_Rohr.sqlite");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const CliRun r = RunCli({"position", "--catalogue", fifo, "104"});
    ExpectOneErrorLine(r);
    EXPECT_TRUE(r.err.contains(fifo.toUtf8())) << r.err.toStdString();
}

// The database layer opens such names itself; the tool takes them through its settings and the component.
TEST_F(CliHostile, CatalogueNamesWithSeparatorsOpenTheRightFile) {
    // A neighbour that a name cut at the ";" would open: it has the point at another place.
    MakeCatalogueFromFixtures(dir, "Revier.sqlite", {"mini"},
                              {"UPDATE Punkte SET LgDez = 7 WHERE PunkteID = 104"});
    for (const char* n : {"Revier.sqlite;neu.sqlite", "\"Müritz\" Süd.sqlite", " Revier.sqlite"}) {
        const QString name = QString::fromUtf8(n);
        const QString path = olm3test::MakeCatalogueFromFixtures(dir, name, {"mini"});
        const CliRun r = RunCli({"position", "--catalogue", path, "104", "--json"});
        ASSERT_EQ(r.exitCode, 0) << name.toStdString() << r.err.toStdString();
        EXPECT_DOUBLE_EQ(r.json().object()["dblLg"].toDouble(), 13.03) << name.toStdString();
    }
}

TEST_F(CliHostile, DamagedNumbersGiveNoResultWithExitZero) {
    const QStringList expand{"expand", "--start", "2008-06-02 10:00", "--speed", "6", "--json", "101:105"};
    const struct {
        const char* name;
        const char* sql;
        QStringList args;
    } cases[] = {
        {"nan.sqlite", "UPDATE Punkte SET LgDez = 'NaN' WHERE PunkteID = 104", {"position", "104", "--json"}},
        {"inf.sqlite", "UPDATE Punkte SET LgDez = 9e999 WHERE PunkteID = 104", {"position", "104", "--json"}},
        {"infnah.sqlite", "UPDATE Punkte SET LgDez = 9e999", {"nearest", "13.03", "52.5", "--json"}},
        {"durchgang.sqlite", "UPDATE Schleusen SET Durchgangszeit = 1e308", expand},
        {"bruecke.sqlite", "UPDATE Bruecken SET Durchgangszeit = '1e308'", expand},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = MakeCatalogueFromFixtures(dir, c.name, {"mini"}, {c.sql});
        const CliRun r = RunCli(QStringList{c.args.front(), "--catalogue", path} + c.args.mid(1));
        ASSERT_GE(r.exitCode, 0) << "no crash";
        if (r.exitCode == 0) expectNoNull(r.json().object(), c.name);
        EXPECT_NE(r.exitCode, 0) << r.out.toStdString();
    }
}

TEST_F(CliHostile, CheckCatalogueNamesTableRowAndColumnOfEachFinding) {
    CliRun r = RunCli({"check-catalogue", katalog, "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString();
    EXPECT_EQ(r.json().object(), (QJsonObject{{"result", true}, {"findings", QJsonArray()}}));
    const QString path =
        MakeCatalogueFromFixtures(dir, "befunde.sqlite", {"mini"},
                                  {"UPDATE Punkte SET LgDez = 200 WHERE PunkteID = 104;"
                                   "UPDATE SBZ_Wochentage SET UhrzeitVon = '24:00' WHERE rowid = 3;"
                                   "DELETE FROM Abzweige WHERE PunkteID = 201"});
    r = RunCli({"check-catalogue", path, "--json"});
    EXPECT_EQ(r.exitCode, 1);
    QStringList findings;
    for (const QJsonValue& f : r.json().object()["findings"].toArray()) {
        const QJsonObject o = f.toObject();
        EXPECT_FALSE(o["strText"].toString().isEmpty());
        findings << QStringList{o["strTabelle"].toString(), QString::number(o["lngZeile"].toInt()),
                                o["strSpalte"].toString()}.join(' ');
    }
    findings.sort();
    EXPECT_EQ(findings,
              (QStringList{"Abzweige 1 PunkteID_Nach", "Punkte 104 LgDez", "SBZ_Wochentage 3 UhrzeitVon"}));
    const CliRun text = RunCli({"check-catalogue", path});
    EXPECT_TRUE(text.out.contains("Punkte, Zeile 104, Spalte LgDez: ")) << text.out.toStdString();
    ExpectOneErrorLine(RunCli({"check-catalogue"}));
    ExpectOneErrorLine(RunCli({"check-catalogue", dir.file("fehlt.sqlite")}));
}

TEST_F(CliHostile, EveryCommandAnswersEveryDamagedCatalogueHonestly) {
    QProcess gen;
    gen.start("bash", {QStringLiteral(OLM3_SOURCE_DIR "/tests/tools/damaged-catalogues"), katalog,
                       dir.file("korpus")});
    ASSERT_TRUE(gen.waitForFinished(120000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();
    const QStringList files =
        QString::fromUtf8(gen.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(files.size(), 30);
    const QList<QStringList> commands = {
        {"nearest", "13.03", "52.5", "--json"},
        {"position", "104", "--json"},
        {"lock-wait", "--lock", "1", "--at", "2008-06-02 21:00", "--json"},
        {"expand", "--start", "2008-06-02 10:00", "--speed", "6", "--json", "101:110", "105:204"},
        {"route", "--start", "2008-06-02 10:00", "--speed", "6", "--json", "101", "204"},
    };
    for (const QString& file : files) {
        const std::string name = QFileInfo(file).fileName().toStdString();
        SCOPED_TRACE(name);
        // Every damage is a finding; a long name is none.
        const CliRun check = RunCli({"check-catalogue", file});
        EXPECT_EQ(check.exitCode, name == "riesentext.sqlite" ? 0 : 1)
            << check.out.toStdString() << check.err.toStdString();
        EXPECT_FALSE(check.out.isEmpty());
        for (const QStringList& c : commands) {
            SCOPED_TRACE(c.front().toStdString());
            const CliRun r = RunCli(QStringList{c.front(), "--catalogue", file} + c.mid(1));
            ASSERT_GE(r.exitCode, 0) << "crashed or hung";
            if (r.exitCode != 0) {
                EXPECT_FALSE(r.err.isEmpty() && r.json().object().isEmpty()) << "a failure says something";
                continue;
            }
            // A result: valid JSON with every number finite and, for a route, every time a time.
            const QJsonObject o = r.json().object();
            ASSERT_FALSE(o.isEmpty()) << r.out.toStdString();
            expectNoNull(o, name);
            for (const QJsonValue& row : o.value("rows").toArray())
                for (const char* k : {"datZeitAn", "datZeitAb"})
                    EXPECT_FALSE(row.toObject().value(QLatin1String(k)).toString().isEmpty()) << k;
        }
    }
}
