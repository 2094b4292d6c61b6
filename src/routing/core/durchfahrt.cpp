#include "routing/core/durchfahrt.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "data/texttable.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

namespace olm3 {

namespace {
constexpr double kToleranz = 0.0005; // half a millimetre: catalogue values have centimetres at most
constexpr auto kTiefe = static_cast<std::size_t>(Mass::Tiefgang);

/// A limit column: Null, text or a negative value is unknown (0).
double Grenze(const ADODB::Field& f) {
    if (f.IsNull()) return 0.0;
    bool ok = false;
    const double v = f.Value.toDouble(&ok);
    return ok && std::isfinite(v) && v > 0 ? v : 0.0;
}

std::int32_t Ganzzahl(const ADODB::Field& f) {
    bool ok = false;
    const qlonglong v = f.IsNull() ? 0 : f.Value.toLongLong(&ok);
    return ok && v >= INT32_MIN && v <= INT32_MAX ? static_cast<std::int32_t>(v) : 0;
}

double Zahl(const ADODB::Field& f, double standard) {
    bool ok = false;
    const double v = f.IsNull() ? standard : f.Value.toDouble(&ok);
    return ok && std::isfinite(v) ? v : standard;
}

QString Und(const QString& strBedingung) {
    return strBedingung.isEmpty() ? QString() : QStringLiteral(" AND (") + strBedingung + QLatin1Char(')');
}

/// One statement's rows through the component's record-set layer.
bool Lesen(const ADODB::ConnectionPtr& con, const QString& sql, ADODB::RecordsetPtr& rs) {
    if (!con || !con->IsOpen()) return false;
    return modOLM3Binnen::ADO_Open_RecordsetExt(con, rs, sql, true);
}

/// Whether one of a waterway's objects explains its minimum: some object reaches a known minimum, or,
/// when the minimum is unknown or unlimited, some object has a value at all. The statement stops at the
/// first such object.
QString Erklaert(const QString& strVon, const QString& strWert, const QString& strMinimum) {
    return QStringLiteral("EXISTS (SELECT 1 FROM %1 AND %2 > 0 AND (coalesce(b.%3, 0) <= 0 OR b.%3 >= 1000 OR "
                          "%2 <= b.%3 + 0.0005))")
        .arg(strVon, strWert, strMinimum);
}

/// A fairway limit: the waterway's minimum, unless one of its objects explains it (below 0).
double Fahrrinne(double dblMin, bool blnErklaert) { return blnErklaert ? -1.0 : dblMin; }
} // namespace

double BootMass(const BootProfil& p, Mass m) {
    switch (m) {
    case Mass::Laenge: return p.dblLaenge;
    case Mass::Breite: return p.dblBreite;
    case Mass::Hoehe: return p.dblHoehe;
    case Mass::Tiefgang: break;
    }
    return p.dblTiefgang;
}

bool Passt(double dblGrenze, double dblBoot, double dblSicherheit) {
    return dblBoot + dblSicherheit <= dblGrenze + kToleranz;
}

std::vector<Durchfahrtsbefund> Bewerte(const Hindernis& h, const BootProfil& p) {
    std::vector<Durchfahrtsbefund> befunde;
    for (int i = 0; i < kMasse; ++i) {
        const auto m = static_cast<Mass>(i);
        const double grenze = h.adblGrenze[static_cast<std::size_t>(i)];
        const double boot = BootMass(p, m);
        if (boot <= 0 || grenze < 0 || grenze >= kUnbegrenzt) continue;
        const bool unbekannt = grenze == 0;
        if (!unbekannt && Passt(grenze, boot, p.dblSicherheit)) continue;
        Durchfahrtsbefund b;
        b.lngPunkteID = h.lngPunkteID;
        b.lngBinnenID = h.lngBinnenID;
        b.strTypID = h.strTypID;
        b.strBezeichnung = h.strBezeichnung;
        b.dblStrecke = h.strTypID == QLatin1String("G") ? -1.0 : h.dblVon;
        b.mass = m;
        b.art = unbekannt ? Befundart::Unbekannt : Befundart::PasstNicht;
        b.dblGrenze = grenze;
        b.dblBoot = boot;
        b.dblSicherheit = p.dblSicherheit;
        befunde.push_back(b);
    }
    return befunde;
}

bool Sperrt(const Hindernis& h, const BootProfil& p) {
    for (int i = 0; i < kMasse; ++i) {
        const double grenze = h.adblGrenze[static_cast<std::size_t>(i)];
        const double boot = BootMass(p, static_cast<Mass>(i));
        if (boot > 0 && grenze > 0 && grenze < kUnbegrenzt && !Passt(grenze, boot, p.dblSicherheit)) return true;
    }
    return false;
}

QString ZuKlein(const QString& strSpalte, double dblBoot, double dblSicherheit) {
    if (dblBoot <= 0) return QStringLiteral("0");
    // Text in a number column compares above every number in SQLite, so it never counts as too small;
    // the reader takes such a value as unknown as well.
    return QStringLiteral("(%1 > 0 AND %1 < %2 AND %1 < %3)")
        .arg(strSpalte)
        .arg(kUnbegrenzt, 0, 'g', 17)
        .arg(dblBoot + dblSicherheit + kToleranz, 0, 'g', 17);
}

bool LeseBauwerke(const ADODB::ConnectionPtr& con, const QString& strBedingung, std::vector<Hindernis>& liste,
                  const BootProfil* nurFuer) {
    const QString und = Und(strBedingung);
    QString bruecke, schleuse;
    if (nurFuer) {
        // Only what stops this boat is joined to its point: the detail tables are small, the points not.
        const double m = nurFuer->dblSicherheit;
        bruecke = QStringLiteral(" AND (%1 OR %2)")
                      .arg(ZuKlein(QStringLiteral("x.DurchfHoehe"), nurFuer->dblHoehe, m),
                           ZuKlein(QStringLiteral("x.DurchBreite"), nurFuer->dblBreite, m));
        schleuse = QStringLiteral(" AND (%1 OR %2)")
                       .arg(ZuKlein(QStringLiteral("x.Laenge"), nurFuer->dblLaenge, m),
                            ZuKlein(QStringLiteral("x.Breite"), nurFuer->dblBreite, m));
    }
    // For one boat the few objects that stop it lead, and only their points are looked up: left to
    // itself, SQLite walks every point in the order asked for and looks for an object at each.
    const QString verbunden = nurFuer ? QStringLiteral(" CROSS JOIN ") : QStringLiteral(" JOIN ");
    const QString sql =
        QStringLiteral("SELECT p.PunkteID, p.BinnenID, p.Strecke, 'B', x.Bezeichnung, -1, x.DurchBreite, "
                       "x.DurchfHoehe FROM Bruecken x") +
        verbunden + QStringLiteral("Punkte p ON p.PunkteID = x.PunkteID WHERE x.Aktiv <> 0") + bruecke + und +
        QStringLiteral(" UNION ALL SELECT p.PunkteID, p.BinnenID, p.Strecke, 'S', x.Bezeichnung, x.Laenge, "
                       "x.Breite, -1 FROM Schleusen x") +
        verbunden + QStringLiteral("Punkte p ON p.PunkteID = x.PunkteID WHERE x.Aktiv <> 0") + schleuse + und +
        QStringLiteral(" ORDER BY 2, 3, 1");
    ADODB::RecordsetPtr rs;
    if (!Lesen(con, sql, rs)) return false;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        Hindernis h;
        h.lngPunkteID = Ganzzahl(rs->Fields(0));
        h.lngBinnenID = Ganzzahl(rs->Fields(1));
        h.dblVon = h.dblBis = Zahl(rs->Fields(2), 0.0);
        h.strTypID = rs->Fields(3).Value.toString();
        h.strBezeichnung = rs->Fields(4).Value.toString();
        const bool schleuse = h.strTypID == QLatin1String("S");
        h.adblGrenze[static_cast<std::size_t>(Mass::Laenge)] = schleuse ? Grenze(rs->Fields(5)) : -1.0;
        h.adblGrenze[static_cast<std::size_t>(Mass::Breite)] = Grenze(rs->Fields(6));
        h.adblGrenze[static_cast<std::size_t>(Mass::Hoehe)] = schleuse ? -1.0 : Grenze(rs->Fields(7));
        liste.push_back(h);
    }
    modOLM3Binnen::ADO_Close_Recordset(rs, true);
    return true;
}

