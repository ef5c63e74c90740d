// SPDX-License-Identifier: MIT
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/ColorValue.h"
#include "platform/OptionButton.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/TessaryConfig.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QStringList>
#include <QTabBar>
#include <functional>

using namespace tessary;

namespace {

constexpr std::int32_t rgb(int r, int g, int b) { return ColorValue::pack(r, g, b); }

// Every announcement in the order it came, e.g. "color 3", "scheme".
class Recorder : public QObject {
public:
    QStringList seen;

    Recorder()
    {
        Scheme& n = Scheme::instance();
        auto indexed = [this](const char* what) {
            return [this, what](int i) { seen << QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(i); };
        };
        auto plain = [this](const char* what) { return [this, what] { seen << QLatin1String(what); }; };
        connect(&n, &Scheme::colorChanged, this, indexed("color"));
        connect(&n, &Scheme::selectedObjectChanged, this, indexed("selected"));
        connect(&n, &Scheme::sampleTextChanged, this, indexed("text"));
        connect(&n, &Scheme::labelFontChanged, this, indexed("font"));
        connect(&n, &Scheme::styleChanged, this, plain("style"));
        connect(&n, &Scheme::pictureChanged, this, plain("picture"));
        connect(&n, &Scheme::schemeChanged, this, plain("scheme"));
    }
};

StdFont fontNamed(const char* name)
{
    StdFont f;
    f.name = QString::fromUtf8(name);
    f.size = 20;
    return f;
}

} // namespace

class SchemeActionsTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        test::GuiTest::SetUp();
        frmMain::instance();
        // A scheme in which every tool changes every object; object 3 is edited.
        const std::array<std::int32_t, 5> start{rgb(255, 0, 0), rgb(0, 0, 255), rgb(30, 200, 90),
                                                rgb(200, 100, 50), rgb(9, 9, 200)};
        for (int i = 0; i < 5; ++i) {
            display().setSelectObject(static_cast<std::int16_t>(i));
            display().setColor(start[static_cast<std::size_t>(i)]);
        }
        test::control<OptionButton>(main(), "optSelectObject", 3)->switchOn();
    }

    frmMain& main() { return frmMain::instance(); }
    frmTessary& display() { return frmTessary::instance(); }
};

struct ActionCase {
    const char* name;
    std::function<void(frmMain&, test::FakeServices&)> prepare;
    std::function<void(frmMain&, test::FakeServices&)> act;
    QStringList expected;
};

