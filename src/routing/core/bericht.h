#pragma once
// The lines of the optimiser report: distance, start and predicted arrival, the duration split into
// waiting, passage and travel time, and the fuel used.

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

namespace olm3::routing {

/// One line of the report: four cells; a separator line has blanks in all four.
struct BerichtZeile {
    std::array<QString, 4> zellen;
    bool blnTrenner = false;
};

/// The predicted arrival: the start plus the total duration rounded to a tenth of an hour (a half to even).
QDateTime Ankunft(const QDateTime& datStart, double dblDauer);

/// The ten lines of the report, with the texts of module "frmRoutenOptimiererBericht".
std::vector<BerichtZeile> BerichtZeilen(double dblStrecke, double dblSummeDurchgangszeit,
                                        double dblSummeWartezeit, double dblSummeFahrzeit,
                                        const QDateTime& datStartZeit, double dblVerbrauchProStunde);

} // namespace olm3::routing
