// SPDX-License-Identifier: MIT
#include "Version.h"
#include "dialogs/AboutText.h"
#include "dialogs/CommonDialogManager.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmEditSampleText.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/CommonDialog.h"
#include "platform/FontMapper.h"
#include "platform/QtFileDialogs.h"
#include "platform/Services.h"
#include "platform/TextBox.h"
#include "support/GuiTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QFontDatabase>
#include <QTimer>
#include <functional>

using namespace tessary;

namespace {

constexpr std::int32_t kFileFlags = 0x1000 | 0x800 | 0x4 | 0x200000;
constexpr std::int32_t kFontFlags = 0x3 | 0x10000 | 0x8000 | 0x20000;

StdFont font(const char* name, double size, bool bold = false, bool italic = false)
{
    StdFont f;
    f.name = QString::fromUtf8(name);
    f.size = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

} // namespace

class DialogsTest : public test::GuiTest {
protected:
    CommonDialog dialog;
    CommonDialogManager manager()
    {
        CommonDialogManager m;
        m.setCommonDialog(dialog);
        return m;
    }
};

// ---- Common dialog manager --------------------------------------------------------

TEST_F(DialogsTest, FileDialogsReturnThePathOrNothing)
{
    const struct {
        bool save;
        const char* answer;
    } cases[] = {{false, "/pictures/a.bmp"}, {false, ""}, {true, "/palettes/b.tcf"}, {true, ""}};
    for (const auto& c : cases) {
        CommonDialogManager m = manager();
        m.setFilename(QStringLiteral("*.tcf"));
        m.setFilter(QStringLiteral("Tessary色定義ファイル (*.tcf)|*.tcf"));
        m.addFlug(0x40000);   // dropped: the manager sets its own flags
        fakes.fileDialogs->answers = {QString::fromUtf8(c.answer)};
        EXPECT_EQ(m.getFilename(c.save), QString::fromUtf8(c.answer));
        const auto& call = fakes.fileDialogs->calls.back();
        EXPECT_EQ(call.save, c.save);
        EXPECT_EQ(call.initialName, QStringLiteral("*.tcf"));
        EXPECT_EQ(call.filter, QStringLiteral("Tessary色定義ファイル (*.tcf)|*.tcf"));
        EXPECT_EQ(dialog.flags, kFileFlags);
        EXPECT_TRUE(dialog.cancelError);
    }
    EXPECT_EQ(fakes.fileDialogs->calls.size(), 4);
}

TEST_F(DialogsTest, FilterAndFlagsAreKeptOnTheDialog)
{
    CommonDialogManager m = manager();
    m.setFilter(QStringLiteral("a|*.a"));
    m.clearFilter();
    EXPECT_EQ(dialog.filter, QString());
    m.clearFlug();
    m.addFlug(0x4);
    m.addFlug(0x800);
    EXPECT_EQ(dialog.flags, 0x804);
    m.clearFlug();
    EXPECT_EQ(dialog.flags, 0);
}

TEST_F(DialogsTest, ChosenFontChangesNameSizeBoldAndItalicOfTheSharedObject)
{
    FontRef label = copyFont(font("ＭＳ 明朝", 12));
    label->underline = true;
    const FontRef otherHolder = label;
    StdFont answer = font("Noto Sans CJK JP", 10.5, true, true);
    answer.strikethrough = true;   // the dialog shows no effects: ignored
    answer.underline = false;
    fakes.fileDialogs->fontAnswers = {answer};
    manager().chooseFont(*label);
    EXPECT_EQ(fakes.fileDialogs->fontsShown.back().name, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(otherHolder->name, QStringLiteral("Noto Sans CJK JP"));
    EXPECT_DOUBLE_EQ(otherHolder->size, 10.5);
    EXPECT_TRUE(otherHolder->bold);
    EXPECT_TRUE(otherHolder->italic);
    EXPECT_TRUE(otherHolder->underline);
    EXPECT_FALSE(otherHolder->strikethrough);
    EXPECT_EQ(dialog.flags, kFontFlags);
}

TEST_F(DialogsTest, CancelledFontDialogLeavesTheFontAfterAFileDialog)
{
    fakes.fileDialogs->answers = {QString()};
    EXPECT_EQ(manager().getFilename(false), QString());
    StdFont f = font("DejaVu Serif", 16, false, true);
    f.strikethrough = true;
    const StdFont before = f;
    manager().chooseFont(f);
    EXPECT_EQ(f, before);
    EXPECT_EQ(fakes.fileDialogs->fontCalls, 1);
}

TEST_F(DialogsTest, TheRealFontDialogStartsFromTheDrawnFaceAndStoresOnlyWhatChanged)
{
    Services::setFileDialogs(std::make_unique<QtFileDialogs>());
    const StdFont stored = font("ＭＳ 明朝", 12, true);
    const QString drawn = FontMapper::drawnFamily(stored);
    ASSERT_NE(drawn, stored.name);
    const struct {
        const char* what;
        std::function<void(QFontDialog&)> change;
        StdFont expected;
    } cases[] = {
        {"nothing", [](QFontDialog&) {}, stored},
        {"family",
         [](QFontDialog& d) {
             QFont f = d.currentFont();
             f.setFamilies({QStringLiteral("DejaVu Sans")});
             d.setCurrentFont(f);
         },
         font("DejaVu Sans", 12, true)},
        {"size",
         [](QFontDialog& d) {
             QFont f = d.currentFont();
             f.setPointSize(20);
             d.setCurrentFont(f);
         },
         font("ＭＳ 明朝", 20, true)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StdFont f = stored;
        f.underline = true;
        QFont shown;
        bool effectsShown = true;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            shown = dialog->currentFont();
            effectsShown = false;
            for (const QCheckBox* box : dialog->findChildren<QCheckBox*>())
                effectsShown = effectsShown || box->isVisible();
            c.change(*dialog);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        manager().chooseFont(f);
        EXPECT_EQ(shown.family().toStdString(), drawn.toStdString());
        EXPECT_EQ(shown.pointSize(), 12);
        EXPECT_TRUE(shown.bold());
        EXPECT_FALSE(effectsShown);
        StdFont expected = c.expected;
        expected.underline = true;
        EXPECT_EQ(f, expected) << f.name.toStdString() << " " << f.size;
    }
}

// The dialog opens on the label's own style, and a style picked in its list is stored.
TEST_F(DialogsTest, TheRealFontDialogOpensOnTheStyleAndStoresTheOneChosen)
{
    Services::setFileDialogs(std::make_unique<QtFileDialogs>());
    // Picks an entry as a click would: in whichever of the three lists holds that text.
    auto pick = [](QFontDialog& d, const QString& text) {
        for (QListView* list : d.findChildren<QListView*>()) {
            const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1,
                                                               Qt::MatchFixedString | Qt::MatchCaseSensitive);
            if (!found.isEmpty()) {
                list->setCurrentIndex(found.first());
                return;
            }
        }
        ADD_FAILURE() << "no list holds " << text.toStdString();
    };
    const struct {
        StdFont stored;
        const char* opensOn;
        QStringList picks;
        StdFont expected;
    } cases[] = {
        {font("DejaVu Sans", 12), "Book", {}, font("DejaVu Sans", 12)},
        {font("DejaVu Sans", 12, false, true), "Oblique", {}, font("DejaVu Sans", 12, false, true)},
        {font("DejaVu Sans", 12, true, true), "Bold Oblique", {"Book"}, font("DejaVu Sans", 12)},
        {font("DejaVu Sans", 12), "Book", {"Bold"}, font("DejaVu Sans", 12, true)},
        {font("DejaVu Sans", 12), "Book", {"Bold Oblique"}, font("DejaVu Sans", 12, true, true)},
        {font("ＭＳ 明朝", 12), "", {"DejaVu Sans", "Bold", "20"}, font("DejaVu Sans", 20, true)},
    };
    // A system with only the upright faces installed (as the Windows build's) has no oblique
    // style to open on or to pick.
    const QStringList styles = QFontDatabase::styles(QStringLiteral("DejaVu Sans"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.name.toStdString() + " " + c.picks.join(u',').toStdString());
        const auto needsOblique = [&] {
            for (const QString& s : c.picks + QStringList{QString::fromUtf8(c.opensOn)})
                if (s.contains(QStringLiteral("Oblique")) && !styles.contains(s))
                    return true;
            return false;
        };
        if (needsOblique())
            continue;
        StdFont f = c.stored;
        QString shownStyle;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            shownStyle = dialog->currentFont().styleName();
            for (const QString& text : c.picks)
                pick(*dialog, text);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        manager().chooseFont(f);
        if (*c.opensOn) {
            EXPECT_EQ(shownStyle.toStdString(), c.opensOn);
        }
        EXPECT_EQ(f, c.expected) << f.name.toStdString() << " " << f.size << " bold " << f.bold << " italic " << f.italic;
    }
}

TEST_F(DialogsTest, WithoutADialogNothingIsShown)
{
    CommonDialogManager m;
    StdFont f = font("DejaVu Sans", 9);
    m.chooseFont(f);
    EXPECT_EQ(m.getFilename(true), QString());
    EXPECT_EQ(f, font("DejaVu Sans", 9));
    EXPECT_EQ(fakes.fileDialogs->fontCalls, 0);
    EXPECT_TRUE(fakes.fileDialogs->calls.isEmpty());
}

// ---- Sample text editor -----------------------------------------------------------

class EditorTest : public test::GuiTest {
protected:
    // The main window first: its start-up restores the label fonts from the settings.
    void SetUp() override
    {
        test::GuiTest::SetUp();
        frmMain::instance();
    }

    frmEditSampleText& editor() { return frmEditSampleText::instance(); }
    QLineEdit* text() { return editor().findChild<QLineEdit*>(QStringLiteral("txtSampleText")); }
    QPushButton* button(const char* name) { return editor().findChild<QPushButton*>(QString::fromUtf8(name)); }
};

TEST_F(EditorTest, HasItsCaptionAndControls)
{
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("標本文字列の変更"));
    EXPECT_EQ(editor().findChild<QLabel*>(QStringLiteral("lblSampleText"))->text(), QStringLiteral("標本文字列"));
    EXPECT_EQ(button("btnFont")->text(), QStringLiteral("フォント変更"));
    EXPECT_EQ(button("btnOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(button("btnCancel")->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(editor().minimumSize(), editor().maximumSize());
}

TEST_F(EditorTest, OkHandsTextAndFontToTheWindows)
{
    frmTessary& display = frmTessary::instance();
    const FontRef labelFont = display.getLabelFont(2);
    for (const char* typed : {"a new text", ""}) {
        editor().setting(2, QStringLiteral("old"), labelFont);
        EXPECT_EQ(text()->text(), QStringLiteral("old"));
        text()->setText(QString::fromUtf8(typed));
        button("btnOK")->click();
        EXPECT_FALSE(frmEditSampleText::isInstanceLoaded());
        EXPECT_EQ(test::control<TextBox>(frmMain::instance(), "txtSampleString", 2)->text(), QString::fromUtf8(typed));
        EXPECT_EQ(display.getLabelFont(2), labelFont);
    }
}

TEST_F(EditorTest, CancelKeepsTheTextButAFontChosenStaysWithTheLabel)
{
    frmMain::instance().setSampleText(0, QStringLiteral("kept"));
    const FontRef labelFont = copyFont(font("DejaVu Sans", 12));
    frmTessary::instance().setLabelFont(0, labelFont);
    editor().setting(0, QStringLiteral("kept"), labelFont);
    text()->setText(QStringLiteral("dropped"));
    fakes.fileDialogs->fontAnswers = {font("Noto Serif CJK JP", 24, true)};
    button("btnFont")->click();
    EXPECT_EQ(fakes.fileDialogs->fontsShown.back(), font("DejaVu Sans", 12));
    button("btnCancel")->click();
    EXPECT_FALSE(frmEditSampleText::isInstanceLoaded());
    EXPECT_EQ(test::control<TextBox>(frmMain::instance(), "txtSampleString", 0)->text(), QStringLiteral("kept"));
    EXPECT_EQ(*frmTessary::instance().getLabelFont(0), font("Noto Serif CJK JP", 24, true));
}

TEST_F(EditorTest, EnterPressesOkAndEscapeCancel)
{
    const struct {
        Qt::Key key;
        const char* result;
    } cases[] = {{Qt::Key_Escape, "before"}, {Qt::Key_Return, "after"}};
    frmMain::instance().setSampleText(1, QStringLiteral("before"));
    for (const auto& c : cases) {
        editor().setting(1, QStringLiteral("before"), frmTessary::instance().getLabelFont(1));
        text()->setText(QStringLiteral("after"));
        QTest::keyClick(text(), c.key);
        EXPECT_FALSE(frmEditSampleText::isInstanceLoaded());
        EXPECT_EQ(test::control<TextBox>(frmMain::instance(), "txtSampleString", 1)->text(), QString::fromUtf8(c.result));
    }
}

// ---- About box --------------------------------------------------------------------

TEST_F(DialogsTest, AboutBoxShowsNameAndVersionAndCloses)
{
    frmAbout& about = frmAbout::instance();
    auto* name = about.findChild<QLabel*>(QStringLiteral("lblProduct"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("Tessary"));
    EXPECT_DOUBLE_EQ(name->font().pointSizeF(), 18.0);
    EXPECT_GE(QFontInfo(name->font()).weight(), static_cast<int>(QFont::Bold));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(),
              AboutText::version(kVersionMajor, kVersionMinor, kVersionRevision));
    auto* close = about.findChild<QPushButton*>(QStringLiteral("btnClose"));
    EXPECT_EQ(close->text(), QStringLiteral("閉じる"));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(frmAbout::isInstanceLoaded());
}
