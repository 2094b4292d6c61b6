#pragma once
// GPX 1.1 files: reading and writing routes, tracks and waypoints with Qt's XML stream classes. Plain
// records in, plain records out; nothing here knows the catalogue. Times in a file are UTC; the
// conversion from and to the itinerary's wall-clock times takes the region's time zone.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <optional>
#include <vector>

class QIODevice;

namespace olm3::gpx {

/// The GPX 1.1 namespace and our own namespace for what GPX has no element for.
inline const QString kNamespaceGpx = QStringLiteral("http://www.topografix.com/GPX/1/1");
inline const QString kNamespaceGpx10 = QStringLiteral("http://www.topografix.com/GPX/1/0");
inline const QString kNamespaceOlm = QStringLiteral("urn:olm3binnen:gpx:1");

/// More points than this in one file are refused: no planned route is that long, and a file with more
/// is either a recorded track far too fine for planning or made to exhaust the program.
constexpr int kMaxPunkte = 10000;
/// Larger files are refused before they are read.
constexpr qint64 kMaxDateiGroesse = 32 * 1024 * 1024;

/// One point of a route, a track or a waypoint list.
struct Punkt {
    double dblLg = 0.0; ///< longitude, decimal degrees, east positive
    double dblBg = 0.0; ///< latitude, decimal degrees, north positive
    QString strName;
    QString strBeschreibung; ///< <desc>
    QString strTyp;          ///< <type>
    QDateTime datZeit;       ///< <time>, UTC; invalid when the file gives none
    // Our own extension: what finds the point again in a catalogue, and the itinerary's values.
    std::int32_t lngPunkteID = 0; ///< 0 when none
    QString strExterneID;         ///< the waterway's external id
    std::optional<double> dblStrecke; ///< chainage on the waterway, km
    QString strTypID;
    QDateTime datZeitAb; ///< departure, UTC; invalid when none
    std::optional<double> dblWartezeit;      ///< hours
    std::optional<double> dblDurchgangszeit; ///< hours
};

/// What a GPX file holds for us.
struct Datei {
    QString strName;         ///< the route's name
    QString strBeschreibung; ///< the route's description
    QDateTime datErstellt;   ///< when the file was written (metadata), UTC
    QDateTime datStart;      ///< the route's planned start, UTC (own extension); invalid when none
    std::optional<double> dblMarschV; ///< cruising speed, km/h (own extension)
    std::vector<Punkt> route;     ///< the first <rte>
    std::vector<Punkt> track;     ///< the points of the first <trk>, all its segments in order
    std::vector<Punkt> wegpunkte; ///< every <wpt>
};

/// Why a file could not be read.
enum class Fehler {
    Keiner,
    NichtLesbar,        ///< cannot be opened or read
    ZuGross,            ///< larger than kMaxDateiGroesse
    KeinXml,            ///< not well-formed XML (or empty)
    Abgeschnitten,      ///< the document ends before its last element is closed
    KeinGpx,            ///< XML, but the root element is not <gpx>
    Gpx10,              ///< a GPX 1.0 file
    FalscherNamensraum, ///< <gpx> in another namespace than GPX 1.1
    Dtd,                ///< a document type declaration (GPX has none; entities are not expanded)
    KoordinateFehlt,    ///< a point without lat or lon
    KoordinateUngueltig,///< lat or lon not a number or out of range
    ZuVielePunkte,      ///< more than kMaxPunkte points
    KeinePunkte,        ///< neither route nor track nor waypoints
};

struct LeseErgebnis {
    Fehler fehler = Fehler::Keiner;
    qint64 lngZeile = 0; ///< the line where the fault was found, 0 when none applies
    QString strDetail;   ///< the XML parser's own words, or the offending value
    Datei datei;
    explicit operator bool() const { return fehler == Fehler::Keiner; }
};

/// Reads a GPX 1.1 document. Never expands entities and stops at the first fault.
LeseErgebnis LeseGpx(QIODevice& geraet);
LeseErgebnis LeseGpx(const QByteArray& text);
/// Reads a GPX file; refuses files it cannot open and files larger than kMaxDateiGroesse.
LeseErgebnis LeseGpxDatei(const QString& strPfad);

/// Writes a GPX 1.1 document, UTF-8. The creator attribute names this program.
void SchreibeGpx(const Datei& datei, QIODevice& geraet);
QByteArray GpxText(const Datei& datei);
/// Writes the file atomically: an existing file is only replaced when the new one is complete. False
/// with the system's reason in strFehler.
bool SchreibeGpxDatei(const Datei& datei, const QString& strPfad, QString& strFehler);

/// A wall-clock time of the itinerary (a naive date-time) as UTC, in the time zone tz. A time that the
/// clocks skip in spring counts with the offset before the change (02:30 in Berlin becomes 01:30 UTC);
/// of the hour that occurs twice in autumn, the first is taken.
QDateTime ZuUtc(const QDateTime& datLokal, const QTimeZone& tz);
/// A UTC time as the wall-clock time (a naive date-time) in the time zone tz.
QDateTime ZuLokal(const QDateTime& datUtc, const QTimeZone& tz);

} // namespace olm3::gpx
