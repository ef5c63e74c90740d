// SPDX-License-Identifier: MIT
#include "display/CLabel.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "pickers/frmDesktop.h"
#include "platform/ColorValue.h"
#include "platform/Twips.h"
#include "DisplayFixture.h"
#include "support/GuiTest.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QtTest/qtestspontaneevent.h>
#include <QTest>
#include <functional>

using namespace tessary;

namespace {

using test::kBlue;
using test::kRed;
constexpr std::int32_t kGrey = 0x808080;    // what the window showed before

class DisplayWindow : public test::GuiTest {
protected:
    // The display window shown with a client area of exactly w x h pixels, Shape1 red and
    // Shape2 blue, the client area grey.
    frmTessary& display(int w, int h)
    {
        frmTessary& t = test::showScheme(w, h);
        t.tessaryRefresh();
        t.surface().fillRect(0, 0, w, h, kGrey);
        return t;
    }

    static QImage expected(int w, int h, std::int32_t fill)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Surface::toQColor(fill));
        return img;
    }

    static void fill(QImage& img, int l, int t, int r, int b, std::int32_t c)
    {
        for (int y = std::max(0, t); y < std::min(b, img.height()); ++y)
            for (int x = std::max(0, l); x < std::min(r, img.width()); ++x)
                img.setPixel(x, y, Surface::toQColor(c).rgb());
    }

    static void press(QWidget& w, Qt::MouseButton button, QPoint at)
    {
        QMouseEvent e(QEvent::MouseButtonPress, at, w.mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }

    static void drag(QWidget& w, QPoint fromGlobal, QPoint by)
    {
        const QPoint g = fromGlobal + by;
        QMouseEvent e(QEvent::MouseMove, w.mapFromGlobal(g), g, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
        QMouseEvent up(QEvent::MouseButtonRelease, w.mapFromGlobal(g), g, Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(&w, &up);
    }
};

} // namespace

TEST_F(DisplayWindow, EveryStyleIsDrawnPixelExact)
{
    struct Row {
        const char* name;
        int w, h;
        std::function<void(frmTessary&)> setStyle;
        std::function<void(QImage&)> draw;   // onto a grey image
    };
    const std::vector<Row> rows = {
        {"up/down", 200, 101, [](frmTessary& t) { t.setStyle(0); },
         [](QImage& e) { fill(e, 0, 0, 200, 50, kRed); fill(e, 0, 50, 200, 101, kBlue); }},
        {"left/right", 201, 100, [](frmTessary& t) { t.setStyle(1); },
         [](QImage& e) { fill(e, 0, 0, 100, 100, kRed); fill(e, 100, 0, 201, 100, kBlue); }},
        {"square in square 25%", 200, 10, [](frmTessary& t) { t.setStyleSquareOnSquare(25); t.setStyle(2); },
         [](QImage& e) { fill(e, 0, 0, 200, 10, kRed); fill(e, 50, 2, 150, 8, kBlue); }},
        {"square in square 30%", 300, 200, [](frmTessary& t) { t.setStyleSquareOnSquare(30); t.setStyle(2); },
         [](QImage& e) { fill(e, 0, 0, 300, 200, kRed); fill(e, 90, 60, 210, 140, kBlue); }},
        {"check 3 keeps the one-pixel strips", 100, 100, [](frmTessary& t) { t.setStyleDivide(3); t.setStyle(3); },
         [](QImage& e) {
             for (int i = 0; i < 3; ++i)
                 for (int j = 0; j < 3; ++j)
                     fill(e, j * 33, i * 33, j * 33 + 33, i * 33 + 33, (i + j) % 2 == 0 ? kRed : kBlue);
         }},
        {"check 2 on 101", 101, 101, [](frmTessary& t) { t.setStyleDivide(2); t.setStyle(3); },
         [](QImage& e) {
             fill(e, 0, 0, 50, 50, kRed);
             fill(e, 50, 0, 100, 50, kBlue);
             fill(e, 0, 50, 50, 100, kBlue);
             fill(e, 50, 50, 100, 100, kRed);
         }},
        {"lattice 6, width 1", 200, 100, [](frmTessary& t) { t.setStyleLattice(1, 6); t.setStyle(4); },
         [](QImage& e) {
             fill(e, 0, 0, 200, 100, kRed);
             for (int x : {0, 33, 66, 99, 132, 165, 198})
                 fill(e, x, 0, x + 1, 100, kBlue);
             for (int y : {0, 16, 32, 48, 64, 80, 96})
                 fill(e, 0, y, 200, y + 1, kBlue);
         }},
        {"lattice 2, width 3 shows part of the edge lines", 60, 40, [](frmTessary& t) { t.setStyleLattice(3, 2); t.setStyle(4); },
         [](QImage& e) {
             fill(e, 0, 0, 60, 40, kRed);
             for (int x : {0, 30, 60})
                 fill(e, x - 1, 0, x + 2, 40, kBlue);
             for (int y : {0, 20, 40})
                 fill(e, 0, y - 1, 60, y + 2, kBlue);
         }},
        {"lattice with more divisions than pixels draws no lines", 20, 10,
         [](frmTessary& t) { t.setStyleLattice(1, 50); t.setStyle(4); },
         [](QImage& e) { fill(e, 0, 0, 20, 10, kRed); }},
        {"an unknown style keeps the picture", 20, 10, [](frmTessary& t) { t.setStyle(9); }, [](QImage&) {}},
    };
    for (const Row& r : rows) {
        frmTessary& t = display(r.w, r.h);
        r.setStyle(t);
        QImage e = expected(r.w, r.h, kGrey);
        r.draw(e);
        EXPECT_TRUE(test::imagesEqual(e, t.surface().image(), QStringLiteral("display-style"))) << r.name;
    }
}

TEST_F(DisplayWindow, TheSurfaceFollowsTheClientArea)
{
    frmTessary& t = display(120, 80);
    t.setStyle(1);
    t.resize(90, 70);
    QCoreApplication::processEvents();
    ASSERT_EQ(t.surface().width(), 90);
    ASSERT_EQ(t.surface().height(), 70);
    // Form_Resize repainted at the new size.
    EXPECT_EQ(t.surface().pixel(44, 69), kRed);
    EXPECT_EQ(t.surface().pixel(45, 0), kBlue);
}

TEST_F(DisplayWindow, ColoursChangeNothingOnScreenUntilRefresh)
{
    frmTessary& t = display(40, 40);
    t.setStyle(0);
    const QImage before = t.surface().image().copy();
    t.setSelectObject(3);
    t.setColor(0x00FF00);
    t.setSelectObject(4);
    t.setRed(1);
    EXPECT_TRUE(test::imagesEqual(before, t.surface().image(), QStringLiteral("display-norefresh")));
    t.tessaryRefresh();
    EXPECT_EQ(t.surface().pixel(0, 0), 0x00FF00);
    EXPECT_EQ(t.surface().pixel(0, 39), 0xFF0001);
}

TEST_F(DisplayWindow, LabelsStandInTheirMeasuredBoxesAtTheQuarters)
{
    frmTessary& t = display(200, 100);
    t.setSelectObject(3);
    t.setColor(0xFFFFFF);
    t.setSelectObject(4);
    t.setColor(0xFFFFFF);
    for (std::int16_t i = 0; i < 3; ++i) {
        t.setSelectObject(i);
        t.setColor(0x000000);
        t.getLabelFont(i)->size = 9;
    }
    for (std::int16_t i = 0; i < 3; ++i) {
        for (std::int16_t j = 0; j < 3; ++j)
            t.setLabelText(j, i == j ? QStringLiteral("Mg標本") : QString());
        t.setStyle(0);
        CLabel& l = *t.label(i);
        ASSERT_GT(l.getWidth(), 0);
        ASSERT_LT(l.getHeight(), 25);
        const QRect box(100 - l.getWidth() / 2, (i + 1) * 25 - l.getHeight() / 2, l.getWidth(), l.getHeight());
        // The ink may reach a pixel past the advance width through antialiasing.
        const QRect allowed = box.adjusted(-1, -1, 1, 1);
        QRect ink;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                if (t.surface().pixel(x, y) != 0xFFFFFF)
                    ink |= QRect(x, y, 1, 1);
        EXPECT_FALSE(ink.isEmpty()) << "label " << i;
        EXPECT_TRUE(allowed.contains(ink)) << "label " << i << " ink " << ink.x() << "," << ink.y() << " "
                                           << ink.width() << "x" << ink.height() << " outside " << box.x()
                                           << "," << box.y() << " " << box.width() << "x" << box.height();
    }
}

TEST_F(DisplayWindow, LabelFontsAreSharedObjects)
{
    frmTessary& t = frmTessary::instance();
    // Each label starts with a font object of its own with the interface font's attributes.
    EXPECT_NE(t.getLabelFont(0), t.getLabelFont(1));
    EXPECT_EQ(t.getLabelFont(0)->name, QGuiApplication::font().family());

    auto shared = makeFont();
    shared->name = QStringLiteral("ＭＳ ゴシック");
    shared->size = 10;
    t.setLabelFont(0, shared);
    t.setLabelFont(2, shared);
    t.setLabelText(0, QStringLiteral("abc"));
    t.setLabelText(2, QStringLiteral("abc"));
    EXPECT_EQ(t.getLabelFont(2).get(), shared.get());
    const int before = t.label(2)->getHeight();
    shared->size = 30;   // changed through one holder, seen by both labels
    EXPECT_GT(t.label(0)->getHeight(), before);
    EXPECT_EQ(t.label(0)->getHeight(), t.label(2)->getHeight());
    EXPECT_EQ(t.getLabelFont(3), nullptr);

    CLabel fresh;
    EXPECT_EQ(fresh.getWidth(), 0);   // an empty text has no width
    const FontRef first = fresh.getFont();
    EXPECT_EQ(fresh.getFont(), first);
}

TEST_F(DisplayWindow, SetLabelFontDrawsTheLabelsOverThePresentPicture)
{
    frmTessary& t = display(200, 100);
    t.setStyle(0);
    t.setSelectObject(3);
    t.setColor(0x00FF00);   // not drawn until the next refresh
    t.setLabelText(1, QStringLiteral("WWWW"));
    t.setLabelFont(1, makeFont());
    EXPECT_EQ(t.surface().pixel(0, 0), kRed);
    bool inked = false;
    for (int x = 0; x < 200 && !inked; ++x)
        inked = t.surface().pixel(x, 50) != kBlue && t.surface().pixel(x, 50) != kRed;
    EXPECT_TRUE(inked);
}

TEST_F(DisplayWindow, DefaultPlacementIsASquareBesideTheMainWindow)
{
    // The main window may keep a size of its own; the display window follows what it has.
    frmMain& main = frmMain::instance();
    main.moveTw(1500, 750, 4800, 3600);
    const double l = main.leftTw(), t = main.topTw(), w = main.widthTw(), h = main.heightTw();
    ASSERT_DOUBLE_EQ(l, 1500);
    ASSERT_DOUBLE_EQ(t, 750);
    frmTessary& d = frmTessary::instance();
    d.showModeless();
    for (bool maximised : {false, true}) {
        d.moveTw(0, 0, 1500, 1500);
        if (maximised)
            d.setPosFullScreen();
        d.setPosDefault();
        EXPECT_EQ(d.formState(), Form::Normal);
        EXPECT_DOUBLE_EQ(d.leftTw(), l + w);
        EXPECT_DOUBLE_EQ(d.topTw(), t);
        EXPECT_DOUBLE_EQ(d.widthTw(), h);
        EXPECT_DOUBLE_EQ(d.heightTw(), h);
    }
}

TEST_F(DisplayWindow, WidestAndTallestLeaveTheOtherAxis)
{
    frmTessary& t = frmTessary::instance();
    t.showModeless();
    t.moveTw(1500, 1200, 3000, 2400);
    t.setPosWidthMax();
    EXPECT_DOUBLE_EQ(t.leftTw(), 0);
    EXPECT_DOUBLE_EQ(t.widthTw(), Twips::screenWidth());
    EXPECT_DOUBLE_EQ(t.topTw(), 1200);
    EXPECT_DOUBLE_EQ(t.heightTw(), 2400);

    t.moveTw(1500, 1200, 3000, 2400);
    t.setPosFullScreen();
    EXPECT_EQ(t.formState(), Form::Maximized);
    t.setPosHeightMax();   // a maximised window comes back to normal first
    EXPECT_EQ(t.formState(), Form::Normal);
    EXPECT_DOUBLE_EQ(t.topTw(), 0);
    EXPECT_DOUBLE_EQ(t.heightTw(), Twips::screenHeight());
    EXPECT_DOUBLE_EQ(t.leftTw(), 1500);
    EXPECT_DOUBLE_EQ(t.widthTw(), 3000);
}

TEST_F(DisplayWindow, EscapeAndDoubleClickReturnBesideTheMainWindow)
{
    frmMain& main = frmMain::instance();
    main.moveTw(1500, 1500, 3000, 1500);
    const double besideX = main.leftTw() + main.widthTw();
    frmTessary& t = frmTessary::instance();
    t.showModeless();
    t.moveTw(9000, 6000, 1500, 1500);
    QTest::keyClick(&t, Qt::Key_Escape);   // normal state: nothing
    EXPECT_DOUBLE_EQ(t.leftTw(), 9000);

    t.setPosFullScreen();
    QTest::keyClick(&t, Qt::Key_Escape);
    EXPECT_EQ(t.formState(), Form::Normal);
    EXPECT_DOUBLE_EQ(t.leftTw(), besideX);
    EXPECT_DOUBLE_EQ(t.heightTw(), main.heightTw());

    t.moveTw(9000, 6000, 1500, 1500);
    QTest::mouseDClick(&t, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_DOUBLE_EQ(t.leftTw(), besideX);
    EXPECT_DOUBLE_EQ(t.topTw(), main.topTw());
}

TEST_F(DisplayWindow, LeftDragMovesTheWindowOnlyWhileTheMainWindowIsShown)
{
    frmMain& main = frmMain::instance();
    frmTessary& t = display(200, 100);
    t.move(100, 100);
    for (bool mainShown : {false, true}) {
        main.setVisible(mainShown);
        const QPoint start = t.pos();
        const QPoint from = t.mapToGlobal(QPoint(50, 50));
        press(t, Qt::LeftButton, QPoint(50, 50));
        drag(t, from, QPoint(20, 10));
        EXPECT_EQ(t.pos(), mainShown ? start + QPoint(20, 10) : start) << "main shown " << mainShown;
    }
}

TEST_F(DisplayWindow, DraggingAnEdgeResizesTheWindow)
{
    frmMain::instance().hide();   // the border works even while the picker is open
    frmTessary& t = display(200, 100);
    t.move(100, 100);
    const QPoint from = t.mapToGlobal(QPoint(198, 50));
    press(t, Qt::LeftButton, QPoint(198, 50));
    drag(t, from, QPoint(30, 0));
    EXPECT_EQ(t.size(), QSize(230, 100));
    EXPECT_EQ(t.pos(), QPoint(100, 100));

    const QPoint corner = t.mapToGlobal(QPoint(1, 1));
    press(t, Qt::LeftButton, QPoint(1, 1));
    drag(t, corner, QPoint(-10, 500));   // cannot fold the window up
    EXPECT_EQ(t.geometry().left(), 90);
    EXPECT_EQ(t.width(), 240);
    EXPECT_GE(t.height(), 1);
    EXPECT_LE(t.height(), 10);
}

TEST_F(DisplayWindow, RightPressHidesTheMainWindowAndOpensThePicker)
{
    fakes.screenCapture->image = QImage(64, 48, QImage::Format_RGB32);
    fakes.screenCapture->image.fill(Qt::white);
    frmMain& main = frmMain::instance();
    frmTessary& t = display(100, 100);
    main.hide();
    press(t, Qt::RightButton, QPoint(10, 10));   // main hidden: nothing
    EXPECT_FALSE(frmDesktop::isInstanceLoaded());

    main.show();
    press(t, Qt::RightButton, QPoint(10, 10));
    EXPECT_FALSE(main.isVisible());
    ASSERT_TRUE(frmDesktop::isInstanceLoaded());
}

TEST_F(DisplayWindow, TheWindowSystemCannotCloseIt)
{
    frmTessary& t = display(50, 50);
    QCloseEvent request;   // as the window system sends it for Alt+F4
    QSpontaneKeyEvent::setSpontaneous(&request);
    qApp->notify(&t, &request);   // sendEvent would clear the spontaneous mark
    EXPECT_TRUE(frmTessary::isInstanceLoaded());
    EXPECT_TRUE(t.isVisible());
    t.unload();   // the main window's way
    EXPECT_FALSE(frmTessary::isInstanceLoaded());
}
