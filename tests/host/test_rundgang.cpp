// The headless tour, run as the program itself: it must plan, optimise, print, browse, open every detail
// view, change the catalogue and photograph on the bundled sample catalogue, and it picks its route from
// names and types, not from fixed ids.

#include "rundgang.h"
#include "support/fixtures.h"
#include "support/gpxschema.h"

#include "data/modOLM3Binnen.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace olm3host;

namespace {

/// Starts the program's tour with these further arguments; what it says comes on one channel.
void StarteTour(QProcess& host, const QStringList& argumente) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A display in the test's environment must not turn the tour into the interactive program.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    host.setProcessEnvironment(env);
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(QStringLiteral(OLM3_HOST_APP), QStringList{QStringLiteral("--tour")} + argumente);
}

} // namespace

TEST(Rundgang, TheProgramPlansOptimisesPrintsAndPhotographsEveryWindow) {
    olm3test::TempDir dir;
    const QString ausgabe = dir.file(QStringLiteral("tour"));
    QProcess host;
    StarteTour(host, {QStringLiteral("--out"), ausgabe});
    ASSERT_TRUE(host.waitForFinished(600000));
    const QString ausgabeText = QString::fromUtf8(host.readAll());
    ASSERT_EQ(host.exitStatus(), QProcess::NormalExit) << ausgabeText.toStdString();
    ASSERT_EQ(host.exitCode(), 0) << ausgabeText.toStdString();
    // The boat: one bridge stops it on the short way, the search goes round it.
    EXPECT_TRUE(ausgabeText.contains(QStringLiteral("Admiralbrücke"))) << ausgabeText.toStdString();
    EXPECT_TRUE(ausgabeText.trimmed().endsWith(ausgabe)) << ausgabeText.toStdString();
    for (const char* name : {"karte.png", "karte-berlin.png", "karte-punktwahl.png", "planung-0-punkte.png",
                             "planung-5-punkte.png", "status.png", "karte-route.png", "bericht.png",
                             "browser-route.png", "browser-tagesetappen.png", "browser-punkte.png", "browser-gewaesser.png",
                             "browser-suche.png", "umkreissuche-dialog.png", "browser-umkreissuche-laeuft.png",
                             "browser-umkreissuche.png", "karte-zur-karte.png", "detail-frmSchleusen.png",
                             "detail-frmHaefen.png", "detail-frmTankstellen.png", "detail-frmBruecken.png",
                             "detail-frmLiegestellen.png", "detail-frmWehre.png", "fenster-frmSchleusenBZ.png",
                             "fenster-frmBild.png", "fenster-frmInfoText.png", "katalog.png",
                             "karte-katalog.png", "boot-planung.png", "boot-profil.png", "karte-boot-warnung.png",
                             "boot-warnung.png", "karte-boot-umweg.png", "boot-umweg.png"}) {
        const QImage bild(dir.file(QStringLiteral("tour/") + QLatin1String(name)));
        EXPECT_FALSE(bild.isNull()) << name;
        EXPECT_GT(bild.width(), 200) << name;
    }
    const QByteArray inhalt = olm3test::ReadFile(dir.file(QStringLiteral("tour/bericht.pdf")));
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(inhalt).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
    // The route printed by the browser, from the host's print action.
    EXPECT_TRUE(olm3test::ReadFile(dir.file(QStringLiteral("tour/route.pdf"))).startsWith("%PDF"));
    // The timed route as GPX from the host's menu.
    olm3test::ExpectGpxSchemaValid(dir.file(QStringLiteral("tour/route.gpx")));
}

