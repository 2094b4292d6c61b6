// The connection-string parser: any text, never a crash; and any file name, written into a connection
// string, comes back out of it unchanged.

#include "data/ado_internal.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString s = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)ADODB::ParseConnectionString(s);
    const QString cs = modOLM3Binnen::ADO_ConnectionString(s, {}, {}, {}, true);
    const auto pairs = ADODB::ParseConnectionString(cs);
    if (pairs.size() != 3 || pairs[1].first != QLatin1String("Data Source")) std::abort();
    if (pairs[1].second != s && !(s.trimmed().isEmpty() && pairs[1].second.isEmpty())) std::abort();
    if (pairs[2].second != QLatin1String("Read")) std::abort();
    return 0;
}
