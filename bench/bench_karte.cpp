// Benchmarks of the reference host's chart, offscreen, on the bundled sample catalogue.
//
//   olm3_bench_karte [benchmark options]
//
// - the whole sample chart at overview zoom (lakes, waterways, thinned symbols, place names, legend),
//   drawn into an image of 1400 x 800 pixels;
// - a panning redraw: the chart zoomed to Berlin's centre (kilometre marks, every symbol and name),
//   dragged by a few pixels and drawn again.
// Goals: overview under 30 ms, panning redraw under 16 ms.

#include "benchmain.h"
#include "karte.h"
#include "katalogdaten.h"

#include "data/modOLM3Binnen.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <cstdio>

namespace {

olm3host::KartenDaten gDaten;

void zeichne(olm3host::Karte& karte, QImage& bild) {
    bild.fill(Qt::transparent);
    karte.render(&bild);
}

void BM_KarteUebersicht(benchmark::State& state) {
    olm3host::Karte karte;
    karte.resize(1400, 800);
    karte.SetDaten(gDaten);
    QImage bild(karte.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        zeichne(karte, bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["labels"] = static_cast<double>(karte.Beschriftungen().size());
}

void BM_KarteVerschieben(benchmark::State& state) {
    olm3host::Karte karte;
    karte.resize(1400, 800);
    karte.SetDaten(gDaten);
    karte.ZeigeBereich(QRectF(QPointF(13.30, 52.485), QPointF(13.47, 52.545)));
    QImage bild(karte.size(), QImage::Format_ARGB32_Premultiplied);
    QPointF pos(700, 400);
    auto maus = [&karte](QEvent::Type art, const QPointF& p, Qt::MouseButtons knoepfe) {
        QMouseEvent e(art, p, karte.mapToGlobal(p), Qt::LeftButton, knoepfe, Qt::NoModifier);
        QCoreApplication::sendEvent(&karte, &e);
    };
    maus(QEvent::MouseButtonPress, pos, Qt::LeftButton);
    double richtung = 1;
    for (auto _ : state) {
        // Back and forth, so that the chart stays over the centre.
        pos += QPointF(12 * richtung, 5 * richtung);
        if (pos.x() > 900 || pos.x() < 500) richtung = -richtung;
        maus(QEvent::MouseMove, pos, Qt::LeftButton);
        zeichne(karte, bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
    maus(QEvent::MouseButtonRelease, pos, Qt::NoButton);
    state.counters["labels"] = static_cast<double>(karte.Beschriftungen().size());
}

} // namespace

BENCHMARK(BM_KarteUebersicht)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KarteVerschieben)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    olm3bench::Programm programm;
    programm.blnFenster = true;
    programm.vorbereiten = [] {
        ADODB::ConnectionPtr con;
        QString fehler;
        if (!modOLM3Binnen::ADO_Open_Connection(QStringLiteral(OLM3_SAMPLE_CATALOGUE), con, {}, {}, {}, true) ||
            !olm3host::LadeKartenDaten(con, gDaten, fehler)) {
            std::fprintf(stderr, "olm3_bench_karte: the sample catalogue %s could not be read\n",
                         OLM3_SAMPLE_CATALOGUE);
            return 1;
        }
        return olm3bench::kBereit;
    };
    return olm3bench::Main(argc, argv, programm);
}
