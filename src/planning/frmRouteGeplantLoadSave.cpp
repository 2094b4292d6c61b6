#include "planning/frmRouteGeplantLoadSave.h"

#include "data/modOLM3Binnen.h"
#include "olm3binnen/windowowner.h"
#include "ui/panelbutton.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"
#include "ui/wochentag.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

using namespace modOLM3Binnen;
using namespace olm3::planning;

namespace {

const QString kModul = QStringLiteral("frmRouteGeplantLoadSave");
/// The titles of trapped errors carry the window's name as it was once misspelt; users and support
/// know the messages by them.
const QString kTitelPrefix = QStringLiteral("frmRouteGeplantLaodSave.");

constexpr int kRand = 5;
constexpr int kPanelBreite = 148;
constexpr int kKnopfHoehe = 40;
constexpr int kKopfzeilenHoehe = 40;
constexpr int kSchrift = 12;
constexpr int kMinBreite = 580;
constexpr int kMinHoehe = 450;
const QColor kGelb(255, 255, 0);
const QColor kRot(255, 0, 0);

QString Text(std::int32_t lngTextID) {
    return GetText(kModul, lngTextID);
}

/// A grid of this window: whole rows, no editing, a header row at least 40 pixels high.
void SetupGrid(QTableWidget* grd, const QStringList& kopf) {
    grd->setColumnCount(static_cast<int>(kopf.size()));
    grd->setHorizontalHeaderLabels(kopf);
    grd->setRowCount(0);
    grd->verticalHeader()->hide();
    grd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd->setSelectionBehavior(QAbstractItemView::SelectRows);
    grd->setWordWrap(false);
    grd->horizontalHeader()->setMinimumHeight(kKopfzeilenHoehe);
    grd->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

/// Columns sized to their contents, headers included, so that neither is cut off.
void SizeColumns(QTableWidget* grd, int lngBis) {
    for (int c = 0; c <= lngBis && c < grd->columnCount(); ++c)
        grd->resizeColumnToContents(c);
}

ucOLMButton* NeuerKnopf(QWidget* parent) {
    auto* pb = new ucOLMButton(parent);
    pb->Format_Button(kPanelBreite - kRand, kKnopfHoehe, false, QPixmap(), true, QString());
    return pb;
}

} // namespace

frmRouteGeplantLoadSave::frmRouteGeplantLoadSave(QWidget* parent) : QDialog(parent) {
    // The grids' type size for everything, so that labels and inputs read as easily as the lists.
    QFont font = this->font();
    font.setPointSize(kSchrift);
    setFont(font);
    m_grdRouten = new QTableWidget(this);
    m_grdRouten->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grdRoutenPunkte = new QTableWidget(this);
    // The points are only shown: no selection hides their colours.
    m_grdRoutenPunkte->setSelectionMode(QAbstractItemView::NoSelection);
    m_grdRoutenPunkte->setFocusPolicy(Qt::NoFocus);
    m_chkInvers = new QCheckBox(this);

    m_fraEingaben = new QFrame(this);
    m_fraEingaben->setFrameShape(QFrame::StyledPanel);
    m_txtRoutenbezeichnung = new QLineEdit(m_fraEingaben);
    m_txtRoutenbemerkung = new QLineEdit(m_fraEingaben);
    // The text fields of the routes database are Jet texts of at most 255 characters.
    m_txtRoutenbezeichnung->setMaxLength(255);
    m_txtRoutenbemerkung->setMaxLength(255);
    m_fpStartDateTime = new olm3ui::WochentagDateTimeEdit(kModul, m_fraEingaben);
    m_fpMarschGeschw = new QDoubleSpinBox(m_fraEingaben);
    m_fpMarschGeschw->setDecimals(1);
    m_fpMarschGeschw->setRange(0.1, 500.0);
    m_fpMarschGeschw->setSingleStep(0.1);
    // What is stored is the start and speed handed in by route planning: the two fields only show them.
    for (QAbstractSpinBox* fp : {static_cast<QAbstractSpinBox*>(m_fpStartDateTime),
                                 static_cast<QAbstractSpinBox*>(m_fpMarschGeschw)}) {
        fp->setReadOnly(true);
        fp->setButtonSymbols(QAbstractSpinBox::NoButtons);
        fp->setFocusPolicy(Qt::NoFocus);
        QPalette pal = fp->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Window));
        fp->setPalette(pal);
    }

    auto* lay = new QGridLayout(m_fraEingaben);
    for (QLabel*& lbl : m_lblTitel)
        lbl = new QLabel(m_fraEingaben);
    // One line per value, the unit inside the speed field: so that the frame fits beside the button
    // panel even at the smallest window width.
    m_fpMarschGeschw->setSuffix(QStringLiteral(" km/h"));
    lay->setContentsMargins(kRand, kRand, kRand, kRand);
    QWidget* felder[] = {m_txtRoutenbezeichnung, m_txtRoutenbemerkung, m_fpStartDateTime, m_fpMarschGeschw};
    for (int i = 0; i < 4; ++i) {
        lay->addWidget(m_lblTitel[static_cast<size_t>(i)], i, 0);
        lay->addWidget(felder[i], i, 1, 1, i < 2 ? 2 : 1);
    }
    lay->setColumnStretch(2, 1);

    m_pbLoadSave = NeuerKnopf(this);
    m_pbOverwrite = NeuerKnopf(this);
    m_pbDelete = NeuerKnopf(this);
    m_pbBack = NeuerKnopf(this);
    connect(m_pbLoadSave, &ucOLMButton::Click, this, &frmRouteGeplantLoadSave::pbLoadSave_Click);
    connect(m_pbOverwrite, &ucOLMButton::Click, this, &frmRouteGeplantLoadSave::pbOverwrite_Click);
    connect(m_pbDelete, &ucOLMButton::Click, this, &frmRouteGeplantLoadSave::pbDelete_Click);
    connect(m_pbBack, &ucOLMButton::Click, this, &frmRouteGeplantLoadSave::pbBack_Click);
    connect(m_chkInvers, &QCheckBox::clicked, this, [this] { ZeigenPunkte(); });
    connect(m_grdRouten, &QTableWidget::currentCellChanged, this, [this] { grdRouten_SelChange(); });

    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    move(s.topLeft());
    resize(std::max(s.width() - kPanelBreite, kMinBreite), 600);
}

