// The check-catalogue command: every finding of the catalogue check, one line each or as JSON.
//
// Exit codes: 0 the catalogue is clean; 1 findings; 2 bad arguments.

#include "cli.h"

#include "data/katalogpruefung.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace cli {

int RunCheckCatalogue(const QStringList& args) {
    QCommandLineParser p;
    p.addOption(jsonOption());
    p.addPositionalArgument(Text(10048), Text(9751));
    int code = 0;
    if (!Parse(p, args, Text(9750), &code)) return code;
    if (p.positionalArguments().size() != 1) return Fail(Text(9752));
    const QString file = p.positionalArguments()[0];
    if (!QFileInfo::exists(file)) return Fail(Text(9009, {file}));

    const std::vector<olm3::KatalogBefund> befunde = olm3::PruefeKatalog(file);
    if (p.isSet(jsonOption())) {
        QJsonArray a;
        for (const auto& b : befunde)
            a.append(QJsonObject{{QStringLiteral("strTabelle"), b.strTabelle},
                                 {QStringLiteral("lngZeile"), static_cast<qint64>(b.lngZeile)},
                                 {QStringLiteral("strSpalte"), b.strSpalte},
                                 {QStringLiteral("strText"), b.strText}});
        const QJsonObject o{{QStringLiteral("result"), befunde.empty()}, {QStringLiteral("findings"), a}};
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        for (const auto& b : befunde) {
            QString wo = b.strTabelle.isEmpty() ? file : b.strTabelle;
            if (b.lngZeile > 0) wo += QStringLiteral(", ") + Text(9753, {QString::number(b.lngZeile)});
            if (!b.strSpalte.isEmpty()) wo += QStringLiteral(", ") + Text(9756, {b.strSpalte});
            std::printf("%s: %s\n", qPrintable(wo), qPrintable(b.strText));
        }
        if (befunde.empty()) std::printf("%s\n", qPrintable(Text(9754, {file})));
        else std::printf("%s\n", qPrintable(Text(9755, {QString::number(befunde.size())})));
    }
    return befunde.empty() ? 0 : 1;
}

} // namespace cli
