#include "data/databasebuilder.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>

#include <QFile>

namespace olm3 {

QString BuiltinSql(const QString& strName) {
    QFile f(QStringLiteral(":/olm3binnen/") + strName);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

bool BuildDatabase(const QString& strPath, const QStringList& sqlTexts, QString& strError) {
    try {
        SQLite::Database db(strPath.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        SQLite::Transaction tx(db);
        for (const QString& sql : sqlTexts) db.exec(sql.toStdString());
        tx.commit();
        return true;
    } catch (const SQLite::Exception& e) {
        strError = QString::fromUtf8(e.what());
        return false;
    }
}

bool CreateRoutesDatabase(const QString& strPath, QString& strError) {
    return BuildDatabase(strPath, {BuiltinSql(QStringLiteral("routesdb.sql"))}, strError);
}

} // namespace olm3
