// Benchmarks of the route computation on synthetic catalogues of 10^4, 10^5 and 10^6 points (1, 10 and 100
// waterways of 10,000 points, an object every 17 points, each waterway branching off the one before):
//
// - BM_Route/<pause>/<waterways>: the detailed route of about 1,000 km along the first waterway, with about
//   100 locks and 100 bridges. The route is the same on every size, so its time must not grow with the
//   catalogue.
// - BM_RouteNetz: the route across the whole network of 10^6 points, from the first point of the first
//   waterway to the last point of the last (about 52,000 km): the path search (graph read
//   included) and the expansion, as the command-line tool's "route 1 1000000" does it.
// - BM_WorstLock: the worst lock search, a lock closed for a whole winter season.
//
//   olm3_bench_route [--catalogue=FILE] [benchmark options]
//
// --catalogue replaces the catalogue of 10^6 points. Reported per run: the time, the SQL statements the
// database layer ran, the share of the time spent inside SQLite (sqlite_share) and the time per time inside
// SQLite (total_per_sqlite). Goals with the step pause at 0: the route under 15 ms and at most 1.5 times the
// time inside SQLite, on every size; the route across the network under 1 s; the worst lock under 1 ms;
// the clearance check under 10 ms and the day stages under 50 ms.

#include "benchmain.h"
#include "component/iniconfig.h"
#include "data/ado_internal.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/core/durchfahrt.h"
#include "olm3binnen/pathoptimiser.h"
#include "routing/core/schleusenbz.h"
#include "routing/core/tagesetappen.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <map>

namespace {

constexpr int kPunkteJeGewaesser = 10000;

/// The catalogue of n waterways; --catalogue replaces the largest.
QString g_groesster;
QString Katalog(int intGewaesser) {
    if (intGewaesser == 100 && !g_groesster.isEmpty()) return g_groesster;
    return QStringLiteral(OLM3_BENCH_DIR "/synthetic_%1x10000_every17.sqlite").arg(intGewaesser);
}

struct Strecke {
    std::int32_t von = 0, nach = 0;
    std::int64_t schleusen = 0, bruecken = 0;
    double km = 0;
    std::int32_t winterSchleuse = 0; ///< a lock closed from November to March
    std::int32_t netzVon = 0, netzNach = 0; ///< the first and the last point of the network
};
std::map<int, Strecke> g_strecken;

/// Generates the catalogue when missing, makes its first lock one that is closed all winter, and reads
/// the ends of the route.
bool KatalogBereitstellen(int intGewaesser) {
    const QString katalog = Katalog(intGewaesser);
    if (!QFileInfo::exists(katalog)) {
        if (!olm3bench::Erzeuge(katalog, intGewaesser, kPunkteJeGewaesser, 17)) return false;
        SQLite::Database db(katalog.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("DELETE FROM SBZ_Wochentage WHERE SchleusenID = (SELECT min(SchleusenID) FROM Schleusen);"
                "INSERT INTO SBZ_Wochentage (SchleusenID, WtID, SaisonVon, SaisonBis, UhrzeitVon, UhrzeitBis, Betrieb)"
                " SELECT (SELECT min(SchleusenID) FROM Schleusen), WTID, '2000-04-01', '2000-10-31', '06:00', '20:00', 1"
                " FROM Wochentage WHERE Nr <= 7;"
                "INSERT INTO SBZ_Wochentage (SchleusenID, WtID, SaisonVon, SaisonBis, UhrzeitVon, UhrzeitBis, Betrieb)"
                " SELECT (SELECT min(SchleusenID) FROM Schleusen), WTID, '2000-11-01', '2000-03-31', NULL, NULL, 0"
                " FROM Wochentage WHERE Nr <= 7;");
    }
    SQLite::Database db(katalog.toStdString(), SQLite::OPEN_READONLY);
    Strecke& s = g_strecken[intGewaesser];
    SQLite::Statement ends(db, "SELECT min(PunkteID), max(PunkteID), max(Strecke) - min(Strecke) FROM Punkte "
                               "WHERE BinnenID = (SELECT min(BinnenID) FROM Binnen)");
    if (!ends.executeStep()) return false;
    s.von = ends.getColumn(0).getInt();
    s.nach = ends.getColumn(1).getInt();
    s.km = ends.getColumn(2).getDouble();
    SQLite::Statement typen(db, "SELECT sum(TypenID = 'S'), sum(TypenID = 'B') FROM Punkte WHERE BinnenID = "
                                "(SELECT min(BinnenID) FROM Binnen)");
    typen.executeStep();
    s.schleusen = typen.getColumn(0).getInt64();
    s.bruecken = typen.getColumn(1).getInt64();
    SQLite::Statement winter(db, "SELECT min(SchleusenID) FROM Schleusen");
    winter.executeStep();
    s.winterSchleuse = winter.getColumn(0).getInt();
    SQLite::Statement netz(db, "SELECT min(PunkteID), max(PunkteID) FROM Punkte");
    netz.executeStep();
    s.netzVon = netz.getColumn(0).getInt();
    s.netzNach = netz.getColumn(1).getInt();
    std::printf("%s: %d points; route %d to %d, %.0f km, %lld locks, %lld bridges; winter lock %d\n",
                qPrintable(QFileInfo(katalog).fileName()), s.netzNach - s.netzVon + 1, s.von, s.nach, s.km,
                static_cast<long long>(s.schleusen), static_cast<long long>(s.bruecken), s.winterSchleuse);
    return true;
}

/// The component with a catalogue open, as a host has it.
struct Komponente {
    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    explicit Komponente(const QString& strKatalog) : cfg(olm3::IniConfig::ForCatalogue(strKatalog)) {
        cfg.SetMarschgeschwindigkeit(10);
        olm.Init(&cfg, nullptr, nullptr);
        olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(5, 30)));
    }
};

