#pragma once
// The waterway information browser without its widgets: the type filter of the type boxes, the waterway
// list, the points of a waterway with their marks and labels, the history, and the search list with its
// radius-search results. The browser window reads its widgets, calls these and writes the results back.

#include "olm3binnen/types.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace olm3::browser {

/// Module name of the browser's texts.
inline const QString kModul = QStringLiteral("frmBinneninfo");

/// A position on a waterway inside the browser.
struct typBinnenPos {
    std::int32_t lngBinnenID = 0;
    QString strBinnenBez;
    std::int32_t lngPunkteID = 0;     ///< 0 when only a waterway was chosen
    std::int32_t lngRoutenIndex = -1; ///< zero-based route point this position came from, -1 for none
    double dblLg = 0.0;
    double dblBg = 0.0;
};

// ---- object types and the type filter --------------------------------------------------------------

/// Number of type boxes; the last one (weirs) is never shown.
constexpr int kTypBoxen = 7;
constexpr int kWehrBox = 6;
/// The object type of each type box, in box order.
inline const std::array<QString, kTypBoxen> kTypTags = {
    QStringLiteral("A"), QStringLiteral("T"), QStringLiteral("H"), QStringLiteral("S"),
    QStringLiteral("L"), QStringLiteral("B"), QStringLiteral("W")};
using TypBoxen = std::array<bool, kTypBoxen>;

/// The filter text of the checked boxes ("'A', 'T', 'S'"). The weir box follows the six visible boxes:
/// it is checked when all six are and unchecked otherwise; ablnChecked carries that change back.
QString TypFilter(TypBoxen& ablnChecked);
/// Which boxes a stored filter text checks: box k exactly when the text contains its tag.
TypBoxen TypBoxenAusFilter(const QString& strTypFilter);
/// Whether a row of this type stays visible under the filter (the current point and route points aside):
/// its trimmed type occurs in the filter; an empty type is visible while the filter is not empty.
bool TypSichtbar(const QString& strTypenID, const QString& strTypFilter);

/// Caption of a type box for a waterway: the box text, and the count of such objects (-1: no count).
struct TypBoxText {
    QString strText;
    std::int32_t lngAnzahl = -1;
};
/// Captions of the seven boxes for a waterway (its counts when it is an active waterway of the catalogue).
std::array<TypBoxText, kTypBoxen> TypBoxTexte(std::int32_t lngBinnenID);

// ---- waterway list -----------------------------------------------------------------------------------

constexpr int kGewaesserSpalten = 16;
/// One row of the waterway list: the waterway id and the texts of its columns.
struct GewaesserZeile {
    std::int32_t lngBinnenID = 0;
    std::array<QString, kGewaesserSpalten> astrSpalte;
};
/// The active waterways by name. False when the query fails (the list is then empty).
bool LadeGewaesser(std::vector<GewaesserZeile>& azeilen);
/// The waterway's point with the lowest Nummer. False when it has none.
bool ErsterPunkt(std::int32_t lngBinnenID, std::int32_t& lngPunkteID, double& dblLg, double& dblBg);
/// Index of the first text that begins with strSuche (any letter case), or -1.
int SucheAnfang(const QStringList& astrTexte, const QString& strSuche);

// ---- points list -------------------------------------------------------------------------------------

/// A coarse point of the optimised route as the points list marks it.
struct RoutenMarke {
    std::int32_t lngNumGrob = 0;
    std::int32_t lngPunkteID = 0;
    std::int32_t lngBinnenID = 0;
    std::int32_t lngPunkteIDNach = 0;
    std::int32_t lngBinnenIDNach = 0;
};

/// The ids of the coarse route points, joined with ", " in route order.
QString RoutenPunkteListe(const std::vector<typRouteOptimiert>& audtRoute);

/// One record of the points of a waterway, as the catalogue gives it; a number the catalogue lacks (Null
/// or not numeric) is empty.
struct PunktDatensatz {
    std::int32_t lngPunkteID = 0;
    std::optional<double> dblDokuKM;
    bool blnDokuKMOrig = false;
    QString strTypenID;
    QString strBinnenBezNach;
    QString strDetailsBezeichnung;
    std::optional<double> dblBg;
    std::optional<double> dblLg;
    QString strPunkteIDNach;
    QString strBinnenIDNach;
    std::optional<double> dblVmax;
    QString strBinnenBez;
    QString strDetailsText;
    std::optional<double> dblTauchtiefe;
};

/// Columns of the points list.
enum PunkteSpalte {
    pcKM = 0,
    pcMarke,
    pcTyp,
    pcName,
    pcBreite,
    pcLaenge,
    pcPunkteIDNach,
    pcBinnenIDNach,
    pcLaufNr,
    pcVmax,
    pcDetailsText,
    pcTiefe,
};
constexpr int kPunkteSpalten = 12;

