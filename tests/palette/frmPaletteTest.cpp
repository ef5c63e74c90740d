// SPDX-License-Identifier: MIT
#include "PaletteWindowFixture.h"
#include "palette/PaletteGridPainter.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "settings/TessaryConfig.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <set>

using namespace tessary;
using namespace tessary::test;

namespace {

const QString kReadError = QStringLiteral("ファイルの読み込みエラー");
const QString kDuplicate = QStringLiteral("この色の名前はすでにパレットに存在します。\r\n別の名前で色を登録してください。");
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kWhite = 0xFFFFFF;

using PaletteWindow = PaletteWindowTest;

TEST_F(PaletteWindow, HasItsMenusInOrderWithTheirCaptions)
{
    frmPalette& w = openWith(numbered(3));
    auto captions = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(test::control<QMenu>(w, "mnuFile")->title(), "ファイル");
    EXPECT_EQ(captions(test::control<QMenu>(w, "mnuFile")),
              (QStringList{"新規作成", "開く", "-", "名前を付けて保存", "上書き保存", "-", "パレットを閉じる", "-",
                           "エクスポート…", "GIMP パレットを読み込む…"}));
    EXPECT_EQ(test::control<QMenu>(w, "mnuEdit")->title(), "編集");
    EXPECT_EQ(captions(test::control<QMenu>(w, "mnuEdit")), (QStringList{"削除", "現在の色を追加", "-", "色のプロパティ", "パレットのプロパティ", "-",
                                             "色のコードをコピー"}));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(test::control<QLabel>(w, "Label2")->text(), "ColorName :");
    EXPECT_EQ(test::control<QLabel>(w, "Label1")->text(), "ColorCode  :");
    EXPECT_EQ(test::control<QLabel>(w, "Label3")->text(), "Comment   :");
    // The list sits at its design place unless the label's text needs more room.
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->y(), 8);
    EXPECT_GE(test::control<QComboBox>(w, "cmbColorSelect")->x(), 72);
    EXPECT_GE(test::control<QComboBox>(w, "cmbColorSelect")->x(),
              test::control<QLabel>(w, "Label2")->x() + test::control<QLabel>(w, "Label2")->sizeHint().width());
    EXPECT_EQ(test::control<QFrame>(w, "infoFrame")->geometry().top(), -4);
    EXPECT_EQ(test::control<QFrame>(w, "infoFrame")->height(), 65);
}

TEST_F(PaletteWindow, OpensTheSettingsFileAndShowsItFromTheFirstColour)
{
    frmPalette& w = openWith(numbered(20, QStringLiteral("二十色")));
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
    EXPECT_EQ(w.windowTitle(), "Palette : 二十色");
    EXPECT_EQ(w.fileName(), workDir() + "/p.tcf");
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->count(), 20);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->itemText(19), "C20");
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->currentIndex(), 0);
    EXPECT_EQ(w.selectedPosition(), 1);
    EXPECT_EQ(test::control<QLabel>(w, "colorCodeInfo")->text(), "000001");
    EXPECT_EQ(test::control<QLabel>(w, "colorCommentInfo")->text(), "c1");
    EXPECT_TRUE(test::action(w, "mnuSave")->isEnabled());
    EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());
    EXPECT_TRUE(test::action(w, "mnuColorProperty")->isEnabled());
    EXPECT_EQ(w.chipPixels(), 16);
    EXPECT_EQ(w.firstVisiblePosition(), 1);
}

TEST_F(PaletteWindow, ChipsAreFilledFramedBlackAndTouch)
{
    QByteArray file = "\"p\",\"\",\"\"\r\n\"FF0000\",\"r\",\"\"\r\n\"00FF00\",\"g\",\"\"\r\n\"0000FF\",\"b\",\"\"\r\n";
    frmPalette& w = openWith(file);
    setTwelveByEight(w);
    ASSERT_EQ(w.gridSize().width(), 12);
    EXPECT_EQ(w.gridSize().height(), 1);   // three colours need one row
    EXPECT_EQ(test::control<PictureBox>(w, "picPalette")->geometry(), QRect(0, 65, 12 * 16, 16));
    EXPECT_EQ(chipPixel(w, 0, 0), 0x0000FF);   // colour values keep red in the low byte
    EXPECT_EQ(chipPixel(w, 1, 0), 0x00FF00);
    EXPECT_EQ(chipPixel(w, 2, 0), 0xFF0000);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(chipPixel(w, c, 0, 0, 0), kBlack);
        EXPECT_EQ(chipPixel(w, c, 0, 15, 15), kBlack);
        EXPECT_EQ(chipPixel(w, c, 0, 1, 1), chipPixel(w, c, 0));
    }
    // Cells without a colour show the system window colour.
    EXPECT_EQ(chipPixel(w, 3, 0), fakes.systemColors->sysColor(5));
    EXPECT_FALSE(test::control<QScrollBar>(w, "VScroll1")->isEnabled());
}

