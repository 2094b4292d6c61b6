#pragma once
// The holiday calendar of the lock operating hours: Easter, the fixed and movable holidays and the two
// special Saturdays of a year, and whether a lock keeps the holiday a date falls on.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace olm3::routing {

/// Easter Sunday of lngJahr (Gregorian calendar, closed integer formula).
QDate GetOstersonntag(std::int32_t lngJahr);

/// Tests one candidate day: strCode when datDatum falls on datFeiertag (time of day ignored); in
/// next-holiday mode (blnNaechster) also when datFeiertag is later, and datDatum then moves to
/// datFeiertag at 00:00. Otherwise the empty text.
QString PruefeFTDatum(QDateTime& datDatum, const QDate& datFeiertag, const QString& strCode,
                      bool blnNaechster);

/// The holiday or special day datDatum falls on (blnNaechster false), or the first one on or after it
/// in the same year, with datDatum moved there (blnNaechster true). blnFeiertag is true only when the
/// catalogue confirms (V_IST_FEIERTAG) that lock lngDetailsID keeps the holiday; the special days
/// "OSam" and "PfSam" are never looked up. Returns the code, or the empty text when there is none or
/// the catalogue cannot be asked.
QString GetFT(QDateTime& datDatum, std::int32_t lngDetailsID, bool& blnFeiertag, bool blnNaechster);

/// Every holiday and special day of lngJahr in calendar order, one entry (code, date) per day, with the
/// code GetFT gives for that day.
std::vector<std::pair<QString, QDate>> FeiertageDesJahres(std::int32_t lngJahr);

} // namespace olm3::routing
