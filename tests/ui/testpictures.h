#pragma once
// Pictures a host would hand out, drawn in the test so that screenshots show real button faces.

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace olm3test {

enum class Symbol { Stop, Pfeil };

/// A 48 x 48 symbol on a transparent ground.
inline QPixmap SymbolBild(Symbol symbol, const QColor& farbe) {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(farbe);
    switch (symbol) {
    case Symbol::Stop: {
        QPolygonF achteck;
        for (int i = 0; i < 8; ++i) {
            const double a = (22.5 + 45.0 * i) * 3.14159265358979 / 180.0;
            achteck << QPointF(24 + 21 * std::cos(a), 24 + 21 * std::sin(a));
        }
        p.drawPolygon(achteck);
        p.drawLine(QPointF(14, 24), QPointF(34, 24));
        break;
    }
    case Symbol::Pfeil:
        p.drawEllipse(QPointF(24, 24), 21, 21);
        p.drawLine(QPointF(24, 12), QPointF(24, 36));
        p.drawLine(QPointF(14, 26), QPointF(24, 36));
        p.drawLine(QPointF(34, 26), QPointF(24, 36));
        break;
    }
    return pm;
}

} // namespace olm3test
