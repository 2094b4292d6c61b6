#include "routing/core/zweigparam.h"

#include "data/modOLM3Binnen.h"

using namespace modOLM3Binnen;

namespace olm3::routing {

namespace {
/// A distance or duration of the catalogue: not below 0 and not above dblMax. A negative passage time
/// would make the route's times run backwards, 1e308 hours would leave every date behind.
double wert(const ADODB::Field& f, double dblMax) {
    const double v = ADO_Field_Dbl(f);
    if (!(v >= 0 && v <= dblMax)) throw olm3::RuntimeError(6, QStringLiteral("Overflow: '%1'").arg(ADO_Field_Str(f)));
    return v;
}
constexpr double kMaxStrecke = 1e5;      ///< km, more than any waterway
constexpr double kMaxStunden = 1e6;      ///< h of travel on one step
constexpr double kMaxDurchgangszeit = 24; ///< h at one lock or bridge
} // namespace

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
        dblDauer = wert(rs->Fields(QStringLiteral("Dauer")), kMaxStunden);
        dblStrecke = wert(rs->Fields(QStringLiteral("Strecke")), kMaxStrecke);
        const auto fahrzeit = rs->Fields(QStringLiteral("Fahrzeiten"));
        if (!fahrzeit.IsNull()) dblFahrzeit = wert(fahrzeit, kMaxStunden);
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
            if (!zeit.IsNull()) dblDurchgangszeit = wert(zeit, kMaxDurchgangszeit);
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
