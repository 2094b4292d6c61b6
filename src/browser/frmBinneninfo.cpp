#include "browser/frmBinneninfo.h"

#include "browser/detailaktion.h"
#include "browser/frmUXAUmkreisSuche.h"
#include "browser/routenansicht.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "data/nearestpoint.h"
#include "olm3binnen/windowowner.h"
#include "ui/messagebox.h"
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
#include <QPainter>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

using namespace modOLM3Binnen;
namespace ob = olm3::browser;

namespace {
constexpr int kRand = 6;
constexpr int kSchrift = 11;
constexpr int kMinBreite = 760;
constexpr int kMinHoehe = 520;
constexpr int kKopfHoehe = 44;
constexpr int kZeilenFuerBreite = 300;
/// The capture range of the nearest point to the start position.
constexpr double kFangbereich = 1.0;
/// Picture ids of the host: the hand-back button and the back button.
constexpr std::int32_t kBildRefBack = 540;
constexpr std::int32_t kBildBack = 609;

const QColor kGelb(255, 255, 0);
const QColor kAnzahlNull(80, 80, 140);
const QColor kRingBlau(0, 0, 255);
const QColor kRingGrau(200, 200, 200);

constexpr int kZellDaten = frmBinneninfo::kZellDaten;
constexpr int kZeilenDaten = frmBinneninfo::kZeilenDaten;

// Columns of the search list.
constexpr int kSuchSpalten = ob::kSuchSpalten;

QString text(std::int32_t id) {
    return GetText(frmBinneninfo::kModul, id);
}

/// The hourglass until the returned guard goes.
auto sanduhr() {
    SetHourglass();
    return qScopeGuard(SetNormalPointer);
}

/// Drawing of a grid switched off while it is refilled.
class OhneZeichnen {
public:
    explicit OhneZeichnen(QTableWidget* grd) : m_grd(grd) { m_grd->setUpdatesEnabled(false); }
    ~OhneZeichnen() { m_grd->setUpdatesEnabled(true); }
    OhneZeichnen(const OhneZeichnen&) = delete;
    OhneZeichnen& operator=(const OhneZeichnen&) = delete;

private:
    QTableWidget* m_grd;
};

QTableWidgetItem* zelle(const QString& s) {
    auto* item = new QTableWidgetItem(s);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QFont schrift(const QWidget* w, int punkte = kSchrift, bool fett = false) {
    QFont f = w->font();
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

/// Sizes the columns to their contents; the stretching name column fills the rest of the grid.
void spaltenBreiten(QTableWidget* g) {
    QHeaderView* kopf = g->horizontalHeader();
    int rest = g->viewport()->width(), dehnen = -1;
    for (int c = 0; c < g->columnCount(); ++c) {
        if (kopf->sectionResizeMode(c) == QHeaderView::Stretch) {
            dehnen = c;
            continue;
        }
        g->resizeColumnToContents(c);
        if (!g->isColumnHidden(c)) rest -= kopf->sectionSize(c);
    }
    if (dehnen < 0) return;
    // The header spreads the room itself on its next layout; until then the column gets it here.
    kopf->setSectionResizeMode(dehnen, QHeaderView::Interactive);
    g->resizeColumnToContents(dehnen);
    kopf->resizeSection(dehnen, std::max(kopf->sectionSize(dehnen), rest));
    kopf->setSectionResizeMode(dehnen, QHeaderView::Stretch);
}

QString zweiZeilen(std::int32_t id, const QString& einheit) {
    return text(id) + QLatin1Char('\n') + einheit;
}

/// The rows' point id (row data of column 0), or 0.
std::int32_t zeilenDaten(const QTableWidget* grd, int row) {
    const QTableWidgetItem* item = grd->item(row, 0);
    return item ? item->data(kZeilenDaten).toInt() : 0;
}

/// Picture of the two type-box buttons: six small boxes, all ticked or all empty.
QPixmap kastenBild(bool blnAngekreuzt) {
    QPixmap bild(48, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 6; ++i) {
        const QRectF r(2 + (i % 3) * 15, 2 + (i / 3) * 15, 12, 12);
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(Qt::white);
        p.drawRect(r);
        if (!blnAngekreuzt) continue;
        p.setPen(QPen(QColor(0, 110, 0), 2.2));
        p.drawLine(QPointF(r.left() + 2.5, r.center().y()), QPointF(r.center().x() - 0.5, r.bottom() - 2.5));
        p.drawLine(QPointF(r.center().x() - 0.5, r.bottom() - 2.5), QPointF(r.right() - 2, r.top() + 2.5));
    }
    return bild;
}

/// The concentric rings of the running search; the highlighted one moves outward tick by tick.
class RingAnimation : public QWidget {
public:
    explicit RingAnimation(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("picSucheAnimation"));
    }
    void SetRadius(int r) {
        m_radius = r;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), kRingGrau);
        // The rings are laid out on a 40 x 40 grid, scaled to the box.
        const double f = std::min(width(), height()) / 40.0;
        const QPointF mitte(width() / 2.0, height() / 2.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kRingGrau.darker(112), f));
        for (int r = 2; r <= 18; r += 4)
            p.drawEllipse(mitte, r * f, r * f);
        p.setPen(QPen(kRingBlau, 2 * f));
        p.drawEllipse(mitte, m_radius * f, m_radius * f);
    }

private:
    int m_radius = 2;
};
} // namespace

