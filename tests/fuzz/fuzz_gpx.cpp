// The GPX reader: any bytes, never a crash or a hang; what it accepts has coordinates in range and no more
// points than it allows, and what it accepts it can write and read again.

#include "gpx/core/gpx.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
void pruefe(const std::vector<olm3::gpx::Punkt>& punkte) {
    if (punkte.size() > static_cast<std::size_t>(olm3::gpx::kMaxPunkte)) std::abort();
    for (const auto& p : punkte)
        if (!std::isfinite(p.dblLg) || !std::isfinite(p.dblBg) || std::fabs(p.dblLg) > 180 || std::fabs(p.dblBg) > 90)
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const olm3::gpx::LeseErgebnis e = olm3::gpx::LeseGpx(text);
    if (!e) return 0;
    pruefe(e.datei.route);
    pruefe(e.datei.track);
    pruefe(e.datei.wegpunkte);
    const olm3::gpx::LeseErgebnis wieder = olm3::gpx::LeseGpx(olm3::gpx::GpxText(e.datei));
    if (wieder) {
        pruefe(wieder.datei.route);
        if (wieder.datei.route.size() != e.datei.route.size()) std::abort();
    }
    return 0;
}
