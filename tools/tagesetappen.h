#pragma once
// The day stages of the route commands: --days with the cruising day's options, the stages as JSON and
// as a table.

#include "routing/core/tagesetappen.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <optional>

namespace cli {

/// Adds --days, --day-start, --day-end and --wait-limit to a route command's parser.
void AddDaysOptions(QCommandLineParser& p);
/// The names of those that take a value.
QStringList DaysValueOptions();
/// The cruising day asked for, or none without --days; false after a message on bad values.
bool ReadDays(const QCommandLineParser& p, std::optional<olm3::routing::Fahrtag>& fahrtag, int* exitCode);

/// The stages by their fields' names (dates "YYYY-MM-DDThh:mm:ss"), with the remark as strHinweis.
QJsonArray DaysJson(const std::vector<olm3::routing::Tagesetappe>& etappen);
/// Prints the stages as a table under the heading "Tagesetappen", and the trip's days.
void PrintDaysTable(const std::vector<olm3::routing::Tagesetappe>& etappen);

} // namespace cli
