#pragma once
// The detailed optimised route as the tool prints it: JSON with the 28 fields of each row and the totals,
// or a readable table.

#include "olm3binnen/clsOLM3Binnen.h"

#include <QJsonObject>

namespace cli {

/// result, rows (the 28 fields by name and strName, strWartegrund, intWartegrund; dates "YYYY-MM-DDThh:mm:ss"), the three totals and the distance, the locks without an operating time
/// within a year and the leg that could not be computed.
QJsonObject RouteJson(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen);
/// Prints the route as a table with a line of totals; route points are numbered as in the plan when one
/// is given.
void PrintRouteTable(const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen,
                     const std::vector<std::int32_t>& alngGeplant = {});

/// The exit code for a computed route, with a line on stderr when the route is not to be trusted: 0 the
/// route is complete; 1 no route; 3 a leg could not be computed and the route stops before its
/// destination; 4 a lock has no operating time within a year, so the times after it are not reliable.
int RouteExitCode(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen);

/// Expands the legs in the facade at the given start and speed (the tool's own configuration), and prints
/// the result as JSON or a table (route points numbered as in alngGeplant when given). Returns
/// RouteExitCode.
int ExpandAndPrint(clsOLM3Binnen& olm, const std::vector<std::int32_t>& von, const std::vector<std::int32_t>& nach,
                   const QDateTime& start, bool json, const std::vector<std::int32_t>& alngGeplant = {});

} // namespace cli
