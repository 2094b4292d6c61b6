#include "ui/messagebox.h"

#include "data/modOLM3Binnen.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace olm3ui {

namespace {
int qtMessageBox(const QString& strText, int intStyle, const QString& strTitle) {
    using namespace modOLM3Binnen;
    QMessageBox box;
    box.setWindowTitle(strTitle);
    box.setText(strText);
    switch (intStyle & 0x70) {
    case vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (intStyle & 7) {
    case vbOKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case vbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case vbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    case QMessageBox::Cancel:
        return vbCancel;
    default:
        return vbOK;
    }
}

ModalHandler& modalSlot() {
    static ModalHandler h;
    return h;
}
} // namespace

void InstallMessageBoxHandler() {
    if (modOLM3Binnen::IsDefaultMsgBoxHandler() && qobject_cast<QApplication*>(QCoreApplication::instance()))
        modOLM3Binnen::SetMsgBoxHandler(qtMessageBox);
}

int ExecModal(QDialog* dlg) {
    if (modalSlot()) return modalSlot()(dlg);
    return dlg->exec();
}

ModalHandler SetModalHandler(ModalHandler handler) {
    ModalHandler old = std::move(modalSlot());
    modalSlot() = std::move(handler);
    return old;
}

} // namespace olm3ui
