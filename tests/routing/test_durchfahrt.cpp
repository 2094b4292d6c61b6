// The boat: its profile in the settings file, the clearance check of a route, and the path search that
// leaves out what the boat does not fit.
//
// The network, chainages in km; two ways lead from Start to Ziel:
//
//   Start  101 (0) -- 102 A (1) -- 103 A (2)
//                      |            |
//   Kurz              201 A (0) -- 202 B (1) -- 203 A (2)        bridge: 3.0 m high, 8 m wide
//                                   |                  |
//   Lang              301 A (0) -- 302 S (5) -- 303 A (10)      lock: 20 m long, 5 m wide; 302 draught 1.5 m
//                                                      |  |
//   Ziel                               401 A (0) ---- 402 A (0.5) -- 403 (3)
//
// Kurz's MinTiefe 1.0 m is explained by nothing on it (its points carry no draught limit): it is the
// fairway's own. Lang's MinBreite 5 m is the lock's.

#include "browser/routenansicht.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "olm3binnen/pathoptimiser.h"
#include "routing/core/bootprofil.h"
#include "routing/core/durchfahrt.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <map>

using namespace olm3;
using olm3browser::DruckDurchfahrt;
using olm3browser::DurchfahrtFarbe;
using olm3browser::RoutenDruckZeilen;

namespace {

const char* const kNetz = R"(
INSERT INTO Binnen (BinnenID, Bezeichnung, Vmax, MinBreite, MinHoehe, MinTiefe) VALUES
    (1, 'Start', 12, 1000, 1000, 0), (2, 'Kurz', 12, 8, 3.0, 1.0), (3, 'Lang', 12, 5, 1000, 1.5),
    (4, 'Ziel', 12, 1000, 1000, 0);
INSERT INTO Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez, TypenID, Tauchtiefe) VALUES
    (101, 1, 1, 0, 13.0, 52.0, NULL, NULL), (102, 1, 2, 1, 13.0, 52.0, 'A', NULL),
    (103, 1, 3, 2, 13.0, 52.0, 'A', NULL),
    (201, 2, 1, 0, 13.0, 52.0, 'A', NULL), (202, 2, 2, 1, 13.0, 52.0, 'B', NULL),
    (203, 2, 3, 2, 13.0, 52.0, 'A', NULL),
    (301, 3, 1, 0, 13.0, 52.0, 'A', 3), (302, 3, 2, 5, 13.1, 52.0, 'S', 1.5), (303, 3, 3, 10, 13.2, 52.0, 'A', 3),
    (401, 4, 1, 0, 13.2, 52.0, 'A', NULL), (402, 4, 2, 0.5, 13.2, 52.0, 'A', NULL),
    (403, 4, 3, 3, 13.3, 52.0, NULL, NULL);
INSERT INTO Abzweige (PunkteID, PunkteID_Nach) VALUES
    (102, 201), (201, 102), (103, 301), (301, 103), (203, 401), (401, 203), (303, 402), (402, 303);
INSERT INTO Bruecken (BrueckenID, PunkteID, Aktiv, Bezeichnung, DurchBreite, DurchfHoehe, Durchgangszeit)
    VALUES (1, 202, 1, 'Niedrige Brücke', 8, 3.0, 0);
INSERT INTO Schleusen (SchleusenID, PunkteID, Aktiv, Bezeichnung, AnzahlKammern, Laenge, Breite, Durchgangszeit)
    VALUES (1, 302, 1, 'Kleine Schleuse', 1, 20, 5, 0.25);
)";

BootProfil Boot(double laenge, double breite, double hoehe, double tiefgang, double sicherheit = 0.2) {
    return {{}, laenge, breite, hoehe, tiefgang, sicherheit};
}

Hindernis Bruecke(double hoehe, double breite) {
    Hindernis h;
    h.lngPunkteID = 7;
    h.strTypID = QStringLiteral("B");
    h.adblGrenze = {-1.0, breite, hoehe, -1.0};
    return h;
}

} // namespace

