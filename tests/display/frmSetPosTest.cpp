// SPDX-License-Identifier: MIT
#include "display/PositionUnits.h"
#include "display/SetMostTopForm.h"
#include "display/frmSetPos.h"
#include "display/frmTessary.h"
#include "platform/Numeric.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "support/GuiTest.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tessary;

namespace {

class PositionDialog : public test::GuiTest {
protected:
    void SetUp() override
    {
        test::GuiTest::SetUp();
        perPixel = Twips::perPixelX();
        display().showModeless();
        display().moveTw(200 * perPixel, 100 * perPixel, 300 * perPixel, 200 * perPixel);
    }

    static frmTessary& display() { return frmTessary::instance(); }

    // The dialog as it opens for the display window: its start values shown in pixels.
    frmSetPos& open()
    {
        frmSetPos& dlg = frmSetPos::instance();
        dlg.setPositionInfo(roundHalfEven(display().leftTw()), roundHalfEven(display().topTw()),
                            roundHalfEven(display().widthTw()), roundHalfEven(display().heightTw()));
        dlg.Form_Activate();
        return dlg;
    }

    static QStringList fields(frmSetPos& dlg)
    {
        QStringList out;
        for (int row = 0; row < 4; ++row)
            out << test::control<TextBox>(dlg, "txtPosValue", row)->text();
        return out;
    }

    double perPixel = 15;
};

} // namespace

TEST_F(PositionDialog, OpensWithTheWindowInPixels)
{
    frmSetPos& dlg = open();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("位置の指定"));
    EXPECT_EQ(fields(dlg), (QStringList{"200", "100", "300", "200"}));
    for (int row = 0; row < 4; ++row) {
        const QComboBox* c = test::control<QComboBox>(dlg, "cmbValueMethod", row);
        ASSERT_EQ(c->count(), 3);
        EXPECT_EQ(c->itemText(0), QStringLiteral("Pixel"));
        EXPECT_EQ(c->itemText(1), QStringLiteral("%"));
        EXPECT_EQ(c->itemText(2), QStringLiteral("Twip"));
        EXPECT_EQ(c->currentIndex(), 0);
    }
    // Coming back to the dialog later keeps what was typed.
    test::control<TextBox>(dlg, "txtPosValue", 0)->setText(QStringLiteral("7"));
    dlg.Form_Activate();
    EXPECT_EQ(test::control<TextBox>(dlg, "txtPosValue", 0)->text(), QStringLiteral("7"));
}

TEST_F(PositionDialog, ChangingTheUnitShowsTheStartValueInIt)
{
    frmSetPos& dlg = open();
    test::control<TextBox>(dlg, "txtPosValue", 0)->setText(QStringLiteral("999"));
    test::control<QComboBox>(dlg, "cmbValueMethod", 0)->setCurrentIndex(2);
    EXPECT_EQ(test::control<TextBox>(dlg, "txtPosValue", 0)->text(), QString::number(roundHalfEven(200 * perPixel)));
    test::control<QComboBox>(dlg, "cmbValueMethod", 0)->setCurrentIndex(1);
    EXPECT_EQ(test::control<TextBox>(dlg, "txtPosValue", 0)->text(),
              QString::number(roundHalfEven(200 * perPixel / Twips::screenWidth() * 100)));
    test::control<QComboBox>(dlg, "cmbValueMethod", 3)->setCurrentIndex(1);
    EXPECT_EQ(test::control<TextBox>(dlg, "txtPosValue", 3)->text(),
              QString::number(roundHalfEven(200 * perPixel / Twips::screenHeight() * 100)));

    // "やり直し": every unit back to Pixel, every field to its start value.
    test::control<TextBox>(dlg, "txtPosValue", 2)->setText(QStringLiteral("1"));
    test::control<QPushButton>(dlg, "btnReset")->click();
    EXPECT_EQ(fields(dlg), (QStringList{"200", "100", "300", "200"}));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(test::control<QComboBox>(dlg, "cmbValueMethod", row)->currentIndex(), 0);
}

