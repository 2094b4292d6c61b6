#include "karte.h"

#include "data/formatting.h"
#include "hosttexts.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace olm3host {

namespace {

const QColor kLand(0xF4, 0xF0, 0xE6);
const QColor kWasser(0x8E, 0xC3, 0xEA);
const QColor kUfer(0x3F, 0x78, 0xB0);
const QColor kGeplant(0xC2, 0x18, 0x5B);
const QColor kOptimiert(0xE6, 0x51, 0x00, 210);
const QColor kSchrift(0x17, 0x3A, 0x66);
const QColor kOrt(0x33, 0x2B, 0x24);
const QColor kMarke(0xD5, 0x00, 0x00);

constexpr double kKmProGrad = 111.195;
/// Objects are named from this zoom on.
constexpr double kNamenAbPixelProKm = 28.0;
/// A drag starts after the pointer moved this far.
constexpr double kZiehSchwelle = 4.0;
/// Towns are named from this zoom on, villages from the next; cities always.
constexpr double kStaedteAbPixelProKm = 2.5;
constexpr double kDoerferAbPixelProKm = 9.0;
/// Kilometre marks stand at least this far apart on screen.
constexpr double kKmAbstandPixel = 110.0;

QFont schrift(double pixel, bool fett = false, bool kursiv = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(std::lround(pixel)));
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

/// A text outline with a white halo so that it reads on lines and symbols.
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

/// The point at arc length s along a polyline.
QPointF punktBei(const std::vector<QPointF>& linie, const std::vector<double>& laenge, double s) {
    const auto it = std::lower_bound(laenge.begin(), laenge.end(), s);
    if (it == laenge.begin()) return linie.front();
    if (it == laenge.end()) return linie.back();
    const size_t i = static_cast<size_t>(it - laenge.begin());
    const double t = (s - laenge[i - 1]) / std::max(1e-9, laenge[i] - laenge[i - 1]);
    return linie[i - 1] + (linie[i] - linie[i - 1]) * t;
}

void zeichneLegendenLinie(QPainter& p, const QPointF& a, const QPointF& b, const QPen& stift) {
    p.setPen(stift);
    p.drawLine(a, b);
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

} // namespace

std::vector<QPointF> RoutenVerlauf(const KartenDaten& daten,
                                   const std::vector<typRouteOptimiert>& audtRoute) {
    std::vector<QPointF> linie;
    // The points of a waterway after position von up to position bis, in the direction of travel.
    auto entlang = [&](int g, int von, int bis) {
        const auto& lagen = daten.gewaesser[static_cast<size_t>(g)].lage;
        const int schritt = bis >= von ? 1 : -1;
        for (int i = von; i != bis;) {
            i += schritt;
            linie.push_back(lagen[static_cast<size_t>(i)]);
        }
    };
    const typRouteOptimiert* vorher = nullptr;
    for (const auto& r : audtRoute) {
        if (r.lngPunkteID <= 0) continue;
        QPointF lage(r.dblLgDez, r.dblBgDez);
        daten.Lage(r.lngPunkteID, lage);
        const auto a = vorher ? daten.punkt.constFind(vorher->lngPunkteID) : daten.punkt.constEnd();
        const auto b = daten.punkt.constFind(r.lngPunkteID);
        vorher = &r;
        if (a == daten.punkt.constEnd() || b == daten.punkt.constEnd()) {
            linie.push_back(lage);
            continue;
        }
        if (a->first == b->first) {
            entlang(a->first, a->second, b->second);
            continue;
        }
        // From one waterway onto another: along the first to the junction that joins them, then along
        // the second; of several junctions the one with the fewest points in between.
        int besterAbstand = -1;
        std::pair<int, int> ueber;
        for (const auto& [von, nach] : daten.abzweige) {
            const auto x = daten.punkt.constFind(von);
            const auto y = daten.punkt.constFind(nach);
            if (x == daten.punkt.constEnd() || y == daten.punkt.constEnd()) continue;
            if (x->first != a->first || y->first != b->first) continue;
            const int abstand = std::abs(x->second - a->second) + std::abs(y->second - b->second);
            if (besterAbstand < 0 || abstand < besterAbstand) {
                besterAbstand = abstand;
                ueber = {x->second, y->second};
            }
        }
        if (besterAbstand < 0) {
            linie.push_back(lage);
            continue;
        }
        entlang(a->first, a->second, ueber.first);
        linie.push_back(
            daten.gewaesser[static_cast<size_t>(b->first)].lage[static_cast<size_t>(ueber.second)]);
        entlang(b->first, ueber.second, b->second);
    }
    return linie;
}

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

double Karte::wasserBreite() const {
    // The water widens as one zooms in, within what keeps the lines apart.
    return std::clamp(PixelProKm() * 0.2, 3.0, 14.0);
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

/// Puts a text at the first free place among the candidates; false when none is free.
bool Karte::setzeText(QPainter& p, const QString& text, const std::vector<QTransform>& plaetze,
                      const QColor& farbe, KartenBelegung& belegt, KartenBeschriftung::Art art) {
    const QFontMetricsF fm(p.font());
    const QRectF kasten(0, -fm.ascent(), fm.horizontalAdvance(text), fm.height());
    const QRectF innen = QRectF(rect()).adjusted(2, 2, -2, -2);
    for (const QTransform& t : plaetze) {
        const QPolygonF huelle = t.map(QPolygonF(kasten.adjusted(-2, -1, 2, 1)));
        if (!innen.contains(huelle.boundingRect())) continue;
        if (!belegt.Frei(huelle)) continue;
        belegt.Belege(huelle);
        m_beschriftungen.push_back({art, text, huelle});
        zeichneTextBild(p, t.map(QPointF()), text, farbe);
        return true;
    }
    return false;
}

void Karte::zeichneTextBild(QPainter& p, const QPointF& basis, const QString& text, const QColor& farbe) {
    // A text and its halo are drawn once into an image and then copied: a chart redrawn while it is
    // dragged sets the same names again and again.
    constexpr int kRand = 3;
    const qreal dpr = devicePixelRatioF();
    const QFontMetricsF fm(p.font());
    const QString schluessel = p.font().key() + QLatin1Char('|') + farbe.name(QColor::HexArgb) +
                               QLatin1Char('|') + QString::number(dpr) + QLatin1Char('|') + text;
    auto bild = m_textBilder.find(schluessel);
    if (bild == m_textBilder.end()) {
        if (m_textBilder.size() > 4000) m_textBilder.clear();
        const QSizeF groesse(fm.horizontalAdvance(text) + 2 * kRand + 2, fm.height() + 2 * kRand);
        QImage neu((groesse * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        neu.setDevicePixelRatio(dpr);
        neu.fill(Qt::transparent);
        QPainter b(&neu);
        b.setRenderHint(QPainter::Antialiasing);
        b.setFont(p.font());
        textMitHalo(b, QPointF(kRand, kRand + fm.ascent()), text, farbe);
        b.end();
        bild = m_textBilder.insert(schluessel, neu);
    }
    p.drawImage(basis - QPointF(kRand, kRand + fm.ascent()), *bild);
}

bool Karte::setzeTextEntlang(QPainter& p, const QString& text, const std::vector<QPointF>& linie,
                             const std::vector<double>& laenge, double dblAbstand, KartenBelegung& belegt,
                             const std::vector<QLineF>& fremdeLinien, const std::vector<double>& anteile) {
    const QFontMetricsF fm(p.font());
    const double tw = fm.horizontalAdvance(text);
    const double s = laenge.back();
    struct Zeichen {
        QString c;
        QPointF lage;
        double winkel;
        double breite;
    };
    auto knick = [](double a, double b) {
        const double k = std::fmod(std::abs(a - b), 360.0);
        return k > 180 ? 360 - k : k;
    };
    // Each glyph sits where the whole word would put it, kerning included.
    std::vector<double> vor;
    for (int i = 0; i <= text.size(); ++i)
        vor.push_back(fm.horizontalAdvance(text.left(i)));
    // The baseline runs parallel to the line, at the side the text takes; the glyphs are spaced along the
    // baseline itself, so that a bend neither spreads nor squeezes them.
    // The line is first laid out anew every few pixels, so that the jitter of closely spaced points does not
    // fold the parallel; its direction at each point is taken over a stretch on either side.
    std::vector<QPointF> glatt;
    for (double d = 0; d < s; d += 4.0)
        glatt.push_back(punktBei(linie, laenge, d));
    glatt.push_back(linie.back());
    auto parallele = [&](double versatz) {
        std::vector<QPointF> p2;
        const size_t n = glatt.size();
        for (size_t i = 0; i < n; ++i) {
            const QPointF richtung = glatt[std::min(n - 1, i + 3)] - glatt[i >= 3 ? i - 3 : 0];
            const double l = std::hypot(richtung.x(), richtung.y());
            p2.push_back(l > 1e-9 ? glatt[i] + QPointF(-richtung.y(), richtung.x()) / l * versatz : glatt[i]);
        }
        return p2;
    };
    std::map<double, std::pair<std::vector<QPointF>, std::vector<double>>> parallelen;
    for (const double anteil : anteile) {
        const double anfang0 = s * anteil - tw / 2;
        if (anfang0 < 0 || anfang0 + tw > s) continue;
        // The text reads from left to right: along the line or against it.
        const bool rueckwaerts =
            punktBei(linie, laenge, anfang0 + tw).x() < punktBei(linie, laenge, anfang0).x();
        for (const double seite : {-dblAbstand - fm.descent(), dblAbstand + fm.ascent()}) {
            const double versatz = rueckwaerts ? -seite : seite;
            auto gefunden = parallelen.find(versatz);
            if (gefunden == parallelen.end()) {
                std::vector<QPointF> b = parallele(versatz);
                std::vector<double> l{0.0};
                for (size_t i = 1; i < b.size(); ++i)
                    l.push_back(l.back() + QLineF(b[i - 1], b[i]).length());
                gefunden = parallelen.emplace(versatz, std::pair{std::move(b), std::move(l)}).first;
            }
            const std::vector<QPointF>& basis = gefunden->second.first;
            const std::vector<double>& blaenge = gefunden->second.second;
            const double bs = blaenge.back();
            const double anfang = anteil * bs - tw / 2;
            if (anfang < 0 || anfang + tw > bs) continue;
            auto richtung = [&](double bei) {
                const QPointF a = punktBei(basis, blaenge, std::max(0.0, bei - 10));
                const QPointF b = punktBei(basis, blaenge, std::min(bs, bei + 10));
                return std::atan2(b.y() - a.y(), b.x() - a.x()) * 180.0 / std::numbers::pi;
            };
            std::vector<Zeichen> zeichen;
            std::vector<QPolygonF> huellen;
            bool passt = true;
            for (int i = 0; i < text.size() && passt; ++i) {
                // The glyph starts at the pen position the whole word gives it and keeps its own width.
                const double x = vor[static_cast<size_t>(i)];
                const double w = fm.horizontalAdvance(text.at(i));
                const double bei = rueckwaerts ? anfang + tw - x - w / 2 : anfang + x + w / 2;
                const double winkel = richtung(bei) + (rueckwaerts ? 180.0 : 0.0);
                // The text may follow a gentle bend; a sharper one would tear the word apart, and on the
                // inner side of a bend the baseline could fold and pile the glyphs onto each other.
                const QPointF lage = punktBei(basis, blaenge, bei);
                if (!zeichen.empty()) {
                    const auto& vorher = zeichen.back();
                    passt = knick(winkel, vorher.winkel) < 14.0 &&
                            knick(winkel, zeichen.front().winkel) < 40.0 &&
                            QLineF(vorher.lage, lage).length() > 0.85 * (vorher.breite + w) / 2;
                }
                QTransform t;
                t.translate(lage.x(), lage.y());
                t.rotate(winkel);
                huellen.push_back(
                    t.map(QPolygonF(QRectF(-w / 2 - 1, -fm.ascent() - 1, w + 2, fm.height() + 2))));
                zeichen.push_back({text.mid(i, 1), lage, winkel, w});
            }
            if (!passt) continue;
            const QRectF innen = QRectF(rect()).adjusted(2, 2, -2, -2);
            const bool frei = std::all_of(huellen.begin(), huellen.end(), [&](const QPolygonF& h) {
                return innen.contains(h.boundingRect()) && belegt.Frei(h) &&
                       std::none_of(fremdeLinien.begin(), fremdeLinien.end(),
                                    [&h](const QLineF& l) { return Schneidet(h, l); });
            });
            if (!frei) continue;
            // The label's outline: along the tops of its glyphs and back along their feet.
            QPolygonF huelle;
            for (const auto& h : huellen) {
                belegt.Belege(h);
                huelle << h[0] << h[1];
            }
            for (auto h = huellen.crbegin(); h != huellen.crend(); ++h)
                huelle << (*h)[2] << (*h)[3];
            m_beschriftungen.push_back({KartenBeschriftung::Gewaesser, text, huelle});
            // All halos first, so that no letter's halo covers its neighbour.
            QPainterPath pfad;
            const QString schriftSchluessel = p.font().key();
            for (const auto& z : zeichen) {
                // A glyph's outline is read from the font once, not at every drawing.
                auto buchstabe = m_glyphen.find(schriftSchluessel + z.c);
                if (buchstabe == m_glyphen.end()) {
                    QPainterPath umriss;
                    umriss.addText(QPointF(), p.font(), z.c);
                    buchstabe = m_glyphen.insert(schriftSchluessel + z.c, umriss);
                }
                QTransform t;
                t.translate(z.lage.x(), z.lage.y());
                t.rotate(z.winkel);
                t.translate(-z.breite / 2, 0);
                pfad.addPath(t.map(*buchstabe));
            }
            zeichneMitHalo(p, pfad, kSchrift);
            return true;
        }
    }
    return false;
}

void Karte::zeichneOrte(QPainter& p, KartenBelegung& belegt, int rangBis, int rangAb) {
    const double ppk = PixelProKm();
    for (const auto& o : m_daten.orte) {
        if (o.rang < rangAb || o.rang > rangBis) continue;
        if ((o.rang == 2 && ppk < kStaedteAbPixelProKm) || (o.rang >= 3 && ppk < kDoerferAbPixelProKm))
            continue;
        const QPointF m = ZuBildschirm(o.lage);
        if (!QRectF(rect()).contains(m)) continue;
        const double r = o.rang == 1 ? 4.0 : o.rang == 2 ? 3.0 : 2.2;
        const QRectF punkt(m.x() - r, m.y() - r, 2 * r, 2 * r);
        // The dot may sit on the water beside a symbol, but never on a text.
        const QPolygonF punktFlaeche(punkt.adjusted(-1, -1, 1, 1));
        if (std::any_of(m_beschriftungen.begin(), m_beschriftungen.end(), [&](const KartenBeschriftung& b) {
                return b.huelle.boundingRect().intersects(punkt) && b.huelle.intersects(punktFlaeche);
            }))
            continue;
        p.setFont(schrift(o.rang == 1 ? 16 : o.rang == 2 ? 13 : 11, o.rang <= 2));
        const QFontMetricsF fm(p.font());
        const double tw = fm.horizontalAdvance(o.strName);
        const double mitteY = fm.ascent() / 2 - 1;
        // Beside the dot first; a town on the water moves its name off the marks on it.
        std::vector<QTransform> plaetze;
        for (const double weit : {0.0, 8.0, 18.0})
            for (const QPointF v :
                 {QPointF(r + 4 + weit, mitteY), QPointF(-r - 4 - tw - weit, mitteY),
                  QPointF(-tw / 2, -r - 4 - weit), QPointF(-tw / 2, r + 3 + fm.ascent() + weit),
                  QPointF(r + 3 + weit, -r - 2 - weit), QPointF(-r - 3 - tw - weit, -r - 2 - weit),
                  QPointF(r + 3 + weit, r + 2 + fm.ascent() + weit),
                  QPointF(-r - 3 - tw - weit, r + 2 + fm.ascent() + weit)})
                plaetze.push_back(QTransform::fromTranslate(m.x() + v.x(), m.y() + v.y()));
        // A town on the water leaves its dot out where a mark on the water is; its name still says where.
        const bool punktFrei = belegt.Frei(punkt);
        if (!setzeText(p, o.strName, plaetze, kOrt, belegt, KartenBeschriftung::Ort) || !punktFrei) continue;
        belegt.Belege(punkt);
        p.save();
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(kOrt);
        if (o.rang == 1)
            p.drawRect(punkt);
        else
            p.drawEllipse(punkt);
        p.restore();
    }
}

double Karte::KmIntervall() const {
    const double ppk = PixelProKm();
    for (const double k : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0})
        if (k * ppk >= kKmAbstandPixel) return k;
    return 0.0;
}

void Karte::zeichneKilometer(QPainter& p, KartenBelegung& belegt) {
    const double intervall = KmIntervall();
    if (intervall <= 0) return;
    p.setFont(schrift(10));
    const QFontMetricsF fm(p.font());
    const QRectF innen = QRectF(rect()).adjusted(4, 4, -4, -4);
    const QString format = intervall < 1 ? QStringLiteral("0.0") : QStringLiteral("0");
    const double strich = wasserBreite() / 2 + 4;
    for (const auto& g : m_daten.gewaesser) {
        for (size_t i = 1; i < g.lage.size(); ++i) {
            const double k0 = g.km[i - 1], k1 = g.km[i];
            if (std::isnan(k0) || std::isnan(k1) || k0 == k1) continue;
            // The marks of whole intervals between the two points, where the line crosses them.
            const double lo = std::min(k0, k1), hi = std::max(k0, k1);
            for (double k = std::ceil(lo / intervall - 1e-9) * intervall;
                 k < hi - 1e-9 || (k <= hi && i == 1); k += intervall) {
                if (k == hi && i > 1) break;
                const double t = (k - k0) / (k1 - k0);
                const QPointF a = ZuBildschirm(g.lage[i - 1]), b = ZuBildschirm(g.lage[i]);
                const QPointF m = a + (b - a) * t;
                if (!innen.contains(m)) continue;
                const QLineF richtung(a, b);
                if (richtung.length() < 1e-6) continue;
                const QPointF quer = QPointF(-richtung.dy(), richtung.dx()) / richtung.length();
                const QString text = modOLM3Binnen::FormatNumber(k, format);
                const double tw = fm.horizontalAdvance(text);
                std::vector<QTransform> plaetze;
                for (const double seite : {1.0, -1.0}) {
                    const QPointF ende = m + quer * seite * (strich + 3);
                    // The text stands beside the end of the tick, on the side it points to.
                    const double dx = quer.x() * seite >= 0 ? 0 : -tw;
                    const double dy = quer.y() * seite >= 0 ? fm.ascent() : 0;
                    plaetze.push_back(QTransform::fromTranslate(ende.x() + dx, ende.y() + dy));
                }
                const QPointF laengs = QPointF(quer.y(), -quer.x()) * 1.5;
                const QPolygonF tick({m - quer * strich + laengs, m + quer * strich + laengs,
                                      m + quer * strich - laengs, m - quer * strich - laengs});
                if (!belegt.Frei(tick)) continue;
                p.save();
                if (!setzeText(p, text, plaetze, QColor(0x1F, 0x4E, 0x79), belegt,
                               KartenBeschriftung::Kilometer)) {
                    p.restore();
                    continue;
                }
                belegt.Belege(tick);
                p.setPen(QPen(QColor(0x1F, 0x4E, 0x79), 1.5, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(m - quer * strich, m + quer * strich);
                p.restore();
            }
        }
    }
}

void Karte::zeichneBeschriftung(QPainter& p, KartenBelegung& belegt) {
    // The name of the marked object beside its mark.
    if (m_hatMarke) {
        const auto o =
            std::find_if(m_daten.objekte.begin(), m_daten.objekte.end(),
                         [this](const KartenObjekt& k) { return k.lage == m_marke && !k.strName.isEmpty(); });
        if (o != m_daten.objekte.end()) {
            p.setFont(schrift(12, true));
            const QFontMetricsF fm(p.font());
            const QPointF m = ZuBildschirm(m_marke);
            const double tw = fm.horizontalAdvance(o->strName);
            std::vector<QTransform> plaetze;
            for (const QPointF v : {QPointF(28, fm.ascent() / 2), QPointF(-28 - tw, fm.ascent() / 2),
                                    QPointF(-tw / 2, -29), QPointF(-tw / 2, 28 + fm.ascent())})
                plaetze.push_back(QTransform::fromTranslate(m.x() + v.x(), m.y() + v.y()));
            setzeText(p, o->strName, plaetze, kMarke.darker(140), belegt, KartenBeschriftung::Objekt);
        }
    }
    // Names of the planned points first: they matter most.
    p.setFont(schrift(12, true));
    const QFontMetricsF fg(p.font());
    for (const auto& l : m_geplant) {
        const auto o =
            std::find_if(m_daten.objekte.begin(), m_daten.objekte.end(),
                         [&l](const KartenObjekt& k) { return k.lage == l && !k.strName.isEmpty(); });
        if (o == m_daten.objekte.end()) continue;
        const QPointF m = ZuBildschirm(l);
        const double tw = fg.horizontalAdvance(o->strName);
        std::vector<QTransform> plaetze;
        // Beside the circle first, then a little further away.
        for (const double weit : {0.0, 16.0, 32.0})
            for (const QPointF v :
                 {QPointF(14 + weit, 5), QPointF(-14 - tw - weit, 5), QPointF(-tw / 2, -15 - weit),
                  QPointF(-tw / 2, 24 + weit), QPointF(14 + weit, -12 - weit), QPointF(14 + weit, 20 + weit),
                  QPointF(-14 - tw - weit, -12 - weit), QPointF(-14 - tw - weit, 20 + weit)})
                plaetze.push_back(QTransform::fromTranslate(m.x() + v.x(), m.y() + v.y()));
        p.setFont(schrift(12, true));
        setzeText(p, o->strName, plaetze, kGeplant.darker(130), belegt, KartenBeschriftung::Routenpunkt);
    }

    // Other names stay off the routes.
    for (const auto* route : {&m_geplant, &m_optimiert}) {
        for (size_t i = 1; i < route->size(); ++i) {
            const QLineF strecke(ZuBildschirm((*route)[i - 1]), ZuBildschirm((*route)[i]));
            if (strecke.length() < 0.5) continue;
            const QPointF quer = QPointF(-strecke.dy(), strecke.dx()) / strecke.length() * 4.0;
            belegt.Belege(QPolygonF(
                {strecke.p1() + quer, strecke.p2() + quer, strecke.p2() - quer, strecke.p1() - quer}));
        }
    }

    // The cities before anything else is named.
    zeichneOrte(p, belegt, 1, 1);

    // Waterway names along their line where it is on screen, beside the water.
    p.setFont(schrift(12, true, true));
    const QFontMetricsF fm(p.font());
    // Clear of the water and of the marks on it, whichever way the water runs.
    const double abstand = std::max(wasserBreite() / 2, symbolGroesse() * 0.71) + 2;
    const QRectF innen = QRectF(rect()).adjusted(10, 10, -10, -10);
    // The lines on screen, by waterway: a name keeps off the lines of the others and their junctions.
    std::vector<std::vector<QLineF>> linien(m_daten.gewaesser.size());
    const QRectF sichtbar = QRectF(rect()).adjusted(-50, -50, 50, 50);
    for (size_t gi = 0; gi < m_bildLinien.size(); ++gi) {
        const QPolygonF& bild = m_bildLinien[gi];
        for (int i = 1; i < bild.size(); ++i)
            if (sichtbar.contains(bild[i - 1]) || sichtbar.contains(bild[i]))
                linien[gi].emplace_back(bild[i - 1], bild[i]);
    }
    for (const auto& [von, nach] : m_daten.abzweige) {
        QPointF l;
        if (!m_daten.Lage(von, l)) continue;
        const QPointF m = ZuBildschirm(l);
        if (sichtbar.contains(m)) belegt.Belege(QRectF(m.x() - 12, m.y() - 12, 24, 24));
    }
    // Two rounds: first every name near the middle of its water, then the ones still without a place
    // wherever they fit, so that one name's wide choice does not take another's only room.
    std::vector<char> benannt(m_daten.gewaesser.size(), 0);
    for (const std::vector<double>& anteile :
         {std::vector<double>{0.5, 0.4, 0.6},
          std::vector<double>{0.3, 0.7, 0.2, 0.8, 0.1, 0.9, 0.45, 0.55, 0.35, 0.65, 0.25, 0.75, 0.15, 0.85}})
        for (size_t gi = 0; gi < m_daten.gewaesser.size(); ++gi) {
            if (benannt[gi]) continue;
            const auto& g = m_daten.gewaesser[gi];
            // The stretches of the line that lie on screen, each with its arc length.
            std::vector<std::vector<QPointF>> stuecke(1);
            // The full line, not the thinned one: its name follows the water's own bends.
            for (const auto& l : g.lage) {
                const QPointF m = ZuBildschirm(l);
                if (innen.contains(m))
                    stuecke.back().push_back(m);
                else if (!stuecke.back().empty())
                    stuecke.emplace_back();
            }
            std::sort(stuecke.begin(), stuecke.end(),
                      [](const auto& a, const auto& b) { return a.size() > b.size(); });
            for (const auto& linie : stuecke) {
                if (linie.size() < 2) continue;
                std::vector<double> laenge{0.0};
                for (size_t i = 1; i < linie.size(); ++i)
                    laenge.push_back(laenge.back() + QLineF(linie[i - 1], linie[i]).length());
                // Only the segments near this stretch can cross its name.
                QRectF bereich = QPolygonF(QList<QPointF>(linie.begin(), linie.end())).boundingRect();
                bereich.adjust(-40, -40, 40, 40);
                std::vector<QLineF> nahe;
                for (size_t andere = 0; andere < linien.size(); ++andere) {
                    if (andere == gi) continue;
                    for (const auto& l : linien[andere])
                        if (bereich.intersects(QRectF(l.p1(), l.p2()).normalized().adjusted(-1, -1, 1, 1)))
                            nahe.push_back(l);
                }
                // Where the full name finds no room, its first part may ("Spree (Spree-Oder-Wasserstraße)").
                bool gesetzt = false;
                for (const QString& name :
                     {g.strName, g.strName.section(QStringLiteral(" ("), 0, 0).trimmed()}) {
                    if (gesetzt || fm.horizontalAdvance(name) * 1.2 > laenge.back()) continue;
                    p.setFont(schrift(12, true, true));
                    gesetzt = setzeTextEntlang(p, name, linie, laenge, abstand, belegt, nahe, anteile);
                }
                if (gesetzt) {
                    benannt[gi] = 1;
                    break;
                }
            }
        }

    // Towns and villages, then the kilometre marks.
    zeichneOrte(p, belegt, 3, 2);
    zeichneKilometer(p, belegt);

    if (PixelProKm() < kNamenAbPixelProKm) return;
    // Names of locks, harbours and fuel stations beside their mark.
    p.setFont(schrift(11));
    const QFontMetricsF fo(p.font());
    for (const auto& o : m_daten.objekte) {
        if (o.strName.isEmpty() || !QStringLiteral("SHT").contains(o.typ)) continue;
        const QPointF m = ZuBildschirm(o.lage);
        const double tw = fo.horizontalAdvance(o.strName);
        std::vector<QTransform> plaetze;
        for (const QPointF v : {QPointF(11, fo.ascent() / 2 - 1), QPointF(-11 - tw, fo.ascent() / 2 - 1),
                                QPointF(-tw / 2, -11), QPointF(-tw / 2, 11 + fo.ascent())})
            plaetze.push_back(QTransform::fromTranslate(m.x() + v.x(), m.y() + v.y()));
        p.setFont(schrift(11));
        setzeText(p, o.strName, plaetze, QColor(0x26, 0x32, 0x38), belegt, KartenBeschriftung::Objekt);
    }
}

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

int Karte::objektBei(const QPointF& pixel) const {
    int bester = -1;
    double abstand = 10.0;
    for (size_t i = 0; i < m_daten.objekte.size(); ++i) {
        const QPointF m = ZuBildschirm(m_daten.objekte[i].lage);
        const double d = std::hypot(m.x() - pixel.x(), m.y() - pixel.y());
        if (d < abstand) {
            abstand = d;
            bester = static_cast<int>(i);
        }
    }
    return bester;
}

bool Karte::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* hilfe = static_cast<QHelpEvent*>(event);
        const int i = objektBei(hilfe->pos());
        if (i < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const auto& o = m_daten.objekte[static_cast<size_t>(i)];
        QString text = m_daten.typNamen.value(o.typ, QString(o.typ));
        if (!o.strName.isEmpty()) text = o.strName + QStringLiteral(" (") + text + QLatin1Char(')');
        text += QStringLiteral("\n") + m_daten.gewaesser[static_cast<size_t>(o.gewaesser)].strName;
        QToolTip::showText(hilfe->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void Karte::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit CursorVerlassen();
}

void Karte::mousePressEvent(QMouseEvent* event) {
    // The mark of a chosen object stays until the next click.
    if (m_hatMarke) {
        m_hatMarke = false;
        update();
    }
    if (event->button() != Qt::LeftButton) return;
    m_druckPunkt = m_letzterPunkt = event->position();
    m_ziehen = false;
}

void Karte::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    if (!m_daten.Leer()) {
        const QPointF lage = ZuLage(pos);
        emit CursorBewegt(lage.x(), lage.y());
    }
    if (!(event->buttons() & Qt::LeftButton)) return;
    if (!m_ziehen && std::hypot(pos.x() - m_druckPunkt.x(), pos.y() - m_druckPunkt.y()) < kZiehSchwelle)
        return;
    if (!m_ziehen) setCursor(Qt::ClosedHandCursor);
    m_ziehen = true;
    m_folgtGroesse = false;
    m_mitte -= (pos - m_letzterPunkt) / m_massstab;
    m_letzterPunkt = pos;
    update();
}

void Karte::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool gezogen = m_ziehen;
    m_ziehen = false;
    setCursor(m_punktWahl ? Qt::CrossCursor : Qt::ArrowCursor);
    if (gezogen || !m_punktWahl) return;
    const QPointF lage = ZuLage(event->position());
    emit PositionGewaehlt(lage.x(), lage.y());
}

void Karte::wheelEvent(QWheelEvent* event) {
    const double stufen = event->angleDelta().y() / 120.0;
    if (stufen != 0.0) Zoom(std::pow(1.25, stufen), event->position());
    event->accept();
}

void Karte::keyPressEvent(QKeyEvent* event) {
    const double schritt = 80.0 / m_massstab;
    if (event->key() != Qt::Key_Escape) m_folgtGroesse = false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        Zoom(1.25);
        break;
    case Qt::Key_Minus:
        Zoom(0.8);
        break;
    case Qt::Key_Home:
    case Qt::Key_0:
        Einpassen();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const bool waagrecht = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
        const double richtung = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up ? -1.0 : 1.0;
        (waagrecht ? m_mitte.rx() : m_mitte.ry()) += richtung * schritt;
        update();
        break;
    }
    case Qt::Key_Escape:
        if (m_punktWahl) {
            SetPunktWahl(false);
            emit PunktWahlAbgebrochen();
        }
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace olm3host