/// Receives the progress of the host's radius search.
class frmBinneninfo::KWSEreignisse : public IOLM3KWSEvents {
public:
    explicit KWSEreignisse(frmBinneninfo* frm) : m_frm(frm) {}
    void KWSUmkreisSucheObjGefunden(std::int32_t lngAnzahl) override {
        m_frm->m_lngGefunden = lngAnzahl;
        m_frm->m_lblGefunden->setText(QString::number(lngAnzahl));
    }

private:
    frmBinneninfo* m_frm;
};

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
    const auto button = [](QWidget* parent, const char* name, bool blnTwoState = false) {
        auto* b = new ucOLMButton(parent);
        b->setObjectName(QLatin1String(name));
        b->TwoState(blnTwoState);
        return b;
    };
    const auto grid = [](QWidget* parent, const char* name) {
        auto* g = new QTableWidget(parent);
        g->setObjectName(QLatin1String(name));
        g->setFont(schrift(g));
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionBehavior(QAbstractItemView::SelectRows);
        g->setSelectionMode(QAbstractItemView::SingleSelection);
        g->setWordWrap(false);
        g->verticalHeader()->hide();
        g->verticalHeader()->setDefaultSectionSize(QFontMetrics(g->font()).height() + 8);
        g->horizontalHeader()->setFixedHeight(kKopfHoehe);
        g->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
        g->horizontalHeader()->setHighlightSections(false);
        // Columns are sized from a few hundred rows, not from every row of a long list.
        g->horizontalHeader()->setResizeContentsPrecision(kZeilenFuerBreite);
        g->verticalHeader()->setResizeContentsPrecision(kZeilenFuerBreite);
        return g;
    };

    m_pbMenu = new QWidget(this);
    m_pbMenu->setObjectName(QStringLiteral("pbMenu"));
    const char* const viewNamen[4] = {"fpBinnen", "fpPunkte", "fpRoute", "fpSuche"};
    const char* const frameNamen[4] = {"fraBinnen", "fraPunkte", "fraRoute", "fraSuche"};
    for (int v = 0; v < 4; ++v) {
        m_fpView[static_cast<size_t>(v)] = button(m_pbMenu, viewNamen[v], true);
        connect(m_fpView[static_cast<size_t>(v)], &ucOLMButton::Click, this, [this, v] { fpView_Click(v); });
        auto* fra = new QFrame(this);
        fra->setObjectName(QLatin1String(frameNamen[v]));
        fra->hide();
        m_fraView[static_cast<size_t>(v)] = fra;
    }
    m_fpDetails = button(m_pbMenu, "fpDetails");
    m_fpQuickInfo = button(m_pbMenu, "fpQuickInfo", true);
    m_fpDrucken = button(m_pbMenu, "fpDrucken");
    m_fpRefBack = button(m_pbMenu, "fpRefBack");
    m_fpBack = button(m_pbMenu, "fpBack");
    connect(m_fpDetails, &ucOLMButton::Click, this, &frmBinneninfo::Details);
    connect(m_fpQuickInfo, &ucOLMButton::Click, this, &frmBinneninfo::fpQuickInfo_Click);
    connect(m_fpDrucken, &ucOLMButton::Click, this, [this] {
        if (m_fraRoute) m_fraRoute->Drucken();
    });
    connect(m_fpRefBack, &ucOLMButton::Click, this, &frmBinneninfo::fpRefBack_Click);
    connect(m_fpBack, &ucOLMButton::Click, this, &frmBinneninfo::fpBack_Click);

    // view 0: waterways
    QWidget* fra = m_fraView[vwBinnen];
    m_txtBinnenName = new QLineEdit(fra);
    m_txtBinnenName->setObjectName(QStringLiteral("txtBinnenName"));
    m_txtBinnenName->setClearButtonEnabled(true);
    m_grdBinnen = grid(fra, "grdBinnen");
    connect(m_txtBinnenName, &QLineEdit::textChanged, this, &frmBinneninfo::txtBinnenName_Change);
    connect(m_grdBinnen, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { grdBinnen_DblClick(row); });
    connect(m_grdBinnen, &QTableWidget::currentCellChanged, this, [this] {
        if (m_intView == vwBinnen) enableRefBack(ZeileGewaehlt(m_grdBinnen));
    });

    // view 1: points of a waterway
    fra = m_fraView[vwPunkte];
    m_lblBinnenBez = new QLabel(fra);
    m_lblBinnenBez->setObjectName(QStringLiteral("lblBinnenBez"));
    m_lblBinnenBez->setFont(schrift(m_lblBinnenBez, 14, true));
    for (int k = 0; k < ob::kTypBoxen; ++k) {
        auto* chk = new QCheckBox(fra);
        chk->setObjectName(QStringLiteral("chkTyp%1").arg(k));
        connect(chk, &QCheckBox::clicked, this, &frmBinneninfo::chkTyp_Click);
        m_chkTyp[static_cast<size_t>(k)] = chk;
    }
    m_pbAlle = button(fra, "pbAlle");
    m_pbKein = button(fra, "pbKein");
    m_pbVorheriger = button(fra, "pbVorheriger");
    m_pbVorheriger->Enabled(false);
    connect(m_pbAlle, &ucOLMButton::Click, this, &frmBinneninfo::pbAlle_Click);
    connect(m_pbKein, &ucOLMButton::Click, this, &frmBinneninfo::pbKein_Click);
    connect(m_pbVorheriger, &ucOLMButton::Click, this, &frmBinneninfo::pbVorheriger_Click);
    m_grdPunkte = grid(fra, "grdPunkte");
    connect(m_grdPunkte, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        m_grdPunkte->setCurrentCell(row, ob::pcKM);
        Details();
    });
    connect(m_grdPunkte, &QTableWidget::currentCellChanged, this, [this](int row, int, int prevRow, int) {
        if (row != prevRow && m_blnQuickInfo) ShowQuickInfo(21);
    });
    m_lblQuickInfo = new QLabel(fra);
    m_lblQuickInfo->setObjectName(QStringLiteral("lblQuickInfo"));
    m_lblQuickInfo->setWordWrap(true);
    m_lblQuickInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblQuickInfo->setMargin(8);
    m_lblQuickInfo->setFrameShape(QFrame::Box);
    m_lblQuickInfo->setAutoFillBackground(true);
    m_lblQuickInfo->setStyleSheet(QStringLiteral(
        "QLabel#lblQuickInfo { background: rgb(255, 255, 225); color: black; border: 1px solid gray; }"));

    // view 3: search
    fra = m_fraView[vwSuche];
    for (int i = 0; i < 3; ++i) {
        auto* opt = new QRadioButton(fra);
        opt->setObjectName(QStringLiteral("optSuche%1").arg(i));
        connect(opt, &QRadioButton::clicked, this, [this, i] { optSuche_Click(i); });
        m_optSuche[static_cast<size_t>(i)] = opt;
    }
    m_cmbUmkreis = new QComboBox(fra);
    m_cmbUmkreis->setObjectName(QStringLiteral("cmbUmkreis"));
    connect(m_cmbUmkreis, &QComboBox::activated, this, &frmBinneninfo::cmbUmkreis_Click);
    m_txtName = new QLineEdit(fra);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setClearButtonEnabled(true);
    connect(m_txtName, &QLineEdit::textChanged, this, &frmBinneninfo::txtName_Change);
    m_pbUmkreisSuche = button(fra, "pbUmkreisSuche");
    m_pbUmkreisSuche->Enabled(false);
    connect(m_pbUmkreisSuche, &ucOLMButton::Click, this, &frmBinneninfo::pbUmkreisSuche_Click);
    m_grdErgebniss = grid(fra, "grdErgebniss");
    connect(m_grdErgebniss, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        m_grdErgebniss->setCurrentCell(row, ob::scName);
        Details();
    });

    // the panel of a running radius search
    m_picSuche = new QFrame(fra);
    m_picSuche->setObjectName(QStringLiteral("picSuche"));
    m_picSuche->setFrameShape(QFrame::Panel);
    m_picSuche->setFrameShadow(QFrame::Raised);
    m_picSuche->setLineWidth(2);
    m_picSuche->setAutoFillBackground(true);
    m_picSuche->setCursor(Qt::WaitCursor);
    m_picSucheAnimation = new RingAnimation(m_picSuche);
    const auto label = [this](const char* name, bool fett) {
        auto* l = new QLabel(m_picSuche);
        l->setObjectName(QLatin1String(name));
        l->setFont(schrift(l, fett ? 13 : kSchrift, fett));
        return l;
    };
    m_lblTitelSuche = label("lblTitelSuche", true);
    m_lblGefundenTitel = label("lblGefundenTitel", false);
    m_lblGefunden = label("lblGefunden", true);
    m_lblZeit = label("lblZeit", true);
    m_pbUmkreisSucheBreak = button(m_picSuche, "pbUmkreisSucheBreak");
    m_pbUmkreisSucheBreak->setCursor(Qt::ArrowCursor);
    connect(m_pbUmkreisSucheBreak, &ucOLMButton::Click, this, &frmBinneninfo::pbUmkreisSucheBreak_Click);
    m_timerSucheAnimation = new QTimer(this);
    m_timerSucheAnimation->setObjectName(QStringLiteral("timerSucheAnimation"));
    m_timerSucheAnimation->setInterval(kTimerIntervall);
    connect(m_timerSucheAnimation, &QTimer::timeout, this, &frmBinneninfo::timerSucheAnimation_Timer);
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
    m_pbAlle->LoadPicture(kastenBild(true));
    m_pbKein->LoadPicture(kastenBild(false));
    m_pbAlle->Text(QString());
    m_pbKein->Text(QString());
    for (ucOLMButton* b : {fpBinnen(), fpPunkte(), fpRoute(), fpSuche(), m_fpDetails, m_fpQuickInfo,
                           m_fpDrucken, m_fpRefBack, m_fpBack})
        b->IsDefault(false);
    for (ucOLMButton* b : {m_pbAlle, m_pbKein, m_pbVorheriger, m_pbUmkreisSuche, m_pbUmkreisSucheBreak})
        b->IsDefault(false);
}

