// SPDX-License-Identifier: MIT
#include "contrast/frmContrast.h"
#include "palette/PaletteWindowFixture.h"
#include "pickers/ColorCircle.h"
#include "pickers/frmColorCircle.h"

#include <QLabel>
#include <QTest>
#include <functional>

using namespace tessary;

namespace {

class FocusMarkTest : public test::PaletteWindowTest {};

// The smallest rectangle holding every pixel that differs between two grabs of one size.
QRect changedArea(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

// Each painted control shows where the keyboard focus is: the mark appears with the focus,
// goes with it, and stands where the keys act.
TEST_F(FocusMarkTest, PaintedControlsMarkTheKeyboardFocus)
{
    struct Part {
        QWidget* widget;
        QRect within;   // the mark stays inside this
        QPoint over;    // and frames this point
    };
    const struct {
        const char* name;
        std::function<Part()> open;
    } cases[] = {
        {"selected palette chip",
         [this] {
             frmPalette& w = openWith(numbered(100));
             setTwelveByEight(w);
             click(w, 3, 2);
             const QRect chip(3 * 16, 2 * 16, 16, 16);
             return Part{test::control<PictureBox>(w, "picPalette"), chip, chip.center()};
         }},
        {"hue marker of the colour circle",
         [] {
             frmMain::instance().showModeless();
             ColorModel m;
             m.SetHSL(90, 1.0, 0.5);   // the marker points straight down
             m.refreshColorModel();
             frmMain::instance().setColor(m.getColor());
             frmColorCircle& w = frmColorCircle::instance();
             w.showModeless();
             w.update(m);
             const CircleGeometry& g = w.circle()->geometry();
             const int middle = (g.outerRadius() + g.innerRadius()) / 2;
             return Part{test::control<PictureBox>(w, "Picture1"),
                         QRect(0, g.centerY() + 1, test::control<PictureBox>(w, "Picture1")->width(),
                               test::control<PictureBox>(w, "Picture1")->height()),
                         QPoint(g.centerX(), g.centerY() + middle)};
         }},
        {"contrast cell",
         [] {
             frmContrast& w = frmContrast::instance();
             w.showModeless();
             auto* cell = w.findChild<QLabel*>(QStringLiteral("lblCell1_0"));
             return Part{cell, cell->rect(), cell->rect().center()};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Part part = c.open();
        ASSERT_TRUE(activate(part.widget->window()));
        part.widget->setFocus();
        ASSERT_TRUE(part.widget->hasFocus());
        const QImage focused = part.widget->grab().toImage();
        part.widget->clearFocus();
        const QImage unfocused = part.widget->grab().toImage();
        part.widget->setFocus();
        const QRect mark = changedArea(focused, unfocused);
        EXPECT_FALSE(mark.isEmpty());
        EXPECT_TRUE(part.within.contains(mark)) << mark.x() << "," << mark.y() << " " << mark.width() << "x"
                                                << mark.height();
        EXPECT_TRUE(mark.contains(part.over));
        EXPECT_TRUE(test::imagesEqual(focused, part.widget->grab().toImage(), QString::fromLatin1(c.name)));
        part.widget->window()->hide();
    }
}
