// The facade members that open the component's windows.

#include "component/clsOLM3BinnenState.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "ui/messagebox.h"

void clsOLM3Binnen::RoutenOptimiererReport(bool blnPrintOnly) {
    if (d->frmBericht) delete d->frmBericht.data();
    auto* frm = new frmRoutenOptimiererBericht();
    const auto& route = d->route;
    const typRouteOptimiert* last = route.LastRow();
    frm->FuelleBericht(last ? last->dblStrecke : 0.0, route.dblSummeDurchgangszeit, route.dblSummeWartezeit,
                       route.dblSummeFahrzeit, d->StartZeit);
    if (blnPrintOnly) {
        // Filled only: the route print takes the lines from it.
        d->frmBericht = frm;
        return;
    }
    olm3ui::ExecModal(frm);
    delete frm;
}
