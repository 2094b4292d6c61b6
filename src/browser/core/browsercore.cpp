#include "browser/core/browsercore.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <QHash>
#include <QSet>
#include <algorithm>

using namespace modOLM3Binnen;

namespace olm3::browser {

namespace {

/// Closes a record set on every way out.
class Schliessen {
public:
    explicit Schliessen(ADODB::RecordsetPtr& rs) : m_rs(rs) {}
    ~Schliessen() { ADO_Close_Recordset(m_rs, true); }
    Schliessen(const Schliessen&) = delete;
    Schliessen& operator=(const Schliessen&) = delete;

private:
    ADODB::RecordsetPtr& m_rs;
};

QString feld(const ADODB::RecordsetPtr& rs, const char* name) {
    return ADO_Field_Str(rs->Fields(QLatin1String(name)));
}

/// The fields of a record set by name, looked up once for all its rows.
class Felder {
public:
    Felder(const ADODB::RecordsetPtr& rs, std::initializer_list<const char*> namen) : m_rs(rs) {
        for (const char* name : namen) {
            const int index = rs->FieldIndex(QLatin1String(name));
            if (index < 0)
                throw olm3::RuntimeError(
                    olm3::ErrNo::ItemNotFound,
                    QStringLiteral("Item cannot be found in the collection: %1").arg(QLatin1String(name)));
            m_index.push_back(index);
        }
    }
    QString Text(int k) const { return ADO_Field_Str(m_rs->Fields(m_index[static_cast<size_t>(k)])); }
    /// The field as a number; empty for Null and for a text that is no number.
    std::optional<double> Zahl(int k) const {
        const ADODB::Field f = m_rs->Fields(m_index[static_cast<size_t>(k)]);
        if (f.IsNull()) return std::nullopt;
        if (f.Value.typeId() != QMetaType::QString) {
            bool ok = false;
            const double v = f.Value.toDouble(&ok);
            if (ok) return v;
        }
        const QString s = ADO_Field_Str(f);
        if (!IsNumeric(s)) return std::nullopt;
        return CDbl(s);
    }

private:
    ADODB::RecordsetPtr m_rs;
    std::vector<int> m_index;
};

/// A range-checked measured value; empty without a number.
QString wert(const std::optional<double>& v) {
    return v ? FormatWert(*v, 0.0, 1000.0, QString()) : QString();
}

/// The measured values of a column, each distinct value written once: along a waterway the speed limit and
/// the depth mostly stay the same from point to point.
class Werte {
public:
    const QString& operator()(const std::optional<double>& v) {
        if (!m_gelesen || v != m_letzter) {
            m_letzter = v;
            m_text = wert(v);
            m_gelesen = true;
        }
        return m_text;
    }

private:
    bool m_gelesen = false;
    std::optional<double> m_letzter;
    QString m_text;
};

/// A range-checked measured value from a field text; a text without a number stays as it is.
QString wert(const QString& s) {
    return IsNumeric(s) ? FormatWert(CDbl(s), 0.0, 1000.0, QString()) : s;
}

QString zahl(const QString& s, const QString& fmt) {
    return IsNumeric(s) ? FormatNumber(CDbl(s), fmt) : s;
}

/// The documented kilometre of a row: "0.0", or "-----" without one.
QString kilometer(const std::optional<double>& v) {
    return v ? FormatNumber(*v, QStringLiteral("0.0")) : QStringLiteral("-----");
}

QString text(std::int32_t id) {
    return GetText(kModul, id);
}

} // namespace

// ---- object types and the type filter --------------------------------------------------------------

QString TypFilter(TypBoxen& ablnChecked) {
    QString filter;
    int anzahl = 0;
    const auto anhaengen = [&filter](const QString& tag) {
        filter += (filter.isEmpty() ? QStringLiteral("'") : QStringLiteral(", '")) + tag + QLatin1Char('\'');
    };
    for (int k = 0; k < kTypBoxen; ++k) {
        if (ablnChecked[k]) {
            ++anzahl;
            if (k == kWehrBox && anzahl != kTypBoxen) {
                ablnChecked[k] = false;
                continue;
            }
            anhaengen(kTypTags[k]);
        } else if (k == kWehrBox && anzahl == kTypBoxen - 1) {
            ablnChecked[k] = true;
            anhaengen(kTypTags[k]);
        }
    }
    return filter;
}

TypBoxen TypBoxenAusFilter(const QString& strTypFilter) {
    TypBoxen boxen{};
    for (int k = 0; k < kTypBoxen; ++k)
        boxen[k] = strTypFilter.contains(kTypTags[k]);
    return boxen;
}

bool TypSichtbar(const QString& strTypenID, const QString& strTypFilter) {
    if (strTypFilter.isEmpty()) return false;
    const QString typ = strTypenID.trimmed();
    return typ.isEmpty() || strTypFilter.contains(typ);
}

std::array<TypBoxText, kTypBoxen> TypBoxTexte(std::int32_t lngBinnenID) {
    std::array<TypBoxText, kTypBoxen> texte;
    for (int k = 0; k < kTypBoxen; ++k)
        texte[k].strText = text(801 + k);
    if (lngBinnenID < 0 || !IsKatalogOffen()) return texte;
    // The count field of each box; junctions have none.
    static const char* const felder[kTypBoxen] = {nullptr,           "AnzahlTankstellen",  "AnzahlHaefen",
                                                  "AnzahlSchleusen", "AnzahlLiegestellen", "AnzahlBruecken",
                                                  "AnzahlWehre"};
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_Recordset(conBinnenDatabase, rs, QStringLiteral("Binnen"), QStringLiteral("*"),
                            QStringLiteral("Aktiv=true and BinnenID=") + QString::number(lngBinnenID),
                            QString(), true))
        return texte;
    Schliessen schliessen(rs);
    if (rs->Eof()) return texte;
    try {
        for (int k = 0; k < kTypBoxen; ++k) {
            if (!felder[k]) continue;
            const QString s = feld(rs, felder[k]);
            texte[k].lngAnzahl = IsNumeric(s) ? CLng(s) : 0;
            texte[k].strText += QStringLiteral(" (") + QString::number(texte[k].lngAnzahl) + QLatin1Char(')');
        }
    } catch (const std::exception&) {
        for (int k = 0; k < kTypBoxen; ++k)
            texte[k] = TypBoxText{text(801 + k), -1};
    }
    return texte;
}

