// The expand command: legs (from:to) expanded into the detailed, timed route as the component does it
// for the host's optimiser.

#include "cli.h"
#include "routejson.h"
#include "tagesetappen.h"

#include "component/iniconfig.h"
#include "olm3binnen/clsOLM3Binnen.h"

namespace cli {

const QCommandLineOption& startOption() {
    static const QCommandLineOption o(QStringLiteral("start"), Text(9080) + QLatin1Char(' ') + JahreText(),
                                      Text(10004));
    return o;
}
const QCommandLineOption& speedOption() {
    static const QCommandLineOption o(QStringLiteral("speed"), Text(9081), QStringLiteral("KMH"));
    return o;
}

bool ReadStartAndSpeed(const QCommandLineParser& p, QDateTime& start, double& speed, int* exitCode) {
    if (!p.isSet(startOption())) {
        *exitCode = Fail(Text(9082, {QString()}));
        return false;
    }
    if (!ParseZeit(p.value(startOption()), start, 9082)) {
        *exitCode = 2;
        return false;
    }
    const auto v = ReadNumber(p.value(speedOption()));
    if (!p.isSet(speedOption()) || !v || *v <= 0) {
        *exitCode = Fail(Text(9083, {p.value(speedOption())}));
        return false;
    }
    speed = *v;
    return true;
}

int RunExpand(const QStringList& args) {
    QCommandLineParser p;
    const QStringList werte = AddRouteOptions(p);
    p.addPositionalArgument(Text(10006), Text(9084), Text(10007));
    int code = 0;
    if (!Parse(p, args, Text(9070), &code, werte)) return code;
    QDateTime start;
    double speed = 0;
    if (!ReadStartAndSpeed(p, start, speed, &code)) return code;
    olm3::BootProfil boot;
    if (!ReadBoat(p, boot, &code)) return code;
    const bool mitBoot = p.isSet(boatOption());
    if (p.positionalArguments().isEmpty()) return Fail(Text(9085));
    std::vector<std::int32_t> von, nach;
    for (const QString& leg : p.positionalArguments()) {
        const QStringList parts = leg.split(QLatin1Char(':'));
        bool ok1 = false, ok2 = false;
        if (parts.size() == 2) {
            von.push_back(parts[0].toInt(&ok1));
            nach.push_back(parts[1].toInt(&ok2));
        }
        if (!ok1 || !ok2) return Fail(Text(9086, {leg}));
    }
    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    if (!openCatalogue(p, cfg, olm, &code)) return code;
    cfg.SetMarschgeschwindigkeit(speed);
    std::optional<olm3::routing::Fahrtag> tage;
    if (!ReadDays(p, tage, &code)) return code;
    return WriteRouteGpx(p, olm, start, speed,
                         ExpandAndPrint(olm, von, nach, start, p.isSet(jsonOption()), mitBoot ? &boot : nullptr, tage));
}

} // namespace cli
