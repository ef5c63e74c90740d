// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "pickers/frmDesktop.h"
#include "platform/ColorValue.h"
#include "platform/Surface.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace tessary;

namespace {

constexpr std::int32_t kTopLeft = ColorValue::pack(10, 20, 30);
constexpr std::int32_t kTopRight = ColorValue::pack(200, 0, 0);
constexpr std::int32_t kBottomLeft = ColorValue::pack(0, 200, 0);
constexpr std::int32_t kBottomRight = ColorValue::pack(0, 0, 200);
constexpr std::int32_t kSpot = ColorValue::pack(77, 88, 99);
constexpr QPoint kSpotAt(37, 41);

// A scripted desktop: four quadrants and one odd pixel.
QImage scriptedDesktop()
{
    QImage img(200, 150, QImage::Format_RGB32);
    const auto fill = [&](int x, int y, int w, int h, std::int32_t c) {
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx)
                img.setPixel(xx, yy, Surface::toQColor(c).rgb());
    };
    fill(0, 0, 100, 75, kTopLeft);
    fill(100, 0, 100, 75, kTopRight);
    fill(0, 75, 100, 75, kBottomLeft);
    fill(100, 75, 100, 75, kBottomRight);
    img.setPixel(kSpotAt, Surface::toQColor(kSpot).rgb());
    return img;
}

class frmDesktopTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        test::GuiTest::SetUp();
        fakes.screenCapture->image = scriptedDesktop();
        QCursor::setPos(origin() + QPoint(150, 20));
        frmMain& main = frmMain::instance();
        main.showModeless();
        main.setColor(kStart);
        ASSERT_EQ(frmTessary::instance().getColor(), kStart);
    }

    static QPoint origin() { return QGuiApplication::primaryScreen()->virtualGeometry().topLeft(); }

    // As the display window does on a right-button press.
    frmDesktop& openPicker()
    {
        frmMain::instance().hide();
        frmDesktop& picker = frmDesktop::instance();
        picker.showModeless();
        return picker;
    }

    static constexpr std::int32_t kStart = ColorValue::pack(1, 2, 3);
};

} // namespace

