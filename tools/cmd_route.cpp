// The route command: the planned points through the path search, and the legs it finds expanded
// into the detailed, timed route as the component does it when a host hands them in.
//
// Exit codes: 0 the route is computed; 1 no route (no waterway joins two of the points); 2 bad input
// (arguments, an unknown point, a catalogue that cannot be read); 3 a leg could not be computed, the
// route stops before its destination; 4 a lock has no operating time within a year.

#include "cli.h"
#include "routejson.h"
#include "tagesetappen.h"

#include "component/iniconfig.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "olm3binnen/pathoptimiser.h"
#include "routing/core/durchfahrt.h"

namespace cli {

namespace {
int Failure(const olm3::PathResult& r) {
    switch (r.failure) {
    case olm3::PathFailure::TooFewPoints:
        return Fail(Text(9092));
    case olm3::PathFailure::UnknownPoint:
        return Fail(Text(9094, {QString::number(r.lngPunkteID)}));
    case olm3::PathFailure::NoPath:
        return Fail(Text(9095, {QString::number(r.lngPunkteIDVon), QString::number(r.lngPunkteID)}), 1);
    case olm3::PathFailure::Blocked:
        return Fail(Text(9900, {QString::number(r.lngPunkteIDVon), QString::number(r.lngPunkteID),
                                olm3::BefundText(r.befund, [](std::int32_t id) { return Text(id); })}),
                    1);
    case olm3::PathFailure::CatalogueError:
    case olm3::PathFailure::None:
        break;
    }
    return Fail(Text(9096, {r.strDetail}));
}
} // namespace

int RunRoute(const QStringList& args) {
    QCommandLineParser p;
    const QStringList werte = AddRouteOptions(p);
    p.addPositionalArgument(QStringLiteral("PUNKTEID"), Text(9091),
                            QStringLiteral("PUNKTEID PUNKTEID [...]"));
    int code = 0;
    if (!Parse(p, args, Text(9090), &code, werte)) return code;
    QDateTime start;
    double speed = 0;
    if (!ReadStartAndSpeed(p, start, speed, &code)) return code;
    olm3::BootProfil boot;
    if (!ReadBoat(p, boot, &code)) return code;
    const bool mitBoot = p.isSet(boatOption());
    std::vector<std::int32_t> punkte;
    for (const QString& a : p.positionalArguments()) {
        bool ok = false;
        punkte.push_back(a.toInt(&ok));
        if (!ok) return Fail(Text(9093, {a}));
    }
    if (punkte.size() < 2) return Fail(Text(9092));

    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    if (!openCatalogue(p, cfg, olm, &code)) return code;
    cfg.SetMarschgeschwindigkeit(speed);
    std::optional<olm3::routing::Fahrtag> tage;
    if (!ReadDays(p, tage, &code)) return code;
    olm3::PathOptimiser optimiser;
    olm3::PathOptions optionen;
    optionen.profil = boot;
    const olm3::PathResult r = optimiser.Optimise(olm.conBinnenDatabase(), punkte, optionen);
    if (!r.ok()) return Failure(r);
    return WriteRouteGpx(p, olm, start, speed,
                         ExpandAndPrint(olm, r.alngVon, r.alngNach, start, p.isSet(jsonOption()), mitBoot ? &boot : nullptr, tage,
                                        punkte));
}

} // namespace cli
