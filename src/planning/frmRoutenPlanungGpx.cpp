// The route planning window's GPX buttons: export of the route and import of a GPX file as the planned
// route. The dialogs and messages are the shared GPX ones; the window only supplies its route.

#include "planning/frmRoutenPlanung.h"

#include "data/modOLM3Binnen.h"
#include "gpx/core/gpxroute.h"
#include "olm3binnen/windowowner.h"
#include "planning/core/routestore.h"
#include "planning/gpxdialog.h"
#include "ui/ucOLMButton.h"

#include <QDoubleSpinBox>

using namespace modOLM3Binnen;

void frmRoutenPlanung::gpxKnoepfe() {
    m_fpGpxExport = new ucOLMButton(m_pbMenu);
    m_fpGpxExport->setObjectName(QStringLiteral("fpGpxExport"));
    m_fpGpxImport = new ucOLMButton(m_pbMenu);
    m_fpGpxImport->setObjectName(QStringLiteral("fpGpxImport"));
    connect(m_fpGpxExport, &ucOLMButton::Click, this, [this] { GpxExportieren(); });
    connect(m_fpGpxImport, &ucOLMButton::Click, this, [this] { GpxImportieren(); });
}

bool frmRoutenPlanung::GpxExportieren(const QString& strPfad) {
    std::vector<typRouteOptimiert> zeitplan;
    QDateTime start;
    double marschV = m_fpMarschGeschw->value();
    if (m_objFacade && m_objFacade->GetRouteOptimiert(zeitplan, start)) marschV = m_objFacade->MarschV();
    std::vector<std::int32_t> ids;
    for (const typRoute& p : m_audtRoute) ids.push_back(p.lngPunkteID);
    return olm3ui::GpxExportieren(this, olm3::gpx::ExportRoute(zeitplan, start, ids, StartMoment(), marschV),
                                  GetText(kModul, 9640), strPfad);
}

bool frmRoutenPlanung::GpxImportieren(const QString& strPfad) {
    if (!IsKatalogOffen()) {
        // Without a catalogue no point can be matched; the plan stays as it is.
        MsgBox(GetText(kModul, 9121), vbExclamation, olm3::planning::MeldungsTitel());
        return false;
    }
    const std::optional<olm3::gpx::Import> imp = olm3ui::GpxImportieren(this, GetText(kModul, 9641), strPfad);
    if (!imp) return false;
    if (m_objFacade) {
        // Start and speed travel with the route when the file has them; otherwise the fields keep theirs.
        m_objFacade->IsStartZeitSet(true);
        m_objFacade->StartZeit(imp->datStart.isValid() ? imp->datStart : StartMoment());
        m_objFacade->MarschV(imp->dblMarschV > 0 ? imp->dblMarschV : m_fpMarschGeschw->value());
    }
    Init(imp->alngPunkteID, m_objFacade, true);
    return true;
}
