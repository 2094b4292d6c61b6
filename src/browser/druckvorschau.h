#pragma once
// frmDruckvorschau: the pages of a print as they will come out, with the choice of a printer or a PDF
// file, before anything is printed.

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

class frmDruckvorschau : public QDialog {
    Q_OBJECT
public:
    /// Sets a printer up for the pages (size, orientation, target), with the PDF file when one is given.
    using Einrichtung = std::function<void(QPrinter& printer, const QString& strPdfDatei)>;
    /// Draws the pages onto a printer; false with the reason when it cannot be opened.
    using Seiten = std::function<bool(QPrinter& printer, QString& strFehler)>;

    frmDruckvorschau(Einrichtung einrichtung, Seiten seiten, QWidget* parent = nullptr);
    ~frmDruckvorschau() override;

    /// Prints onto the target chosen: the printer, or the PDF file. False with the reason when it
    /// cannot be opened.
    bool Drucke(QString& strFehler);
    /// The PDF file chosen, or the empty text when a printer is chosen.
    QString PdfDatei() const;

    QPrintPreviewWidget* vorschau() const { return m_vorschau; }
    /// The installed printers, then "save as PDF" as the last entry.
    QComboBox* cmbDrucker() const { return m_cmbDrucker; }
    QLineEdit* txtPdfDatei() const { return m_txtPdfDatei; }
    QPushButton* cmdPdfWaehlen() const { return m_cmdPdfWaehlen; }
    QPushButton* cmdDrucken() const { return m_cmdDrucken; }
    QPushButton* cmdAbbrechen() const { return m_cmdAbbrechen; }

private:
    bool istPdf() const;
    void zielGeaendert();
    void pdfWaehlen();

    Einrichtung m_einrichtung;
    Seiten m_seiten;
    std::unique_ptr<QPrinter> m_vorschauDrucker;
    QPrintPreviewWidget* m_vorschau = nullptr;
    QComboBox* m_cmbDrucker = nullptr;
    QLineEdit* m_txtPdfDatei = nullptr;
    QPushButton* m_cmdPdfWaehlen = nullptr;
    QPushButton* m_cmdDrucken = nullptr;
    QPushButton* m_cmdAbbrechen = nullptr;
};
