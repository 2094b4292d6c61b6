// Reading a field as text, number or truth value, and the Jet dialect of SQL turned into SQLite's.
#include "data/ado_internal.h"
#include "data/modOLM3Binnen.h"

#include <QRegularExpression>
#include <cmath>

namespace modOLM3Binnen {

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
