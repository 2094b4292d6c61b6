#include "browser/tagesetappenansicht.h"
#include "browser/routenansicht.h"

#include "browser/detailaktion.h"
#include "browser/druckvorschau.h"
#include "browser/routendruck.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/windowowner.h"
#include "planning/frmRoutenPlanung.h"
#include "routing/core/durchfahrt.h"
#include "routing/core/routenpunktnummern.h"
#include "routing/core/wartegrund.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "ui/panelbutton.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"
#include "ui/wochentag.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

using namespace modOLM3Binnen;

namespace olm3browser {

namespace {
SchleusenBZOeffner& schleusenBZOeffner() {
    static SchleusenBZOeffner oeffner;
    return oeffner;
}
} // namespace

SchleusenBZOeffner SetSchleusenBZOeffner(SchleusenBZOeffner oeffner) {
    SchleusenBZOeffner alt = std::move(schleusenBZOeffner());
    schleusenBZOeffner() = std::move(oeffner);
    return alt;
}

} // namespace olm3browser

namespace {

const QString kModul = QStringLiteral("frmBinneninfo");

enum Spalte {
    colGliederung = 0,
    colNr,
    colAmtlKM,
    colStand,
    colDauer,
    colDZ,
    colWZ,
    colZeit,
    colGewaesser,
    colBezeichnung,
    colBreite,
    colLaenge,
    colBinnenID,
    colTyp,
    kSpalten
};

// Item roles: the grid's cell data, and on column 0 what the grid keeps per row.
constexpr int kZellDaten = Qt::UserRole;
constexpr int kZeilenDaten = Qt::UserRole + 1; ///< the row's point id; -1 on a leg row
constexpr int kRoutenIndex = Qt::UserRole + 2; ///< index of the row in the route copy
constexpr int kArt = Qt::UserRole + 3;
constexpr int kOffen = Qt::UserRole + 4; ///< a route-point row whose group is open
constexpr int kDurchfahrt = Qt::UserRole + 5; ///< 2: the boat does not fit here, 1: a limit is unknown

// The host's pictures of the two lock marks (they go with the legend texts of the same numbers).
constexpr std::int32_t kBildNB = 916;
constexpr std::int32_t kBildSR = 917;
constexpr int kMarkeHoehe = 16;

constexpr int kSchrift = 11;
constexpr int kGewaesserBreite = 260;
const QColor kFarbeRoutenpunkt(226, 236, 248);
const QColor kFarbeStrecke(244, 244, 236);
const QColor kFarbeZeit(20, 60, 160);
const QColor kFarbePasstNicht(190, 0, 0);
const QColor kFarbeUnbekannt(150, 90, 0);
const QColor kFarbeWarnung(160, 0, 0);

QString text(std::int32_t id) {
    return GetText(kModul, id);
}

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

/// The host's picture of a mark, or a drawn stand-in when the host has none.
QPixmap markenBild(std::int32_t lngBildID) {
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

/// The outline mark of a route-point row: a triangle pointing right (closed) or down (open).
QIcon gliederungsBild(bool blnOffen) {
    QPixmap bild(12, 12);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 70));
    QPainterPath dreieck;
    if (blnOffen) {
        dreieck.moveTo(1, 3);
        dreieck.lineTo(11, 3);
        dreieck.lineTo(6, 10);
    } else {
        dreieck.moveTo(3, 1);
        dreieck.lineTo(10, 6);
        dreieck.lineTo(3, 11);
    }
    dreieck.closeSubpath();
    p.drawPath(dreieck);
    return QIcon(bild);
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

} // namespace

QString RoutenAnsicht::BezeichnungText(const typRouteOptimiert& r) {
    // The object's name, or on a junction the waterway the route turns into; beneath it why the boat waits.
    QString s = r.strName.isEmpty() ? r.strBezeichnung : r.strName;
    if (!r.strWartegrund.isEmpty()) s = s.trimmed().isEmpty() ? r.strWartegrund : s + QLatin1Char('\n') + r.strWartegrund;
    return s;
}

namespace {

/// A passage or waiting time: one decimal when there is one, else empty.
QString zeitWert(double h) {
    return h > 0 ? kmText(h) : QString();
}

} // namespace

