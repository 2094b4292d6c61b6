#include "routing/core/schleusenbz.h"

#include "data/modOLM3Binnen.h"
#include "olm3binnen/types.h"
#include "routing/core/datum.h"
#include "routing/core/feiertage.h"

#include <QStringList>
#include <optional>

using namespace modOLM3Binnen;

namespace olm3::routing {

namespace {

/// At most this many days are examined; a lock that never opens ends the search here.
constexpr std::int32_t kMaxSchritte = 366;
/// Closed on every weekday without a holiday: the lock is in its closed season.
constexpr std::int32_t kWochentage = 7;

bool gleich(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

QString feld(const ADODB::RecordsetPtr& rs, const char* strName) {
    return ADO_Field_Str(rs->Fields(QString::fromLatin1(strName)));
}

/// A time of day of the current row; a text that is no time is a run-time error. Catalogue authors write
/// the end of the day "24:00", as the screen shows it: that is midnight, which ends the day's window.
QTime uhrzeit(const ADODB::RecordsetPtr& rs, const char* strName) {
    const QString t = feld(rs, strName).trimmed();
    if (t == QLatin1String("24:00") || t == QLatin1String("24:00:00")) return QTime(0, 0);
    return CDate(t).time();
}

bool abfrage(const QString& strName, const QVariantList& avarParameter, ADODB::RecordsetPtr& rs) {
    ADODB::Command cmd;
    cmd.ActiveConnection = conBinnenDatabase;
    cmd.CommandText = strName;
    std::int32_t lngAnzahl = 0;
    return ADO_GetFromCmd_Recordset(cmd, avarParameter, rs, lngAnzahl);
}

enum class FTZeile { Waehlen, Verweis, Uebergehen };

/// What a holiday row means for a day of weekday strWT: the holiday's own window (no RefWT), a
/// reference to a weekday's regular hours (RefWT without times), or a window for the days RefWT names
/// ("WT": Monday to Friday).
FTZeile pruefeFTZeile(const ADODB::RecordsetPtr& rs, const QString& strWT) {
    const QString strRefWT = feld(rs, "RefWT").trimmed();
    if (strRefWT.isEmpty()) return FTZeile::Waehlen;
    if (feld(rs, "UhrzeitVon").trimmed().isEmpty() && feld(rs, "UhrzeitBis").trimmed().isEmpty())
        return FTZeile::Verweis;
    if (strRefWT.compare(strWT, Qt::CaseInsensitive) == 0 ||
        (gleich(strRefWT, "WT") && !IstWochenende(strWT)))
        return FTZeile::Waehlen;
    return FTZeile::Uebergehen;
}

/// Moves rs to the holiday row that serves the day; true when there is one. A reference row makes the
/// day keep the hours of its weekday: a working-day reference turns a weekend into a Monday.
bool waehleFTZeile(const ADODB::RecordsetPtr& rs, QString& strWT) {
    for (; !rs->Eof(); rs->MoveNext()) {
        switch (pruefeFTZeile(rs, strWT)) {
        case FTZeile::Waehlen:
            return true;
        case FTZeile::Verweis: {
            const QString strRefWT = feld(rs, "RefWT").trimmed();
            if (!gleich(strRefWT, "WT"))
                strWT = strRefWT;
            else if (IstWochenende(strWT))
                strWT = QStringLiteral("Mo");
            break;
        }
        case FTZeile::Uebergehen:
            break;
        }
    }
    return false;
}

enum class Lage { Innen, Davor, Danach };

/// Where datZeit stands to the window of the current row, on the day of datZeit. A closing time of 00:00
/// is midnight at the end of the day; a window whose closing lies before its opening runs across
/// midnight, from the evening before or into the next morning.
Lage pruefeFenster(const ADODB::RecordsetPtr& rs, const QDateTime& datZeit, QDateTime& datVon) {
    const QTime von = uhrzeit(rs, "UhrzeitVon");
    const QTime bis = uhrzeit(rs, "UhrzeitBis");
    datVon = olm3::MakeDatum(datZeit.date(), von);
    QDateTime datBis = olm3::MakeDatum(datZeit.date(), bis);
    if (bis == QTime(0, 0)) datBis = datBis.addDays(1);
    if (datVon > datBis) {
        if (datBis > datZeit)
            datVon = datVon.addDays(-1);
        else
            datBis = datBis.addDays(1);
    }
    if (datVon <= datZeit && datZeit <= datBis) return Lage::Innen;
    return datZeit < datBis ? Lage::Davor : Lage::Danach;
}

/// One search for the next operating window of a lock.
class SchleusenSuche {
public:
    SchleusenSuche(std::int32_t lngDetailsID, const QDateTime& datZeit, ADODB::RecordsetPtr& rs,
                   double& dblWartezeit, QString& strNB, QString& strSR)
        : m_lngDetailsID(lngDetailsID), m_datZeit(datZeit), m_rs(rs), m_dblWartezeit(dblWartezeit),
          m_strNB(strNB), m_strSR(strSR) {
        // Windows are compared to the second.
        m_datZeit = olm3::MakeDatum(
            datZeit.date(), QTime(datZeit.time().hour(), datZeit.time().minute(), datZeit.time().second()));
    }

    bool Suche() {
        for (std::int32_t lngSchritt = 1;; ++lngSchritt) {
            const std::optional<bool> ergebnis = schritt();
            if (ergebnis) {
                if (!*ergebnis) {
                    m_warten.intGrund = wgKeineDaten;
                    m_warten.datOhneDaten = m_datTag;
                }
                return *ergebnis;
            }
            if (lngSchritt >= kMaxSchritte) {
                m_warten.intGrund = wgKeinBetrieb;
                return true;
            }
            // Every weekday closed since the last window: a closed season. Only a weekday row knows where
            // its season ends (a holiday row's season is the whole year), so a closed holiday does not jump.
            if (m_blnGeschlossen && !m_blnFTZeile && m_lngGeschlossen >= kWochentage) springe();
            StepPause(QStringLiteral("GetSchleusenBZ"));
        }
    }

    /// True when the lock operates at the moment of the search, without waiting: the first day alone.
    bool OffenJetzt() {
        const std::optional<bool> ergebnis = schritt();
        return ergebnis && *ergebnis && m_dblWartezeit == 0;
    }

    /// Why the boat waits, as far as the search has found out.
    const SchleusenWarten& Warten() const { return m_warten; }

private:
    /// Examines the day of m_datZeit from m_datZeit on. A result ends the search; without one the search
    /// stands at the next midnight with the wait until then added.
    std::optional<bool> schritt() {
        ADO_Close_Recordset(m_rs, true);
        m_strSR.clear();
        m_datTag = m_datZeit.date();
        QString strWT = WochentagKuerzel(m_datTag);
        bool blnFeiertag = false;
        const QString strFT = GetFT(m_datZeit, m_lngDetailsID, blnFeiertag, false);
        if (strFT.isEmpty() && !m_astrGesehen.contains(strWT)) {
            m_astrGesehen << strWT;
            ++m_lngGeschlossen;
        }
        m_blnFTZeile = false;
        if (!strFT.isEmpty()) {
            if (!abfrage(QStringLiteral("V_GET_BZ_FT"), {m_lngDetailsID, strFT, blnFeiertag ? 1 : 0, strWT},
                         m_rs))
                return false;
            m_blnFTZeile = waehleFTZeile(m_rs, strWT);
        }
        if (!m_blnFTZeile) {
            ADO_Close_Recordset(m_rs, true);
            if (!abfrage(QStringLiteral("V_GET_BZ_WT"),
                         {m_lngDetailsID, m_datTag.toString(QStringLiteral("yyyy-MM-dd")), strWT}, m_rs) ||
                m_rs->Eof())
                return false;
            m_strNB = feld(m_rs, "NB");
        }
        m_strSR = feld(m_rs, "SRID");

        m_blnGeschlossen = false;
        for (; !m_rs->Eof(); m_rs->MoveNext()) {
            // The holiday rows of other weekdays follow in the same result; they are no windows of this day.
            if (m_blnFTZeile && pruefeFTZeile(m_rs, strWT) != FTZeile::Waehlen) continue;
            if (!CBool(feld(m_rs, "Betrieb"))) {
                m_blnGeschlossen = true;
                m_strSaisonBis = feld(m_rs, "saisonbis");
                break;
            }
            m_lngGeschlossen = 0;
            QDateTime datVon;
            const Lage lage = pruefeFenster(m_rs, m_datZeit, datVon);
            if (lage == Lage::Innen) return geoeffnet(m_datZeit);
            if (lage == Lage::Davor) {
                m_dblWartezeit += WartezeitStunden(m_datZeit, datVon);
                return geoeffnet(datVon);
            }
        }
        // A lock that works on request opens on a closed day when asked.
        if (m_blnGeschlossen && (gleich(m_strNB, "NB") || gleich(m_strSR, "NB"))) {
            m_warten.intGrund = m_dblWartezeit > 0 ? wgNachBedarf : wgKeiner;
            m_warten.datOeffnet = m_datZeit;
            return true;
        }
        warteBis(olm3::MakeDatum(m_datTag.addDays(1)));
        return std::nullopt;
    }

    /// A closed season is crossed from holiday to holiday (a holiday may have opening hours of its own),
    /// or to the day after the season's end, whichever comes first.
    void springe() {
        // The search stands at the first day not yet examined; that day may itself be a holiday.
        QDateTime datSprung = m_datZeit;
        bool blnFeiertag = false;
        GetFT(datSprung, m_lngDetailsID, blnFeiertag, true);
        // The season's last day is the next one on or after the closed day: a winter season ends in the
        // next year.
        const QDate datBis = CDate(m_strSaisonBis).date();
        QDate datSaisonEnde = DatumImJahr(datSprung.date().year(), datBis.month(), datBis.day());
        if (datSaisonEnde < m_datTag)
            datSaisonEnde = DatumImJahr(datSaisonEnde.year() + 1, datBis.month(), datBis.day());
        if (datSprung.date() > datSaisonEnde) {
            datSprung = olm3::MakeDatum(datSaisonEnde.addDays(1));
            m_astrGesehen.clear();
            m_warten.datSaisonBis = datSaisonEnde;
        }
        warteBis(datSprung);
    }

    /// The lock can be passed at datAb: why the boat waited until then, if it did.
    bool geoeffnet(const QDateTime& datAb) {
        m_warten.datOeffnet = datAb;
        const QString strSR = m_strSR.trimmed();
        if (m_dblWartezeit <= 0) m_warten.intGrund = wgKeiner;
        // A closed season explains the wait only when the lock opens when the season ends, not at a holiday
        // inside it.
        else if (m_warten.datSaisonBis.isValid() && datAb.date() == m_warten.datSaisonBis.addDays(1))
            m_warten.intGrund = wgSaisonpause;
        else if (!strSR.isEmpty() && !gleich(strSR, "NB")) m_warten.intGrund = wgSonderregel;
        else m_warten.intGrund = wgOeffnet;
        return true;
    }

    void warteBis(const QDateTime& dat) {
        m_dblWartezeit += WartezeitStunden(m_datZeit, dat);
        m_datZeit = dat;
    }

    const std::int32_t m_lngDetailsID;
    QDateTime m_datZeit;
    ADODB::RecordsetPtr& m_rs;
    double& m_dblWartezeit;
    QString& m_strNB;
    QString& m_strSR;
    QDate m_datTag;                    ///< the day the current step examines
    QStringList m_astrGesehen;         ///< weekdays without a holiday seen so far
    std::int32_t m_lngGeschlossen = 0; ///< of them, seen since the lock last had a window
    bool m_blnFTZeile = false;         ///< the day's rows are holiday rows
    bool m_blnGeschlossen = false;
    QString m_strSaisonBis;
    SchleusenWarten m_warten;
};

} // namespace

bool GetSchleusenBZ(std::int32_t lngDetailsID, QDateTime datZeit, double& dblWartezeit, QString& strNB,
                    QString& strSR, SchleusenWarten* pWarten) {
    ADODB::RecordsetPtr rs;
    dblWartezeit = 0;
    strNB.clear();
    strSR.clear();
    bool blnErgebnis = false;
    try {
        // A boat must have entered the chamber by the end of the operating time. Arriving at midnight, it
        // arrives at the closing time of a window that runs to the end of the day before: it still passes.
        if (datZeit.time().hour() == 0 && datZeit.time().minute() == 0 && datZeit.time().second() == 0) {
            const QDateTime datVortag = olm3::MakeDatum(datZeit.date().addDays(-1), QTime(23, 59, 59));
            double dblVortag = 0;
            QString strNBVortag, strSRVortag;
            if (SchleusenSuche(lngDetailsID, datVortag, rs, dblVortag, strNBVortag, strSRVortag).OffenJetzt()) {
                strNB = strNBVortag;
                strSR = strSRVortag;
                if (pWarten) *pWarten = SchleusenWarten{};
                ADO_Close_Recordset(rs, true);
                return true;
            }
        }
        SchleusenSuche suche(lngDetailsID, datZeit, rs, dblWartezeit, strNB, strSR);
        blnErgebnis = suche.Suche();
        if (pWarten) *pWarten = suche.Warten();
    } catch (const std::exception& e) {
        ShowRuntimeError(QStringLiteral("[clsOLM3Binnen.GetSchleusenBZ]"), e);
        blnErgebnis = false;
    }
    ADO_Close_Recordset(rs, true);
    return blnErgebnis;
}

} // namespace olm3::routing
