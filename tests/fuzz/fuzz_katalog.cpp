// A catalogue opened from any bytes: the database layer opens it or says why not, the catalogue check
// lists its findings, and the views the component reads are read, never a crash.

#include "data/ado_internal.h"
#include "data/katalogpruefung.h"
#include "data/modOLM3Binnen.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

using namespace modOLM3Binnen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    [[maybe_unused]] static const bool still = [] {
        SetMsgBoxHandler([](const QString&, int, const QString&) { return static_cast<int>(vbOK); });
        return true;
    }();
    const QString path = dir.filePath(QStringLiteral("1_Fuzz.sqlite"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    f.close();
    (void)olm3::PruefeKatalog(path);
    ADODB::ConnectionPtr con;
    if (!ADO_Open_Connection(path, con, {}, {}, {}, true)) return 0;
    ADODB::testing::LimitTimeouts(*con, 1000);
    ADODB::RecordsetPtr rs;
    for (const char* view : {"V_ROUTE", "V_BinnenInfo", "V_ROUTE_DETAILLIERT", "Binnen"})
        if (ADO_Open_Recordset(con, rs, QString::fromLatin1(view), QStringLiteral("*"), {}, {}, true))
            for (; !rs->Eof(); rs->MoveNext())
                for (int i = 0; i < rs->FieldCount(); ++i) (void)ADO_Field_NumOrDefault(rs->Fields(i), 0);
    ADODB::Command cmd;
    cmd.ActiveConnection = con;
    cmd.CommandText = QStringLiteral("V_PunkteEntfernung");
    std::int32_t n = 0;
    (void)ADO_GetFromCmd_Recordset(cmd, {13.0, 52.5, 1.0}, rs, n);
    return 0;
}
