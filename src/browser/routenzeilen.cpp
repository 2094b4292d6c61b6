// The rows of the route view: the route points, the legs between them and the detail rows of a group,
// their cells and lock marks, the totals and the boat's clearance.
#include "browser/routenansicht.h"
#include "browser/routenansicht_internal.h"
#include "browser/tagesetappenansicht.h"

#include "data/formatting.h"
#include "olm3binnen/windowowner.h"
#include "planning/frmRoutenPlanung.h"
#include "routing/core/durchfahrt.h"
#include "routing/core/routenpunktnummern.h"
#include "routing/core/wartegrund.h"
#include "ui/windowhelpers.h"
#include "ui/wochentag.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

using namespace modOLM3Binnen;
using namespace olm3browser::routenansicht;

namespace {

constexpr int kMarkeHoehe = 16;
constexpr int kGewaesserBreite = 260;
const QColor kFarbeRoutenpunkt(226, 236, 248);
const QColor kFarbeStrecke(244, 244, 236);
const QColor kFarbeZeit(20, 60, 160);
const QColor kFarbeWarnung(160, 0, 0);

QString kmText(double v) {
    return FormatNumber(v, QStringLiteral("0.0"));
}

/// "Ddd, dd.mm.yyyy hh:nn" with the German weekday abbreviation of the text table.
QString zeitText(const QDateTime& dat) {
    return olm3ui::WochentagKurz(frmRoutenPlanung::kModul, dat.date()) + QStringLiteral(", ") +
           FormatDatum(dat, QStringLiteral("dd.mm.yyyy hh:nn"));
}

bool istNachBedarf(const typRouteOptimiert& r) {
    const QString nb = QStringLiteral("NB");
    return r.strNB.trimmed().compare(nb, Qt::CaseInsensitive) == 0 ||
           r.strSR.trimmed().compare(nb, Qt::CaseInsensitive) == 0;
}

bool hatSonderregel(const typRouteOptimiert& r) {
    const QString sr = r.strSR.trimmed();
    return !sr.isEmpty() && sr.compare(QStringLiteral("NB"), Qt::CaseInsensitive) != 0;
}

/// The marks of a lock row side by side; a null picture when it has none.
QPixmap markenVon(const typRouteOptimiert& r) {
    std::vector<QPixmap> bilder;
    if (istNachBedarf(r)) bilder.push_back(markenBild(kBildNB));
    if (hatSonderregel(r)) bilder.push_back(markenBild(kBildSR));
    if (bilder.empty()) return QPixmap();
    int breite = 0;
    for (const QPixmap& b : bilder)
        breite += b.width() + 2;
    QPixmap alle(breite, kMarkeHoehe);
    alle.fill(Qt::transparent);
    QPainter p(&alle);
    int x = 0;
    for (const QPixmap& b : bilder) {
        p.drawPixmap(x, 0, b);
        x += b.width() + 2;
    }
    return alle;
}

/// Shows the marks of a lock beside the cell's text.
void setMarken(QTableWidgetItem* item, const typRouteOptimiert& r) {
    const QPixmap marken = markenVon(r);
    if (!marken.isNull()) item->setData(Qt::DecorationRole, marken);
}

QTableWidgetItem* zelle(const QString& s, Qt::Alignment ausrichtung = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(s);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(ausrichtung | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* zahl(const QString& s) {
    return zelle(s, Qt::AlignRight);
}

/// A number of kilometres or hours with one decimal, bold on request.
QTableWidgetItem* km(double v, bool blnFett = false) {
    QTableWidgetItem* item = zahl(kmText(v));
    if (blnFett) {
        QFont f = item->font();
        f.setPointSize(kSchrift);
        f.setBold(true);
        item->setFont(f);
    }
    return item;
}

/// A passage or waiting time: one decimal when there is one, else empty.
QString zeitWert(double h) {
    return h > 0 ? kmText(h) : QString();
}

} // namespace

QPixmap olm3browser::routenansicht::markenBild(std::int32_t lngBildID) {
    QPixmap bild = objOLM3Cfg ? objOLM3Cfg->GetBild(lngBildID) : QPixmap();
    if (!bild.isNull()) return bild.scaledToHeight(kMarkeHoehe, Qt::SmoothTransformation);
    bild = QPixmap(kMarkeHoehe, kMarkeHoehe);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (lngBildID == kBildNB) {
        p.setBrush(QColor(230, 140, 20));
        p.drawEllipse(QRectF(2, 2, kMarkeHoehe - 4, kMarkeHoehe - 4));
    } else {
        p.setBrush(QColor(200, 30, 30));
        QPainterPath dreieck;
        dreieck.moveTo(kMarkeHoehe / 2.0, 1);
        dreieck.lineTo(kMarkeHoehe - 1, kMarkeHoehe - 2);
        dreieck.lineTo(1, kMarkeHoehe - 2);
        dreieck.closeSubpath();
        p.drawPath(dreieck);
    }
    return bild;
}

QString RoutenAnsicht::BezeichnungText(const typRouteOptimiert& r) {
    // The object's name, or on a junction the waterway the route turns into; beneath it why the boat waits.
    QString s = r.strName.isEmpty() ? r.strBezeichnung : r.strName;
    if (!r.strWartegrund.isEmpty()) s = s.trimmed().isEmpty() ? r.strWartegrund : s + QLatin1Char('\n') + r.strWartegrund;
    return s;
}
// ---- filling ---------------------------------------------------------------------------------------

void RoutenAnsicht::FillGridRoute(const std::vector<typRouteOptimiert>& route) {
    SetHourglass();
    m_blnFuelle = true;
    m_route = route;
    m_befunde = m_owner ? m_owner->GetDurchfahrt() : std::vector<olm3::Durchfahrtsbefund>{};
    m_routenPunkte.clear();
    std::vector<std::int32_t> alngGeplant;
    if (m_owner) m_owner->GetRouteGeplant(alngGeplant);
    m_astrNummern = olm3::routing::RoutenpunktNummern(m_route, alngGeplant);
    m_grdRoute->setUpdatesEnabled(false);
    m_grdRoute->clearSpans();
    m_grdRoute->setRowCount(0);
    m_zellKnopf = QPersistentModelIndex();

    // The passage and waiting times of a leg add up from the row after one route point to the next
    // route point itself, whose own wait holds the boat up on the way there.
    double dblDZ = 0.0, dblWZ = 0.0;
    for (std::size_t i = 0; i < m_route.size(); ++i) {
        const typRouteOptimiert& r = m_route[i];
        dblDZ += r.dblDurchgangszeit;
        dblWZ += r.dblWartezeit;
        if (!r.blnPunktRouteGrob) continue;
        if (i > 0 && (dblDZ != 0.0 || dblWZ != 0.0)) addStreckenZeile(r, dblDZ, dblWZ);
        addRoutenpunktZeile(i);
        m_routenPunkte.push_back(
            {r.lngNumGrob, r.lngPunkteID, r.lngBinnenID, r.lngPunkteIDNach, r.lngBinnenIDNach});
        dblDZ = dblWZ = 0.0;
    }

    if (m_route.empty()) {
        m_lblRoutenInfo->clear();
    } else {
        const typRouteOptimiert& letzte = m_route.back();
        QString info = text(810) + QStringLiteral(":  ") + kmText(letzte.dblStrecke) + QStringLiteral(" km     ") +
                       text(830) + QStringLiteral(":  ") + kmText(letzte.dblDauer) + QStringLiteral(" h ");
        const auto ohneBetrieb = std::count_if(m_route.begin(), m_route.end(), [](const typRouteOptimiert& r) {
            return r.intWartegrund == olm3::wgKeinBetrieb;
        });
        const QString unsicher = olm3::routing::TextSummenUnsicher(static_cast<std::int32_t>(ohneBetrieb));
        if (!unsicher.isEmpty()) info += QStringLiteral("    ") + unsicher;
        m_lblRoutenInfo->setText(info);
        m_lblRoutenInfo->setStyleSheet(unsicher.isEmpty() ? QString() : QStringLiteral("color: #a00000;"));
        zeigeDurchfahrt();
    }
    m_etappen->Fuelle(m_route);
    m_grdRoute->resizeColumnsToContents();
    m_grdRoute->setColumnWidth(colGliederung, 24);
    // A long waterway name gives way (whole in its tool tip), so that the names stay in view.
    if (m_grdRoute->columnWidth(colGewaesser) > kGewaesserBreite) m_grdRoute->setColumnWidth(colGewaesser, kGewaesserBreite);
    m_grdRoute->setUpdatesEnabled(true);
    m_blnFuelle = false;
    SetNormalPointer();
    emit RueckgabeMoeglich(false);
}

int RoutenAnsicht::addRoutenpunktZeile(std::size_t i) {
    const typRouteOptimiert& r = m_route[i];
    const int row = m_grdRoute->rowCount();
    m_grdRoute->insertRow(row);

    auto* gliederung = zelle(QString());
    gliederung->setIcon(gliederungsBild(false));
    gliederung->setData(kZellDaten, false);
    gliederung->setData(kZeilenDaten, r.lngPunkteID);
    gliederung->setData(kRoutenIndex, static_cast<int>(i));
    gliederung->setData(kArt, static_cast<int>(Zeilenart::Routenpunkt));
    gliederung->setData(kOffen, false);
    m_grdRoute->setItem(row, colGliederung, gliederung);

    QTableWidgetItem* amtl;
    if (r.blnDokuKMOrig) {
        amtl = km(r.dblDokuKM, true);
    } else {
        // Without a documented kilometre (0, or no value at all) the cell says so.
        amtl = zahl(r.dblDokuKM <= 0 ? QStringLiteral("-----") : kmText(r.dblDokuKM));
    }
    auto* zeit = zelle(zeitText(r.datZeitAb));
    zeit->setForeground(kFarbeZeit);
    setObjektZellen(row, r, zahl(m_astrNummern[i]), amtl, zeit);
    setMarken(m_grdRoute->item(row, colTyp), r);
    for (int c = colGliederung; c < kSpalten; ++c)
        m_grdRoute->item(row, c)->setBackground(kFarbeRoutenpunkt);
    markiereDurchfahrt(row, r);
    return row;
}

void RoutenAnsicht::addStreckenZeile(const typRouteOptimiert& punkt, double dblDZ, double dblWZ) {
    const int row = m_grdRoute->rowCount();
    m_grdRoute->insertRow(row);
    auto* gliederung = zelle(QString());
    gliederung->setData(kZeilenDaten, -1);
    gliederung->setData(kArt, static_cast<int>(Zeilenart::Strecke));
    m_grdRoute->setItem(row, colGliederung, gliederung);

    const QString anzahl = text(846) + QStringLiteral(": ") + QString::number(punkt.lngAnzahlSchleusen) +
                           QStringLiteral("      ") + text(845) + QStringLiteral(": ") +
                           QString::number(punkt.lngAnzahlBruecken);
    for (int c = colNr; c <= colDauer; ++c) {
        // The merged cell does not widen the columns it covers.
        auto* item = zelle(anzahl, Qt::AlignHCenter);
        item->setData(Qt::SizeHintRole, QSize(1, 1));
        m_grdRoute->setItem(row, c, item);
    }
    m_grdRoute->setSpan(row, colNr, 1, colDauer - colNr + 1);
    const QString dz = kmText(dblDZ);
    QString wz = kmText(dblWZ);
    // Two equal neighbouring texts would show as one cell.
    if (wz == dz) wz += QLatin1Char(' ');
    m_grdRoute->setItem(row, colDZ, zahl(dz));
    m_grdRoute->setItem(row, colWZ, zahl(wz));
    for (int c = colZeit; c < kSpalten; ++c)
        m_grdRoute->setItem(row, c, zelle(QString()));
    QFont kursiv = m_grdRoute->font();
    kursiv.setItalic(true);
    for (int c = colGliederung; c < kSpalten; ++c) {
        m_grdRoute->item(row, c)->setBackground(kFarbeStrecke);
        m_grdRoute->item(row, c)->setFont(kursiv);
    }
}

void RoutenAnsicht::FillGridRouteMDetails(int row) {
    if (row < 0 || row >= m_grdRoute->rowCount() || art(row) != Zeilenart::Routenpunkt) return;
    QTableWidgetItem* gliederung = m_grdRoute->item(row, colGliederung);
    if (gliederung->data(kZellDaten).toBool()) return;

    // The route point of the group is known by its place in the route copy, so that two route points
    // that share a number (the second reached without moving) keep their own groups.
    const auto index = static_cast<std::size_t>(gliederung->data(kRoutenIndex).toInt());
    if (index >= m_route.size()) return;
    const QString typ = m_route[index].strTypID.trimmed();
    const std::size_t von = (typ.isEmpty() || typ == QLatin1String("A")) ? index + 1 : index;
    const bool verborgen = !gliederung->data(kOffen).toBool();

    m_grdRoute->setUpdatesEnabled(false);
    int ziel = row + 1;
    for (std::size_t i = von; i < m_route.size(); ++i) {
        if (i > index && m_route[i].blnPunktRouteGrob) break;
        addDetailZeile(ziel++, i, verborgen);
    }
    gliederung->setData(kZellDaten, true);
    // Columns first: the height of a two-line time follows from the width of its column.
    m_grdRoute->resizeColumnsToContents();
    m_grdRoute->setColumnWidth(colGliederung, 24);
    // A long waterway name gives way (whole in its tool tip), so that the names stay in view.
    if (m_grdRoute->columnWidth(colGewaesser) > kGewaesserBreite) m_grdRoute->setColumnWidth(colGewaesser, kGewaesserBreite);
    for (int r = row + 1; r < ziel; ++r)
        m_grdRoute->resizeRowToContents(r);
    m_grdRoute->setUpdatesEnabled(true);
    zellKnopfAktualisieren();
}

void RoutenAnsicht::addDetailZeile(int row, std::size_t i, bool blnVerborgen) {
    const typRouteOptimiert& r = m_route[i];
    m_grdRoute->insertRow(row);
    auto* gliederung = zelle(QStringLiteral(" "));
    gliederung->setData(kZeilenDaten, r.lngPunkteID);
    gliederung->setData(kRoutenIndex, static_cast<int>(i));
    gliederung->setData(kArt, static_cast<int>(Zeilenart::Detail));
    m_grdRoute->setItem(row, colGliederung, gliederung);

    auto* typ = zelle(r.strTypID, Qt::AlignHCenter);
    setMarken(typ, r);
    QTableWidgetItem* amtl =
        r.dblDokuKM < 0 ? zahl(QStringLiteral("-----")) : km(r.dblDokuKM, r.blnDokuKMOrig);
    QString zeit = zeitText(r.datZeitAn);
    if (std::abs(r.datZeitAn.secsTo(r.datZeitAb)) > 60) {
        zeit = text(909) + QLatin1Char(':') + zeit + QLatin1Char('\n') + text(910) + QLatin1Char(':') +
               zeitText(r.datZeitAb);
    }
    setObjektZellen(row, r, typ, amtl, zelle(zeit));
    markiereDurchfahrt(row, r);
    m_grdRoute->setRowHidden(row, blnVerborgen);
}

void RoutenAnsicht::setObjektZellen(int row, const typRouteOptimiert& r, QTableWidgetItem* nr,
                                    QTableWidgetItem* amtl, QTableWidgetItem* zeit) {
    m_grdRoute->setItem(row, colNr, nr);
    m_grdRoute->setItem(row, colAmtlKM, amtl);
    m_grdRoute->setItem(row, colStand, km(r.dblStrecke));
    m_grdRoute->setItem(row, colDauer, km(r.dblDauer));
    m_grdRoute->setItem(row, colDZ, zahl(zeitWert(r.dblDurchgangszeit)));
    m_grdRoute->setItem(row, colWZ, zahl(zeitWert(r.dblWartezeit)));
    m_grdRoute->setItem(row, colZeit, zeit);
    m_grdRoute->setItem(row, colGewaesser, zelle(r.strBinnen));
    m_grdRoute->item(row, colGewaesser)->setToolTip(r.strBinnen);
    m_grdRoute->setItem(row, colBezeichnung, zelle(BezeichnungText(r)));
    if (!r.strWartegrund.isEmpty()) {
        // Why the boat waits, also where the wait is shown.
        m_grdRoute->item(row, colWZ)->setToolTip(r.strWartegrund);
        m_grdRoute->item(row, colBezeichnung)->setToolTip(r.strWartegrund);
        if (r.intWartegrund == olm3::wgKeinBetrieb) {
            for (const int c : {colWZ, colBezeichnung})
                m_grdRoute->item(row, c)->setForeground(kFarbeWarnung);
        }
    }
    m_grdRoute->setItem(row, colBreite, zelle(r.strBgDez));
    m_grdRoute->setItem(row, colLaenge, zelle(r.strLgDez));
    m_grdRoute->setItem(row, colBinnenID, zahl(QString::number(r.lngBinnenID)));
    m_grdRoute->setItem(row, colTyp, zelle(r.strTypID, Qt::AlignHCenter));

    m_grdRoute->item(row, colTyp)->setData(kZellDaten, r.strTypID.trimmed());
    m_grdRoute->item(row, colBreite)->setData(kZellDaten, r.dblBgDez);
    m_grdRoute->item(row, colLaenge)->setData(kZellDaten, r.dblLgDez);
    if (r.strTypID.trimmed() == QLatin1String("S")) {
        // What the lock's operating hours are opened with: the lock and the moment the boat arrives.
        m_grdRoute->item(row, colBezeichnung)->setData(kZellDaten, r.lngDetailsRecordsetID);
        m_grdRoute->item(row, colZeit)->setData(kZellDaten, r.datZeitAn);
    }
}

// ---- the boat's clearance -----------------------------------------------------------------------------

void RoutenAnsicht::zeigeDurchfahrt() {
    if (!m_owner) return;
    const QString summe = olm3::SummenText(m_befunde, m_owner->GetBootProfil(),
                                           [](std::int32_t id) { return GetText(QStringLiteral("Durchfahrt"), id); });
    if (summe.isEmpty()) return;
    m_lblRoutenInfo->setText(m_lblRoutenInfo->text() + QStringLiteral("\n") + summe);
    if (olm3::Zaehle(m_befunde).intPasstNicht > 0) m_lblRoutenInfo->setStyleSheet(QStringLiteral("color: #B00000"));
}

void RoutenAnsicht::markiereDurchfahrt(int row, const typRouteOptimiert& r) {
    QStringList texte;
    bool passtNicht = false;
    for (const olm3::Durchfahrtsbefund& b : m_befunde) {
        if (b.lngPunkteID != r.lngPunkteID || b.strTypID != r.strTypID.trimmed()) continue;
        passtNicht = passtNicht || b.art == olm3::Befundart::PasstNicht;
        texte << olm3::BefundText(b, [](std::int32_t id) { return GetText(QStringLiteral("Durchfahrt"), id); });
    }
    if (texte.isEmpty()) return;
    // Red where the boat does not fit, brown where the catalogue does not know the limit.
    const QColor farbe = olm3browser::DurchfahrtFarbe(passtNicht ? olm3browser::DruckDurchfahrt::PasstNicht
                                                                 : olm3browser::DruckDurchfahrt::Unbekannt);
    for (int c = colGliederung; c < kSpalten; ++c) {
        if (QTableWidgetItem* item = m_grdRoute->item(row, c)) {
            item->setForeground(farbe);
            item->setToolTip(texte.join(QLatin1Char('\n')));
            item->setData(kDurchfahrt, passtNicht ? 2 : 1);
        }
    }
}
