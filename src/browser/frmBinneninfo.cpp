#include "browser/frmBinneninfo.h"

#include "browser/browserhilfen.h"
#include "browser/core/spaltenkoepfe.h"
#include "browser/detailaktion.h"
#include "browser/routenansicht.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "data/nearestpoint.h"
#include "olm3binnen/windowowner.h"
#include "ui/panelbutton.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

using namespace modOLM3Binnen;
using namespace olm3browser;
namespace ob = olm3::browser;

namespace {
constexpr int kMinBreite = 760;
constexpr int kMinHoehe = 520;
/// The capture range of the nearest point to the start position.
constexpr double kFangbereich = 1.0;
/// Picture ids of the host: the hand-back button and the back button.
constexpr std::int32_t kBildRefBack = 540;
constexpr std::int32_t kBildBack = 609;
} // namespace

frmBinneninfo::frmBinneninfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBinneninfo"));
    setFont(schrift(this));
    createControls();
    setMinimumSize(kMinBreite, kMinHoehe);
    // The window takes the whole screen.
    const QRect frei = FreierBildschirm();
    setGeometry(
        QRect(frei.topLeft(), QSize(std::max(kMinBreite, frei.width()), std::max(kMinHoehe, frei.height()))));
    m_picSuche->hide();
    m_cmbUmkreis->hide();
    m_lblQuickInfo->hide();
    setTexts();
    setupGrids();
    formatButtons();
    layoutControls();
}

frmBinneninfo::~frmBinneninfo() {
    m_timerSucheAnimation->stop();
}

// ---- set-up --------------------------------------------------------------------------------------

void frmBinneninfo::createControls() {
    m_pbMenu = new QWidget(this);
    m_pbMenu->setObjectName(QStringLiteral("pbMenu"));
    const char* const viewNamen[4] = {"fpBinnen", "fpPunkte", "fpRoute", "fpSuche"};
    const char* const frameNamen[4] = {"fraBinnen", "fraPunkte", "fraRoute", "fraSuche"};
    for (int v = 0; v < 4; ++v) {
        m_fpView[static_cast<size_t>(v)] = knopf(m_pbMenu, viewNamen[v], true);
        connect(m_fpView[static_cast<size_t>(v)], &ucOLMButton::Click, this, [this, v] { fpView_Click(v); });
        auto* fra = new QFrame(this);
        fra->setObjectName(QLatin1String(frameNamen[v]));
        fra->hide();
        m_fraView[static_cast<size_t>(v)] = fra;
    }
    m_fpDetails = knopf(m_pbMenu, "fpDetails");
    m_fpQuickInfo = knopf(m_pbMenu, "fpQuickInfo", true);
    m_fpDrucken = knopf(m_pbMenu, "fpDrucken");
    m_fpRefBack = knopf(m_pbMenu, "fpRefBack");
    m_fpBack = knopf(m_pbMenu, "fpBack");
    connect(m_fpDetails, &ucOLMButton::Click, this, &frmBinneninfo::Details);
    connect(m_fpQuickInfo, &ucOLMButton::Click, this, &frmBinneninfo::fpQuickInfo_Click);
    connect(m_fpDrucken, &ucOLMButton::Click, this, [this] {
        if (m_fraRoute) m_fraRoute->Drucken();
    });
    connect(m_fpRefBack, &ucOLMButton::Click, this, &frmBinneninfo::fpRefBack_Click);
    connect(m_fpBack, &ucOLMButton::Click, this, &frmBinneninfo::fpBack_Click);

    // The route view is made by Init: it needs the owner.
    createGewaesserAnsicht();
    createPunkteAnsicht();
    createSuchAnsicht();
}

