// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "pickers/frmDesktop.h"
#include "platform/QtScreenCapture.h"
#include "platform/Surface.h"
#include "support/GuiTest.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <set>

extern bool g_haveDisplay;

using namespace tessary;

namespace {

// Logical positions that are whole device pixels at every scale tested (x 1.25, 1.75, 2).
constexpr QPoint kTargetAt(200, 200);
constexpr QSize kTargetSize(48, 20);

// Column k of the picture: red and blue alternate, green counts the columns.
QRgb columnColour(int k)
{
    return k % 2 == 0 ? qRgb(255, k, 0) : qRgb(0, k, 255);
}

// A borderless window showing one-device-pixel columns.
class ColumnPicture : public QWidget {
public:
    ColumnPicture()
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        setGeometry(QRect(kTargetAt, kTargetSize));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const double dpr = devicePixelRatioF();
        QImage img(std::lround(width() * dpr), std::lround(height() * dpr), QImage::Format_RGB32);
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                img.setPixel(x, y, columnColour(x));
        img.setDevicePixelRatio(dpr);
        QPainter(this).drawImage(0, 0, img);
    }
};

class ScaledPicking : public test::GuiTest {
protected:
    void SetUp() override
    {
        if (!g_haveDisplay)
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        test::GuiTest::SetUp();
        Services::setScreenCapture(std::make_unique<QtScreenCapture>());
        screen = QGuiApplication::primaryScreen();
        dpr = screen->devicePixelRatio();
    }

    // The device pixels the screen shows where the picture is.
    QImage shownPicture() const
    {
        QCoreApplication::processEvents();
        return screen->grabWindow(0, kTargetAt.x(), kTargetAt.y(), kTargetSize.width(), kTargetSize.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    QScreen* screen = nullptr;
    double dpr = 1.0;
};

} // namespace

TEST_F(ScaledPicking, EveryDevicePixelColumnIsPickable)
{
    ColumnPicture picture;
    picture.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picture));
    QTest::qWait(50);
    const QImage before = shownPicture();
    const int columns = before.width();
    ASSERT_EQ(columns, std::lround(kTargetSize.width() * dpr)) << "the grab keeps device pixels";
    for (int k = 0; k < columns; ++k)
        ASSERT_EQ(before.pixel(k, 5), columnColour(k)) << "the picture's column " << k << " on the screen";

    // The display window stays in front of the picker: keep it off the picture.
    frmMain& main = frmMain::instance();
    main.showModeless();
    const QRect free = screen->geometry();
    frmTessary& display = frmTessary::instance();
    const QPoint away(free.right() - 320, free.bottom() - 320);
    display.move(away);
    main.hide();
    // The window system applies the move later; until then the display window may still be
    // placed beside the main window's frame, so wait until it stands where it was put.
    QTRY_COMPARE(display.pos(), away);
    QTest::qWait(50);
    QTRY_COMPARE(display.pos(), away);
    frmDesktop& picker = frmDesktop::instance();
    picker.showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    const QPoint pickerOrigin = picker.mapToGlobal(QPoint(0, 0));
    const int left = std::lround(kTargetAt.x() * dpr);
    const int row = std::lround((kTargetAt.y() + 5) * dpr);

    // By mouse: every logical position over the picture picks a column the pointer can be on,
    // with that column's colour.
    std::set<int> byMouse;
    for (int x = kTargetAt.x(); x < kTargetAt.x() + kTargetSize.width(); ++x) {
        QTest::mouseMove(&picker, QPoint(x, kTargetAt.y() + 5) - pickerOrigin);
        const int device = picker.crossHair().at.x();
        const int k = device - left;
        ASSERT_TRUE(k >= 0 && k < columns) << "logical " << x;
        EXPECT_EQ(std::lround(device / dpr), x) << "logical " << x;
        EXPECT_EQ(picker.pickedColor(), Surface::fromRgb(columnColour(k))) << "logical " << x;
        byMouse.insert(k);
    }
    EXPECT_EQ(static_cast<int>(byMouse.size()), kTargetSize.width());

    // By keys: from the first column every next one, one device pixel at a time.
    QTest::mouseMove(&picker, kTargetAt + QPoint(0, 5) - pickerOrigin);
    ASSERT_EQ(picker.crossHair().at, QPoint(left, row));
    for (int k = 1; k < columns; ++k) {
        QTest::keyClick(&picker, Qt::Key_Right);
        ASSERT_EQ(picker.crossHair().at.x(), left + k);
        EXPECT_EQ(picker.pickedColor(), Surface::fromRgb(columnColour(k))) << "column " << k;
        EXPECT_EQ(frmTessary::instance().getColor(), Surface::fromRgb(columnColour(k))) << "column " << k;
    }

    // The frozen copy is shown 1:1: with the cross-hair and loupe elsewhere, the screen shows
    // the picture's columns as before.
    picture.hide();
    QTest::mouseMove(&picker, QPoint(600, 400) - pickerOrigin);
    QTest::qWait(50);
    EXPECT_TRUE(test::imagesEqual(before, shownPicture(), QStringLiteral("scaled-picker-view")));

    const std::int32_t last = picker.pickedColor();
    QTest::keyClick(&picker, Qt::Key_Return);
    EXPECT_EQ(main.currentColor().getColor(), last);
}