// ---- waterway list -----------------------------------------------------------------------------------

bool LadeGewaesser(std::vector<GewaesserZeile>& azeilen) {
    azeilen.clear();
    if (!IsKatalogOffen()) return false;
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_Recordset(conBinnenDatabase, rs, QStringLiteral("Binnen"), QStringLiteral("*"),
                            QStringLiteral("Aktiv=true"), QStringLiteral("Bezeichnung"), true))
        return false;
    Schliessen schliessen(rs);
    try {
        // The columns of the list, in column order, after the waterway id.
        const Felder f(rs,
                       {"BinnenID", "Bezeichnung", "Gesamtstrecke", "Vmax", "MinTiefe", "MinBreite",
                        "MinHoehe", "LG_OL", "BG_OL", "LG_UR", "BG_UR", "AnzahlTankstellen", "AnzahlHaefen",
                        "AnzahlSchleusen", "AnzahlLiegestellen", "AnzahlBruecken", "AnzahlWehre"});
        azeilen.reserve(static_cast<size_t>(rs->RecordCount()));
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            GewaesserZeile z;
            z.lngBinnenID = static_cast<std::int32_t>(f.Zahl(0).value_or(0));
            auto& s = z.astrSpalte;
            for (int c = 0; c < kGewaesserSpalten; ++c)
                s[static_cast<size_t>(c)] = f.Text(c + 1);
            s[1] = zahl(s[1], QStringLiteral("0.0"));
            for (int c = 2; c <= 5; ++c)
                s[static_cast<size_t>(c)] = wert(s[static_cast<size_t>(c)]);
            for (int c = 6; c <= 9; ++c) {
                const std::optional<double> v = f.Zahl(c + 1);
                if (v) s[static_cast<size_t>(c)] = c % 2 == 0 ? FormatLg(*v) : FormatBg(*v);
            }
            azeilen.push_back(std::move(z));
        }
    } catch (const std::exception& e) {
        azeilen.clear();
        ShowRuntimeError(QStringLiteral("frmBinneninfo.FillGridBinnen"), e);
        return false;
    }
    return true;
}

