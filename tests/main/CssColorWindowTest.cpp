// SPDX-License-Identifier: MIT
#include "csscolor/CssColorReader.h"
#include "csscolor/CssColorWriter.h"
#include "display/frmTessary.h"
#include "main/ColorEntry.h"
#include "main/frmMain.h"
#include "oklch/OklchPage.h"
#include "pickers/frmDesktop.h"
#include "platform/ColorValue.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Workspace.h"
#include "settings/TessaryConfig.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <random>

using namespace tessary;

namespace {

constexpr std::int32_t rgb(int r, int g, int b) { return ColorValue::pack(r, g, b); }

class CssColorWindowTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        test::GuiTest::SetUp();
        frmMain::instance();
    }

    frmMain& main() { return frmMain::instance(); }
    TextBox* field() { return test::control<TextBox>(main(), "txtColorCode"); }
    std::int32_t selectedColor() { return frmTessary::instance().getColor(); }
    QAction* action(const char* name) { return main().findChild<QAction*>(QString::fromLatin1(name)); }
    OklchPage* page() { return main().findChild<OklchPage*>(); }

    bool marked() { return !field()->styleSheet().isEmpty(); }
};

// Every way a text reaches the field as a paste, as the user does it.
const std::pair<const char*, std::function<void(TextBox*, test::FakeClipboard&, const QString&)>> kPasteMeans[] = {
    {"Ctrl+V",
     [](TextBox* f, test::FakeClipboard& c, const QString& t) {
         c.clipboard = t;
         QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
     }},
    {"Shift+Insert",
     [](TextBox* f, test::FakeClipboard& c, const QString& t) {
         c.clipboard = t;
         QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier);
     }},
    {"middle button",
     [](TextBox* f, test::FakeClipboard& c, const QString& t) {
         c.selection = t;
         QTest::mouseClick(f, Qt::MiddleButton);
     }},
    {"context menu",
     [](TextBox* f, test::FakeClipboard& c, const QString& t) {
         c.clipboard = t;
         QTimer::singleShot(0, [] {
             QMenu* menu = nullptr;
             for (QWidget* w : QApplication::topLevelWidgets()) {
                 if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible())
                     menu = m;
             }
             ASSERT_NE(menu, nullptr);
             QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
             ASSERT_NE(paste, nullptr);
             paste->trigger();
             menu->close();
         });
         QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(2, 2), f->mapToGlobal(QPoint(2, 2)));
         QApplication::sendEvent(f, &e);
     }},
    {"drop",
     [](TextBox* f, test::FakeClipboard&, const QString& t) {
         QMimeData data;
         data.setText(t);
         QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(f, &enter);
         QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(f, &drop);
     }},
};

TEST_F(CssColorWindowTest, EveryWayOfPastingReadsTheWholeTextAsACssColour)
{
    for (const auto& [means, paste] : kPasteMeans) {
        SCOPED_TRACE(means);
        main().setColor(rgb(1, 2, 3));
        paste(field(), *fakes.clipboard, QStringLiteral("  oklch(62.8% 0.258 29.23) "));
        EXPECT_EQ(selectedColor(), rgb(255, 0, 0));
        EXPECT_EQ(field()->text(), QStringLiteral("#FF0000"));
        EXPECT_TRUE(field()->toolTip().contains(QStringLiteral("色域外 → #FF0000")));

        // Not a colour: the colour stays, the field says why until it next changes.
        paste(field(), *fakes.clipboard, QStringLiteral("rgb(1 2)"));
        EXPECT_EQ(selectedColor(), rgb(255, 0, 0));
        EXPECT_EQ(field()->text(), QStringLiteral("#FF0000"));
        EXPECT_TRUE(marked());
        EXPECT_TRUE(field()->toolTip().contains(QStringLiteral("「rgb(1 2)」 を色として読めません")));
        EXPECT_TRUE(field()->toolTip().contains(QStringLiteral("値が 3 つ必要です")));
        main().setColor(rgb(0, 0, 255));
        EXPECT_FALSE(marked());
        EXPECT_TRUE(field()->toolTip().isEmpty());
    }
}

// A six-digit code pasted gives what typing it gives, with either prefix.
TEST_F(CssColorWindowTest, ASixDigitPasteEqualsTyping)
{
    std::mt19937 random(25);
    for (const QString& prefix : {QStringLiteral("#"), QString()}) {
        Workspace::instance().setCodePrefix(prefix);
        for (int k = 0; k < 200; ++k) {
            const QString code = QStringLiteral("%1").arg(random() & 0xFFFFFF, 6, 16, QChar(u'0'));
            const QString text = prefix + (k % 2 ? code.toUpper() : code);
            const std::int32_t typed = *ColorEntry::colorFromCodeField(text, prefix);
            main().setColor(rgb(9, 9, 9));
            fakes.clipboard->clipboard = text;
            QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
            ASSERT_EQ(selectedColor(), typed) << qPrintable(text);
            ASSERT_EQ(field()->text(), prefix + code.toUpper());
        }
    }
}

