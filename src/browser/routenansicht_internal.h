#pragma once
// What the files of the route view share: its columns, what the grid keeps in its items, the texts of the
// view, and the pictures drawn by one part and used by another. For the route view's own files only.

#include "browser/routenansicht.h"
#include "data/modOLM3Binnen.h"

#include <QIcon>
#include <QPixmap>
#include <cstdint>

namespace olm3browser::routenansicht {

inline const QString kModul = QStringLiteral("frmBinneninfo");

enum Spalte {
    colGliederung = 0,
    colNr,
    colAmtlKM,
    colStand,
    colDauer,
    colDZ,
    colWZ,
    colZeit,
    colGewaesser,
    colBezeichnung,
    colBreite,
    colLaenge,
    colBinnenID,
    colTyp,
    kSpalten
};

// Item roles: the grid's cell data, and on column 0 what the grid keeps per row.
constexpr int kZellDaten = Qt::UserRole;
constexpr int kZeilenDaten = Qt::UserRole + 1; ///< the row's point id; -1 on a leg row
constexpr int kRoutenIndex = Qt::UserRole + 2; ///< index of the row in the route copy
constexpr int kArt = Qt::UserRole + 3;
constexpr int kOffen = Qt::UserRole + 4; ///< a route-point row whose group is open
constexpr int kDurchfahrt = Qt::UserRole + 5; ///< 2: the boat does not fit here, 1: a limit is unknown

// The host's pictures of the two lock marks (they go with the legend texts of the same numbers).
constexpr std::int32_t kBildNB = 916;
constexpr std::int32_t kBildSR = 917;

constexpr int kSchrift = 11;

inline QString text(std::int32_t id) {
    return modOLM3Binnen::GetText(kModul, id);
}

/// The host's picture of a lock mark, or a drawn stand-in when the host has none (routenzeilen.cpp).
QPixmap markenBild(std::int32_t lngBildID);
/// The outline mark of a route-point row: a triangle pointing right (closed) or down (open)
/// (routengliederung.cpp).
QIcon gliederungsBild(bool blnOffen);

} // namespace olm3browser::routenansicht
