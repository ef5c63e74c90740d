// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "pickers/DesktopWaitWindow.h"
#include "pickers/frmDesktop.h"
#include "platform/ColorValue.h"
#include "platform/Surface.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
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
    EXPECT_TRUE(test::imagesEqual(scriptedDesktop(), picker.frozenCopy(0), QStringLiteral("desktop-copy")));
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
    QTest::mouseMove(picker.windowHandle(), QPoint(180, 140));
    EXPECT_EQ(frmTessary::instance().getColor(), kBottomRight);
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(180, 140));
    EXPECT_EQ(frmMain::instance().currentColor().getColor(), kBottomRight);
    EXPECT_FALSE(frmDesktop::isInstanceLoaded());
}

TEST_F(frmDesktopTest, RefusedCaptureIsReportedAndTheMainWindowComesBack)
{
    fakes.screenCapture->image = QImage();
    const QPointer<frmDesktop> picker = &openPicker();
    // A refused grab asks the desktop, which has nothing for us here.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fakes.messageBox->calls.isEmpty(); }));
    EXPECT_EQ(fakes.screenCapture->desktopAsks, 1);
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    EXPECT_TRUE(fakes.messageBox->calls[0].text.contains(QStringLiteral("画面")));
    EXPECT_EQ(fakes.messageBox->calls[0].title, QStringLiteral("Tessary"));
    EXPECT_TRUE(!picker || !picker->isVisible());
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
    test::action(main, "mnuOnTop")->trigger();
    ASSERT_TRUE(test::action(main, "mnuOnTop")->isChecked());
    frmDesktop& picker = openPicker();
    picker.Form_MouseDown(1, 0, 0, 0);
    EXPECT_TRUE(frmTessary::instance().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(frmDesktopTest, ArrowKeysStepTheCrossHairByDevicePixels)
{
    frmDesktop& picker = openPicker();
    picker.Form_MouseMove(0, 0, kSpotAt.x() - 1, kSpotAt.y());
    struct Row {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint expected;
    };
    const Row rows[] = {
        {"right by one onto the odd pixel", Qt::Key_Right, {}, kSpotAt},
        {"down by one", Qt::Key_Down, {}, kSpotAt + QPoint(0, 1)},
        {"up by one", Qt::Key_Up, {}, kSpotAt},
        {"shift+right by ten", Qt::Key_Right, Qt::ShiftModifier, kSpotAt + QPoint(10, 0)},
        {"shift+left by ten", Qt::Key_Left, Qt::ShiftModifier, kSpotAt},
        {"left by one", Qt::Key_Left, {}, kSpotAt - QPoint(1, 0)},
        {"shift+up by ten", Qt::Key_Up, Qt::ShiftModifier, {kSpotAt.x() - 1, 31}},
        {"shift+up by ten again", Qt::Key_Up, Qt::ShiftModifier, {kSpotAt.x() - 1, 21}},
        {"shift+up by ten once more", Qt::Key_Up, Qt::ShiftModifier, {kSpotAt.x() - 1, 11}},
        {"shift+up to the second row", Qt::Key_Up, Qt::ShiftModifier, {kSpotAt.x() - 1, 1}},
        {"shift+up stops at the top edge", Qt::Key_Up, Qt::ShiftModifier, {kSpotAt.x() - 1, 0}},
    };
    for (const Row& row : rows) {
        QTest::keyClick(&picker, row.key, row.modifiers);
        EXPECT_EQ(picker.crossHair().at, row.expected) << row.name;
        const std::int32_t shown = Surface::fromRgb(scriptedDesktop().pixel(row.expected));
        EXPECT_EQ(picker.pickedColor(), shown) << row.name;
        EXPECT_EQ(frmTessary::instance().getColor(), shown) << row.name;
    }
    picker.Form_MouseMove(0, 0, 199, 149);
    QTest::keyClick(&picker, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&picker, Qt::Key_Down);
    EXPECT_EQ(picker.crossHair().at, QPoint(199, 149)) << "the bottom-right corner holds";
}

TEST_F(frmDesktopTest, EnterTakesTheColourLikeALeftClick)
{
    frmDesktop& picker = openPicker();
    picker.Form_MouseMove(0, 0, kSpotAt.x(), kSpotAt.y() + 1);
    QTest::keyClick(&picker, Qt::Key_Up);
    QTest::keyClick(&picker, Qt::Key_Return);
    EXPECT_FALSE(frmDesktop::isInstanceLoaded());
    EXPECT_EQ(frmMain::instance().currentColor().getColor(), kSpot);
    EXPECT_TRUE(frmMain::instance().isVisible());
}

TEST_F(frmDesktopTest, LoupeShowsThePickedPixelEnlarged)
{
    frmDesktop& picker = openPicker();
    picker.Form_MouseMove(0, 0, kSpotAt.x(), kSpotAt.y());
    const QImage shown = picker.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The odd pixel once on the copy and a 10 x 10 middle cell in the loupe.
    const QRgb spot = Surface::toQColor(kSpot).rgb();
    int spotPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            spotPixels += shown.pixel(x, y) == spot;
    EXPECT_EQ(spotPixels, 1 + 10 * 10);
    EXPECT_EQ(shown.pixel(kSpotAt), spot) << "the cross-hair leaves the picked pixel visible";
}

TEST_F(frmDesktopTest, EachScreenIsMappedAtItsOwnRatio)
{
    // A screen at ratio 1 and, to its right, one at ratio 2 whose copy has a colour per
    // device pixel.
    QImage left(100, 75, QImage::Format_RGB32);
    left.fill(Surface::toQColor(kTopLeft));
    QImage right(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < right.height(); ++y)
        for (int x = 0; x < right.width(); ++x)
            right.setPixel(x, y, qRgb(x, y, 7));
    fakes.screenCapture->screens = {{left, QRect(origin(), QSize(100, 75)), 1.0},
                                    {right, QRect(origin() + QPoint(100, 0), QSize(100, 75)), 2.0}};
    frmDesktop& picker = openPicker();
    EXPECT_EQ(picker.geometry(), QRect(origin(), QSize(200, 75)));
    struct Row {
        QPointF at;
        int pane;
        QPoint device;
    };
    for (const Row& row : {Row{{99, 10}, 0, {99, 10}}, Row{{100, 10}, 1, {0, 20}}, Row{{130, 10}, 1, {60, 20}},
                           Row{{130.25, 10.75}, 1, {60, 22}}, Row{{199, 74}, 1, {198, 148}}}) {
        picker.Form_MouseMove(0, 0, row.at.x(), row.at.y());
        EXPECT_EQ(picker.crossHair(), (DevicePixelMap::Pixel{row.pane, row.device})) << row.at.x();
        if (row.pane == 1) {
            EXPECT_EQ(picker.pickedColor(), ColorValue::pack(row.device.x(), row.device.y(), 7)) << row.at.x();
        }
    }
    QTest::keyClick(&picker, Qt::Key_Right);
    EXPECT_EQ(picker.crossHair(), (DevicePixelMap::Pixel{1, {199, 148}})) << "the odd device column by key";
}

TEST_F(frmDesktopTest, WithoutAGrabTheDesktopIsAsked)
{
    using Kind = IScreenCapture::DesktopAnswer::Kind;
    constexpr std::int32_t kPicked = ColorValue::pack(128, 0, 255);
    struct Row {
        const char* name;
        bool grabbing;
        IScreenCapture::DesktopAnswer answer;
        std::int32_t mainColor;
        int messages;
    };
    const Row rows[] = {
        {"the desktop's picker chose a colour", false, {Kind::Colour, {}, kPicked}, kPicked, 0},
        {"the user cancelled in the desktop's dialog", false, {Kind::Cancelled, {}, 0}, kStart, 0},
        {"no portal", false, {Kind::Unavailable, {}, 0}, kStart, 1},
        {"a refused grab asks too", true, {Kind::Colour, {}, kPicked}, kPicked, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fakes.messageBox->calls.clear();
        fakes.screenCapture->desktopAsks = 0;
        fakes.screenCapture->grabbing = row.grabbing;
        fakes.screenCapture->image = QImage();
        fakes.screenCapture->desktopAnswers = {row.answer};
        frmMain::instance().setColor(kStart);
        openPicker();
        ASSERT_TRUE(QTest::qWaitFor([] { return !frmDesktop::isInstanceLoaded(); }));
        EXPECT_EQ(fakes.screenCapture->desktopAsks, 1);
        EXPECT_EQ(fakes.screenCapture->calls, row.grabbing ? 1 : 0) << "no grab where none can work";
        EXPECT_EQ(frmMain::instance().currentColor().getColor(), row.mainColor);
        EXPECT_EQ(frmTessary::instance().getColor(), row.mainColor);
        EXPECT_EQ(fakes.messageBox->calls.size(), row.messages);
        EXPECT_TRUE(frmMain::instance().isVisible());
        fakes.screenCapture->calls = 0;
    }
}

// While the desktop is asked, a window beside the display window says so and offers
// 取り消し; pressing it gives the main window back at once, whatever the desktop does later.
TEST_F(frmDesktopTest, WaitingForTheDesktopCanBeCancelled)
{
    fakes.screenCapture->grabbing = false;
    fakes.screenCapture->desktopSilent = true;
    frmMain::instance().setColor(kStart);
    openPicker();
    DesktopWaitWindow* waiting = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<DesktopWaitWindow*>(w); found && found->isVisible())
            waiting = found;
    }
    ASSERT_TRUE(waiting);
    EXPECT_EQ(test::control<QPushButton>(*waiting, "btnCancel")->text(), QStringLiteral("取り消し"));
    EXPECT_FALSE(waiting->frameGeometry().intersects(frmTessary::instance().frameGeometry()))
        << "beside the display window, not over it";
    EXPECT_FALSE(frmMain::instance().isVisible());
    QPointer<DesktopWaitWindow> alive(waiting);
    QTest::mouseClick(test::control<QPushButton>(*waiting, "btnCancel"), Qt::LeftButton);
    EXPECT_FALSE(frmDesktop::isInstanceLoaded());
    EXPECT_TRUE(frmMain::instance().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }));
    EXPECT_EQ(frmTessary::instance().getColor(), kStart);
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
}

TEST_F(frmDesktopTest, ADesktopScreenshotIsPickedInTheSameViewer)
{
    fakes.screenCapture->grabbing = false;
    fakes.screenCapture->desktopAnswers = {{IScreenCapture::DesktopAnswer::Kind::Screenshot, scriptedDesktop(), 0}};
    frmDesktop& picker = openPicker();
    EXPECT_FALSE(picker.isVisible()) << "nothing to show before the desktop answers";
    ASSERT_TRUE(QTest::qWaitFor([&] { return picker.isVisible(); }));
    EXPECT_TRUE(picker.windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(test::imagesEqual(scriptedDesktop(), picker.frozenCopy(0), QStringLiteral("screenshot-copy")));
    picker.Form_MouseMove(0, 0, kSpotAt.x() - 2, kSpotAt.y());
    QTest::keyClick(&picker, Qt::Key_Right);
    QTest::keyClick(&picker, Qt::Key_Right);
    EXPECT_EQ(frmTessary::instance().getColor(), kSpot);
    QTest::keyClick(&picker, Qt::Key_Enter);
    EXPECT_EQ(frmMain::instance().currentColor().getColor(), kSpot);
    EXPECT_FALSE(frmDesktop::isInstanceLoaded());
}
