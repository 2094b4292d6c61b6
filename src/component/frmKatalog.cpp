#include "component/frmKatalog.h"

#include "data/modOLM3Binnen.h"
#include "data/texttable.h"
#include "ui/windowhelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace modOLM3Binnen;

namespace {

const QString kModul = QStringLiteral("frmKatalog");
const QString kFillGrid = QStringLiteral("frmKatalog.FillGrid");

bool gleicherPfad(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

/// A settings file marked read-only stays as it is, also for a user the system would let write to it
/// anyway (an administrator).
bool istSchreibgeschuetzt(const QString& strDatei) {
    const QFileInfo fi(strDatei);
    if (!fi.exists()) return false;
    return !(fi.permissions() &
             (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

} // namespace

frmKatalog::frmKatalog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Katalog"));
    m_grid = new QTableWidget(this);
    m_grid->setColumnCount(1);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setShowGrid(false);
    m_cmdOk = new QPushButton(QStringLiteral("&Ok"), this);
    // The windows' common back text, "&Zurück", in the language of the user interface.
    m_cmdCancel = new QPushButton(olm3::TextTable::Builtin().Text(kModul, 401, QStringLiteral("&Zurück")), this);
    m_cmdOk->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_cmdOk);
    knoepfe->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(knoepfe);
    connect(m_cmdOk, &QPushButton::clicked, this, &frmKatalog::cmdOk_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmKatalog::reject);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &frmKatalog::cmdOk_Click);

    resize(360, 260);
    // The host's window look picks its background by this name.
    setProperty("Tag", QStringLiteral("360x260.bmp"));
    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);
    CenterForm(this);
}

void frmKatalog::FillGrid() {
    m_grid->setUpdatesEnabled(false);
    m_grid->clear();
    m_grid->setRowCount(0);
    m_grid->setColumnCount(1);
    int lngAktuell = -1;
    try {
        const QString strOrdner = objOLM3Cfg ? objOLM3Cfg->GetKatalogVerzeichnis() : QString();
        const QFileInfo ordner(strOrdner);
        if (strOrdner.isEmpty()) {
            // No folder: nothing to choose from.
        } else if (!ordner.isDir()) {
            WriteLogEntry(kFillGrid, 76, QStringLiteral("Path not found: ") + strOrdner);
        } else if (!ordner.isReadable()) {
            WriteLogEntry(kFillGrid, 70, QStringLiteral("Permission denied: ") + strOrdner);
        } else {
            const QStringList dateien = QDir(strOrdner).entryList({QStringLiteral("*.sqlite")}, QDir::Files,
                                                                  QDir::Name | QDir::IgnoreCase);
            for (const QString& strName : dateien) {
                const int row = m_grid->rowCount();
                m_grid->insertRow(row);
                auto* item = new QTableWidgetItem(strName);
                item->setData(Qt::UserRole, row);
                m_grid->setItem(row, 0, item);
                if (gleicherPfad(ImOrdner(strOrdner, strName), m_strKatalog)) lngAktuell = row;
            }
        }
    } catch (const std::exception& ex) {
        const olm3::RuntimeError e = AsRuntimeError(ex);
        WriteLogEntry(kFillGrid, e.Number(), e.Description());
    }
    m_grid->setUpdatesEnabled(true);
    if (lngAktuell >= 0) m_grid->setCurrentCell(lngAktuell, 0);
}

void frmKatalog::cmdOk_Click() {
    const QTableWidgetItem* item =
        m_grid->currentRow() >= 0 ? m_grid->item(m_grid->currentRow(), 0) : nullptr;
    if (!item) return;
    m_lngKatalogIndex = item->data(Qt::UserRole).toInt();
    m_strKatalog = item->text();
    accept();
}

void frmKatalog::reject() {
    m_lngKatalogIndex = -1;
    m_strKatalog.clear();
    QDialog::reject();
}

bool frmKatalog::KatalogUebernehmen(const QString& strGewaehlt, bool& blnChange) {
    blnChange = false;
    if (strGewaehlt.isEmpty()) return true;
    if (!objOLM3Cfg) return false;
    const QString strNeu = ImOrdner(objOLM3Cfg->GetKatalogVerzeichnis(), strGewaehlt);
    if (gleicherPfad(strNeu, objOLM3Cfg->GetBinnenKatalog())) return true;
    // The host's catalogue changes only together with its settings file, so that the next start opens
    // the catalogue chosen now.
    const QString strIni = objOLM3Cfg->GetIniDatei();
    if (strIni.trimmed().isEmpty()) {
        MsgBox(GetText(kModul, 9311), vbExclamation, objOLM3Cfg->GetAppTitel());
        return false;
    }
    if (istSchreibgeschuetzt(strIni) ||
        !WriteIniString(strIni, QStringLiteral("Binnen"), QStringLiteral("BinnenMDB"), strGewaehlt)) {
        MsgBox(GetText(kModul, 9310).arg(QDir::toNativeSeparators(strIni)), vbExclamation,
               objOLM3Cfg->GetAppTitel());
        return false;
    }
    objOLM3Cfg->SetBinnenKatalog(strNeu);
    blnChange = true;
    return true;
}
