#pragma once
// Where the chart has already put something (a symbol, a label, the legend): a new label goes only where
// it overlaps none of it. The boxes are tested first, so that a full chart stays quick to label.

#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <vector>

namespace olm3host {

class KartenBelegung {
public:
    /// Marks an area as taken.
    void Belege(const QPolygonF& flaeche);
    void Belege(const QRectF& flaeche) { Belege(QPolygonF(flaeche)); }
    /// True when the area overlaps nothing taken.
    bool Frei(const QPolygonF& flaeche) const;
    bool Frei(const QRectF& flaeche) const { return Frei(QPolygonF(flaeche)); }
    void Leeren() { m_flaechen.clear(); }

private:
    struct Flaeche {
        QPolygonF umriss;
        QRectF kasten;
        bool blnRechteck;
    };
    std::vector<Flaeche> m_flaechen;
};

/// True when the line crosses the outline or lies inside it.
bool Schneidet(const QPolygonF& umriss, const QLineF& linie);

} // namespace olm3host
