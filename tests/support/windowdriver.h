#pragma once
// Driving the component's windows as a user does: picture buttons and boxes clicked, grid columns read,
// and every modal window handed to a script while the driver lives.

#include "support/fixtures.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"

#include <QAbstractButton>
#include <QDialog>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace olm3test {

/// Clicks a picture button with the mouse.
inline void Klick(ucOLMButton* b) {
    QTest::mouseClick(b->fpb(), Qt::LeftButton);
}

/// Clicks a check box or option button on its box (the middle of a wide one may lie beside its caption).
inline void KlickBox(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

/// The texts of a grid column, top to bottom; an empty text for a cell without an item.
inline QStringList Spalte(const QTableWidget* g, int c) {
    QStringList s;
    for (int r = 0; r < g->rowCount(); ++r)
        s << (g->item(r, c) ? g->item(r, c)->text() : QString());
    return s;
}

/// Drives every modal window through the seam while it lives: the window is shown, the script works it,
/// the window closes as a modal run ends, and its own result goes back. Counts the windows handed over.
class ModalScript {
public:
    explicit ModalScript(std::function<void(QDialog*)> script)
        : m_old(olm3ui::SetModalHandler([this, script](QDialog* dlg) {
              ++aufrufe;
              dlg->show();
              script(dlg);
              dlg->hide();
              return dlg->result();
          })) {}
    ~ModalScript() { olm3ui::SetModalHandler(m_old); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;
    int aufrufe = 0;

private:
    olm3ui::ModalHandler m_old;
};

} // namespace olm3test
