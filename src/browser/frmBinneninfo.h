#pragma once
// frmBinneninfo: the waterway information browser. Four views — the waterway list, the points of one
// waterway, the optimised route and the search of locks, harbours and fuel stations (by name or within a
// radius of the start position) — and the hand-back of a position or point to whoever opened it.
//
// The window, its button panel, the switching of views and the hand-back are in frmBinneninfo.cpp; each
// view in a file of its own name: gewaesseransicht.cpp, punkteansicht.cpp, routenansicht.* (a widget of
// its own) and suchansicht.cpp. What needs no widget is in core/.

#include "browser/browserhilfen.h"
#include "browser/core/browsercore.h"
#include "olm3binnen/types.h"

#include <QDateTime>
#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

class IOLM3WindowOwner;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QTimer;
class QWidget;
class RoutenAnsicht;
class ucOLMButton;

class frmBinneninfo : public QDialog {
    Q_OBJECT
public:
    static inline const QString kModul = olm3::browser::kModul;
    enum Ansicht { vwBinnen = 0, vwPunkte = 1, vwRoute = 2, vwSuche = 3 };
    /// Item roles of the grids: the cell data of a cell, and (on column 0) the row data — the point id, in
    /// the waterway list the waterway id.
    static constexpr int kZellDaten = olm3browser::kZellDaten;
    static constexpr int kZeilenDaten = olm3browser::kZeilenDaten;
    /// Interval of the search animation, milliseconds.
    static constexpr int kTimerIntervall = 100;

    explicit frmBinneninfo(QWidget* parent = nullptr);
    ~frmBinneninfo() override;

    /// Keeps the component object that opened the window.
    void Init(IOLM3WindowOwner* owner);
    /// Prepares the whole window: the start position (nearest point within a capture range of 1.0), the
    /// lists, the route view when a route is present (and not in planning mode), the type boxes from the
    /// stored filter. The break flag is the owner's, cleared around a radius search.
    void Init_Position(bool blnPos, double dblLg, double dblBg, bool blnAllowRefBack, bool& blnRouteOptimiert,
                       QString& strTypFilter, bool& blnPlanungsModus,
                       std::vector<typRouteOptimiert>& audtRoute, QDateTime& datStartZeit,
                       bool& blnBreakOptimierer, bool blnStartWithRoute);
    /// After the window closed: blnPos the return flag; when set, the position of the selected row of the
    /// current view (the waterway's first point in the waterway list). Coordinates untouched otherwise.
    void Get_Position(bool& blnPos, double& dblLg, double& dblBg) const;
    /// After the window closed: the point of the selected row, -1 without the return flag, in the route
    /// view or without a selection.
    void Get_PunkteID(std::int32_t& lngPunkteID) const;
    /// The type filter text of the type boxes.
    void Get_Selection(QString& strTypFilter) const;

    // ---- state and controls, for tests and the layout ----
    int View() const { return m_intView; }
    const olm3::browser::typBinnenPos& AktuellePosition() const { return m_pos; }
    bool PunktGefunden() const { return m_blnPunktGefunden; }
    int VerlaufAnzahl() const { return m_verlauf.Anzahl(); }
    bool SucheLaeuft() const { return m_blnSucheLaeuft; }
    std::int32_t SuchTicks() const { return m_lngTicks; }

