#pragma once
// One numbering of the route points for every view of the route: a point the boater planned keeps its
// number in the plan; a point the optimiser added on the way (a change of waterway) takes the number of
// the planned point before it and a letter ("2a", "2b").

#include "olm3binnen/types.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace olm3::routing {

/// The number of every row of the detailed route as the views show it: a route point its own, a detail
/// row that of the route point before it. Without a plan, or when the plan's points are not all route
/// points in the plan's order, the route points are numbered by their lngNumGrob.
std::vector<QString> RoutenpunktNummern(const std::vector<typRouteOptimiert>& audtRoute,
                                        const std::vector<std::int32_t>& alngGeplant);

} // namespace olm3::routing
