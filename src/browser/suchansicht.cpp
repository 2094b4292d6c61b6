// The browser's search view: locks, harbours or fuel stations by name, or within a radius of the start
// position through the host's radius search, with the panel that shows a running search.

#include "browser/browserhilfen.h"
#include "browser/frmBinneninfo.h"
#include "browser/frmUXAUmkreisSuche.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/windowowner.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

using namespace modOLM3Binnen;
using namespace olm3browser;
namespace ob = olm3::browser;

namespace {
const QColor kRingBlau(0, 0, 255);
const QColor kRingGrau(200, 200, 200);

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

void frmBinneninfo::createSuchAnsicht() {
    QWidget* fra = m_fraView[vwSuche];
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
    m_pbUmkreisSuche = knopf(fra, "pbUmkreisSuche");
    m_pbUmkreisSuche->Enabled(false);
    connect(m_pbUmkreisSuche, &ucOLMButton::Click, this, &frmBinneninfo::pbUmkreisSuche_Click);
    m_grdErgebniss = liste(fra, "grdErgebniss");
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
    m_pbUmkreisSucheBreak = knopf(m_picSuche, "pbUmkreisSucheBreak");
    m_pbUmkreisSucheBreak->setCursor(Qt::ArrowCursor);
    connect(m_pbUmkreisSucheBreak, &ucOLMButton::Click, this, &frmBinneninfo::pbUmkreisSucheBreak_Click);
    m_timerSucheAnimation = new QTimer(this);
    m_timerSucheAnimation->setObjectName(QStringLiteral("timerSucheAnimation"));
    m_timerSucheAnimation->setInterval(kTimerIntervall);
    connect(m_timerSucheAnimation, &QTimer::timeout, this, &frmBinneninfo::timerSucheAnimation_Timer);
}

void frmBinneninfo::layoutSuchAnsicht(int fw, int fh, int zeile) {
    layoutSuchReihe();
    // The list below the row of kinds, which is as high as the small buttons of the points view.
    const int kleinerKnopf = zeile + 8;
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
            std::array<QTableWidgetItem*, ob::kSuchSpalten> items{};
            for (int c = 0; c < ob::kSuchSpalten; ++c)
                items[static_cast<size_t>(c)] = zelle(z.astrSpalte[static_cast<size_t>(c)]);
            items[ob::scName]->setData(kZeilenDaten, z.lngPunkteID);
            items[ob::scKM]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (z.blnKMFett) items[ob::scKM]->setFont(fett);
            if (z.blnPosition) {
                items[ob::scBreite]->setData(kZellDaten, z.dblBg);
                items[ob::scLaenge]->setData(kZellDaten, z.dblLg);
            }
            items[ob::scEntfernung]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            for (int c = 0; c < ob::kSuchSpalten; ++c)
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
