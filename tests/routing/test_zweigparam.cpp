// Distance, travel time and passage time of one step.

#include "data/modOLM3Binnen.h"
#include "routing/core/zweigparam.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace modOLM3Binnen;
using olm3::routing::GetZweigParam;

namespace {
class ZweigParam : public ::testing::Test {
protected:
    void SetUp() override {
        const QString path =
            olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("k.sqlite"), {QStringLiteral("mini")});
        ASSERT_TRUE(ADO_Open_Connection(path, conBinnenDatabase, {}, {}, {}, true));
        objOLM3Cfg = &cfg;
    }
    void TearDown() override {
        conBinnenDatabase.reset();
        objOLM3Cfg = nullptr;
    }
    struct Step {
        bool ok = false;
        double strecke = -1, dauer = -1, fahrzeit = -1, durchgang = -1;
    };
    Step step(std::int32_t von, std::int32_t nach, std::int32_t binnen, const char* typ) {
        Step s;
        s.ok = GetZweigParam(von, nach, binnen, QString::fromLatin1(typ), s.strecke, s.dauer, s.fahrzeit,
                             s.durchgang);
        return s;
    }
    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
};
} // namespace

TEST_F(ZweigParam, StepsOntoPlainPointsLocksAndBridges) {
    cfg.marschV = 6;
    const Step plain = step(101, 103, 1, "");
    ASSERT_TRUE(plain.ok);
    EXPECT_DOUBLE_EQ(plain.strecke, 2.0);
    EXPECT_DOUBLE_EQ(plain.fahrzeit, 2.0 / 6);
    EXPECT_DOUBLE_EQ(plain.dauer, 2.0 / 6);
    EXPECT_DOUBLE_EQ(plain.durchgang, 0);

    const Step lock = step(103, 104, 1, "S");
    EXPECT_TRUE(lock.ok);
    EXPECT_DOUBLE_EQ(lock.durchgang, 0.25);
    const Step bridge = step(101, 102, 1, "B");
    EXPECT_DOUBLE_EQ(bridge.durchgang, 0.1);
    const Step backwards = step(110, 104, 1, "S");
    EXPECT_DOUBLE_EQ(backwards.strecke, 6.0);
}

TEST_F(ZweigParam, TheSpeedLimitOfTheWaterwayHoldsTheBoatBack) {
    cfg.marschV = 16; // the Kanal-Test allows 8 km/h
    const Step s = step(201, 203, 2, "");
    EXPECT_DOUBLE_EQ(s.fahrzeit, 2.0 / 8);
    EXPECT_DOUBLE_EQ(s.dauer, 2.0 / 16);
    cfg.marschV = 4; // the speed is read on every call
    EXPECT_DOUBLE_EQ(step(201, 203, 2, "").fahrzeit, 0.5);
}

TEST_F(ZweigParam, MissingValuesGiveZeroAndStillSucceed) {
    cfg.marschV = 6;
    const Step nullPassage = step(201, 202, 2, "S"); // the active lock has no passage time
    EXPECT_TRUE(nullPassage.ok);
    EXPECT_DOUBLE_EQ(nullPassage.durchgang, 0);

    cfg.marschV = 0; // no speed: no travel time
    const Step noSpeed = step(101, 103, 1, "");
    EXPECT_TRUE(noSpeed.ok);
    EXPECT_DOUBLE_EQ(noSpeed.fahrzeit, 0);
    EXPECT_DOUBLE_EQ(noSpeed.strecke, 2);

    const Step otherWaterway = step(105, 201, 2, "A"); // the two points of a junction
    EXPECT_TRUE(otherWaterway.ok);
    EXPECT_DOUBLE_EQ(otherWaterway.strecke, 0);
    EXPECT_DOUBLE_EQ(otherWaterway.fahrzeit, 0);
    EXPECT_DOUBLE_EQ(otherWaterway.dauer, -1) << "without a row the duration is left as passed";
}

TEST_F(ZweigParam, ALockPointWithoutItsLockRowIsReported) {
    olm3test::MessageRecorder messages;
    cfg.marschV = 6;
    const Step s = step(101, 103, 1, "S"); // 103 has no row in Schleusen
    EXPECT_FALSE(s.ok);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].title, QStringLiteral("[clsOLM3Binnen.GetZweigParam]"));
    EXPECT_TRUE(messages.messages()[0].text.startsWith(QStringLiteral("3021  ")));
}

TEST_F(ZweigParam, WithoutTheStoredQueryTheStepFails) {
    olm3test::MessageRecorder messages;
    conBinnenDatabase->Close();
    EXPECT_FALSE(step(101, 103, 1, "").ok);
    EXPECT_TRUE(messages.messages().empty());
}
