#pragma once
// What the files of the database layer share to run a statement on SQLite: the time-out of a statement,
// the count of statements and time for the statistics, the errors, the values between QVariant and the
// engine, and the prepared-statement caches of a connection. For the layer's own files only.

#include "data/ado_internal.h"

#include <SQLiteCpp/Exception.h>

#include <QElapsedTimer>

namespace ADODB::intern {

// ---- run time: time-outs and statistics (ado_laufzeit.cpp) ----------------------------------------

/// Counts one statement and the time until it goes out of scope as time spent inside SQLite.
class ImSqlite {
public:
    ImSqlite();
    ~ImSqlite();
    ImSqlite(const ImSqlite&) = delete;
    ImSqlite& operator=(const ImSqlite&) = delete;

private:
    QElapsedTimer m_timer;
};

/// Arms the connection's progress handler for one statement: past the time-out the engine is
/// interrupted and the statement fails with the time-out error instead of running on.
class Frist {
public:
    Frist(Connection::Impl& d, int seconds);
    ~Frist();
    Frist(const Frist&) = delete;
    Frist& operator=(const Frist&) = delete;
    /// The engine's error, or the time-out when the handler broke the statement off.
    olm3::RuntimeError map(const SQLite::Exception& e) const;

private:
    Connection::Impl& m_d;
};

/// The progress handler a connection installs: it breaks the running statement off past its deadline.
int progressHandler(void* p);

/// A statement the progress handler broke off: it ran longer than its time-out.
olm3::RuntimeError timedOut(const Connection::Impl& d);

// ---- errors (ado_fehler.cpp) -----------------------------------------------------------------------

/// A text of the database layer from the text table, with %1, %2 ... filled in.
QString layerText(int id, const QStringList& args);
/// The provider's error number and text for an engine error.
olm3::RuntimeError mapSqliteError(const SQLite::Exception& e);
olm3::RuntimeError connectionClosed();
/// Throws the failure a test asked for when sql is one of the statements it named.
void checkInjectedFailure(Connection::Impl& d, const QString& sql);
/// Keeps e as the connection's only error.
void recordError(const ConnectionPtr& con, const olm3::RuntimeError& e);

// ---- statements (ado_anweisungen.cpp) --------------------------------------------------------------

QVariant columnValue(const SQLite::Column& c);
void bindValue(SQLite::Statement& st, int index, const QVariant& v);
/// The inside of an open connection; a closed or missing one fails with the provider's error.
Connection::Impl& openImpl(const ConnectionPtr& con);

/// Runs a complete SQL text (Jet dialect) with its positional parameters on con into a new snapshot. The
/// text is translated and prepared once per connection; an updatable snapshot also reads the rowid. It runs
/// within the connection's command time-out, and a read-only record set never writes: a statement that
/// would is refused before it runs.
void runSql(const ConnectionPtr& con, const QString& strSQL, const QVariantList& params, bool blnUpdatable,
            bool blnReadOnly, Recordset& rs);
/// Runs a stored query once into a fresh record set.
void runStored(Command& cmd, const QVariantList& params, RecordsetPtr& rs, std::int32_t& lngRecordsAffected);

} // namespace ADODB::intern
