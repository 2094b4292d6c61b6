// The info panel of the detail views: empty entries and their titles hidden, the stacking of the
// sections, the height it needs, and the host's look.

#include "data/modOLM3Binnen.h"
#include "details/ucOLMBinInfo.h"
#include "support/fakehost.h"
#include "ui/ucOLMButton.h"

#include <QLabel>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class InfoPanel : public ::testing::Test {
protected:
    void SetUp() override {
        modOLM3Binnen::objOLM3Cfg = &cfg;
        panel.resize(600, 400);
        panel.Text_Bezeichnung(QStringLiteral("Schleuse Prüfstadt"));
        panel.Caption_Telefon(QStringLiteral("Telefon"));
        panel.Caption_UKWKanal(QStringLiteral("UKW-Kanal"));
        panel.Caption_InfoText(QStringLiteral("Info"));
        panel.Text_Telefon1(QStringLiteral("030 111"));
        panel.Text_Telefon2(QStringLiteral("030 222"));
        panel.Text_UKWKanal(QStringLiteral("Kanal 20"));
        panel.Text_InfoText(QStringLiteral("Wartestelle im Unterwasser."));
    }
    void TearDown() override { modOLM3Binnen::objOLM3Cfg = nullptr; }

    static QRect g(const QWidget* w) { return w->geometry(); }
    /// The entries shown, 'x' each, hidden '-': telephone title, telephone 1 and 2, radio title and channel,
    /// info title and text.
    QString gezeigt() const {
        QString s;
        for (const QWidget* w : std::initializer_list<const QWidget*>{
                 panel.lblTitelTelefon(), panel.lblTelefon1(), panel.lblTelefon2(), panel.lblTitelUKWKanal(),
                 panel.lblUKWKanal(), panel.lblTitelInfoText(), panel.txtInfoText()})
            s += w->isHidden() ? QLatin1Char('-') : QLatin1Char('x');
        return s;
    }

    olm3test::FakeCfg cfg;
    ucOLMBinInfo panel;
};

} // namespace

TEST_F(InfoPanel, BlankEntriesHideThemselvesAndTheTitleGoesWithTheLastOne) {
    EXPECT_EQ(gezeigt(), QStringLiteral("xxxxxxx"));
    // Telephone 2 still shows, so its title stays.
    panel.Text_Telefon1(QStringLiteral("   "));
    EXPECT_EQ(gezeigt(), QStringLiteral("x-xxxxx"));
    panel.Text_Telefon2(QString());
    EXPECT_EQ(gezeigt(), QStringLiteral("---xxxx"));
    // A value shows its entry again, trimmed, and brings the title back.
    panel.Text_Telefon2(QStringLiteral("  0331 444 "));
    EXPECT_EQ(panel.Text_Telefon2(), QStringLiteral("0331 444"));
    EXPECT_EQ(gezeigt(), QStringLiteral("x-xxxxx"));
    // Telephone 2 moves up to the title's row when telephone 1 is gone.
    EXPECT_EQ(g(panel.lblTelefon2()).top(), g(panel.lblTitelTelefon()).top());
    panel.Visible_Telefon2(false);
    panel.Text_UKWKanal(QStringLiteral(" "));
    panel.Visible_InfoText(false);
    EXPECT_EQ(gezeigt(), QStringLiteral("-------"));
    panel.Visible_InfoText(true);
    EXPECT_EQ(gezeigt(), QStringLiteral("-----xx"));
}

