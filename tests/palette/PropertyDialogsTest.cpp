// SPDX-License-Identifier: MIT
#include "PaletteWindowFixture.h"
#include "palette/frmPaletteProperty.h"
#include "color/colorCode.h"
#include "platform/Surface.h"
#include "platform/TextBox.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace tessary;
using namespace tessary::test;

namespace {

const QString kDuplicate = QStringLiteral("この色の名前はすでにパレットに存在します。\r\n別の名前で色を登録してください。");

using ColorProperty = PaletteWindowTest;

TEST_F(ColorProperty, AddingTheCurrentColourOpensInAddModeFromTheMainWindowsColour)
{
    frmPalette& w = openWith(numbered(3));
    frmMain::instance().setColor(0x0000FF);
    const QString code = frmMain::instance().getColorCode();
    bool seen = false;
    whenColorPropertyShows([&](frmColorProperty& d) {
        seen = true;
        EXPECT_EQ(d.windowTitle(), "追加");
        EXPECT_EQ(test::control<QPushButton>(d, "btnAdd")->text(), "追加");
        EXPECT_EQ(test::control<QPushButton>(d, "btnCancel")->text(), "キャンセル");
        EXPECT_TRUE(d.addMode());
        EXPECT_EQ(test::control<QLabel>(d, "lblcolorCode")->text(), code);
        EXPECT_EQ(test::control<TextBox>(d, "txtColorName")->text(), code);
        EXPECT_EQ(test::control<TextBox>(d, "txtComment")->text(), "");
        EXPECT_EQ(test::control<QLabel>(d, "lblColorBox")->palette().color(QPalette::Window),
                  Surface::toQColor(colorCode().HTML_RGB2VB_RGB(code)));
        test::control<TextBox>(d, "txtColorName")->setText("Mine");
        test::control<TextBox>(d, "txtComment")->setText("my colour, with a comma");
        d.btnAdd_Click();
        EXPECT_FALSE(frmColorProperty::isInstanceLoaded());
    });
    w.mnuAddColor_Click();
    ASSERT_TRUE(seen);
    ASSERT_EQ(w.shownPalette()->count(), 4);
    const auto added = w.shownPalette()->colorCollection.item("mine");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->colorCode(), code);
    EXPECT_EQ(added->comment(), "my colour, with a comma");
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->itemText(3), "Mine");
    EXPECT_TRUE(test::action(w, "mnuEasySave")->isEnabled());
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
}

TEST_F(ColorProperty, ADuplicateNameKeepsTheDialogOpenForAnotherName)
{
    frmPalette& w = openWith(numbered(3));
    whenColorPropertyShows([&](frmColorProperty& d) {
        test::control<TextBox>(d, "txtColorName")->setText("c2");
        d.btnAdd_Click();
        EXPECT_TRUE(frmColorProperty::isInstanceLoaded());
        ASSERT_EQ(fakes.messageBox->calls.size(), 1);
        EXPECT_EQ(fakes.messageBox->calls[0].text, kDuplicate);
        EXPECT_EQ(w.shownPalette()->count(), 3);
        EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());
        test::control<TextBox>(d, "txtColorName")->setText("c2 again");
        d.btnAdd_Click();
        EXPECT_FALSE(frmColorProperty::isInstanceLoaded());
    });
    w.mnuAddColor_Click();
    EXPECT_EQ(w.shownPalette()->count(), 4);
    EXPECT_NE(w.shownPalette()->colorCollection.item("C2 AGAIN"), nullptr);
}

TEST_F(ColorProperty, AnEmptiedNameAddsTheColourUnderItsCode)
{
    frmPalette& w = openWith(numbered(1));
    const QString code = frmMain::instance().getColorCode();
    whenColorPropertyShows([](frmColorProperty& d) {
        test::control<TextBox>(d, "txtColorName")->clear();
        d.btnAdd_Click();
    });
    w.mnuAddColor_Click();
    ASSERT_EQ(w.shownPalette()->count(), 2);
    EXPECT_EQ(w.shownPalette()->colorCollection.item(2)->colorName(), code);
}

