#pragma once
// What the host reads from the open catalogue for itself: the waterways in their true shape, the objects
// along them with their names, the junctions, and the catalogue's own description.

#include "olm3binnen/ado.h"

#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace olm3host {

/// Runs a SELECT on a connection. Unlike the component's record-set procedures it shows no message:
/// false, with the engine's complaint in strFehler, when the query fails.
bool Abfrage(const ADODB::ConnectionPtr& con, const QString& strSQL, ADODB::RecordsetPtr& rs,
             QString& strFehler);

/// One waterway: its points in chainage order (x longitude, y latitude).
struct KartenGewaesser {
    std::int32_t lngBinnenID = 0;
    QString strName;
    std::vector<std::int32_t> punkte;
    std::vector<QPointF> lage;
    std::vector<double> km; ///< official kilometre of each point; NaN where the catalogue has none
};

/// A town or village the chart names; rang 1 (city) is named first, 3 (village) last.
struct KartenOrt {
    QString strName;
    QPointF lage;
    int rang = 3;
};

/// A water area (lake, wide river) or an island in one: a closed outline.
struct KartenFlaeche {
    bool blnInsel = false;
    std::vector<QPointF> umriss;
};

/// A point with an object or a junction.
struct KartenObjekt {
    std::int32_t lngPunkteID = 0;
    QChar typ;
    QPointF lage;
    QString strName;    ///< the object's name; empty for junctions and unnamed objects
    int gewaesser = -1; ///< index into KartenDaten::gewaesser
    int index = -1;     ///< position along that waterway
};

struct KartenDaten {
    QString strKatalogName;
    QString strHinweis; ///< the catalogue's notice (a sample says it is not for navigation)
    std::vector<KartenGewaesser> gewaesser;
    std::vector<KartenObjekt> objekte;
    std::vector<KartenOrt> orte;         ///< by rank, then name
    std::vector<KartenFlaeche> flaechen; ///< water areas first, then islands
    QHash<QChar, QString> typNamen;
    /// Point id -> (waterway index, position along it).
    QHash<std::int32_t, std::pair<int, int>> punkt;
    /// Junctions: (point, its counterpart on the other waterway).
    std::vector<std::pair<std::int32_t, std::int32_t>> abzweige;
    /// Bounding box in degrees (x longitude, y latitude).
    QRectF bereich;

    bool Leer() const { return gewaesser.empty(); }
    /// Position of a point id; false when the chart does not know it.
    bool Lage(std::int32_t lngPunkteID, QPointF& lage) const;
};

/// Reads the chart of the catalogue. False with strFehler when the file is not a readable catalogue;
/// daten is then empty.
bool LadeKartenDaten(const ADODB::ConnectionPtr& con, KartenDaten& daten, QString& strFehler);

/// The smallest box (x longitude, y latitude) that holds every position; an empty box without any.
QRectF Umfang(const std::vector<QPointF>& lagen);

/// Great-circle distance in km between two positions in decimal degrees (x longitude, y latitude).
double Entfernung(const QPointF& a, const QPointF& b);

} // namespace olm3host
