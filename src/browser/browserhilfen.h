#pragma once
// What the browser's views share: their sizes and colours, the hourglass, the cells, fonts and column
// widths of their lists, and the buttons and lists they are built from.

#include <QColor>
#include <QFont>
#include <QScopeGuard>
#include <cstdint>

class QTableWidget;
class QTableWidgetItem;
class QWidget;
class ucOLMButton;

namespace olm3browser {

constexpr int kRand = 6;
constexpr int kSchrift = 11;
inline const QColor kGelb(255, 255, 0);

/// Item roles of the lists: the cell data of a cell, and (on column 0) the row data — the point id, in the
/// waterway list the waterway id.
constexpr int kZellDaten = Qt::UserRole;
constexpr int kZeilenDaten = Qt::UserRole + 1;

/// A text of the browser's module.
QString text(std::int32_t id);

/// The hourglass until the returned guard goes.
QScopeGuard<void (*)()> sanduhr();

/// Drawing of a list switched off while it is refilled.
class OhneZeichnen {
public:
    explicit OhneZeichnen(QTableWidget* grd);
    ~OhneZeichnen();
    OhneZeichnen(const OhneZeichnen&) = delete;
    OhneZeichnen& operator=(const OhneZeichnen&) = delete;

private:
    QTableWidget* m_grd;
};

/// A cell that can be selected but not edited.
QTableWidgetItem* zelle(const QString& s);
/// The widget's font in another size and weight.
QFont schrift(const QWidget* w, int punkte = kSchrift, bool fett = false);
/// Sizes the shown columns to their contents; the stretching name column fills the rest of the list.
void spaltenBreiten(QTableWidget* g);
/// The row's point id (row data of column 0), or 0.
std::int32_t zeilenDaten(const QTableWidget* grd, int row);

/// A button of the browser, named for the tests and the layout.
ucOLMButton* knopf(QWidget* parent, const char* name, bool blnTwoState = false);
/// A read-only list of whole rows, one selectable at a time, with the browser's font and header.
QTableWidget* liste(QWidget* parent, const char* name);
/// Sets the column heads of a list (as many columns as heads).
void koepfe(QTableWidget* g, const QStringList& astrTexte);

} // namespace olm3browser
