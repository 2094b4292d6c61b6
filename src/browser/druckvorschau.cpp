#include "browser/druckvorschau.h"

#include "browser/browserhilfen.h"
#include "data/modOLM3Binnen.h"
#include "ui/messagebox.h"
#include "ui/windowhelpers.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

using namespace modOLM3Binnen;

using olm3browser::text;

frmDruckvorschau::frmDruckvorschau(Einrichtung einrichtung, Seiten seiten, QWidget* parent)
    : QDialog(parent), m_einrichtung(std::move(einrichtung)), m_seiten(std::move(seiten)),
      m_vorschauDrucker(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("frmDruckvorschau"));
    setWindowTitle(text(9470));
    m_einrichtung(*m_vorschauDrucker, QString());
    m_vorschau = new QPrintPreviewWidget(m_vorschauDrucker.get(), this);
    m_vorschau->setObjectName(QStringLiteral("vorschau"));
    m_vorschau->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(m_vorschau, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        QString strFehler;
        m_seiten(*printer, strFehler);
    });

    m_cmbDrucker = new QComboBox(this);
    m_cmbDrucker->setObjectName(QStringLiteral("cmbDrucker"));
    const QString standard = QPrinterInfo::defaultPrinterName();
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        m_cmbDrucker->addItem(name, name);
        if (name == standard) m_cmbDrucker->setCurrentIndex(m_cmbDrucker->count() - 1);
    }
    m_cmbDrucker->addItem(text(9472), QString());
    m_txtPdfDatei = new QLineEdit(this);
    m_txtPdfDatei->setObjectName(QStringLiteral("txtPdfDatei"));
    m_txtPdfDatei->setText(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                               .filePath(QStringLiteral("Route.pdf")));
    m_cmdPdfWaehlen = new QPushButton(QStringLiteral("..."), this);
    m_cmdPdfWaehlen->setObjectName(QStringLiteral("cmdPdfWaehlen"));
    m_cmdDrucken = new QPushButton(text(541), this);
    m_cmdDrucken->setObjectName(QStringLiteral("cmdDrucken"));
    m_cmdDrucken->setDefault(true);
    m_cmdAbbrechen = new QPushButton(text(9474), this);
    m_cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));

    auto* ziel = new QHBoxLayout;
    ziel->addWidget(new QLabel(text(9471), this));
    ziel->addWidget(m_cmbDrucker, 1);
    ziel->addSpacing(12);
    ziel->addWidget(new QLabel(text(9473), this));
    ziel->addWidget(m_txtPdfDatei, 2);
    ziel->addWidget(m_cmdPdfWaehlen);
    ziel->addSpacing(12);
    ziel->addWidget(m_cmdDrucken);
    ziel->addWidget(m_cmdAbbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(ziel);
    haupt->addWidget(m_vorschau, 1);

    connect(m_cmbDrucker, &QComboBox::currentIndexChanged, this, &frmDruckvorschau::zielGeaendert);
    connect(m_txtPdfDatei, &QLineEdit::textChanged, this, &frmDruckvorschau::zielGeaendert);
    connect(m_cmdPdfWaehlen, &QPushButton::clicked, this, &frmDruckvorschau::pdfWaehlen);
    connect(m_cmdDrucken, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    zielGeaendert();
    resize(1000, 760);
    CenterForm(this);
}

frmDruckvorschau::~frmDruckvorschau() = default;

bool frmDruckvorschau::istPdf() const { return m_cmbDrucker->currentData().toString().isEmpty(); }

QString frmDruckvorschau::PdfDatei() const { return istPdf() ? m_txtPdfDatei->text().trimmed() : QString(); }

void frmDruckvorschau::zielGeaendert() {
    const bool pdf = istPdf();
    m_txtPdfDatei->setEnabled(pdf);
    m_cmdPdfWaehlen->setEnabled(pdf);
    m_cmdDrucken->setText(pdf ? text(9475) : text(541));
    m_cmdDrucken->setEnabled(!pdf || !m_txtPdfDatei->text().trimmed().isEmpty());
}

void frmDruckvorschau::pdfWaehlen() {
    QFileDialog dlg(this, text(9476), m_txtPdfDatei->text(), text(9477));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("pdf"));
    if (olm3ui::ExecModal(&dlg) == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
        m_txtPdfDatei->setText(dlg.selectedFiles().constFirst());
}

bool frmDruckvorschau::Drucke(QString& strFehler) {
    QPrinter printer(QPrinter::HighResolution);
    if (!istPdf()) printer.setPrinterName(m_cmbDrucker->currentData().toString());
    m_einrichtung(printer, PdfDatei());
    return m_seiten(printer, strFehler);
}
