// The browser's rules without its window: type filter and weirs, waterway list, the points of a waterway
// with labels, hidden rows and route marks, the history, and the search list with radius results.

#include "browser/core/browsercore.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace olm3::browser;
using namespace modOLM3Binnen;

namespace {

TypBoxen boxen(std::initializer_list<int> an) {
    TypBoxen b{};
    for (int k : an)
        b[static_cast<size_t>(k)] = true;
    return b;
}

/// The rows of a list in the columns given, joined by '|'.
template <class Zeile>
QStringList zeilen(const std::vector<Zeile>& azeilen, std::initializer_list<int> spalten) {
    QStringList out;
    for (const Zeile& z : azeilen) {
        QStringList t;
        for (int c : spalten)
            t << z.astrSpalte[static_cast<size_t>(c)];
        out << t.join(QLatin1Char('|'));
    }
    return out;
}

TEST(TypFilter, JoinsTheTagsOfTheCheckedBoxesAndKeepsTheWeirBoxWithTheSixVisibleOnes) {
    struct Fall {
        TypBoxen vorher;
        QString filter;
        bool wehr;
    };
    const Fall faelle[] = {
        {boxen({0, 1, 3}), QStringLiteral("'A', 'T', 'S'"), false},
        {boxen({}), QString(), false},
        // the six visible boxes bring the weirs in
        {boxen({0, 1, 2, 3, 4, 5}), QStringLiteral("'A', 'T', 'H', 'S', 'L', 'B', 'W'"), true},
        {boxen({0, 1, 2, 3, 4, 5, 6}), QStringLiteral("'A', 'T', 'H', 'S', 'L', 'B', 'W'"), true},
        // one visible box unchecked: the weirs go as well
        {boxen({0, 1, 2, 4, 5, 6}), QStringLiteral("'A', 'T', 'H', 'L', 'B'"), false},
        {boxen({6}), QString(), false},
    };
    for (const Fall& f : faelle) {
        TypBoxen b = f.vorher;
        EXPECT_EQ(TypFilter(b), f.filter);
        // only the weir box changes
        TypBoxen erwartet = f.vorher;
        erwartet[kWehrBox] = f.wehr;
        EXPECT_EQ(b, erwartet) << f.filter.toStdString();
    }
}

TEST(TypFilter, AStoredFilterChecksTheBoxesOfItsTags) {
    EXPECT_EQ(TypBoxenAusFilter(QStringLiteral("'A', 'T', 'H', 'S', 'L', 'B', 'W'")),
              boxen({0, 1, 2, 3, 4, 5, 6}));
    // the component's first filter is the bare letter
    EXPECT_EQ(TypBoxenAusFilter(QStringLiteral("A")), boxen({0}));
    EXPECT_EQ(TypBoxenAusFilter(QString()), boxen({}));
}

TEST(TypFilter, PlainPointsStayVisibleOnlyWhileSomeTypeIsSelected) {
    EXPECT_TRUE(TypSichtbar(QStringLiteral(" S "), QStringLiteral("'S'")));
    EXPECT_FALSE(TypSichtbar(QStringLiteral("B"), QStringLiteral("'S'")));
    EXPECT_TRUE(TypSichtbar(QString(), QStringLiteral("'S'")));
    EXPECT_FALSE(TypSichtbar(QString(), QString()));
}

TEST(Suche, ResultFilterTimeAndRings) {
    EXPECT_EQ(ErgebnisFilter(0, {0}), QStringLiteral("1=2"));
    EXPECT_EQ(ErgebnisFilter(2, {104, 202, 999}), QStringLiteral("PunkteID IN (104, 202)"));
    // a count beyond the ids names no invented point
    EXPECT_EQ(ErgebnisFilter(5, {104}), QStringLiteral("PunkteID IN (104)"));
    EXPECT_EQ(SuchZeit(37250, 100), QStringLiteral("01:02:05"));
    EXPECT_EQ(SuchZeit(0, 100), QStringLiteral("00:00:00"));
    EXPECT_EQ(SuchZeit(359999, 1000), QStringLiteral("99:59:59"));
    EXPECT_EQ(RingRadius(0), 2);
    EXPECT_EQ(RingRadius(16), 18);
    EXPECT_EQ(RingRadius(17), 2);
    EXPECT_EQ(QuickInfoText(QStringLiteral("a%1b%2c"), 5), QStringLiteral("a\nb     c"));
}

TEST(Abzweig, LeadsOnlyToAContinuationTheCatalogueKnows) {
    const auto ziel = AbzweigZiel(QStringLiteral("2"), QStringLiteral("201"), QStringLiteral("Kanal-Test"));
    ASSERT_TRUE(ziel);
    EXPECT_EQ(std::tuple(ziel->lngBinnenID, ziel->lngPunkteID, ziel->strBinnenBez),
              std::tuple(2, 201, QStringLiteral("Kanal-Test")));
    for (const auto& [binnen, punkt] : {std::pair{"", "201"}, {"2", ""}, {"Kanal", "201"}, {"2", "201a"}})
        EXPECT_FALSE(AbzweigZiel(QString::fromLatin1(binnen), QString::fromLatin1(punkt), QString()))
            << binnen << " " << punkt;
}

TEST(Verlauf, GoesBackOrReloadsTheLastPositionWhenTheEarlierOneFails) {
    Verlauf v;
    typBinnenPos a, b;
    a.lngBinnenID = 1;
    b.lngBinnenID = 2;
    v.Neu(a);
    v.Anhaengen(b);
    EXPECT_FALSE(v.ZurueckMoeglich(false));
    ASSERT_TRUE(v.ZurueckMoeglich(true));
    std::vector<std::int32_t> geladen;
    EXPECT_FALSE(v.Zurueck([&](const typBinnenPos& p) {
        geladen.push_back(p.lngBinnenID);
        return p.lngBinnenID != 1;
    }));
    EXPECT_EQ(geladen, (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(v.Anzahl(), 2);
    geladen.clear();
    EXPECT_TRUE(v.Zurueck([&](const typBinnenPos& p) {
        geladen.push_back(p.lngBinnenID);
        return true;
    }));
    EXPECT_EQ(geladen, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(v.Anzahl(), 1);
    EXPECT_FALSE(v.Zurueck([](const typBinnenPos&) { return true; }));
}

// ---- points list without a catalogue ----------------------------------------------------------------

PunktDatensatz punkt(std::int32_t id, const QString& typ, const QString& name = QString()) {
    PunktDatensatz d;
    d.lngPunkteID = id;
    d.strTypenID = typ;
    d.strDetailsBezeichnung = name;
    d.dblDokuKM = id % 100;
    d.dblBg = 52.5;
    d.dblLg = 13.0 + (id % 100) / 100.0;
    d.strBinnenBez = QStringLiteral("Havel-Test");
    return d;
}

class PunkteListeTest : public ::testing::Test {
protected:
    void SetUp() override { objOLM3Cfg = &cfg; }
    void TearDown() override { objOLM3Cfg = nullptr; }

    static std::vector<std::int32_t> sichtbar(const PunkteListe& l) {
        std::vector<std::int32_t> ids;
        for (const PunktZeile& z : l.azeilen)
            if (!z.blnVersteckt) ids.push_back(z.lngPunkteID);
        return ids;
    }

    olm3test::FakeCfg cfg;
    // 101 plain, 102 bridge, 103 plain, 104 lock, 105 junction, 106 harbour, 110 plain
    std::vector<PunktDatensatz> daten{punkt(101, QString()),
                                      punkt(102, QStringLiteral("B"), QStringLiteral("Brücke")),
                                      punkt(103, QStringLiteral("X")),
                                      punkt(104, QStringLiteral("S"), QStringLiteral("Schleuse")),
                                      punkt(105, QStringLiteral("A")),
                                      punkt(106, QStringLiteral("H ")),
                                      punkt(110, QString())};
};

TEST_F(PunkteListeTest, LabelsRoutePointsAndTheCurrentPositionAndHidesUnselectedTypes) {
    daten[4].strBinnenBezNach = QStringLiteral("Kanal-Test");
    daten[0].dblDokuKM.reset();
    daten[1].blnDokuKMOrig = true;
    daten[6].dblVmax = 1000;
    daten[6].dblTauchtiefe = 0;
    typBinnenPos pos;
    pos.lngBinnenID = 1;
    pos.lngPunkteID = 110;
    const PunkteListe l =
        BauePunkteListe(daten, pos, QStringLiteral("101, 110"), QStringLiteral("'A', 'S'"), {});
    // no kilometre: dashes; Vmax 1000 is unlimited, a depth of 0 unknown
    EXPECT_EQ(zeilen(l.azeilen, {pcKM, pcName, pcLaufNr, pcVmax, pcTiefe}),
              (QStringList{"-----|Routenpunkt|1||", "2.0|Brücke|2||", "3.0||3||", "4.0|Schleuse|4||",
                           "5.0|Kanal-Test|5||", "6.0||6||",
                           "10.0|Routenpunkt und aktuelle Position|7|unbegrenzt|unbekannt"}));
    EXPECT_TRUE(l.azeilen[1].blnKMFett);
    EXPECT_TRUE(l.azeilen[4].blnAbzweig);
    EXPECT_FALSE(l.azeilen[3].blnAbzweig);
    EXPECT_EQ(l.intAktuell, 6);
    EXPECT_EQ(l.intAuswahl, 6);
    EXPECT_TRUE(l.blnPunktGefunden);
    EXPECT_FALSE(l.blnUmgekehrt);
    // plain points stay, "X" and the types not selected go
    EXPECT_EQ(sichtbar(l), (std::vector<std::int32_t>{101, 104, 105, 110}));
    EXPECT_DOUBLE_EQ(pos.dblLg, 13.1);
    EXPECT_EQ(pos.strBinnenBez, QStringLiteral("Havel-Test"));
}

TEST_F(PunkteListeTest, WithoutASelectedTypeOnlyTheCurrentPositionStays) {
    typBinnenPos pos;
    pos.lngPunkteID = 104;
    const PunkteListe l = BauePunkteListe(daten, pos, QString(), QString(), {});
    EXPECT_EQ(sichtbar(l), (std::vector<std::int32_t>{104}));
    EXPECT_EQ(l.intAuswahl, 3);
    // a waterway chosen from the list has no current point: the first visible row is selected
    typBinnenPos nurGewaesser;
    const PunkteListe g = BauePunkteListe(daten, nurGewaesser, QString(), QStringLiteral("'H'"), {});
    EXPECT_FALSE(g.blnPunktGefunden);
    EXPECT_EQ(g.intAktuell, -1);
    EXPECT_EQ(g.intAuswahl, 0);
    EXPECT_EQ(BauePunkteListe(daten, nurGewaesser, QString(), QString(), {}).intAuswahl, -1);
}

TEST_F(PunkteListeTest, RouteMarksShowTheRoutePointsAndTheListRunsTheWayTheRouteLeaves) {
    // route 1 at 110, 2 at 106, 3 at 101: against the chainage; route point 4 lies beyond the junction 105
    const std::vector<RoutenMarke> marken{
        {1, 110, 1, 0, 0}, {2, 106, 1, 0, 0}, {3, 101, 1, 0, 0}, {4, 999, 2, 105, 1}};
    typBinnenPos pos;
    pos.lngBinnenID = 1;
    pos.lngPunkteID = 106;
    pos.lngRoutenIndex = 1;
    const PunkteListe l = BauePunkteListe(daten, pos, QStringLiteral("110, 106, 101"), QString(), marken);
    ASSERT_TRUE(l.blnUmgekehrt);
    std::vector<std::int32_t> ids;
    for (const PunktZeile& z : l.azeilen)
        ids.push_back(z.lngPunkteID);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{110, 106, 105, 104, 103, 102, 101}));
    EXPECT_EQ(l.intAktuell, 1);
    EXPECT_EQ(zeilen(l.azeilen, {pcMarke}), (QStringList{"1", "2", "4", "", "", "", "3"}));
    // marked rows are shown although no type is selected
    EXPECT_EQ(sichtbar(l), (std::vector<std::int32_t>{110, 106, 105, 101}));

    // at route point 3 the route goes on to the junction beyond it: with the chainage
    pos.lngPunkteID = 101;
    pos.lngRoutenIndex = 2;
    const PunkteListe letzter =
        BauePunkteListe(daten, pos, QStringLiteral("110, 106, 101"), QString(), marken);
    EXPECT_FALSE(letzter.blnUmgekehrt);
    EXPECT_EQ(letzter.azeilen.front().lngPunkteID, 101);

    // the current point as the last row
    pos.lngPunkteID = 110;
    pos.lngRoutenIndex = 0;
    const PunkteListe erster =
        BauePunkteListe(daten, pos, QStringLiteral("110, 106, 101"), QString(), marken);
    EXPECT_TRUE(erster.blnUmgekehrt);
    EXPECT_EQ(erster.intAktuell, 0);
}

// ---- with a catalogue ------------------------------------------------------------------------------------

class BrowserKatalog : public ::testing::Test {
protected:
    void SetUp() override {
        objOLM3Cfg = &cfg;
        const QString path = olm3test::MakeCatalogueFromFixtures(
            dir, QStringLiteral("cat.sqlite"), {QStringLiteral("mini"), QStringLiteral("browser")});
        ASSERT_TRUE(ADO_Open_Connection(path, conBinnenDatabase, {}, {}, {}, true));
    }
    void TearDown() override {
        conBinnenDatabase.reset();
        objOLM3Cfg = nullptr;
    }
    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
};

TEST_F(BrowserKatalog, WaterwayListHoldsTheActiveWaterwaysByNameWithRangeCheckedValues) {
    std::vector<GewaesserZeile> g;
    ASSERT_TRUE(LadeGewaesser(g));
    // Teltowkanal depth 1250 and Dahme height 1000: unlimited; Stiller Graben depth -1 and Kanal-Test
    // width 0: unknown
    EXPECT_EQ(
        zeilen(g, {0, 1, 2, 3, 4, 5, 12}),
        (QStringList{"Dahme-Wasserstraße|26.0|12|1.8|30|unbegrenzt|1",
                     "Havel-Test|9.0|12|2.5|20|unbegrenzt|1", "Kanal-Test|3.0|8|2|unbekannt|4.5|1",
                     "Landwehrkanal|10.7|6|2|17|3.7|2", "Spree-Oder-Wasserstraße|182.6|12|2|40|4.5|0",
                     "Stiller Graben|2.5|6|unbekannt|6|2.1|0", "Teltowkanal|37.8|10|unbegrenzt|20|4.2|1"}));
    EXPECT_EQ(g[6].lngBinnenID, 4);
    EXPECT_EQ(g[1].astrSpalte[6], FormatLg(13.0));
    const QStringList namen = zeilen(g, {0});
    EXPECT_EQ(SucheAnfang(namen, QStringLiteral("kan")), 2);
    EXPECT_EQ(SucheAnfang(namen, QStringLiteral("Oder")), -1);
    EXPECT_EQ(SucheAnfang(namen, QString()), 0);
}

TEST_F(BrowserKatalog, AWaterwayWithoutPointsHasNoFirstPointAndLeavesEverythingAsItWas) {
    std::int32_t id = 409;
    double lg = 13.1, bg = 52.4;
    EXPECT_FALSE(ErsterPunkt(7, id, lg, bg));
    EXPECT_EQ(id, 409);
    EXPECT_DOUBLE_EQ(lg, 13.1);
}

TEST_F(BrowserKatalog, TypeBoxCaptionsCarryTheCountsOfTheWaterway) {
    const auto texte = TypBoxTexte(2);
    EXPECT_EQ(texte[0].strText, QStringLiteral("&Abzweige"));
    EXPECT_EQ(texte[0].lngAnzahl, -1);
    EXPECT_EQ(texte[3].strText, QStringLiteral("&Schleusen (1)"));
    EXPECT_EQ(texte[2].strText, QStringLiteral("&Häfen (0)"));
    EXPECT_EQ(texte[2].lngAnzahl, 0);
    // an inactive or unknown waterway: the plain texts
    EXPECT_EQ(TypBoxTexte(3)[3].strText, QStringLiteral("&Schleusen"));
    EXPECT_EQ(TypBoxTexte(-1)[6].strText, QStringLiteral("&Wehre"));
}

TEST_F(BrowserKatalog, PointsOfAWaterwayInChainageOrder) {
    typBinnenPos pos;
    pos.lngBinnenID = 1;
    pos.lngPunkteID = 103;
    std::vector<PunktDatensatz> d;
    ASSERT_TRUE(LadePunkte(pos, QString(), d));
    std::vector<std::int32_t> ids;
    for (const auto& r : d)
        ids.push_back(r.lngPunkteID);
    // the typed points and the current point; plain points are left out
    EXPECT_EQ(ids, (std::vector<std::int32_t>{102, 103, 104, 105, 106, 107, 108, 109}));
    EXPECT_EQ((QStringList{d[3].strBinnenBezNach, d[3].strPunkteIDNach, d[3].strBinnenIDNach}),
              (QStringList{"Kanal-Test", "201", "2"}));
    // the route points join them
    ASSERT_TRUE(LadePunkte(pos, QStringLiteral("101, 110"), d));
    EXPECT_EQ(d.size(), 10U);
    typBinnenPos graben;
    graben.lngBinnenID = 5;
    graben.lngPunkteID = 103;
    EXPECT_EQ(PunkteBedingung(graben, QString()),
              QStringLiteral("BinnenID = 5 AND (TypenID <> '' OR  (PunkteID = 103))"));
    EXPECT_EQ(PunkteBedingung(graben, QStringLiteral("1, 2")),
              QStringLiteral("BinnenID = 5 AND (TypenID <> '' OR PunkteID IN (1, 2) OR PunkteID = 103)"));
}

TEST_F(BrowserKatalog, SearchListByNameOrByDistance) {
    std::vector<SuchZeile> z;
    ASSERT_TRUE(LadeSuchliste(QStringLiteral("S"), QString(), {}, {}, z));
    // by name, the retired chamber left out
    EXPECT_EQ(zeilen(z, {scName, scGewaesser, scKM, scTyp}),
              (QStringList{"Schleuse Eins|Havel-Test|13.0|S", "Schleuse Kleinmachnow|Teltowkanal|2.0|S",
                           "Schleuse Zwei|Kanal-Test|1.0|S"}));
    EXPECT_TRUE(z[0].blnKMFett);
    EXPECT_EQ(z[0].astrSpalte[scBreite], FormatBg(52.5));
    EXPECT_FALSE(z[0].dblEntfernung.has_value());
    // with radius results: nearest first, one decimal; ids the catalogue lacks do not show
    const std::vector<std::int32_t> ids{202, 401, 104, 4711};
    const std::vector<double> km{7.26, 12.0, 0.54, 0.1};
    ASSERT_TRUE(LadeSuchliste(QStringLiteral("S"), ErgebnisFilter(4, ids), ids, km, z));
    EXPECT_EQ(zeilen(z, {scName, scEntfernung}),
              (QStringList{"Schleuse Eins|0.5", "Schleuse Zwei|7.3", "Schleuse Kleinmachnow|12.0"}));
    ASSERT_TRUE(LadeSuchliste(QStringLiteral("H"), QStringLiteral("1=2"), {}, {}, z));
    EXPECT_TRUE(z.empty());
    ASSERT_TRUE(LadeSuchliste(QStringLiteral("T"), QString(), {}, {}, z));
    EXPECT_EQ(zeilen(z, {scKM}), (QStringList{"12.5", "17.0"}));
    EXPECT_FALSE(z[0].blnKMFett);
}

} // namespace
