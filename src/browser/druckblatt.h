#pragma once
// The printed sheet of the route view: A4 landscape addressed in millimetres, and how a text is fitted
// into a cell of a printed table (its type, its lines). Used by the route print only.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstddef>

namespace olm3browser::druck {

// The sheet in millimetres: A4 landscape, addressed from its top-left corner.
inline constexpr double kLinks = 10;
inline constexpr double kRechts = 287;
inline constexpr double kOben = 12;
inline constexpr double kUnten = 193;    ///< no row reaches below this
inline constexpr double kFussOben = 197; ///< the line with the page number
inline constexpr double kStatistikOben = 110;
inline constexpr double kNachUeberschrift = 9;
inline constexpr double kLuecke = 2.0;  ///< room a left-aligned text leaves before the next column
inline constexpr double kPolster = 1.6; ///< above and below the text of a row, together
inline constexpr double kTrenner = 3;   ///< height of a separator line of the statistics
inline constexpr double kSchrift = 12;
inline constexpr double kMarkeHoehe = 3.5; ///< the lock marks beside a type

/// One sheet after the other, with a painter that speaks millimetres.
class Blatt {
public:
    explicit Blatt(QPrinter& printer) : m_printer(printer) {}

    bool beginne(QString& strFehler) {
        if (!m_painter.begin(&m_printer)) {
            strFehler =
                m_printer.outputFileName().isEmpty() ? m_printer.printerName() : m_printer.outputFileName();
            return false;
        }
        m_pxProMm = m_printer.resolution() / 25.4;
        m_painter.setPen(Qt::black);
        return true;
    }
    void beende() {
        fuss();
        m_painter.end();
    }
    void neueSeite() {
        fuss();
        m_printer.newPage();
        ++m_seite;
        y = kOben;
    }

    static QFont schrift(bool blnFett = false) {
        QFont f(QStringLiteral("Arial"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(kSchrift);
        f.setBold(blnFett);
        return f;
    }
    double breite(const QString& s, const QFont& f) const {
        return QFontMetricsF(f, &m_printer).horizontalAdvance(s) / m_pxProMm;
    }
    double zeilenHoehe(const QFont& f) const { return QFontMetricsF(f, &m_printer).height() / m_pxProMm; }
    QString gekuerzt(const QString& s, const QFont& f, double mm) const {
        return QFontMetricsF(f, &m_printer).elidedText(s, Qt::ElideRight, mm * m_pxProMm);
    }

    void text(double x, double yy, double w, double h, Qt::Alignment ausrichtung, const QString& s,
              const QFont& f, const QColor& farbe = Qt::black) {
        m_painter.setFont(f);
        m_painter.setPen(farbe);
        m_painter.drawText(rechteck(x, yy, w, h), static_cast<int>(ausrichtung | Qt::AlignTop), s);
        m_painter.setPen(Qt::black);
    }
    void linie(double x1, double yy, double x2, const QColor& farbe = Qt::black) {
        m_painter.save();
        m_painter.setPen(QPen(farbe, 0.25 * m_pxProMm));
        m_painter.drawLine(QPointF(x1 * m_pxProMm, yy * m_pxProMm), QPointF(x2 * m_pxProMm, yy * m_pxProMm));
        m_painter.restore();
    }
    void band(double yy, double h, const QColor& farbe) {
        m_painter.fillRect(rechteck(kLinks, yy, kRechts - kLinks, h), farbe);
    }
    void bild(double x, double yy, double h, const QPixmap& pixmap) {
        const double w = h * pixmap.width() / std::max(1, pixmap.height());
        m_painter.drawPixmap(rechteck(x, yy, w, h), pixmap, QRectF(pixmap.rect()));
    }

    double y = kOben;

private:
    QRectF rechteck(double x, double yy, double w, double h) const {
        return QRectF(x * m_pxProMm, yy * m_pxProMm, w * m_pxProMm, h * m_pxProMm);
    }
    /// The page number at the foot of the sheet.
    void fuss();

    QPrinter& m_printer;
    QPainter m_painter;
    double m_pxProMm = 1.0;
    int m_seite = 1;
};

/// The type of a cell, from the printer's size down, never below 8 pt and never condensed. A column takes
/// the first of the larger ones that lets all its texts fit; a longer text is wrapped in the column's type,
/// and only a single word too wide for its column goes down to the smaller ones.
struct Schnitt {
    double pt;
    int stretch;
};
inline constexpr Schnitt kSchnitte[] = {{12, 100}, {11.5, 100}, {11, 100}, {10.5, 100}, {10, 100},
                                 {9.5, 100}, {9, 100},   {8.5, 100}, {8, 100}};
inline constexpr std::size_t kAnzahlSchnitte = std::size(kSchnitte);
/// Headers are made smaller only a little; then they are wrapped.
inline constexpr std::size_t kKopfSchnitte = 3;
/// A column of names is made smaller down to 10 pt; below that its texts are wrapped.
inline constexpr std::size_t kSpaltenSchnitte = 5;

/// A cell made ready for the sheet: its lines in the type that lets them fit the column.
struct Zelle {
    double x = 0, breite = 0;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    QStringList zeilen;
    QFont font;
    QPixmap marke;
    double hoehe = 0;
};

/// Room a text leaves before the next column: a right-aligned number more in a wide column, so that it
/// does not run into the text that begins there.
double luecke(double spaltenBreite, Qt::Alignment ausrichtung);
/// The paragraphs of a text.
QStringList absaetze(const QString& text);
/// The first type from start on (before bis) in which every line of the text fits the width; bis if none.
std::size_t passenderSchnitt(const Blatt& blatt, const QStringList& zeilen, const QFont& basis, double breite,
                             std::size_t start, std::size_t bis = kAnzahlSchnitte);
/// Fits a text into its cell: in the first of the types from start to before bis in which it fits; else
/// wrapped at blanks in the last of them; else in a smaller type; and as the last resort wrapped in the
/// smallest type with a word that is still too wide cut by an ellipsis.
void passeEin(const Blatt& blatt, const QString& text, Zelle& z, std::size_t start,
              std::size_t bis = kAnzahlSchnitte);

} // namespace olm3browser::druck