bool LeseFahrrinnen(const ADODB::ConnectionPtr& con, const QString& strBedingung,
                    std::unordered_map<std::int32_t, Hindernis>& fahrrinnen, const BootProfil* nurFuer) {
    const QString bruecken = QStringLiteral("Bruecken x JOIN Punkte q ON q.PunkteID = x.PunkteID WHERE q.BinnenID = "
                                            "b.BinnenID AND x.Aktiv <> 0");
    const QString schleusen = QStringLiteral("Schleusen x JOIN Punkte q ON q.PunkteID = x.PunkteID WHERE "
                                             "q.BinnenID = b.BinnenID AND x.Aktiv <> 0");
    // For one boat, whose minimum explains the fairway matters only where that minimum is too small for
    // it: elsewhere the fairway cannot stop it either way, and the look through the objects is left out.
    const auto nurWo = [nurFuer](const QString& strMinimum, double dblBoot, const QString& strErklaert) {
        if (!nurFuer) return strErklaert;
        return QStringLiteral("CASE WHEN %1 THEN (%2) ELSE 1 END")
            .arg(ZuKlein(QStringLiteral("b.") + strMinimum, dblBoot, nurFuer->dblSicherheit), strErklaert);
    };
    const double breite = nurFuer ? nurFuer->dblBreite : 0, hoehe = nurFuer ? nurFuer->dblHoehe : 0,
                 tiefgang = nurFuer ? nurFuer->dblTiefgang : 0;
    const QString sql =
        QStringLiteral("SELECT b.BinnenID, b.Bezeichnung, b.MinBreite, b.MinHoehe, b.MinTiefe, ") +
        nurWo(QStringLiteral("MinBreite"), breite,
              Erklaert(bruecken, QStringLiteral("x.DurchBreite"), QStringLiteral("MinBreite")) + QStringLiteral(" OR ") +
                  Erklaert(schleusen, QStringLiteral("x.Breite"), QStringLiteral("MinBreite"))) +
        QStringLiteral(", ") +
        nurWo(QStringLiteral("MinHoehe"), hoehe,
              Erklaert(bruecken, QStringLiteral("x.DurchfHoehe"), QStringLiteral("MinHoehe"))) +
        QStringLiteral(", ") +
        nurWo(QStringLiteral("MinTiefe"), tiefgang,
              Erklaert(QStringLiteral("Punkte q WHERE q.BinnenID = b.BinnenID"), QStringLiteral("q.Tauchtiefe"),
                       QStringLiteral("MinTiefe"))) +
        QStringLiteral(" FROM Binnen b WHERE b.Aktiv <> 0") + Und(strBedingung);
    ADODB::RecordsetPtr rs;
    if (!Lesen(con, sql, rs)) return false;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        Hindernis h;
        h.lngBinnenID = Ganzzahl(rs->Fields(0));
        h.strTypID = QStringLiteral("G");
        h.strBezeichnung = rs->Fields(1).Value.toString();
        h.dblVon = -1e300;
        h.dblBis = 1e300;
        const auto ja = [&](int i) { return Zahl(rs->Fields(i), 0.0) != 0.0; };
        for (const auto& [mass, spalte] : {std::pair{Mass::Breite, 2}, {Mass::Hoehe, 3}, {Mass::Tiefgang, 4}}) {
            const auto m = static_cast<std::size_t>(mass);
            h.adblMinimum[m] = Grenze(rs->Fields(spalte));
            h.adblGrenze[m] = Fahrrinne(h.adblMinimum[m], ja(spalte + 3));
        }
        fahrrinnen[h.lngBinnenID] = h;
    }
    modOLM3Binnen::ADO_Close_Recordset(rs, true);
    return true;
}

