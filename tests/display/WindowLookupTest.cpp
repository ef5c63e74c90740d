// SPDX-License-Identifier: MIT
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "palette/frmPalette.h"
#include "pickers/frmColorCircle.h"
#include "pickers/frmDesktop.h"
#include "support/GuiTest.h"

#include <QTest>
#include <functional>

using namespace tessary;

namespace {

struct LookupCase {
    const char* name;
    std::function<void()> act;
};

class WindowLookup : public test::GuiTest {};

} // namespace

// A window that only asks about the main window (where it is, whether it is shown) or
// tells it something in passing must not bring up a main window of its own.
TEST_F(WindowLookup, AskingAboutTheMainWindowCreatesNone)
{
    const std::vector<LookupCase> cases{
        {"DisplayDoubleClickedToItsDefaultPlace",
         [] {
             frmTessary& t = frmTessary::instance();
             t.showModeless();
             QTest::mouseDClick(&t, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
         }},
        {"DisplayLeavesFullScreenByEscape",
         [] {
             frmTessary& t = frmTessary::instance();
             t.showModeless();
             t.setPosFullScreen();
             QTest::keyClick(&t, Qt::Key_Escape);
         }},
        {"DisplayRightClicked",
         [] {
             frmTessary& t = frmTessary::instance();
             t.showModeless();
             QTest::mousePress(&t, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
             EXPECT_FALSE(frmDesktop::isInstanceLoaded());
         }},
        {"ColourCircleClosed", [] { frmColorCircle::instance().unload(); }},
        {"PaletteOpenedAndClosed", [] { frmPalette::instance().unload(); }},
    };
    for (const LookupCase& c : cases) {
        TearDown();
        SetUp();
        c.act();
        EXPECT_FALSE(frmMain::isInstanceLoaded()) << c.name;
    }
}
