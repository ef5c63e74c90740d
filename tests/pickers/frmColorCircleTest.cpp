// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"
#include "main/frmMain.h"
#include "pickers/ColorCircle.h"
#include "pickers/frmColorCircle.h"
#include "platform/ColorValue.h"
#include "platform/PictureBox.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QTest>

using namespace tessary;

namespace {

constexpr int kCentre = 66;

ColorModel hsl(double h, double s, double l)
{
    ColorModel m;
    m.SetHSL(h, s, l);
    m.refreshColorModel();
    return m;
}

class frmColorCircleTest : public test::GuiTest {
protected:
    frmColorCircle& openWith(ColorModel model)
    {
        frmColorCircle& w = frmColorCircle::instance();
        w.setCircleType(0);
        w.showModeless();
        w.update(model);
        return w;
    }
    static std::int32_t pixel(frmColorCircle& w, int x, int y)
    {
        return test::control<PictureBox>(w, "Picture1")->surface().pixel(x, y);
    }
};

} // namespace

TEST_F(frmColorCircleTest, FixedToolWindowWithItsPictureBox)
{
    frmColorCircle& w = frmColorCircle::instance();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("色環"));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w.size(), QSize(133, 134));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(test::control<PictureBox>(w, "Picture1")->geometry(), QRect(0, 0, 133, 133));
    // 133 / 2 = 66.5 rounds to the even 66.
    EXPECT_EQ(w.circle()->geometry().centerX(), kCentre);
    EXPECT_EQ(w.circle()->geometry().centerY(), kCentre);
    EXPECT_EQ(test::control<PictureBox>(w, "Picture1")->surface().backColor(), ColorValue::pack(192, 192, 192));
    EXPECT_TRUE(test::control<PictureBox>(w, "Picture1")->autoRedraw());
}

TEST_F(frmColorCircleTest, UpdateDrawsRingDiscAndMarker)
{
    frmColorCircle& w = openWith(hsl(180, 1, 0.25));
    EXPECT_EQ(pixel(w, kCentre, kCentre), hsl(180, 1, 0.25).getColor());
    EXPECT_EQ(pixel(w, kCentre + 35, kCentre), hsl(0, 1, 0.25).getColor());
    EXPECT_EQ(pixel(w, kCentre - 35, kCentre), ColorValue::pack(191, 191, 191));
    EXPECT_EQ(pixel(w, 2, 2), ColorValue::pack(192, 192, 192));
}