bool PruefeDurchfahrt(const ADODB::ConnectionPtr& con, std::span<const typRouteOptimiert> audtRoute,
                      const BootProfil& p, std::vector<Durchfahrtsbefund>& befunde) {
    befunde.clear();
    if (!p.IstGesetzt() || audtRoute.empty()) return true;

    // Where each point of the route lies: its waterway and chainage.
    std::unordered_map<std::int32_t, std::pair<std::int32_t, double>> lage;
    QString liste;
    for (const typRouteOptimiert& r : audtRoute) {
        if (r.lngPunkteID <= 0) continue;
        if (!liste.isEmpty()) liste += QLatin1Char(',');
        liste += QString::number(r.lngPunkteID);
    }
    if (liste.isEmpty()) return true;
    ADODB::RecordsetPtr rs;
    if (!Lesen(con, QStringLiteral("SELECT PunkteID, BinnenID, Strecke FROM Punkte WHERE PunkteID IN (%1)").arg(liste), rs))
        return false;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        lage[Ganzzahl(rs->Fields(0))] = {Ganzzahl(rs->Fields(1)), Zahl(rs->Fields(2), 0.0)};
    modOLM3Binnen::ADO_Close_Recordset(rs, true);

    // The route as runs along one waterway each, in travel order.
    struct Lauf {
        std::int32_t binnen;
        double anfang, ende;
    };
    std::vector<Lauf> laeufe;
    for (const typRouteOptimiert& r : audtRoute) {
        const auto it = lage.find(r.lngPunkteID);
        if (it == lage.end()) continue;
        const auto [binnen, strecke] = it->second;
        if (!laeufe.empty() && laeufe.back().binnen == binnen) laeufe.back().ende = strecke;
        else laeufe.push_back({binnen, strecke, strecke});
    }

    QString binnenListe;
    for (const Lauf& l : laeufe)
        binnenListe += (binnenListe.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(l.binnen);
    std::unordered_map<std::int32_t, Hindernis> fahrrinnen;
    if (!LeseFahrrinnen(con, QStringLiteral("b.BinnenID IN (%1)").arg(binnenListe), fahrrinnen)) return false;

    std::set<std::tuple<std::int32_t, std::int32_t, QString, int>> gemeldet;
    auto melde = [&](const Hindernis& h) {
        for (const Durchfahrtsbefund& b : Bewerte(h, p))
            if (gemeldet.emplace(b.lngPunkteID, b.lngBinnenID, b.strTypID, static_cast<int>(b.mass)).second)
                befunde.push_back(b);
    };
    const double schwelle = p.dblTiefgang > 0 ? p.dblTiefgang + p.dblSicherheit - kToleranz : -1.0;
    for (const Lauf& l : laeufe) {
        // Points without a draught limit matter only where the waterway's minimum comes from its points;
        // a fairway limit, known or not, speaks for them otherwise.
        bool tiefeDerPunkte = false, tiefeReicht = false;
        if (const auto f = fahrrinnen.find(l.binnen); f != fahrrinnen.end()) {
            melde(f->second);
            tiefeDerPunkte = f->second.adblGrenze[kTiefe] < 0;
            // Where even the waterway's shallowest point takes the boat, no point needs to be looked at.
            const double minimum = f->second.adblMinimum[kTiefe];
            tiefeReicht = minimum > 0 && Passt(minimum, p.dblTiefgang, p.dblSicherheit);
        }
        const double von = std::min(l.anfang, l.ende), bis = std::max(l.anfang, l.ende);
        const QString bereich = QStringLiteral("p.BinnenID = %1 AND p.Strecke BETWEEN %2 AND %3")
                                    .arg(l.binnen)
                                    .arg(von, 0, 'g', 17)
                                    .arg(bis, 0, 'g', 17);
        std::vector<Hindernis> orte;
        if (!LeseBauwerke(con, bereich, orte)) return false;
        if (p.dblTiefgang > 0 && !tiefeReicht) {
            // The shallowest point of the run that the boat does not fit, and the first without a limit.
            const QString sql = QStringLiteral("SELECT p.PunkteID, p.Strecke, p.Tauchtiefe FROM Punkte p WHERE ") +
                                bereich +
                                QStringLiteral(" AND (p.Tauchtiefe IS NULL OR p.Tauchtiefe <= 0 OR p.Tauchtiefe < %1)"
                                               " ORDER BY p.Strecke")
                                    .arg(schwelle, 0, 'g', 17);
            if (!Lesen(con, sql, rs)) return false;
            Hindernis flach, ohne;
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
                const double t = Grenze(rs->Fields(2));
                Hindernis& h = t > 0 ? flach : ohne;
                const bool erster = h.lngPunkteID == 0 || (l.ende < l.anfang && t == 0);
                if (t > 0 ? (h.lngPunkteID == 0 || t < h.adblGrenze[kTiefe]) : erster) {
                    h.lngPunkteID = Ganzzahl(rs->Fields(0));
                    h.lngBinnenID = l.binnen;
                    h.dblVon = h.dblBis = Zahl(rs->Fields(1), 0.0);
                    h.adblGrenze[kTiefe] = t;
                }
            }
            modOLM3Binnen::ADO_Close_Recordset(rs, true);
            if (flach.lngPunkteID != 0) orte.push_back(flach);
            if (ohne.lngPunkteID != 0 && tiefeDerPunkte) orte.push_back(ohne);
            std::stable_sort(orte.begin(), orte.end(),
                             [](const Hindernis& a, const Hindernis& b) { return a.dblVon < b.dblVon; });
        }
        if (l.ende < l.anfang) std::reverse(orte.begin(), orte.end());
        for (const Hindernis& h : orte)
            melde(h);
    }
    return true;
}

