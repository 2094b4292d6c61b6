// The holiday calendar: Easter, the dates of every holiday and special day, the order in which the
// search meets them, and what the catalogue says about a lock keeping them.

#include "data/modOLM3Binnen.h"
#include "olm3binnen/types.h"
#include "routing/core/feiertage.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace olm3::routing;
using olm3::MakeDatum;

namespace {

constexpr std::int32_t kSchleuseBB = 10; // keeps NJ, O, MF, HF, Pf, TDE, RT, W
constexpr std::int32_t kSchleuseBY = 30; // keeps DK and Fl besides

using olm3test::At;
using Katalog = olm3test::ComponentCatalogue;
const QStringList kSchleusen{"locks"};

struct Gefunden {
    QString code;
    bool feiertag = false;
    QDateTime datum;
};

Gefunden ft(const QDateTime& dat, std::int32_t lock = kSchleuseBB, bool naechster = false) {
    Gefunden g{{}, true, dat}; // GetFT must clear feiertag
    g.code = GetFT(g.datum, lock, g.feiertag, naechster);
    return g;
}

} // namespace

TEST(Ostersonntag, KnownYears) {
    // 1818 has the earliest possible Easter, 1943 the latest.
    for (const QDate& d : {QDate(2007, 4, 8), QDate(2008, 3, 23), QDate(2011, 4, 24), QDate(2038, 4, 25),
                           QDate(2285, 3, 22), QDate(1818, 3, 22), QDate(1943, 4, 25)})
        EXPECT_EQ(GetOstersonntag(d.year()), d);
}

TEST(Ostersonntag, AlwaysASundayBetween22MarchAnd25April) {
    for (int y = 1583; y <= 9999; ++y) {
        const QDate e = GetOstersonntag(y);
        ASSERT_EQ(e.dayOfWeek(), 7) << y;
        ASSERT_GE(e, QDate(y, 3, 22)) << y;
        ASSERT_LE(e, QDate(y, 4, 25)) << y;
    }
}

TEST(FeiertageDesJahres, Year2008InCalendarOrderOneEntryPerDay) {
    // 2008: Easter 23 March, so Ascension Day (E + 39) falls on 1 May and takes that day.
    std::vector<std::string> got;
    for (const auto& [code, d] : FeiertageDesJahres(2008))
        got.push_back((code + d.toString(QStringLiteral(" dd.MM."))).toStdString());
    EXPECT_EQ(got, (std::vector<std::string>{"NJ 01.01.",   "DK 06.01.", "O 21.03.",    "OSam 22.03.",
                                             "O 23.03.",    "O 24.03.",  "HF 01.05.",   "PfSam 10.05.",
                                             "Pf 11.05.",   "Pf 12.05.", "Fl 22.05.",   "MHF 15.08.",
                                             "TDE 03.10.",  "RT 31.10.", "AllH 01.11.", "BBT 19.11.",
                                             "HllA 24.12.", "W 25.12.",  "W 26.12.",    "Silv 31.12."}));
}

TEST(FeiertageDesJahres, MovableDaysKeepCalendarOrderAndBBTIsTheRightWednesday) {
    // Ascension Day before 1 May (Easter on 22 March 2285) comes first; in other years 1 May does, which
    // the calendar order of every year below holds.
    const auto y2285 = FeiertageDesJahres(2285);
    EXPECT_EQ(std::tuple(y2285.at(6).first, y2285.at(6).second, y2285.at(7).first),
              std::tuple(QString("HF"), QDate(2285, 4, 30), QString("MF")));
    auto bbt = [](int y) {
        for (const auto& [code, d] : FeiertageDesJahres(y))
            if (code == QLatin1String("BBT")) return d;
        return QDate();
    };
    // The Wednesday from 16 to 22 November is one day in every year.
    for (int y = 1900; y <= 2200; ++y) {
        const auto days = FeiertageDesJahres(y);
        for (size_t i = 1; i < days.size(); ++i)
            ASSERT_LT(days[i - 1].second, days[i].second) << y;
        const QDate b = bbt(y);
        ASSERT_EQ(b.dayOfWeek(), 3) << y;
        ASSERT_GE(b.day(), 16) << y;
        ASSERT_LE(b.day(), 22) << y;
    }
}

