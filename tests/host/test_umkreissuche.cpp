// The host's radius search over the catalogue: within the radius, nearest first, progress and break.

#include "support/fixtures.h"
#include "umkreissuche.h"

#include "data/modOLM3Binnen.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace olm3host;

namespace {

/// Counts the progress reports and can ask for a break on the first one.
class Fortschritt : public IOLM3KWSEvents {
public:
    std::vector<std::int32_t> gemeldet;
    Umkreissuche* abbrechen = nullptr;
    void KWSUmkreisSucheObjGefunden(std::int32_t lngAnzahl) override {
        gemeldet.push_back(lngAnzahl);
        if (abbrechen) abbrechen->Abbrechen();
    }
};

/// Distance in km on a small patch of the earth, computed independently of the host's formula.
double flach(double lg1, double bg1, double lg2, double bg2) {
    const double km = 6371.0 * 3.14159265358979 / 180.0;
    const double kx = std::cos((bg1 + bg2) / 2 * 3.14159265358979 / 180.0);
    return std::hypot((lg2 - lg1) * km * kx, (bg2 - bg1) * km);
}

class UmkreissucheTest : public ::testing::Test {
protected:
    void SetUp() override {
        con = olm3test::OpenDatabase(olm3test::MakeCatalogueFromFixtures(dir, "1_T.sqlite", {"mini"}));
    }
    struct Ergebnis {
        bool ok = false;
        std::vector<std::int32_t> ids;
        std::vector<double> km;
        std::int32_t anzahl = -1;
    };
    Ergebnis suche(std::int32_t zentrum, const QString& typ, double radius, IOLM3KWSEvents* ev = nullptr) {
        Ergebnis e;
        QString t = typ;
        kws.KWSUmkreisSuche(zentrum, t, radius, e.ok, ev);
        kws.KWSUmkreisSucheErgebnis(e.ids, e.km, e.anzahl);
        return e;
    }

    olm3test::TempDir dir;
    ADODB::ConnectionPtr con;
    Umkreissuche kws{[this] { return con; }};
};

} // namespace

TEST_F(UmkreissucheTest, FindsTheObjectsOfAKindWithinTheRadiusNearestFirst) {
    const struct {
        std::int32_t zentrum;
        const char* typ;
        double radius;
        std::vector<std::int32_t> ids; ///< {0}: nothing found
    } faelle[] = {
        // From the first point of the test river: lock 104 is 3 points east, lock 202 up the canal; the
        // retired lock at 202 does not count twice.
        {101, "S", 10.0, {104, 202}},
        // A radius between the two keeps the nearer one only; the radius itself is inside.
        {101, "s", 2.5, {104}},
        // From the far end, the harbour; no fuel station within the radius.
        {110, "H", 5.0, {106}},
        {110, "T", 0.5, {0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.typ);
        const Ergebnis e = suche(f.zentrum, f.typ, f.radius);
        EXPECT_EQ(e.ids, f.ids);
        EXPECT_EQ(e.anzahl, f.ids == std::vector<std::int32_t>{0} ? 0 : std::int32_t(f.ids.size()));
        EXPECT_EQ(e.km.size(), f.ids.size());
    }
    const Ergebnis e = suche(101, "S", 10.0);
    EXPECT_TRUE(e.ok);
    EXPECT_NEAR(e.km[0], flach(13.00, 52.5, 13.03, 52.5), 0.01);
    EXPECT_NEAR(e.km[1], flach(13.00, 52.5, 13.04, 52.51), 0.01);
}

TEST_F(UmkreissucheTest, NoRadiusFindsAllOfTheKindProgressCountsUpAndABreakKeepsWhatWasFound) {
    Fortschritt fortschritt;
    const Ergebnis e = suche(204, "S", 0, &fortschritt);
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.ids, (std::vector<std::int32_t>{202, 104}));
    EXPECT_EQ(fortschritt.gemeldet, (std::vector<std::int32_t>{1, 2}));
    Fortschritt abbruch;
    abbruch.abbrechen = &kws;
    const Ergebnis halb = suche(101, "S", 0, &abbruch);
    EXPECT_FALSE(halb.ok);
    EXPECT_EQ(halb.anzahl, 1);
    // The next search starts afresh.
    EXPECT_TRUE(suche(101, "S", 0).ok);
}

TEST_F(UmkreissucheTest, UnknownKindPointOrNoCatalogueFindNothing) {
    olm3test::MessageRecorder meldungen;
    for (const auto& [zentrum, typ] : {std::pair{101, "B"}, std::pair{999, "S"}, std::pair{101, ""}}) {
        const Ergebnis e = suche(zentrum, typ, 10);
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.anzahl, 0);
    }
    con.reset();
    EXPECT_FALSE(suche(101, "S", 10).ok);
    EXPECT_TRUE(meldungen.messages().empty());
}