frmRouteGeplantLoadSave::~frmRouteGeplantLoadSave() = default;

bool frmRouteGeplantLoadSave::Init(IOLM3WindowOwner* objFacade, const std::vector<std::int32_t>& alngPunkteID,
                                   bool blnLoad, const QDateTime& datStart, double dblMarschV) {
    if (objFacade) m_objFacade = objFacade;
    m_blnLoad = blnLoad;
    m_datStart = datStart;
    m_dblMarschV = dblMarschV;
    m_blnRouteLoaded = false;
    m_alngPunkteID = blnLoad ? std::vector<std::int32_t>() : alngPunkteID;
    SetupGrids();

    switch (PruefeRoutenDB()) {
    case RoutenDB::Fehlt:
        MsgBox(Text(9100), vbExclamation, MeldungsTitel());
        return false;
    case RoutenDB::Schreibgeschuetzt:
        // Saving is all this window does in save mode; loading works from a write-protected database.
        if (!blnLoad) {
            MsgBox(Text(9101) + QStringLiteral("\r\n") + Text(9103), vbExclamation, MeldungsTitel());
            return false;
        }
        m_blnSchreibgeschuetzt = true;
        break;
    case RoutenDB::Bereit:
        m_blnSchreibgeschuetzt = false;
        break;
    }

    // Nothing can be loaded until a route with a matched point is shown.
    m_pbLoadSave->Enabled(!blnLoad);
    if (!FillGridRoute()) return false;
    if (blnLoad) ZeigenPunkte();
    SetTexte();

    m_pbOverwrite->setVisible(!blnLoad);
    m_fraEingaben->setVisible(!blnLoad);
    m_grdRoutenPunkte->setVisible(blnLoad);
    m_chkInvers->setVisible(blnLoad);
    if (!blnLoad) {
        m_fpStartDateTime->SetDatumZeit(datStart.date(), datStart.time());
        // The field shows what is stored, also a speed below the field's smallest input.
        m_fpMarschGeschw->setMinimum(std::clamp(dblMarschV, 0.0, 0.1));
        m_fpMarschGeschw->setValue(dblMarschV);
    }
    resizeEvent(nullptr);
    return true;
}

bool frmRouteGeplantLoadSave::RouteLoad(std::vector<std::int32_t>& alngPunkteID) {
    if (!m_blnLoad || !m_blnRouteLoaded) return false;
    alngPunkteID = m_alngPunkteID;
    return true;
}