void frmBinneninfo::setupGrids() {
    const auto kopf = [](QTableWidget* g, const QStringList& texte) {
        g->setColumnCount(static_cast<int>(texte.size()));
        for (int c = 0; c < texte.size(); ++c)
            g->setHorizontalHeaderItem(c, new QTableWidgetItem(texte[c]));
    };
    const QString km = QStringLiteral("km"), m = QStringLiteral("m");
    const QString laenge = text(820), breite = text(821);
    kopf(m_grdBinnen,
         {text(815), zweiZeilen(810, km), zweiZeilen(825, QStringLiteral("km/h")), zweiZeilen(866, m),
          zweiZeilen(858, m), zweiZeilen(859, m), laenge + QLatin1Char(' ') + text(822),
          breite + QLatin1Char(' ') + text(822), laenge + QLatin1Char(' ') + text(823),
          breite + QLatin1Char(' ') + text(823),
          text(891).replace(QStringLiteral("%1"), QStringLiteral("\n")), StripAmpersand(text(803)),
          StripAmpersand(text(804)), text(892).replace(QStringLiteral("%1"), QStringLiteral("\n")),
          StripAmpersand(text(806)), StripAmpersand(text(807))});
    for (int c : {2, 6, 7, 8, 9})
        m_grdBinnen->setColumnHidden(c, true);

    QStringList punkte;
    for (int c = 0; c < ob::kPunkteSpalten; ++c)
        punkte << QString();
    punkte[ob::pcKM] = zweiZeilen(816, km);
    punkte[ob::pcTyp] = text(811);
    punkte[ob::pcName] = text(815) + QStringLiteral(" / ") + text(828);
    punkte[ob::pcBreite] = breite;
    punkte[ob::pcLaenge] = laenge;
    punkte[ob::pcVmax] = zweiZeilen(825, QStringLiteral("km/h"));
    punkte[ob::pcTiefe] = zweiZeilen(866, m);
    kopf(m_grdPunkte, punkte);
    for (int c : {ob::pcPunkteIDNach, ob::pcBinnenIDNach, ob::pcLaufNr, ob::pcDetailsText})
        m_grdPunkte->setColumnHidden(c, true);

    QStringList suche;
    for (int c = 0; c < kSuchSpalten; ++c)
        suche << QString();
    suche[ob::scName] = text(815);
    suche[ob::scGewaesser] = text(848);
    suche[ob::scKM] = zweiZeilen(816, km);
    suche[ob::scBreite] = breite;
    suche[ob::scLaenge] = laenge;
    suche[ob::scEntfernung] = zweiZeilen(938, km);
    kopf(m_grdErgebniss, suche);
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
    const int knopf = std::clamp(h / 11, 44, 72);
    m_pbMenu->setGeometry(w - panel - kRand, kRand, panel, h - 2 * kRand);
    int y = 0;
    for (ucOLMButton* b : m_fpView) {
        // A view that is not offered leaves no gap.
        if (b->isHidden()) continue;
        b->setGeometry(0, y, panel, knopf);
        y += knopf + 2;
    }
    y += knopf / 3;
    for (ucOLMButton* b : {m_fpDetails, m_fpQuickInfo, m_fpDrucken}) {
        b->setGeometry(0, y, panel, knopf);
        y += knopf + 2;
    }
    const int unten = m_pbMenu->height();
    m_fpBack->setGeometry(0, unten - knopf, panel, knopf);
    m_fpRefBack->setGeometry(0, unten - 2 * knopf - 4, panel, knopf);
    for (ucOLMButton* b : {fpBinnen(), fpPunkte(), fpRoute(), fpSuche(), m_fpDetails, m_fpQuickInfo,
                           m_fpDrucken, m_fpRefBack, m_fpBack})
        FormatPanelButton(b, 1, 1, 2);
    m_fpRefBack->Forecolor(kGelb);

    const QRect frame(kRand, kRand, w - panel - 3 * kRand, h - 2 * kRand);
    for (QWidget* f : m_fraView)
        f->setGeometry(frame);
    const int fw = frame.width(), fh = frame.height();
    const int zeile = std::max(30, QFontMetrics(font()).height() + 12);

    // waterways: the name box above the list
    m_txtBinnenName->setGeometry(0, 0, std::min(fw, std::max(260, fw / 3)), zeile);
    m_grdBinnen->setGeometry(0, zeile + kRand, fw, fh - zeile - kRand);

    // points: the waterway's name, the type boxes with their buttons, the list
    m_lblBinnenBez->setGeometry(0, 0, fw, zeile);
    const int kleinerKnopf = zeile + 8;
    const int vorheriger = std::clamp(fw / 8, 100, 150);
    m_pbVorheriger->setGeometry(fw - vorheriger, zeile + 2, vorheriger, kleinerKnopf);
    m_pbKein->setGeometry(m_pbVorheriger->x() - kleinerKnopf - 12, zeile + 2, kleinerKnopf, kleinerKnopf);
    m_pbAlle->setGeometry(m_pbKein->x() - kleinerKnopf - 4, zeile + 2, kleinerKnopf, kleinerKnopf);
    layoutTypBoxen();
    const int gridOben = zeile + kleinerKnopf + 8;
    m_grdPunkte->setGeometry(0, gridOben, fw, fh - gridOben);
    const int info = std::clamp(fh / 4, 80, 220);
    m_lblQuickInfo->setGeometry(kRand, fh - info - kRand, fw - 2 * kRand, info);

    layoutSuchReihe();
    m_grdErgebniss->setGeometry(0, kleinerKnopf + 10, fw, fh - kleinerKnopf - 10);
    const int pw = std::min(fw - 20, 460), ph = 190;
    m_picSuche->setGeometry((fw - pw) / 2, (fh - ph) / 2, pw, ph);
    m_picSucheAnimation->setGeometry(16, 16, 110, 110);
    const int tx = 140, tw = pw - tx - 12;
    m_lblTitelSuche->setGeometry(tx, 16, tw, 28);
    m_lblGefundenTitel->setGeometry(tx, 54, tw - 70, 24);
    m_lblGefunden->setGeometry(tx + tw - 70, 54, 70, 24);
    m_lblZeit->setGeometry(tx, 84, tw, 24);
    m_pbUmkreisSucheBreak->setGeometry(pw - 160 - 12, ph - 50 - 12, 160, 50);
    // The smaller buttons of the frames take the type of a half-width panel button.
    for (ucOLMButton* b : {m_pbUmkreisSucheBreak, m_pbUmkreisSuche, m_pbVorheriger, m_pbAlle, m_pbKein})
        FormatPanelButton(b, 2, 1, 2);

    if (m_fraRoute) m_fraRoute->setGeometry(0, 0, fw, fh);
}

