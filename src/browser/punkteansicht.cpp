// The browser's points view: the points of one waterway in chainage order with the type boxes that
// filter them, the marks of the route, junctions that lead on to the next waterway and back again, and
// the quick info of a point.

#include "browser/browserhilfen.h"
#include "browser/core/spaltenkoepfe.h"
#include "browser/frmBinneninfo.h"
#include "browser/routenansicht.h"
#include "data/modOLM3Binnen.h"
#include "ui/ucOLMButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSize>
#include <QTableWidget>

using namespace olm3browser;
namespace ob = olm3::browser;

namespace {
/// A type box whose waterway has no object of its type.
const QColor kAnzahlNull(80, 80, 140);

/// Picture of the two type-box buttons: six small boxes, all ticked or all empty.
QPixmap kastenBild(bool blnAngekreuzt) {
    QPixmap bild(48, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 6; ++i) {
        const QRectF r(2 + (i % 3) * 15, 2 + (i / 3) * 15, 12, 12);
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(Qt::white);
        p.drawRect(r);
        if (!blnAngekreuzt) continue;
        p.setPen(QPen(QColor(0, 110, 0), 2.2));
        p.drawLine(QPointF(r.left() + 2.5, r.center().y()), QPointF(r.center().x() - 0.5, r.bottom() - 2.5));
        p.drawLine(QPointF(r.center().x() - 0.5, r.bottom() - 2.5), QPointF(r.right() - 2, r.top() + 2.5));
    }
    return bild;
}
} // namespace

void frmBinneninfo::createPunkteAnsicht() {
    QWidget* fra = m_fraView[vwPunkte];
    m_lblBinnenBez = new QLabel(fra);
    m_lblBinnenBez->setObjectName(QStringLiteral("lblBinnenBez"));
    m_lblBinnenBez->setFont(schrift(m_lblBinnenBez, 14, true));
    for (int k = 0; k < ob::kTypBoxen; ++k) {
        auto* chk = new QCheckBox(fra);
        chk->setObjectName(QStringLiteral("chkTyp%1").arg(k));
        connect(chk, &QCheckBox::clicked, this, &frmBinneninfo::chkTyp_Click);
        m_chkTyp[static_cast<size_t>(k)] = chk;
    }
    m_pbAlle = knopf(fra, "pbAlle");
    m_pbKein = knopf(fra, "pbKein");
    m_pbVorheriger = knopf(fra, "pbVorheriger");
    m_pbVorheriger->Enabled(false);
    connect(m_pbAlle, &ucOLMButton::Click, this, &frmBinneninfo::pbAlle_Click);
    connect(m_pbKein, &ucOLMButton::Click, this, &frmBinneninfo::pbKein_Click);
    connect(m_pbVorheriger, &ucOLMButton::Click, this, &frmBinneninfo::pbVorheriger_Click);
    // The two box buttons show their boxes, no caption.
    m_pbAlle->LoadPicture(kastenBild(true));
    m_pbKein->LoadPicture(kastenBild(false));
    m_pbAlle->Text(QString());
    m_pbKein->Text(QString());
    m_grdPunkte = liste(fra, "grdPunkte");
    connect(m_grdPunkte, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        m_grdPunkte->setCurrentCell(row, ob::pcKM);
        Details();
    });
    connect(m_grdPunkte, &QTableWidget::currentCellChanged, this, [this](int row, int, int prevRow, int) {
        if (row != prevRow && m_blnQuickInfo) ShowQuickInfo(21);
    });
    m_lblQuickInfo = new QLabel(fra);
    m_lblQuickInfo->setObjectName(QStringLiteral("lblQuickInfo"));
    m_lblQuickInfo->setWordWrap(true);
    m_lblQuickInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblQuickInfo->setMargin(8);
    m_lblQuickInfo->setFrameShape(QFrame::Box);
    m_lblQuickInfo->setAutoFillBackground(true);
    m_lblQuickInfo->setStyleSheet(QStringLiteral(
        "QLabel#lblQuickInfo { background: rgb(255, 255, 225); color: black; border: 1px solid gray; }"));
}

