#pragma once
// The headless tour: the host on the bundled sample catalogue, driven through the component's real
// windows and events. It plans a route by picking points on the chart, optimises it, shows and prints
// the report, prints the route through the browser, passes the browser's four views and a radius search,
// opens every detail view with the windows they lead to, chooses the other catalogue, and writes a
// screenshot of every window it passes.

#include "katalogdaten.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace olm3host {

/// The points of the tour's route, in travel order: landmarks of the sample catalogue found by name and
/// type; when the catalogue lacks them, locks and harbours on two waterways that meet at a junction,
/// ordered so that the route runs towards the junction and away from it without turning back.
/// Empty when the catalogue offers no route of five points on two waterways.
std::vector<KartenObjekt> RundgangPunkte(const KartenDaten& daten);

/// Runs the tour with a fresh profile below strAusgabe and writes its files there. Needs a QApplication.
/// Returns the process exit code (0 when every step worked); astrDateien receives the files written.
int Rundgang(const QString& strAusgabe, QStringList* astrDateien = nullptr);

} // namespace olm3host