RoutenAnsicht::RoutenAnsicht(IOLM3WindowOwner* owner, QWidget* parent) : QWidget(parent), m_owner(owner) {
    setObjectName(QStringLiteral("fraRoute"));
    m_lblRoutenInfo = new QLabel(this);
    m_lblRoutenInfo->setObjectName(QStringLiteral("lblRoutenInfo"));
    QFont fett = m_lblRoutenInfo->font();
    fett.setPointSize(kSchrift + 1);
    fett.setBold(true);
    m_lblRoutenInfo->setFont(fett);

    m_grdRoute = new QTableWidget(this);
    m_grdRoute->setObjectName(QStringLiteral("grdRoute"));
    setupGrid();
    setupLegende();

    auto* legende = new QVBoxLayout;
    legende->addWidget(m_txtInfo);
    for (const auto& [bild, txt] : {std::pair{m_picNB, m_txtNB}, std::pair{m_picSR, m_txtSR}}) {
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(bild);
        zeile->addWidget(txt, 1);
        legende->addLayout(zeile);
    }
    legende->addStretch(1);
    legende->addWidget(m_pbReport, 0, Qt::AlignHCenter);

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(m_grdRoute, 1);
    mitte->addLayout(legende);
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(4, 4, 4, 4);
    haupt->addWidget(m_lblRoutenInfo);
    haupt->addLayout(mitte, 1);
    m_etappen = new TagesetappenAnsicht(this);
    haupt->addWidget(m_etappen);

    connect(m_grdRoute, &QTableWidget::cellClicked, this, &RoutenAnsicht::grdRoute_Click);
    connect(m_grdRoute, &QTableWidget::cellDoubleClicked, this, &RoutenAnsicht::grdRoute_DblClick);
    connect(m_grdRoute, &QTableWidget::currentCellChanged, this, &RoutenAnsicht::grdRoute_RowColChange);
    connect(m_pbReport, &ucOLMButton::Click, this, [this] {
        if (m_owner) m_owner->RoutenOptimiererReport(false);
    });
    m_grdRoute->installEventFilter(this);
}

void RoutenAnsicht::setupGrid() {
    QTableWidget* g = m_grdRoute;
    QFont font = g->font();
    font.setPointSize(kSchrift);
    g->setFont(font);
    g->setColumnCount(kSpalten);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setWordWrap(true);
    g->setTextElideMode(Qt::ElideMiddle);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    const QString nl = QStringLiteral("\n");
    const QString kopf[kSpalten] = {
        QString(),
        text(829),
        text(816) + nl + QStringLiteral("km"),
        text(890) + nl + QStringLiteral("km"),
        text(830) + nl + QStringLiteral("h"),
        text(893) + nl + QStringLiteral("h"),
        text(895) + nl + QStringLiteral("h"),
        text(832),
        text(848),
        text(815) + QStringLiteral(" / ") + text(828),
        text(821),
        text(820),
        QString(),
        text(811),
    };
    for (int c = 0; c < kSpalten; ++c)
        g->setHorizontalHeaderItem(c, new QTableWidgetItem(kopf[c]));
    g->setColumnHidden(colBinnenID, true);
    g->horizontalHeader()->setSectionResizeMode(colGliederung, QHeaderView::Fixed);
    g->setColumnWidth(colGliederung, 24);
}

