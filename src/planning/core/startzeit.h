#pragma once
// Start times as the planning windows show them: "ddd dd.mm.yyyy hh:nn" with the weekday abbreviations of
// the text table, so that the display reads German whatever the system's language is.

#include <QDate>
#include <QDateTime>
#include <QString>

namespace olm3::planning {

/// The weekday abbreviation of a date from the text table of a module: text 1455 for Sunday, texts 1449
/// to 1454 for Monday to Saturday.
QString WochentagKurz(const QDate& dat, const QString& strModul);
/// A date-time as "ddd dd.mm.yyyy hh:nn"; the empty text for an invalid date-time.
QString FormatStartzeit(const QDateTime& dat, const QString& strModul);

} // namespace olm3::planning
