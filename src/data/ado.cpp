// The connection and the record set of the database layer.
#include "data/ado_ausfuehrung.h"
#include "data/modOLM3Binnen.h"

#include <sqlite3.h>

#include <QFileInfo>

using olm3::RuntimeError;
namespace ErrNo = olm3::ErrNo;
using namespace ADODB::intern;

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

} // namespace ADODB
