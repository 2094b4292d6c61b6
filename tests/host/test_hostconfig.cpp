// The host's configuration: first start, the bundled catalogues, a settings file the user edited or broke.

#include "hostconfig.h"
#include "hosttexts.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

using namespace olm3host;

namespace {

class HostConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        // What the build bundles: a numbered catalogue and the test catalogue, which is no user's.
        QDir().mkpath(mitgeliefert.path());
        olm3test::MakeCatalogueFromFixtures(mitgeliefert, "7_Testrevier.sqlite", {"mini"});
        olm3test::MakeCatalogueFromFixtures(mitgeliefert, "test.sqlite", {"mini"});
    }
    HostPfade pfade() const { return HostPfade::Unter(profil.path()); }
    /// The one message of this text about this path.
    static QStringList gemeldet(std::int32_t text, const QString& pfad) {
        return {HostText(text).arg(QDir::toNativeSeparators(pfad))};
    }

    olm3test::TempDir profil;
    olm3test::TempDir mitgeliefert;
};

} // namespace

TEST_F(HostConfigTest, FirstStartWritesDefaultsAndInstallsTheBundledCatalogues) {
    HostConfig cfg(pfade(), {mitgeliefert.path()});
    cfg.Start();
    EXPECT_TRUE(cfg.Meldungen().isEmpty()) << cfg.Meldungen().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(KatalogDateien(pfade().KatalogVerzeichnis()), QStringList{"7_Testrevier.sqlite"});
    // The usual catalogue is not among them, so the first installed one is chosen.
    EXPECT_EQ(cfg.GetBinnenKatalog(), pfade().KatalogVerzeichnis() + "7_Testrevier.sqlite");
    EXPECT_EQ(std::tuple(cfg.IsBinnenKatalog(), cfg.GetMarschgeschwindigkeit(), cfg.GetBerichtWert(),
                         cfg.GetToolTipsAn(), cfg.IsSchiffsparameterGesetzt()),
              std::tuple(true, 8.0, 6.0, true, true));
    EXPECT_EQ(cfg.GetDatenVerzeichnis(), pfade().strDatenVerzeichnis);
    EXPECT_EQ(cfg.GetIniDatei(), pfade().strIniDatei);
    QSettings ini(pfade().strIniDatei, QSettings::IniFormat);
    EXPECT_EQ(ini.value("Binnen/BinnenMDB").toString(), "7_Testrevier.sqlite");
    EXPECT_EQ(ini.value("Binnen/Marschgeschwindigkeit").toDouble(), 8.0);
    EXPECT_EQ(ini.value("Binnen/Verbrauch").toDouble(), 6.0);
    // A second start reads what the first one wrote and installs nothing twice.
    HostConfig wieder(pfade(), {mitgeliefert.path()});
    wieder.Start();
    EXPECT_TRUE(wieder.Meldungen().isEmpty());
    EXPECT_EQ(wieder.GetBinnenKatalog(), cfg.GetBinnenKatalog());
}

TEST_F(HostConfigTest, TheUsersSettingsAreKeptAndTheSpeedIsWrittenBack) {
    const QByteArray eigen = "; meine Einstellungen\r\n[Fenster]\r\nBreite=1200\r\n[Binnen]\r\n"
                             "Marschgeschwindigkeit=5.5\r\nVerbrauch=3\r\nToolTips=0\r\n";
    olm3test::WriteFile(pfade().strIniDatei, eigen);
    HostConfig cfg(pfade(), {mitgeliefert.path()});
    cfg.Start();
    EXPECT_EQ(std::tuple(cfg.GetMarschgeschwindigkeit(), cfg.GetBerichtWert(), cfg.GetToolTipsAn()),
              std::tuple(5.5, 3.0, false));
    // Keys the user removed take their defaults.
    EXPECT_EQ(cfg.GetKatalogVerzeichnis(), pfade().KatalogVerzeichnis());
    olm3test::MessageRecorder meldungen;
    cfg.SetMarschgeschwindigkeit(9.5);
    EXPECT_TRUE(meldungen.messages().empty());
    const QByteArray danach = olm3test::ReadFile(pfade().strIniDatei);
    for (const char* teil : {"Marschgeschwindigkeit=9.5", "; meine Einstellungen", "Breite=1200"})
        EXPECT_TRUE(danach.contains(teil)) << teil;
}

