#include "browser/routendruck.h"

#include "browser/druckblatt.h"
#include "data/texttable.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace olm3browser {

namespace {

using namespace druck;

/// Left edges of the route plan's columns 0 to 6 (number, km, latitude, longitude, waterway, type, name).
constexpr double kPlanSpalten[] = {10, 20, 44, 86, 128, 188, 228};
/// The statistics: label, duration text, hours, unit.
constexpr double kBerichtSpalten[] = {10, 70, 118, 143};
constexpr double kBerichtRechts = 165;

const QColor kBandSchleuse(222, 222, 222);
const QColor kBandRoutenpunkt(232, 240, 250);

/// The columns of a table on paper: grid column and left edge; the last one runs to the right edge.
struct Spalte {
    int col;
    double x;
    /// A column of free text (waterway and object names): it keeps a readable type and its texts wrap.
    bool umbrechen = false;
};

/// A row of cells ready to print, and how tall it is.
struct Zeile {
    std::vector<Zelle> zellen;
    double hoehe = 0;
};

/// Width of a cell's marks on paper.
double markenBreite(const QPixmap& marke) {
    return marke.isNull() ? 0.0 : kMarkeHoehe * marke.width() / std::max(1, marke.height()) + 1.0;
}

QPixmap markeVon(const QTableWidgetItem* it) {
    const QVariant marke = it->data(Qt::DecorationRole);
    return marke.canConvert<QPixmap>() ? marke.value<QPixmap>() : QPixmap();
}

QFont schriftVon(const QTableWidgetItem* it, const QFont& basis) {
    QFont f = basis;
    if (it->font().bold()) f.setBold(true);
    if (it->font().italic()) f.setItalic(true);
    return f;
}

void druckeZeile(Blatt& blatt, const Zeile& zeile, const QColor& farbe = Qt::black) {
    for (const Zelle& z : zeile.zellen) {
        const double zh = z.hoehe / static_cast<double>(std::max<qsizetype>(1, z.zeilen.size()));
        double textBreite = 0;
        for (const QString& s : z.zeilen)
            textBreite = std::max(textBreite, blatt.breite(s, z.font));
        // The marks stand beside the text: after a left-aligned one, before one aligned otherwise; a
        // centred text is centred together with its marks.
        double textX = z.x;
        Qt::Alignment ausrichtung = z.ausrichtung;
        if (!z.marke.isNull()) {
            const double w = markenBreite(z.marke);
            double markeX = z.x + textBreite + 1.0;
            if (z.ausrichtung & Qt::AlignHCenter) {
                markeX = z.x + std::max(0.0, (z.breite - w - textBreite) / 2);
                textX = markeX + w;
                ausrichtung = Qt::AlignLeft;
            } else if (z.ausrichtung & Qt::AlignRight) {
                markeX = std::max(z.x, z.x + z.breite - textBreite - w);
            }
            blatt.bild(markeX, blatt.y + (zeile.hoehe - kMarkeHoehe) / 2, kMarkeHoehe, z.marke);
        }
        // Cells of fewer lines stand in the middle of the row.
        double yy = blatt.y + (zeile.hoehe - z.hoehe) / 2;
        for (const QString& s : z.zeilen) {
            blatt.text(textX, yy, z.breite - (textX - z.x), zh, ausrichtung, s, z.font, farbe);
            yy += zh;
        }
    }
}

/// A table of a grid on the sheets: the header row first and again on every new page. Each column prints
/// in one type, the largest in which all its printed texts fit.
class Tabelle {
public:
    Tabelle(Blatt& blatt, const QTableWidget* grid, std::vector<Spalte> spalten, double rechts,
            const std::vector<int>& rows)
        : m_blatt(blatt), m_grid(grid), m_spalten(std::move(spalten)), m_rechts(rechts),
          m_schnitt(m_spalten.size(), 0) {
        for (const int row : rows) {
            for (std::size_t i = 0; i < m_spalten.size(); ++i) {
                const QTableWidgetItem* it = m_grid->item(row, m_spalten[i].col);
                if (!it || m_grid->columnSpan(row, m_spalten[i].col) > 1) continue;
                const double breite = textBreite(i, i, it) - markenBreite(markeVon(it));
                // A column of names is set in the type in which its words fit, so that a long name wraps;
                // any other column in the type in which its texts fit on one line.
                const QStringList teile = m_spalten[i].umbrechen
                                              ? it->text().split(QRegularExpression(QStringLiteral("\\s+")),
                                                                 Qt::SkipEmptyParts)
                                              : absaetze(it->text());
                const std::size_t bis = m_spalten[i].umbrechen ? kSpaltenSchnitte : kAnzahlSchnitte;
                const std::size_t s =
                    passenderSchnitt(m_blatt, teile, schriftVon(it, Blatt::schrift()), breite, m_schnitt[i], bis);
                m_schnitt[i] = std::min(s, bis - 1);
            }
        }
    }