bool ErsterPunkt(std::int32_t lngBinnenID, std::int32_t& lngPunkteID, double& dblLg, double& dblBg) {
    if (!IsKatalogOffen()) return false;
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_Recordset(conBinnenDatabase, rs, QStringLiteral("Punkte"),
                            QStringLiteral("Top 1  Nummer, PunkteId, LgDez, BgDez"),
                            QStringLiteral("BinnenID=") + QString::number(lngBinnenID),
                            QStringLiteral("Nummer"), true))
        return false;
    Schliessen schliessen(rs);
    if (rs->Eof()) return false;
    try {
        const std::int32_t id = CLng(feld(rs, "PunkteId"));
        const double lg = CDbl(feld(rs, "LgDez"));
        const double bg = CDbl(feld(rs, "BgDez"));
        lngPunkteID = id;
        dblLg = lg;
        dblBg = bg;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

int SucheAnfang(const QStringList& astrTexte, const QString& strSuche) {
    for (int i = 0; i < astrTexte.size(); ++i)
        if (astrTexte[i].startsWith(strSuche, Qt::CaseInsensitive)) return i;
    return -1;
}

// ---- points list -------------------------------------------------------------------------------------

QString RoutenPunkteListe(const std::vector<typRouteOptimiert>& audtRoute) {
    QStringList ids;
    for (const typRouteOptimiert& r : audtRoute)
        if (r.blnPunktRouteGrob) ids << QString::number(r.lngPunkteID);
    return ids.join(QStringLiteral(", "));
}

QString PunkteBedingung(const typBinnenPos& pos, const QString& strRoutenPunkte) {
    const QString binnen = QStringLiteral("BinnenID = ") + QString::number(pos.lngBinnenID);
    const QString punkt = QString::number(pos.lngPunkteID);
    if (!strRoutenPunkte.isEmpty())
        return binnen + QStringLiteral(" AND (TypenID <> '' OR PunkteID IN (") + strRoutenPunkte +
               QStringLiteral(") OR ") + QStringLiteral("PunkteID = ") + punkt + QLatin1Char(')');
    return binnen + QStringLiteral(" AND (TypenID <> ''") + QStringLiteral(" OR ") +
           QStringLiteral(" (PunkteID = ") + punkt + QStringLiteral("))");
}

bool LadePunkte(const typBinnenPos& pos, const QString& strRoutenPunkte,
                std::vector<PunktDatensatz>& adatensaetze) {
    if (!IsKatalogOffen()) return false;
    // Only the columns the list shows: the view's other columns cost a look-up of the object per row.
    static constexpr std::initializer_list<const char*> spalten = {
        "PunkteID", "DokuKM",        "DokuKMOrig",    "TypenID", "BinnenBez_Nach", "DetailsBezeichnung", "BgDez",
        "LgDez",    "PunkteID_Nach", "BinnenID_Nach", "Vmax",    "BinnenBez",      "DetailsText",        "Tauchtiefe"};
    QStringList namen;
    for (const char* name : spalten)
        namen << QLatin1String(name);
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_Recordset(conBinnenDatabase, rs, QStringLiteral("V_ROUTE_DETAILLIERT"),
                            namen.join(QStringLiteral(", ")), PunkteBedingung(pos, strRoutenPunkte),
                            QStringLiteral(" Nummer"), true))
        return false;
    Schliessen schliessen(rs);
    std::vector<PunktDatensatz> gelesen;
    try {
        enum {
            fPunkteID,
            fDokuKM,
            fDokuKMOrig,
            fTypenID,
            fBinnenBezNach,
            fDetailsBezeichnung,
            fBgDez,
            fLgDez,
            fPunkteIDNach,
            fBinnenIDNach,
            fVmax,
            fBinnenBez,
            fDetailsText,
            fTauchtiefe
        };
        const Felder f(rs, spalten);
        gelesen.reserve(static_cast<size_t>(rs->RecordCount()));
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            PunktDatensatz d;
            d.lngPunkteID = static_cast<std::int32_t>(f.Zahl(fPunkteID).value_or(0));
            d.dblDokuKM = f.Zahl(fDokuKM);
            d.blnDokuKMOrig = CBool(f.Text(fDokuKMOrig));
            d.strTypenID = f.Text(fTypenID);
            d.strBinnenBezNach = f.Text(fBinnenBezNach);
            d.strDetailsBezeichnung = f.Text(fDetailsBezeichnung);
            d.dblBg = f.Zahl(fBgDez);
            d.dblLg = f.Zahl(fLgDez);
            d.strPunkteIDNach = f.Text(fPunkteIDNach);
            d.strBinnenIDNach = f.Text(fBinnenIDNach);
            d.dblVmax = f.Zahl(fVmax);
            d.strBinnenBez = f.Text(fBinnenBez);
            d.strDetailsText = f.Text(fDetailsText);
            d.dblTauchtiefe = f.Zahl(fTauchtiefe);
            gelesen.push_back(std::move(d));
        }
    } catch (const std::exception& e) {
        ShowRuntimeError(QStringLiteral("frmBinneninfo.FillGridPunkte"), e);
        return false;
    }
    adatensaetze = std::move(gelesen);
    return true;
}