TEST_F(PaletteWindow, ClickingAChipSelectsItFramesItWhiteAndFollowsInTheList)
{
    frmPalette& w = openWith(numbered(200));
    setTwelveByEight(w);
    click(w, 3, 1);
    EXPECT_EQ(w.selectedPosition(), 16);
    EXPECT_EQ(test::control<QLabel>(w, "colorCodeInfo")->text(), "000010");
    EXPECT_EQ(test::control<QLabel>(w, "colorCommentInfo")->text(), "c16");
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->currentIndex(), 15);
    EXPECT_EQ(chipPixel(w, 3, 1, 0, 0), kWhite);

    click(w, 5, 2);
    EXPECT_EQ(w.selectedPosition(), 30);
    EXPECT_EQ(chipPixel(w, 3, 1, 0, 0), kBlack);   // the previous chip is framed black again
    EXPECT_EQ(chipPixel(w, 5, 2, 15, 0), kWhite);
}

TEST_F(PaletteWindow, CopiesTheSelectedChipsCodeInTheFormCopiedLast)
{
    frmPalette& w = openWith(numbered(200));
    setTwelveByEight(w);
    click(w, 3, 1);
    test::action(w, "mnuCopyColorCode")->trigger();
    EXPECT_EQ(fakes.clipboard->clipboard, "#000010");
    frmMain::instance().configManager().setCssColorSettings({CssColorForm::Rgb, false});
    test::action(w, "mnuCopyColorCode")->trigger();
    EXPECT_EQ(fakes.clipboard->clipboard, "rgb(0 0 16)");
}

TEST_F(PaletteWindow, AnEmptyCellClearsTheInformationAndDisablesDeleteAndDoubleClick)
{
    frmPalette& w = openWith(numbered(5));
    setTwelveByEight(w);
    click(w, 1, 0);
    ASSERT_EQ(test::control<QLabel>(w, "colorCodeInfo")->text(), "000002");
    click(w, 7, 0);
    EXPECT_EQ(w.selectedPosition(), 8);
    EXPECT_EQ(test::control<QLabel>(w, "colorCodeInfo")->text(), "");
    EXPECT_EQ(test::control<QLabel>(w, "colorCommentInfo")->text(), "");
    EXPECT_EQ(chipPixel(w, 1, 0, 0, 0), kWhite);   // the chip highlighted before keeps its frame
    w.mnuDelete_Click();
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
    const QString before = frmMain::instance().getColorCode();
    w.picPalette_DblClick();
    EXPECT_EQ(frmMain::instance().getColorCode(), before);
}

TEST_F(PaletteWindow, MovingTheMouseNamesTheCellInTheTooltip)
{
    frmPalette& w = openWith(numbered(30));
    emit test::control<PictureBox>(w, "picPalette")->MouseMove(0, 0, 2 * 16 + 3, 16 + 1);
    EXPECT_EQ(test::control<PictureBox>(w, "picPalette")->toolTip(), "x : 3 y : 2");
}

TEST_F(PaletteWindow, ScrollingMovesTheGridByWholeRows)
{
    frmPalette& w = openWith(numbered(200));
    setTwelveByEight(w);
    ASSERT_EQ(w.gridSize().height(), 8);
    EXPECT_EQ(test::control<QScrollBar>(w, "VScroll1")->maximum(), 200 / 12 - 8 + 1);
    EXPECT_TRUE(test::control<QScrollBar>(w, "VScroll1")->isEnabled());
    test::control<QScrollBar>(w, "VScroll1")->setValue(9);
    EXPECT_EQ(w.firstVisiblePosition(), 109);
    EXPECT_EQ(chipPixel(w, 0, 0), 0x6D0000);   // code 00006D of colour 109
    EXPECT_EQ(chipPixel(w, 7, 7), 0xC80000);   // colour 200 closes the last row
    EXPECT_EQ(chipPixel(w, 8, 7), fakes.systemColors->sysColor(5));
    click(w, 0, 0);
    EXPECT_EQ(w.selectedPosition(), 109);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->currentIndex(), 108);
}