    void kopf() {
        Zeile zeile;
        for (std::size_t i = 0; i < m_spalten.size(); ++i) {
            const QTableWidgetItem* h = m_grid->horizontalHeaderItem(m_spalten[i].col);
            // The header stands over its column the way the column's values do.
            const QTableWidgetItem* erste =
                m_grid->rowCount() > 0 ? m_grid->item(0, m_spalten[i].col) : nullptr;
            Zelle z;
            z.x = m_spalten[i].x;
            z.ausrichtung = ausrichtung(erste);
            z.breite = textBreite(i, i, erste);
            z.font = Blatt::schrift(true);
            passeEin(m_blatt, h ? h->text() : QString(), z, 0, kKopfSchnitte);
            zeile.hoehe = std::max(zeile.hoehe, z.hoehe);
            zeile.zellen.push_back(std::move(z));
        }
        zeile.hoehe += kPolster;
        druckeZeile(m_blatt, zeile);
        m_blatt.y += zeile.hoehe;
        m_blatt.linie(kLinks, m_blatt.y, m_rechts);
        m_blatt.y += 0.8;
    }

    /// The grid row set for the sheet; a cell that spans its neighbours takes their room.
    Zeile setze(int row) const {
        Zeile zeile;
        for (std::size_t i = 0; i < m_spalten.size(); ++i) {
            const int col = m_spalten[i].col;
            const int spanne = std::max(1, m_grid->columnSpan(row, col));
            const std::size_t letzte =
                std::min(m_spalten.size() - 1, i + static_cast<std::size_t>(spanne) - 1);
            const QTableWidgetItem* it = m_grid->item(row, col);
            Zelle z;
            z.x = m_spalten[i].x;
            z.ausrichtung = ausrichtung(it);
            z.breite = textBreite(i, letzte, it);
            const std::size_t start = spanne > 1 ? 0 : m_schnitt[i];
            const bool umbrechen = spanne > 1 || m_spalten[i].umbrechen;
            i = letzte;
            if (!it) continue;
            z.font = schriftVon(it, Blatt::schrift());
            z.marke = markeVon(it);
            const double gesamt = z.breite;
            z.breite -= markenBreite(z.marke);
            passeEin(m_blatt, it->text(), z, start, umbrechen ? start + 1 : kAnzahlSchnitte);
            z.breite = gesamt;
            zeile.hoehe = std::max(zeile.hoehe, z.hoehe);
            zeile.zellen.push_back(std::move(z));
        }
        zeile.hoehe += kPolster;
        return zeile;
    }

    /// Prints a grid row; a new page with the header when it does not fit on this one.
    void zeile(int row, const QColor& band = QColor(), bool blnLinieOben = false,
               const QColor& farbe = Qt::black) {
        const Zeile z = setze(row);
        if (m_blatt.y + z.hoehe > kUnten) {
            m_blatt.neueSeite();
            kopf();
        }
        if (band.isValid()) m_blatt.band(m_blatt.y, z.hoehe, band);
        if (blnLinieOben) m_blatt.linie(kLinks, m_blatt.y, m_rechts, Qt::gray);
        druckeZeile(m_blatt, z, farbe);
        m_blatt.y += z.hoehe;
    }

