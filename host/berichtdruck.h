#pragma once
// A small print of the optimiser report: the report's lines under a heading that names the catalogue and
// the route, on one page, to a printer or a PDF file.

#include "routing/core/bericht.h"

#include <QString>
#include <cstdint>
#include <vector>

class QPrinter;
class clsOLM3Binnen;
class IOLM3Cfg;

namespace olm3host {

/// What the print shows.
struct Bericht {
    std::vector<olm3::routing::BerichtZeile> zeilen;
    QString strKatalog; ///< the catalogue's name
    QString strHinweis; ///< the catalogue's notice, printed small at the foot
    QString strVon;     ///< first and last point of the route
    QString strNach;
    std::int32_t lngVonPunkteID = 0;
    std::int32_t lngNachPunkteID = 0;
};

/// The report of the component's optimised route with the consumption of the host configuration.
/// False when no optimised route is present.
bool BerichtDerRoute(const clsOLM3Binnen& olm, IOLM3Cfg& cfg, Bericht& bericht);

/// Prints the report on the printer's first page.
void DruckeBericht(QPrinter& drucker, const Bericht& bericht);

/// Prints the report into a PDF file; false when the file cannot be written.
bool BerichtAlsPdf(const QString& strDatei, const Bericht& bericht);

} // namespace olm3host