void frmBinneninfo::layoutPunkteAnsicht(int fw, int fh, int zeile) {
    // The waterway's name, the type boxes with their buttons, the list.
    m_lblBinnenBez->setGeometry(0, 0, fw, zeile);
    const int kleinerKnopf = zeile + 8;
    const int vorheriger = std::clamp(fw / 8, 100, 150);
    m_pbVorheriger->setGeometry(fw - vorheriger, zeile + 2, vorheriger, kleinerKnopf);
    m_pbKein->setGeometry(m_pbVorheriger->x() - kleinerKnopf - 12, zeile + 2, kleinerKnopf, kleinerKnopf);
    m_pbAlle->setGeometry(m_pbKein->x() - kleinerKnopf - 4, zeile + 2, kleinerKnopf, kleinerKnopf);
    layoutTypBoxen();
    const int gridOben = zeile + kleinerKnopf + 8;
    m_grdPunkte->setGeometry(0, gridOben, fw, fh - gridOben);
    const int info = std::clamp(fh / 4, 80, 220);
    m_lblQuickInfo->setGeometry(kRand, fh - info - kRand, fw - 2 * kRand, info);
}

void frmBinneninfo::layoutTypBoxen() {
    // The visible boxes side by side in the row of the two box buttons, the room left over shared out.
    const QRect reihe(0, m_pbAlle->y(), m_pbAlle->x() - kRand, m_pbAlle->height());
    int boxenBreite = 0;
    for (int k = 0; k < ob::kWehrBox; ++k)
        boxenBreite += m_chkTyp[static_cast<size_t>(k)]->sizeHint().width();
    const int luecke = std::clamp((reihe.width() - boxenBreite) / ob::kWehrBox, 4, 40);
    int x = reihe.x();
    for (int k = 0; k < ob::kTypBoxen; ++k) {
        QCheckBox* chk = m_chkTyp[static_cast<size_t>(k)];
        chk->setGeometry(x, reihe.y(), chk->sizeHint().width(), reihe.height());
        if (k < ob::kWehrBox - 1) x += chk->sizeHint().width() + luecke;
    }
}

void frmBinneninfo::SetTypCaptions(std::int32_t lngBinnenID) {
    const auto texte = ob::TypBoxTexte(lngBinnenID);
    for (int k = 0; k < ob::kTypBoxen; ++k) {
        QCheckBox* chk = m_chkTyp[static_cast<size_t>(k)];
        chk->setText(texte[static_cast<size_t>(k)].strText);
        chk->setStyleSheet(texte[static_cast<size_t>(k)].lngAnzahl == 0
                               ? QStringLiteral("QCheckBox { color: %1; }").arg(kAnzahlNull.name())
                               : QString());
    }
    layoutTypBoxen();
}

void frmBinneninfo::SetTypBoxen(const ob::TypBoxen& boxen) {
    const bool events = m_blnTypEvents;
    m_blnTypEvents = false;
    for (int k = 0; k < ob::kTypBoxen; ++k)
        m_chkTyp[static_cast<size_t>(k)]->setChecked(boxen[static_cast<size_t>(k)]);
    m_blnTypEvents = events;
}

void frmBinneninfo::ComputeTypFilter() {
    ob::TypBoxen boxen{};
    for (int k = 0; k < ob::kTypBoxen; ++k)
        boxen[static_cast<size_t>(k)] = m_chkTyp[static_cast<size_t>(k)]->isChecked();
    m_strTypFilter = ob::TypFilter(boxen);
    SetTypBoxen(boxen);
}

void frmBinneninfo::chkTyp_Click() {
    if (!m_blnTypEvents) return;
    ComputeTypFilter();
    FillGridPunkte();
}

