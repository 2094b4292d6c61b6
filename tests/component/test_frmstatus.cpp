// The status window as ShowStatus drives it: bars, lines, the break button and its event, unloading.

#include "component/clsOLM3BinnenState.h"
#include "component/frmStatus.h"
#include "component/iniconfig.h"
#include "data/modOLM3Binnen.h"
#include "planning/planninghost.h"
#include "ui/testpictures.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

namespace {

class StatusWindow : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.SetBild(540, olm3test::SymbolBild(olm3test::Symbol::Stop, QColor(0xC6, 0x28, 0x28)));
        ASSERT_TRUE(olm.Init(&cfg, nullptr, nullptr));
    }
    void TearDown() override {
        olm.ShowStatus(false);
        unloadPending();
        modOLM3Binnen::objOLM3Cfg = nullptr;
    }
    static void unloadPending() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    frmStatus* frm() const { return qobject_cast<frmStatus*>(olm.state().frmStatus.data()); }
    /// The window as "line|second line|bar|small bar": a bar as "value/maximum", "-" for what is hidden.
    QString zustand() const {
        const auto balken = [](const QProgressBar* b) {
            return b->isHidden() ? QStringLiteral("-")
                                 : QStringLiteral("%1/%2").arg(b->value()).arg(b->maximum());
        };
        return QStringList{frm()->lblStatus->text(),
                           frm()->lblStatus2->isHidden() ? "-" : frm()->lblStatus2->text(),
                           balken(frm()->ProgressBar), balken(frm()->ProgressBarKlein)}
            .join(QLatin1Char('|'));
    }

    olm3::IniConfig cfg;
    clsOLM3Binnen olm;
    olm3test::ScriptedHost host{olm};
};

} // namespace

TEST_F(StatusWindow, ShowsWithoutBarsWhenThereIsNothingToCount) {
    olm.ShowStatus(true, "Routen-Information wird ermittelt..", 0, 0);
    ASSERT_TRUE(frm());
    EXPECT_TRUE(frm()->isVisible());
    EXPECT_TRUE(olm.state().blnStatusShown);
    EXPECT_EQ(zustand(), "Routen-Information wird ermittelt..|-|-|-");
    EXPECT_GT(frm()->ucBreak->y(), frm()->lblStatus->geometry().bottom());
    EXPECT_LE(frm()->ucBreak->geometry().bottom(), frm()->height());
    // Further calls update the same window.
    QPointer<frmStatus> first = frm();
    olm.ShowStatus(true, "weiter", 1, 5);
    EXPECT_EQ(frm(), first.data());
}

TEST_F(StatusWindow, BarsFollowTheirValuesTheWindowItsBarsAndAnEmptySecondTextKeepsTheLine) {
    olm.ShowStatus(true, "a", 3, 10);
    const int ohneZweiten = frm()->height();
    olm.ShowStatus(true, "a", 3, 10, 2, 4, "Schleuse 2 von 4");
    EXPECT_EQ(zustand(), "a|Schleuse 2 von 4|3/10|2/4");
    const int mitZweiten = frm()->height();
    EXPECT_GT(mitZweiten, ohneZweiten);
    EXPECT_GT(frm()->ucBreak->y(), frm()->ProgressBarKlein->geometry().bottom());
    // A value above the maximum hides that bar; without a new maximum the bar's own counts; an empty
    // second text keeps the line before, while the first line follows.
    olm.ShowStatus(true, "b", 11, 10, 2, 4);
    EXPECT_EQ(zustand(), "b|Schleuse 2 von 4|-|2/4");
    olm.ShowStatus(true, "a", 7, 0, 5, 0);
    EXPECT_EQ(zustand(), "a|Schleuse 2 von 4|7/10|-");
    EXPECT_LT(frm()->height(), mitZweiten);
    // A negative value with a maximum shows an empty bar.
    olm.ShowStatus(true, "a", -3, 10);
    EXPECT_EQ(zustand(), "a|Schleuse 2 von 4|0/10|-");
}

TEST_F(StatusWindow, BreakButtonStopsAndTheNextCallUnloads) {
    olm.ShowStatus(true, "a", 1, 10);
    QPointer<frmStatus> window = frm();
    QTest::mouseClick(window->ucBreak->fpb(), Qt::LeftButton);
    EXPECT_TRUE(olm.state().blnBreakOptimierer);
    EXPECT_EQ(host.events, QStringList{"BreakOptimierer"});
    EXPECT_TRUE(window->isHidden());
    // The computation's next report does not bring the window back: it is unloaded and the flag cleared.
    olm.ShowStatus(true, "a", 2, 10);
    EXPECT_FALSE(olm.state().frmStatus);
    EXPECT_FALSE(olm.state().blnStatusShown);
    EXPECT_FALSE(olm.state().blnBreakOptimierer);
    unloadPending();
    EXPECT_FALSE(window);
    olm.ShowStatus(true, "neu", 0, 0);
    ASSERT_TRUE(frm());
    EXPECT_TRUE(frm()->isVisible());
}

TEST_F(StatusWindow, ShowFalseUnloadsAlsoWhenTheHostCallsItFromTheBreakEvent) {
    olm.ShowStatus(false); // nothing loaded: nothing happens
    host.beimAbbruch = [this] { olm.ShowStatus(false); };
    olm.ShowStatus(true, "a", 1, 10);
    QPointer<frmStatus> window = frm();
    QTest::keyClick(window->ucBreak->fpb(), Qt::Key_Space);
    EXPECT_EQ(host.events, QStringList{"BreakOptimierer"});
    EXPECT_FALSE(olm.state().blnBreakOptimierer);
    EXPECT_FALSE(olm.state().frmStatus);
    EXPECT_FALSE(olm.state().blnStatusShown);
    unloadPending();
    EXPECT_FALSE(window);
}

TEST_F(StatusWindow, TheBreakButtonShowsTheNormalPointerWhileTheApplicationHoldsTheHourglass) {
    olm.ShowStatus(true, "a", 0, 0);
    // While a computation holds the hourglass for the whole application, the button still shows the
    // normal pointer, and the hourglass comes back when the pointer leaves it.
    modOLM3Binnen::SetHourglass();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(frm()->ucBreak->fpb(), &move);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(frm()->ucBreak, &leave);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    modOLM3Binnen::SetNormalPointer();
}