void frmRouteGeplantLoadSave::SetupGrids() {
    SetupGrid(m_grdRouten, {Text(815), Text(871), Text(868) + QStringLiteral("\nkm/h"),
                            Text(933).replace(QStringLiteral("%1"), QStringLiteral("\n")), Text(932)});
    SetupGrid(m_grdRoutenPunkte,
              {Text(829), Text(816) + QStringLiteral("\nkm"), Text(821), Text(820), Text(848), Text(811),
               Text(815) + QStringLiteral(" / \n") + Text(828), QString(), QString()});
    m_grdRoutenPunkte->horizontalHeaderItem(1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_grdRoutenPunkte->hideColumn(7);
    m_grdRoutenPunkte->hideColumn(8);
}

void frmRouteGeplantLoadSave::SetTexte() {
    setWindowTitle(Text(m_blnLoad ? 931 : 930));
    m_pbLoadSave->Text(Text(m_blnLoad ? 410 : 409));
    m_pbOverwrite->Text(Text(416));
    m_pbDelete->Text(Text(412));
    m_pbBack->Text(Text(401));
    for (ucOLMButton* pb : {m_pbLoadSave, m_pbOverwrite, m_pbDelete, m_pbBack})
        FormatPanelButton(pb, 1, 1, 2);
    m_chkInvers->setText(Text(946));
    m_lblTitel[0]->setText(Text(921));
    m_lblTitel[1]->setText(Text(922));
    m_lblTitel[2]->setText(Text(871));
    m_lblTitel[3]->setText(Text(868));
}

bool frmRouteGeplantLoadSave::FillGridRoute() {
    SetHourglass();
    std::vector<GespeicherteRoute> routen;
    const Ergebnis erg = ListeRouten(intKatalogNr, routen);
    if (!erg) {
        SetNormalPointer();
        if (!erg.blnGemeldet) ShowRuntimeError(kTitelPrefix + QStringLiteral("FillGridRoute"), *erg.fehler);
        return false;
    }
    {
        const QSignalBlocker blocker(m_grdRouten);
        m_grdRouten->setUpdatesEnabled(false);
        m_grdRouten->setRowCount(0);
        for (const GespeicherteRoute& r : routen) {
            const int row = m_grdRouten->rowCount();
            m_grdRouten->insertRow(row);
            const auto zellen = ListenZellen(r, kModul);
            for (int c = 0; c < 5; ++c)
                m_grdRouten->setItem(row, c, new QTableWidgetItem(zellen[static_cast<size_t>(c)]));
            m_grdRouten->item(row, 0)->setData(Qt::UserRole, r.ID);
            m_grdRouten->item(row, 1)->setData(Qt::UserRole, r.Startzeit);
        }
        m_grdRoutenPunkte->setRowCount(0);
        const bool blnRouten = !routen.empty();
        if (blnRouten) {
            m_grdRouten->setCurrentCell(0, 0);
            SizeColumns(m_grdRouten, 4);
        } else if (!m_blnLoad) {
            m_pbLoadSave->Enabled(true);
        }
        m_pbDelete->Enabled(blnRouten && !m_blnSchreibgeschuetzt);
        m_pbOverwrite->Enabled(blnRouten && !m_blnSchreibgeschuetzt);
        m_chkInvers->setEnabled(blnRouten);
        m_grdRouten->setUpdatesEnabled(true);
    }
    if (m_blnLoad) m_alngPunkteID.clear();
    SetNormalPointer();
    return true;
}

bool frmRouteGeplantLoadSave::ZeigenPunkte() {
    if (m_blnLoad) m_alngPunkteID.clear();
    m_zaehler = Zaehler();
    m_grdRoutenPunkte->setRowCount(0);
    m_grdRoutenPunkte->hideColumn(8);
    m_lngRoutenIDGezeigt = SelectedRouteID();
    if (m_grdRouten->rowCount() == 0) {
        if (m_blnLoad) m_pbLoadSave->Enabled(false);
        return false;
    }

    SetHourglass();
    Zuordnung z;
    const Ergebnis erg = OrdnePunkteZu(m_lngRoutenIDGezeigt, m_chkInvers->isChecked(), z);
    m_grdRoutenPunkte->setUpdatesEnabled(false);
    for (const PunktZeile& zeile : z.zeilen) {
        const int row = m_grdRoutenPunkte->rowCount();
        m_grdRoutenPunkte->insertRow(row);
        for (int c = 0; c < 9; ++c) {
            auto* item = new QTableWidgetItem(zeile.zellen[static_cast<size_t>(c)]);
            if (c == 1) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                QFont f = m_grdRoutenPunkte->font();
                f.setBold(zeile.blnFett);
                item->setFont(f);
            }
            if (zeile.blnNichtGefunden && c >= 1 && c <= 7) item->setForeground(kRot);
            if (c == 8 && zeile.blnStatus) item->setBackground(zeile.blnNichtGefunden ? kRot : kGelb);
            m_grdRoutenPunkte->setItem(row, c, item);
        }
        m_grdRoutenPunkte->item(row, 0)->setData(Qt::UserRole, zeile.lngPunkteID);
        if (zeile.blnStatus) m_grdRoutenPunkte->showColumn(8);
    }
    m_grdRoutenPunkte->setUpdatesEnabled(true);
    m_zaehler = z.zaehler;
    if (m_blnLoad) m_alngPunkteID = z.alngPunkteID;
    if (!erg) {
        SetNormalPointer();
        // Part of a route is not the route that was saved: it cannot be loaded.
        if (m_blnLoad) m_pbLoadSave->Enabled(false);
        if (!erg.blnGemeldet) ShowRuntimeError(kTitelPrefix + QStringLiteral("ZeigenPunkte"), *erg.fehler);
        return false;
    }
    if (m_blnLoad) {
        m_pbLoadSave->Enabled(!m_alngPunkteID.empty());
    } else if (!m_alngPunkteID.empty()) {
        m_pbLoadSave->Enabled(true);
        m_pbOverwrite->Enabled(!m_blnSchreibgeschuetzt);
    }
    SizeColumns(m_grdRoutenPunkte, 8);
    SetNormalPointer();
    return true;
}

