#include "cli.h"

#include "component/iniconfig.h"
#include "data/texttable.h"
#include "olm3binnen/ado.h"
#include "olm3binnen/types.h"
#include "olm3binnen/clsOLM3Binnen.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>

namespace cli {

QString Text(int id, const QStringList& args) {
    return olm3::FuelleText(olm3::TextTable::Builtin().Text(QStringLiteral("olm3binnen"), id), args);
}

bool ChooseLanguage(QStringList& args, int* exitCode) {
    olm3::TextTable::SetSprache(olm3::SpracheAusUmgebung());
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--")) break;
        QString wert;
        int n = 0;
        if (a == QLatin1String("--lang"))
            wert = args.value(i + 1), n = i + 1 < args.size() ? 2 : 1;
        else if (a.startsWith(QLatin1String("--lang=")))
            wert = a.mid(7), n = 1;
        else
            continue;
        const auto sprache = olm3::SpracheAusKuerzel(wert);
        if (!sprache) {
            *exitCode = Fail(Text(10009, {wert}));
            return false;
        }
        olm3::TextTable::SetSprache(*sprache);
        args.remove(i, n);
        --i;
    }
    return true;
}

int Fail(const QString& line, int code) {
    std::fprintf(stderr, "olm3binnen: %s\n", qPrintable(line));
    return code;
}

bool Parse(QCommandLineParser& p, const QStringList& args, const QString& description, int* exitCode,
           const QStringList& valueOptions) {
    p.setApplicationDescription(description);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, Text(9002));
    p.addOption(help);
    // Negative coordinates are arguments, not options: every positional argument goes behind "--",
    // in its order, so "-3.5" is read as a number.
    static const QRegularExpression negative(QStringLiteral("^-\\d"));
    QStringList options{args.value(0)}, positional;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--")) {
            positional << args.mid(i + 1);
            break;
        }
        if (a.startsWith(QLatin1Char('-')) && !negative.match(a).hasMatch()) {
            options << a;
            const QString name = a.mid(a.startsWith(QStringLiteral("--")) ? 2 : 1);
            if (valueOptions.contains(name) && i + 1 < args.size()) options << args[++i];
        } else {
            positional << a;
        }
    }
    if (!p.parse(options + QStringList{QStringLiteral("--")} + positional)) {
        *exitCode = Fail(p.errorText());
        return false;
    }
    if (p.isSet(help)) {
        // The parser's help, in the tool's own words.
        QString text = p.helpText();
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                     Text(10000) + QStringLiteral(" olm3binnen ") + args.value(0));
        text.replace(QStringLiteral("\nOptions:\n"), QLatin1Char('\n') + Text(10001) + QLatin1Char('\n'));
        text.replace(QStringLiteral("\nArguments:\n"), QLatin1Char('\n') + Text(10002) + QLatin1Char('\n'));
        text.replace(QStringLiteral("[options]"), Text(10003));
        std::fputs(qPrintable(text), stdout);
        *exitCode = 0;
        return false;
    }
    return true;
}

void Print(const QJsonObject& o, const QStringList& order, bool json) {
    if (json) {
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
        return;
    }
    for (const QString& key : order) {
        if (!o.contains(key)) continue;
        const QJsonValue v = o.value(key);
        QString text;
        if (v.isBool())
            text = v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        else if (v.isDouble())
            text = QString::number(v.toDouble(), 'g', 12);
        else
            text = v.toString();
        std::printf("%s: %s\n", qPrintable(key), qPrintable(text));
    }
}

QString IsoZeit(const QDateTime& dat) {
    return dat.isValid() ? dat.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
}

QString JahreText() { return Text(9700, {QString::number(olm3::kJahrMin), QString::number(olm3::kJahrMax)}); }

bool ParseZeit(const QString& s, QDateTime& dat, int lngTextNichtLesbar) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}$"));
    const QString t = s.trimmed();
    const QDateTime z = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!form.match(t).hasMatch() || !z.isValid()) {
        Fail(Text(lngTextNichtLesbar, {s}));
        return false;
    }
    if (z.date().year() < olm3::kJahrMin || z.date().year() > olm3::kJahrMax) {
        Fail(Text(9043, {QString::number(olm3::kJahrMin), QString::number(olm3::kJahrMax), s}));
        return false;
    }
    dat = olm3::MakeDatum(z.date(), z.time());
    return true;
}

std::optional<double> ReadNumber(const QString& s) {
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool Number(const QString& s, const QString& name, double& v, double min, double max) {
    const auto n = ReadNumber(s);
    if (!n) {
        Fail(Text(9003, {name, s}));
        return false;
    }
    if (*n < min || *n > max) {
        Fail(Text(9701, {name, QString::number(min), QString::number(max), s}));
        return false;
    }
    v = *n;
    return true;
}

const QCommandLineOption& catalogueOption() {
    static const QCommandLineOption o(QStringLiteral("catalogue"), Text(9006), QStringLiteral("FILE"));
    return o;
}

const QCommandLineOption& jsonOption() {
    static const QCommandLineOption o(QStringLiteral("json"), Text(9007));
    return o;
}

bool openCatalogue(const QCommandLineParser& p, olm3::IniConfig& cfg, clsOLM3Binnen& olm, int* exitCode) {
    const QString file = p.value(catalogueOption());
    if (file.isEmpty()) {
        *exitCode = Fail(Text(9008));
        return false;
    }
    if (!QFileInfo(file).isReadable()) {
        *exitCode = Fail(Text(9009, {file}));
        return false;
    }
    {
        // The facade says only whether the catalogue opened; this open says why not: a FIFO, a lock held
        // by another program, a schema that takes too long to read.
        ADODB::Connection probe;
        if (!probe.Open(modOLM3Binnen::ADO_ConnectionString(file, {}, {}, {}, true))) {
            switch (probe.LastOpenFailure()) {
            case ADODB::OpenFailure::NotAFile:
            case ADODB::OpenFailure::Locked:
            case ADODB::OpenFailure::TimedOut:
                *exitCode = Fail(probe.Errors.front().Description);
                return false;
            default:
                *exitCode = Fail(Text(9011, {file}));
                return false;
            }
        }
    }
    cfg = olm3::IniConfig::ForCatalogue(file);
    olm.Init(&cfg, nullptr, nullptr);
    if (!olm.conBinnenDatabase()) {
        *exitCode = Fail(Text(9011, {file}));
        return false;
    }
    return true;
}

} // namespace cli

namespace cli {
const QList<Command>& Commands() {
    static const QList<Command> commands = {
        {QStringLiteral("nearest"), Text(9010), RunNearest},
        {QStringLiteral("position"), Text(9020), RunPosition},
        {QStringLiteral("build-catalogue"), Text(9030), RunBuildCatalogue},
        {QStringLiteral("check-catalogue"), Text(9750), RunCheckCatalogue},
        {QStringLiteral("holidays"), Text(9040), RunHolidays},
        {QStringLiteral("expand"), Text(9070), RunExpand},
        {QStringLiteral("route"), Text(9090), RunRoute},
        {QStringLiteral("lock-wait"), Text(9050), RunLockWait},
        {QStringLiteral("gpx-import"), Text(9661), RunGpxImport},
    };
    return commands;
}
} // namespace cli
