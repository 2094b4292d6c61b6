// olm3_gencatalogue: writes a synthetic waterway catalogue of any size, for benchmarks.
//
//   olm3_gencatalogue --out FILE --waterways N --points M --every K [--seed S]
//
// N waterways of M points each, 0.1 km apart along a wavy line. Each waterway meanders inside its own
// box; the boxes tile the region 52-55 N, 7-15 E with some overlap, so the whole set covers it. Every
// K-th point carries an object, cycling through lock, bridge, harbour, fuel station, berth and weir, with
// its detail row (locks also with their weekday hours). Waterway i+1 branches off waterway i: its first
// point lies on a point of waterway i, both are junctions and linked both ways. The same seed gives
// the same file.

#include "data/databasebuilder.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr double kSchrittKm = 0.1;    // distance between neighbouring points
constexpr double kKmProGrad = 111.32; // km per degree of latitude
constexpr double kBgMin = 52.0, kBgMax = 55.0, kLgMin = 7.0, kLgMax = 15.0;
constexpr std::uint64_t kDefaultSeed = 20240517;

struct Params {
    QString out;
    std::int64_t waterways = 0;
    std::int64_t points = 0;
    std::int64_t every = 0;
    std::uint64_t seed = kDefaultSeed;
};

/// Uniform numbers from a fixed generator; the library's distributions may differ between versions,
/// this does not, so a seed always gives the same catalogue.
class Zufall {
public:
    explicit Zufall(std::uint64_t seed) : m_gen(seed) {}
    double Uniform() { return static_cast<double>(m_gen() >> 11) * 0x1.0p-53; }
    double Uniform(double a, double b) { return a + (b - a) * Uniform(); }
    int Int(int n) { return static_cast<int>(Uniform() * n); }

private:
    std::mt19937_64 m_gen;
};

struct Pos {
    double lg;
    double bg;
};

/// The box a waterway meanders in.
struct Box {
    double lgMin, lgMax, bgMin, bgMax;
    double lgMitte() const { return (lgMin + lgMax) / 2; }
    double bgMitte() const { return (bgMin + bgMax) / 2; }
    bool Enthaelt(const Pos& p) const {
        return p.lg >= lgMin && p.lg <= lgMax && p.bg >= bgMin && p.bg <= bgMax;
    }
};

/// Tiles the region with one box per waterway, each half as large again as its cell.
std::vector<Box> Boxen(std::int64_t n) {
    const double breiteKm =
        (kLgMax - kLgMin) * kKmProGrad * std::cos((kBgMin + kBgMax) / 2 * std::numbers::pi / 180);
    const double hoeheKm = (kBgMax - kBgMin) * kKmProGrad;
    const auto spalten = static_cast<std::int64_t>(std::ceil(std::sqrt(double(n) * breiteKm / hoeheKm)));
    const std::int64_t zeilen = (n + spalten - 1) / spalten;
    const double zelleLg = (kLgMax - kLgMin) / double(spalten), zelleBg = (kBgMax - kBgMin) / double(zeilen);
    std::vector<Box> boxen;
    boxen.reserve(static_cast<size_t>(n));
    for (std::int64_t i = 0; i < n; ++i) {
        // Snake through the grid so that consecutive waterways are neighbours.
        const std::int64_t z = i / spalten;
        const std::int64_t s = (z % 2 == 0) ? i % spalten : spalten - 1 - i % spalten;
        const double lgM = kLgMin + (double(s) + 0.5) * zelleLg, bgM = kBgMin + (double(z) + 0.5) * zelleBg;
        boxen.push_back({std::max(kLgMin, lgM - 0.75 * zelleLg), std::min(kLgMax, lgM + 0.75 * zelleLg),
                         std::max(kBgMin, bgM - 0.75 * zelleBg), std::min(kBgMax, bgM + 0.75 * zelleBg)});
    }
    return boxen;
}

double WinkelDiff(double a, double b) {
    return std::remainder(a - b, 2 * std::numbers::pi);
}

