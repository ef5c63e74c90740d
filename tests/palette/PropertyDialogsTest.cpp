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
        EXPECT_EQ(d.btnAdd->text(), "追加");
        EXPECT_EQ(d.btnCancel->text(), "キャンセル");
        EXPECT_TRUE(d.addMode());
        EXPECT_EQ(d.lblcolorCode->text(), code);
        EXPECT_EQ(d.txtColorName->text(), code);
        EXPECT_EQ(d.txtComment->text(), "");
        EXPECT_EQ(d.lblColorBox->palette().color(QPalette::Window),
                  Surface::toQColor(colorCode().HTML_RGB2VB_RGB(code)));
        d.txtColorName->setText("Mine");
        d.txtComment->setText("my colour, with a comma");
        d.btnAdd_Click();
        EXPECT_FALSE(frmColorProperty::isInstanceLoaded());
    });
    w.mnuAddColor_Click();
    ASSERT_TRUE(seen);
    ASSERT_EQ(w.palette->count(), 4);
    const auto added = w.palette->colorCollection.item("mine");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->colorCode(), code);
    EXPECT_EQ(added->comment(), "my colour, with a comma");
    EXPECT_EQ(w.cmbColorSelect->itemText(3), "Mine");
    EXPECT_TRUE(w.mnuEasySave->isEnabled());
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
}

TEST_F(ColorProperty, ADuplicateNameKeepsTheDialogOpenForAnotherName)
{
    frmPalette& w = openWith(numbered(3));
    whenColorPropertyShows([&](frmColorProperty& d) {
        d.txtColorName->setText("c2");
        d.btnAdd_Click();
        EXPECT_TRUE(frmColorProperty::isInstanceLoaded());
        ASSERT_EQ(fakes.messageBox->calls.size(), 1);
        EXPECT_EQ(fakes.messageBox->calls[0].text, kDuplicate);
        EXPECT_EQ(w.palette->count(), 3);
        EXPECT_FALSE(w.mnuEasySave->isEnabled());
        d.txtColorName->setText("c2 again");
        d.btnAdd_Click();
        EXPECT_FALSE(frmColorProperty::isInstanceLoaded());
    });
    w.mnuAddColor_Click();
    EXPECT_EQ(w.palette->count(), 4);
    EXPECT_NE(w.palette->colorCollection.item("C2 AGAIN"), nullptr);
}

TEST_F(ColorProperty, AnEmptiedNameAddsTheColourUnderItsCode)
{
    frmPalette& w = openWith(numbered(1));
    const QString code = frmMain::instance().getColorCode();
    whenColorPropertyShows([](frmColorProperty& d) {
        d.txtColorName->clear();
        d.btnAdd_Click();
    });
    w.mnuAddColor_Click();
    ASSERT_EQ(w.palette->count(), 2);
    EXPECT_EQ(w.palette->colorCollection.item(2)->colorName(), code);
}

TEST_F(ColorProperty, CancelChangesNothingInEitherMode)
{
    frmPalette& w = openWith(numbered(2));
    whenColorPropertyShows([](frmColorProperty& d) {
        d.txtColorName->setText("new");
        d.btnCancel_Click();
    });
    w.mnuAddColor_Click();
    click(w, 1, 0);
    whenColorPropertyShows([](frmColorProperty& d) {
        EXPECT_FALSE(d.addMode());
        d.txtColorName->setText("renamed");
        d.txtComment->setText("changed");
        d.btnCancel_Click();
    });
    w.mnuColorProperty_Click();
    EXPECT_EQ(w.palette->count(), 2);
    EXPECT_EQ(w.palette->colorCollection.item(2)->colorName(), "C2");
    EXPECT_EQ(w.palette->colorCollection.item(2)->comment(), "c2");
    EXPECT_FALSE(w.mnuEasySave->isEnabled());
}

