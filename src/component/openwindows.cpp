// The facade members that open the component's windows.

#include "browser/frmBinneninfo.h"
#include "component/clsOLM3BinnenState.h"
#include "component/frmKatalog.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "planning/frmRoutenPlanung.h"
#include "routing/core/durchfahrt.h"
#include "routing/core/tagesetappen.h"
#include "routing/core/wartegrund.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "ui/messagebox.h"

#include <algorithm>
#include <memory>

namespace {
/// Marks the route planning window while RoutenPlanung fills it or shows it modally.
const char* const kInArbeit = "olm3InArbeit";

/// Loads the information browser, prepares it for the position and shows it modally; the caller reads it
/// and lets it go.
std::unique_ptr<frmBinneninfo> zeigeBinneninfo(clsOLM3Binnen& olm, bool blnPos, double dblLg, double dblBg,
                                               bool blnAllowRefBack, bool blnPlanungsModus, bool blnStartWithRoute) {
    clsOLM3BinnenState& d = olm.state();
    auto frm = std::make_unique<frmBinneninfo>();
    frm->Init(&olm);
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    bool blnRouteOptimiert = olm.GetRouteOptimiert(route, summen);
    frm->Init_Position(blnPos, dblLg, dblBg, blnAllowRefBack, blnRouteOptimiert, d.strTypFilter, blnPlanungsModus,
                       route, d.StartZeit, d.blnBreakOptimierer, blnStartWithRoute);
    olm3ui::ExecModal(frm.get());
    return frm;
}
} // namespace

void clsOLM3Binnen::RoutenOptimiererReport(bool blnPrintOnly) {
    if (d->frmBericht) delete d->frmBericht.data();
    auto* frm = new frmRoutenOptimiererBericht();
    const auto& route = d->route;
    const typRouteOptimiert* last = route.LastRow();
    const auto zeilen = d->blnRouteOptimiert ? d->RoutenZeilen() : std::span<const typRouteOptimiert>();
    // The trip's days: those of its day stages under the cruising day of the settings.
    const std::int32_t tage =
        d->blnRouteOptimiert ? olm3::routing::Reisetage(olm3::routing::BerechneTagesetappen(
                                   zeilen, d->StartZeit, olm3::routing::FahrtagDerEinstellungen()))
                             : 0;
    const auto ohneBetrieb = std::count_if(zeilen.begin(), zeilen.end(), [](const typRouteOptimiert& r) {
        return r.intWartegrund == olm3::wgKeinBetrieb;
    });
    frm->VerbrauchProStunde(d->profil.dblVerbrauch);
    frm->FuelleBericht(last ? last->dblStrecke : 0.0, route.dblSummeDurchgangszeit, route.dblSummeWartezeit,
                       route.dblSummeFahrzeit, d->StartZeit, tage,
                       olm3::routing::TextSummenUnsicher(static_cast<std::int32_t>(ohneBetrieb)));
    if (d->blnRouteOptimiert)
        frm->Durchfahrt(olm3::SummenText(d->befunde, d->profil, [](std::int32_t id) {
            return modOLM3Binnen::GetText(QStringLiteral("Durchfahrt"), id);
        }));
    if (blnPrintOnly) {
        // Filled only: the route print takes the lines from it.
        d->frmBericht = frm;
        return;
    }
    olm3ui::ExecModal(frm);
    delete frm;
}

bool clsOLM3Binnen::BinneninfoRoutenPlanung(std::int32_t& lngPunkteID) {
    // From route planning: the stored planning position, hand-back allowed, no route view.
    auto frm = zeigeBinneninfo(*this, d->blnValidInit, d->dblLgInit, d->dblBgInit, true, true, false);
    frm->Get_PunkteID(lngPunkteID);
    frm->Get_Selection(d->strTypFilter);
    return false;
}

bool clsOLM3Binnen::Binneninfo(bool& blnPos, double& dblInitLg, double& dblInitBg, bool blnAllowRefBack,
                               bool blnStartWithRoute) {
    auto frm = zeigeBinneninfo(*this, blnPos, dblInitLg, dblInitBg, blnAllowRefBack, false, blnStartWithRoute);
    frm->Get_Position(blnPos, dblInitLg, dblInitBg);
    frm->Get_Selection(d->strTypFilter);
    return false;
}

bool clsOLM3Binnen::RoutenPlanung(double& dblLgInit, double& dblBgInit, bool& blnValidInit, bool blnNeuZeichnen,
                                  bool blnPrintOnly) {
    d->blnBreakOptimierer = false;
    if (!blnPrintOnly) {
        d->dblLgInit = dblLgInit;
        d->dblBgInit = dblBgInit;
        d->blnValidInit = blnValidInit;
    }
    // A window still loaded from a print-only call gives way to the new one.
    RoutenPlanungAus();
    auto* frm = new frmRoutenPlanung();
    frm->setProperty(kInArbeit, true);
    d->frmRoutenPlanung = frm;
    frm->Init(d->alngRouteGeplant, this, blnNeuZeichnen);
    // The host may unload the window from an event the window raises, even while it is being filled.
    const bool entladen = d->frmRoutenPlanung != frm;
    if (blnPrintOnly && !entladen) {
        frm->setProperty(kInArbeit, false);
        return false;
    }
    if (!entladen) olm3ui::ExecModal(frm);
    // Unloaded while it was shown (optimising unloads it from inside one of its own buttons), it was
    // only hidden and let go; it is deleted here, outside its own handlers.
    if (d->frmRoutenPlanung == frm) d->frmRoutenPlanung.clear();
    delete frm;
    return false;
}

bool clsOLM3Binnen::RoutenPlanungAus() {
    QPointer<QWidget> frm = d->frmRoutenPlanung;
    d->frmRoutenPlanung.clear();
    if (!frm) return false;
    if (frm->property(kInArbeit).toBool()) {
        // Filled or shown further up the call stack, possibly from inside its own click handler:
        // deleting it now would pull the window from under that code. Hiding ends the modal loop; the
        // RoutenPlanung call that loaded it deletes it.
        frm->hide();
        return false;
    }
    delete frm.data();
    return false;
}

bool clsOLM3Binnen::BinnenkatalogWahl(bool& blnChange) {
    blnChange = false;
    try {
        if (!modOLM3Binnen::objOLM3Cfg) return false;
        auto frm = std::make_unique<frmKatalog>();
        frm->strKatalog(modOLM3Binnen::objOLM3Cfg->GetBinnenKatalog());
        frm->FillGrid();
        const int intErgebnis = olm3ui::ExecModal(frm.get());
        // Only a choice confirmed with Ok counts: a window closed any other way still holds the full path
        // of the current catalogue, which is no file name to record.
        const bool blnOk = intErgebnis == QDialog::Accepted || frm->result() == QDialog::Accepted;
        return frmKatalog::KatalogUebernehmen(blnOk ? frm->strKatalog() : QString(), blnChange);
    } catch (...) {
        return false;
    }
}
