#pragma once
// The detailed optimised route as the tool prints it: JSON with the 28 fields of each row and the totals,
// or a readable table.

#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/core/tagesetappen.h"

#include <optional>

#include <QJsonObject>

namespace cli {

/// result, rows (the 28 fields by name, dates "YYYY-MM-DDThh:mm:ss"), the three totals and the distance.
QJsonObject RouteJson(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen);
/// Prints the route as a table with a line of totals.
void PrintRouteTable(const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen);

/// Expands the legs in the facade at the given start and speed (the tool's own configuration), and prints
/// the result as JSON or a table; with a cruising day also its day stages ("days" and "lngReisetage"). Returns the exit code: 0 when the route was computed, 1 otherwise.
int ExpandAndPrint(clsOLM3Binnen& olm, const std::vector<std::int32_t>& von, const std::vector<std::int32_t>& nach,
                   const QDateTime& start, bool json, const std::optional<olm3::routing::Fahrtag>& tage = {});

} // namespace cli
