// What the lock operating-hours screen shows, without its window: dates of the movable holidays, cell
// texts, the weekday table with its seasons and extra windows, and the holiday table with its joined,
// dated and expanded rows.

#include "data/modOLM3Binnen.h"
#include "olm3binnen/types.h"
#include "routing/core/schleusenbzanzeige.h"
#include "support/fakehost.h"

#include <gtest/gtest.h>

using namespace olm3::routing;

namespace {

class LockScreenContent : public ::testing::Test {
protected:
    void SetUp() override { modOLM3Binnen::objOLM3Cfg = &cfg; }
    void TearDown() override {
        modOLM3Binnen::objOLM3Cfg = nullptr;
        EXPECT_TRUE(cfg.missingTexts.isEmpty());
    }
    olm3test::FakeCfg cfg;
};

std::vector<WTZeile> woche() {
    std::vector<WTZeile> tage;
    for (const char* kurz : {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}) {
        WTZeile z;
        z.lngNr = int(tage.size()) + 1;
        z.strWtID = QString::fromLatin1(kurz);
        z.strTag = z.strWtID + "-Tag";
        tage.push_back(z);
    }
    return tage;
}

WTEintrag sommer(const char* tag, const char* von, const char* bis, const char* sr = "") {
    return {tag, "2000-04-01", "2000-10-31", von, bis, true, sr};
}
WTEintrag winter(const char* tag, const char* von, const char* bis, bool betrieb = true) {
    return {tag, "2000-11-01", "2000-03-31", von, bis, betrieb, QString()};
}

/// A season's column: each row's weekday ("+" on a row inserted for a further window), text and rule.
QStringList spalte(const WTTabelle& t, size_t c) {
    QStringList s;
    for (const WTZeile& z : t.aZeilen) {
        const WTZelle& zelle = z.aZellen.at(c);
        s << z.strWtID + (z.blnEingefuegt ? "+=" : "=") + zelle.strText +
                 (zelle.strSRID.isEmpty() ? QString() : " [" + zelle.strSRID + "]");
    }
    return s;
}

FTRegel regel(const char* id, const char* text, const char* ref, const char* von, const char* bis,
              bool betrieb = true, const char* ftid = nullptr) {
    return {id, ftid ? ftid : id, QString::fromUtf8(text), ref, von, bis, betrieb};
}

QStringList zeilen(const std::vector<FTZeile>& t) {
    QStringList s;
    for (const FTZeile& z : t) {
        QString zeile = z.strFeiertag + " | " + z.strRegel + " | " + z.strBedingung;
        if (z.blnFett) zeile += " [fett]";
        if (z.art == FTZeilenart::Rest) zeile += " [rest " + z.strFeiertageID + QLatin1Char(']');
        s << zeile;
    }
    return s;
}

} // namespace

TEST(LockScreenDates, MovableHolidaysOfTheYearByTheirScreenCodes) {
    struct Fall {
        const char* code;
        QDate datum;
    } faelle[] = {
        {"OFr", QDate(2010, 4, 2)},    {"osam", QDate(2010, 4, 3)}, {"OSO", QDate(2010, 4, 4)},
        {"O", QDate(2010, 4, 4)},      {"OMo", QDate(2010, 4, 5)},  {"HF", QDate(2010, 5, 13)},
        {"PfSam", QDate(2010, 5, 22)}, {"Pf", QDate(2010, 5, 23)},  {"pfso", QDate(2010, 5, 23)},
        {"PFMO", QDate(2010, 5, 24)},  {"Fl", QDate(2010, 6, 3)},   {"BBT", QDate(2010, 11, 17)},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FTDatum(QString::fromLatin1(f.code), 2010), f.datum) << f.code;
    // Fixed holidays and unknown codes carry no computed date.
    for (const char* code : {"NJ", "W", "Silv", "REST", ""})
        EXPECT_FALSE(FTDatum(QString::fromLatin1(code), 2010).isValid());
    EXPECT_TRUE(IstOhneDatum(olm3::DatumNull()));
    EXPECT_TRUE(IstOhneDatum(QDateTime()));
    EXPECT_FALSE(IstOhneDatum(olm3::MakeDatum(QDate(2010, 4, 2))));
}

TEST(LockScreenTexts, WindowsSeasonsAndMidnight) {
    EXPECT_EQ(BetriebszeitText("06:00", "00:00"), "06:00 - 24:00");
    EXPECT_EQ(BetriebszeitText("1899-12-30 06:30:00", "20:15:00"), "06:30 - 20:15");
    EXPECT_EQ(BetriebszeitText(QString(), QString()), QString());
    // A malformed time is shown as written rather than dropped.
    EXPECT_EQ(BetriebszeitText("kaputt", "20:00"), "kaputt - 20:00");
    EXPECT_EQ(SaisonUeberschrift("2000-11-01", "2000-03-31"), "01.11 - 31.03");
}

TEST_F(LockScreenContent, ExtraWindowsOfADayGetRowsOfTheirOwnBelowTheWeekday) {
    const WTTabelle t =
        BaueWTTabelle(woche(), {sommer("Mo", "06:00", "12:00"), sommer("Mo", "13:00", "20:00"),
                                sommer("mo", "21:00", "00:00"), sommer("Fr", "06:00", "20:00", "2"),
                                sommer("XX", "01:00", "02:00"), winter("Sa", "", "", false),
                                winter("Mo", "08:00", "16:00"), winter("So", "", "", false)});
    ASSERT_EQ(t.aSaisons, QStringList({"01.04 - 31.10", "01.11 - 31.03"}));
    EXPECT_EQ(spalte(t, 0), QStringList({"Mo=06:00 - 12:00", "Mo+=13:00 - 20:00", "Mo+=21:00 - 24:00",
                                         "Di=", "Mi=", "Do=", "Fr=06:00 - 20:00 (2) [2]", "Sa=", "So="}));
    // In winter Monday has one window: the inserted rows repeat it, so that it merges into one cell.
    EXPECT_EQ(spalte(t, 1), QStringList({"Mo=08:00 - 16:00", "Mo+=08:00 - 16:00", "Mo+=08:00 - 16:00",
                                         "Di=", "Mi=", "Do=", "Fr=", "Sa=kein Betrieb", "So=kein Betrieb"}));
    EXPECT_EQ(std::pair(t.aZeilen.at(2).lngNr, t.aZeilen.at(2).strTag), std::pair(1, QString("Mo-Tag")));
}

