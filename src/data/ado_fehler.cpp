// The errors of the database layer: the engine's errors as the provider's numbers, the layer's own
// texts, and the failures a test asks for.
#include "data/ado_ausfuehrung.h"
#include "data/texttable.h"

#include <sqlite3.h>

using olm3::RuntimeError;
namespace ErrNo = olm3::ErrNo;

namespace ADODB::intern {

QString layerText(int id, const QStringList& args) {
    QString s = olm3::TextTable::Builtin().Text(QStringLiteral("modOLM3Binnen"), id);
    for (int i = 0; i < args.size(); ++i) s.replace(QLatin1Char('%') + QString::number(i + 1), args[i]);
    return s;
}

RuntimeError mapSqliteError(const SQLite::Exception& e) {
    const QString desc = QString::fromUtf8(e.what());
    switch (e.getErrorCode()) {
    case SQLITE_IOERR:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_CANTOPEN:
        return RuntimeError(ErrNo::GenericFailure, desc);
    case SQLITE_READONLY:
        return RuntimeError(ErrNo::ReadOnly, desc);
    case SQLITE_CONSTRAINT:
        return RuntimeError(ErrNo::IntegrityViolation, desc);
    case SQLITE_RANGE:
        return RuntimeError(ErrNo::ParameterError, desc);
    default:
        return RuntimeError(ErrNo::CommandError, desc);
    }
}

RuntimeError connectionClosed() {
    return RuntimeError(ErrNo::ConnectionClosed,
                        QStringLiteral("The connection cannot be used to perform this operation. It is either "
                                       "closed or invalid in this context."));
}

void checkInjectedFailure(ADODB::Connection::Impl& d, const QString& sql) {
    if (d.failCount > 0 && (d.failMatch.isEmpty() || sql.contains(d.failMatch, Qt::CaseInsensitive))) {
        --d.failCount;
        throw RuntimeError(d.failNumber, QStringLiteral("Injected failure"));
    }
}

void recordError(const ADODB::ConnectionPtr& con, const RuntimeError& e) {
    if (con) con->Errors = {ADODB::Error{e.Number(), e.Description()}};
}

} // namespace ADODB::intern

namespace ADODB::testing {
void InjectFailures(Connection& con, int n, std::int32_t lngNumber, const QString& strMatch) {
    con.impl()->failCount = n;
    con.impl()->failNumber = lngNumber;
    con.impl()->failMatch = strMatch;
}
} // namespace ADODB::testing
