#pragma once
// Travel parameters of one step between two consecutive points of a waterway.

#include <QString>
#include <cstdint>

namespace olm3::routing {

/// Distance (km), duration and travel time (h) of the step from lngPunkteIDVon to lngPunkteIDNach on
/// waterway lngBinnenID at the host's cruising speed (read on every call), and the passage time (h) at
/// the point reached when it is a lock ("S") or bridge ("B"). dblDauer is left as passed when the
/// catalogue has no row for the step. True also when there is no row (all outputs 0); false when the
/// stored query cannot be run or on a run-time error (after a message).
bool GetZweigParam(std::int32_t lngPunkteIDVon, std::int32_t lngPunkteIDNach, std::int32_t lngBinnenID,
                   const QString& strTypenID, double& dblStrecke, double& dblDauer, double& dblFahrzeit,
                   double& dblDurchgangszeit);

} // namespace olm3::routing
