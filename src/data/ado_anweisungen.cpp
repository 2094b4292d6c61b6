// Running statements: the values between QVariant and the engine, and the statements a connection
// prepares once and keeps (complete SQL texts of record sets and stored queries).
#include "data/ado_ausfuehrung.h"
#include "data/modOLM3Binnen.h"

#include <sqlite3.h>

#include <QRegularExpression>

using olm3::RuntimeError;
namespace ErrNo = olm3::ErrNo;

namespace ADODB::intern {

namespace {

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
                                                      .arg(QLatin1String(strArt), strName,
                                                           QString::number(st.getBindParameterCount()),
                                                           QString::number(params.size())));
    for (int i = 0; i < params.size(); ++i) bindValue(st, i + 1, params[i]);
}

} // namespace

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

ADODB::Connection::Impl& openImpl(const ADODB::ConnectionPtr& con) {
    if (!con || !con->IsOpen()) throw connectionClosed();
    return *con->impl();
}

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
            const QString text = modOLM3Binnen::TranslateJetSql(QString::fromUtf8(lookup.getColumn(0).getText()));
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

} // namespace ADODB::intern
