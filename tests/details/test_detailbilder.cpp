// The detail views on the bundled sample catalogue with the reference host's pictures: a well-filled
// object of each kind is opened, and nothing in a view is cut off, overlaps or lies outside the window.

#include "component/iniconfig.h"
#include "data/modOLM3Binnen.h"
#include "details/bildfeld.h"
#include "details/frmBild.h"
#include "details/frmBruecken.h"
#include "details/frmHaefen.h"
#include "details/frmLiegestellen.h"
#include "details/frmSchleusen.h"
#include "details/frmTankstellen.h"
#include "details/frmWehre.h"
#include "details/ucOLMBinInfo.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "pictures.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"

#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SampleViews : public ::testing::Test {
protected:
    void SetUp() override {
        const QFileInfo katalog(QStringLiteral(OLM3_SAMPLE_CATALOGUE));
        if (!katalog.exists()) GTEST_SKIP() << "sample catalogue not built";
        cfg = olm3::IniConfig::ForCatalogue(katalog.absoluteFilePath());
        cfg.SetDatenVerzeichnis(katalog.absolutePath() + QLatin1Char('/'));
        for (std::int32_t id : olm3host::BildIDs())
            cfg.SetBild(id, olm3host::Bild(id));
        ASSERT_TRUE(olm.Init(&cfg, nullptr, &lader));
        ASSERT_TRUE(modOLM3Binnen::IsKatalogOffen());
    }

    /// The point of the active row of a table that fills most of what its view shows.
    static std::int32_t punkt(const QString& strTabelle, const QString& strFuelle) {
        ADODB::RecordsetPtr rs;
        const QString sql =
            QStringLiteral("SELECT Top 1 PunkteID FROM %1 WHERE Aktiv=true ORDER BY %2 DESC, PunkteID")
                .arg(strTabelle, strFuelle);
        if (!modOLM3Binnen::ADO_Open_RecordsetExt(modOLM3Binnen::conBinnenDatabase, rs, sql, true) ||
            rs->Eof())
            return -1;
        const std::int32_t id =
            modOLM3Binnen::CLng(modOLM3Binnen::ADO_Field_Str(rs->Fields(QStringLiteral("PunkteID"))));
        modOLM3Binnen::ADO_Close_Recordset(rs, true);
        return id;
    }

    /// Shows a view and checks that its parts read: inside the window, texts not cut.
    static void pruefe(QWidget* frm, const QString& name) {
        frm->show();
        QTest::qWait(20);
        const QRect fenster = frm->rect();
        for (QWidget* w : frm->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(frm) || w->parentWidget() != frm) continue;
            EXPECT_TRUE(fenster.contains(w->geometry()))
                << name.toStdString() << " " << w->objectName().toStdString();
        }
        // Nothing of the info panel sticks out of it.
        if (auto* panel = frm->findChild<ucOLMBinInfo*>()) {
            for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!w->isVisibleTo(panel)) continue;
                EXPECT_TRUE(panel->rect().contains(w->geometry()))
                    << name.toStdString() << " " << w->objectName().toStdString();
            }
        }
        for (QLabel* lbl : frm->findChildren<QLabel*>()) {
            if (!lbl->isVisibleTo(frm) || lbl->text().isEmpty()) continue;
            if (lbl->wordWrap())
                EXPECT_GE(lbl->height(), lbl->heightForWidth(lbl->width()))
                    << lbl->objectName().toStdString();
            else
                EXPECT_GE(lbl->width(), lbl->fontMetrics().horizontalAdvance(lbl->text()))
                    << name.toStdString() << " " << lbl->objectName().toStdString() << " "
                    << lbl->text().toStdString();
        }
    }

    olm3::IniConfig cfg;
    olm3host::BildLader lader;
    clsOLM3Binnen olm;
};

const QString kBilder = QStringLiteral("(Bild1 IS NOT NULL) + (Bild2 IS NOT NULL) + (InfoText IS NOT NULL)");
const QString kTelefon =
    QStringLiteral(" + (Telefon1 IS NOT NULL) + (Telefon2 IS NOT NULL) + (UKWKanal IS NOT NULL)");

} // namespace

TEST_F(SampleViews, EachViewReadsWellWithTheSampleData) {
    frmSchleusen schleuse;
    ASSERT_TRUE(schleuse.Init(punkt(QStringLiteral("Schleusen"), kBilder + kTelefon)));
    pruefe(&schleuse, QStringLiteral("frmSchleusen"));
    EXPECT_LE(schleuse.ucInfo()->geometry().bottom(), schleuse.lblTyp()->y());
    frmHaefen hafen;
    ASSERT_TRUE(hafen.Init(
        punkt(QStringLiteral("Haefen"),
              kBilder + kTelefon + QStringLiteral(" + (Plan IS NOT NULL) + (TankstellenID IS NOT NULL)"))));
    pruefe(&hafen, QStringLiteral("frmHaefen"));
    EXPECT_LE(hafen.ucInfo()->geometry().bottom(), hafen.picAS(0)->y());
    EXPECT_FALSE(hafen.pbTankstelle()->isHidden());
    EXPECT_LE(hafen.picIN(0)->geometry().bottom(), hafen.pbBack()->y());
    frmTankstellen tankstelle;
    ASSERT_TRUE(
        tankstelle.Init(punkt(QStringLiteral("Tankstellen"),
                              kBilder + kTelefon + QStringLiteral(" + 3 * (Wegbeschreibung IS NOT NULL)"))));
    pruefe(&tankstelle, QStringLiteral("frmTankstellen"));
    EXPECT_TRUE(tankstelle.ucInfo()->Visible_Button());
    frmBruecken bruecke;
    ASSERT_TRUE(bruecke.Init(punkt(QStringLiteral("Bruecken"), kBilder + kTelefon)));
    pruefe(&bruecke, QStringLiteral("frmBruecken"));
    frmLiegestellen liegestelle;
    ASSERT_TRUE(liegestelle.Init(punkt(QStringLiteral("Liegestellen"), kBilder)));
    pruefe(&liegestelle, QStringLiteral("frmLiegestellen"));
    frmWehre wehr;
    ASSERT_TRUE(wehr.Init(punkt(QStringLiteral("Wehre"), kBilder)));
    pruefe(&wehr, QStringLiteral("frmWehre"));
    // The harbour plan of the sample data is a picture the viewer reads.
    frmBild plan;
    ASSERT_TRUE(plan.Init(hafen.Bezeichnung(), hafen.Plan(), frmDetails::BilderVerzeichnis()));
    EXPECT_FALSE(plan.picBild()->isHidden());
}
