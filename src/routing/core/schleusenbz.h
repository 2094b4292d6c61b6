#pragma once
// Lock operating hours: how long a boat arriving at a lock waits until the lock operates.

#include "olm3binnen/types.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace olm3::routing {

/// What the lock search found out about a wait, for the boater: its kind (olm3::Wartegrund), the moment
/// the lock can be passed, the last day of a closed season it waited through, and the day the catalogue
/// had no hours for.
struct SchleusenWarten {
    Wartegrund intGrund = wgKeiner;
    QDateTime datOeffnet;
    QDate datSaisonBis;
    QDate datOhneDaten;
};

/// Walks forward from datZeit through the operating windows of lock lngDetailsID (holiday windows,
/// then the weekday windows of the season), day by day and through a closed season from holiday to
/// holiday, until the lock operates. dblWartezeit gets the wait in hours (minute resolution), strNB the
/// remark code of the weekday row used and strSR the special-rule id of the row used. A lock that works
/// on request ("NB") does not hold the boat up on a closed day. True when a window was found or the
/// search ended at its limit of 366 days examined; false when the catalogue has no operating row for the
/// day examined or a query fails (a run-time error is shown in a message first).
bool GetSchleusenBZ(std::int32_t lngDetailsID, QDateTime datZeit, double& dblWartezeit, QString& strNB,
                    QString& strSR, SchleusenWarten* pWarten = nullptr);

} // namespace olm3::routing
