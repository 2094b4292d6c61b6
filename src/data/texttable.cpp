#include "data/texttable.h"

#include <QFile>
#include <QStringList>

#include <atomic>

namespace olm3 {

namespace {
std::atomic<Sprache> g_sprache{Sprache::De};
} // namespace

Sprache SpracheAusLocale(const QString& strLocale) {
    const QString s = strLocale.trimmed();
    if (s.isEmpty() || s == QLatin1String("C") || s.startsWith(QLatin1String("C.")) ||
        s == QLatin1String("POSIX"))
        return Sprache::De;
    return s.startsWith(QLatin1String("de"), Qt::CaseInsensitive) ? Sprache::De : Sprache::En;
}

Sprache SpracheAusUmgebung() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString wert = qEnvironmentVariable(name);
        if (!wert.isEmpty()) return SpracheAusLocale(wert);
    }
    return Sprache::De;
}

std::optional<Sprache> SpracheAusKuerzel(const QString& strKuerzel) {
    const QString s = strKuerzel.trimmed().toLower();
    if (s == QLatin1String("de")) return Sprache::De;
    if (s == QLatin1String("en")) return Sprache::En;
    return std::nullopt;
}

QString SprachKuerzel(Sprache sprache) {
    return sprache == Sprache::En ? QStringLiteral("en") : QStringLiteral("de");
}

void TextTable::SetSprache(Sprache sprache) {
    g_sprache = sprache;
}

Sprache TextTable::AktuelleSprache() {
    return g_sprache;
}

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

void TextTable::Spalte::Setze(const QString& strModul, std::int32_t id, const QString& text) {
    texte.insert(key(strModul, id), text);
    auto it = nachId.find(id);
    if (it == nachId.end())
        nachId.insert(id, text);
    else if (!it.value().isNull() && it.value() != text)
        it.value() = QString();
}

std::optional<QString> TextTable::Spalte::Suche(const QString& strModul, std::int32_t id) const {
    auto it = texte.constFind(key(strModul, id));
    if (it != texte.constEnd()) return it.value();
    auto byId = nachId.constFind(id);
    if (byId != nachId.constEnd() && !byId.value().isNull()) return byId.value();
    return std::nullopt;
}

bool TextTable::LoadText(const QString& strContent) {
    const QStringList lines = strContent.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() < 3) continue;
        bool ok = false;
        const int id = cells[0].trimmed().toInt(&ok);
        if (!ok) continue; // the header line, or a malformed one
        const QString modul = cells[1].trimmed();
        m_de.Setze(modul, id, unescape(cells[2]));
        // A row without an English text (or with an empty one) serves its German text in English.
        if (cells.size() > 3 && !cells[3].isEmpty()) m_en.Setze(modul, id, unescape(cells[3]));
    }
    return true;
}

QString TextTable::Text(const QString& strModul, std::int32_t lngTextID, const QString& strDefault) const {
    return Text(AktuelleSprache(), strModul, lngTextID, strDefault);
}

QString TextTable::Text(Sprache sprache, const QString& strModul, std::int32_t lngTextID,
                        const QString& strDefault) const {
    if (sprache == Sprache::En) {
        // A module's own row is translated by its own English text only, never by another module's.
        const QString k = key(strModul, lngTextID);
        if (m_de.texte.contains(k)) {
            auto en = m_en.texte.constFind(k);
            if (en != m_en.texte.constEnd()) return en.value();
        } else if (m_de.Suche(strModul, lngTextID)) {
            if (auto en = m_en.Suche(strModul, lngTextID)) return *en;
        }
    }
    return m_de.Suche(strModul, lngTextID).value_or(strDefault);
}

bool TextTable::Has(const QString& strModul, std::int32_t lngTextID) const {
    return m_de.texte.contains(key(strModul, lngTextID));
}

QString FuelleText(const QString& strVorlage, const QStringList& werte) {
    QString out;
    out.reserve(strVorlage.size());
    for (qsizetype i = 0; i < strVorlage.size(); ++i) {
        const QChar c = strVorlage[i];
        if (c == QLatin1Char('%') && i + 1 < strVorlage.size()) {
            const int n = strVorlage[i + 1].digitValue();
            if (n >= 1 && n <= werte.size()) {
                out += werte[n - 1];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace olm3
