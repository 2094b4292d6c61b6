#include "berichtdruck.h"

#include "hosttexts.h"
#include "olm3binnen/clsOLM3Binnen.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace olm3host {

namespace {

QString ortDerZeile(const typRouteOptimiert& r) {
    if (!r.strName.isEmpty()) return r.strName + QStringLiteral(", ") + r.strBinnen;
    if (!r.strBezeichnung.trimmed().isEmpty())
        return r.strBezeichnung.trimmed() + QStringLiteral(", ") + r.strBinnen;
    return r.strBinnen;
}

QFont schrift(double punkt, bool fett = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(punkt);
    f.setBold(fett);
    return f;
}

} // namespace

bool BerichtDerRoute(const clsOLM3Binnen& olm, IOLM3Cfg& cfg, Bericht& bericht) {
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    if (!olm.GetRouteOptimiert(route, summen) || route.empty()) return false;
    bericht.zeilen = olm3::routing::BerichtZeilen(summen.dblStrecke, summen.dblSummeDurchgangszeit,
                                                  summen.dblSummeWartezeit, summen.dblSummeFahrzeit,
                                                  summen.datStartZeit, cfg.GetBerichtWert());
    bericht.strVon = ortDerZeile(route.front());
    bericht.strNach = ortDerZeile(route.back());
    bericht.lngVonPunkteID = route.front().lngPunkteID;
    bericht.lngNachPunkteID = route.back().lngPunkteID;
    return true;
}

void DruckeBericht(QPrinter& drucker, const Bericht& bericht) {
    QPainter p(&drucker);
    const double mm = drucker.resolution() / 25.4;
    const QRectF seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const double links = 10 * mm;
    const double breite = seite.width() - 20 * mm;
    double y = 10 * mm;

    auto zeile = [&](const QString& text, const QFont& f, const QColor& farbe, double abstandDanach) {
        p.setFont(f);
        p.setPen(farbe);
        const QRectF r = p.boundingRect(QRectF(links, y, breite, 1000 * mm), Qt::TextWordWrap, text);
        p.drawText(r, Qt::TextWordWrap, text);
        y = r.bottom() + abstandDanach;
    };
    zeile(HostText(txt::DruckTitel), schrift(20, true), QColor(0x17, 0x3A, 0x66), 2 * mm);
    if (!bericht.strKatalog.isEmpty())
        zeile(HostText(txt::Katalog).arg(bericht.strKatalog), schrift(11), Qt::black, 1 * mm);
    if (!bericht.strVon.isEmpty())
        zeile(HostText(txt::DruckRoute).arg(bericht.strVon, bericht.strNach), schrift(11), Qt::black, 1 * mm);
    zeile(HostText(txt::DruckDatum)
              .arg(QLocale(QLocale::German)
                       .toString(QDateTime::currentDateTime(), QStringLiteral("dd.MM.yyyy HH:mm"))),
          schrift(9), QColor(0x60, 0x60, 0x60), 6 * mm);

    // The report's four columns: label, duration text, decimal value, unit. Equal middle cells are one.
    const QFont f = schrift(12);
    p.setFont(f);
    const QFontMetricsF fm(f, &drucker);
    const double luft = 6 * mm;
    double spalte[4] = {0, 0, 0, 0};
    double vereint = 0;
    for (const auto& z : bericht.zeilen) {
        if (z.blnTrenner) continue;
        for (int c = 0; c < 4; ++c) {
            const double w = fm.horizontalAdvance(z.zellen[static_cast<size_t>(c)]);
            if (c == 1 && z.zellen[1] == z.zellen[2])
                vereint = std::max(vereint, w);
            else
                spalte[c] = std::max(spalte[c], w);
        }
    }
    spalte[1] = std::max(spalte[1], vereint - luft - spalte[2]);
    const double x1 = links + spalte[0] + luft;
    const double x2 = x1 + spalte[1] + luft;
    const double x3 = x2 + spalte[2];
    const double hoehe = fm.height() * 1.5;
    const double tabellenBreite = x3 + spalte[3] + luft - links;
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0.3 * mm));
    p.drawLine(QPointF(links, y), QPointF(links + tabellenBreite, y));
    for (const auto& z : bericht.zeilen) {
        if (z.blnTrenner) {
            p.fillRect(QRectF(links, y + 1 * mm, tabellenBreite, 1.5 * mm), QColor(0xD8, 0xD8, 0xD8));
            y += 3.5 * mm;
            continue;
        }
        p.setPen(Qt::black);
        const auto zelle = [&](double x0, double x, const QString& t, Qt::Alignment a) {
            p.drawText(QRectF(x0, y, x - x0, hoehe), a | Qt::AlignVCenter, t);
        };
        zelle(links, x1, z.zellen[0], Qt::AlignLeft);
        if (z.zellen[1] == z.zellen[2]) {
            zelle(x1, x3, z.zellen[1], Qt::AlignRight);
        } else {
            zelle(x1, x1 + spalte[1], z.zellen[1], Qt::AlignRight);
            zelle(x2, x3, z.zellen[2], Qt::AlignRight);
        }
        zelle(x3, x3 + spalte[3] + luft, z.zellen[3], Qt::AlignLeft);
        y += hoehe;
    }
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0.3 * mm));
    p.drawLine(QPointF(links, y), QPointF(links + tabellenBreite, y));

    if (!bericht.strHinweis.isEmpty()) {
        y = std::max(y + 10 * mm, seite.height() - 30 * mm);
        zeile(bericht.strHinweis, schrift(8), QColor(0x80, 0x30, 0x30), 0);
    }
}

bool BerichtAlsPdf(const QString& strDatei, const Bericht& bericht) {
    // A file that cannot be written leaves the printer invalid; the check keeps QPainter from warning.
    QFile probe(strDatei);
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(strDatei);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    drucker.setCreator(QStringLiteral("OLM3Binnen"));
    drucker.setDocName(HostText(txt::DruckTitel));
    if (!drucker.isValid()) return false;
    DruckeBericht(drucker, bericht);
    return QFileInfo(strDatei).size() > 0;
}

} // namespace olm3host