void frmBinneninfo::layoutSuchReihe() {
    // The kinds with the radius list beside the checked one (while it is shown), the name box and the
    // radius button.
    const int fw = m_fraView[vwSuche]->width();
    const int hoehe = m_pbVorheriger->height(), zeile = m_txtBinnenName->height();
    const int art = std::max(0, GewaehlteArt());
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        QRadioButton* opt = m_optSuche[static_cast<size_t>(i)];
        const int breite = opt->sizeHint().width() + 12;
        opt->setGeometry(x, 2, breite, hoehe);
        x += breite + 6;
        if (i != art || m_cmbUmkreis->isHidden()) continue;
        m_cmbUmkreis->setGeometry(x, 2 + (hoehe - zeile) / 2, std::max(110, fw / 10), zeile);
        x += m_cmbUmkreis->width() + 12;
    }
    const int umkreis = std::clamp(fw / 6, 140, 200);
    m_pbUmkreisSuche->setGeometry(fw - umkreis, 2, umkreis, hoehe);
    const int nameLinks = x + 12;
    m_txtName->setGeometry(nameLinks, 2 + (hoehe - zeile) / 2,
                           std::max(120, m_pbUmkreisSuche->x() - nameLinks - 12), zeile);
}

void frmBinneninfo::layoutTypBoxen() {
    // The visible boxes side by side in the row of the two box buttons, the room left over shared out.
    const QRect reihe(0, m_pbAlle->y(), m_pbAlle->x() - kRand, m_pbAlle->height());
    int boxenBreite = 0;
    for (int k = 0; k < ob::kWehrBox; ++k)
        boxenBreite += m_chkTyp[static_cast<size_t>(k)]->sizeHint().width();
    const int luecke = std::clamp((reihe.width() - boxenBreite) / ob::kWehrBox, 4, 40);
    int x = reihe.x();
    for (int k = 0; k < ob::kTypBoxen; ++k) {
        QCheckBox* chk = m_chkTyp[static_cast<size_t>(k)];
        chk->setGeometry(x, reihe.y(), chk->sizeHint().width(), reihe.height());
        if (k < ob::kWehrBox - 1) x += chk->sizeHint().width() + luecke;
    }
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

// ---- waterway list --------------------------------------------------------------------------------

void frmBinneninfo::FillGridBinnen() {
    const auto zeiger = sanduhr();
    std::vector<ob::GewaesserZeile> zeilen;
    ob::LadeGewaesser(zeilen);
    QTableWidget* g = m_grdBinnen;
    {
        OhneZeichnen aus(g);
        g->setRowCount(0);
        g->setRowCount(static_cast<int>(zeilen.size()));
        const QFont fett = schrift(g, kSchrift, true);
        for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
            const ob::GewaesserZeile& z = zeilen[static_cast<size_t>(r)];
            for (int c = 0; c < ob::kGewaesserSpalten; ++c) {
                QTableWidgetItem* item = zelle(z.astrSpalte[static_cast<size_t>(c)]);
                if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (c == 0) {
                    item->setData(kZeilenDaten, z.lngBinnenID);
                    item->setFont(fett);
                }
                g->setItem(r, c, item);
            }
        }
        spaltenBreiten(g);
    }
    if (g->rowCount() > 0) g->setCurrentCell(0, 0);
}

