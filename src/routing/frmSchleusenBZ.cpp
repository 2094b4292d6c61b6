#include "routing/frmSchleusenBZ.h"

#include "data/katalogbegriffe.h"
#include "data/modOLM3Binnen.h"
#include "routing/core/schleusenbzanzeige.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

using namespace modOLM3Binnen;
using namespace olm3::routing;

namespace {

const QString kModul = QStringLiteral("frmSchleusenBZ");
constexpr int kRand = 8;
constexpr int kMinBreite = 500;
constexpr int kMinHoehe = 250;

/// Draws the special-rule mark of a season cell: a yellow bar over the left 30 % of the cell.
class SonderregelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!index.data(frmSchleusenBZ::kSonderregelRolle).toString().isEmpty()) {
            QRect bar = option.rect;
            bar.setWidth(option.rect.width() * 3 / 10);
            painter->fillRect(bar, QColor(255, 255, 0));
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

QTableWidget* neuesGitter(QWidget* parent) {
    auto* grd = new QTableWidget(parent);
    grd->horizontalHeader()->hide();
    grd->verticalHeader()->hide();
    grd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd->setSelectionMode(QAbstractItemView::NoSelection);
    grd->setFocusPolicy(Qt::NoFocus);
    grd->setWordWrap(false);
    grd->verticalHeader()->setMinimumSectionSize(1);
    QFont font = grd->font();
    font.setPointSize(12);
    grd->setFont(font);
    return grd;
}

QTableWidgetItem* zelle(QTableWidget* grd, int row, int col, const QString& text, bool blnFest,
                        Qt::Alignment ausrichtung = Qt::AlignCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(ausrichtung | Qt::AlignVCenter);
    if (blnFest) item->setBackground(grd->palette().brush(QPalette::Button));
    grd->setItem(row, col, item);
    return item;
}

void schrift(QTableWidget* grd, int row, bool blnFett, bool blnKursivAbSpalte1) {
    for (int c = 0; c < grd->columnCount(); ++c) {
        QTableWidgetItem* item = grd->item(row, c);
        if (!item) continue;
        QFont f = grd->font();
        f.setBold(blnFett);
        f.setItalic(blnKursivAbSpalte1 && c > 0);
        item->setFont(f);
    }
}

/// Rows, columns and room for the text; every row as tall as the font needs.
void passeZellenAn(QTableWidget* grd) {
    grd->resizeColumnsToContents();
    for (int c = 0; c < grd->columnCount(); ++c)
        grd->setColumnWidth(c, grd->columnWidth(c) + 12);
    const int h = QFontMetrics(grd->font()).height() + 8;
    for (int r = 0; r < grd->rowCount(); ++r)
        grd->setRowHeight(r, h);
}

QSize inhaltsGroesse(const QTableWidget* grd) {
    int w = 2 * grd->frameWidth(), h = 2 * grd->frameWidth();
    for (int c = 0; c < grd->columnCount(); ++c)
        w += grd->columnWidth(c);
    for (int r = 0; r < grd->rowCount(); ++r)
        h += grd->rowHeight(r);
    return {w, h};
}

/// Merges the runs of equal cells of one column between the rows von and bis (exclusive).
void verbindeGleiche(QTableWidget* grd, int col, int von, int bis) {
    int start = von;
    for (int r = von + 1; r <= bis; ++r) {
        const QTableWidgetItem* a = grd->item(start, col);
        const QTableWidgetItem* b = r < bis ? grd->item(r, col) : nullptr;
        const bool gleich =
            a && b && a->text() == b->text() &&
            a->data(frmSchleusenBZ::kSonderregelRolle) == b->data(frmSchleusenBZ::kSonderregelRolle);
        if (gleich) continue;
        if (r - start > 1) grd->setSpan(start, col, r - start, 1);
        start = r;
    }
}

} // namespace

frmSchleusenBZ::frmSchleusenBZ(QWidget* parent) : QDialog(parent) {
    setWindowTitle(GetText(kModul, 911));
    m_lblSR = new QLabel(this);
    m_lblSR->setWordWrap(true);
    QPalette pal = m_lblSR->palette();
    pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_lblSR->setPalette(pal);
    QFont font = m_lblSR->font();
    font.setPointSize(12);
    m_lblSR->setFont(font);
    m_lblSR->hide();
    m_grdWT = neuesGitter(this);
    m_grdWT->setItemDelegate(new SonderregelDelegate(m_grdWT));
    m_grdFT = neuesGitter(this);
    m_pbBack = new ucOLMButton(this);
    m_pbBack->IsDefault(true);
    m_pbBack->Text(QString());
    if (objOLM3Cfg) {
        m_pbBack->LoadPicture(objOLM3Cfg->GetBild(609));
        objOLM3Cfg->FormatFenster(this);
    }
    connect(m_pbBack, &ucOLMButton::Click, this, &QDialog::accept);
    resize(kMinBreite, kMinHoehe);
}

