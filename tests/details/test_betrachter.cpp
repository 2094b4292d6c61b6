// The picture viewer fitted to the screen (centred, scroll bars by the hidden extent, empty for a missing
// or broken file) and the text viewer.

#include "data/modOLM3Binnen.h"
#include "details/frmBild.h"
#include "details/frmInfoText.h"
#include "support/fakehost.h"
#include "support/fakeservices.h"
#include "support/fixtures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PictureViewer : public ::testing::Test {
protected:
    void SetUp() override {
        modOLM3Binnen::objOLM3Cfg = &cfg;
        modOLM3Binnen::objOLM3TGF = &lader;
        const QScreen* s = QGuiApplication::primaryScreen();
        ASSERT_TRUE(s);
        schirm = s->availableGeometry().size();
    }
    void TearDown() override {
        modOLM3Binnen::objOLM3Cfg = nullptr;
        modOLM3Binnen::objOLM3TGF = nullptr;
    }

    /// A picture file of the given size in the test folder, filled with one colour.
    QString bild(const QString& name, QSize groesse) {
        QPixmap pm(groesse);
        pm.fill(QColor(30, 120, 200));
        const QString pfad = dir.file(name);
        EXPECT_TRUE(pm.save(pfad, "PNG"));
        return pfad;
    }

    /// Which of picture, horizontal bar, vertical bar and corner filler are hidden.
    static std::vector<bool> verborgen(const frmBild& frm) {
        return {frm.picBild()->isHidden(), frm.HScroll()->isHidden(), frm.VScroll()->isHidden(),
                frm.pbLeer()->isHidden()};
    }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    olm3test::DateiLader lader;
    QSize schirm;
};

} // namespace

TEST_F(PictureViewer, ASmallPictureGetsItsSizePlusTheMarginsCentredWithoutBars) {
    bild(QStringLiteral("klein.png"), QSize(200, 100));
    frmBild frm;
    ASSERT_TRUE(frm.Init(QStringLiteral("Stadthafen"), QStringLiteral("klein.png"), dir.path()));
    EXPECT_EQ(lader.pfade, QStringList{dir.path() + QStringLiteral("/klein.png")});
    frm.show();
    // The margins hold the window's frame; what is left of them lies evenly round the picture.
    EXPECT_EQ(frm.frameGeometry().size(), QSize(200 + frmBild::kRandBreite, 100 + frmBild::kRandHoehe));
    EXPECT_EQ(frm.picBild()->geometry(),
              QRect(QPoint((frm.width() - 200) / 2, (frm.height() - 100) / 2), QSize(200, 100)));
    EXPECT_EQ(verborgen(frm), (std::vector<bool>{false, true, true, true}));
    // A double-click on the picture closes the window.
    QTest::mouseDClick(frm.picBild(), Qt::LeftButton);
    EXPECT_FALSE(frm.isVisible());
}

TEST_F(PictureViewer, AWidePictureScrollsByItsHiddenWidthInAWindowNarrowerThanTheScreen) {
    const int breite = schirm.width() + 300;
    bild(QStringLiteral("breit.png"), QSize(breite, 80));
    frmBild frm;
    ASSERT_TRUE(frm.Init(QStringLiteral("Plan"), QStringLiteral("breit.png"), dir.path() + QLatin1Char('/')));
    frm.show();
    EXPECT_EQ(frm.frameGeometry().width(), schirm.width() - frmBild::kBildschirmRand);
    EXPECT_EQ(frm.frameGeometry().height(), 80 + frmBild::kRandHoehe);
    EXPECT_EQ(verborgen(frm), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(frm.HScroll()->value(), 0);
    EXPECT_EQ(frm.HScroll()->maximum(), breite - frm.width());
    EXPECT_EQ(frm.HScroll()->geometry().bottom(), frm.height() - 1);
    EXPECT_EQ(frm.picBild()->x(), 0);
    // The picture stays clear of the bar.
    EXPECT_LE(frm.picBild()->geometry().bottom(), frm.HScroll()->y());
    frm.HScroll()->setValue(frm.HScroll()->maximum());
    EXPECT_EQ(frm.picBild()->x(), -(breite - frm.width()));
    EXPECT_EQ(frm.picBild()->geometry().right(), frm.width() - 1);
}

TEST_F(PictureViewer, APictureLargerBothWaysGetsBothBarsAndTheCornerFilled) {
    bild(QStringLiteral("gross.png"), schirm + QSize(200, 150));
    frmBild frm;
    ASSERT_TRUE(frm.Init(QStringLiteral("Karte"), QStringLiteral("gross.png"), dir.path()));
    frm.show();
    EXPECT_EQ(frm.frameGeometry().size(), schirm - QSize(frmBild::kBildschirmRand, frmBild::kBildschirmRand));
    EXPECT_EQ(verborgen(frm), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(frm.VScroll()->maximum(), schirm.height() + 150 - (frm.height() - frm.HScroll()->height()));
    EXPECT_EQ(frm.HScroll()->maximum(), schirm.width() + 200 - (frm.width() - frm.VScroll()->width()));
    EXPECT_EQ(frm.pbLeer()->geometry(),
              QRect(frm.HScroll()->geometry().right() + 1, frm.VScroll()->geometry().bottom() + 1,
                    frm.VScroll()->width(), frm.HScroll()->height()));
    frm.VScroll()->setValue(40);
    EXPECT_EQ(frm.picBild()->y(), -40);
}

TEST_F(PictureViewer, AMissingOrBrokenFileLeavesTheWindowEmpty) {
    dir.write(QStringLiteral("kaputt.png"), "kein Bild");
    for (const QString& datei : {QStringLiteral("fehlt.png"), QStringLiteral("kaputt.png"), QString()}) {
        frmBild frm;
        EXPECT_TRUE(frm.Init(QStringLiteral("Wehr"), datei, dir.path()));
        frm.show();
        EXPECT_EQ(verborgen(frm), std::vector<bool>(4, true)) << datei.toStdString();
        // An empty window all the same, large enough to be seen and closed.
        EXPECT_EQ(frm.size(), QSize(frmBild::kLeerBreite, frmBild::kLeerHoehe));
    }
    // An empty name is no file to ask the host for.
    EXPECT_EQ(lader.pfade.size(), 2);
    // A host whose loader fails is no reason to fail either.
    modOLM3Binnen::objOLM3TGF = nullptr;
    frmBild ohne;
    EXPECT_TRUE(ohne.Init(QStringLiteral("Wehr"), QStringLiteral("fehlt.png"), dir.path()));
    EXPECT_TRUE(ohne.picBild()->isHidden());
}

TEST(TextViewer, TheTextFillsTheWindow) {
    frmInfoText frm;
    const QString text = QStringLiteral("Vom Steg B nach links,\n200 m der Uferstraße folgen.");
    EXPECT_TRUE(frm.Init(QStringLiteral("Hafentankstelle"), text));
    frm.show();
    frm.resize(400, 250);
    EXPECT_EQ(frm.txtInfoText()->geometry(), QRect(0, 0, 400, 250));
}
