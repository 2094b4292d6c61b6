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

    /// Fills the report from the route's distance, totals and start time; strHinweis, when given, stands
    /// beneath the lines as a warning (the totals are not reliable).
    void FuelleBericht(double dblStrecke, double dblSummeDurchgangszeit, double dblSummeWartezeit,
                       double dblSummeFahrzeit, const QDateTime& datStartZeit,
                       const QString& strHinweis = QString());

    QTableWidget* grdReport() const { return m_grdReport; }
    ucOLMButton* pbBack() const { return m_pbBack; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTableWidget* m_grdReport = nullptr;
    ucOLMButton* m_pbBack = nullptr;
};