TEST_F(PaletteWindow, AClickInTheTroughMovesOneRow)
{
    frmPalette& w = openWith(numbered(200));
    setTwelveByEight(w);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // Below the handle, above the arrow: a page would be eight rows.
    QScrollBar* scroll = test::control<QScrollBar>(w, "VScroll1");
    const QPoint trough(scroll->width() / 2, scroll->height() - 3 * scroll->width());
    QTest::mouseClick(scroll, Qt::LeftButton, {}, trough);
    EXPECT_EQ(scroll->value(), 1);
    EXPECT_EQ(w.firstVisiblePosition(), 13);
}

TEST_F(PaletteWindow, GrowingTheWindowPullsTheScrollPositionBack)
{
    frmPalette& w = openWith(numbered(200));
    setTwelveByEight(w);
    test::control<QScrollBar>(w, "VScroll1")->setValue(9);
    setInnerSize(w, 17 + 12 * 16, 65 + 16 * 16);
    EXPECT_EQ(test::control<QScrollBar>(w, "VScroll1")->maximum(), 200 / 12 - 16 + 1);
    EXPECT_EQ(test::control<QScrollBar>(w, "VScroll1")->value(), 1);
    EXPECT_EQ(w.firstVisiblePosition(), 13);
    EXPECT_EQ(chipPixel(w, 0, 0), 0x0D0000);
}

TEST_F(PaletteWindow, ChoosingInTheListSelectsTheChip)
{
    frmPalette& w = openWith(numbered(200));
    setTwelveByEight(w);
    choose(w, 13);
    EXPECT_EQ(w.selectedPosition(), 14);
    EXPECT_EQ(w.selectedCell().x(), 1);
    EXPECT_EQ(w.selectedCell().y(), 1);
    EXPECT_EQ(test::control<QLabel>(w, "colorCodeInfo")->text(), "00000E");
    EXPECT_EQ(test::control<QScrollBar>(w, "VScroll1")->value(), 0);
}

TEST_F(PaletteWindow, ChoosingAColourJustBelowScrollsOneRow)
{
    frmPalette& w = openWith(numbered(200));
    setTwelveByEight(w);
    choose(w, 99);   // colour 100: ninth row, one below the visible eight
    EXPECT_EQ(test::control<QScrollBar>(w, "VScroll1")->value(), 1);
    EXPECT_EQ(w.firstVisiblePosition(), 13);
    EXPECT_EQ(w.selectedCell().y(), 7);
    EXPECT_EQ(w.selectedCell().x(), 3);
    EXPECT_EQ(w.selectedPosition(), 100);
    EXPECT_EQ(test::control<QLabel>(w, "colorCommentInfo")->text(), "c100");
    EXPECT_EQ(chipPixel(w, 3, 7, 0, 0), kWhite);
    // And back up: colour 1 now lies one row above.
    choose(w, 0);
    EXPECT_EQ(test::control<QScrollBar>(w, "VScroll1")->value(), 0);
    EXPECT_EQ(w.selectedPosition(), 1);
}

TEST_F(PaletteWindow, AMissingFileIsReportedAndLeavesAnEmptyPalette)
{
    frmPalette& w = openPath(workDir() + "/nothing.tcf");
    EXPECT_EQ(messages(), QStringList{kReadError});
    EXPECT_EQ(fakes.messageBox->calls[0].title, "Tessary");
    EXPECT_EQ(fakes.messageBox->calls[0].buttons, IMessageBox::OKOnly);
    EXPECT_EQ(w.windowTitle(), "Palette : ");
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->count(), 0);
    EXPECT_TRUE(test::action(w, "mnuSave")->isEnabled());
}

