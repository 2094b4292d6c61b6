// The lines of the optimiser report.

#include "data/modOLM3Binnen.h"
#include "routing/core/bericht.h"
#include "support/fakehost.h"

#include <QLocale>
#include <gtest/gtest.h>

using olm3::routing::BerichtZeilen;

namespace {
class Bericht : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        modOLM3Binnen::objOLM3Cfg = &cfg;
    }
    void TearDown() override {
        modOLM3Binnen::objOLM3Cfg = nullptr;
        QLocale::setDefault(QLocale::c());
    }
    olm3test::FakeCfg cfg;
    const QDateTime start = olm3::MakeDatum(QDate(2008, 6, 1), QTime(8, 0));
};
} // namespace

// T = 0.5 + 2.5 + 0.2 = 3.2 h after 08:00; 4 l/h for 2.5 h of travel.
TEST_F(Bericht, TenLinesWithLabelsValuesAndUnits) {
    std::vector<std::string> zeilen;
    for (const auto& z : BerichtZeilen(12.34, 0.2, 0.5, 2.5, start, 4.0))
        zeilen.push_back(
            z.blnTrenner ? "---" : QStringList(z.zellen.begin(), z.zellen.end()).join('|').toStdString());
    EXPECT_EQ(zeilen, (std::vector<std::string>{
                          "Strecke:  |12,3|12,3| km", "Startzeit:  |01.06.2008  08:00|01.06.2008  08:00|",
                          "Ankunftszeit (vorauss.):  |01.06.2008  11:12|01.06.2008  11:12|", "---",
                          "Dauer:  |  03 h  12 min|3,2| h", "Wartezeit: |  30 min|0,5| h",
                          "Durchgangszeit: |  12 min|0,2| h", "Fahrzeit: |  02 h  30 min|2,5| h", "---",
                          "Verbrauch gesamt:  |10,0|10,0| l"}));
}

TEST_F(Bericht, AHalfTenthRoundsToEvenForTheArrivalButNotForTheDecimalColumn) {
    const auto z = BerichtZeilen(10, 0.25, 0, 3.0, start, 0); // T = 3.25 h
    EXPECT_EQ(z[2].zellen[1], "01.06.2008  11:12");
    EXPECT_EQ(z[4].zellen[1], "  03 h  12 min");
    EXPECT_EQ(z[4].zellen[2], "3,3");
    EXPECT_EQ(z[9].zellen[1], "0,0"); // no consumption configured
}