TEST(Durchfahrt, EachMeasureAgainstItsLimitWithTheMargin) {
    struct Fall {
        const char* was;
        Hindernis h;
        BootProfil boot;
        std::vector<std::pair<Mass, Befundart>> erwartet;
    };
    const auto passtNicht = Befundart::PasstNicht, unbekannt = Befundart::Unbekannt;
    const Fall faelle[] = {
        {"just fits with the margin", Bruecke(3.6, 10), Boot(0, 3, 3.4, 0), {}},
        {"just fails with the margin", Bruecke(3.59, 10), Boot(0, 3, 3.4, 0), {{Mass::Hoehe, passtNicht}}},
        {"fits without a margin", Bruecke(3.4, 10), Boot(0, 3, 3.4, 0, 0), {}},
        {"just fails without a margin", Bruecke(3.39, 10), Boot(0, 3, 3.4, 0, 0), {{Mass::Hoehe, passtNicht}}},
        {"unknown limit", Bruecke(0, 10), Boot(0, 3, 3.4, 0), {{Mass::Hoehe, unbekannt}}},
        {"unlimited", Bruecke(1000, 1000), Boot(0, 30, 30, 0), {}},
        {"a measure not set is not checked", Bruecke(0, 1), Boot(12, 0, 0, 1), {}},
        {"both fail, in the order of the measures", Bruecke(2, 2), Boot(0, 3, 3, 0),
         {{Mass::Breite, passtNicht}, {Mass::Hoehe, passtNicht}}},
    };
    for (const Fall& f : faelle) {
        std::vector<std::pair<Mass, Befundart>> ist;
        for (const Durchfahrtsbefund& b : Bewerte(f.h, f.boot))
            ist.emplace_back(b.mass, b.art);
        EXPECT_EQ(ist, f.erwartet) << f.was;
        EXPECT_EQ(Sperrt(f.h, f.boot), !f.erwartet.empty() && f.erwartet[0].second == passtNicht) << f.was;
    }
}

class BootImNetz : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.katalog = olm3test::MakeCatalogue(dir, QStringLiteral("netz.sqlite"), {QString::fromUtf8(kNetz)});
        cfg.iniDatei = dir.file(QStringLiteral("host.ini"));
        ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
        ASSERT_TRUE(olm.conBinnenDatabase());
    }
    PathResult suche(const BootProfil& boot) {
        return optimiser.Optimise(olm.conBinnenDatabase(), {101, 403}, PathOptions{boot});
    }
    /// The route the search finds for the boat, expanded, and what the check finds on it.
    std::vector<Durchfahrtsbefund> pruefe(const BootProfil& fuerSuche, const BootProfil& boot) {
        const PathResult r = suche(fuerSuche);
        EXPECT_TRUE(r.ok());
        EXPECT_TRUE(olm.SetRouteOptimiert(r.alngVon, r.alngNach, QDateTime()));
        EXPECT_TRUE(olm.SetBootProfil(boot));
        return olm.GetDurchfahrt();
    }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    clsOLM3Binnen olm;
    PathOptimiser optimiser;
};

TEST_F(BootImNetz, TheSearchGoesRoundWhatTheBoatDoesNotFit) {
    auto ueber = [](const PathResult& r) {
        std::vector<std::int32_t> v = r.alngVon;
        v.push_back(r.alngNach.empty() ? 0 : r.alngNach.back());
        return v;
    };
    const std::vector<std::int32_t> kurz{101, 102, 201, 203, 401, 403}, lang{101, 103, 301, 303, 402, 403};
    EXPECT_EQ(ueber(suche({})), kurz);
    EXPECT_EQ(ueber(suche(Boot(10, 3, 2.8, 0.5))), kurz) << "2.8 + 0.2 is just the bridge's 3.0";
    EXPECT_EQ(ueber(suche(Boot(10, 3, 2.9, 0.5))), lang) << "the bridge is too low";
    EXPECT_EQ(ueber(suche(Boot(10, 3, 0, 0.9))), lang) << "Kurz's fairway is 1.0 m deep";
    EXPECT_EQ(ueber(suche(Boot(10, 3, 0, 1.3))), lang) << "1.3 + 0.2 is just the lock's 1.5";
    EXPECT_EQ(ueber(suche(Boot(0, 0, 0, 0))), kurz) << "nothing set, nothing left out";
    // Neither way: the search names what stops the boat first on the shortest way.
    const PathResult r = suche(Boot(25, 3, 3.5, 0.5));
    EXPECT_EQ(std::tuple(r.failure, r.lngPunkteIDVon, r.lngPunkteID, r.befund.lngPunkteID, r.befund.mass,
                         r.befund.strBezeichnung),
              std::tuple(PathFailure::Blocked, 101, 403, 202, Mass::Hoehe, QString("Niedrige Brücke")));
    const PathResult tief = suche(Boot(0, 0, 0, 1.6));
    EXPECT_EQ(std::tuple(tief.failure, tief.befund.strTypID, tief.befund.strBezeichnung),
              std::tuple(PathFailure::Blocked, QString("G"), QString("Kurz")))
        << "Kurz's fairway comes first on the shortest way";
}

