// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"
#include "color/colorCode.h"
#include "display/DisplayFixture.h"
#include "palette/PaletteWindowFixture.h"
#include "pickers/frmColorCircle.h"
#include "scheme/Scheme.h"

#include <QAccessible>
#include <QTest>

using namespace tessary;

namespace {

std::int32_t mainColor()
{
    return colorCode().HTML_RGB2VB_RGB(frmMain::instance().getColorCode());
}

QAccessibleInterface* accessible(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

class PaletteKeysTest : public test::PaletteWindowTest {
protected:
    frmPalette& openNumbered(int n)
    {
        frmPalette& w = openWith(numbered(n));
        setTwelveByEight(w);
        test::control<PictureBox>(w, "picPalette")->setFocus();
        return w;
    }
};

class CircleKeysTest : public test::GuiTest {
protected:
    frmColorCircle& openWithHue(double hue)
    {
        frmMain::instance().showModeless();
        ColorModel m;
        m.SetHSL(hue, 1.0, 0.5);
        m.refreshColorModel();
        frmMain::instance().setColor(m.getColor());
        frmColorCircle& w = frmColorCircle::instance();
        w.showModeless();
        w.update(m);
        return w;
    }
    static double mainHue()
    {
        ColorModel m;
        m.setColor(mainColor());
        return m.getHue();
    }
};

class DisplayAccessibleTest : public test::GuiTest {};

} // namespace

// Keys on the chip grid move the selection as clicks would, and Enter takes the colour.
TEST_F(PaletteKeysTest, KeysMoveTheSelectionAndEnterTakesTheColour)
{
    frmPalette& w = openNumbered(30);
    const struct {
        Qt::Key key;
        int selected;
    } steps[] = {
        {Qt::Key_Right, 2},  {Qt::Key_Down, 14},   {Qt::Key_Down, 26}, {Qt::Key_Down, 30},
        {Qt::Key_Left, 29},  {Qt::Key_Up, 17},     {Qt::Key_Home, 1},  {Qt::Key_Left, 1},
        {Qt::Key_Up, 1},     {Qt::Key_PageDown, 30}, {Qt::Key_End, 30}, {Qt::Key_PageUp, 1},
    };
    for (const auto& s : steps) {
        QTest::keyClick(test::control<PictureBox>(w, "picPalette"), s.key);
        EXPECT_EQ(w.selectedPosition(), s.selected) << QKeySequence(s.key).toString().toStdString();
        EXPECT_EQ(test::control<QLabel>(w, "colorCodeInfo")->text(),
                  QStringLiteral("%1").arg(s.selected, 6, 16, QLatin1Char('0')).toUpper());
    }
    QTest::keyClick(test::control<PictureBox>(w, "picPalette"), Qt::Key_Right);
    QTest::keyClick(test::control<PictureBox>(w, "picPalette"), Qt::Key_Return);
    EXPECT_EQ(mainColor(), w.colorValueAt(2));
}

TEST_F(PaletteKeysTest, KeysScrollTheSelectedChipIntoView)
{
    frmPalette& w = openNumbered(300);
    for (Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Up}) {
        QTest::keyClick(test::control<PictureBox>(w, "picPalette"), key);
        EXPECT_GE(w.selectedPosition(), w.firstVisiblePosition());
        EXPECT_LT(w.selectedPosition(), w.firstVisiblePosition() + w.gridSize().width() * w.gridSize().height());
    }
    EXPECT_EQ(w.selectedPosition(), 1 + 2 * 96 - 12);
}

