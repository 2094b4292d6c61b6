#pragma once
// Inside view of the database layer, for the layer itself and for tests that make it fail on purpose.

#include "olm3binnen/ado.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QPair>
#include <memory>

struct ADODB::Connection::Impl {
    std::unique_ptr<SQLite::Database> db;
    QString dataSource;
    bool readOnly = true;
    /// Stored queries, prepared once per connection (key: lower-case name).
    QHash<QString, std::shared_ptr<SQLite::Statement>> storedQueries;
    /// Why the last open failed.
    ADODB::OpenFailure openFailure = ADODB::OpenFailure::None;
    /// When the running statement has to end (the progress handler interrupts it then), and its time-out.
    QDeadlineTimer deadline{QDeadlineTimer::Forever};
    int deadlineSeconds = 0;
    /// Test hook: every time-out is at most this long (0: as set).
    qint64 timeoutCapMs = 0;
    /// A complete SQL text prepared for a record set, with the text the engine was given.
    struct Vorbereitet {
        QString sql;
        std::shared_ptr<SQLite::Statement> st;
        /// The statement would change the database (refused in a read-only record set).
        bool schreibt = false;
    };
    /// Record-set statements, prepared once per connection (key: the caller's text and whether the
    /// snapshot is updatable). Cleared when it reaches kMaxStatements, so texts that carry ids in them
    /// cannot make it grow without bound.
    QHash<std::pair<QString, bool>, Vorbereitet> statements;
    static constexpr int kMaxStatements = 64;
    /// Test hook: the next statements fail with this error number (0: none).
    int failCount = 0;
    std::int32_t failNumber = 0;
    QString failMatch; ///< only statements containing this text fail (empty: every statement)
};

namespace ADODB {
/// The pairs of a connection string in their order; quoted values keep ";" and "=".
QList<QPair<QString, QString>> ParseConnectionString(const QString& strConnectionString);
/// A value as a connection string holds it: in double quotes when it has ";", a leading quote or
/// surrounding blanks, otherwise as it is.
QString QuoteConnectionValue(const QString& strValue);

/// What the database layer did since the last reset: statements run and the time spent inside SQLite
/// (preparing and stepping), for the benchmarks.
struct Statistik {
    std::int64_t lngAnweisungen = 0;
    std::int64_t lngNanosekunden = 0;
};
Statistik GetStatistik();
void ResetStatistik();
} // namespace ADODB

namespace ADODB::testing {
/// Makes the next n statements on con whose SQL contains strMatch (empty: any) fail with lngNumber.
void InjectFailures(Connection& con, int n, std::int32_t lngNumber, const QString& strMatch = QString());
/// Shortens every time-out of con (opening and statements) to at most ms milliseconds.
void LimitTimeouts(Connection& con, int ms);
} // namespace ADODB::testing
