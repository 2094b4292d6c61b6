#pragma once
// A scripted host configuration for tests: texts from the built-in table, values the test sets, and a
// record of the text ids asked for that the table lacks.

#include "data/texttable.h"
#include "olm3binnen/hostservices.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QString>

namespace olm3test {

class FakeCfg : public IOLM3Cfg {
public:
    QString iniDatei, katalog, katalogVerzeichnis, datenVerzeichnis, appTitel = QStringLiteral("OLM3 Test");
    bool toolTips = true, schiffsparameter = true;
    double marschV = 6.0, berichtWert = 0.0;
    QHash<std::int32_t, QPixmap> bilder;
    /// Texts asked for that the table lacks, as "module#id".
    QSet<QString> missingTexts;

    QString GetIniDatei() override { return iniDatei; }
    QString GetSystemDatenbank() override { return {}; }
    QString GetBinnenKatalog() override { return katalog; }
    void SetBinnenKatalog(const QString& s) override { katalog = s; }
    QString GetKatalogVerzeichnis() override { return katalogVerzeichnis; }
    bool IsBinnenKatalog() override { return !katalog.isEmpty(); }
    bool GetToolTipsAn() override { return toolTips; }
    bool IsSchiffsparameterGesetzt() override { return schiffsparameter; }
    double GetMarschgeschwindigkeit() override { return marschV; }
    void SetMarschgeschwindigkeit(double v) override { marschV = v; }
    double GetBerichtWert() override { return berichtWert; }
    QString GetDatenVerzeichnis() override { return datenVerzeichnis; }
    QString GetAppTitel() override { return appTitel; }
    void FormatFenster(QWidget*) override {}
    QColor GetFensterFarbe() override { return QColor(240, 240, 240); }
    QColor GetFarbe1() override { return QColor(31, 78, 121); }
    QColor GetFarbe2() override { return QColor(255, 255, 255); }
    QColor GetFarbe3() override { return QColor(217, 230, 242); }
    QPixmap GetBild(std::int32_t id) override { return bilder.value(id); }
    QString GetText(const QString&, const QString& modul, std::int32_t id, const QString& def) override {
        if (!olm3::TextTable::Builtin().Has(modul, id))
            missingTexts.insert(modul + QLatin1Char('#') + QString::number(id));
        return olm3::TextTable::Builtin().Text(modul, id, def);
    }
    QString GetBenutzer() override { return {}; }
    QString GetPasswort() override { return {}; }
};

} // namespace olm3test
