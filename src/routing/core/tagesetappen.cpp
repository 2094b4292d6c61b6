#include "routing/core/tagesetappen.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "data/texttable.h"
#include "routing/core/schleusenbz.h"

#include <QHash>
#include <QSet>
#include <QSettings>
#include <cmath>

using namespace modOLM3Binnen;

namespace olm3::routing {

namespace {

const QString kModul = QStringLiteral("Tagesetappen");
QString text(std::int32_t id) { return GetText(kModul, id); }

constexpr double kEps = 1e-9;
/// A closed lock may keep the boat for weeks, but the search of the next day to start never runs on for ever.
constexpr int kMaxTagesSuche = 400;

QDateTime addMinutes(const QDateTime& dat, double hours) {
    return dat.addSecs(60 * static_cast<qint64>(std::llround(hours * 60.0)));
}

QTime leseUhrzeit(const QString& s) {
    const QString t = s.trimmed();
    QTime z = QTime::fromString(t, QStringLiteral("H:mm"));
    if (!z.isValid()) z = QTime::fromString(t, QStringLiteral("HH:mm"));
    return z;
}

bool leseStunden(const QString& s, double& v) {
    bool ok = false;
    QString t = s.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    v = t.toDouble(&ok);
    return ok && std::isfinite(v) && v >= 0 && v <= 24;
}

/// The travel time of the step that leads to row i: what its cumulative duration adds beyond the wait and
/// the passage at the row itself.
double fahrzeit(std::span<const typRouteOptimiert> rows, size_t i) {
    const double vorher = i > 0 ? rows[i - 1].dblDauer : 0.0;
    return std::max(0.0, rows[i].dblDauer - vorher - rows[i].dblWartezeit - rows[i].dblDurchgangszeit);
}

bool istSchleuse(const typRouteOptimiert& r) { return r.strTypID == QLatin1String("S") && r.lngDetailsRecordsetID > 0; }
/// Runs a statement of two columns (an id and a text) and hands each row over.
template <typename F> void jedeZeile(const QString& sql, F f) {
    if (!conBinnenDatabase) return;
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_RecordsetExt(conBinnenDatabase, rs, sql, true)) return;
    for (; !rs->Eof(); rs->MoveNext()) f(CLng(ADO_Field_Str(rs->Fields(0))), ADO_Field_Str(rs->Fields(1)).trimmed());
    ADO_Close_Recordset(rs, true);
}

QString idListe(const std::vector<std::int32_t>& ids) {
    QStringList l;
    for (const std::int32_t id : ids) l << QString::number(id);
    return l.join(QLatin1Char(','));
}

/// Whether the boat may stay the night at each row: a harbour, or a berth unless the catalogue marks it as
/// not for pleasure craft. One statement for all the route's berths.
std::vector<bool> liegeplaetze(std::span<const typRouteOptimiert> rows) {
    std::vector<bool> v(rows.size());
    std::vector<std::int32_t> berths;
    for (size_t i = 0; i < rows.size(); ++i) {
        v[i] = rows[i].strTypID == QLatin1String("H") || rows[i].strTypID == QLatin1String("L");
        if (rows[i].strTypID == QLatin1String("L") && rows[i].lngDetailsRecordsetID > 0)
            berths.push_back(rows[i].lngDetailsRecordsetID);
    }
    if (berths.empty()) return v;
    QSet<std::int32_t> nichtFuerSportboote;
    jedeZeile(QStringLiteral("SELECT LiegestellenID, Sportboote FROM Liegestellen WHERE LiegestellenID IN (") +
                  idListe(berths) + QStringLiteral(")"),
              [&](std::int32_t id, const QString& s) {
                  if (!s.isEmpty() && !CBool(s)) nichtFuerSportboote.insert(id);
              });
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].strTypID == QLatin1String("L") && nichtFuerSportboote.contains(rows[i].lngDetailsRecordsetID))
            v[i] = false;
    return v;
}

/// The wait at a lock for a boat arriving at datAn; 0 for any other row. The morning's look ahead and the
/// day's walk ask for the same arrival: the answer is kept.
class Schleusenwarten {
public:
    double operator()(const typRouteOptimiert& r, const QDateTime& datAn) {
        if (!istSchleuse(r)) return 0.0;
        if (r.lngDetailsRecordsetID == m_id && datAn == m_an) return m_warten;
        double w = 0;
        QString nb, sr;
        GetSchleusenBZ(r.lngDetailsRecordsetID, datAn, w, nb, sr);
        m_id = r.lngDetailsRecordsetID;
        m_an = datAn;
        m_warten = w;
        return w;
    }

private:
    std::int32_t m_id = 0;
    QDateTime m_an;
    double m_warten = 0;
};