TEST_F(HostConfigTest, ABrokenSettingsFileIsToldLeftAloneAndDefaultsApply) {
    for (const QByteArray& kaputt : {QByteArray("[Binnen\r\nBinnenMDB=x.sqlite\r\n"),
                                     QByteArray("\x01\x02\x00\xff\xfe Datenmüll", 16)}) {
        olm3test::WriteFile(pfade().strIniDatei, kaputt);
        HostConfig cfg(pfade(), {mitgeliefert.path()});
        cfg.Start();
        EXPECT_EQ(cfg.Meldungen(), gemeldet(txt::IniBeschaedigt, pfade().strIniDatei));
        EXPECT_TRUE(cfg.IniUnbrauchbar());
        // Nobody, the component's catalogue choice included, writes into it.
        EXPECT_TRUE(cfg.GetIniDatei().isEmpty());
        EXPECT_DOUBLE_EQ(cfg.GetMarschgeschwindigkeit(), 8.0);
        // The default catalogue folder still gets the bundled catalogues, so the program is usable.
        EXPECT_FALSE(KatalogDateien(cfg.GetKatalogVerzeichnis()).isEmpty());
        olm3test::MessageRecorder meldungen;
        cfg.SetMarschgeschwindigkeit(10);
        cfg.SetSchiffsparameter(10, 4);
        EXPECT_TRUE(meldungen.messages().empty());
        EXPECT_EQ(olm3test::ReadFile(pfade().strIniDatei), kaputt);
        EXPECT_DOUBLE_EQ(cfg.GetBerichtWert(), 4.0);
    }
}

TEST_F(HostConfigTest, ACatalogueFolderWithoutCataloguesIsToldAndAFolderOfTheUsersIsNotFilled) {
    // Nothing bundled and nothing installed.
    HostConfig leer(pfade(), {});
    leer.Start();
    EXPECT_EQ(leer.Meldungen(), gemeldet(txt::KeineKataloge, pfade().KatalogVerzeichnis()));
    olm3test::TempDir eigener;
    olm3test::WriteFile(pfade().strIniDatei, "[Binnen]\nKatalogVerzeichnis=" + eigener.path().toUtf8() + "\n");
    HostConfig cfg(pfade(), {mitgeliefert.path()});
    cfg.Start();
    EXPECT_TRUE(KatalogDateien(eigener.path()).isEmpty());
    ASSERT_EQ(cfg.Meldungen().size(), 1);
    EXPECT_TRUE(cfg.Meldungen().front().contains(QDir::toNativeSeparators(eigener.path())));
}

TEST_F(HostConfigTest, UnwritableSettingsAreToldOnceAndTheProgramRunsOnDefaults) {
    // The config folder is a file: nothing can be created there.
    olm3test::WriteFile(profil.file("config"), "kein Ordner");
    HostConfig cfg(pfade(), {mitgeliefert.path()});
    cfg.Start();
    EXPECT_EQ(cfg.Meldungen(), gemeldet(txt::IniSchreiben, pfade().strIniDatei));
    EXPECT_TRUE(cfg.IsBinnenKatalog());
    EXPECT_DOUBLE_EQ(cfg.GetMarschgeschwindigkeit(), 8.0);
    olm3test::MessageRecorder meldungen;
    cfg.SetMarschgeschwindigkeit(7);
    ASSERT_EQ(meldungen.messages().size(), 1u);
    EXPECT_DOUBLE_EQ(cfg.GetMarschgeschwindigkeit(), 7.0);
}

TEST_F(HostConfigTest, TheLanguageComesFromTheSettingsOrElseFromTheLocale) {
    const std::pair<const char*, olm3::Sprache> faelle[] = {
        {"Sprache=en\n", olm3::Sprache::En}, {"Sprache= DE \n", olm3::Sprache::De},
        {"Sprache=fr\n", olm3::SpracheAusUmgebung()}, {"", olm3::SpracheAusUmgebung()}};
    for (const auto& [zeile, sprache] : faelle) {
        olm3test::WriteFile(pfade().strIniDatei, QByteArray("[Binnen]\n") + zeile);
        HostConfig cfg(pfade(), {mitgeliefert.path()});
        cfg.Start();
        EXPECT_EQ(cfg.Sprache(), sprache) << zeile;
    }
}