void frmBinneninfo::pbAlle_Click() {
    ob::TypBoxen boxen{};
    for (int k = 0; k < ob::kWehrBox; ++k)
        boxen[static_cast<size_t>(k)] = true;
    boxen[ob::kWehrBox] = m_chkTyp[ob::kWehrBox]->isChecked();
    SetTypBoxen(boxen);
    ComputeTypFilter();
    FillGridPunkte();
}

void frmBinneninfo::pbKein_Click() {
    SetTypBoxen(ob::TypBoxen{});
    ComputeTypFilter();
    FillGridPunkte();
}

std::vector<ob::RoutenMarke> frmBinneninfo::RoutenMarken() const {
    if (!m_blnRouteVorhanden || !m_fraRoute) return {};
    return m_fraRoute->RoutenPunkte();
}

bool frmBinneninfo::FillGridPunkte() {
    const auto zeiger = sanduhr();
    SetTypCaptions(m_pos.lngBinnenID);
    m_blnPunktGefunden = false;
    std::vector<ob::PunktDatensatz> datensaetze;
    if (!ob::LadePunkte(m_pos, m_strRoutenPunkte, datensaetze)) return false;
    const ob::PunkteListe liste =
        ob::BauePunkteListe(datensaetze, m_pos, m_strRoutenPunkte, m_strTypFilter, RoutenMarken());
    m_blnPunktGefunden = liste.blnPunktGefunden;

    QTableWidget* g = m_grdPunkte;
    {
        OhneZeichnen aus(g);
        g->setRowCount(0);
        const int n = static_cast<int>(liste.azeilen.size());
        g->setRowCount(n);
        const QFont fett = schrift(g, kSchrift, true);
        // Each cell is a copy of its column's pattern, which carries every role the column's cells carry,
        // so that a cell's roles are stored at once instead of growing role by role. The alignments are
        // the cells' own; every placeholder is overwritten, as it equals no text and no number (a cell
        // keeps a value that equals the one it is given).
        const Qt::Alignment rechts = Qt::AlignRight | Qt::AlignVCenter;
        const QVariant platzhalter = QVariant::fromValue(QSize(-1, -1));
        std::array<QTableWidgetItem, ob::kPunkteSpalten> muster;
        for (QTableWidgetItem& m : muster) {
            m.setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m.setData(Qt::DisplayRole, platzhalter);
        }
        muster[ob::pcKM].setData(kZeilenDaten, platzhalter);
        muster[ob::pcKM].setTextAlignment(rechts);
        for (const int c : {ob::pcMarke, ob::pcTyp}) {
            muster[static_cast<size_t>(c)].setData(kZellDaten, platzhalter);
            muster[static_cast<size_t>(c)].setTextAlignment(Qt::AlignCenter);
        }
        muster[ob::pcVmax].setTextAlignment(rechts);
        muster[ob::pcTiefe].setTextAlignment(rechts);
        // The cells go in without the model announcing each of them (60,000 for 5,000 points, each a
        // repaint request of a list that does not draw): the list is drawn whole once it draws again.
        {
            const QSignalBlocker stumm(g->model());
            for (int r = 0; r < n; ++r) {
                const ob::PunktZeile& z = liste.azeilen[static_cast<size_t>(r)];
                std::array<QTableWidgetItem*, ob::kPunkteSpalten> items{};
                for (int c = 0; c < ob::kPunkteSpalten; ++c) {
                    auto* item = new QTableWidgetItem(muster[static_cast<size_t>(c)]);
                    item->setText(z.astrSpalte[static_cast<size_t>(c)]);
                    if (z.blnAbzweig) item->setBackground(kGelb);
                    items[static_cast<size_t>(c)] = item;
                }
                items[ob::pcKM]->setData(kZeilenDaten, z.lngPunkteID);
                if (z.blnKMFett) items[ob::pcKM]->setFont(fett);
                items[ob::pcMarke]->setData(kZellDaten, z.astrSpalte[ob::pcMarke]);
                items[ob::pcTyp]->setData(kZellDaten, z.astrSpalte[ob::pcTyp]);
                if (z.blnPosition) {
                    items[ob::pcBreite]->setData(kZellDaten, z.dblBg);
                    items[ob::pcLaenge]->setData(kZellDaten, z.dblLg);
                }
                for (int c = 0; c < ob::kPunkteSpalten; ++c)
                    g->setItem(r, c, items[static_cast<size_t>(c)]);
                // The rows of a list filled anew are all shown.
                if (z.blnVersteckt) g->setRowHidden(r, true);
            }
        }
        g->viewport()->update();
        for (int c : ob::kPunkteVersteckt)
            g->setColumnHidden(c, true);
        spaltenBreiten(g);
    }
    m_lblBinnenBez->setText(m_pos.strBinnenBez);
    if (liste.intAuswahl >= 0) {
        g->setCurrentCell(liste.intAuswahl, ob::pcKM);
        g->scrollToItem(g->item(liste.intAuswahl, ob::pcKM), QAbstractItemView::PositionAtCenter);
    } else {
        g->setCurrentCell(-1, -1);
    }
    enableRefBack(liste.intAuswahl >= 0);
    if (m_blnQuickInfo) ShowQuickInfo(21);
    return true;
}

