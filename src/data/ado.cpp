#include "data/ado_internal.h"
#include "data/modOLM3Binnen.h"
#include "data/texttable.h"

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <cmath>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

using olm3::RuntimeError;
namespace ErrNo = olm3::ErrNo;

namespace {

ADODB::Statistik g_statistik;

/// Counts one statement and the time until it goes out of scope as time spent inside SQLite.
class ImSqlite {
public:
    ImSqlite() {
        ++g_statistik.lngAnweisungen;
        m_timer.start();
    }
    ~ImSqlite() { g_statistik.lngNanosekunden += m_timer.nsecsElapsed(); }
    ImSqlite(const ImSqlite&) = delete;
    ImSqlite& operator=(const ImSqlite&) = delete;

private:
    QElapsedTimer m_timer;
};

QString layerText(int id, const QStringList& args) {
    QString s = olm3::TextTable::Builtin().Text(QStringLiteral("modOLM3Binnen"), id);
    for (int i = 0; i < args.size(); ++i) s.replace(QLatin1Char('%') + QString::number(i + 1), args[i]);
    return s;
}

/// A statement the progress handler broke off: it ran longer than its time-out.
RuntimeError timedOut(const ADODB::Connection::Impl& d) {
    return RuntimeError(olm3::ErrNo::Timeout,
                        layerText(9710, {d.dataSource, QString::number(d.deadlineSeconds)}));
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

QVariant columnValue(const SQLite::Column& c) {
    switch (c.getType()) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(c.getInt64()));
    case SQLITE_FLOAT:
        return QVariant(c.getDouble());
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(c.getText(), c.getBytes()));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(c.getBlob()), c.getBytes()));
    default:
        return QVariant();
    }
}

void bindValue(SQLite::Statement& st, int index, const QVariant& v) {
    if (v.isNull() || !v.isValid()) {
        st.bind(index);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
        st.bind(index, v.toBool() ? 1 : 0);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::Long:
        st.bind(index, static_cast<int64_t>(v.toLongLong()));
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        st.bind(index, v.toDouble());
        break;
    case QMetaType::QDateTime:
        st.bind(index, v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString());
        break;
    case QMetaType::QDate:
        st.bind(index, v.toDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString());
        break;
    case QMetaType::QTime:
        st.bind(index, v.toTime().toString(QStringLiteral("HH:mm:ss")).toStdString());
        break;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        st.bind(index, b.constData(), static_cast<int>(b.size()));
        break;
    }
    default:
        st.bind(index, v.toString().toStdString());
        break;
    }
}

/// Arms the connection's progress handler for one statement: past the time-out the engine is
/// interrupted and the statement fails with the time-out error instead of running on.
class Frist {
public:
    Frist(ADODB::Connection::Impl& d, int seconds) : m_d(d) {
        const int s = seconds > 0 ? seconds : 0;
        d.deadlineSeconds = s;
        qint64 ms = static_cast<qint64>(s) * 1000;
        if (d.timeoutCapMs > 0 && (ms == 0 || ms > d.timeoutCapMs)) ms = d.timeoutCapMs;
        d.deadline = ms > 0 ? QDeadlineTimer(ms) : QDeadlineTimer(QDeadlineTimer::Forever);
    }
    ~Frist() { m_d.deadline = QDeadlineTimer(QDeadlineTimer::Forever); }
    Frist(const Frist&) = delete;
    Frist& operator=(const Frist&) = delete;
    /// The engine's error, or the time-out when the handler broke the statement off.
    RuntimeError map(const SQLite::Exception& e) const {
        if (e.getErrorCode() == SQLITE_INTERRUPT) return timedOut(m_d);
        return mapSqliteError(e);
    }

private:
    ADODB::Connection::Impl& m_d;
};

int progressHandler(void* p) {
    const auto* d = static_cast<const ADODB::Connection::Impl*>(p);
    return d->deadline.hasExpired() ? 1 : 0;
}

void checkInjectedFailure(ADODB::Connection::Impl& d, const QString& sql) {
    if (d.failCount > 0 && (d.failMatch.isEmpty() || sql.contains(d.failMatch, Qt::CaseInsensitive))) {
        --d.failCount;
        throw RuntimeError(d.failNumber, QStringLiteral("Injected failure"));
    }
}

