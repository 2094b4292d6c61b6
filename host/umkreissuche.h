#pragma once
// The host's radius search (objOLM3KWS): locks, harbours or fuel stations of the open catalogue within a
// radius of a point, by great-circle distance, nearest first.

#include "olm3binnen/ado.h"
#include "olm3binnen/hostservices.h"

#include <functional>
#include <vector>

namespace olm3host {

class Umkreissuche : public IOLM3KWS {
public:
    /// katalog hands out the catalogue connection open at the time of the search.
    explicit Umkreissuche(std::function<ADODB::ConnectionPtr()> katalog);

    /// Searches the objects of kind strTyp ("S", "H" or "T") within dblUmkreis km of the point
    /// lngZentrumPunkteID (0 or less: all of the kind). Reports the count found so far to pEvents after
    /// each find and processes window events while it runs, so that the break request can reach it.
    /// blnErgebnis is true when the search ran to its end; false when it was broken off (the results
    /// found until then are kept) or could not run (unknown kind or point, no catalogue).
    void KWSUmkreisSuche(std::int32_t& lngZentrumPunkteID, QString& strTyp, double& dblUmkreis,
                         bool& blnErgebnis, IOLM3KWSEvents* pEvents) override;
    /// The results of the last search, nearest first: point ids and distances in km. With no result the
    /// two arrays hold one element 0.
    void KWSUmkreisSucheErgebnis(std::vector<std::int32_t>& alngPunkteID, std::vector<double>& adblStrecke,
                                 std::int32_t& lngAnzahl) override;

    /// Stops a running search at its next step (the component's break request).
    void Abbrechen() { m_blnAbbrechen = true; }

private:
    struct Treffer {
        std::int32_t lngPunkteID;
        double dblKm;
    };
    std::function<ADODB::ConnectionPtr()> m_katalog;
    std::vector<Treffer> m_treffer;
    bool m_blnAbbrechen = false;
};

} // namespace olm3host
