#include "pictures.h"

#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace olm3host {

namespace {

constexpr int kGroesse = 48;

// One palette for every icon.
const QColor kBlau(0x1F, 0x6F, 0xB2);
const QColor kGrauKachel(0xE2, 0xE2, 0xE2);
const QColor kGrauZeichen(0x9E, 0x9E, 0x9E);
const QColor kGruen(0x2E, 0x7D, 0x32);
const QColor kDunkel(0x37, 0x47, 0x4F);
const QColor kRot(0xC6, 0x28, 0x28);
const QColor kOrange(0xEF, 0x6C, 0x00);
const QColor kGelb(0xF9, 0xA8, 0x25);

enum class Zeichen {
    Apotheke,
    Dusche,
    Kran,
    Gastliegeplatz,
    Post,
    Restaurant,
    Slipanlage,
    Strom,
    Waschmaschine,
    Wasser,
    WC,
    Werft,
    Trockner,
};

/// Harbour facilities: picture id when available, id when not, and the sign they show.
struct Einrichtung {
    std::int32_t idJa;
    std::int32_t idNein;
    Zeichen zeichen;
};
constexpr Einrichtung kEinrichtungen[] = {
    {224, 274, Zeichen::Wasser},   {218, 268, Zeichen::Strom},          {225, 275, Zeichen::WC},
    {202, 252, Zeichen::Dusche},   {212, 262, Zeichen::Gastliegeplatz}, {223, 273, Zeichen::Waschmaschine},
    {210, 260, Zeichen::Kran},     {226, 276, Zeichen::Werft},          {214, 264, Zeichen::Restaurant},
    {279, 280, Zeichen::Trockner}, {216, 278, Zeichen::Slipanlage},     {200, 250, Zeichen::Apotheke},
    {213, 263, Zeichen::Post},
};

/// A transparent 48 x 48 picture that f draws on.
template <typename F> QPixmap male(F f) {
    QPixmap pm(kGroesse, kGroesse);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    f(p);
    return pm;
}

QPen stift(const QColor& c, double breite) {
    return QPen(c, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void kachel(QPainter& p, const QColor& grund) {
    p.setPen(Qt::NoPen);
    p.setBrush(grund);
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);
}

void schrift(QPainter& p, const QRectF& r, const QString& text, int punkt, const QColor& farbe) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(punkt);
    f.setBold(true);
    p.setFont(f);
    p.setPen(farbe);
    p.drawText(r, Qt::AlignCenter, text);
}

void zeichneTrommel(QPainter& p, const QColor& c) {
    p.setPen(stift(c, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(11, 8, 26, 32), 3, 3);
    p.drawLine(QPointF(11, 15), QPointF(37, 15));
    p.drawEllipse(QPointF(24, 28), 7.5, 7.5);
}

/// The sign of a harbour facility in colour c on a 48 x 48 ground.
void zeichne(QPainter& p, Zeichen z, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(stift(c, 3));
    switch (z) {
    case Zeichen::Apotheke:
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRect(QRectF(19, 10, 10, 28));
        p.drawRect(QRectF(10, 19, 28, 10));
        break;
    case Zeichen::Dusche: {
        QPainterPath rohr(QPointF(13, 40));
        rohr.lineTo(13, 12);
        rohr.lineTo(27, 12);
        rohr.lineTo(27, 16);
        p.drawPath(rohr);
        p.setBrush(c);
        p.drawPolygon(QPolygonF({QPointF(21, 17), QPointF(33, 17), QPointF(36, 22), QPointF(18, 22)}));
        p.setPen(stift(c, 2.5));
        for (double x : {20.0, 27.0, 34.0}) {
            p.drawLine(QPointF(x, 27), QPointF(x - 1, 31));
            p.drawLine(QPointF(x - 1.5, 35), QPointF(x - 2.5, 39));
        }
        break;
    }
    case Zeichen::Kran:
        p.drawLine(QPointF(16, 40), QPointF(16, 9));
        p.drawLine(QPointF(10, 9), QPointF(39, 9));
        p.drawLine(QPointF(16, 17), QPointF(24, 9));
        p.drawLine(QPointF(34, 9), QPointF(34, 24));
        p.drawArc(QRectF(29, 22, 8, 8), 180 * 16, 180 * 16);
        p.drawLine(QPointF(9, 40), QPointF(25, 40));
        break;
    case Zeichen::Gastliegeplatz:
        p.drawLine(QPointF(24, 8), QPointF(24, 29));
        p.setBrush(c);
        p.drawPolygon(QPolygonF({QPointF(26, 10), QPointF(26, 26), QPointF(37, 26)}));
        p.drawPolygon(QPolygonF({QPointF(7, 30), QPointF(41, 30), QPointF(35, 38), QPointF(13, 38)}));
        break;
    case Zeichen::Post:
        p.drawRect(QRectF(9, 13, 30, 22));
        p.drawPolyline(QPolygonF({QPointF(9, 13), QPointF(24, 26), QPointF(39, 13)}));
        break;
    case Zeichen::Restaurant:
        for (double x : {13.0, 17.5, 22.0})
            p.drawLine(QPointF(x, 9), QPointF(x, 18));
        p.drawArc(QRectF(13, 12, 9, 10), 180 * 16, 180 * 16);
        p.drawLine(QPointF(17.5, 22), QPointF(17.5, 39));
        {
            QPainterPath messer(QPointF(32, 39));
            messer.lineTo(32, 9);
            messer.cubicTo(QPointF(38, 12), QPointF(38, 22), QPointF(32, 25));
            p.drawPath(messer);
        }
        break;
    case Zeichen::Slipanlage: {
        p.drawLine(QPointF(6, 36), QPointF(42, 18));
        p.setBrush(c);
        QPolygonF boot({QPointF(20, 22), QPointF(36, 14), QPointF(35, 20), QPointF(24, 26)});
        p.drawPolygon(boot);
        p.setBrush(Qt::NoBrush);
        p.setPen(stift(c, 2.5));
        QPainterPath welle(QPointF(6, 42));
        welle.cubicTo(QPointF(10, 38), QPointF(14, 46), QPointF(18, 42));
        welle.cubicTo(QPointF(22, 38), QPointF(26, 46), QPointF(30, 42));
        p.drawPath(welle);
        break;
    }
    case Zeichen::Strom:
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPolygon(QPolygonF({QPointF(28, 6), QPointF(13, 27), QPointF(23, 27), QPointF(19, 42),
                                 QPointF(35, 19), QPointF(25, 19), QPointF(30, 6)}));
        break;
    case Zeichen::Waschmaschine: {
        zeichneTrommel(p, c);
        p.setPen(stift(c, 2));
        QPainterPath welle(QPointF(18.5, 29));
        welle.cubicTo(QPointF(21, 26), QPointF(23, 32), QPointF(25, 29));
        welle.cubicTo(QPointF(27, 26), QPointF(28, 31), QPointF(29.5, 29));
        p.drawPath(welle);
        p.setBrush(c);
        p.drawEllipse(QPointF(15, 11.5), 1.2, 1.2);
        break;
    }
    case Zeichen::Trockner: {
        zeichneTrommel(p, c);
        p.setBrush(c);
        p.setPen(Qt::NoPen);
        for (double x : {20.5, 24.0, 27.5})
            p.drawEllipse(QPointF(x, 28), 1.5, 1.5);
        p.setPen(stift(c, 2));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(28, 11.5), QPointF(34, 11.5));
        break;
    }
    case Zeichen::Wasser: {
        QPainterPath tropfen(QPointF(24, 7));
        tropfen.cubicTo(QPointF(30, 17), QPointF(36, 23), QPointF(36, 30));
        tropfen.cubicTo(QPointF(36, 37), QPointF(30, 42), QPointF(24, 42));
        tropfen.cubicTo(QPointF(18, 42), QPointF(12, 37), QPointF(12, 30));
        tropfen.cubicTo(QPointF(12, 23), QPointF(18, 17), QPointF(24, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(tropfen);
        break;
    }
    case Zeichen::WC:
        schrift(p, QRectF(0, 0, kGroesse, kGroesse), QStringLiteral("WC"), 19, c);
        break;
    case Zeichen::Werft:
        p.setPen(stift(c, 6));
        p.drawLine(QPointF(12, 36), QPointF(27, 21));
        p.setPen(stift(c, 3.5));
        p.drawArc(QRectF(24, 8, 16, 16), -45 * 16, 270 * 16);
        break;
    }
}

QPixmap einrichtung(Zeichen z, bool vorhanden) {
    return male([&](QPainter& p) {
        kachel(p, vorhanden ? kBlau : kGrauKachel);
        zeichne(p, z, vorhanden ? QColor(Qt::white) : kGrauZeichen);
    });
}

void zapfsaeule(QPainter& p, const QColor& c, const QColor& fenster, const QString& sorte) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(10, 9, 19, 31), 2, 2);
    p.drawRect(QRectF(7, 38, 25, 4));
    p.setPen(stift(c, 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath schlauch(QPointF(29, 15));
    schlauch.lineTo(35, 19);
    schlauch.lineTo(35, 33);
    schlauch.cubicTo(QPointF(35, 37), QPointF(39, 37), QPointF(39, 33));
    schlauch.lineTo(39, 17);
    p.drawPath(schlauch);
    p.setPen(Qt::NoPen);
    p.setBrush(fenster);
    p.drawRect(QRectF(13, 12, 13, 9));
    if (!sorte.isEmpty()) schrift(p, QRectF(10, 22, 19, 16), sorte, sorte.size() > 1 ? 9 : 12, fenster);
}

QPixmap pumpe(const QColor& links, const QColor& rechts, const QString& sorte) {
    return male([&](QPainter& p) {
        kachel(p, links);
        if (rechts != links) {
            p.setClipRect(QRectF(24, 0, 24, kGroesse));
            kachel(p, rechts);
            p.setClipping(false);
        }
        zapfsaeule(p, Qt::white, links, sorte);
    });
}

/// A round button face with a white sign drawn by f.
template <typename F> QPixmap knopf(const QColor& grund, F f) {
    return male([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(grund);
        p.drawEllipse(QPointF(24, 24), 21, 21);
        p.setPen(stift(Qt::white, 4.5));
        p.setBrush(Qt::NoBrush);
        f(p);
    });
}

QPixmap pfeil(bool nachOben) {
    return knopf(kBlau, [nachOben](QPainter& p) {
        const double s = nachOben ? -1.0 : 1.0;
        p.drawLine(QPointF(24, 24 - 11 * s), QPointF(24, 24 + 11 * s));
        p.drawPolyline(
            QPolygonF({QPointF(15, 24 + 2 * s), QPointF(24, 24 + 11 * s), QPointF(33, 24 + 2 * s)}));
    });
}

QPixmap zurueck() {
    return knopf(kDunkel, [](QPainter& p) {
        QPainterPath bogen(QPointF(17, 19));
        bogen.lineTo(28, 19);
        bogen.cubicTo(QPointF(37, 19), QPointF(37, 34), QPointF(28, 34));
        bogen.lineTo(20, 34);
        p.drawPath(bogen);
        p.drawPolyline(QPolygonF({QPointF(23, 12), QPointF(16, 19), QPointF(23, 26)}));
    });
}

QPixmap drucker() {
    return male([](QPainter& p) {
        p.setPen(stift(kDunkel, 3));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 6, 20, 12));
        p.setBrush(kDunkel);
        p.drawRoundedRect(QRectF(6, 17, 36, 17), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 28, 20, 14));
        p.setPen(stift(kDunkel, 2));
        p.drawLine(QPointF(18, 33), QPointF(30, 33));
        p.drawLine(QPointF(18, 37), QPointF(30, 37));
    });
}

