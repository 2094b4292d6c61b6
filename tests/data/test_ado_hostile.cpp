// The database layer against hostile files and texts: things that are no database file, file names
// the connection string must carry, locks and queries that never end, numbers that are none.

#include "data/ado_internal.h"
#include "data/modOLM3Binnen.h"
#include "support/fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

using namespace modOLM3Binnen;
using olm3test::MessageRecorder;
using olm3test::TempDir;

using olm3test::OpenDatabase;

TEST(HostileFile, WhatIsNoRegularFileIsRefusedAtOnce) {
    TempDir dir;
    const QString fifo = dir.file("rohr.sqlite");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.sqlite"));
    for (const QString& path : QStringList{fifo, dir.file("ordner.sqlite"), "/dev/zero"}) {
        ADODB::Connection con;
        QElapsedTimer t;
        t.start();
        EXPECT_FALSE(con.Open(ADO_ConnectionString(path, {}, {}, {}, true))) << path.toStdString();
        EXPECT_LT(t.elapsed(), 5000) << "opening must not wait for a writer";
        EXPECT_EQ(con.LastOpenFailure(), ADODB::OpenFailure::NotAFile);
        ASSERT_EQ(con.Errors.size(), 1u);
        EXPECT_TRUE(con.Errors[0].Description.contains(path));
    }
}

TEST(HostileFile, FileNamesWithSeparatorsQuotesBlanksAndUmlautsOpenThemselves) {
    TempDir dir;
    // The neighbour "Revier.sqlite" is what a name cut at the ";" would open.
    olm3test::MakeRoutesDatabase(dir, "Revier.sqlite");
    for (const QString& name : QStringList{"Revier.sqlite;neu.sqlite", "\"Revier\".sqlite",
                                "'Revier.sqlite", " Revier.sqlite ",
                                "Müritz-Süd; Plätze=alt.sqlite"}) {
        const QString path = olm3test::MakeCatalogueFromFixtures(dir, name, {"mini"});
        const QString cs = ADO_ConnectionString(path, {}, {}, {}, true);
        auto pairs = ADODB::ParseConnectionString(cs);
        ASSERT_EQ(pairs.size(), 3) << cs.toStdString();
        EXPECT_EQ(pairs[1].second, path) << cs.toStdString();
        auto con = OpenDatabase(path);
        ASSERT_TRUE(con);
        EXPECT_EQ(con->DataSource(), path);
        EXPECT_TRUE(con->HasObject("Punkte")) << "the catalogue, not its neighbour";
    }
}

