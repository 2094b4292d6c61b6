#pragma once
// The three services a host hands to clsOLM3Binnen::Init. Their code belongs to the host.

#include <QString>
#include <cstdint>
#include <vector>

class QColor;
class QPixmap;
class QWidget;

/// Configuration and text service of the host (objOLM3Cfg). Operations in the host interface's order.
class IOLM3Cfg {
public:
    virtual ~IOLM3Cfg() = default;
    /// Path of the host's settings file.
    virtual QString GetIniDatei() = 0;
    /// Workgroup system database path; may be empty.
    virtual QString GetSystemDatenbank() = 0;
    /// Full path of the waterway catalogue file.
    virtual QString GetBinnenKatalog() = 0;
    virtual void SetBinnenKatalog(const QString& strPfad) = 0;
    /// Folder of the catalogue files, ending with the folder separator.
    virtual QString GetKatalogVerzeichnis() = 0;
    /// True when a waterway catalogue is configured.
    virtual bool IsBinnenKatalog() = 0;
    virtual bool GetToolTipsAn() = 0;
    virtual bool IsSchiffsparameterGesetzt() = 0;
    /// Cruising speed in km/h.
    virtual double GetMarschgeschwindigkeit() = 0;
    virtual void SetMarschgeschwindigkeit(double dblV) = 0;
    /// The vessel's average fuel consumption per hour of travel (litres).
    virtual double GetBerichtWert() = 0;
    /// Host data folder; object pictures lie in its sub-folder "UXABilder".
    virtual QString GetDatenVerzeichnis() = 0;
    /// Application title, the caption of message boxes.
    virtual QString GetAppTitel() = 0;
    /// Applies the host's window look to a window.
    virtual void FormatFenster(QWidget* frm) = 0;
    virtual QColor GetFensterFarbe() = 0;
    virtual QColor GetFarbe1() = 0;
    virtual QColor GetFarbe2() = 0;
    virtual QColor GetFarbe3() = 0;
    /// Picture by id; a null pixmap when the host has none.
    virtual QPixmap GetBild(std::int32_t lngBildID) = 0;
    /// Text of an id for a project and module, or strDefault when the host has none.
    virtual QString GetText(const QString& strProjekt, const QString& strModul, std::int32_t lngTextID,
                            const QString& strDefault) = 0;
    virtual QString GetBenutzer() = 0;
    virtual QString GetPasswort() = 0;
};

/// Receives the progress of a running radius search.
class IOLM3KWSEvents {
public:
    virtual ~IOLM3KWSEvents() = default;
    virtual void KWSUmkreisSucheObjGefunden(std::int32_t lngAnzahl) = 0;
};

/// Radius-search service of the host (objOLM3KWS).
class IOLM3KWS {
public:
    virtual ~IOLM3KWS() = default;
    /// Runs a radius search around a point; returns when it has ended or was broken off, reporting the
    /// count found so far to pEvents while it runs. strTyp is the kind tag ("S", "H" or "T"), dblUmkreis km.
    virtual void KWSUmkreisSuche(std::int32_t& lngZentrumPunkteID, QString& strTyp, double& dblUmkreis,
                                 bool& blnErgebnis, IOLM3KWSEvents* pEvents) = 0;
    /// Results of the last search, nearest first.
    virtual void KWSUmkreisSucheErgebnis(std::vector<std::int32_t>& alngPunkteID, std::vector<double>& adblStrecke,
                                         std::int32_t& lngAnzahl) = 0;
};

/// Picture loader of the host (objOLM3TGF).
class IOLM3TGF {
public:
    virtual ~IOLM3TGF() = default;
    /// Loads a picture from a full file path; a null pixmap when it cannot be loaded.
    virtual QPixmap LoadPicture(const QString& strPfad) = 0;
};