TEST_F(SchemeActionsTest, OneUserActionIsAnnouncedOnceForEachKindOfChange)
{
    auto none = [](frmMain&, test::FakeServices&) {};
    auto hslPage = [](frmMain& m, test::FakeServices&) {
        test::control<QTabBar>(m, "tabSelectColorModel")->setCurrentIndex(1);
    };
    const QString picture = dataPath(QStringLiteral("display/tile16x8.gif"));
    auto pictureShown = [picture](frmMain& m, test::FakeServices& f) {
        f.fileDialogs->answers = {picture};
        test::action(m, "mnuBGLoad")->trigger();
    };
    const std::vector<ActionCase> cases{
        {"RgbSliderStep", none, [](frmMain& m, auto&) { test::control<Slider>(m, "RGBSlider", 1)->setValue(101); },
         {"color 3", "scheme"}},
        {"HslSliderStep", hslPage, [](frmMain& m, auto&) { test::control<Slider>(m, "HSLSlider", 0)->setValue(200); },
         {"color 3", "scheme"}},
        {"TypedCodeSetsThreeChannels", none,
         [](frmMain& m, auto&) {
             TextBox* code = test::control<TextBox>(m, "txtColorCode");
             code->setText(Workspace::instance().codePrefix() + QStringLiteral("123456"));
             emit code->KeyUp(0, 0);
         },
         {"color 3", "scheme"}},
        {"ColourSetFromAnotherWindow", none, [](frmMain& m, auto&) { m.setColor(rgb(1, 2, 3)); },
         {"color 3", "scheme"}},
        {"ColourTakenOnTheHslPageIsAnnouncedOnceAsStored", hslPage,
         [](frmMain&, auto&) { Workspace::instance().takeColor(rgb(1, 2, 3)); }, {"color 3", "scheme"}},
        {"SameColourAgainIsNoChange", none, [](frmMain& m, auto&) { m.setColor(rgb(200, 100, 50)); }, {}},
        {"SelectAnObject", none,
         [](frmMain& m, auto&) { test::control<OptionButton>(m, "optSelectObject", 1)->switchOn(); },
         {"selected 1", "scheme"}},
        {"TypeASampleText", none,
         [](frmMain& m, auto&) { test::control<TextBox>(m, "txtSampleString", 2)->setText(QStringLiteral("abc")); },
         {"text 2", "scheme"}},
        {"ChooseOneLabelFont", none,
         [](frmMain& m, test::FakeServices& f) {
             f.fileDialogs->fontAnswers = {fontNamed("IPAGothic")};
             test::action(m, "mnuFontMiddle")->trigger();
         },
         {"font 1", "scheme"}},
        {"CancelTheFontDialog", none, [](frmMain& m, auto&) { test::action(m, "mnuFontMiddle")->trigger(); }, {}},
        {"ChooseEveryLabelFont", none,
         [](frmMain& m, test::FakeServices& f) {
             f.fileDialogs->fontAnswers = {fontNamed("IPAGothic")};
             test::action(m, "mnuFontAll")->trigger();
         },
         {"font 0", "font 1", "font 2", "scheme"}},
        {"ChooseAStyle", none, [](frmMain& m, auto&) { test::action(m, "mnuLattice")->trigger(); }, {"style", "scheme"}},
        {"ChangeAStyleParameter", none, [](frmMain& m, auto&) { m.configManager().setLatticeDivideNum(9); },
         {"style", "scheme"}},
        {"LoadAPictureSelectsObject0", none,
         [picture](frmMain& m, test::FakeServices& f) {
             f.fileDialogs->answers = {picture};
             test::action(m, "mnuBGLoad")->trigger();
         },
         {"selected 0", "picture", "scheme"}},
        {"HideThePicture", pictureShown, [](frmMain& m, auto&) { test::action(m, "mnuBGView")->trigger(); },
         {"picture", "scheme"}},
        {"ToolOnAllObjectsKeepsTheSelection", none,
         [](frmMain& m, auto&) { test::action(m, "mnuComplementaryColorAll")->trigger(); },
         {"color 0", "color 1", "color 2", "color 3", "color 4", "scheme"}},
        {"ToolOnTheSelectedObject", none,
         [](frmMain& m, auto&) { test::action(m, "mnuComplementaryColorSingle")->trigger(); },
         {"color 3", "scheme"}},
        {"SaveTheSettingsLeavesObject4Selected", none, [](frmMain& m, auto&) { m.configManager().saveConfig(); },
         {"selected 4", "scheme"}},
    };
    for (const ActionCase& c : cases) {
        TearDown();
        SetUp();
        c.prepare(main(), fakes);
        Recorder recorder;
        c.act(main(), fakes);
        EXPECT_EQ(recorder.seen.join(QStringLiteral(", ")).toStdString(),
                  c.expected.join(QStringLiteral(", ")).toStdString())
            << c.name;
    }
}

TEST_F(SchemeActionsTest, StateIsReadWithoutAnyWindowAndFollowsTheDisplayWindow)
{
    main().setSampleText(0, QStringLiteral("Sample"));
    test::control<Slider>(main(), "RGBSlider", 0)->setValue(7);
    SchemeState s = Scheme::instance().state();
    DisplayState shown = frmTessary::shown();
    EXPECT_TRUE(shown.loaded);
    EXPECT_EQ(s.colors, (std::array<std::int32_t, 5>{rgb(255, 0, 0), rgb(0, 0, 255), rgb(30, 200, 90),
                                                     rgb(7, 100, 50), rgb(9, 9, 200)}));
    EXPECT_EQ(s.selectedObject, 3);
    EXPECT_EQ(s.labels[0].text, QStringLiteral("Sample"));
    EXPECT_FALSE(shown.labels[0].box.isEmpty());
    EXPECT_TRUE(QRect(QPoint(0, 0), shown.clientSize).contains(shown.labels[0].box));
    EXPECT_FALSE(shown.labels[0].family.isEmpty());

    Recorder recorder;
    frmTessary::unloadInstance();
    EXPECT_EQ(recorder.seen, QStringList{QStringLiteral("scheme")});
    s = Scheme::instance().state();
    EXPECT_FALSE(frmTessary::shown().loaded);
    EXPECT_EQ(s.colors, (std::array<std::int32_t, 5>{}));
    EXPECT_EQ(frmTessary::loadedInstance(), nullptr);
}
