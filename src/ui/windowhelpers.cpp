#include "ui/windowhelpers.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace modOLM3Binnen {

QRect FreierBildschirm(const QWidget* frm) {
    const QScreen* screen = frm && frm->screen() ? frm->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void CenterForm(QWidget* frm) {
    if (!frm) return;
    const QRect s = FreierBildschirm(frm);
    const QSize w = frm->frameGeometry().size();
    frm->move(s.x() + (s.width() - w.width()) / 2, s.y() + (s.height() - w.height()) / 2);
}

bool EnsureMinSize(QWidget* frm, int intMinWidth, int intMinHeight) {
    if (!frm || frm->isMinimized()) return false;
    const int w = frm->width(), h = frm->height();
    if (w >= intMinWidth && h >= intMinHeight) return true;
    frm->resize(std::max(w, intMinWidth), std::max(h, intMinHeight));
    return false;
}

void SetTopMost(QWidget* frm, bool blnTop) {
    if (!frm) return;
    const QRect geometry = frm->geometry();
    frm->setWindowFlag(Qt::WindowStaysOnTopHint, blnTop);
    frm->setGeometry(geometry);
    frm->show();
}

void SetHourglass() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void SetNormalPointer() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

} // namespace modOLM3Binnen