TEST_F(BootImNetz, TheCheckReportsWhatTheRoutePassesInRouteOrder) {
    using Befund = std::tuple<std::int32_t, std::int32_t, Mass, Befundart>; // waterway, point, measure, kind
    auto liste = [](const std::vector<Durchfahrtsbefund>& befunde) {
        std::vector<Befund> v;
        for (const auto& b : befunde)
            v.emplace_back(b.lngBinnenID, b.lngPunkteID, b.mass, b.art);
        return v;
    };
    const auto nicht = Befundart::PasstNicht, unbekannt = Befundart::Unbekannt;
    using enum Mass;
    // The short way for a boat too high and too deep for it: Kurz's fairway and the bridge; Start and Ziel
    // know no depth at all (their fairways' draught limit is unknown).
    auto befunde = pruefe({}, Boot(25, 3, 3.5, 1.2));
    EXPECT_EQ(liste(befunde), (std::vector<Befund>{{1, 0, Tiefgang, unbekannt}, {2, 0, Tiefgang, nicht},
                                                   {2, 202, Hoehe, nicht}, {4, 0, Tiefgang, unbekannt}}));
    // By how much: the fairway's own limit, and the boat's 3.5 + 0.2 against the bridge's 3.0.
    EXPECT_EQ(befunde[1].dblGrenze, 1.0);
    EXPECT_NEAR(befunde[2].Fehlt(), 0.7, 1e-9);
    // The long way: the lock's chamber and the shallow point beside it; Lang's minima are theirs.
    befunde = pruefe(Boot(10, 3, 2.0, 1.0), Boot(25, 6, 2.0, 1.4));
    EXPECT_EQ(liste(befunde), (std::vector<Befund>{{1, 0, Tiefgang, unbekannt}, {3, 302, Laenge, nicht},
                                                   {3, 302, Breite, nicht}, {3, 302, Tiefgang, nicht},
                                                   {4, 0, Tiefgang, unbekannt}}));
    // No boat, nothing to find; a new profile checks the route again.
    EXPECT_TRUE(olm.SetBootProfil({}));
    EXPECT_TRUE(olm.GetDurchfahrt().empty());
}

TEST_F(BootImNetz, TheProfileSurvivesTheSettingsFileAndBadInputKeepsTheOldValue) {
    BootProfil p = Boot(11.5, 3.8, 3.4, 1.1, 0.3);
    p.strName = QStringLiteral("Möwe, \"die Zweite\"");
    p.dblVerbrauch = 6.5;
    p.dblMarschV = 9;
    ASSERT_TRUE(olm.SetBootProfil(p));
    clsOLM3Binnen neu;
    ASSERT_TRUE(neu.Init(&cfg, nullptr, nullptr));
    EXPECT_EQ(neu.GetBootProfil(), p);
    // Other sections of the file are kept; a file without the section gives the defaults.
    EXPECT_EQ(LeseBootProfil(dir.file(QStringLiteral("fehlt.ini"))), BootProfil{});
    struct Eingabe {
        BootFeld feld;
        const char* text;
        std::int32_t meldung;
    };
    using enum BootFeld;
    const Eingabe eingaben[] = {{Hoehe, "drei", 9882},      {Hoehe, "0", 9883},    {Laenge, "1e9", 9884},
                                {Tiefgang, "nan", 9882},    {Breite, "4,2", 0},    {Tiefgang, " ", 0},
                                {Sicherheit, "-0.1", 9885}, {Sicherheit, "0", 0},  {Laenge, "-4", 9883}};
    for (const Eingabe& e : eingaben) {
        BootProfil q = p;
        EXPECT_EQ(SetzeBootWert(q, e.feld, QString::fromUtf8(e.text)), e.meldung) << e.text;
        if (e.meldung != 0) {
            EXPECT_EQ(q, p) << e.text;
        }
    }
    BootProfil q = p;
    SetzeBootWert(q, Tiefgang, QString());
    EXPECT_EQ(q.dblTiefgang, 0.0) << "empty: not checked";
    EXPECT_EQ(SetzeBootWert(q, Name, QString(61, QLatin1Char('x'))), 9887);
    // A hand-edited file with bad values: those keep their defaults (a margin of 0.2 m), the others are read.
    dir.write(QStringLiteral("host.ini"), "[Boot]\nLaenge=zwölf\nDurchfahrtshoehe=3.2\nSicherheitsabstand=-1\n");
    EXPECT_EQ(LeseBootProfil(cfg.iniDatei), Boot(0, 0, 3.2, 0, 0.2));
}

