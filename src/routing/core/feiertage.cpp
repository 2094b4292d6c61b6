#include "routing/core/feiertage.h"

#include "data/modOLM3Binnen.h"
#include "olm3binnen/types.h"
#include "routing/core/datum.h"

using namespace modOLM3Binnen;

namespace olm3::routing {

namespace {

/// Remainder that is never negative, so the Easter formula also holds for years before year 1.
std::int32_t modPos(std::int32_t a, std::int32_t n) {
    return ((a % n) + n) % n;
}

/// One candidate day of the holiday search. A special day (the Saturdays before Easter and Whitsun)
/// is matched under the code of its holiday but answered with its own code, without asking the catalogue.
struct FTKandidat {
    QDate datFeiertag;
    QString strCode;
    QString strSondertag;
};

void anhaengen(std::vector<FTKandidat>& k, const QDate& datFeiertag, const char* strCode,
               const char* strSondertag = "") {
    k.push_back({datFeiertag, QString::fromLatin1(strCode), QString::fromLatin1(strSondertag)});
}

/// Two holidays whose order changes with the date of Easter: the earlier one first; on the same day the
/// second one named wins, because it is tested first.
void inKalenderfolge(std::vector<FTKandidat>& k, const QDate& datA, const char* strA, const QDate& datB,
                     const char* strB) {
    if (datA.daysTo(datB) >= 1) {
        anhaengen(k, datA, strA);
        anhaengen(k, datB, strB);
    } else {
        anhaengen(k, datB, strB);
        anhaengen(k, datA, strA);
    }
}

/// The candidate days of a year in the order the search tests them; the order is the calendar order,
/// which lets the next-holiday search stop at the first match.
std::vector<FTKandidat> ftKandidaten(std::int32_t lngJahr) {
    const QDate datOstern = GetOstersonntag(lngJahr);
    const QDate datWeihnachten(lngJahr, 12, 25);
    std::vector<FTKandidat> k;
    k.reserve(20);
    anhaengen(k, QDate(lngJahr, 1, 1), "NJ");
    anhaengen(k, QDate(lngJahr, 1, 6), "DK");
    anhaengen(k, datOstern.addDays(-2), "O");
    anhaengen(k, datOstern.addDays(-1), "O", "OSam");
    anhaengen(k, datOstern, "O");
    anhaengen(k, datOstern.addDays(1), "O");
    // Ascension Day can fall on 1 May; it is the day the locks' timetables name then.
    inKalenderfolge(k, QDate(lngJahr, 5, 1), "MF", datOstern.addDays(39), "HF");
    anhaengen(k, datOstern.addDays(48), "Pf", "PfSam");
    anhaengen(k, datOstern.addDays(49), "Pf");
    anhaengen(k, datOstern.addDays(50), "Pf");
    inKalenderfolge(k, datOstern.addDays(60), "Fl", QDate(lngJahr, 8, 15), "MHF");
    anhaengen(k, QDate(lngJahr, 10, 3), "TDE");
    anhaengen(k, QDate(lngJahr, 10, 31), "RT");
    anhaengen(k, QDate(lngJahr, 11, 1), "AllH");
    // The Wednesday before the last Sunday of the church year: 16 to 22 November.
    anhaengen(k, datWeihnachten.addDays(-32 - datWeihnachten.dayOfWeek()), "BBT");
    anhaengen(k, QDate(lngJahr, 12, 24), "HllA");
    anhaengen(k, datWeihnachten, "W");
    anhaengen(k, QDate(lngJahr, 12, 26), "W");
    anhaengen(k, QDate(lngJahr, 12, 31), "Silv");
    return k;
}

} // namespace

QDate GetOstersonntag(std::int32_t lngJahr) {
    const std::int32_t a = modPos(lngJahr, 19);
    const std::int32_t b = lngJahr / 100;
    const std::int32_t c = modPos(lngJahr, 100);
    const std::int32_t d = b / 4;
    const std::int32_t e = modPos(b, 4);
    const std::int32_t f = (b + 8) / 25;
    const std::int32_t g = (b - f + 1) / 3;
    const std::int32_t h = modPos(19 * a + b - d - g + 15, 30);
    const std::int32_t i = c / 4;
    const std::int32_t k = modPos(c, 4);
    const std::int32_t l = modPos(32 + 2 * e + 2 * i - h - k, 7);
    const std::int32_t m = (a + 11 * h + 22 * l) / 451;
    const std::int32_t t = h + l - 7 * m + 114;
    // Day t mod 31 of month t div 31 is the Saturday before Easter (day 0: the last day of the month
    // before); Easter is the day after it.
    return DatumImJahr(lngJahr, t / 31, modPos(t, 31)).addDays(1);
}

QString PruefeFTDatum(QDateTime& datDatum, const QDate& datFeiertag, const QString& strCode,
                      bool blnNaechster) {
    const std::int64_t n = datDatum.date().daysTo(datFeiertag);
    if (n == 0) return strCode;
    if (blnNaechster && n > 0) {
        datDatum = olm3::MakeDatum(datFeiertag);
        return strCode;
    }
    return QString();
}

QString GetFT(QDateTime& datDatum, std::int32_t lngDetailsID, bool& blnFeiertag, bool blnNaechster) {
    ADODB::RecordsetPtr rs;
    blnFeiertag = false;
    if (!datDatum.isValid()) return QString();
    try {
        QString strFT, strSondertag;
        for (const FTKandidat& k : ftKandidaten(datDatum.date().year())) {
            const QString strTreffer = PruefeFTDatum(datDatum, k.datFeiertag, k.strCode, blnNaechster);
            if (strTreffer.isEmpty()) continue;
            if (k.strSondertag.isEmpty())
                strFT = strTreffer;
            else
                strSondertag = k.strSondertag;
            break;
        }
        if (strFT.isEmpty()) return strSondertag;

        // Which holidays a lock keeps depends on where it lies: only the catalogue knows.
        ADODB::Command cmd;
        cmd.ActiveConnection = conBinnenDatabase;
        cmd.CommandText = QStringLiteral("V_IST_FEIERTAG");
        std::int32_t lngAnzahl = 0;
        if (!ADO_GetFromCmd_Recordset(cmd, {lngDetailsID, strFT}, rs, lngAnzahl)) return QString();
        blnFeiertag = !rs->Eof();
        ADO_Close_Recordset(rs, true);
        return strFT;
    } catch (const std::exception& ex) {
        const olm3::RuntimeError e = AsRuntimeError(ex);
        WriteLogEntry(QStringLiteral("[clsOLM3Binnen.GetFT]"), e.Number(), e.Description());
        ADO_Close_Recordset(rs, true);
        blnFeiertag = false;
        return QString();
    }
}

std::vector<std::pair<QString, QDate>> FeiertageDesJahres(std::int32_t lngJahr) {
    std::vector<std::pair<QString, QDate>> aFeiertage;
    for (const FTKandidat& k : ftKandidaten(lngJahr)) {
        // A day that two candidates share (Ascension Day on 1 May) gets the code the search finds first.
        if (!aFeiertage.empty() && aFeiertage.back().second == k.datFeiertag) continue;
        aFeiertage.emplace_back(k.strSondertag.isEmpty() ? k.strCode : k.strSondertag, k.datFeiertag);
    }
    return aFeiertage;
}

} // namespace olm3::routing
