// Benchmarks of the route computation on a synthetic catalogue of 1,000,000 points (100 waterways of
// 10,000 points, an object every 17 points): a route of about 1,000 km along one waterway with about
// 100 locks and 100 bridges, and the worst lock search, a lock closed for a whole winter season.
//
//   olm3_bench_route [--catalogue=FILE] [benchmark options]
//
// Reported per run: the time, the SQL statements the database layer ran, and the share of the time spent
// inside SQLite. Goals with the step pause at 0: the route under 50 ms, its day stages under 50 ms, the
// worst lock under 5 ms.

#include "component/iniconfig.h"
#include "data/ado_internal.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/core/durchfahrt.h"
#include "routing/core/schleusenbz.h"
#include "routing/core/tagesetappen.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

QString g_katalog = QStringLiteral(OLM3_BENCH_ROUTE_CATALOGUE);

struct Strecke {
    std::int32_t von = 0, nach = 0;
    std::int64_t schleusen = 0, bruecken = 0;
    double km = 0;
    std::int32_t winterSchleuse = 0; ///< a lock closed from November to March
};
Strecke g_strecke;

/// Generates the catalogue when missing and makes its first lock one that is closed all winter.
bool KatalogBereitstellen() {
    if (!QFileInfo::exists(g_katalog)) {
        std::printf("Generating %s ...\n", qPrintable(g_katalog));
        std::fflush(stdout);
        const int rc = QProcess::execute(QStringLiteral(OLM3_GENCATALOGUE),
                                         {QStringLiteral("--out"), g_katalog, QStringLiteral("--waterways"),
                                          QStringLiteral("100"), QStringLiteral("--points"), QStringLiteral("10000"),
                                          QStringLiteral("--every"), QStringLiteral("17")});
        if (rc != 0) return false;
        SQLite::Database db(g_katalog.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("DELETE FROM SBZ_Wochentage WHERE SchleusenID = (SELECT min(SchleusenID) FROM Schleusen);"
                "INSERT INTO SBZ_Wochentage (SchleusenID, WtID, SaisonVon, SaisonBis, UhrzeitVon, UhrzeitBis, Betrieb)"
                " SELECT (SELECT min(SchleusenID) FROM Schleusen), WTID, '2000-04-01', '2000-10-31', '06:00', '20:00', 1"
                " FROM Wochentage WHERE Nr <= 7;"
                "INSERT INTO SBZ_Wochentage (SchleusenID, WtID, SaisonVon, SaisonBis, UhrzeitVon, UhrzeitBis, Betrieb)"
                " SELECT (SELECT min(SchleusenID) FROM Schleusen), WTID, '2000-11-01', '2000-03-31', NULL, NULL, 0"
                " FROM Wochentage WHERE Nr <= 7;");
    }
    SQLite::Database db(g_katalog.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement ends(db, "SELECT min(PunkteID), max(PunkteID), max(Strecke) - min(Strecke) FROM Punkte "
                               "WHERE BinnenID = (SELECT min(BinnenID) FROM Binnen)");
    if (!ends.executeStep()) return false;
    g_strecke.von = ends.getColumn(0).getInt();
    g_strecke.nach = ends.getColumn(1).getInt();
    g_strecke.km = ends.getColumn(2).getDouble();
    SQLite::Statement typen(db, "SELECT sum(TypenID = 'S'), sum(TypenID = 'B') FROM Punkte WHERE BinnenID = "
                                "(SELECT min(BinnenID) FROM Binnen)");
    typen.executeStep();
    g_strecke.schleusen = typen.getColumn(0).getInt64();
    g_strecke.bruecken = typen.getColumn(1).getInt64();
    SQLite::Statement winter(db, "SELECT min(SchleusenID) FROM Schleusen");
    winter.executeStep();
    g_strecke.winterSchleuse = winter.getColumn(0).getInt();
    return true;
}

/// The component with the catalogue open, as a host has it.
struct Komponente {
    olm3::IniConfig cfg = olm3::IniConfig::ForCatalogue(g_katalog);
    clsOLM3Binnen olm;
    Komponente() {
        cfg.SetMarschgeschwindigkeit(10);
        olm.Init(&cfg, nullptr, nullptr);
        olm.StartZeit(olm3::MakeDatum(QDate(2008, 6, 2), QTime(5, 30)));
    }
};

/// Runs one measured loop with the step pause of the benchmark's argument and reports the statements run
/// and the share of the time spent inside SQLite.
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
    clsOLM3Binnen::SetStepPause(0);
}

void BM_Route(benchmark::State& state) {
    Komponente k;
    std::size_t rows = 0;
    Messen(state, [&] {
        const bool ok = k.olm.SetRouteOptimiert({g_strecke.von}, {g_strecke.nach}, QDateTime());
        std::vector<typRouteOptimiert> route;
        RouteOptimiertSummen summen;
        k.olm.GetRouteOptimiert(route, summen);
        rows = route.size();
        if (!ok || route.empty()) state.SkipWithError("route not computed");
    });
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["km"] = g_strecke.km;
    state.counters["locks"] = static_cast<double>(g_strecke.schleusen);
    state.counters["bridges"] = static_cast<double>(g_strecke.bruecken);
}

/// The clearance check of the 1,000 km route for a boat that every measure is checked for: the route's
/// points placed, the waterway's fairway, its bridges and locks, and its shallow points. Goal: under 10 ms.
void BM_Durchfahrt(benchmark::State& state) {
    Komponente k;
    if (!k.olm.SetRouteOptimiert({g_strecke.von}, {g_strecke.nach}, QDateTime())) state.SkipWithError("no route");
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
    Komponente k;
    if (!k.olm.SetRouteOptimiert({g_strecke.von}, {g_strecke.nach}, QDateTime())) {
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
    Komponente k;
    double wait = 0;
    Messen(state, [&] {
        wait = 0;
        QString nb, sr;
        // Arriving at the start of the closed season: the search crosses the whole winter.
        olm3::routing::GetSchleusenBZ(g_strecke.winterSchleuse, olm3::MakeDatum(QDate(2008, 11, 1), QTime(10, 0)),
                                      wait, nb, sr);
    });
    state.counters["wait_h"] = wait;
}

} // namespace

BENCHMARK(BM_Route)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Route)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_Durchfahrt)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Tagesetappen)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WorstLock)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WorstLock)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strncmp(argv[i], "--catalogue=", 12) == 0) g_katalog = QString::fromLocal8Bit(argv[i] + 12);
        else args.push_back(argv[i]);
    }
    int n = static_cast<int>(args.size());
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 2;
    if (!KatalogBereitstellen()) {
        std::fprintf(stderr, "olm3_bench_route: no catalogue at %s\n", qPrintable(g_katalog));
        return 1;
    }
    std::printf("Route: points %d to %d, %.0f km, %lld locks, %lld bridges; winter lock %d\n", g_strecke.von,
                g_strecke.nach, g_strecke.km, static_cast<long long>(g_strecke.schleusen),
                static_cast<long long>(g_strecke.bruecken), g_strecke.winterSchleuse);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
