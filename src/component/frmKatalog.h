#pragma once
// frmKatalog: the list of the waterway catalogues installed in the host's catalogue folder, to choose
// the one the component opens.

#include <QDialog>
#include <QString>
#include <cstdint>

class QPushButton;
class QTableWidget;

class frmKatalog : public QDialog {
    Q_OBJECT
public:
    explicit frmKatalog(QWidget* parent = nullptr);

    /// Lists the catalogue files (*.sqlite) of the host's catalogue folder by name and makes the
    /// current catalogue (strKatalog) the current row. What cannot be listed is written to the log.
    void FillGrid();

    /// Before showing: the full path of the current catalogue. After closing: the file name chosen
    /// (without folder), or the empty text when the user cancelled.
    QString strKatalog() const { return m_strKatalog; }
    void strKatalog(const QString& strPfad) { m_strKatalog = strPfad; }
    /// Row data of the row chosen; -1 when cancelled.
    std::int32_t lngKatalogIndex() const { return m_lngKatalogIndex; }

    QTableWidget* grid() const { return m_grid; }
    QPushButton* cmdOk() const { return m_cmdOk; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }

    /// Records the file name chosen in the window: a catalogue of the host's catalogue folder other
    /// than the current one is written to the host's settings file ("Binnen", "BinnenMDB") and then
    /// becomes the host's catalogue, and blnChange turns true. When the settings file cannot be written
    /// the user is told, nothing changes and the result is false.
    static bool KatalogUebernehmen(const QString& strGewaehlt, bool& blnChange);

public slots:
    void reject() override;

private:
    void cmdOk_Click();

    QTableWidget* m_grid = nullptr;
    QPushButton* m_cmdOk = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QString m_strKatalog;
    std::int32_t m_lngKatalogIndex = -1;
};