void frmBinneninfo::setTexts() {
    setWindowTitle(text(875));
    const bool tips = objOLM3Cfg && objOLM3Cfg->GetToolTipsAn();
    const auto tip = [tips](QWidget* w, const QString& s) {
        w->setToolTip(tips ? StripAmpersand(s) : QString());
    };

    fpBinnen()->Text(text(847));
    tip(fpBinnen(), text(826));
    // The points button names the type letters; its tool tip the types themselves.
    fpPunkte()->Text(
        QStringList{text(841), text(842), text(843), text(844), text(845), text(846)}.join(QLatin1Char(' ')));
    QStringList typen;
    for (std::int32_t id = 801; id <= 806; ++id)
        typen << StripAmpersand(text(id));
    tip(fpPunkte(), text(941) + QStringLiteral(": ") + typen.join(QStringLiteral(", ")));
    fpRoute()->Text(text(808));
    tip(fpRoute(), text(827));
    fpSuche()->Text(text(872));
    tip(fpSuche(), text(889).trimmed());
    m_fpDetails->Text(text(840));
    tip(m_fpDetails, text(942));
    m_fpQuickInfo->Text(text(920));
    m_fpDrucken->Text(text(429));
    tip(m_fpDrucken, text(429));
    m_fpBack->Text(text(401));
    tip(m_fpBack, text(401));
    m_fpRefBack->Text(text(m_blnPlanungsModus ? 897 : 898));
    tip(m_fpRefBack, text(m_blnPlanungsModus ? 874 : 899));

    m_txtBinnenName->setPlaceholderText(text(815));
    m_txtName->setPlaceholderText(text(815));
    m_pbVorheriger->Text(text(401));
    tip(m_pbAlle, text(939));
    tip(m_pbKein, text(940));
    const std::int32_t arten[3] = {804, 803, 802};
    for (size_t i = 0; i < m_optSuche.size(); ++i)
        m_optSuche[i]->setText(text(arten[i]));
    m_pbUmkreisSuche->Text(text(925));
    m_pbUmkreisSucheBreak->Text(text(402));
}

void frmBinneninfo::formatButtons() {
    const auto bild = [](std::int32_t id) { return objOLM3Cfg ? objOLM3Cfg->GetBild(id) : QPixmap(); };
    m_fpBack->LoadPicture(bild(kBildBack));
    m_fpRefBack->LoadPicture(bild(kBildRefBack));
    for (ucOLMButton* b : {fpBinnen(), fpPunkte(), fpRoute(), fpSuche(), m_fpDetails, m_fpQuickInfo,
                           m_fpDrucken, m_fpRefBack, m_fpBack})
        b->IsDefault(false);
    for (ucOLMButton* b : {m_pbAlle, m_pbKein, m_pbVorheriger, m_pbUmkreisSuche, m_pbUmkreisSucheBreak})
        b->IsDefault(false);
}

void frmBinneninfo::setupGrids() {
    koepfe(m_grdBinnen, ob::GewaesserKoepfe());
    for (int c : ob::kGewaesserVersteckt)
        m_grdBinnen->setColumnHidden(c, true);
    koepfe(m_grdPunkte, ob::PunkteKoepfe());
    for (int c : ob::kPunkteVersteckt)
        m_grdPunkte->setColumnHidden(c, true);
    koepfe(m_grdErgebniss, ob::SuchKoepfe());
    m_grdErgebniss->setColumnHidden(ob::scTyp, true);
    m_grdErgebniss->setColumnHidden(ob::scEntfernung, true);
    // The name column takes the room the others leave.
    m_grdBinnen->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grdPunkte->horizontalHeader()->setSectionResizeMode(ob::pcName, QHeaderView::Stretch);
    m_grdErgebniss->horizontalHeader()->setSectionResizeMode(ob::scName, QHeaderView::Stretch);
    for (QTableWidget* g : {m_grdBinnen, m_grdPunkte, m_grdErgebniss})
        spaltenBreiten(g);
}

void frmBinneninfo::layoutControls() {
    const int w = width(), h = height();
    // The button column on the right takes a share of the window; the frames fill the rest.
    const int panel = std::clamp(w / 7, 150, 230);
    const int knopfHoehe = std::clamp(h / 11, 44, 72);
    m_pbMenu->setGeometry(w - panel - kRand, kRand, panel, h - 2 * kRand);
    int y = 0;
    for (ucOLMButton* b : m_fpView) {
        // A view that is not offered leaves no gap.
        if (b->isHidden()) continue;
        b->setGeometry(0, y, panel, knopfHoehe);
        y += knopfHoehe + 2;
    }
    y += knopfHoehe / 3;
    for (ucOLMButton* b : {m_fpDetails, m_fpQuickInfo, m_fpDrucken}) {
        b->setGeometry(0, y, panel, knopfHoehe);
        y += knopfHoehe + 2;
    }
    const int unten = m_pbMenu->height();
    m_fpBack->setGeometry(0, unten - knopfHoehe, panel, knopfHoehe);
    m_fpRefBack->setGeometry(0, unten - 2 * knopfHoehe - 4, panel, knopfHoehe);
    for (ucOLMButton* b : {fpBinnen(), fpPunkte(), fpRoute(), fpSuche(), m_fpDetails, m_fpQuickInfo,
                           m_fpDrucken, m_fpRefBack, m_fpBack})
        FormatPanelButton(b, 1, 1, 2);
    m_fpRefBack->Forecolor(kGelb);

    const QRect frame(kRand, kRand, w - panel - 3 * kRand, h - 2 * kRand);
    for (QWidget* f : m_fraView)
        f->setGeometry(frame);
    const int fw = frame.width(), fh = frame.height();
    const int zeile = std::max(30, QFontMetrics(font()).height() + 12);
    layoutGewaesserAnsicht(fw, fh, zeile);
    layoutPunkteAnsicht(fw, fh, zeile);
    layoutSuchAnsicht(fw, fh, zeile);
    // The smaller buttons of the frames take the type of a half-width panel button.
    for (ucOLMButton* b : {m_pbUmkreisSucheBreak, m_pbUmkreisSuche, m_pbVorheriger, m_pbAlle, m_pbKein})
        FormatPanelButton(b, 2, 1, 2);

    if (m_fraRoute) m_fraRoute->setGeometry(0, 0, fw, fh);
}