    /// Columns whose texts belong together (latitude and longitude) print in the same type.
    void gleicherSchnitt(int col1, int col2) {
        std::size_t* a = nullptr;
        std::size_t* b = nullptr;
        for (std::size_t i = 0; i < m_spalten.size(); ++i) {
            if (m_spalten[i].col == col1) a = &m_schnitt[i];
            if (m_spalten[i].col == col2) b = &m_schnitt[i];
        }
        if (a && b) *a = *b = std::max(*a, *b);
    }

private:
    double ende(std::size_t i) const { return i + 1 < m_spalten.size() ? m_spalten[i + 1].x : m_rechts; }
    /// The width a cell's text has from column von to column bis.
    double textBreite(std::size_t von, std::size_t bis, const QTableWidgetItem* it) const {
        const double breite = ende(bis) - m_spalten[von].x;
        return breite - luecke(breite, ausrichtung(it));
    }
    static Qt::Alignment ausrichtung(const QTableWidgetItem* it) {
        const Qt::Alignment a =
            it ? Qt::Alignment::fromInt(it->textAlignment()) & Qt::AlignHorizontal_Mask : Qt::Alignment();
        return a ? a : Qt::AlignLeft;
    }

    Blatt& m_blatt;
    const QTableWidget* m_grid;
    std::vector<Spalte> m_spalten;
    double m_rechts;
    std::vector<std::size_t> m_schnitt;
};

std::vector<int> sichtbareZeilen(const QTableWidget* grid) {
    std::vector<int> rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        if (!grid->isRowHidden(r)) rows.push_back(r);
    return rows;
}

void ueberschrift(Blatt& blatt, const QString& s) {
    const QFont f = Blatt::schrift(true);
    blatt.text(kLinks, blatt.y, kRechts - kLinks, blatt.zeilenHoehe(f), Qt::AlignLeft, s, f);
    blatt.y += kNachUeberschrift;
}

void druckePlan(Blatt& blatt, const QTableWidget* plan) {
    ueberschrift(blatt, QStringLiteral("Route"));
    if (!plan) return;
    std::vector<Spalte> spalten;
    for (int c = 0; c < static_cast<int>(std::size(kPlanSpalten)) && c < plan->columnCount(); ++c) {
        // Waterway and name wrap.
        if (!plan->isColumnHidden(c)) spalten.push_back({c, kPlanSpalten[c], c == 4 || c == 6});
    }
    const std::vector<int> rows = sichtbareZeilen(plan);
    Tabelle tabelle(blatt, plan, spalten, kRechts, rows);
    tabelle.gleicherSchnitt(2, 3);
    tabelle.kopf();
    for (const int r : rows)
        tabelle.zeile(r);
}

bool istTrenner(const QTableWidget* bericht, int row) {
    for (int c = 0; c < bericht->columnCount(); ++c) {
        const QTableWidgetItem* it = bericht->item(row, c);
        if (it && !it->text().trimmed().isEmpty()) return false;
    }
    return true;
}

void druckeStatistik(Blatt& blatt, const QTableWidget* bericht) {
    std::vector<Spalte> spalten;
    for (int c = 0; c < static_cast<int>(std::size(kBerichtSpalten)); ++c)
        spalten.push_back({c, kBerichtSpalten[c]});
    std::vector<Zeile> zeilen;
    std::vector<bool> trenner;
    double hoehe = kNachUeberschrift;
    if (bericht) {
        const std::vector<int> rows = sichtbareZeilen(bericht);
        const Tabelle tabelle(blatt, bericht, spalten, kBerichtRechts, rows);
        for (const int r : rows) {
            trenner.push_back(istTrenner(bericht, r));
            zeilen.push_back(tabelle.setze(r));
            hoehe += trenner.back() ? kTrenner : zeilen.back().hoehe;
        }
    }
    // The statistics stand at their place on the sheet unless the plan reaches down to there; when
    // they would not fit below it, they go onto a page of their own.
    blatt.y = std::max(kStatistikOben, blatt.y + kNachUeberschrift);
    if (blatt.y + hoehe > kUnten) blatt.neueSeite();
    ueberschrift(blatt, olm3::TextTable::Builtin().Text(QStringLiteral("frmBinneninfo"), 904, QStringLiteral("Statistik")));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (trenner[i]) {
            blatt.linie(kLinks, blatt.y + kTrenner / 2, kBerichtRechts, Qt::gray);
            blatt.y += kTrenner;
            continue;
        }
        druckeZeile(blatt, zeilen[i]);
        blatt.y += zeilen[i].hoehe;
    }
}

