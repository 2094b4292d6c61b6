#pragma once
// The route view of the browser: the optimised route as an outline of route points, legs and detail rows,
// its legend and totals, the statistics button and the route print.

#include "browser/core/browsercore.h"
#include "browser/routendruck.h"
#include "olm3binnen/bootprofil.h"
#include "olm3binnen/types.h"

#include <QPersistentModelIndex>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

class IOLM3WindowOwner;
class QLabel;
class QTableWidget;
class QTableWidgetItem;
class TagesetappenAnsicht;
class ucOLMButton;

/// A coarse route point as the points list marks it.
using RoutenPunktRecord = olm3::browser::RoutenMarke;

class RoutenAnsicht : public QWidget {
    Q_OBJECT
public:
    RoutenAnsicht(IOLM3WindowOwner* owner, QWidget* parent = nullptr);

    /// Fills the view from the route (the window's copy) and the route-point records; the totals label.
    void FillGridRoute(const std::vector<typRouteOptimiert>& route);
    /// Inserts the detail rows beneath a route-point row (once per group).
    void FillGridRouteMDetails(int row);
    const std::vector<RoutenPunktRecord>& RoutenPunkte() const { return m_routenPunkte; }
    /// The ids of the coarse route points joined with ", " in route order.
    QString RoutenPunkteListe() const;

    QTableWidget* grdRoute() const { return m_grdRoute; }
    /// The day stages of the route under the grid.
    TagesetappenAnsicht* fraTagesetappen() const { return m_etappen; }
    /// The position of the selected row (Get_Position in this view); false without one.
    bool AusgewaehltePosition(double& dblLg, double& dblBg) const;
    /// The object of the selected row for the browser's detail button: its type and point id. False on
    /// a leg row, on a row without a type and without a selected row.
    bool AusgewaehltesObjekt(QString& strTypID, std::int32_t& lngPunkteID) const;
    /// Whether a row of the grid is a route-point row (the head of a group).
    bool IstRoutenpunktZeile(int row) const { return art(row) == Zeilenart::Routenpunkt; }
    /// Prints the route plan, the statistics and every row of the route, after a preview in which the
    /// user chooses a printer or a PDF file (the fpDrucken button of the browser). When the component
    /// prints to a PDF file (SetPrintToPdf), it goes there without a preview.
    void Drucken();
    /// What the print takes from the view: the route grid with how each row stands out (a route point, a
    /// lock, a finding of the boat's clearance check), the day stages and the check's summary line.
    olm3browser::RoutenDruckInhalt DruckInhalt() const;
    /// The text of the name column: the object's name (on a junction the waterway the route turns into)
    /// and, on a line beneath, why the boat waits there.
    static QString BezeichnungText(const typRouteOptimiert& r);

signals:
    /// A double-click on a route-point row: the browser makes it current (route index from 0, -1 none).
    void RoutenpunktGewaehlt(std::int32_t lngBinnenID, std::int32_t lngPunkteID, const QString& strBinnenBez,
                             std::int32_t lngRoutenIndex);
    /// A double-click on a detail row: the browser runs its detail action.
    void DetailsAngefordert(const QString& strTypID, std::int32_t lngPunkteID);
    /// The current row changed: whether it can be handed back.
    void RueckgabeMoeglich(bool blnMoeglich);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Zeilenart { Routenpunkt, Strecke, Detail };

    void setupGrid();
    void setupLegende();
    int addRoutenpunktZeile(std::size_t i);
    void addStreckenZeile(const typRouteOptimiert& punkt, double dblDZ, double dblWZ);
    void addDetailZeile(int row, std::size_t i, bool blnVerborgen);
    /// The cells of a route-point or detail row: the three that differ are given, the others and the cell
    /// data (type, position, the lock's values) come from the route row.
    void setObjektZellen(int row, const typRouteOptimiert& r, QTableWidgetItem* nr, QTableWidgetItem* amtl,
                         QTableWidgetItem* zeit);
    void setGruppeOffen(int row, bool blnOffen);
    /// The boat's clearance: the summary line under the totals, and the rows of places it does not fit
    /// (red) or whose limit is unknown (brown), each with its findings as tool tip.
    void zeigeDurchfahrt();
    void markiereDurchfahrt(int row, const typRouteOptimiert& r);
    void grdRoute_Click(int row, int col);
    void grdRoute_DblClick(int row, int col);
    void grdRoute_RowColChange(int row, int col, int prevRow, int prevCol);
    /// Puts the "..." button into the current cell when it is the wait cell of a lock row.
    void zellKnopfAktualisieren();
    void zellKnopf_Click();

    Zeilenart art(int row) const;
    bool istSchleusenZeile(int row) const;
    /// The number of grid rows that belong to the group headed by a route-point row.
    int gruppenEnde(int row) const;

    IOLM3WindowOwner* m_owner = nullptr;
    QTableWidget* m_grdRoute = nullptr;
    QLabel* m_lblRoutenInfo = nullptr;
    TagesetappenAnsicht* m_etappen = nullptr;
    QLabel* m_txtInfo = nullptr;
    QLabel* m_picNB = nullptr;
    QLabel* m_txtNB = nullptr;
    QLabel* m_picSR = nullptr;
    QLabel* m_txtSR = nullptr;
    ucOLMButton* m_pbReport = nullptr;
    QPersistentModelIndex m_zellKnopf;
    bool m_blnFuelle = false;
    std::vector<typRouteOptimiert> m_route;
    /// What the boat does not fit on the route, as the owner's check found it when the view was filled.
    std::vector<olm3::Durchfahrtsbefund> m_befunde;
    std::vector<RoutenPunktRecord> m_routenPunkte;
    /// The number of each row of the route copy, as the plan numbers its points.
    std::vector<QString> m_astrNummern;
};

namespace olm3browser {

/// How the route view opens the operating hours of a lock (by default OeffneSchleusenBZ). A test puts in
/// its own; the previous one is returned, an empty one restores the default.
using SchleusenBZOeffner =
    std::function<bool(QWidget* parent, std::int32_t lngSchleusenID, const QDateTime& datDatum)>;
SchleusenBZOeffner SetSchleusenBZOeffner(SchleusenBZOeffner oeffner);

} // namespace olm3browser
