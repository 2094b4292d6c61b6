// Display formatting under a locale with a decimal comma and one with a decimal point.

#include "support/fakehost.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace modOLM3Binnen;

namespace {

struct LocaleCase {
    QLocale::Language language;
    QLocale::Territory territory;
    QChar point;
};

class Formatting : public ::testing::TestWithParam<LocaleCase> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(GetParam().language, GetParam().territory));
        objOLM3Cfg = &texts;
    }
    void TearDown() override {
        objOLM3Cfg = nullptr;
        QLocale::setDefault(QLocale::c());
    }
    /// The expected text with the locale's decimal separator in place of ".".
    QString sep(QString s) const { return s.replace(QLatin1Char('.'), GetParam().point); }
    olm3test::FakeCfg texts;
};

} // namespace

TEST_P(Formatting, CoordinatesCarryTheHemisphereAndATrailingBlank) {
    EXPECT_EQ(FormatBg(52.5), sep(QStringLiteral("N 52° 30.0000' ")));
    EXPECT_EQ(FormatBg(-0.25), sep(QStringLiteral("S 00° 15.0000' ")));
    EXPECT_EQ(FormatBg(52.99999), sep(QStringLiteral("N 53° 00.0000' ")));
    EXPECT_EQ(FormatLg(13.0916667), sep(QStringLiteral("E 013° 05.5000' ")));
    EXPECT_EQ(FormatLg(-7.5), sep(QStringLiteral("W 007° 30.0000' ")));
    EXPECT_EQ(FormatBg(0.0), sep(QStringLiteral("N 00° 00.0000' ")));
}

TEST_P(Formatting, CompactCoordinatesAlwaysUseAPoint) {
    EXPECT_EQ(FormatLgKurz(13.0916667), QStringLiteral("E01305.5000"));
    EXPECT_EQ(FormatBgKurz(52.5), QStringLiteral("N5230.0000"));
    EXPECT_EQ(FormatBgKurz(-52.5), QStringLiteral("S5230.0000"));
    // No carry in the compact form: the minutes show sixty.
    EXPECT_EQ(FormatBgKurz(52.9999999), QStringLiteral("N5260.0000"));
}

TEST_P(Formatting, DurationsInDaysHoursAndMinutes) {
    EXPECT_EQ(FormatDauer(26.5, false), QStringLiteral("01  Tag  02 h  30 min"));
    EXPECT_EQ(FormatDauer(0.5, false), QStringLiteral("  30 min"));
    EXPECT_EQ(FormatDauer(0, true), QStringLiteral("00  Tage  00 h  00 min"));
    EXPECT_EQ(FormatDauer(5, false), QString());
    EXPECT_EQ(FormatDauer(50, false), QStringLiteral("02  Tage  02 h"));
    EXPECT_EQ(FormatDauer(3.25, false), QStringLiteral("  03 h  12 min")); // a half rounds to even: 3.2 h
    // 1.7 h is one hour and 42 minutes, not 41 through binary rounding.
    EXPECT_EQ(FormatDauer(1.7, false), QStringLiteral("  01 h  42 min"));
}

TEST_P(Formatting, RangeCheckedValues) {
    EXPECT_EQ(FormatWert(1000, 0, 1000, {}), QStringLiteral("unbegrenzt"));
    EXPECT_EQ(FormatWert(0, 0, 1000, {}), QStringLiteral("unbekannt"));
    EXPECT_EQ(FormatWert(-3, 0, 1000, {}), QStringLiteral("unbekannt"));
    EXPECT_EQ(FormatWert(4.5, 0, 1000, {}), sep(QStringLiteral("4.5")));
    EXPECT_EQ(FormatWert(4.5, 0, 1000, QStringLiteral("0.00 m")), sep(QStringLiteral("4.50 m")));
}

TEST_P(Formatting, NumbersDatesAndAccelerators) {
    EXPECT_EQ(FormatNumber(12.34, QStringLiteral("0.0")), sep(QStringLiteral("12.3")));
    EXPECT_EQ(FormatNumber(0.05, QStringLiteral("0.00")), sep(QStringLiteral("0.05")));
    EXPECT_EQ(FormatNumber(7, QStringLiteral("00")), QStringLiteral("07"));
    EXPECT_EQ(FormatNumber(1.5, QStringLiteral("0.000 km")), sep(QStringLiteral("1.500 km")));
    EXPECT_EQ(FormatDatum(olm3::MakeDatum(QDate(2008, 6, 1), QTime(8, 5)), QStringLiteral("dd.mm.yyyy  hh:nn")),
              QStringLiteral("01.06.2008  08:05"));
    EXPECT_EQ(StripAmpersand(QStringLiteral("&Zurück && weiter")), QStringLiteral("Zurück  weiter"));
    EXPECT_DOUBLE_EQ(RoundHalfEven(3.25, 1), 3.2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(3.35, 1), 3.4);
    EXPECT_DOUBLE_EQ(RoundHalfEven(3.26, 1), 3.3);
}

INSTANTIATE_TEST_SUITE_P(Locales, Formatting,
                         ::testing::Values(LocaleCase{QLocale::German, QLocale::Germany, QLatin1Char(',')},
                                           LocaleCase{QLocale::English, QLocale::UnitedKingdom, QLatin1Char('.')}),
                         [](const auto& info) { return info.param.point == QLatin1Char(',') ? "comma" : "point"; });