/// Steps a prepared statement to its end and puts all rows into rs.
void readAll(SQLite::Statement& st, ADODB::Recordset& rs) {
    std::vector<QString> names;
    const int n = st.getColumnCount();
    names.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) names.emplace_back(QString::fromUtf8(st.getColumnName(i)));
    std::vector<std::vector<QVariant>> rows;
    while (st.executeStep()) {
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) row.emplace_back(columnValue(st.getColumn(i)));
        rows.emplace_back(std::move(row));
    }
    rs.Load(std::move(names), std::move(rows));
}

ADODB::Connection::Impl& openImpl(const ADODB::ConnectionPtr& con) {
    if (!con || !con->IsOpen()) throw connectionClosed();
    return *con->impl();
}

/// True when the statement would change the database. A statement that does not prepare counts as not
/// writing: preparing it for real reports its error.
bool schreibt(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    const bool ok = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &st, nullptr) == SQLITE_OK;
    const bool w = ok && st && !sqlite3_stmt_readonly(st);
    sqlite3_finalize(st);
    return w;
}

/// Leaves a prepared statement ready for its next use however the use ends, so that no half-read
/// statement keeps the database busy.
class Zuruecksetzen {
public:
    explicit Zuruecksetzen(SQLite::Statement& st) : m_st(st) {}
    ~Zuruecksetzen() { m_st.tryReset(); }
    Zuruecksetzen(const Zuruecksetzen&) = delete;
    Zuruecksetzen& operator=(const Zuruecksetzen&) = delete;

private:
    SQLite::Statement& m_st;
};

/// Binds the positional parameters; their number must match the statement's.
void bindAll(SQLite::Statement& st, const QVariantList& params, const char* strArt, const QString& strName) {
    st.clearBindings();
    if (st.getBindParameterCount() != params.size())
        throw RuntimeError(ErrNo::ParameterError, QStringLiteral("The %1 '%2' takes %3 parameters, %4 given.")
                                                      .arg(QLatin1String(strArt), strName)
                                                      .arg(st.getBindParameterCount())
                                                      .arg(params.size()));
    for (int i = 0; i < params.size(); ++i) bindValue(st, i + 1, params[i]);
}

/// Runs a complete SQL text (Jet dialect) with its positional parameters on con into a new snapshot. The
/// text is translated and prepared once per connection; an updatable snapshot also reads the rowid. It runs
/// within the connection's command time-out, and a read-only record set never writes: a statement that
/// would is refused before it runs.
void runSql(const ADODB::ConnectionPtr& con, const QString& strSQL, const QVariantList& params, bool blnUpdatable,
            bool blnReadOnly, ADODB::Recordset& rs) {
    auto& d = openImpl(con);
    Frist frist(d, con->CommandTimeout);
    try {
        ImSqlite zeit;
        const std::pair<QString, bool> key{strSQL, blnUpdatable};
        auto it = d.statements.constFind(key);
        if (it == d.statements.cend()) {
            QString sql = modOLM3Binnen::TranslateJetSql(strSQL);
            if (blnUpdatable) {
                // An updatable snapshot carries the rowid so that Update finds its row again.
                sql.replace(QRegularExpression(QStringLiteral("^\\s*SELECT\\s+"),
                                               QRegularExpression::CaseInsensitiveOption),
                            QStringLiteral("SELECT rowid AS olm3_rowid_, "));
            }
            checkInjectedFailure(d, sql);
            auto st = std::make_shared<SQLite::Statement>(*d.db, sql.toStdString());
            if (d.statements.size() >= ADODB::Connection::Impl::kMaxStatements) d.statements.clear();
            const bool w = schreibt(d.db->getHandle(), sql.toStdString());
            it = d.statements.insert(key, {sql, std::move(st), w});
        } else {
            checkInjectedFailure(d, it->sql);
        }
        // A copy: a statement run re-entrantly may clear the cache.
        const std::shared_ptr<SQLite::Statement> st = it->st;
        // A read-only connection refuses writes itself; on a writable one the statement is looked at first.
        if (blnReadOnly && !d.readOnly && it->schreibt)
            throw RuntimeError(olm3::ErrNo::ReadOnly, layerText(9713, {it->sql}));
        Zuruecksetzen zurueck(*st);
        st->reset();
        bindAll(*st, params, "statement", strSQL);
        readAll(*st, rs);
    } catch (const SQLite::Exception& e) {
        throw frist.map(e);
    }
}