namespace {

QSet<std::int32_t> idMenge(const QString& strListe) {
    QSet<std::int32_t> ids;
    for (const QString& s : strListe.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = s.trimmed().toInt(&ok);
        if (ok) ids.insert(id);
    }
    return ids;
}

/// The route point numbers that lie on each row, and the order of the list, for a position that came
/// from a route point.
void setzeRoutenMarken(PunkteListe& liste, const typBinnenPos& pos, const std::vector<RoutenMarke>& amarken) {
    auto& zeilen = liste.azeilen;
    std::vector<QList<std::int32_t>> nummern(zeilen.size());
    for (size_t r = 0; r < zeilen.size(); ++r) {
        PunktZeile& z = zeilen[r];
        for (const RoutenMarke& m : amarken) {
            const bool liegtHier = z.lngPunkteID == m.lngPunkteID || (z.lngPunkteID == m.lngPunkteIDNach &&
                                                                      pos.lngBinnenID == m.lngBinnenIDNach);
            if (liegtHier && !nummern[r].contains(m.lngNumGrob)) nummern[r] << m.lngNumGrob;
        }
        if (nummern[r].isEmpty()) continue;
        QStringList texte;
        for (const std::int32_t n : nummern[r])
            texte << QString::number(n);
        z.astrSpalte[pcMarke] = texte.join(QLatin1Char('|'));
        z.blnVersteckt = false;
    }
    const int aktuell = liste.intAktuell;
    if (aktuell < 0) return;
    if (zeilen[static_cast<size_t>(aktuell)].astrSpalte[pcMarke].isEmpty())
        zeilen[static_cast<size_t>(aktuell)].astrSpalte[pcMarke] = QStringLiteral("*");
    // The route leaves the current point against the chainage when the current point is the last row or
    // the next route point lies before it; the list then runs that way.
    const std::int32_t naechster = pos.lngRoutenIndex + 2;
    bool umkehren = aktuell == static_cast<int>(zeilen.size()) - 1;
    for (int r = 0; r < aktuell && !umkehren; ++r)
        umkehren = nummern[static_cast<size_t>(r)].contains(naechster);
    if (!umkehren) return;
    std::reverse(zeilen.begin(), zeilen.end());
    liste.intAktuell = static_cast<int>(zeilen.size()) - 1 - aktuell;
    liste.blnUmgekehrt = true;
}

} // namespace

