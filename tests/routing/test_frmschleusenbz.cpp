// The lock operating-hours window as the browser and the lock's detail view open it: the weekday table
// with its seasons, merged rows and special-rule marks, the holiday table, the emphasis of the date
// given, and a clear answer when there is nothing to show.

#include "browser/detailaktion.h"
#include "data/modOLM3Binnen.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/frmSchleusenBZ.h"
#include "support/fakehost.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"
#include "ui/testpictures.h"
#include "ui/ucOLMButton.h"

#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

class LockHoursWindow : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.bilder.insert(609, olm3test::SymbolBild(olm3test::Symbol::Pfeil, QColor(0x1F, 0x4E, 0x79)));
        cfg.katalog = olm3test::MakeCatalogueFromFixtures(dir, "1_Schleusen.sqlite", {"lockscreen"});
        ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
        ASSERT_TRUE(modOLM3Binnen::IsKatalogOffen());
    }
    void TearDown() override {
        EXPECT_TRUE(cfg.missingTexts.isEmpty()) << cfg.missingTexts.values().join(' ').toStdString();
    }

    static QString text(const QTableWidget* grd, int r, int c) {
        const QTableWidgetItem* item = grd->item(r, c);
        return item ? item->text() : QString();
    }
    static bool fett(const QTableWidget* grd, int r, int c) { return grd->item(r, c)->font().bold(); }
    static bool kursiv(const QTableWidget* grd, int r, int c) { return grd->item(r, c)->font().italic(); }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    clsOLM3Binnen olm;
};

} // namespace

TEST_F(LockHoursWindow, SeasonsSecondWindowsSpecialRulesAndALockWithoutThem) {
    frmSchleusenBZ frm;
    ASSERT_TRUE(frm.Init(40, olm3::DatumNull()));
    QTableWidget* wt = frm.grdWT();
    ASSERT_EQ(wt->columnCount(), 4); // weekday, day, two seasons
    ASSERT_EQ(wt->rowCount(), 9);    // headings, two Monday rows, Tuesday to Sunday
    EXPECT_EQ(text(wt, 0, 3), "01.11 - 31.03");
    // Two windows on Monday in summer: two rows under one weekday, the single winter window once. The
    // cells' texts are the screen content's, tested without the window.
    EXPECT_EQ(text(wt, 2, 2), "13:00 - 20:00");
    EXPECT_EQ((std::vector<int>{wt->rowSpan(1, 0), wt->rowSpan(1, 1), wt->rowSpan(1, 2), wt->rowSpan(1, 3),
                                wt->rowSpan(3, 0)}),
              (std::vector<int>{2, 2, 1, 2, 1}));
    // Without a date no weekday stands out.
    for (int r = 0; r < wt->rowCount(); ++r)
        EXPECT_FALSE(fett(wt, r, 0)) << r;
    EXPECT_FALSE(frm.lblSR()->isHidden());
    EXPECT_TRUE(frm.lblSR()->text().startsWith("Sportboote werden nur"));
    // The special-rule cell carries its yellow bar on the left, the plain cell beside it none.
    frm.show();
    const QImage bild = wt->viewport()->grab().toImage();
    const QRect fr = wt->visualRect(wt->model()->index(6, 2));
    const QRect di = wt->visualRect(wt->model()->index(2 + 1, 2));
    EXPECT_EQ(bild.pixelColor(fr.left() + 3, fr.center().y()), QColor(255, 255, 0));
    EXPECT_NE(bild.pixelColor(di.left() + 3, di.center().y()), QColor(255, 255, 0));
    EXPECT_NE(bild.pixelColor(fr.left() + fr.width() * 35 / 100, fr.top() + 2), QColor(255, 255, 0));
    // The same window on a lock without special rule or holiday rules.
    ASSERT_TRUE(frm.Init(41, olm3::MakeDatum(QDate(2010, 4, 2))));
    EXPECT_EQ(std::tuple(frm.lblSR()->isHidden(), wt->columnCount(), text(wt, 0, 2), frm.grdFT()->isHidden()),
              std::tuple(true, 3, QString("01.01 - 31.12"), true));
    // The window keeps its minimum size.
    frm.resize(200, 100);
    EXPECT_GE(frm.width(), 500);
    EXPECT_GE(frm.height(), 250);
    EXPECT_LE(wt->geometry().bottom(), frm.pbBack()->y());
}

