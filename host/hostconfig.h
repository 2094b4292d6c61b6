#pragma once
// The reference host's configuration and text service: the component's INI configuration, kept in the
// user's config folder, created with sensible defaults on first start, with the host's pictures and the
// bundled catalogues copied into the user's catalogue folder.
//
// Files of a profile:
//   <config>/OLM3Binnen/olm3binnen-host.ini    the settings (section [Binnen], see component/iniconfig.h)
//   <data>/OLM3Binnen/Kataloge/*.sqlite         the installed catalogues
//   <data>/OLM3Binnen/Routen.sqlite             the waypoints-and-routes database
//   <data>/OLM3Binnen/UXABilder/                object pictures named in the catalogues

#include "component/iniconfig.h"
#include "data/texttable.h"

#include <QString>
#include <QStringList>

namespace olm3host {

/// Where a profile keeps its files.
struct HostPfade {
    QString strIniDatei;
    QString strDatenVerzeichnis; ///< ends with "/"

    /// The user's folders (XDG_CONFIG_HOME and XDG_DATA_HOME, or their defaults).
    static HostPfade Standard();
    /// A self-contained profile below one folder: <root>/config/... and <root>/data/...
    static HostPfade Unter(const QString& strRoot);

    QString KatalogVerzeichnis() const { return strDatenVerzeichnis + QStringLiteral("Kataloge/"); }
    QString RoutenDatenbank() const { return strDatenVerzeichnis + QStringLiteral("Routen.sqlite"); }
};

/// Folders that may hold the catalogues that come with the program: the build tree's catalogue folder
/// beside the executable's folder, and the installed share folder.
QStringList MitgelieferteKatalogOrdner();

/// The catalogue chosen on first start.
inline const QString kStandardKatalog = QStringLiteral("1_Berlin-Brandenburg.sqlite");

class HostConfig : public olm3::IniConfig {
public:
    HostConfig(HostPfade pfade, QStringList astrMitgeliefert);

    /// Reads the settings, creating them with defaults when there are none, and fills an empty default
    /// catalogue folder from the bundled catalogues. Never fails: what went wrong is in Meldungen().
    void Start();

    /// One clear sentence per problem found while starting, for the user.
    const QStringList& Meldungen() const { return m_meldungen; }
    /// The settings file could not be read as settings; defaults are in use and the file is left alone.
    bool IniUnbrauchbar() const { return m_iniUnbrauchbar; }
    const HostPfade& Pfade() const { return m_pfade; }

    /// The settings file; empty while it could not be read, so that nobody writes into it.
    QString GetIniDatei() override;
    /// The cruising speed is kept in the settings file too.
    void SetMarschgeschwindigkeit(double dblV) override;
    /// The vessel's cruising speed and consumption, marked as set, kept in the settings file.
    void SetSchiffsparameter(double dblMarschV, double dblVerbrauch);
    QPixmap GetBild(std::int32_t lngBildID) override;

    /// The language of the user interface: key Sprache (de or en) of section [Binnen]; the locale's
    /// language when the key is missing or names no language.
    olm3::Sprache Sprache() const { return m_sprache; }
    /// Keeps the language in the settings file; false (and a message to the user) when it cannot be
    /// written: the language then holds for this session only.
    bool SetSprache(olm3::Sprache sprache);

    /// Writes one key of section [Binnen]; false (and a message to the user) when it cannot be written.
    /// Nothing is written to a settings file that could not be read.
    bool Schreibe(const QString& strKey, const QString& strWert);

private:
    void setzeStandard();
    void legeIniAn();
    void fuelleKatalogOrdner();
    void meldeSchreibfehler();

    HostPfade m_pfade;
    QStringList m_mitgeliefert;
    QStringList m_meldungen;
    bool m_iniUnbrauchbar = false;
    olm3::Sprache m_sprache = olm3::Sprache::De;
};

/// The catalogue files (*.sqlite) of a folder, by name.
QStringList KatalogDateien(const QString& strVerzeichnis);

} // namespace olm3host
