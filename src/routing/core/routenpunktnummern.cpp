#include "routing/core/routenpunktnummern.h"

#include <algorithm>

namespace olm3::routing {

namespace {

/// "a" .. "z", then "aa", "ab" ...
QString buchstaben(int n) {
    QString s;
    for (++n; n > 0; n = (n - 1) / 26)
        s.prepend(QChar(u'a' + (n - 1) % 26));
    return s;
}

} // namespace

std::vector<QString> RoutenpunktNummern(const std::vector<typRouteOptimiert>& audtRoute,
                                        const std::vector<std::int32_t>& alngGeplant) {
    std::vector<std::int32_t> geplant;
    for (const std::int32_t id : alngGeplant)
        if (id > 0) geplant.push_back(id);

    std::vector<QString> nummern(audtRoute.size());
    std::size_t naechster = 0; // the planned point the route reaches next
    int zusatz = 0;            // route points added since the last planned one
    QString punkt;             // the number of the last route point
    bool passt = !geplant.empty();
    for (std::size_t i = 0; i < audtRoute.size() && passt; ++i) {
        const typRouteOptimiert& r = audtRoute[i];
        if (r.blnPunktRouteGrob) {
            // A planned point the route does not show (one reached without moving) leaves its number out.
            const auto treffer = std::find(geplant.begin() + static_cast<std::ptrdiff_t>(naechster), geplant.end(),
                                           r.lngPunkteID);
            if (treffer != geplant.end()) {
                naechster = static_cast<std::size_t>(treffer - geplant.begin()) + 1;
                punkt = QString::number(static_cast<qulonglong>(naechster));
                zusatz = 0;
            } else if (naechster == 0) {
                passt = false; // the route does not begin at a planned point
            } else {
                punkt = QString::number(static_cast<qulonglong>(naechster)) + buchstaben(zusatz++);
            }
        }
        nummern[i] = punkt;
    }
    if (!passt) {
        for (std::size_t i = 0; i < audtRoute.size(); ++i)
            nummern[i] = QString::number(audtRoute[i].lngNumGrob);
    }
    return nummern;
}

} // namespace olm3::routing
