// Until the detail windows exist, the browser's detail actions open nothing.

#include "browser/detailaktion.h"

#include "data/modOLM3Binnen.h"
#include "routing/frmSchleusenBZ.h"
#include "ui/messagebox.h"

#include <memory>

namespace olm3browser {

bool OeffneDetails(QWidget* parent, clsOLM3Binnen* owner, const QString& strTypID, std::int32_t lngPunkteID) {
    (void)parent;
    (void)owner;
    (void)strTypID;
    (void)lngPunkteID;
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
