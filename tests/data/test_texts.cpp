// The German text table the component ships.

#include "data/texttable.h"

#include <gtest/gtest.h>

using olm3::TextTable;

TEST(TextTable, ServesTextsByModuleAndIdAndTheDefaultOtherwise) {
    const TextTable& t = TextTable::Builtin();
    EXPECT_GT(t.Count(), 150);
    EXPECT_EQ(t.Text(QStringLiteral("frmStatus"), 402), QStringLiteral("&Abbrechen"));
    EXPECT_EQ(t.Text(QStringLiteral("modOLM3Binnen"), 113), QStringLiteral("unbegrenzt"));
    EXPECT_EQ(t.Text(QStringLiteral("clsOLM3Binnen"), 1600),
              QStringLiteral("Fehler bei der Initialisierung der Binnen-Programmkomponente."));
    EXPECT_EQ(t.Text(QStringLiteral("modOLM3Binnen"), 99999), QStringLiteral("x?x"));
    EXPECT_EQ(t.Text(QStringLiteral("frmStatus"), 99999, QStringLiteral("--")), QStringLiteral("--"));
}

TEST(TextTable, ReplacesNothingAndKeepsBlanksAndMarks) {
    TextTable t;
    t.LoadText(QStringLiteral("id\tmodule\ttext\n7\tfrmA\t  zwei Blanks #p %1 \n8\tfrmA\tZeile\\nzwei\nkaputt\n"));
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Text(QStringLiteral("frmA"), 7), QStringLiteral("  zwei Blanks #p %1 "));
    EXPECT_EQ(t.Text(QStringLiteral("frmA"), 8), QStringLiteral("Zeile\r\nzwei"));
    // A module without the id borrows the text only when every module agrees on it.
    EXPECT_EQ(t.Text(QStringLiteral("frmB"), 7), QStringLiteral("  zwei Blanks #p %1 "));
    t.LoadText(QStringLiteral("7\tfrmC\tanders\n"));
    EXPECT_EQ(t.Text(QStringLiteral("frmB"), 7), QStringLiteral("x?x"));
}
