#include "routing/core/routeoptimiert.h"

#include "data/formatting.h"
#include "data/katalogbegriffe.h"
#include "data/modOLM3Binnen.h"
#include "data/texttable.h"
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
    if (f.IsNull()) return -1;
    if (ADO_Field_IsNumber(f)) return ADO_Field_Lng(f);
    const QString s = ADO_Field_Str(f);
    return IsNumeric(s) ? CLng(s) : -1;
}

/// The fields of the current row by name, each name looked up once per query rather than on every row.
class Felder {
public:
    explicit Felder(const ADODB::RecordsetPtr& rs) : m_rs(rs) {}
    ADODB::Field operator()(const char* strName) {
        for (const auto& [name, i] : m_spalten)
            if (name == strName) return feld(strName, i);
        const int i = m_rs->FieldIndex(QLatin1String(strName));
        m_spalten.emplace_back(strName, i);
        return feld(strName, i);
    }

private:
    /// A column the query lacks fails as a lookup by name does.
    ADODB::Field feld(const char* strName, int i) const {
        return i >= 0 ? m_rs->Fields(i) : m_rs->Fields(QLatin1String(strName));
    }
    const ADODB::RecordsetPtr& m_rs;
    std::vector<std::pair<const char*, int>> m_spalten;
};

double numberOr(const ADODB::Field& f, double dflt) { return ADO_Field_NumOrDefault(f, dflt).toDouble(); }

/// The type of a route point that is no object of the catalogue.
QString TextPunktGesetzt() {
    return olm3::TextTable::Builtin().Text(QStringLiteral("clsOLM3Binnen"), 10170, QStringLiteral("-Punkt gesetzt-"));
}

} // namespace

QString TextRoutenInformation() { return GetText(QStringLiteral("clsOLM3Binnen"), 908); }

QString SqlDetailsRouteOptimiert(bool blnMitTypen) {
    // The columns the route is built from: the view's long texts would be read for every object and thrown
    // away.
    const QString spalten = QStringLiteral(
        "SELECT PunkteID, BinnenID, TypenID, TypenBez, DetailsID, DetailsBezeichnung, BinnenBez, BinnenBez_Nach,"
        " BinnenID_Nach, PunkteID_Nach, DokuKM, DokuKMOrig, BgDez, LgDez, Strecke FROM V_ROUTE_DETAILLIERT ");
    // By chainage; at the same chainage V before N.
    if (!blnMitTypen)
        return spalten + QStringLiteral("WHERE PunkteID IN (?1, ?2) ORDER BY Strecke, PunkteID <> ?1, PunkteID_Nach");
    // The leg's point ids first, through the waterway/chainage index of the objects (of every point in a
    // catalogue without it), then their rows of the view by id: a condition on the view's rows as a whole
    // would make the engine read every point of the catalogue. The ends are found by id ("+" keeps the
    // engine from walking their whole waterway instead). Both ends' chainages count only when the ends lie
    // on V's waterway; when N lies on another one the range is empty and only V and N come back.
    const QString abschnitt = QStringLiteral(
        "WITH ende(BinnenID, Von, Bis) AS ("
        " SELECT v.BinnenID, min(e.Strecke), max(e.Strecke)"
        " FROM Punkte v JOIN Punkte e ON e.PunkteID IN (?1, ?2) AND +e.BinnenID = v.BinnenID"
        " WHERE v.PunkteID = ?1),"
        " abschnitt(PunkteID) AS ("
        " SELECT p.PunkteID FROM ende JOIN Punkte p"
        " ON p.BinnenID = ende.BinnenID AND p.Strecke > ende.Von AND p.Strecke <= ende.Bis"
        " WHERE p.TypenID <> '' AND p.TypenID <> 'A' AND p.TypenID <> 'W'"
        " UNION SELECT ?1 UNION SELECT ?2) ");
    // Points at the same chainage in the order the waterway/chainage index holds them.
    return abschnitt + spalten +
           QStringLiteral("WHERE PunkteID IN abschnitt ORDER BY Strecke, BinnenID, PunkteID, PunkteID_Nach");
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

        if (!ADO_Open_RecordsetExt(conBinnenDatabase, rs, SqlDetailsRouteOptimiert(!blnBreakOptimierer),
                                   {lngPktIDVon, lngPktIDNach}, true))
            return false;
        const std::int32_t zeilenDerAbfrage = rs->RecordCount();
        auto& rows = route.audtRouteOptimiert;
        auto& count = route.lngAnzahlRouteOptimiert;
        Felder field(rs);
        // The progress texts are built only when a window shows them.
        const bool statusSichtbar = status && status->ZeigtStatus();
        const QString textRoutenInformation = statusSichtbar ? TextRoutenInformation() : QString();
        // A catalogue of an older format may lack the objects' names.
        const bool mitNamen = rs->HasField(QStringLiteral("DetailsBezeichnung"));

        while (!rs->Eof() && !rs->Bof()) {
            // Room for one more row first, so that pointers into the rows stay valid below.
            if (static_cast<size_t>(count) >= rows.size()) rows.resize(static_cast<size_t>(count) + 1);
            std::int32_t id = ADO_Field_Lng(field("PunkteID"));
            if (ersteZeileDerAbfrage && id == lngPktIDNach && lngPktIDNach != lngPktIDVon) {
                // The leg runs against the chainage: walk the rows from the last one back.
                reverse = true;
                rs->MoveLast();
                id = ADO_Field_Lng(field("PunkteID"));
            }
            const bool istRoutenpunkt = id == lngPktIDVon || id == lngPktIDNach;
            if (!blnBreakOptimierer && status) {
                const typRouteOptimiert* last = route.LastRow();
                QString text2;
                if (last && statusSichtbar)
                    text2 = FormatDauer(last->dblDauer, true) + QStringLiteral("    ") +
                            FormatNumber(last->dblStrecke, QStringLiteral("0.000 km"));
                status->ShowStatus(true, textRoutenInformation, last ? last->lngNumGrob : 1, 0,
                                   zeilenDesAbschnitts + (last ? 1 : 0), zeilenDerAbfrage, text2);
            }
            bool verworfen = false;
            if (id == lngPktIDVon && !blnErster) {
                // V ended the previous leg and is in the route already.
            } else {
                if (blnBreakOptimierer) break;
                const std::int32_t binnenID = ADO_Field_Lng(field("BinnenID"));
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
                row.strTypBez = typ.isEmpty() ? TextPunktGesetzt()
                                              : KatalogBegriff(KatalogWort::Typ, typ, ADO_Field_Str(field("TypenBez")));
                if (typ == QLatin1String("A")) row.strBezeichnung = ADO_Field_Str(field("BinnenBez_Nach"));
                else if (typ == QLatin1String("B")) ++anzahlBruecken;
                row.lngBinnenID = binnenID;
                row.strBinnen = ADO_Field_Str(field("BinnenBez"));
                row.dblDokuKM = numberOr(field("DokuKM"), -1);
                row.blnDokuKMOrig = ADO_Field_Bool(field("DokuKMOrig"));
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
