// SPDX-License-Identifier: MIT
#include "platform/DefaultInstance.h"
#include "platform/Form.h"
#include "platform/OptionButton.h"
#include "platform/QtFileDialogs.h"
#include "platform/Slider.h"
#include "platform/Twips.h"
#include "support/GuiTest.h"

#include <QSignalSpy>
#include <QTimer>

using namespace tessary;

namespace {
class frmProbe : public Form, public DefaultInstance<frmProbe> {
public:
    int loads = 0;
    int unloads = 0;
    bool refuseUnload = false;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload(int& cancel) override
    {
        ++unloads;
        if (refuseUnload)
            cancel = 1;
    }
};
} // namespace

class ControlsTest : public test::GuiTest {};

TEST_F(ControlsTest, SliderSetFromCodeRaisesChangeExactlyOnce)
{
    Slider s;
    s.setMaximum(255);
    QSignalSpy change(&s, &Slider::Change);
    QSignalSpy scroll(&s, &Slider::Scroll);
    s.setPosition(10);
    EXPECT_EQ(change.count(), 1);
    s.setPosition(10);   // unchanged position still notifies once
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(scroll.count(), 0);
    s.setValue(20);   // a change that is not from setPosition, e.g. the keyboard
    EXPECT_EQ(change.count(), 3);
}

TEST_F(ControlsTest, OptionButtonSwitchedOnFromCodeClicks)
{
    OptionButton a;
    QSignalSpy click(&a, &OptionButton::Click);
    a.switchOn();
    a.switchOn();
    EXPECT_EQ(click.count(), 2);
    EXPECT_TRUE(a.isChecked());
}

TEST_F(ControlsTest, DefaultInstanceLoadsOnFirstUseAndAgainAfterUnload)
{
    EXPECT_FALSE(frmProbe::isInstanceLoaded());
    frmProbe& a = frmProbe::instance();
    EXPECT_EQ(a.loads, 1);
    EXPECT_EQ(&frmProbe::instance(), &a);
    a.unload();
    EXPECT_FALSE(frmProbe::isInstanceLoaded());
    frmProbe& b = frmProbe::instance();
    EXPECT_EQ(b.loads, 1);
    EXPECT_TRUE(frmProbe::isInstanceLoaded());
}

TEST_F(ControlsTest, UnloadCanBeCancelled)
{
    frmProbe& a = frmProbe::instance();
    a.refuseUnload = true;
    a.unload();
    EXPECT_TRUE(frmProbe::isInstanceLoaded());
    a.refuseUnload = false;
}

TEST_F(ControlsTest, ModalShowReturnsOnlyAfterUnload)
{
    frmProbe& f = frmProbe::instance();
    bool unloadedBeforeReturn = false;
    QTimer::singleShot(0, &f, [&f, &unloadedBeforeReturn] {
        unloadedBeforeReturn = true;
        f.unload();
    });
    f.showModal();
    EXPECT_TRUE(unloadedBeforeReturn);
    EXPECT_FALSE(frmProbe::isInstanceLoaded());
}

TEST_F(ControlsTest, TwipsFollowTheLogicalDpi)
{
    EXPECT_DOUBLE_EQ(Twips::perPixelX(), 15.0);
    EXPECT_EQ(Twips::toPixelsX(4875), 325);
    EXPECT_EQ(Twips::toPixelsY(1590), 106);
}

TEST(QtFileDialogs, FiltersBecomeQtFiltersWithoutRepeatingTheirPatterns)
{
    struct Row {
        const char* in;
        const char* out;
    };
    const Row rows[] = {
        {"Tessary色定義ファイル (*.tcf)|*.tcf", "Tessary色定義ファイル (*.tcf)"},
        {"画像(*.gif;*.bmp)|*.gif;*.bmp|GIF(*.gif)|*.gif", "画像 (*.gif *.bmp);;GIF (*.gif)"},
        {"All|*", "All (*)"},
        {"", ""},
        {"dangling description", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(QtFileDialogs::toQtFilter(QString::fromUtf8(r.in)), QString::fromUtf8(r.out)) << r.in;
}
