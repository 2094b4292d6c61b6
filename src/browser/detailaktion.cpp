// The browser's detail actions: the detail view of a bridge, lock, harbour or fuel station, and the
// operating hours of a lock.

#include "browser/detailaktion.h"

#include "data/modOLM3Binnen.h"
#include "details/frmBruecken.h"
#include "details/frmHaefen.h"
#include "details/frmSchleusen.h"
#include "details/frmTankstellen.h"
#include "routing/frmSchleusenBZ.h"
#include "ui/messagebox.h"

#include <memory>

namespace olm3browser {

bool OeffneDetails(QWidget* parent, clsOLM3Binnen* owner, const QString& strTypID, std::int32_t lngPunkteID) {
    (void)owner;
    const QString typ = strTypID.trimmed();
    if (typ == QLatin1String("B")) {
        frmBruecken frm(parent);
        return frmDetails::ZeigeModal(&frm, frm.Init(lngPunkteID));
    }
    if (typ == QLatin1String("S")) {
        frmSchleusen frm(parent);
        return frmDetails::ZeigeModal(&frm, frm.Init(lngPunkteID));
    }
    if (typ == QLatin1String("H")) {
        frmHaefen frm(parent);
        return frmDetails::ZeigeModal(&frm, frm.Init(lngPunkteID));
    }
    if (typ == QLatin1String("T")) {
        frmTankstellen frm(parent);
        return frmDetails::ZeigeModal(&frm, frm.Init(lngPunkteID, -1));
    }
    // Berths, weirs, junctions and plain points have no detail view here.
    return false;
}

bool OeffneSchleusenBZ(QWidget* parent, std::int32_t lngSchleusenID, const QDateTime& datDatum) {
    const QString strModul = QStringLiteral("frmSchleusenBZ");
    auto frm = std::make_unique<frmSchleusenBZ>(parent);
    if (!frm->Init(lngSchleusenID, datDatum)) {
        // A click that opens nothing needs an answer: no hours in the catalogue, or none readable.
        modOLM3Binnen::MsgBox(modOLM3Binnen::GetText(strModul, frm->OhneBetriebszeiten() ? 9300 : 9301),
                              modOLM3Binnen::vbExclamation, modOLM3Binnen::GetText(strModul, 911));
        return false;
    }
    olm3ui::ExecModal(frm.get());
    return true;
}

} // namespace olm3browser
