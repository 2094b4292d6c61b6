#include "routing/core/bericht.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <cmath>

using namespace modOLM3Binnen;

namespace olm3::routing {

namespace {
const QString kModul = QStringLiteral("frmRoutenOptimiererBericht");
const QString kDatum = QStringLiteral("dd.mm.yyyy  hh:nn");

QString label(int id, const char* tail) {
    return GetText(kModul, id) + QLatin1String(tail);
}

BerichtZeile zeile(const QString& a, const QString& b, const QString& c, const QString& d) {
    return BerichtZeile{{a, b, c, d}, false};
}
BerichtZeile trenner() {
    return BerichtZeile{{QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" ")},
                        true};
}
} // namespace

QDateTime Ankunft(const QDateTime& datStart, double dblDauer) {
    return datStart.addSecs(static_cast<qint64>(std::llround(RoundHalfEven(dblDauer, 1) * 3600.0)));
}

std::vector<BerichtZeile> BerichtZeilen(double dblStrecke, double dblSummeDurchgangszeit,
                                        double dblSummeWartezeit, double dblSummeFahrzeit,
                                        const QDateTime& datStartZeit, double dblVerbrauchProStunde) {
    const double dauer = dblSummeWartezeit + dblSummeFahrzeit + dblSummeDurchgangszeit;
    const QString strecke = FormatNumber(dblStrecke, QStringLiteral("0.0"));
    const QString start = FormatDatum(datStartZeit, kDatum);
    const QString ankunft = FormatDatum(Ankunft(datStartZeit, dauer), kDatum);
    const QString verbrauch = FormatNumber(dblVerbrauchProStunde * dblSummeFahrzeit, QStringLiteral("0.0"));
    auto stunden = [](double h) { return FormatNumber(h, QStringLiteral("0.0")); };
    return {
        zeile(label(810, ":  "), strecke, strecke, QStringLiteral(" km")),
        zeile(label(871, ":  "), start, start, QString()),
        zeile(label(831, ":  "), ankunft, ankunft, QString()),
        trenner(),
        zeile(label(830, ":  "), FormatDauer(RoundHalfEven(dauer, 1), false), stunden(dauer),
              QStringLiteral(" h")),
        zeile(label(878, ": "), FormatDauer(dblSummeWartezeit, false), stunden(dblSummeWartezeit),
              QStringLiteral(" h")),
        zeile(label(905, ": "), FormatDauer(dblSummeDurchgangszeit, false), stunden(dblSummeDurchgangszeit),
              QStringLiteral(" h")),
        zeile(label(879, ": "), FormatDauer(dblSummeFahrzeit, false), stunden(dblSummeFahrzeit),
              QStringLiteral(" h")),
        trenner(),
        zeile(label(876, ":  "), verbrauch, verbrauch, QStringLiteral(" l")),
    };
}

} // namespace olm3::routing
