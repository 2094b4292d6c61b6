// Choosing the catalogue: the list of the catalogue folder, the current one preselected, and what a choice
// does to the host's settings file and configuration, also when that file cannot be written.

#include "component/frmKatalog.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "support/fakehost.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray kIni = "; Einstellungen des Kartenplotters\r\n"
                        "[Karte]\r\nZoom=3\r\n\r\n"
                        "[Binnen]\r\nKatalogVerzeichnis=kataloge/\r\nBinnenMDB=1_Berlin.sqlite\r\n"
                        "Marschgeschwindigkeit=8\r\n\r\n"
                        "[Andere]\r\nBinnenMDB=bleibt.sqlite\r\n";

/// What a choice hands back: chosen, and whether the catalogue changed.
const std::pair<bool, bool> kGewechselt{true, true}, kBehalten{true, false};

class CatalogueChoice : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = dir.file("kataloge/");
        ASSERT_TRUE(QDir().mkpath(ordner));
        for (const char* name : {"1_Berlin.sqlite", "3_Mecklenburg.sqlite", "alt.mdb", "liesmich.txt"})
            dir.write("kataloge/" + QLatin1String(name), QByteArray());
        ASSERT_TRUE(QDir().mkpath(ordner + "ordner.sqlite"));
        // The second catalogue is a real one, so that the host can open it after the choice.
        olm3test::MakeCatalogueFromFixtures(dir, "kataloge/2_Potsdam.sqlite", {"lockscreen"});
        cfg.katalogVerzeichnis = ordner;
        cfg.katalog = ordner + "1_Berlin.sqlite";
        cfg.iniDatei = dir.write("plotter.ini", kIni);
        ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    }
    void TearDown() override { EXPECT_TRUE(cfg.missingTexts.isEmpty()); }

    /// Runs the choice with a driver that acts on the window as a user would; hands back what the choice
    /// returns and whether it reports a change.
    std::pair<bool, bool> waehle(const std::function<void(frmKatalog*)>& driver) {
        olm3test::ModalScript skript([&](QDialog* dlg) {
            auto* frm = qobject_cast<frmKatalog*>(dlg);
            EXPECT_TRUE(frm);
            if (frm) driver(frm);
        });
        bool blnChange = true;
        const bool gewaehlt = olm.BinnenkatalogWahl(blnChange);
        EXPECT_EQ(skript.aufrufe, 1);
        return {gewaehlt, blnChange};
    }
    static void ok(frmKatalog* frm) { QTest::mouseClick(frm->cmdOk(), Qt::LeftButton); }
    static void waehleZeile(frmKatalog* frm, int row) {
        frm->grid()->setCurrentCell(row, 0);
        ok(frm);
    }

    olm3test::TempDir dir;
    QString ordner;
    olm3test::FakeCfg cfg;
    clsOLM3Binnen olm;
};

} // namespace

TEST_F(CatalogueChoice, ListsTheCataloguesWithTheCurrentOneChosenAndOkCancelOrHidingKeepIt) {
    // 0: Ok on the catalogue already configured; 1: Zurück after another row; 2: the window hidden without Ok
    // or Zurück (a driver, a crashed event loop). Nothing written, nothing changed.
    for (int weg = 0; weg < 3; ++weg) {
        SCOPED_TRACE(weg);
        EXPECT_EQ(waehle([&](frmKatalog* frm) {
                      EXPECT_EQ(olm3test::Spalte(frm->grid(), 0),
                                QStringList({"1_Berlin.sqlite", "2_Potsdam.sqlite", "3_Mecklenburg.sqlite"}));
                      EXPECT_EQ(frm->grid()->currentRow(), 0);
                      if (weg > 0) frm->grid()->setCurrentCell(2, 0);
                      if (weg == 0) ok(frm);
                      if (weg == 1) QTest::mouseClick(frm->cmdCancel(), Qt::LeftButton);
                      if (weg == 2) frm->hide();
                      EXPECT_FALSE(frm->isVisible());
                  }),
                  kBehalten);
        EXPECT_EQ(olm3test::ReadFile(cfg.iniDatei), kIni);
        EXPECT_EQ(cfg.katalog, ordner + "1_Berlin.sqlite");
    }
}