TEST_F(PaletteWindow, AReadErrorKeepsGridListAndSelectionInStep)
{
    QByteArray file = numbered(3);
    file += "\"000004\",\"C4\"\r\n";
    frmPalette& w = openWith(file);
    EXPECT_EQ(messages(), QStringList{kReadError});
    EXPECT_EQ(w.shownPalette()->count(), 3);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->count(), 3);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->currentIndex(), 0);
    EXPECT_EQ(test::control<QLabel>(w, "colorCodeInfo")->text(), "000001");
    EXPECT_EQ(chipPixel(w, 2, 0), 0x030000);
    EXPECT_EQ(chipPixel(w, 3, 0), fakes.systemColors->sysColor(5));
    choose(w, 2);
    EXPECT_EQ(w.selectedPosition(), 3);
}

TEST_F(PaletteWindow, DuplicatesAreReportedOnceEachAndAFloodIsSummed)
{
    QByteArray file = numbered(2);
    for (int i = 0; i < 13; ++i)
        file += "\"FFFFFF\",\"c1\",\"\"\r\n";
    frmPalette& w = openWith(file);
    const QStringList shown = messages();
    ASSERT_EQ(shown.size(), 11);
    EXPECT_EQ(shown.count(kDuplicate), 10);
    EXPECT_EQ(shown.last(), "ほかに 3 色を登録できませんでした。");
    EXPECT_EQ(w.shownPalette()->count(), 2);
}

TEST_F(PaletteWindow, TheSystemColourPaletteTakesItsColoursFromTheSystem)
{
    fakes.systemColors->colors[5] = 0x123456;
    fakes.systemColors->colors[21] = 0x0A0B0C;
    QFile shipped(QStringLiteral(TESSARY_TEST_PROGRAM_DIR "/palette/css2-system.tcf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    frmPalette& w = openWith(shipped.readAll());
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
    EXPECT_EQ(w.shownPalette()->paletteName(), "CSS2 User Defined Color");
    EXPECT_EQ(w.shownPalette()->count(), 28);
    EXPECT_FALSE(test::action(w, "mnuColorProperty")->isEnabled());
    const auto at = [&](const char* name) {
        return w.shownPalette()->colorCollection.item(QString::fromLatin1(name))->index;
    };
    EXPECT_EQ(w.colorValueAt(at("Window")), 0x123456);
    EXPECT_EQ(w.colorValueAt(at("ThreeDShadow")), 0x0A0B0C);
    EXPECT_EQ(w.colorValueAt(at("ThreeDDarkShadow")), 0x0A0B0C);
    EXPECT_EQ(chipPixel(w, 0, 0), fakes.systemColors->sysColor(10));   // ActiveBorder
}

TEST_F(PaletteWindow, ShippedPalettesLoadCleanly)
{
    struct Shipped {
        const char* file;
        int colors;
    };
    for (const Shipped s : {Shipped{"default.tcf", 71}, Shipped{"css-named.tcf", 148}}) {
        frmPalette& w = openPath(QStringLiteral(TESSARY_TEST_PROGRAM_DIR "/palette/") + QString::fromLatin1(s.file));
        EXPECT_TRUE(fakes.messageBox->calls.isEmpty()) << s.file;
        EXPECT_EQ(w.shownPalette()->count(), s.colors) << s.file;
        EXPECT_TRUE(test::action(w, "mnuColorProperty")->isEnabled());
        frmPalette::unloadInstance();
        QCoreApplication::processEvents();
    }
}

TEST_F(PaletteWindow, DoubleClickGivesTheChipsColourToTheMainWindow)
{
    frmPalette& w = openWith(numbered(3) + "\"12AB34\",\"X\",\"\"\r\n");
    click(w, 3, 0);
    w.picPalette_DblClick();
    EXPECT_EQ(frmMain::instance().getColorCode(), "12AB34");
}

TEST_F(PaletteWindow, DeleteAsksAndRemovesOnOkOnly)
{
    frmPalette& w = openWith(numbered(3));
    click(w, 1, 0);
    fakes.messageBox->answers = {IMessageBox::Cancel};
    w.mnuDelete_Click();
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    const auto& ask = fakes.messageBox->calls[0];
    EXPECT_EQ(ask.text, "カラーコード:000002\r\n名前：C2\r\nを削除します。\r\nよろしいですか?");
    EXPECT_EQ(ask.title, "色の削除");
    EXPECT_EQ(ask.buttons, IMessageBox::OKCancel);
    EXPECT_EQ(w.shownPalette()->count(), 3);

    fakes.messageBox->answers = {IMessageBox::OK};
    w.mnuDelete_Click();
    EXPECT_EQ(w.shownPalette()->count(), 2);
    EXPECT_EQ(w.shownPalette()->colorCollection.item(2)->colorName(), "C3");
    EXPECT_EQ(w.shownPalette()->colorCollection.item(2)->index, 2);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->count(), 2);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->currentIndex(), 0);
    EXPECT_EQ(chipPixel(w, 1, 0), 0x030000);
    EXPECT_EQ(chipPixel(w, 2, 0), fakes.systemColors->sysColor(5));
    EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());   // deleting does not mark the palette for saving
}

