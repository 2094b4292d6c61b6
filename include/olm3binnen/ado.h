#pragma once
// Database access: connections, record-set snapshots and stored queries over SQLite, opened from the
// connection-string texts of the Jet/OLE DB provider. <sqlite3.h> stays out of this header.

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace olm3 {

/// A run-time error with a number, as the component's procedures trap and report them.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(std::int32_t number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}
    std::int32_t Number() const { return m_number; }
    const QString& Description() const { return m_description; }

private:
    std::int32_t m_number;
    QString m_description;
};

/// Error numbers the database layer reports.
namespace ErrNo {
constexpr std::int32_t GenericFailure = static_cast<std::int32_t>(0x80004005); ///< lost or busy database
constexpr std::int32_t CommandError = static_cast<std::int32_t>(0x80040E14);   ///< SQL the engine rejects
constexpr std::int32_t IntegrityViolation = static_cast<std::int32_t>(0x80040E2F);
constexpr std::int32_t ReadOnly = static_cast<std::int32_t>(0x80040E09);
constexpr std::int32_t ParameterError = static_cast<std::int32_t>(0x80040E10); ///< wrong parameter count
constexpr std::int32_t Timeout = static_cast<std::int32_t>(0x80040E31); ///< a statement ran past its time-out
constexpr std::int32_t TypeMismatch = 13;
constexpr std::int32_t ObjectNotSet = 91;
constexpr std::int32_t ItemNotFound = 3265; ///< no field of that name
constexpr std::int32_t NoCurrentRecord = 3021;
constexpr std::int32_t ConnectionClosed = 3709;
constexpr std::int32_t NotUpdatable = 3251;
} // namespace ErrNo

} // namespace olm3

namespace ADODB {

enum ConnectModeEnum { adModeUnknown = 0, adModeRead = 1, adModeReadWrite = 3 };

/// Why Connection::Open failed.
enum class OpenFailure {
    None,
    NoSource,     ///< the connection string names no file
    NotAFile,     ///< a folder, FIFO or device: refused at once, opening it could block
    Locked,       ///< another program holds a lock longer than the connection time-out
    TimedOut,     ///< reading the schema took longer than the connection time-out
    NotADatabase, ///< the file is no SQLite database
    CannotOpen,   ///< missing, unreadable, or another engine error
};

/// One entry of a connection's error list.
struct Error {
    std::int32_t Number = 0;
    QString Description;
};

class Recordset;

/// An open link to one database file.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    int Mode = adModeUnknown;
    int ConnectionTimeout = 15; ///< seconds opening may wait for a lock and read the schema
    int CommandTimeout = 30;    ///< seconds a statement may run (and wait for a lock); 0: no limit
    QString ConnectionString;
    std::vector<Error> Errors; ///< errors of the last operation

    /// Opens the database named by the connection string ("Data Source" and "Mode" are honoured).
    /// Errors are not thrown but left in Errors; true when open.
    bool Open(const QString& strConnectionString);
    /// Why the last Open failed (None after a successful one).
    OpenFailure LastOpenFailure() const;
    /// Closes the connection; statements prepared on it are released. Never throws.
    void Close();
    bool IsOpen() const;
    /// The database file this connection has open.
    QString DataSource() const;

    /// Runs a statement that returns no rows (Jet dialect accepted); returns the changed row count.
    /// Throws olm3::RuntimeError on failure.
    std::int64_t Execute(const QString& strSQL);

    /// Transactions, for writes that must land whole or not at all. Throw olm3::RuntimeError on failure.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const;

    /// True when the open database has a table or view of this name (any letter case).
    bool HasObject(const QString& strName) const;

    struct Impl;
    Impl* impl() const { return d.get(); }

private:
    std::unique_ptr<Impl> d;
};
using ConnectionPtr = std::shared_ptr<Connection>;

/// A field of the current row: its name and value (a null QVariant is Null, apart from empty text).
struct Field {
    QString Name;
    QVariant Value;
    bool IsNull() const { return Value.isNull() || !Value.isValid(); }
};

/// A client-side static snapshot of a query result: count known, free movement, fields by name in any
/// letter case. An updatable record set (opened with blnReadOnly false on one table) can add and change rows.
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool IsOpen() const { return m_open; }
    void Close();

    std::int32_t RecordCount() const { return static_cast<std::int32_t>(m_rows.size()); }
    bool Eof() const { return m_rows.empty() || m_pos >= static_cast<std::int64_t>(m_rows.size()); }
    bool Bof() const { return m_rows.empty() || m_pos < 0; }
    void MoveFirst() { m_pos = 0; }
    void MoveLast() { m_pos = static_cast<std::int64_t>(m_rows.size()) - 1; }
    void MoveNext();
    void MovePrevious();
    /// Index of the current row from 0 (-1 before the first, RecordCount() after the last).
    std::int64_t AbsolutePosition() const { return m_pos; }

    int FieldCount() const { return static_cast<int>(m_names.size()); }
    QString FieldName(int i) const { return m_names.at(static_cast<size_t>(i)); }
    bool HasField(const QString& strName) const { return indexOf(strName) >= 0; }
    /// The index of the named field (any letter case), -1 when there is none. Rows read field by field
    /// look their names up once and then use Fields(int).
    int FieldIndex(const QString& strName) const { return indexOf(strName); }
    /// The named field of the current row. Throws olm3::RuntimeError (ItemNotFound, NoCurrentRecord).
    Field Fields(const QString& strName) const;
    Field Fields(int i) const;

    /// Updatable record sets: start a new row, assign fields, save. Update writes the row and reads it
    /// back, so an "ID" assigned by the database is then in the field. Throw olm3::RuntimeError.
    void AddNew();
    void SetValue(const QString& strName, const QVariant& value);
    void Update();
    void CancelUpdate();
    bool IsUpdatable() const { return m_updatable; }

    /// Fills the snapshot (used by the database layer).
    void Load(std::vector<QString> names, std::vector<std::vector<QVariant>> rows);
    void MakeUpdatable(const std::shared_ptr<Connection>& con, const QString& strTable, int rowidColumn);

