#include "routing/core/bootprofil.h"

#include "data/modOLM3Binnen.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <cmath>

namespace olm3 {

namespace {
constexpr int kNameLaenge = 60;

double& Wert(BootProfil& p, BootFeld f) {
    switch (f) {
    case BootFeld::Laenge: return p.dblLaenge;
    case BootFeld::Breite: return p.dblBreite;
    case BootFeld::Hoehe: return p.dblHoehe;
    case BootFeld::Tiefgang: return p.dblTiefgang;
    case BootFeld::Sicherheit: return p.dblSicherheit;
    case BootFeld::Verbrauch: return p.dblVerbrauch;
    case BootFeld::MarschV:
    case BootFeld::Name: break;
    }
    return p.dblMarschV;
}

double WertVon(const BootProfil& p, BootFeld f) { return Wert(const_cast<BootProfil&>(p), f); }

double Standard(BootFeld f) { return f == BootFeld::Sicherheit ? BootProfil{}.dblSicherheit : 0.0; }
} // namespace

QString BootSchluessel(BootFeld f) {
    switch (f) {
    case BootFeld::Name: return QStringLiteral("Name");
    case BootFeld::Laenge: return QStringLiteral("Laenge");
    case BootFeld::Breite: return QStringLiteral("Breite");
    case BootFeld::Hoehe: return QStringLiteral("Durchfahrtshoehe");
    case BootFeld::Tiefgang: return QStringLiteral("Tiefgang");
    case BootFeld::Sicherheit: return QStringLiteral("Sicherheitsabstand");
    case BootFeld::Verbrauch: return QStringLiteral("Verbrauch");
    case BootFeld::MarschV: break;
    }
    return QStringLiteral("Marschgeschwindigkeit");
}

double BootHoechstwert(BootFeld f) {
    switch (f) {
    case BootFeld::Laenge: return 150.0;
    case BootFeld::Breite: return 25.0;
    case BootFeld::Hoehe: return 40.0;
    case BootFeld::Tiefgang: return 10.0;
    case BootFeld::Sicherheit: return 5.0;
    case BootFeld::Verbrauch: return 1000.0;
    case BootFeld::MarschV: return 100.0;
    case BootFeld::Name: break;
    }
    return kNameLaenge;
}

QString BootWertText(const BootProfil& p, BootFeld f) {
    if (f == BootFeld::Name) return p.strName;
    const double v = WertVon(p, f);
    if (v <= 0 && f != BootFeld::Sicherheit) return QString();
    // Written with the decimal point of the numbers around it; either point reads back.
    return QString::number(std::round(v * 100) / 100, 'g', 10).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

std::int32_t SetzeBootWert(BootProfil& p, BootFeld f, const QString& strWert) {
    const QString t = strWert.trimmed();
    if (f == BootFeld::Name) {
        if (t.size() > kNameLaenge) return 9887;
        p.strName = t;
        return 0;
    }
    if (t.isEmpty()) {
        Wert(p, f) = Standard(f);
        return 0;
    }
    if (!modOLM3Binnen::IsNumeric(t)) return 9882;
    const double v = modOLM3Binnen::CDbl(t);
    if (!std::isfinite(v)) return 9882;
    if (f == BootFeld::Sicherheit) {
        if (v < 0) return 9885;
    } else if (v <= 0) {
        return 9883;
    }
    if (v > BootHoechstwert(f)) return 9884;
    Wert(p, f) = v;
    return 0;
}

BootProfil LeseBootProfil(const QString& strIniDatei) {
    BootProfil p;
    if (strIniDatei.isEmpty()) return p;
    QSettings ini(strIniDatei, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Boot"));
    for (int i = 0; i < kBootFelder; ++i) {
        const auto f = static_cast<BootFeld>(i);
        const QVariant v = ini.value(BootSchluessel(f));
        // An unquoted name with a comma reads as a list.
        const QString text = v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", "))
                                                                  : v.toString();
        BootProfil probe = p;
        if (SetzeBootWert(probe, f, text) == 0) p = probe;
    }
    return p;
}

bool SchreibeBootProfil(const QString& strIniDatei, const BootProfil& p) {
    if (strIniDatei.isEmpty()) return false;
    for (int i = 0; i < kBootFelder; ++i) {
        const auto f = static_cast<BootFeld>(i);
        QString text;
        if (f == BootFeld::Name) {
            // Quoted, so that a comma or a semicolon in the name reads back as it was written.
            text = p.strName;
            text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
            text = QLatin1Char('"') + text + QLatin1Char('"');
        } else {
            text = QString::number(WertVon(p, f), 'g', 10);
            if (f != BootFeld::Sicherheit && WertVon(p, f) <= 0) text.clear();
        }
        if (!modOLM3Binnen::WriteIniString(strIniDatei, QStringLiteral("Boot"), BootSchluessel(f), text))
            return false;
    }
    return true;
}

} // namespace olm3
