// The readers of numbers, dates and times the catalogue hands over as text: any text, never a crash;
// what reads as a number is finite, what reads as a date lies in a year the component knows.

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace modOLM3Binnen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString s = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (IsNumeric(s)) {
        const double v = CDbl(s);
        if (!std::isfinite(v)) std::abort();
        try {
            (void)CLng(s);
        } catch (const olm3::RuntimeError&) {
        }
        (void)FormatLg(v);
        (void)FormatDauer(v, true);
    } else {
        try {
            (void)CDbl(s);
            std::abort(); // IsNumeric and CDbl must agree
        } catch (const olm3::RuntimeError&) {
        }
    }
    if (IsDate(s)) {
        const QDateTime d = CDate(s);
        if (!d.isValid()) std::abort();
        (void)olm3::DatumToDouble(d);
    }
    try {
        (void)CBool(s);
    } catch (const olm3::RuntimeError&) {
    }
    return 0;
}
