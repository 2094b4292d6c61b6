#pragma once
// The message boxes of the component's windows, and the seam through which every modal window runs.

#include <QString>
#include <functional>

class QDialog;

namespace olm3ui {

/// Routes the component's message boxes to QMessageBox, unless a test or host has put in its own handler.
void InstallMessageBoxHandler();

/// Every modal window of the component is shown through here; a test puts in a driver that clicks
/// through the window instead of a person. The handler returns the dialog's result.
using ModalHandler = std::function<int(QDialog* dlg)>;
int ExecModal(QDialog* dlg);
/// Replaces the driver; returns the previous one. An empty handler restores QDialog::exec.
ModalHandler SetModalHandler(ModalHandler handler);

} // namespace olm3ui
