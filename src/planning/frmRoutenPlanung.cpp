#include "planning/frmRoutenPlanung.h"

#include "data/formatting.h"
#include "data/katalogbegriffe.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/windowowner.h"
#include "planning/core/routestore.h"
#include "planning/frmBootProfil.h"
#include "planning/frmFahrtag.h"
#include "planning/frmRouteGeplantLoadSave.h"
#include "ui/messagebox.h"
#include "ui/panelbutton.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"
#include "ui/wochentag.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <memory>

using namespace modOLM3Binnen;

namespace {
constexpr int kPanelBreite = 148;
constexpr int kButtonHoehe = 35;
constexpr int kRand = 5;
constexpr int kGridOben = 90;
constexpr int kKopfHoehe = 40;
constexpr int kSchrift = 12;
constexpr int kMinBreite = 650;
// Tall enough that the GPX buttons stay clear of OPTIMIEREN.
constexpr int kMinHoehe = 500;

// Texts of the window's own messages beyond the original table.
constexpr int kTextPunkteFehlen = 9120;
constexpr int kTextKeinKatalog = 9121;
constexpr int kTextAllesLoeschen = 9480;
constexpr int kTextAllesLoeschenOptimiert = 9481;
constexpr int kTextLadenVerwirft = 9482;
/// Names are not elided below this width (pixels).
constexpr int kMinNamensBreite = 140;

/// Hourglass for the life of the object; the pointer is back to normal on every way out.
class Sanduhr {
public:
    Sanduhr() { SetHourglass(); }
    ~Sanduhr() { SetNormalPointer(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

QString text(std::int32_t id) {
    return GetText(frmRoutenPlanung::kModul, id);
}

double zahl(const QString& s) {
    return IsNumeric(s) ? CDbl(s) : 0.0;
}

QFont schrift(const QWidget* w, bool fett = false) {
    QFont f = w->font();
    f.setPointSize(kSchrift);
    f.setBold(fett);
    return f;
}

QTableWidgetItem* zelle(const QString& s) {
    auto* item = new QTableWidgetItem(s);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}
} // namespace

frmRoutenPlanung::frmRoutenPlanung(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRoutenPlanung"));
    m_grdRoute = new QTableWidget(this);
    m_grdRoute->setObjectName(QStringLiteral("grdRoute"));
    for (int i = 0; i < 3; ++i)
        m_lblTitel[i] = new QLabel(this);
    m_fpStartDateTime = new olm3ui::WochentagDateTimeEdit(kModul, this);
    m_fpStartDateTime->setObjectName(QStringLiteral("fpStartDateTime"));
    m_fpMarschGeschw = new QDoubleSpinBox(this);
    m_fpMarschGeschw->setObjectName(QStringLiteral("fpMarschGeschw"));
    m_fpMarschGeschw->setDecimals(1);
    m_fpMarschGeschw->setRange(0.1, 100.0);
    m_fpMarschGeschw->setSingleStep(0.1);

    m_pbMenu = new QWidget(this);
    m_pbMenu->setObjectName(QStringLiteral("pbMenu"));
    auto button = [this](ucOLMButton*& b, QWidget* parentWidget, const char* name) {
        b = new ucOLMButton(parentWidget);
        b->setObjectName(QLatin1String(name));
    };
    button(m_fpBinnenInfo, m_pbMenu, "fpBinnenInfo");
    button(m_fpKarte, m_pbMenu, "fpKarte");
    button(m_fpDelete, m_pbMenu, "fpDelete");
    m_fpMove = new QWidget(m_pbMenu);
    m_fpMove->setObjectName(QStringLiteral("fpMove"));
    button(m_fpMoveOben, m_fpMove, "fpMoveOben");
    button(m_fpMoveUnten, m_fpMove, "fpMoveUnten");
    button(m_fpDeleteAll, m_pbMenu, "fpDeleteAll");
    button(m_fpLoad, m_pbMenu, "fpLoad");
    button(m_fpSave, m_pbMenu, "fpSave");
    button(m_fpBoot, m_pbMenu, "fpBoot");
    button(m_fpFahrtag, m_pbMenu, "fpFahrtag");
    button(m_fpOptimieren, m_pbMenu, "fpOptimieren");
    button(m_fpBack, m_pbMenu, "fpBack");
    gpxKnoepfe();
    m_fpOptimieren->Enabled(false);
    m_fpSave->Enabled(false);

    connect(m_fpBack, &ucOLMButton::Click, this, &frmRoutenPlanung::fpBack_Click);
    connect(m_fpBinnenInfo, &ucOLMButton::Click, this, &frmRoutenPlanung::fpBinnenInfo_Click);
    connect(m_fpDelete, &ucOLMButton::Click, this, &frmRoutenPlanung::fpDelete_Click);
    connect(m_fpKarte, &ucOLMButton::Click, this, &frmRoutenPlanung::fpKarte_Click);
    connect(m_fpMoveOben, &ucOLMButton::Click, this, [this] { fpMove_Click(true); });
    connect(m_fpMoveUnten, &ucOLMButton::Click, this, [this] { fpMove_Click(false); });
    connect(m_fpDeleteAll, &ucOLMButton::Click, this, &frmRoutenPlanung::fpDeleteAll_Click);
    connect(m_fpOptimieren, &ucOLMButton::Click, this, &frmRoutenPlanung::fpOptimieren_Click);
    connect(m_fpLoad, &ucOLMButton::Click, this, &frmRoutenPlanung::fpLoad_Click);
    connect(m_fpSave, &ucOLMButton::Click, this, &frmRoutenPlanung::fpSave_Click);
    connect(m_fpBoot, &ucOLMButton::Click, this, &frmRoutenPlanung::fpBoot_Click);
    connect(m_fpFahrtag, &ucOLMButton::Click, this, [this] {
        frmFahrtag frm(this);
        olm3ui::ExecModal(&frm);
    });

    // Top-left corner of the screen, as wide as the screen leaves room for the chart's own panel.
    setMinimumSize(kMinBreite, kMinHoehe);
    const QRect frei = FreierBildschirm();
    move(frei.topLeft());
    resize(std::max(kMinBreite, frei.width() - kPanelBreite), 600);
    setupGrid();
    layoutControls();
}

void frmRoutenPlanung::Init(const std::vector<std::int32_t>& alngPunkteID, IOLM3WindowOwner* objFacade,
                            bool blnNeuZeichnen) {
    Sanduhr sanduhr;
    if (objFacade) m_objFacade = objFacade;

    formatButtons();
    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);
    setTexts();
    setEingaben();
    setupGrid();
    m_audtRoute.assign(1, typRoute{});

    const bool leer = alngPunkteID.empty() || (alngPunkteID.size() == 1 && alngPunkteID.front() < 1);
    m_alngPunkteID = leer ? std::vector<std::int32_t>{0} : alngPunkteID;
    if (!IsKatalogOffen()) {
        // Without a catalogue no point can be shown; the route is not reported, so the planned route the
        // facade keeps is not lost.
        MsgBox(text(kTextKeinKatalog), vbExclamation, olm3::planning::MeldungsTitel());
    } else if (!leer) {
        std::vector<std::int32_t> fehlend;
        m_grdRoute->setUpdatesEnabled(false);
        for (const std::int32_t id : m_alngPunkteID) {
            if (id <= 0) continue;
            if (AddPunkt(id, m_grdRoute->rowCount()) == Punkt::NichtImKatalog) fehlend.push_back(id);
        }
        m_grdRoute->setUpdatesEnabled(true);
        if (!fehlend.empty()) meldeFehlendePunkte(fehlend);
        RouteGeaendert(blnNeuZeichnen);
    }
    enableOptimierenSpeichern();
    layoutControls();
}

QDateTime frmRoutenPlanung::StartMoment() const {
    return m_fpStartDateTime->DatumZeit();
}

QString frmRoutenPlanung::RowData(int row) const {
    const QTableWidgetItem* item = m_grdRoute->item(row, colNr);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void frmRoutenPlanung::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layoutControls();
    spaltenAnpassen();
}

void frmRoutenPlanung::reject() {
    fpBack_Click();
}

// ---- set-up --------------------------------------------------------------------------------------

void frmRoutenPlanung::formatButtons() {
    const auto bild = [](std::int32_t id) { return objOLM3Cfg ? objOLM3Cfg->GetBild(id) : QPixmap(); };
    const bool tips = objOLM3Cfg && objOLM3Cfg->GetToolTipsAn();
    struct Knopf {
        ucOLMButton* button;
        std::int32_t bild;
        std::int32_t caption; // 0: none
        std::int32_t tip;
    };
    const Knopf knoepfe[] = {
        {m_fpBack, 609, 0, 401},        {m_fpBinnenInfo, 540, 884, 881}, {m_fpDelete, 540, 885, 900},
        {m_fpKarte, 540, 886, 882},     {m_fpMoveOben, 573, 0, 902},     {m_fpMoveUnten, 600, 0, 903},
        {m_fpDeleteAll, 540, 888, 901}, {m_fpOptimieren, 540, 887, 883}, {m_fpLoad, 540, 918, 943},
        {m_fpSave, 540, 919, 944},
        {m_fpGpxExport, 540, 9640, 9642}, {m_fpGpxImport, 540, 9641, 9643},
        {m_fpBoot, 540, 9901, 9902},
        {m_fpFahrtag, 540, 9974, 9975},
    };
    for (const Knopf& k : knoepfe) {
        k.button->Format_Button(kPanelBreite, kButtonHoehe, true, bild(k.bild), true,
                                k.caption ? text(k.caption) : QString());
        k.button->setToolTip(tips ? StripAmpersand(text(k.tip)) : QString());
        FormatPanelButton(k.button, 1, 1, 2);
    }
}

void frmRoutenPlanung::setTexts() {
    setWindowTitle(text(880));
    m_lblTitel[0]->setText(text(871));
    m_lblTitel[1]->setText(text(868));
    m_lblTitel[2]->setText(QStringLiteral("km/h"));
    for (QLabel* l : m_lblTitel) {
        l->setFont(schrift(l));
        l->adjustSize();
    }
    m_fpStartDateTime->setFont(schrift(m_fpStartDateTime));
    m_fpMarschGeschw->setFont(schrift(m_fpMarschGeschw));
}

void frmRoutenPlanung::setEingaben() {
    if (m_objFacade && m_objFacade->IsStartZeitSet()) {
        const QDateTime start = m_objFacade->StartZeit();
        m_fpStartDateTime->SetDatumZeit(start.date(), QTime(start.time().hour(), start.time().minute()));
        m_fpMarschGeschw->setValue(m_objFacade->MarschV());
    } else {
        const QDateTime jetzt = QDateTime::currentDateTime();
        m_fpStartDateTime->SetDatumZeit(jetzt.date(), QTime(jetzt.time().hour(), jetzt.time().minute()));
        // The boat's own cruising speed, where its profile has one, before the host's.
        const double boot = m_objFacade ? m_objFacade->GetBootProfil().dblMarschV : 0.0;
        m_fpMarschGeschw->setValue(boot > 0 ? boot : objOLM3Cfg ? objOLM3Cfg->GetMarschgeschwindigkeit() : 0.0);
    }
}

void frmRoutenPlanung::setupGrid() {
    QTableWidget* g = m_grdRoute;
    g->clear();
    g->setRowCount(0);
    g->setColumnCount(kSpalten);
    g->setFont(schrift(g));
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setFixedHeight(kKopfHoehe);
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    g->horizontalHeader()->setStretchLastSection(true);
    g->setTextElideMode(Qt::ElideMiddle);
    g->setWordWrap(false);
    const QString kopf[kSpalten] = {
        text(829), text(816) + QLatin1Char('\n') + QStringLiteral("km"), text(821), text(820), text(848),
        text(811), text(815) + QStringLiteral(" / ") + text(828),        QString(),
    };
    for (int c = 0; c < kSpalten; ++c)
        g->setHorizontalHeaderItem(c, new QTableWidgetItem(kopf[c]));
    g->setColumnHidden(colBinnenID, true);
    spaltenAnpassen();
}

void frmRoutenPlanung::spaltenAnpassen() {
    // A little air beside the widest entry, so that neighbouring columns do not run into each other.
    for (int c = colNr; c <= colBezeichnung; ++c) {
        m_grdRoute->resizeColumnToContents(c);
        m_grdRoute->setColumnWidth(c, m_grdRoute->columnWidth(c) + 8);
    }
    // Long waterway and object names give way (elided in the middle, whole in their tool tip), so that
    // the name column stays in view.
    const int frei = m_grdRoute->viewport()->width();
    int fest = 0;
    for (int c = colNr; c < colGewaesser; ++c)
        fest += m_grdRoute->columnWidth(c);
    const int rest = std::max(0, frei - fest - m_grdRoute->columnWidth(colTyp));
    const int gewaesser = std::max(kMinNamensBreite, rest * 45 / 100);
    if (m_grdRoute->columnWidth(colGewaesser) > gewaesser) m_grdRoute->setColumnWidth(colGewaesser, gewaesser);
    const int name = std::max(kMinNamensBreite, rest - m_grdRoute->columnWidth(colGewaesser));
    if (m_grdRoute->columnWidth(colBezeichnung) > name) m_grdRoute->setColumnWidth(colBezeichnung, name);
}

void frmRoutenPlanung::layoutControls() {
    const int w = width(), h = height();
    m_pbMenu->setGeometry(w - kPanelBreite, 0, kPanelBreite, h);
    const auto platz = [](QWidget* b, int y, int hoehe = kButtonHoehe) {
        b->setGeometry(0, y, kPanelBreite, hoehe);
    };
    platz(m_fpBinnenInfo, 0);
    platz(m_fpKarte, 35);
    platz(m_fpDelete, 70);
    platz(m_fpMove, 105, 2 * kButtonHoehe);
    m_fpMoveOben->setGeometry(0, 0, kPanelBreite, kButtonHoehe);
    m_fpMoveUnten->setGeometry(0, kButtonHoehe, kPanelBreite, kButtonHoehe);
    platz(m_fpDeleteAll, 175);
    platz(m_fpLoad, 245);
    platz(m_fpSave, 280);
    platz(m_fpGpxExport, 315);
    platz(m_fpGpxImport, 350);
    platz(m_fpBoot, 420);
    platz(m_fpFahrtag, 385);
    platz(m_fpBack, h - kButtonHoehe - kRand);
    platz(m_fpOptimieren, m_fpBack->y() - kButtonHoehe);

    m_grdRoute->setGeometry(kRand, kGridOben, w - 168, h - 100);
    // Labels above the two fields; the unit stands beside the speed.
    const int feldHoehe = std::max(m_fpStartDateTime->sizeHint().height(), 32);
    const int feldOben = kGridOben - kRand - feldHoehe;
    const int startBreite = m_fpStartDateTime->sizeHint().width() + 12;
    m_lblTitel[0]->move(kRand, feldOben - m_lblTitel[0]->height() - 2);
    m_fpStartDateTime->setGeometry(kRand, feldOben, startBreite, feldHoehe);
    const int links = kRand + std::max(startBreite, m_lblTitel[0]->width()) + 20;
    m_lblTitel[1]->move(links, m_lblTitel[0]->y());
    const int speedBreite = m_fpMarschGeschw->sizeHint().width() + 12;
    m_fpMarschGeschw->setGeometry(links, feldOben, speedBreite, feldHoehe);
    m_lblTitel[2]->move(links + speedBreite + 6, feldOben + (feldHoehe - m_lblTitel[2]->height()) / 2);
}

// ---- the route in the grid -------------------------------------------------------------------------

frmRoutenPlanung::Punkt frmRoutenPlanung::AddPunkt(std::int32_t lngPunkteID, int lngRow) {
    ADODB::RecordsetPtr rs;
    if (!ADO_Open_Recordset(conBinnenDatabase, rs, QStringLiteral("V_ROUTE_DETAILLIERT"), QStringLiteral("*"),
                            QStringLiteral("PunkteID =") + QString::number(lngPunkteID), QString(), true))
        return Punkt::Fehler;
    const std::unique_ptr<ADODB::RecordsetPtr, void (*)(ADODB::RecordsetPtr*)> schliessen(
        &rs, [](ADODB::RecordsetPtr* p) { ADO_Close_Recordset(*p, true); });
    if (rs->Eof()) return Punkt::NichtImKatalog;

    QTableWidgetItem* items[kSpalten] = {};
    try {
        const auto feld = [&rs](const char* name) { return ADO_Field_Str(rs->Fields(QLatin1String(name))); };
        const QString strKM = feld("DokuKM");
        const bool blnOrig = CBool(feld("DokuKMOrig"));
        QString km = strKM.isEmpty() ? QString() : FormatNumber(zahl(strKM), QStringLiteral("0.0"));
        if (!blnOrig && km.isEmpty()) km = QStringLiteral("-----");
        const double bg = zahl(feld("BgDez"));
        const double lg = zahl(feld("LgDez"));
        const QString bezeichnung =
            feld("TypenID") == QLatin1String("A") ? feld("BinnenBez_Nach") : feld("DetailsBezeichnung");

        items[colNr] = zelle(QString());
        items[colNr]->setData(Qt::UserRole, QString::number(lngPunkteID));
        items[colKM] = zelle(km);
        items[colKM]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (blnOrig) items[colKM]->setFont(schrift(m_grdRoute, true));
        items[colBreite] = zelle(FormatBg(bg));
        items[colBreite]->setData(Qt::UserRole, bg);
        items[colLaenge] = zelle(FormatLg(lg));
        items[colLaenge]->setData(Qt::UserRole, lg);
        items[colGewaesser] = zelle(feld("BinnenBez"));
        items[colGewaesser]->setToolTip(feld("BinnenBez"));
        items[colTyp] =
            zelle(olm3::KatalogBegriff(olm3::KatalogWort::Typ, feld("TypenID"), feld("TypenBez")));
        items[colBezeichnung] = zelle(bezeichnung);
        items[colBezeichnung]->setToolTip(bezeichnung);
        items[colBinnenID] = zelle(feld("BinnenID"));
    } catch (const std::exception& e) {
        for (QTableWidgetItem* item : items)
            delete item;
        ShowRuntimeError(QStringLiteral("frmRoutenPlanung.AddPunkt"), e);
        return Punkt::Fehler;
    }

    const int row = std::clamp(lngRow, 0, m_grdRoute->rowCount());
    m_grdRoute->insertRow(row);
    for (int c = 0; c < kSpalten; ++c)
        m_grdRoute->setItem(row, c, items[c]);
    m_grdRoute->setCurrentCell(row, colNr);
    spaltenAnpassen();
    return Punkt::Eingefuegt;
}

void frmRoutenPlanung::RouteAusGrid() {
    const int n = m_grdRoute->rowCount();
    m_audtRoute.clear();
    for (int r = 0; r < n; ++r) {
        typRoute p;
        p.lngPunkteID = RowData(r).toInt();
        if (const QTableWidgetItem* item = m_grdRoute->item(r, colBreite))
            p.dblBg = item->data(Qt::UserRole).toDouble();
        if (const QTableWidgetItem* item = m_grdRoute->item(r, colLaenge))
            p.dblLg = item->data(Qt::UserRole).toDouble();
        if (QTableWidgetItem* item = m_grdRoute->item(r, colNr)) item->setText(QString::number(r + 1));
        m_audtRoute.push_back(p);
    }
    if (m_audtRoute.empty()) m_audtRoute.push_back(typRoute{});
    spaltenAnpassen();
}

void frmRoutenPlanung::RouteGeaendert(bool blnNeuZeichnen) {
    Sanduhr sanduhr;
    RouteAusGrid();
    if (blnNeuZeichnen && m_objFacade) m_objFacade->EventRouteChange(m_audtRoute);
}

void frmRoutenPlanung::enableOptimierenSpeichern() {
    const bool zwei = m_grdRoute->rowCount() >= 2;
    m_fpOptimieren->Enabled(zwei);
    m_fpSave->Enabled(zwei);
}

int frmRoutenPlanung::aktuelleZeile() const {
    const int n = m_grdRoute->rowCount();
    const int r = m_grdRoute->currentRow();
    return (r >= 0 && r < n) ? r : n - 1;
}

void frmRoutenPlanung::swapRows(int a, int b) {
    for (int c = 0; c < kSpalten; ++c) {
        QTableWidgetItem* oben = m_grdRoute->takeItem(a, c);
        QTableWidgetItem* unten = m_grdRoute->takeItem(b, c);
        m_grdRoute->setItem(a, c, unten);
        m_grdRoute->setItem(b, c, oben);
    }
}

void frmRoutenPlanung::meldeFehlendePunkte(const std::vector<std::int32_t>& alngFehlend) {
    QStringList ids;
    for (const std::int32_t id : alngFehlend)
        ids << QString::number(id);
    MsgBox(text(kTextPunkteFehlen).arg(ids.join(QStringLiteral(", "))), vbExclamation,
           olm3::planning::MeldungsTitel());
}

// ---- buttons ---------------------------------------------------------------------------------------

void frmRoutenPlanung::fpBack_Click() {
    if (m_objFacade) {
        m_objFacade->EventRoutenPlanungClose();
        m_objFacade->IsStartZeitSet(false);
    }
    hide();
}

void frmRoutenPlanung::fpBinnenInfo_Click() {
    setEnabled(false);
    {
        Sanduhr sanduhr;
        std::int32_t lngPunkteID = -1;
        if (m_objFacade) m_objFacade->BinneninfoRoutenPlanung(lngPunkteID);
        // -1 is the browser's "no point"; ids below 1 name no point of the catalogue either.
        if (lngPunkteID > 0) {
            const Punkt p = AddPunkt(lngPunkteID, aktuelleZeile() + 1);
            if (p == Punkt::NichtImKatalog) meldeFehlendePunkte({lngPunkteID});
            if (p == Punkt::Eingefuegt) {
                RouteGeaendert(true);
                enableOptimierenSpeichern();
            }
        }
    }
    setEnabled(true);
}

void frmRoutenPlanung::fpDelete_Click() {
    if (m_grdRoute->rowCount() < 1) return;
    m_grdRoute->removeRow(aktuelleZeile());
    RouteGeaendert(true);
}

void frmRoutenPlanung::fpKarte_Click() {
    if (m_objFacade) {
        m_objFacade->IsStartZeitSet(true);
        m_objFacade->StartZeit(StartMoment());
        m_objFacade->MarschV(m_fpMarschGeschw->value());
        // Rows count from 1 for the facade; the picked point goes in after this one.
        m_objFacade->EventRoutenPktKarte(aktuelleZeile() + 1);
    }
    hide();
}

void frmRoutenPlanung::fpMove_Click(bool blnNachOben) {
    const int n = m_grdRoute->rowCount();
    if (n < 1) return;
    const int r = aktuelleZeile();
    const int ziel = blnNachOben ? r - 1 : r + 1;
    if (ziel >= 0 && ziel < n) {
        swapRows(r, ziel);
        m_grdRoute->setCurrentCell(ziel, colNr);
    }
    RouteGeaendert(true);
}

void frmRoutenPlanung::fpDeleteAll_Click() {
    // A plan, and an optimised route with it, is not thrown away without asking.
    std::vector<typRouteOptimiert> optimiert;
    QDateTime datStart;
    const bool blnOptimiert = m_objFacade && m_objFacade->GetRouteOptimiert(optimiert, datStart);
    if (m_grdRoute->rowCount() > 0 || blnOptimiert) {
        if (MsgBox(text(blnOptimiert ? kTextAllesLoeschenOptimiert : kTextAllesLoeschen), vbYesNo | vbQuestion,
                   olm3::planning::MeldungsTitel()) != vbYes)
            return;
    }
    m_grdRoute->setRowCount(0);
    RouteGeaendert(true);
    if (m_objFacade) m_objFacade->EventDeleteAll();
    setEingaben();
}

void frmRoutenPlanung::fpOptimieren_Click() {
    if (m_grdRoute->rowCount() < 2) return;
    if (objOLM3Cfg && !objOLM3Cfg->IsSchiffsparameterGesetzt() && m_objFacade)
        m_objFacade->EventParamNichtGesetzt();
    const double speed = m_fpMarschGeschw->value();
    if (m_objFacade) {
        m_objFacade->IsStartZeitSet(true);
        m_objFacade->StartZeit(StartMoment());
        m_objFacade->MarschV(speed);
    }
    if (speed == 0.0) MsgBox(QStringLiteral("Me.fpMarschGeschw.Value=0"));
    if (objOLM3Cfg) objOLM3Cfg->SetMarschgeschwindigkeit(speed);
    // The facade unloads this window while the host runs its optimiser, and may open route planning
    // again; whoever showed this window deletes it once it is hidden.
    if (m_objFacade) m_objFacade->EventStartOptimierer(m_audtRoute);
    hide();
}

bool frmRoutenPlanung::UngesicherteAenderungen() const {
    std::vector<std::int32_t> aktuell;
    for (const typRoute& p : m_audtRoute)
        if (p.lngPunkteID > 0) aktuell.push_back(p.lngPunkteID);
    if (aktuell.empty() || !m_objFacade) return false;
    std::vector<std::int32_t> gesichert;
    for (const std::int32_t id : m_objFacade->RouteGesichert())
        if (id > 0) gesichert.push_back(id);
    return aktuell != gesichert;
}

void frmRoutenPlanung::merkeGesichert(const std::vector<std::int32_t>& alngPunkteID) {
    if (m_objFacade) m_objFacade->RouteGesichert(alngPunkteID);
}

void frmRoutenPlanung::fpLoad_Click() {
    // Loading replaces the plan: changes not yet saved are only given up when the user says so.
    if (UngesicherteAenderungen() && MsgBox(text(kTextLadenVerwirft), vbYesNo | vbQuestion,
                                            olm3::planning::MeldungsTitel()) != vbYes)
        return;
    frmRouteGeplantLoadSave frm(this);
    std::vector<std::int32_t> ids = m_alngPunkteID;
    if (!frm.Init(m_objFacade, ids, true, StartMoment(), -1)) return;
    olm3ui::ExecModal(&frm);
    if (frm.RouteLoad(ids)) {
        merkeGesichert(ids);
        Init(ids, m_objFacade, true);
    }
}

void frmRoutenPlanung::fpBoot_Click() {
    frmBootProfil dlg(m_objFacade, this);
    olm3ui::ExecModal(&dlg);
}

void frmRoutenPlanung::fpSave_Click() {
    if (m_grdRoute->rowCount() < 2) return;
    frmRouteGeplantLoadSave frm(this);
    m_alngPunkteID.clear();
    for (const typRoute& p : m_audtRoute)
        m_alngPunkteID.push_back(p.lngPunkteID);
    if (!frm.Init(m_objFacade, m_alngPunkteID, false, StartMoment(), m_fpMarschGeschw->value())) return;
    olm3ui::ExecModal(&frm);
    // The window accepts only when the route was written.
    if (frm.result() == QDialog::Accepted) merkeGesichert(m_alngPunkteID);
}
