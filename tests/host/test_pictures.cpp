// The host's pictures and its picture loader.

#include "pictures.h"
#include "support/fixtures.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

using namespace olm3host;

namespace {

QByteArray fingerabdruck(const QPixmap& pm) {
    const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(img.constBits(), img.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

} // namespace

TEST(HostPictures, EveryPictureTheComponentAsksForIsThereDrawnAndDistinct) {
    // The ids the component's windows ask the host for: panel, arrows, back, the harbour's fuel station
    // button, the pumps, the harbour facilities available and not, the component icon.
    const std::vector<std::int32_t> verlangt = {101, 540, 573, 600, 609, 621, 219, 220, 221, 224, 274, 218,
                                                268, 225, 275, 202, 252, 212, 262, 223, 273, 210, 260, 226,
                                                276, 214, 264, 279, 280, 216, 278, 200, 250, 213, 263};
    QSet<QByteArray> gesehen;
    for (const std::int32_t id : verlangt) {
        const QPixmap pm = Bild(id);
        ASSERT_FALSE(pm.isNull()) << id;
        EXPECT_TRUE(std::find(BildIDs().begin(), BildIDs().end(), id) != BildIDs().end()) << id;
        // Something is drawn, and no two ids look alike.
        const QImage img = pm.toImage();
        int deckend = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) deckend += qAlpha(img.pixel(x, y)) > 0;
        EXPECT_GT(deckend, 150) << id;
        EXPECT_FALSE(gesehen.contains(fingerabdruck(pm))) << id;
        gesehen.insert(fingerabdruck(pm));
    }
    for (const std::int32_t id : BildIDs()) EXPECT_FALSE(Bild(id).isNull()) << id;
    EXPECT_TRUE(Bild(0).isNull());
    EXPECT_TRUE(Bild(12345).isNull());
}

TEST(HostPictures, TheChartMarksEveryTypeAndNothingElse) {
    for (const QChar typ : KartenTypen() + "X ") {
        QImage img(24, 24, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        ZeichneTypSymbol(p, typ, QPointF(12, 12), 16);
        p.end();
        bool gezeichnet = false;
        for (int y = 0; y < img.height() && !gezeichnet; ++y)
            for (int x = 0; x < img.width() && !gezeichnet; ++x) gezeichnet = qAlpha(img.pixel(x, y)) > 0;
        EXPECT_EQ(gezeichnet, KartenTypen().contains(typ)) << typ.toLatin1();
    }
}

TEST(HostPictures, TheLoaderReadsPicturesAndGivesNothingForMissingOrBrokenFiles) {
    olm3test::TempDir dir;
    BildLader lader;
    const QString png = dir.file("hafen.png");
    ASSERT_TRUE(Bild(224).save(png));
    EXPECT_EQ(lader.LoadPicture(png).size(), QSize(48, 48));
    // The component writes its paths with a backslash before the file name.
    EXPECT_EQ(lader.LoadPicture(dir.path() + "\\hafen.png").size(), QSize(48, 48));
    const QString keinBild = dir.write("kein-bild.jpg", "Dies ist kein Bild.");
    for (const QString& pfad : {dir.file("fehlt.png"), QString(), dir.path(), keinBild})
        EXPECT_TRUE(lader.LoadPicture(pfad).isNull()) << pfad.toStdString();
}
