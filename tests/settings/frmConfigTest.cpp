// SPDX-License-Identifier: MIT
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/TextBox.h"
#include "settings/TessaryConfig.h"
#include "settings/frmConfig.h"
#include "support/GuiTest.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace tessary {
namespace {

class frmConfigTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        frmMain::instance();   // loads the settings and shows the display window
    }
    static TessaryConfig& config() { return frmMain::instance().configManager(); }
    // The dialog as the menu opens it, but not modal, so the test can go on driving it.
    static frmConfig& open()
    {
        frmConfig& dlg = frmConfig::instance();
        dlg.showModeless();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        return dlg;
    }
    static void type(TextBox* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    struct Snapshot {
        QString prefix;
        std::int16_t restoreWindow, restoreColor;
        std::int32_t lineWidth, latticeDivide, divide, outside;
        bool operator==(const Snapshot&) const = default;
    };
    static Snapshot snapshot()
    {
        const TessaryConfig& c = config();
        return {c.prefix(),           c.restoreWindow(),    c.restoreColor(),      c.LatticeLineWidth(),
                c.LatticeDivideNum(), c.DivideDivideNum(), c.SonSOutSideWidth()};
    }
};

TEST_F(frmConfigTest, OpensCentredWithTheSettings)
{
    config().setRestoreWindow(1);
    config().setLatticeDivideNum(7);
    frmConfig& dlg = open();
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize()) << "fixed size";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(dlg.geometry().center().x() - screen.center().x()), 2) << "centred";

    EXPECT_TRUE(test::control<QCheckBox>(dlg, "chkPrefix")->isChecked());
    EXPECT_TRUE(test::control<QCheckBox>(dlg, "chkRestoreWindow")->isChecked());
    EXPECT_TRUE(test::control<QCheckBox>(dlg, "chkRestoreColor")->isChecked());
    EXPECT_EQ(test::control<TextBox>(dlg, "txtLDivideNum")->text(), QStringLiteral("7"));
    EXPECT_EQ(test::control<TextBox>(dlg, "txtLLineWidth")->text(), QStringLiteral("2"));
    EXPECT_EQ(test::control<TextBox>(dlg, "txtDDivideNum")->text(), QStringLiteral("6"));
    EXPECT_EQ(test::control<TextBox>(dlg, "txtOutsideWidth")->text(), QStringLiteral("30"));
    EXPECT_EQ(test::control<QScrollBar>(dlg, "hsOutSideWidth")->value(), 30);
    EXPECT_FALSE(test::control<QPushButton>(dlg, "btnApply")->isEnabled());

    EXPECT_TRUE(test::control<QFrame>(dlg, "configFrame", 0)->isVisible());
    EXPECT_FALSE(test::control<QFrame>(dlg, "configFrame", 1)->isVisible());
    test::control<QTabBar>(dlg, "tabConfig")->setCurrentIndex(1);
    EXPECT_FALSE(test::control<QFrame>(dlg, "configFrame", 0)->isVisible());
    EXPECT_TRUE(test::control<QFrame>(dlg, "configFrame", 1)->isVisible());
    EXPECT_FALSE(test::control<QPushButton>(dlg, "btnApply")->isEnabled()) << "changing pages changes no setting";
}

TEST_F(frmConfigTest, CancelAndUntouchedOkChangeNothing)
{
    config().setSonSOutSideWidth(70);   // only a hand-edited file holds this
    const Snapshot before = snapshot();
    for (const bool ok : {false, true}) {
        frmConfig& dlg = open();
        EXPECT_EQ(test::control<QScrollBar>(dlg, "hsOutSideWidth")->value(), 49);
        EXPECT_EQ(test::control<TextBox>(dlg, "txtOutsideWidth")->text(), QStringLiteral("70"));
        EXPECT_FALSE(test::control<QPushButton>(dlg, "btnApply")->isEnabled());
        QTest::mouseClick(test::control<QPushButton>(dlg, ok ? "btnOK" : "btnCancel"), Qt::LeftButton);
        EXPECT_FALSE(frmConfig::isInstanceLoaded());
        EXPECT_EQ(snapshot(), before) << (ok ? "OK" : "cancel");
    }
}

