#include "routejson.h"

#include "cli.h"
#include "tagesetappen.h"
#include "data/formatting.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace cli {

namespace {
QString iso(const QDateTime& d) { return d.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")); }
} // namespace

QJsonObject RouteJson(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen) {
    QJsonArray a;
    for (const typRouteOptimiert& r : rows) {
        a.append(QJsonObject{
            {QStringLiteral("lngNumGrob"), r.lngNumGrob},
            {QStringLiteral("lngNumDetaills"), r.lngNumDetaills},
            {QStringLiteral("lngPunkteID"), r.lngPunkteID},
            {QStringLiteral("strTypID"), r.strTypID},
            {QStringLiteral("strTypBez"), r.strTypBez},
            {QStringLiteral("lngBinnenID"), r.lngBinnenID},
            {QStringLiteral("strBinnen"), r.strBinnen},
            {QStringLiteral("strBezeichnung"), r.strBezeichnung},
            {QStringLiteral("strBgDez"), r.strBgDez},
            {QStringLiteral("strLgDez"), r.strLgDez},
            {QStringLiteral("dblBgDez"), r.dblBgDez},
            {QStringLiteral("dblLgDez"), r.dblLgDez},
            {QStringLiteral("lngDetailsRecordsetID"), r.lngDetailsRecordsetID},
            {QStringLiteral("dblStrecke"), r.dblStrecke},
            {QStringLiteral("datZeitAn"), iso(r.datZeitAn)},
            {QStringLiteral("datZeitAb"), iso(r.datZeitAb)},
            {QStringLiteral("strNB"), r.strNB},
            {QStringLiteral("strSR"), r.strSR},
            {QStringLiteral("dblDokuKM"), r.dblDokuKM},
            {QStringLiteral("blnDokuKMOrig"), r.blnDokuKMOrig},
            {QStringLiteral("lngBinnenIDNach"), r.lngBinnenIDNach},
            {QStringLiteral("lngPunkteIDNach"), r.lngPunkteIDNach},
            {QStringLiteral("dblWartezeit"), r.dblWartezeit},
            {QStringLiteral("dblDauer"), r.dblDauer},
            {QStringLiteral("dblDurchgangszeit"), r.dblDurchgangszeit},
            {QStringLiteral("blnPunktRouteGrob"), r.blnPunktRouteGrob},
            {QStringLiteral("lngAnzahlSchleusen"), r.lngAnzahlSchleusen},
            {QStringLiteral("lngAnzahlBruecken"), r.lngAnzahlBruecken},
        });
    }
    return QJsonObject{{QStringLiteral("result"), result},
                       {QStringLiteral("rows"), a},
                       {QStringLiteral("dblSummeFahrzeit"), summen.dblSummeFahrzeit},
                       {QStringLiteral("dblSummeWartezeit"), summen.dblSummeWartezeit},
                       {QStringLiteral("dblSummeDurchgangszeit"), summen.dblSummeDurchgangszeit},
                       {QStringLiteral("dblStrecke"), summen.dblStrecke}};
}

void PrintRouteTable(const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen) {
    using modOLM3Binnen::FormatDatum;
    using modOLM3Binnen::FormatDauer;
    using modOLM3Binnen::FormatNumber;
    const QString zeit = QStringLiteral("dd.mm.yy hh:nn");
    std::printf("%-6s %-14s %-28s %-28s %9s  %-14s  %-14s  %s\n", qPrintable(Text(9071)), qPrintable(Text(9072)),
                qPrintable(Text(9073)), qPrintable(Text(9074)), qPrintable(Text(9075)), qPrintable(Text(9076)),
                qPrintable(Text(9077)), qPrintable(Text(9078)));
    for (const typRouteOptimiert& r : rows) {
        const QString nr = r.blnPunktRouteGrob ? QString::number(r.lngNumGrob)
                                               : QStringLiteral("  %1.%2").arg(r.lngNumGrob).arg(r.lngNumDetaills);
        QString wait = FormatDauer(r.dblWartezeit, false).trimmed();
        std::printf("%-6s %-14s %-28s %-28s %9s  %-14s  %-14s  %s\n", qPrintable(nr),
                    qPrintable(r.strTypBez.left(14)), qPrintable(r.strBinnen.left(28)),
                    qPrintable(r.strBezeichnung.trimmed().left(28)),
                    qPrintable(FormatNumber(r.dblStrecke, QStringLiteral("0.0"))),
                    qPrintable(FormatDatum(r.datZeitAn, zeit)), qPrintable(FormatDatum(r.datZeitAb, zeit)),
                    qPrintable(wait));
    }
    std::printf("\n%s\n", qPrintable(Text(9079, {FormatNumber(summen.dblStrecke, QStringLiteral("0.0")),
                                                 FormatNumber(summen.dblSummeFahrzeit, QStringLiteral("0.0")),
                                                 FormatNumber(summen.dblSummeWartezeit, QStringLiteral("0.0")),
                                                 FormatNumber(summen.dblSummeDurchgangszeit, QStringLiteral("0.0"))})));
}

int ExpandAndPrint(clsOLM3Binnen& olm, const std::vector<std::int32_t>& von, const std::vector<std::int32_t>& nach,
                   const QDateTime& start, bool json, const std::optional<olm3::routing::Fahrtag>& tage) {
    // No window waits for the tool to stay responsive: the computation runs without its step pause.
    clsOLM3Binnen::SetStepPause(0);
    olm.StartZeit(start);
    const bool result = olm.SetRouteOptimiert(von, nach, start);
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    olm.GetRouteOptimiert(rows, summen);
    std::vector<olm3::routing::Tagesetappe> etappen;
    if (tage) etappen = olm3::routing::BerechneTagesetappen(rows, start, *tage);
    if (json) {
        QJsonObject o = RouteJson(result, rows, summen);
        if (tage) {
            o.insert(QStringLiteral("days"), DaysJson(etappen));
            o.insert(QStringLiteral("lngReisetage"), olm3::routing::Reisetage(etappen));
        }
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        PrintRouteTable(rows, summen);
        if (tage) PrintDaysTable(etappen);
    }
    return result && !rows.empty() ? 0 : 1;
}

} // namespace cli