void RoutenAnsicht::setupLegende() {
    const QString trenner = QStringLiteral(" -  ");
    m_txtInfo = new QLabel(this);
    m_txtInfo->setObjectName(QStringLiteral("txtInfo"));
    m_txtInfo->setText(text(846) + trenner + StripAmpersand(text(804)) + QLatin1Char('\n') + text(845) +
                       trenner + StripAmpersand(text(806)) + QLatin1Char('\n') + text(894) +
                       QLatin1Char('\n') + text(896));
    const auto marke = [this](QLabel*& pic, QLabel*& txt, const char* picName, const char* txtName,
                              std::int32_t lngID) {
        pic = new QLabel(this);
        pic->setObjectName(QLatin1String(picName));
        pic->setPixmap(markenBild(lngID));
        txt = new QLabel(text(lngID), this);
        txt->setObjectName(QLatin1String(txtName));
    };
    marke(m_picNB, m_txtNB, "picNB", "txtNB", kBildNB);
    marke(m_picSR, m_txtSR, "picSR", "txtSR", kBildSR);
    for (QLabel* l : {m_txtInfo, m_txtNB, m_txtSR}) {
        QFont f = l->font();
        f.setPointSize(kSchrift);
        l->setFont(f);
    }

    m_pbReport = new ucOLMButton(this);
    m_pbReport->setObjectName(QStringLiteral("pbReport"));
    m_pbReport->IsDefault(true);
    m_pbReport->Text(text(904));
    FormatPanelButton(m_pbReport, 1, 1, 1);
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
    const QColor farbe = passtNicht ? kFarbePasstNicht : kFarbeUnbekannt;
    for (int c = colGliederung; c < kSpalten; ++c) {
        if (QTableWidgetItem* item = m_grdRoute->item(row, c)) {
            item->setForeground(farbe);
            item->setToolTip(texte.join(QLatin1Char('\n')));
            item->setData(kDurchfahrt, passtNicht ? 2 : 1);
        }
    }
}

QString RoutenAnsicht::RoutenPunkteListe() const {
    QStringList ids;
    for (const RoutenPunktRecord& p : m_routenPunkte)
        ids << QString::number(p.lngPunkteID);
    return ids.join(QStringLiteral(", "));
}

// ---- the outline -------------------------------------------------------------------------------------

RoutenAnsicht::Zeilenart RoutenAnsicht::art(int row) const {
    const QTableWidgetItem* item = m_grdRoute->item(row, colGliederung);
    return item ? static_cast<Zeilenart>(item->data(kArt).toInt()) : Zeilenart::Strecke;
}

bool RoutenAnsicht::istSchleusenZeile(int row) const {
    const QTableWidgetItem* typ = m_grdRoute->item(row, colTyp);
    return art(row) != Zeilenart::Strecke && typ && typ->data(kZellDaten).toString() == QLatin1String("S");
}

int RoutenAnsicht::gruppenEnde(int row) const {
    int ende = row + 1;
    while (ende < m_grdRoute->rowCount() && art(ende) == Zeilenart::Detail)
        ++ende;
    return ende;
}

void RoutenAnsicht::setGruppeOffen(int row, bool blnOffen) {
    if (m_blnFuelle || art(row) != Zeilenart::Routenpunkt) return;
    QTableWidgetItem* gliederung = m_grdRoute->item(row, colGliederung);
    if (blnOffen && !gliederung->data(kZellDaten).toBool()) {
        gliederung->setData(kOffen, true);
        FillGridRouteMDetails(row);
    }
    gliederung->setData(kOffen, blnOffen);
    gliederung->setIcon(gliederungsBild(blnOffen));
    const int ende = gruppenEnde(row);
    for (int r = row + 1; r < ende; ++r)
        m_grdRoute->setRowHidden(r, !blnOffen);
}

void RoutenAnsicht::grdRoute_Click(int row, int col) {
    // The last row has no group beneath it.
    if (col != colGliederung || row < 0 || row >= m_grdRoute->rowCount() - 1) return;
    if (art(row) != Zeilenart::Routenpunkt) return;
    setGruppeOffen(row, !m_grdRoute->item(row, colGliederung)->data(kOffen).toBool());
}

