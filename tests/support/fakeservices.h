#pragma once
// Stand-ins for the host's radius-search and picture services: a search that finds nothing, a picture
// loader that has no pictures and one that loads them from their files.

#include "olm3binnen/hostservices.h"

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

namespace olm3test {

class FakeKWS : public IOLM3KWS {
public:
    void KWSUmkreisSuche(std::int32_t&, QString&, double&, bool& blnErgebnis, IOLM3KWSEvents*) override {
        blnErgebnis = false;
    }
    void KWSUmkreisSucheErgebnis(std::vector<std::int32_t>& alngPunkteID, std::vector<double>& adblStrecke,
                                 std::int32_t& lngAnzahl) override {
        alngPunkteID.assign(1, 0);
        adblStrecke.assign(1, 0.0);
        lngAnzahl = 0;
    }
};

class FakeTGF : public IOLM3TGF {
public:
    QPixmap LoadPicture(const QString&) override { return {}; }
};

/// Loads pictures from files, as the host does, and remembers what it was asked for.
class DateiLader : public IOLM3TGF {
public:
    QStringList pfade;
    QPixmap LoadPicture(const QString& strPfad) override {
        pfade << strPfad;
        return QPixmap(strPfad);
    }
};

} // namespace olm3test