TEST(HostileFile, ConnectionStringParserKeepsQuotedValuesAndSkipsJunk) {
    using P = QList<QPair<QString, QString>>;
    const struct {
        QString text;
        P pairs;
    } cases[] = {
        {"a=1;b=2", {{"a", "1"}, {"b", "2"}}},
        {" a = x y ;;junk; b=\"1;2\"\"3\" ; c='it''s'", {{"a", "x y"}, {"b", "1;2\"3"}, {"c", "it's"}}},
        {"a=\"offen", {{"a", "offen"}}},
        {"=leer;;=", {}},
        {QString(), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ADODB::ParseConnectionString(c.text), c.pairs) << c.text.toStdString();
}

TEST(HostileFile, ALockedDatabaseIsNamedAsLocked) {
    TempDir dir;
    const QString path = olm3test::MakeCatalogueFromFixtures(dir, "gesperrt.sqlite", {"mini"});
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    ADODB::Connection con;
    con.ConnectionTimeout = 1;
    EXPECT_FALSE(con.Open(ADO_ConnectionString(path, {}, {}, {}, true)));
    EXPECT_EQ(con.LastOpenFailure(), ADODB::OpenFailure::Locked);
    ASSERT_EQ(con.Errors.size(), 1u);
    EXPECT_TRUE(con.Errors[0].Description.contains(path));
    EXPECT_TRUE(con.Errors[0].Description.contains("gesperrt"));
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_TRUE(con.Open(ADO_ConnectionString(path, {}, {}, {}, true)));
    EXPECT_EQ(con.LastOpenFailure(), ADODB::OpenFailure::None);
}

TEST(HostileFile, QueriesThatNeverEndRunOutOfTimeWithAMessageNamingTheCatalogue) {
    TempDir dir;
    MessageRecorder messages;
    // A catalogue whose stored query V_PunkteEntfernung and view Endlos never end.
    const QString path = olm3test::MakeCatalogueFromFixtures(
        dir, "endlos.sqlite", {"mini"},
        {"UPDATE Abfragen SET SqlText = 'WITH RECURSIVE r(x) AS (SELECT ?1 + ?2 + ?3 UNION ALL "
         "SELECT x + 1 FROM r) SELECT count(*) AS DL2_sm FROM r' WHERE Name = 'V_PunkteEntfernung';"
         "CREATE VIEW Endlos AS WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM r) "
         "SELECT count(*) AS n FROM r;"});
    auto con = OpenDatabase(path);
    ASSERT_TRUE(con);
    ADODB::testing::LimitTimeouts(*con, 300);
    ADODB::RecordsetPtr rs;
    EXPECT_FALSE(ADO_Open_RecordsetExt(con, rs, "SELECT n FROM Endlos", true));
    ASSERT_EQ(messages.messages().size(), 1u);
    const QString text = messages.messages()[0].text;
    EXPECT_TRUE(text.startsWith(QString::number(olm3::ErrNo::Timeout) + ": ")) << text.toStdString();
    EXPECT_TRUE(text.contains(path)) << text.toStdString();
    EXPECT_TRUE(text.contains("Zeitüberschreitung")) << text.toStdString();
    // A stored query fails quietly, once: running out of time again would only double the wait.
    ADODB::Command cmd;
    cmd.ActiveConnection = con;
    cmd.CommandText = "V_PunkteEntfernung";
    std::int32_t affected = 0;
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(ADO_GetFromCmd_Recordset(cmd, {13.0, 52.5, 1.0}, rs, affected));
    EXPECT_LT(t.elapsed(), 3000);
    ASSERT_FALSE(con->Errors.empty());
    EXPECT_EQ(con->Errors[0].Number, olm3::ErrNo::Timeout);
    EXPECT_EQ(messages.messages().size(), 1u);
    // The connection still answers.
    EXPECT_TRUE(ADO_Open_Recordset(con, rs, "Binnen", "*", {}, {}, true));
}

TEST(HostileFile, ReadOnlyRecordSetsNeverWriteAndWritableOnesCanBeUpdated) {
    TempDir dir;
    MessageRecorder messages;
    auto con = OpenDatabase(olm3test::MakeRoutesDatabase(dir), false);
    ASSERT_TRUE(con);
    con->Execute("INSERT INTO BinRouten (Bezeichnung, KatalogNr) VALUES ('Havel', 1)");
    ADODB::RecordsetPtr rs;
    EXPECT_FALSE(ADO_Open_RecordsetExt(con, rs, "DELETE * FROM BinRouten", true));
    EXPECT_EQ(messages.messages().size(), 1u);
    ASSERT_TRUE(ADO_Open_RecordsetExt(con, rs, "SELECT * FROM BinRouten WHERE KatalogNr=1", true));
    EXPECT_EQ(rs->RecordCount(), 1) << "the refused DELETE deleted nothing";
    EXPECT_FALSE(rs->IsUpdatable());
    // Writing through an updatable one is the record sets' own test; here, which ones are.
    ASSERT_TRUE(ADO_Open_RecordsetExt(con, rs, "SELECT * FROM BinRouten WHERE KatalogNr=1", false));
    EXPECT_TRUE(rs->IsUpdatable());
    // A join is no single table: it stays a snapshot.
    ASSERT_TRUE(ADO_Open_RecordsetExt(
        con, rs, "SELECT * FROM BinRouten, BinRoutenPunkte WHERE ID=RoutenID", false));
    EXPECT_FALSE(rs->IsUpdatable());
    EXPECT_TRUE(ADO_Open_RecordsetExt(con, rs, "DELETE * FROM BinRouten", false));
}

TEST(HostileNumbers, NanAndInfinityAreNoNumbers) {
    for (const char* s : {"NaN", "nan", "inf", "-inf", "+inf", "Infinity", "1e999"}) {
        EXPECT_FALSE(IsNumeric(QString::fromLatin1(s))) << s;
        EXPECT_THROW(CDbl(QString::fromLatin1(s)), olm3::RuntimeError) << s;
    }
    EXPECT_TRUE(IsNumeric("1e300"));
    const QVariant dflt(-1.0);
    for (const QVariant& v : {QVariant(std::numeric_limits<double>::infinity()),
                              QVariant(std::numeric_limits<double>::quiet_NaN()), QVariant("NaN")})
        EXPECT_EQ(ADO_Field_NumOrDefault(ADODB::Field{"x", v}, dflt), dflt);
    EXPECT_EQ(ADO_Field_NumOrDefault(ADODB::Field{"x", QVariant(2.5)}, dflt).toDouble(), 2.5);
}
