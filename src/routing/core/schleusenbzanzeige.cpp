#include "routing/core/schleusenbzanzeige.h"

#include "data/formatting.h"
#include "data/katalogbegriffe.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/types.h"
#include "routing/core/feiertage.h"

#include <QSet>
#include <algorithm>

using namespace modOLM3Binnen;

namespace olm3::routing {

namespace {

const QString kModul = QStringLiteral("frmSchleusenBZ");
const QString kRest = QStringLiteral("REST");

bool gleich(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

/// A date or time field in the given format, or the text as written when it is none.
QString alsDatum(const QString& s, const QString& fmt) {
    const QString t = s.trimmed();
    return IsDate(t) ? FormatDatum(CDate(t), fmt) : t;
}

/// Only a numeric 0 closes the lock; an empty field keeps the default of the table, operating.
bool istBetrieb(const QString& s) {
    return !(IsNumeric(s) && CDbl(s) == 0.0);
}

/// A field of the current row as text (Null: the empty text).
QString str(const ADODB::RecordsetPtr& rs, const char* strName) {
    return ADO_Field_Str(rs->Fields(QString::fromLatin1(strName)));
}

/// Reads every row of a record set that blnOffen says was opened through zeile, and closes it.
template <typename T, typename Zeile>
bool leseZeilen(ADODB::RecordsetPtr& rs, bool blnOffen, std::vector<T>& a, Zeile zeile) {
    if (!blnOffen) return false;
    for (; !rs->Eof(); rs->MoveNext())
        a.push_back(zeile());
    ADO_Close_Recordset(rs, true);
    return true;
}

/// The rows of one lock in a table or view, in the given order.
template <typename T, typename Zeile>
bool leseSchleuse(ADODB::RecordsetPtr& rs, const char* strTabelle, std::int32_t lngSchleusenID,
                  const char* strOrderBy, std::vector<T>& a, Zeile zeile) {
    return leseZeilen(rs,
                      ADO_Open_Recordset(conBinnenDatabase, rs, QString::fromLatin1(strTabelle),
                                         QStringLiteral("*"),
                                         QStringLiteral("SchleusenID= ") + QString::number(lngSchleusenID),
                                         QString::fromLatin1(strOrderBy), true),
                      a, zeile);
}

/// Runs a reading step; a run-time error in it (a column missing from a malformed catalogue) is shown
/// under the tag and ends it with false.
template <typename Lesen> bool gefangen(const QString& strTag, ADODB::RecordsetPtr& rs, Lesen lesen) {
    try {
        return lesen();
    } catch (const std::exception& ex) {
        ADO_Close_Recordset(rs, true);
        ShowRuntimeError(strTag, ex);
        return false;
    }
}

WTZeile& neueZeileNach(WTTabelle& t, size_t nachIndex) {
    WTZeile neu;
    neu.lngNr = t.aZeilen[nachIndex].lngNr;
    neu.strTag = t.aZeilen[nachIndex].strTag;
    neu.strWtID = t.aZeilen[nachIndex].strWtID;
    neu.blnEingefuegt = true;
    neu.aZellen.resize(static_cast<size_t>(t.aSaisons.size()));
    return *t.aZeilen.insert(t.aZeilen.begin() + static_cast<std::ptrdiff_t>(nachIndex) + 1, std::move(neu));
}

/// A rule with its window text and its weekday condition (not yet preceded by "wenn").
struct FTLinie {
    const FTRegel* regel = nullptr;
    QString strRegel;
    QString strBedingung;
};

std::vector<FTLinie> ftLinien(const std::vector<FTRegel>& aRegeln) {
    const QString strWerktag = GetText(kModul, 915);
    std::vector<FTLinie> aLinien;
    for (const FTRegel& r : aRegeln) {
        const QString strRef = r.strRefWT.trimmed();
        const QString strRefText = gleich(strRef, QStringLiteral("WT"))
                                       ? strWerktag
                                       : KatalogBegriff(KatalogWort::WochentagKurz, strRef, strRef);
        const bool blnOhneZeiten = r.strVon.trimmed().isEmpty() && r.strBis.trimmed().isEmpty();
        const bool blnVerweis = r.blnBetrieb && blnOhneZeiten && !strRef.isEmpty();
        FTLinie l{&r, QString(), QString()};
        if (!r.blnBetrieb)
            l.strRegel = GetText(kModul, 912);
        else if (blnVerweis)
            l.strRegel = GetText(kModul, 913) + QLatin1Char(' ') + strRefText;
        else
            l.strRegel = BetriebszeitText(r.strVon, r.strBis);
        // A reference names its weekday in the rule itself; it holds on whatever day the holiday falls.
        if (!blnVerweis) l.strBedingung = strRefText;
        if (!aLinien.empty()) {
            FTLinie& vorige = aLinien.back();
            if (gleich(vorige.regel->strFeiertageID, r.strFeiertageID) && vorige.strRegel == l.strRegel &&
                !vorige.strBedingung.isEmpty() && !l.strBedingung.isEmpty()) {
                vorige.strBedingung += QStringLiteral(", ") + l.strBedingung;
                continue;
            }
        }
        aLinien.push_back(std::move(l));
    }
    const QString strWenn = GetText(kModul, 914);
    for (FTLinie& l : aLinien)
        if (!l.strBedingung.isEmpty() && !l.strBedingung.contains(strWenn))
            l.strBedingung = strWenn + QLatin1Char(' ') + l.strBedingung;
    return aLinien;
}

} // namespace

QDate FTDatum(const QString& strCode, std::int32_t lngJahr) {
    const QString c = strCode.trimmed().toUpper();
    const QDate e = GetOstersonntag(lngJahr);
    if (c == QLatin1String("OFR")) return e.addDays(-2);
    if (c == QLatin1String("OSAM")) return e.addDays(-1);
    if (c == QLatin1String("OSO") || c == QLatin1String("O")) return e;
    if (c == QLatin1String("OMO")) return e.addDays(1);
    if (c == QLatin1String("HF")) return e.addDays(39);
    if (c == QLatin1String("PFSAM")) return e.addDays(48);
    if (c == QLatin1String("PF") || c == QLatin1String("PFSO")) return e.addDays(49);
    if (c == QLatin1String("PFMO")) return e.addDays(50);
    if (c == QLatin1String("FL")) return e.addDays(60);
    if (c == QLatin1String("BBT"))
        for (const auto& [strCode, dat] : FeiertageDesJahres(lngJahr))
            if (strCode == QLatin1String("BBT")) return dat;
    return QDate();
}

QString SaisonUeberschrift(const QString& strSaisonVon, const QString& strSaisonBis) {
    return alsDatum(strSaisonVon, QStringLiteral("dd.mm")) + QStringLiteral(" - ") +
           alsDatum(strSaisonBis, QStringLiteral("dd.mm"));
}

QString BetriebszeitText(const QString& strVon, const QString& strBis) {
    const QString von = alsDatum(strVon, QStringLiteral("hh:nn"));
    QString bis = alsDatum(strBis, QStringLiteral("hh:nn"));
    if (von.isEmpty() && bis.isEmpty()) return QString();
    if (bis == QLatin1String("00:00")) bis = QStringLiteral("24:00");
    return von + QStringLiteral(" - ") + bis;
}

bool IstOhneDatum(const QDateTime& datDatum) {
    return !datDatum.isValid() || datDatum.date() == olm3::DatumNull().date();
}

WTTabelle BaueWTTabelle(const std::vector<WTZeile>& aTage, const std::vector<WTEintrag>& aEintraege) {
    WTTabelle t;
    t.aZeilen = aTage;
    for (WTZeile& z : t.aZeilen)
        z.aZellen.clear();
    const QString strKeinBetrieb = GetText(kModul, 912);
    for (const WTEintrag& e : aEintraege) {
        auto tag = std::find_if(t.aZeilen.begin(), t.aZeilen.end(),
                                [&](const WTZeile& z) { return gleich(z.strWtID, e.strWtID); });
        if (tag == t.aZeilen.end()) continue;
        // Rows of one season come together; a season that shows up again keeps its column.
        const QString strSaison = SaisonUeberschrift(e.strSaisonVon, e.strSaisonBis);
        qsizetype col = t.aSaisons.indexOf(strSaison);
        if (col < 0) {
            t.aSaisons << strSaison;
            col = t.aSaisons.size() - 1;
            for (WTZeile& z : t.aZeilen)
                z.aZellen.resize(static_cast<size_t>(t.aSaisons.size()));
        }
        const auto c = static_cast<size_t>(col);
        size_t i = static_cast<size_t>(tag - t.aZeilen.begin());
        while (!t.aZeilen[i].aZellen[c].strText.isEmpty() && i + 1 < t.aZeilen.size() &&
               gleich(t.aZeilen[i + 1].strWtID, e.strWtID))
            ++i;
        WTZeile& zeile = t.aZeilen[i].aZellen[c].strText.isEmpty() ? t.aZeilen[i] : neueZeileNach(t, i);
        WTZelle& zelle = zeile.aZellen[c];
        zelle.strText = e.blnBetrieb ? BetriebszeitText(e.strVon, e.strBis) : strKeinBetrieb;
        zelle.strSRID = e.strSRID.trimmed();
        if (!zelle.strSRID.isEmpty())
            zelle.strText += QStringLiteral(" (") + zelle.strSRID + QLatin1Char(')');
    }
    // An inserted row shows the window above it in a season where it has none of its own, so that the
    // merged cells of the weekday show one entry per window.
    for (size_t c = 0; c < static_cast<size_t>(t.aSaisons.size()); ++c)
        for (size_t r = 1; r < t.aZeilen.size(); ++r)
            if (t.aZeilen[r].blnEingefuegt && t.aZeilen[r].aZellen[c].strText.isEmpty())
                t.aZeilen[r].aZellen[c] = t.aZeilen[r - 1].aZellen[c];
    return t;
}

std::vector<FTZeile> BaueFTTabelle(const std::vector<FTRegel>& aRegeln,
                                   const std::vector<FTFeiertag>& aFeiertage, const QDateTime& datDatum) {
    const bool blnDatum = !IstOhneDatum(datDatum);
    const std::int32_t lngJahr = blnDatum ? datDatum.date().year() : 0;
    QString strCodeDesTages;
    if (blnDatum)
        for (const auto& [strCode, dat] : FeiertageDesJahres(lngJahr))
            if (dat == datDatum.date()) strCodeDesTages = strCode;
    auto feiertag = [&](const QString& strKatalogText, const QString& strFTID) {
        const QString strText = KatalogBegriff(KatalogWort::Feiertag, strFTID, strKatalogText);
        const QDate dat = blnDatum ? FTDatum(strFTID, lngJahr) : QDate();
        return dat.isValid() ? strText + QStringLiteral(" (") + dat.toString(QStringLiteral("dd.MM.yyyy")) +
                                   QLatin1Char(')')
                             : strText;
    };
    auto faelltAufDatum = [&](const QString& strFeiertageID, const QString& strFTID) {
        if (!blnDatum) return false;
        return (!strCodeDesTages.isEmpty() && gleich(strFeiertageID, strCodeDesTages)) ||
               FTDatum(strFTID, lngJahr) == datDatum.date();
    };

    std::vector<FTZeile> aZeilen;
    std::vector<FTLinie> aRest;
    QSet<QString> eigene;
    for (const FTLinie& l : ftLinien(aRegeln)) {
        const FTRegel& r = *l.regel;
        if (gleich(r.strFeiertageID, kRest)) {
            aRest.push_back(l);
            continue;
        }
        eigene.insert(r.strFeiertageID.trimmed().toUpper());
        aZeilen.push_back({FTZeilenart::Regel, r.strFeiertageID, feiertag(r.strFTText, r.strFTID), l.strRegel,
                           l.strBedingung, faelltAufDatum(r.strFeiertageID, r.strFTID)});
    }
    // The rest rules hold for every kept holiday that has no rule of its own.
    bool blnTrenner = !aZeilen.empty();
    for (const FTFeiertag& f : aFeiertage) {
        if (aRest.empty() || eigene.contains(f.strFeiertageID.trimmed().toUpper())) continue;
        if (blnTrenner) {
            aZeilen.push_back({FTZeilenart::Trenner, QString(), QStringLiteral("-------"), {}, {}, false});
            blnTrenner = false;
        }
        for (const FTLinie& l : aRest)
            aZeilen.push_back({FTZeilenart::Rest, f.strFeiertageID, feiertag(f.strFTText, f.strFTID),
                               l.strRegel, l.strBedingung, faelltAufDatum(f.strFeiertageID, f.strFTID)});
    }
    return aZeilen;
}

bool LeseSonderregelung(std::int32_t lngSchleusenID, QString& strSR) {
    strSR.clear();
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_RecordsetExt(conBinnenDatabase, rs,
                               QStringLiteral("SELECT SRText FROM SBZ_Sonderregelung  where SRID IN ") +
                                   QStringLiteral("(SELECT SRID FROM Schleusen Where SchleusenID=") +
                                   QString::number(lngSchleusenID) + QLatin1Char(')'),
                               true))
        return false;
    if (!rs->Eof()) strSR = ADO_Field_Str(rs->Fields(QStringLiteral("SRTEXT"))).trimmed();
    ADO_Close_Recordset(rs, true);
    return true;
}

bool LeseWTTabelle(std::int32_t lngSchleusenID, WTTabelle& tabelle, std::int32_t& lngAnzahl) {
    lngAnzahl = 0;
    ADODB::RecordsetPtr rs;
    std::vector<WTZeile> aTage;
    std::vector<WTEintrag> aEintraege;
    auto tag = [&] {
        WTZeile z;
        z.lngNr = CLng(str(rs, "NR"));
        z.strWtID = str(rs, "WtID");
        z.strTag = rs->HasField(QStringLiteral("Bezeichnung")) ? str(rs, "Bezeichnung") : QString();
        if (z.strTag.isEmpty()) z.strTag = z.strWtID;
        z.strTag = KatalogBegriff(KatalogWort::Wochentag, z.strWtID, z.strTag);
        return z;
    };
    auto eintrag = [&] {
        return WTEintrag{str(rs, "WTID"),
                         str(rs, "SaisonVon"),
                         str(rs, "SaisonBis"),
                         str(rs, "UhrzeitVon"),
                         str(rs, "UhrzeitBis"),
                         istBetrieb(str(rs, "Betrieb")),
                         str(rs, "SonderRegelungID")};
    };
    const bool ok = gefangen(QStringLiteral("frmSchleusenBZ.FillWT"), rs, [&] {
        return leseZeilen(rs,
                          ADO_Open_Recordset(conBinnenDatabase, rs, QStringLiteral("Wochentage"),
                                             QStringLiteral("*"), QStringLiteral("Nr<=7"),
                                             QStringLiteral("Nr"), true),
                          aTage, tag) &&
               leseSchleuse(rs, "SBZ_Wochentage", lngSchleusenID, "SaisonVon, UhrzeitVon", aEintraege,
                            eintrag);
    });
    if (!ok) return false;
    lngAnzahl = static_cast<std::int32_t>(aEintraege.size());
    tabelle = BaueWTTabelle(aTage, aEintraege);
    return true;
}

bool LeseFTTabelle(std::int32_t lngSchleusenID, const QDateTime& datDatum, std::vector<FTZeile>& aZeilen,
                   std::int32_t& lngAnzahl) {
    lngAnzahl = 0;
    ADODB::RecordsetPtr rs;
    std::vector<FTFeiertag> aFeiertage;
    std::vector<FTRegel> aRegeln;
    auto feiertag = [&] {
        FTFeiertag f{QString(), str(rs, "FTID"), str(rs, "FTText")};
        f.strFeiertageID = rs->HasField(QStringLiteral("FeiertageID")) ? str(rs, "FeiertageID") : f.strFTID;
        return f;
    };
    auto regel = [&] {
        return FTRegel{str(rs, "FeiertageID"),
                       str(rs, "FTID"),
                       str(rs, "FTText"),
                       str(rs, "RefWT"),
                       str(rs, "UhrzeitVON"),
                       str(rs, "UhrzeitBIS"),
                       istBetrieb(str(rs, "betrieb"))};
    };
    const bool ok = gefangen(QStringLiteral("frmSchleusenBZ.FillFT"), rs, [&] {
        ADODB::Command cmd;
        cmd.ActiveConnection = conBinnenDatabase;
        cmd.CommandText = QStringLiteral("V_IST_FEIERTAG");
        std::int32_t lngBetroffen = 0;
        return leseZeilen(rs, ADO_GetFromCmd_Recordset(cmd, {lngSchleusenID, QVariant()}, rs, lngBetroffen),
                          aFeiertage, feiertag) &&
               leseSchleuse(rs, "V_SBZ_FT", lngSchleusenID, "FeiertageNr, WochentageNr, UhrzeitVon", aRegeln,
                            regel);
    });
    if (!ok) return false;
    lngAnzahl = static_cast<std::int32_t>(aRegeln.size());
    aZeilen = BaueFTTabelle(aRegeln, aFeiertage, datDatum);
    return true;
}

} // namespace olm3::routing
