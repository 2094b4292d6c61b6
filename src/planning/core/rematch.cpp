#include "planning/core/rematch.h"

#include "data/formatting.h"
#include "data/katalogbegriffe.h"
#include "data/modOLM3Binnen.h"
#include "data/nearestpoint.h"
#include "data/texttable.h"

using namespace modOLM3Binnen;

namespace olm3::planning {

namespace {

/// A message of the re-matching in the language of the texts.
QString Text(std::int32_t lngTextID, const char* strDeutsch) {
    return olm3::TextTable::Builtin().Text(QStringLiteral("frmRouteGeplantLoadSave"), lngTextID,
                                           QString::fromUtf8(strDeutsch));
}

/// A stored number formatted, or the empty text when the database holds none.
QString formatOderLeer(const QVariant& v, QString (*format)(double)) {
    return v.isValid() ? format(v.toDouble()) : QString();
}
QString kmText(double v) {
    return FormatNumber(v, QStringLiteral("0.000"));
}

/// The row of a stored point that matched nothing, from what the route stored.
PunktZeile zeileNichtGefunden(const GespeicherterPunkt& p) {
    PunktZeile z;
    z.zellen = {QString::number(p.Nr),
                formatOderLeer(p.km, kmText),
                formatOderLeer(p.BgDez, FormatBg),
                formatOderLeer(p.LgDez, FormatLg),
                p.BinnenExterneID,
                QStringLiteral("???"),
                QStringLiteral("???"),
                QString(),
                kNichtGefunden};
    z.dblBg = p.BgDez.toDouble();
    z.dblLg = p.LgDez.toDouble();
    z.blnNichtGefunden = true;
    z.blnStatus = true;
    return z;
}

} // namespace

bool LeseRoutenpunktZeile(std::int32_t lngPunkteID, PunktZeile& zeile) {
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_Recordset(conBinnenDatabase, rs, QStringLiteral("V_ROUTE_DETAILLIERT"), QStringLiteral("*"),
                            QStringLiteral("PunkteID =") + QString::number(lngPunkteID), QString(), true))
        return false;
    if (rs->Eof()) {
        ADO_Close_Recordset(rs, true);
        return false;
    }
    auto text = [&](const char* name) { return ADO_Field_Str(rs->Fields(QLatin1String(name))); };
    auto zahl = [&](const char* name) {
        const QString s = text(name);
        return s.isEmpty() ? QVariant() : QVariant(CDbl(s));
    };
    const bool orig = CBool(text("DokuKMOrig"));
    QString km =
        formatOderLeer(zahl("DokuKM"), [](double v) { return FormatNumber(v, QStringLiteral("0.0")); });
    if (!orig && km.isEmpty()) km = QStringLiteral("-----");
    zeile.zellen[1] = km;
    zeile.blnFett = orig;
    const QVariant bg = zahl("BgDez");
    const QVariant lg = zahl("LgDez");
    zeile.zellen[2] = formatOderLeer(bg, FormatBg);
    zeile.zellen[3] = formatOderLeer(lg, FormatLg);
    zeile.dblBg = bg.toDouble();
    zeile.dblLg = lg.toDouble();
    zeile.zellen[4] = text("BinnenBez");
    zeile.zellen[5] = KatalogBegriff(KatalogWort::Typ, text("TypenID"), text("TypenBez"));
    // A junction names the waterway it leads to rather than an object.
    zeile.zellen[6] =
        text("TypenID") == QLatin1String("A") ? text("BinnenBez_Nach") : text("DetailsBezeichnung");
    zeile.zellen[7] = text("BinnenID");
    zeile.lngPunkteID = lngPunkteID;
    ADO_Close_Recordset(rs, true);
    return true;
}