void frmBinneninfo::txtBinnenName_Change() {
    QStringList namen;
    for (int r = 0; r < m_grdBinnen->rowCount(); ++r)
        namen << m_grdBinnen->item(r, 0)->text();
    const int row = ob::SucheAnfang(namen, m_txtBinnenName->text());
    if (row < 0) return;
    m_grdBinnen->setCurrentCell(row, 0);
    m_grdBinnen->scrollToItem(m_grdBinnen->item(row, 0), QAbstractItemView::PositionAtTop);
}

void frmBinneninfo::grdBinnen_DblClick(int row) {
    if (row < 0 || row >= m_grdBinnen->rowCount()) return;
    ob::typBinnenPos pos;
    pos.lngBinnenID = zeilenDaten(m_grdBinnen, row);
    pos.strBinnenBez = m_grdBinnen->item(row, 0)->text();
    m_pos = pos;
    m_verlauf.Neu(pos);
    m_pbVorheriger->Enabled(false);
    m_blnRefill = true;
    DrueckeView(vwPunkte);
}

// ---- type boxes and points list -------------------------------------------------------------------

void frmBinneninfo::SetTypCaptions(std::int32_t lngBinnenID) {
    const auto texte = ob::TypBoxTexte(lngBinnenID);
    for (int k = 0; k < ob::kTypBoxen; ++k) {
        QCheckBox* chk = m_chkTyp[static_cast<size_t>(k)];
        chk->setText(texte[static_cast<size_t>(k)].strText);
        chk->setStyleSheet(texte[static_cast<size_t>(k)].lngAnzahl == 0
                               ? QStringLiteral("QCheckBox { color: %1; }").arg(kAnzahlNull.name())
                               : QString());
    }
    layoutTypBoxen();
}

void frmBinneninfo::SetTypBoxen(const ob::TypBoxen& boxen) {
    const bool events = m_blnTypEvents;
    m_blnTypEvents = false;
    for (int k = 0; k < ob::kTypBoxen; ++k)
        m_chkTyp[static_cast<size_t>(k)]->setChecked(boxen[static_cast<size_t>(k)]);
    m_blnTypEvents = events;
}

void frmBinneninfo::ComputeTypFilter() {
    ob::TypBoxen boxen{};
    for (int k = 0; k < ob::kTypBoxen; ++k)
        boxen[static_cast<size_t>(k)] = m_chkTyp[static_cast<size_t>(k)]->isChecked();
    m_strTypFilter = ob::TypFilter(boxen);
    SetTypBoxen(boxen);
}

void frmBinneninfo::chkTyp_Click() {
    if (!m_blnTypEvents) return;
    ComputeTypFilter();
    FillGridPunkte();
}

void frmBinneninfo::pbAlle_Click() {
    ob::TypBoxen boxen{};
    for (int k = 0; k < ob::kWehrBox; ++k)
        boxen[static_cast<size_t>(k)] = true;
    boxen[ob::kWehrBox] = m_chkTyp[ob::kWehrBox]->isChecked();
    SetTypBoxen(boxen);
    ComputeTypFilter();
    FillGridPunkte();
}

