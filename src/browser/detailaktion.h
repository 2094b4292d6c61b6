#pragma once
// The one place through which the browser opens the detail view of an object and the operating hours of
// a lock. The detail windows live in src/details and src/routing.

#include <QDateTime>
#include <QString>
#include <cstdint>

class QWidget;
class IOLM3WindowOwner;

namespace olm3browser {

/// Opens the detail view of the object at a point: "B" bridge, "S" lock, "H" harbour, "T" fuel station,
/// "L" berth, "W" weir (modal, through olm3ui::ExecModal). Other types do nothing. True when a view was
/// shown.
bool OeffneDetails(QWidget* parent, IOLM3WindowOwner* owner, const QString& strTypID, std::int32_t lngPunkteID);

/// Opens the operating-hours screen of a lock for the moment the route reaches it (a null date: the
/// screen emphasises and dates nothing). True when it was shown.
bool OeffneSchleusenBZ(QWidget* parent, std::int32_t lngSchleusenID, const QDateTime& datDatum);

} // namespace olm3browser
