// The six object detail views against fixture rows: their fields and units, Nulls and inactive rows,
// the harbour's facilities and fuel station, the fuel station's pumps and route description, the
// pictures, the lock's operating hours, the window's size, and the browser's detail action.

#include "browser/detailaktion.h"
#include "data/modOLM3Binnen.h"
#include "details/bildfeld.h"
#include "details/frmBild.h"
#include "details/frmBruecken.h"
#include "details/frmHaefen.h"
#include "details/frmInfoText.h"
#include "details/frmLiegestellen.h"
#include "details/frmSchleusen.h"
#include "details/frmTankstellen.h"
#include "details/frmWehre.h"
#include "details/ucOLMBinInfo.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/frmSchleusenBZ.h"
#include "support/fakehost.h"
#include "support/fakeservices.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <functional>
#include <gtest/gtest.h>

using olm3test::Klick;

namespace {

/// A host picture of one colour per id, so that a screenshot tells them apart.
QPixmap hostBild(std::int32_t id) {
    QPixmap pm(48, 48);
    pm.fill(QColor::fromHsv(static_cast<int>((id * 37) % 360), 160, 200));
    return pm;
}

class DetailViews : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::int32_t id = 200; id <= 280; ++id)
            cfg.bilder.insert(id, hostBild(id));
        cfg.bilder.insert(621, hostBild(621));
        cfg.datenVerzeichnis = dir.path() + QStringLiteral("/daten/");
        ASSERT_TRUE(QDir().mkpath(cfg.datenVerzeichnis + QStringLiteral("UXABilder")));
        for (const char* name : {"schleuse.png", "hafen.png", "plan.png", "bruecke.png"}) {
            QPixmap pm(320, 200);
            pm.fill(QColor(90, 140, 60));
            ASSERT_TRUE(
                pm.save(cfg.datenVerzeichnis + QStringLiteral("UXABilder/") + QLatin1String(name), "PNG"));
        }
        cfg.katalog = olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("1_Details.sqlite"),
                                                          {QStringLiteral("details")});
        ASSERT_TRUE(olm.Init(&cfg, nullptr, &lader));
        ASSERT_TRUE(modOLM3Binnen::IsKatalogOffen());
        alt = olm3ui::SetModalHandler([this](QDialog* dlg) {
            geoeffnet << QString::fromLatin1(dlg->metaObject()->className());
            dlg->show();
            if (modal) modal(dlg);
            dlg->hide();
            return 1;
        });
    }
    void TearDown() override {
        olm3ui::SetModalHandler(alt);
        EXPECT_TRUE(cfg.missingTexts.isEmpty()) << cfg.missingTexts.values().join(' ').toStdString();
    }

    QString bilder() const { return cfg.datenVerzeichnis + QStringLiteral("UXABilder"); }
    /// What the user is told on doing something that opens no window: the one message shown.
    olm3test::ShownMessage meldung(const std::function<void()>& tun) {
        geoeffnet.clear();
        olm3test::MessageRecorder meldungen;
        tun();
        EXPECT_TRUE(geoeffnet.isEmpty());
        EXPECT_EQ(meldungen.messages().size(), 1u);
        return meldungen.messages().empty() ? olm3test::ShownMessage{} : meldungen.messages()[0];
    }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    olm3test::DateiLader lader;
    clsOLM3Binnen olm;
    olm3ui::ModalHandler alt;
    /// What the modal windows opened during a test saw.
    std::function<void(QDialog*)> modal;
    QStringList geoeffnet;
};

QString zahl(double v) {
    return QLocale().toString(v, 'g', QLocale::FloatingPointShortest);
}

QStringList texte(std::initializer_list<const QLabel*> labels) {
    QStringList out;
    for (const QLabel* l : labels)
        out << l->text();
    return out;
}

