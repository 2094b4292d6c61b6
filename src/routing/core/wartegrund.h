#pragma once
// Why a boat waits at a lock, told in one short text: the lock opens later, is closed for the season,
// operates on request, keeps a special rule, or has no operating time the search could find.

#include "routing/core/schleusenbz.h"

#include <QString>

namespace olm3::routing {

/// The text of a wait, for the lock row of the detailed route; empty without a wait reason. datAnkunft
/// is when the boat reaches the lock (an opening on that day is told by its time only); strSR the
/// special-rule id of the window the boat waits for, whose text the catalogue holds.
QString WartegrundText(const SchleusenWarten& warten, const QDateTime& datAnkunft, const QString& strSR);

/// The text of a special rule in the open catalogue; empty when it has none. The catalogue's rules are
/// read once per connection.
QString SonderregelText(const QString& strSRID);

/// The totals are not reliable: lngAnzahl locks had no operating time within a year. The empty text
/// when lngAnzahl is 0.
QString TextSummenUnsicher(std::int32_t lngAnzahl);

} // namespace olm3::routing
