#pragma once
// The user's side of GPX export and import, shared by the route planning window and the host: the file
// dialog, the messages, and the question before the planned route is replaced. The work itself is the
// core's (gpx/gpxroute.h).

#include "gpx/core/gpxroute.h"

#include <QString>
#include <optional>

class QWidget;

namespace olm3ui {

/// Writes d to strPfad, or, when it is empty, to a file the user chooses. False when the user cancelled
/// or the file could not be written (the user is told why).
bool GpxExportieren(QWidget* parent, const olm3::gpx::Datei& d, const QString& strTitel, QString strPfad = QString());

/// Reads strPfad, or a file the user chooses, matches its points to the open catalogue and asks whether
/// they replace the planned route. The import when the user said yes; nothing when the file cannot be
/// read, nothing matched, or the user said no (each told to the user).
std::optional<olm3::gpx::Import> GpxImportieren(QWidget* parent, const QString& strTitel,
                                                QString strPfad = QString());

} // namespace olm3ui
