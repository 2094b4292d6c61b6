// Test main: an application object (windows run offscreen), a private state folder for the log file,
// and the step pause of 0 so that computations run at full speed.

#include "data/modOLM3Binnen.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef OLM3_WITH_WIDGETS
#include "ui/messagebox.h"

#include <QApplication>
#include <QDialog>
using TestApp = QApplication;
#else
#include <QCoreApplication>
using TestApp = QCoreApplication;
#endif

int main(int argc, char** argv) {
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApp app(argc, argv);
    modOLM3Binnen::SetStepPauseMs(0);
#ifdef OLM3_WITH_WIDGETS
    // A message box or modal window that no test answers fails that test at once, instead of waiting
    // offscreen for a click that never comes.
    modOLM3Binnen::SetMsgBoxHandler([](const QString& text, int, const QString& title) {
        ADD_FAILURE() << "unanswered message box: " << title.toStdString() << ": " << text.toStdString();
        return int(modOLM3Binnen::vbCancel);
    });
    olm3ui::SetModalHandler([](QDialog* dlg) {
        ADD_FAILURE() << "unanswered modal window: " << dlg->windowTitle().toStdString();
        return int(QDialog::Rejected);
    });
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
