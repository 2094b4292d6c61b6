// The connection string: its pairs read, a value quoted, and the string the module builds for a database.
#include "data/ado_internal.h"
#include "data/modOLM3Binnen.h"

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

} // namespace modOLM3Binnen