/// The info panel as one line: name, telephones, radio channel and info text, then the two picture buttons
/// and the extra button, each "-" while hidden.
QString tafel(const ucOLMBinInfo* p) {
    const auto feld = [](bool blnSichtbar, const QString& s) {
        return blnSichtbar ? s : QStringLiteral("-");
    };
    return QStringList{feld(p->Visible_Bezeichnung(), p->Text_Bezeichnung()),
                       feld(p->Visible_Telefon1(), p->Text_Telefon1()),
                       feld(p->Visible_Telefon2(), p->Text_Telefon2()),
                       feld(p->Visible_UKWKanal(), p->Text_UKWKanal()),
                       feld(p->Visible_InfoText(), p->Text_InfoText()),
                       feld(p->Visible_Bild1(), QStringLiteral("Bild1")),
                       feld(p->Visible_Bild2(), QStringLiteral("Bild2")),
                       feld(p->Visible_Button(), QStringLiteral("Knopf"))}
        .join(QLatin1Char('|'));
}

/// The facility pictures of a harbour view, supply, harbour and nearby facilities in order, each with a
/// "/" when it is struck through.
QStringList einrichtungen(const frmHaefen& h) {
    std::vector<BildFeld*> felder{h.picAS(0), h.picAS(1)};
    for (int i = 0; i < 9; ++i)
        felder.push_back(h.picIH(i));
    for (int i = 0; i < 3; ++i)
        felder.push_back(h.picIN(i));
    QStringList out;
    for (const BildFeld* f : felder)
        out << QString::number(f->BildID()) + (f->Durchgestrichen() ? QStringLiteral("/") : QString());
    return out;
}

} // namespace

TEST_F(DetailViews, ALockAndABridgeShowTheirFieldsWithUnitsAndTheLockItsOperatingHours) {
    frmSchleusen frm;
    ASSERT_TRUE(frm.Init(500));
    EXPECT_EQ(texte({frm.lblTyp(), frm.lblAnzahlKammern(), frm.lblDurchgangszeit(), frm.lblBreite(),
                     frm.lblLaenge(), frm.lblHubHoeheMax()}),
              (QStringList{"Kammerschleuse", "2", zahl(0.5) + " h", zahl(12.5) + " m", zahl(115.5) + " m",
                           zahl(4.25) + " m"}));
    frmBruecken b;
    ASSERT_TRUE(b.Init(800));
    EXPECT_EQ(texte({b.lblKategorie(), b.lblDurchBreite(), b.lblDurchfHoehe(), b.lblDurchgangszeit()}),
              (QStringList{"Hubbrücke", "20 m", zahl(4.25) + " m", zahl(0.1) + " h"}));
    // The picture button shows the middle of the picture it opens.
    EXPECT_EQ(frm.ucInfo()->pbBild1()->Picture().size(), QSize(200, 200));
    frm.show();
    EXPECT_LE(frm.lblDurchgangszeit()->geometry().bottom(), frm.pbBack()->y());
    EXPECT_FALSE(frm.pbBZ()->geometry().intersects(frm.pbBack()->geometry()));
    modal = [&](QDialog* dlg) {
        auto* bz = qobject_cast<frmSchleusenBZ*>(dlg);
        ASSERT_TRUE(bz);
        EXPECT_EQ(bz->grdWT()->rowCount(), 8); // the season heading and seven weekdays
    };
    Klick(frm.pbBZ());
    EXPECT_EQ(geoeffnet, QStringList{"frmSchleusenBZ"});
}

TEST_F(DetailViews, NullsAndBlanksShowNothingAndNoUnitsAndALockWithoutHoursSaysSo) {
    frmSchleusen frm;
    ASSERT_TRUE(frm.Init(501));
    frmBruecken b;
    ASSERT_TRUE(b.Init(801));
    // A blank height and a blank info text are as good as none.
    for (QLabel* lbl : {frm.lblTyp(), frm.lblAnzahlKammern(), frm.lblDurchgangszeit(), frm.lblBreite(),
                        frm.lblLaenge(), frm.lblHubHoeheMax(), b.lblDurchfHoehe(), b.lblDurchBreite(),
                        b.lblDurchgangszeit(), b.lblKategorie()})
        EXPECT_TRUE(lbl->text().isEmpty()) << lbl->objectName().toStdString() << lbl->text().toStdString();
    EXPECT_EQ(tafel(frm.ucInfo()), QStringLiteral("Schleuse Ohne Angaben|-|-|-|-|-|-|-"));
    EXPECT_EQ(tafel(b.ucInfo()), QStringLiteral("Brücke Ohne Angaben|-|-|-|-|-|-|-"));
    frm.show();
    EXPECT_EQ(meldung([&] { Klick(frm.pbBZ()); }).text,
              QStringLiteral("Für diese Schleuse sind im Katalog keine Betriebszeiten hinterlegt."));
}