/// A wavy line of m points 0.1 km apart from start, kept inside the box: the heading swings around a
/// slowly drifting course, and the course turns back towards the middle whenever the line leaves it.
std::vector<Pos> Linie(const Pos& start, const Box& box, std::int64_t m, Zufall& z) {
    std::vector<Pos> pts;
    pts.reserve(static_cast<size_t>(m));
    Pos p = start;
    double kurs = z.Uniform(0, 2 * std::numbers::pi);
    const double amplitude = z.Uniform(0.3, 0.8), periode = z.Uniform(30, 120), phase = z.Uniform(0, 6.3);
    for (std::int64_t k = 0; k < m; ++k) {
        pts.push_back(p);
        if (box.Enthaelt(p)) {
            kurs += z.Uniform(-0.04, 0.04);
        } else {
            const double zurMitte = std::atan2(
                (box.lgMitte() - p.lg) * std::cos(p.bg * std::numbers::pi / 180), box.bgMitte() - p.bg);
            kurs += std::clamp(WinkelDiff(zurMitte, kurs), -0.08, 0.08);
        }
        const double richtung =
            kurs + amplitude * std::sin(2 * std::numbers::pi * double(k) / periode + phase);
        p.bg += kSchrittKm * std::cos(richtung) / kKmProGrad;
        p.lg += kSchrittKm * std::sin(richtung) / (kKmProGrad * std::cos(p.bg * std::numbers::pi / 180));
    }
    return pts;
}

/// The point of the line (not its first) nearest to the middle of the next waterway's box.
std::int64_t Abzweigstelle(const std::vector<Pos>& pts, const Box& naechste) {
    std::int64_t best = -1;
    double bestD = std::numeric_limits<double>::max();
    const double kx = std::cos(naechste.bgMitte() * std::numbers::pi / 180);
    for (size_t j = 1; j < pts.size(); ++j) {
        const double dx = (pts[j].lg - naechste.lgMitte()) * kx, dy = pts[j].bg - naechste.bgMitte();
        const double d = dx * dx + dy * dy;
        if (d < bestD) {
            bestD = d;
            best = static_cast<std::int64_t>(j);
        }
    }
    return best;
}

bool ZahlOption(const QCommandLineParser& p, const QString& name, std::int64_t min, std::int64_t& wert) {
    bool ok = false;
    const qlonglong v = p.value(name).toLongLong(&ok);
    if (!ok || v < min) {
        std::fprintf(stderr, "olm3_gencatalogue: --%s must be a whole number of at least %lld, not '%s'.\n",
                     qPrintable(name), static_cast<long long>(min), qPrintable(p.value(name)));
        return false;
    }
    wert = v;
    return true;
}

bool Parse(const QCoreApplication& app, Params& prm) {
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Writes a synthetic waterway catalogue for benchmarks."));
    p.addHelpOption();
    p.addOption({QStringLiteral("out"), QStringLiteral("Catalogue file to write (replaced if present)."),
                 QStringLiteral("FILE")});
    p.addOption({QStringLiteral("waterways"), QStringLiteral("Number of waterways."), QStringLiteral("N")});
    p.addOption({QStringLiteral("points"), QStringLiteral("Points per waterway, 0.1 km apart."),
                 QStringLiteral("M")});
    p.addOption({QStringLiteral("every"), QStringLiteral("An object every K points (0: none)."),
                 QStringLiteral("K")});
    p.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the random numbers."), QStringLiteral("S"),
                 QString::number(kDefaultSeed)});
    p.process(app);
    if (!p.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "olm3_gencatalogue: unexpected argument '%s'.\n",
                     qPrintable(p.positionalArguments()[0]));
        return false;
    }
    for (const char* name : {"out", "waterways", "points", "every"}) {
        if (!p.isSet(QString::fromLatin1(name))) {
            std::fprintf(stderr, "olm3_gencatalogue: --%s is missing (see --help).\n", name);
            return false;
        }
    }
    prm.out = p.value(QStringLiteral("out"));
    std::int64_t seed = 0;
    if (!ZahlOption(p, QStringLiteral("waterways"), 1, prm.waterways) ||
        !ZahlOption(p, QStringLiteral("points"), 1, prm.points) ||
        !ZahlOption(p, QStringLiteral("every"), 0, prm.every) ||
        !ZahlOption(p, QStringLiteral("seed"), 0, seed))
        return false;
    prm.seed = static_cast<std::uint64_t>(seed);
    // Point ids are 32-bit integers.
    if (prm.waterways > std::numeric_limits<std::int32_t>::max() / prm.points) {
        std::fprintf(stderr,
                     "olm3_gencatalogue: %lld x %lld points are more than 32-bit point ids can number.\n",
                     static_cast<long long>(prm.waterways), static_cast<long long>(prm.points));
        return false;
    }
    return true;
}

