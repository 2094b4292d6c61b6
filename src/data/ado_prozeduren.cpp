// The module's procedures on the database layer: opening a connection and record sets, with reconnect and
// retry when the connection is lost, and running stored queries.
#include "data/ado_ausfuehrung.h"
#include "data/modOLM3Binnen.h"

#include <QRegularExpression>

using namespace ADODB::intern;

namespace modOLM3Binnen {

namespace {

/// Name of the single table an updatable record set writes to (the FROM part of the SELECT).
QString tableOf(const QString& strTable) {
    static const QRegularExpression word(QStringLiteral("^\\s*\\[?([A-Za-z0-9_]+)\\]?\\s*$"));
    const auto m = word.match(strTable);
    return m.hasMatch() ? m.captured(1) : QString();
}

/// The single table a complete SELECT reads (no join, no sub-query in its FROM part), or empty.
QString tableOfSelect(const QString& strSQL) {
    static const QRegularExpression select(
        QStringLiteral("^\\s*SELECT\\s+.+?\\s+FROM\\s+\\[?([A-Za-z0-9_]+)\\]?\\s*(?:(?:WHERE|ORDER\\s+BY)\\b.*)?$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = select.match(strSQL);
    if (!m.hasMatch()) return QString();
    // A second table after a comma, or a join, makes the record set one that cannot be written back.
    const QString rest = strSQL.mid(m.capturedEnd(1));
    static const QRegularExpression join(QStringLiteral("^\\s*\\]?\\s*(,|JOIN\\b|INNER\\b|LEFT\\b|CROSS\\b)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return join.match(rest).hasMatch() ? QString() : m.captured(1);
}

} // namespace

bool ADO_Open_Connection(const QString& strDatabase, ADODB::ConnectionPtr& con, const QString& strSystemDatabase,
                         const QString& strUserID, const QString& strPassword, bool blnReadOnly) {
    con = std::make_shared<ADODB::Connection>();
    con->Mode = blnReadOnly ? ADODB::adModeRead : ADODB::adModeReadWrite;
    con->ConnectionTimeout = 15;
    con->CommandTimeout = strSystemDatabase.isEmpty() ? 10 : 30;
    // Workgroup credentials travel only inside the connection string; SQLite has no workgroups.
    if (!con->Open(ADO_ConnectionString(strDatabase, strSystemDatabase, strUserID, strPassword, blnReadOnly))) {
        con.reset();
        return false;
    }
    return true;
}

QString ADO_SelectText(const QString& strTable, const QString& strFields, const QString& strWhere,
                       const QString& strOrderBy) {
    QString sql = QStringLiteral("SELECT ") + strFields + QStringLiteral(" From ") + strTable + QLatin1Char(' ');
    if (!strWhere.isEmpty()) sql += QStringLiteral("Where ") + strWhere + QLatin1Char(' ');
    if (!strOrderBy.isEmpty()) sql += QStringLiteral("Order By ") + strOrderBy + QLatin1Char(' ');
    return sql;
}

namespace {

/// Closes con, pauses (events processed) and reopens it from its remembered connection string.
bool reconnect(const ADODB::ConnectionPtr& con, const QString& strPauseName) {
    const QString connectionString = con->ConnectionString;
    con->Close();
    WaitMilliseconds(100, strPauseName);
    con->Errors.clear();
    return con->Open(connectionString) && con->Errors.empty();
}

/// Shared body of the two record-set procedures: open, and on the lost-connection failure reconnect and
/// start over, at most kMaxReconnectRounds times.
bool openWithRecovery(const ADODB::ConnectionPtr& con, ADODB::RecordsetPtr& rs, const QString& strSQL,
                      const QVariantList& avarParameter, const QString& strTable, bool blnReadOnly,
                      const QString& strProc) {
    for (int round = 0;; ++round) {
        rs = std::make_shared<ADODB::Recordset>();
        try {
            if (con) con->Errors.clear();
            const QString table = blnReadOnly ? QString() : strTable;
            runSql(con, strSQL, avarParameter, !table.isEmpty(), blnReadOnly, *rs);
            if (!table.isEmpty()) rs->MakeUpdatable(con, table, 0);
            return true;
        } catch (const std::exception& ex) {
            const olm3::RuntimeError e = AsRuntimeError(ex);
            recordError(con, e);
            const std::int32_t number = con && !con->Errors.empty() ? con->Errors.front().Number : e.Number();
            if (number == olm3::ErrNo::GenericFailure && con && round < kMaxReconnectRounds &&
                reconnect(con, strProc))
                continue;
            MsgBox(QString::number(number) + QStringLiteral(": ") + e.Description() + QStringLiteral("\r\n") + strSQL,
                   vbExclamation);
            return false;
        }
    }
}

} // namespace

bool ADO_Open_Recordset(const ADODB::ConnectionPtr& con, ADODB::RecordsetPtr& rs, const QString& strTable,
                        const QString& strFields, const QString& strWhere, const QString& strOrderBy,
                        bool blnReadOnly) {
    return openWithRecovery(con, rs, ADO_SelectText(strTable, strFields, strWhere, strOrderBy), {}, tableOf(strTable),
                            blnReadOnly, QStringLiteral("ADO_Open_Recordset"));
}

bool ADO_Open_RecordsetExt(const ADODB::ConnectionPtr& con, ADODB::RecordsetPtr& rs, const QString& strSQL,
                           bool blnReadOnly) {
    return ADO_Open_RecordsetExt(con, rs, strSQL, {}, blnReadOnly);
}

bool ADO_Open_RecordsetExt(const ADODB::ConnectionPtr& con, ADODB::RecordsetPtr& rs, const QString& strSQL,
                           const QVariantList& avarParameter, bool blnReadOnly) {
    // A complete SQL text is written back through the record set only when it reads one table; a
    // read-only one never writes, and a writing statement (DELETE) needs blnReadOnly false.
    return openWithRecovery(con, rs, strSQL, avarParameter, blnReadOnly ? QString() : tableOfSelect(strSQL),
                            blnReadOnly, QStringLiteral("ADO_Open_RecordsetExt"));
}

bool ADO_GetFromCmd_Recordset(ADODB::Command& cmd, const QVariantList& avarParameter, ADODB::RecordsetPtr& rs,
                              std::int32_t& lngRecordsAffected) {
    cmd.CommandTimeout = 60;
    lngRecordsAffected = 0;
    try {
        runStored(cmd, avarParameter, rs, lngRecordsAffected);
        return true;
    } catch (const std::exception& ex) {
        // The first failure is retried once, silently; a query that ran out of time would only run out again.
        const olm3::RuntimeError e = AsRuntimeError(ex);
        if (e.Number() == olm3::ErrNo::Timeout) {
            recordError(cmd.ActiveConnection, e);
            return false;
        }
        if (cmd.ActiveConnection) cmd.ActiveConnection->Errors.clear();
    }
    try {
        runStored(cmd, avarParameter, rs, lngRecordsAffected);
        return true;
    } catch (const std::exception& ex) {
        const olm3::RuntimeError e = AsRuntimeError(ex);
        recordError(cmd.ActiveConnection, e);
        if (e.Number() != olm3::ErrNo::GenericFailure || !cmd.ActiveConnection) return false;
    }
    if (!reconnect(cmd.ActiveConnection, QStringLiteral("ADO_GetFromCmd_Recordset"))) return false;
    try {
        runStored(cmd, avarParameter, rs, lngRecordsAffected);
        return true;
    } catch (const std::exception& ex) {
        recordError(cmd.ActiveConnection, AsRuntimeError(ex));
        return false;
    }
}

bool ADO_Close_Recordset(ADODB::RecordsetPtr& rs, bool blnRelease) {
    if (rs && rs->IsOpen()) rs->Close();
    if (blnRelease) rs.reset();
    return true;
}

} // namespace modOLM3Binnen
