#include "routing/core/zweigparam.h"

#include "data/modOLM3Binnen.h"

using namespace modOLM3Binnen;

namespace olm3::routing {

bool GetZweigParam(std::int32_t lngPunkteIDVon, std::int32_t lngPunkteIDNach, std::int32_t lngBinnenID,
                   const QString& strTypenID, double& dblStrecke, double& dblDauer, double& dblFahrzeit,
                   double& dblDurchgangszeit) {
    ADODB::RecordsetPtr rs;
    try {
        dblStrecke = 0;
        dblFahrzeit = 0;
        dblDurchgangszeit = 0;
        // The speed the user chose on the planning screen reaches us through the host's setting.
        const double speed = objOLM3Cfg ? objOLM3Cfg->GetMarschgeschwindigkeit() : 0.0;
        ADODB::Command cmd;
        cmd.ActiveConnection = conBinnenDatabase;
        cmd.CommandText = QStringLiteral("V_ROUTENOPTIMIERER_INFO");
        std::int32_t affected = 0;
        if (!ADO_GetFromCmd_Recordset(cmd, {lngBinnenID, lngPunkteIDVon, lngPunkteIDNach, speed}, rs, affected))
            return false;
        if (rs->RecordCount() == 0) {
            ADO_Close_Recordset(rs, true);
            return true;
        }
        rs->MoveFirst();
        dblDauer = ADO_Field_Dbl(rs->Fields(QStringLiteral("Dauer")));
        dblStrecke = ADO_Field_Dbl(rs->Fields(QStringLiteral("Strecke")));
        const auto fahrzeit = rs->Fields(QStringLiteral("Fahrzeiten"));
        if (!fahrzeit.IsNull()) dblFahrzeit = ADO_Field_Dbl(fahrzeit);
        ADO_Close_Recordset(rs, true);

        // The point as a parameter: the statement is prepared once, not for every lock and bridge.
        QString sql;
        if (strTypenID == QLatin1String("S"))
            sql = QStringLiteral("SELECT Durchgangszeit From Schleusen Where PunkteID=?1");
        else if (strTypenID == QLatin1String("B"))
            sql = QStringLiteral("SELECT Durchgangszeit From Bruecken Where PunkteID=?1");
        if (!sql.isEmpty() && ADO_Open_RecordsetExt(conBinnenDatabase, rs, sql, {lngPunkteIDNach}, true)) {
            rs->MoveFirst();
            const auto zeit = rs->Fields(QStringLiteral("Durchgangszeit"));
            if (!zeit.IsNull()) dblDurchgangszeit = ADO_Field_Dbl(zeit);
            ADO_Close_Recordset(rs, true);
        }
        StepPause(QStringLiteral("GetZweigParam"));
        return true;
    } catch (const std::exception& e) {
        ADO_Close_Recordset(rs, true);
        ShowRuntimeError(QStringLiteral("[clsOLM3Binnen.GetZweigParam]"), e);
        return false;
    }
}

} // namespace olm3::routing
