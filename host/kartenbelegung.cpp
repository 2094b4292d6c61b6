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

namespace {
/// The corners of a closed polygon without the repeated first one.
int ecken(const QPolygonF& p) {
    return p.size() > 1 && p.front() == p.back() ? static_cast<int>(p.size()) - 1
                                                 : static_cast<int>(p.size());
}

/// Whether two convex polygons overlap: no edge of either separates them.
bool konvexeUeberlappen(const QPolygonF& a, const QPolygonF& b) {
    const int na = ecken(a), nb = ecken(b);
    for (const auto& [p, n] : {std::pair{&a, na}, std::pair{&b, nb}}) {
        for (int i = 0; i < n; ++i) {
            const QPointF kante = (*p)[(i + 1) % n] - (*p)[i];
            const QPointF achse(-kante.y(), kante.x());
            double minA = 1e300, maxA = -1e300, minB = 1e300, maxB = -1e300;
            for (int j = 0; j < na; ++j) {
                const double d = QPointF::dotProduct(a[j], achse);
                minA = std::min(minA, d);
                maxA = std::max(maxA, d);
            }
            for (int j = 0; j < nb; ++j) {
                const double d = QPointF::dotProduct(b[j], achse);
                minB = std::min(minB, d);
                maxB = std::max(maxB, d);
            }
            if (maxA <= minB || maxB <= minA) return false;
        }
    }
    return true;
}
} // namespace

bool KartenBelegung::Frei(const QPolygonF& flaeche) const {
    const QRectF kasten = flaeche.boundingRect();
    const bool rechteck = istRechteck(flaeche);
    // What the chart takes is rectangles and the turned boxes of glyphs and route legs: convex four-corners,
    // which a separating edge tells apart quickly; anything else goes the general way.
    const bool viereck = ecken(flaeche) == 4;
    return std::none_of(m_flaechen.begin(), m_flaechen.end(), [&](const Flaeche& f) {
        if (!f.kasten.intersects(kasten)) return false;
        if (rechteck && f.blnRechteck) return true;
        if (viereck && ecken(f.umriss) == 4) return konvexeUeberlappen(f.umriss, flaeche);
        return f.umriss.intersects(flaeche);
    });
}

bool Schneidet(const QPolygonF& umriss, const QLineF& linie) {
    if (umriss.size() < 3) return false;
    if (!umriss.boundingRect().intersects(
            QRectF(linie.p1(), linie.p2()).normalized().adjusted(-0.5, -0.5, 0.5, 0.5)))
        return false;
    if (umriss.containsPoint(linie.p1(), Qt::OddEvenFill) ||
        umriss.containsPoint(linie.p2(), Qt::OddEvenFill))
        return true;
    for (int i = 0; i < umriss.size(); ++i) {
        const QLineF kante(umriss[i], umriss[(i + 1) % umriss.size()]);
        if (kante.intersects(linie) == QLineF::BoundedIntersection) return true;
    }
    return false;
}

} // namespace olm3host
