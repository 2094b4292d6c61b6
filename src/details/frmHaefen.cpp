#include "details/frmHaefen.h"

#include "data/modOLM3Binnen.h"
#include "details/bildfeld.h"
#include "details/frmTankstellen.h"
#include "details/ucOLMBinInfo.h"
#include "ui/ucOLMButton.h"

using namespace modOLM3Binnen;

namespace {
const frmDetails::Art kArt{"frmHaefen", "Haefen", "HaefenID", 803, 760, 490, true};
}

const std::array<frmHaefen::Einrichtung, 2> frmHaefen::kAS{{
    {"AS_wasser", 224, 274},
    {"AS_strom", 218, 268},
}};
const std::array<frmHaefen::Einrichtung, 9> frmHaefen::kIH{{
    {"IH_WC", 225, 275},
    {"IH_Dusche", 202, 252},
    {"IH_Gastliegeplaetze", 212, 262},
    {"IH_Waschmaschine", 223, 273},
    {"IH_Kran", 210, 260},
    {"IH_Werft", 226, 276},
    {"IH_Restaurant", 214, 264},
    {"IH_Trockner", 279, 280},
    {"IH_Skipanlage", 216, 278},
}};
const std::array<frmHaefen::Einrichtung, 3> frmHaefen::kIN{{
    {"IN_Restaurant", 214, 264},
    {"IN_Apotheke", 200, 250},
    {"IN_Post", 213, 263},
}};

frmHaefen::frmHaefen(QWidget* parent) : frmDetails(kArt, parent) {
    const char* namen[] = {"picAS", "picIH", "picIN"};
    int reihe = 0;
    jedeReihe([&](auto& pics, const auto&) {
        for (size_t i = 0; i < pics.size(); ++i) {
            pics[i] = new BildFeld(this);
            pics[i]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(namen[reihe])).arg(i));
            pics[i]->hide();
        }
        ++reihe;
    });

    m_pbTankstelle = new ucOLMButton(this);
    m_pbTankstelle->setObjectName(QStringLiteral("pbTankstelle"));
    m_pbTankstelle->IsDefault(true);
    m_pbTankstelle->Format_Button(-1, -1, objOLM3Cfg != nullptr,
                                  objOLM3Cfg ? objOLM3Cfg->GetBild(kBildTankstelle) : QPixmap(), true,
                                  QString());
    m_pbTankstelle->hide();
    connect(m_pbTankstelle, &ucOLMButton::Click, this, &frmHaefen::pbTankstelle_Click);
    NeuerKnopf(m_pbTankstelle);

    ucInfo()->Caption_Button(Text(945));
}

bool frmHaefen::Init(std::int32_t lngPunkteID) {
    jedeReihe([](auto& pics, const auto&) {
        for (BildFeld* pic : pics)
            pic->show();
    });
    return frmDetails::Init(lngPunkteID);
}

void frmHaefen::LeseFelder(const ADODB::Recordset& rs) {
    m_strPlan = Feld(rs, "Plan");
    const QString strTankstelle = Feld(rs, "TankstellenID");
    m_lngTankstellenID = IsNumeric(strTankstelle) ? CLng(strTankstelle) : -1;
    ucInfo()->Visible_Button(!m_strPlan.isEmpty());
    m_pbTankstelle->setVisible(m_lngTankstellenID != -1);

    jedeReihe([&rs](auto& pics, const auto& einrichtungen) {
        for (size_t i = 0; i < pics.size(); ++i) {
            const Einrichtung& e = einrichtungen[i];
            const bool blnDa = FeldBool(rs, e.strFeld);
            const std::int32_t lngBild = blnDa ? e.lngBildJa : e.lngBildNein;
            pics[i]->SetzeBild(lngBild, objOLM3Cfg ? objOLM3Cfg->GetBild(lngBild) : QPixmap(), !blnDa);
        }
    });
}

void frmHaefen::PanelButtonClick() {
    ZeigeBild(m_strPlan);
}

void frmHaefen::pbTankstelle_Click() {
    frmTankstellen frm(this);
    ZeigeModal(&frm, frm.Init(-1, m_lngTankstellenID));
}

int frmHaefen::EigeneHoehe(int) const {
    return 3 * kSymbolGroesse + 2 * kSymbolAbstand;
}

void frmHaefen::OrdneEigeneAn(const QRect& bereich) {
    int y = bereich.y();
    jedeReihe([&](auto& pics, const auto&) {
        int x = bereich.x();
        for (BildFeld* pic : pics) {
            pic->setGeometry(x, y, kSymbolGroesse, kSymbolGroesse);
            x += kSymbolGroesse + kSymbolAbstand;
        }
        y += kSymbolGroesse + kSymbolAbstand;
    });
}
