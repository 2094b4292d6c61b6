#include "kartenbelegung.h"

#include <algorithm>

namespace olm3host {

namespace {
/// An axis-parallel rectangle of four corners (a closed polygon may repeat the first one).
bool istRechteck(const QPolygonF& p) {
    if (p.size() != 4 && p.size() != 5) return false;
    for (int i = 0; i < 4; ++i) {
        const QPointF a = p[i], b = p[(i + 1) % 4];
        if (a.x() != b.x() && a.y() != b.y()) return false;
    }
    return true;
}
} // namespace

void KartenBelegung::Belege(const QPolygonF& flaeche) {
    m_flaechen.push_back({flaeche, flaeche.boundingRect(), istRechteck(flaeche)});
}

bool KartenBelegung::Frei(const QPolygonF& flaeche) const {
    const QRectF kasten = flaeche.boundingRect();
    const bool rechteck = istRechteck(flaeche);
    return std::none_of(m_flaechen.begin(), m_flaechen.end(), [&](const Flaeche& f) {
        if (!f.kasten.intersects(kasten)) return false;
        if (rechteck && f.blnRechteck) return true;
        return f.umriss.intersects(flaeche);
    });
}

bool Schneidet(const QPolygonF& umriss, const QLineF& linie) {
    if (umriss.size() < 3) return false;
    if (!umriss.boundingRect().intersects(QRectF(linie.p1(), linie.p2()).normalized().adjusted(-0.5, -0.5, 0.5, 0.5)))
        return false;
    if (umriss.containsPoint(linie.p1(), Qt::OddEvenFill) || umriss.containsPoint(linie.p2(), Qt::OddEvenFill))
        return true;
    for (int i = 0; i < umriss.size(); ++i) {
        const QLineF kante(umriss[i], umriss[(i + 1) % umriss.size()]);
        if (kante.intersects(linie) == QLineF::BoundedIntersection) return true;
    }
    return false;
}

} // namespace olm3host
