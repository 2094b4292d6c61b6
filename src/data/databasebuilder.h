#pragma once
// Building SQLite files from SQL scripts: catalogues from schema, stored queries and data, and the
// waypoints-and-routes database.

#include <QString>
#include <QStringList>

namespace olm3 {

/// The SQL scripts that come with the component (":/olm3binnen/schema.sql" and so on).
QString BuiltinSql(const QString& strName);

/// Creates (or extends) the SQLite file strPath by running the given SQL texts in order inside one
/// transaction. False with strError set when a script fails; the file is then left as it was.
bool BuildDatabase(const QString& strPath, const QStringList& sqlTexts, QString& strError);

/// Creates the waypoints-and-routes database with its tables if they are not there yet.
bool CreateRoutesDatabase(const QString& strPath, QString& strError);

} // namespace olm3