TEST_F(frmConfigTest, AnyChangeEnablesApplyAndApplyDisablesIt)
{
    const std::function<void(frmConfig&)> changes[] = {
        [](frmConfig& d) { QTest::mouseClick(test::control<QCheckBox>(d, "chkPrefix"), Qt::LeftButton); },
        [](frmConfig& d) { QTest::mouseClick(test::control<QCheckBox>(d, "chkRestoreColor"), Qt::LeftButton); },
        [](frmConfig& d) { QTest::mouseClick(test::control<QCheckBox>(d, "chkRestoreWindow"), Qt::LeftButton); },
        [](frmConfig& d) { type(test::control<TextBox>(d, "txtLDivideNum"), "3"); },
        [](frmConfig& d) { type(test::control<TextBox>(d, "txtLLineWidth"), "3"); },
        [](frmConfig& d) { type(test::control<TextBox>(d, "txtDDivideNum"), "3"); },
        [](frmConfig& d) { type(test::control<TextBox>(d, "txtOutsideWidth"), "3"); },
        [](frmConfig& d) { test::control<QScrollBar>(d, "hsOutSideWidth")->setValue(5); },
    };
    frmConfig& dlg = open();
    test::control<QTabBar>(dlg, "tabConfig")->setCurrentIndex(1);
    for (size_t i = 0; i < std::size(changes); ++i) {
        test::control<QTabBar>(dlg, "tabConfig")->setCurrentIndex(i < 3 ? 0 : 1);
        EXPECT_FALSE(test::control<QPushButton>(dlg, "btnApply")->isEnabled()) << i;
        changes[i](dlg);
        EXPECT_TRUE(test::control<QPushButton>(dlg, "btnApply")->isEnabled()) << i;
        QTest::mouseClick(test::control<QPushButton>(dlg, "btnApply"), Qt::LeftButton);
        EXPECT_TRUE(frmConfig::isInstanceLoaded()) << "apply keeps the dialog open";
    }
}

TEST_F(frmConfigTest, ScrollBarAndFieldKeepInStep)
{
    config().setSonSOutSideWidth(1);
    frmConfig& dlg = open();
    EXPECT_EQ(test::control<QScrollBar>(dlg, "hsOutSideWidth")->value(), 1);
    EXPECT_EQ(test::control<TextBox>(dlg, "txtOutsideWidth")->text(), QStringLiteral("1"));
    test::control<QTabBar>(dlg, "tabConfig")->setCurrentIndex(1);

    test::control<QScrollBar>(dlg, "hsOutSideWidth")->setValue(20);
    EXPECT_EQ(test::control<TextBox>(dlg, "txtOutsideWidth")->text(), QStringLiteral("20"));
    QTest::keyClick(test::control<QScrollBar>(dlg, "hsOutSideWidth"), Qt::Key_Right);
    EXPECT_EQ(test::control<TextBox>(dlg, "txtOutsideWidth")->text(), QStringLiteral("21"));

    // What the field says, and where the scroll bar then stands.
    const std::pair<const char*, int> typed[] = {
        {"35", 35}, {"", 35}, {"0", 35}, {"70", 35}, {"abc", 35}, {"-3", 35}, {"49", 49}, {" 7.5", 8}, {"1", 1},
    };
    for (const auto& [text, position] : typed) {
        test::control<TextBox>(dlg, "txtOutsideWidth")->setText(QString::fromLatin1(text));
        EXPECT_EQ(test::control<QScrollBar>(dlg, "hsOutSideWidth")->value(), position) << text;
        EXPECT_EQ(test::control<TextBox>(dlg, "txtOutsideWidth")->text(), QString::fromLatin1(text))
            << "the field keeps what was typed";
    }
    type(test::control<TextBox>(dlg, "txtOutsideWidth"), "12");
    dlg.btnOK_Click();
    EXPECT_EQ(config().SonSOutSideWidth(), 12);
}

TEST_F(frmConfigTest, ApplyTakesNumbersFromTheFields)
{
    frmConfig& dlg = open();
    test::control<QTabBar>(dlg, "tabConfig")->setCurrentIndex(1);
    type(test::control<TextBox>(dlg, "txtDDivideNum"), "0");
    type(test::control<TextBox>(dlg, "txtLDivideNum"), "-3");
    type(test::control<TextBox>(dlg, "txtLLineWidth"), " 4.5 px");
    test::control<QScrollBar>(dlg, "hsOutSideWidth")->setValue(44);
    QTest::mouseClick(test::control<QPushButton>(dlg, "btnApply"), Qt::LeftButton);
    EXPECT_EQ(config().DivideDivideNum(), 1);
    EXPECT_EQ(config().LatticeDivideNum(), 1);
    EXPECT_EQ(config().LatticeLineWidth(), 4);
    EXPECT_EQ(config().SonSOutSideWidth(), 44);
    EXPECT_FALSE(test::control<QPushButton>(dlg, "btnApply")->isEnabled());
}

