// GPX from the tool: the timed route of route and expand written as a GPX file (--gpx FILE), and the
// gpx-import command that matches a GPX file's points to the catalogue as route planning would.
//
// Exit codes of gpx-import: 0 at least one point matched; 1 none did; 2 bad input (arguments, a file
// that is no readable GPX 1.1, a catalogue that cannot be opened).

#include "cli.h"

#include "component/iniconfig.h"
#include "gpx/core/gpxroute.h"
#include "olm3binnen/clsOLM3Binnen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace cli {

const QCommandLineOption& gpxOption() {
    static const QCommandLineOption o(QStringLiteral("gpx"), Text(9660), Text(10048));
    return o;
}

int WriteRouteGpx(const QCommandLineParser& p, clsOLM3Binnen& olm, const QDateTime& start, double speed, int code) {
    if (!p.isSet(gpxOption()) || code != 0) return code;
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    olm.GetRouteOptimiert(rows, summen);
    namespace gpx = olm3::gpx;
    const QString datei = p.value(gpxOption());
    QString grund;
    if (!gpx::SchreibeGpxDatei(gpx::ZeitplanRoute(rows, start, speed, gpx::KatalogZeitzone()), datei, grund))
        return Fail(gpx::SchreibFehlerText(datei, grund));
    return code;
}

namespace {
QString quelleName(olm3::gpx::Quelle q) {
    switch (q) {
    case olm3::gpx::Quelle::Route: return QStringLiteral("Route");
    case olm3::gpx::Quelle::Track: return QStringLiteral("Track");
    case olm3::gpx::Quelle::Wegpunkte: return QStringLiteral("Wegpunkte");
    }
    return QString();
}
} // namespace

int RunGpxImport(const QStringList& args) {
    namespace gpx = olm3::gpx;
    QCommandLineParser p;
    p.addOption(catalogueOption());
    p.addOption(jsonOption());
    const QCommandLineOption radius(QStringLiteral("radius"),
                                    Text(9664, {QString::number(gpx::kFangbereichImport)}), Text(10049));
    p.addOption(radius);
    p.addPositionalArgument(Text(10048), Text(9662));
    int code = 0;
    if (!Parse(p, args, Text(9661), &code, {QStringLiteral("catalogue"), QStringLiteral("radius")})) return code;
    if (p.positionalArguments().size() != 1) return Fail(Text(9663));
    double fang = gpx::kFangbereichImport;
    if (p.isSet(radius)) {
        if (!Number(p.value(radius), QStringLiteral("--radius"), fang)) return 2;
        if (fang <= 0) return Fail(Text(9665, {p.value(radius)}));
    }

    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    if (!openCatalogue(p, cfg, olm, &code)) return code;
    const QString datei = p.positionalArguments().front();
    const gpx::LeseErgebnis erg = gpx::LeseGpxDatei(datei);
    if (!erg) return Fail(gpx::FehlerText(erg, datei));
    const QTimeZone tz = gpx::KatalogZeitzone();
    const gpx::Import imp = gpx::OrdneZu(erg.datei, tz, fang);

    QJsonArray punkte;
    for (const gpx::ImportPunkt& ip : imp.punkte) {
        punkte.append(QJsonObject{{QStringLiteral("lngNr"), ip.lngNr},
                                  {QStringLiteral("strName"), ip.punkt.strName},
                                  {QStringLiteral("dblBgDez"), ip.punkt.dblBg},
                                  {QStringLiteral("dblLgDez"), ip.punkt.dblLg},
                                  {QStringLiteral("lngPunkteID"), ip.lngPunkteID},
                                  {QStringLiteral("strBinnen"), ip.strBinnen},
                                  {QStringLiteral("dblEntfernung"), ip.dblEntfernung},
                                  {QStringLiteral("blnIdentitaet"), ip.blnIdentitaet}});
    }
    QJsonArray ids;
    if (!imp.LeerGeblieben())
        for (const std::int32_t id : imp.alngPunkteID) ids.append(id);
    const bool result = !imp.LeerGeblieben();
    if (p.isSet(jsonOption())) {
        const QJsonObject o{
            {QStringLiteral("result"), result},
            {QStringLiteral("strQuelle"), quelleName(imp.quelle)},
            {QStringLiteral("punkte"), punkte},
            {QStringLiteral("alngPunkteID"), ids},
            {QStringLiteral("lngZusammengefasst"), imp.lngZusammengefasst},
            {QStringLiteral("datStartZeit"), IsoZeit(imp.datStart)},
            {QStringLiteral("dblMarschV"), imp.dblMarschV},
            {QStringLiteral("dblFangbereich"), fang}};
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        std::printf("%s\n", qPrintable(gpx::ImportBericht(imp, datei)));
    }
    return result ? 0 : 1;
}

} // namespace cli