void frmBinneninfo::pbKein_Click() {
    SetTypBoxen(ob::TypBoxen{});
    ComputeTypFilter();
    FillGridPunkte();
}

std::vector<ob::RoutenMarke> frmBinneninfo::RoutenMarken() const {
    if (!m_blnRouteVorhanden || !m_fraRoute) return {};
    return m_fraRoute->RoutenPunkte();
}

bool frmBinneninfo::FillGridPunkte() {
    const auto zeiger = sanduhr();
    SetTypCaptions(m_pos.lngBinnenID);
    m_blnPunktGefunden = false;
    std::vector<ob::PunktDatensatz> datensaetze;
    if (!ob::LadePunkte(m_pos, m_strRoutenPunkte, datensaetze)) return false;
    const ob::PunkteListe liste =
        ob::BauePunkteListe(datensaetze, m_pos, m_strRoutenPunkte, m_strTypFilter, RoutenMarken());
    m_blnPunktGefunden = liste.blnPunktGefunden;

    QTableWidget* g = m_grdPunkte;
    {
        OhneZeichnen aus(g);
        g->setRowCount(0);
        const int n = static_cast<int>(liste.azeilen.size());
        g->setRowCount(n);
        const QFont fett = schrift(g, kSchrift, true);
        // Each row is made whole before it goes into the grid, so that the grid hears of it once.
        const Qt::Alignment rechts = Qt::AlignRight | Qt::AlignVCenter;
        for (int r = 0; r < n; ++r) {
            const ob::PunktZeile& z = liste.azeilen[static_cast<size_t>(r)];
            std::array<QTableWidgetItem*, ob::kPunkteSpalten> items{};
            for (int c = 0; c < ob::kPunkteSpalten; ++c) {
                items[static_cast<size_t>(c)] = zelle(z.astrSpalte[static_cast<size_t>(c)]);
                if (z.blnAbzweig) items[static_cast<size_t>(c)]->setBackground(kGelb);
            }
            items[ob::pcKM]->setData(kZeilenDaten, z.lngPunkteID);
            items[ob::pcKM]->setTextAlignment(rechts);
            if (z.blnKMFett) items[ob::pcKM]->setFont(fett);
            items[ob::pcMarke]->setData(kZellDaten, z.astrSpalte[ob::pcMarke]);
            items[ob::pcMarke]->setTextAlignment(Qt::AlignCenter);
            items[ob::pcTyp]->setData(kZellDaten, z.astrSpalte[ob::pcTyp]);
            items[ob::pcTyp]->setTextAlignment(Qt::AlignCenter);
            if (z.blnPosition) {
                items[ob::pcBreite]->setData(kZellDaten, z.dblBg);
                items[ob::pcLaenge]->setData(kZellDaten, z.dblLg);
            }
            items[ob::pcVmax]->setTextAlignment(rechts);
            items[ob::pcTiefe]->setTextAlignment(rechts);
            for (int c = 0; c < ob::kPunkteSpalten; ++c)
                g->setItem(r, c, items[static_cast<size_t>(c)]);
            g->setRowHidden(r, z.blnVersteckt);
        }
        for (int c : {ob::pcPunkteIDNach, ob::pcBinnenIDNach, ob::pcLaufNr, ob::pcDetailsText})
            g->setColumnHidden(c, true);
        spaltenBreiten(g);
    }
    m_lblBinnenBez->setText(m_pos.strBinnenBez);
    if (liste.intAuswahl >= 0) {
        g->setCurrentCell(liste.intAuswahl, ob::pcKM);
        g->scrollToItem(g->item(liste.intAuswahl, ob::pcKM), QAbstractItemView::PositionAtCenter);
    } else {
        g->setCurrentCell(-1, -1);
    }
    enableRefBack(liste.intAuswahl >= 0);
    if (m_blnQuickInfo) ShowQuickInfo(21);
    return true;
}

void frmBinneninfo::pbVorheriger_Click() {
    if (!m_verlauf.ZurueckMoeglich(m_blnPunktGefunden)) return;
    m_verlauf.Zurueck([this](const ob::typBinnenPos& pos) {
        m_pos = pos;
        ComputeTypFilter();
        return FillGridPunkte();
    });
    m_pbVorheriger->Enabled(m_verlauf.Anzahl() > 1);
}

void frmBinneninfo::Abzweig(int row) {
    const QString binnen = m_grdPunkte->item(row, ob::pcBinnenIDNach)->text();
    const QString punkt = m_grdPunkte->item(row, ob::pcPunkteIDNach)->text();
    // A junction whose continuation the catalogue does not know leads nowhere.
    if (!IsNumeric(binnen) || !IsNumeric(punkt)) return;
    const ob::typBinnenPos alt = m_pos;
    ob::typBinnenPos neu;
    neu.lngBinnenID = CLng(binnen);
    neu.strBinnenBez = m_grdPunkte->item(row, ob::pcName)->text();
    neu.lngPunkteID = CLng(punkt);
    m_pos = neu;
    ComputeTypFilter();
    if (FillGridPunkte()) {
        m_verlauf.Anhaengen(m_pos);
        m_pbVorheriger->Enabled(true);
        return;
    }
    m_pos = alt;
    FillGridPunkte();
}

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

void frmBinneninfo::fpQuickInfo_Click() {
    m_blnQuickInfo = m_fpQuickInfo->Value();
    if (m_blnQuickInfo)
        ShowQuickInfo(5);
    else
        m_lblQuickInfo->hide();
}

