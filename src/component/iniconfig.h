#pragma once
// A configuration service read from an INI file, for the command-line tool, the tests and simple hosts.
//
// [Binnen]
// KatalogVerzeichnis=catalogues/     folder of the *.sqlite catalogues (relative to the INI file)
// BinnenMDB=1_Sample.sqlite          the catalogue, in that folder (or an absolute path)
// DatenVerzeichnis=data/             host data folder; object pictures in its sub-folder UXABilder
// Marschgeschwindigkeit=8            cruising speed km/h
// Verbrauch=6.5                      fuel consumption l/h
// ToolTips=1  Schiffsparameter=1  AppTitel=...  Fensterfarbe=#RRGGBB  Farbe1=... Farbe2=... Farbe3=...

#include "olm3binnen/hostservices.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QString>

namespace olm3 {

class IniConfig : public IOLM3Cfg {
public:
    IniConfig() = default;
    /// Reads the file; missing keys keep their defaults. False when the file cannot be read.
    bool Load(const QString& strIniDatei);
    /// A configuration naming just a catalogue file.
    static IniConfig ForCatalogue(const QString& strKatalog);

    QString GetIniDatei() override { return m_iniDatei; }
    QString GetSystemDatenbank() override { return QString(); }
    QString GetBinnenKatalog() override { return m_katalog; }
    void SetBinnenKatalog(const QString& strPfad) override { m_katalog = strPfad; }
    QString GetKatalogVerzeichnis() override { return m_katalogVerzeichnis; }
    bool IsBinnenKatalog() override { return !m_katalog.isEmpty(); }
    bool GetToolTipsAn() override { return m_toolTips; }
    bool IsSchiffsparameterGesetzt() override { return m_schiffsparameter; }
    double GetMarschgeschwindigkeit() override { return m_marschV; }
    void SetMarschgeschwindigkeit(double dblV) override { m_marschV = dblV; }
    double GetBerichtWert() override { return m_verbrauch; }
    QString GetDatenVerzeichnis() override { return m_datenVerzeichnis; }
    QString GetAppTitel() override { return m_appTitel; }
    void FormatFenster(QWidget* frm) override;
    QColor GetFensterFarbe() override { return m_fensterFarbe; }
    QColor GetFarbe1() override { return m_farbe[0]; }
    QColor GetFarbe2() override { return m_farbe[1]; }
    QColor GetFarbe3() override { return m_farbe[2]; }
    QPixmap GetBild(std::int32_t lngBildID) override;
    QString GetText(const QString& strProjekt, const QString& strModul, std::int32_t lngTextID,
                    const QString& strDefault) override;
    QString GetBenutzer() override { return QString(); }
    QString GetPasswort() override { return QString(); }

    /// Pictures by id for GetBild (tests and simple hosts fill it).
    void SetBild(std::int32_t lngBildID, const QPixmap& pic);
    void SetToolTipsAn(bool b) { m_toolTips = b; }
    void SetSchiffsparameterGesetzt(bool b) { m_schiffsparameter = b; }
    void SetBerichtWert(double v) { m_verbrauch = v; }
    void SetKatalogVerzeichnis(const QString& s) { m_katalogVerzeichnis = s; }
    void SetDatenVerzeichnis(const QString& s) { m_datenVerzeichnis = s; }
    void SetIniDatei(const QString& s) { m_iniDatei = s; }

private:
    QString m_iniDatei;
    QString m_katalog;
    QString m_katalogVerzeichnis;
    QString m_datenVerzeichnis;
    QString m_appTitel = QStringLiteral("OLM3Binnen");
    double m_marschV = 8.0;
    double m_verbrauch = 0.0;
    bool m_toolTips = true;
    bool m_schiffsparameter = true;
    QColor m_fensterFarbe = QColor(0xF4, 0xF1, 0xEA);
    QColor m_farbe[3] = {QColor(0x1F, 0x4E, 0x79), QColor(0xFF, 0xFF, 0xFF), QColor(0xD9, 0xE6, 0xF2)};
    QHash<std::int32_t, QPixmap> m_bilder;
};

} // namespace olm3