bool RoutenAnsicht::eventFilter(QObject* watched, QEvent* event) {
    // "+" and "-" open and close the group of the current route point from the keyboard.
    if (watched == m_grdRoute && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int row = m_grdRoute->currentRow();
        if ((key == Qt::Key_Plus || key == Qt::Key_Minus) && row >= 0 && row < m_grdRoute->rowCount() - 1 &&
            art(row) == Zeilenart::Routenpunkt) {
            setGruppeOffen(row, key == Qt::Key_Plus);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RoutenAnsicht::grdRoute_DblClick(int row, int col) {
    // A double-click on the outline mark is two clicks on it, not a choice.
    if (row < 0 || col == colGliederung) return;
    const QTableWidgetItem* gliederung = m_grdRoute->item(row, colGliederung);
    const QTableWidgetItem* nr = m_grdRoute->item(row, colNr);
    if (!gliederung || !nr) return;
    const std::int32_t lngPunkteID = gliederung->data(kZeilenDaten).toInt();
    if (lngPunkteID == -1 || nr->text().isEmpty()) return;
    if (art(row) == Zeilenart::Routenpunkt) {
        // The route marks of the points list count the route points as the computation does.
        const auto index = static_cast<std::size_t>(gliederung->data(kRoutenIndex).toInt());
        const std::int32_t lngRoutenIndex = index < m_route.size() ? m_route[index].lngNumGrob - 1 : -1;
        emit RoutenpunktGewaehlt(m_grdRoute->item(row, colBinnenID)->text().toInt(), lngPunkteID,
                                 m_grdRoute->item(row, colGewaesser)->text(), lngRoutenIndex);
    } else {
        emit DetailsAngefordert(m_grdRoute->item(row, colTyp)->data(kZellDaten).toString(), lngPunkteID);
    }
}

void RoutenAnsicht::grdRoute_RowColChange(int row, int col, int prevRow, int prevCol) {
    (void)col;
    (void)prevCol;
    if (row != prevRow) {
        const QTableWidgetItem* gliederung = row >= 0 ? m_grdRoute->item(row, colGliederung) : nullptr;
        const QTableWidgetItem* nr = row >= 0 ? m_grdRoute->item(row, colNr) : nullptr;
        emit RueckgabeMoeglich(gliederung && nr && !nr->text().isEmpty() &&
                               gliederung->data(kZeilenDaten).toInt() != -1);
    }
    zellKnopfAktualisieren();
}

// ---- the "..." button of lock rows -------------------------------------------------------------------

void RoutenAnsicht::zellKnopfAktualisieren() {
    if (m_zellKnopf.isValid()) m_grdRoute->removeCellWidget(m_zellKnopf.row(), m_zellKnopf.column());
    m_zellKnopf = QPersistentModelIndex();
    const int row = m_grdRoute->currentRow();
    if (row < 0 || m_grdRoute->currentColumn() != colWZ || !istSchleusenZeile(row)) return;
    // A lock without its details record has no operating hours to show.
    if (m_grdRoute->item(row, colBezeichnung)->data(kZellDaten).toInt() < 0) return;

    auto* halter = new QWidget;
    auto* layout = new QHBoxLayout(halter);
    layout->setContentsMargins(1, 1, 1, 1);
    auto* knopf = new QToolButton(halter);
    knopf->setObjectName(QStringLiteral("cmdSchleusenBZ"));
    knopf->setText(QStringLiteral("..."));
    knopf->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(knopf);
    layout->addStretch(1);
    connect(knopf, &QToolButton::clicked, this, &RoutenAnsicht::zellKnopf_Click);
    m_grdRoute->setCellWidget(row, colWZ, halter);
    // The waiting time stays readable beside the button.
    const int breite = knopf->sizeHint().width() + 12 +
                       m_grdRoute->fontMetrics().horizontalAdvance(m_grdRoute->item(row, colWZ)->text());
    if (m_grdRoute->columnWidth(colWZ) < breite) m_grdRoute->setColumnWidth(colWZ, breite);
    m_zellKnopf = QPersistentModelIndex(m_grdRoute->model()->index(row, colWZ));
}

void RoutenAnsicht::zellKnopf_Click() {
    if (!m_zellKnopf.isValid()) return;
    const int row = m_zellKnopf.row();
    const std::int32_t lngSchleusenID = m_grdRoute->item(row, colBezeichnung)->data(kZellDaten).toInt();
    const QDateTime datAn = m_grdRoute->item(row, colZeit)->data(kZellDaten).toDateTime();
    if (const auto& oeffner = olm3browser::schleusenBZOeffner())
        oeffner(this, lngSchleusenID, datAn);
    else
        olm3browser::OeffneSchleusenBZ(this, lngSchleusenID, datAn);
}

// ---- what the browser reads ---------------------------------------------------------------------------

bool RoutenAnsicht::AusgewaehltePosition(double& dblLg, double& dblBg) const {
    const int row = m_grdRoute->currentRow();
    if (row < 0 || art(row) == Zeilenart::Strecke) return false;
    const QTableWidgetItem* lg = m_grdRoute->item(row, colLaenge);
    const QTableWidgetItem* bg = m_grdRoute->item(row, colBreite);
    if (!lg || !bg || !lg->data(kZellDaten).isValid() || !bg->data(kZellDaten).isValid()) return false;
    dblLg = lg->data(kZellDaten).toDouble();
    dblBg = bg->data(kZellDaten).toDouble();
    return true;
}

bool RoutenAnsicht::AusgewaehltesObjekt(QString& strTypID, std::int32_t& lngPunkteID) const {
    const int row = m_grdRoute->currentRow();
    if (row < 0 || art(row) == Zeilenart::Strecke) return false;
    strTypID = m_grdRoute->item(row, colTyp)->data(kZellDaten).toString();
    lngPunkteID = m_grdRoute->item(row, colGliederung)->data(kZeilenDaten).toInt();
    return !strTypID.isEmpty();
}

// ---- printing ------------------------------------------------------------------------------------------

void RoutenAnsicht::Drucken() {
    const QString strPdf = strDruckPdf;

    // The print holds every row of the route, not only the groups opened on screen.
    for (int row = 0; row < m_grdRoute->rowCount(); ++row)
        if (art(row) == Zeilenart::Routenpunkt) FillGridRouteMDetails(row);

    olm3browser::RoutenDruckInhalt inhalt;
    inhalt.route = m_grdRoute;
    inhalt.etappen = m_etappen->grdEtappen();
    inhalt.strReisetage = m_etappen->ReisetageText();
    inhalt.alleRoutenZeilen = true;
    inhalt.routenZeile = [this](int row) {
        if (istSchleusenZeile(row)) return olm3browser::DruckZeilenArt::Schleuse;
        return art(row) == Zeilenart::Routenpunkt ? olm3browser::DruckZeilenArt::Routenpunkt
                                                  : olm3browser::DruckZeilenArt::Normal;
    };
    if (m_owner) {
        double dblLg = 0.0, dblBg = 0.0;
        bool blnValid = false;
        m_owner->RoutenPlanung(dblLg, dblBg, blnValid, false, true);
        if (auto* plan = qobject_cast<frmRoutenPlanung*>(m_owner->GeladeneRoutenPlanung()))
            inhalt.plan = plan->grdRoute();
        m_owner->RoutenOptimiererReport(true);
        if (auto* bericht = qobject_cast<frmRoutenOptimiererBericht*>(m_owner->GefuellterBericht()))
            inhalt.bericht = bericht->grdReport();
    }
    const auto seiten = [&inhalt](QPrinter& printer, QString& strFehler) {
        return olm3browser::DruckeRoute(printer, inhalt, strFehler);
    };

    bool ok = false;
    bool gedruckt = false;
    QString strFehler;
    if (!strPdf.isEmpty()) {
        // The host directs the print into a file: no preview, nobody to choose.
        SetHourglass();
        QPrinter printer(QPrinter::HighResolution);
        olm3browser::RichteDruckerEin(printer, strPdf);
        ok = seiten(printer, strFehler);
        gedruckt = true;
        SetNormalPointer();
    } else {
        frmDruckvorschau vorschau(olm3browser::RichteDruckerEin, seiten, window());
        if (olm3ui::ExecModal(&vorschau) == QDialog::Accepted) {
            SetHourglass();
            ok = vorschau.Drucke(strFehler);
            gedruckt = true;
            SetNormalPointer();
        }
    }
    if (m_owner) m_owner->RoutenPlanungAus();
    if (!gedruckt) return;

    if (!ok) {
        // Nothing was printed: the user is told why instead of being told it is done.
        ShowRuntimeError(QStringLiteral("frmBinneninfo.Drucken"),
                         olm3::RuntimeError(75, QStringLiteral("Pfad-/Dateizugriffsfehler: ") + strFehler));
        return;
    }
    MsgBox(text(540), vbInformation, text(541));
}