void frmBinneninfo::ShowQuickInfo(int intLeer) {
    const int row = m_grdPunkte->currentRow();
    const QTableWidgetItem* item = row >= 0 ? m_grdPunkte->item(row, ob::pcDetailsText) : nullptr;
    m_lblQuickInfo->setText(ob::QuickInfoText(item ? item->text() : QString(), intLeer));
    m_lblQuickInfo->show();
    m_lblQuickInfo->raise();
}

// ---- route view -----------------------------------------------------------------------------------

void frmBinneninfo::RoutenpunktGewaehlt(std::int32_t lngBinnenID, std::int32_t lngPunkteID,
                                        const QString& strBinnenBez, std::int32_t lngRoutenIndex) {
    ob::typBinnenPos pos;
    pos.lngBinnenID = lngBinnenID;
    pos.lngPunkteID = lngPunkteID;
    pos.strBinnenBez = strBinnenBez;
    pos.lngRoutenIndex = lngRoutenIndex;
    m_pos = pos;
    m_verlauf.Neu(pos);
    m_pbVorheriger->Enabled(false);
    m_blnRefill = true;
    DrueckeView(vwPunkte);
}

// ---- search view ----------------------------------------------------------------------------------

int frmBinneninfo::GewaehlteArt() const {
    for (int i = 0; i < 3; ++i)
        if (m_optSuche[static_cast<size_t>(i)]->isChecked()) return i;
    return -1;
}

void frmBinneninfo::CheckArt(int i) {
    if (i < 0 || i > 2) return;
    const bool events = m_blnSuchEvents;
    m_blnSuchEvents = false;
    m_optSuche[static_cast<size_t>(i)]->setChecked(true);
    m_blnSuchEvents = events;
    layoutSuchReihe();
}

void frmBinneninfo::optSuche_Click(int i) {
    if (!m_blnSuchEvents) return;
    const bool hostFlag = m_owner && m_owner->blnUmkreisSuche;
    const bool gespeichert = m_owner && m_owner->SuchergebnisseGespeichert();
    if (hostFlag && gespeichert && i == m_owner->intSuchTyp) {
        const bool warVersteckt = m_cmbUmkreis->isHidden();
        m_cmbUmkreis->show();
        if (warVersteckt) FillGridSuche(m_cmbUmkreis->currentIndex() == 1 ? QString() : m_strErgebnisFilter);
    } else if (hostFlag && m_cmbUmkreis->isVisible() && m_cmbUmkreis->currentIndex() == 0 &&
               m_pbUmkreisSuche->Enabled()) {
        // Radius results are on screen: another kind is searched within the same kind of radius.
        const int alt = m_owner->intSuchTyp;
        const bool gesucht = UmkreisSucheDialog();
        if (!gesucht && i != alt) CheckArt(alt);
    } else {
        m_cmbUmkreis->hide();
        FillGridSuche(QString());
    }
    layoutSuchReihe();
    txtName_Change();
}

void frmBinneninfo::cmbUmkreis_Click(int i) {
    if (!m_blnSuchEvents) return;
    if (i == 0) {
        FillGridSuche(m_strErgebnisFilter);
    } else {
        if (m_owner) m_owner->lngUmkreis = 0;
        FillGridSuche(QString());
    }
    txtName_Change();
}

bool frmBinneninfo::FillGridSuche(const QString& strFilter) {
    const int art = GewaehlteArt();
    if (art < 0) return false;
    const auto zeiger = sanduhr();
    std::vector<ob::SuchZeile> zeilen;
    if (!ob::LadeSuchliste(ob::kSuchTags[static_cast<size_t>(art)], strFilter, m_alngErgebnisID,
                           m_adblErgebnisStrecke, zeilen))
        return false;
    m_blnSucheGefuellt = true;
    QTableWidget* g = m_grdErgebniss;
    {
        OhneZeichnen aus(g);
        g->setRowCount(0);
        const int n = static_cast<int>(zeilen.size());
        g->setRowCount(n);
        const QFont fett = schrift(g, kSchrift, true);
        for (int r = 0; r < n; ++r) {
            const ob::SuchZeile& z = zeilen[static_cast<size_t>(r)];
            std::array<QTableWidgetItem*, kSuchSpalten> items{};
            for (int c = 0; c < kSuchSpalten; ++c)
                items[static_cast<size_t>(c)] = zelle(z.astrSpalte[static_cast<size_t>(c)]);
            items[ob::scName]->setData(kZeilenDaten, z.lngPunkteID);
            items[ob::scKM]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (z.blnKMFett) items[ob::scKM]->setFont(fett);
            if (z.blnPosition) {
                items[ob::scBreite]->setData(kZellDaten, z.dblBg);
                items[ob::scLaenge]->setData(kZellDaten, z.dblLg);
            }
            items[ob::scEntfernung]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            for (int c = 0; c < kSuchSpalten; ++c)
                g->setItem(r, c, items[static_cast<size_t>(c)]);
        }
        g->setColumnHidden(ob::scTyp, true);
        g->setColumnHidden(ob::scEntfernung, strFilter.isEmpty());
        spaltenBreiten(g);
    }
    if (g->rowCount() > 0) {
        g->setCurrentCell(0, ob::scName);
        enableRefBack(true);
    } else {
        enableRefBack(false);
    }
    return true;
}

void frmBinneninfo::txtName_Change() {
    QStringList namen;
    for (int r = 0; r < m_grdErgebniss->rowCount(); ++r)
        namen << m_grdErgebniss->item(r, ob::scName)->text();
    const int row = ob::SucheAnfang(namen, m_txtName->text());
    if (row < 0) return;
    m_grdErgebniss->setCurrentCell(row, ob::scName);
    m_grdErgebniss->scrollToItem(m_grdErgebniss->item(row, ob::scName), QAbstractItemView::PositionAtTop);
}

void frmBinneninfo::pbUmkreisSuche_Click() {
    UmkreisSucheDialog();
}