TEST_F(frmDesktopTest, FreezesTheScreenInABorderlessWindowOverTheDesktop)
{
    frmDesktop& picker = openPicker();
    EXPECT_EQ(fakes.screenCapture->calls, 1);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(picker.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(picker.geometry(), QRect(origin(), QSize(200, 150)));
    EXPECT_TRUE(test::imagesEqual(scriptedDesktop(), picker.surface().image(), QStringLiteral("desktop-copy")));
    EXPECT_FALSE(frmMain::instance().isVisible());
    EXPECT_TRUE(frmTessary::instance().isVisible());

    const QCursor cursor = picker.cursor();
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    EXPECT_EQ(qAlpha(cursor.pixmap().toImage().pixel(0, 0)), 255);
}

TEST_F(frmDesktopTest, MovingPreviewsOnTheDisplayWindowOnly)
{
    frmDesktop& picker = openPicker();
    struct Row {
        QPoint at;
        std::int32_t color;
    };
    for (const Row& row : {Row{{150, 20}, kTopRight}, Row{{20, 120}, kBottomLeft}, Row{kSpotAt, kSpot},
                           Row{{199, 149}, kBottomRight}, Row{{0, 0}, kTopLeft}}) {
        picker.Form_MouseMove(0, 0, row.at.x(), row.at.y());
        EXPECT_EQ(frmTessary::instance().getColor(), row.color) << row.at.x() << "," << row.at.y();
        EXPECT_EQ(picker.pickedColor(), row.color);
    }
    EXPECT_EQ(frmMain::instance().currentColor().getColor(), kStart);
}

TEST_F(frmDesktopTest, FractionalPositionsRoundHalfToEven)
{
    frmDesktop& picker = openPicker();
    picker.Form_MouseMove(0, 0, 99.5, 74.5);   // 100, 74: top right
    EXPECT_EQ(picker.pickedColor(), kTopRight);
    picker.Form_MouseMove(0, 0, 100.5, 75.5);  // 100, 76: bottom right
    EXPECT_EQ(picker.pickedColor(), kBottomRight);
}

TEST_F(frmDesktopTest, ClicksCloseThePickerAndDecideTheColour)
{
    struct Row {
        const char* name;
        int button;
        std::int32_t mainColor, displayColor;
    };
    const Row rows[] = {
        {"left click takes the previewed colour", 1, kBottomLeft, kBottomLeft},
        {"right click restores the old colour", 2, kStart, kStart},
        {"middle click keeps the preview on the display only", 4, kStart, kBottomLeft},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        frmMain::instance().setColor(kStart);
        frmDesktop& picker = openPicker();
        picker.Form_MouseMove(0, 0, 150, 20);
        picker.Form_MouseMove(0, 0, 20, 120);
        picker.Form_MouseDown(row.button, 0, 20, 120);
        EXPECT_FALSE(frmDesktop::isInstanceLoaded());
        EXPECT_FALSE(picker.isVisible());
        EXPECT_TRUE(frmMain::instance().isVisible());
        EXPECT_EQ(frmMain::instance().currentColor().getColor(), row.mainColor);
        EXPECT_EQ(frmTessary::instance().getColor(), row.displayColor);
    }
}

TEST_F(frmDesktopTest, ClickWithoutMovementTakesThePixelUnderThePointer)
{
    QCursor::setPos(origin() + kSpotAt);
    frmDesktop& picker = openPicker();
    picker.Form_MouseDown(1, 0, kSpotAt.x(), kSpotAt.y());
    EXPECT_EQ(frmMain::instance().currentColor().getColor(), kSpot);
}

TEST_F(frmDesktopTest, EscapeRestoresLikeARightClick)
{
    frmDesktop& picker = openPicker();
    picker.Form_MouseMove(0, 0, 150, 20);
    QTest::keyClick(&picker, Qt::Key_Escape);
    EXPECT_FALSE(frmDesktop::isInstanceLoaded());
    EXPECT_EQ(frmTessary::instance().getColor(), kStart);
    EXPECT_TRUE(frmMain::instance().isVisible());
}

TEST_F(frmDesktopTest, RealMouseEventsPreviewAndPick)
{
    frmDesktop& picker = openPicker();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    QTest::mouseMove(&picker, QPoint(180, 140));
    EXPECT_EQ(frmTessary::instance().getColor(), kBottomRight);
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(180, 140));
    EXPECT_EQ(frmMain::instance().currentColor().getColor(), kBottomRight);
    EXPECT_FALSE(frmDesktop::isInstanceLoaded());
}

TEST_F(frmDesktopTest, RefusedCaptureIsReportedAndTheMainWindowComesBack)
{
    fakes.screenCapture->image = QImage();
    frmDesktop& picker = openPicker();
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    EXPECT_TRUE(fakes.messageBox->calls[0].text.contains(QStringLiteral("画面")));
    EXPECT_EQ(fakes.messageBox->calls[0].title, QStringLiteral("Tessary"));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_FALSE(frmDesktop::isInstanceLoaded());
    EXPECT_TRUE(frmMain::instance().isVisible());
    EXPECT_EQ(frmTessary::instance().getColor(), kStart);
}

TEST_F(frmDesktopTest, DisplayWindowStaysInFrontOnlyWhileThePickerIsOpen)
{
    frmTessary& display = frmTessary::instance();
    frmDesktop& picker = openPicker();
    EXPECT_TRUE(display.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    picker.Form_MouseDown(2, 0, 0, 0);
    EXPECT_FALSE(frmTessary::instance().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(frmTessary::instance().isVisible());
}

TEST_F(frmDesktopTest, ClosingKeepsTheAlwaysInFrontSetting)
{
    frmMain& main = frmMain::instance();
    main.mnuOnTop->trigger();
    ASSERT_TRUE(main.mnuOnTop->isChecked());
    frmDesktop& picker = openPicker();
    picker.Form_MouseDown(1, 0, 0, 0);
    EXPECT_TRUE(frmTessary::instance().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}
