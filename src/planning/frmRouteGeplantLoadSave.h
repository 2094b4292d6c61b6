#pragma once
// frmRouteGeplantLoadSave: saving the planned route under a name, overwriting or deleting a saved route,
// and choosing a saved route to load back into route planning.

#include "planning/core/rematch.h"

#include <QDateTime>
#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

class IOLM3WindowOwner;
class QCheckBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTableWidget;
class ucOLMButton;
namespace olm3ui {
class WochentagDateTimeEdit;
}

class frmRouteGeplantLoadSave : public QDialog {
    Q_OBJECT
public:
    explicit frmRouteGeplantLoadSave(QWidget* parent = nullptr);
    ~frmRouteGeplantLoadSave() override;

    /// Prepares the window in load mode (blnLoad) or save mode; in save mode alngPunkteID is the route to
    /// save with the start moment and speed handed in. False when the list of saved routes cannot be read:
    /// the caller then does not show the window.
    bool Init(IOLM3WindowOwner* objFacade, const std::vector<std::int32_t>& alngPunkteID, bool blnLoad,
              const QDateTime& datStart, double dblMarschV);
    /// After the window was shown in load mode: true when the user loaded a route; its point ids then
    /// are in alngPunkteID, in the order chosen.
    bool RouteLoad(std::vector<std::int32_t>& alngPunkteID);

    QTableWidget* grdRouten() const { return m_grdRouten; }
    QTableWidget* grdRoutenPunkte() const { return m_grdRoutenPunkte; }
    QCheckBox* chkInvers() const { return m_chkInvers; }
    QFrame* fraEingaben() const { return m_fraEingaben; }
    QLineEdit* txtRoutenbezeichnung() const { return m_txtRoutenbezeichnung; }
    QLineEdit* txtRoutenbemerkung() const { return m_txtRoutenbemerkung; }
    olm3ui::WochentagDateTimeEdit* fpStartDateTime() const { return m_fpStartDateTime; }
    QDoubleSpinBox* fpMarschGeschw() const { return m_fpMarschGeschw; }
    ucOLMButton* pbLoadSave() const { return m_pbLoadSave; }
    ucOLMButton* pbOverwrite() const { return m_pbOverwrite; }
    ucOLMButton* pbDelete() const { return m_pbDelete; }
    ucOLMButton* pbBack() const { return m_pbBack; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetupGrids();
    void SetTexte();
    bool FillGridRoute();
    bool ZeigenPunkte();
    bool Speichern();
    void pbLoadSave_Click();
    void pbOverwrite_Click();
    void pbDelete_Click();
    void pbBack_Click();
    void grdRouten_SelChange();
    /// Start moment and speed go to the facade and the host, as on saving.
    void StartUndMarschVAnFassade();
    /// True, after the message "Routenbezeichnung fehlt!", when the name box is empty.
    bool NameFehlt();
    /// Shows a failed write: the error, and that the saved routes are as they were. The title names the
    /// procedure that failed: strProzedur, or the writing of the points.
    void ZeigeSchreibfehler(const olm3::planning::Ergebnis& erg, const QString& strProzedur,
                            std::int32_t lngFolgeText);
    /// The ID of the route selected in the list; 0 when none is.
    std::int32_t SelectedRouteID() const;
    olm3::planning::RoutenKopf Kopf() const;

    QTableWidget* m_grdRouten = nullptr;
    QTableWidget* m_grdRoutenPunkte = nullptr;
    QCheckBox* m_chkInvers = nullptr;
    QFrame* m_fraEingaben = nullptr;
    QLineEdit* m_txtRoutenbezeichnung = nullptr;
    QLineEdit* m_txtRoutenbemerkung = nullptr;
    olm3ui::WochentagDateTimeEdit* m_fpStartDateTime = nullptr;
    QDoubleSpinBox* m_fpMarschGeschw = nullptr;
    /// The labels of the input frame: name, remark, start time, speed.
    std::array<QLabel*, 4> m_lblTitel{};
    ucOLMButton* m_pbLoadSave = nullptr;
    ucOLMButton* m_pbOverwrite = nullptr;
    ucOLMButton* m_pbDelete = nullptr;
    ucOLMButton* m_pbBack = nullptr;

    IOLM3WindowOwner* m_objFacade = nullptr;
    bool m_blnLoad = false;
    bool m_blnSchreibgeschuetzt = false;
    QDateTime m_datStart;
    double m_dblMarschV = 0.0;
    /// Save mode: the route to save; load mode: the matched ids of the route shown, in display order.
    std::vector<std::int32_t> m_alngPunkteID;
    bool m_blnRouteLoaded = false;
    olm3::planning::Zaehler m_zaehler;
    /// The route whose points the points grid shows.
    std::int32_t m_lngRoutenIDGezeigt = 0;
};
