#pragma once
// The component's own German text table (texts/texts.tsv, built into the library): id, module, text.

#include <QHash>
#include <QString>
#include <cstdint>

namespace olm3 {

class TextTable {
public:
    /// The table built into the component.
    static const TextTable& Builtin();

    /// Reads a table file (tab-separated: id, module, text; "\n" in a text is a line break). False when
    /// the file cannot be read; lines that are not of that shape are skipped.
    bool LoadFile(const QString& strPath);
    bool LoadText(const QString& strContent);

    /// The text of an id for a module; when the module has no such id but every module that has it
    /// agrees on one text, that text. Otherwise strDefault; nothing else is replaced.
    QString Text(const QString& strModul, std::int32_t lngTextID, const QString& strDefault = QStringLiteral("x?x")) const;
    bool Has(const QString& strModul, std::int32_t lngTextID) const;
    int Count() const { return static_cast<int>(m_texts.size()); }

private:
    static QString key(const QString& modul, std::int32_t id) { return modul.toLower() + QLatin1Char('#') + QString::number(id); }
    QHash<QString, QString> m_texts;
    QHash<std::int32_t, QString> m_byId; ///< the one text of an id, or a null string when modules disagree
};

} // namespace olm3
