#pragma once
// Date arithmetic of the route computation: differences counted as boundaries crossed, the weekday
// codes of the lock operating hours, and days that roll over like the platform's DateSerial.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>

namespace olm3::routing {

/// Minute boundaries crossed from datVon to datBis (seconds ignored; negative when datBis is earlier).
std::int64_t MinutenDiff(const QDateTime& datVon, const QDateTime& datBis);
/// Calendar days from the date of datVon to the date of datBis (times of day ignored).
std::int64_t TageDiff(const QDateTime& datVon, const QDateTime& datBis);
/// The wait from datVon to datBis in hours, with minute resolution.
double WartezeitStunden(const QDateTime& datVon, const QDateTime& datBis);
/// The weekday code of a date: "Mo", "Di", "Mi", "Do", "Fr", "Sa", "So".
QString WochentagKuerzel(const QDate& dat);
/// True for "Sa" and "So" in any letter case.
bool IstWochenende(const QString& strWT);
/// Day lngTag of month lngMonat in year lngJahr; a day past the month's end rolls into the next month
/// (29 February of a common year is 1 March), day 0 is the last day of the month before.
QDate DatumImJahr(std::int32_t lngJahr, int lngMonat, int lngTag);

} // namespace olm3::routing
