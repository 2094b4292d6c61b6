#pragma once
// The waterway point nearest to a chart position, and the position of a point.

#include <QString>
#include <cstdint>

namespace modOLM3Binnen {

/// Nearest catalogue point to (dblLg, dblBg) within the capture radius (nautical miles; 0 means 200).
/// False when nothing lies within it or the query fails; the outputs are then untouched. dblAmtlKM,
/// dblVMax and dblTiefe keep the caller's value when the catalogue has no number for them.
bool GetNaechsterPunkt(double dblLg, double dblBg, double dblFangbereich, std::int32_t& lngBinnenID,
                       QString& strBinnenBez, std::int32_t& lngPunkteID, double& dblLgPunkt, double& dblBgPunkt,
                       double& dblEntfernung, double& dblAmtlKM, double& dblVMax, double& dblTiefe);

/// Position of a point: from V_BinnenInfo (points with an object) when blnBesonderePkt, else V_ROUTE.
/// False when the point is not there, the catalogue is not open or a run-time error occurs.
bool GetPunktPosition(std::int32_t lngPunkteID, double& dblLgPos, double& dblBgPos, bool blnBesonderePkt);

/// The capture radius that stands for 0.
constexpr double kFangbereichDefault = 200.0;

} // namespace modOLM3Binnen
