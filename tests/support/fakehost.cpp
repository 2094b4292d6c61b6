#include "support/fakehost.h"

#include "data/texttable.h"

namespace olm3test {

QString FakeCfg::GetText(const QString& projekt, const QString& modul, std::int32_t id, const QString& def) {
    (void)projekt;
    const QString key = modul + QLatin1Char('#') + QString::number(id);
    askedTexts.insert(key);
    if (!olm3::TextTable::Builtin().Has(modul, id)) missingTexts.insert(key);
    return olm3::TextTable::Builtin().Text(modul, id, def);
}

} // namespace olm3test