PunkteListe BauePunkteListe(const std::vector<PunktDatensatz>& adatensaetze, typBinnenPos& pos,
                            const QString& strRoutenPunkte, const QString& strTypFilter,
                            const std::vector<RoutenMarke>& amarken) {
    PunkteListe liste;
    const QSet<std::int32_t> routenPunkte = idMenge(strRoutenPunkte);
    const QString routenpunkt = text(1477), aktuellePosition = text(1478), und = text(1479);
    liste.azeilen.reserve(adatensaetze.size());
    Werte vmax, tiefe;
    int laufNr = 0;
    for (const PunktDatensatz& d : adatensaetze) {
        PunktZeile z;
        auto& s = z.astrSpalte;
        z.lngPunkteID = d.lngPunkteID;
        z.strTyp = d.strTypenID.trimmed();
        s[pcKM] = kilometer(d.dblDokuKM);
        z.blnKMFett = d.blnDokuKMOrig;
        s[pcTyp] = d.strTypenID;
        z.blnAbzweig = z.strTyp == QLatin1String("A");
        s[pcName] = z.blnAbzweig ? d.strBinnenBezNach : d.strDetailsBezeichnung;
        const bool aktuell = d.lngPunkteID == pos.lngPunkteID;
        if (z.strTyp.isEmpty() || z.strTyp == QLatin1String("X")) {
            if (routenPunkte.contains(d.lngPunkteID)) s[pcName] = routenpunkt;
            if (aktuell)
                s[pcName] = s[pcName].isEmpty()
                                ? aktuellePosition
                                : s[pcName] + QLatin1Char(' ') + und + QLatin1Char(' ') + aktuellePosition;
        }
        z.blnPosition = d.dblBg && d.dblLg;
        if (z.blnPosition) {
            z.dblBg = *d.dblBg;
            z.dblLg = *d.dblLg;
            s[pcBreite] = FormatBg(z.dblBg);
            s[pcLaenge] = FormatLg(z.dblLg);
        }
        s[pcPunkteIDNach] = d.strPunkteIDNach;
        s[pcBinnenIDNach] = d.strBinnenIDNach;
        s[pcLaufNr] = QString::number(++laufNr);
        s[pcVmax] = vmax(d.dblVmax);
        s[pcDetailsText] = d.strDetailsText;
        s[pcTiefe] = tiefe(d.dblTauchtiefe);

        if (aktuell) {
            z.blnAktuell = true;
            if (liste.intAktuell < 0) {
                liste.intAktuell = static_cast<int>(liste.azeilen.size());
                liste.blnPunktGefunden = true;
                if (z.blnPosition) {
                    pos.dblLg = z.dblLg;
                    pos.dblBg = z.dblBg;
                }
                pos.lngPunkteID = d.lngPunkteID;
                pos.strBinnenBez = d.strBinnenBez;
            }
            if (pos.lngRoutenIndex >= 0) s[pcMarke] = QString::number(pos.lngRoutenIndex);
        } else {
            z.blnVersteckt = !TypSichtbar(z.strTyp, strTypFilter);
        }
        liste.azeilen.push_back(std::move(z));
    }
    if (pos.lngRoutenIndex >= 0) setzeRoutenMarken(liste, pos, amarken);
    liste.intAuswahl = liste.intAktuell;
    for (int r = 0; liste.intAuswahl < 0 && r < static_cast<int>(liste.azeilen.size()); ++r)
        if (!liste.azeilen[static_cast<size_t>(r)].blnVersteckt) liste.intAuswahl = r;
    return liste;
}

QString QuickInfoText(const QString& strDetailsText, int intLeer) {
    QString s = strDetailsText;
    s.replace(QStringLiteral("%1"), QStringLiteral("\n"));
    s.replace(QStringLiteral("%2"), QString(std::max(0, intLeer), QLatin1Char(' ')));
    return s;
}

std::optional<typBinnenPos> AbzweigZiel(const QString& strBinnenIDNach, const QString& strPunkteIDNach,
                                        const QString& strName) {
    if (!IsNumeric(strBinnenIDNach) || !IsNumeric(strPunkteIDNach)) return std::nullopt;
    typBinnenPos neu;
    neu.lngBinnenID = CLng(strBinnenIDNach);
    neu.strBinnenBez = strName;
    neu.lngPunkteID = CLng(strPunkteIDNach);
    return neu;
}

bool Verlauf::Zurueck(const Lader& laden) {
    if (m_pos.size() < 2) return false;
    if (laden(m_pos[m_pos.size() - 2])) {
        m_pos.pop_back();
        return true;
    }
    laden(m_pos.back());
    return false;
}

// ---- search list and radius search ------------------------------------------------------------------

QString SuchTabelle(const QString& strTag) {
    if (strTag == QLatin1String("H")) return QStringLiteral("Haefen");
    if (strTag == QLatin1String("S")) return QStringLiteral("Schleusen");
    if (strTag == QLatin1String("T")) return QStringLiteral("Tankstellen");
    return QString();
}

QString ErgebnisFilter(std::int32_t lngAnzahl, const std::vector<std::int32_t>& alngPunkteID) {
    if (lngAnzahl < 1 || alngPunkteID.empty()) return QStringLiteral("1=2");
    QStringList ids;
    const auto n = std::min(static_cast<size_t>(lngAnzahl), alngPunkteID.size());
    for (size_t i = 0; i < n; ++i)
        ids << QString::number(alngPunkteID[i]);
    return QStringLiteral("PunkteID IN (") + ids.join(QStringLiteral(", ")) + QLatin1Char(')');
}