void SuchePunkt(const GespeicherterPunkt& punkt, std::int32_t& lngPunkteID, QString& strStatus,
                Zaehler& zaehler) {
    ADODB::Command cmd;
    cmd.ActiveConnection = conBinnenDatabase;
    cmd.CommandText = QStringLiteral("V_SUCHE_ROUTENPUNKT");
    ADODB::RecordsetPtr rs;
    std::int32_t lngAnzahl = 0;
    if (!ADO_GetFromCmd_Recordset(cmd, {punkt.BinnenExterneID, punkt.LgDez, punkt.BgDez, punkt.km}, rs,
                                  lngAnzahl))
        throw LetzterFehler(conBinnenDatabase);
    if (!rs->Eof()) {
        lngPunkteID = CLng(ADO_Field_Str(rs->Fields(QStringLiteral("PunkteID"))));
        strStatus = ADO_Field_Str(rs->Fields(QStringLiteral("Erg")));
        if (strStatus == QLatin1String("B"))
            ++zaehler.lngBinnen;
        else if (strStatus == QLatin1String("S"))
            ++zaehler.lngStrecke;
        ADO_Close_Recordset(rs, true);
        return;
    }
    ADO_Close_Recordset(rs, true);
    std::int32_t lngBinnenID = 0, lngGefunden = 0;
    QString strBinnenBez;
    double dblLg = 0, dblBg = 0, dblEntfernung = 0, dblAmtlKM = 0, dblVMax = 0, dblTiefe = 0;
    if (punkt.LgDez.isValid() && punkt.BgDez.isValid() &&
        GetNaechsterPunkt(punkt.LgDez.toDouble(), punkt.BgDez.toDouble(), kFangbereichZuordnung, lngBinnenID,
                          strBinnenBez, lngGefunden, dblLg, dblBg, dblEntfernung, dblAmtlKM, dblVMax,
                          dblTiefe)) {
        lngPunkteID = lngGefunden;
        strStatus = QStringLiteral("K ") + FormatNumber(dblEntfernung, QStringLiteral("0.00"));
        ++zaehler.lngKoordinaten;
    } else {
        lngPunkteID = -1;
        strStatus = kNichtGefunden;
        ++zaehler.lngKeine;
    }
}

Ergebnis OrdnePunkteZu(std::int32_t lngRoutenID, bool blnInvers, Zuordnung& z) {
    z = Zuordnung();
    std::vector<GespeicherterPunkt> punkte;
    Ergebnis erg = LesePunkte(lngRoutenID, blnInvers, punkte);
    if (!erg) return erg;
    try {
        for (const GespeicherterPunkt& p : punkte) {
            std::int32_t lngPunkteID = -1;
            QString strStatus;
            SuchePunkt(p, lngPunkteID, strStatus, z.zaehler);
            if (lngPunkteID == -1) {
                z.zeilen.push_back(zeileNichtGefunden(p));
                continue;
            }
            PunktZeile zeile;
            if (LeseRoutenpunktZeile(lngPunkteID, zeile)) {
                zeile.zellen[0] = QString::number(p.Nr);
                if (strStatus.compare(QLatin1String("OK"), Qt::CaseInsensitive) != 0) {
                    zeile.zellen[8] = strStatus;
                    zeile.blnStatus = true;
                }
                z.zeilen.push_back(zeile);
            }
            // A matched point whose row cannot be shown still belongs to the route.
            z.alngPunkteID.push_back(lngPunkteID);
        }
    } catch (const std::exception& ex) {
        erg.blnOK = false;
        erg.fehler = AsRuntimeError(ex);
    }
    return erg;
}

QString ZuordnungsBericht(const Zaehler& zaehler) {
    QString s;
    auto zeile = [&s](std::int32_t n, const QString& strGrund) {
        if (n != 0) s += QStringLiteral("\r\n") + QString::number(n) + strGrund;
    };
    zeile(zaehler.lngStrecke, Text(10172, "--wegen Strecke"));
    zeile(zaehler.lngBinnen, Text(10173, "--wegen Binnen"));
    zeile(zaehler.lngKoordinaten, Text(10174, "--wegen Koordinaten"));
    zeile(zaehler.lngKeine, Text(10175, "--gar keine Übereinstimmung"));
    return s;
}

bool PruefeZuordnung(const Zaehler& zaehler, bool blnPunkteGefunden) {
    const QString bericht = ZuordnungsBericht(zaehler);
    if (bericht.isEmpty()) return true;
    const QString text =
        Text(10171, "-- Nach dem Daten-Update können folgende Punkte nicht eindeutig zugeordnet werden:") +
        bericht + QStringLiteral("\r\n\r\n");
    if (!blnPunkteGefunden) {
        MsgBox(text + Text(10176, "Laden nicht möglich!"), vbExclamation | vbOKOnly, MeldungsTitel());
        return false;
    }
    return MsgBox(text + Text(10177, "Trotzdem laden?"), vbExclamation | vbYesNo, MeldungsTitel()) ==
           vbYes;
}

} // namespace olm3::planning
