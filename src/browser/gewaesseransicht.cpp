// The browser's waterway list: the catalogue's active waterways by name, a name box that jumps to the
// first match, and a double click that opens the points of a waterway.

#include "browser/browserhilfen.h"
#include "browser/frmBinneninfo.h"
#include "data/modOLM3Binnen.h"
#include "ui/ucOLMButton.h"

#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>

using namespace olm3browser;
namespace ob = olm3::browser;

void frmBinneninfo::createGewaesserAnsicht() {
    QWidget* fra = m_fraView[vwBinnen];
    m_txtBinnenName = new QLineEdit(fra);
    m_txtBinnenName->setObjectName(QStringLiteral("txtBinnenName"));
    m_txtBinnenName->setClearButtonEnabled(true);
    m_grdBinnen = liste(fra, "grdBinnen");
    connect(m_txtBinnenName, &QLineEdit::textChanged, this, &frmBinneninfo::txtBinnenName_Change);
    connect(m_grdBinnen, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { grdBinnen_DblClick(row); });
    connect(m_grdBinnen, &QTableWidget::currentCellChanged, this, [this] {
        if (m_intView == vwBinnen) enableRefBack(ZeileGewaehlt(m_grdBinnen));
    });
}

void frmBinneninfo::layoutGewaesserAnsicht(int fw, int fh, int zeile) {
    // The name box above the list.
    m_txtBinnenName->setGeometry(0, 0, std::min(fw, std::max(260, fw / 3)), zeile);
    m_grdBinnen->setGeometry(0, zeile + kRand, fw, fh - zeile - kRand);
}

void frmBinneninfo::FillGridBinnen() {
    const auto zeiger = sanduhr();
    std::vector<ob::GewaesserZeile> zeilen;
    ob::LadeGewaesser(zeilen);
    QTableWidget* g = m_grdBinnen;
    {
        OhneZeichnen aus(g);
        g->setRowCount(0);
        g->setRowCount(static_cast<int>(zeilen.size()));
        const QFont fett = schrift(g, kSchrift, true);
        for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
            const ob::GewaesserZeile& z = zeilen[static_cast<size_t>(r)];
            for (int c = 0; c < ob::kGewaesserSpalten; ++c) {
                QTableWidgetItem* item = zelle(z.astrSpalte[static_cast<size_t>(c)]);
                if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (c == 0) {
                    item->setData(kZeilenDaten, z.lngBinnenID);
                    item->setFont(fett);
                }
                g->setItem(r, c, item);
            }
        }
        spaltenBreiten(g);
    }
    if (g->rowCount() > 0) g->setCurrentCell(0, 0);
}

void frmBinneninfo::txtBinnenName_Change() {
    QStringList namen;
    for (int r = 0; r < m_grdBinnen->rowCount(); ++r)
        namen << m_grdBinnen->item(r, 0)->text();
    const int row = ob::SucheAnfang(namen, m_txtBinnenName->text());
    if (row < 0) return;
    m_grdBinnen->setCurrentCell(row, 0);
    m_grdBinnen->scrollToItem(m_grdBinnen->item(row, 0), QAbstractItemView::PositionAtTop);
}

void frmBinneninfo::grdBinnen_DblClick(int row) {
    if (row < 0 || row >= m_grdBinnen->rowCount()) return;
    ob::typBinnenPos pos;
    pos.lngBinnenID = zeilenDaten(m_grdBinnen, row);
    pos.strBinnenBez = m_grdBinnen->item(row, 0)->text();
    m_pos = pos;
    m_verlauf.Neu(pos);
    m_pbVorheriger->Enabled(false);
    m_blnRefill = true;
    DrueckeView(vwPunkte);
}
