// The wait at a lock: windows of a day, holidays, closed days and seasons, locks that work on request,
// and the limits of the search. Expected waits are worked out by hand in the comments.

#include "data/modOLM3Binnen.h"
#include "olm3binnen/types.h"
#include "routing/core/schleusenbz.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using olm3::MakeDatum;
using olm3::routing::GetSchleusenBZ;
using olm3test::MessageRecorder;

namespace {

using olm3test::At;

class LockHours : public ::testing::Test {
public:
    olm3test::ComponentCatalogue katalog{{"locks"}};

    struct Antwort {
        bool ok = false;
        double wartezeit = -1;
        QString nb, sr;
    };
    static Antwort frage(std::int32_t lock, const QDateTime& dat) {
        Antwort a{false, -1, "alt", "alt"};
        a.ok = GetSchleusenBZ(lock, dat, a.wartezeit, a.nb, a.sr);
        return a;
    }
};

struct Fall {
    const char* name;
    std::int32_t lock;
    QDateTime at;
    double hours;
};

void expectWaits(const std::vector<Fall>& faelle) {
    MessageRecorder messages;
    for (const Fall& f : faelle) {
        const LockHours::Antwort a = LockHours::frage(f.lock, f.at);
        EXPECT_TRUE(a.ok) << f.name;
        EXPECT_NEAR(a.wartezeit, f.hours, 1e-9) << f.name;
    }
    EXPECT_TRUE(messages.messages().empty());
}

} // namespace

TEST_F(LockHours, WindowsOfOneDay) {
    expectWaits({
        {"inside 06:00-20:00", 10, At(2008, 3, 12, 10, 0), 0.0},
        {"at the opening second", 10, At(2008, 3, 12, 6, 0), 0.0},
        {"at the closing second", 10, At(2008, 3, 12, 20, 0), 0.0},
        {"before opening: 05:30 -> 06:00", 10, At(2008, 3, 12, 5, 30), 0.5},
        // seconds do not count: 05:29:59 -> 06:00 crosses 31 minute boundaries
        {"minute boundaries", 10, MakeDatum(QDate(2008, 3, 12), QTime(5, 29, 59)), 31.0 / 60.0},
        {"after closing: 21:00 -> 24:00 is 3 h, then 00:00 -> 06:00 is 6 h", 10, At(2008, 3, 12, 21, 0), 9.0},
        {"closing 00:00 is midnight: 23:30 inside 06:00-00:00", 11, At(2008, 3, 12, 23, 30), 0.0},
        {"00:30 waits for 06:00 the same day", 11, At(2008, 3, 12, 0, 30), 5.5},
        {"22:00-06:00, 02:00: inside the window begun the evening before", 12, At(2008, 3, 12, 2, 0), 0.0},
        {"22:00-06:00, 21:00 -> 22:00", 12, At(2008, 3, 12, 21, 0), 1.0},
        {"22:00-06:00, 07:00 -> 22:00", 12, At(2008, 3, 12, 7, 0), 15.0},
        {"two windows, lunch break 13:00 -> 14:00", 19, At(2008, 3, 12, 13, 0), 1.0},
        {"two windows, evening 21:00 -> 06:00", 19, At(2008, 3, 12, 21, 0), 9.0},
        {"winter hours across the new year: 15 Jan 08:00 -> 09:00", 18, At(2008, 1, 15, 8, 0), 1.0},
        {"winter hours on 31 Dec: 08:00 -> 09:00", 18, At(2008, 12, 31, 8, 0), 1.0},
        {"summer hours: 1 Apr 05:00 -> 06:00", 18, At(2008, 4, 1, 5, 0), 1.0},
    });
}

TEST_F(LockHours, Holidays) {
    expectWaits({
        // 13: Mondays 08:00-12:00, other days 10:00-18:00, kept holidays refer to working-day hours.
        {"Easter Sunday (kept, 'WT' reference) is a Monday: 07:00 -> 08:00", 13, At(2008, 3, 23, 7, 0), 1.0},
        {"an ordinary Sunday: 07:00 -> 10:00", 13, At(2008, 3, 16, 7, 0), 3.0},
        {"Epiphany, a Sunday not kept in BB: Sunday hours, 07:00 -> 10:00", 13, At(2008, 1, 6, 7, 0), 3.0},
        {"Day of German Unity on a Friday keeps Friday: 07:00 -> 10:00", 13, At(2008, 10, 3, 7, 0), 3.0},
        // 20: every kept holiday keeps Sunday hours 09:00-17:00 (REST reference row).
        {"Friday 3 Oct 2008, kept: 07:00 -> 09:00", 20, At(2008, 10, 3, 7, 0), 2.0},
        {"an ordinary Friday: inside 06:00-20:00", 20, At(2008, 10, 10, 7, 0), 0.0},
        {"1 May 2008 (Ascension Day, kept): 07:00 -> 09:00", 20, At(2008, 5, 1, 7, 0), 2.0},
        // 23: at Christmas a Monday opens 08:00-12:00; the Saturday row is no window on a Monday.
        {"Christmas Monday 07:00 -> 08:00", 23, At(2017, 12, 25, 7, 0), 1.0},
        {"Christmas Monday 13:00: 11 h to midnight; Tuesday 26 Dec has no row of its own: weekday 06:00", 23,
         At(2017, 12, 25, 13, 0), 17.0},
    });
}

