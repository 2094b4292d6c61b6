#include "routejson.h"

#include "cli.h"
#include "tagesetappen.h"
#include "data/formatting.h"
#include "olm3binnen/events.h"
#include "routing/core/bootprofil.h"
#include "routing/core/durchfahrt.h"
#include "routing/core/routenpunktnummern.h"
#include "routing/core/wartegrund.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace cli {

namespace {
const olm3::TextQuelle kText = [](std::int32_t id) { return Text(id); };

QJsonArray WarningsJson(const std::vector<olm3::Durchfahrtsbefund>& befunde) {
    static const char* const masse[] = {"Laenge", "Breite", "Hoehe", "Tiefgang"};
    QJsonArray a;
    for (const olm3::Durchfahrtsbefund& b : befunde)
        a.append(QJsonObject{
            {QStringLiteral("lngPunkteID"), b.lngPunkteID},
            {QStringLiteral("lngBinnenID"), b.lngBinnenID},
            {QStringLiteral("strTypID"), b.strTypID},
            {QStringLiteral("strBezeichnung"), b.strBezeichnung},
            {QStringLiteral("dblStrecke"), b.dblStrecke},
            {QStringLiteral("strMass"), QString::fromLatin1(masse[static_cast<int>(b.mass)])},
            {QStringLiteral("blnUnbekannt"), b.art == olm3::Befundart::Unbekannt},
            {QStringLiteral("dblGrenze"), b.dblGrenze},
            {QStringLiteral("dblBoot"), b.dblBoot},
            {QStringLiteral("dblSicherheit"), b.dblSicherheit},
            // To the millimetre: a difference of catalogue values carries no more than that.
            {QStringLiteral("dblFehlt"), std::round(b.Fehlt() * 1000.0) / 1000.0},
            {QStringLiteral("strText"), olm3::BefundText(b, kText)},
        });
    return a;
}

/// The mark of a row: "!" where the boat does not fit, "?" where a limit is unknown.
QString Marke(const typRouteOptimiert& r, const std::vector<olm3::Durchfahrtsbefund>* befunde) {
    QString m;
    if (!befunde) return m;
    for (const olm3::Durchfahrtsbefund& b : *befunde) {
        if (b.lngPunkteID != r.lngPunkteID || b.strTypID != r.strTypID) continue;
        if (b.art == olm3::Befundart::PasstNicht) return QStringLiteral("!");
        m = QStringLiteral("?");
    }
    return m;
}
} // namespace

const QCommandLineOption& boatOption() {
    static const QCommandLineOption o(QStringLiteral("boat"), Text(9903), QStringLiteral("L,B,H,T"));
    return o;
}

QStringList AddRouteOptions(QCommandLineParser& p) {
    p.addOption(catalogueOption());
    p.addOption(jsonOption());
    p.addOption(startOption());
    p.addOption(speedOption());
    p.addOption(gpxOption());
    p.addOption(boatOption());
    AddDaysOptions(p);
    return QStringList{QStringLiteral("catalogue"), QStringLiteral("start"), QStringLiteral("speed"),
                       QStringLiteral("gpx"), QStringLiteral("boat")} +
           DaysValueOptions();
}

bool ReadBoat(const QCommandLineParser& p, olm3::BootProfil& profil, int* exitCode) {
    if (!p.isSet(boatOption())) return true;
    const QString wert = p.value(boatOption());
    const QStringList teile = wert.split(QLatin1Char(','));
    if (teile.size() != 4) {
        *exitCode = Fail(Text(9905, {wert}));
        return false;
    }
    const olm3::BootFeld felder[] = {olm3::BootFeld::Laenge, olm3::BootFeld::Breite, olm3::BootFeld::Hoehe,
                                     olm3::BootFeld::Tiefgang};
    for (int i = 0; i < 4; ++i) {
        if (const std::int32_t id = olm3::SetzeBootWert(profil, felder[i], teile[i]); id != 0) {
            QString meldung = Text(id);
            meldung.replace(QStringLiteral("%1"), Text(9890 + i))
                .replace(QStringLiteral("%2"), teile[i].trimmed())
                .replace(QStringLiteral("%3"), QString::number(olm3::BootHoechstwert(felder[i])));
            *exitCode = Fail(Text(9904, {meldung}));
            return false;
        }
    }
    return true;
}