TEST_F(PaletteWindow, NewPaletteResetsNameFileAndMenus)
{
    frmPalette& w = openWith(numbered(3, QStringLiteral("kept")));
    w.mnuNew_Click();
    EXPECT_EQ(w.shownPalette()->paletteName(), "新規パレット");
    EXPECT_EQ(w.shownPalette()->paletteComment(), "");
    EXPECT_EQ(w.shownPalette()->count(), 0);
    EXPECT_EQ(test::control<QComboBox>(w, "cmbColorSelect")->count(), 0);
    EXPECT_EQ(w.fileName(), "");
    EXPECT_FALSE(test::action(w, "mnuSave")->isEnabled());
    EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());
    EXPECT_FALSE(test::control<PictureBox>(w, "picPalette")->isVisible());
    EXPECT_FALSE(test::control<QScrollBar>(w, "VScroll1")->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Palette : kept");   // the title keeps its state
}

TEST_F(PaletteWindow, OpeningAFileStoresItsNameAndStartsAtTheTop)
{
    frmPalette& w = openWith(numbered(200));
    setTwelveByEight(w);
    test::control<QScrollBar>(w, "VScroll1")->setValue(5);
    const QString other = writeFile("other.tcf", numbered(150, QStringLiteral("other")));
    fakes.fileDialogs->answers = {other};
    w.mnuLoadPalette_Click();
    ASSERT_EQ(fakes.fileDialogs->calls.size(), 1);
    EXPECT_FALSE(fakes.fileDialogs->calls[0].save);
    EXPECT_EQ(fakes.fileDialogs->calls[0].initialName, "*.tcf");
    EXPECT_EQ(fakes.fileDialogs->calls[0].filter, "Tessary色定義ファイル (*.tcf)|*.tcf");
    EXPECT_EQ(frmMain::instance().configManager().paletteFileName(), other);
    EXPECT_EQ(w.windowTitle(), "Palette : other");
    EXPECT_EQ(test::control<QScrollBar>(w, "VScroll1")->value(), 0);
    click(w, 0, 0);
    EXPECT_EQ(w.selectedPosition(), 1);

    // A cancelled dialog changes nothing.
    w.mnuLoadPalette_Click();
    EXPECT_EQ(w.fileName(), other);
}

// Unsaved changes belong to the palette that was replaced: "上書き保存" must not write a
// partly read file (or the old palette) over the file just opened.
TEST_F(PaletteWindow, OpeningAFileLeavesNothingToSaveOverIt)
{
    frmPalette& w = openWith(numbered(5));
    test::action(w, "mnuEasySave")->setEnabled(true);   // as after adding a colour
    QByteArray damaged = numbered(3);
    damaged += "\"000004\",\"C4\"\r\n";
    const QString other = writeFile("damaged.tcf", damaged);
    const QByteArray before = damaged;
    fakes.fileDialogs->answers = {other};
    w.mnuLoadPalette_Click();
    EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());
    test::action(w, "mnuEasySave")->trigger();
    QFile f(other);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(PaletteWindow, SaveAsWritesTheFileAndSaveFollows)
{
    frmPalette& w = openWith(numbered(2));
    const QString target = workDir() + "/copy.tcf";
    fakes.fileDialogs->answers = {target};
    w.mnuSave_Click();
    ASSERT_EQ(fakes.fileDialogs->calls.size(), 1);
    EXPECT_TRUE(fakes.fileDialogs->calls[0].save);
    EXPECT_EQ(fakes.fileDialogs->calls[0].initialName, workDir() + "/p.tcf");
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), numbered(2));
    EXPECT_EQ(w.fileName(), target);
    EXPECT_EQ(frmMain::instance().configManager().paletteFileName(), workDir() + "/p.tcf");
}