TEST_F(ColorProperty, CancelChangesNothingInEitherMode)
{
    frmPalette& w = openWith(numbered(2));
    whenColorPropertyShows([](frmColorProperty& d) {
        test::control<TextBox>(d, "txtColorName")->setText("new");
        d.btnCancel_Click();
    });
    w.mnuAddColor_Click();
    click(w, 1, 0);
    whenColorPropertyShows([](frmColorProperty& d) {
        EXPECT_FALSE(d.addMode());
        test::control<TextBox>(d, "txtColorName")->setText("renamed");
        test::control<TextBox>(d, "txtComment")->setText("changed");
        d.btnCancel_Click();
    });
    w.mnuColorProperty_Click();
    EXPECT_EQ(w.shownPalette()->count(), 2);
    EXPECT_EQ(w.shownPalette()->colorCollection.item(2)->colorName(), "C2");
    EXPECT_EQ(w.shownPalette()->colorCollection.item(2)->comment(), "c2");
    EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());
}

TEST_F(ColorProperty, EditingChangesTheColourInPlaceAndReKeysIt)
{
    frmPalette& w = openWith(numbered(3));
    click(w, 1, 0);
    whenColorPropertyShows([](frmColorProperty& d) {
        EXPECT_EQ(d.windowTitle(), "編集");
        EXPECT_EQ(test::control<QPushButton>(d, "btnAdd")->text(), "更新");
        EXPECT_EQ(test::control<QLabel>(d, "lblcolorCode")->text(), "000002");
        EXPECT_EQ(test::control<TextBox>(d, "txtColorName")->text(), "C2");
        EXPECT_EQ(test::control<TextBox>(d, "txtComment")->text(), "c2");
        test::control<TextBox>(d, "txtColorName")->setText("Second");
        test::control<TextBox>(d, "txtComment")->setText("now with a comment");
        d.btnAdd_Click();
    });
    w.mnuColorProperty_Click();
    EXPECT_TRUE(test::action(w, "mnuEasySave")->isEnabled());
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->itemText(1), "Second");
    EXPECT_EQ(w.shownPalette()->colorCollection.item("C2"), nullptr);
    EXPECT_EQ(w.shownPalette()->colorCollection.item("second")->index, 2);
    // The list finds the renamed colour, and the panel shows the new comment.
    choose(w, 1);
    EXPECT_EQ(w.selectedPosition(), 2);
    EXPECT_EQ(test::control<QLabel>(w, "colorCommentInfo")->text(), "now with a comment");
    // The old name is free for a new colour.
    ASSERT_TRUE(w.shownPalette()->addColor("ABCDEF", "c2", "").isOk());
}

TEST_F(ColorProperty, ARenameOntoAnotherColoursNameIsRefused)
{
    frmPalette& w = openWith(numbered(3));
    click(w, 1, 0);
    whenColorPropertyShows([&](frmColorProperty& d) {
        test::control<TextBox>(d, "txtColorName")->setText("c3");
        test::control<TextBox>(d, "txtComment")->setText("lost?");
        d.btnAdd_Click();
        EXPECT_TRUE(frmColorProperty::isInstanceLoaded());
        EXPECT_EQ(fakes.messageBox->calls.size(), 1);
        EXPECT_EQ(fakes.messageBox->calls.value(0).text, kDuplicate);
        d.btnCancel_Click();
    });
    w.mnuColorProperty_Click();
    EXPECT_EQ(w.shownPalette()->colorCollection.item(2)->colorName(), "C2");
    EXPECT_EQ(w.shownPalette()->colorCollection.item(2)->comment(), "c2");
    EXPECT_EQ(w.shownPalette()->colorCollection.item("c3")->index, 3);
}

TEST_F(ColorProperty, ColourPropertiesOnAnEmptyCellAddTheCurrentColour)
{
    frmPalette& w = openWith(numbered(2));
    click(w, 5, 0);
    bool addMode = false;
    whenColorPropertyShows([&](frmColorProperty& d) {
        addMode = d.addMode();
        EXPECT_EQ(d.windowTitle(), "追加");
        d.btnCancel_Click();
    });
    w.mnuColorProperty_Click();
    EXPECT_TRUE(addMode);
}

