#pragma once
// Stand-ins for the host's radius-search and picture services: a search that finds nothing and a
// picture loader that has no pictures.

#include "olm3binnen/hostservices.h"

#include <QPixmap>
#include <QString>
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

} // namespace olm3test
