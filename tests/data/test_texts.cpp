// The text table the component ships, in German and English.

#include "data/katalogbegriffe.h"
#include "data/texttable.h"
#include "support/fixtures.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <utility>

using olm3::TextTable;

TEST(TextTable, ServesTextsByModuleAndIdAndTheDefaultOtherwise) {
    const TextTable& t = TextTable::Builtin();
    EXPECT_GT(t.Count(), 150);
    EXPECT_EQ(t.Text("frmStatus", 402), "&Abbrechen");
    EXPECT_EQ(t.Text("modOLM3Binnen", 99999), "x?x");
    EXPECT_EQ(t.Text("frmStatus", 99999, "--"), "--");
}

TEST(TextTable, ReplacesNothingAndKeepsBlanksAndMarks) {
    TextTable t;
    t.LoadText("id\tmodule\ttext\n7\tfrmA\t  zwei Blanks #p %1 \n8\tfrmA\tZeile\\nzwei\nkaputt\n");
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Text("frmA", 7), "  zwei Blanks #p %1 ");
    EXPECT_EQ(t.Text("frmA", 8), "Zeile\r\nzwei");
    // A module without the id borrows the text only when every module agrees on it.
    EXPECT_EQ(t.Text("frmB", 7), "  zwei Blanks #p %1 ");
    t.LoadText("7\tfrmC\tanders\n");
    EXPECT_EQ(t.Text("frmB", 7), "x?x");
}

TEST(TextTable, ServesEnglishWhereChosenAndGermanWhereARowHasNoEnglish) {
    TextTable t;
    t.LoadText(QStringLiteral("id\tmodule\ttext\ten\n"
                              "1\tfrmA\tSchleuse %1\tLock %1\n"
                              "2\tfrmA\tnur Deutsch\n"
                              "3\tfrmA\tleer\t\n"
                              "4\tfrmA\tWehr\tWeir\n"
                              "4\tfrmB\tWehre\n"));
    struct Fall {
        olm3::Sprache sprache;
        QString modul;
        int id;
        QString erwartet;
    };
    using enum olm3::Sprache;
    const Fall faelle[] = {
        {De, "frmA", 1, "Schleuse %1"}, {En, "frmA", 1, "Lock %1"}, {En, "frmA", 2, "nur Deutsch"},
        {En, "frmA", 3, "leer"},
        // another module's English never translates a module's own row
        {En, "frmB", 4, "Wehre"}, {En, "frmC", 1, "Lock %1"}, {En, "frmC", 4, "x?x"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(t.Text(f.sprache, f.modul, f.id), f.erwartet) << f.modul.toStdString() << " " << f.id;
    // The process-wide choice: German until it is set.
    EXPECT_EQ(TextTable::AktuelleSprache(), De);
    TextTable::SetSprache(En);
    EXPECT_EQ(TextTable::Builtin().Text("frmStatus", 402), "&Cancel");
    TextTable::SetSprache(De);
    EXPECT_EQ(TextTable::Builtin().Text("frmStatus", 402), "&Abbrechen");
}

TEST(TextTable, TheLanguageOfALocaleOrAShortName) {
    using enum olm3::Sprache;
    const std::pair<const char*, olm3::Sprache> locales[] = {
        {"", De}, {"C", De}, {"C.UTF-8", De}, {"POSIX", De}, {"de_DE.UTF-8", De}, {"de_AT", De},
        {"en_GB.UTF-8", En}, {"fr", En}};
    for (const auto& [locale, sprache] : locales)
        EXPECT_EQ(olm3::SpracheAusLocale(QString::fromLatin1(locale)), sprache) << locale;
    EXPECT_EQ(olm3::SpracheAusKuerzel(" EN "), En);
    EXPECT_EQ(olm3::SpracheAusKuerzel("de"), De);
    EXPECT_FALSE(olm3::SpracheAusKuerzel("nl").has_value());
}

// The shipped table: every row has an English text with the same placeholders as its German one. Rows
// are checked in the file itself, so that a row added without English is named.
TEST(TextTable, EveryTextHasAnEnglishTextWithTheSamePlaceholders) {
    static const QRegularExpression platzhalter("%\\d+");
    auto alle = [](const QString& s) {
        QStringList l;
        for (auto it = platzhalter.globalMatch(s); it.hasNext();) l << it.next().captured();
        l.sort();
        return l;
    };
    int zeilen = 0;
    const QByteArray tabelle = olm3test::ReadFile(QStringLiteral(OLM3_SOURCE_DIR "/texts/texts.tsv"));
    const QStringList lines = QString::fromUtf8(tabelle).split(QLatin1Char('\n'));
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) continue;
        const QStringList c = lines[i].split(QLatin1Char('\t'));
        ++zeilen;
        const QString wo = QStringLiteral("line %1: %2").arg(i + 1).arg(lines[i]);
        ASSERT_GE(c.size(), 3) << wo.toStdString();
        EXPECT_TRUE(c.size() == 4 && !c[3].trimmed().isEmpty()) << "no English text, " << wo.toStdString();
        if (c.size() == 4) {
            EXPECT_EQ(alle(c[2]), alle(c[3])) << "placeholders differ, " << wo.toStdString();
        }
    }
    EXPECT_EQ(zeilen, TextTable::Builtin().Count());
}