QJsonObject RouteJson(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen,
                      const std::vector<olm3::Durchfahrtsbefund>* warnings) {
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
            {QStringLiteral("datZeitAn"), IsoZeit(r.datZeitAn)},
            {QStringLiteral("datZeitAb"), IsoZeit(r.datZeitAb)},
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
    QJsonObject o{{QStringLiteral("result"), result},
                  {QStringLiteral("rows"), a},
                  {QStringLiteral("dblSummeFahrzeit"), summen.dblSummeFahrzeit},
                  {QStringLiteral("dblSummeWartezeit"), summen.dblSummeWartezeit},
                  {QStringLiteral("dblSummeDurchgangszeit"), summen.dblSummeDurchgangszeit},
                  {QStringLiteral("dblStrecke"), summen.dblStrecke},
                  {QStringLiteral("lngSchleusenOhneBetriebszeit"), summen.lngSchleusenOhneBetriebszeit},
                  {QStringLiteral("lngAbbruchVon"), summen.lngAbbruchVon},
                  {QStringLiteral("lngAbbruchNach"), summen.lngAbbruchNach}};
    if (warnings) o.insert(QStringLiteral("warnings"), WarningsJson(*warnings));
    return o;
}

void PrintRouteTable(const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen,
                     const std::vector<olm3::Durchfahrtsbefund>* warnings, const std::vector<std::int32_t>& alngGeplant,
                     const olm3::BootProfil* boot) {
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
        QString nr = r.blnPunktRouteGrob ? nummern[i] : QStringLiteral("  %1.%2").arg(nummern[i]).arg(r.lngNumDetaills);
        if (const QString m = Marke(r, warnings); !m.isEmpty()) nr = m + nr.mid(m.size());
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
    if (!warnings) return;
    if (boot) {
        // The boat of --boat has no name: the summary calls it the boat; a boat of empty measures was
        // checked against nothing and gets no summary.
        const QString summe = olm3::SummenText(*warnings, *boot, kText);
        if (!summe.isEmpty()) std::printf("%s\n", qPrintable(summe));
    }
    for (const olm3::Durchfahrtsbefund& b : *warnings)
        std::printf("  %s %s\n", b.art == olm3::Befundart::PasstNicht ? "!" : "?",
                    qPrintable(olm3::BefundText(b, kText)));
}

int RouteExitCode(bool result, const std::vector<typRouteOptimiert>& rows, const RouteOptimiertSummen& summen) {
    if (!result || rows.empty()) return 1;
    if (summen.lngAbbruchVon != 0 || summen.lngAbbruchNach != 0)
        return Fail(Text(9461, {QString::number(summen.lngAbbruchVon), QString::number(summen.lngAbbruchNach)}), 3);
    if (summen.lngSchleusenOhneBetriebszeit > 0)
        return Fail(olm3::routing::TextSummenUnsicher(summen.lngSchleusenOhneBetriebszeit), 4);
    return 0;
}

namespace {
/// Counts the legs the component finished: a leg that failed on a damaged catalogue ends the route
/// early without breaking it off, and a route with a leg missing is no result.
class LegCounter : public clsOLM3BinnenEvents {
public:
    std::size_t legs = 0;
    void RouteOptimiertAn(std::vector<std::int32_t>&, std::vector<std::int32_t>&) override { ++legs; }
};
} // namespace

int ExpandAndPrint(clsOLM3Binnen& olm, const std::vector<std::int32_t>& von, const std::vector<std::int32_t>& nach,
                   const QDateTime& start, bool json, const olm3::BootProfil* boot,
                   const std::optional<olm3::routing::Fahrtag>& tage, const std::vector<std::int32_t>& alngGeplant) {
    // No window waits for the tool to stay responsive: the computation runs without its step pause.
    clsOLM3Binnen::SetStepPause(0);
    olm.StartZeit(start);
    LegCounter counter;
    clsOLM3BinnenEvents* const listener = olm.EventListener();
    olm.SetEventListener(&counter);
    const bool berechnet = olm.SetRouteOptimiert(von, nach, start);
    olm.SetEventListener(listener);
    std::vector<typRouteOptimiert> rows;
    RouteOptimiertSummen summen;
    olm.GetRouteOptimiert(rows, summen);
    // A leg the component names as not computed gives its own exit code; any other missing leg is no result.
    const bool abgebrochen = summen.lngAbbruchVon != 0 || summen.lngAbbruchNach != 0;
    const bool result = berechnet && (abgebrochen || counter.legs == std::min(von.size(), nach.size()));
    std::vector<olm3::Durchfahrtsbefund> befunde;
    if (boot) {
        olm.SetBootProfil(*boot);
        befunde = olm.GetDurchfahrt();
    }
    const auto* warnings = boot ? &befunde : nullptr;
    std::vector<olm3::routing::Tagesetappe> etappen;
    if (tage) etappen = olm3::routing::BerechneTagesetappen(rows, start, *tage);
    if (json) {
        QJsonObject o = RouteJson(result, rows, summen, warnings);
        if (tage) {
            o.insert(QStringLiteral("days"), DaysJson(etappen));
            o.insert(QStringLiteral("lngReisetage"), olm3::routing::Reisetage(etappen));
        }
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        PrintRouteTable(rows, summen, warnings, alngGeplant, boot);
        if (tage) PrintDaysTable(etappen);
    }
    return RouteExitCode(result, rows, summen);
}

} // namespace cli