TEST_F(PositionDialog, OkMovesTheWindowByTheTypedValues)
{
    struct Row {
        const char* name;
        QStringList texts;
        int widthUnit;
        QRect expectedPx;   // left, top, width, height in pixels
    };
    const int screenPx = Twips::toPixelsX(Twips::screenWidth());
    const std::vector<Row> rows = {
        {"pixels", {"10", "20", "120", "80"}, 0, QRect(10, 20, 120, 80)},
        {"12.5 is 12 and letters are 0", {"12.5", "abc", " 64px", "80"}, 0, QRect(12, 0, 64, 80)},
        {"50 % of the width is half the screen", {"0", "0", "50", "80"}, 1, QRect(0, 0, screenPx / 2, 80)},
        {"twips", {"0", "0", "1500", "80"}, 2, QRect(0, 0, Twips::toPixelsX(1500), 80)},
        {"a width below one pixel is one pixel", {"5", "5", "0", "-20"}, 0, QRect(5, 5, 1, 1)},
        {"no wider than the desktop", {"5", "5", "99999999999", "80"}, 0, QRect(5, 5, screenPx, 80)},
    };
    for (const Row& r : rows) {
        frmSetPos& dlg = open();
        test::control<QComboBox>(dlg, "cmbValueMethod", 2)->setCurrentIndex(r.widthUnit);
        for (int i = 0; i < 4; ++i)
            test::control<TextBox>(dlg, "txtPosValue", i)->setText(r.texts[i]);
        test::control<QPushButton>(dlg, "btnOK")->click();
        EXPECT_FALSE(frmSetPos::isInstanceLoaded()) << r.name;
        EXPECT_EQ(display().frameGeometry(), r.expectedPx) << r.name;
    }
}

TEST_F(PositionDialog, OkReturnsAMaximisedWindowToNormal)
{
    display().setPosFullScreen();
    frmSetPos& dlg = open();
    for (int i = 0; i < 4; ++i)
        test::control<TextBox>(dlg, "txtPosValue", i)->setText(QStringLiteral("30"));
    dlg.btnOK_Click();
    EXPECT_EQ(display().formState(), Form::Normal);
    EXPECT_EQ(display().frameGeometry(), QRect(30, 30, 30, 30));
}

TEST_F(PositionDialog, CancelAndEscapeChangeNothing)
{
    const QRect before = display().frameGeometry();
    frmSetPos& dlg = open();
    test::control<TextBox>(dlg, "txtPosValue", 0)->setText(QStringLiteral("1"));
    test::control<QPushButton>(dlg, "btnCancel")->click();
    EXPECT_FALSE(frmSetPos::isInstanceLoaded());
    frmSetPos& again = open();
    test::control<TextBox>(again, "txtPosValue", 0)->setText(QStringLiteral("1"));
    QTest::keyClick(test::control<TextBox>(again, "txtPosValue", 0), Qt::Key_Escape);
    EXPECT_FALSE(frmSetPos::isInstanceLoaded());
    EXPECT_EQ(display().frameGeometry(), before);
}

TEST_F(PositionDialog, SetPosManualRunsTheDialogModal)
{
    QStringList shown;
    QTimer::singleShot(0, [&] {
        frmSetPos& dlg = frmSetPos::instance();
        shown = fields(dlg);
        test::control<TextBox>(dlg, "txtPosValue", 1)->setText(QStringLiteral("40"));
        QTest::keyClick(test::control<TextBox>(dlg, "txtPosValue", 1), Qt::Key_Return);   // Enter presses OK
    });
    display().setPosManual();
    EXPECT_EQ(shown, (QStringList{"200", "100", "300", "200"}));
    EXPECT_EQ(display().frameGeometry(), QRect(200, 40, 300, 200));
}

TEST(SetMostTopForm, KeepsTheWindowWhereItIs)
{
    QWidget w;
    w.setGeometry(120, 80, 200, 100);
    SetMostTopForm top;
    EXPECT_NE(top.SetFormTop(&w, true), 0);   // a hidden window is shown
    EXPECT_TRUE(w.isVisible());
    EXPECT_NE(top.SetFormTop(&w, true), 0);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.geometry(), QRect(120, 80, 200, 100));
    EXPECT_NE(top.SetFormTop(&w, false), 0);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.geometry(), QRect(120, 80, 200, 100));
    EXPECT_EQ(top.SetFormTop(nullptr, true), 0);
}

TEST(SetMostTopForm, KeepsAMaximisedWindowMaximised)
{
    QWidget w;
    w.setGeometry(120, 80, 200, 100);
    w.showMaximized();
    SetMostTopForm().SetFormTop(&w, true);
    EXPECT_TRUE(w.isMaximized());
    EXPECT_TRUE(w.isVisible());
    w.showNormal();
    EXPECT_EQ(w.geometry(), QRect(120, 80, 200, 100));
}
