// Nearest point, point position and catalogue opening on a catalogue of 1,000,000 points.
//
//   olm3_bench_nearest [--catalogue=FILE] [benchmark flags]
//   olm3_bench_nearest [--catalogue=FILE] --verify=N
//
// Without --catalogue the synthetic catalogue in the build folder is used, generated first when it is
// not there yet (100 waterways of 10,000 points, an object every 50 points). Goals: a nearest-point
// search well under 1 ms, opening a catalogue with Init under 50 ms. On a busy machine the CPU column is
// the better measure of a call's own cost; the wall-clock column then includes the wait for a core.
// With --verify=N it does not time anything but checks the search at N positions against a scan of
// every point.

#include "benchmain.h"
#include "component/iniconfig.h"
#include "data/databasebuilder.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/ado.h"
#include "olm3binnen/clsOLM3Binnen.h"

#include <QFileInfo>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

namespace {

QString g_katalog = QStringLiteral(OLM3_BENCH_CATALOGUE);

struct Pos {
    double lg;
    double bg;
};

/// Where the searched positions lie.
enum class Lage {
    Netz,    ///< within about 300 m of a random point of the network
    Region,  ///< anywhere in the region the network covers (52-55 N, 7-15 E)
    Abseits, ///< 60 to 120 nautical miles south of the network
};

/// Positions and point ids drawn once from the catalogue, the same for every run.
struct Stichprobe {
    std::vector<Pos> netz, region, abseits;
    std::vector<std::int32_t> punkte;       // random point ids
    std::vector<std::int32_t> objektPunkte; // random ids of points with an object
    const std::vector<Pos>& Positionen(Lage l) const {
        return l == Lage::Netz ? netz : l == Lage::Region ? region : abseits;
    }
};
Stichprobe g_probe;

constexpr size_t kAnzahl = 1000;

/// Opens the catalogue through the facade, as a host does.
std::unique_ptr<clsOLM3Binnen> Oeffnen(olm3::IniConfig& cfg) {
    auto olm = std::make_unique<clsOLM3Binnen>();
    cfg = olm3::IniConfig::ForCatalogue(g_katalog);
    if (!olm->Init(&cfg, nullptr, nullptr) || !olm->conBinnenDatabase()) return nullptr;
    return olm;
}

std::vector<std::int32_t> Ids(const ADODB::ConnectionPtr& con, const QString& sql) {
    std::vector<std::int32_t> ids;
    ADODB::RecordsetPtr rs;
    if (!modOLM3Binnen::ADO_Open_RecordsetExt(con, rs, sql, true)) return ids;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        ids.push_back(rs->Fields(0).Value.toInt());
    modOLM3Binnen::ADO_Close_Recordset(rs, true);
    return ids;
}

bool StichprobeZiehen() {
    olm3::IniConfig cfg;
    auto olm = Oeffnen(cfg);
    if (!olm) return false;
    const auto grenzen =
        Ids(olm->conBinnenDatabase(), QStringLiteral("SELECT min(PunkteID) FROM Punkte UNION ALL "
                                                     "SELECT max(PunkteID) FROM Punkte"));
    const auto objekte =
        Ids(olm->conBinnenDatabase(),
            QStringLiteral("SELECT PunkteID FROM Punkte WHERE TypenID IN ('S','B','H','T','L','W') "
                           "ORDER BY PunkteID"));
    if (grenzen.size() != 2 || grenzen[1] < grenzen[0] || objekte.empty()) return false;
    std::mt19937_64 gen(4711);
    auto zahl = [&gen](double a, double b) { return a + (b - a) * double(gen() >> 11) * 0x1.0p-53; };
    const auto spanne = static_cast<std::uint64_t>(grenzen[1] - grenzen[0]) + 1;
    for (int versuche = 0; g_probe.punkte.size() < kAnzahl; ++versuche) {
        // Ids may have gaps: an id that is not there is drawn again.
        if (versuche > 100 * int(kAnzahl)) return false;
        const auto id = static_cast<std::int32_t>(grenzen[0] + static_cast<std::int64_t>(gen() % spanne));
        double lg = 0, bg = 0;
        if (!olm->GetPunktPosition(id, lg, bg)) continue;
        g_probe.punkte.push_back(id);
        g_probe.objektPunkte.push_back(objekte[gen() % objekte.size()]);
        g_probe.netz.push_back({lg + zahl(-0.004, 0.004), bg + zahl(-0.0025, 0.0025)});
        g_probe.region.push_back({zahl(7.0, 15.0), zahl(52.0, 55.0)});
        g_probe.abseits.push_back({zahl(7.0, 15.0), zahl(50.0, 51.0)});
    }
    return true;
}

void BM_NaechsterPunkt(benchmark::State& state, double radius, Lage lage) {
    olm3::IniConfig cfg;
    auto olm = Oeffnen(cfg);
    if (!olm) {
        state.SkipWithError("the catalogue does not open");
        return;
    }
    const auto& pos = g_probe.Positionen(lage);
    size_t i = 0;
    std::int64_t gefunden = 0;
    double summeEntfernung = 0;
    for (auto _ : state) {
        const Pos& p = pos[i++ % pos.size()];
        std::int32_t binnenID = 0, punkteID = 0;
        QString bez;
        double lg = 0, bg = 0, entfernung = 0, km = 0, vmax = 0, tiefe = 0;
        const bool ok = olm->NaechsterPunkt(p.lg, p.bg, radius, binnenID, bez, punkteID, lg, bg, entfernung,
                                            &km, &vmax, &tiefe);
        benchmark::DoNotOptimize(punkteID);
        if (ok) {
            ++gefunden;
            summeEntfernung += entfernung;
        }
    }
    const double n = double(state.iterations());
    state.counters["found%"] = 100.0 * double(gefunden) / n;
    state.counters["dist_nm"] = gefunden ? summeEntfernung / double(gefunden) : 0.0;
}

void BM_GetPunktPosition(benchmark::State& state, bool besondere) {
    olm3::IniConfig cfg;
    auto olm = Oeffnen(cfg);
    if (!olm) {
        state.SkipWithError("the catalogue does not open");
        return;
    }
    const auto& ids = besondere ? g_probe.objektPunkte : g_probe.punkte;
    size_t i = 0;
    std::int64_t gefunden = 0;
    for (auto _ : state) {
        double lg = 0, bg = 0;
        if (olm->GetPunktPosition(ids[i++ % ids.size()], lg, bg, besondere)) ++gefunden;
        benchmark::DoNotOptimize(lg);
    }
    state.counters["found%"] = 100.0 * double(gefunden) / double(state.iterations());
}

/// A host opening the catalogue: a new component object, its configuration, Init.
void BM_Init(benchmark::State& state, bool ersteSuche) {
    size_t i = 0;
    for (auto _ : state) {
        olm3::IniConfig cfg;
        auto olm = Oeffnen(cfg);
        if (!olm) {
            state.SkipWithError("the catalogue does not open");
            return;
        }
        if (ersteSuche) {
            // The first search also prepares the stored query on the new connection.
            const Pos& p = g_probe.netz[i++ % g_probe.netz.size()];
            double lg = 0, bg = 0;
            benchmark::DoNotOptimize(olm->PositionNaechsterPunkt(p.lg, p.bg, 1.0, lg, bg));
        }
    }
}

constexpr int kWiederholungen = 5;

BENCHMARK_CAPTURE(BM_NaechsterPunkt, radius0_network, 0.0, Lage::Netz)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_NaechsterPunkt, radius0_region, 0.0, Lage::Region)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_NaechsterPunkt, radius1_network, 1.0, Lage::Netz)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_NaechsterPunkt, radius1_region, 1.0, Lage::Region)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_NaechsterPunkt, radius0_offshore, 0.0, Lage::Abseits)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_GetPunktPosition, route, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_GetPunktPosition, objects, true)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Init, open, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Init, open_and_first_search, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);

