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

const QString kAlle = QStringLiteral("'A', 'T', 'H', 'S', 'L', 'B', 'W'");

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

typBinnenPos position(std::int32_t lngBinnenID, std::int32_t lngPunkteID, std::int32_t lngRoutenIndex = -1) {
    typBinnenPos pos;
    pos.lngBinnenID = lngBinnenID;
    pos.lngPunkteID = lngPunkteID;
    pos.lngRoutenIndex = lngRoutenIndex;
    return pos;
}

/// The points of the records or rows, in their order.
template <class T> std::vector<std::int32_t> punkte(const std::vector<T>& a) {
    std::vector<std::int32_t> ids;
    for (const T& z : a)
        ids.push_back(z.lngPunkteID);
    return ids;
}

/// A points list as one line: the rows of the current point and of the selection, whether the point was
/// found, the direction, and the points shown.
QString liste(const PunkteListe& l) {
    QStringList ids;
    for (const PunktZeile& z : l.azeilen)
        if (!z.blnVersteckt) ids << QString::number(z.lngPunkteID);
    return QStringLiteral("aktuell %1, Auswahl %2, %3, %4: %5")
        .arg(l.intAktuell)
        .arg(l.intAuswahl)
        .arg(l.blnPunktGefunden ? "gefunden" : "nicht gefunden", l.blnUmgekehrt ? "umgekehrt" : "vorwärts",
             ids.join(QLatin1Char(' ')));
}

TEST(TypFilter, JoinsTheTagsOfTheCheckedBoxesAndKeepsTheWeirBoxWithTheSixVisibleOnes) {
    // the checked boxes, the filter, and the weir box after
    const std::tuple<TypBoxen, QString, bool> faelle[] = {
        {boxen({0, 1, 3}), QStringLiteral("'A', 'T', 'S'"), false},
        {boxen({}), QString(), false},
        // the six visible boxes bring the weirs in
        {boxen({0, 1, 2, 3, 4, 5}), kAlle, true},
        {boxen({0, 1, 2, 3, 4, 5, 6}), kAlle, true},
        // one visible box unchecked: the weirs go as well
        {boxen({0, 1, 2, 4, 5, 6}), QStringLiteral("'A', 'T', 'H', 'L', 'B'"), false},
        {boxen({6}), QString(), false},
    };
    for (const auto& [vorher, filter, wehr] : faelle) {
        TypBoxen b = vorher;
        EXPECT_EQ(TypFilter(b), filter);
        // only the weir box changes
        TypBoxen erwartet = vorher;
        erwartet[kWehrBox] = wehr;
        EXPECT_EQ(b, erwartet) << filter.toStdString();
    }
}