TEST_F(CssColorWindowTest, EnterReadsTheFieldAndTypingStaysAsItWas)
{
    Workspace::instance().setCodePrefix(QStringLiteral("#"));
    main().setColor(rgb(1, 1, 1));
    field()->setText(QStringLiteral("rebeccapurple"));
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(selectedColor(), rgb(0x66, 0x33, 0x99));
    EXPECT_EQ(field()->text(), QStringLiteral("#663399"));

    field()->setText(QStringLiteral("#12"));
    QTest::keyClick(field(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(selectedColor(), rgb(0x66, 0x33, 0x99));
    EXPECT_TRUE(marked());
    // A key typed is a change: the mark goes, and the text is read as typing reads it.
    QTest::keyClicks(field(), QStringLiteral("3456"));
    EXPECT_FALSE(marked());
    EXPECT_EQ(selectedColor(), rgb(0x12, 0x34, 0x56));
}

TEST_F(CssColorWindowTest, PasteCommandCopyFormsAndTheirSetting)
{
    main().showModeless();
    ASSERT_TRUE(activate(&main()));
    field()->setFocus();
    main().selectObject(1);
    fakes.clipboard->clipboard = QStringLiteral("hsl(120deg 100% 25%)");
    action("mnuPasteColor")->trigger();
    EXPECT_EQ(selectedColor(), rgb(0, 128, 0));
    EXPECT_EQ(frmTessary::instance().selectObject(), 1);

    main().setColor(rgb(0x1A, 0x5F, 0xB4));
    for (std::size_t i = 0; i < kCssColorForms.size(); ++i) {
        QAction* item = action(QStringLiteral("mnuCopyColor%1").arg(i).toLatin1().constData());
        item->trigger();
        const QString copied = fakes.clipboard->clipboard;
        EXPECT_EQ(copied, CssColorWriter::write(rgb(0x1A, 0x5F, 0xB4), kCssColorForms[i]));
        // Ctrl+Shift+C now copies in this form: its item carries the shortcut and the mark.
        EXPECT_TRUE(item->isChecked());
        EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        fakes.clipboard->clipboard.clear();
        QTest::keyClick(field(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(fakes.clipboard->clipboard, copied);
    }
    EXPECT_EQ(main().configManager().cssColorSettings().copyForm, CssColorForm::Oklch);
}

TEST_F(CssColorWindowTest, OklchPageIsOffByDefaultAndAddsAThirdTab)
{
    EXPECT_EQ(test::control<QTabBar>(main(), "tabSelectColorModel")->count(), 2);
    EXPECT_FALSE(action("mnuOklchPage")->isChecked());
    EXPECT_EQ(page(), nullptr);   // made when first asked for
    action("mnuOklchPage")->trigger();
    ASSERT_EQ(test::control<QTabBar>(main(), "tabSelectColorModel")->count(), 3);
    EXPECT_EQ(test::control<QTabBar>(main(), "tabSelectColorModel")->tabText(2), QStringLiteral("OKLCH"));
    EXPECT_TRUE(main().configManager().cssColorSettings().oklchPage);
    test::control<QTabBar>(main(), "tabSelectColorModel")->setCurrentIndex(2);
    action("mnuOklchPage")->trigger();
    EXPECT_EQ(test::control<QTabBar>(main(), "tabSelectColorModel")->count(), 2);
    EXPECT_EQ(test::control<QTabBar>(main(), "tabSelectColorModel")->currentIndex(), 0);
}

// A thousand random slider moves: each component holds exactly what its slider says, the
// others never move, and the stored colour is always the gamut-mapped colour of the three.
TEST_F(CssColorWindowTest, OklchPageHoldsItsValuesWithoutDrift)
{
    main().showModeless();
    action("mnuOklchPage")->trigger();
    test::control<QTabBar>(main(), "tabSelectColorModel")->setCurrentIndex(2);
    main().setColor(rgb(0x33, 0x66, 0x99));
    const double step[] = {0.001, 0.001, 1.0};
    std::mt19937 random(1000);
    std::array<int, 3> start{};
    for (int i = 0; i < 3; ++i)
        start[i] = test::control<Slider>(*page(), "OklchSlider", i)->value();
    for (int move = 0; move < 1000; ++move) {
        const int i = int(random() % 3);
        const int position = int(random() % std::uint32_t(OklchPage::kSliderMaximum[i] + 1));
        const auto before = page()->editor();
        test::control<Slider>(*page(), "OklchSlider", i)->setValue(position);
        const auto& e = page()->editor();
        for (int k = 0; k < 3; ++k) {
            const double expected = k == i ? (position == 360 && k == 2 ? 0.0 : position * step[k])
                                           : before.value(OklchEditor::Component(k));
            ASSERT_EQ(e.value(OklchEditor::Component(k)), expected) << "move " << move;
        }
        ASSERT_EQ(selectedColor(),
                  CssColorReader::fromOklch(e.value(OklchEditor::L), e.value(OklchEditor::C), e.value(OklchEditor::H)));
        ASSERT_EQ(test::control<QLabel>(*page(), "OklchGamut")->text() == QStringLiteral("色域内"), e.inGamut());
    }
    for (int i = 0; i < 3; ++i)
        test::control<Slider>(*page(), "OklchSlider", i)->setValue(start[i]);
    const auto& e = page()->editor();
    EXPECT_EQ(selectedColor(),
              CssColorReader::fromOklch(start[0] * step[0], start[1] * step[1], start[2] * step[2]));
    // A typed value is taken as it is, finer than a slider step.
    test::control<TextBox>(*page(), "txtOklch", 0)->setText(QStringLiteral("55.55"));
    QTest::keyClick(test::control<TextBox>(*page(), "txtOklch", 0), Qt::Key_Return);
    EXPECT_EQ(e.value(OklchEditor::L), 0.5555);
}

TEST_F(CssColorWindowTest, EyedropperCommandStartsTheScreenPicker)
{
    fakes.screenCapture->image = QImage(200, 150, QImage::Format_RGB32);
    main().showModeless();
    action("mnuEyedropper")->trigger();
    EXPECT_EQ(fakes.screenCapture->calls, 1);
    EXPECT_FALSE(main().isVisible());
    ASSERT_NE(frmDesktop::loadedInstance(), nullptr);
    EXPECT_TRUE(frmDesktop::loadedInstance()->isVisible());
}

} // namespace
