// The picture button: its defaults, the space key and mouse, two-state buttons, sizing, and the look
// of a button panel.

#include "component/iniconfig.h"
#include "data/modOLM3Binnen.h"
#include "ui/panelbutton.h"
#include "ui/testpictures.h"
#include "ui/ucOLMButton.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using olm3test::Symbol;
using olm3test::SymbolBild;

namespace {

/// A shown button and a spy on its Click.
struct ShownButton {
    ucOLMButton button;
    QSignalSpy clicks{&button, &ucOLMButton::Click};
    ShownButton() {
        button.show();
        button.fpb()->setFocus();
    }
};

} // namespace

TEST(ucOLMButton, PropertiesRoundTripThroughTheMetaObject) {
    ucOLMButton b;
    EXPECT_TRUE(b.setProperty("Text", QStringLiteral("KARTE")));
    EXPECT_TRUE(b.setProperty("FontSize", QVariant::fromValue<short>(9)));
    EXPECT_TRUE(b.setProperty("FontBold", false));
    EXPECT_TRUE(b.setProperty("Forecolor", QColor(Qt::yellow)));
    EXPECT_TRUE(b.setProperty("IsDefault", true));
    EXPECT_EQ(std::tuple(b.fpb()->text(), b.FontSize(), b.FontBold(), b.Forecolor(), b.IsDefault()),
              std::tuple(QStringLiteral("KARTE"), short{9}, false, QColor(Qt::yellow), true));
    b.FontSize(0); // no such type size: ignored
    EXPECT_EQ(b.FontSize(), 9);
}

TEST(ucOLMButton, ValueChangesOnlyATwoStateButton) {
    ucOLMButton b;
    b.Value(true);
    EXPECT_FALSE(b.Value());
    b.TwoState(true);
    b.Value(true);
    EXPECT_TRUE(b.Value());
    // no longer two-state: released
    b.TwoState(false);
    EXPECT_FALSE(b.Value());
    b.Value(true);
    EXPECT_FALSE(b.Value());
}

TEST(ucOLMButton, FormatButtonWithoutSizeKeepsTheStandardSize) {
    ucOLMButton b;
    b.IsDefault(true);
    const QPixmap bild = SymbolBild(Symbol::Pfeil, Qt::darkGreen);
    b.LoadPicture(bild);
    b.Format_Button(-1, -1, false, QPixmap(), true, QStringLiteral("ROUTE"));
    EXPECT_EQ(b.Text(), QStringLiteral("ROUTE"));
    EXPECT_TRUE(b.IsDefault());
    EXPECT_EQ(b.size(), QSize(120, 40));
    EXPECT_EQ(b.Picture().cacheKey(), bild.cacheKey());
    // A standard-size button does not give in to a resize.
    b.resize(300, 90);
    EXPECT_EQ(b.size(), QSize(120, 40));
    // One edge given ends the standard size and keeps the other edge.
    b.Format_Button(200, -1, false, QPixmap(), false, QString());
    EXPECT_FALSE(b.IsDefault());
    EXPECT_EQ(b.size(), QSize(200, 40));
    EXPECT_EQ(b.Text(), QStringLiteral("ROUTE"));
    b.Format_Button(-1, 64, true, QPixmap(), false, QString());
    EXPECT_EQ(b.size(), QSize(200, 64));
    EXPECT_EQ(b.fpb()->geometry(), QRect(0, 0, 200, 64));
    EXPECT_TRUE(b.Picture().isNull());
    b.IsDefault(true);
    EXPECT_EQ(b.size(), QSize(120, 40));
    EXPECT_EQ(b.fpb()->geometry(), QRect(0, 0, 120, 40));
}