Durchfahrtssumme Zaehle(const std::vector<Durchfahrtsbefund>& befunde) {
    Durchfahrtssumme s;
    for (const Durchfahrtsbefund& b : befunde)
        (b.art == Befundart::PasstNicht ? s.intPasstNicht : s.intUnbekannt)++;
    return s;
}

QString BefundText(const Durchfahrtsbefund& b, const TextQuelle& text) {
    const auto m = [](double v) { return modOLM3Binnen::FormatNumber(v, QStringLiteral("0.00")); };
    QString ort;
    if (b.strTypID == QLatin1String("G")) ort = text(9895).replace(QStringLiteral("%1"), b.strBezeichnung);
    else if (b.strBezeichnung.trimmed().isEmpty())
        ort = text(9894).replace(QStringLiteral("%1"), modOLM3Binnen::FormatNumber(b.dblStrecke, QStringLiteral("0.0")));
    else ort = b.strBezeichnung;
    const QString mass = text(9890 + static_cast<std::int32_t>(b.mass));
    if (b.art == Befundart::Unbekannt)
        return text(9897).arg(ort, mass, m(b.dblBoot + b.dblSicherheit));
    return text(9896).arg(ort, mass, m(b.dblGrenze), m(b.dblBoot + b.dblSicherheit), m(b.Fehlt()));
}

QString SummenText(const std::vector<Durchfahrtsbefund>& befunde, const BootProfil& p, const TextQuelle& text) {
    if (!p.IstGesetzt()) return QString();
    const Durchfahrtssumme s = Zaehle(befunde);
    const QString boot = p.strName.isEmpty() ? text(9888) : p.strName;
    if (s.intPasstNicht == 0 && s.intUnbekannt == 0) return text(9899).arg(boot);
    return FuelleText(text(9898), {boot, QString::number(s.intPasstNicht), QString::number(s.intUnbekannt)});
}

} // namespace olm3