// The print takes the view's marks: the row of the bridge the boat does not fit is red, the rows of limits
// the catalogue does not know are brown, and the summary line stands above the route table.
TEST_F(BootImNetz, ThePrintMarksTheFindingsRowsAsTheViewDoes) {
    pruefe({}, Boot(0, 0, 3.5, 0.4));
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    ASSERT_TRUE(olm.GetRouteOptimiert(route, summen));
    RoutenAnsicht view(&olm);
    view.resize(1400, 600);
    view.FillGridRoute(route);
    QTableWidget* grid = view.grdRoute();
    for (int row = grid->rowCount() - 1; row >= 0; --row)
        if (view.IstRoutenpunktZeile(row)) view.FillGridRouteMDetails(row);
    const olm3browser::RoutenDruckInhalt inhalt = view.DruckInhalt();
    std::map<DruckDurchfahrt, std::vector<QString>> marken;
    for (const olm3browser::RoutenDruckZeile& z : RoutenDruckZeilen(inhalt)) {
        if (z.durchfahrt == DruckDurchfahrt::Keine) continue;
        marken[z.durchfahrt].push_back(grid->item(z.row, 9)->text());
        EXPECT_EQ(grid->item(z.row, 9)->foreground().color(), DurchfahrtFarbe(z.durchfahrt));
    }
    // Kurz's fairway (1.0 m) takes the boat's 0.4 + 0.2; Start and Ziel know no depth.
    EXPECT_EQ(marken[DruckDurchfahrt::PasstNicht], std::vector<QString>{QStringLiteral("Niedrige Brücke")});
    EXPECT_TRUE(marken[DruckDurchfahrt::Unbekannt].empty());
    EXPECT_EQ(inhalt.artDurchfahrt, DruckDurchfahrt::PasstNicht);
    ASSERT_FALSE(inhalt.strDurchfahrt.isEmpty());
    EXPECT_NE(DurchfahrtFarbe(DruckDurchfahrt::PasstNicht), DurchfahrtFarbe(DruckDurchfahrt::Unbekannt));
    // On paper: the summary line.
    const QString pdf = dir.file(QStringLiteral("route.pdf"));
    clsOLM3Binnen::SetPrintToPdf(pdf);
    olm3test::MessageRecorder meldungen;
    view.Drucken();
    clsOLM3Binnen::SetPrintToPdf(QString());
    ASSERT_TRUE(QFile::exists(pdf));
    // Kept for a look at the pages.
    QFile::remove(QStringLiteral(OLM3_TEST_OUTPUT "/route_print_boot.pdf"));
    QFile::copy(pdf, QStringLiteral(OLM3_TEST_OUTPUT "/route_print_boot.pdf"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess p;
    p.start(pdftotext, {pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(inhalt.strDurchfahrt.simplified())) << text.toStdString();
    // A boat that meets only unknown limits (the fairways of Start and Ziel): no red row, the summary brown.
    EXPECT_TRUE(olm.SetBootProfil(Boot(0, 0, 0, 0.5)));
    view.FillGridRoute(route);
    for (const olm3browser::RoutenDruckZeile& z : RoutenDruckZeilen(view.DruckInhalt()))
        EXPECT_NE(z.durchfahrt, DruckDurchfahrt::PasstNicht) << z.row;
    EXPECT_EQ(view.DruckInhalt().artDurchfahrt, DruckDurchfahrt::Unbekannt);
}

namespace {

/// A ladder of waterways, each joined to the next at two places, so that every run of shallows, bridge
/// and lock has a way round or none; drawn from a fixed seed. Draught limits come in runs; a waterway's
/// MinTiefe is the least of its points' (unknown on every third waterway).
QString Leiter(bool mitMinTiefe) {
    std::uint32_t zustand = 20261207;
    auto zufall = [&zustand](std::uint32_t n) {
        zustand = zustand * 1664525u + 1013904223u;
        return (zustand >> 8) % n;
    };
    auto zahl = [](double x) { return x < 0 ? QStringLiteral("NULL") : QString::number(x); };
    const double tiefen[] = {0, 1.2, 1.5, 1.7, 1.9, 2.5, 1000, -1};
    const double hoehen[] = {0, 3.0, 3.39, 3.4, 3.41, 4.5, 1000, -1};
    constexpr int kWege = 6, kPunkte = 30;
    QStringList binnen, punkte, abzweige, bruecken, schleusen;
    for (int w = 1; w <= kWege; ++w) {
        double minTiefe = 0, tiefe = 1000;
        for (int i = 1; i <= kPunkte; ++i) {
            if (zufall(4) == 0) tiefe = tiefen[zufall(8)];
            const int id = w * 100 + i;
            const bool abzweig = i == 5 || i == 25;
            punkte << QStringLiteral("(%1, %2, %3, %4, 13, 52, %5, %6)").arg(id).arg(w).arg(i).arg(i * 0.5)
                          .arg(abzweig ? QStringLiteral("'A'") : QStringLiteral("NULL"), zahl(tiefe));
            if (tiefe > 0 && tiefe < 1000 && (minTiefe == 0 || tiefe < minTiefe)) minTiefe = tiefe;
            if (abzweig && w < kWege) abzweige << QStringLiteral("(%1, %2), (%2, %1)").arg(id).arg(id + 100);
            if (abzweig || i == 1 || i == kPunkte) continue;
            if (zufall(6) == 0) {
                const double h = hoehen[zufall(8)];
                bruecken << QStringLiteral("(%1, %2, 1, 'B%2', %3, %4, 0)").arg(bruecken.size() + 1).arg(id)
                                .arg(zahl(h * 3), zahl(h));
            } else if (zufall(12) == 0) {
                schleusen << QStringLiteral("(%1, %2, 1, 'S%2', 1, %3, %4, 0.25)")
                                 .arg(schleusen.size() + 1).arg(id)
                                 .arg(QString::number(8 + zufall(10)))
                                 .arg(QString::number(3 + zufall(4) * 0.5));
            }
        }
        binnen << QStringLiteral("(%1, 'W%1', 12, 1000, 1000, %2)").arg(w)
                      .arg(mitMinTiefe && w % 3 != 0 ? QString::number(minTiefe) : QStringLiteral("NULL"));
    }
    auto insert = [](const char* tabelle, const QStringList& werte) {
        const QString sql = QStringLiteral("INSERT INTO %1 VALUES %2;\n");
        return werte.isEmpty() ? QString()
                               : sql.arg(QLatin1String(tabelle), werte.join(QStringLiteral(", ")));
    };
    return insert("Binnen (BinnenID, Bezeichnung, Vmax, MinBreite, MinHoehe, MinTiefe)", binnen) +
           insert("Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez, TypenID, Tauchtiefe)", punkte) +
           insert("Abzweige (PunkteID, PunkteID_Nach)", abzweige) +
           insert("Bruecken (BrueckenID, PunkteID, Aktiv, Bezeichnung, DurchBreite, DurchfHoehe, "
                  "Durchgangszeit)",
                  bruecken) +
           insert("Schleusen (SchleusenID, PunkteID, Aktiv, Bezeichnung, AnzahlKammern, Laenge, Breite, "
                  "Durchgangszeit)",
                  schleusen);
}

} // namespace

// What the search reads for a boat is only what stops that boat. On a generated ladder, for boats whose
// measures lie on and beside the limits, every route is the same whether the search reads the waterways
// whose minimum vouches for them or not, and whether its object served other boats before; a route found
// passes the clearance check without a "does not fit", and a blocked way names a place that does not fit.
TEST(BootImGenerierten, TheAvoidingSearchGivesTheSameRoutesWhateverItReadsFirst) {
    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    cfg.katalog = olm3test::MakeCatalogue(dir, QStringLiteral("mit.sqlite"), {Leiter(true)});
    cfg.iniDatei = dir.file(QStringLiteral("host.ini"));
    clsOLM3Binnen olm;
    ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    clsOLM3Binnen::SetStepPause(0);
    const ADODB::ConnectionPtr mit = olm.conBinnenDatabase();
    ADODB::ConnectionPtr ohne;
    ASSERT_TRUE(modOLM3Binnen::ADO_Open_Connection(
        olm3test::MakeCatalogue(dir, QStringLiteral("ohne.sqlite"), {Leiter(false)}), ohne, {}, {}, {}, true));
    const BootProfil boote[] = {
        Boot(0, 0, 0, 1.5),  Boot(0, 0, 0, 1.5, 0), Boot(0, 0, 0, 1.7, 0), Boot(0, 0, 0, 1.3),
        Boot(0, 0, 3.2, 0),  Boot(0, 0, 3.19, 0),   Boot(0, 0, 3.4, 0, 0), Boot(12, 4, 3.0, 1.0),
        Boot(15, 4.2, 0, 0), Boot(9, 3, 2.5, 2.4),  Boot(0, 0, 0, 2.4),    Boot(0, 9.5, 0, 0)};
    const std::vector<std::int32_t> orte{101, 115, 203, 320, 512, 630};
    auto text = [](const PathResult& r) {
        QString t = QString::number(int(r.failure)) + QLatin1Char(':');
        for (std::size_t i = 0; i < r.alngVon.size(); ++i)
            t += QStringLiteral("%1-%2 ").arg(r.alngVon[i]).arg(r.alngNach[i]);
        if (r.failure == PathFailure::Blocked)
            t += QStringLiteral("%1/%2/%3").arg(r.befund.lngPunkteID).arg(int(r.befund.mass)).arg(
                r.befund.dblGrenze);
        return t;
    };
    PathOptimiser wieder; // serves every boat in turn
    int umwege = 0, gesperrt = 0;
    for (const BootProfil& boot : boote) {
        for (const std::int32_t von : orte) {
            for (const std::int32_t nach : orte) {
                if (von == nach) continue;
                SCOPED_TRACE(QStringLiteral("boat %1/%2/%3/%4+%5 from %6 to %7")
                                 .arg(boot.dblLaenge).arg(boot.dblBreite).arg(boot.dblHoehe)
                                 .arg(boot.dblTiefgang).arg(boot.dblSicherheit).arg(von).arg(nach)
                                 .toStdString());
                const PathOptions o{boot};
                PathOptimiser frisch, leer;
                const PathResult r = frisch.Optimise(mit, {von, nach}, o);
                EXPECT_EQ(text(r), text(wieder.Optimise(mit, {von, nach}, o)));
                EXPECT_EQ(text(r), text(leer.Optimise(ohne, {von, nach}, o)));
                if (r.failure == PathFailure::Blocked) {
                    ++gesperrt;
                    EXPECT_EQ(r.befund.art, Befundart::PasstNicht);
                    continue;
                }
                ASSERT_TRUE(r.ok());
                if (text(r) != text(frisch.Optimise(mit, {von, nach}))) ++umwege;
                // The route, checked as a route: nothing on it stops the boat.
                ASSERT_TRUE(olm.SetRouteOptimiert(r.alngVon, r.alngNach, QDateTime()));
                ASSERT_TRUE(olm.SetBootProfil(boot));
                EXPECT_EQ(Zaehle(olm.GetDurchfahrt()).intPasstNicht, 0);
            }
        }
    }
    // The table means something: boats go round and boats are stopped.
    EXPECT_GT(umwege, 10);
    EXPECT_GT(gesperrt, 10);
}