/// The places' names: the object's name, or the type's name when the object has none; a junction with
/// the waterway it leads to. One statement for all the places asked for.
std::vector<QString> ortNamen(std::span<const typRouteOptimiert> rows, const std::vector<std::int32_t>& zeilen) {
    std::vector<std::int32_t> punkte;
    for (const std::int32_t z : zeilen)
        if (rows[static_cast<size_t>(z)].lngDetailsRecordsetID > 0) punkte.push_back(rows[static_cast<size_t>(z)].lngPunkteID);
    QHash<std::int32_t, QString> namen;
    if (!punkte.empty())
        jedeZeile(QStringLiteral("SELECT PunkteID, DetailsBezeichnung FROM V_ROUTE_DETAILLIERT WHERE PunkteID IN (") +
                      idListe(punkte) + QStringLiteral(")"),
                  [&](std::int32_t id, const QString& name) {
                      if (!name.isEmpty()) namen.insert(id, name);
                  });
    std::vector<QString> v;
    for (const std::int32_t z : zeilen) {
        const typRouteOptimiert& r = rows[static_cast<size_t>(z)];
        if (r.lngDetailsRecordsetID > 0 && namen.contains(r.lngPunkteID)) v.push_back(namen.value(r.lngPunkteID));
        else if (r.strTypID == QLatin1String("A") && !r.strBezeichnung.trimmed().isEmpty())
            v.push_back(r.strTypBez + QStringLiteral(" ") + r.strBezeichnung.trimmed());
        else v.push_back(r.strTypBez);
    }
    return v;
}

/// Where the walk of one day stands after a row.
struct Stand {
    size_t zeile = 0;
    double dauer = 0;       ///< h since the day's departure, at leaving the row
    double fahrt = 0;       ///< h of travel and passage
    double wartezeit = 0;
    std::int32_t schleusen = 0;
};

QDateTime morgen(const QDate& tag, const Fahrtag& f) { return MakeDatum(tag, f.tmBeginn); }
QDateTime abend(const QDate& tag, const Fahrtag& f) { return MakeDatum(tag, f.tmEnde); }

} // namespace

QString PruefeFahrtag(const QString& strBeginn, const QString& strEnde, bool blnWarteGrenze,
                      const QString& strWarteGrenze, Fahrtag& fahrtag) {
    const QTime beginn = leseUhrzeit(strBeginn);
    if (!beginn.isValid()) return text(9952).replace(QStringLiteral("%1"), strBeginn);
    const QTime ende = leseUhrzeit(strEnde);
    if (!ende.isValid()) return text(9953).replace(QStringLiteral("%1"), strEnde);
    if (ende <= beginn)
        return FuelleText(text(9954),
                          {beginn.toString(QStringLiteral("HH:mm")), ende.toString(QStringLiteral("HH:mm"))});
    // The limit is kept while it is switched off, but only a limit in use must be readable.
    double grenze = fahrtag.dblWarteGrenze;
    if (!leseStunden(strWarteGrenze, grenze)) {
        if (blnWarteGrenze) return text(9955).replace(QStringLiteral("%1"), strWarteGrenze);
        grenze = fahrtag.dblWarteGrenze;
    }
    fahrtag.tmBeginn = beginn;
    fahrtag.tmEnde = ende;
    fahrtag.blnWarteGrenze = blnWarteGrenze;
    fahrtag.dblWarteGrenze = grenze;
    return {};
}

Fahrtag LeseFahrtag(const QString& strIniDatei, QString* strMeldung) {
    Fahrtag f;
    if (strIniDatei.isEmpty()) return f;
    QSettings ini(strIniDatei, QSettings::IniFormat);
    ini.beginGroup(kFahrtagAbschnitt);
    const Fahrtag vorgabe;
    const QString meldung = PruefeFahrtag(
        ini.value(QStringLiteral("Beginn"), vorgabe.tmBeginn.toString(QStringLiteral("HH:mm"))).toString(),
        ini.value(QStringLiteral("Ende"), vorgabe.tmEnde.toString(QStringLiteral("HH:mm"))).toString(),
        ini.value(QStringLiteral("WarteGrenzeAn"), vorgabe.blnWarteGrenze).toBool(),
        ini.value(QStringLiteral("WarteGrenze"), QString::number(vorgabe.dblWarteGrenze)).toString(), f);
    if (!meldung.isEmpty() && strMeldung) *strMeldung = text(9982).replace(QStringLiteral("%1"), meldung);
    return f;
}

