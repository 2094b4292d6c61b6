#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <QLocale>
#include <cmath>
#include <cstring>

namespace modOLM3Binnen {

namespace {
const QString kModul = QStringLiteral("modOLM3Binnen");

/// v with intDigits digits before the separator (zero-padded) and decimals after it, in the locale loc.
QString padded(double v, int intDigits, int decimals, const QLocale& loc = QLocale()) {
    const double a = std::fabs(v);
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
    return (v < 0 && std::fabs(v) > 0 ? QStringLiteral("-") : QString()) + s;
}

QString coordinate(double v, const QString& pos, const QString& neg, int degDigits) {
    const QString prefix = v < 0 ? neg : pos;
    const double a = std::fabs(v);
    double d = std::trunc(a);
    double m = (a - d) * 60.0;
    if (std::trunc(std::fabs(m * 100.0 + 0.5)) >= 6000) {
        d += 1;
        m = 0;
    }
    const QLocale loc;
    return prefix + padded(d, degDigits, 0, loc) + QStringLiteral("° ") + padded(m, 2, 4, loc) + QStringLiteral("' ");
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

QString FormatBg(double v) { return coordinate(v, QStringLiteral("N "), QStringLiteral("S "), 2); }
QString FormatLg(double v) { return coordinate(v, QStringLiteral("E "), QStringLiteral("W "), 3); }
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
    const QString pattern = fmt.mid(start, end - start);
    const int point = pattern.indexOf(QLatin1Char('.'));
    const QString intPart = point < 0 ? pattern : pattern.left(point);
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
