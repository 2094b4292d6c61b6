// Benchmarks of the waterway information browser, offscreen: how long the user waits for a list.
//
//   olm3_bench_browser [benchmark options]
//
// - the waterway list of a catalogue of 500 waterways: the browser opened through the component (window
//   made, list filled) and drawn once;
// - the points list of a waterway of 5,000 points, each carrying an object: a double-click on the
//   waterway in the waterway list until the filled list is drawn; under the default type filter (junctions
//   only: nearly every row is hidden) and with every type box checked (all 5,000 rows shown).
// Goals: the waterway list under 150 ms, the points list under 50 ms under the default filter (with every
// type shown there is none: it shows what sizing the columns to the shown rows costs). The catalogues are
// generated into the build folder on the first run.

#include "benchmain.h"
#include "browser/frmBinneninfo.h"
#include "component/clsOLM3BinnenState.h"
#include "component/iniconfig.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTableWidget>
#include <QToolButton>
#include <cstdio>
#include <functional>

namespace {

const QString kGewaesserKatalog = QStringLiteral(OLM3_BENCH_DIR "/synthetic_500x20.sqlite");
const QString kPunkteKatalog = QStringLiteral(OLM3_BENCH_DIR "/synthetic_2x5000_every1.sqlite");

/// The component on a catalogue; the browser's modal run is handed to the benchmark.
struct Browser {
    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    explicit Browser(const QString& strKatalog) : cfg(olm3::IniConfig::ForCatalogue(strKatalog)) {
        olm.Init(&cfg, nullptr, nullptr);
    }
    /// Opens the browser without a start position; lauf runs while it is open.
    void Oeffne(const std::function<void(frmBinneninfo*)>& lauf) {
        auto alt = olm3ui::SetModalHandler([&lauf](QDialog* dlg) {
            if (auto* b = qobject_cast<frmBinneninfo*>(dlg)) {
                b->show();
                lauf(b);
            }
            return int(QDialog::Rejected);
        });
        bool pos = false;
        double lg = 0.0, bg = 0.0;
        olm.Binneninfo(pos, lg, bg, false, false);
        olm3ui::SetModalHandler(std::move(alt));
    }
};

void BM_Gewaesserliste(benchmark::State& state) {
    Browser b(kGewaesserKatalog);
    int zeilen = 0;
    for (auto _ : state) {
        b.Oeffne([&zeilen](frmBinneninfo* frm) {
            zeilen = frm->grdBinnen()->rowCount();
            benchmark::DoNotOptimize(frm->grab());
        });
    }
    if (zeilen != 500) state.SkipWithError("the waterway list is not full");
    state.counters["rows"] = zeilen;
}

/// state.range(0) 1: every type box checked, so that the 5,000 rows are shown, not only the junctions and
/// the current point as under the default filter.
void BM_Punkteliste(benchmark::State& state) {
    Browser b(kPunkteKatalog);
    if (state.range(0) == 1) b.olm.state().strTypFilter = QStringLiteral("'A', 'T', 'H', 'S', 'L', 'B', 'W'");
    int zeilen = 0;
    b.Oeffne([&](frmBinneninfo* frm) {
        QTableWidget* g = frm->grdBinnen();
        for (auto _ : state) {
            state.PauseTiming();
            frm->fpBinnen()->fpb()->click();
            QCoreApplication::processEvents();
            state.ResumeTiming();
            emit g->cellDoubleClicked(0, 0);
            zeilen = frm->grdPunkte()->rowCount();
            benchmark::DoNotOptimize(frm->grab());
        }
    });
    if (zeilen < 5000) state.SkipWithError("the points list is not full");
    state.counters["rows"] = zeilen;
}

} // namespace

BENCHMARK(BM_Gewaesserliste)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Punkteliste)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("all_types")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    olm3bench::Programm programm;
    programm.blnFenster = true;
    programm.vorbereiten = [] {
        if (!olm3bench::Erzeuge(kGewaesserKatalog, 500, 20, 5) || !olm3bench::Erzeuge(kPunkteKatalog, 2, 5000, 1)) {
            std::fprintf(stderr, "olm3_bench_browser: the catalogues could not be generated\n");
            return 1;
        }
        return olm3bench::kBereit;
    };
    return olm3bench::Main(argc, argv, programm);
}
