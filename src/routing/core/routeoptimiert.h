#pragma once
// The detailed optimised route: the host's legs expanded into every lock, bridge and other object passed,
// with distances, arrival and departure times, waits and passage times.

#include "olm3binnen/types.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace olm3::routing {

/// The detailed route and its totals as the component keeps them.
struct RouteDetails {
    /// Rows 0 .. lngAnzahlRouteOptimiert-1 hold the route; the array may be longer.
    std::vector<typRouteOptimiert> audtRouteOptimiert{typRouteOptimiert{}};
    std::int32_t lngAnzahlRouteOptimiert = 0;
    double dblSummeDurchgangszeit = 0.0;
    double dblSummeWartezeit = 0.0;
    double dblSummeFahrzeit = 0.0;
    /// The first leg that could not be computed: the route stops before its destination. 0 and 0 when
    /// every leg was computed.
    std::int32_t lngAbbruchVon = 0;
    std::int32_t lngAbbruchNach = 0;

    /// The last row built, or null when there is none.
    const typRouteOptimiert* LastRow() const {
        return lngAnzahlRouteOptimiert > 0 ? &audtRouteOptimiert[static_cast<size_t>(lngAnzahlRouteOptimiert - 1)]
                                           : nullptr;
    }
};

/// Where the computation reports its progress (the component's status window).
class IRouteStatus {
public:
    virtual ~IRouteStatus() = default;
    virtual void ShowStatus(bool blnShow, const QString& strText, std::int32_t lngValue, std::int32_t lngMaxValue,
                            std::int32_t lngValue2, std::int32_t lngMaxValue2, const QString& strText2) = 0;
    /// Whether a window shows the texts passed to ShowStatus; without one they are left empty.
    virtual bool ZeigtStatus() const { return true; }
};

/// Text 908 of the component: "Routen-Information wird ermittelt..".
QString TextRoutenInformation();

/// The statement that selects the points of the leg from V (parameter 1) to N (parameter 2): the typed
/// points of V's waterway between the two ends' chainages (above the lower, up to the higher), and V and
/// N themselves, by ascending chainage, with the columns of the view the route is built from (the object's
/// name among them). Without the type condition (blnMitTypen false) only V and N come back.
QString SqlDetailsRouteOptimiert(bool blnMitTypen);

/// Appends the rows of one leg from lngPktIDVon to lngPktIDNach to route, timed from datStartZeit.
/// blnErster is true for the first leg only and cleared once its first row has been handled;
/// blnBreakOptimierer is the component's break flag, read while the leg is walked. False when a step's
/// parameters cannot be determined or on a run-time error (after a message); true otherwise, also when
/// the walk was broken off.
bool GetDetailsRouteOptimiert(RouteDetails& route, const QDateTime& datStartZeit, std::int32_t lngPktIDVon,
                              std::int32_t lngPktIDNach, bool& blnErster, const bool& blnBreakOptimierer,
                              IRouteStatus* status);

} // namespace olm3::routing
