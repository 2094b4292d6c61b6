// The translation of the Jet dialect to SQLite: any text, never a crash, and a text without quotes,
// "Top", "*" or Boolean words comes back as it was.

#include "data/modOLM3Binnen.h"

#include <QRegularExpression>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString sql = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString out = modOLM3Binnen::TranslateJetSql(sql);
    static const QRegularExpression words(QStringLiteral("\\b(true|false|top)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    const bool untouched = !sql.contains(QLatin1Char('\'')) && !sql.contains(QLatin1Char('*')) &&
                           !words.match(sql).hasMatch();
    if (untouched && out != sql) std::abort();
    return 0;
}
