// The database layer: connection strings, snapshots, updatable record sets, stored queries, the Jet
// dialect and the recovery from a lost connection.

#include "data/ado_internal.h"
#include "data/modOLM3Binnen.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace modOLM3Binnen;
using olm3test::MessageRecorder;
using olm3test::TempDir;

namespace {

ADODB::ConnectionPtr openCatalogue(const TempDir& dir) {
    return olm3test::OpenDatabase(olm3test::MakeCatalogueFromFixtures(dir, "cat.sqlite", {"mini"}));
}

ADODB::ConnectionPtr openRoutes(const TempDir& dir) {
    return olm3test::OpenDatabase(olm3test::MakeRoutesDatabase(dir), false);
}

/// The test catalogue open, with every message box recorded.
class AufKatalog : public ::testing::Test {
protected:
    TempDir dir;
    MessageRecorder messages;
    ADODB::ConnectionPtr con = openCatalogue(dir);
    ADODB::RecordsetPtr rs;
};

using CatalogueRecordset = AufKatalog;
using StoredQuery = AufKatalog;
using Recovery = AufKatalog;

} // namespace

TEST(ConnectionString, TheProviderTextWithModeAndWorkgroupCredentials) {
    const struct {
        const char *file, *system, *user, *password;
        bool readOnly;
        const char* text;
    } faelle[] = {
        {"/d/k.sqlite", "", "", "", true,
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/d/k.sqlite;Mode=Read;"},
        {"/d/k.sqlite", "", "u", "p", false,
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/d/k.sqlite;Mode=ReadWrite|Share Deny None;"},
        // workgroup security adds the credentials, without a trailing semicolon
        {"k.mdb", "sys.mdw", "anna", "geheim", true,
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=k.mdb;Mode=Read;User ID=anna; Password=geheim;Jet "
         "OLEDB:System database=sys.mdw"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ADO_ConnectionString(f.file, f.system, f.user, f.password, f.readOnly),
                  QString::fromUtf8(f.text));
}

TEST(Connection, OpenHonoursDataSourceAndModeAndFailsQuietly) {
    TempDir dir;
    MessageRecorder messages;
    ADODB::ConnectionPtr con;
    EXPECT_FALSE(ADO_Open_Connection(dir.file("missing.sqlite"), con, {}, {}, {}, true));
    EXPECT_EQ(con, nullptr);
    EXPECT_FALSE(ADO_Open_Connection(dir.write("junk.sqlite", QByteArray(4096, 'x')), con, {}, {}, {}, true));
    EXPECT_EQ(con, nullptr);
    EXPECT_TRUE(messages.messages().empty());
    con = openCatalogue(dir);
    ASSERT_TRUE(con);
    EXPECT_EQ(con->Mode, ADODB::adModeRead);
    EXPECT_EQ(con->CommandTimeout, 10);
    EXPECT_THROW(con->Execute("DELETE * FROM Punkte"), olm3::RuntimeError);
    auto rw = openRoutes(dir);
    EXPECT_EQ(rw->Mode, ADODB::adModeReadWrite);
    EXPECT_NO_THROW(rw->Execute("DELETE * FROM BinRouten"));
}

TEST(SelectText, PartsAreJoinedWithOneBlankEach) {
    EXPECT_EQ(ADO_SelectText("Punkte", "LGDez, BGDez", {}, {}), "SELECT LGDez, BGDez From Punkte ");
    EXPECT_EQ(ADO_SelectText("Punkte", "*", "PunkteID =5", "Nummer"),
              "SELECT * From Punkte Where PunkteID =5 Order By Nummer ");
    EXPECT_EQ(ADO_SelectText("Punkte", "*", {}, "Nummer desc"), "SELECT * From Punkte Order By Nummer desc ");
}

TEST_F(CatalogueRecordset, SnapshotMovesFreelyAndReadsFieldsInAnyCase) {
    ASSERT_TRUE(ADO_Open_Recordset(con, rs, "Punkte", "*", "BinnenID=1", "Strecke", true));
    EXPECT_EQ(rs->RecordCount(), 10);
    EXPECT_FALSE(rs->Bof());
    EXPECT_EQ(ADO_Field_Str(rs->Fields("punkteid")), "101");
    rs->MoveLast();
    EXPECT_EQ(ADO_Field_Str(rs->Fields("PUNKTEID")), "110");
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_THROW(rs->Fields("PunkteID"), olm3::RuntimeError);
    rs->MoveLast();
    rs->MovePrevious();
    EXPECT_EQ(ADO_Field_Str(rs->Fields("PunkteId")), "109");
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->Bof());
    rs->MoveFirst();
    EXPECT_THROW(rs->Fields("NoSuchColumn"), olm3::RuntimeError);
    ADODB::RecordsetPtr empty;
    ASSERT_TRUE(ADO_Open_Recordset(con, empty, "Punkte", "*", "1=2", {}, true));
    EXPECT_EQ(std::tuple(empty->RecordCount(), empty->Eof(), empty->Bof()), std::tuple(0, true, true));
}

TEST_F(CatalogueRecordset, NullIsKeptApartFromEmptyTextAndReadsAsEmpty) {
    ASSERT_TRUE(ADO_Open_RecordsetExt(
        con, rs,
        "SELECT TypenID, Tauchtiefe, Strecke FROM Punkte WHERE PunkteID IN (101, 103) ORDER BY PunkteID",
        true));
    const auto nullType = rs->Fields("TypenID");
    EXPECT_TRUE(nullType.IsNull());
    EXPECT_EQ(ADO_Field_Str(nullType), QString());
    EXPECT_EQ(ADO_Field_NumOrDefault(rs->Fields("TypenID"), -1).toInt(), -1);
    EXPECT_DOUBLE_EQ(ADO_Field_NumOrDefault(rs->Fields("Tauchtiefe"), -1).toDouble(), 2.5);
    rs->MoveNext();
    const auto emptyType = rs->Fields("TypenID");
    EXPECT_FALSE(emptyType.IsNull());
    EXPECT_EQ(ADO_Field_Str(emptyType), QString());
    EXPECT_EQ(ADO_Field_NumOrDefault(rs->Fields("Tauchtiefe"), 7).toInt(), 7);
    EXPECT_EQ(ADO_Field_NumOrDefault(rs->Fields("TypenID"), 7).toInt(), 7);
    EXPECT_EQ(ADO_Field_Str(rs->Fields("Strecke")), "2");
}

TEST(Recordset, ClosingWhatWasNeverOpenedSucceeds) {
    ADODB::RecordsetPtr none;
    EXPECT_TRUE(ADO_Close_Recordset(none, true));
    auto rs = std::make_shared<ADODB::Recordset>();
    EXPECT_TRUE(ADO_Close_Recordset(rs, false));
    EXPECT_TRUE(ADO_Close_Recordset(rs, false));
    EXPECT_TRUE(rs);
    EXPECT_TRUE(ADO_Close_Recordset(rs, true));
    EXPECT_FALSE(rs);
}

TEST(UpdatableRecordset, AddsARowReadsBackItsIdUpdatesItAndARollbackLeavesNothingBehind) {
    TempDir dir;
    auto con = openRoutes(dir);
    ADODB::RecordsetPtr rs;
    ASSERT_TRUE(ADO_Open_Recordset(con, rs, "BinRouten", "*", "1=2", {}, false));
    rs->AddNew();
    rs->SetValue("Bezeichnung", "Rund um Berlin");
    rs->SetValue("KatalogNr", 1);
    rs->SetValue("Startzeit", olm3::MakeDatum(QDate(2008, 6, 1), QTime(8, 0)));
    rs->Update();
    const QString id = ADO_Field_Str(rs->Fields("ID"));
    EXPECT_FALSE(id.isEmpty());
    ADO_Close_Recordset(rs, true);
    ASSERT_TRUE(ADO_Open_Recordset(con, rs, "BinRouten", "*", "ID=" + id, {}, false));
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(ADO_Field_Str(rs->Fields("Startzeit")), "2008-06-01 08:00:00");
    rs->SetValue("Bemerkung", "mit Übernachtung");
    rs->Update();
    ADO_Close_Recordset(rs, true);
    ASSERT_TRUE(ADO_Open_Recordset(con, rs, "BinRouten", "Bezeichnung, Bemerkung", "ID=" + id, {}, true));
    EXPECT_EQ(ADO_Field_Str(rs->Fields("bemerkung")), "mit Übernachtung");
    EXPECT_EQ(ADO_Field_Str(rs->Fields("Bezeichnung")), "Rund um Berlin");
    EXPECT_THROW(rs->AddNew(), olm3::RuntimeError); // a read-only snapshot cannot add
    con->BeginTrans();
    ASSERT_TRUE(ADO_Open_Recordset(con, rs, "BinRouten", "*", "1=2", {}, false));
    rs->AddNew();
    rs->SetValue("Bezeichnung", "x");
    rs->Update();
    con->RollbackTrans();
    ASSERT_TRUE(ADO_Open_Recordset(con, rs, "BinRouten", "*", {}, {}, true));
    EXPECT_EQ(rs->RecordCount(), 1);
}

TEST_F(StoredQuery, RunsByNameWithPositionalParameters) {
    ADODB::Command cmd;
    cmd.ActiveConnection = con;
    cmd.CommandText = "v_routenoptimierer_info"; // names in any case
    std::int32_t affected = -1;
    ASSERT_TRUE(ADO_GetFromCmd_Recordset(cmd, {1, 101, 104, 6.0}, rs, affected));
    EXPECT_EQ(affected, 0);
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_DOUBLE_EQ(ADO_Field_NumOrDefault(rs->Fields("Strecke"), 0).toDouble(), 3.0);
    EXPECT_DOUBLE_EQ(ADO_Field_NumOrDefault(rs->Fields("Fahrzeiten"), 0).toDouble(), 0.5);
    // The prepared statement is used again with other values.
    ASSERT_TRUE(ADO_GetFromCmd_Recordset(cmd, {2, 201, 204, 16.0}, rs, affected));
    EXPECT_DOUBLE_EQ(ADO_Field_NumOrDefault(rs->Fields("Strecke"), 0).toDouble(), 3.0);
    EXPECT_DOUBLE_EQ(ADO_Field_NumOrDefault(rs->Fields("Fahrzeiten"), 0).toDouble(), 3.0 / 8.0);
}

TEST_F(StoredQuery, MissingQueryOrWrongParametersFailWithoutMessage) {
    ADODB::Command cmd;
    cmd.ActiveConnection = con;
    std::int32_t affected = 0;
    cmd.CommandText = "V_GIBT_ES_NICHT";
    EXPECT_FALSE(ADO_GetFromCmd_Recordset(cmd, {}, rs, affected));
    cmd.CommandText = "V_ROUTENOPTIMIERER_INFO";
    EXPECT_FALSE(ADO_GetFromCmd_Recordset(cmd, {1, 2}, rs, affected));
    ADODB::Command closed;
    closed.CommandText = "V_ROUTENOPTIMIERER_INFO";
    EXPECT_FALSE(ADO_GetFromCmd_Recordset(closed, {1, 2, 3, 4}, rs, affected));
    EXPECT_TRUE(messages.messages().empty());
}

TEST(JetDialect, TranslatesTopDeleteStarAndBooleansOutsideLiterals) {
    EXPECT_EQ(TranslateJetSql("SELECT Top 1 * From Punkte Where BinnenID=1 Order By Nummer desc "),
              "SELECT * From Punkte Where BinnenID=1 Order By Nummer desc LIMIT 1");
    EXPECT_EQ(TranslateJetSql("DELETE * FROM BinRoutenPunkte WHERE RoutenID=4"),
              "DELETE FROM BinRoutenPunkte WHERE RoutenID=4");
    EXPECT_EQ(TranslateJetSql("SELECT * FROM Haefen WHERE Aktiv=true AND Bezeichnung<>'true story'"),
              "SELECT * FROM Haefen WHERE Aktiv=1 AND Bezeichnung<>'true story'");
    EXPECT_EQ(TranslateJetSql("SELECT 'it''s false' WHERE x=FALSE"), "SELECT 'it''s false' WHERE x=0");
}

TEST_F(Recovery, LostConnectionIsReopenedAndTheOpenRetried) {
    ADODB::testing::InjectFailures(*con, 2, olm3::ErrNo::GenericFailure);
    ASSERT_TRUE(ADO_Open_Recordset(con, rs, "Binnen", "*", {}, {}, true));
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_TRUE(con->IsOpen());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Recovery, RetriesAreBoundedAndEndWithTheFailingSql) {
    ADODB::testing::InjectFailures(*con, 100, olm3::ErrNo::GenericFailure);
    EXPECT_FALSE(ADO_Open_RecordsetExt(con, rs, "SELECT * FROM Binnen", true));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "-2147467259: Injected failure\r\nSELECT * FROM Binnen");
    EXPECT_EQ(messages.messages()[0].style & 0x70, vbExclamation);
}

TEST_F(Recovery, OtherErrorsAreShownAtOnce) {
    EXPECT_FALSE(ADO_Open_Recordset(con, rs, "Fehlt", "*", {}, {}, true));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.startsWith("-2147217900: "));
    EXPECT_TRUE(messages.messages()[0].text.endsWith("\r\nSELECT * From Fehlt "));
    ADODB::ConnectionPtr none;
    EXPECT_FALSE(ADO_Open_Recordset(none, rs, "Binnen", "*", {}, {}, true));
    EXPECT_TRUE(messages.messages().back().text.startsWith("3709: "));
}

TEST_F(Recovery, StoredQueryRetriesOnceSilentlyThenReconnectsOnce) {
    ADODB::Command cmd;
    cmd.ActiveConnection = con;
    cmd.CommandText = "V_ROUTENOPTIMIERER_INFO";
    std::int32_t affected = 0;
    using olm3::ErrNo::CommandError, olm3::ErrNo::GenericFailure;
    for (const auto& [n, fehler, gelingt] : {std::tuple{1, CommandError, true}, {2, CommandError, false},
                                             {2, GenericFailure, true}, {3, GenericFailure, false}}) {
        ADODB::testing::InjectFailures(*con, n, fehler);
        EXPECT_EQ(ADO_GetFromCmd_Recordset(cmd, {1, 101, 104, 6.0}, rs, affected), gelingt) << n << fehler;
    }
    EXPECT_TRUE(messages.messages().empty());
}
