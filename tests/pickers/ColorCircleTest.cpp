// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"
#include "pickers/ColorCircle.h"
#include "platform/ColorValue.h"
#include "platform/PictureBox.h"
#include "support/GuiTest.h"

#include <cmath>

using namespace tessary;

namespace {

constexpr int kSize = 133;
constexpr int kCentre = 66;
constexpr std::int32_t kBack = ColorValue::pack(192, 192, 192);
constexpr std::int32_t kBlack = 0;

ColorModel hsl(double h, double s, double l)
{
    ColorModel m;
    m.SetHSL(h, s, l);
    m.refreshColorModel();
    return m;
}

class ColorCircleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas.setBackColor(kBack);
        canvas.surface().resize(kSize, kSize);
        canvas.surface().clear();
        circle.setCanvas(&canvas);
        circle.setCenter(kCentre, kCentre);
        circle.setRadius(50, 20);
    }

    void draw(ColorModel current, bool marker)
    {
        circle.setCurrentColor(current);
        circle.drawColorCircle(marker);
    }

    std::int32_t at(int dx, int dy) const { return canvas.surface().pixel(kCentre + dx, kCentre + dy); }

    PictureBox canvas;
    ColorCircle circle;
};

// The hue of a ring pixel; neighbouring one-degree lines overlap, so only nearly exact.
double hueOf(std::int32_t c)
{
    ColorModel m;
    m.setColor(c);
    return m.getHue();
}

} // namespace

TEST_F(ColorCircleTest, RingDiscAndBackground)
{
    draw(hsl(200, 1, 0.5), false);
    // The 360-degree line is drawn last and has exactly the colour of 0 degrees.
    EXPECT_EQ(at(35, 0), hsl(0, 1, 0.5).getColor());
    struct Probe {
        int dx, dy;
        double hue;
    };
    for (const Probe& p : {Probe{0, 35, 90}, Probe{-35, 0, 180}, Probe{0, -35, 270}, Probe{25, 25, 45}}) {
        const double h = hueOf(at(p.dx, p.dy));
        EXPECT_NEAR(h, p.hue, 2.5) << p.dx << "," << p.dy;
    }
    EXPECT_EQ(at(0, 0), hsl(200, 1, 0.5).getColor());
    EXPECT_EQ(at(10, -5), hsl(200, 1, 0.5).getColor());
    EXPECT_EQ(at(45, 45), kBack);
    EXPECT_EQ(canvas.surface().pixel(0, 0), kBack);
    EXPECT_EQ(canvas.surface().penWidth(), 2);
}

TEST_F(ColorCircleTest, RingTakesSaturationAndLightnessOfTheCurrentColour)
{
    draw(hsl(10, 0.5, 0.25), false);
    EXPECT_EQ(at(35, 0), hsl(0, 0.5, 0.25).getColor());
    EXPECT_DOUBLE_EQ(circle.getSatuation(), 0.5);
    EXPECT_DOUBLE_EQ(circle.getLightness(), 0.25);
    EXPECT_EQ(circle.getHue(), 360.0);
}

TEST_F(ColorCircleTest, MarkerIsAContrastingGreyWithABlackTick)
{
    // Hue 180 puts the marker on the leftward axis, from x = cx - 50 to the disc.
    draw(hsl(180, 1, 0.25), true);
    EXPECT_EQ(at(-35, 0), ColorValue::pack(191, 191, 191));
    EXPECT_EQ(at(-21, 0), ColorValue::pack(191, 191, 191));
    EXPECT_EQ(at(-50, 0), kBlack);   // the tick starts on the outer point
    EXPECT_EQ(at(-56, 0), kBlack);
    EXPECT_EQ(at(-60, 0), kBack);    // the tick's end point is not drawn
    EXPECT_EQ(canvas.surface().penWidth(), 1);
}

TEST_F(ColorCircleTest, GreyMarkerRunsJustAboveTheRightwardAxis)
{
    ColorModel grey;
    grey.setRGB(64, 64, 64);
    draw(grey, true);
    EXPECT_EQ(at(45, -1), ColorValue::pack(191, 191, 191));
    EXPECT_EQ(at(54, -1), kBlack);
    // The ring of a grey is grey.
    const std::int32_t ring = at(0, 35);
    EXPECT_EQ(ColorValue::red(ring), ColorValue::green(ring));
    EXPECT_EQ(ColorValue::green(ring), ColorValue::blue(ring));
}

TEST_F(ColorCircleTest, CentreDiscRedrawLeavesTheRing)
{
    draw(hsl(120, 1, 0.5), true);
    const QImage before = canvas.surface().image().copy();
    ColorModel other = hsl(300, 1, 0.5);
    circle.setCurrentColor(other);
    circle.drawCenterCircle();
    EXPECT_EQ(at(0, 0), other.getColor());
    EXPECT_EQ(canvas.surface().image().pixel(kCentre + 35, kCentre), before.pixel(kCentre + 35, kCentre));
    EXPECT_EQ(canvas.surface().image().pixel(kCentre - 40, kCentre), before.pixel(kCentre - 40, kCentre));
}

TEST_F(ColorCircleTest, NothingIsDrawnWithoutARadius)
{
    ColorCircle bare;
    bare.setCanvas(&canvas);
    bare.setCenter(kCentre, kCentre);
    canvas.surface().fillRect(0, 0, kSize, kSize, 0x123456);
    ColorModel red = hsl(0, 1, 0.5);
    bare.setCurrentColor(red);
    bare.drawColorCircle(true);
    EXPECT_EQ(at(0, 0), 0x123456);
    EXPECT_EQ(at(35, 0), 0x123456);
}