    ucOLMButton* fpBinnen() const { return m_fpView[vwBinnen]; }
    ucOLMButton* fpPunkte() const { return m_fpView[vwPunkte]; }
    ucOLMButton* fpRoute() const { return m_fpView[vwRoute]; }
    ucOLMButton* fpSuche() const { return m_fpView[vwSuche]; }
    ucOLMButton* fpView(int v) const { return m_fpView[static_cast<size_t>(v)]; }
    ucOLMButton* fpDetails() const { return m_fpDetails; }
    ucOLMButton* fpQuickInfo() const { return m_fpQuickInfo; }
    ucOLMButton* fpDrucken() const { return m_fpDrucken; }
    ucOLMButton* fpBack() const { return m_fpBack; }
    ucOLMButton* fpRefBack() const { return m_fpRefBack; }
    QWidget* fraView(int v) const { return m_fraView[static_cast<size_t>(v)]; }
    QTableWidget* grdBinnen() const { return m_grdBinnen; }
    QLineEdit* txtBinnenName() const { return m_txtBinnenName; }
    QTableWidget* grdPunkte() const { return m_grdPunkte; }
    QCheckBox* chkTyp(int k) const { return m_chkTyp[static_cast<size_t>(k)]; }
    ucOLMButton* pbAlle() const { return m_pbAlle; }
    ucOLMButton* pbKein() const { return m_pbKein; }
    ucOLMButton* pbVorheriger() const { return m_pbVorheriger; }
    QLabel* lblBinnenBez() const { return m_lblBinnenBez; }
    QLabel* lblQuickInfo() const { return m_lblQuickInfo; }
    RoutenAnsicht* fraRoute() const { return m_fraRoute; }
    QTableWidget* grdErgebniss() const { return m_grdErgebniss; }
    QRadioButton* optSuche(int i) const { return m_optSuche[static_cast<size_t>(i)]; }
    QLineEdit* txtName() const { return m_txtName; }
    ucOLMButton* pbUmkreisSuche() const { return m_pbUmkreisSuche; }
    QComboBox* cmbUmkreis() const { return m_cmbUmkreis; }
    QFrame* picSuche() const { return m_picSuche; }
    QLabel* lblTitelSuche() const { return m_lblTitelSuche; }
    QLabel* lblGefundenTitel() const { return m_lblGefundenTitel; }
    QLabel* lblGefunden() const { return m_lblGefunden; }
    QLabel* lblZeit() const { return m_lblZeit; }
    ucOLMButton* pbUmkreisSucheBreak() const { return m_pbUmkreisSucheBreak; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    /// Escape and the close box: refused while a radius search runs, otherwise back without a result.
    void reject() override;

private:
    class KWSEreignisse;
    friend class KWSEreignisse;

    // set-up: the window and its panel, then each view in its own file
    void createControls();
    void setTexts();
    void formatButtons();
    void setupGrids();
    void layoutControls();
    void createGewaesserAnsicht();
    void layoutGewaesserAnsicht(int fw, int fh, int zeile);
    void createPunkteAnsicht();
    void layoutPunkteAnsicht(int fw, int fh, int zeile);
    void layoutTypBoxen();
    void createSuchAnsicht();
    void layoutSuchAnsicht(int fw, int fh, int zeile);
    void layoutSuchReihe();

    // views
    void fpView_Click(int v);
    void DrueckeView(int v);
    void ApplyView();
    void enableRefBack(bool blnZeile);
    bool ZeileGewaehlt(const QTableWidget* grd) const;

    // waterway list
    void FillGridBinnen();
    void txtBinnenName_Change();
    void grdBinnen_DblClick(int row);

    // type boxes and points list
    void SetTypCaptions(std::int32_t lngBinnenID);
    void ComputeTypFilter();
    void SetTypBoxen(const olm3::browser::TypBoxen& boxen);
    void chkTyp_Click();
    void pbAlle_Click();
    void pbKein_Click();
    bool FillGridPunkte();
    void pbVorheriger_Click();
    void Abzweig(int row);
    void Details();
    void DetailsFuer(const QString& strTyp, std::int32_t lngPunkteID, int intZeilePunkte);
    void fpQuickInfo_Click();
    void ShowQuickInfo(int intLeer);
    std::vector<olm3::browser::RoutenMarke> RoutenMarken() const;

    // route view
    void RoutenpunktGewaehlt(std::int32_t lngBinnenID, std::int32_t lngPunkteID, const QString& strBinnenBez,
                             std::int32_t lngRoutenIndex);

    // search view
    int GewaehlteArt() const;
    void CheckArt(int i);
    void optSuche_Click(int i);
    void cmbUmkreis_Click(int i);
    bool FillGridSuche(const QString& strFilter);
    void txtName_Change();
    void pbUmkreisSuche_Click();
    /// Asks for kind and radius and runs the search; false when the dialog was cancelled.
    bool UmkreisSucheDialog();
    void UmkreisSuche(int intArt, std::int32_t lngUmkreis);
    void ErgebnisseZeigen();
    void SetErgebnisFilter();
    void pbUmkreisSucheBreak_Click();
    void timerSucheAnimation_Timer();
    void EnableForSuche(bool blnEnabled, int intArt);

    // closing
    void fpBack_Click();
    void fpRefBack_Click();

    IOLM3WindowOwner* m_owner = nullptr;
    bool m_blnPos = false; ///< on entry the start position is valid; on exit a position is handed back
    double m_dblStartLg = 0.0;
    double m_dblStartBg = 0.0;
    bool m_blnAllowRefBack = false;
    bool m_blnPlanungsModus = false;
    bool m_blnRouteVorhanden = false;
    bool* m_pblnBreak = nullptr;
    olm3::browser::typBinnenPos m_pos;
    bool m_blnPunktGefunden = false;
    olm3::browser::Verlauf m_verlauf;
    int m_intView = vwBinnen;
    QString m_strTypFilter;
    std::int32_t m_lngZentrumPunkteID = 0;
    std::vector<typRouteOptimiert> m_audtRoute;
    QString m_strRoutenPunkte;
    bool m_blnTypEvents = false;
    bool m_blnSuchEvents = false;
    bool m_blnRefill = false;
    bool m_blnQuickInfo = false;
    bool m_blnRueckgabeRoute = false;
    bool m_blnSucheGefuellt = false;
    // radius search
    bool m_blnSucheLaeuft = false;
    std::int32_t m_lngGefunden = 0;
    std::int32_t m_lngTicks = 0;
    QString m_strErgebnisFilter;
    std::vector<std::int32_t> m_alngErgebnisID;
    std::vector<double> m_adblErgebnisStrecke;

    QWidget* m_pbMenu = nullptr;
    std::array<ucOLMButton*, 4> m_fpView{};
    std::array<QWidget*, 4> m_fraView{};
    ucOLMButton* m_fpDetails = nullptr;
    ucOLMButton* m_fpQuickInfo = nullptr;
    ucOLMButton* m_fpDrucken = nullptr;
    ucOLMButton* m_fpBack = nullptr;
    ucOLMButton* m_fpRefBack = nullptr;

    QTableWidget* m_grdBinnen = nullptr;
    QLineEdit* m_txtBinnenName = nullptr;

    QTableWidget* m_grdPunkte = nullptr;
    std::array<QCheckBox*, olm3::browser::kTypBoxen> m_chkTyp{};
    ucOLMButton* m_pbAlle = nullptr;
    ucOLMButton* m_pbKein = nullptr;
    ucOLMButton* m_pbVorheriger = nullptr;
    QLabel* m_lblBinnenBez = nullptr;
    QLabel* m_lblQuickInfo = nullptr;

    RoutenAnsicht* m_fraRoute = nullptr;

    QTableWidget* m_grdErgebniss = nullptr;
    std::array<QRadioButton*, 3> m_optSuche{};
    QLineEdit* m_txtName = nullptr;
    ucOLMButton* m_pbUmkreisSuche = nullptr;
    QComboBox* m_cmbUmkreis = nullptr;
    QFrame* m_picSuche = nullptr;
    QWidget* m_picSucheAnimation = nullptr;
    QLabel* m_lblTitelSuche = nullptr;
    QLabel* m_lblGefundenTitel = nullptr;
    QLabel* m_lblGefunden = nullptr;
    QLabel* m_lblZeit = nullptr;
    ucOLMButton* m_pbUmkreisSucheBreak = nullptr;
    QTimer* m_timerSucheAnimation = nullptr;
};