void frmBinneninfo::pbVorheriger_Click() {
    if (!m_verlauf.ZurueckMoeglich(m_blnPunktGefunden)) return;
    m_verlauf.Zurueck([this](const ob::typBinnenPos& pos) {
        m_pos = pos;
        ComputeTypFilter();
        return FillGridPunkte();
    });
    m_pbVorheriger->Enabled(m_verlauf.Anzahl() > 1);
}

void frmBinneninfo::Abzweig(int row) {
    // A junction whose continuation the catalogue does not know leads nowhere.
    const auto neu = ob::AbzweigZiel(m_grdPunkte->item(row, ob::pcBinnenIDNach)->text(),
                                     m_grdPunkte->item(row, ob::pcPunkteIDNach)->text(),
                                     m_grdPunkte->item(row, ob::pcName)->text());
    if (!neu) return;
    const ob::typBinnenPos alt = m_pos;
    m_pos = *neu;
    ComputeTypFilter();
    if (FillGridPunkte()) {
        m_verlauf.Anhaengen(m_pos);
        m_pbVorheriger->Enabled(true);
        return;
    }
    m_pos = alt;
    FillGridPunkte();
}

void frmBinneninfo::fpQuickInfo_Click() {
    m_blnQuickInfo = m_fpQuickInfo->Value();
    if (m_blnQuickInfo)
        ShowQuickInfo(5);
    else
        m_lblQuickInfo->hide();
}

void frmBinneninfo::ShowQuickInfo(int intLeer) {
    const int row = m_grdPunkte->currentRow();
    const QTableWidgetItem* item = row >= 0 ? m_grdPunkte->item(row, ob::pcDetailsText) : nullptr;
    m_lblQuickInfo->setText(ob::QuickInfoText(item ? item->text() : QString(), intLeer));
    m_lblQuickInfo->show();
    m_lblQuickInfo->raise();
}

// A route point chosen in the route view opens this view at that point.
void frmBinneninfo::RoutenpunktGewaehlt(std::int32_t lngBinnenID, std::int32_t lngPunkteID,
                                        const QString& strBinnenBez, std::int32_t lngRoutenIndex) {
    ob::typBinnenPos pos;
    pos.lngBinnenID = lngBinnenID;
    pos.lngPunkteID = lngPunkteID;
    pos.strBinnenBez = strBinnenBez;
    pos.lngRoutenIndex = lngRoutenIndex;
    m_pos = pos;
    m_verlauf.Neu(pos);
    m_pbVorheriger->Enabled(false);
    m_blnRefill = true;
    DrueckeView(vwPunkte);
}
