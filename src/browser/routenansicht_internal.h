#pragma once
// What the files of the route view share: its columns, what the grid keeps in its items, the texts of the
// view, and the pictures drawn by one part and used by another. For the route view's own files only.

#include "browser/browserhilfen.h"
#include "browser/routenansicht.h"
#include "data/modOLM3Binnen.h"

#include <QIcon>
#include <QPixmap>
#include <cstdint>

namespace olm3browser::routenansicht {

// The browser's font size, texts and the item roles its lists share.
using olm3browser::kSchrift;
using olm3browser::kZeilenDaten;
using olm3browser::kZellDaten;
using olm3browser::text;

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

// The grid's own item roles beside the cell data and the row's point id (-1 on a leg row), on column 0.
constexpr int kRoutenIndex = Qt::UserRole + 2; ///< index of the row in the route copy
constexpr int kArt = Qt::UserRole + 3;
constexpr int kOffen = Qt::UserRole + 4; ///< a route-point row whose group is open
constexpr int kDurchfahrt = Qt::UserRole + 5; ///< 2: the boat does not fit here, 1: a limit is unknown

// The host's pictures of the two lock marks (they go with the legend texts of the same numbers).
constexpr std::int32_t kBildNB = 916;
constexpr std::int32_t kBildSR = 917;

/// The host's picture of a lock mark, or a drawn stand-in when the host has none (routenzeilen.cpp).
QPixmap markenBild(std::int32_t lngBildID);
/// The outline mark of a route-point row: a triangle pointing right (closed) or down (open)
/// (routengliederung.cpp).
QIcon gliederungsBild(bool blnOffen);

} // namespace olm3browser::routenansicht
