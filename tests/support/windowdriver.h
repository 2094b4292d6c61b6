#pragma once
// Driving the component's windows as a user does: picture buttons and boxes clicked, grid columns and
// rows read, and every modal window handed to a script while the driver lives.

#include "browser/browserhilfen.h"
#include "support/fixtures.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"

#include <QAbstractButton>
#include <QDialog>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <cstdint>
#include <functional>
#include <initializer_list>

namespace olm3test {

/// Clicks a picture button with the mouse.
inline void Klick(ucOLMButton* b) {
    QTest::mouseClick(b->fpb(), Qt::LeftButton);
}

/// Clicks a check box or option button on its box (the middle of a wide one may lie beside its caption).
inline void KlickBox(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

/// The text of a cell; an empty text for a cell without an item.
inline QString Zelle(const QTableWidget* g, int r, int c) {
    const QTableWidgetItem* item = g->item(r, c);
    return item ? item->text() : QString();
}

/// The texts of a grid column, top to bottom.
inline QStringList Spalte(const QTableWidget* g, int c) {
    QStringList s;
    for (int r = 0; r < g->rowCount(); ++r)
        s << Zelle(g, r, c);
    return s;
}

/// In a list of columns: the point (or waterway) a browser row stands for, kept with its first cell.
constexpr int kZeilenPunkt = -1;

/// The point a browser row stands for, 0 for a row without one.
inline std::int32_t ZeilenPunkt(const QTableWidget* g, int r) {
    const QTableWidgetItem* item = g->item(r, 0);
    return item ? item->data(olm3browser::kZeilenDaten).toInt() : 0;
}

/// The first row of a point from the row given on, or -1.
inline int ZeileVon(const QTableWidget* g, std::int32_t lngPunkteID, int ab = 0) {
    for (int r = ab; r < g->rowCount(); ++r)
        if (ZeilenPunkt(g, r) == lngPunkteID) return r;
    return -1;
}

/// A row as the texts of the columns given joined by '|'.
inline QString Zeile(const QTableWidget* g, int r, std::initializer_list<int> spalten) {
    QStringList t;
    for (int c : spalten)
        t << (c == kZeilenPunkt ? QString::number(ZeilenPunkt(g, r)) : Zelle(g, r, c));
    return t.join(QLatin1Char('|'));
}

/// The rows as lines, the hidden ones only when asked for.
inline QStringList Zeilen(const QTableWidget* g, std::initializer_list<int> spalten,
                          bool blnVersteckte = false) {
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        if (blnVersteckte || !g->isRowHidden(r)) out << Zeile(g, r, spalten);
    return out;
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
