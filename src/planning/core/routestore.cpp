#include "planning/core/routestore.h"

#include "data/modOLM3Binnen.h"
#include "planning/core/startzeit.h"

using namespace modOLM3Binnen;
using olm3::RuntimeError;

namespace olm3::planning {

namespace {

const QString kModul = QStringLiteral("frmRouteGeplantLoadSave");
const QString kRouten = QStringLiteral("BinRouten");
const QString kPunkte = QStringLiteral("BinRoutenPunkte");

/// The layer reconnects after a lost connection and carries on; inside a transaction that reconnect has
/// silently rolled back what was written so far, so nothing more may be written then.
void pruefeTransaktion(const ADODB::ConnectionPtr& con) {
    if (!con->InTransaction()) throw RuntimeError(olm3::ErrNo::GenericFailure, GetText(kModul, 9102));
}

QDateTime jetzt() {
    const QTime t = QTime::currentTime();
    return olm3::MakeDatum(QDate::currentDate(), QTime(t.hour(), t.minute(), t.second()));
}

QDateTime datumOderLeer(const ADODB::Field& fld) {
    const QString s = ADO_Field_Str(fld);
    return IsDate(s) ? CDate(s) : QDateTime();
}

/// A read the database layer could not run; it has told the user.
Ergebnis gemeldet(const ADODB::ConnectionPtr& con) {
    Ergebnis erg;
    erg.blnOK = false;
    erg.fehler = LetzterFehler(con);
    erg.blnGemeldet = true;
    return erg;
}

QVariant zahlOderNull(const ADODB::Field& fld) {
    const QString s = ADO_Field_Str(fld);
    return IsNumeric(s) ? QVariant(CDbl(s)) : QVariant();
}

/// Reads every row of a table of the routes database through zeile(rs). Not ok when the table cannot be
/// opened (the database layer has told the user) or a row cannot be read.
template <typename Zeile>
Ergebnis liesZeilen(const QString& strTabelle, const QString& strWhere, const QString& strOrderBy,
                    Zeile&& zeile) {
    Ergebnis erg;
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_Recordset(conWPundRoutenDB, rs, strTabelle, QStringLiteral("*"), strWhere, strOrderBy,
                            true))
        return gemeldet(conWPundRoutenDB);
    try {
        for (; !rs->Eof(); rs->MoveNext())
            zeile(*rs);
    } catch (const std::exception& ex) {
        erg.blnOK = false;
        erg.fehler = AsRuntimeError(ex);
    }
    ADO_Close_Recordset(rs, true);
    return erg;
}

/// Holds back the messages of the database layer while it lives and shows them when it ends. A message
/// box runs the event loop; whatever the host wrote on its connection meanwhile would become part of an
/// open transaction and be rolled back with it.
class MeldungenZurueckhalten {
public:
    MeldungenZurueckhalten() {
        m_alt = SetMsgBoxHandler([this](const QString& strText, int intStyle, const QString& strTitle) {
            m_meldungen.push_back({strText, intStyle, strTitle});
            return int(vbOK);
        });
    }
    ~MeldungenZurueckhalten() {
        SetMsgBoxHandler(m_alt);
        for (const Meldung& m : m_meldungen)
            MsgBox(m.strText, m.intStyle, m.strTitle);
    }
    MeldungenZurueckhalten(const MeldungenZurueckhalten&) = delete;
    MeldungenZurueckhalten& operator=(const MeldungenZurueckhalten&) = delete;

private:
    struct Meldung {
        QString strText;
        int intStyle;
        QString strTitle;
    };
    MsgBoxHandler m_alt;
    std::vector<Meldung> m_meldungen;
};

/// Runs schreiben(con, schritt) as one transaction on the routes database: committed when it returns,
/// rolled back when it throws, so that the database is either fully written or exactly as before.
template <typename Schreiben> Ergebnis inTransaktion(Schreiben&& schreiben) {
    Ergebnis erg;
    const ADODB::ConnectionPtr con = conWPundRoutenDB;
    bool begonnen = false;
    const MeldungenZurueckhalten meldungen;
    try {
        if (!con || !con->IsOpen()) throw RuntimeError(olm3::ErrNo::ConnectionClosed, GetText(kModul, 9100));
        con->BeginTrans();
        begonnen = true;
        schreiben(con, erg.schritt);
        con->CommitTrans();
    } catch (const std::exception& ex) {
        erg.blnOK = false;
        erg.fehler = AsRuntimeError(ex);
        // A rollback that fails once (a busy file) is tried again: an open transaction left behind would
        // swallow whatever the host writes next on its connection.
        for (int i = 0; begonnen && i < 2 && con->InTransaction(); ++i) {
            try {
                con->RollbackTrans();
            } catch (const std::exception&) {
            }
        }
    }
    return erg;
}

void setzeKopf(ADODB::Recordset& rs, const RoutenKopf& kopf) {
    rs.SetValue(QStringLiteral("Bezeichnung"), kopf.Bezeichnung);
    rs.SetValue(QStringLiteral("Bemerkung"), kopf.Bemerkung);
    rs.SetValue(QStringLiteral("Uhrzeit"), jetzt());
    rs.SetValue(QStringLiteral("Startzeit"), olm3::MakeDatum(kopf.Startzeit.date(), kopf.Startzeit.time()));
    rs.SetValue(QStringLiteral("Marschgeschw"), kopf.Marschgeschw);
}

/// The points of a route, one row each, numbered from 1 in route order. Throws on the first point that
/// cannot be read from the catalogue or written.
void SpeichernPunkte(const ADODB::ConnectionPtr& con, std::int32_t lngRoutenID,
                     const std::vector<std::int32_t>& alngPunkteID) {
    ADODB::RecordsetPtr rsPunkt;
    ADODB::RecordsetPtr rs;
    for (size_t i = 0; i < alngPunkteID.size(); ++i) {
        if (!ADO_Open_Recordset(
                conBinnenDatabase, rsPunkt, QStringLiteral("V_ROUTENPUNKTE"), QStringLiteral("*"),
                QStringLiteral("PunkteID=") + QString::number(alngPunkteID[i]), QString(), true))
            throw LetzterFehler(conBinnenDatabase);
        if (!ADO_Open_Recordset(con, rs, kPunkte, QStringLiteral("*"), QStringLiteral("1=2"), QString(),
                                false))
            throw LetzterFehler(con);
        pruefeTransaktion(con);
        rs->AddNew();
        rs->SetValue(QStringLiteral("RoutenID"), lngRoutenID);
        rs->SetValue(QStringLiteral("Nr"), static_cast<std::int32_t>(i + 1));
        rs->SetValue(QStringLiteral("BinnenExterneID"),
                     ADO_Field_Str(rsPunkt->Fields(QStringLiteral("ExterneID"))));
        rs->SetValue(QStringLiteral("LgDez"), rsPunkt->Fields(QStringLiteral("LgDez")).Value);
        rs->SetValue(QStringLiteral("BgDez"), rsPunkt->Fields(QStringLiteral("BgDez")).Value);
        rs->SetValue(QStringLiteral("km"), rsPunkt->Fields(QStringLiteral("Strecke")).Value);
        rs->Update();
        ADO_Close_Recordset(rs, true);
        ADO_Close_Recordset(rsPunkt, true);
    }
}

} // namespace