TEST_F(CatalogueChoice, AnotherCatalogueIsWrittenToTheOneKeyAndOpenedByTheNextInit) {
    EXPECT_EQ(waehle([&](frmKatalog* frm) { waehleZeile(frm, 1); }), kGewechselt);
    EXPECT_EQ(olm3test::ReadFile(cfg.iniDatei), QByteArray(kIni).replace("1_Berlin", "2_Potsdam"));
    EXPECT_EQ(cfg.katalog, ordner + "2_Potsdam.sqlite");
    // A double click chooses as well, and a catalogue outside the folder preselects nothing.
    cfg.katalog = dir.file("anderswo.sqlite");
    EXPECT_EQ(waehle([&](frmKatalog* frm) {
                  EXPECT_EQ(frm->grid()->currentRow(), -1);
                  ok(frm);
                  EXPECT_TRUE(frm->isVisible());
                  const QRect zelle = frm->grid()->visualItemRect(frm->grid()->item(2, 0));
                  QTest::mouseClick(frm->grid()->viewport(), Qt::LeftButton, {}, zelle.center());
                  QTest::mouseDClick(frm->grid()->viewport(), Qt::LeftButton, {}, zelle.center());
                  EXPECT_FALSE(frm->isVisible());
              }),
              kGewechselt);
    EXPECT_EQ(cfg.katalog, ordner + "3_Mecklenburg.sqlite");
    EXPECT_EQ(olm3test::ReadFile(cfg.iniDatei), QByteArray(kIni).replace("1_Berlin", "3_Mecklenburg"));
}

TEST_F(CatalogueChoice, ASettingsFileThatCannotBeWrittenIsReportedAndNothingChanges) {
    const QString schreibgeschuetzt = cfg.iniDatei;
    QFile::setPermissions(schreibgeschuetzt,
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // A write-protected file, one in a folder that does not exist, and none named at all.
    const std::pair<QString, QString> faelle[] = {
        {schreibgeschuetzt, "Die Katalogwahl kann nicht in der Einstellungsdatei " +
                                QDir::toNativeSeparators(schreibgeschuetzt)},
        {dir.file("fehlt/plotter.ini"), "Die Katalogwahl kann nicht"},
        {QString(), "Es ist keine Einstellungsdatei angegeben"},
    };
    for (const auto& [datei, anfang] : faelle) {
        SCOPED_TRACE(datei.toStdString());
        olm3test::MessageRecorder meldungen;
        cfg.iniDatei = datei;
        EXPECT_EQ(waehle([&](frmKatalog* frm) { waehleZeile(frm, 1); }), (std::pair{false, false}));
        ASSERT_EQ(meldungen.messages().size(), 1u);
        EXPECT_TRUE(meldungen.messages()[0].text.startsWith(anfang))
            << meldungen.messages()[0].text.toStdString();
        EXPECT_EQ(meldungen.messages()[0].title, cfg.appTitel);
        EXPECT_EQ(cfg.katalog, ordner + "1_Berlin.sqlite");
    }
    EXPECT_EQ(olm3test::ReadFile(schreibgeschuetzt), kIni);
    EXPECT_FALSE(QFile::exists(dir.file("fehlt/plotter.ini")));
    // A settings file that is merely missing is created, as the platform's writer does.
    olm3test::MessageRecorder meldungen;
    cfg.iniDatei = dir.file("neu.ini");
    EXPECT_EQ(waehle([&](frmKatalog* frm) { waehleZeile(frm, 1); }), kGewechselt);
    EXPECT_TRUE(meldungen.messages().empty());
    EXPECT_EQ(olm3test::ReadFile(cfg.iniDatei), QByteArray("[Binnen]\r\nBinnenMDB=2_Potsdam.sqlite\r\n"));
}

TEST_F(CatalogueChoice, AnEmptyFolderListsNothingAndOneThatCannotBeListedIsLogged) {
    QFile::remove(modOLM3Binnen::LogFilePath());
    ASSERT_TRUE(QDir().mkpath(dir.file("leer/")));
    for (const char* name : {"leer/", "gibtsnicht/"}) {
        cfg.katalogVerzeichnis = dir.file(QLatin1String(name));
        EXPECT_EQ(waehle([&](frmKatalog* frm) {
                      EXPECT_EQ(frm->grid()->rowCount(), 0) << name;
                      QTest::mouseClick(frm->cmdCancel(), Qt::LeftButton);
                  }),
                  kBehalten);
    }
    EXPECT_EQ(olm3test::ReadFile(cfg.iniDatei), kIni);
    const QStringList zeilen =
        QString::fromUtf8(olm3test::ReadFile(modOLM3Binnen::LogFilePath())).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 1);
    const QStringList felder = zeilen[0].split(QLatin1Char('\t'));
    ASSERT_EQ(felder.size(), 4);
    EXPECT_EQ(felder.mid(1, 2), (QStringList{"frmKatalog.FillGrid", "76"}));
}
