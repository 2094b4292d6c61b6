#include "browser/browserhilfen.h"

#include "browser/core/browsercore.h"
#include "data/modOLM3Binnen.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

namespace olm3browser {

namespace {
constexpr int kKopfHoehe = 44;
constexpr int kZeilenFuerBreite = 300;
} // namespace

QString text(std::int32_t id) {
    return modOLM3Binnen::GetText(olm3::browser::kModul, id);
}

QScopeGuard<void (*)()> sanduhr() {
    modOLM3Binnen::SetHourglass();
    return QScopeGuard<void (*)()>(&modOLM3Binnen::SetNormalPointer);
}

OhneZeichnen::OhneZeichnen(QTableWidget* grd) : m_grd(grd) {
    m_grd->setUpdatesEnabled(false);
}

OhneZeichnen::~OhneZeichnen() {
    m_grd->setUpdatesEnabled(true);
}

QTableWidgetItem* zelle(const QString& s) {
    auto* item = new QTableWidgetItem(s);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QFont schrift(const QWidget* w, int punkte, bool fett) {
    QFont f = w->font();
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

void spaltenBreiten(QTableWidget* g) {
    QHeaderView* kopf = g->horizontalHeader();
    int rest = g->viewport()->width(), dehnen = -1;
    for (int c = 0; c < g->columnCount(); ++c) {
        if (kopf->sectionResizeMode(c) == QHeaderView::Stretch) {
            dehnen = c;
            continue;
        }
        // A hidden column is not measured: the lists size their columns again whenever they show one.
        if (g->isColumnHidden(c)) continue;
        g->resizeColumnToContents(c);
        rest -= kopf->sectionSize(c);
    }
    if (dehnen < 0) return;
    // The header spreads the room itself on its next layout; until then the column gets it here.
    kopf->setSectionResizeMode(dehnen, QHeaderView::Interactive);
    g->resizeColumnToContents(dehnen);
    kopf->resizeSection(dehnen, std::max(kopf->sectionSize(dehnen), rest));
    kopf->setSectionResizeMode(dehnen, QHeaderView::Stretch);
}

std::int32_t zeilenDaten(const QTableWidget* grd, int row) {
    const QTableWidgetItem* item = grd->item(row, 0);
    return item ? item->data(kZeilenDaten).toInt() : 0;
}

ucOLMButton* knopf(QWidget* parent, const char* name, bool blnTwoState) {
    auto* b = new ucOLMButton(parent);
    b->setObjectName(QLatin1String(name));
    b->TwoState(blnTwoState);
    return b;
}

QTableWidget* liste(QWidget* parent, const char* name) {
    auto* g = new QTableWidget(parent);
    g->setObjectName(QLatin1String(name));
    g->setFont(schrift(g));
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setWordWrap(false);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(QFontMetrics(g->font()).height() + 8);
    g->horizontalHeader()->setFixedHeight(kKopfHoehe);
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    g->horizontalHeader()->setHighlightSections(false);
    // Columns are sized from a few hundred rows, not from every row of a long list.
    g->horizontalHeader()->setResizeContentsPrecision(kZeilenFuerBreite);
    g->verticalHeader()->setResizeContentsPrecision(kZeilenFuerBreite);
    return g;
}

void koepfe(QTableWidget* g, const QStringList& astrTexte) {
    g->setColumnCount(static_cast<int>(astrTexte.size()));
    for (int c = 0; c < astrTexte.size(); ++c)
        g->setHorizontalHeaderItem(c, new QTableWidgetItem(astrTexte[c]));
}

} // namespace olm3browser
