#include "routing/frmRoutenOptimiererBericht.h"

#include "data/modOLM3Binnen.h"
#include "routing/core/bericht.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTableWidget>

using namespace modOLM3Binnen;

frmRoutenOptimiererBericht::frmRoutenOptimiererBericht(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString());
    m_grdReport = new QTableWidget(this);
    m_grdReport->horizontalHeader()->hide();
    m_grdReport->verticalHeader()->hide();
    m_grdReport->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdReport->setSelectionMode(QAbstractItemView::NoSelection);
    m_grdReport->setShowGrid(false);
    m_grdReport->setFocusPolicy(Qt::NoFocus);
    m_grdReport->verticalHeader()->setMinimumSectionSize(1);
    m_pbBack = new ucOLMButton(this);
    m_pbBack->IsDefault(true);
    if (objOLM3Cfg) {
        m_pbBack->LoadPicture(objOLM3Cfg->GetBild(609));
        objOLM3Cfg->FormatFenster(this);
    }
    m_pbBack->Text(QString());
    connect(m_pbBack, &ucOLMButton::Click, this, &QDialog::accept);
    resize(520, 330);
    CenterForm(this);
}

void frmRoutenOptimiererBericht::FuelleBericht(double dblStrecke, double dblSummeDurchgangszeit,
                                                double dblSummeWartezeit, double dblSummeFahrzeit,
                                                const QDateTime& datStartZeit, std::int32_t lngReisetage,
                                                const QString& strHinweis) {
    const double verbrauch = m_dblVerbrauch > 0 ? m_dblVerbrauch : objOLM3Cfg ? objOLM3Cfg->GetBerichtWert() : 0.0;
    auto zeilen = olm3::routing::BerichtZeilen(dblStrecke, dblSummeDurchgangszeit, dblSummeWartezeit,
                                               dblSummeFahrzeit, datStartZeit, verbrauch);
    if (lngReisetage > 0) {
        const QString tage = QString::number(lngReisetage);
        zeilen.push_back({{GetText(QStringLiteral("Tagesetappen"), 9968) + QStringLiteral(":  "), tage, tage, QString()},
                          false});
    }
    QFont font = m_grdReport->font();
    font.setPointSize(12);
    m_grdReport->setFont(font);
    m_grdReport->clear();
    m_grdReport->setColumnCount(4);
    m_grdReport->setRowCount(static_cast<int>(zeilen.size()));
    // The separator lines take a colour of the grid's own palette, so that they show as bands.
    const QBrush band = m_grdReport->palette().brush(QPalette::Mid);
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const auto& z = zeilen[static_cast<size_t>(r)];
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(z.zellen[static_cast<size_t>(c)]);
            item->setTextAlignment((c < 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            if (z.blnTrenner) item->setBackground(band);
            m_grdReport->setItem(r, c, item);
        }
        // Equal neighbouring cells show as one.
        if (!z.blnTrenner && z.zellen[1] == z.zellen[2]) m_grdReport->setSpan(r, 1, 1, 2);
        m_grdReport->setRowHeight(r, z.blnTrenner ? 8 : QFontMetrics(font).height() + 10);
    }
    if (!strHinweis.isEmpty()) {
        // A warning across the whole width: the totals are not to be relied on.
        const int r = m_grdReport->rowCount();
        m_grdReport->insertRow(r);
        auto* item = new QTableWidgetItem(strHinweis);
        item->setForeground(QColor(160, 0, 0));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setData(Qt::SizeHintRole, QSize(1, 1));
        m_grdReport->setItem(r, 0, item);
        m_grdReport->setSpan(r, 0, 1, 4);
        m_grdReport->setWordWrap(true);
        m_grdReport->setRowHeight(r, 2 * QFontMetrics(font).height() + 10);
    }
    m_grdReport->resizeColumnsToContents();
    for (int c = 0; c < 4; ++c) m_grdReport->setColumnWidth(c, m_grdReport->columnWidth(c) + 12);
    passeGroesseAn();
}

void frmRoutenOptimiererBericht::passeGroesseAn() {
    // Big enough to show every line without scrolling.
    int width = 24, height = 24 + m_pbBack->height() + 10;
    for (int c = 0; c < 4; ++c) width += m_grdReport->columnWidth(c);
    for (int r = 0; r < m_grdReport->rowCount(); ++r) height += m_grdReport->rowHeight(r);
    resize(std::max(width, 360), std::max(height, 260));
    CenterForm(this);
}

void frmRoutenOptimiererBericht::Durchfahrt(const QString& strSumme) {
    if (strSumme.isEmpty()) return;
    const int row = m_grdReport->rowCount();
    m_grdReport->insertRow(row);
    auto* label = new QTableWidgetItem(GetText(QStringLiteral("frmRoutenOptimiererBericht"), 9907) +
                                       QStringLiteral(":  "));
    label->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_grdReport->setItem(row, 0, label);
    auto* summe = new QTableWidgetItem(strSumme);
    m_grdReport->setItem(row, 1, summe);
    m_grdReport->setSpan(row, 1, 1, 3);
    m_grdReport->setRowHeight(row, m_grdReport->rowHeight(0));
    m_grdReport->setColumnWidth(3, std::max(m_grdReport->columnWidth(3),
                                            QFontMetrics(m_grdReport->font()).horizontalAdvance(strSumme) -
                                                m_grdReport->columnWidth(1) - m_grdReport->columnWidth(2) + 16));
    passeGroesseAn();
}

void frmRoutenOptimiererBericht::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int margin = 8;
    m_pbBack->move((width() - m_pbBack->width()) / 2, height() - m_pbBack->height() - margin);
    m_grdReport->setGeometry(margin, margin, width() - 2 * margin, m_pbBack->y() - 2 * margin);
}
