#include "routing/core/datum.h"

#include "olm3binnen/types.h"

namespace olm3::routing {

namespace {
/// Whole minutes since the date origin; the seconds of the moment do not count.
std::int64_t minutenSeitNull(const QDateTime& dat) {
    const std::int64_t tage = olm3::DatumNull().date().daysTo(dat.date());
    const QTime t = dat.time();
    return tage * 1440 + t.hour() * 60 + t.minute();
}
} // namespace

std::int64_t MinutenDiff(const QDateTime& datVon, const QDateTime& datBis) {
    return minutenSeitNull(datBis) - minutenSeitNull(datVon);
}

std::int64_t TageDiff(const QDateTime& datVon, const QDateTime& datBis) {
    return datVon.date().daysTo(datBis.date());
}

double WartezeitStunden(const QDateTime& datVon, const QDateTime& datBis) {
    return static_cast<double>(MinutenDiff(datVon, datBis)) / 60.0;
}

QString WochentagKuerzel(const QDate& dat) {
    static const char* const kuerzel[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    if (!dat.isValid()) return QString();
    return QString::fromLatin1(kuerzel[(dat.dayOfWeek() - 1) % 7]);
}

bool IstWochenende(const QString& strWT) {
    return strWT.compare(QLatin1String("Sa"), Qt::CaseInsensitive) == 0 ||
           strWT.compare(QLatin1String("So"), Qt::CaseInsensitive) == 0;
}

QDate DatumImJahr(std::int32_t lngJahr, int lngMonat, int lngTag) {
    return QDate(lngJahr, lngMonat, 1).addDays(lngTag - 1);
}

} // namespace olm3::routing