bool frmBinneninfo::UmkreisSucheDialog() {
    if (!m_owner || !m_pbUmkreisSuche->Enabled()) return false;
    frmUXAUmkreisSuche dlg(this);
    std::int16_t art = static_cast<std::int16_t>(GewaehlteArt());
    double bg = m_dblStartBg;
    std::int32_t umkreis = m_owner->lngUmkreis;
    bool ok = false;
    dlg.Init(art, m_dblStartLg, bg, umkreis, ok);
    if (!ok) return false;
    olm3ui::ExecModal(&dlg);
    bool start = false;
    dlg.Start(start);
    if (!start) return false;
    bool dritter = true;
    dlg.GetSuchParam(umkreis, art, dritter);
    m_owner->lngUmkreis = umkreis;
    if (umkreis <= 0) {
        // All objects of the kind: no radius list.
        const bool events = m_blnSuchEvents;
        m_blnSuchEvents = false;
        m_cmbUmkreis->setCurrentIndex(1);
        m_blnSuchEvents = events;
        m_cmbUmkreis->hide();
        CheckArt(art);
        FillGridSuche(QString());
        return true;
    }
    UmkreisSuche(art, umkreis);
    return true;
}

void frmBinneninfo::UmkreisSuche(int intArt, std::int32_t lngUmkreis) {
    if (!objOLM3KWS || intArt < 0 || intArt > 2) return;
    const QString art = StripAmpersand(m_optSuche[static_cast<size_t>(intArt)]->text());
    m_lngGefunden = 0;
    m_lngTicks = 0;
    m_lblTitelSuche->setText(QString::number(lngUmkreis) + QStringLiteral(" km - ") + text(927));
    m_lblGefundenTitel->setText(text(928).replace(QStringLiteral("%1"), art) + QLatin1Char(':'));
    m_lblZeit->setText(QStringLiteral("00:00:00"));
    m_lblGefunden->setText(QStringLiteral("0"));
    static_cast<RingAnimation*>(m_picSucheAnimation)->SetRadius(ob::RingRadius(0));
    CheckArt(intArt);
    m_picSuche->show();
    m_picSuche->raise();
    m_timerSucheAnimation->start();
    EnableForSuche(false, intArt);
    m_blnSucheLaeuft = true;
    // The break flag belongs to this search from now on.
    if (m_pblnBreak) *m_pblnBreak = false;

    KWSEreignisse ereignisse(this);
    std::int32_t zentrum = m_lngZentrumPunkteID;
    QString tag = ob::kSuchTags[static_cast<size_t>(intArt)];
    double umkreis = lngUmkreis;
    bool ergebnis = false;
    objOLM3KWS->KWSUmkreisSuche(zentrum, tag, umkreis, ergebnis, &ereignisse);

    m_blnSucheLaeuft = false;
    // A break asked for this search only; a later computation starts without it.
    if (m_pblnBreak) *m_pblnBreak = false;
    EnableForSuche(true, intArt);
    m_timerSucheAnimation->stop();
    m_picSuche->hide();
    SetNormalPointer();

    std::vector<std::int32_t> ids;
    std::vector<double> strecken;
    std::int32_t anzahl = 0;
    objOLM3KWS->KWSUmkreisSucheErgebnis(ids, strecken, anzahl);
    // Never more results than the host handed over.
    anzahl =
        std::clamp<std::int32_t>(anzahl, 0, static_cast<std::int32_t>(std::min(ids.size(), strecken.size())));
    m_owner->SetSuchergebnisse(anzahl, ids, strecken);
    m_owner->intSuchTyp = intArt;
    ErgebnisseZeigen();
}

void frmBinneninfo::SetErgebnisFilter() {
    std::int32_t anzahl = 0;
    m_owner->GetSuchergebnisse(anzahl, m_alngErgebnisID, m_adblErgebnisStrecke);
    m_strErgebnisFilter = ob::ErgebnisFilter(anzahl, m_alngErgebnisID);
}

void frmBinneninfo::ErgebnisseZeigen() {
    SetErgebnisFilter();
    CheckArt(m_owner->intSuchTyp);
    const bool events = m_blnSuchEvents;
    m_blnSuchEvents = false;
    m_cmbUmkreis->setItemText(0, QString::number(m_owner->lngUmkreis) + QStringLiteral(" km"));
    m_cmbUmkreis->setCurrentIndex(0);
    m_cmbUmkreis->show();
    m_blnSuchEvents = events;
    layoutSuchReihe();
    FillGridSuche(m_strErgebnisFilter);
}

void frmBinneninfo::pbUmkreisSucheBreak_Click() {
    if (m_owner) m_owner->Event_BreakOptimierer();
    m_timerSucheAnimation->stop();
    SetHourglass();
}

void frmBinneninfo::timerSucheAnimation_Timer() {
    static_cast<RingAnimation*>(m_picSucheAnimation)->SetRadius(ob::RingRadius(m_lngTicks));
    m_lblZeit->setText(ob::SuchZeit(m_lngTicks, kTimerIntervall));
    m_lblGefunden->setText(QString::number(m_lngGefunden));
    ++m_lngTicks;
}

void frmBinneninfo::EnableForSuche(bool blnEnabled, int intArt) {
    std::vector<QWidget*> controls{m_fpBack,     m_fpRefBack, m_fpDetails,   m_pbUmkreisSuche,
                                   m_cmbUmkreis, m_txtName,   m_grdErgebniss};
    for (ucOLMButton* b : m_fpView)
        controls.push_back(b);
    for (int i = 0; i < 3; ++i)
        if (i != intArt) controls.push_back(m_optSuche[static_cast<size_t>(i)]);
    for (QWidget* w : controls)
        w->setEnabled(blnEnabled);
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
