// The water on the chart: the areas of lakes and wide rivers with their islands, and the waterways as lines.
#include "karte.h"

#include "kartenstil.h"

#include <QPainter>
#include <algorithm>

namespace olm3host {

using namespace kartenstil;

void Karte::baueFlaechen() {
    m_wasser = QPainterPath();
    m_inseln = QPainterPath();
    m_wasser.setFillRule(Qt::WindingFill);
    for (const auto& f : m_daten.flaechen) {
        QPolygonF umriss;
        for (const auto& l : f.umriss)
            umriss << welt(l);
        umriss << umriss.front();
        (f.blnInsel ? m_inseln : m_wasser).addPolygon(umriss);
    }
}

double Karte::wasserBreite() const {
    // The water widens as one zooms in, within what keeps the lines apart.
    return std::clamp(PixelProKm() * 0.2, 3.0, 14.0);
}

void Karte::zeichneFlaechen(QPainter& p) {
    if (m_wasser.isEmpty()) return;
    p.save();
    p.setTransform(weltZuBildschirm());
    QPen ufer(kUfer.lighter(135), 1.0);
    ufer.setCosmetic(true);
    p.setPen(ufer);
    p.setBrush(kWasser);
    p.drawPath(m_wasser);
    if (!m_inseln.isEmpty()) {
        p.setBrush(kLand);
        p.drawPath(m_inseln);
    }
    p.restore();
}

void Karte::berechneBildLinien() {
    m_bildLinien.clear();
    const QTransform t = weltZuBildschirm();
    for (const auto& g : m_daten.gewaesser) {
        // Points closer than a pixel and a half add nothing a boater could see, only drawing time.
        QPolygonF linie;
        for (size_t i = 0; i < g.lage.size(); ++i) {
            const QPointF m = t.map(welt(g.lage[i]));
            if (!linie.isEmpty() && i + 1 < g.lage.size() && QLineF(linie.back(), m).length() < 1.5) continue;
            linie << m;
        }
        m_bildLinien.push_back(linie);
    }
}

void Karte::zeichneGewaesser(QPainter& p) {
    p.save();
    p.setBrush(Qt::NoBrush);
    const double breite = wasserBreite();
    const QRectF sichtbar = QRectF(rect()).adjusted(-20, -20, 20, 20);
    for (const auto& [farbe, zusatz] : {std::pair{kUfer, 2.5}, std::pair{kWasser, 0.0}}) {
        p.setPen(QPen(farbe, breite + zusatz, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const auto& linie : m_bildLinien)
            if (linie.boundingRect().intersects(sichtbar)) p.drawPolyline(linie);
    }
    p.restore();
}

} // namespace olm3host
