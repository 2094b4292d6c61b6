#include "data/texttable.h"

#include <QFile>
#include <QStringList>

namespace olm3 {

const TextTable& TextTable::Builtin() {
    static const TextTable table = [] {
        TextTable t;
        t.LoadFile(QStringLiteral(":/olm3binnen/texts.tsv"));
        return t;
    }();
    return table;
}

bool TextTable::LoadFile(const QString& strPath) {
    QFile f(strPath);
    if (!f.open(QIODevice::ReadOnly)) return false;
    return LoadText(QString::fromUtf8(f.readAll()));
}

namespace {
QString unescape(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('\\') && i + 1 < s.size()) {
            const QChar n = s[i + 1];
            if (n == QLatin1Char('n')) {
                out += QStringLiteral("\r\n");
                ++i;
                continue;
            }
            if (n == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}
} // namespace

bool TextTable::LoadText(const QString& strContent) {
    const QStringList lines = strContent.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const int t1 = line.indexOf(QLatin1Char('\t'));
        const int t2 = t1 < 0 ? -1 : line.indexOf(QLatin1Char('\t'), t1 + 1);
        if (t2 < 0) continue;
        bool ok = false;
        const int id = line.left(t1).trimmed().toInt(&ok);
        if (!ok) continue; // the header line, or a malformed one
        const QString modul = line.mid(t1 + 1, t2 - t1 - 1).trimmed();
        const QString text = unescape(line.mid(t2 + 1));
        m_texts.insert(key(modul, id), text);
        auto it = m_byId.find(id);
        if (it == m_byId.end()) m_byId.insert(id, text);
        else if (!it.value().isNull() && it.value() != text) it.value() = QString();
    }
    return true;
}

QString TextTable::Text(const QString& strModul, std::int32_t lngTextID, const QString& strDefault) const {
    auto it = m_texts.constFind(key(strModul, lngTextID));
    if (it != m_texts.constEnd()) return it.value();
    auto byId = m_byId.constFind(lngTextID);
    if (byId != m_byId.constEnd() && !byId.value().isNull()) return byId.value();
    return strDefault;
}

bool TextTable::Has(const QString& strModul, std::int32_t lngTextID) const {
    return m_texts.contains(key(strModul, lngTextID));
}

} // namespace olm3