TEST_F(LockHoursWindow, GoodFridayIsEmphasisedAndTheHolidaysDatedThroughTheBrowser) {
    olm3test::ModalScript fenster([&](QDialog* dlg) {
        auto* frm = qobject_cast<frmSchleusenBZ*>(dlg);
        ASSERT_TRUE(frm);
        QTableWidget* wt = frm->grdWT();
        for (int r = 1; r < wt->rowCount(); ++r)
            EXPECT_EQ(fett(wt, r, 0), text(wt, r, 1) == "Fr") << r;
        EXPECT_TRUE(fett(wt, 6, 2));
        // The rules as the catalogue holds them; their joining and expansion are tested without the window.
        QTableWidget* ft = frm->grdFT();
        ASSERT_EQ(ft->rowCount(), 11);
        EXPECT_EQ(text(ft, 0, 0), "Ostern (Karfreitag bis Ostermontag) (02.04.2010)");
        // Good Friday's row bold and the next not, a joined row, the separator's span, a rest rule italic.
        EXPECT_EQ(std::tuple(fett(ft, 0, 0), fett(ft, 0, 1), fett(ft, 1, 0), ft->rowSpan(2, 0),
                             ft->columnSpan(5, 0), kursiv(ft, 6, 1), kursiv(ft, 2, 1)),
                  std::tuple(true, true, false, 2, 3, true, false));
        // Everything fits: both tables above the button.
        EXPECT_LE(frm->grdFT()->geometry().bottom(), frm->pbBack()->y());
        EXPECT_LE(frm->lblSR()->geometry().bottom(), frm->grdWT()->y());
        frm->grab().save(QStringLiteral(OLM3_TEST_OUTPUT "/frmSchleusenBZ.png"));
        olm3test::Klick(frm->pbBack());
        EXPECT_FALSE(dlg->isVisible());
    });
    olm3test::MessageRecorder meldungen;
    EXPECT_TRUE(olm3browser::OeffneSchleusenBZ(nullptr, 40, olm3test::At(2010, 4, 2, 14, 10)));
    EXPECT_EQ(fenster.aufrufe, 1);
    EXPECT_TRUE(meldungen.messages().empty());
}

TEST_F(LockHoursWindow, NothingToShowIsSaidInsteadOfAnEmptyWindow) {
    olm3test::ModalScript fenster([](QDialog*) {});
    olm3test::MessageRecorder meldungen;
    auto gezeigt = [&meldungen] {
        QStringList s;
        for (const auto& m : meldungen.messages())
            s << m.title + ": " + m.text;
        return s;
    };
    // A lock without any operating hours.
    EXPECT_FALSE(olm3browser::OeffneSchleusenBZ(nullptr, 42, QDateTime()));
    EXPECT_EQ(gezeigt(), QStringList{"Betriebszeiten: Für diese Schleuse sind im Katalog keine "
                                     "Betriebszeiten hinterlegt."});
    // Catalogues whose holiday rules cannot be read: the view is missing, or it lacks columns.
    const QString kNichtLesbar =
        "Betriebszeiten: Die Betriebszeiten dieser Schleuse können nicht aus dem Katalog gelesen werden.";
    olm3test::FakeCfg kaputt;
    int n = 0;
    for (const char* sql :
         {"DROP VIEW V_SBZ_FT;",
          "DROP VIEW V_SBZ_FT; CREATE VIEW V_SBZ_FT AS SELECT SchleusenID, FeiertageID, 1 AS "
          "FeiertageNr, 1 AS WochentageNr, UhrzeitVon FROM SBZ_Feiertage;"}) {
        meldungen.clear();
        kaputt.katalog =
            olm3test::MakeCatalogue(dir, QStringLiteral("kaputt%1.sqlite").arg(++n),
                                    {olm3test::FixtureSql("lockscreen"), QString::fromLatin1(sql)});
        ASSERT_TRUE(olm.Init(&kaputt, nullptr, nullptr));
        EXPECT_FALSE(olm3browser::OeffneSchleusenBZ(nullptr, 40, QDateTime()));
        // The database layer names what failed, and the browser's call then says what it means.
        ASSERT_EQ(meldungen.messages().size(), 2u) << sql;
        EXPECT_EQ(gezeigt().back(), kNichtLesbar) << sql;
    }
    // No catalogue open at all.
    meldungen.clear();
    olm3test::FakeCfg ohne;
    ASSERT_TRUE(olm.Init(&ohne, nullptr, nullptr));
    EXPECT_FALSE(olm3browser::OeffneSchleusenBZ(nullptr, 40, QDateTime()));
    EXPECT_EQ(gezeigt(), QStringList{kNichtLesbar});
    EXPECT_EQ(fenster.aufrufe, 0);
    modOLM3Binnen::objOLM3Cfg = &cfg;
}
