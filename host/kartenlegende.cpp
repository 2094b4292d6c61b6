// What the chart draws over the map: the legend, the scale bar and the hint of the pick mode.
#include "karte.h"

#include "data/formatting.h"
#include "hosttexts.h"
#include "kartenstil.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace olm3host {

using namespace kartenstil;

namespace {

void zeichneLegendenLinie(QPainter& p, const QPointF& a, const QPointF& b, const QPen& stift) {
    p.setPen(stift);
    p.drawLine(a, b);
}

} // namespace

QRectF Karte::zeichneLegende(QPainter* p) {
    struct Eintrag {
        QChar typ;
        QString text;
    };
    std::vector<Eintrag> eintraege;
    for (const QChar typ : KartenTypen()) {
        const bool vorhanden = std::any_of(m_daten.objekte.begin(), m_daten.objekte.end(),
                                           [typ](const KartenObjekt& o) { return o.typ == typ; });
        if (vorhanden) eintraege.push_back({typ, m_daten.typNamen.value(typ, QString(typ))});
    }
    eintraege.push_back({QLatin1Char('1'), HostText(txt::GeplanteRoute)});
    eintraege.push_back({QLatin1Char('2'), HostText(txt::OptimierteRoute)});

    const QFont titel = schrift(12, true);
    const QFont text = schrift(11);
    const QFontMetricsF fm(text);
    double breite = QFontMetricsF(titel).horizontalAdvance(HostText(txt::Legende));
    for (const auto& e : eintraege)
        breite = std::max(breite, 34 + fm.horizontalAdvance(e.text));
    const double zeile = std::max(18.0, fm.height() + 4);
    const QRectF kasten(10, height() - 10 - (eintraege.size() + 1) * zeile - 14, breite + 20,
                        (eintraege.size() + 1) * zeile + 14);
    // Without a painter only the place it takes is wanted.
    if (!p) return kasten;
    p->save();
    p->setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    p->setBrush(QColor(255, 255, 255, 235));
    p->drawRoundedRect(kasten, 6, 6);
    p->setFont(titel);
    p->setPen(kSchrift);
    double y = kasten.top() + 7;
    p->drawText(QRectF(kasten.left() + 10, y, breite, zeile), Qt::AlignVCenter | Qt::AlignLeft,
                HostText(txt::Legende));
    y += zeile;
    p->setFont(text);
    for (const auto& e : eintraege) {
        const QPointF symbol(kasten.left() + 22, y + zeile / 2);
        if (e.typ == QLatin1Char('1')) {
            zeichneLegendenLinie(*p, symbol - QPointF(12, 0), symbol + QPointF(12, 0), geplantStift());
        } else if (e.typ == QLatin1Char('2')) {
            zeichneLegendenLinie(*p, symbol - QPointF(10, 0), symbol + QPointF(10, 0), optimiertStift());
        } else {
            ZeichneLegendenSymbol(*p, e.typ, symbol, 13);
        }
        p->setPen(QColor(0x26, 0x32, 0x38));
        p->drawText(QRectF(kasten.left() + 42, y, breite, zeile), Qt::AlignVCenter | Qt::AlignLeft, e.text);
        y += zeile;
    }
    p->restore();
    return kasten;
}

void Karte::zeichneMassstab(QPainter& p) {
    // A round length of about 120 pixels.
    const double km = 120.0 / PixelProKm();
    const double stufe = std::pow(10.0, std::floor(std::log10(km)));
    double laenge = stufe;
    for (const double f : {2.0, 5.0, 10.0})
        if (stufe * f <= km) laenge = stufe * f;
    const double px = laenge * PixelProKm();
    const QPointF rechts(width() - 20, height() - 20);
    const QPointF links = rechts - QPointF(px, 0);
    p.save();
    p.setPen(QPen(QColor(0x26, 0x32, 0x38), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(links, rechts);
    p.drawLine(links, links - QPointF(0, 6));
    p.drawLine(rechts, rechts - QPointF(0, 6));
    p.setFont(schrift(11, true));
    // The component's number format, with as many decimals as the length needs.
    const int stellen = std::max(0, static_cast<int>(-std::floor(std::log10(laenge) + 1e-9)));
    const QString text = modOLM3Binnen::FormatNumber(laenge, stellen ? QStringLiteral("0.") +
                                                                           QString(stellen, QLatin1Char('0'))
                                                                     : QStringLiteral("0")) +
                         QStringLiteral(" km");
    textMitHalo(
        p, QPointF(links.x() + px / 2 - QFontMetricsF(p.font()).horizontalAdvance(text) / 2, links.y() - 8),
        text, QColor(0x26, 0x32, 0x38));
    p.restore();
}

void Karte::zeichneHinweis(QPainter& p) {
    if (!m_punktWahl) return;
    p.save();
    p.setFont(schrift(13, true));
    const QString text = HostText(txt::PunktWaehlen);
    const QFontMetricsF fm(p.font());
    const QRectF kasten(width() / 2.0 - fm.horizontalAdvance(text) / 2 - 14, 10,
                        fm.horizontalAdvance(text) + 28, fm.height() + 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kGeplant.red(), kGeplant.green(), kGeplant.blue(), 230));
    p.drawRoundedRect(kasten, 6, 6);
    p.setPen(Qt::white);
    p.drawText(kasten, Qt::AlignCenter, text);
    p.restore();
}

} // namespace olm3host