void frmBinneninfo::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layoutControls();
}

// ---- opening --------------------------------------------------------------------------------------

void frmBinneninfo::Init(IOLM3WindowOwner* owner) {
    m_owner = owner;
    if (m_fraRoute || !owner) return;
    m_fraRoute = new RoutenAnsicht(owner, m_fraView[vwRoute]);
    m_fraRoute->setObjectName(QStringLiteral("RoutenAnsicht"));
    connect(m_fraRoute, &RoutenAnsicht::RoutenpunktGewaehlt, this, &frmBinneninfo::RoutenpunktGewaehlt);
    connect(m_fraRoute, &RoutenAnsicht::DetailsAngefordert, this,
            [this](const QString& strTypID, std::int32_t lngPunkteID) {
                DetailsFuer(strTypID, lngPunkteID, -1);
            });
    connect(m_fraRoute, &RoutenAnsicht::RueckgabeMoeglich, this, [this](bool blnMoeglich) {
        m_blnRueckgabeRoute = blnMoeglich;
        if (m_intView == vwRoute) enableRefBack(blnMoeglich);
    });
    layoutControls();
}

void frmBinneninfo::Init_Position(bool blnPos, double dblLg, double dblBg, bool blnAllowRefBack,
                                  bool& blnRouteOptimiert, QString& strTypFilter, bool& blnPlanungsModus,
                                  std::vector<typRouteOptimiert>& audtRoute, QDateTime& datStartZeit,
                                  bool& blnBreakOptimierer, bool blnStartWithRoute) {
    (void)datStartZeit; // the route rows carry their own times
    const auto zeiger = sanduhr();
    m_blnTypEvents = false;
    m_blnSuchEvents = false;
    m_chkTyp[ob::kWehrBox]->hide();
    m_chkTyp[ob::kWehrBox]->setEnabled(false);
    m_blnPunktGefunden = false;
    m_blnQuickInfo = false;
    m_fpQuickInfo->Value(false);
    m_lblQuickInfo->hide();
    m_blnPos = blnPos;
    m_dblStartLg = dblLg;
    m_dblStartBg = dblBg;
    m_blnAllowRefBack = blnAllowRefBack;
    m_blnPlanungsModus = blnPlanungsModus;
    m_pblnBreak = &blnBreakOptimierer;

    m_pos = ob::typBinnenPos{};
    if (blnPos) {
        double entfernung = 0, km = 0, vmax = 0, tiefe = 0;
        m_blnPunktGefunden =
            GetNaechsterPunkt(dblLg, dblBg, kFangbereich, m_pos.lngBinnenID, m_pos.strBinnenBez,
                              m_pos.lngPunkteID, m_pos.dblLg, m_pos.dblBg, entfernung, km, vmax, tiefe);
    }
    m_verlauf.Neu(m_pos);
    m_lngZentrumPunkteID = m_pos.lngPunkteID;
    m_pbVorheriger->Enabled(m_verlauf.ZurueckMoeglich(m_blnPunktGefunden));

    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);
    SetTypCaptions(m_pos.lngBinnenID);
    setTexts();
    setupGrids();

    m_blnRouteVorhanden = blnRouteOptimiert && !m_blnPlanungsModus && m_fraRoute;
    FillGridBinnen();
    DrueckeView(vwBinnen);
    fpRoute()->setVisible(m_blnRouteVorhanden);
    bool routeGezeigt = false;
    if (m_blnRouteVorhanden) {
        m_audtRoute = audtRoute;
        m_strRoutenPunkte = ob::RoutenPunkteListe(m_audtRoute);
        m_fraRoute->FillGridRoute(m_audtRoute);
        if (blnStartWithRoute) {
            DrueckeView(vwRoute);
            routeGezeigt = true;
        }
    } else {
        m_audtRoute.clear();
        m_strRoutenPunkte.clear();
    }

    SetTypBoxen(ob::TypBoxenAusFilter(strTypFilter));
    m_pbUmkreisSuche->Enabled(blnPos && m_blnPunktGefunden && objOLM3KWS);
    ComputeTypFilter();
    if (blnPos && m_blnPunktGefunden) {
        FillGridPunkte();
        if (!routeGezeigt) DrueckeView(vwPunkte);
    }

    m_fpRefBack->Forecolor(kGelb);
    m_fpRefBack->Enabled(m_blnAllowRefBack);

    // The radius list offers the stored radius of an earlier search, and all objects.
    m_cmbUmkreis->clear();
    const bool gespeichert = m_owner && m_owner->SuchergebnisseGespeichert();
    m_cmbUmkreis->addItem(gespeichert ? QString::number(m_owner->lngUmkreis) + QStringLiteral(" km")
                                      : QStringLiteral("--Dummy--"));
    m_cmbUmkreis->addItem(text(929));
    m_cmbUmkreis->hide();
    if (gespeichert) SetErgebnisFilter();

    m_blnTypEvents = true;
    m_blnSuchEvents = true;
    ApplyView();
    layoutControls();
}

