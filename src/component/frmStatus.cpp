#include "component/frmStatus.h"

#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QProgressBar>
#include <algorithm>

using namespace modOLM3Binnen;

namespace {
const QString kModul = QStringLiteral("frmStatus");
constexpr int kBreite = 440;
constexpr int kRand = 14;
constexpr int kAbstand = 8;
constexpr int kHoeheBalken = 22;
constexpr int kHoeheBalkenKlein = 12;
constexpr int kBreiteBreak = 180;
constexpr int kHoeheBreak = 80;

/// A bar shows lngValue of lngMaxValue; it has nothing to show when both are empty, and a value above
/// its maximum hides it rather than being cut.
void setBar(QProgressBar* bar, std::int32_t lngValue, std::int32_t lngMaxValue) {
    bool show = !(lngValue <= 0 && lngMaxValue < 1);
    if (show) {
        if (lngMaxValue > 0) bar->setMaximum(lngMaxValue);
        if (lngValue > bar->maximum())
            show = false;
        else
            bar->setValue(std::max(lngValue, bar->minimum()));
    }
    bar->setVisible(show);
}
} // namespace

frmStatus::frmStatus(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(kModul);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(objOLM3Cfg ? objOLM3Cfg->GetAppTitel() : kTitle);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    QFont f = lblStatus->font();
    f.setBold(true);
    lblStatus->setFont(f);

    lblStatus2 = new QLabel(this);
    lblStatus2->setObjectName(QStringLiteral("lblStatus2"));
    lblStatus2->setWordWrap(true);
    QFont f2 = lblStatus2->font();
    f2.setPointSizeF(f2.pointSizeF() * 0.85);
    lblStatus2->setFont(f2);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBarKlein = new QProgressBar(this);
    ProgressBarKlein->setObjectName(QStringLiteral("ProgressBarKlein"));
    ProgressBarKlein->setTextVisible(false);

    ucBreak = new ucOLMButton(this);
    ucBreak->setObjectName(QStringLiteral("ucBreak"));
    ucBreak->Format_Button(kBreiteBreak, kHoeheBreak, true, objOLM3Cfg ? objOLM3Cfg->GetBild(540) : QPixmap(),
                           true, GetText(kModul, 402));
    connect(ucBreak, &ucOLMButton::Click, this, &frmStatus::ucBreak_Click);
    connect(ucBreak, &ucOLMButton::MouseMove, this, &frmStatus::ucBreak_MouseMove);
    ucBreak->installEventFilter(this);

    // The window is busy everywhere but on its break button.
    setCursor(Qt::WaitCursor);
    ucBreak->setCursor(Qt::ArrowCursor);

    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);
    ProgressBar->hide();
    ProgressBarKlein->hide();
    lblStatus2->hide();
    layoutControls();
    CenterForm(this);
}

frmStatus::~frmStatus() = default;

void frmStatus::Init(clsOLM3Binnen* objFacade, const QString& strText, std::int32_t lngValue,
                     std::int32_t lngMaxValue, std::int32_t lngValue2, std::int32_t lngMaxValue2,
                     const QString& strText2) {
    lblStatus->setText(strText);
    if (objFacade) m_objFacade = objFacade;
    if (!strText2.isEmpty()) lblStatus2->setText(strText2);
    lblStatus2->setVisible(!lblStatus2->text().isEmpty());
    setBar(ProgressBar, lngValue, lngMaxValue);
    setBar(ProgressBarKlein, lngValue2, lngMaxValue2);
    layoutControls();
}

void frmStatus::layoutControls() {
    // Top to bottom; what is hidden takes no room, so the window is taller with the second bar and the
    // break button always stands below the last thing shown.
    const int breite = kBreite - 2 * kRand;
    int y = kRand;
    const auto place = [&](QWidget* w, int h) {
        if (w->isHidden()) return;
        w->setGeometry(kRand, y, breite, h);
        y += h + kAbstand;
    };
    place(lblStatus, std::max(lblStatus->heightForWidth(breite), lblStatus->fontMetrics().height()));
    place(ProgressBar, kHoeheBalken);
    place(lblStatus2, lblStatus2->heightForWidth(breite));
    place(ProgressBarKlein, kHoeheBalkenKlein);
    y += kAbstand;
    ucBreak->move((kBreite - ucBreak->width()) / 2, y);
    setFixedSize(kBreite, y + ucBreak->height() + kRand);
}

void frmStatus::ucBreak_Click() {
    QPointer<frmStatus> self(this);
    if (m_objFacade) m_objFacade->Event_BreakOptimierer();
    if (self) hide();
}

void frmStatus::ucBreak_MouseMove() {
    if (!QGuiApplication::overrideCursor()) return;
    SetNormalPointer();
    m_blnZeigerFrei = true;
}

bool frmStatus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ucBreak && event->type() == QEvent::Leave && m_blnZeigerFrei) {
        m_blnZeigerFrei = false;
        SetHourglass();
    }
    return QWidget::eventFilter(watched, event);
}

void frmStatus::closeEvent(QCloseEvent* event) {
    // The break button is the way to stop; the window manager's close would only hide the progress.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}