TEST_F(PaletteWindow, SaveWithoutAFileNameAsksForOne)
{
    frmPalette& w = openWith(numbered(2));
    w.mnuNew_Click();
    ASSERT_TRUE(w.shownPalette()->addColor("ABCDEF", "", "").isOk());
    test::action(w, "mnuEasySave")->setEnabled(true);
    const QString target = workDir() + "/new.tcf";
    fakes.fileDialogs->answers = {target};
    w.mnuEasySave_Click();
    ASSERT_EQ(fakes.fileDialogs->calls.size(), 1);
    EXPECT_TRUE(fakes.fileDialogs->calls[0].save);
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(w.fileName(), target);
    EXPECT_FALSE(test::action(w, "mnuEasySave")->isEnabled());
}

TEST_F(PaletteWindow, AFailedSaveSaysSoAndKeepsTheChangesToSave)
{
    frmPalette& w = openWith(numbered(2));
    test::action(w, "mnuEasySave")->setEnabled(true);
    ASSERT_TRUE(QDir(workDir()).mkdir("folder.tcf"));
    fakes.fileDialogs->answers = {workDir() + "/folder.tcf"};
    w.mnuSave_Click();
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    EXPECT_TRUE(fakes.messageBox->calls[0].text.startsWith("ファイルの書き込みエラー"));
    EXPECT_TRUE(test::action(w, "mnuEasySave")->isEnabled());
    EXPECT_EQ(w.fileName(), workDir() + "/p.tcf");
    QFile original(workDir() + "/p.tcf");
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), numbered(2));
}

TEST_F(PaletteWindow, NeverShrinksBelowThreeThousandTwips)
{
    frmPalette& w = openWith(numbered(2));
    w.setWidthTw(1500);
    QCoreApplication::processEvents();
    EXPECT_GE(w.widthTw(), 3000);
    w.setHeightTw(900);
    QCoreApplication::processEvents();
    EXPECT_GE(w.heightTw(), 3000);
    EXPECT_GT(w.gridSize().width(), 0);
}

TEST_F(PaletteWindow, ClosingClearsTheMainWindowsCheckMark)
{
    frmMain& main = frmMain::instance();
    ASSERT_NE(test::action(main, "mnuPalette"), nullptr);
    test::action(main, "mnuPalette")->setChecked(true);
    frmPalette& w = openWith(numbered(2));
    w.mnuQuit_Click();
    EXPECT_FALSE(test::action(main, "mnuPalette")->isChecked());
    EXPECT_FALSE(frmPalette::isInstanceLoaded());
}

TEST_F(PaletteWindow, OpeningAndClosingItManyTimesLeavesNothingBehind)
{
    frmMain& main = frmMain::instance();
    main.configManager().setPaletteFileName(writeFile(QStringLiteral("p.tcf"), numbered(50)));
    std::vector<std::weak_ptr<DefinedColor>> palettes;
    // The style keeps pictures of its controls keyed by their palette for as long as the
    // program runs: controls of every new window must come with the same keys.
    std::set<qint64> styleKeys;
    auto openAndClose = [&] {
        test::action(main, "mnuPalette")->trigger();
        frmPalette& w = frmPalette::instance();
        palettes.push_back(w.shownPalette());
        for (QWidget* c : w.findChildren<QWidget*>()) {
            if (!c->testAttribute(Qt::WA_SetPalette))
                styleKeys.insert(c->palette().cacheKey());
        }
        test::action(main, "mnuPalette")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    openAndClose();
    const qsizetype widgets = QApplication::allWidgets().size();
    const size_t keys = styleKeys.size();
    for (int i = 0; i < 20; ++i)
        openAndClose();
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_TRUE(std::all_of(palettes.begin(), palettes.end(), [](const auto& p) { return p.expired(); }));
    EXPECT_EQ(styleKeys.size(), keys);
}

} // namespace