// The catalogue's fixed vocabulary: its own German words, English by code, its own word for codes no
// catalogue carries.
TEST(TextTable, TheCataloguesVocabularyInEitherLanguage) {
    using olm3::KatalogWort;
    using enum olm3::Sprache;
    using enum olm3::KatalogWort;
    struct Fall {
        olm3::Sprache sprache;
        KatalogWort art;
        const char* code;
        const char* katalog;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {De, Typ, "S", "Schleuse", "Schleuse"}, {En, Typ, "S", "Schleuse", "Lock"},
        {En, Typ, " h ", "Hafen", "Harbour"}, {En, Typ, "X", "Sonderobjekt", "Sonderobjekt"},
        {En, Wochentag, "WT", "Werktag", "Working day"}, {En, WochentagKurz, "So", "So", "Sun"},
        {En, Feiertag, "TDE", "Tag der Deutschen Einheit", "German Unity Day"},
        {En, Feiertag, "Bayr", "Bayerischer Feiertag", "Bayerischer Feiertag"},
    };
    for (const Fall& f : faelle) {
        TextTable::SetSprache(f.sprache);
        EXPECT_EQ(olm3::KatalogBegriff(f.art, QString::fromUtf8(f.code), QString::fromUtf8(f.katalog)),
                  QString::fromUtf8(f.erwartet)) << f.code;
    }
    TextTable::SetSprache(De);
}

// Values go in by their placeholder's number in one pass: a boat named "50%2" or a file "Tour%3.gpx" comes
// out as typed, and a text that skips a number still gets the right value in each place.
TEST(TextTable, FillsItsPlaceholdersInOnePass) {
    struct Fall {
        const char* vorlage;
        QStringList werte;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"%1 – passt nicht: %2, Grenze unbekannt: %3", {"Boot %2 %1", "1", "0"},
         "Boot %2 %1 – passt nicht: 1, Grenze unbekannt: 0"},
        {"%1: Der Name ist zu lang (höchstens %3 Zeichen).", {"Name", "x%3", "60"},
         "Name: Der Name ist zu lang (höchstens 60 Zeichen)."},
        {"(%2) nach (%1), %1", {"a", "b"}, "(b) nach (a), a"},
        {"100% %0 %4 %", {"a"}, "100% %0 %4 %"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(olm3::FuelleText(QString::fromUtf8(f.vorlage), f.werte), QString::fromUtf8(f.erwartet))
            << f.vorlage;
}
