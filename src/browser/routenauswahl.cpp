// The choice in the route view: a double-click on a row, the current row and what the browser reads of it,
// and the "..." button that opens a lock's operating hours from its wait cell.
#include "browser/routenansicht.h"
#include "browser/routenansicht_internal.h"

#include "browser/detailaktion.h"

#include <QHBoxLayout>
#include <QTableWidget>
#include <QToolButton>

using namespace olm3browser::routenansicht;

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
