#pragma once
// The fixed vocabulary every catalogue carries (object types, weekdays, holidays) in the language of the
// user interface. The catalogue holds it in German; in English the text table serves it by code.

#include <QString>

namespace olm3 {

enum class KatalogWort {
    Typ,           ///< an object type by TypenID ("S": "Schleuse")
    Wochentag,     ///< a weekday by WTID ("Mo": "Montag"; "WT": "Werktag")
    WochentagKurz, ///< a weekday's short name by WTID ("Mo")
    Feiertag,      ///< a holiday by FTID ("NJ": "Neujahr")
};

/// The catalogue's word in the current language: in German the catalogue's own text; in English the text
/// table's word for the code, or the catalogue's own text for a code every catalogue does not carry.
QString KatalogBegriff(KatalogWort art, const QString& strCode, const QString& strKatalogText);

} // namespace olm3
