#pragma once
// The column heads of the browser's three lists (waterways, points of a waterway, search) from the
// browser's texts, and the columns each list keeps hidden. A head of two lines has its unit on the second.

#include "browser/core/browsercore.h"

#include <QStringList>
#include <array>

namespace olm3::browser {

QStringList GewaesserKoepfe();
/// The waterway list's hidden columns: speed limit and the four coordinates of the ends.
inline constexpr std::array<int, 5> kGewaesserVersteckt = {2, 6, 7, 8, 9};

QStringList PunkteKoepfe();
/// The points list's hidden columns: what the list keeps for junctions, the order and the quick info.
inline constexpr std::array<int, 4> kPunkteVersteckt = {pcPunkteIDNach, pcBinnenIDNach, pcLaufNr,
                                                        pcDetailsText};

/// The distance column is shown only with radius-search results; the type column never.
QStringList SuchKoepfe();

} // namespace olm3::browser
