#include "browser/tagesetappenansicht.h"

#include "browser/browserhilfen.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "routing/core/tagesetappen.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace modOLM3Binnen;

namespace {

QString tx(std::int32_t id) { return GetText(QStringLiteral("Tagesetappen"), id); }
QString zahl(double v) { return FormatNumber(v, QStringLiteral("0.0")); }

/// The column heads: day, date, from, departure, to, arrival, km, cruising hours, locks, waits, remark.
constexpr std::int32_t kKoepfe[] = {9957, 9958, 9959, 9961, 9960, 9962, 9963, 9964, 9965, 9966, 9967};
constexpr int kErsteZahl = 6;
constexpr int kOrtBreite = 260; ///< px at most for a place name ///< from this column on the cells are numbers (right-aligned), up to the remark

} // namespace

TagesetappenAnsicht::TagesetappenAnsicht(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraTagesetappen"));
    m_lblTitel = new QLabel(this);
    m_lblTitel->setObjectName(QStringLiteral("lblTagesetappen"));
    QFont fett = m_lblTitel->font();
    fett.setPointSize(olm3browser::kSchrift + 1);
    fett.setBold(true);
    m_lblTitel->setFont(fett);

    m_grdEtappen = new QTableWidget(this);
    m_grdEtappen->setObjectName(QStringLiteral("grdTagesetappen"));
    QFont f = m_grdEtappen->font();
    f.setPointSize(olm3browser::kSchrift);
    m_grdEtappen->setFont(f);
    m_grdEtappen->setColumnCount(static_cast<int>(std::size(kKoepfe)));
    QStringList koepfe;
    for (const std::int32_t id : kKoepfe) koepfe << tx(id);
    m_grdEtappen->setHorizontalHeaderLabels(koepfe);
    m_grdEtappen->verticalHeader()->hide();
    m_grdEtappen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdEtappen->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grdEtappen->horizontalHeader()->setStretchLastSection(true);

    // No taller than its rows: the route grid above takes the room that is left.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 4, 0, 0);
    l->addWidget(m_lblTitel);
    l->addWidget(m_grdEtappen);
}

void TagesetappenAnsicht::Fuelle(const std::vector<typRouteOptimiert>& route) {
    std::vector<olm3::routing::Tagesetappe> etappen;
    if (!route.empty())
        etappen = olm3::routing::BerechneTagesetappen(route, route.front().datZeitAn,
                                                      olm3::routing::FahrtagDerEinstellungen());
    m_grdEtappen->setRowCount(static_cast<int>(etappen.size()));
    for (int r = 0; r < static_cast<int>(etappen.size()); ++r) {
        const olm3::routing::Tagesetappe& e = etappen[static_cast<size_t>(r)];
        const QString zellen[] = {
            QString::number(e.lngTag),
            FormatDatum(e.datAb, QStringLiteral("dd.mm.yyyy")),
            e.strVon,
            FormatDatum(e.datAb, QStringLiteral("hh:nn")),
            e.strNach,
            FormatDatum(e.datAn, QStringLiteral("hh:nn")),
            zahl(e.dblStrecke),
            zahl(e.dblFahrstunden),
            QString::number(e.lngSchleusen),
            zahl(e.dblWartezeit),
            olm3::routing::EtappenHinweis(e),
        };
        for (int c = 0; c < static_cast<int>(std::size(zellen)); ++c) {
            auto* item = new QTableWidgetItem(zellen[c]);
            const bool rechts = c == 0 || (c >= kErsteZahl && c < static_cast<int>(std::size(zellen)) - 1);
            item->setTextAlignment((rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            if (c == 10 && !zellen[c].isEmpty()) item->setForeground(QColor(160, 40, 20));
            m_grdEtappen->setItem(r, c, item);
        }
    }
    m_strReisetage = etappen.empty() ? QString()
                                     : tx(9968) + QStringLiteral(": ") +
                                           QString::number(olm3::routing::Reisetage(etappen));
    m_lblTitel->setText(etappen.empty() ? tx(9956) : tx(9956) + QStringLiteral("     ") + m_strReisetage);
    m_grdEtappen->resizeColumnsToContents();
    // Long place names are cut (the whole name is in the tip), so that the figures stay in sight.
    for (const int c : {2, 4}) {
        m_grdEtappen->setColumnWidth(c, std::min(m_grdEtappen->columnWidth(c), kOrtBreite));
        for (int r = 0; r < m_grdEtappen->rowCount(); ++r)
            if (QTableWidgetItem* it = m_grdEtappen->item(r, c)) it->setToolTip(it->text());
    }
    // As high as its rows, up to about a week, with room for the scroll bar; more rows scroll.
    const int zeilen = std::clamp(static_cast<int>(etappen.size()), 1, 7);
    const int h = m_grdEtappen->horizontalHeader()->sizeHint().height() +
                  zeilen * m_grdEtappen->verticalHeader()->defaultSectionSize() +
                  m_grdEtappen->horizontalScrollBar()->sizeHint().height() + 2 * m_grdEtappen->frameWidth() + 2;
    m_grdEtappen->setFixedHeight(h);
}
