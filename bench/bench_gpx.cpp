// GPX export and import of a route of 5,000 points.
//
//   olm3_bench_gpx [--catalogue=FILE] [benchmark flags]
//
// Without --catalogue a synthetic catalogue of 10 waterways of 500 points (an object every 17 points) is
// generated into the build folder first. The route runs through all 5,000 points. Goal: export and import
// under 50 ms each. Writing and reading the XML alone are timed apart from the catalogue's part (names
// for the export, matching for the import); an import of a foreign file, matched by position only, is
// timed for 500 points.

#include "benchmain.h"
#include "component/iniconfig.h"
#include "data/modOLM3Binnen.h"
#include "gpx/core/gpxroute.h"
#include "olm3binnen/clsOLM3Binnen.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

namespace gpx = olm3::gpx;

QString g_katalog = QStringLiteral(OLM3_BENCH_DIR "/synthetic_10x500_every17.sqlite");
std::vector<std::int32_t> g_route;
const QDateTime kStart = olm3::MakeDatum(QDate(2024, 6, 3), QTime(9, 0));

bool KatalogBereitstellen() {
    return olm3bench::Erzeuge(g_katalog, 10, 500, 17);
}

/// The catalogue opened through the facade, as a host does, for the life of the benchmark.
struct Umgebung {
    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    bool Oeffnen() {
        cfg = olm3::IniConfig::ForCatalogue(g_katalog);
        if (!olm.Init(&cfg, nullptr, nullptr) || !olm.conBinnenDatabase()) return false;
        ADODB::RecordsetPtr rs;
        if (!modOLM3Binnen::ADO_Open_RecordsetExt(
                olm.conBinnenDatabase(), rs,
                QStringLiteral("SELECT PunkteID FROM Punkte ORDER BY BinnenID, Nummer LIMIT 5000"), true))
            return false;
        g_route.clear();
        for (; !rs->Eof(); rs->MoveNext()) g_route.push_back(rs->Fields(0).Value.toInt());
        return g_route.size() == 5000;
    }
};
Umgebung* g_umgebung = nullptr;

gpx::Datei Route() {
    static const gpx::Datei d = gpx::GeplanteRoute(g_route, kStart, 8.0, gpx::KatalogZeitzone());
    return d;
}

void BM_GpxSchreiben(benchmark::State& state) {
    const gpx::Datei d = Route();
    for (auto _ : state) benchmark::DoNotOptimize(gpx::GpxText(d));
    state.counters["Punkte"] = static_cast<double>(d.route.size());
}
BENCHMARK(BM_GpxSchreiben)->Unit(benchmark::kMillisecond);

void BM_GpxLesen(benchmark::State& state) {
    const QByteArray text = gpx::GpxText(Route());
    for (auto _ : state) benchmark::DoNotOptimize(gpx::LeseGpx(text));
    state.counters["Bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_GpxLesen)->Unit(benchmark::kMillisecond);

// The whole export: the points' names and identities from the catalogue, then the file's text.
void BM_GpxExport(benchmark::State& state) {
    const QTimeZone tz = gpx::KatalogZeitzone();
    for (auto _ : state) benchmark::DoNotOptimize(gpx::GpxText(gpx::GeplanteRoute(g_route, kStart, 8.0, tz)));
}
BENCHMARK(BM_GpxExport)->Unit(benchmark::kMillisecond);

// The whole import of our own file: reading, and every point found again by its identity.
void BM_GpxImport(benchmark::State& state) {
    const QByteArray text = gpx::GpxText(Route());
    const QTimeZone tz = gpx::KatalogZeitzone();
    std::size_t n = 0;
    for (auto _ : state) {
        const gpx::Import imp = gpx::OrdneZu(gpx::LeseGpx(text).datei, tz);
        n = imp.alngPunkteID.size();
    }
    state.counters["Punkte"] = static_cast<double>(n);
}
BENCHMARK(BM_GpxImport)->Unit(benchmark::kMillisecond);

// The matching alone, of the points of our own file already read.
void BM_GpxZuordnung(benchmark::State& state) {
    const gpx::Datei d = gpx::LeseGpx(gpx::GpxText(Route())).datei;
    const QTimeZone tz = gpx::KatalogZeitzone();
    for (auto _ : state) benchmark::DoNotOptimize(gpx::OrdneZu(d, tz));
}
BENCHMARK(BM_GpxZuordnung)->Unit(benchmark::kMillisecond);

// A foreign file of 500 points without our extension: each matched by the nearest-point search.
void BM_GpxImportFremd(benchmark::State& state) {
    gpx::Datei d = Route();
    d.route.resize(500);
    for (gpx::Punkt& p : d.route) {
        gpx::Punkt fremd;
        fremd.dblLg = p.dblLg + 0.0003;
        fremd.dblBg = p.dblBg - 0.0002;
        p = fremd;
    }
    const QByteArray text = gpx::GpxText(d);
    const QTimeZone tz = gpx::KatalogZeitzone();
    std::size_t n = 0;
    for (auto _ : state) {
        const gpx::Import imp = gpx::OrdneZu(gpx::LeseGpx(text).datei, tz);
        n = static_cast<std::size_t>(imp.AnzahlZugeordnet());
    }
    state.counters["Zugeordnet"] = static_cast<double>(n);
}
BENCHMARK(BM_GpxImportFremd)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    Umgebung umgebung;
    olm3bench::Programm programm;
    programm.aoptionen = {olm3bench::KatalogOption(g_katalog)};
    programm.vorbereiten = [&umgebung] {
        if (!KatalogBereitstellen() || !umgebung.Oeffnen()) {
            std::fprintf(stderr, "olm3_bench_gpx: no catalogue of 5,000 points at %s\n", qPrintable(g_katalog));
            return 1;
        }
        g_umgebung = &umgebung;
        clsOLM3Binnen::SetStepPause(0);
        return olm3bench::kBereit;
    };
    return olm3bench::Main(argc, argv, programm);
}