/// One row of the points list as it is shown.
struct PunktZeile {
    std::int32_t lngPunkteID = 0;
    std::array<QString, kPunkteSpalten> astrSpalte;
    bool blnKMFett = false;  ///< documented kilometre
    bool blnAbzweig = false; ///< junction: the row is yellow
    bool blnVersteckt = false;
    bool blnAktuell = false;
    QString strTyp; ///< trimmed type
    double dblBg = 0.0;
    double dblLg = 0.0;
    bool blnPosition = false; ///< the record has a position
};

struct PunkteListe {
    std::vector<PunktZeile> azeilen;
    /// Row of the current point, or -1.
    int intAktuell = -1;
    /// The row to select: the current one, else the first visible one, else -1.
    int intAuswahl = -1;
    bool blnPunktGefunden = false;
    /// The list runs against the chainage (the route leaves the current point that way).
    bool blnUmgekehrt = false;
};

/// The SQL condition of the points of a waterway: its typed points, the current point and the route points.
QString PunkteBedingung(const typBinnenPos& pos, const QString& strRoutenPunkte);
/// Reads the points of the current waterway in chainage order. False when the query fails.
bool LadePunkte(const typBinnenPos& pos, const QString& strRoutenPunkte,
                std::vector<PunktDatensatz>& adatensaetze);
/// Builds the rows from the records: kilometres, names, labels of route points and the current position,
/// hidden rows of unselected types, route marks and the order. The current position takes the found
/// point's coordinates, id and waterway name.
PunkteListe BauePunkteListe(const std::vector<PunktDatensatz>& adatensaetze, typBinnenPos& pos,
                            const QString& strRoutenPunkte, const QString& strTypFilter,
                            const std::vector<RoutenMarke>& amarken);
/// Where a junction row leads: the continuing waterway and point, under the name the row gives. Nothing
/// when the catalogue does not know the continuation (either id is no number).
std::optional<typBinnenPos> AbzweigZiel(const QString& strBinnenIDNach, const QString& strPunkteIDNach,
                                        const QString& strName);
/// The quick-info text of a row's details: "%1" becomes a line break, "%2" intLeer blanks.
QString QuickInfoText(const QString& strDetailsText, int intLeer);

/// The history of positions: element 0 is the start, one element more per jump to a branching waterway.
class Verlauf {
public:
    using Lader = std::function<bool(const typBinnenPos&)>;

    void Neu(const typBinnenPos& pos) { m_pos.assign(1, pos); }
    void Anhaengen(const typBinnenPos& pos) { m_pos.push_back(pos); }
    int Anzahl() const { return static_cast<int>(m_pos.size()); }
    const typBinnenPos& Letzter() const { return m_pos.back(); }
    /// Whether going back is possible: a point was found and there is a previous element.
    bool ZurueckMoeglich(bool blnPunktGefunden) const { return blnPunktGefunden && m_pos.size() > 1; }
    /// Loads the previous element; when that fails the last one is loaded again and stays. True when it
    /// went back.
    bool Zurueck(const Lader& laden);

private:
    std::vector<typBinnenPos> m_pos{typBinnenPos{}};
};

// ---- search list and radius search ------------------------------------------------------------------

/// The object kind of each search option, in option order, and its table.
inline const std::array<QString, 3> kSuchTags = {QStringLiteral("S"), QStringLiteral("H"),
                                                 QStringLiteral("T")};
QString SuchTabelle(const QString& strTag);

constexpr int kSuchSpalten = 7;
enum SuchSpalte { scName = 0, scGewaesser, scKM, scBreite, scLaenge, scTyp, scEntfernung };

struct SuchZeile {
    std::int32_t lngPunkteID = 0;
    std::array<QString, kSuchSpalten> astrSpalte;
    bool blnKMFett = false;
    double dblBg = 0.0;
    double dblLg = 0.0;
    bool blnPosition = false;
    std::optional<double> dblEntfernung;
};

/// The result filter of radius-search results: "PunkteID IN (...)", or "1=2" for none.
QString ErgebnisFilter(std::int32_t lngAnzahl, const std::vector<std::int32_t>& alngPunkteID);
/// The objects of a kind (strTag "S", "H" or "T") by name, under a filter (empty for all). With a filter
/// each row takes its distance from the results, and the rows are ordered by it, nearest first (rows
/// without a distance last). False when the query fails.
bool LadeSuchliste(const QString& strTag, const QString& strFilter,
                   const std::vector<std::int32_t>& alngPunkteID, const std::vector<double>& adblStrecke,
                   std::vector<SuchZeile>& azeilen);

/// The elapsed time of a running search as "hh:mm:ss".
QString SuchZeit(std::int64_t lngTicks, int intIntervallMs);
/// Radius of the highlighted ring of the search animation at a tick (2 to 18).
int RingRadius(std::int64_t lngTicks);

} // namespace olm3::browser
