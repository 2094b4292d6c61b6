#pragma once
// Between GPX files and the routes of the open catalogue: the planned and the timed route as GPX, and
// the points of a GPX file matched to catalogue points as a planned route. The user's messages about
// both come from here, so that every window and the tool say the same.

#include "gpx/core/gpx.h"
#include "olm3binnen/types.h"

#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <functional>
#include <vector>

namespace olm3::gpx {

/// Module of the texts of GPX import and export in the text table.
inline const QString kModul = QStringLiteral("modGpx");

/// The capture radius of the import in nautical miles, the unit of the nearest-point search.
constexpr double kFangbereichImport = 0.5;

/// The time zone of the open catalogue's region: the catalogue's entry "Zeitzone" (an IANA name such
/// as "Europe/Berlin") when it has a valid one, otherwise Europe/Berlin, the region of the bundled
/// catalogues.
QTimeZone KatalogZeitzone();

/// The planned route as a GPX route: one route point per point id of the open catalogue, with name,
/// description (waterway and official km) and what finds the point again after a catalogue update.
/// With a valid datStart (wall-clock time) the first point carries it as its time and the route its
/// start and speed. Ids below 1 and ids the catalogue lacks are left out.
Datei GeplanteRoute(const std::vector<std::int32_t>& alngPunkteID, const QDateTime& datStart, double dblMarschV,
                    const QTimeZone& tz);

/// The timed route: its route points as a GPX route with the arrival as time and departure and wait in
/// our extension, and one waypoint per lock, bridge, harbour and fuel station passed.
Datei ZeitplanRoute(const std::vector<typRouteOptimiert>& audtRoute, const QDateTime& datStart, double dblMarschV,
                    const QTimeZone& tz);

/// What an export writes, in the open catalogue's time zone: the timed route when audtZeitplan holds
/// one (started at datZeitplanStart), otherwise the planned route alngGeplant with its start (invalid
/// when none is set). dblMarschV is the cruising speed of either.
Datei ExportRoute(const std::vector<typRouteOptimiert>& audtZeitplan, const QDateTime& datZeitplanStart,
                  const std::vector<std::int32_t>& alngGeplant, const QDateTime& datStart, double dblMarschV);

/// Where the points of an imported file came from.
enum class Quelle { Route, Track, Wegpunkte };

/// One point of the file and the catalogue point it was matched to.
struct ImportPunkt {
    std::int32_t lngNr = 0;         ///< its number in the file's list, from 1
    Punkt punkt;                    ///< as the file gives it
    std::int32_t lngPunkteID = -1;  ///< the catalogue point, -1 when none lies within the capture radius
    double dblEntfernung = 0.0;     ///< nautical miles; 0 when found by its own identity
    bool blnIdentitaet = false;     ///< found by the waterway's external id and chainage of our extension
    QString strBinnen;              ///< the waterway of the catalogue point
};

/// A GPX file matched against the open catalogue.
struct Import {
    Quelle quelle = Quelle::Route;
    std::vector<ImportPunkt> punkte;
    /// The planned route: the matched ids in the file's order, a point matched like its predecessor
    /// taken once. The empty route (one id 0) when nothing matched.
    std::vector<std::int32_t> alngPunkteID{0};
    std::int32_t lngZusammengefasst = 0; ///< points dropped because they matched their predecessor's point
    QDateTime datStart;  ///< wall-clock start from the file (its route start or first time); invalid when none
    double dblMarschV = 0.0; ///< from the file; 0 when none
    double dblFangbereich = kFangbereichImport;
    bool blnAbgebrochen = false;
    std::int32_t AnzahlZugeordnet() const;
    bool LeerGeblieben() const { return alngPunkteID.size() == 1 && alngPunkteID.front() == 0; }
};

/// Called after each point with the count done and the total; returning false breaks the matching off.
using Fortschritt = std::function<bool(std::int32_t lngFertig, std::int32_t lngGesamt)>;

/// Matches the file's route, or, without one, its track, or its waypoints, to the open catalogue: a point
/// with our extension by its waterway's external id and chainage, every other point (and one whose
/// identity is gone) to the nearest catalogue point within dblFangbereich (nautical miles).
Import OrdneZu(const Datei& datei, const QTimeZone& tz, double dblFangbereich = kFangbereichImport,
               const Fortschritt& fortschritt = {});

/// The user's message about a file that could not be read (one sentence naming the file).
QString FehlerText(const LeseErgebnis& erg, const QString& strPfad);
/// The user's message about a file that could not be written.
QString SchreibFehlerText(const QString& strPfad, const QString& strGrund);
/// The text that asks before the planned route is replaced: how many points matched, every point that
/// did not, and the question. When nothing matched, the statement that the plan stays as it is.
QString ImportBericht(const Import& imp, const QString& strPfad);

} // namespace olm3::gpx
