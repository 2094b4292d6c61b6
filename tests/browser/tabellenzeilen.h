#pragma once
// The browser's tables read as a user reads them: each row one line of its cells.

#include "browser/browserhilfen.h"

#include <QStringList>
#include <QTableWidget>
#include <cstdint>
#include <initializer_list>

namespace olm3test {

/// In a list of columns: the point (or waterway) a row stands for, kept with its first cell.
constexpr int kZeilenPunkt = -1;

/// The point a row stands for, 0 for a row without one.
inline std::int32_t ZeilenPunkt(const QTableWidget* g, int r) {
    const QTableWidgetItem* item = g->item(r, 0);
    return item ? item->data(olm3browser::kZeilenDaten).toInt() : 0;
}

/// The first row of a point, or -1.
inline int ZeileVon(const QTableWidget* g, std::int32_t lngPunkteID) {
    for (int r = 0; r < g->rowCount(); ++r)
        if (ZeilenPunkt(g, r) == lngPunkteID) return r;
    return -1;
}

/// A row as the texts of the columns given joined by '|', an empty text for a cell without an item.
inline QString Zeile(const QTableWidget* g, int r, std::initializer_list<int> spalten) {
    QStringList t;
    for (int c : spalten) {
        const QTableWidgetItem* item = c == kZeilenPunkt ? nullptr : g->item(r, c);
        t << (c == kZeilenPunkt ? QString::number(ZeilenPunkt(g, r)) : item ? item->text() : QString());
    }
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

} // namespace olm3test
