#include "data/nearestpoint.h"
#include "data/modOLM3Binnen.h"

#include <cmath>

namespace modOLM3Binnen {

bool GetNaechsterPunkt(double dblLg, double dblBg, double dblFangbereich, std::int32_t& lngBinnenID,
                       QString& strBinnenBez, std::int32_t& lngPunkteID, double& dblLgPunkt, double& dblBgPunkt,
                       double& dblEntfernung, double& dblAmtlKM, double& dblVMax, double& dblTiefe) {
    if (!IsKatalogOffen()) return false;
    ADODB::RecordsetPtr rs;
    try {
        ADODB::Command cmd;
        cmd.ActiveConnection = conBinnenDatabase;
        cmd.CommandText = QStringLiteral("V_PunkteEntfernung");
        if (dblFangbereich == 0) dblFangbereich = kFangbereichDefault;
        std::int32_t affected = 0;
        if (!ADO_GetFromCmd_Recordset(cmd, {dblLg, dblBg, dblFangbereich}, rs, affected)) return false;
        if (rs->RecordCount() == 0) {
            ADO_Close_Recordset(rs, true);
            return false;
        }
        rs->MoveFirst();
        // Read everything before writing anything, so that a bad row leaves the outputs untouched.
        const std::int32_t binnenID = CLng(ADO_Field_Str(rs->Fields(QStringLiteral("BinnenID"))));
        const QString binnenBez = ADO_Field_Str(rs->Fields(QStringLiteral("BinnenBez")));
        const std::int32_t punkteID = CLng(ADO_Field_Str(rs->Fields(QStringLiteral("PunkteID"))));
        const double lg = CDbl(ADO_Field_Str(rs->Fields(QStringLiteral("LGDez"))));
        const double bg = CDbl(ADO_Field_Str(rs->Fields(QStringLiteral("BGDez"))));
        const double dl2 = CDbl(ADO_Field_Str(rs->Fields(QStringLiteral("DL2_sm"))));
        const QString km = ADO_Field_Str(rs->Fields(QStringLiteral("DokuKm")));
        const QString vmax = ADO_Field_Str(rs->Fields(QStringLiteral("Vmax")));
        const QString tiefe = ADO_Field_Str(rs->Fields(QStringLiteral("Tauchtiefe")));
        lngBinnenID = binnenID;
        strBinnenBez = binnenBez;
        lngPunkteID = punkteID;
        dblLgPunkt = lg;
        dblBgPunkt = bg;
        dblEntfernung = std::sqrt(dl2);
        if (IsNumeric(km)) dblAmtlKM = CDbl(km);
        if (IsNumeric(vmax)) dblVMax = CDbl(vmax);
        if (IsNumeric(tiefe)) dblTiefe = CDbl(tiefe);
        ADO_Close_Recordset(rs, true);
        return true;
    } catch (const std::exception&) {
        ADO_Close_Recordset(rs, true);
        return false;
    }
}

bool GetPunktPosition(std::int32_t lngPunkteID, double& dblLgPos, double& dblBgPos, bool blnBesonderePkt) {
    if (!IsKatalogOffen()) return false;
    ADODB::RecordsetPtr rs;
    try {
        const QString view = blnBesonderePkt ? QStringLiteral("V_BinnenInfo") : QStringLiteral("V_ROUTE");
        if (!ADO_Open_Recordset(conBinnenDatabase, rs, view, QStringLiteral("LGDez, BGDez"),
                                QStringLiteral("PunkteID =") + QString::number(lngPunkteID), QString(), true))
            return false;
        if (rs->RecordCount() == 0) {
            ADO_Close_Recordset(rs, true);
            return false;
        }
        rs->MoveFirst();
        dblLgPos = CDbl(ADO_Field_Str(rs->Fields(QStringLiteral("LgDez"))));
        dblBgPos = CDbl(ADO_Field_Str(rs->Fields(QStringLiteral("BgDez"))));
        ADO_Close_Recordset(rs, true);
        return true;
    } catch (const std::exception&) {
        ADO_Close_Recordset(rs, true);
        return false;
    }
}

} // namespace modOLM3Binnen
