#include "component/iniconfig.h"

#include "data/texttable.h"

#include <QDir>
#include <cmath>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

namespace olm3 {

namespace {
QString withSlash(const QString& s) {
    if (s.isEmpty() || s.endsWith(QLatin1Char('/'))) return s;
    return s + QLatin1Char('/');
}
} // namespace

bool IniConfig::Load(const QString& strIniDatei) {
    QFileInfo fi(strIniDatei);
    if (!fi.isReadable()) return false;
    m_iniDatei = fi.absoluteFilePath();
    QSettings ini(m_iniDatei, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Binnen"));
    const QDir base = fi.absoluteDir();
    auto path = [&](const QString& key) {
        const QString v = ini.value(key).toString();
        return v.isEmpty() ? QString() : QDir::cleanPath(base.absoluteFilePath(v));
    };
    m_katalogVerzeichnis = withSlash(path(QStringLiteral("KatalogVerzeichnis")));
    m_datenVerzeichnis = withSlash(path(QStringLiteral("DatenVerzeichnis")));
    const QString mdb = ini.value(QStringLiteral("BinnenMDB")).toString();
    if (!mdb.isEmpty()) {
        const QDir katalogDir(m_katalogVerzeichnis.isEmpty() ? base.absolutePath() : m_katalogVerzeichnis);
        m_katalog = QDir::cleanPath(katalogDir.absoluteFilePath(mdb));
    }
    bool ok = false;
    // A speed or consumption that is no finite number (nan, inf) or not above 0 keeps the default.
    double v = ini.value(QStringLiteral("Marschgeschwindigkeit")).toDouble(&ok);
    if (ok && std::isfinite(v) && v > 0) m_marschV = v;
    v = ini.value(QStringLiteral("Verbrauch")).toDouble(&ok);
    if (ok && std::isfinite(v) && v >= 0) m_verbrauch = v;
    m_toolTips = ini.value(QStringLiteral("ToolTips"), m_toolTips).toBool();
    m_schiffsparameter = ini.value(QStringLiteral("Schiffsparameter"), m_schiffsparameter).toBool();
    m_appTitel = ini.value(QStringLiteral("AppTitel"), m_appTitel).toString();
    auto colour = [&](const QString& key, QColor& c) {
        const QColor read(ini.value(key).toString());
        if (read.isValid()) c = read;
    };
    colour(QStringLiteral("Fensterfarbe"), m_fensterFarbe);
    colour(QStringLiteral("Farbe1"), m_farbe[0]);
    colour(QStringLiteral("Farbe2"), m_farbe[1]);
    colour(QStringLiteral("Farbe3"), m_farbe[2]);
    return true;
}

IniConfig IniConfig::ForCatalogue(const QString& strKatalog) {
    IniConfig c;
    const QFileInfo fi(strKatalog);
    c.m_katalog = fi.absoluteFilePath();
    c.m_katalogVerzeichnis = withSlash(fi.absolutePath());
    return c;
}

void IniConfig::FormatFenster(QWidget* frm) {
    if (!frm) return;
    QPalette pal = frm->palette();
    pal.setColor(QPalette::Window, m_fensterFarbe);
    frm->setPalette(pal);
    frm->setAutoFillBackground(true);
}

QPixmap IniConfig::GetBild(std::int32_t lngBildID) { return m_bilder.value(lngBildID); }

void IniConfig::SetBild(std::int32_t lngBildID, const QPixmap& pic) { m_bilder.insert(lngBildID, pic); }

QString IniConfig::GetText(const QString& strProjekt, const QString& strModul, std::int32_t lngTextID,
                           const QString& strDefault) {
    (void)strProjekt;
    return TextTable::Builtin().Text(strModul, lngTextID, strDefault);
}

} // namespace olm3
