#pragma once
// The saved routes in the host's waypoints-and-routes database (conWPundRoutenDB): the list of the open
// catalogue's routes, saving, overwriting and deleting a route, and reading a route's stored points.
// A stored point keeps the waterway's external id, its coordinates and its chainage instead of the
// catalogue's point id, because point ids change with every data update of the catalogue.

#include "olm3binnen/ado.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace olm3::planning {

/// One saved route (a row of BinRouten).
struct GespeicherteRoute {
    std::int32_t ID = 0;
    QString Bezeichnung;
    QString Bemerkung;
    std::int32_t KatalogNr = 0;
    QDateTime Uhrzeit;       ///< when it was saved; invalid when the field is empty or no date
    QDateTime Startzeit;     ///< the planned start; invalid when the field is empty or no date
    QString strMarschgeschw; ///< the cruising speed as the database holds it, as text
};

/// One stored point of a saved route (a row of BinRoutenPunkte). The numbers are Null (an invalid
/// QVariant) when the database holds none.
struct GespeicherterPunkt {
    std::int32_t Nr = 0;
    QString BinnenExterneID;
    QVariant LgDez;
    QVariant BgDez;
    QVariant km;
};

/// What is written into a route's header row when it is saved or overwritten.
struct RoutenKopf {
    QString Bezeichnung;
    QString Bemerkung;
    QDateTime Startzeit;
    double Marschgeschw = 0.0;
};

/// Where a write failed: in the route's own statements (header, deleting the old points) or while its
/// points were written.
enum class Schritt { Route, Punkte };

/// The outcome of a procedure of the store. A failed write has changed nothing in the database.
struct Ergebnis {
    bool blnOK = true;
    /// The error that ended it. When the database layer has already shown its own message about it, the
    /// error is the one the layer recorded on the connection.
    std::optional<olm3::RuntimeError> fehler;
    /// The database layer has shown its own message about the error already.
    bool blnGemeldet = false;
    Schritt schritt = Schritt::Route;
    explicit operator bool() const { return blnOK; }
};

/// Whether the routes database can take saved routes.
enum class RoutenDB {
    Bereit,            ///< open, with both tables, writable
    Fehlt,             ///< no connection, or BinRouten or BinRoutenPunkte is missing
    Schreibgeschuetzt, ///< both tables are there, but the connection was opened read-only
};
RoutenDB PruefeRoutenDB();

/// The routes of a catalogue number, newest first. Not ok when the list cannot be read (the database
/// layer has then shown its message).
Ergebnis ListeRouten(std::int16_t intKatalogNr, std::vector<GespeicherteRoute>& audtRouten);

/// Saves a new route: the header under intKatalogNr with the current time, and one point row per point
/// id, read from the open catalogue. One transaction: when any part cannot be written, nothing is.
Ergebnis SpeichereRoute(const RoutenKopf& kopf, const std::vector<std::int32_t>& alngPunkteID,
                        std::int16_t intKatalogNr, std::int32_t& lngRoutenID);

/// Overwrites the route lngRoutenID: the header takes the new values and the current time (so the route
/// becomes the newest), its points are replaced; ID and KatalogNr stay. One transaction: when any part
/// cannot be written, the route keeps its old header and its old points.
Ergebnis UeberschreibeRoute(std::int32_t lngRoutenID, const RoutenKopf& kopf,
                            const std::vector<std::int32_t>& alngPunkteID);

/// Deletes a route, its points before its header, in one transaction.
Ergebnis LoescheRoute(std::int32_t lngRoutenID);

/// The stored points of a route ordered by Nr, or descending for a reversed route. Not ok when they
/// cannot be read.
Ergebnis LesePunkte(std::int32_t lngRoutenID, bool blnInvers, std::vector<GespeicherterPunkt>& audtPunkte);

/// The five cells of a route in the route list: name, start time, speed, saved at, remark.
std::array<QString, 5> ListenZellen(const GespeicherteRoute& route, const QString& strModul);

/// The caption of the component's message boxes: the host's application title.
QString MeldungsTitel();

/// The error the database layer recorded on con when one of its procedures failed; it has shown its own
/// message about it already.
olm3::RuntimeError LetzterFehler(const ADODB::ConnectionPtr& con);

} // namespace olm3::planning