QPixmap komponente() {
    return male([](QPainter& p) {
        kachel(p, QColor(0xE3, 0xF0, 0xFA));
        QPainterPath fluss(QPointF(2, 34));
        fluss.cubicTo(QPointF(14, 22), QPointF(30, 44), QPointF(46, 26));
        p.setPen(stift(kBlau, 8));
        p.drawPath(fluss);
        p.setPen(stift(kDunkel, 2));
        p.drawLine(QPointF(24, 8), QPointF(24, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(kRot);
        p.drawPolygon(QPolygonF({QPointF(25, 9), QPointF(25, 22), QPointF(34, 22)}));
        p.setBrush(kDunkel);
        p.drawPolygon(QPolygonF({QPointF(13, 25), QPointF(37, 25), QPointF(33, 31), QPointF(17, 31)}));
    });
}

QPixmap hinweis(const QColor& grund, const QString& text) {
    return knopf(grund,
                 [&text](QPainter& p) { schrift(p, QRectF(0, 0, kGroesse, kGroesse), text, 17, Qt::white); });
}

QPixmap typSymbol(QChar typ) {
    return male([&](QPainter& p) { ZeichneLegendenSymbol(p, typ, QPointF(24, 24), 24); });
}

QPixmap zeichneBild(std::int32_t id) {
    for (const auto& e : kEinrichtungen) {
        if (id == e.idJa) return einrichtung(e.zeichen, true);
        if (id == e.idNein) return einrichtung(e.zeichen, false);
    }
    switch (id) {
    case 101:
        return komponente();
    case 219:
        return pumpe(kGruen, kGruen, QStringLiteral("B"));
    case 220:
        return pumpe(kDunkel, kDunkel, QStringLiteral("D"));
    case 221:
        return pumpe(kGruen, kDunkel, QStringLiteral("BD"));
    case 540:
        return knopf(kBlau, [](QPainter& p) {
            p.drawPolyline(QPolygonF({QPointF(19, 13), QPointF(30, 24), QPointF(19, 35)}));
        });
    case 573:
        return pfeil(true);
    case 600:
        return pfeil(false);
    case 609:
        return zurueck();
    case 610:
        return drucker();
    case 611:
        return hinweis(kOrange, QStringLiteral("NB"));
    case 612:
        return hinweis(kRot, QStringLiteral("SR"));
    case 613:
        return typSymbol(QLatin1Char('S'));
    case 614:
        return typSymbol(QLatin1Char('B'));
    case 621:
        return male([](QPainter& p) { zapfsaeule(p, kOrange, Qt::white, QString()); });
    default:
        return QPixmap();
    }
}

} // namespace

const std::vector<std::int32_t>& BildIDs() {
    static const std::vector<std::int32_t> ids = [] {
        std::vector<std::int32_t> v{101, 219, 220, 221, 540, 573, 600, 609, 610, 611, 612, 613, 614, 621};
        for (const auto& e : kEinrichtungen) {
            v.push_back(e.idJa);
            v.push_back(e.idNein);
        }
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
        return v;
    }();
    return ids;
}

QPixmap Bild(std::int32_t lngBildID) {
    static QHash<std::int32_t, QPixmap> cache;
    const auto it = cache.constFind(lngBildID);
    if (it != cache.constEnd()) return *it;
    const QPixmap pm = zeichneBild(lngBildID);
    cache.insert(lngBildID, pm);
    return pm;
}

const QString& KartenTypen() {
    static const QString typen = QStringLiteral("SBHTLWA");
    return typen;
}

void ZeichneTypSymbol(QPainter& p, QChar typ, const QPointF& mitte, double g, double dblWinkel) {
    const double h = g / 2.0;
    p.save();
    p.translate(mitte);
    const QPen rand(Qt::white, std::max(1.0, g / 10.0));
    // Locks, bridges and weirs lie across the water: drawn for water running left to right, then turned.
    switch (typ.toUpper().unicode()) {
    case 'S': // lock: the chamber along the water with a gate at each end
        p.rotate(dblWinkel);
        p.setPen(rand);
        p.setBrush(kRot);
        p.drawRect(QRectF(-h * 1.15, -h * 0.8, g * 1.15, g * 0.8));
        p.setPen(QPen(Qt::white, std::max(1.5, g / 7.0)));
        p.drawLine(QPointF(-h * 0.6, -h * 0.5), QPointF(-h * 0.6, h * 0.5));
        p.drawLine(QPointF(h * 0.6, -h * 0.5), QPointF(h * 0.6, h * 0.5));
        break;
    case 'B': // bridge: a deck across the water
        p.rotate(dblWinkel);
        p.setPen(QPen(Qt::white, std::max(1.0, g / 12.0)));
        p.setBrush(kDunkel);
        p.drawRoundedRect(QRectF(-h * 0.35, -h * 1.2, h * 0.7, g * 1.2), h * 0.15, h * 0.15);
        break;
    case 'W': { // weir: a row of teeth across the water
        p.rotate(dblWinkel);
        p.setPen(QPen(QColor(0x6D, 0x4C, 0x41), std::max(1.5, g / 7.0), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPolygonF zacken;
        for (int i = 0; i <= 4; ++i)
            zacken << QPointF((i % 2) ? h * 0.45 : -h * 0.45, -h + i * h / 2.0);
        p.drawPolyline(zacken);
        break;
    }
    case 'H': // harbour: an anchor on blue
        p.setPen(rand);
        p.setBrush(QColor(0x15, 0x65, 0xC0));
        p.drawEllipse(QPointF(), h, h);
        p.setPen(QPen(Qt::white, std::max(1.2, g / 10.0), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(0, -h * 0.55), QPointF(0, h * 0.55));
        p.drawLine(QPointF(-h * 0.3, -h * 0.3), QPointF(h * 0.3, -h * 0.3));
        p.drawArc(QRectF(-h * 0.55, -h * 0.25, h * 1.1, h * 0.8), 180 * 16, 180 * 16);
        break;
    case 'T': // fuel station: a pump on orange
        p.setPen(rand);
        p.setBrush(kOrange);
        p.drawRoundedRect(QRectF(-h, -h, g, g), g / 6.0, g / 6.0);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-h * 0.5, -h * 0.55, h * 0.65, h * 1.1));
        p.drawRect(QRectF(h * 0.2, -h * 0.3, h * 0.3, h * 0.12));
        p.drawRect(QRectF(h * 0.4, -h * 0.3, h * 0.12, h * 0.7));
        break;
    case 'L': // berth: a green diamond
        p.setPen(rand);
        p.setBrush(kGruen);
        p.drawPolygon(QPolygonF({QPointF(0, -h), QPointF(h, 0), QPointF(0, h), QPointF(-h, 0)}));
        break;
    case 'A': // junction: a small ring
        p.setPen(QPen(kDunkel, std::max(1.2, g / 6.0)));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(), h * 0.7, h * 0.7);
        break;
    default:
        break;
    }
    p.restore();
}

void ZeichneLegendenSymbol(QPainter& p, QChar typ, const QPointF& mitte, double dblGroesse) {
    // A piece of water, as the chart draws it, under the mark.
    p.save();
    p.setPen(QPen(QColor(0x3F, 0x78, 0xB0), dblGroesse * 0.45, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(mitte - QPointF(dblGroesse * 0.9, 0), mitte + QPointF(dblGroesse * 0.9, 0));
    p.setPen(QPen(QColor(0x8E, 0xC3, 0xEA), dblGroesse * 0.3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(mitte - QPointF(dblGroesse * 0.9, 0), mitte + QPointF(dblGroesse * 0.9, 0));
    p.restore();
    ZeichneTypSymbol(p, typ, mitte, typ == QLatin1Char('A') ? dblGroesse * 0.75 : dblGroesse);
}

QPixmap BildLader::LoadPicture(const QString& strPfad) {
    QString pfad = strPfad;
    if (!QFileInfo(pfad).isFile()) pfad.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QPixmap pm;
    if (!QFileInfo(pfad).isFile() || !pm.load(pfad)) return QPixmap();
    return pm;
}

} // namespace olm3host
