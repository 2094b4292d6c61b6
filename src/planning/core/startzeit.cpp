#include "planning/core/startzeit.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

namespace olm3::planning {

QString WochentagKurz(const QDate& dat, const QString& strModul) {
    // The texts follow the platform's day numbers (Sunday 1, Monday 2 ... Saturday 7): Monday to Saturday
    // are 1447 + day number, Sunday has its own id after them.
    const int wt = dat.dayOfWeek();
    return modOLM3Binnen::GetText(strModul, wt == Qt::Sunday ? 1455 : 1447 + wt + 1);
}

QString FormatStartzeit(const QDateTime& dat, const QString& strModul) {
    if (!dat.isValid()) return QString();
    return WochentagKurz(dat.date(), strModul) + QLatin1Char(' ') +
           modOLM3Binnen::FormatDatum(dat, QStringLiteral("dd.mm.yyyy hh:nn"));
}

} // namespace olm3::planning