TEST_F(frmColorCircleTest, ReleasePicksTheHueOfThePointersDirection)
{
    struct Row {
        const char* name;
        int x, y;
        double hue;
    };
    const Row rows[] = {
        {"on the ring, right", kCentre + 35, kCentre, 0},
        {"on the ring, down", kCentre, kCentre + 35, 90},
        {"inside the disc, left", kCentre - 5, kCentre, 180},
        {"outside the ring, up-right", 130, 2, 315},
        {"outside the picture box, down-left", -200, 332, 135},
        {"exactly at the centre", kCentre, kCentre, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        frmColorCircle& w = openWith(hsl(200, 0.5, 0.4));
        w.Picture1_MouseDown(1, 0, kCentre, kCentre);
        w.Picture1_MouseUp(1, 0, row.x, row.y);
        const std::int32_t expected = hsl(row.hue, 0.5, 0.4).getColor();
        EXPECT_EQ(w.circle()->getColor(), expected);
        EXPECT_EQ(pixel(w, kCentre, kCentre), expected);
        w.unload();
    }
}

TEST_F(frmColorCircleTest, ReleaseWithoutAPressStillPicks)
{
    frmColorCircle& w = openWith(hsl(10, 1, 0.5));
    w.Picture1_MouseUp(2, 0, kCentre, kCentre + 30);
    EXPECT_EQ(w.circle()->getColor(), hsl(90, 1, 0.5).getColor());
}

TEST_F(frmColorCircleTest, DragPreviewsOnlyTheCentreDisc)
{
    frmColorCircle& w = openWith(hsl(0, 1, 0.5));
    const QImage before = test::control<PictureBox>(w, "Picture1")->surface().image().copy();

    w.Picture1_MouseMove(0, 0, kCentre, kCentre + 30);   // no press yet: nothing happens
    EXPECT_TRUE(test::imagesEqual(before, test::control<PictureBox>(w, "Picture1")->surface().image(),
                                  QStringLiteral("circle-no-drag")));

    w.Picture1_MouseDown(1, 0, kCentre + 30, kCentre);
    w.Picture1_MouseMove(1, 0, kCentre, kCentre + 30);
    EXPECT_EQ(pixel(w, kCentre, kCentre), hsl(90, 1, 0.5).getColor());
    // The marker on the rightward axis is still where the last full drawing put it.
    EXPECT_EQ(test::control<PictureBox>(w, "Picture1")->surface().image().pixel(kCentre + 35, kCentre),
              before.pixel(kCentre + 35, kCentre));
}

TEST_F(frmColorCircleTest, PickingOnAGreyGivesAGrey)
{
    ColorModel grey;
    grey.setRGB(100, 100, 100);
    frmColorCircle& w = openWith(grey);
    w.Picture1_MouseDown(1, 0, kCentre, kCentre);
    w.Picture1_MouseUp(1, 0, kCentre + 10, kCentre + 30);
    const std::int32_t c = w.circle()->getColor();
    EXPECT_EQ(c, ColorValue::pack(100, 100, 100));
    ColorModel picked;
    picked.setColor(c);
    EXPECT_EQ(picked.getSatuation(), 0.0);
}

TEST_F(frmColorCircleTest, MouseEventsReachTheHandlers)
{
    frmColorCircle& w = openWith(hsl(0, 1, 0.5));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mousePress(test::control<PictureBox>(w, "Picture1"), Qt::LeftButton, {}, QPoint(kCentre + 30, kCentre));
    QTest::mouseMove(test::control<PictureBox>(w, "Picture1"), QPoint(kCentre - 30, kCentre));
    QTest::mouseRelease(test::control<PictureBox>(w, "Picture1"), Qt::LeftButton, {}, QPoint(kCentre - 30, kCentre));
    EXPECT_EQ(w.circle()->getColor(), hsl(180, 1, 0.5).getColor());
}

TEST_F(frmColorCircleTest, ReleaseHandsTheColourToTheMainWindow)
{
    frmMain& main = frmMain::instance();
    frmColorCircle& w = openWith(hsl(0, 1, 0.5));
    w.Picture1_MouseDown(1, 0, kCentre, kCentre);
    w.Picture1_MouseUp(1, 0, kCentre, kCentre + 30);
    EXPECT_EQ(main.currentColor().getColor(), hsl(90, 1, 0.5).getColor());
}

TEST_F(frmColorCircleTest, ClosingClearsTheMainWindowsCheckMark)
{
    frmMain& main = frmMain::instance();
    ASSERT_NE(test::action(main, "mnuColorCircle"), nullptr);
    frmColorCircle& w = openWith(hsl(0, 1, 0.5));
    test::action(main, "mnuColorCircle")->setChecked(true);
    w.close();
    EXPECT_FALSE(test::action(main, "mnuColorCircle")->isChecked());
    EXPECT_FALSE(frmColorCircle::isInstanceLoaded());
}

TEST_F(frmColorCircleTest, MenuOpensTheCircleAndItFollowsTheMainWindow)
{
    frmMain& main = frmMain::instance();
    main.setColor(hsl(30, 1, 0.5).getColor());
    test::action(main, "mnuColorCircle")->trigger();
    ASSERT_TRUE(frmColorCircle::isInstanceLoaded());
    frmColorCircle& w = frmColorCircle::instance();
    EXPECT_EQ(pixel(w, kCentre, kCentre), hsl(30, 1, 0.5).getColor());

    w.Picture1_MouseDown(1, 0, kCentre, kCentre);
    w.Picture1_MouseUp(1, 0, kCentre - 30, kCentre);
    EXPECT_EQ(main.currentColor().getColor(), hsl(180, 1, 0.5).getColor());
    EXPECT_EQ(pixel(w, kCentre, kCentre), main.currentColor().getColor());

    test::action(main, "mnuColorCircle")->trigger();
    EXPECT_FALSE(frmColorCircle::isInstanceLoaded());
}