TEST_F(LockHours, ClosedSeasonsAreCrossedWhole) {
    expectWaits({
        // 14 is closed November to March. 9 Jan 2008 10:00 -> 1 Apr 2008 06:00: 83 days less 4 h = 1988 h.
        {"winter, same year", 14, At(2008, 1, 9, 10, 0), 83 * 24 - 4},
        // 6 Nov 2008 12:00 -> 1 Apr 2009 06:00: 24 + 31 + 31 + 28 + 31 + 1 = 146 days less 6 h = 3498 h.
        {"winter into the next year", 14, At(2008, 11, 6, 12, 0), 146 * 24 - 6},
        // 17 opens on New Year's Eve inside its closed season: 10 Nov 2008 09:00 -> 31 Dec 2008 10:00,
        // 51 days and 1 h = 1225 h (the season's end in March comes later).
        {"a holiday window inside a season that ends next year", 17, At(2008, 11, 10, 9, 0), 51 * 24 + 1},
        // 16 is closed all year but on Christmas Eve and New Year's Eve. 31 Dec 2007 15:00 (after the window)
        // -> 24 Dec 2008 10:00: 366 - 7 = 359 days less 5 h = 8611 h; day by day that is past the step limit.
        {"a year of closure crossed by holidays", 16, At(2007, 12, 31, 15, 0), 359 * 24 - 5},
        // Wed 17 Dec 2008: seven closed weekdays end on Tue 23 Dec; the next day is Christmas Eve with its
        // own window: 17 Dec 10:00 -> 24 Dec 10:00 = 168 h.
        {"the day after the seventh closed day is a holiday", 16, At(2008, 12, 17, 10, 0), 168.0},
        // 25 is closed until 15 April and at Easter (its own closed row). Mon 14 Jan 2008 10:00 -> Wed 16 Apr
        // 06:00: 17 + 29 + 31 + 16 = 93 days less 4 h = 2228 h; the next holiday (1 May) comes later.
        {"a closed holiday does not carry the search past the season's end", 25, At(2008, 1, 14, 10, 0),
         93 * 24 - 4},
    });
}

TEST_F(LockHours, AClosingTimeWrittenAs2400IsMidnight) {
    katalog.Open({"locks"}, {"UPDATE SBZ_Wochentage SET UhrzeitBis = '24:00' WHERE SchleusenID = 11;"});
    expectWaits({
        {"open until midnight: 23:30 inside 06:00-24:00", 11, At(2008, 3, 12, 23, 30), 0.0},
        {"05:00 waits for 06:00", 11, At(2008, 3, 12, 5, 0), 1.0},
    });
}

TEST_F(LockHours, OnRequestLocksDoNotWaitOnClosedDays) {
    // Saturday 15 Mar 2008 19:00: after closing, 5 h to midnight; Sunday is closed but on request.
    Antwort a = frage(21, At(2008, 3, 15, 19, 0));
    EXPECT_EQ(std::tuple(a.ok, a.wartezeit, a.nb, a.sr), std::tuple(true, 5.0, QString("NB"), QString()));
    a = frage(22, At(2008, 3, 16, 10, 0));
    EXPECT_EQ(std::tuple(a.ok, a.wartezeit, a.nb, a.sr), std::tuple(true, 0.0, QString(), QString("nb")));
}

TEST_F(LockHours, SearchEndsAtItsLimitForALockThatNeverOpens) {
    // 15 keeps no holiday and is closed all year: after 366 examined days the search gives up, true, with
    // the wait so far (holiday by holiday that is many years).
    const Antwort a = frage(15, At(2008, 6, 2, 12, 0));
    EXPECT_TRUE(a.ok && a.wartezeit > 5 * 365 * 24.0) << a.wartezeit;
}

TEST_F(LockHours, MissingRowsAndBadDataFail) {
    MessageRecorder messages;
    const Antwort a = frage(99, At(2008, 3, 12, 10, 0));
    EXPECT_EQ(std::tuple(a.ok, a.wartezeit, messages.messages().size()), std::tuple(false, 0.0, 0u));
    EXPECT_FALSE(frage(26, At(2008, 3, 12, 10, 0)).ok);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].title, "[clsOLM3Binnen.GetSchleusenBZ]");
    EXPECT_EQ(messages.messages()[0].style & modOLM3Binnen::vbCritical, modOLM3Binnen::vbCritical);
    EXPECT_TRUE(messages.messages()[0].text.startsWith("13  ")) << messages.messages()[0].text.toStdString();
}

TEST(LockHoursWithoutCatalogue, QueriesThatCannotRunGiveFalse) {
    MessageRecorder messages;
    modOLM3Binnen::conBinnenDatabase.reset();
    const LockHours::Antwort a = LockHours::frage(10, At(2008, 3, 12, 10, 0));
    EXPECT_EQ(std::pair(a.ok, a.wartezeit), std::pair(false, 0.0));
    olm3test::ComponentCatalogue ohneFT({"locks"}, {"DELETE FROM Abfragen WHERE Name = 'V_GET_BZ_FT';"});
    // An ordinary day needs only the weekday rows; a holiday needs the missing query.
    expectWaits({{"an ordinary day", 10, At(2008, 3, 12, 5, 30), 0.5}});
    EXPECT_FALSE(LockHours::frage(10, At(2008, 12, 25, 5, 30)).ok);
    EXPECT_TRUE(messages.messages().empty());
}
