// The route view's widget: its grid with the column heads, the legend of the lock marks, the statistics
// button and the print. Its rows, outline and choice are in routenzeilen, routengliederung and
// routenauswahl beside it.
#include "browser/routenansicht.h"
#include "browser/routenansicht_internal.h"
#include "browser/browserhilfen.h"
#include "browser/tagesetappenansicht.h"

#include "browser/druckvorschau.h"
#include "browser/routendruck.h"
#include "data/formatting.h"
#include "olm3binnen/windowowner.h"
#include "planning/frmRoutenPlanung.h"
#include "routing/core/durchfahrt.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "ui/panelbutton.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace modOLM3Binnen;
using namespace olm3browser::routenansicht;

RoutenAnsicht::RoutenAnsicht(IOLM3WindowOwner* owner, QWidget* parent) : QWidget(parent), m_owner(owner) {
    setObjectName(QStringLiteral("fraRoute"));
    m_lblRoutenInfo = new QLabel(this);
    m_lblRoutenInfo->setObjectName(QStringLiteral("lblRoutenInfo"));
    QFont fett = m_lblRoutenInfo->font();
    fett.setPointSize(kSchrift + 1);
    fett.setBold(true);
    m_lblRoutenInfo->setFont(fett);

    m_grdRoute = new QTableWidget(this);
    m_grdRoute->setObjectName(QStringLiteral("grdRoute"));
    setupGrid();
    setupLegende();

    auto* legende = new QVBoxLayout;
    legende->addWidget(m_txtInfo);
    for (const auto& [bild, txt] : {std::pair{m_picNB, m_txtNB}, std::pair{m_picSR, m_txtSR}}) {
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(bild);
        zeile->addWidget(txt, 1);
        legende->addLayout(zeile);
    }
    legende->addStretch(1);
    legende->addWidget(m_pbReport, 0, Qt::AlignHCenter);

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(m_grdRoute, 1);
    mitte->addLayout(legende);
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(4, 4, 4, 4);
    haupt->addWidget(m_lblRoutenInfo);
    haupt->addLayout(mitte, 1);
    m_etappen = new TagesetappenAnsicht(this);
    haupt->addWidget(m_etappen);

    connect(m_grdRoute, &QTableWidget::cellClicked, this, &RoutenAnsicht::grdRoute_Click);
    connect(m_grdRoute, &QTableWidget::cellDoubleClicked, this, &RoutenAnsicht::grdRoute_DblClick);
    connect(m_grdRoute, &QTableWidget::currentCellChanged, this, &RoutenAnsicht::grdRoute_RowColChange);
    connect(m_pbReport, &ucOLMButton::Click, this, [this] {
        if (m_owner) m_owner->RoutenOptimiererReport(false);
    });
    m_grdRoute->installEventFilter(this);
}

void RoutenAnsicht::setupGrid() {
    QTableWidget* g = m_grdRoute;
    QFont font = g->font();
    font.setPointSize(kSchrift);
    g->setFont(font);
    g->setColumnCount(kSpalten);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setWordWrap(true);
    g->setTextElideMode(Qt::ElideMiddle);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    const QString nl = QStringLiteral("\n");
    const QString kopf[kSpalten] = {
        QString(),
        text(829),
        text(816) + nl + QStringLiteral("km"),
        text(890) + nl + QStringLiteral("km"),
        text(830) + nl + QStringLiteral("h"),
        text(893) + nl + QStringLiteral("h"),
        text(895) + nl + QStringLiteral("h"),
        text(832),
        text(848),
        text(815) + QStringLiteral(" / ") + text(828),
        text(821),
        text(820),
        QString(),
        text(811),
    };
    for (int c = 0; c < kSpalten; ++c)
        g->setHorizontalHeaderItem(c, new QTableWidgetItem(kopf[c]));
    g->setColumnHidden(colBinnenID, true);
    g->horizontalHeader()->setSectionResizeMode(colGliederung, QHeaderView::Fixed);
    g->setColumnWidth(colGliederung, 24);
}

void RoutenAnsicht::setupLegende() {
    const QString trenner = QStringLiteral(" -  ");
    m_txtInfo = new QLabel(this);
    m_txtInfo->setObjectName(QStringLiteral("txtInfo"));
    m_txtInfo->setText(text(846) + trenner + StripAmpersand(text(804)) + QLatin1Char('\n') + text(845) +
                       trenner + StripAmpersand(text(806)) + QLatin1Char('\n') + text(894) +
                       QLatin1Char('\n') + text(896));
    const auto marke = [this](QLabel*& pic, QLabel*& txt, const char* picName, const char* txtName,
                              std::int32_t lngID) {
        pic = new QLabel(this);
        pic->setObjectName(QLatin1String(picName));
        pic->setPixmap(markenBild(lngID));
        txt = new QLabel(text(lngID), this);
        txt->setObjectName(QLatin1String(txtName));
    };
    marke(m_picNB, m_txtNB, "picNB", "txtNB", kBildNB);
    marke(m_picSR, m_txtSR, "picSR", "txtSR", kBildSR);
    for (QLabel* l : {m_txtInfo, m_txtNB, m_txtSR}) {
        QFont f = l->font();
        f.setPointSize(kSchrift);
        l->setFont(f);
    }

    m_pbReport = new ucOLMButton(this);
    m_pbReport->setObjectName(QStringLiteral("pbReport"));
    m_pbReport->IsDefault(true);
    m_pbReport->Text(text(904));
    FormatPanelButton(m_pbReport, 1, 1, 1);
}