Fahrtag FahrtagDerEinstellungen() { return LeseFahrtag(objOLM3Cfg ? objOLM3Cfg->GetIniDatei() : QString()); }

bool SchreibeFahrtag(const QString& strIniDatei, const Fahrtag& fahrtag) {
    if (strIniDatei.isEmpty()) return false;
    // Key by key, so that the rest of the host's file stays as it is.
    const std::pair<const char*, QString> werte[] = {
        {"Beginn", fahrtag.tmBeginn.toString(QStringLiteral("HH:mm"))},
        {"Ende", fahrtag.tmEnde.toString(QStringLiteral("HH:mm"))},
        {"WarteGrenzeAn", fahrtag.blnWarteGrenze ? QStringLiteral("1") : QStringLiteral("0")},
        {"WarteGrenze", QString::number(fahrtag.dblWarteGrenze)},
    };
    for (const auto& [schluessel, wert] : werte)
        if (!WriteIniString(strIniDatei, kFahrtagAbschnitt, QLatin1String(schluessel), wert)) return false;
    return true;
}

std::vector<Tagesetappe> BerechneTagesetappen(std::span<const typRouteOptimiert> rows, const QDateTime& datStart,
                                              const Fahrtag& fahrtag) {
    std::vector<Tagesetappe> etappen;
    if (rows.size() < 2 || !datStart.isValid()) return etappen;
    const size_t letzte = rows.size() - 1;
    const std::vector<bool> liegeplatz = liegeplaetze(rows);
    Schleusenwarten warten;

    // The first day: the given start, or the next morning when the start lies at or after the day's end.
    QDate tag = datStart.date();
    QDateTime ab = datStart;
    bool morgens = false;
    if (datStart.time() >= fahrtag.tmEnde) {
        tag = tag.addDays(1);
        ab = morgen(tag, fahrtag);
        morgens = true;
    }
    size_t von = 0;
    // The wait at the start row itself (a route starting at a lock) counts on the first day.
    double startDauer = rows[0].dblWartezeit + rows[0].dblDurchgangszeit;

    while (von < letzte) {
        // Leave later when the first lock of the day would keep the boat waiting: arrive as it opens.
        // When it does not open in time today and there is no berth before it, the boat stays where it is
        // and the day moves to the day the lock opens.
        for (int suche = 0; suche < kMaxTagesSuche; ++suche) {
            double h = startDauer;
            bool liegeplatzDavor = false;
            size_t j = von + 1;
            for (; j <= letzte && !istSchleuse(rows[j]); ++j) {
                h += fahrzeit(rows, j) + rows[j].dblDurchgangszeit;
                liegeplatzDavor = liegeplatzDavor || liegeplatz[j];
            }
            if (j > letzte) break;
            const QDateTime an = addMinutes(ab, h + fahrzeit(rows, j));
            if (an > abend(tag, fahrtag)) break; // beyond today's reach: the walk ends the day before it
            const double w = warten(rows[j], an);
            if (w <= kEps) break;
            const QDateTime offen = addMinutes(an, w);
            if (offen <= abend(tag, fahrtag) && offen.date() == tag) {
                ab = addMinutes(ab, w);
                break;
            }
            if (liegeplatzDavor) break; // the walk ends the day at that berth
            tag = offen.date() > tag ? offen.date() : tag.addDays(1);
            ab = morgen(tag, fahrtag);
            morgens = true;
        }
        const QDateTime ende = abend(tag, fahrtag);

        Stand jetzt{von, startDauer, 0, 0, 0};
        Stand halt{von, 0, 0, 0, 0}, punkt{von, 0, 0, 0, 0};
        bool hatHalt = false, hatPunkt = false, ziel = false;
        std::int32_t sperrZeile = -1;
        QDateTime sperrOffen;
        for (size_t j = von + 1; j <= letzte; ++j) {
            const typRouteOptimiert& r = rows[j];
            const double fahrt = fahrzeit(rows, j);
            const QDateTime an = addMinutes(ab, jetzt.dauer + fahrt);
            // A morning that cannot even reach the next point still makes that step: the day must move on.
            const bool erzwungen = !hatPunkt && j == von + 1 && morgens;
            if (an > ende && !erzwungen) break;
            const double w = warten(r, an);
            if (istSchleuse(r) && hatPunkt) {
                const bool zuSpaet = addMinutes(an, w) > ende;
                const bool zuLang = fahrtag.blnWarteGrenze && w > fahrtag.dblWarteGrenze + kEps;
                if (zuSpaet || zuLang) {
                    sperrZeile = static_cast<std::int32_t>(j);
                    sperrOffen = addMinutes(an, w);
                    break;
                }
            }
            jetzt.zeile = j;
            jetzt.dauer += fahrt + w + r.dblDurchgangszeit;
            jetzt.fahrt += fahrt + r.dblDurchgangszeit;
            jetzt.wartezeit += w;
            if (istSchleuse(r)) ++jetzt.schleusen;
            const bool rechtzeitig = addMinutes(ab, jetzt.dauer) <= ende;
            if (j == letzte && (rechtzeitig || !hatPunkt)) {
                ziel = true;
                break;
            }
            if (!rechtzeitig && hatPunkt) break;
            punkt = jetzt;
            hatPunkt = true;
            if (liegeplatz[j] && rechtzeitig) {
                halt = jetzt;
                hatHalt = true;
            }
        }

        const Stand& bis = ziel ? jetzt : (hatHalt ? halt : punkt);
        Tagesetappe e;
        e.lngTag = static_cast<std::int32_t>(etappen.size()) + 1;
        e.lngZeileVon = static_cast<std::int32_t>(von);
        e.lngZeileBis = static_cast<std::int32_t>(bis.zeile);
        e.datAb = ab;
        e.datAn = addMinutes(ab, bis.dauer);
        e.dblStrecke = rows[bis.zeile].dblStrecke - rows[von].dblStrecke;
        e.dblFahrstunden = bis.fahrt;
        e.dblWartezeit = bis.wartezeit;
        e.lngSchleusen = bis.schleusen;
        e.blnZiel = ziel;
        e.blnOhneLiegeplatz = !ziel && !hatHalt;
        if (!ziel && sperrZeile >= 0) {
            e.lngSchleuseZeile = sperrZeile;
            e.datSchleuseOffen = sperrOffen;
        }
        if (bis.zeile == von) {
            // Not even the next point is within today's reach (a start late in the day): set off tomorrow.
            tag = tag.addDays(1);
            ab = morgen(tag, fahrtag);
            morgens = true;
            continue;
        }
        etappen.push_back(e);
        if (ziel) break;
        von = bis.zeile;
        startDauer = 0;
        tag = tag.addDays(1);
        ab = morgen(tag, fahrtag);
        morgens = true;
    }

    std::vector<std::int32_t> orte;
    for (const Tagesetappe& e : etappen) orte.insert(orte.end(), {e.lngZeileVon, e.lngZeileBis, std::max(0, e.lngSchleuseZeile)});
    const std::vector<QString> namen = ortNamen(rows, orte);
    for (size_t i = 0; i < etappen.size(); ++i) {
        etappen[i].strVon = namen[3 * i];
        etappen[i].strNach = namen[3 * i + 1];
        if (etappen[i].lngSchleuseZeile >= 0) etappen[i].strSchleuse = namen[3 * i + 2];
    }
    return etappen;
}

std::int32_t Reisetage(const std::vector<Tagesetappe>& etappen) {
    if (etappen.empty()) return 0;
    return static_cast<std::int32_t>(etappen.front().datAb.date().daysTo(etappen.back().datAn.date())) + 1;
}

QString EtappenHinweis(const Tagesetappe& e) {
    QStringList teile;
    if (e.blnOhneLiegeplatz) teile << text(9950);
    if (e.lngSchleuseZeile >= 0)
        teile << FuelleText(text(9951), {e.strSchleuse, FormatDatum(e.datSchleuseOffen, QStringLiteral("dd.mm.yyyy")),
                                         FormatDatum(e.datSchleuseOffen, QStringLiteral("hh:nn"))});
    return teile.join(QStringLiteral("; "));
}

} // namespace olm3::routing