std::int32_t frmRouteGeplantLoadSave::SelectedRouteID() const {
    const int row = m_grdRouten->currentRow();
    if (row < 0 || !m_grdRouten->item(row, 0)) return 0;
    return m_grdRouten->item(row, 0)->data(Qt::UserRole).toInt();
}

bool frmRouteGeplantLoadSave::NameFehlt() {
    // A name of blanks only is no name: nobody could tell the route apart in the list.
    if (!m_txtRoutenbezeichnung->text().trimmed().isEmpty()) return false;
    MsgBox(Text(936), vbInformation, MeldungsTitel());
    m_txtRoutenbezeichnung->setFocus();
    return true;
}

RoutenKopf frmRouteGeplantLoadSave::Kopf() const {
    return RoutenKopf{m_txtRoutenbezeichnung->text().trimmed(), m_txtRoutenbemerkung->text(), m_datStart,
                      m_dblMarschV};
}

void frmRouteGeplantLoadSave::StartUndMarschVAnFassade() {
    if (m_objFacade) {
        m_objFacade->IsStartZeitSet(true);
        m_objFacade->StartZeit(m_datStart);
    }
    if (m_dblMarschV == 0) MsgBox(QStringLiteral("dblMarschV=0"), vbOKOnly, MeldungsTitel());
    if (objOLM3Cfg) objOLM3Cfg->SetMarschgeschwindigkeit(m_dblMarschV);
    if (m_objFacade) m_objFacade->MarschV(m_dblMarschV);
}

void frmRouteGeplantLoadSave::ZeigeSchreibfehler(const Ergebnis& erg, const QString& strProzedur,
                                                 std::int32_t lngFolgeText) {
    const olm3::RuntimeError e =
        erg.fehler.value_or(olm3::RuntimeError(olm3::ErrNo::GenericFailure, QString()));
    // The engine's words for a write-protected file mean little to a skipper.
    const QString beschreibung = e.Number() == olm3::ErrNo::ReadOnly ? Text(9101) : e.Description();
    ShowRuntimeError(
        kTitelPrefix + (erg.schritt == Schritt::Punkte ? QStringLiteral("SpeichernPunkte") : strProzedur),
        olm3::RuntimeError(e.Number(), beschreibung + QStringLiteral("\r\n") + Text(lngFolgeText)));
}

bool frmRouteGeplantLoadSave::Speichern() {
    SetHourglass();
    std::int32_t lngRoutenID = 0;
    const Ergebnis erg = SpeichereRoute(Kopf(), m_alngPunkteID, intKatalogNr, lngRoutenID);
    SetNormalPointer();
    if (!erg) {
        ZeigeSchreibfehler(erg, QStringLiteral("Speichern"), 9103);
        return false;
    }
    FillGridRoute();
    m_pbLoadSave->Enabled(false);
    m_txtRoutenbezeichnung->clear();
    m_txtRoutenbemerkung->clear();
    return true;
}

