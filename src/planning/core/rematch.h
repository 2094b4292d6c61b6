#pragma once
// Finding the stored points of a saved route again in the open catalogue, which may have been replaced
// by a data update since the route was saved: the catalogue's query V_SUCHE_ROUTENPUNKT says how a point
// matched; when it finds nothing, the nearest point around the stored position stands in.

#include "planning/core/routestore.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace olm3::planning {

/// The status of a stored point that matched nothing.
inline const QString kNichtGefunden = QStringLiteral("--<nicht gefunden!!!>--  ");
/// The catch range of the nearest-point fall-back, in the unit of the nearest-point search.
constexpr double kFangbereichZuordnung = 1.0;

/// Points not matched exactly, by reason.
struct Zaehler {
    std::int32_t lngStrecke = 0;     ///< matched with "S", on account of the chainage
    std::int32_t lngBinnen = 0;      ///< matched with "B", on account of the waterway
    std::int32_t lngKoordinaten = 0; ///< found only by the nearest-point search
    std::int32_t lngKeine = 0;       ///< found nowhere
};

/// The nine cells of a row of the points grid and how it looks.
struct PunktZeile {
    std::array<QString, 9> zellen;
    std::int32_t lngPunkteID = -1; ///< the matched point, -1 when none
    double dblBg = 0.0;            ///< the coordinates behind columns 2 and 3, decimal degrees
    double dblLg = 0.0;
    bool blnFett = false;          ///< the km is the one of the official documentation
    bool blnNichtGefunden = false; ///< red text, red status cell
    bool blnStatus = false;        ///< the status cell shows something (yellow, or red when not found)
};

/// The stored points of a route matched against the catalogue.
struct Zuordnung {
    std::vector<PunktZeile> zeilen;
    /// The matched point ids in display order: the route to load (also ids whose row could not be shown).
    std::vector<std::int32_t> alngPunkteID;
    Zaehler zaehler;
};

/// Columns 1 to 7 of a catalogue point as the route grids show it, read from V_ROUTE_DETAILLIERT. False
/// when the point cannot be read (the database layer shows its message when the query fails).
bool LeseRoutenpunktZeile(std::int32_t lngPunkteID, PunktZeile& zeile);

/// Matches one stored point: its current point id (-1 when none) and its status ("OK", "S", "B", another
/// code of the catalogue, "K " and the distance, or kNichtGefunden); counts it in zaehler. Throws
/// olm3::RuntimeError when V_SUCHE_ROUTENPUNKT cannot be run.
void SuchePunkt(const GespeicherterPunkt& punkt, std::int32_t& lngPunkteID, QString& strStatus,
                Zaehler& zaehler);

/// Matches the stored points of route lngRoutenID in the order Nr (descending when blnInvers). Not ok
/// when the points cannot be read or the catalogue's query cannot be run; z then holds the rows up to
/// that point.
Ergebnis OrdnePunkteZu(std::int32_t lngRoutenID, bool blnInvers, Zuordnung& z);

/// The report of the points not matched exactly: for each reason with a count, a line break, the count
/// and the reason's suffix. Empty when every point matched exactly.
QString ZuordnungsBericht(const Zaehler& zaehler);

/// Whether a route may be loaded: without a report at once; otherwise the report is shown and the user
/// asked "Trotzdem laden?", or, when no point matched at all (blnPunkteGefunden false), told
/// "Laden nicht möglich!".
bool PruefeZuordnung(const Zaehler& zaehler, bool blnPunkteGefunden);

} // namespace olm3::planning