// ---- views ----------------------------------------------------------------------------------------

void frmBinneninfo::fpView_Click(int v) {
    if (!fpView(v)->Value()) return;
    m_intView = v;
    ApplyView();
}

void frmBinneninfo::DrueckeView(int v) {
    m_intView = v;
    fpView(v)->Value(true);
    ApplyView();
}

void frmBinneninfo::ApplyView() {
    for (int v = 0; v < 4; ++v) {
        ucOLMButton* b = fpView(v);
        const bool aktuell = v == m_intView;
        b->Value(aktuell);
        // The pressed view button cannot be released by a click; the others can be pressed.
        SetButtonEnabled(b, 1, !aktuell);
        SetButtonEnabled(b, 0, true);
        m_fraView[static_cast<size_t>(v)]->setVisible(aktuell);
    }
    m_fpDetails->setVisible(m_intView != vwBinnen);
    m_fpQuickInfo->setVisible(m_intView == vwPunkte);
    m_fpDrucken->setVisible(m_intView == vwRoute);

    if (m_blnRefill && m_intView == vwBinnen) {
        m_blnRefill = false;
        FillGridBinnen();
    } else if (m_blnRefill && m_intView == vwPunkte) {
        m_blnRefill = false;
        ComputeTypFilter();
        FillGridPunkte();
    }
    if (m_intView == vwSuche && !m_blnSucheGefuellt && m_blnSuchEvents) {
        // The search view opens on the kind of a stored radius search, else on locks.
        const int art =
            m_owner && m_owner->intSuchTyp >= 0 && m_owner->intSuchTyp < 3 ? m_owner->intSuchTyp : 0;
        CheckArt(art);
        optSuche_Click(art);
    }
    switch (m_intView) {
    case vwBinnen:
        enableRefBack(ZeileGewaehlt(m_grdBinnen));
        break;
    case vwPunkte:
        enableRefBack(ZeileGewaehlt(m_grdPunkte));
        break;
    case vwRoute:
        enableRefBack(m_blnRueckgabeRoute);
        break;
    default:
        enableRefBack(ZeileGewaehlt(m_grdErgebniss));
        break;
    }
}

void frmBinneninfo::enableRefBack(bool blnZeile) {
    m_fpRefBack->Enabled(m_blnAllowRefBack && blnZeile);
}

bool frmBinneninfo::ZeileGewaehlt(const QTableWidget* grd) const {
    const int row = grd->currentRow();
    return row >= 0 && row < grd->rowCount() && !grd->isRowHidden(row);
}

// ---- the detail button ---------------------------------------------------------------------------

