#pragma once
// Records exchanged with the host and the naive date-time of the component.

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

namespace olm3 {

/// The component's date type: a wall-clock date-time without time zone. Arithmetic never
/// applies daylight-saving jumps (internally the value is kept in UTC).
inline QDateTime MakeDatum(const QDate& d, const QTime& t = QTime(0, 0)) { return QDateTime(d, t, Qt::UTC); }

/// The date origin (30 December 1899, 00:00), the value of a date that was never set.
inline QDateTime DatumNull() { return MakeDatum(QDate(1899, 12, 30)); }

/// The years every date of the component lies in: arguments, catalogue dates and computed times.
constexpr int kJahrMin = 100;
constexpr int kJahrMax = 9999;

/// Days since the date origin as the platform's double, and back (fraction = time of day).
double DatumToDouble(const QDateTime& dat);
QDateTime DoubleToDatum(double d);

} // namespace olm3

/// One route point exchanged with the host.
struct typRoute {
    std::int32_t lngPunkteID = 0;
    double dblLg = 0.0; ///< longitude, decimal degrees, east positive
    double dblBg = 0.0; ///< latitude, decimal degrees, north positive
};

/// One row of the detailed optimised route, fields in the order the host sees them.
struct typRouteOptimiert {
    std::int32_t lngNumGrob = 0;
    std::int32_t lngNumDetaills = 0;
    std::int32_t lngPunkteID = 0;
    QString strTypID;
    QString strTypBez;
    std::int32_t lngBinnenID = 0;
    QString strBinnen;
    QString strBezeichnung;
    QString strBgDez;
    QString strLgDez;
    double dblBgDez = 0.0;
    double dblLgDez = 0.0;
    std::int32_t lngDetailsRecordsetID = 0;
    double dblStrecke = 0.0;
    QDateTime datZeitAn = olm3::DatumNull();
    QDateTime datZeitAb = olm3::DatumNull();
    QString strNB;
    QString strSR;
    double dblDokuKM = 0.0;
    bool blnDokuKMOrig = false;
    std::int32_t lngBinnenIDNach = 0;
    std::int32_t lngPunkteIDNach = 0;
    double dblWartezeit = 0.0;
    double dblDauer = 0.0;
    double dblDurchgangszeit = 0.0;
    bool blnPunktRouteGrob = false;
    std::int32_t lngAnzahlSchleusen = 0;
    std::int32_t lngAnzahlBruecken = 0;
    // Fields added after the 28 the host has always seen.
    QString strName;                ///< the object's name from its detail table; empty where the catalogue has none
    QString strWartegrund;          ///< on a lock row with a wait: why the boat waits, one short text
    std::int16_t intWartegrund = 0; ///< the kind of that wait, one of olm3::Wartegrund
};

namespace olm3 {

/// Why a boat waits at a lock (typRouteOptimiert::intWartegrund).
enum Wartegrund : std::int16_t {
    wgKeiner = 0,         ///< no wait
    wgOeffnet = 1,        ///< the lock opens later that day or on a later day
    wgSaisonpause = 2,    ///< the lock is closed for the season
    wgNachBedarf = 3,     ///< the lock operates on request on a closed day
    wgSonderregel = 4,    ///< a special rule applies to the window the boat waits for
    wgKeineDaten = 5,     ///< the catalogue has no operating hours for a day the search reached
    wgKeinBetrieb = 6,    ///< no operating time found within a year: the wait is not reliable
};

} // namespace olm3