const char* const kTypen = "SBHTLW";
const char* const kWochentage[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

/// Counts and limits of one waterway, gathered while its points are written.
struct Summen {
    std::int64_t anzahl[6] = {0, 0, 0, 0, 0, 0}; // in the order of kTypen
    double minBreite = 1000, minHoehe = 1000;
};

class Generator {
public:
    Generator(SQLite::Database& db, const Params& prm)
        : m_prm(prm), m_z(prm.seed),
          m_punkt(db,
                  "INSERT INTO Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez, TypenID, DokuKM, "
                  "DokuKMOrig, Vmax, Tauchtiefe) VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
          m_binnen(
              db,
              "INSERT INTO Binnen (BinnenID, Bezeichnung, ExterneID, Aktiv, Gesamtstrecke, AnzahlBruecken, "
              "AnzahlHaefen, AnzahlLiegestellen, AnzahlSchleusen, AnzahlTankstellen, AnzahlWehre, LG_OL, "
              "BG_OL, LG_UR, BG_UR, MinBreite, MinHoehe, MinTiefe, Vmax) "
              "VALUES (?,?,?,1,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
          m_abzweig(db, "INSERT INTO Abzweige (PunkteID, PunkteID_Nach) VALUES (?,?)"),
          m_schleuse(db,
                     "INSERT INTO Schleusen (SchleusenID, PunkteID, Aktiv, Bezeichnung, Telefon1, UKWKanal, "
                     "AnzahlKammern, Laenge, Breite, HubHoeheMax, Durchgangszeit, BL) "
                     "VALUES (?,?,1,?,?,?,?,?,?,?,?,?)"),
          m_sbz(
              db,
              "INSERT INTO SBZ_Wochentage (SchleusenID, WtID, SaisonVon, SaisonBis, UhrzeitVon, UhrzeitBis, "
              "Betrieb) VALUES (?,?,'2000-04-01','2000-10-31','06:00','20:00',1)"),
          m_bruecke(db,
                    "INSERT INTO Bruecken (BrueckenID, PunkteID, Aktiv, Bezeichnung, UKWKanal, Kategorie, "
                    "DurchBreite, DurchfHoehe, Durchgangszeit) VALUES (?,?,1,?,?,?,?,?,?)"),
          m_hafen(db,
                  "INSERT INTO Haefen (HaefenID, PunkteID, Aktiv, Bezeichnung, Telefon1, UKWKanal, AS_strom, "
                  "AS_wasser, IH_Dusche, IH_Gastliegeplaetze, IH_WC) VALUES (?,?,1,?,?,?,1,1,?,?,1)"),
          m_tankstelle(
              db, "INSERT INTO Tankstellen (TankstellenID, PunkteID, Aktiv, Bezeichnung, Telefon1, AnLand, "
                  "Benzin, Diesel) VALUES (?,?,1,?,?,?,?,1)"),
          m_liegestelle(db,
                        "INSERT INTO Liegestellen (LiegestellenID, PunkteID, Aktiv, Bezeichnung, Sportboote) "
                        "VALUES (?,?,1,?,1)"),
          m_wehr(db, "INSERT INTO Wehre (WehreID, PunkteID, Aktiv, Bezeichnung) VALUES (?,?,1,?)") {}

    void Run() {
        const std::vector<Box> boxen = Boxen(m_prm.waterways);
        Pos start{boxen[0].lgMitte(), boxen[0].bgMitte()};
        std::int64_t vorigerAbzweig = -1; // point id on the previous waterway this one branches off
        int vorigesProzent = -1;
        const bool terminal = isatty(fileno(stderr));
        for (std::int64_t i = 0; i < m_prm.waterways; ++i) {
            const auto ii = static_cast<size_t>(i);
            const std::vector<Pos> pts = Linie(start, boxen[ii], m_prm.points, m_z);
            const std::int64_t abzweig = i + 1 < m_prm.waterways ? Abzweigstelle(pts, boxen[ii + 1]) : -1;
            const std::int64_t ersteID = i * m_prm.points + 1;
            Waterway(i + 1, ersteID, pts, vorigerAbzweig > 0, abzweig);
            if (vorigerAbzweig > 0) {
                Abzweig(vorigerAbzweig, ersteID);
                Abzweig(ersteID, vorigerAbzweig);
            }
            if (abzweig >= 0) {
                vorigerAbzweig = ersteID + abzweig;
                start = pts[static_cast<size_t>(abzweig)];
            } else if (i + 1 < m_prm.waterways) {
                // A waterway of one point has nowhere to branch off: the next one starts on its own.
                vorigerAbzweig = -1;
                start = {boxen[ii + 1].lgMitte(), boxen[ii + 1].bgMitte()};
            }
            const int prozent = static_cast<int>((i + 1) * 100 / m_prm.waterways);
            if (prozent / 10 != vorigesProzent / 10) {
                std::fprintf(stderr,
                             terminal ? "\r%3d %% (%lld of %lld waterways)"
                                      : "%3d %% (%lld of %lld waterways)\n",
                             prozent, static_cast<long long>(i + 1), static_cast<long long>(m_prm.waterways));
                std::fflush(stderr);
                vorigesProzent = prozent;
            }
        }
        if (terminal) std::fprintf(stderr, "\n");
    }

    std::int64_t Objekte() const { return m_objekte; }

private:
    void Waterway(std::int64_t binnenID, std::int64_t ersteID, const std::vector<Pos>& pts,
                  bool abzweigAmAnfang, std::int64_t abzweig) {
        char name[64];
        std::snprintf(name, sizeof name, "Synthetischer Kanal %03lld", static_cast<long long>(binnenID));
        char extern_[32];
        std::snprintf(extern_, sizeof extern_, "SYN-%05lld", static_cast<long long>(binnenID));
        const double tiefe = std::round(m_z.Uniform(1.8, 4.0) * 10) / 10;
        const double vmax = 6.0 + 2.0 * m_z.Int(4);
        const double dokuBeginn = 10.0 * m_z.Int(20);
        Summen summen;
        double lgMin = 180, lgMax = -180, bgMin = 90, bgMax = -90;
        for (size_t j = 0; j < pts.size(); ++j) {
            const auto jj = static_cast<std::int64_t>(j);
            const std::int64_t id = ersteID + jj;
            const Pos& p = pts[j];
            lgMin = std::min(lgMin, p.lg);
            lgMax = std::max(lgMax, p.lg);
            bgMin = std::min(bgMin, p.bg);
            bgMax = std::max(bgMax, p.bg);
            const double strecke = std::round(double(jj) * kSchrittKm * 10) / 10;
            const bool istAbzweig = (jj == 0 && abzweigAmAnfang) || jj == abzweig;
            char typ = 0;
            if (istAbzweig)
                typ = 'A';
            else if (m_prm.every > 0 && (jj + 1) % m_prm.every == 0)
                typ = kTypen[m_naechsterTyp++ % 6];

            m_punkt.reset();
            m_punkt.bind(1, static_cast<std::int64_t>(id));
            m_punkt.bind(2, static_cast<std::int64_t>(binnenID));
            m_punkt.bind(3, static_cast<std::int64_t>(jj + 1));
            m_punkt.bind(4, strecke);
            m_punkt.bind(5, p.lg);
            m_punkt.bind(6, p.bg);
            if (typ)
                m_punkt.bind(7, std::string(1, typ));
            else
                m_punkt.bind(7);
            m_punkt.bind(8, dokuBeginn + strecke);
            m_punkt.bind(9, j % 10 == 0 ? 1 : 0);
            m_punkt.bind(10);
            m_punkt.bind(11, tiefe);
            m_punkt.exec();

            if (typ && typ != 'A') Objekt(typ, id, name, strecke, summen);
        }
        m_binnen.reset();
        m_binnen.bind(1, static_cast<std::int64_t>(binnenID));
        m_binnen.bind(2, name);
        m_binnen.bind(3, extern_);
        m_binnen.bind(4, std::round(double(pts.size() - 1) * kSchrittKm * 10) / 10);
        // Count columns in the order Bruecken, Haefen, Liegestellen, Schleusen, Tankstellen, Wehre.
        constexpr int kSpalte[] = {1, 2, 4, 0, 3, 5};
        for (int k = 0; k < 6; ++k)
            m_binnen.bind(5 + k, static_cast<std::int64_t>(summen.anzahl[kSpalte[k]]));
        m_binnen.bind(11, lgMin);
        m_binnen.bind(12, bgMax);
        m_binnen.bind(13, lgMax);
        m_binnen.bind(14, bgMin);
        m_binnen.bind(15, summen.minBreite);
        m_binnen.bind(16, summen.minHoehe);
        m_binnen.bind(17, tiefe);
        m_binnen.bind(18, vmax);
        m_binnen.exec();
    }

    void Objekt(char typ, std::int64_t punkteID, const char* waterway, double strecke, Summen& summen) {
        ++m_objekte;
        char bez[128];
        const std::int64_t pid = punkteID;
        switch (typ) {
        case 'S': {
            const std::int64_t id = ++m_ids[0];
            ++summen.anzahl[0];
            const double breite = 9.5 + m_z.Int(4);
            summen.minBreite = std::min(summen.minBreite, breite);
            std::snprintf(bez, sizeof bez, "Schleuse %lld (%s km %.1f)", static_cast<long long>(id), waterway,
                          strecke);
            m_schleuse.reset();
            m_schleuse.bind(1, id);
            m_schleuse.bind(2, pid);
            m_schleuse.bind(3, bez);
            m_schleuse.bind(4, "+49 30 1234567");
            m_schleuse.bind(5, std::to_string(18 + m_z.Int(4) * 2));
            m_schleuse.bind(6, 1 + m_z.Int(2));
            m_schleuse.bind(7, 80.0 + 10.0 * m_z.Int(12));
            m_schleuse.bind(8, breite);
            m_schleuse.bind(9, std::round(m_z.Uniform(0.8, 6.0) * 10) / 10);
            m_schleuse.bind(10, 0.25 * (1 + m_z.Int(3)));
            m_schleuse.bind(11, m_z.Int(2) ? "BB" : "MV");
            m_schleuse.exec();
            for (const char* wt : kWochentage) {
                m_sbz.reset();
                m_sbz.bind(1, id);
                m_sbz.bind(2, wt);
                m_sbz.exec();
            }
            break;
        }
        case 'B': {
            const std::int64_t id = ++m_ids[1];
            ++summen.anzahl[1];
            static const char* const kategorien[] = {"Festbrücke", "Klappbrücke", "Hubbrücke", "Drehbrücke"};
            const int kat = m_z.Int(4);
            const double hoehe = kat == 0 ? std::round(m_z.Uniform(3.5, 7.0) * 10) / 10 : 1000.0;
            summen.minHoehe = std::min(summen.minHoehe, hoehe);
            std::snprintf(bez, sizeof bez, "Brücke %lld (%s km %.1f)", static_cast<long long>(id), waterway,
                          strecke);
            m_bruecke.reset();
            m_bruecke.bind(1, id);
            m_bruecke.bind(2, pid);
            m_bruecke.bind(3, bez);
            m_bruecke.bind(4, kat == 0 ? std::string() : std::string("20"));
            m_bruecke.bind(5, kategorien[kat]);
            m_bruecke.bind(6, 10.0 + 2.0 * m_z.Int(10));
            m_bruecke.bind(7, hoehe);
            m_bruecke.bind(8, kat == 0 ? 0.0 : 0.1 * (1 + m_z.Int(3)));
            m_bruecke.exec();
            break;
        }
        case 'H': {
            const std::int64_t id = ++m_ids[2];
            ++summen.anzahl[2];
            std::snprintf(bez, sizeof bez, "Hafen %lld (%s km %.1f)", static_cast<long long>(id), waterway,
                          strecke);
            m_hafen.reset();
            m_hafen.bind(1, id);
            m_hafen.bind(2, pid);
            m_hafen.bind(3, bez);
            m_hafen.bind(4, "+49 30 7654321");
            m_hafen.bind(5, "72");
            m_hafen.bind(6, m_z.Int(2));
            m_hafen.bind(7, 5 + m_z.Int(40));
            m_hafen.exec();
            break;
        }
        case 'T': {
            const std::int64_t id = ++m_ids[3];
            ++summen.anzahl[3];
            std::snprintf(bez, sizeof bez, "Tankstelle %lld (%s km %.1f)", static_cast<long long>(id),
                          waterway, strecke);
            m_tankstelle.reset();
            m_tankstelle.bind(1, id);
            m_tankstelle.bind(2, pid);
            m_tankstelle.bind(3, bez);
            m_tankstelle.bind(4, "+49 30 5555555");
            m_tankstelle.bind(5, m_z.Int(2));
            m_tankstelle.bind(6, m_z.Int(2));
            m_tankstelle.exec();
            break;
        }
        case 'L': {
            const std::int64_t id = ++m_ids[4];
            ++summen.anzahl[4];
            std::snprintf(bez, sizeof bez, "Liegestelle %lld (%s km %.1f)", static_cast<long long>(id),
                          waterway, strecke);
            m_liegestelle.reset();
            m_liegestelle.bind(1, id);
            m_liegestelle.bind(2, pid);
            m_liegestelle.bind(3, bez);
            m_liegestelle.exec();
            break;
        }
        default: { // 'W'
            const std::int64_t id = ++m_ids[5];
            ++summen.anzahl[5];
            std::snprintf(bez, sizeof bez, "Wehr %lld (%s km %.1f)", static_cast<long long>(id), waterway,
                          strecke);
            m_wehr.reset();
            m_wehr.bind(1, id);
            m_wehr.bind(2, pid);
            m_wehr.bind(3, bez);
            m_wehr.exec();
            break;
        }
        }
    }

    void Abzweig(std::int64_t von, std::int64_t nach) {
        m_abzweig.reset();
        m_abzweig.bind(1, static_cast<std::int64_t>(von));
        m_abzweig.bind(2, static_cast<std::int64_t>(nach));
        m_abzweig.exec();
    }

    const Params& m_prm;
    Zufall m_z;
    SQLite::Statement m_punkt, m_binnen, m_abzweig, m_schleuse, m_sbz, m_bruecke, m_hafen, m_tankstelle,
        m_liegestelle, m_wehr;
    std::int64_t m_naechsterTyp = 0;
    std::int64_t m_objekte = 0;
    std::int64_t m_ids[6] = {0, 0, 0, 0, 0, 0}; // last detail id, in the order of kTypen
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("olm3_gencatalogue"));
    Params prm;
    if (!Parse(app, prm)) return 2;

    QElapsedTimer uhr;
    uhr.start();
    // Written under another name and renamed at the end, so that an interrupted run never leaves a
    // file that looks like a finished catalogue.
    const QString teil = prm.out + QStringLiteral(".part");
    QFile::remove(teil);
    QString fehler;
    if (!olm3::BuildDatabase(
            teil,
            {olm3::BuiltinSql(QStringLiteral("schema.sql")), olm3::BuiltinSql(QStringLiteral("queries.sql"))},
            fehler)) {
        std::fprintf(stderr, "olm3_gencatalogue: cannot create %s: %s\n", qPrintable(teil),
                     qPrintable(fehler));
        QFile::remove(teil);
        return 1;
    }
    std::int64_t objekte = 0;
    try {
        SQLite::Database db(teil.toStdString(), SQLite::OPEN_READWRITE);
        // A scratch file until the rename: no journal, no syncing, a large cache for the spatial index.
        db.exec("PRAGMA journal_mode = OFF");
        db.exec("PRAGMA synchronous = OFF");
        db.exec("PRAGMA cache_size = -262144");
        db.exec("PRAGMA locking_mode = EXCLUSIVE");
        SQLite::Transaction tx(db);
        SQLite::Statement katalog(db, "INSERT INTO Katalog (Schluessel, Wert) VALUES (?, ?)");
        const QString beschreibung =
            QStringLiteral("%1 waterways x %2 points, an object every %3 points, seed %4")
                .arg(prm.waterways)
                .arg(prm.points)
                .arg(prm.every)
                .arg(prm.seed);
        for (const auto& [k, v] : {std::pair{QStringLiteral("Name"), QStringLiteral("Synthetischer Katalog")},
                                   std::pair{QStringLiteral("Hinweis"),
                                             QStringLiteral("Synthetische Testdaten, nicht zur Navigation")},
                                   std::pair{QStringLiteral("Erzeugung"), beschreibung}}) {
            katalog.reset();
            katalog.bind(1, k.toStdString());
            katalog.bind(2, v.toStdString());
            katalog.exec();
        }
        Generator gen(db, prm);
        gen.Run();
        objekte = gen.Objekte();
        tx.commit();
    } catch (const SQLite::Exception& e) {
        std::fprintf(stderr, "\nolm3_gencatalogue: writing %s failed: %s\n", qPrintable(teil), e.what());
        QFile::remove(teil);
        return 1;
    }
    if (QFile::exists(prm.out) && !QFile::remove(prm.out)) {
        std::fprintf(stderr, "olm3_gencatalogue: cannot replace %s.\n", qPrintable(prm.out));
        QFile::remove(teil);
        return 1;
    }
    if (!QFile::rename(teil, prm.out)) {
        std::fprintf(stderr, "olm3_gencatalogue: cannot rename %s to %s.\n", qPrintable(teil),
                     qPrintable(prm.out));
        QFile::remove(teil);
        return 1;
    }
    std::printf("%s: %lld waterways, %lld points, %lld objects, %.1f MB in %.2f s\n", qPrintable(prm.out),
                static_cast<long long>(prm.waterways), static_cast<long long>(prm.waterways * prm.points),
                static_cast<long long>(objekte), double(QFileInfo(prm.out).size()) / 1e6,
                double(uhr.nsecsElapsed()) / 1e9);
    return 0;
}