TEST_F(ColorProperty, EditingChangesTheColourInPlaceAndReKeysIt)
{
    frmPalette& w = openWith(numbered(3));
    click(w, 1, 0);
    whenColorPropertyShows([](frmColorProperty& d) {
        EXPECT_EQ(d.windowTitle(), "編集");
        EXPECT_EQ(d.btnAdd->text(), "更新");
        EXPECT_EQ(d.lblcolorCode->text(), "000002");
        EXPECT_EQ(d.txtColorName->text(), "C2");
        EXPECT_EQ(d.txtComment->text(), "c2");
        d.txtColorName->setText("Second");
        d.txtComment->setText("now with a comment");
        d.btnAdd_Click();
    });
    w.mnuColorProperty_Click();
    EXPECT_TRUE(w.mnuEasySave->isEnabled());
    EXPECT_EQ(w.cmbColorSelect->itemText(1), "Second");
    EXPECT_EQ(w.palette->colorCollection.item("C2"), nullptr);
    EXPECT_EQ(w.palette->colorCollection.item("second")->index, 2);
    // The list finds the renamed colour, and the panel shows the new comment.
    choose(w, 1);
    EXPECT_EQ(w.selectedIndex, 2);
    EXPECT_EQ(w.colorCommentInfo->text(), "now with a comment");
    // The old name is free for a new colour.
    ASSERT_TRUE(w.palette->addColor("ABCDEF", "c2", "").isOk());
}

TEST_F(ColorProperty, ARenameOntoAnotherColoursNameIsRefused)
{
    frmPalette& w = openWith(numbered(3));
    click(w, 1, 0);
    whenColorPropertyShows([&](frmColorProperty& d) {
        d.txtColorName->setText("c3");
        d.txtComment->setText("lost?");
        d.btnAdd_Click();
        EXPECT_TRUE(frmColorProperty::isInstanceLoaded());
        EXPECT_EQ(fakes.messageBox->calls.size(), 1);
        EXPECT_EQ(fakes.messageBox->calls.value(0).text, kDuplicate);
        d.btnCancel_Click();
    });
    w.mnuColorProperty_Click();
    EXPECT_EQ(w.palette->colorCollection.item(2)->colorName(), "C2");
    EXPECT_EQ(w.palette->colorCollection.item(2)->comment(), "c2");
    EXPECT_EQ(w.palette->colorCollection.item("c3")->index, 3);
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
    EXPECT_EQ(d.Label1->text(), "カラーコード");
    EXPECT_EQ(d.Label2->text(), "色の名前");
    EXPECT_EQ(d.Label3->text(), "色の説明");
    EXPECT_EQ(d.txtColorName->geometry(), QRect(20, 60, 125, 18));
    EXPECT_EQ(d.btnCancel->geometry(), QRect(84, 136, 65, 25));
    EXPECT_EQ(d.size(), QSize(156, 165));
    EXPECT_EQ(nextTabStop(d.btnAdd), d.btnCancel);
    EXPECT_EQ(nextTabStop(d.btnCancel), d.txtColorName);
    EXPECT_EQ(nextTabStop(d.txtColorName), d.txtComment);

    auto palette = std::make_shared<DefinedColor>();
    auto color = std::make_shared<DefinedColorModel>();
    color->setColorCode("00FF00");
    d.setting(palette, color, "追加", "追加", true);
    d.showModeless();
    d.txtComment->setFocus();
    QTest::keyClick(d.txtComment, Qt::Key_Return);   // Enter presses the default button
    EXPECT_EQ(palette->count(), 1);
    EXPECT_FALSE(frmColorProperty::isInstanceLoaded());

    frmColorProperty& again = frmColorProperty::instance();
    again.setting(palette, std::make_shared<DefinedColorModel>(), "追加", "追加", true);
    again.showModeless();
    again.txtColorName->setText("other");
    again.txtColorName->setFocus();
    QTest::keyClick(again.txtColorName, Qt::Key_Escape);   // Escape cancels
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
    EXPECT_EQ(d.txtName->text(), "Numbers");
    EXPECT_EQ(d.txtComment->text(), "十二色");
    EXPECT_EQ(d.colorCountLabel->text(), "12");
    EXPECT_EQ(nextTabStop(d.btnOK), d.btnClose);
    EXPECT_EQ(nextTabStop(d.btnClose), d.txtName);
    EXPECT_EQ(d.btnClose->text(), "閉じる");
    d.txtName->setText("changed");
    d.btnOK_Click();
    EXPECT_FALSE(frmPaletteProperty::isInstanceLoaded());
    EXPECT_EQ(w.palette->paletteName(), "Numbers");
}

} // namespace