TEST_F(DetailViews, OnlyActiveRowsAreShown) {
    EXPECT_EQ(
        (std::vector<bool>{frmSchleusen().Init(502), frmHaefen().Init(604), frmTankstellen().Init(701),
                           frmLiegestellen().Init(901), frmWehre().Init(951), frmBruecken().Init(12345)}),
        std::vector<bool>(6, false));
    // The point's current row, not its retired one.
    frmSchleusen neu;
    ASSERT_TRUE(neu.Init(503));
    EXPECT_EQ(neu.ucInfo()->Text_Bezeichnung(), QStringLiteral("Schleuse Neu"));
    // The browser tells the user instead of opening nothing.
    const auto m =
        meldung([&] { EXPECT_FALSE(olm3browser::OeffneDetails(nullptr, &olm, QStringLiteral("S"), 502)); });
    EXPECT_EQ(m.text, QStringLiteral("Zu dieser Schleuse enthält der Katalog keine gültigen Angaben."));
    EXPECT_EQ(m.title, QStringLiteral("Schleusen"));
}

TEST_F(DetailViews, TheHarbourStrikesThroughAbsentFacilitiesAndOpensItsPlanPicturesAndItsOwnFuelStation) {
    frmHaefen frm;
    ASSERT_TRUE(frm.Init(600));
    // Fixture 20: AS_wasser 0, AS_strom 1; IH_WC 0, IH_Dusche 1, IH_Gastliegeplaetze 0, IH_Waschmaschine 1,
    // IH_Kran 1, IH_Werft 0, IH_Restaurant 0, IH_Trockner 0, IH_Skipanlage 1; IN_Restaurant 1,
    // IN_Apotheke 1, IN_Post 0.
    EXPECT_EQ(einrichtungen(frm), (QStringList{"274/", "218", "275/", "202", "262/", "223", "210", "276/",
                                               "264/", "280/", "216", "214", "200", "263/"}));
    // On screen: the grey line across the absent WC, the plain picture of the shower.
    frm.show();
    const QImage wc = frm.picIH(0)->grab().toImage();
    const QImage dusche = frm.picIH(1)->grab().toImage();
    const QPoint mitte(wc.width() / 2, wc.height() / 2);
    EXPECT_EQ(wc.pixelColor(mitte), BildFeld::StrichFarbe());
    EXPECT_EQ(wc.pixelColor(BildFeld::kStrichRand + 2, BildFeld::kStrichRand + 2), BildFeld::StrichFarbe());
    EXPECT_NE(wc.pixelColor(mitte.x() + 12, mitte.y() - 12), BildFeld::StrichFarbe());
    EXPECT_EQ(dusche.pixelColor(mitte), hostBild(202).toImage().pixelColor(24, 24));
    ucOLMBinInfo* p = frm.ucInfo();
    EXPECT_FALSE(frm.pbTankstelle()->isHidden());
    EXPECT_EQ(frm.pbTankstelle()->Picture().toImage(), hostBild(621).toImage());
    QStringList titel, dateien;
    modal = [&](QDialog* dlg) {
        if (auto* b = qobject_cast<frmBild*>(dlg)) {
            titel << b->windowTitle();
            dateien << b->Datei();
        }
    };
    Klick(p->pbButton());
    Klick(p->pbBild1());
    // hafen_2.png is not in the folder: the viewer opens all the same.
    Klick(p->pbBild2());
    EXPECT_EQ(dateien,
              (QStringList{bilder() + "/plan.png", bilder() + "/hafen.png", bilder() + "/hafen_2.png"}));
    EXPECT_EQ(titel[0], QStringLiteral("Stadthafen Prüfstadt"));
    EXPECT_EQ(geoeffnet, (QStringList{"frmBild", "frmBild", "frmBild"}));
    // A missing picture leaves its button the look of one.
    EXPECT_EQ(p->pbBild2()->Picture().toImage(), ucOLMBinInfo::StandardBild().toImage());
    // The fuel station is read by its own id, although it lies at a point of its own.
    geoeffnet.clear();
    modal = [&](QDialog* dlg) {
        auto* t = qobject_cast<frmTankstellen*>(dlg);
        ASSERT_TRUE(t);
        EXPECT_EQ(std::pair(t->ObjektID(), t->ucInfo()->Text_Bezeichnung()),
                  std::pair(30, QStringLiteral("Hafentankstelle Prüfstadt")));
    };
    Klick(frm.pbTankstelle());
    EXPECT_EQ(geoeffnet, QStringList{"frmTankstellen"});
    // A fuel station that is no longer active: the user is told, no window opens.
    frmHaefen alt;
    ASSERT_TRUE(alt.Init(603));
    alt.show();
    EXPECT_EQ(meldung([&] { Klick(alt.pbTankstelle()); }).text,
              QStringLiteral("Zu dieser Tankstelle enthält der Katalog keine gültigen Angaben."));
    // The other way round: WC present without a line, shower absent with one.
    frmHaefen umgekehrt;
    ASSERT_TRUE(umgekehrt.Init(602));
    EXPECT_EQ(einrichtungen(umgekehrt).mid(2, 2), (QStringList{"225", "252/"}));
    // An empty plan name hides the plan button; no fuel station, no button.
    EXPECT_FALSE(umgekehrt.ucInfo()->Visible_Button());
    EXPECT_TRUE(umgekehrt.pbTankstelle()->isHidden());
    // Null facilities count as absent.
    frmHaefen leer;
    ASSERT_TRUE(leer.Init(601));
    EXPECT_EQ(einrichtungen(leer), (QStringList{"274/", "268/", "275/", "252/", "262/", "273/", "260/",
                                                "276/", "264/", "280/", "278/", "264/", "250/", "263/"}));
}

