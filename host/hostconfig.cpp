#include "hostconfig.h"

#include "data/modOLM3Binnen.h"
#include "data/texttable.h"
#include "hosttexts.h"
#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace olm3host {

QString HostText(std::int32_t lngTextID) {
    return olm3::TextTable::Builtin().Text(kHostModul, lngTextID);
}

namespace {

const QString kSektion = QStringLiteral("Binnen");
constexpr double kStandardMarschV = 8.0;
constexpr double kStandardVerbrauch = 6.0;

QString mitSchraegstrich(const QString& s) {
    return s.endsWith(QLatin1Char('/')) ? s : s + QLatin1Char('/');
}

bool gleicherOrdner(const QString& a, const QString& b) {
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

/// Catalogues that come with the program carry their catalogue number in the name ("1_Berlin...").
bool istMitgelieferterKatalog(const QString& strName) {
    static const QRegularExpression muster(QStringLiteral("^\\d+_.+\\.sqlite$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return muster.match(strName).hasMatch();
}

/// Copies a file so that no half-written copy is ever left under the final name.
bool kopiere(const QString& strVon, const QString& strNach) {
    const QString tmp = strNach + QStringLiteral(".kopie");
    QFile::remove(tmp);
    if (!QFile::copy(strVon, tmp)) return false;
    if (!QFile::rename(tmp, strNach)) {
        QFile::remove(tmp);
        return false;
    }
    return true;
}

/// Whether the file reads as settings. The settings reader looks at a section's lines only when they
/// are asked for, so every key is asked for once.
bool alsEinstellungenLesbar(const QString& strIni) {
    QSettings ini(strIni, QSettings::IniFormat);
    (void)ini.allKeys();
    return ini.status() == QSettings::NoError;
}

} // namespace

HostPfade HostPfade::Standard() {
    HostPfade p;
    p.strIniDatei = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/OLM3Binnen/olm3binnen-host.ini");
    p.strDatenVerzeichnis = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/OLM3Binnen/");
    return p;
}

HostPfade HostPfade::Unter(const QString& strRoot) {
    const QDir root(strRoot);
    HostPfade p;
    p.strIniDatei = root.absoluteFilePath(QStringLiteral("config/OLM3Binnen/olm3binnen-host.ini"));
    p.strDatenVerzeichnis = root.absoluteFilePath(QStringLiteral("data/OLM3Binnen")) + QLatin1Char('/');
    return p;
}

QStringList MitgelieferteKatalogOrdner() {
    QStringList kandidaten;
    if (QCoreApplication::instance()) {
        const QDir app(QCoreApplication::applicationDirPath());
        kandidaten << app.absoluteFilePath(QStringLiteral("../catalogue"))
                   << app.absoluteFilePath(QStringLiteral("../share/olm3binnen/catalogue"));
    }
    kandidaten << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                            QStringLiteral("olm3binnen/catalogue"),
                                            QStandardPaths::LocateDirectory);
    QStringList ordner;
    for (const QString& k : kandidaten) {
        const QString sauber = QDir::cleanPath(k);
        if (QFileInfo(sauber).isDir() && !ordner.contains(sauber)) ordner << sauber;
    }
    return ordner;
}

QStringList KatalogDateien(const QString& strVerzeichnis) {
    if (strVerzeichnis.isEmpty()) return {};
    return QDir(strVerzeichnis)
        .entryList({QStringLiteral("*.sqlite")}, QDir::Files | QDir::Readable, QDir::Name);
}

HostConfig::HostConfig(HostPfade pfade, QStringList astrMitgeliefert)
    : m_pfade(std::move(pfade)), m_mitgeliefert(std::move(astrMitgeliefert)) {}

void HostConfig::setzeStandard() {
    SetIniDatei(m_pfade.strIniDatei);
    SetKatalogVerzeichnis(m_pfade.KatalogVerzeichnis());
    SetDatenVerzeichnis(m_pfade.strDatenVerzeichnis);
    SetBinnenKatalog(m_pfade.KatalogVerzeichnis() + kStandardKatalog);
    IniConfig::SetMarschgeschwindigkeit(kStandardMarschV);
    SetBerichtWert(kStandardVerbrauch);
    SetToolTipsAn(true);
    SetSchiffsparameterGesetzt(true);
}

void HostConfig::Start() {
    m_meldungen.clear();
    m_iniUnbrauchbar = false;
    m_sprache = olm3::SpracheAusUmgebung();
    const QString ini = m_pfade.strIniDatei;
    setzeStandard();
    if (!QFileInfo::exists(ini)) {
        fuelleKatalogOrdner();
        // The first catalogue by name stands in when the usual one is not among the installed ones.
        const QStringList dateien = KatalogDateien(GetKatalogVerzeichnis());
        if (!dateien.isEmpty() && !dateien.contains(kStandardKatalog))
            SetBinnenKatalog(GetKatalogVerzeichnis() + dateien.first());
        legeIniAn();
    } else {
        QFile f(ini);
        if (!f.open(QIODevice::ReadOnly)) {
            m_iniUnbrauchbar = true;
            m_meldungen << HostText(txt::IniNichtLesbar).arg(QDir::toNativeSeparators(ini));
        } else if (!alsEinstellungenLesbar(ini)) {
            m_iniUnbrauchbar = true;
            m_meldungen << HostText(txt::IniBeschaedigt).arg(QDir::toNativeSeparators(ini));
        } else {
            Load(ini);
            const QSettings einstellungen(ini, QSettings::IniFormat);
            const QString sprache = einstellungen.value(kSektion + QStringLiteral("/Sprache")).toString();
            m_sprache = olm3::SpracheAusKuerzel(sprache).value_or(m_sprache);
            // Keys a user removed fall back to their defaults.
            if (GetKatalogVerzeichnis().isEmpty()) SetKatalogVerzeichnis(m_pfade.KatalogVerzeichnis());
            if (GetDatenVerzeichnis().isEmpty()) SetDatenVerzeichnis(m_pfade.strDatenVerzeichnis);
        }
        fuelleKatalogOrdner();
    }
    if (KatalogDateien(GetKatalogVerzeichnis()).isEmpty())
        m_meldungen << HostText(txt::KeineKataloge).arg(QDir::toNativeSeparators(GetKatalogVerzeichnis()));
}

void HostConfig::legeIniAn() {
    if (!QDir().mkpath(QFileInfo(m_pfade.strIniDatei).absolutePath())) {
        m_meldungen << HostText(txt::IniSchreiben).arg(QDir::toNativeSeparators(m_pfade.strIniDatei));
        return;
    }
    const QList<QPair<QString, QString>> werte = {
        {QStringLiteral("KatalogVerzeichnis"), GetKatalogVerzeichnis()},
        {QStringLiteral("BinnenMDB"), QFileInfo(GetBinnenKatalog()).fileName()},
        {QStringLiteral("DatenVerzeichnis"), GetDatenVerzeichnis()},
        {QStringLiteral("Marschgeschwindigkeit"), QString::number(GetMarschgeschwindigkeit())},
        {QStringLiteral("Verbrauch"), QString::number(GetBerichtWert())},
        {QStringLiteral("ToolTips"), QStringLiteral("1")},
        {QStringLiteral("Schiffsparameter"), QStringLiteral("1")},
        {QStringLiteral("AppTitel"), GetAppTitel()},
        {QStringLiteral("Fensterfarbe"), GetFensterFarbe().name()},
        {QStringLiteral("Farbe1"), GetFarbe1().name()},
        {QStringLiteral("Farbe2"), GetFarbe2().name()},
        {QStringLiteral("Farbe3"), GetFarbe3().name()},
    };
    for (const auto& [key, wert] : werte) {
        if (!modOLM3Binnen::WriteIniString(m_pfade.strIniDatei, kSektion, key, wert)) {
            m_meldungen << HostText(txt::IniSchreiben).arg(QDir::toNativeSeparators(m_pfade.strIniDatei));
            return;
        }
    }
    Load(m_pfade.strIniDatei);
}

void HostConfig::fuelleKatalogOrdner() {
    const QString ziel = GetKatalogVerzeichnis();
    // Only the profile's own folder is filled; a folder the user chose is the user's.
    if (!gleicherOrdner(ziel, m_pfade.KatalogVerzeichnis()) || !KatalogDateien(ziel).isEmpty()) return;
    for (const QString& ordner : m_mitgeliefert) {
        const QDir quelle(ordner);
        QStringList dateien = KatalogDateien(ordner);
        dateien.erase(std::remove_if(dateien.begin(), dateien.end(),
                                     [](const QString& n) { return !istMitgelieferterKatalog(n); }),
                      dateien.end());
        if (dateien.isEmpty()) continue;
        if (!QDir().mkpath(ziel)) return;
        for (const QString& name : dateien)
            kopiere(quelle.absoluteFilePath(name), mitSchraegstrich(ziel) + name);
        // Object pictures that come with the catalogues.
        const QDir bilder(quelle.absoluteFilePath(QStringLiteral("UXABilder")));
        const QString bilderZiel = GetDatenVerzeichnis() + QStringLiteral("UXABilder/");
        if (bilder.exists() && !QFileInfo::exists(bilderZiel) && QDir().mkpath(bilderZiel)) {
            for (const QString& name : bilder.entryList(QDir::Files))
                kopiere(bilder.absoluteFilePath(name), bilderZiel + name);
        }
        return;
    }
}

bool HostConfig::SetSprache(olm3::Sprache sprache) {
    m_sprache = sprache;
    if (Schreibe(QStringLiteral("Sprache"), olm3::SprachKuerzel(sprache))) return true;
    meldeSchreibfehler();
    return false;
}

bool HostConfig::Schreibe(const QString& strKey, const QString& strWert) {
    if (m_iniUnbrauchbar) return false;
    QDir().mkpath(QFileInfo(m_pfade.strIniDatei).absolutePath());
    return modOLM3Binnen::WriteIniString(m_pfade.strIniDatei, kSektion, strKey, strWert);
}

QString HostConfig::GetIniDatei() {
    return m_iniUnbrauchbar ? QString() : IniConfig::GetIniDatei();
}

void HostConfig::SetMarschgeschwindigkeit(double dblV) {
    IniConfig::SetMarschgeschwindigkeit(dblV);
    if (!Schreibe(QStringLiteral("Marschgeschwindigkeit"), QString::number(dblV))) meldeSchreibfehler();
}

void HostConfig::SetSchiffsparameter(double dblMarschV, double dblVerbrauch) {
    IniConfig::SetMarschgeschwindigkeit(dblMarschV);
    SetBerichtWert(dblVerbrauch);
    SetSchiffsparameterGesetzt(true);
    const bool ok = Schreibe(QStringLiteral("Marschgeschwindigkeit"), QString::number(dblMarschV)) &&
                    Schreibe(QStringLiteral("Verbrauch"), QString::number(dblVerbrauch)) &&
                    Schreibe(QStringLiteral("Schiffsparameter"), QStringLiteral("1"));
    if (!ok) meldeSchreibfehler();
}

void HostConfig::meldeSchreibfehler() {
    // A settings file that could not be read is left alone on purpose; the user was told at start.
    if (m_iniUnbrauchbar) return;
    modOLM3Binnen::MsgBox(HostText(txt::IniSchreiben).arg(QDir::toNativeSeparators(m_pfade.strIniDatei)),
                          modOLM3Binnen::vbExclamation, GetAppTitel());
}

QPixmap HostConfig::GetBild(std::int32_t lngBildID) {
    const QPixmap eigen = IniConfig::GetBild(lngBildID);
    return eigen.isNull() ? Bild(lngBildID) : eigen;
}

} // namespace olm3host
