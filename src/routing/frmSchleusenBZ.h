#pragma once
// frmSchleusenBZ: a lock's operating hours, by weekday and season and on holidays, with its special rule.

#include <QDateTime>
#include <QDialog>
#include <cstdint>

class QLabel;
class QTableWidget;
class ucOLMButton;

class frmSchleusenBZ : public QDialog {
    Q_OBJECT
public:
    explicit frmSchleusenBZ(QWidget* parent = nullptr);

    /// Fills the window for lock lngSchleusenID (its SchleusenID). A date other than the null date
    /// emphasises its weekday and holiday and dates the movable holidays in its year. True when both
    /// tables could be filled and the lock has operating hours; the caller shows the window only then.
    bool Init(std::int32_t lngSchleusenID, const QDateTime& datDatum);
    /// After a failed Init: true when the catalogue was read but holds no operating hours for the lock.
    bool OhneBetriebszeiten() const { return m_blnOhneBetriebszeiten; }

    QTableWidget* grdWT() const { return m_grdWT; }
    QTableWidget* grdFT() const { return m_grdFT; }
    QLabel* lblSR() const { return m_lblSR; }
    ucOLMButton* pbBack() const { return m_pbBack; }

    /// Cell data of a season cell with a special rule: the rule's id.
    static constexpr int kSonderregelRolle = Qt::UserRole;
    /// Row data of the tables: the weekday number (grdWT column 0) and the holiday (grdFT column 0).
    static constexpr int kZeilenRolle = Qt::UserRole + 1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool fillWT();
    bool fillFT();
    void anordnen();
    void passeGroesseAn();

    QTableWidget* m_grdWT = nullptr;
    QTableWidget* m_grdFT = nullptr;
    QLabel* m_lblSR = nullptr;
    ucOLMButton* m_pbBack = nullptr;
    std::int32_t m_lngSchleusenID = 0;
    QDateTime m_datDatum;
    std::int32_t m_lngAnzahlWT = 0;
    std::int32_t m_lngAnzahlFT = 0;
    bool m_blnOhneBetriebszeiten = false;
};
