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
    /// day stages) a last line states them; strHinweis, when given, stands beneath the lines as a warning
    /// (the totals are not reliable).
    void FuelleBericht(double dblStrecke, double dblSummeDurchgangszeit, double dblSummeWartezeit,
                       double dblSummeFahrzeit, const QDateTime& datStartZeit, std::int32_t lngReisetage = 0,
                       const QString& strHinweis = QString());

    /// The boat's own consumption (l/h) for the fuel line, in place of the host's; 0 keeps the host's.
    void VerbrauchProStunde(double dbl) { m_dblVerbrauch = dbl; }
    /// Appends the summary of the boat's clearance check as a line of its own (nothing when empty).
    void Durchfahrt(const QString& strSumme);

    QTableWidget* grdReport() const { return m_grdReport; }
    ucOLMButton* pbBack() const { return m_pbBack; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    /// The window as large as its lines, centred.
    void passeGroesseAn();

    QTableWidget* m_grdReport = nullptr;
    ucOLMButton* m_pbBack = nullptr;
    double m_dblVerbrauch = 0.0;
};