RoutenDB PruefeRoutenDB() {
    const ADODB::ConnectionPtr& con = conWPundRoutenDB;
    if (!con || !con->IsOpen() || !con->HasObject(kRouten) || !con->HasObject(kPunkte))
        return RoutenDB::Fehlt;
    if (con->Mode == ADODB::adModeRead) return RoutenDB::Schreibgeschuetzt;
    return RoutenDB::Bereit;
}

Ergebnis ListeRouten(std::int16_t intKatalogNr, std::vector<GespeicherteRoute>& audtRouten) {
    audtRouten.clear();
    return liesZeilen(kRouten, QStringLiteral("KatalogNr= ") + QString::number(intKatalogNr),
                      QStringLiteral("Uhrzeit desc"), [&](const ADODB::Recordset& rs) {
                          GespeicherteRoute r;
                          r.ID = CLng(ADO_Field_Str(rs.Fields(QStringLiteral("ID"))));
                          r.Bezeichnung = ADO_Field_Str(rs.Fields(QStringLiteral("Bezeichnung")));
                          r.Bemerkung = ADO_Field_Str(rs.Fields(QStringLiteral("Bemerkung")));
                          r.KatalogNr = intKatalogNr;
                          r.Uhrzeit = datumOderLeer(rs.Fields(QStringLiteral("Uhrzeit")));
                          r.Startzeit = datumOderLeer(rs.Fields(QStringLiteral("Startzeit")));
                          r.strMarschgeschw = ADO_Field_Str(rs.Fields(QStringLiteral("Marschgeschw")));
                          audtRouten.push_back(r);
                      });
}

