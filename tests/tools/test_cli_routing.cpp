// The command-line tool's holiday list and lock wait, run as a user runs them.

#include "support/clirunner.h"
#include "support/fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using olm3test::CliRun;
using olm3test::ExpectOneErrorLine;

namespace {
CliRun run(const QStringList& args) { return olm3test::RunCli(args); }
} // namespace

TEST(CliHolidays, JsonListsEveryDayInCalendarOrder) {
    const CliRun l = run({QStringLiteral("holidays"), QStringLiteral("2008"), QStringLiteral("--json")});
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    const QJsonArray a = QJsonDocument::fromJson(l.out).array();
    ASSERT_EQ(a.size(), 20);
    EXPECT_EQ(a[0].toObject(), (QJsonObject{{"code", "NJ"}, {"date", "2008-01-01"}}));
    EXPECT_EQ(a[3].toObject(), (QJsonObject{{"code", "OSam"}, {"date", "2008-03-22"}}));
    EXPECT_EQ(a[6].toObject(), (QJsonObject{{"code", "HF"}, {"date", "2008-05-01"}}));
    EXPECT_EQ(a[19].toObject(), (QJsonObject{{"code", "Silv"}, {"date", "2008-12-31"}}));

    const CliRun text = run({QStringLiteral("holidays"), QStringLiteral("2008")});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.startsWith("2008-01-01 NJ\n2008-01-06 DK\n")) << text.out.toStdString();
}

TEST(CliHolidays, BadYearsAreRefused) {
    ExpectOneErrorLine(run({QStringLiteral("holidays")}));
    ExpectOneErrorLine(run({QStringLiteral("holidays"), QStringLiteral("zweitausend")}));
    ExpectOneErrorLine(run({QStringLiteral("holidays"), QStringLiteral("0")}));
    ExpectOneErrorLine(run({QStringLiteral("holidays"), QStringLiteral("2008"), QStringLiteral("2009")}));
    const CliRun help = run({QStringLiteral("holidays"), QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_FALSE(help.out.isEmpty());
}

TEST(CliLockWait, JsonAnswerAndBadArguments) {
    olm3test::TempDir dir;
    const QString cat =
        olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("locks.sqlite"), {QStringLiteral("locks")});
    auto wait = [&](const QString& lock, const QString& atTime) {
        return run({QStringLiteral("lock-wait"), QStringLiteral("--catalogue"), cat, QStringLiteral("--lock"),
                    lock, QStringLiteral("--at"), atTime, QStringLiteral("--json")});
    };
    // Window 06:00-20:00, arrival 21:00: 3 h to midnight and 6 h to opening.
    CliRun l = wait(QStringLiteral("10"), QStringLiteral("2008-03-12 21:00"));
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(l.out).object(),
              (QJsonObject{{"result", true}, {"dblWartezeit", 9.0}, {"strNB", ""}, {"strSR", ""}}));

    l = wait(QStringLiteral("21"), QStringLiteral("2008-03-16 10:00"));
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(l.out).object().value("strNB").toString(), QStringLiteral("NB"));

    l = wait(QStringLiteral("99"), QStringLiteral("2008-03-12 21:00"));
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_EQ(QJsonDocument::fromJson(l.out).object().value("result"), QJsonValue(false));

    ExpectOneErrorLine(wait(QStringLiteral("zehn"), QStringLiteral("2008-03-12 21:00")));
    ExpectOneErrorLine(wait(QStringLiteral("10"), QStringLiteral("12.03.2008 21:00")));
    ExpectOneErrorLine(wait(QStringLiteral("10"), QStringLiteral("2008-02-30 21:00")));
    ExpectOneErrorLine(run({QStringLiteral("lock-wait"), QStringLiteral("--catalogue"), cat,
                            QStringLiteral("--at"), QStringLiteral("2008-03-12 21:00")}));
    ExpectOneErrorLine(run({QStringLiteral("lock-wait"), QStringLiteral("--catalogue"),
                            dir.file("fehlt.sqlite"), QStringLiteral("--lock"), QStringLiteral("10"),
                            QStringLiteral("--at"), QStringLiteral("2008-03-12 21:00")}));
    const CliRun help = run({QStringLiteral("lock-wait"), QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--at")) << help.out.toStdString();
}
