// The status window as the facade drives it.

#include "component/clsOLM3BinnenState.h"
#include "component/frmStatus.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "ui/windowhelpers.h"

#include <QApplication>

void clsOLM3Binnen::ShowStatus(bool blnShow, const QString& strText, std::int32_t lngValue,
                               std::int32_t lngMaxValue, std::int32_t lngValue2, std::int32_t lngMaxValue2,
                               const QString& strText2) {
    if (blnShow && !d->blnBreakOptimierer) {
        // Without a window application (a command-line host) the computation runs without the window.
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
        auto* frm = qobject_cast<frmStatus*>(d->frmStatus.data());
        if (!frm) {
            frm = new frmStatus();
            d->frmStatus = frm;
        }
        frm->Init(this, strText, lngValue, lngMaxValue, lngValue2, lngMaxValue2, strText2);
        // Placing a shown window in the top band again would only make it flicker on every update.
        if (frm->isHidden() || !frm->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            modOLM3Binnen::SetTopMost(frm, true);
        if (!d->blnStatusShown) {
            modOLM3Binnen::WaitMilliseconds(10, QStringLiteral("OptimierungShowStatus"));
            // The pause processes events: a host may have closed the window meanwhile.
            d->blnStatusShown = !d->frmStatus.isNull();
        }
        return;
    }
    // Unloaded later rather than at once: this call may come from a handler of the window's own break
    // button (through the BreakOptimierer event), which still runs inside the window.
    if (QWidget* frm = d->frmStatus.data()) {
        frm->hide();
        frm->deleteLater();
    }
    d->frmStatus = nullptr;
    d->blnStatusShown = false;
    d->blnBreakOptimierer = false;
}