bool frmSchleusenBZ::Init(std::int32_t lngSchleusenID, const QDateTime& datDatum) {
    m_lngSchleusenID = lngSchleusenID;
    m_datDatum = datDatum;
    m_blnOhneBetriebszeiten = false;
    m_lblSR->clear();
    m_lblSR->hide();
    if (!IsKatalogOffen()) return false;
    SetHourglass();
    bool ok = fillWT() && fillFT();
    SetNormalPointer();
    // A lock the catalogue has no hours for would show two empty tables.
    if (ok && m_lngAnzahlWT == 0 && m_lngAnzahlFT == 0) {
        m_blnOhneBetriebszeiten = true;
        ok = false;
    }
    if (ok) passeGroesseAn();
    return ok;
}

bool frmSchleusenBZ::fillWT() {
    QString strSR;
    if (!LeseSonderregelung(m_lngSchleusenID, strSR)) return false;
    if (!strSR.isEmpty()) {
        m_lblSR->setText(strSR);
        m_lblSR->show();
    }
    WTTabelle t;
    if (!LeseWTTabelle(m_lngSchleusenID, t, m_lngAnzahlWT)) return false;

    QTableWidget* grd = m_grdWT;
    grd->setUpdatesEnabled(false);
    grd->clear();
    grd->clearSpans();
    const int nSaisons = static_cast<int>(t.aSaisons.size());
    grd->setColumnCount(2 + nSaisons);
    grd->setRowCount(1 + static_cast<int>(t.aZeilen.size()));
    zelle(grd, 0, 0, QString(), true);
    zelle(grd, 0, 1, QString(), true);
    grd->setSpan(0, 0, 1, 2);
    for (int c = 0; c < nSaisons; ++c)
        zelle(grd, 0, 2 + c, t.aSaisons[c], true);
    const int lngWochentag = IstOhneDatum(m_datDatum) ? 0 : m_datDatum.date().dayOfWeek();
    for (int i = 0; i < static_cast<int>(t.aZeilen.size()); ++i) {
        const WTZeile& z = t.aZeilen[static_cast<size_t>(i)];
        const int r = i + 1;
        zelle(grd, r, 0, z.strTag, true, Qt::AlignLeft)->setData(kZeilenRolle, z.lngNr);
        zelle(grd, r, 1, olm3::KatalogBegriff(olm3::KatalogWort::WochentagKurz, z.strWtID, z.strWtID), true);
        for (int c = 0; c < nSaisons; ++c) {
            const WTZelle& s = z.aZellen[static_cast<size_t>(c)];
            QTableWidgetItem* item = zelle(grd, r, 2 + c, s.strText, false);
            if (!s.strSRID.isEmpty()) item->setData(kSonderregelRolle, s.strSRID);
        }
        schrift(grd, r, z.lngNr == lngWochentag, false);
    }
    // The rows of one weekday: its fixed cells as one, and each window once.
    for (int start = 1; start < grd->rowCount();) {
        int ende = start + 1;
        while (ende < grd->rowCount() &&
               grd->item(ende, 0)->data(kZeilenRolle) == grd->item(start, 0)->data(kZeilenRolle))
            ++ende;
        for (int c = 2; c < grd->columnCount(); ++c)
            verbindeGleiche(grd, c, start, ende);
        if (ende - start > 1) {
            grd->setSpan(start, 0, ende - start, 1);
            grd->setSpan(start, 1, ende - start, 1);
        }
        start = ende;
    }
    passeZellenAn(grd);
    grd->setUpdatesEnabled(true);
    return true;
}

