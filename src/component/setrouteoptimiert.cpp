// The host's optimised route expanded into the detailed, timed route, leg by leg.

#include "component/clsOLM3BinnenState.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/core/routeoptimiert.h"

#include <QApplication>

namespace {
/// The status window of the facade as the computation sees it.
class FacadeStatus : public olm3::routing::IRouteStatus {
public:
    explicit FacadeStatus(clsOLM3Binnen& olm) : m_olm(olm) {}
    void ShowStatus(bool blnShow, const QString& strText, std::int32_t lngValue, std::int32_t lngMaxValue,
                    std::int32_t lngValue2, std::int32_t lngMaxValue2, const QString& strText2) override {
        m_olm.ShowStatus(blnShow, strText, lngValue, lngMaxValue, lngValue2, lngMaxValue2, strText2);
    }
    /// Only a window application shows the status window.
    bool ZeigtStatus() const override { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

private:
    clsOLM3Binnen& m_olm;
};
} // namespace

bool clsOLM3Binnen::SetRouteOptimiert(const std::vector<std::int32_t>& alngPktIDVon,
                                      const std::vector<std::int32_t>& alngPktIDNach, const QDateTime& datStart) {
    (void)datStart; // every time is computed from StartZeit, which the host got with StartOptimierer
    DeleteRouteOptimiert();
    auto& route = d->route;
    route.dblSummeDurchgangszeit = 0;
    route.dblSummeWartezeit = 0;
    route.dblSummeFahrzeit = 0;
    route.lngAbbruchVon = 0;
    route.lngAbbruchNach = 0;
    d->blnRouteOptimiert = true;
    route.lngAnzahlRouteOptimiert = 0;

    std::vector<std::int32_t> alngVon(alngPktIDVon.size(), 0), alngNach(alngPktIDNach.size(), 0);
    const auto legs = std::min(alngPktIDVon.size(), alngPktIDNach.size());
    const auto maximum = static_cast<std::int32_t>(legs) + 1;
    const QString text = olm3::routing::TextRoutenInformation();
    FacadeStatus status(*this);
    ShowStatus(true, text, 0, maximum, 0, 1, QString());
    for (size_t i = 0; i < legs && !d->blnBreakOptimierer; ++i) {
        if (i > 0) {
            const typRouteOptimiert* last = route.LastRow();
            ShowStatus(true, text, last ? last->lngNumGrob : 0, maximum, 0, 1, QString());
        }
        alngVon[i] = alngPktIDVon[i];
        alngNach[i] = alngPktIDNach[i];
        bool blnErster = i == 0;
        if (!olm3::routing::GetDetailsRouteOptimiert(route, d->StartZeit, alngVon[i], alngNach[i], blnErster,
                                                     d->blnBreakOptimierer, &status)) {
            // The route stops before its destination; the caller can tell which leg is missing.
            route.lngAbbruchVon = alngVon[i];
            route.lngAbbruchNach = alngNach[i];
            break;
        }
        if (!d->blnBreakOptimierer && d->listener) d->listener->RouteOptimiertAn(alngVon, alngNach);
    }
    // Hiding the status window clears the break flag, so the answer is taken before.
    const bool broken = d->blnBreakOptimierer;
    if (broken) DeleteRouteOptimiert();
    else PruefeDurchfahrt();
    ShowStatus(false);
    return !broken;
}
