#include "routejson.h"

#include "cli.h"
#include "data/formatting.h"
#include "routing/core/routenpunktnummern.h"
#include "routing/core/wartegrund.h"

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
            {QStringLiteral("strName"), r.strName},
            {QStringLiteral("strWartegrund"), r.strWartegrund},
            {QStringLiteral("intWartegrund"), r.intWartegrund},
        });
    }
    return QJsonObject{{QStringLiteral("result"), result},
                       {QStringLiteral("rows"), a},
                       {QStringLiteral("dblSummeFahrzeit"), summen.dblSummeFahrzeit},
                       {QStringLiteral("dblSummeWartezeit"), summen.dblSummeWartezeit},
                       {QStringLiteral("dblSummeDurchgangszeit"), summen.dblSummeDurchgangszeit},
                       {QStringLiteral("dblStrecke"), summen.dblStrecke},
                       {QStringLiteral("lngSchleusenOhneBetriebszeit"), summen.lngSchleusenOhneBetriebszeit},
                       {QStringLiteral("lngAbbruchVon"), summen.lngAbbruchVon},
                       {QStringLiteral("lngAbbruchNach"), summen.lngAbbruchNach}};
}

void PrintRouteTable(const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen,
                     const std::vector<std::int32_t>& alngGeplant) {
    using modOLM3Binnen::FormatDatum;
    using modOLM3Binnen::FormatNumber;
    const QString zeit = QStringLiteral("dd.mm.yy hh:nn");
    const std::vector<QString> nummern = olm3::routing::RoutenpunktNummern(rows, alngGeplant);
    // Columns padded by characters, not bytes, so that umlauts keep the table straight.
    const auto zeile = [](const QStringList& zellen) {
        static const int breiten[] = {8, 15, 26, 32, 7, 14, 14, 12};
        QString s;
        for (int i = 0; i < zellen.size(); ++i) {
            if (i < static_cast<int>(std::size(breiten))) {
                const int w = breiten[i];
                s += (i == 4 ? zellen[i].left(w).rightJustified(w) : zellen[i].left(w).leftJustified(w)) +
                     QStringLiteral("  ");
            } else {
                s += zellen[i];
            }
        }
        while (s.endsWith(QLatin1Char(' ')))
            s.chop(1);
        std::printf("%s\n", qPrintable(s));
    };
    zeile({Text(9071), Text(9072), Text(9073), Text(9074), Text(9075), Text(9076), Text(9077), Text(9078),
           Text(9460)});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const typRouteOptimiert& r = rows[i];
        const QString nr = r.blnPunktRouteGrob ? nummern[i] : QStringLiteral("  %1.%2").arg(nummern[i]).arg(r.lngNumDetaills);
        // The object's name; on a junction where the route turns, the waterway it turns into.
        const QString name = r.strName.isEmpty() ? r.strBezeichnung.trimmed() : r.strName;
        const QString wait = r.dblWartezeit > 0 ? FormatNumber(r.dblWartezeit, QStringLiteral("0.0")) + QStringLiteral(" h")
                                                : QString();
        zeile({nr, r.strTypBez, r.strBinnen, name, FormatNumber(r.dblStrecke, QStringLiteral("0.0")),
               FormatDatum(r.datZeitAn, zeit), FormatDatum(r.datZeitAb, zeit), wait, r.strWartegrund});
    }
    std::printf("\n%s\n", qPrintable(Text(9079, {FormatNumber(summen.dblStrecke, QStringLiteral("0.0")),
                                                 FormatNumber(summen.dblSummeFahrzeit, QStringLiteral("0.0")),
                                                 FormatNumber(summen.dblSummeWartezeit, QStringLiteral("0.0")),
                                                 FormatNumber(summen.dblSummeDurchgangszeit, QStringLiteral("0.0"))})));
    const QString unsicher = olm3::routing::TextSummenUnsicher(summen.lngSchleusenOhneBetriebszeit);
    if (!unsicher.isEmpty()) std::printf("%s\n", qPrintable(unsicher));
}

int RouteExitCode(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen) {
    if (!result || rows.empty()) return 1;
    if (summen.lngAbbruchVon != 0 || summen.lngAbbruchNach != 0)
        return Fail(Text(9461, {QString::number(summen.lngAbbruchVon), QString::number(summen.lngAbbruchNach)}), 3);
    if (summen.lngSchleusenOhneBetriebszeit > 0)
        return Fail(olm3::routing::TextSummenUnsicher(summen.lngSchleusenOhneBetriebszeit), 4);
    return 0;
}

int ExpandAndPrint(clsOLM3Binnen& olm, const std::vector<std::int32_t>& von, const std::vector<std::int32_t>& nach,
                   const QDateTime& start, bool json, const std::vector<std::int32_t>& alngGeplant) {
    // No window waits for the tool to stay responsive: the computation runs without its step pause.
    clsOLM3Binnen::SetStepPause(0);
    olm.StartZeit(start);
    const bool result = olm.SetRouteOptimiert(von, nach, start);
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    olm.GetRouteOptimiert(rows, summen);
    if (json) std::fputs(QJsonDocument(RouteJson(result, rows, summen)).toJson(QJsonDocument::Indented).constData(), stdout);
    else PrintRouteTable(rows, summen, alngGeplant);
    return RouteExitCode(result, rows, summen);
}

} // namespace cli
