// The chart widget: its data, the view (centre and zoom), the order of drawing, the routes, the mark and the
// object symbols. The water, the names, the legend and the handling of pointer and keys are in the files
// kartengewaesser, kartenbeschriftung, kartenlegende and kartenbedienung beside it.
#include "karte.h"

#include "kartenstil.h"
#include "pictures.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace olm3host {

using namespace kartenstil;

namespace {

constexpr double kKmProGrad = 111.195;

} // namespace

Karte::Karte(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Karte::SetDaten(KartenDaten daten) {
    m_daten = std::move(daten);
    m_geplant.clear();
    m_optimiert.clear();
    const double mitteBg = m_daten.Leer() ? 52.0 : m_daten.bereich.center().y();
    m_kx = std::cos(mitteBg * std::numbers::pi / 180.0);
    // The direction of the water at each object, so that locks, bridges and weirs lie across it.
    m_winkel.clear();
    for (const auto& o : m_daten.objekte) {
        const auto& lage = m_daten.gewaesser[static_cast<size_t>(o.gewaesser)].lage;
        const size_t i = static_cast<size_t>(o.index);
        const QPointF a = welt(lage[i > 0 ? i - 1 : i]);
        const QPointF b = welt(lage[i + 1 < lage.size() ? i + 1 : i]);
        m_winkel.push_back(a == b ? 0.0
                                  : std::atan2(b.y() - a.y(), b.x() - a.x()) * 180.0 / std::numbers::pi);
    }
    baueFlaechen();
    m_hatMarke = false;
    Einpassen();
}

void Karte::SetGeplanteRoute(const std::vector<QPointF>& lagen) {
    m_geplant.clear();
    for (const auto& l : lagen)
        if (l.x() != 0.0 || l.y() != 0.0) m_geplant.push_back(l);
    update();
}

void Karte::SetOptimierteRoute(const std::vector<typRouteOptimiert>& audtRoute) {
    m_optimiert = RoutenVerlauf(m_daten, audtRoute);
    update();
}

void Karte::SetMarke(const QPointF& lage) {
    m_marke = lage;
    m_hatMarke = true;
    update();
}

void Karte::SetPunktWahl(bool blnAn) {
    m_punktWahl = blnAn;
    setCursor(blnAn ? Qt::CrossCursor : Qt::ArrowCursor);
    if (blnAn) setFocus();
    update();
}

void Karte::Einpassen() {
    if (m_daten.Leer()) {
        m_mitte = QPointF();
        m_folgtGroesse = false;
        update();
        return;
    }
    ZeigeBereich(m_daten.bereich);
}

void Karte::ZeigeBereich(const QRectF& bereich) {
    m_mitte = welt(bereich.center());
    const double breite = bereich.width() * m_kx;
    const double hoehe = bereich.height();
    // A margin of a tenth on every side; a single point keeps the zoom.
    if (breite > 1e-6 || hoehe > 1e-6)
        m_massstab =
            std::min(width() / (std::max(breite, 1e-4) * 1.2), height() / (std::max(hoehe, 1e-4) * 1.2));
    begrenzeMassstab();
    // Until the user moves the chart, it keeps this area in view when the window changes its size.
    m_passBereich = bereich;
    m_folgtGroesse = true;
    update();
}

void Karte::ZeigeUmgebung(const QPointF& lage, double dblKm) {
    const double halbBg = dblKm / 2 / kKmProGrad;
    const double halbLg = halbBg / std::max(0.1, m_kx);
    ZeigeBereich(QRectF(lage - QPointF(halbLg, halbBg), lage + QPointF(halbLg, halbBg)));
}

QRectF Karte::RoutenBereich() const {
    std::vector<QPointF> alle = m_geplant;
    alle.insert(alle.end(), m_optimiert.begin(), m_optimiert.end());
    return Umfang(alle);
}

void Karte::Zoom(double dblFaktor) {
    Zoom(dblFaktor, QPointF(width() / 2.0, height() / 2.0));
}

void Karte::Zoom(double dblFaktor, const QPointF& um) {
    const QPointF vorher = weltZuBildschirm().inverted().map(um);
    m_massstab *= dblFaktor;
    m_folgtGroesse = false;
    begrenzeMassstab();
    // The point under the pointer stays where it is.
    const QPointF nachher = weltZuBildschirm().inverted().map(um);
    m_mitte += vorher - nachher;
    update();
}

void Karte::begrenzeMassstab() {
    // From a tenth of the catalogue on screen up to a few metres per pixel.
    double minimal = 20.0;
    if (!m_daten.Leer()) {
        const double ausdehnung = std::max(m_daten.bereich.width() * m_kx, m_daten.bereich.height());
        minimal = std::max(1.0, 0.1 * std::min(width(), height()) / std::max(ausdehnung, 1e-3));
    }
    m_massstab = std::clamp(m_massstab, minimal, 5.0e5);
}

QTransform Karte::weltZuBildschirm() const {
    QTransform t;
    t.translate(width() / 2.0, height() / 2.0);
    t.scale(m_massstab, m_massstab);
    t.translate(-m_mitte.x(), -m_mitte.y());
    return t;
}

QPointF Karte::ZuBildschirm(const QPointF& lage) const {
    return weltZuBildschirm().map(welt(lage));
}

QPointF Karte::ZuLage(const QPointF& pixel) const {
    const QPointF w = weltZuBildschirm().inverted().map(pixel);
    return QPointF(w.x() / m_kx, -w.y());
}

double Karte::PixelProKm() const {
    return m_massstab / kKmProGrad;
}

void Karte::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_folgtGroesse)
        ZeigeBereich(m_passBereich);
    else
        begrenzeMassstab();
}

