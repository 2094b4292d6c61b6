#include "data/katalogbegriffe.h"

#include "data/texttable.h"

#include <QHash>

namespace olm3 {

namespace {

/// Text ids of the vocabulary's English words (module "Katalog"), by code.
const QHash<QString, int>& ids(KatalogWort art) {
    static const QHash<QString, int> typen{{"A", 10015}, {"S", 10016}, {"B", 10017}, {"H", 10018},
                                           {"T", 10019}, {"L", 10020}, {"W", 10021}};
    static const QHash<QString, int> tage{{"MO", 10022}, {"DI", 10023}, {"MI", 10024}, {"DO", 10025},
                                          {"FR", 10026}, {"SA", 10027}, {"SO", 10028}, {"WT", 10029}};
    // The short weekday names the planning window shows already.
    static const QHash<QString, int> kurz{{"MO", 1449}, {"DI", 1450}, {"MI", 1451}, {"DO", 1452},
                                          {"FR", 1453}, {"SA", 1454}, {"SO", 1455}};
    static const QHash<QString, int> feiertage{
        {"NJ", 10030},    {"DK", 10031},  {"O", 10032},    {"OSAM", 10033}, {"MF", 10034},  {"HF", 10035},
        {"PFSAM", 10036}, {"PF", 10037},  {"FL", 10038},   {"MHF", 10039},  {"TDE", 10040}, {"RT", 10041},
        {"ALLH", 10042},  {"BBT", 10043}, {"HLLA", 10044}, {"W", 10045},    {"SILV", 10046}};
    switch (art) {
    case KatalogWort::Typ:
        return typen;
    case KatalogWort::Wochentag:
        return tage;
    case KatalogWort::WochentagKurz:
        return kurz;
    case KatalogWort::Feiertag:
        break;
    }
    return feiertage;
}

} // namespace

QString KatalogBegriff(KatalogWort art, const QString& strCode, const QString& strKatalogText) {
    if (TextTable::AktuelleSprache() == Sprache::De) return strKatalogText;
    const int id = ids(art).value(strCode.trimmed().toUpper(), 0);
    if (id == 0) return strKatalogText;
    const QString modul =
        art == KatalogWort::WochentagKurz ? QStringLiteral("frmRoutenPlanung") : QStringLiteral("Katalog");
    return TextTable::Builtin().Text(Sprache::En, modul, id, strKatalogText);
}

} // namespace olm3
