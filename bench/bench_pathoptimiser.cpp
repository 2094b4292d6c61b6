// The path search on a catalogue of 1,000,000 points.
//
//   olm3_bench_pathoptimiser [--catalogue=FILE] [benchmark flags]
//
// Without --catalogue the synthetic catalogue in the build folder is used (100 waterways of 10,000
// points, each branching off the one before), generated first when it is not there yet. Goal: the host
// answers StartOptimierer well under a second, the first query with the graph built included.

#include "benchmain.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/ado.h"
#include "olm3binnen/pathoptimiser.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

QString g_katalog = QStringLiteral(OLM3_BENCH_CATALOGUE);
ADODB::ConnectionPtr g_con;

/// The longest route of the network: from the first point of the first waterway to the last point of the
/// last, over every waterway and junction of the chain.
std::vector<std::int32_t> g_lang;
/// Ten points drawn at random over the whole catalogue, visited in the drawn order.
std::vector<std::int32_t> g_zehn;

std::int32_t Zahl(const QString& sql) {
    ADODB::RecordsetPtr rs;
    if (!modOLM3Binnen::ADO_Open_RecordsetExt(g_con, rs, sql, true) || rs->RecordCount() == 0) return 0;
    rs->MoveFirst();
    const std::int32_t v = rs->Fields(0).Value.toInt();
    modOLM3Binnen::ADO_Close_Recordset(rs, true);
    return v;
}

bool Vorbereiten() {
    if (!olm3bench::Erzeuge(g_katalog, 100, 10000, 50)) return false;
    if (!modOLM3Binnen::ADO_Open_Connection(g_katalog, g_con, {}, {}, {}, true)) return false;
    const std::int32_t erster = Zahl(QStringLiteral("SELECT min(PunkteID) FROM Punkte"));
    const std::int32_t letzter = Zahl(QStringLiteral("SELECT max(PunkteID) FROM Punkte"));
    if (erster <= 0 || letzter <= erster) return false;
    g_lang = {Zahl(QStringLiteral("SELECT PunkteID FROM Punkte WHERE BinnenID = (SELECT min(BinnenID) FROM "
                                  "Binnen) ORDER BY Strecke LIMIT 1")),
              Zahl(QStringLiteral("SELECT PunkteID FROM Punkte WHERE BinnenID = (SELECT max(BinnenID) FROM "
                                  "Binnen) ORDER BY Strecke DESC LIMIT 1"))};
    std::mt19937 zufall(4711);
    std::uniform_int_distribution<std::int32_t> punkt(erster, letzter);
    for (int i = 0; i < 10; ++i)
        g_zehn.push_back(punkt(zufall));
    return true;
}

/// Reading the junctions and building the graph, as on the first query after a catalogue change.
void BM_GraphBuild(benchmark::State& state) {
    olm3::PathOptimiser optimiser;
    for (auto _ : state) {
        optimiser.Clear();
        if (!optimiser.Load(g_con)) state.SkipWithError("the graph was not built");
    }
    state.counters["nodes"] = static_cast<double>(optimiser.NodeCount());
    state.counters["edges"] = static_cast<double>(optimiser.EdgeCount());
}

/// One query on a built graph: the planned points read and placed, the shortest way, the legs.
void BM_Query(benchmark::State& state, const std::vector<std::int32_t>* punkte, bool mitAufbau) {
    olm3::PathOptimiser optimiser;
    optimiser.Load(g_con);
    std::size_t legs = 0;
    for (auto _ : state) {
        if (mitAufbau) optimiser.Clear();
        const olm3::PathResult r = optimiser.Optimise(g_con, *punkte);
        if (!r.ok()) state.SkipWithError("no route");
        legs = r.alngVon.size();
        benchmark::DoNotOptimize(r.dblStrecke);
    }
    state.counters["legs"] = static_cast<double>(legs);
}

/// The query with a boat: every stretch of the way is checked against its bridges, locks, shallows and
/// fairway. The boat's obstacles are read once (reported separately, with the first query). A boat of
/// 3.2 m air draught and 1.5 m draught passes every fixed bridge (3.5 m and more) and every waterway
/// (1.8 m and deeper); one of 2.2 m draught does not fit the shallow waterways, and on the chain of
/// waterways the search then names what blocks.
/// Goal: under 10 ms per query.
void BM_QueryBoat(benchmark::State& state, const std::vector<std::int32_t>* punkte, double tiefgang, bool mitAufbau) {
    olm3::PathOptimiser optimiser;
    olm3::PathOptions optionen;
    optionen.profil.dblLaenge = 14;
    optionen.profil.dblBreite = 4.2;
    optionen.profil.dblHoehe = 3.2;
    optionen.profil.dblTiefgang = tiefgang;
    optimiser.Optimise(g_con, *punkte, optionen);
    olm3::PathFailure failure = olm3::PathFailure::None;
    for (auto _ : state) {
        if (mitAufbau) optimiser.Clear();
        const olm3::PathResult r = optimiser.Optimise(g_con, *punkte, optionen);
        failure = r.failure;
        if (r.failure != olm3::PathFailure::None && r.failure != olm3::PathFailure::Blocked)
            state.SkipWithError("the search failed");
        benchmark::DoNotOptimize(r.dblStrecke);
    }
    state.counters["blocked"] = failure == olm3::PathFailure::Blocked ? 1 : 0;
}

constexpr int kWiederholungen = 5;

BENCHMARK(BM_GraphBuild)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Query, long_route, &g_lang, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Query, ten_random_points, &g_zehn, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_QueryBoat, long_route_boat, &g_lang, 1.5, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_QueryBoat, ten_random_points_boat, &g_zehn, 1.5, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_QueryBoat, long_route_deep_boat, &g_lang, 2.2, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_QueryBoat, long_route_boat_first_query, &g_lang, 1.5, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
// The deep boat's first query also reads the runs of shallow points of the waterways it does not fit.
BENCHMARK_CAPTURE(BM_QueryBoat, long_route_deep_boat_first_query, &g_lang, 2.2, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Query, long_route_first_query, &g_lang, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kWiederholungen)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    olm3bench::Programm programm;
    programm.aoptionen = {olm3bench::KatalogOption(g_katalog)};
    programm.vorbereiten = [] {
        if (!Vorbereiten()) {
            std::fprintf(stderr, "olm3_bench_pathoptimiser: %s is not a usable catalogue\n",
                         qPrintable(g_katalog));
            return 1;
        }
        std::printf("Catalogue %s, long route %d -> %d\n", qPrintable(g_katalog), g_lang[0], g_lang[1]);
        return olm3bench::kBereit;
    };
    programm.nachher = [] { g_con.reset(); };
    return olm3bench::Main(argc, argv, programm);
}