/// Generates the default catalogue when it is missing. The generated file is kept between runs, so its
/// stored queries are replaced by those of this build: the benchmark always measures the current ones.
bool KatalogBereitstellen() {
    if (!olm3bench::Erzeuge(g_katalog, 100, 10000, 50)) return false;
    QString fehler;
    if (!olm3::BuildDatabase(
            g_katalog,
            {QStringLiteral("DELETE FROM Abfragen;"), olm3::BuiltinSql(QStringLiteral("queries.sql"))},
            fehler)) {
        std::fprintf(stderr, "olm3_bench_nearest: cannot refresh the stored queries: %s\n",
                     qPrintable(fehler));
        return false;
    }
    return true;
}

/// Checks the search through the facade against a scan of every point: for n positions (on, near, off
/// and far from the network, with several radii) the point found must be one at the smallest distance, and
/// a point must be found exactly when one lies within the radius. The distance is computed the way the
/// stored query computes it.
bool Pruefen(int n) {
    struct Punkt {
        std::int32_t id;
        double lg, bg;
    };
    std::vector<Punkt> alle;
    try {
        SQLite::Database db(g_katalog.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement st(db, "SELECT PunkteID, LgDez, BgDez FROM Punkte ORDER BY PunkteID");
        while (st.executeStep())
            alle.push_back(
                {st.getColumn(0).getInt(), st.getColumn(1).getDouble(), st.getColumn(2).getDouble()});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "olm3_bench_nearest: %s\n", e.what());
        return false;
    }
    olm3::IniConfig cfg;
    auto olm = Oeffnen(cfg);
    if (!olm || alle.empty()) return false;
    auto dl2 = [](const Punkt& p, double lg, double bg) {
        const double kx = 60.0 * std::max(std::cos(bg * (std::numbers::pi / 180.0)), 0.01);
        return ((p.lg - lg) * kx) * ((p.lg - lg) * kx) + ((p.bg - bg) * 60.0) * ((p.bg - bg) * 60.0);
    };
    std::mt19937_64 gen(815);
    auto zahl = [&gen](double a, double b) { return a + (b - a) * double(gen() >> 11) * 0x1.0p-53; };
    const double radien[] = {0.0, 0.0, 1.0, 0.5, 5.0, 50.0};
    int fehler = 0, gefunden = 0;
    for (int i = 0; i < n; ++i) {
        const Punkt& q = alle[gen() % alle.size()];
        double lg = q.lg, bg = q.bg; // i % 5 == 0: exactly on a point
        switch (i % 5) {
        case 1:
            lg += zahl(-0.01, 0.01), bg += zahl(-0.006, 0.006);
            break; // close to a point
        case 2:
            lg = zahl(7, 15), bg = zahl(52, 55);
            break; // anywhere in the region
        case 3:
            lg = zahl(3, 19), bg = zahl(49, 58);
            break; // around it
        case 4:
            lg = zahl(-5, 25), bg = zahl(45, 60);
            break; // far away
        default:
            break;
        }
        const double radius = radien[gen() % std::size(radien)];
        const double r = radius == 0 ? 200.0 : radius;
        const Punkt* best = nullptr;
        double bestDl2 = std::numeric_limits<double>::infinity();
        for (const Punkt& p : alle) {
            const double d = dl2(p, lg, bg);
            if (d < bestDl2) bestDl2 = d, best = &p;
        }
        const bool erwartet = bestDl2 <= r * r;
        std::int32_t binnenID = 0, punkteID = 0;
        QString bez;
        double plg = 0, pbg = 0, entfernung = 0;
        const bool ok = olm->NaechsterPunkt(lg, bg, radius, binnenID, bez, punkteID, plg, pbg, entfernung);
        bool richtig = ok == erwartet;
        if (richtig && ok && punkteID != best->id) {
            // Another point at the same distance will do.
            const auto it =
                std::find_if(alle.begin(), alle.end(), [&](const Punkt& p) { return p.id == punkteID; });
            richtig = it != alle.end() && dl2(*it, lg, bg) <= bestDl2 * (1 + 1e-12);
        }
        if (erwartet) ++gefunden;
        if (!richtig) {
            ++fehler;
            std::printf("MISMATCH at %.6f %.6f radius %g: found %s %d (%.6f nm), nearest %d (%.6f nm)\n", lg,
                        bg, radius, ok ? "yes" : "no", punkteID, entfernung, best->id, std::sqrt(bestDl2));
        }
    }
    std::printf(
        "%d positions, %d with a point inside the radius, %d mismatches with a scan of all %zu points\n", n,
        gefunden, fehler, alle.size());
    return fehler == 0;
}

} // namespace

