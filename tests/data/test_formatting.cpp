// Display formatting under a locale with a decimal comma and one with a decimal point.

#include "support/fakehost.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

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
    EXPECT_EQ(FormatBg(52.5), sep("N 52° 30.0000' "));
    EXPECT_EQ(FormatBg(-0.25), sep("S 00° 15.0000' "));
    EXPECT_EQ(FormatBg(52.99999), sep("N 53° 00.0000' "));
    EXPECT_EQ(FormatLg(13.0916667), sep("E 013° 05.5000' "));
    EXPECT_EQ(FormatLg(-7.5), sep("W 007° 30.0000' "));
    EXPECT_EQ(FormatBg(0.0), sep("N 00° 00.0000' "));
}

// Coordinates are written without the locale's number formatting, for speed; the digits must be the
// locale's all the same, including minutes exactly halfway between two results, which round up.
TEST_P(Formatting, CoordinateMinutesAreTheLocalesDigits) {
    const QLocale loc;
    const auto erwartet = [&loc](double v) {
        const double a = std::fabs(v), d = std::trunc(a), m = (a - d) * 60.0;
        if (std::trunc(m * 100.0 + 0.5) >= 6000) return QString(); // carried into the degrees
        QString grad = loc.toString(static_cast<qlonglong>(d)).rightJustified(3, QLatin1Char('0'));
        QString minuten = loc.toString(m, 'f', 4);
        if (minuten.indexOf(loc.decimalPoint()) < 2) minuten.prepend(QLatin1Char('0'));
        return QString(v < 0 ? QStringLiteral("W ") : QStringLiteral("E ")) + grad + QStringLiteral("° ") + minuten +
               QStringLiteral("' ");
    };
    std::vector<double> werte = {0.0, 1e-9, 0.5, 7.0 / 60.0, 179.999, -179.999, 13.0916667};
    for (int i = 0; i < 20000; ++i) werte.push_back(-180.0 + i * 0.0180001234567);
    // Minutes of an odd number of 32nds lie halfway between two results of four decimals.
    int halbe = 0;
    for (int k = 1; k < 1920; k += 2) {
        const double v = 52.0 + k / 32.0 / 60.0;
        if ((v - 52.0) * 60.0 != k / 32.0) continue;
        werte.push_back(v);
        ++halbe;
    }
    ASSERT_GT(halbe, 10);
    for (const double v : werte) {
        const QString e = erwartet(v);
        if (e.isEmpty()) continue;
        EXPECT_EQ(FormatLg(v), e) << v;
    }
}

TEST_P(Formatting, CompactCoordinatesAlwaysUseAPoint) {
    EXPECT_EQ(FormatLgKurz(13.0916667), "E01305.5000");
    EXPECT_EQ(FormatBgKurz(52.5), "N5230.0000");
    EXPECT_EQ(FormatBgKurz(-52.5), "S5230.0000");
    // No carry in the compact form: the minutes show sixty.
    EXPECT_EQ(FormatBgKurz(52.9999999), "N5260.0000");
}

TEST_P(Formatting, DurationsInDaysHoursAndMinutes) {
    EXPECT_EQ(FormatDauer(26.5, false), "01  Tag  02 h  30 min");
    EXPECT_EQ(FormatDauer(0.5, false), "  30 min");
    EXPECT_EQ(FormatDauer(0, true), "00  Tage  00 h  00 min");
    EXPECT_EQ(FormatDauer(5, false), QString());
    EXPECT_EQ(FormatDauer(50, false), "02  Tage  02 h");
    EXPECT_EQ(FormatDauer(3.25, false), "  03 h  12 min"); // a half rounds to even: 3.2 h
    // 1.7 h is one hour and 42 minutes, not 41 through binary rounding.
    EXPECT_EQ(FormatDauer(1.7, false), "  01 h  42 min");
}

TEST_P(Formatting, RangeCheckedValues) {
    EXPECT_EQ(FormatWert(1000, 0, 1000, {}), "unbegrenzt");
    EXPECT_EQ(FormatWert(0, 0, 1000, {}), "unbekannt");
    EXPECT_EQ(FormatWert(4.5, 0, 1000, {}), sep("4.5"));
    EXPECT_EQ(FormatWert(4.5, 0, 1000, "0.00 m"), sep("4.50 m"));
}

TEST_P(Formatting, NumbersDatesAndAccelerators) {
    EXPECT_EQ(FormatNumber(12.34, "0.0"), sep("12.3"));
    EXPECT_EQ(FormatNumber(0.05, "0.00"), sep("0.05"));
    EXPECT_EQ(FormatNumber(7, "00"), "07");
    EXPECT_EQ(FormatNumber(1.5, "0.000 km"), sep("1.500 km"));
    EXPECT_EQ(FormatDatum(olm3::MakeDatum(QDate(2008, 6, 1), QTime(8, 5)), "dd.mm.yyyy  hh:nn"),
              "01.06.2008  08:05");
    EXPECT_EQ(StripAmpersand("&Zurück && weiter"), "Zurück  weiter");
    EXPECT_DOUBLE_EQ(RoundHalfEven(3.25, 1), 3.2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(3.35, 1), 3.4);
    EXPECT_DOUBLE_EQ(RoundHalfEven(3.26, 1), 3.3);
}

INSTANTIATE_TEST_SUITE_P(Locales, Formatting,
                         ::testing::Values(LocaleCase{QLocale::German, QLocale::Germany, QLatin1Char(',')},
                                           LocaleCase{QLocale::English, QLocale::UnitedKingdom, QLatin1Char('.')}),
                         [](const auto& info) { return info.param.point == QLatin1Char(',') ? "comma" : "point"; });
