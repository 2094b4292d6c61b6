// Pause, log file, path splitting, settings-file writing and the text conversions of field values.

#include "data/modOLM3Binnen.h"
#include "support/fixtures.h"

#include <QElapsedTimer>
#include <unistd.h>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

using namespace modOLM3Binnen;

namespace {
QString readAll(const QString& path) { return QString::fromUtf8(olm3test::ReadFile(path)); }
} // namespace

TEST(SplitPath, FolderNameAndExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Kataloge\\12_Berlin.mdb", "C:\\Kataloge|12_Berlin|mdb"}, {"Katalog", "|Katalog|"},
        {"/home/k/1_Sample.sqlite", "/home/k|1_Sample|sqlite"}, {"D:Katalog.mdb", "D|Katalog|mdb"},
        {"/a.b/c", "|a|b/c"}};
    for (const auto& [path, teile] : cases) {
        QString folder, name, ext;
        SplitPath(QString::fromUtf8(path), folder, name, ext);
        EXPECT_EQ(QStringList({folder, name, ext}).join(QLatin1Char('|')), QString::fromUtf8(teile)) << path;
    }
}

TEST(ImOrdner, OneSeparatorBetweenFolderAndName) {
    EXPECT_EQ(ImOrdner("/daten", "UXABilder"), "/daten/UXABilder");
    EXPECT_EQ(ImOrdner("/daten/", "a.png"), "/daten/a.png");
    EXPECT_EQ(ImOrdner("C:\\Kataloge\\", "1_B.sqlite"), "C:\\Kataloge\\1_B.sqlite");
    EXPECT_EQ(ImOrdner(QString(), "UXABilder"), "UXABilder");
}

TEST(WriteIniString, ChangesOnlyItsKeyAndKeepsEverythingElse) {
    olm3test::TempDir dir;
    const QString ini = dir.write("host.ini", "; Einstellungen\r\n[Karte]\r\nZoom=3\r\n\r\n[Binnen]\r\n; Katalog\r\nbinnenmdb=alt.mdb\r\n"
                  "Marschgeschwindigkeit=8\r\n\r\n[Ende]\r\nx=1\r\n");
    ASSERT_TRUE(WriteIniString(ini, "Binnen", "BinnenMDB", "2_Neu.sqlite"));
    EXPECT_EQ(readAll(ini), QStringLiteral("; Einstellungen\r\n[Karte]\r\nZoom=3\r\n\r\n[Binnen]\r\n; Katalog\r\n"
                                           "BinnenMDB=2_Neu.sqlite\r\nMarschgeschwindigkeit=8\r\n\r\n[Ende]\r\nx=1\r\n"));
    ASSERT_TRUE(WriteIniString(ini, "Karte", "Farbe", "blau"));
    EXPECT_TRUE(readAll(ini).contains("[Karte]\r\nZoom=3\r\nFarbe=blau\r\n\r\n[Binnen]"));
    const QString fresh = dir.file("neu.ini");
    ASSERT_TRUE(WriteIniString(fresh, "Binnen", "BinnenMDB", "a.sqlite"));
    EXPECT_EQ(readAll(fresh), "[Binnen]\r\nBinnenMDB=a.sqlite\r\n");
}

TEST(WriteIniString, ANonWritableFileIsLeftUntouched) {
    olm3test::TempDir dir;
    const QString ini = dir.write("host.ini", "[Binnen]\nBinnenMDB=alt.mdb\n");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(ini, QFileDevice::ReadOwner);
    const bool written = WriteIniString(ini, "Binnen", "BinnenMDB", "neu");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (geteuid() != 0) { // root may write anyway
        EXPECT_FALSE(written);
        EXPECT_EQ(readAll(ini), "[Binnen]\nBinnenMDB=alt.mdb\n");
    }
}

TEST(Log, OneLineOfFourTabSeparatedFields) {
    QFile::remove(LogFilePath());
    WriteLogEntry("frmKatalog.FillGrid", 5, "Ungültiger Prozeduraufruf");
    const QString text = readAll(LogFilePath());
    ASSERT_TRUE(text.endsWith("\r\n"));
    QStringList fields = text.chopped(2).split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 4);
    EXPECT_TRUE(QDateTime::fromString(fields.takeFirst(), "dd.MM.yy HH:mm:ss").isValid())
        << text.toStdString();
    EXPECT_EQ(fields, (QStringList{"frmKatalog.FillGrid", "5", "Ungültiger Prozeduraufruf"}));
}

TEST(Pause, ProcessesEventsAndANestedPauseOfTheSameNameReturnsAtOnce) {
    QElapsedTimer t;
    t.start();
    WaitMilliseconds(0, "Null");
    EXPECT_LT(t.elapsed(), 50);
    bool fired = false;
    qint64 innerMs = -1;
    QTimer::singleShot(5, [&] {
        fired = true;
        QElapsedTimer inner;
        inner.start();
        WaitMilliseconds(1000, "Gleich"); // the outer pause of this name is running
        innerMs = inner.elapsed();
    });
    WaitMilliseconds(60, "Gleich");
    EXPECT_TRUE(fired);
    EXPECT_GE(innerMs, 0);
    EXPECT_LT(innerMs, 500);
}

TEST(Conversions, FieldTextsToNumbersBooleansAndDates) {
    EXPECT_TRUE(IsNumeric("2,5"));
    EXPECT_DOUBLE_EQ(CDbl("2,5"), 2.5);
    EXPECT_DOUBLE_EQ(CDbl("-13.25"), -13.25);
    EXPECT_FALSE(IsNumeric(QString()));
    EXPECT_FALSE(IsNumeric("NB"));
    EXPECT_THROW(CDbl("NB"), olm3::RuntimeError);
    EXPECT_EQ(CLng("42"), 42);
    EXPECT_TRUE(CBool("-1"));
    EXPECT_TRUE(CBool("True"));
    EXPECT_FALSE(CBool("0"));
    EXPECT_FALSE(CBool(QString()));
    EXPECT_EQ(CDate("2008-06-01 08:30:00"), olm3::MakeDatum(QDate(2008, 6, 1), QTime(8, 30)));
    EXPECT_EQ(CDate("2008-06-01"), olm3::MakeDatum(QDate(2008, 6, 1)));
    EXPECT_EQ(CDate("06:00"), olm3::MakeDatum(QDate(1899, 12, 30), QTime(6, 0)));
    EXPECT_EQ(CDate("01.06.2008"), olm3::MakeDatum(QDate(2008, 6, 1)));
    EXPECT_THROW(CDate("25:99"), olm3::RuntimeError);
    EXPECT_EQ(MinValue(3, 2), 2);
    EXPECT_DOUBLE_EQ(olm3::DatumToDouble(olm3::MakeDatum(QDate(1900, 1, 1), QTime(12, 0))), 2.5);
    EXPECT_EQ(olm3::DoubleToDatum(39600.75), olm3::MakeDatum(QDate(2008, 6, 1), QTime(18, 0)));
}
