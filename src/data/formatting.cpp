#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>

namespace modOLM3Binnen {

namespace {
const QString kModul = QStringLiteral("modOLM3Binnen");

/// The decimal point of a locale that writes numbers as std::to_chars does, with the digits 0 to 9 and a
/// decimal point of one Latin-1 character; 0 for any other locale.
char dezimalzeichen(const QLocale& loc) {
    // Asking the locale costs more than writing the number; the answer is kept for the last locale asked.
    thread_local QLocale letzte = QLocale::c();
    thread_local char punktLetzte = '.';
    if (loc == letzte) return punktLetzte;
    const QString punkt = loc.decimalPoint();
    punktLetzte = loc.zeroDigit() == QLatin1String("0") && punkt.size() == 1 && punkt[0].unicode() < 256 &&
                          !punkt[0].isDigit()
                      ? static_cast<char>(punkt[0].unicode())
                      : 0;
    letzte = loc;
    return punktLetzte;
}

/// Writes a (not negative) with decimals after the point and at least intDigits before it (zero-padded),
/// ungrouped, with the decimal point punkt, from p on; several times faster than the locale, which matters
/// for lists of thousands of coordinates. The end of the text, or nullptr where the locale must write it:
/// for punkt 0, and for a value exactly halfway between two results, which std::to_chars rounds to even
/// and the locale away from zero.
char* fest(char* p, char* ende, double a, int decimals, int intDigits, char punkt) {
    if (punkt == 0 || !(a < 1e15) || decimals < 0 || decimals > 9) return nullptr;
    const double halb = std::ldexp(a, decimals + 1);
    if (halb == std::trunc(halb) && std::fmod(halb, 2.0) == 1.0) return nullptr;
    char ziffern[32];
    const auto [z, fehler] = std::to_chars(ziffern, ziffern + sizeof ziffern, a, std::chars_format::fixed, decimals);
    if (fehler != std::errc()) return nullptr;
    const long laenge = z - ziffern;
    const long ganz = laenge - (decimals > 0 ? decimals + 1 : 0);
    if (ende - p < std::max<long>(ganz, intDigits) + laenge - ganz) return nullptr;
    for (long i = ganz; i < intDigits; ++i)
        *p++ = '0';
    for (const char* q = ziffern; q != z; ++q)
        *p++ = *q == '.' ? punkt : *q;
    return p;
}

/// v with intDigits digits before the separator (zero-padded) and decimals after it, in the locale loc.
QString padded(double v, int intDigits, int decimals, const QLocale& loc = QLocale()) {
    const double a = std::fabs(v);
    const bool minus = v < 0 && a > 0;
    char puffer[48];
    puffer[0] = '-';
    if (char* e = fest(puffer + (minus ? 1 : 0), std::end(puffer), a, decimals, intDigits, dezimalzeichen(loc)))
        return QString::fromLatin1(puffer, e - puffer);
    // A whole number is written as one: the same digits, without converting a double.
    QString s = decimals == 0 && a == std::trunc(a) && a < 9007199254740992.0
                    ? loc.toString(static_cast<qlonglong>(a))
                    : loc.toString(a, 'f', decimals);
    // Only a number of four digits or more is grouped (999.6 may round up to 1000).
    if (a >= 999) s.remove(loc.groupSeparator());
    int point = decimals > 0 ? s.indexOf(loc.decimalPoint()) : s.size();
    if (point < 0) point = s.size();
    while (point < intDigits) {
        s.prepend(QLatin1Char('0'));
        ++point;
    }
    return (minus ? QStringLiteral("-") : QString()) + s;
}

/// "N 52° 30.0000' ": the hemisphere (pos or neg, two Latin-1 characters), the degrees and the minutes.
QString coordinate(double v, const char* pos, const char* neg, int degDigits) {
    const char* prefix = v < 0 ? neg : pos;
    const double a = std::fabs(v);
    double d = std::trunc(a);
    double m = (a - d) * 60.0;
    if (std::trunc(std::fabs(m * 100.0 + 0.5)) >= 6000) {
        d += 1;
        m = 0;
    }
    const QLocale loc;
    // Written in one go where the locale writes numbers plainly; the locale's own way gives the same text.
    char puffer[64];
    const char punkt = dezimalzeichen(loc);
    char* p = std::copy(prefix, prefix + std::strlen(prefix), puffer);
    if ((p = fest(p, std::end(puffer) - 4, d, 0, degDigits, punkt))) {
        *p++ = '\xB0';
        *p++ = ' ';
        if ((p = fest(p, std::end(puffer) - 2, m, 4, 2, punkt))) {
            *p++ = '\'';
            *p++ = ' ';
            return QString::fromLatin1(puffer, p - puffer);
        }
    }
    return QLatin1String(prefix) + padded(d, degDigits, 0, loc) + QStringLiteral("° ") + padded(m, 2, 4, loc) +
           QStringLiteral("' ");
}

QString coordinateKurz(double v, QChar pos, QChar neg, int degDigits) {
    const double a = std::fabs(v);
    const double d = std::trunc(a);
    const QLocale loc;
    QString s = QString(v < 0 ? neg : pos) + padded(d, degDigits, 0, loc) + padded((a - d) * 60.0, 2, 4, loc);
    // The decimal point is always a point, whatever the system's separator.
    const int at = degDigits + 3; // 0-based index of character 6 (latitude) or 7 (longitude)
    if (at < s.size()) s[at] = QLatin1Char('.');
    return s;
}
} // namespace

QString FormatBg(double v) { return coordinate(v, "N ", "S ", 2); }
QString FormatLg(double v) { return coordinate(v, "E ", "W ", 3); }
QString FormatBgKurz(double v) { return coordinateKurz(v, QLatin1Char('N'), QLatin1Char('S'), 2); }
QString FormatLgKurz(double v) { return coordinateKurz(v, QLatin1Char('E'), QLatin1Char('W'), 3); }

double RoundHalfEven(double v, int decimals) {
    const double f = std::pow(10.0, decimals);
    const double x = v * f;
    double r = std::nearbyint(x); // ties to even under the default rounding mode
    // Values such as 3.25 * 10 land a hair off the half; treat them as the half they stand for.
    const double frac = x - std::floor(x);
    if (std::fabs(frac - 0.5) < 1e-9) {
        const double lo = std::floor(x);
        r = std::fmod(lo, 2.0) == 0.0 ? lo : lo + 1.0;
    }
    return r / f;
}

QString FormatDauer(double h, bool blnImmer) {
    const double days = std::floor(h / 24.0);
    const double r = RoundHalfEven(h, 1);
    const double hours = std::floor(r - 24.0 * days);
    if (!blnImmer && r == hours) return QString();
    // The rounded value has whole tenths of an hour, so the minutes are multiples of six; a tiny
    // allowance keeps 1.7 h from showing 41 minutes through binary rounding.
    const double minutes = std::floor((r - 24.0 * days - hours) * 60.0 + 1e-7);
    QString s;
    if (blnImmer || days != 0)
        s = padded(days, 2, 0) + QStringLiteral("  ") + GetText(kModul, days == 1 ? 923 : 924);
    if (blnImmer || hours != 0) s += QStringLiteral("  ") + padded(hours, 2, 0) + QStringLiteral(" h");
    if (blnImmer || minutes != 0) s += QStringLiteral("  ") + padded(minutes, 2, 0) + QStringLiteral(" min");
    return s;
}

QString FormatWert(double v, double lower, double upper, const QString& fmt) {
    if (v >= upper) return GetText(kModul, 113);
    if (v <= lower) return GetText(kModul, 114);
    if (fmt.isEmpty()) return QLocale().toString(v, 'g', QLocale::FloatingPointShortest);
    return FormatNumber(v, fmt);
}

QString StripAmpersand(const QString& s) {
    QString t = s;
    t.remove(QLatin1Char('&'));
    return t;
}

QString FormatNumber(double v, const QString& fmt) {
    // Split into the leading literal, the number pattern and the trailing literal.
    int start = -1, end = -1;
    for (int i = 0; i < fmt.size(); ++i) {
        const QChar c = fmt[i];
        const bool pat = c == QLatin1Char('0') || c == QLatin1Char('#') ||
                         ((c == QLatin1Char('.') || c == QLatin1Char(',')) && start >= 0);
        if (pat) {
            if (start < 0) start = i;
            end = i + 1;
        } else if (start >= 0) {
            break;
        }
    }
    if (start < 0) return fmt;
    // Views, not copies: a list formats thousands of numbers.
    const QStringView pattern = QStringView(fmt).mid(start, end - start);
    const int point = static_cast<int>(pattern.indexOf(QLatin1Char('.')));
    const QStringView intPart = point < 0 ? pattern : pattern.left(point);
    const int decimals = point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
    const bool grouped = intPart.contains(QLatin1Char(','));
    const int intDigits = static_cast<int>(intPart.count(QLatin1Char('0')));
    const double rounded = RoundHalfEven(v, decimals) == 0.0 ? 0.0 : v;
    QString number;
    if (grouped) {
        number = QLocale().toString(std::fabs(rounded), 'f', decimals);
        if (rounded < 0) number.prepend(QLatin1Char('-'));
    } else {
        number = padded(rounded, intDigits, decimals);
    }
    if (start == 0 && end == fmt.size()) return number;
    return fmt.left(start) + number + fmt.mid(end);
}

QString FormatDatum(const QDateTime& dat, const QString& fmt) {
    QString qt;
    for (int i = 0; i < fmt.size();) {
        auto take = [&](const char* token) {
            const int n = static_cast<int>(std::strlen(token));
            if (fmt.mid(i, n).compare(QLatin1String(token), Qt::CaseInsensitive) == 0) {
                i += n;
                return true;
            }
            return false;
        };
        if (take("yyyy")) qt += QStringLiteral("yyyy");
        else if (take("yy")) qt += QStringLiteral("yy");
        else if (take("dd")) qt += QStringLiteral("dd");
        else if (take("mm")) qt += QStringLiteral("MM");
        else if (take("hh")) qt += QStringLiteral("HH");
        else if (take("nn")) qt += QStringLiteral("mm");
        else if (take("ss")) qt += QStringLiteral("ss");
        else {
            const QChar c = fmt[i++];
            if (c.isLetter()) qt += QLatin1Char('\'') + c + QLatin1Char('\'');
            else qt += c;
        }
    }
    return dat.toString(qt);
}

} // namespace modOLM3Binnen