TEST_F(PaletteKeysTest, ChipsAreListItemsWithNameCodeAndComment)
{
    frmPalette& w = openNumbered(30);
    QAccessibleInterface* grid = accessible(test::control<PictureBox>(w, "picPalette"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::List);
    EXPECT_EQ(grid->text(QAccessible::Name), QStringLiteral("パレットの色"));
    ASSERT_EQ(grid->childCount(), 30);
    QTest::keyClick(test::control<PictureBox>(w, "picPalette"), Qt::Key_Right);
    const struct {
        int child;
        const char* name;
        const char* code;
        bool selected;
    } cases[] = {{0, "C1", "000001", false}, {1, "C2", "000002", true}, {29, "C30", "00001E", false}};
    for (const auto& c : cases) {
        QAccessibleInterface* chip = grid->child(c.child);
        ASSERT_NE(chip, nullptr);
        EXPECT_EQ(chip->role(), QAccessible::ListItem);
        EXPECT_EQ(chip->text(QAccessible::Name), QLatin1String(c.name));
        EXPECT_EQ(chip->text(QAccessible::Value), QLatin1String(c.code));
        EXPECT_EQ(chip->text(QAccessible::Description),
                  QLatin1String(c.code) + QStringLiteral(" c") + QString::number(c.child + 1));
        EXPECT_EQ(chip->state().selected, c.selected) << c.name;
        EXPECT_EQ(grid->indexOfChild(chip), c.child);
        EXPECT_EQ(chip->parent(), grid);
        EXPECT_EQ(grid->childAt(chip->rect().center().x(), chip->rect().center().y()), chip);
    }
    EXPECT_EQ(grid->focusChild(), grid->child(1));
}

// The circle's hue is a value: the arrow keys turn it, wrapping at 0 and 360, and each
// step hands the colour to the main window.
TEST_F(CircleKeysTest, ArrowKeysTurnTheHue)
{
    frmColorCircle& w = openWithHue(100);
    QAccessibleInterface* iface = accessible(test::control<PictureBox>(w, "Picture1"));
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Dial);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("色相"));
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 359);
    EXPECT_EQ(value->currentValue().toInt(), 100);

    const struct {
        Qt::Key key;
        int hue;
    } steps[] = {{Qt::Key_Right, 101}, {Qt::Key_Right, 102}, {Qt::Key_Up, 103}, {Qt::Key_PageDown, 88},
                 {Qt::Key_Left, 87},   {Qt::Key_PageUp, 102}, {Qt::Key_Down, 101}};
    for (const auto& s : steps) {
        QTest::keyClick(test::control<PictureBox>(w, "Picture1"), s.key);
        EXPECT_EQ(value->currentValue().toInt(), s.hue);
        EXPECT_NEAR(mainHue(), s.hue, 1.0);
    }
    value->setCurrentValue(0);
    QTest::keyClick(test::control<PictureBox>(w, "Picture1"), Qt::Key_Left);
    EXPECT_EQ(value->currentValue().toInt(), 359);
    value->setCurrentValue(359);
    QTest::keyClick(test::control<PictureBox>(w, "Picture1"), Qt::Key_Right);
    EXPECT_EQ(value->currentValue().toInt(), 0);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("0度"));
}

// Many one-degree steps must add up: rounding through RGB never holds the hue back.
TEST_F(CircleKeysTest, RepeatedStepsNeverStall)
{
    frmColorCircle& w = openWithHue(10);
    for (int i = 0; i < 60; ++i)
        QTest::keyClick(test::control<PictureBox>(w, "Picture1"), Qt::Key_Right);
    EXPECT_EQ(w.hueValue(), 70);
}

// The display window reads as a window of five colour objects named with their codes.
TEST_F(DisplayAccessibleTest, ObjectsCarryTheirCodesAndTexts)
{
    frmTessary& t = test::showScheme(200, 100);
    t.setSelectObject(0);
    t.setColor(0x336699);   // red 0x99, green 0x66, blue 0x33
    t.setLabelText(0, QStringLiteral("見本です"));
    QAccessibleInterface* iface = accessible(&t);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Window);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("表示ウィンドウ"));
    EXPECT_TRUE(iface->text(QAccessible::Description).startsWith(QStringLiteral("スタイル: ")));
    ASSERT_EQ(iface->childCount(), 5);
    const struct {
        int object;
        QAccessible::Role role;
        const char16_t* name;
    } cases[] = {
        {0, QAccessible::StaticText, u"sample1 #996633"},
        {3, QAccessible::Graphic, u"Shape1 #FF0000"},
        {4, QAccessible::Graphic, u"Shape2 #0000FF"},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* o = iface->child(c.object);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->role(), c.role);
        EXPECT_EQ(o->text(QAccessible::Name), QString::fromUtf16(c.name));
        EXPECT_EQ(o->text(QAccessible::Value), QString::fromUtf16(c.name).section(u' ', 1));
        EXPECT_EQ(iface->indexOfChild(o), c.object);
        EXPECT_EQ(o->state().selected, c.object == t.selectObject());
    }
    EXPECT_TRUE(iface->child(0)->text(QAccessible::Description).endsWith(QStringLiteral("見本です")));
    t.setStyle(4);
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("スタイル: 格子"));
}
