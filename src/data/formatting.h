#pragma once
// Display formatting of coordinates, durations, measured values and dates, in the system's number format.

#include <QDateTime>
#include <QString>

namespace modOLM3Binnen {

/// Latitude as "N 52° 30.1234' " (hemisphere, degrees, minutes with four decimals, a trailing blank).
QString FormatBg(double v);
/// Longitude as "E 013° 05.5000' ".
QString FormatLg(double v);
/// Compact latitude "N5230.1234", always with a decimal point.
QString FormatBgKurz(double v);
/// Compact longitude "E01305.5000", always with a decimal point.
QString FormatLgKurz(double v);
/// A duration in hours as days, hours and minutes ("01  Tag  02 h  30 min"); with blnImmer false the
/// parts that are zero are left out, and a whole number of hours under a day gives the empty text.
QString FormatDauer(double h, bool blnImmer);
/// A measured value, or text 113 "unbegrenzt" at or above the upper bound, text 114 "unbekannt" at or
/// below the lower bound.
QString FormatWert(double v, double lower, double upper, const QString& fmt);
/// The text with every "&" removed.
QString StripAmpersand(const QString& s);

/// A number in a format of digits placeholders ("0", "00", "0.0", "0.000", "#,##0.00", "0.0 km"),
/// with the system's decimal separator.
QString FormatNumber(double v, const QString& fmt);
/// A date-time in a format of the tokens dd, mm, yyyy, yy, hh, nn, ss ("dd.mm.yyyy  hh:nn").
QString FormatDatum(const QDateTime& dat, const QString& fmt);
/// Rounds to the given decimals, a half going to the even digit.
double RoundHalfEven(double v, int decimals);

} // namespace modOLM3Binnen
