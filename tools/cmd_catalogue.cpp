// Commands on a catalogue: the nearest point to a position, the position of a point, and building a
// catalogue from SQL scripts.

#include "cli.h"

#include "component/iniconfig.h"
#include "data/databasebuilder.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

namespace cli {

namespace {
/// Half the earth's circumference in sea miles: a larger capture radius finds nothing more.
constexpr double kMaxFangbereich = 10800;
} // namespace

int RunNearest(const QStringList& args) {
    QCommandLineParser p;
    p.addOption(catalogueOption());
    p.addOption(jsonOption());
    const QCommandLineOption radius(QStringLiteral("radius"), Text(9012), QStringLiteral("R"), QStringLiteral("0"));
    p.addOption(radius);
    p.addPositionalArgument(QStringLiteral("LON"), Text(9013));
    p.addPositionalArgument(QStringLiteral("LAT"), Text(9014));
    int code = 0;
    if (!Parse(p, args, Text(9010), &code, {QStringLiteral("catalogue"), QStringLiteral("radius")})) return code;
    if (p.positionalArguments().size() != 2) return Fail(Text(9015));
    double lon = 0, lat = 0, r = 0;
    if (!Number(p.positionalArguments()[0], QStringLiteral("LON"), lon, -180, 180) ||
        !Number(p.positionalArguments()[1], QStringLiteral("LAT"), lat, -90, 90) ||
        !Number(p.value(radius), QStringLiteral("--radius"), r, 0, kMaxFangbereich))
        return 2;
    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    if (!openCatalogue(p, cfg, olm, &code)) return code;
    std::int32_t binnenID = 0, punkteID = 0;
    QString bez;
    double lg = 0, bg = 0, entfernung = 0, km = 0, vmax = 0, tiefe = 0;
    const bool found = olm.NaechsterPunkt(lon, lat, r, binnenID, bez, punkteID, lg, bg, entfernung, &km, &vmax, &tiefe);
    QJsonObject o{{QStringLiteral("found"), found}};
    if (found) {
        o.insert(QStringLiteral("lngBinnenID"), binnenID);
        o.insert(QStringLiteral("strBinnenBez"), bez);
        o.insert(QStringLiteral("lngPunkteID"), punkteID);
        o.insert(QStringLiteral("dblLg"), lg);
        o.insert(QStringLiteral("dblBg"), bg);
        o.insert(QStringLiteral("dblEntfernung"), entfernung);
        o.insert(QStringLiteral("dblAmtlKM"), km);
        o.insert(QStringLiteral("dblVMax"), vmax);
        o.insert(QStringLiteral("dblTiefe"), tiefe);
    }
    Print(o,
          {QStringLiteral("found"), QStringLiteral("lngBinnenID"), QStringLiteral("strBinnenBez"),
           QStringLiteral("lngPunkteID"), QStringLiteral("dblLg"), QStringLiteral("dblBg"),
           QStringLiteral("dblEntfernung"), QStringLiteral("dblAmtlKM"), QStringLiteral("dblVMax"),
           QStringLiteral("dblTiefe")},
          p.isSet(jsonOption()));
    return found ? 0 : 1;
}

int RunPosition(const QStringList& args) {
    QCommandLineParser p;
    p.addOption(catalogueOption());
    p.addOption(jsonOption());
    const QCommandLineOption besondere(QStringLiteral("besondere"), Text(9021));
    p.addOption(besondere);
    p.addPositionalArgument(QStringLiteral("PUNKTEID"), Text(9022));
    int code = 0;
    if (!Parse(p, args, Text(9020), &code, {QStringLiteral("catalogue")})) return code;
    if (p.positionalArguments().size() != 1) return Fail(Text(9023));
    bool ok = false;
    const int id = p.positionalArguments()[0].toInt(&ok);
    if (!ok) return Fail(Text(9003, {QStringLiteral("PUNKTEID"), p.positionalArguments()[0]}));
    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    if (!openCatalogue(p, cfg, olm, &code)) return code;
    double lg = 0, bg = 0;
    const bool found = olm.GetPunktPosition(id, lg, bg, p.isSet(besondere));
    QJsonObject o{{QStringLiteral("found"), found}};
    if (found) {
        o.insert(QStringLiteral("dblLg"), lg);
        o.insert(QStringLiteral("dblBg"), bg);
    }
    Print(o, {QStringLiteral("found"), QStringLiteral("dblLg"), QStringLiteral("dblBg")}, p.isSet(jsonOption()));
    return found ? 0 : 1;
}

int RunBuildCatalogue(const QStringList& args) {
    QCommandLineParser p;
    const QCommandLineOption out(QStringLiteral("out"), Text(9031), QStringLiteral("FILE"));
    p.addOption(out);
    p.addPositionalArgument(QStringLiteral("DATA.sql"), Text(9032), QStringLiteral("[DATA.sql...]"));
    int code = 0;
    if (!Parse(p, args, Text(9030), &code, {QStringLiteral("out")})) return code;
    const QString target = p.value(out);
    if (target.isEmpty()) return Fail(Text(9033));
    if (QFileInfo::exists(target)) return Fail(Text(9034, {target}));
    QStringList scripts{olm3::BuiltinSql(QStringLiteral("schema.sql")), olm3::BuiltinSql(QStringLiteral("queries.sql"))};
    for (const QString& file : p.positionalArguments()) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) return Fail(Text(9009, {file}));
        scripts << QString::fromUtf8(f.readAll());
    }
    QString error;
    if (!olm3::BuildDatabase(target, scripts, error)) {
        QFile::remove(target);
        return Fail(Text(9035, {error}));
    }
    return 0;
}

} // namespace cli