Ergebnis SpeichereRoute(const RoutenKopf& kopf, const std::vector<std::int32_t>& alngPunkteID,
                        std::int16_t intKatalogNr, std::int32_t& lngRoutenID) {
    std::int32_t id = 0;
    Ergebnis erg = inTransaktion([&](const ADODB::ConnectionPtr& con, Schritt& schritt) {
        ADODB::RecordsetPtr rs;
        if (!ADO_Open_Recordset(con, rs, kRouten, QStringLiteral("*"), QStringLiteral("1=2"), QString(),
                                false))
            throw LetzterFehler(con);
        pruefeTransaktion(con);
        rs->AddNew();
        setzeKopf(*rs, kopf);
        rs->SetValue(QStringLiteral("KatalogNr"), intKatalogNr);
        rs->Update();
        id = CLng(ADO_Field_Str(rs->Fields(QStringLiteral("ID"))));
        ADO_Close_Recordset(rs, true);
        schritt = Schritt::Punkte;
        SpeichernPunkte(con, id, alngPunkteID);
    });
    if (erg) lngRoutenID = id;
    return erg;
}

Ergebnis UeberschreibeRoute(std::int32_t lngRoutenID, const RoutenKopf& kopf,
                            const std::vector<std::int32_t>& alngPunkteID) {
    const QString id = QString::number(lngRoutenID);
    return inTransaktion([&](const ADODB::ConnectionPtr& con, Schritt& schritt) {
        con->Execute(QStringLiteral("DELETE * FROM BinRoutenPunkte WHERE RoutenID=") + id);
        ADODB::RecordsetPtr rs;
        if (!ADO_Open_Recordset(con, rs, kRouten, QStringLiteral("*"), QStringLiteral("ID=") + id, QString(),
                                false))
            throw LetzterFehler(con);
        pruefeTransaktion(con);
        // A route deleted meanwhile has no row here: setting a field then fails, and nothing is written.
        setzeKopf(*rs, kopf);
        rs->Update();
        ADO_Close_Recordset(rs, true);
        schritt = Schritt::Punkte;
        SpeichernPunkte(con, lngRoutenID, alngPunkteID);
    });
}

Ergebnis LoescheRoute(std::int32_t lngRoutenID) {
    const QString id = QString::number(lngRoutenID);
    return inTransaktion([&](const ADODB::ConnectionPtr& con, Schritt&) {
        con->Execute(QStringLiteral("DELETE * FROM BinRoutenPunkte WHERE RoutenID=") + id);
        con->Execute(QStringLiteral("DELETE * FROM BinRouten WHERE ID=") + id);
    });
}

Ergebnis LesePunkte(std::int32_t lngRoutenID, bool blnInvers, std::vector<GespeicherterPunkt>& audtPunkte) {
    audtPunkte.clear();
    return liesZeilen(kPunkte, QStringLiteral("RoutenID=") + QString::number(lngRoutenID),
                      blnInvers ? QStringLiteral("Nr Desc") : QStringLiteral("Nr"),
                      [&](const ADODB::Recordset& rs) {
                          GespeicherterPunkt p;
                          p.Nr = CLng(ADO_Field_Str(rs.Fields(QStringLiteral("Nr"))));
                          p.BinnenExterneID = ADO_Field_Str(rs.Fields(QStringLiteral("BinnenExterneID")));
                          p.LgDez = zahlOderNull(rs.Fields(QStringLiteral("LgDez")));
                          p.BgDez = zahlOderNull(rs.Fields(QStringLiteral("BgDez")));
                          p.km = zahlOderNull(rs.Fields(QStringLiteral("km")));
                          audtPunkte.push_back(p);
                      });
}

std::array<QString, 5> ListenZellen(const GespeicherteRoute& route, const QString& strModul) {
    return {route.Bezeichnung, FormatStartzeit(route.Startzeit, strModul), route.strMarschgeschw,
            FormatStartzeit(route.Uhrzeit, strModul), route.Bemerkung};
}

QString MeldungsTitel() {
    return objOLM3Cfg ? objOLM3Cfg->GetAppTitel() : QString();
}

RuntimeError LetzterFehler(const ADODB::ConnectionPtr& con) {
    if (con && !con->Errors.empty())
        return RuntimeError(con->Errors.front().Number, con->Errors.front().Description);
    return RuntimeError(olm3::ErrNo::ConnectionClosed, GetText(kModul, 9102));
}

} // namespace olm3::planning