TEST(TypFilter, AStoredFilterChecksTheBoxesOfItsTags) {
    EXPECT_EQ(TypBoxenAusFilter(kAlle), boxen({0, 1, 2, 3, 4, 5, 6}));
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
    EXPECT_EQ((QStringList{SuchZeit(37250, 100), SuchZeit(0, 100), SuchZeit(359999, 1000)}),
              (QStringList{"01:02:05", "00:00:00", "99:59:59"}));
    EXPECT_EQ((std::vector{RingRadius(0), RingRadius(16), RingRadius(17)}), (std::vector{2, 18, 2}));
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
    v.Neu(position(1, 0));
    v.Anhaengen(position(2, 0));
    EXPECT_FALSE(v.ZurueckMoeglich(false));
    ASSERT_TRUE(v.ZurueckMoeglich(true));
    // the loader notes what it loads and fails on the start position until it is let through
    std::vector<std::int32_t> geladen;
    bool blnStartGeht = false;
    const auto laden = [&](const typBinnenPos& p) {
        geladen.push_back(p.lngBinnenID);
        return blnStartGeht || p.lngBinnenID != 1;
    };
    EXPECT_FALSE(v.Zurueck(laden));
    EXPECT_EQ(geladen, (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(v.Anzahl(), 2);
    geladen.clear();
    blnStartGeht = true;
    EXPECT_TRUE(v.Zurueck(laden));
    EXPECT_EQ(geladen, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(v.Anzahl(), 1);
    EXPECT_FALSE(v.Zurueck(laden));
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
    typBinnenPos pos = position(1, 110);
    const PunkteListe l =
        BauePunkteListe(daten, pos, QStringLiteral("101, 110"), QStringLiteral("'A', 'S'"), {});
    // no kilometre: dashes; Vmax 1000 is unlimited, a depth of 0 unknown
    EXPECT_EQ(zeilen(l.azeilen, {pcKM, pcName, pcLaufNr, pcVmax, pcTiefe}),
              (QStringList{"-----|Routenpunkt|1||", "2.0|Brücke|2||", "3.0||3||", "4.0|Schleuse|4||",
                           "5.0|Kanal-Test|5||", "6.0||6||",
                           "10.0|Routenpunkt und aktuelle Position|7|unbegrenzt|unbekannt"}));
    // the documented kilometre bold, the junction yellow, the lock not
    EXPECT_EQ(std::tuple(l.azeilen[1].blnKMFett, l.azeilen[4].blnAbzweig, l.azeilen[3].blnAbzweig),
              std::tuple(true, true, false));
    // plain points stay, "X" and the types not selected go
    EXPECT_EQ(liste(l), QStringLiteral("aktuell 6, Auswahl 6, gefunden, vorwärts: 101 104 105 110"));
    EXPECT_DOUBLE_EQ(pos.dblLg, 13.1);
    EXPECT_EQ(pos.strBinnenBez, QStringLiteral("Havel-Test"));
}

TEST_F(PunkteListeTest, WithoutASelectedTypeOnlyTheCurrentPositionStays) {
    typBinnenPos pos = position(0, 104);
    EXPECT_EQ(liste(BauePunkteListe(daten, pos, QString(), QString(), {})),
              QStringLiteral("aktuell 3, Auswahl 3, gefunden, vorwärts: 104"));
    // a waterway chosen from the list has no current point: the first visible row is selected
    typBinnenPos nurGewaesser;
    EXPECT_EQ(liste(BauePunkteListe(daten, nurGewaesser, QString(), QStringLiteral("'H'"), {})),
              QStringLiteral("aktuell -1, Auswahl 0, nicht gefunden, vorwärts: 101 106 110"));
    EXPECT_EQ(BauePunkteListe(daten, nurGewaesser, QString(), QString(), {}).intAuswahl, -1);
}

TEST_F(PunkteListeTest, RouteMarksShowTheRoutePointsAndTheListRunsTheWayTheRouteLeaves) {
    // route 1 at 110, 2 at 106, 3 at 101: against the chainage; route point 4 lies beyond the junction 105
    const std::vector<RoutenMarke> marken{
        {1, 110, 1, 0, 0}, {2, 106, 1, 0, 0}, {3, 101, 1, 0, 0}, {4, 999, 2, 105, 1}};
    typBinnenPos pos = position(1, 106, 1);
    const QString route = QStringLiteral("110, 106, 101");
    const PunkteListe l = BauePunkteListe(daten, pos, route, QString(), marken);
    // marked rows are shown although no type is selected
    EXPECT_EQ(liste(l), QStringLiteral("aktuell 1, Auswahl 1, gefunden, umgekehrt: 110 106 105 101"));
    EXPECT_EQ(punkte(l.azeilen), (std::vector<std::int32_t>{110, 106, 105, 104, 103, 102, 101}));
    EXPECT_EQ(zeilen(l.azeilen, {pcMarke}), (QStringList{"1", "2", "4", "", "", "", "3"}));
    // at route point 3 the route goes on to the junction beyond it: with the chainage
    pos.lngPunkteID = 101;
    pos.lngRoutenIndex = 2;
    EXPECT_EQ(liste(BauePunkteListe(daten, pos, route, QString(), marken)),
              QStringLiteral("aktuell 0, Auswahl 0, gefunden, vorwärts: 101 105 106 110"));
    // the current point as the last row
    pos.lngPunkteID = 110;
    pos.lngRoutenIndex = 0;
    EXPECT_EQ(liste(BauePunkteListe(daten, pos, route, QString(), marken)),
              QStringLiteral("aktuell 0, Auswahl 0, gefunden, umgekehrt: 110 106 105 101"));
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
    QStringList texte;
    for (const TypBoxText& t : TypBoxTexte(2))
        texte << t.strText + QLatin1Char('|') + QString::number(t.lngAnzahl);
    EXPECT_EQ(texte, (QStringList{"&Abzweige|-1", "&Tankstellen (0)|0", "&Häfen (0)|0", "&Schleusen (1)|1",
                                  "&Liegestellen (0)|0", "&Brücken (0)|0", "&Wehre (0)|0"}));
    // an inactive or unknown waterway: the plain texts
    EXPECT_EQ(TypBoxTexte(3)[3].strText, QStringLiteral("&Schleusen"));
    EXPECT_EQ(TypBoxTexte(-1)[6].strText, QStringLiteral("&Wehre"));
}

TEST_F(BrowserKatalog, PointsOfAWaterwayInChainageOrder) {
    const typBinnenPos pos = position(1, 103);
    std::vector<PunktDatensatz> d;
    ASSERT_TRUE(LadePunkte(pos, QString(), d));
    // the typed points and the current point; plain points are left out
    EXPECT_EQ(punkte(d), (std::vector<std::int32_t>{102, 103, 104, 105, 106, 107, 108, 109}));
    EXPECT_EQ((QStringList{d[3].strBinnenBezNach, d[3].strPunkteIDNach, d[3].strBinnenIDNach}),
              (QStringList{"Kanal-Test", "201", "2"}));
    // the route points join them
    ASSERT_TRUE(LadePunkte(pos, QStringLiteral("101, 110"), d));
    EXPECT_EQ(d.size(), 10U);
    const typBinnenPos graben = position(5, 103);
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
