// The line the optimised route takes over the chart's waterways.
#include "karte.h"

#include <cmath>

namespace olm3host {

std::vector<QPointF> RoutenVerlauf(const KartenDaten& daten,
                                   const std::vector<typRouteOptimiert>& audtRoute) {
    std::vector<QPointF> linie;
    // The points of a waterway after position von up to position bis, in the direction of travel.
    auto entlang = [&](int g, int von, int bis) {
        const auto& lagen = daten.gewaesser[static_cast<size_t>(g)].lage;
        const int schritt = bis >= von ? 1 : -1;
        for (int i = von; i != bis;) {
            i += schritt;
            linie.push_back(lagen[static_cast<size_t>(i)]);
        }
    };
    const typRouteOptimiert* vorher = nullptr;
    for (const auto& r : audtRoute) {
        if (r.lngPunkteID <= 0) continue;
        QPointF lage(r.dblLgDez, r.dblBgDez);
        daten.Lage(r.lngPunkteID, lage);
        const auto a = vorher ? daten.punkt.constFind(vorher->lngPunkteID) : daten.punkt.constEnd();
        const auto b = daten.punkt.constFind(r.lngPunkteID);
        vorher = &r;
        if (a == daten.punkt.constEnd() || b == daten.punkt.constEnd()) {
            linie.push_back(lage);
            continue;
        }
        if (a->first == b->first) {
            entlang(a->first, a->second, b->second);
            continue;
        }
        // From one waterway onto another: along the first to the junction that joins them, then along
        // the second; of several junctions the one with the fewest points in between.
        int besterAbstand = -1;
        std::pair<int, int> ueber;
        for (const auto& [von, nach] : daten.abzweige) {
            const auto x = daten.punkt.constFind(von);
            const auto y = daten.punkt.constFind(nach);
            if (x == daten.punkt.constEnd() || y == daten.punkt.constEnd()) continue;
            if (x->first != a->first || y->first != b->first) continue;
            const int abstand = std::abs(x->second - a->second) + std::abs(y->second - b->second);
            if (besterAbstand < 0 || abstand < besterAbstand) {
                besterAbstand = abstand;
                ueber = {x->second, y->second};
            }
        }
        if (besterAbstand < 0) {
            linie.push_back(lage);
            continue;
        }
        entlang(a->first, a->second, ueber.first);
        linie.push_back(
            daten.gewaesser[static_cast<size_t>(b->first)].lage[static_cast<size_t>(ueber.second)]);
        entlang(b->first, ueber.second, b->second);
    }
    return linie;
}

} // namespace olm3host
