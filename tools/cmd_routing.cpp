// Commands of the route computation: the holidays and special days of a year, and the wait at a lock.

#include "cli.h"

#include "component/iniconfig.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/core/feiertage.h"
#include "routing/core/schleusenbz.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace cli {

using olm3::kJahrMax;
using olm3::kJahrMin;

int RunHolidays(const QStringList& args) {
    QCommandLineParser p;
    p.addOption(jsonOption());
    p.addPositionalArgument(Text(10005), Text(9041) + QLatin1Char(' ') + JahreText());
    int code = 0;
    if (!Parse(p, args, Text(9040), &code)) return code;
    if (p.positionalArguments().size() != 1) return Fail(Text(9042));
    const QString jahr = p.positionalArguments()[0];
    bool ok = false;
    const int lngJahr = jahr.toInt(&ok);
    if (!ok) return Fail(Text(9003, {Text(10005), jahr}));
    if (lngJahr < kJahrMin || lngJahr > kJahrMax)
        return Fail(Text(9043, {QString::number(kJahrMin), QString::number(kJahrMax), jahr}));

    const auto tage = olm3::routing::FeiertageDesJahres(lngJahr);
    if (p.isSet(jsonOption())) {
        QJsonArray a;
        for (const auto& [strCode, datTag] : tage)
            a.append(QJsonObject{{QStringLiteral("code"), strCode},
                                 {QStringLiteral("date"), datTag.toString(Qt::ISODate)}});
        std::fputs(QJsonDocument(a).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        for (const auto& [strCode, datTag] : tage)
            std::printf("%s %s\n", qPrintable(datTag.toString(Qt::ISODate)), qPrintable(strCode));
    }
    return 0;
}

int RunLockWait(const QStringList& args) {
    QCommandLineParser p;
    p.addOption(catalogueOption());
    p.addOption(jsonOption());
    const QCommandLineOption lock(QStringLiteral("lock"), Text(9051), QStringLiteral("DETAILSID"));
    const QCommandLineOption zeit(QStringLiteral("at"), Text(9052) + QLatin1Char(' ') + JahreText(), Text(10004));
    p.addOption(lock);
    p.addOption(zeit);
    int code = 0;
    if (!Parse(p, args, Text(9050), &code,
               {QStringLiteral("catalogue"), QStringLiteral("lock"), QStringLiteral("at")}))
        return code;
    if (!p.positionalArguments().isEmpty())
        return Fail(Text(9056, {p.positionalArguments().join(QLatin1Char(' '))}));
    if (!p.isSet(lock)) return Fail(Text(9053));
    bool ok = false;
    const std::int32_t lngDetailsID = p.value(lock).toInt(&ok);
    if (!ok) return Fail(Text(9003, {QStringLiteral("--lock"), p.value(lock)}));
    if (!p.isSet(zeit)) return Fail(Text(9054));
    QDateTime an;
    if (!ParseZeit(p.value(zeit), an, 9055)) return 2;

    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    if (!openCatalogue(p, cfg, olm, &code)) return code;
    // No window waits for the tool to stay responsive: the search runs without its step pause.
    clsOLM3Binnen::SetStepPause(0);
    double dblWartezeit = 0;
    QString strNB, strSR;
    const bool result = olm3::routing::GetSchleusenBZ(lngDetailsID, an,
                                                      dblWartezeit, strNB, strSR);
    const QJsonObject o{{QStringLiteral("result"), result},
                        {QStringLiteral("dblWartezeit"), dblWartezeit},
                        {QStringLiteral("strNB"), strNB},
                        {QStringLiteral("strSR"), strSR}};
    Print(o,
          {QStringLiteral("result"), QStringLiteral("dblWartezeit"), QStringLiteral("strNB"),
           QStringLiteral("strSR")},
          p.isSet(jsonOption()));
    return result ? 0 : 1;
}

} // namespace cli
