#pragma once
// The component's text table (texts/texts.tsv, built into the library): id, module, German text and
// English text. Every text is served in the language chosen for the process; a row without an English
// text serves its German one in English too.

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace olm3 {

/// The languages of the user interface.
enum class Sprache { De, En };

/// The language a locale name asks for ("de_DE.UTF-8", "en_GB", "C" ...): German where the locale is
/// German or unset ("", "C", "POSIX"), English otherwise.
Sprache SpracheAusLocale(const QString& strLocale);
/// The language of the process's locale: LC_ALL, else LC_MESSAGES, else LANG (the first one set).
Sprache SpracheAusUmgebung();
/// "de" or "en" (any letter case, blanks ignored); nothing for any other text.
std::optional<Sprache> SpracheAusKuerzel(const QString& strKuerzel);
/// "de" or "en".
QString SprachKuerzel(Sprache sprache);

/// A text with its values filled in one pass: "%1" takes the first value, "%2" the second, up to "%9"; a
/// placeholder without a value stays as it is, and a value is never searched for placeholders itself, so a
/// name or path that contains "%2" comes out unchanged.
QString FuelleText(const QString& strVorlage, const QStringList& werte);

class TextTable {
public:
    /// The table built into the component.
    static const TextTable& Builtin();

    /// The language every table serves in; German until it is set. Set it before windows are built:
    /// a window keeps the texts it was built with.
    static void SetSprache(Sprache sprache);
    static Sprache AktuelleSprache();

    /// Reads a table file (tab-separated: id, module, German text, and an optional English text; "\n" in
    /// a text is a line break). False when the file cannot be read; lines that are not of that shape
    /// are skipped.
    bool LoadFile(const QString& strPath);
    bool LoadText(const QString& strContent);

    /// The text of an id for a module in the current language; when the module has no such id but every
    /// module that has it agrees on one text, that text. Otherwise strDefault; nothing else is replaced.
    QString Text(const QString& strModul, std::int32_t lngTextID,
                 const QString& strDefault = QStringLiteral("x?x")) const;
    /// The same in a given language.
    QString Text(Sprache sprache, const QString& strModul, std::int32_t lngTextID,
                 const QString& strDefault = QStringLiteral("x?x")) const;
    bool Has(const QString& strModul, std::int32_t lngTextID) const;
    int Count() const { return static_cast<int>(m_de.texte.size()); }

private:
    /// The texts of one language, by module and id and by id alone.
    struct Spalte {
        QHash<QString, QString> texte;
        QHash<std::int32_t, QString>
            nachId; ///< the one text of an id, or a null string when modules disagree
        void Setze(const QString& strModul, std::int32_t id, const QString& text);
        std::optional<QString> Suche(const QString& strModul, std::int32_t id) const;
    };
    static QString key(const QString& modul, std::int32_t id) {
        return modul.toLower() + QLatin1Char('#') + QString::number(id);
    }
    Spalte m_de, m_en;
};

} // namespace olm3