void frmBinneninfo::Details() {
    QString typ;
    std::int32_t id = 0;
    int row = -1;
    switch (m_intView) {
    case vwPunkte:
        if (!ZeileGewaehlt(m_grdPunkte)) return;
        row = m_grdPunkte->currentRow();
        typ = m_grdPunkte->item(row, ob::pcTyp)->data(kZellDaten).toString();
        id = zeilenDaten(m_grdPunkte, row);
        break;
    case vwSuche:
        if (!ZeileGewaehlt(m_grdErgebniss)) return;
        typ = m_grdErgebniss->item(m_grdErgebniss->currentRow(), ob::scTyp)->text();
        id = zeilenDaten(m_grdErgebniss, m_grdErgebniss->currentRow());
        break;
    case vwRoute:
        if (!m_fraRoute || !m_fraRoute->AusgewaehltesObjekt(typ, id)) return;
        break;
    default:
        return;
    }
    DetailsFuer(typ, id, row);
}

void frmBinneninfo::DetailsFuer(const QString& strTyp, std::int32_t lngPunkteID, int intZeilePunkte) {
    const QString typ = strTyp.trimmed();
    if (typ == QLatin1String("A")) {
        if (intZeilePunkte >= 0) Abzweig(intZeilePunkte);
        return;
    }
    if (!typ.isEmpty()) olm3browser::OeffneDetails(this, m_owner, typ, lngPunkteID);
}

// ---- closing and handing back ------------------------------------------------------------------------

void frmBinneninfo::fpBack_Click() {
    m_blnPos = false;
    hide();
}

void frmBinneninfo::fpRefBack_Click() {
    m_blnPos = true;
    hide();
}

void frmBinneninfo::reject() {
    if (m_blnSucheLaeuft) return;
    // Leaving through the close box or Escape hands nothing back, as the back button does.
    fpBack_Click();
}

void frmBinneninfo::closeEvent(QCloseEvent* event) {
    if (m_blnSucheLaeuft) {
        event->ignore();
        return;
    }
    m_blnPos = false;
    event->accept();
    hide();
}

void frmBinneninfo::Get_Position(bool& blnPos, double& dblLg, double& dblBg) const {
    blnPos = m_blnPos;
    if (!blnPos) return;
    double lg = 0, bg = 0;
    bool gefunden = false;
    const auto ausZeile = [&](const QTableWidget* g, int colBg, int colLg) {
        if (!ZeileGewaehlt(g)) return false;
        const QVariant b = g->item(g->currentRow(), colBg)->data(kZellDaten);
        const QVariant l = g->item(g->currentRow(), colLg)->data(kZellDaten);
        if (!b.isValid() || !l.isValid()) return false;
        bg = b.toDouble();
        lg = l.toDouble();
        return true;
    };
    switch (m_intView) {
    case vwBinnen:
        if (ZeileGewaehlt(m_grdBinnen)) {
            std::int32_t punkt = 0;
            gefunden = ob::ErsterPunkt(zeilenDaten(m_grdBinnen, m_grdBinnen->currentRow()), punkt, lg, bg);
        }
        break;
    case vwPunkte:
        gefunden = ausZeile(m_grdPunkte, ob::pcBreite, ob::pcLaenge);
        break;
    case vwRoute:
        gefunden = m_fraRoute && m_fraRoute->AusgewaehltePosition(lg, bg);
        break;
    case vwSuche:
        gefunden = ausZeile(m_grdErgebniss, ob::scBreite, ob::scLaenge);
        break;
    default:
        break;
    }
    blnPos = gefunden;
    if (!gefunden) return;
    dblLg = lg;
    dblBg = bg;
}

void frmBinneninfo::Get_PunkteID(std::int32_t& lngPunkteID) const {
    lngPunkteID = -1;
    if (!m_blnPos) return;
    switch (m_intView) {
    case vwBinnen:
        if (ZeileGewaehlt(m_grdBinnen)) {
            std::int32_t punkt = 0;
            double lg = 0, bg = 0;
            if (ob::ErsterPunkt(zeilenDaten(m_grdBinnen, m_grdBinnen->currentRow()), punkt, lg, bg))
                lngPunkteID = punkt;
        }
        break;
    case vwPunkte:
        if (ZeileGewaehlt(m_grdPunkte)) lngPunkteID = zeilenDaten(m_grdPunkte, m_grdPunkte->currentRow());
        break;
    case vwSuche:
        if (ZeileGewaehlt(m_grdErgebniss))
            lngPunkteID = zeilenDaten(m_grdErgebniss, m_grdErgebniss->currentRow());
        break;
    default:
        break;
    }
}

void frmBinneninfo::Get_Selection(QString& strTypFilter) const {
    strTypFilter = m_strTypFilter;
}