TEST_F(InfoPanel, SectionsStackInOrderWithValuesRightOfTheirTitles) {
    panel.Visible_Bild1(true);
    panel.Visible_Bild2(true);
    panel.Visible_Button(true);
    const QRect name = g(panel.lblBezeichnung());
    const QRect tTel = g(panel.lblTitelTelefon()), tel1 = g(panel.lblTelefon1()),
                tel2 = g(panel.lblTelefon2());
    const QRect tUkw = g(panel.lblTitelUKWKanal()), ukw = g(panel.lblUKWKanal());
    const QRect tInfo = g(panel.lblTitelInfoText()), info = g(panel.txtInfoText());
    EXPECT_LE(name.bottom(), tTel.top());
    EXPECT_GT(tel2.top(), tel1.bottom());
    EXPECT_GT(tUkw.top(), tel2.bottom());
    EXPECT_GT(tInfo.top(), ukw.bottom());
    // Each first value on its title's row; one column of titles, the values after the widest of them.
    EXPECT_EQ((std::vector{tel1.top(), ukw.top(), info.top()}),
              (std::vector{tTel.top(), tUkw.top(), tInfo.top()}));
    EXPECT_EQ((std::vector{ukw.left(), info.left()}), std::vector(2, tel1.left()));
    for (const QLabel* t : {panel.lblTitelTelefon(), panel.lblTitelUKWKanal(), panel.lblTitelInfoText()})
        EXPECT_LE(t->x() + t->fontMetrics().horizontalAdvance(t->text()), tel1.left())
            << t->text().toStdString();
    // The buttons stand in their own column right of the texts, one below the other.
    const QRect b1 = g(panel.pbBild1()), b2 = g(panel.pbBild2()), b = g(panel.pbButton());
    EXPECT_GT(b1.left(), info.right());
    EXPECT_GT(b2.top(), b1.bottom());
    EXPECT_GT(b.top(), b2.bottom());
    EXPECT_LE(b1.right(), panel.width());
    EXPECT_GE(panel.MaxHeight(), b.bottom());
    EXPECT_GE(panel.MaxHeight(), info.bottom());
    // A panel lower than its button column: the picture buttons give way, the extra button stays whole.
    panel.show();
    panel.resize(600, 170);
    EXPECT_LE(panel.pbButton()->geometry().bottom(), panel.height());
    EXPECT_EQ(panel.pbButton()->height(), ucOLMBinInfo::kKnopfHoehe);
    EXPECT_LT(panel.pbBild1()->height(), ucOLMBinInfo::kBildKnopfHoehe);
    EXPECT_GT(panel.pbBild2()->y(), panel.pbBild1()->geometry().bottom());
    EXPECT_GE(panel.MaxHeight(), 2 * ucOLMBinInfo::kBildKnopfHoehe + ucOLMBinInfo::kKnopfHoehe);
}

TEST_F(InfoPanel, EverythingHiddenNeedsTheSmallestHeightAndALongInfoTextMore) {
    const int voll = panel.MaxHeight();
    panel.Visible_Bezeichnung(false);
    panel.Visible_Telefon1(false);
    panel.Visible_Telefon2(false);
    panel.Visible_UKWKanal(false);
    panel.Visible_InfoText(false);
    panel.Visible_Bild1(false);
    panel.Visible_Bild2(false);
    panel.Visible_Button(false);
    EXPECT_EQ(panel.MaxHeight(), 2 * ucOLMBinInfo::kRand);
    EXPECT_LT(panel.MaxHeight(), voll);
    panel.Visible_InfoText(true);
    const int kurz = panel.MaxHeight();
    EXPECT_GT(kurz, 2 * ucOLMBinInfo::kRand);
    panel.Text_InfoText(
        QStringLiteral("Die Liegeplätze am Steg sind nur für Gäste mit Anmeldung. ").repeated(40));
    EXPECT_GT(panel.MaxHeight(), kurz + 100);
    // A panel lower than its text keeps its other entries and lets the text box scroll.
    panel.show();
    panel.resize(600, 150);
    EXPECT_LE(panel.txtInfoText()->geometry().bottom(), panel.height());
    EXPECT_GT(panel.MaxHeight(), panel.height());
}

TEST_F(InfoPanel, FormatControlsGivesButtonsTheHostsColoursAndTextsAReadableOne) {
    panel.Backcolor(QColor(240, 240, 240));
    panel.FontSize(10);
    panel.FormatControls();
    for (ucOLMButton* pb : {panel.pbBild1(), panel.pbBild2(), panel.pbButton()})
        EXPECT_EQ(std::pair(pb->Backcolor(), pb->Forecolor()), std::pair(cfg.GetFarbe1(), cfg.GetFarbe2()));
    // The light window colour gets the host's dark colour for its texts, not its white one.
    EXPECT_EQ(panel.Forecolor(), cfg.GetFarbe1());
    EXPECT_EQ(panel.lblTelefon1()->palette().color(QPalette::WindowText), cfg.GetFarbe1());
    EXPECT_EQ(std::pair(panel.lblTelefon1()->font().pointSize(), panel.txtInfoText()->font().pointSize()),
              std::pair(10, 10));
    ucOLMBinInfo dunkel;
    dunkel.Backcolor(QColor(20, 30, 40));
    dunkel.FormatControls();
    EXPECT_EQ(dunkel.Forecolor(), cfg.GetFarbe2());
}