void Karte::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kLand);
    berechneBildLinien();
    zeichneFlaechen(p);
    zeichneGewaesser(p);
    zeichneRouten(p);
    m_beschriftungen.clear();
    // Names keep clear of the legend, the scale and each other.
    KartenBelegung belegt;
    belegt.Belege(zeichneLegende(nullptr));
    belegt.Belege(QRectF(width() - 170, height() - 45, 170, 45));
    // The mark of a chosen object stays clear of names, its own included.
    if (m_hatMarke) {
        const QPointF m = ZuBildschirm(m_marke);
        belegt.Belege(QRectF(m.x() - 25, m.y() - 25, 50, 50));
    }
    zeichneObjekte(p, belegt);
    zeichneBeschriftung(p, belegt);
    zeichneMarke(p);
    zeichneLegende(&p);
    zeichneMassstab(p);
    zeichneHinweis(p);
}

void Karte::zeichneMarke(QPainter& p) {
    if (!m_hatMarke) return;
    const QPointF m = ZuBildschirm(m_marke);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 6));
    p.drawEllipse(m, 16, 16);
    p.setPen(QPen(kMarke, 3));
    p.drawEllipse(m, 16, 16);
    for (const QPointF r : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(m + r * 10, m + r * 24);
        p.setPen(QPen(kMarke, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(m + r * 10, m + r * 24);
    }
    p.restore();
}

void Karte::zeichneRouten(QPainter& p) {
    if (m_optimiert.size() > 1) {
        QPolygonF linie;
        for (const auto& l : m_optimiert)
            linie << ZuBildschirm(l);
        p.setPen(optimiertStift());
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(linie);
    }
    if (m_geplant.empty()) return;
    QPolygonF linie;
    for (const auto& l : m_geplant)
        linie << ZuBildschirm(l);
    p.setPen(geplantStift());
    p.setBrush(Qt::NoBrush);
    if (linie.size() > 1) p.drawPolyline(linie);
    p.setFont(schrift(11, true));
    for (int i = 0; i < linie.size(); ++i) {
        const QRectF kreis(linie[i].x() - 9, linie[i].y() - 9, 18, 18);
        p.setPen(QPen(kGeplant, 2));
        p.setBrush(Qt::white);
        p.drawEllipse(kreis);
        p.setPen(kGeplant);
        p.drawText(kreis, Qt::AlignCenter, QString::number(i + 1));
    }
}

double Karte::symbolGroesse() const {
    return std::clamp(PixelProKm() * 0.6, 9.0, 16.0);
}

void Karte::zeichneObjekte(QPainter& p, KartenBelegung& belegt) {
    const double groesse = symbolGroesse();
    const QRectF sichtbar = QRectF(rect()).adjusted(-20, -20, 20, 20);
    // Planned points keep their numbers readable.
    for (const auto& l : m_geplant) {
        const QPointF m = ZuBildschirm(l);
        belegt.Belege(QRectF(m.x() - 10, m.y() - 10, 20, 20));
    }
    // Zoomed out, symbols that would pile up are thinned: locks first, then harbours, fuel, bridges,
    // berths, weirs and junctions, each only where it leaves the ones before it clear.
    const bool ausduennen = PixelProKm() < kNamenAbPixelProKm;
    const QString vorrang = QStringLiteral("SHTBLWA");
    std::vector<char> zeigen(m_daten.objekte.size(), 0);
    KartenBelegung symbole;
    for (const QChar typ : vorrang) {
        const double g = typ == QLatin1Char('A') ? groesse * 0.7 : groesse;
        for (size_t i = 0; i < m_daten.objekte.size(); ++i) {
            const auto& o = m_daten.objekte[i];
            if (o.typ != typ) continue;
            const QPointF m = ZuBildschirm(o.lage);
            if (!sichtbar.contains(m)) continue;
            const QRectF kasten(m.x() - g / 2, m.y() - g / 2, g, g);
            if (ausduennen && !symbole.Frei(kasten.adjusted(-1, -1, 1, 1))) continue;
            symbole.Belege(kasten);
            zeigen[i] = 1;
        }
    }
    // Junctions first, so that objects at the same spot stay visible.
    for (auto it = vorrang.crbegin(); it != vorrang.crend(); ++it) {
        const QChar typ = *it;
        const double g = typ == QLatin1Char('A') ? groesse * 0.7 : groesse;
        for (size_t i = 0; i < m_daten.objekte.size(); ++i) {
            const auto& o = m_daten.objekte[i];
            if (o.typ != typ || !zeigen[i]) continue;
            const QPointF m = ZuBildschirm(o.lage);
            ZeichneTypSymbol(p, o.typ, m, g, m_winkel[i]);
            belegt.Belege(QRectF(m.x() - g / 2, m.y() - g / 2, g, g));
        }
    }
}

} // namespace olm3host
