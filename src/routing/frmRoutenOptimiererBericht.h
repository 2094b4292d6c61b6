#pragma once
// frmRoutenOptimiererBericht: the summary of the optimised route in a small grid with a back button.

#include <QDateTime>
#include <QDialog>

class QTableWidget;
class ucOLMButton;

class frmRoutenOptimiererBericht : public QDialog {
    Q_OBJECT
public:
    explicit frmRoutenOptimiererBericht(QWidget* parent = nullptr);

    /// Fills the report from the route's distance, totals and start time; with the trip's days (from its
    /// day stages) a last line states them.
    void FuelleBericht(double dblStrecke, double dblSummeDurchgangszeit, double dblSummeWartezeit,
                       double dblSummeFahrzeit, const QDateTime& datStartZeit, std::int32_t lngReisetage = 0);

    QTableWidget* grdReport() const { return m_grdReport; }
    ucOLMButton* pbBack() const { return m_pbBack; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTableWidget* m_grdReport = nullptr;
    ucOLMButton* m_pbBack = nullptr;
};
