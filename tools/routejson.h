#pragma once
// The detailed optimised route as the tool prints it: JSON with the 28 fields of each row and the totals,
// or a readable table.

#include "olm3binnen/bootprofil.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/core/tagesetappen.h"

#include <optional>

#include <QCommandLineParser>
#include <QJsonObject>

namespace cli {

/// result, rows (the 28 fields by name and strName, strWartegrund, intWartegrund; dates
/// "YYYY-MM-DDThh:mm:ss"), the three totals and the distance, the locks without an operating time within a
/// year and the leg that could not be computed; with a boat also warnings, the findings of the clearance check.
QJsonObject RouteJson(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen,
                      const std::vector<olm3::Durchfahrtsbefund>* warnings = nullptr);
/// Prints the route as a table with a line of totals; route points are numbered as in the plan when one
/// is given; with a boat, rows it does not fit are marked "!", rows with an unknown limit "?", and the
/// findings of that boat follow the totals.
void PrintRouteTable(const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen,
                     const std::vector<olm3::Durchfahrtsbefund>* warnings = nullptr,
                     const std::vector<std::int32_t>& alngGeplant = {}, const olm3::BootProfil* boot = nullptr);

/// Adds the options the route commands share (--catalogue, --json, --start, --speed, --gpx, --boat and
/// those of the cruising day) and returns the names of those that take a value, for Parse.
QStringList AddRouteOptions(QCommandLineParser& p);

/// --boat LENGTH,BEAM,AIRDRAUGHT,DRAUGHT of the route commands.
const QCommandLineOption& boatOption();
/// Reads --boat into the profile (measures left empty are not checked); false after a message.
bool ReadBoat(const QCommandLineParser& p, olm3::BootProfil& profil, int* exitCode);

/// The exit code for a computed route, with a line on stderr when the route is not to be trusted: 0 the
/// route is complete; 1 no route; 3 a leg could not be computed and the route stops before its
/// destination; 4 a lock has no operating time within a year, so the times after it are not reliable.
int RouteExitCode(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen);

/// Expands the legs in the facade at the given start and speed (the tool's own configuration), checks the
/// route against the boat when one is given, and prints the result as JSON or a table (route points
/// numbered as in alngGeplant when given); with a cruising day also its day stages ("days" and
/// "lngReisetage"). Returns RouteExitCode.
int ExpandAndPrint(clsOLM3Binnen& olm, const std::vector<std::int32_t>& von, const std::vector<std::int32_t>& nach,
                   const QDateTime& start, bool json, const olm3::BootProfil* boot = nullptr,
                   const std::optional<olm3::routing::Fahrtag>& tage = {},
                   const std::vector<std::int32_t>& alngGeplant = {});

} // namespace cli