/// Runs one measured loop with the step pause of the benchmark's first argument and reports the statements
/// run and how the time relates to the time spent inside SQLite.
template <typename Lauf> void Messen(benchmark::State& state, Lauf lauf) {
    clsOLM3Binnen::SetStepPause(static_cast<int>(state.range(0)));
    ADODB::ResetStatistik();
    QElapsedTimer total;
    total.start();
    for (auto _ : state) lauf();
    const qint64 nanos = total.nsecsElapsed();
    const ADODB::Statistik s = ADODB::GetStatistik();
    const double runs = static_cast<double>(state.iterations());
    state.counters["sql_statements"] = static_cast<double>(s.lngAnweisungen) / runs;
    state.counters["sqlite_share"] = nanos > 0 ? static_cast<double>(s.lngNanosekunden) / static_cast<double>(nanos) : 0;
    state.counters["total_per_sqlite"] =
        s.lngNanosekunden > 0 ? static_cast<double>(nanos) / static_cast<double>(s.lngNanosekunden) : 0;
    clsOLM3Binnen::SetStepPause(0);
}

/// Expands the legs and hands the rows out, as a host does; false when no route came back.
bool Expandieren(clsOLM3Binnen& olm, const std::vector<std::int32_t>& von, const std::vector<std::int32_t>& nach,
                 std::size_t& rows) {
    const bool ok = olm.SetRouteOptimiert(von, nach, QDateTime());
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    olm.GetRouteOptimiert(route, summen);
    rows = route.size();
    return ok && !route.empty();
}

void BM_Route(benchmark::State& state) {
    const int gewaesser = static_cast<int>(state.range(1));
    const Strecke& s = g_strecken.at(gewaesser);
    Komponente k(Katalog(gewaesser));
    std::size_t rows = 0;
    Messen(state, [&] {
        if (!Expandieren(k.olm, {s.von}, {s.nach}, rows)) state.SkipWithError("route not computed");
    });
    state.counters["points"] = static_cast<double>(s.netzNach - s.netzVon + 1);
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["km"] = s.km;
    state.counters["locks"] = static_cast<double>(s.schleusen);
    state.counters["bridges"] = static_cast<double>(s.bruecken);
}

