#include "details/frmTankstellen.h"

#include "data/modOLM3Binnen.h"
#include "details/bildfeld.h"
#include "details/frmInfoText.h"
#include "details/ucOLMBinInfo.h"
#include "ui/messagebox.h"

using namespace modOLM3Binnen;

namespace {
const frmDetails::Art kArt{"frmTankstellen", "Tankstellen", "TankstellenID", 802, 760, 420, true};
}

frmTankstellen::frmTankstellen(QWidget* parent) : frmDetails(kArt, parent) {
    m_picTankstelle = new BildFeld(this);
    m_picTankstelle->setObjectName(QStringLiteral("picTankstelle"));
    ucInfo()->Caption_Button(Text(862));
}

bool frmTankstellen::Init(std::int32_t lngPunkteID, std::int32_t lngTankstellenID) {
    if (lngPunkteID == -1 && lngTankstellenID == -1) return false;
    if (lngPunkteID == -1 || lngTankstellenID != -1)
        return Lade(lngPunkteID, AktivBedingung("TankstellenID", lngTankstellenID));
    return Lade(lngPunkteID, AktivBedingung("PunkteID", lngPunkteID));
}

void frmTankstellen::LeseFelder(const ADODB::Recordset& rs) {
    const bool blnBenzin = FeldBool(rs, "Benzin");
    const bool blnDiesel = FeldBool(rs, "Diesel");
    // Without either fuel the box keeps what it showed.
    std::int32_t lngBild = -1;
    if (blnBenzin && blnDiesel)
        lngBild = kBildBenzinDiesel;
    else if (blnBenzin)
        lngBild = kBildBenzin;
    else if (blnDiesel)
        lngBild = kBildDiesel;
    if (lngBild != -1)
        m_picTankstelle->SetzeBild(lngBild, objOLM3Cfg ? objOLM3Cfg->GetBild(lngBild) : QPixmap(), false);

    m_strWegbeschreibung = Feld(rs, "Wegbeschreibung");
    ucInfo()->Visible_Button(!m_strWegbeschreibung.isEmpty());
}

void frmTankstellen::PanelButtonClick() {
    frmInfoText frm(this);
    if (frm.Init(Bezeichnung(), m_strWegbeschreibung)) olm3ui::ExecModal(&frm);
}

int frmTankstellen::EigeneHoehe(int) const {
    return kPumpeGroesse;
}

void frmTankstellen::OrdneEigeneAn(const QRect& bereich) {
    m_picTankstelle->setGeometry(bereich.x(), bereich.y(), kPumpeGroesse, kPumpeGroesse);
}