TEST_F(DetailViews, FuelStationPumpsAndRouteDescription) {
    frmTankstellen frm;
    ASSERT_TRUE(frm.Init(700));
    // 760 x 420 would be lower than a view may be; the minimum height wins.
    EXPECT_EQ(frm.size(), QSize(760, 450));
    EXPECT_EQ(frm.picTankstelle()->BildID(), 221);
    frm.show();
    modal = [&](QDialog* dlg) {
        auto* t = qobject_cast<frmInfoText*>(dlg);
        ASSERT_TRUE(t);
        EXPECT_EQ(
            t->windowTitle() + QLatin1Char('|') + t->txtInfoText()->toPlainText(),
            QStringLiteral("Hafentankstelle Prüfstadt|Vom Steg B nach links, 200 m der Uferstraße folgen."));
    };
    Klick(frm.ucInfo()->pbButton());
    EXPECT_EQ(geoeffnet, QStringList{"frmInfoText"});
    for (const auto& [punkt, bild] : {std::pair{702, 219}, {703, 220}, {704, -1}}) {
        frmTankstellen t;
        ASSERT_TRUE(t.Init(punkt));
        EXPECT_EQ(t.picTankstelle()->BildID(), bild) << punkt;
        // Neither fuel: the host is not asked, the box keeps what it showed.
        EXPECT_EQ(t.picTankstelle()->Bild().isNull(), bild < 0) << punkt;
        // Blanks are no route description.
        EXPECT_FALSE(t.ucInfo()->Visible_Button()) << punkt;
    }
    // By its own id (point -1), by its own id also beside a point, not at all without either or inactive:
    // the id read, -1 when the view cannot open.
    for (const auto& [punkt, id, gelesen] :
         {std::tuple{-1, 32, 32}, {700, 33, 33}, {-1, -1, -1}, {-1, 31, -1}}) {
        frmTankstellen t;
        EXPECT_EQ(t.Init(punkt, id) ? t.ObjektID() : -1, gelesen) << punkt << " " << id;
    }
}

