// SPDX-License-Identifier: MIT
#include "display/BackGroundImage.h"
#include "DisplayFixture.h"

#include <QFile>

using namespace tessary;

namespace {

using test::kBlue;
using test::kRed;

class BackgroundPicture : public test::GuiTest {
protected:
    frmTessary& display(int w, int h)
    {
        frmTessary& t = test::showScheme(w, h);
        t.setStyle(0);
        return t;
    }

    // A picture in which every pixel has a colour of its own.
    static QImage pattern(int w, int h, int seed = 0)
    {
        QImage img(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, qRgb((x * 3 + seed) & 0xFF, (y * 3) & 0xFF, (x + y + 64) & 0xFF));
        return img;
    }

    QString save(const QImage& img, const QString& name) const
    {
        const QString path = workDir() + u'/' + name;
        // Written by the name's extension, and as PNG where it has none.
        const char* format = name.contains(u'.') ? nullptr : "PNG";
        EXPECT_TRUE(img.save(path, format));
        return path;
    }

    // The surface must show picture repeated from the top-left corner.
    static ::testing::AssertionResult tiled(const QImage& surface, const QImage& picture)
    {
        QImage e(surface.size(), QImage::Format_RGB32);
        for (int y = 0; y < e.height(); ++y)
            for (int x = 0; x < e.width(); ++x)
                e.setPixel(x, y, picture.pixel(x % picture.width(), y % picture.height()));
        return test::imagesEqual(e, surface, QStringLiteral("display-tiles"));
    }
};

} // namespace

TEST_F(BackgroundPicture, PicturesAreTiledFromTheTopLeft)
{
    struct Row {
        const char* name;
        int pw, ph, w, h;
    };
    const Row rows[] = {
        {"64 x 64 on 150 x 100: six copies, cut at the edges", 64, 64, 150, 100},
        {"larger than the window: one copy", 300, 200, 150, 100},
        {"tiny pictures cover the window", 5, 3, 151, 97},
        {"one pixel", 1, 1, 40, 30},
        {"a thin strip", 200, 1, 150, 40},
    };
    for (const Row& r : rows) {
        frmTessary& t = display(r.w, r.h);
        const QImage picture = pattern(r.pw, r.ph);
        ASSERT_TRUE(t.loadBackgroundImage(save(picture, QStringLiteral("tile.bmp")))) << r.name;
        EXPECT_TRUE(t.isBGIVisible());
        EXPECT_TRUE(tiled(t.surface().image(), picture)) << r.name;
        t.tessaryRefresh();   // the picture, not the style, at every repaint
        EXPECT_TRUE(tiled(t.surface().image(), picture)) << r.name;
    }
}

TEST_F(BackgroundPicture, TransparentPartsShowTheWindowColourNotOldDrawing)
{
    frmTessary& t = display(60, 40);
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(t.loadBackgroundImage(save(clear, QStringLiteral("clear.png"))));
    t.surface().fillRect(0, 0, 60, 40, kRed);   // what the window showed before
    t.tessaryRefresh();
    const std::int32_t back = t.surface().backColor();
    for (const QPoint p : {QPoint(0, 0), QPoint(30, 20), QPoint(59, 39)})
        EXPECT_EQ(t.surface().pixel(p.x(), p.y()), back) << p.x() << "," << p.y();
}

TEST_F(BackgroundPicture, GifBmpAndJpegAreRead)
{
    const QImage picture = pattern(16, 8);
    BackGroundImage bgi;
    EXPECT_TRUE(bgi.loadImage(dataPath(QStringLiteral("display/tile16x8.gif"))));
    EXPECT_EQ(bgi.picture().size(), QSize(16, 8));
    EXPECT_TRUE(bgi.loadImage(save(picture, QStringLiteral("p.bmp"))));
    EXPECT_EQ(bgi.picture().pixel(15, 7), picture.pixel(15, 7));
    EXPECT_TRUE(bgi.loadImage(save(pattern(24, 12), QStringLiteral("p.jpg"))));
    EXPECT_EQ(bgi.picture().size(), QSize(24, 12));
    EXPECT_TRUE(bgi.loadImage(save(pattern(7, 9), QStringLiteral("no-extension"))));
    EXPECT_EQ(bgi.picture().size(), QSize(7, 9));
}

