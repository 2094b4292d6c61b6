// The names on the chart: places, waterways along their lines, objects and kilometre marks, each set
// where it is clear of the others.
#include "karte.h"

#include "data/formatting.h"
#include "kartenstil.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>

namespace olm3host {

using namespace kartenstil;

namespace {

/// Towns are named from this zoom on, villages from the next; cities always.
constexpr double kStaedteAbPixelProKm = 2.5;
constexpr double kDoerferAbPixelProKm = 9.0;
/// Kilometre marks stand at least this far apart on screen.
constexpr double kKmAbstandPixel = 110.0;

/// The point at arc length s along a polyline.
QPointF punktBei(const std::vector<QPointF>& linie, const std::vector<double>& laenge, double s) {
    const auto it = std::lower_bound(laenge.begin(), laenge.end(), s);
    if (it == laenge.begin()) return linie.front();
    if (it == laenge.end()) return linie.back();
    const size_t i = static_cast<size_t>(it - laenge.begin());
    const double t = (s - laenge[i - 1]) / std::max(1e-9, laenge[i] - laenge[i - 1]);
    return linie[i - 1] + (linie[i] - linie[i - 1]) * t;
}

/// The arc length of a polyline at each of its points.
std::vector<double> bogenlaengen(const std::vector<QPointF>& linie) {
    std::vector<double> laenge{0.0};
    for (size_t i = 1; i < linie.size(); ++i)
        laenge.push_back(laenge.back() + QLineF(linie[i - 1], linie[i]).length());
    return laenge;
}

} // namespace

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
                std::vector<double> l = bogenlaengen(b);
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
                const std::vector<double> laenge = bogenlaengen(linie);
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

} // namespace olm3host
