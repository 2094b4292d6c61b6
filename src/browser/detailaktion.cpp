// The browser's detail actions: the detail view of a bridge, lock, harbour, fuel station, berth or weir,
// and the operating hours of a lock.

#include "browser/detailaktion.h"

#include "data/modOLM3Binnen.h"
#include "details/frmBruecken.h"
#include "details/frmHaefen.h"
#include "details/frmLiegestellen.h"
#include "details/frmSchleusen.h"
#include "details/frmTankstellen.h"
#include "details/frmWehre.h"
#include "routing/frmSchleusenBZ.h"
#include "ui/messagebox.h"

#include <memory>

namespace olm3browser {

bool OeffneDetails(QWidget* parent, IOLM3WindowOwner* owner, const QString& strTypID, std::int32_t lngPunkteID) {
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
    // Berths and weirs are shown too: a boater who asks for the details of one would be puzzled by a
    // button that does nothing.
    if (typ == QLatin1String("L")) {
        frmLiegestellen frm(parent);
        return frmDetails::ZeigeModal(&frm, frm.Init(lngPunkteID));
    }
    if (typ == QLatin1String("W")) {
        frmWehre frm(parent);
        return frmDetails::ZeigeModal(&frm, frm.Init(lngPunkteID));
    }
    // Junctions and plain points have no detail view.
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