TEST_F(BackgroundPicture, SwitchingOffClearsAndTheStyleComesBack)
{
    frmTessary& t = display(100, 80);
    const QImage first = pattern(32, 32);
    const QString path = save(first, QStringLiteral("first.bmp"));
    ASSERT_TRUE(t.loadBackgroundImage(path));
    t.setBGIVisible(false);
    EXPECT_FALSE(t.isBGIVisible());
    QImage cleared(100, 80, QImage::Format_RGB32);
    cleared.fill(Surface::toQColor(t.surface().backColor()));
    EXPECT_TRUE(test::imagesEqual(cleared, t.surface().image(), QStringLiteral("display-cleared")));
    t.tessaryRefresh();
    EXPECT_EQ(t.surface().pixel(0, 0), kRed);
    EXPECT_EQ(t.surface().pixel(0, 79), kBlue);

    // Shown again from memory: the file is gone.
    QFile::remove(path);
    t.setBGIVisible(true);
    EXPECT_TRUE(tiled(t.surface().image(), first));

    // A second picture replaces the first, also after switching off and on.
    const QImage second = pattern(20, 20, 100);
    ASSERT_TRUE(t.loadBackgroundImage(save(second, QStringLiteral("second.bmp"))));
    t.setBGIVisible(false);
    t.setBGIVisible(true);
    EXPECT_TRUE(tiled(t.surface().image(), second));
}

TEST_F(BackgroundPicture, ShowingBeforeAnyPictureDrawsOnlyTheLabels)
{
    frmTessary& t = display(100, 80);
    const QImage before = t.surface().image().copy();
    t.setBGIVisible(true);
    EXPECT_TRUE(t.isBGIVisible());
    EXPECT_TRUE(test::imagesEqual(before, t.surface().image(), QStringLiteral("display-nopicture")));
    t.setSelectObject(3);
    t.setColor(0x00FF00);
    t.tessaryRefresh();   // the style is not drawn while the picture is on
    EXPECT_EQ(t.surface().pixel(0, 0), kRed);
}

TEST_F(BackgroundPicture, AFileThatIsNoPictureChangesNothing)
{
    frmTessary& t = display(100, 80);
    const QImage picture = pattern(10, 10);
    const QString good = save(picture, QStringLiteral("good.bmp"));
    const QString bad[] = {
        writeFile(QStringLiteral("broken.gif"), QByteArray("GIF89a\x01\x00garbage", 15)),
        writeFile(QStringLiteral("empty.bmp"), QByteArray()),
        writeFile(QStringLiteral("text.jpg"), QByteArray("not a picture at all")),
        workDir() + QStringLiteral("/missing.bmp"),
        workDir(),
    };
    for (bool shown : {false, true}) {
        if (shown)
            ASSERT_TRUE(t.loadBackgroundImage(good));
        else
            t.tessaryRefresh();
        for (const QString& path : bad) {
            const QImage before = t.surface().image().copy();
            EXPECT_FALSE(t.loadBackgroundImage(path)) << path.toStdString();
            EXPECT_EQ(t.isBGIVisible(), shown) << path.toStdString();
            EXPECT_TRUE(test::imagesEqual(before, t.surface().image(), QStringLiteral("display-bad")))
                << path.toStdString();
        }
    }
    // The good picture is still the one kept.
    t.setBGIVisible(false);
    t.setBGIVisible(true);
    EXPECT_TRUE(tiled(t.surface().image(), picture));
}

TEST_F(BackgroundPicture, NothingIsDrawnWithoutAWindow)
{
    BackGroundImage bgi;
    ASSERT_TRUE(bgi.loadImage(save(pattern(4, 4), QStringLiteral("p.bmp"))));
    bgi.drawTile();   // no window: must not crash or draw anywhere
    EXPECT_TRUE(bgi.hasPicture());
}