TEST_F(DetailViews, TheWindowKeepsItsMinimumSizeAndItsPartsApart) {
    frmHaefen frm;
    ASSERT_TRUE(frm.Init(600));
    frm.show();
    frm.resize(300, 200);
    EXPECT_GE(frm.width(), 580);
    EXPECT_GE(frm.height(), 450);
    const QRect panel = frm.ucInfo()->geometry();
    EXPECT_LE(panel.bottom(), frm.picAS(0)->y());
    EXPECT_LE(frm.picIN(0)->geometry().bottom(), frm.pbBack()->y());
    EXPECT_LE(frm.picIH(8)->geometry().right(), frm.width());
    EXPECT_LE(frm.pbBack()->geometry().bottom(), frm.height());
    EXPECT_LE(frm.pbBack()->geometry().right(), frm.width());
    EXPECT_FALSE(frm.pbTankstelle()->geometry().intersects(frm.pbBack()->geometry()));
    // The back button hides the view.
    Klick(frm.pbBack());
    EXPECT_FALSE(frm.isVisible());
}

TEST_F(DetailViews, AnUnreadableRowIsReportedUnderTheViewsName) {
    // A catalogue whose bridge table lacks a column the view reads.
    olm3test::TempDir anderer;
    cfg.katalog = olm3test::MakeCatalogue(anderer, QStringLiteral("1_Kaputt.sqlite"),
                                          {olm3test::FixtureSql(QStringLiteral("details")),
                                           QStringLiteral("ALTER TABLE Bruecken DROP COLUMN Kategorie;")});
    ASSERT_TRUE(olm.Init(&cfg, nullptr, &lader));
    const auto m =
        meldung([&] { EXPECT_FALSE(olm3browser::OeffneDetails(nullptr, &olm, QStringLiteral("B"), 800)); });
    EXPECT_EQ(m.title, QStringLiteral("frmBruecken.ShowDaten"));
    EXPECT_EQ(m.style & 0x70, modOLM3Binnen::vbCritical);
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("3265  "))) << m.text.toStdString();
}

TEST_F(DetailViews, TheBrowsersDetailActionOpensTheViewOfEachTypeWithItsPanel) {
    QStringList tafeln;
    modal = [&](QDialog* dlg) {
        if (auto* d = qobject_cast<frmDetails*>(dlg)) tafeln << tafel(d->ucInfo());
    };
    for (const auto& [typ, punkt] :
         {std::pair{"B", 800}, {"S", 500}, {"H ", 600}, {"T", 700}, {"L", 900}, {"W", 950}})
        EXPECT_TRUE(olm3browser::OeffneDetails(nullptr, &olm, QString::fromLatin1(typ), punkt)) << typ;
    EXPECT_EQ(geoeffnet, (QStringList{"frmBruecken", "frmSchleusen", "frmHaefen", "frmTankstellen",
                                      "frmLiegestellen", "frmWehre"}));
    // The lock has an info text and a first picture, no second one and no extra button; berths and weirs
    // have no telephones.
    EXPECT_EQ(
        tafeln,
        (QStringList{"Hubbrücke Prüfstadt|-|-|Kanal 18|Hub nach Anmeldung.|-|Bild2|-",
                     "Schleuse Prüfstadt|030 111|030 222|Kanal 20|"
                     "Schleusung nach Ampel; Wartestelle im Unterwasser am linken Ufer.|Bild1|-|-",
                     "Stadthafen Prüfstadt|-|0331 444|Kanal 72|Gastliegeplätze am Steg B.|Bild1|Bild2|Knopf",
                     "Hafentankstelle Prüfstadt|0331 555|-|-|Bootstankstelle an der Hafeneinfahrt.|-|-|Knopf",
                     "Liegestelle Am Park|-|-|-|Liegedauer höchstens 24 Stunden.|-|-|-",
                     "Wehr Prüfstadt|-|-|-|-|Bild1|-|-"}));
    olm3test::MessageRecorder meldungen;
    EXPECT_FALSE(olm3browser::OeffneDetails(nullptr, &olm, QStringLiteral("A"), 990));
    EXPECT_FALSE(olm3browser::OeffneDetails(nullptr, &olm, QString(), 991));
    EXPECT_EQ(geoeffnet.size(), 6);
    EXPECT_TRUE(meldungen.messages().empty());
}
