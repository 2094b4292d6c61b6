// The command-line tool's holiday list and lock wait, run as a user runs them.

#include "support/clirunner.h"
#include "support/fixtures.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

using olm3test::CliRun;
using olm3test::RunCli;

TEST(CliHolidays, JsonListsEveryDayInCalendarOrder) {
    const CliRun l = RunCli({"holidays", "2008", "--json"});
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    const QJsonArray a = l.json().array();
    ASSERT_EQ(a.size(), 20);
    // The dates themselves are the calendar's; the tool's part is their shape.
    EXPECT_EQ(a[0].toObject(), (QJsonObject{{"code", "NJ"}, {"date", "2008-01-01"}}));
    const CliRun text = RunCli({"holidays", "2008"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.startsWith("2008-01-01 NJ\n2008-01-06 DK\n")) << text.out.toStdString();
}

// Whether a lock waits, and why, is the lock hours' computation; here the keys of the answer.
TEST(CliLockWait, JsonAnswer) {
    olm3test::TempDir dir;
    const QString cat = olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("locks.sqlite"), {"locks"});
    auto wait = [&](const QString& lock, const QString& atTime) {
        return RunCli({"lock-wait", "--catalogue", cat, "--lock", lock, "--at", atTime, "--json"});
    };
    // Window 06:00-20:00, arrival 21:00: 3 h to midnight and 6 h to opening.
    CliRun l = wait("10", "2008-03-12 21:00");
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    EXPECT_EQ(l.json().object(),
              (QJsonObject{{"result", true}, {"dblWartezeit", 9.0}, {"strNB", ""}, {"strSR", ""}}));
    // A lock on request says so in its own key.
    EXPECT_EQ(wait("21", "2008-03-16 10:00").json().object().value("strNB").toString(), QStringLiteral("NB"));
    l = wait("99", "2008-03-12 21:00");
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_EQ(l.json().object().value("result"), QJsonValue(false));
}