TEST(ucOLMButton, TheMouseAndTheSpaceKeyWithoutShiftClickWhileEnabled) {
    ShownButton s;
    QTest::keyClick(s.button.fpb(), Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClick(s.button.fpb(), Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(s.button.fpb(), Qt::Key_A);
    EXPECT_EQ(s.clicks.count(), 0);
    QTest::keyClick(s.button.fpb(), Qt::Key_Space);
    QTest::mouseClick(s.button.fpb(), Qt::LeftButton);
    EXPECT_EQ(s.clicks.count(), 2);
    s.button.Enabled(false);
    QTest::mouseClick(s.button.fpb(), Qt::LeftButton);
    QTest::keyClick(s.button.fpb(), Qt::Key_Space);
    EXPECT_EQ(s.clicks.count(), 2);
    s.button.Enabled(true);
    // The space key presses a two-state button like the mouse does.
    s.button.TwoState(true);
    QTest::keyClick(s.button.fpb(), Qt::Key_Space);
    EXPECT_EQ(s.clicks.count(), 3);
    EXPECT_TRUE(s.button.Value());
}

TEST(ucOLMButton, MouseMoveReportsButtonsShiftAndPosition) {
    ucOLMButton b;
    QSignalSpy moves(&b, &ucOLMButton::MouseMove);
    QMouseEvent ev(QEvent::MouseMove, QPointF(17, 9), QPointF(17, 9), Qt::NoButton,
                   Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier);
    QApplication::sendEvent(b.fpb(), &ev);
    ASSERT_EQ(moves.count(), 1);
    const QList<QVariant> args = moves.takeFirst();
    EXPECT_EQ(std::tuple(args.at(0).value<std::int16_t>(), args.at(1).value<std::int16_t>(),
                         args.at(2).toFloat(), args.at(3).toFloat()),
              std::tuple(3, 5, 17.0f, 9.0f));
}

TEST(ucOLMButton, PressedStateCanBeLockedAlone) {
    ShownButton s;
    s.button.TwoState(true);
    modOLM3Binnen::SetButtonEnabled(&s.button, 1, false);
    EXPECT_TRUE(s.button.fpb()->isEnabled());
    // The view button is pressed once and then stays pressed: clicks on it no longer release it.
    QTest::mouseClick(s.button.fpb(), Qt::LeftButton);
    EXPECT_TRUE(s.button.Value());
    EXPECT_FALSE(s.button.fpb()->isEnabled());
    QTest::mouseClick(s.button.fpb(), Qt::LeftButton);
    EXPECT_TRUE(s.button.Value());
    EXPECT_EQ(s.clicks.count(), 1);
    // Released by the window, it takes clicks again.
    s.button.Value(false);
    EXPECT_TRUE(s.button.fpb()->isEnabled());
    modOLM3Binnen::SetButtonEnabled(&s.button, modOLM3Binnen::kButtonGanz, false);
    EXPECT_FALSE(s.button.Enabled());
    modOLM3Binnen::SetButtonEnabled(&s.button, 7, true); // no such state
    EXPECT_FALSE(s.button.fpb()->isEnabled());
}

TEST(ucOLMButton, PictureStandsAboveTheCaptionWhenThereIsRoom) {
    ucOLMButton b;
    b.show();
    b.LoadPicture(SymbolBild(Symbol::Pfeil, Qt::darkBlue));
    b.Text(QStringLiteral("KARTE"));
    b.resize(150, 100);
    EXPECT_EQ(b.fpb()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    const QFontMetrics fm(b.Font());
    // The picture takes the room the caption leaves; it grows beyond its own 48 pixels when it can.
    EXPECT_GE(b.fpb()->iconSize().height(), 100 - fm.height() - 20);
    EXPECT_LE(b.fpb()->iconSize().height() + fm.height(), 100);
    // Too low for a picture above the caption: it moves beside it.
    b.resize(150, 35);
    EXPECT_EQ(b.fpb()->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_LE(b.fpb()->iconSize().height(), 35);
    b.Text(QString());
    EXPECT_EQ(b.fpb()->toolButtonStyle(), Qt::ToolButtonIconOnly);
    b.LoadPicture(QPixmap());
    EXPECT_EQ(b.fpb()->toolButtonStyle(), Qt::ToolButtonTextOnly);
}

namespace {
/// Installs a host configuration for the panel styling and takes it away again.
class PanelButtons : public ::testing::Test {
protected:
    void SetUp() override { modOLM3Binnen::objOLM3Cfg = &cfg; }
    void TearDown() override { modOLM3Binnen::objOLM3Cfg = nullptr; }
    olm3::IniConfig cfg;
};
} // namespace

TEST_F(PanelButtons, FullAndHalfWidthButtonsLookAlike) {
    ucOLMButton voll, halb;
    voll.Format_Button(148, 35, true, SymbolBild(Symbol::Pfeil, Qt::darkBlue), true, QStringLiteral("KARTE"));
    halb.Format_Button(74, 35, true, SymbolBild(Symbol::Pfeil, Qt::darkGreen), true, QStringLiteral("AB"));
    modOLM3Binnen::FormatPanelButton(&voll, 1, 1, 2);
    modOLM3Binnen::FormatPanelButton(&halb, 2, 1, 2);
    EXPECT_EQ(voll.FontSize(), halb.FontSize());
    EXPECT_TRUE(voll.FontBold());
    EXPECT_EQ(std::tuple(halb.Backcolor(), halb.Forecolor(), halb.Pressedcolor()),
              std::tuple(cfg.GetFarbe1(), cfg.GetFarbe2(), cfg.GetFarbe3()));
}

TEST_F(PanelButtons, LongCaptionGetsSmallerTypeInsteadOfBeingCut) {
    ucOLMButton b;
    b.Format_Button(148, 35, true, SymbolBild(Symbol::Stop, Qt::darkRed), true,
                    QStringLiteral("ALLES LÖSCHEN"));
    modOLM3Binnen::FormatPanelButton(&b, 1, 1, 2);
    const QFontMetrics fm(b.Font());
    EXPECT_LE(fm.horizontalAdvance(b.Text()), b.CaptionRoom());
}

TEST_F(PanelButtons, WithoutHostTheButtonKeepsItsColours) {
    modOLM3Binnen::objOLM3Cfg = nullptr;
    ucOLMButton b;
    b.Backcolor(Qt::gray);
    modOLM3Binnen::FormatPanelButton(&b, 1, 1, 2);
    EXPECT_EQ(b.Backcolor(), QColor(Qt::gray));
    modOLM3Binnen::FormatPanelButton(nullptr, 1, 1, 2);
    modOLM3Binnen::SetButtonEnabled(nullptr, 0, false);
}
