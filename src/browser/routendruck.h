#pragma once
// The page layout of the route print: the route plan, the statistics and the rows of the route view on
// landscape pages in millimetres, with the column headers on every page of the route table and the page
// number at the foot of every page.

#include <QString>
#include <functional>
#include <vector>

class QColor;
class QPrinter;
class QTableWidget;

namespace olm3browser {

/// Left edges (mm) of columns 1 to 11 of the route view's grid on paper.
inline constexpr double kRoutenSpaltenMm[] = {10, 20, 35, 50, 65, 75, 90, 127, 177, 227, 254};

/// How a row of the route view stands out on paper.
enum class DruckZeilenArt { Normal, Routenpunkt, Schleuse };

/// What the boat's clearance check found on a row's object: the view and the print set the row's text in
/// the finding's colour.
enum class DruckDurchfahrt { Keine, Unbekannt, PasstNicht };
/// The colour of a finding, the same on screen and on paper: red where the boat does not fit, brown where
/// the catalogue does not know the limit; black otherwise.
QColor DurchfahrtFarbe(DruckDurchfahrt art);

/// The grids the route print is made of; any of them may be missing.
struct RoutenDruckInhalt {
    /// The route planning window's grid (printed after the heading "Route").
    const QTableWidget* plan = nullptr;
    /// The optimiser report's lines (printed after the heading "Statistik").
    const QTableWidget* bericht = nullptr;
    /// The route view's grid: every row that is not hidden (or every row), columns 1 to 11.
    const QTableWidget* route = nullptr;
    /// The day stages' grid: one block per day (printed after the heading "Tagesetappen"), and the line
    /// with the trip's days under them.
    const QTableWidget* etappen = nullptr;
    QString strReisetage;
    /// Every row of the route grid, also those of closed groups.
    bool alleRoutenZeilen = false;
    /// What a row of the route grid is (Normal when not given).
    std::function<DruckZeilenArt(int row)> routenZeile;
    /// What the clearance check found on a row of the route grid (Keine when not given).
    std::function<DruckDurchfahrt(int row)> durchfahrt;
    /// The clearance check's summary line, printed above the route table in the colour of artDurchfahrt.
    QString strDurchfahrt;
    DruckDurchfahrt artDurchfahrt = DruckDurchfahrt::Keine;
};

/// One row of the route table as it goes on paper.
struct RoutenDruckZeile {
    int row = 0; ///< the row of the route grid
    DruckZeilenArt art = DruckZeilenArt::Normal;
    DruckDurchfahrt durchfahrt = DruckDurchfahrt::Keine;
};
/// The rows of the route grid the print takes, in order, with how each stands out.
std::vector<RoutenDruckZeile> RoutenDruckZeilen(const RoutenDruckInhalt& inhalt);

/// Sets the printer up for the route print: A4 landscape, the whole sheet addressable, and the PDF file
/// as the target when one is given (else the system's default printer).
void RichteDruckerEin(QPrinter& printer, const QString& strPdfDatei);

/// Prints the route onto the printer. False, with the reason in strFehler, when the printer or the PDF
/// file cannot be opened.
bool DruckeRoute(QPrinter& printer, const RoutenDruckInhalt& inhalt, QString& strFehler);

} // namespace olm3browser
