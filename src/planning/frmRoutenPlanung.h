#pragma once
// frmRoutenPlanung: the planned route as a list of waterway points, with start time, cruising speed and
// the button panel that edits, saves, loads and optimises it. Every change goes to the facade, which
// keeps the route and tells the host; the window itself computes nothing.

#include "olm3binnen/types.h"

#include <QDateTime>
#include <QDialog>
#include <cstdint>
#include <vector>

class IOLM3WindowOwner;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;
class ucOLMButton;

namespace olm3ui {
class WochentagDateTimeEdit;
}

class frmRoutenPlanung : public QDialog {
    Q_OBJECT
public:
    /// Module name of the window's texts.
    static inline const QString kModul = QStringLiteral("frmRoutenPlanung");

    /// Grid columns.
    enum Spalte { colNr = 0, colKM, colBreite, colLaenge, colGewaesser, colTyp, colBezeichnung, colBinnenID };
    static constexpr int kSpalten = 8;

    explicit frmRoutenPlanung(QWidget* parent = nullptr);

    /// Fills the window with the route alngPunkteID (the empty route is one id 0) and reports it to the
    /// facade when blnNeuZeichnen. objFacade is kept when given.
    void Init(const std::vector<std::int32_t>& alngPunkteID, IOLM3WindowOwner* objFacade, bool blnNeuZeichnen);

    /// The route as last rebuilt from the grid (one record with id 0 when empty).
    const std::vector<typRoute>& Route() const { return m_audtRoute; }
    /// The start moment the date/time field shows (date plus hours, minutes and seconds).
    QDateTime StartMoment() const;
    /// The point id a grid row carries as its row data (text).
    QString RowData(int row) const;

    QTableWidget* grdRoute() const { return m_grdRoute; }
    olm3ui::WochentagDateTimeEdit* fpStartDateTime() const { return m_fpStartDateTime; }
    QDoubleSpinBox* fpMarschGeschw() const { return m_fpMarschGeschw; }
    QLabel* lblTitel(int index) const { return m_lblTitel[index]; }
    QWidget* pbMenu() const { return m_pbMenu; }
    ucOLMButton* fpBack() const { return m_fpBack; }
    ucOLMButton* fpBinnenInfo() const { return m_fpBinnenInfo; }
    ucOLMButton* fpKarte() const { return m_fpKarte; }
    ucOLMButton* fpDelete() const { return m_fpDelete; }
    /// fpMove is two parts: upper (one place up) and lower (one place down).
    QWidget* fpMove() const { return m_fpMove; }
    ucOLMButton* fpMoveOben() const { return m_fpMoveOben; }
    ucOLMButton* fpMoveUnten() const { return m_fpMoveUnten; }
    ucOLMButton* fpDeleteAll() const { return m_fpDeleteAll; }
    ucOLMButton* fpOptimieren() const { return m_fpOptimieren; }
    ucOLMButton* fpLoad() const { return m_fpLoad; }
    ucOLMButton* fpSave() const { return m_fpSave; }
    ucOLMButton* fpFahrtag() const { return m_fpFahrtag; }
    ucOLMButton* fpGpxExport() const { return m_fpGpxExport; }
    ucOLMButton* fpGpxImport() const { return m_fpGpxImport; }

    /// GPX export: the timed route when the owner holds one, otherwise the planned route, into
    /// strPfad or a file the user chooses. True when a file was written.
    bool GpxExportieren(const QString& strPfad = QString());
    /// GPX import: the points of strPfad (or a file the user chooses) replace the planned route once the
    /// user has agreed; start time and speed come along when the file has them. True when replaced.
    bool GpxImportieren(const QString& strPfad = QString());
    ucOLMButton* fpBoot() const { return m_fpBoot; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    /// Escape and the window's close box leave the window the way the back button does.
    void reject() override;

private:
    void fpBack_Click();
    void fpBinnenInfo_Click();
    void fpDelete_Click();
    void fpKarte_Click();
    void fpMove_Click(bool blnNachOben);
    void fpDeleteAll_Click();
    void fpOptimieren_Click();
    void fpLoad_Click();
    void fpSave_Click();
    void fpBoot_Click();

    void formatButtons();
    void setTexts();
    void setEingaben();
    void setupGrid();
    void layoutControls();
    /// Sizes the visible columns to their contents.
    void spaltenAnpassen();
    enum class Punkt { Eingefuegt, NichtImKatalog, Fehler };
    /// Inserts the point as grid row lngRow. No row is inserted when the catalogue has no such point or
    /// the query fails (the database layer has then said why).
    Punkt AddPunkt(std::int32_t lngPunkteID, int lngRow);
    void RouteAusGrid();
    void RouteGeaendert(bool blnNeuZeichnen);
    void enableOptimierenSpeichern();
    /// The current data row, or the last one when none is current; -1 without data rows.
    int aktuelleZeile() const;
    void swapRows(int a, int b);
    /// Whether the plan differs from the one last saved or loaded (an empty plan has nothing to lose).
    bool UngesicherteAenderungen() const;
    void merkeGesichert(const std::vector<std::int32_t>& alngPunkteID);
    /// Tells the user which points of the route the open catalogue does not have.
    void meldeFehlendePunkte(const std::vector<std::int32_t>& alngFehlend);

    IOLM3WindowOwner* m_objFacade = nullptr;
    std::vector<std::int32_t> m_alngPunkteID{0};
    std::vector<typRoute> m_audtRoute{typRoute{}};

    QTableWidget* m_grdRoute = nullptr;
    olm3ui::WochentagDateTimeEdit* m_fpStartDateTime = nullptr;
    QDoubleSpinBox* m_fpMarschGeschw = nullptr;
    QLabel* m_lblTitel[3] = {nullptr, nullptr, nullptr};
    QWidget* m_pbMenu = nullptr;
    ucOLMButton* m_fpBack = nullptr;
    ucOLMButton* m_fpBinnenInfo = nullptr;
    ucOLMButton* m_fpKarte = nullptr;
    ucOLMButton* m_fpDelete = nullptr;
    QWidget* m_fpMove = nullptr;
    ucOLMButton* m_fpMoveOben = nullptr;
    ucOLMButton* m_fpMoveUnten = nullptr;
    ucOLMButton* m_fpDeleteAll = nullptr;
    ucOLMButton* m_fpOptimieren = nullptr;
    ucOLMButton* m_fpLoad = nullptr;
    ucOLMButton* m_fpSave = nullptr;
    ucOLMButton* m_fpFahrtag = nullptr;
    ucOLMButton* m_fpGpxExport = nullptr;
    ucOLMButton* m_fpGpxImport = nullptr;
    /// Creates the two GPX buttons and connects them (in the planning window's GPX file).
    void gpxKnoepfe();
    ucOLMButton* m_fpBoot = nullptr;
};
