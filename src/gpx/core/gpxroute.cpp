#include "gpx/core/gpxroute.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "data/nearestpoint.h"
#include "data/texttable.h"
#include "planning/core/rematch.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <cmath>
#include <functional>
#include <optional>

using namespace modOLM3Binnen;

namespace olm3::gpx {

namespace {

QString text(std::int32_t id) {
    return GetText(kModul, id);
}

/// What the catalogue says about a point for its GPX entry.
struct KatalogPunkt {
    QString strTypID, strTypBez, strBinnen, strBezeichnung, strBinnenNach, strExterneID;
    std::optional<double> dblDokuKM, dblStrecke;
    double dblLg = 0.0, dblBg = 0.0;
};

std::optional<double> zahlOderNichts(const ADODB::Field& f) {
    if (f.IsNull()) return std::nullopt;
    bool ok = false;
    const double v = f.Value.toDouble(&ok);
    if (ok) return v;
    const QString s = f.Value.toString();
    return IsNumeric(s) ? std::optional<double>(CDbl(s)) : std::nullopt;
}

/// Runs strSql (with %1 for a list of point ids) for the ids, a few hundred per statement, and hands each
/// row to zeile. A query that fails (the database layer has then shown its message) leaves its ids out.
void jeZeile(const std::vector<std::int32_t>& alngPunkteID, const QString& strSql,
             const std::function<void(const ADODB::RecordsetPtr&)>& zeile) {
    constexpr size_t kJeAbfrage = 500;
    for (size_t i = 0; i < alngPunkteID.size(); i += kJeAbfrage) {
        QStringList ids;
        for (size_t j = i; j < std::min(alngPunkteID.size(), i + kJeAbfrage); ++j)
            if (alngPunkteID[j] > 0) ids << QString::number(alngPunkteID[j]);
        ADODB::RecordsetPtr rs;
        if (ids.isEmpty() || !ADO_Open_RecordsetExt(conBinnenDatabase, rs, strSql.arg(ids.join(QLatin1Char(','))), true))
            continue;
        for (; !rs->Eof(); rs->MoveNext()) zeile(rs);
        ADO_Close_Recordset(rs, true);
    }
}

/// Reads the points with their waterways' external ids. A point the catalogue lacks is not in the result.
QHash<std::int32_t, KatalogPunkt> lesePunkte(const std::vector<std::int32_t>& alngPunkteID) {
    QHash<std::int32_t, KatalogPunkt> punkte;
    // Only the columns used: the view's other columns would each cost a look-up per row.
    const QString sql = QStringLiteral(
        "SELECT d.PunkteID, d.TypenID, d.TypenBez, d.BinnenBez, d.DetailsBezeichnung, d.BinnenBez_Nach, d.DokuKM, "
        "d.Strecke, d.LgDez, d.BgDez, (SELECT b.ExterneID FROM Binnen b WHERE b.BinnenID = d.BinnenID) "
        "FROM V_ROUTE_DETAILLIERT d WHERE d.PunkteID IN (%1)");
    jeZeile(alngPunkteID, sql, [&punkte](const ADODB::RecordsetPtr& rs) {
        const auto text = [&rs](int i) { return ADO_Field_Str(rs->Fields(i)); };
        const std::int32_t id = rs->Fields(0).Value.toInt();
        // A point that continues onto several waterways comes once per continuation; the first counts.
        if (punkte.contains(id)) return;
        KatalogPunkt k;
        k.strTypID = text(1);
        k.strTypBez = text(2);
        k.strBinnen = text(3);
        k.strBezeichnung = text(4);
        k.strBinnenNach = text(5);
        k.dblDokuKM = zahlOderNichts(rs->Fields(6));
        k.dblStrecke = zahlOderNichts(rs->Fields(7));
        k.dblLg = zahlOderNichts(rs->Fields(8)).value_or(0.0);
        k.dblBg = zahlOderNichts(rs->Fields(9)).value_or(0.0);
        k.strExterneID = text(10);
        punkte.insert(id, k);
    });
    return punkte;
}

/// What identifies a point across catalogue updates, with its waterway's name.
struct Identitaet {
    QString strExterneID, strBinnen;
    double dblStrecke = 0.0;
};

/// The identities of the points, read straight from the tables.
QHash<std::int32_t, Identitaet> leseIdentitaeten(const std::vector<std::int32_t>& alngPunkteID) {
    QHash<std::int32_t, Identitaet> punkte;
    const QString sql = QStringLiteral("SELECT p.PunkteID, p.Strecke, b.ExterneID, b.Bezeichnung FROM Punkte p "
                                       "JOIN Binnen b ON b.BinnenID = p.BinnenID WHERE p.PunkteID IN (%1)");
    jeZeile(alngPunkteID, sql, [&punkte](const ADODB::RecordsetPtr& rs) {
        Identitaet k;
        k.dblStrecke = zahlOderNichts(rs->Fields(1)).value_or(-1.0);
        k.strExterneID = ADO_Field_Str(rs->Fields(2));
        k.strBinnen = ADO_Field_Str(rs->Fields(3));
        punkte.insert(rs->Fields(0).Value.toInt(), k);
    });
    return punkte;
}

/// Half a metre either way: the chainage of our files has six decimals, and an exact match of a saved
/// route allows as much.
constexpr double kStreckeToleranz = 0.0005;

/// Finds a point of our own file again by its waterway's external id and chainage: at once when the
/// point id it names still has that identity, otherwise through the catalogue's search for saved route
/// points, of whose answers only an exact match counts. -1 when neither finds it.
std::int32_t findeIdentitaet(const Punkt& p, std::int32_t lngNr, const QHash<std::int32_t, Identitaet>& bekannt) {
    const auto k = bekannt.constFind(p.lngPunkteID);
    if (k != bekannt.constEnd() && k->strExterneID == p.strExterneID &&
        std::abs(k->dblStrecke - *p.dblStrecke) <= kStreckeToleranz)
        return p.lngPunkteID;
    planning::GespeicherterPunkt g;
    g.Nr = lngNr;
    g.BinnenExterneID = p.strExterneID;
    g.LgDez = p.dblLg;
    g.BgDez = p.dblBg;
    g.km = *p.dblStrecke;
    planning::Zaehler zaehler;
    std::int32_t id = -1;
    QString status;
    try {
        planning::SuchePunkt(g, id, status, zaehler);
    } catch (const std::exception&) {
        return -1;
    }
    return id > 0 && status.compare(QLatin1String("OK"), Qt::CaseInsensitive) == 0 ? id : -1;
}

QString kmText(const std::optional<double>& km) {
    return km ? FormatNumber(*km, QStringLiteral("0.0")) : QString();
}

/// Name, description and type of a point: the object's name, or its waterway and km.
Punkt gpxPunkt(std::int32_t lngPunkteID, const KatalogPunkt& k) {
    Punkt p;
    p.lngPunkteID = lngPunkteID;
    p.dblLg = k.dblLg;
    p.dblBg = k.dblBg;
    const bool abzweig = k.strTypID == QLatin1String("A");
    const QString km = kmText(k.dblDokuKM);
    if (!abzweig && !k.strBezeichnung.isEmpty()) p.strName = k.strBezeichnung;
    else if (km.isEmpty()) p.strName = k.strBinnen;
    else p.strName = text(9600).arg(k.strBinnen, km);
    p.strBeschreibung = km.isEmpty() ? k.strBinnen : text(9601).arg(k.strBinnen, km);
    if (abzweig && !k.strBinnenNach.isEmpty())
        p.strBeschreibung += QStringLiteral(", ") + text(9602).arg(k.strBinnenNach);
    p.strTyp = k.strTypBez;
    p.strTypID = k.strTypID;
    p.strExterneID = k.strExterneID;
    p.dblStrecke = k.dblStrecke;
    return p;
}

QString routenName(const std::vector<Punkt>& route) {
    if (route.empty()) return QString();
    return text(9604).arg(route.front().strName, route.back().strName);
}

bool istObjekt(const QString& strTypID) {
    return strTypID == QLatin1String("S") || strTypID == QLatin1String("B") || strTypID == QLatin1String("H") ||
           strTypID == QLatin1String("T");
}

QString lokal(const QDateTime& dat) {
    return dat.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

} // namespace

QTimeZone KatalogZeitzone() {
    static const QByteArray kStandard = QByteArrayLiteral("Europe/Berlin");
    QByteArray id = kStandard;
    ADODB::RecordsetPtr rs;
    // Catalogues older than the entry simply lack it, or the whole table.
    if (IsKatalogOffen() && conBinnenDatabase->HasObject(QStringLiteral("Katalog")) &&
        ADO_Open_RecordsetExt(conBinnenDatabase, rs,
                              QStringLiteral("SELECT Wert FROM Katalog WHERE Schluessel = 'Zeitzone'"), true)) {
        if (!rs->Eof()) {
            const QByteArray wert = ADO_Field_Str(rs->Fields(0)).trimmed().toLatin1();
            if (QTimeZone::isTimeZoneIdAvailable(wert)) id = wert;
        }
        ADO_Close_Recordset(rs, true);
    }
    return QTimeZone(id);
}

Datei GeplanteRoute(const std::vector<std::int32_t>& alngPunkteID, const QDateTime& datStart, double dblMarschV,
                    const QTimeZone& tz) {
    Datei d;
    const QHash<std::int32_t, KatalogPunkt> katalog = lesePunkte(alngPunkteID);
    for (const std::int32_t id : alngPunkteID) {
        const auto k = katalog.constFind(id);
        if (k != katalog.constEnd()) d.route.push_back(gpxPunkt(id, *k));
    }
    d.strName = routenName(d.route);
    d.datErstellt = QDateTime::currentDateTimeUtc();
    if (datStart.isValid() && !d.route.empty()) {
        d.datStart = ZuUtc(datStart, tz);
        d.route.front().datZeit = d.datStart;
        if (dblMarschV > 0) d.dblMarschV = dblMarschV;
    }
    return d;
}

Datei ZeitplanRoute(const std::vector<typRouteOptimiert>& audtRoute, const QDateTime& datStart, double dblMarschV,
                    const QTimeZone& tz) {
    Datei d;
    std::vector<std::int32_t> ids;
    for (const typRouteOptimiert& r : audtRoute)
        if (r.blnPunktRouteGrob || istObjekt(r.strTypID)) ids.push_back(r.lngPunkteID);
    const QHash<std::int32_t, KatalogPunkt> katalog = lesePunkte(ids);
    for (const typRouteOptimiert& r : audtRoute) {
        const bool objekt = istObjekt(r.strTypID);
        if (!r.blnPunktRouteGrob && !objekt) continue;
        std::optional<KatalogPunkt> k;
        if (katalog.contains(r.lngPunkteID)) k = katalog.value(r.lngPunkteID);
        else {
            // A point gone from the catalogue keeps what the route row knows.
            k.emplace();
            k->strTypID = r.strTypID;
            k->strTypBez = r.strTypBez;
            k->strBinnen = r.strBinnen;
            if (r.dblDokuKM >= 0) k->dblDokuKM = r.dblDokuKM;
        }
        k->dblLg = r.dblLgDez;
        k->dblBg = r.dblBgDez;
        Punkt p = gpxPunkt(r.lngPunkteID, *k);
        p.datZeit = ZuUtc(r.datZeitAn, tz);
        p.datZeitAb = ZuUtc(r.datZeitAb, tz);
        if (r.strTypID == QLatin1String("S") || r.dblWartezeit > 0) p.dblWartezeit = r.dblWartezeit;
        if (r.dblDurchgangszeit > 0) p.dblDurchgangszeit = r.dblDurchgangszeit;
        if (objekt) {
            Punkt w = p;
            // Readers that ignore our extension still show the times, and at a lock the wait.
            w.strBeschreibung += QStringLiteral(", ") + text(9605).arg(lokal(r.datZeitAn), lokal(r.datZeitAb));
            if (p.dblWartezeit)
                w.strBeschreibung += QStringLiteral(", ") +
                                     text(9603).arg(FormatNumber(r.dblWartezeit, QStringLiteral("0.0")));
            d.wegpunkte.push_back(std::move(w));
        }
        if (r.blnPunktRouteGrob) d.route.push_back(std::move(p));
    }
    d.strName = routenName(d.route);
    d.datErstellt = QDateTime::currentDateTimeUtc();
    if (datStart.isValid()) d.datStart = ZuUtc(datStart, tz);
    if (dblMarschV > 0) d.dblMarschV = dblMarschV;
    return d;
}

Datei ExportRoute(const std::vector<typRouteOptimiert>& audtZeitplan, const QDateTime& datZeitplanStart,
                  const std::vector<std::int32_t>& alngGeplant, const QDateTime& datStart, double dblMarschV) {
    const QTimeZone tz = KatalogZeitzone();
    if (!audtZeitplan.empty()) return ZeitplanRoute(audtZeitplan, datZeitplanStart, dblMarschV, tz);
    return GeplanteRoute(alngGeplant, datStart, dblMarschV, tz);
}

std::int32_t Import::AnzahlZugeordnet() const {
    std::int32_t n = 0;
    for (const ImportPunkt& p : punkte)
        if (p.lngPunkteID > 0) ++n;
    return n;
}

Import OrdneZu(const Datei& datei, const QTimeZone& tz, double dblFangbereich, const Fortschritt& fortschritt) {
    Import imp;
    imp.dblFangbereich = dblFangbereich;
    const std::vector<Punkt>* quelle = &datei.route;
    imp.quelle = Quelle::Route;
    if (quelle->empty()) {
        quelle = datei.track.empty() ? &datei.wegpunkte : &datei.track;
        imp.quelle = datei.track.empty() ? Quelle::Wegpunkte : Quelle::Track;
    }
    const auto gesamt = static_cast<std::int32_t>(quelle->size());
    const auto eigen = [](const Punkt& p) { return !p.strExterneID.isEmpty() && p.dblStrecke.has_value(); };
    std::vector<std::int32_t> genannt;
    for (const Punkt& p : *quelle)
        if (eigen(p)) genannt.push_back(p.lngPunkteID);
    const QHash<std::int32_t, Identitaet> bekannt = leseIdentitaeten(genannt);
    std::vector<std::int32_t> ids;
    for (std::int32_t i = 0; i < gesamt; ++i) {
        const Punkt& p = (*quelle)[static_cast<size_t>(i)];
        ImportPunkt ip;
        ip.lngNr = i + 1;
        ip.punkt = p;
        // Our own file: the identity finds the point again, also at a junction where the points of two
        // waterways share one position.
        if (eigen(p)) {
            ip.lngPunkteID = findeIdentitaet(p, ip.lngNr, bekannt);
            ip.blnIdentitaet = ip.lngPunkteID > 0;
        }
        if (ip.lngPunkteID < 1) {
            std::int32_t binnenID = 0, id = -1;
            QString binnen;
            double lg = 0, bg = 0, entfernung = 0, km = 0, vmax = 0, tiefe = 0;
            if (dblFangbereich > 0 && GetNaechsterPunkt(p.dblLg, p.dblBg, dblFangbereich, binnenID, binnen, id, lg, bg,
                                                        entfernung, km, vmax, tiefe)) {
                ip.lngPunkteID = id;
                ip.dblEntfernung = entfernung;
                ip.strBinnen = binnen;
            }
        }
        if (ip.lngPunkteID > 0) {
            if (!ids.empty() && ids.back() == ip.lngPunkteID) ++imp.lngZusammengefasst;
            else ids.push_back(ip.lngPunkteID);
        }
        imp.punkte.push_back(std::move(ip));
        if (fortschritt && !fortschritt(i + 1, gesamt)) {
            imp.blnAbgebrochen = true;
            break;
        }
    }
    // The waterway of each point found by its identity; those the search found are read at once.
    std::vector<std::int32_t> gesucht;
    for (const ImportPunkt& ip : imp.punkte)
        if (ip.blnIdentitaet && !bekannt.contains(ip.lngPunkteID)) gesucht.push_back(ip.lngPunkteID);
    QHash<std::int32_t, Identitaet> binnen = bekannt;
    binnen.insert(leseIdentitaeten(gesucht));
    for (ImportPunkt& ip : imp.punkte)
        if (ip.blnIdentitaet) ip.strBinnen = binnen.value(ip.lngPunkteID).strBinnen;
    imp.alngPunkteID = ids.empty() ? std::vector<std::int32_t>{0} : ids;
    const QDateTime start = datei.datStart.isValid()
                                ? datei.datStart
                                : (quelle->empty() ? QDateTime() : quelle->front().datZeit);
    if (start.isValid()) imp.datStart = ZuLokal(start, tz);
    imp.dblMarschV = datei.dblMarschV.value_or(0.0);
    return imp;
}

QString FehlerText(const LeseErgebnis& erg, const QString& strPfad) {
    const QString datei = QFileInfo(strPfad).fileName().isEmpty() ? strPfad : QFileInfo(strPfad).fileName();
    const QString zeile = QString::number(erg.lngZeile);
    switch (erg.fehler) {
    case Fehler::Keiner:
        return QString();
    case Fehler::NichtLesbar:
        return text(9610).arg(datei, erg.strDetail);
    case Fehler::ZuGross:
        return text(9611).arg(datei, erg.strDetail);
    case Fehler::KeinXml:
        return text(9612).arg(datei, zeile, erg.strDetail);
    case Fehler::Abgeschnitten:
        return text(9613).arg(datei, zeile);
    case Fehler::KeinGpx:
        return text(9614).arg(datei, erg.strDetail);
    case Fehler::Gpx10:
        return text(9615).arg(datei);
    case Fehler::FalscherNamensraum:
        return erg.strDetail.isEmpty() ? text(9624).arg(datei, kNamespaceGpx) : text(9616).arg(datei, erg.strDetail);
    case Fehler::Dtd:
        return text(9617).arg(datei, zeile);
    case Fehler::KoordinateFehlt:
        return text(9618).arg(datei, zeile, erg.strDetail);
    case Fehler::KoordinateUngueltig:
        return text(9619).arg(datei, zeile, erg.strDetail);
    case Fehler::ZuVielePunkte:
        return text(9620).arg(datei, erg.strDetail);
    case Fehler::KeinePunkte:
        return text(9621).arg(datei);
    }
    return QString();
}

QString SchreibFehlerText(const QString& strPfad, const QString& strGrund) {
    return text(9625).arg(strPfad, strGrund);
}

QString ImportBericht(const Import& imp, const QString& strPfad) {
    const QString fang = QLocale().toString(imp.dblFangbereich, 'g', QLocale::FloatingPointShortest);
    if (imp.LeerGeblieben()) return text(9638).arg(QFileInfo(strPfad).fileName(), fang);
    const std::int32_t quelleText = imp.quelle == Quelle::Route ? 9631 : imp.quelle == Quelle::Track ? 9632 : 9633;
    QString s = FuelleText(text(9630), {QFileInfo(strPfad).fileName(), text(quelleText),
                                        QString::number(imp.AnzahlZugeordnet()), QString::number(imp.punkte.size())});
    QStringList fehlend;
    for (const ImportPunkt& p : imp.punkte) {
        if (p.lngPunkteID > 0) continue;
        fehlend << text(9635).arg(QString::number(p.lngNr), p.punkt.strName, FormatBg(p.punkt.dblBg).simplified(),
                                  FormatLg(p.punkt.dblLg).simplified());
    }
    // A long list is cut so that the question stays on the screen.
    constexpr int kZeilen = 15;
    if (!fehlend.isEmpty()) {
        s += QStringLiteral("\n\n") + text(9634).arg(fang);
        for (int i = 0; i < std::min<int>(kZeilen, fehlend.size()); ++i) s += QLatin1Char('\n') + fehlend[i];
        if (fehlend.size() > kZeilen) s += QLatin1Char('\n') + text(9639).arg(fehlend.size() - kZeilen);
    }
    if (imp.lngZusammengefasst > 0) s += QStringLiteral("\n\n") + text(9636).arg(imp.lngZusammengefasst);
    s += QStringLiteral("\n\n") + text(9637).arg(imp.alngPunkteID.size());
    return s;
}

} // namespace olm3::gpx