bool frmSchleusenBZ::fillFT() {
    std::vector<FTZeile> aZeilen;
    if (!LeseFTTabelle(m_lngSchleusenID, m_datDatum, aZeilen, m_lngAnzahlFT)) return false;
    QTableWidget* grd = m_grdFT;
    grd->setUpdatesEnabled(false);
    grd->clear();
    grd->clearSpans();
    grd->setColumnCount(3);
    grd->setRowCount(static_cast<int>(aZeilen.size()));
    for (int r = 0; r < grd->rowCount(); ++r) {
        const FTZeile& z = aZeilen[static_cast<size_t>(r)];
        if (z.art == FTZeilenart::Trenner) {
            zelle(grd, r, 0, z.strFeiertag, false);
            grd->setSpan(r, 0, 1, 3);
            continue;
        }
        zelle(grd, r, 0, z.strFeiertag, true, Qt::AlignLeft)->setData(kZeilenRolle, z.strFeiertageID);
        zelle(grd, r, 1, z.strRegel, false);
        zelle(grd, r, 2, z.strBedingung, false, Qt::AlignLeft);
        schrift(grd, r, z.blnFett, z.art == FTZeilenart::Rest);
    }
    // Several rules of one holiday under one name.
    for (int start = 0; start < grd->rowCount();) {
        int ende = start + 1;
        const QTableWidgetItem* a = grd->item(start, 0);
        while (ende < grd->rowCount() && a && grd->columnSpan(start, 0) == 1 && grd->item(ende, 0) &&
               grd->item(ende, 0)->data(kZeilenRolle) == a->data(kZeilenRolle) &&
               grd->item(ende, 0)->text() == a->text())
            ++ende;
        if (ende - start > 1) grd->setSpan(start, 0, ende - start, 1);
        start = ende;
    }
    passeZellenAn(grd);
    grd->setVisible(grd->rowCount() > 0);
    grd->setUpdatesEnabled(true);
    return true;
}

void frmSchleusenBZ::passeGroesseAn() {
    const QSize wt = inhaltsGroesse(m_grdWT);
    const QSize ft = m_grdFT->isHidden() ? QSize(0, 0) : inhaltsGroesse(m_grdFT);
    const int breite = std::max({kMinBreite, wt.width() + 2 * kRand, ft.width() + 2 * kRand});
    const int lbl = m_lblSR->isHidden() ? 0 : m_lblSR->heightForWidth(breite - 2 * kRand) + kRand;
    const int hoehe = kRand + lbl + wt.height() + (ft.height() > 0 ? ft.height() + kRand : 0) + kRand +
                      m_pbBack->height() + kRand;
    QSize groesse(breite, hoehe);
    // A large timetable scrolls rather than leaving the screen.
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        groesse = groesse.boundedTo(s->availableGeometry().size() - QSize(40, 40));
    resize(groesse.expandedTo(QSize(kMinBreite, kMinHoehe)));
    CenterForm(this);
    anordnen();
}

void frmSchleusenBZ::anordnen() {
    const int w = width() - 2 * kRand;
    int y = kRand;
    if (!m_lblSR->isHidden()) {
        const int h = m_lblSR->heightForWidth(w);
        m_lblSR->setGeometry(kRand, y, w, h);
        y += h + kRand;
    }
    const int knopfY = height() - m_pbBack->height() - kRand;
    m_pbBack->move((width() - m_pbBack->width()) / 2, knopfY);
    const int platz = std::max(0, knopfY - kRand - y);
    const QSize wt = inhaltsGroesse(m_grdWT);
    const QSize ft = m_grdFT->isHidden() ? QSize(0, 0) : inhaltsGroesse(m_grdFT);
    // Each table as large as its contents while there is room; then the weekday table gives way, but
    // leaves the holiday table a fair share.
    const int frei = m_grdFT->isHidden() ? platz : std::max(0, platz - kRand);
    int hWT = std::min(wt.height(), frei);
    if (!m_grdFT->isHidden() && wt.height() + ft.height() > frei)
        hWT = std::min(wt.height(), std::max(frei * 55 / 100, frei - ft.height()));
    const int hFT = std::min(ft.height(), frei - hWT);
    auto breite = [w](const QTableWidget* grd, const QSize& inhalt, int h) {
        const int rollbalken = h < inhalt.height() ? grd->verticalScrollBar()->sizeHint().width() : 0;
        return std::min(w, inhalt.width() + rollbalken);
    };
    m_grdWT->setGeometry(kRand, y, breite(m_grdWT, wt, hWT), hWT);
    m_grdFT->setGeometry(kRand, y + hWT + kRand, breite(m_grdFT, ft, hFT), hFT);
}

void frmSchleusenBZ::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    EnsureMinSize(this, kMinBreite, kMinHoehe);
    anordnen();
}