TEST_F(frmConfigTest, PrefixShowsAtOnceAndCancelKeepsWhatWasApplied)
{
    frmMain& main = frmMain::instance();
    ASSERT_TRUE(test::control<TextBox>(main, "txtColorCode")->text().startsWith(u'#'));
    frmConfig& dlg = open();
    QTest::mouseClick(test::control<QCheckBox>(dlg, "chkPrefix"), Qt::LeftButton);
    QTest::mouseClick(test::control<QCheckBox>(dlg, "chkRestoreColor"), Qt::LeftButton);
    QTest::mouseClick(test::control<QPushButton>(dlg, "btnApply"), Qt::LeftButton);
    EXPECT_EQ(test::control<TextBox>(main, "txtColorCode")->text(), QStringLiteral("000000"));
    EXPECT_EQ(config().prefix(), QString());
    QTest::mouseClick(test::control<QCheckBox>(dlg, "chkRestoreWindow"), Qt::LeftButton);
    QTest::mouseClick(test::control<QPushButton>(dlg, "btnCancel"), Qt::LeftButton);
    EXPECT_EQ(config().prefix(), QString());
    EXPECT_EQ(config().restoreColor(), 0);
    EXPECT_EQ(config().restoreWindow(), 0) << "not applied before cancel";

    frmConfig& again = open();
    EXPECT_FALSE(test::control<QCheckBox>(again, "chkPrefix")->isChecked());
    EXPECT_FALSE(test::control<QCheckBox>(again, "chkRestoreColor")->isChecked());
    QTest::mouseClick(test::control<QCheckBox>(again, "chkPrefix"), Qt::LeftButton);
    QTest::mouseClick(test::control<QPushButton>(again, "btnOK"), Qt::LeftButton);
    EXPECT_EQ(test::control<TextBox>(main, "txtColorCode")->text(), QStringLiteral("#000000"));
}

TEST_F(frmConfigTest, ApplyRepaintsTheDisplayWindow)
{
    frmTessary& display = frmTessary::instance();
    display.setSelectObject(4);
    frmMain::instance().setColor(0xFFFFFF);
    config().setLatticeLineWidth(1);
    config().setTessaryStyle(4);
    const auto white = [&] {
        const QImage img = display.surface().image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x)
                n += (img.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
        }
        return n;
    };
    const int thin = white();
    ASSERT_GT(thin, 0);
    frmConfig& dlg = open();
    test::control<QTabBar>(dlg, "tabConfig")->setCurrentIndex(1);
    type(test::control<TextBox>(dlg, "txtLLineWidth"), "6");
    QTest::mouseClick(test::control<QPushButton>(dlg, "btnApply"), Qt::LeftButton);
    EXPECT_GT(white(), 3 * thin);
}

TEST_F(frmConfigTest, KeysAndModalUse)
{
    // Escape cancels.
    frmConfig* dlg = &open();
    test::control<QTabBar>(*dlg, "tabConfig")->setCurrentIndex(1);
    type(test::control<TextBox>(*dlg, "txtDDivideNum"), "9");
    QTest::keyClick(test::control<TextBox>(*dlg, "txtDDivideNum"), Qt::Key_Escape);
    EXPECT_FALSE(frmConfig::isInstanceLoaded());
    EXPECT_EQ(config().DivideDivideNum(), 6);

    // Enter in a field does nothing; opened modally as the menu does, the call returns once
    // Escape has closed it.
    QTimer::singleShot(0, [] {
        frmConfig& d = frmConfig::instance();
        test::control<QTabBar>(d, "tabConfig")->setCurrentIndex(1);
        type(test::control<TextBox>(d, "txtDDivideNum"), "9");
        QTest::keyClick(test::control<TextBox>(d, "txtDDivideNum"), Qt::Key_Return);
        EXPECT_TRUE(frmConfig::isInstanceLoaded());
        EXPECT_EQ(config().DivideDivideNum(), 6);
        QTest::keyClick(test::control<TextBox>(d, "txtDDivideNum"), Qt::Key_Escape);
    });
    frmConfig::instance().showModal();
    EXPECT_FALSE(frmConfig::isInstanceLoaded());
    EXPECT_EQ(config().DivideDivideNum(), 6);
}

} // namespace
} // namespace tessary