bool LadeSuchliste(const QString& strTag, const QString& strFilter,
                   const std::vector<std::int32_t>& alngPunkteID, const std::vector<double>& adblStrecke,
                   std::vector<SuchZeile>& azeilen) {
    const QString tabelle = SuchTabelle(strTag);
    if (tabelle.isEmpty() || !IsKatalogOffen()) return false;
    // Only active objects: a retired lock chamber may share the point of the working one.
    QString bedingung = QStringLiteral("Aktiv=true");
    if (!strFilter.isEmpty()) bedingung += QStringLiteral(" AND (") + strFilter + QLatin1Char(')');
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_Recordset(conBinnenDatabase, rs, tabelle, QStringLiteral("*"), bedingung,
                            QStringLiteral("Bezeichnung"), true))
        return false;
    Schliessen schliessen(rs);
    std::vector<SuchZeile> zeilen;
    // The distance of a point is that of its first result.
    QHash<std::int32_t, double> entfernung;
    for (size_t i = alngPunkteID.size() < adblStrecke.size() ? alngPunkteID.size() : adblStrecke.size();
         i-- > 0;)
        entfernung.insert(alngPunkteID[i], adblStrecke[i]);
    // A failed look-up has been reported once; the remaining rows go without their points.
    bool nachschlagen = true;
    try {
        zeilen.reserve(static_cast<size_t>(rs->RecordCount()));
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            SuchZeile z;
            z.lngPunkteID = CLng(feld(rs, "PunkteID"));
            auto& s = z.astrSpalte;
            s[scName] = feld(rs, "Bezeichnung");
            ADODB::RecordsetPtr punkt;
            if (nachschlagen &&
                !ADO_Open_Recordset(
                    conBinnenDatabase, punkt, QStringLiteral("V_BinnenInfo"), QStringLiteral("*"),
                    QStringLiteral("PunkteID=") + QString::number(z.lngPunkteID), QString(), true))
                nachschlagen = false;
            if (nachschlagen) {
                Schliessen schliessenPunkt(punkt);
                if (!punkt->Eof()) {
                    s[scGewaesser] = feld(punkt, "BinnenBez");
                    const QString km = feld(punkt, "DokuKM");
                    s[scKM] = IsNumeric(km) ? FormatNumber(CDbl(km), QStringLiteral("0.0"))
                                            : QStringLiteral("-----");
                    z.blnKMFett = CBool(feld(punkt, "DokuKMOrig"));
                    const QString bg = feld(punkt, "BgDez"), lg = feld(punkt, "LgDez");
                    z.blnPosition = IsNumeric(bg) && IsNumeric(lg);
                    if (z.blnPosition) {
                        z.dblBg = CDbl(bg);
                        z.dblLg = CDbl(lg);
                        s[scBreite] = FormatBg(z.dblBg);
                        s[scLaenge] = FormatLg(z.dblLg);
                    }
                    s[scTyp] = feld(punkt, "TypenID");
                }
            }
            const auto treffer = entfernung.constFind(z.lngPunkteID);
            if (!strFilter.isEmpty() && treffer != entfernung.cend()) {
                z.dblEntfernung = *treffer;
                s[scEntfernung] = FormatNumber(*treffer, QStringLiteral("0.0"));
            }
            zeilen.push_back(std::move(z));
        }
    } catch (const std::exception& e) {
        ShowRuntimeError(QStringLiteral("frmBinneninfo.FillGridSuche"), e);
        return false;
    }
    if (!strFilter.isEmpty())
        std::stable_sort(zeilen.begin(), zeilen.end(), [](const SuchZeile& a, const SuchZeile& b) {
            if (!a.dblEntfernung || !b.dblEntfernung) return a.dblEntfernung.has_value() && !b.dblEntfernung;
            return *a.dblEntfernung < *b.dblEntfernung;
        });
    azeilen = std::move(zeilen);
    return true;
}

QString SuchZeit(std::int64_t lngTicks, int intIntervallMs) {
    const std::int64_t sekunden = std::max<std::int64_t>(0, lngTicks) * intIntervallMs / 1000;
    const auto zwei = [](std::int64_t v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return zwei(sekunden / 3600) + QLatin1Char(':') + zwei(sekunden / 60 % 60) + QLatin1Char(':') +
           zwei(sekunden % 60);
}

int RingRadius(std::int64_t lngTicks) {
    return static_cast<int>(std::max<std::int64_t>(0, lngTicks) % 17) + 2;
}

} // namespace olm3::browser