void frmRouteGeplantLoadSave::pbLoadSave_Click() {
    if (!m_blnLoad) {
        if (NameFehlt()) return;
        StartUndMarschVAnFassade();
        // A failed save keeps the window with the name and remark typed, so that nothing the user entered
        // is lost; the saved routes are as they were.
        if (Speichern()) accept();
        return;
    }

    const int row = m_grdRouten->currentRow();
    if (row < 0) return;
    if (!olm3::planning::PruefeZuordnung(m_zaehler, !m_alngPunkteID.empty())) return;
    if (m_alngPunkteID.empty()) return;
    QDateTime datStart = m_grdRouten->item(row, 1)->data(Qt::UserRole).toDateTime();
    const QString strV = m_grdRouten->item(row, 2)->text();
    double dblV = IsNumeric(strV) ? CDbl(strV) : 0.0;
    // A route stored without start or speed (by another program) starts now at the host's speed.
    if (!datStart.isValid()) datStart = olm3::MakeDatum(QDate::currentDate(), QTime::currentTime());
    if (dblV <= 0 && objOLM3Cfg) dblV = objOLM3Cfg->GetMarschgeschwindigkeit();
    if (m_objFacade) {
        m_objFacade->StartZeit(datStart);
        m_objFacade->MarschV(dblV);
        m_objFacade->IsStartZeitSet(true);
    }
    m_blnRouteLoaded = true;
    accept();
}

void frmRouteGeplantLoadSave::pbOverwrite_Click() {
    if (MsgBox(Text(935), vbYesNo | vbQuestion, MeldungsTitel()) != vbYes) return;
    const int row = m_grdRouten->currentRow();
    if (row < 0) return;
    m_txtRoutenbezeichnung->setText(m_grdRouten->item(row, 0)->text());
    if (NameFehlt()) return;
    StartUndMarschVAnFassade();
    const std::int32_t lngRoutenID = SelectedRouteID();
    SetHourglass();
    const Ergebnis erg = UeberschreibeRoute(lngRoutenID, Kopf(), m_alngPunkteID);
    SetNormalPointer();
    if (!erg) {
        ZeigeSchreibfehler(erg, QStringLiteral("pbOverwrite_Click"), 9103);
        return;
    }
    FillGridRoute();
    accept();
}

void frmRouteGeplantLoadSave::pbDelete_Click() {
    if (MsgBox(Text(934), vbYesNo | vbQuestion, MeldungsTitel()) != vbYes) return;
    const std::int32_t lngRoutenID = SelectedRouteID();
    if (lngRoutenID == 0) return;
    const Ergebnis erg = LoescheRoute(lngRoutenID);
    if (!erg) {
        ZeigeSchreibfehler(erg, QStringLiteral("pbDelete_Click"), 9104);
        return;
    }
    FillGridRoute();
    ZeigenPunkte();
}

void frmRouteGeplantLoadSave::pbBack_Click() {
    m_blnRouteLoaded = false;
    reject();
}

void frmRouteGeplantLoadSave::grdRouten_SelChange() {
    if (!m_blnLoad || SelectedRouteID() == m_lngRoutenIDGezeigt) return;
    ZeigenPunkte();
}

void frmRouteGeplantLoadSave::resizeEvent(QResizeEvent* event) {
    if (event) QDialog::resizeEvent(event);
    // An enlarged window comes back here with its new size.
    if (!EnsureMinSize(this, kMinBreite, kMinHoehe)) return;
    const int w = width();
    const int h = height();
    const int xPanel = w - kPanelBreite;
    const int bw = kPanelBreite - kRand;
    int yKnopf = kRand;
    for (ucOLMButton* pb : {m_pbLoadSave, m_pbOverwrite, m_pbDelete}) {
        // Load mode has no overwrite: delete moves up into its place.
        if (pb == m_pbOverwrite && m_blnLoad) continue;
        pb->setGeometry(xPanel, yKnopf, bw, kKnopfHoehe);
        yKnopf += kKnopfHoehe + kRand;
    }
    m_pbBack->setGeometry(xPanel, h - kRand - kKnopfHoehe, bw, kKnopfHoehe);

    const int cw = xPanel - 2 * kRand;
    int y = kRand;
    if (!m_blnLoad) {
        const int fh = m_fraEingaben->sizeHint().height();
        m_fraEingaben->setGeometry(kRand, y, cw, fh);
        y += fh + kRand;
        m_grdRouten->setGeometry(kRand, y, cw, h - y - kRand);
        return;
    }
    const int ch = m_chkInvers->sizeHint().height();
    const int lh = std::max(120, (h - 4 * kRand - ch) * 2 / 5);
    m_grdRouten->setGeometry(kRand, y, cw, lh);
    y += lh + kRand;
    m_chkInvers->setGeometry(kRand, y, cw, ch);
    y += ch + kRand;
    m_grdRoutenPunkte->setGeometry(kRand, y, cw, h - y - kRand);
}