/// The day stages, one block per day: the day and date in bold, then where from and where to with the
/// times, the figures of the day, and its remark.
void druckeEtappen(Blatt& blatt, const QTableWidget* etappen, const QString& strReisetage) {
    if (!etappen || etappen->rowCount() == 0) return;
    const QFont normal = Blatt::schrift(), fett = Blatt::schrift(true);
    const double zh = blatt.zeilenHoehe(normal);
    auto zelle = [&](int r, int c) {
        const QTableWidgetItem* it = etappen->item(r, c);
        return it ? it->text() : QString();
    };
    auto kopf = [&](int c) {
        const QTableWidgetItem* it = etappen->horizontalHeaderItem(c);
        return it ? it->text() : QString();
    };
    blatt.y += kNachUeberschrift;
    if (blatt.y + kNachUeberschrift + 4 * zh > kUnten) blatt.neueSeite();
    ueberschrift(blatt, olm3::TextTable::Builtin().Text(QStringLiteral("Tagesetappen"), 9956, QStringLiteral("Tagesetappen")));
    for (int r = 0; r < etappen->rowCount(); ++r) {
        const bool hinweis = !zelle(r, 10).isEmpty();
        const double hoehe = (hinweis ? 5 : 4) * zh + 2;
        if (blatt.y + hoehe > kUnten) blatt.neueSeite();
        const double breite = kRechts - kLinks;
        blatt.text(kLinks, blatt.y, breite, zh, Qt::AlignLeft, kopf(0) + QStringLiteral(" ") + zelle(r, 0) +
                   QStringLiteral("   ") + zelle(r, 1), fett);
        blatt.y += zh;
        blatt.text(kLinks + 5, blatt.y, breite - 5, zh, Qt::AlignLeft,
                   kopf(3) + QStringLiteral(" ") + zelle(r, 3) + QStringLiteral("   ") + zelle(r, 2), normal);
        blatt.y += zh;
        blatt.text(kLinks + 5, blatt.y, breite - 5, zh, Qt::AlignLeft,
                   kopf(5) + QStringLiteral(" ") + zelle(r, 5) + QStringLiteral("   ") + zelle(r, 4), normal);
        blatt.y += zh;
        blatt.text(kLinks + 5, blatt.y, breite - 5, zh, Qt::AlignLeft,
                   zelle(r, 6) + QStringLiteral(" ") + kopf(6) + QStringLiteral("     ") + kopf(7) +
                       QStringLiteral(" ") + zelle(r, 7) + QStringLiteral(" h     ") + kopf(8) + QStringLiteral(" ") +
                       zelle(r, 8) + QStringLiteral("     ") + kopf(9) + QStringLiteral(" ") + zelle(r, 9) +
                       QStringLiteral(" h"),
                   normal);
        blatt.y += zh;
        if (hinweis) {
            blatt.text(kLinks + 5, blatt.y, breite - 5, zh, Qt::AlignLeft, zelle(r, 10), normal);
            blatt.y += zh;
        }
        blatt.linie(kLinks, blatt.y + 1, kRechts, Qt::gray);
        blatt.y += 2;
    }
    if (!strReisetage.isEmpty()) {
        if (blatt.y + zh > kUnten) blatt.neueSeite();
        blatt.text(kLinks, blatt.y + 1, kRechts - kLinks, zh, Qt::AlignLeft, strReisetage, fett);
        blatt.y += zh + 1;
    }
}