QString RoutenAnsicht::RoutenPunkteListe() const {
    QStringList ids;
    for (const RoutenPunktRecord& p : m_routenPunkte)
        ids << QString::number(p.lngPunkteID);
    return ids.join(QStringLiteral(", "));
}

// ---- printing ------------------------------------------------------------------------------------------

olm3browser::RoutenDruckInhalt RoutenAnsicht::DruckInhalt() const {
    olm3browser::RoutenDruckInhalt inhalt;
    inhalt.route = m_grdRoute;
    inhalt.etappen = m_etappen->grdEtappen();
    inhalt.strReisetage = m_etappen->ReisetageText();
    inhalt.alleRoutenZeilen = true;
    inhalt.routenZeile = [this](int row) {
        if (istSchleusenZeile(row)) return olm3browser::DruckZeilenArt::Schleuse;
        return art(row) == Zeilenart::Routenpunkt ? olm3browser::DruckZeilenArt::Routenpunkt
                                                  : olm3browser::DruckZeilenArt::Normal;
    };
    // The rows the clearance check marked on screen, and its summary line.
    inhalt.durchfahrt = [this](int row) {
        const QTableWidgetItem* item = m_grdRoute->item(row, colGliederung);
        const int mark = item ? item->data(kDurchfahrt).toInt() : 0;
        return mark == 2   ? olm3browser::DruckDurchfahrt::PasstNicht
               : mark == 1 ? olm3browser::DruckDurchfahrt::Unbekannt
                           : olm3browser::DruckDurchfahrt::Keine;
    };
    if (m_owner) {
        inhalt.strDurchfahrt = olm3::SummenText(m_befunde, m_owner->GetBootProfil(), [](std::int32_t id) {
            return GetText(QStringLiteral("Durchfahrt"), id);
        });
        const olm3::Durchfahrtssumme summe = olm3::Zaehle(m_befunde);
        inhalt.artDurchfahrt = summe.intPasstNicht > 0  ? olm3browser::DruckDurchfahrt::PasstNicht
                               : summe.intUnbekannt > 0 ? olm3browser::DruckDurchfahrt::Unbekannt
                                                        : olm3browser::DruckDurchfahrt::Keine;
    }
    return inhalt;
}

void RoutenAnsicht::Drucken() {
    const QString strPdf = strDruckPdf;

    // The print holds every row of the route, not only the groups opened on screen.
    for (int row = 0; row < m_grdRoute->rowCount(); ++row)
        if (art(row) == Zeilenart::Routenpunkt) FillGridRouteMDetails(row);

    olm3browser::RoutenDruckInhalt inhalt = DruckInhalt();
    if (m_owner) {
        double dblLg = 0.0, dblBg = 0.0;
        bool blnValid = false;
        m_owner->RoutenPlanung(dblLg, dblBg, blnValid, false, true);
        if (auto* plan = qobject_cast<frmRoutenPlanung*>(m_owner->GeladeneRoutenPlanung()))
            inhalt.plan = plan->grdRoute();
        m_owner->RoutenOptimiererReport(true);
        if (auto* bericht = qobject_cast<frmRoutenOptimiererBericht*>(m_owner->GefuellterBericht()))
            inhalt.bericht = bericht->grdReport();
    }
    const auto seiten = [&inhalt](QPrinter& printer, QString& strFehler) {
        return olm3browser::DruckeRoute(printer, inhalt, strFehler);
    };

    bool ok = false;
    bool gedruckt = false;
    QString strFehler;
    if (!strPdf.isEmpty()) {
        // The host directs the print into a file: no preview, nobody to choose.
        const auto zeiger = olm3browser::sanduhr();
        QPrinter printer(QPrinter::HighResolution);
        olm3browser::RichteDruckerEin(printer, strPdf);
        ok = seiten(printer, strFehler);
        gedruckt = true;
    } else {
        frmDruckvorschau vorschau(olm3browser::RichteDruckerEin, seiten, window());
        if (olm3ui::ExecModal(&vorschau) == QDialog::Accepted) {
            const auto zeiger = olm3browser::sanduhr();
            ok = vorschau.Drucke(strFehler);
            gedruckt = true;
        }
    }
    if (m_owner) m_owner->RoutenPlanungAus();
    if (!gedruckt) return;

    if (!ok) {
        // Nothing was printed: the user is told why instead of being told it is done.
        ShowRuntimeError(QStringLiteral("frmBinneninfo.Drucken"),
                         olm3::RuntimeError(75, QStringLiteral("Pfad-/Dateizugriffsfehler: ") + strFehler));
        return;
    }
    MsgBox(text(540), vbInformation, text(541));
}