private:
    int indexOf(const QString& strName) const;
    void checkCurrent() const;

    bool m_open = false;
    std::vector<QString> m_names;
    std::vector<std::vector<QVariant>> m_rows;
    std::int64_t m_pos = 0;
    bool m_updatable = false;
    std::weak_ptr<Connection> m_con;
    QString m_table;
    int m_rowidColumn = -1;
    bool m_editing = false;
    bool m_newRow = false;
    std::vector<bool> m_dirty;
};
using RecordsetPtr = std::shared_ptr<Recordset>;

/// A stored query addressed by name on a connection.
class Command {
public:
    ConnectionPtr ActiveConnection;
    QString CommandText; ///< name of the stored query, for example "V_PunkteEntfernung"
    int CommandTimeout = 30; ///< seconds the query may run; past it the query fails with ErrNo::Timeout
};

} // namespace ADODB

namespace modOLM3Binnen {

/// Opens con from the provider's connection string; false (con empty, no message) when it fails.
bool ADO_Open_Connection(const QString& strDatabase, ADODB::ConnectionPtr& con, const QString& strSystemDatabase,
                         const QString& strUserID, const QString& strPassword, bool blnReadOnly);
/// The connection string ADO_Open_Connection produces.
QString ADO_ConnectionString(const QString& strDatabase, const QString& strSystemDatabase, const QString& strUserID,
                             const QString& strPassword, bool blnReadOnly);
/// The SELECT text ADO_Open_Recordset builds.
QString ADO_SelectText(const QString& strTable, const QString& strFields, const QString& strWhere,
                       const QString& strOrderBy);
/// Opens a SELECT built from its parts. On failure: a message (number, description, SQL) and false.
bool ADO_Open_Recordset(const ADODB::ConnectionPtr& con, ADODB::RecordsetPtr& rs, const QString& strTable,
                        const QString& strFields, const QString& strWhere, const QString& strOrderBy,
                        bool blnReadOnly);
/// Opens a complete SQL text (sub-queries, IN lists, DELETE). On failure: a message and false.
bool ADO_Open_RecordsetExt(const ADODB::ConnectionPtr& con, ADODB::RecordsetPtr& rs, const QString& strSQL,
                           bool blnReadOnly);
/// The same with positional parameters (?1, ?2, ...) bound to the text, so that a statement repeated with
/// other values is prepared once per connection.
bool ADO_Open_RecordsetExt(const ADODB::ConnectionPtr& con, ADODB::RecordsetPtr& rs, const QString& strSQL,
                           const QVariantList& avarParameter, bool blnReadOnly);
/// Runs the stored query cmd.CommandText with positional parameters; false without a message on failure.
bool ADO_GetFromCmd_Recordset(ADODB::Command& cmd, const QVariantList& avarParameter, ADODB::RecordsetPtr& rs,
                              std::int32_t& lngRecordsAffected);
/// Closes rs if it is open (errors ignored), releases it when blnRelease. Always true.
bool ADO_Close_Recordset(ADODB::RecordsetPtr& rs, bool blnRelease);
/// The field's value as text; the empty text for Null.
QString ADO_Field_Str(const ADODB::Field& fld);
/// The field's value when it is numeric and not Null, otherwise varDefault.
QVariant ADO_Field_NumOrDefault(const ADODB::Field& fld, const QVariant& varDefault);
/// Whether the engine handed the field's value over as a number (not as text, not Null).
bool ADO_Field_IsNumber(const ADODB::Field& fld);
/// CDbl, CLng and CBool of the field's text; a number is converted without the round trip through text.
double ADO_Field_Dbl(const ADODB::Field& fld);
std::int32_t ADO_Field_Lng(const ADODB::Field& fld);
bool ADO_Field_Bool(const ADODB::Field& fld);

/// Translates what the component writes in the Jet dialect (Top n, DELETE * FROM, true/false) to SQLite.
QString TranslateJetSql(const QString& strSQL);

/// How many times a record set open reconnects after a lost connection before it gives up.
constexpr int kMaxReconnectRounds = 3;

} // namespace modOLM3Binnen