TEST_F(LockScreenContent, ASeasonThatComesBackKeepsItsColumn) {
    // Two seasons starting on the same day, their rows interleaved by the opening time.
    WTEintrag kurz = sommer("Sa", "07:00", "19:00");
    kurz.strSaisonBis = "2000-09-30";
    const WTTabelle t =
        BaueWTTabelle(woche(), {sommer("Mo", "06:00", "20:00"), kurz, sommer("Di", "08:00", "20:00")});
    EXPECT_EQ(t.aSaisons, QStringList({"01.04 - 31.10", "01.04 - 30.09"}));
    EXPECT_EQ(spalte(t, 0),
              QStringList({"Mo=06:00 - 20:00", "Di=08:00 - 20:00", "Mi=", "Do=", "Fr=", "Sa=", "So="}));
}

TEST_F(LockScreenContent, HolidayRulesAreJoinedDatedAndTheRestRuleExpanded) {
    const std::vector<FTRegel> regeln{
        regel("O", "Ostern", "", "", "", false, "OFr"),    regel("Pf", "Pfingsten", "WT", "10:00", "16:00"),
        regel("W", "Weihnachten", "Mo", "08:00", "12:00"), regel("W", "Weihnachten", "Di", "08:00", "12:00"),
        regel("W", "Weihnachten", "Sa", "14:00", "16:00"), regel("W", "Weihnachten", "So", "14:00", "16:00"),
        regel("Silv", "Silvester", "", "10:00", "00:00"),  regel("rest", "REST", "So", "", ""),
    };
    const std::vector<FTFeiertag> gehalten{{"NJ", "NJ", "Neujahr"},
                                           {"O", "OFr", "Ostern"},
                                           {"HF", "HF", "Christi Himmelfahrt"},
                                           {"W", "W", "Weihnachten"}};
    // Good Friday 2010.
    EXPECT_EQ(zeilen(BaueFTTabelle(regeln, gehalten, olm3::MakeDatum(QDate(2010, 4, 2), QTime(9, 30)))),
              QStringList({
                  "Ostern (02.04.2010) | kein Betrieb |  [fett]",
                  "Pfingsten (23.05.2010) | 10:00 - 16:00 | wenn Werktag",
                  "Weihnachten | 08:00 - 12:00 | wenn Mo, Di",
                  "Weihnachten | 14:00 - 16:00 | wenn Sa, So",
                  "Silvester | 10:00 - 24:00 | ",
                  "------- |  | ",
                  "Neujahr | wie So |  [rest NJ]",
                  "Christi Himmelfahrt (13.05.2010) | wie So |  [rest HF]",
              }));
    // Without a date nothing is dated or emphasised; Ascension Day 2010 marks its rest row.
    const QStringList ohne = zeilen(BaueFTTabelle(regeln, gehalten, olm3::DatumNull()));
    EXPECT_EQ(ohne.at(0), "Ostern | kein Betrieb | ");
    EXPECT_EQ(ohne.at(7), "Christi Himmelfahrt | wie So |  [rest HF]");
    EXPECT_EQ(zeilen(BaueFTTabelle(regeln, gehalten, olm3::MakeDatum(QDate(2010, 5, 13)))).at(7),
              "Christi Himmelfahrt (13.05.2010) | wie So |  [fett] [rest HF]");
}

TEST_F(LockScreenContent, RestRulesRepeatPerHolidayAndNeedNoSeparatorAlone) {
    const std::vector<FTRegel> regeln{regel("REST", "REST", "Sa", "08:00", "12:00"),
                                      regel("REST", "REST", "So", "10:00", "12:00"),
                                      regel("REST", "REST", "WT", "", "")};
    const std::vector<FTFeiertag> gehalten{{"NJ", "NJ", "Neujahr"},
                                           {"TDE", "TDE", "Tag der Deutschen Einheit"}};
    EXPECT_EQ(
        zeilen(BaueFTTabelle(regeln, gehalten, QDateTime())),
        QStringList({"Neujahr | 08:00 - 12:00 | wenn Sa [rest NJ]",
                     "Neujahr | 10:00 - 12:00 | wenn So [rest NJ]", "Neujahr | wie Werktag |  [rest NJ]",
                     "Tag der Deutschen Einheit | 08:00 - 12:00 | wenn Sa [rest TDE]",
                     "Tag der Deutschen Einheit | 10:00 - 12:00 | wenn So [rest TDE]",
                     "Tag der Deutschen Einheit | wie Werktag |  [rest TDE]"}));
    // A lock that keeps no holiday: the rest rule has nothing to stand for.
    EXPECT_TRUE(BaueFTTabelle(regeln, {}, QDateTime()).empty());
    // Closed on a holiday when it falls on a Sunday: the condition stays with the closed day.
    EXPECT_EQ(zeilen(BaueFTTabelle({regel("W", "Weihnachten", "So", "", "", false)}, {}, QDateTime())),
              QStringList({"Weihnachten | kein Betrieb | wenn So"}));
}
