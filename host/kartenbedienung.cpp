// What the user does on the chart: drag and click with the pointer, the wheel, the keys, and the tool tip
// of the object under the pointer.
#include "karte.h"

#include "kartenstil.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace olm3host {

using namespace kartenstil;

namespace {

/// A drag starts after the pointer moved this far.
constexpr double kZiehSchwelle = 4.0;

} // namespace

int Karte::objektBei(const QPointF& pixel) const {
    int bester = -1;
    double abstand = 10.0;
    for (size_t i = 0; i < m_daten.objekte.size(); ++i) {
        const QPointF m = ZuBildschirm(m_daten.objekte[i].lage);
        const double d = std::hypot(m.x() - pixel.x(), m.y() - pixel.y());
        if (d < abstand) {
            abstand = d;
            bester = static_cast<int>(i);
        }
    }
    return bester;
}

bool Karte::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* hilfe = static_cast<QHelpEvent*>(event);
        const int i = objektBei(hilfe->pos());
        if (i < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const auto& o = m_daten.objekte[static_cast<size_t>(i)];
        QString text = m_daten.typNamen.value(o.typ, QString(o.typ));
        if (!o.strName.isEmpty()) text = o.strName + QStringLiteral(" (") + text + QLatin1Char(')');
        text += QStringLiteral("\n") + m_daten.gewaesser[static_cast<size_t>(o.gewaesser)].strName;
        QToolTip::showText(hilfe->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void Karte::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit CursorVerlassen();
}

void Karte::mousePressEvent(QMouseEvent* event) {
    // The mark of a chosen object stays until the next click.
    if (m_hatMarke) {
        m_hatMarke = false;
        update();
    }
    if (event->button() != Qt::LeftButton) return;
    m_druckPunkt = m_letzterPunkt = event->position();
    m_ziehen = false;
}

void Karte::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    if (!m_daten.Leer()) {
        const QPointF lage = ZuLage(pos);
        emit CursorBewegt(lage.x(), lage.y());
    }
    if (!(event->buttons() & Qt::LeftButton)) return;
    if (!m_ziehen && std::hypot(pos.x() - m_druckPunkt.x(), pos.y() - m_druckPunkt.y()) < kZiehSchwelle)
        return;
    if (!m_ziehen) setCursor(Qt::ClosedHandCursor);
    m_ziehen = true;
    m_folgtGroesse = false;
    m_mitte -= (pos - m_letzterPunkt) / m_massstab;
    m_letzterPunkt = pos;
    update();
}

void Karte::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool gezogen = m_ziehen;
    m_ziehen = false;
    setCursor(m_punktWahl ? Qt::CrossCursor : Qt::ArrowCursor);
    if (gezogen || !m_punktWahl) return;
    const QPointF lage = ZuLage(event->position());
    emit PositionGewaehlt(lage.x(), lage.y());
}

void Karte::wheelEvent(QWheelEvent* event) {
    const double stufen = event->angleDelta().y() / 120.0;
    if (stufen != 0.0) Zoom(std::pow(1.25, stufen), event->position());
    event->accept();
}

void Karte::keyPressEvent(QKeyEvent* event) {
    const double schritt = 80.0 / m_massstab;
    if (event->key() != Qt::Key_Escape) m_folgtGroesse = false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        Zoom(1.25);
        break;
    case Qt::Key_Minus:
        Zoom(0.8);
        break;
    case Qt::Key_Home:
    case Qt::Key_0:
        Einpassen();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const bool waagrecht = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
        const double richtung = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up ? -1.0 : 1.0;
        (waagrecht ? m_mitte.rx() : m_mitte.ry()) += richtung * schritt;
        update();
        break;
    }
    case Qt::Key_Escape:
        if (m_punktWahl) {
            SetPunktWahl(false);
            emit PunktWahlAbgebrochen();
        }
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace olm3host