void BM_RouteNetz(benchmark::State& state) {
    const Strecke& s = g_strecken.at(100);
    Komponente k(Katalog(100));
    std::size_t rows = 0, legs = 0;
    double km = 0;
    Messen(state, [&] {
        // A new optimiser each time: the tool reads the graph on every call.
        olm3::PathOptimiser optimiser;
        const olm3::PathResult r = optimiser.Optimise(k.olm.conBinnenDatabase(), {s.netzVon, s.netzNach});
        if (!r.ok() || !Expandieren(k.olm, r.alngVon, r.alngNach, rows)) state.SkipWithError("route not computed");
        legs = r.alngVon.size();
        km = r.dblStrecke;
    });
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["legs"] = static_cast<double>(legs);
    state.counters["km"] = km;
}

/// The clearance check of the 1,000 km route for a boat that every measure is checked for: the route's
/// points placed, the waterway's fairway, its bridges and locks, and its shallow points. Goal: under 10 ms.
void BM_Durchfahrt(benchmark::State& state) {
    const Strecke& s = g_strecken.at(100);
    Komponente k(Katalog(100));
    if (!k.olm.SetRouteOptimiert({s.von}, {s.nach}, QDateTime())) state.SkipWithError("no route");
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    k.olm.GetRouteOptimiert(route, summen);
    olm3::BootProfil boot;
    boot.dblLaenge = 14;
    boot.dblBreite = 4.2;
    boot.dblHoehe = 4.0;
    boot.dblTiefgang = 1.9;
    std::vector<olm3::Durchfahrtsbefund> befunde;
    Messen(state, [&] {
        if (!olm3::PruefeDurchfahrt(k.olm.conBinnenDatabase(), route, boot, befunde))
            state.SkipWithError("check failed");
    });
    state.counters["rows"] = static_cast<double>(route.size());
    state.counters["findings"] = static_cast<double>(befunde.size());
}

/// The day stages of the route, computed once before: the lock waits at the stages' times, the morning
/// start at each day's first lock, the berths' use and the places' names.
void BM_Tagesetappen(benchmark::State& state) {
    const Strecke& s = g_strecken.at(100);
    Komponente k(Katalog(100));
    if (!k.olm.SetRouteOptimiert({s.von}, {s.nach}, QDateTime())) {
        state.SkipWithError("route not computed");
        return;
    }
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    k.olm.GetRouteOptimiert(route, summen);
    std::size_t tage = 0;
    Messen(state, [&] {
        tage = olm3::routing::BerechneTagesetappen(route, k.olm.StartZeit(), olm3::routing::Fahrtag{}).size();
    });
    state.counters["days"] = static_cast<double>(tage);
    state.counters["rows"] = static_cast<double>(route.size());
}

void BM_WorstLock(benchmark::State& state) {
    Komponente k(Katalog(100));
    double wait = 0;
    Messen(state, [&] {
        wait = 0;
        QString nb, sr;
        // Arriving at the start of the closed season: the search crosses the whole winter.
        olm3::routing::GetSchleusenBZ(g_strecken.at(100).winterSchleuse,
                                      olm3::MakeDatum(QDate(2008, 11, 1), QTime(10, 0)), wait, nb, sr);
    });
    state.counters["wait_h"] = wait;
}

} // namespace

BENCHMARK(BM_Route)
    ->Args({0, 1})
    ->Args({0, 10})
    ->Args({0, 100})
    ->ArgNames({"pause", "waterways"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Route)
    ->Args({10, 100})
    ->ArgNames({"pause", "waterways"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Durchfahrt)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Tagesetappen)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RouteNetz)->Arg(0)->ArgName("pause")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WorstLock)->Arg(0)->ArgName("pause")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WorstLock)->Arg(10)->ArgName("pause")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    olm3bench::Programm programm;
    programm.aoptionen = {olm3bench::KatalogOption(g_groesster)};
    programm.vorbereiten = [] {
        for (const int gewaesser : {1, 10, 100}) {
            if (!KatalogBereitstellen(gewaesser)) {
                std::fprintf(stderr, "olm3_bench_route: no catalogue at %s\n", qPrintable(Katalog(gewaesser)));
                return 1;
            }
        }
        return olm3bench::kBereit;
    };
    return olm3bench::Main(argc, argv, programm);
}