int main(int argc, char** argv) {
    bool eigenerKatalog = false;
    int pruefen = 0;
    olm3bench::Programm programm;
    programm.aoptionen = {{"--catalogue=",
                           [&eigenerKatalog](const QString& w) {
                               g_katalog = w;
                               eigenerKatalog = true;
                               return true;
                           }},
                          {"--verify=", [&pruefen](const QString& w) {
                               pruefen = w.toInt();
                               if (pruefen >= 1) return true;
                               std::fprintf(stderr,
                                            "olm3_bench_nearest: --verify needs a number of positions, not '%s'\n",
                                            qPrintable(w));
                               return false;
                           }}};
    programm.vorbereiten = [&] {
        modOLM3Binnen::SetStepPauseMs(0);
        if (eigenerKatalog ? !QFileInfo::exists(g_katalog) : !KatalogBereitstellen()) {
            std::fprintf(stderr, "olm3_bench_nearest: no catalogue at %s\n", qPrintable(g_katalog));
            return 1;
        }
        if (!StichprobeZiehen()) {
            std::fprintf(stderr, "olm3_bench_nearest: %s is not a usable catalogue\n", qPrintable(g_katalog));
            return 1;
        }
        std::printf("Catalogue %s (%.1f MB)\n", qPrintable(g_katalog), double(QFileInfo(g_katalog).size()) / 1e6);
        if (pruefen > 0) return Pruefen(pruefen) ? 0 : 1;
        return olm3bench::kBereit;
    };
    return olm3bench::Main(argc, argv, programm);
}