TEST_F(ColorProperty, HasItsDesignLayoutTabOrderAndKeys)
{
    frmColorProperty& d = frmColorProperty::instance();
    EXPECT_EQ(test::control<QLabel>(d, "Label1")->text(), "カラーコード");
    EXPECT_EQ(test::control<QLabel>(d, "Label2")->text(), "色の名前");
    EXPECT_EQ(test::control<QLabel>(d, "Label3")->text(), "色の説明");
    EXPECT_EQ(test::control<TextBox>(d, "txtColorName")->geometry(), QRect(20, 60, 125, 18));
    EXPECT_EQ(test::control<QPushButton>(d, "btnCancel")->geometry(), QRect(84, 136, 65, 25));
    EXPECT_EQ(d.size(), QSize(156, 165));
    EXPECT_EQ(nextTabStop(test::control<QPushButton>(d, "btnAdd")), test::control<QPushButton>(d, "btnCancel"));
    EXPECT_EQ(nextTabStop(test::control<QPushButton>(d, "btnCancel")), test::control<TextBox>(d, "txtColorName"));
    EXPECT_EQ(nextTabStop(test::control<TextBox>(d, "txtColorName")), test::control<TextBox>(d, "txtComment"));

    auto palette = std::make_shared<DefinedColor>();
    auto color = std::make_shared<DefinedColorModel>();
    color->setColorCode("00FF00");
    d.setting(palette, color, "追加", "追加", true);
    d.showModeless();
    test::control<TextBox>(d, "txtComment")->setFocus();
    QTest::keyClick(test::control<TextBox>(d, "txtComment"), Qt::Key_Return);   // Enter presses the default button
    EXPECT_EQ(palette->count(), 1);
    EXPECT_FALSE(frmColorProperty::isInstanceLoaded());

    frmColorProperty& again = frmColorProperty::instance();
    again.setting(palette, std::make_shared<DefinedColorModel>(), "追加", "追加", true);
    again.showModeless();
    test::control<TextBox>(again, "txtColorName")->setText("other");
    test::control<TextBox>(again, "txtColorName")->setFocus();
    QTest::keyClick(test::control<TextBox>(again, "txtColorName"), Qt::Key_Escape);   // Escape cancels
    EXPECT_FALSE(frmColorProperty::isInstanceLoaded());
    EXPECT_EQ(palette->count(), 1);
}

using PaletteProperty = PaletteWindowTest;

TEST_F(PaletteProperty, ShowsNameCommentAndCountAndStoresNothing)
{
    frmPalette& w = openWith(numbered(12, QStringLiteral("十二色")));
    w.mnuPaletteProperty_Click();
    ASSERT_TRUE(frmPaletteProperty::isInstanceLoaded());
    frmPaletteProperty& d = frmPaletteProperty::instance();
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.isModal());
    EXPECT_EQ(d.windowTitle(), "パレットのプロパティ");
    EXPECT_EQ(test::control<TextBox>(d, "txtName")->text(), "Numbers");
    EXPECT_EQ(test::control<TextBox>(d, "txtComment")->text(), "十二色");
    EXPECT_EQ(test::control<QLabel>(d, "colorCountLabel")->text(), "12");
    EXPECT_EQ(nextTabStop(test::control<QPushButton>(d, "btnOK")), test::control<QPushButton>(d, "btnClose"));
    EXPECT_EQ(nextTabStop(test::control<QPushButton>(d, "btnClose")), test::control<TextBox>(d, "txtName"));
    EXPECT_EQ(test::control<QPushButton>(d, "btnClose")->text(), "閉じる");
    test::control<TextBox>(d, "txtName")->setText("changed");
    d.btnOK_Click();
    EXPECT_FALSE(frmPaletteProperty::isInstanceLoaded());
    EXPECT_EQ(w.shownPalette()->paletteName(), "Numbers");
}

} // namespace