void druckeRoutenTabelle(Blatt& blatt, const RoutenDruckInhalt& inhalt) {
    const QTableWidget* route = inhalt.route;
    std::vector<Spalte> spalten;
    // Waterway (8) and name with the reason of a wait (9) wrap.
    for (int c = 1; c <= static_cast<int>(std::size(kRoutenSpaltenMm)); ++c)
        spalten.push_back({c, kRoutenSpaltenMm[c - 1], c == 8 || c == 9});
    const std::vector<RoutenDruckZeile> zeilen = RoutenDruckZeilen(inhalt);
    std::vector<int> rows;
    for (const RoutenDruckZeile& z : zeilen)
        rows.push_back(z.row);
    // What the boat does not fit is said above the table, in the colour of its rows.
    if (!inhalt.strDurchfahrt.isEmpty()) {
        const QFont f = Blatt::schrift(true);
        const double h = blatt.zeilenHoehe(f) * static_cast<double>(absaetze(inhalt.strDurchfahrt).size());
        blatt.text(kLinks, blatt.y, kRechts - kLinks, h, Qt::AlignLeft, inhalt.strDurchfahrt, f,
                   DurchfahrtFarbe(inhalt.artDurchfahrt));
        blatt.y += h + kPolster;
    }
    Tabelle tabelle(blatt, route, spalten, kRechts, rows);
    tabelle.gleicherSchnitt(10, 11);
    tabelle.kopf();
    for (const RoutenDruckZeile& z : zeilen) {
        // Locks stand out on a grey band; a route point opens its group with a light band and a rule.
        const bool punkt = z.art == DruckZeilenArt::Routenpunkt;
        tabelle.zeile(z.row,
                      z.art == DruckZeilenArt::Schleuse ? kBandSchleuse
                      : punkt                           ? kBandRoutenpunkt
                                                        : QColor(),
                      punkt && z.row != rows.front(), DurchfahrtFarbe(z.durchfahrt));
    }
}

} // namespace

QColor DurchfahrtFarbe(DruckDurchfahrt art) {
    switch (art) {
    case DruckDurchfahrt::PasstNicht: return QColor(190, 0, 0);
    case DruckDurchfahrt::Unbekannt: return QColor(150, 90, 0);
    case DruckDurchfahrt::Keine: break;
    }
    return QColor(Qt::black);
}

std::vector<RoutenDruckZeile> RoutenDruckZeilen(const RoutenDruckInhalt& inhalt) {
    std::vector<RoutenDruckZeile> zeilen;
    const QTableWidget* route = inhalt.route;
    if (!route) return zeilen;
    for (int r = 0; r < route->rowCount(); ++r) {
        if (!inhalt.alleRoutenZeilen && route->isRowHidden(r)) continue;
        zeilen.push_back({r, inhalt.routenZeile ? inhalt.routenZeile(r) : DruckZeilenArt::Normal,
                          inhalt.durchfahrt ? inhalt.durchfahrt(r) : DruckDurchfahrt::Keine});
    }
    return zeilen;
}

void RichteDruckerEin(QPrinter& printer, const QString& strPdfDatei) {
    if (!strPdfDatei.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(strPdfDatei);
    }
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool DruckeRoute(QPrinter& printer, const RoutenDruckInhalt& inhalt, QString& strFehler) {
    Blatt blatt(printer);
    if (!blatt.beginne(strFehler)) return false;
    druckePlan(blatt, inhalt.plan);
    druckeStatistik(blatt, inhalt.bericht);
    druckeEtappen(blatt, inhalt.etappen, inhalt.strReisetage);
    if (inhalt.route && inhalt.route->rowCount() > 0) {
        blatt.neueSeite();
        druckeRoutenTabelle(blatt, inhalt);
    }
    blatt.beende();
    return true;
}

} // namespace olm3browser
