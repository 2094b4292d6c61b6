// The outline of the route view: route-point rows head groups of detail rows, opened and closed by a
// click on the outline mark or with "+" and "-".
#include "browser/routenansicht.h"
#include "browser/routenansicht_internal.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>

using namespace olm3browser::routenansicht;

QIcon olm3browser::routenansicht::gliederungsBild(bool blnOffen) {
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