TEST(Rundgang, WithoutItsLandmarksTheTourTakesLocksAndHarboursOnTwoWaterwaysTowardsAJunction) {
    olm3test::TempDir dir;
    const auto con = olm3test::OpenDatabase(olm3test::MakeCatalogueFromFixtures(dir, "1_T.sqlite", {"mini"}));
    KartenDaten daten;
    QString fehler;
    ASSERT_TRUE(LadeKartenDaten(con, daten, fehler));
    // The test catalogue has only four locks and harbours: too few for the tour.
    EXPECT_TRUE(RundgangPunkte(daten).empty());
    // With more of them the tour runs down the river to the junction and up the canal.
    auto neu = [&daten](std::int32_t id, QChar typ, int gewaesser, int index) {
        const auto& g = daten.gewaesser[static_cast<size_t>(gewaesser)];
        daten.objekte.push_back(
            {id, typ, g.lage[static_cast<size_t>(index)], QStringLiteral("X"), gewaesser, index});
    };
    neu(101, QLatin1Char('H'), 0, 0);
    neu(103, QLatin1Char('S'), 0, 2);
    neu(203, QLatin1Char('H'), 1, 2);
    const std::vector<KartenObjekt> punkte = RundgangPunkte(daten);
    std::vector<std::int32_t> ids;
    for (const auto& p : punkte) ids.push_back(p.lngPunkteID);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{101, 103, 104, 202, 203}));
}

// The tour once in English: what it says and what it prints carries no German word of the text table.
// Names and notes from the catalogue stay as they are: words of its own vocabulary ("Schleuse", part of
// "Schleuse Charlottenburg") and of its notes are left out of the check.
TEST(Rundgang, InEnglishNoGermanWordOfTheTextTableIsPrinted) {
    olm3test::TempDir dir;
    const QString ausgabe = dir.file(QStringLiteral("tour"));
    QProcess host;
    StarteTour(host, {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--out"), ausgabe});
    ASSERT_TRUE(host.waitForFinished(600000));
    QString gesagt = QString::fromUtf8(host.readAll());
    ASSERT_EQ(host.exitCode(), 0) << gesagt.toStdString();
    EXPECT_TRUE(gesagt.contains(QStringLiteral("Output in "))) << gesagt.toStdString();
    gesagt.remove(QRegularExpression(QStringLiteral("\\S+\\.png"))); // file names are no words
    auto pdfText = [&](const char* name) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {dir.file(QStringLiteral("tour/") + QLatin1String(name)), QStringLiteral("-")});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString bericht = pdfText("bericht.pdf");
    const QString route = pdfText("route.pdf");
    EXPECT_TRUE(bericht.contains(QStringLiteral("Travel time"))) << bericht.toStdString();
    EXPECT_TRUE(route.contains(QStringLiteral("Waterway"))) << route.toStdString();
    // The notes of the bundled catalogue, as the tour installed it in its profile.
    QString katalog;
    const auto con =
        olm3test::OpenDatabase(ausgabe + "/profil/data/OLM3Binnen/Kataloge/1_Berlin-Brandenburg.sqlite");
    ADODB::RecordsetPtr rs;
    ASSERT_TRUE(modOLM3Binnen::ADO_Open_RecordsetExt(con, rs, QStringLiteral("SELECT Wert FROM Katalog"), true));
    for (; !rs->Eof(); rs->MoveNext()) katalog += rs->Fields(0).Value.toString() + QLatin1Char(' ');
    ASSERT_FALSE(katalog.isEmpty());
    // Every single German word of the table that its English text does not use.
    QStringList deutsch;
    static const QRegularExpression einWort(QStringLiteral("^\\p{L}{5,}$"));
    const QByteArray tabelle = olm3test::ReadFile(QStringLiteral(OLM3_SOURCE_DIR "/texts/texts.tsv"));
    for (const QString& zeile : QString::fromUtf8(tabelle).split(QLatin1Char('\n'))) {
        const QStringList c = zeile.split(QLatin1Char('\t'));
        if (c.size() < 4 || c[1] == QLatin1String("Katalog")) continue;
        const QString wort = QString(c[2]).remove(QLatin1Char('&')).trimmed();
        if (einWort.match(wort).hasMatch() && !c[3].contains(wort) && !katalog.contains(wort)) deutsch << wort;
    }
    ASSERT_GT(deutsch.size(), 20);
    for (const QString& wort : deutsch) {
        const QRegularExpression ganz(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(wort)),
                                      QRegularExpression::UseUnicodePropertiesOption);
        EXPECT_FALSE(ganz.match(gesagt + bericht + route).hasMatch()) << "German word: " << wort.toStdString();
    }
}
