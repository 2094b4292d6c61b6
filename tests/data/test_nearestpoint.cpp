// The nearest waterway point to a position, and the position of a point.

#include "data/modOLM3Binnen.h"
#include "data/nearestpoint.h"
#include "support/fixtures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

using namespace modOLM3Binnen;
using olm3test::MessageRecorder;

namespace {

const QString kExtra = QStringLiteral(
    "INSERT INTO Binnen (BinnenID, Bezeichnung, Aktiv, Vmax) VALUES (4, 'Ohne Angaben', 1, NULL);"
    "INSERT INTO Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez) VALUES (401, 4, 1, 0, 10.0, 54.0);"
    // half a nautical mile north of 401
    "INSERT INTO Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez) VALUES (402, 4, 2, 1, 10.0, 54.0083333333333);");

class NearestPoint : public ::testing::Test {
protected:
    olm3test::ComponentCatalogue katalog{{"mini"}, {kExtra}};

    struct Result {
        bool found = false;
        std::int32_t binnen = -7, punkt = -7;
        QString bez = "unverändert";
        double lg = -7, bg = -7, entfernung = -7, km = -7, vmax = -7, tiefe = -7;
    };
    Result search(double lg, double bg, double radius) {
        Result r;
        r.found = GetNaechsterPunkt(lg, bg, radius, r.binnen, r.bez, r.punkt, r.lg, r.bg, r.entfernung, r.km, r.vmax,
                                    r.tiefe);
        return r;
    }
};

} // namespace

TEST_F(NearestPoint, FindsTheNearestPointWithItsData) {
    const Result r = search(13.031, 52.501, 1.0);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(std::tuple(r.punkt, r.binnen, r.bez.toStdString(), r.lg, r.bg, r.km, r.vmax, r.tiefe),
              std::tuple(104, 1, std::string("Havel-Test"), 13.03, 52.5, 13.0, 12.0, 2.5));
    // 0.001° of latitude is 0.06 nm, 0.001° of longitude at 52.5° is 0.06 * cos(52.5°) nm.
    EXPECT_NEAR(r.entfernung, std::hypot(0.06, 0.06 * std::cos(52.501 * M_PI / 180)), 1e-9);
}

TEST_F(NearestPoint, RadiusDistanceAndWhatIsLeftAsTheCallerGaveIt) {
    const double nord402 = 54.0083333333333;
    const struct {
        const char* name;
        double lg, bg, radius;
        std::int32_t punkt; ///< -7: nothing found
        double entfernung;  ///< -7: as the caller gave it
    } faelle[] = {
        {"on the point", 10.0, nord402 - 0.5 / 60 + 1e-12, 0.6, 401, 0.0},
        // the distance is the root of the squared distance, not the square
        {"half a mile north of 402", 10.0, nord402 + 0.5 / 60, 1.0, 402, 0.5},
        {"nothing within the radius", 5.0, 45.0, 1.0, -7, -7},
        // 3 degrees of latitude south of the mini network is 180 nm: inside 200, outside 150
        {"a radius of 0 is the default of 200", 13.0, 49.5, 0, 101, 180.0},
        {"outside 150", 13.0, 49.5, 150, -7, -7},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const Result r = search(f.lg, f.bg, f.radius);
        EXPECT_EQ(r.found, f.punkt != -7);
        EXPECT_EQ(r.punkt, f.punkt);
        EXPECT_NEAR(r.entfernung, f.entfernung, 1e-6);
        if (!r.found) {
            EXPECT_EQ(r.binnen, -7);
            EXPECT_EQ(r.bez, "unverändert");
        }
    }
    // A point without kilometre, speed limit and depth leaves the caller's values.
    const Result r = search(10.0, 54.0, 0.1);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(std::tuple(r.punkt, r.lg, r.km, r.vmax, r.tiefe), std::tuple(401, 10.0, -7.0, -7.0, -7.0));
}

TEST_F(NearestPoint, PositionOfAPointFromEitherView) {
    double lg = 0, bg = 0;
    EXPECT_TRUE(GetPunktPosition(101, lg, bg, false));
    EXPECT_DOUBLE_EQ(lg, 13.0);
    EXPECT_DOUBLE_EQ(bg, 52.5);
    EXPECT_FALSE(GetPunktPosition(101, lg, bg, true)); // a plain point has no object
    EXPECT_TRUE(GetPunktPosition(104, lg, bg, true));
    EXPECT_DOUBLE_EQ(lg, 13.03);
    EXPECT_FALSE(GetPunktPosition(999, lg, bg, false));
}

TEST_F(NearestPoint, WithoutCatalogueOrWithoutItsQueriesBothFail) {
    {
        MessageRecorder messages;
        conBinnenDatabase->Close();
        double lg = 0, bg = 0;
        EXPECT_FALSE(search(13.0, 52.5, 1).found);
        EXPECT_FALSE(GetPunktPosition(101, lg, bg, false));
        EXPECT_TRUE(messages.messages().empty());
    }
    // A catalogue that lacks the stored query and the view.
    katalog.Open({"mini"}, {"DELETE FROM Abfragen WHERE Name='V_PunkteEntfernung'; DROP VIEW V_ROUTE;"});
    MessageRecorder messages;
    EXPECT_FALSE(search(13.0, 52.5, 1).found);
    EXPECT_TRUE(messages.messages().empty()); // a stored query fails quietly
    double lg = 0, bg = 0;
    EXPECT_FALSE(GetPunktPosition(101, lg, bg, false));
    ASSERT_EQ(messages.messages().size(), 1u); // an open says what failed
    EXPECT_TRUE(messages.messages()[0].text.contains("V_ROUTE"));
}