void recordError(const ADODB::ConnectionPtr& con, const RuntimeError& e) {
    if (con) con->Errors = {ADODB::Error{e.Number(), e.Description()}};
}

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

// ---- connection strings ---------------------------------------------------------------------------
namespace ADODB {

QList<QPair<QString, QString>> ParseConnectionString(const QString& strConnectionString) {
    // Pairs "key=value" separated by ";". A value in double or single quotes may hold ";" and "=";
    // the quote doubled inside stands for itself. Blanks around keys and unquoted values do not count.
    QList<QPair<QString, QString>> pairs;
    const QString& s = strConnectionString;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype eq = s.indexOf(QLatin1Char('='), i);
        const qsizetype semi = s.indexOf(QLatin1Char(';'), i);
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            // A part without "=" carries nothing.
            if (semi < 0) break;
            i = semi + 1;
            continue;
        }
        const QString key = s.mid(i, eq - i).trimmed();
        qsizetype j = eq + 1;
        while (j < n && s.at(j) == QLatin1Char(' ')) ++j;
        QString value;
        if (j < n && (s.at(j) == QLatin1Char('"') || s.at(j) == QLatin1Char('\''))) {
            const QChar q = s.at(j);
            ++j;
            while (j < n) {
                if (s.at(j) == q) {
                    if (j + 1 < n && s.at(j + 1) == q) {
                        value += q;
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                value += s.at(j++);
            }
            const qsizetype next = s.indexOf(QLatin1Char(';'), j);
            i = next < 0 ? n : next + 1;
        } else {
            const qsizetype next = s.indexOf(QLatin1Char(';'), j);
            value = s.mid(j, next < 0 ? -1 : next - j).trimmed();
            i = next < 0 ? n : next + 1;
        }
        if (!key.isEmpty()) pairs.append({key, value});
    }
    return pairs;
}

QString QuoteConnectionValue(const QString& strValue) {
    const bool plain = !strValue.contains(QLatin1Char(';')) && !strValue.startsWith(QLatin1Char('"')) &&
                       !strValue.startsWith(QLatin1Char('\'')) && strValue.trimmed() == strValue;
    if (plain) return strValue;
    QString v = strValue;
    v.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

} // namespace ADODB

// ---- Connection -----------------------------------------------------------------------------------
namespace ADODB {

Connection::Connection() : d(std::make_unique<Impl>()) {}
Connection::~Connection() { Close(); }

bool Connection::Open(const QString& strConnectionString) {
    Errors.clear();
    Close();
    ConnectionString = strConnectionString;
    d->openFailure = OpenFailure::None;
    QString source;
    QString mode;
    for (const auto& [key, value] : ParseConnectionString(strConnectionString)) {
        if (key.compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0) source = value;
        else if (key.compare(QLatin1String("Mode"), Qt::CaseInsensitive) == 0) mode = value;
    }
    d->readOnly = mode.compare(QLatin1String("Read"), Qt::CaseInsensitive) == 0;
    Mode = d->readOnly ? adModeRead : adModeReadWrite;
    auto fail = [this](OpenFailure why, std::int32_t number, const QString& text) {
        d->openFailure = why;
        Errors = {Error{number, text}};
        d->db.reset();
        return false;
    };
    if (source.isEmpty()) return fail(OpenFailure::NoSource, ErrNo::GenericFailure, QStringLiteral("No data source given."));
    // Opening a FIFO or a device blocks until someone writes to it; a folder is no database either.
    const QFileInfo info(source);
    if (info.exists() && !info.isFile()) return fail(OpenFailure::NotAFile, ErrNo::GenericFailure, layerText(9712, {source}));
    d->dataSource = source;
    try {
        const int flags = d->readOnly ? SQLite::OPEN_READONLY : SQLite::OPEN_READWRITE;
        // The connection time-out is how long opening waits for a lock another program holds.
        auto db = std::make_unique<SQLite::Database>(source.toStdString(), flags,
                                                     std::max(ConnectionTimeout, 0) * 1000);
        sqlite3_progress_handler(db->getHandle(), 1000, progressHandler, d.get());
        {
            Frist frist(*d, ConnectionTimeout);
            try {
                // Opening is lazy: read the schema now, so that a file that is no database fails here.
                db->exec("SELECT count(*) FROM sqlite_master");
            } catch (const SQLite::Exception& e) {
                if (e.getErrorCode() == SQLITE_INTERRUPT)
                    return fail(OpenFailure::TimedOut, ErrNo::Timeout, timedOut(*d).Description());
                throw;
            }
        }
        db->setBusyTimeout(std::max(CommandTimeout, 0) * 1000);
        if (!d->readOnly) db->exec("PRAGMA foreign_keys = ON");
        d->db = std::move(db);
        return true;
    } catch (const SQLite::Exception& e) {
        if (e.getErrorCode() == SQLITE_BUSY || e.getErrorCode() == SQLITE_LOCKED)
            return fail(OpenFailure::Locked, ErrNo::GenericFailure,
                        layerText(9711, {source, QString::number(std::max(ConnectionTimeout, 0))}));
        const RuntimeError re = mapSqliteError(e);
        return fail(e.getErrorCode() == SQLITE_NOTADB ? OpenFailure::NotADatabase : OpenFailure::CannotOpen,
                    re.Number(), re.Description());
    }
}

OpenFailure Connection::LastOpenFailure() const { return d->openFailure; }

void Connection::Close() {
    d->storedQueries.clear();
    d->statements.clear();
    d->db.reset();
}

bool Connection::IsOpen() const { return d->db != nullptr; }
QString Connection::DataSource() const { return d->dataSource; }

std::int64_t Connection::Execute(const QString& strSQL) {
    if (!IsOpen()) throw connectionClosed();
    const QString sql = modOLM3Binnen::TranslateJetSql(strSQL);
    checkInjectedFailure(*d, sql);
    Frist frist(*d, CommandTimeout);
    try {
        ImSqlite zeit;
        return d->db->exec(sql.toStdString());
    } catch (const SQLite::Exception& e) {
        throw frist.map(e);
    }
}

void Connection::BeginTrans() { Execute(QStringLiteral("BEGIN IMMEDIATE")); }
void Connection::CommitTrans() { Execute(QStringLiteral("COMMIT")); }
void Connection::RollbackTrans() {
    if (InTransaction()) Execute(QStringLiteral("ROLLBACK"));
}
bool Connection::InTransaction() const { return IsOpen() && sqlite3_get_autocommit(d->db->getHandle()) == 0; }

bool Connection::HasObject(const QString& strName) const {
    if (!IsOpen()) return false;
    try {
        SQLite::Statement st(*d->db, "SELECT 1 FROM sqlite_master WHERE type IN ('table','view') AND "
                                     "name = ? COLLATE NOCASE");
        st.bind(1, strName.toStdString());
        return st.executeStep();
    } catch (const SQLite::Exception&) {
        return false;
    }
}

// ---- Recordset ----------------------------------------------------------------------------------
Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::Close() {
    m_open = false;
    m_rows.clear();
    m_names.clear();
    m_pos = 0;
    m_updatable = false;
    m_editing = false;
}

void Recordset::MoveNext() {
    if (m_pos < static_cast<std::int64_t>(m_rows.size())) ++m_pos;
}
void Recordset::MovePrevious() {
    if (m_pos >= 0) --m_pos;
}

int Recordset::indexOf(const QString& strName) const {
    for (size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i].compare(strName, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

void Recordset::checkCurrent() const {
    if (Eof() || Bof())
        throw RuntimeError(ErrNo::NoCurrentRecord, QStringLiteral("Either BOF or EOF is True, or the current "
                                                                  "record has been deleted."));
}

Field Recordset::Fields(const QString& strName) const {
    const int i = indexOf(strName);
    if (i < 0)
        throw RuntimeError(ErrNo::ItemNotFound,
                           QStringLiteral("Item cannot be found in the collection: %1").arg(strName));
    return Fields(i);
}

Field Recordset::Fields(int i) const {
    if (i < 0 || i >= FieldCount())
        throw RuntimeError(ErrNo::ItemNotFound, QStringLiteral("Item cannot be found in the collection."));
    checkCurrent();
    return Field{m_names[static_cast<size_t>(i)], m_rows[static_cast<size_t>(m_pos)][static_cast<size_t>(i)]};
}

void Recordset::Load(std::vector<QString> names, std::vector<std::vector<QVariant>> rows) {
    m_names = std::move(names);
    m_rows = std::move(rows);
    m_pos = 0;
    m_open = true;
}

void Recordset::MakeUpdatable(const std::shared_ptr<Connection>& con, const QString& strTable, int rowidColumn) {
    m_updatable = true;
    m_con = con;
    m_table = strTable;
    m_rowidColumn = rowidColumn;
}

void Recordset::AddNew() {
    if (!m_updatable)
        throw RuntimeError(ErrNo::NotUpdatable, QStringLiteral("Current Recordset does not support updating."));
    m_rows.emplace_back(m_names.size());
    m_pos = static_cast<std::int64_t>(m_rows.size()) - 1;
    m_editing = true;
    m_newRow = true;
    m_dirty.assign(m_names.size(), false);
}

void Recordset::SetValue(const QString& strName, const QVariant& value) {
    if (!m_updatable)
        throw RuntimeError(ErrNo::NotUpdatable, QStringLiteral("Current Recordset does not support updating."));
    const int i = indexOf(strName);
    if (i < 0 || i == m_rowidColumn)
        throw RuntimeError(ErrNo::ItemNotFound,
                           QStringLiteral("Item cannot be found in the collection: %1").arg(strName));
    checkCurrent();
    if (!m_editing) {
        m_editing = true;
        m_newRow = false;
        m_dirty.assign(m_names.size(), false);
    }
    m_rows[static_cast<size_t>(m_pos)][static_cast<size_t>(i)] = value;
    m_dirty[static_cast<size_t>(i)] = true;
}

void Recordset::CancelUpdate() {
    if (!m_editing) return;
    if (m_newRow) {
        m_rows.pop_back();
        m_pos = static_cast<std::int64_t>(m_rows.size()) - 1;
    }
    m_editing = false;
    m_newRow = false;
}

void Recordset::Update() {
    if (!m_updatable)
        throw RuntimeError(ErrNo::NotUpdatable, QStringLiteral("Current Recordset does not support updating."));
    if (!m_editing) return;
    auto con = m_con.lock();
    auto& d = openImpl(con);
    auto& row = m_rows[static_cast<size_t>(m_pos)];
    QStringList cols;
    std::vector<QVariant> values;
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (!m_dirty[i]) continue;
        cols << QLatin1Char('"') + m_names[i] + QLatin1Char('"');
        values.push_back(row[i]);
    }
    QString sql;
    if (m_newRow) {
        QStringList marks;
        for (int i = 0; i < cols.size(); ++i) marks << QStringLiteral("?");
        sql = cols.isEmpty() ? QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(m_table)
                             : QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                   .arg(m_table, cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    } else {
        if (cols.isEmpty()) {
            m_editing = false;
            return;
        }
        QStringList sets;
        for (const QString& c : cols) sets << c + QStringLiteral("=?");
        sql = QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid=?").arg(m_table, sets.join(QLatin1Char(',')));
    }
    checkInjectedFailure(d, sql);
    Frist frist(d, con->CommandTimeout);
    try {
        ImSqlite zeit;
        SQLite::Statement st(*d.db, sql.toStdString());
        int k = 1;
        for (const QVariant& v : values) bindValue(st, k++, v);
        qint64 rowid = 0;
        if (!m_newRow) {
            rowid = row[static_cast<size_t>(m_rowidColumn)].toLongLong();
            st.bind(k, static_cast<int64_t>(rowid));
        }
        st.exec();
        if (m_newRow) rowid = d.db->getLastInsertRowid();
        // Read the row back, so that what the database assigned (the ID) is in the fields.
        SQLite::Statement back(*d.db, QStringLiteral("SELECT rowid, * FROM \"%1\" WHERE rowid=?")
                                          .arg(m_table)
                                          .toStdString());
        back.bind(1, static_cast<int64_t>(rowid));
        if (back.executeStep()) {
            for (int c = 0; c < back.getColumnCount(); ++c) {
                const int i = c == 0 ? m_rowidColumn : indexOf(QString::fromUtf8(back.getColumnName(c)));
                if (i >= 0) row[static_cast<size_t>(i)] = columnValue(back.getColumn(c));
            }
        }
    } catch (const SQLite::Exception& e) {
        throw frist.map(e);
    }
    m_editing = false;
    m_newRow = false;
}

Statistik GetStatistik() { return g_statistik; }
void ResetStatistik() { g_statistik = Statistik{}; }

namespace testing {
void InjectFailures(Connection& con, int n, std::int32_t lngNumber, const QString& strMatch) {
    con.impl()->failCount = n;
    con.impl()->failNumber = lngNumber;
    con.impl()->failMatch = strMatch;
}
void LimitTimeouts(Connection& con, int ms) { con.impl()->timeoutCapMs = ms; }
} // namespace testing

} // namespace ADODB

// ---- the procedures of the shared module -------------------------------------------------------
namespace modOLM3Binnen {

QString ADO_ConnectionString(const QString& strDatabase, const QString& strSystemDatabase, const QString& strUserID,
                             const QString& strPassword, bool blnReadOnly) {
    const QString mode = blnReadOnly ? QStringLiteral("Mode=Read") : QStringLiteral("Mode=ReadWrite|Share Deny None");
    QString s = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0") + QLatin1Char(';') + QStringLiteral("Data Source=") +
                ADODB::QuoteConnectionValue(strDatabase) + QLatin1Char(';') + mode + QLatin1Char(';');
    if (!strSystemDatabase.isEmpty())
        s += QStringLiteral("User ID=") + strUserID + QStringLiteral("; Password=") + strPassword + QLatin1Char(';') +
             QStringLiteral("Jet OLEDB:System database=") + strSystemDatabase;
    return s;
}

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

/// Runs a stored query once into a fresh record set.
void runStored(ADODB::Command& cmd, const QVariantList& params, ADODB::RecordsetPtr& rs,
               std::int32_t& lngRecordsAffected) {
    auto& d = openImpl(cmd.ActiveConnection);
    const QString key = cmd.CommandText.trimmed().toLower();
    checkInjectedFailure(d, cmd.CommandText);
    Frist frist(d, cmd.CommandTimeout);
    try {
        ImSqlite zeit;
        auto it = d.storedQueries.find(key);
        std::shared_ptr<SQLite::Statement> st;
        if (it == d.storedQueries.end()) {
            SQLite::Statement lookup(*d.db, "SELECT SqlText FROM Abfragen WHERE Name = ? COLLATE NOCASE");
            lookup.bind(1, cmd.CommandText.trimmed().toStdString());
            if (!lookup.executeStep())
                throw RuntimeError(olm3::ErrNo::CommandError,
                                   QStringLiteral("The stored query '%1' is not in the database.").arg(cmd.CommandText));
            const QString text = TranslateJetSql(QString::fromUtf8(lookup.getColumn(0).getText()));
            st = std::make_shared<SQLite::Statement>(*d.db, text.toStdString());
            d.storedQueries.insert(key, st);
        } else {
            st = it.value();
        }
        Zuruecksetzen zurueck(*st);
        st->reset();
        bindAll(*st, params, "stored query", cmd.CommandText);
        rs = std::make_shared<ADODB::Recordset>();
        readAll(*st, *rs);
        lngRecordsAffected = st->getColumnCount() == 0 ? d.db->getChanges() : 0;
    } catch (const SQLite::Exception& e) {
        throw frist.map(e);
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

QString ADO_Field_Str(const ADODB::Field& fld) {
    if (fld.IsNull()) return QString();
    const QVariant& v = fld.Value;
    if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    return v.toString();
}

QVariant ADO_Field_NumOrDefault(const ADODB::Field& fld, const QVariant& varDefault) {
    if (fld.IsNull()) return varDefault;
    switch (fld.Value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return fld.Value;
    case QMetaType::Double:
        // SQLite keeps an infinite REAL; no column means it.
        return std::isfinite(fld.Value.toDouble()) ? fld.Value : varDefault;
    default:
        break;
    }
    const QString s = fld.Value.toString();
    if (IsNumeric(s)) return QVariant(CDbl(s));
    return varDefault;
}

bool ADO_Field_IsNumber(const ADODB::Field& fld) {
    const int type = fld.Value.typeId();
    return type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::Double;
}

double ADO_Field_Dbl(const ADODB::Field& fld) {
    return ADO_Field_IsNumber(fld) ? fld.Value.toDouble() : CDbl(ADO_Field_Str(fld));
}

std::int32_t ADO_Field_Lng(const ADODB::Field& fld) {
    if (!ADO_Field_IsNumber(fld)) return CLng(ADO_Field_Str(fld));
    const double v = fld.Value.toDouble();
    if (v > 2147483647.0 || v < -2147483648.0) return CLng(ADO_Field_Str(fld)); // its overflow error
    if (fld.Value.typeId() != QMetaType::Double) return static_cast<std::int32_t>(fld.Value.toLongLong());
    return static_cast<std::int32_t>(std::nearbyint(v));
}

bool ADO_Field_Bool(const ADODB::Field& fld) {
    if (!ADO_Field_IsNumber(fld)) return CBool(ADO_Field_Str(fld));
    return fld.Value.toDouble() != 0.0;
}

QString TranslateJetSql(const QString& strSQL) {
    // Work on the parts outside string literals only.
    QString out;
    out.reserve(strSQL.size() + 16);
    QString limit;
    bool first = true;
    int i = 0;
    static const QRegularExpression deleteStar(QStringLiteral("\\bDELETE\\s*\\*\\s*FROM\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression top(QStringLiteral("^(\\s*SELECT\\s+(?:DISTINCT\\s+)?)TOP\\s+(\\d+)\\s+"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression boolWord(QStringLiteral("\\b(true|false)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    while (i < strSQL.size()) {
        const int quote = strSQL.indexOf(QLatin1Char('\''), i);
        QString code = strSQL.mid(i, quote < 0 ? -1 : quote - i);
        code.replace(deleteStar, QStringLiteral("DELETE FROM"));
        if (first) {
            const auto m = top.match(code);
            if (m.hasMatch()) {
                limit = m.captured(2);
                code.replace(0, m.capturedLength(0), m.captured(1));
            }
        }
        QString replaced;
        int last = 0;
        for (auto it = boolWord.globalMatch(code); it.hasNext();) {
            const auto m = it.next();
            replaced += code.mid(last, m.capturedStart() - last);
            replaced += m.captured(1).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ? QStringLiteral("1")
                                                                                               : QStringLiteral("0");
            last = m.capturedEnd();
        }
        replaced += code.mid(last);
        out += replaced;
        first = false;
        if (quote < 0) break;
        const int close = strSQL.indexOf(QLatin1Char('\''), quote + 1);
        // A doubled quote inside a literal is part of it; find the real end.
        int end = close;
        while (end >= 0 && end + 1 < strSQL.size() && strSQL.at(end + 1) == QLatin1Char('\''))
            end = strSQL.indexOf(QLatin1Char('\''), end + 2);
        if (end < 0) {
            out += strSQL.mid(quote);
            break;
        }
        out += strSQL.mid(quote, end - quote + 1);
        i = end + 1;
    }
    if (!limit.isEmpty()) {
        while (out.endsWith(QLatin1Char(' ')) || out.endsWith(QLatin1Char(';'))) out.chop(1);
        out += QStringLiteral(" LIMIT ") + limit;
    }
    return out;
}

} // namespace modOLM3Binnen
