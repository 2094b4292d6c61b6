#pragma once
// The skipper's boat: its measures for the clearance check and the path search, its consumption for the
// report and its usual cruising speed. A measure of 0 is not set and is not checked. And what the check
// finds where the boat meets a bridge, a lock, a shallow or a waterway's fairway.

#include <QString>
#include <cstdint>

namespace olm3 {

/// One boat. Lengths in metres, consumption in l/h, speed in km/h; 0 means "not set".
struct BootProfil {
    QString strName;
    double dblLaenge = 0.0;      ///< length over all
    double dblBreite = 0.0;      ///< beam
    double dblHoehe = 0.0;       ///< air draught: height above the waterline
    double dblTiefgang = 0.0;    ///< draught
    double dblSicherheit = 0.2;  ///< safety margin added to every measure before it is compared
    double dblVerbrauch = 0.0;   ///< fuel consumption per hour of travel
    double dblMarschV = 0.0;     ///< cruising speed

    /// True when at least one of the four measures is set, so that there is something to check.
    bool IstGesetzt() const { return dblLaenge > 0 || dblBreite > 0 || dblHoehe > 0 || dblTiefgang > 0; }
    bool operator==(const BootProfil&) const = default;
};

/// The measures that are compared, each with the limit of its own kind: length with a lock chamber's
/// length, beam with a chamber's, a bridge opening's or a fairway's width, air draught with a bridge's
/// clearance or a waterway's lowest height, draught with a point's or a waterway's draught limit.
enum class Mass { Laenge, Breite, Hoehe, Tiefgang };

enum class Befundart {
    PasstNicht, ///< the boat with its margin is larger than the limit
    Unbekannt,  ///< the catalogue gives no value for the limit (0 or empty)
};

/// One finding of the clearance check: where, which measure, the limit, the boat and by how much.
struct Durchfahrtsbefund {
    std::int32_t lngPunkteID = 0; ///< the object's point; 0 for a waterway's fairway
    std::int32_t lngBinnenID = 0;
    QString strTypID;             ///< "B" bridge, "S" lock, "" a point's draught limit, "G" a waterway
    QString strBezeichnung;       ///< the object's name, or the waterway's for "G"
    double dblStrecke = -1.0;     ///< chainage km of the place on its waterway (-1 for a waterway)
    Mass mass = Mass::Hoehe;
    Befundart art = Befundart::PasstNicht;
    double dblGrenze = 0.0;       ///< the limit in m (0 when unknown)
    double dblBoot = 0.0;         ///< the boat's measure in m, without the margin
    double dblSicherheit = 0.0;   ///< the margin that was added
    /// How much is missing: boat + margin - limit, in m (0 when the limit is unknown).
    double Fehlt() const { return art == Befundart::PasstNicht ? dblBoot + dblSicherheit - dblGrenze : 0.0; }
};

} // namespace olm3
