// Distance, travel time and passage time of one step.

#include "data/modOLM3Binnen.h"
#include "routing/core/zweigparam.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using olm3::routing::GetZweigParam;

namespace {
class ZweigParam : public ::testing::Test {
protected:
    void SetUp() override { modOLM3Binnen::objOLM3Cfg = &cfg; }
    void TearDown() override { modOLM3Binnen::objOLM3Cfg = nullptr; }
    olm3test::ComponentCatalogue katalog{{"mini"}};
    olm3test::FakeCfg cfg;
};
} // namespace

TEST_F(ZweigParam, DistanceTravelAndPassageOfEachKindOfStep) {
    struct Fall {
        const char* name;
        std::int32_t von, nach, binnen;
        const char* typ;
        double speed;
        double strecke, fahrzeit, dauer, durchgang;
    };
    const Fall faelle[] = {
        {"plain point", 101, 103, 1, "", 6, 2.0, 2.0 / 6, 2.0 / 6, 0},
        {"onto a lock", 103, 104, 1, "S", 6, 1.0, 1.0 / 6, 1.0 / 6, 0.25},
        {"onto a bridge", 101, 102, 1, "B", 6, 1.0, 1.0 / 6, 1.0 / 6, 0.1},
        {"against the chainage", 110, 104, 1, "S", 6, 6.0, 1.0, 1.0, 0.25},
        // the Kanal-Test allows 8 km/h: the limit holds the boat back; the speed is read on every call
        {"speed limit of the waterway", 201, 203, 2, "", 16, 2.0, 2.0 / 8, 2.0 / 16, 0},
        {"slower than the limit", 201, 203, 2, "", 4, 2.0, 0.5, 0.5, 0},
        {"an active lock without passage time", 201, 202, 2, "S", 6, 1.0, 1.0 / 6, 1.0 / 6, 0},
        {"no speed: no travel time", 101, 103, 1, "", 0, 2.0, 0, 0, 0},
        // the two points of a junction have no row: the duration is left as passed
        {"across a junction", 105, 201, 2, "A", 6, 0, 0, -1, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        cfg.marschV = f.speed;
        double strecke = -1, dauer = -1, fahrzeit = -1, durchgang = -1;
        EXPECT_TRUE(GetZweigParam(f.von, f.nach, f.binnen, QString::fromLatin1(f.typ), strecke, dauer,
                                  fahrzeit, durchgang));
        EXPECT_DOUBLE_EQ(strecke, f.strecke);
        EXPECT_DOUBLE_EQ(fahrzeit, f.fahrzeit);
        EXPECT_DOUBLE_EQ(dauer, f.dauer);
        EXPECT_DOUBLE_EQ(durchgang, f.durchgang);
    }
}

TEST_F(ZweigParam, ALockPointWithoutItsLockRowIsReportedAndNoQueryFailsQuietly) {
    cfg.marschV = 6;
    double strecke, dauer, fahrzeit, durchgang;
    olm3test::MessageRecorder messages;
    // 103 has no row in Schleusen
    EXPECT_FALSE(GetZweigParam(101, 103, 1, "S", strecke, dauer, fahrzeit, durchgang));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].title, "[clsOLM3Binnen.GetZweigParam]");
    EXPECT_TRUE(messages.messages()[0].text.startsWith("3021  "));
    messages.clear();
    modOLM3Binnen::conBinnenDatabase->Close();
    EXPECT_FALSE(GetZweigParam(101, 103, 1, QString(), strecke, dauer, fahrzeit, durchgang));
    EXPECT_TRUE(messages.messages().empty());
}
