#include "details/bildfeld.h"

#include <QPainter>

BildFeld::BildFeld(QWidget* parent) : QWidget(parent) {}

void BildFeld::SetzeBild(std::int32_t lngBildID, const QPixmap& picture, bool blnDurchgestrichen) {
    m_lngBildID = lngBildID;
    m_bild = picture;
    m_blnDurchgestrichen = blnDurchgestrichen;
    update();
}

QSize BildFeld::sizeHint() const {
    return m_bild.isNull() ? QSize(48, 48) : m_bild.size();
}

void BildFeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_bild.isNull()) {
        // The picture as large as the box allows, centred, never distorted.
        const QSize groesse = m_bild.size().scaled(size(), Qt::KeepAspectRatio);
        const QRect ziel(QPoint((width() - groesse.width()) / 2, (height() - groesse.height()) / 2), groesse);
        p.drawPixmap(ziel, m_bild);
    }
    if (m_blnDurchgestrichen) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(StrichFarbe(), kStrichBreite, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPoint(kStrichRand, kStrichRand), QPoint(width() - kStrichRand, height() - kStrichRand));
    }
}
