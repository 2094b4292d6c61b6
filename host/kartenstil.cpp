// The chart's font, halo and route pens.
#include "kartenstil.h"

#include <QPainter>
#include <cmath>

namespace olm3host::kartenstil {

QFont schrift(double pixel, bool fett, bool kursiv) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(std::lround(pixel)));
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

void zeichneMitHalo(QPainter& p, const QPainterPath& pfad, const QColor& farbe) {
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 230), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(pfad);
    p.restore();
}

void textMitHalo(QPainter& p, const QPointF& basis, const QString& text, const QColor& farbe) {
    QPainterPath pfad;
    pfad.addText(basis, p.font(), text);
    zeichneMitHalo(p, pfad, farbe);
}

QPen geplantStift() {
    QPen pen(QColor(kGeplant.red(), kGeplant.green(), kGeplant.blue(), 200), 2.0, Qt::DashLine, Qt::RoundCap,
             Qt::RoundJoin);
    pen.setDashPattern({4, 3});
    return pen;
}

QPen optimiertStift() {
    return QPen(kOptimiert, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace olm3host::kartenstil