TEST(PruefeFTDatum, MatchesTheDateAndMovesOnlyForwardInNextMode) {
    QDateTime d = At(2008, 1, 6, 23, 59);
    EXPECT_EQ(PruefeFTDatum(d, QDate(2008, 1, 6), "DK", false), "DK");
    EXPECT_EQ(d, At(2008, 1, 6, 23, 59));
    EXPECT_EQ(PruefeFTDatum(d, QDate(2008, 1, 1), "NJ", true), QString());
    EXPECT_EQ(PruefeFTDatum(d, QDate(2008, 3, 21), "O", false), QString());
    EXPECT_EQ(d, At(2008, 1, 6, 23, 59));
    EXPECT_EQ(PruefeFTDatum(d, QDate(2008, 3, 21), "O", true), "O");
    EXPECT_EQ(d, At(2008, 3, 21));
}

TEST(GetFT, CodesAndWhetherTheLockKeepsThem) {
    Katalog k(kSchleusen);
    struct Fall {
        QDateTime at;
        std::int32_t lock;
        const char* code;
        bool feiertag;
    };
    const Fall faelle[] = {
        {At(2008, 5, 1), kSchleuseBB, "HF", true},     // 1 May is Ascension Day too
        {At(2007, 5, 1), kSchleuseBB, "MF", true},     //
        {At(2008, 3, 21), kSchleuseBB, "O", true},     // Good Friday
        {At(2008, 3, 22), kSchleuseBB, "OSam", false}, // special days are never "kept"
        {At(2008, 5, 12), kSchleuseBB, "Pf", true},
        {At(2008, 12, 26), kSchleuseBB, "W", true},
        {At(2008, 1, 6, 23, 59), kSchleuseBB, "DK", false}, // not kept in BB; the time of day does not count
        {At(2008, 1, 6, 0, 0), kSchleuseBY, "DK", true},
        {At(2008, 5, 22), kSchleuseBY, "Fl", true},
        {At(2008, 11, 19), kSchleuseBY, "BBT", false},
        {At(2008, 1, 7, 12, 0), kSchleuseBB, "", false}, // an ordinary day
        {At(2008, 12, 31, 18, 0), 999, "Silv", false},   // a lock the catalogue does not know
    };
    for (const Fall& f : faelle) {
        const Gefunden g = ft(f.at, f.lock); // only the next-holiday search moves the date
        EXPECT_EQ(std::tuple(g.code, g.feiertag, g.datum), std::tuple(QString(f.code), f.feiertag, f.at))
            << f.at.toString().toStdString();
    }
}

TEST(GetFT, EveryDayOfTheYearAgreesWithTheYearsList) {
    Katalog k(kSchleusen);
    const auto list = FeiertageDesJahres(2008);
    size_t next = 0;
    for (QDate d(2008, 1, 1); d.year() == 2008; d = d.addDays(1)) {
        const QString expected =
            next < list.size() && list[next].second == d ? list[next++].first : QString();
        ASSERT_EQ(ft(MakeDatum(d, QTime(12, 0))).code, expected) << d.toString(Qt::ISODate).toStdString();
    }
    EXPECT_EQ(next, list.size());
}

TEST(GetFT, NextHolidayModeMovesTheDateWithinTheYear) {
    Katalog k(kSchleusen);
    const struct {
        QDateTime von;
        const char* code;
        QDateTime datum;
        bool feiertag;
    } faelle[] = {
        {At(2008, 1, 2, 9, 30), "DK", At(2008, 1, 6), false}, // not kept in BB
        {At(2008, 12, 27, 10, 30), "Silv", At(2008, 12, 31), false},
        // on a holiday the date stays as it is, time of day included
        {At(2008, 12, 25, 15, 0), "W", At(2008, 12, 25, 15, 0), true},
        {At(2008, 3, 22, 8, 0), "OSam", At(2008, 3, 22, 8, 0), false},
        {At(2008, 5, 2), "PfSam", At(2008, 5, 10), false},
    };
    for (const auto& f : faelle) {
        const Gefunden g = ft(f.von, kSchleuseBB, true);
        EXPECT_EQ(std::tuple(g.code, g.datum, g.feiertag), std::tuple(QString(f.code), f.datum, f.feiertag))
            << f.code;
    }
}

TEST(GetFT, SpecialDaysNeedNoCatalogueAndAFailedQueryGivesNothing) {
    Katalog k(kSchleusen, {"DELETE FROM Abfragen WHERE Name = 'V_IST_FEIERTAG';"});
    EXPECT_EQ(ft(At(2008, 3, 22)).code, "OSam");
    const Gefunden g = ft(At(2008, 3, 23));
    EXPECT_EQ(std::pair(g.code, g.feiertag), std::pair(QString(), false));
    modOLM3Binnen::conBinnenDatabase->Close();
    EXPECT_EQ(ft(At(2008, 12, 25)).code, QString());
    EXPECT_EQ(ft(At(2008, 5, 10)).code, "PfSam");
}
