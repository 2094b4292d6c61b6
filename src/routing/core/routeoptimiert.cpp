#include "routing/core/routeoptimiert.h"

#include "data/formatting.h"
#include "data/katalogbegriffe.h"
#include "data/modOLM3Binnen.h"
#include "routing/core/schleusenbz.h"
#include "routing/core/wartegrund.h"
#include "routing/core/zweigparam.h"

#include <cmath>

using namespace modOLM3Binnen;

namespace olm3::routing {

namespace {

/// datZeit plus hours, rounded to whole steps of lngSchrittSek seconds. A time of the route must stay a
/// date of the years the component knows: a catalogue time of 1e308 hours or a speed near 0 is an overflow,
/// not an empty date.
QDateTime addStunden(const QDateTime& dat, double hours, qint64 lngSchrittSek) {
    // Beyond this many hours every date of the known years is left behind; llround could not hold more.
    constexpr double kMaxStunden = 1e8;
    QDateTime r;
    if (std::isfinite(hours) && std::fabs(hours) <= kMaxStunden)
        r = dat.addSecs(lngSchrittSek * static_cast<qint64>(std::llround(hours * 3600.0 / lngSchrittSek)));
    if (!r.isValid() || r.date().year() < olm3::kJahrMin || r.date().year() > olm3::kJahrMax)
        throw olm3::RuntimeError(6, QStringLiteral("Overflow: %1 h").arg(hours));
    return r;
}
QDateTime addMinutes(const QDateTime& dat, double hours) { return addStunden(dat, hours, 60); }
QDateTime addSeconds(const QDateTime& dat, double hours) { return addStunden(dat, hours, 1); }

/// An id column that may be Null or not a number: -1 then.
std::int32_t idOrMinusOne(const ADODB::Field& f) {
    const QString s = ADO_Field_Str(f);
    return IsNumeric(s) ? CLng(s) : -1;
}

double numberOr(const ADODB::Field& f, double dflt) { return ADO_Field_NumOrDefault(f, dflt).toDouble(); }

} // namespace

QString TextRoutenInformation() { return GetText(QStringLiteral("clsOLM3Binnen"), 908); }

QString SqlDetailsRouteOptimiert(std::int32_t lngPktIDVon, std::int32_t lngPktIDNach, bool blnMitTypen) {
    const QString v = QString::number(lngPktIDVon);
    const QString n = QString::number(lngPktIDNach);
    const QString binnenVonV = QStringLiteral(" BinnenID= (SELECT BinnenID From Punkte where PunkteID=") + v;
    QString sql = QStringLiteral("SELECT * ") + QStringLiteral("From V_ROUTE_DETAILLIERT ") + QStringLiteral("WHERE( ");
    if (blnMitTypen) sql += QStringLiteral("(TypenID <> '' and TypenID <>'A' and TypenID <>'W')  or");
    // SQLite wants a blank between a number and the "or" after it.
    sql += QStringLiteral(" PunkteID=") + v + QStringLiteral(" or PunkteID=") + n + QStringLiteral("  ) ") +
           QStringLiteral("AND (") + QStringLiteral("Strecke<= ") + QStringLiteral("(SELECT  max(Strecke)  FROM Punkte") +
           QStringLiteral(" Where  (PunkteID =  ") + v + QStringLiteral(" OR") + QStringLiteral(" PunkteID = ") + n +
           QStringLiteral(") AND ") + binnenVonV + QStringLiteral(" ))") + QStringLiteral("  AND Strecke> ") +
           QStringLiteral(" (SELECT  min(Strecke)  FROM Punkte") + QStringLiteral(" Where  (PunkteID =  ") + v +
           QStringLiteral("  OR") + QStringLiteral(" PunkteID = ") + n + QStringLiteral(") AND  ") + binnenVonV +
           QStringLiteral(" )) ") + QStringLiteral(" AND   BinnenID= (SELECT BinnenID From Punkte where PunkteID= ") + v +
           QStringLiteral(" ) ") + QStringLiteral(" Or PunkteId=") + v + QStringLiteral(")  OR PunkteID = ") + n +
           QStringLiteral(" Order By Strecke");
    return sql;
}

bool GetDetailsRouteOptimiert(RouteDetails& route, const QDateTime& datStartZeit, std::int32_t lngPktIDVon,
                              std::int32_t lngPktIDNach, bool& blnErster, const bool& blnBreakOptimierer,
                              IRouteStatus* status) {
    ADODB::RecordsetPtr rs;
    try {
        StepPause(QStringLiteral("GetDetailsRouteOptimiert"));
        std::int32_t lngPrev = lngPktIDVon;
        double stepStrecke = 0, stepDauer = 0, stepFahrzeit = 0, stepDurchgang = 0;
        double distSeitRoutenpunkt = 0;
        std::int32_t anzahlSchleusen = 0, anzahlBruecken = 0, zeilenDesAbschnitts = 0;
        bool reverse = false;
        bool ersteZeileDerAbfrage = true;

        if (!ADO_Open_RecordsetExt(conBinnenDatabase, rs,
                                   SqlDetailsRouteOptimiert(lngPktIDVon, lngPktIDNach, !blnBreakOptimierer), true))
            return false;
        const std::int32_t zeilenDerAbfrage = rs->RecordCount();
        auto& rows = route.audtRouteOptimiert;
        auto& count = route.lngAnzahlRouteOptimiert;
        auto field = [&](const char* name) { return rs->Fields(QLatin1String(name)); };
        // A catalogue of an older format may lack the objects' names.
        const bool mitNamen = rs->HasField(QStringLiteral("DetailsBezeichnung"));

        while (!rs->Eof() && !rs->Bof()) {
            // Room for one more row first, so that pointers into the rows stay valid below.
            if (static_cast<size_t>(count) >= rows.size()) rows.resize(static_cast<size_t>(count) + 1);
            std::int32_t id = CLng(ADO_Field_Str(field("PunkteID")));
            if (ersteZeileDerAbfrage && id == lngPktIDNach && lngPktIDNach != lngPktIDVon) {
                // The leg runs against the chainage: walk the rows from the last one back.
                reverse = true;
                rs->MoveLast();
                id = CLng(ADO_Field_Str(field("PunkteID")));
            }
            const bool istRoutenpunkt = id == lngPktIDVon || id == lngPktIDNach;
            if (!blnBreakOptimierer && status) {
                const typRouteOptimiert* last = route.LastRow();
                QString text2;
                if (last)
                    text2 = FormatDauer(last->dblDauer, true) + QStringLiteral("    ") +
                            FormatNumber(last->dblStrecke, QStringLiteral("0.000 km"));
                status->ShowStatus(true, TextRoutenInformation(), last ? last->lngNumGrob : 1, 0,
                                   zeilenDesAbschnitts + (last ? 1 : 0), zeilenDerAbfrage, text2);
            }
            bool verworfen = false;
            if (id == lngPktIDVon && !blnErster) {
                // V ended the previous leg and is in the route already.
            } else {
                if (blnBreakOptimierer) break;
                const std::int32_t binnenID = CLng(ADO_Field_Str(field("BinnenID")));
                const QString typ = ADO_Field_Str(field("TypenID"));
                if (!blnErster &&
                    !GetZweigParam(lngPrev, id, binnenID, typ, stepStrecke, stepDauer, stepFahrzeit, stepDurchgang)) {
                    ADO_Close_Recordset(rs, true);
                    return false;
                }
                lngPrev = id;
                const std::int32_t detailsID = idOrMinusOne(field("DetailsID"));
                double wartezeit = 0;
                QString strNB, strSR;
                const typRouteOptimiert* last = route.LastRow();
                const QDateTime ankunft = last ? addMinutes(datStartZeit, stepFahrzeit + last->dblDauer)
                                               : addMinutes(datStartZeit, stepDauer + stepFahrzeit);
                SchleusenWarten warten;
                if (typ == QLatin1String("S")) {
                    ++anzahlSchleusen;
                    GetSchleusenBZ(detailsID, ankunft, wartezeit, strNB, strSR, &warten);
                }
                typRouteOptimiert ersetzt;
                if (istRoutenpunkt && last && distSeitRoutenpunkt + stepStrecke == 0) {
                    // A route point at zero distance from the last one adds nothing; a junction takes the
                    // place of the row before it (the continuation onto the other waterway). It carries on
                    // that row's distance, time and number, which would otherwise drop out of the route.
                    if (typ != QLatin1String("A")) break;
                    ersetzt = *last;
                    --count;
                    last = &ersetzt;
                    // The locks and bridges counted up to the replaced route point were passed on the way here.
                    if (ersetzt.blnPunktRouteGrob) {
                        anzahlSchleusen += ersetzt.lngAnzahlSchleusen;
                        anzahlBruecken += ersetzt.lngAnzahlBruecken;
                    }
                }
                const typRouteOptimiert* vorher = route.LastRow(); // the row before this one in the route
                typRouteOptimiert& row = rows[static_cast<size_t>(count)];
                row = typRouteOptimiert{};
                row.dblDurchgangszeit = stepDurchgang;
                row.strTypID = typ;
                row.dblWartezeit = wartezeit;
                if (last) {
                    row.datZeitAn = addMinutes(datStartZeit, stepFahrzeit + last->dblDauer);
                    row.dblDauer = wartezeit + last->dblDauer + stepFahrzeit + stepDurchgang;
                    row.dblStrecke = last->dblStrecke + stepStrecke;
                    row.lngNumGrob = last->lngNumGrob;
                    row.lngNumDetaills = last->lngNumDetaills + (stepStrecke != 0 ? 1 : 0);
                } else {
                    row.datZeitAn = addMinutes(datStartZeit, stepFahrzeit);
                    row.dblDauer = wartezeit + stepFahrzeit + stepDurchgang;
                    row.dblStrecke = stepStrecke;
                    row.lngNumDetaills = 1;
                    row.lngNumGrob = 1;
                }
                distSeitRoutenpunkt += stepStrecke;
                route.dblSummeDurchgangszeit += stepDurchgang;
                route.dblSummeWartezeit += wartezeit;
                route.dblSummeFahrzeit += stepFahrzeit;
                row.strSR = strSR;
                row.strNB = strNB;
                row.datZeitAb = addSeconds(row.datZeitAn, wartezeit + stepDurchgang);
                row.lngDetailsRecordsetID = detailsID;
                row.lngPunkteID = id;
                row.strTypBez = typ.isEmpty() ? QStringLiteral("-Punkt gesetzt-")
                                              : KatalogBegriff(KatalogWort::Typ, typ, ADO_Field_Str(field("TypenBez")));
                if (typ == QLatin1String("A")) row.strBezeichnung = ADO_Field_Str(field("BinnenBez_Nach"));
                else if (typ == QLatin1String("B")) ++anzahlBruecken;
                row.lngBinnenID = binnenID;
                row.strBinnen = ADO_Field_Str(field("BinnenBez"));
                row.dblDokuKM = numberOr(field("DokuKM"), -1);
                row.blnDokuKMOrig = CBool(ADO_Field_Str(field("DokuKMOrig")));
                row.dblBgDez = numberOr(field("BgDez"), 0);
                row.dblLgDez = numberOr(field("LgDez"), 0);
                row.strBgDez = FormatBg(row.dblBgDez);
                row.strLgDez = FormatLg(row.dblLgDez);
                row.lngBinnenIDNach = idOrMinusOne(field("BinnenID_Nach"));
                row.lngPunkteIDNach = idOrMinusOne(field("PunkteID_Nach"));
                row.blnPunktRouteGrob = false;
                if (mitNamen) row.strName = ADO_Field_Str(field("DetailsBezeichnung")).trimmed();
                row.intWartegrund = warten.intGrund;
                row.strWartegrund = WartegrundText(warten, ankunft, strSR);
                if (vorher && vorher->strBinnen == row.strBinnen) {
                    // The route did not turn at the last row.
                    typRouteOptimiert& l = rows[static_cast<size_t>(count - 1)];
                    l.lngPunkteIDNach = -1;
                    l.lngBinnenIDNach = -1;
                    l.strBezeichnung = QStringLiteral(" ");
                }
                if (!istRoutenpunkt) {
                    if (ersteZeileDerAbfrage) verworfen = true; // a detail row cannot open a leg
                    else ++count;
                } else {
                    row.blnPunktRouteGrob = true;
                    row.lngAnzahlSchleusen = typ == QLatin1String("S") ? anzahlSchleusen - 1 : anzahlSchleusen;
                    row.lngAnzahlBruecken = typ == QLatin1String("B") ? anzahlBruecken - 1 : anzahlBruecken;
                    row.datZeitAb = addMinutes(datStartZeit, row.dblDauer);
                    row.lngNumDetaills = 0;
                    if (!last) row.lngNumGrob = 1;
                    else row.lngNumGrob = distSeitRoutenpunkt != 0 ? last->lngNumGrob + 1 : last->lngNumGrob;
                    distSeitRoutenpunkt = 0;
                    anzahlSchleusen = 0;
                    anzahlBruecken = 0;
                    ++count;
                }
            }
            if (!verworfen) {
                blnErster = false;
                ersteZeileDerAbfrage = false;
            }
            ++zeilenDesAbschnitts;
            DoEvents();
            if (reverse) rs->MovePrevious();
            else rs->MoveNext();
        }
        ADO_Close_Recordset(rs, true);
        return true;
    } catch (const std::exception& e) {
        ADO_Close_Recordset(rs, true);
        ShowRuntimeError(QStringLiteral("[clsOLM3Binnen.GetDetailsRouteOptimiert]"), e);
        return false;
    }
}

} // namespace olm3::routing
