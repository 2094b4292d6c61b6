#pragma once
// Day stages: the detailed route split into cruising days with overnight stops. A day ends at the last
// harbour or berth reached before the latest end of the cruising day, or before a lock that would keep
// the boat waiting past that end (or longer than the chosen limit); the next day starts at the cruising
// start, or later when the first lock on the way opens later.

#include "olm3binnen/types.h"

#include <QDateTime>
#include <QString>
#include <QTime>
#include <cstdint>
#include <span>
#include <vector>

namespace olm3::routing {

/// The cruising day a crew keeps.
struct Fahrtag {
    QTime tmBeginn{9, 0};         ///< start of the cruising day
    QTime tmEnde{18, 0};          ///< latest end: moored by then
    bool blnWarteGrenze = true;   ///< a lock with a longer wait than dblWarteGrenze ends the day before it
    double dblWarteGrenze = 1.0;  ///< h
};

/// The INI section and keys of the cruising day ([Fahrtag] Beginn=09:00 Ende=18:00 WarteGrenzeAn=1
/// WarteGrenze=1).
inline const QString kFahrtagAbschnitt = QStringLiteral("Fahrtag");

/// Checks the cruising-day values as a user typed them (times "hh:mm", the limit in hours with a comma or
/// a point). On success fahrtag gets them and the result is empty; otherwise the result is the message for
/// the user and fahrtag keeps its old values.
QString PruefeFahrtag(const QString& strBeginn, const QString& strEnde, bool blnWarteGrenze,
                      const QString& strWarteGrenze, Fahrtag& fahrtag);

/// Reads the cruising day from an INI file; a missing or bad value keeps its default (the message for a
/// bad one goes to strMeldung when given).
Fahrtag LeseFahrtag(const QString& strIniDatei, QString* strMeldung = nullptr);
/// The cruising day of the host's settings file (the defaults without one).
Fahrtag FahrtagDerEinstellungen();
/// Writes the cruising day into an INI file; false when the file cannot be written.
bool SchreibeFahrtag(const QString& strIniDatei, const Fahrtag& fahrtag);

/// One day of the trip.
struct Tagesetappe {
    std::int32_t lngTag = 0;         ///< 1, 2, ...
    std::int32_t lngZeileVon = 0;    ///< the row of the detailed route the day starts at
    std::int32_t lngZeileBis = 0;    ///< the row it ends at (the overnight stop, or the destination)
    QString strVon;                  ///< the start place's name (its type's name when it has none)
    QString strNach;                 ///< the end place's name
    QDateTime datAb;                 ///< departure from the start place
    QDateTime datAn;                 ///< arrival at the end place
    double dblStrecke = 0.0;         ///< km
    double dblFahrstunden = 0.0;     ///< h under way: travel and passage times, without waits
    double dblWartezeit = 0.0;       ///< h waited at locks
    std::int32_t lngSchleusen = 0;   ///< locks passed
    bool blnOhneLiegeplatz = false;  ///< no harbour or berth within the day's reach: ends at a route point
    bool blnZiel = false;            ///< the day reaches the destination
    std::int32_t lngSchleuseZeile = -1; ///< the lock whose hours ended the day before it, -1 when none
    QString strSchleuse;             ///< that lock's name
    QDateTime datSchleuseOffen;      ///< when that lock opens for a boat arriving there that day
};

/// The day stages of a detailed route (rows as the itinerary holds them) leaving at datStart. The lock
/// waits come from the lock hours for the times of the stages, not those of the itinerary. Empty for a
/// route of fewer than two rows.
std::vector<Tagesetappe> BerechneTagesetappen(std::span<const typRouteOptimiert> rows, const QDateTime& datStart,
                                              const Fahrtag& fahrtag);

/// The trip's days from the first day's date to the last one's (waiting days at a closed lock included).
std::int32_t Reisetage(const std::vector<Tagesetappe>& etappen);

/// The line a day stage's remarks read as: no berth within reach, the lock that ended the day and when it
/// opens. Empty when there is nothing to remark.
QString EtappenHinweis(const Tagesetappe& etappe);

} // namespace olm3::routing
