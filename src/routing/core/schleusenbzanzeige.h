#pragma once
// The contents of the lock operating-hours screen, without widgets: the weekday table with one column
// per season and the holiday table with its dated, joined and expanded rows, as read from the catalogue.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace olm3::routing {

/// The date of a movable holiday in lngJahr by the code the screen dates it with ("OFr", "OSam", "OSo"
/// or "O", "OMo", "HF", "PfSam", "Pf" or "PfSo", "PfMo", "Fl", "BBT"; any letter case). An invalid
/// date for every other code.
QDate FTDatum(const QString& strCode, std::int32_t lngJahr);

/// A season as the column heading shows it: "dd.mm - dd.mm". A text that is no date stays as it is.
QString SaisonUeberschrift(const QString& strSaisonVon, const QString& strSaisonBis);

/// An operating window "hh:nn - hh:nn"; an end at 00:00 is midnight at the end of the day, "24:00".
/// A time that cannot be read is shown as it is written.
QString BetriebszeitText(const QString& strVon, const QString& strBis);

/// True when the date stands for "no date" (invalid, or the date origin).
bool IstOhneDatum(const QDateTime& datDatum);

// ---- weekday table ------------------------------------------------------------------------------

/// One operating row of a lock (SBZ_Wochentage).
struct WTEintrag {
    QString strWtID;
    QString strSaisonVon;
    QString strSaisonBis;
    QString strVon;
    QString strBis;
    bool blnBetrieb = true;
    QString strSRID; ///< special-rule id of the window, empty when none
};

/// One cell of a season column: its text and the special-rule id that marks it.
struct WTZelle {
    QString strText;
    QString strSRID;
};

/// One row of the weekday table. A weekday with several windows in a season has several rows in a
/// block; the rows after the first are inserted ones.
struct WTZeile {
    std::int32_t lngNr = 0; ///< weekday number, Monday = 1
    QString strTag;         ///< name of the weekday
    QString strWtID;        ///< weekday code ("Mo" ... "So")
    bool blnEingefuegt = false;
    std::vector<WTZelle> aZellen; ///< one per season
};

struct WTTabelle {
    QStringList aSaisons; ///< column headings, in the order the seasons first appear
    std::vector<WTZeile> aZeilen;
};

/// Lays the operating rows (ordered by season start and opening time) out over the weekdays: a new
/// season opens a column, a second window on the same day takes the next row of the weekday (inserted
/// below its rows when there is none), and an inserted row repeats the cell above it in a season where
/// it has no window of its own. Rows whose weekday is not among aTage are left out.
WTTabelle BaueWTTabelle(const std::vector<WTZeile>& aTage, const std::vector<WTEintrag>& aEintraege);

// ---- holiday table ------------------------------------------------------------------------------

/// One holiday rule of a lock (V_SBZ_FT).
struct FTRegel {
    QString strFeiertageID; ///< holiday code, or "REST" for every other holiday the lock keeps
    QString strFTID;        ///< code that dates a movable holiday
    QString strFTText;
    QString strRefWT; ///< weekday code, "WT" (working day) or empty
    QString strVon;
    QString strBis;
    bool blnBetrieb = true;
};

/// A holiday the lock keeps (V_IST_FEIERTAG).
struct FTFeiertag {
    QString strFeiertageID;
    QString strFTID;
    QString strFTText;
};

enum class FTZeilenart { Regel, Rest, Trenner };

/// One row of the holiday table.
struct FTZeile {
    FTZeilenart art = FTZeilenart::Regel;
    QString strFeiertageID; ///< row data: the holiday of the row ("REST" rows carry their holiday's)
    QString strFeiertag;    ///< the holiday, with the date of a movable one in the year of the date given
    QString strRegel;       ///< its window, "kein Betrieb" or "wie" and the weekday
    QString strBedingung;   ///< "wenn" and the weekdays the rule is bound to, or empty
    bool blnFett = false;   ///< the holiday falls on the date given
};

/// The holiday table: one row per rule, rules of one holiday with the same window and a weekday
/// condition joined into one row, and the "REST" rules repeated for every kept holiday that has no
/// rule of its own, after a separator row. With a date (IstOhneDatum false) the movable holidays are
/// dated in its year and the holiday that falls on it is marked.
std::vector<FTZeile> BaueFTTabelle(const std::vector<FTRegel>& aRegeln,
                                   const std::vector<FTFeiertag>& aFeiertage, const QDateTime& datDatum);

// ---- reading the catalogue ----------------------------------------------------------------------

/// The lock's special-rule text; empty when it has none. False when it cannot be read (a message
/// was shown).
bool LeseSonderregelung(std::int32_t lngSchleusenID, QString& strSR);
/// The weekdays and the lock's operating rows as a table; lngAnzahl gets the number of operating rows.
/// False when a table cannot be read (a message was shown).
bool LeseWTTabelle(std::int32_t lngSchleusenID, WTTabelle& tabelle, std::int32_t& lngAnzahl);
/// The lock's holiday table (see BaueFTTabelle); lngAnzahl gets the number of rules. False when the
/// rules or the kept holidays cannot be read.
bool LeseFTTabelle(std::int32_t lngSchleusenID, const QDateTime& datDatum, std::vector<FTZeile>& aZeilen,
                   std::int32_t& lngAnzahl);

} // namespace olm3::routing
