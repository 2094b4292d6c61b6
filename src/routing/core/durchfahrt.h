#pragma once
// The clearance check: what the boat of a profile does not fit through on a detailed route, and the
// catalogue's limits the path search leaves out stretches by.
//
// Limits in the catalogue: 0 or empty is unknown, 1000 or more is unlimited. A waterway's MinBreite,
// MinHoehe and MinTiefe are the smallest along the whole waterway. Where one of the waterway's own
// bridges, locks or points has that value, the minimum is that object's and counts only where the object
// is passed; a minimum that no object of the waterway explains is the fairway's own and holds everywhere
// on the waterway.

#include "olm3binnen/ado.h"
#include "olm3binnen/bootprofil.h"
#include "olm3binnen/types.h"

#include <QString>
#include <array>
#include <functional>
#include <cstdint>
#include <unordered_map>
#include <span>
#include <vector>

namespace olm3 {

constexpr int kMasse = 4;
/// A catalogue limit of this or more is unlimited.
constexpr double kUnbegrenzt = 1000.0;

/// A place that limits what passes: a bridge, a lock, a run of points with one draught limit, or the
/// fairway of a whole waterway.
struct Hindernis {
    std::int32_t lngPunkteID = 0; ///< the object's point (the first point of a run; 0 for a fairway)
    std::int32_t lngBinnenID = 0;
    QString strTypID;             ///< "B", "S", "" or "G" as in Durchfahrtsbefund
    QString strBezeichnung;
    double dblVon = 0.0, dblBis = 0.0; ///< chainage km the limit holds over
    /// The limit of each Mass: below 0 the place has no such limit, 0 unknown, 1000 or more unlimited.
    std::array<double, kMasse> adblGrenze{-1.0, -1.0, -1.0, -1.0};
    /// A fairway's: the waterway's minima as the catalogue gives them (length: -1).
    std::array<double, kMasse> adblMinimum{-1.0, -1.0, -1.0, -1.0};
};

/// The boat's measure of a kind (0 when not set).
double BootMass(const BootProfil& p, Mass m);
/// True when a measure with its margin fits a known limit; a millimetre of rounding is forgiven, so a
/// boat of exactly the limit fits.
bool Passt(double dblGrenze, double dblBoot, double dblSicherheit);
/// The findings of one place for one boat, in the order of Mass: a measure the boat has set meets a limit
/// the place has that is unknown (Unbekannt) or too small (PasstNicht). Unlimited limits give nothing.
std::vector<Durchfahrtsbefund> Bewerte(const Hindernis& h, const BootProfil& p);
/// True when the boat surely does not fit the place (unknown limits do not stop it).
bool Sperrt(const Hindernis& h, const BootProfil& p);

/// Bridges and locks (active detail rows) whose point satisfies strBedingung, a condition on the point
/// "p" (empty: all), ordered by waterway and chainage. With nurFuer, only those whose limits may stop this
/// boat leave the database (a superset of what Sperrt finds: Sperrt decides).
bool LeseBauwerke(const ADODB::ConnectionPtr& con, const QString& strBedingung, std::vector<Hindernis>& liste,
                  const BootProfil* nurFuer = nullptr);
/// The condition that a limit column may be too small for a measure of the boat with its margin: a known,
/// limited value below it ("0" when the measure is not set). A superset of what Passt refuses.
QString ZuKlein(const QString& strSpalte, double dblBoot, double dblSicherheit);
/// The fairway limits of the active waterways whose id satisfies strBedingung on "b" (empty: all): a
/// dimension explained by one of the waterway's objects is left out (below 0). Keyed by waterway id. With
/// nurFuer, a dimension whose minimum takes this boat is left out as well: it cannot stop the boat.
bool LeseFahrrinnen(const ADODB::ConnectionPtr& con, const QString& strBedingung,
                    std::unordered_map<std::int32_t, Hindernis>& fahrrinnen, const BootProfil* nurFuer = nullptr);

/// Checks every bridge, lock, point and waterway the detailed route passes against the profile. The
/// findings come in route order, each place and measure once; a run of points without a draught limit
/// on one waterway gives one finding (its first point). Nothing to check (no measure set, no rows) is no
/// finding. False when the catalogue cannot be read.
bool PruefeDurchfahrt(const ADODB::ConnectionPtr& con, std::span<const typRouteOptimiert> audtRoute,
                      const BootProfil& p, std::vector<Durchfahrtsbefund>& befunde);

/// How many findings are of each kind.
struct Durchfahrtssumme {
    int intPasstNicht = 0;
    int intUnbekannt = 0;
};
Durchfahrtssumme Zaehle(const std::vector<Durchfahrtsbefund>& befunde);

/// A text of the component's table by id, as the caller fetches it (host text service, tool table).
using TextQuelle = std::function<QString(std::int32_t)>;
/// One finding as one line for the user: place, measure, limit, boat with margin, by how much.
QString BefundText(const Durchfahrtsbefund& b, const TextQuelle& text);
/// The summary line of a route's findings; empty when there are none and the profile checks nothing.
QString SummenText(const std::vector<Durchfahrtsbefund>& befunde, const BootProfil& p, const TextQuelle& text);

} // namespace olm3
