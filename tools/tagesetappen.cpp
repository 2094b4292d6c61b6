#include "tagesetappen.h"

#include "cli.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <QJsonObject>
#include <cstdio>

namespace cli {

namespace {
using olm3::routing::Tagesetappe;

const QCommandLineOption& daysOption() {
    static const QCommandLineOption o(QStringLiteral("days"), Text(9983));
    return o;
}
const QCommandLineOption& dayStartOption() {
    static const QCommandLineOption o(QStringLiteral("day-start"), Text(9984), QStringLiteral("hh:mm"),
                                      QStringLiteral("09:00"));
    return o;
}
const QCommandLineOption& dayEndOption() {
    static const QCommandLineOption o(QStringLiteral("day-end"), Text(9985), QStringLiteral("hh:mm"),
                                      QStringLiteral("18:00"));
    return o;
}
const QCommandLineOption& waitLimitOption() {
    static const QCommandLineOption o(QStringLiteral("wait-limit"), Text(9986), QStringLiteral("STUNDEN"),
                                      QStringLiteral("1"));
    return o;
}

QString tx(std::int32_t id) { return modOLM3Binnen::GetText(QStringLiteral("Tagesetappen"), id); }
} // namespace

void AddDaysOptions(QCommandLineParser& p) {
    p.addOption(daysOption());
    p.addOption(dayStartOption());
    p.addOption(dayEndOption());
    p.addOption(waitLimitOption());
}

QStringList DaysValueOptions() {
    return {QStringLiteral("day-start"), QStringLiteral("day-end"), QStringLiteral("wait-limit")};
}

bool ReadDays(const QCommandLineParser& p, std::optional<olm3::routing::Fahrtag>& fahrtag, int* exitCode) {
    if (!p.isSet(daysOption())) return true;
    olm3::routing::Fahrtag f;
    // A limit of 0 switches it off: no wait ends a day before its lock unless it runs past the evening.
    const QString grenze = p.value(waitLimitOption());
    bool zahl = false;
    const bool an = QString(grenze).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&zahl) != 0 || !zahl;
    const QString meldung =
        olm3::routing::PruefeFahrtag(p.value(dayStartOption()), p.value(dayEndOption()), an, grenze, f);
    if (!meldung.isEmpty()) {
        *exitCode = Fail(meldung);
        return false;
    }
    fahrtag = f;
    return true;
}

QJsonArray DaysJson(const std::vector<Tagesetappe>& etappen) {
    QJsonArray a;
    for (const Tagesetappe& e : etappen)
        a.append(QJsonObject{
            {QStringLiteral("lngTag"), e.lngTag},
            {QStringLiteral("lngZeileVon"), e.lngZeileVon},
            {QStringLiteral("lngZeileBis"), e.lngZeileBis},
            {QStringLiteral("strVon"), e.strVon},
            {QStringLiteral("strNach"), e.strNach},
            {QStringLiteral("datAb"), IsoZeit(e.datAb)},
            {QStringLiteral("datAn"), IsoZeit(e.datAn)},
            {QStringLiteral("dblStrecke"), e.dblStrecke},
            {QStringLiteral("dblFahrstunden"), e.dblFahrstunden},
            {QStringLiteral("dblWartezeit"), e.dblWartezeit},
            {QStringLiteral("lngSchleusen"), e.lngSchleusen},
            {QStringLiteral("blnOhneLiegeplatz"), e.blnOhneLiegeplatz},
            {QStringLiteral("blnZiel"), e.blnZiel},
            {QStringLiteral("strSchleuse"), e.strSchleuse},
            {QStringLiteral("datSchleuseOffen"), IsoZeit(e.datSchleuseOffen)},
            {QStringLiteral("strHinweis"), olm3::routing::EtappenHinweis(e)},
        });
    return a;
}

void PrintDaysTable(const std::vector<Tagesetappe>& etappen) {
    using modOLM3Binnen::FormatDatum;
    using modOLM3Binnen::FormatNumber;
    std::printf("\n%s\n", qPrintable(tx(9956)));
    const char* zeile = "%-4s %-10s %-5s %-32s %-5s %-32s %7s %8s %9s %9s  %s\n";
    std::printf(zeile, qPrintable(tx(9957)), qPrintable(tx(9958)), qPrintable(tx(9961)), qPrintable(tx(9959)),
                qPrintable(tx(9962)), qPrintable(tx(9960)), qPrintable(tx(9963)), qPrintable(tx(9964)),
                qPrintable(tx(9965)), qPrintable(tx(9966)), qPrintable(tx(9967)));
    for (const Tagesetappe& e : etappen)
        std::printf(zeile, qPrintable(QString::number(e.lngTag)), qPrintable(FormatDatum(e.datAb, QStringLiteral("dd.mm.yyyy"))),
                    qPrintable(FormatDatum(e.datAb, QStringLiteral("hh:nn"))), qPrintable(e.strVon.left(32)),
                    qPrintable(FormatDatum(e.datAn, QStringLiteral("hh:nn"))), qPrintable(e.strNach.left(32)),
                    qPrintable(FormatNumber(e.dblStrecke, QStringLiteral("0.0"))),
                    qPrintable(FormatNumber(e.dblFahrstunden, QStringLiteral("0.0"))),
                    qPrintable(QString::number(e.lngSchleusen)),
                    qPrintable(FormatNumber(e.dblWartezeit, QStringLiteral("0.0"))),
                    qPrintable(olm3::routing::EtappenHinweis(e)));
    std::printf("\n%s: %d\n", qPrintable(tx(9968)), olm3::routing::Reisetage(etappen));
}

} // namespace cli
