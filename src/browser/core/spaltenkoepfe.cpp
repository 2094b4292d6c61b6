#include "browser/core/spaltenkoepfe.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

namespace olm3::browser {

namespace {
QString text(std::int32_t id) {
    return modOLM3Binnen::GetText(kModul, id);
}
QString zweiZeilen(std::int32_t id, const QString& einheit) {
    return text(id) + QLatin1Char('\n') + einheit;
}
const QString kKm = QStringLiteral("km");
const QString kM = QStringLiteral("m");
const QString kKmh = QStringLiteral("km/h");
} // namespace

QStringList GewaesserKoepfe() {
    using modOLM3Binnen::StripAmpersand;
    const QString laenge = text(820), breite = text(821);
    return {text(815),
            zweiZeilen(810, kKm),
            zweiZeilen(825, kKmh),
            zweiZeilen(866, kM),
            zweiZeilen(858, kM),
            zweiZeilen(859, kM),
            laenge + QLatin1Char(' ') + text(822),
            breite + QLatin1Char(' ') + text(822),
            laenge + QLatin1Char(' ') + text(823),
            breite + QLatin1Char(' ') + text(823),
            text(891).replace(QStringLiteral("%1"), QStringLiteral("\n")),
            StripAmpersand(text(803)),
            StripAmpersand(text(804)),
            text(892).replace(QStringLiteral("%1"), QStringLiteral("\n")),
            StripAmpersand(text(806)),
            StripAmpersand(text(807))};
}

QStringList PunkteKoepfe() {
    QStringList k;
    for (int c = 0; c < kPunkteSpalten; ++c)
        k << QString();
    k[pcKM] = zweiZeilen(816, kKm);
    k[pcTyp] = text(811);
    k[pcName] = text(815) + QStringLiteral(" / ") + text(828);
    k[pcBreite] = text(821);
    k[pcLaenge] = text(820);
    k[pcVmax] = zweiZeilen(825, kKmh);
    k[pcTiefe] = zweiZeilen(866, kM);
    return k;
}

QStringList SuchKoepfe() {
    QStringList k;
    for (int c = 0; c < kSuchSpalten; ++c)
        k << QString();
    k[scName] = text(815);
    k[scGewaesser] = text(848);
    k[scKM] = zweiZeilen(816, kKm);
    k[scBreite] = text(821);
    k[scLaenge] = text(820);
    k[scEntfernung] = zweiZeilen(938, kKm);
    return k;
}

} // namespace olm3::browser
