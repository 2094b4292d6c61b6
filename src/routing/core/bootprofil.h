#pragma once
// The boat profile in the host's settings file, and the check of each value the user types into it.

#include "olm3binnen/bootprofil.h"

#include <QString>
#include <cstdint>

namespace olm3 {

/// The values of a profile, in the order the dialog shows them.
enum class BootFeld { Name, Laenge, Breite, Hoehe, Tiefgang, Sicherheit, Verbrauch, MarschV };
constexpr int kBootFelder = 8;

/// The key of a field in the section "Boot" of the settings file.
QString BootSchluessel(BootFeld f);
/// The largest value a field accepts (sizes beyond it are typing errors, not boats).
double BootHoechstwert(BootFeld f);
/// The field's value as the dialog shows it: the number with up to two decimals, empty when not set.
QString BootWertText(const BootProfil& p, BootFeld f);

/// Takes the text typed for one field into the profile. An empty text leaves a measure unset (the margin
/// takes its default). Returns 0 when the value was taken; otherwise the id of the message text (module
/// "frmBootProfil": 9882 no number, 9883 zero or negative, 9884 too large, 9885 negative margin, 9887 name
/// too long) and the profile keeps its old value.
std::int32_t SetzeBootWert(BootProfil& p, BootFeld f, const QString& strWert);

/// The profile in the section "Boot" of a settings file; a value that is absent or not valid keeps its
/// default, so a damaged file never stops the component.
BootProfil LeseBootProfil(const QString& strIniDatei);
/// Writes every value of the profile into the section "Boot", keeping every other line of the file.
/// False when the file cannot be written.
bool SchreibeBootProfil(const QString& strIniDatei, const BootProfil& p);

} // namespace olm3
