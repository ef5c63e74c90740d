// SPDX-License-Identifier: MIT
#include "contrast/ContrastSuggestion.h"
#include "contrast/LabelBackdrop.h"
#include "contrast/frmContrast.h"
#include "cvd/VisionMode.h"
#include "cvd/VisionSimulator.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/AppInfo.h"
#include "platform/ColorValue.h"
#include "platform/Slider.h"
#include "scheme/Scheme.h"
#include "settings/TessaryConfig.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QComboBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tessary;

namespace {

constexpr std::int32_t rgb(int r, int g, int b) { return ColorValue::pack(r, g, b); }

class frmContrastTest : public test::GuiTest {
protected:
    static frmMain& main() { return frmMain::instance(); }
    static frmTessary& display() { return frmTessary::instance(); }
    static void setColours(const std::array<std::int32_t, 5>& colours)
    {
        // The main window loads the settings first, which would set the colours again.
        main();
        for (int i = 0; i < 5; ++i) {
            display().setSelectObject(std::int16_t(i));
            main().setColor(colours[size_t(i)]);
        }
    }
    // The window follows a change once the event loop is free again, as after a paint.
    static void followed() { QCoreApplication::processEvents(); }
    static std::int32_t colourOf(int object) { return Scheme::instance().state().colors[size_t(object)]; }
    static frmContrast& open()
    {
        test::action(main(), "mnuContrast")->trigger();
        return *frmContrast::loadedInstance();
    }
    template <class T>
    static T* child(const char* name)
    {
        return frmContrast::loadedInstance()->findChild<T*>(QString::fromLatin1(name));
    }
    static QByteArray iniBytes()
    {
        QFile f(AppInfo::exeName() + QStringLiteral(".ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void quit()
    {
        frmMain::unloadInstance();
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(frmContrastTest, MenuItemOpensAndClosesTheWindowAndKeepsItsMark)
{
    main();
    const struct {
        const char* name;
        std::function<void()> close;
    } closers[] = {
        {"MenuItemAgain", [] { test::action(main(), "mnuContrast")->trigger(); }},
        {"CloseButton", [] { frmContrast::loadedInstance()->close(); }},
    };
    for (const auto& c : closers) {
        frmContrast& w = open();
        EXPECT_TRUE(test::action(main(), "mnuContrast")->isChecked()) << c.name;
        EXPECT_TRUE(w.isVisible()) << c.name;
        EXPECT_EQ(w.windowTitle(), QStringLiteral("コントラスト"));
        c.close();
        EXPECT_FALSE(frmContrast::isInstanceLoaded()) << c.name;
        EXPECT_FALSE(test::action(main(), "mnuContrast")->isChecked()) << c.name;
    }
}

TEST_F(frmContrastTest, TableFollowsEverySliderStep)
{
    setColours({rgb(0, 0, 0), rgb(90, 90, 90), rgb(250, 250, 250), rgb(255, 255, 255), rgb(0, 0, 128)});
    frmContrast& w = open();
    main().selectObject(0);
    for (const int red : {0, 1, 100, 119, 255}) {
        test::control<Slider>(main(), "RGBSlider", 0)->setValue(red);
        followed();
        const std::int32_t text = colourOf(0);
        ASSERT_EQ(ColorValue::red(text), red);
        for (int j = 0; j < 2; ++j) {
            const double ratio = Wcag::contrast(text, colourOf(3 + j));
            EXPECT_DOUBLE_EQ(w.table().cell(0, j).ratio, ratio) << red;
            const auto* cell = child<QLabel>(j == 0 ? "lblCell0_0" : "lblCell0_1");
            EXPECT_EQ(cell->accessibleName(), w.table().cell(0, j).accessibleName) << red;
            EXPECT_TRUE(cell->text().startsWith(w.table().cell(0, j).ratioText)) << red;
        }
    }
    // The other rows did not move.
    EXPECT_DOUBLE_EQ(w.table().cell(2, 1).ratio, Wcag::contrast(rgb(250, 250, 250), rgb(0, 0, 128)));
}

TEST_F(frmContrastTest, LargeTextRuleAndTargetAreChosenInTheWindow)
{
    main();
    StdFont font = *display().getLabelFont(0);
    font.size = 18;
    font.bold = false;
    display().setLabelFont(0, copyFont(font));
    // 3.5:1 earns AA only as large text.
    setColours({rgb(128, 128, 128), 0, 0, rgb(255, 255, 255), rgb(255, 255, 255)});
    frmContrast& w = open();
    const struct {
        int rule;
        int target;
        bool large;
        double targetRatio;
    } cases[] = {{0, 0, false, 4.5}, {1, 0, true, 3.0}, {1, 1, true, 4.5}, {0, 1, false, 7.0}};
    for (const auto& c : cases) {
        auto* rule = child<QComboBox>("cboRule");
        auto* target = child<QComboBox>("cboTarget");
        rule->setCurrentIndex(c.rule);
        emit rule->activated(c.rule);
        target->setCurrentIndex(c.target);
        emit target->activated(c.target);
        EXPECT_EQ(w.table().row(0).large, c.large) << c.rule;
        EXPECT_EQ(w.table().row(0).targetRatio, c.targetRatio) << c.rule << c.target;
        EXPECT_EQ(child<QLabel>("lblRule")->text(), w.table().ruleText());
        EXPECT_EQ(w.settings().rule.kind(), c.rule ? LargeTextRule::Kind::Wcag : LargeTextRule::Kind::Japanese);
    }
}

TEST_F(frmContrastTest, SuggestionIsAppliedAsATypedColourOrRefused)
{
    const struct {
        const char* name;
        std::array<std::int32_t, 5> colours;
        int target;
        bool proposes;
    } cases[] = {
        {"GreyOnWhiteAndYellow", {rgb(150, 150, 150), 0, 0, rgb(255, 255, 255), rgb(255, 255, 0)}, 0, true},
        // No colour reaches 7:1 against both black and white; this grey fails against each.
        {"BlackAndWhiteAtAAA", {rgb(120, 120, 120), 0, 0, rgb(0, 0, 0), rgb(255, 255, 255)}, 1, false},
    };
    for (const auto& c : cases) {
        setColours(c.colours);
        main().selectObject(3);
        frmContrast& w = open();
        auto* target = child<QComboBox>("cboTarget");
        target->setCurrentIndex(c.target);
        emit target->activated(c.target);
        child<QPushButton>("cmdSuggest0")->click();
        auto* apply = child<QPushButton>("cmdApply0");
        EXPECT_EQ(apply->isEnabled(), c.proposes) << c.name;
        EXPECT_FALSE(child<QLabel>("lblSuggestion0")->text().isEmpty()) << c.name;
        const ContrastSuggestion expected = ContrastSuggestion::find(c.colours[0], c.colours[3], c.colours[4],
                                                                     w.table().row(0).targetRatio);
        // With no colour for both, one is proposed for each background, with its swatch and
        // its code to copy, and each passes against its own background.
        for (int j = 0; j < 2; ++j) {
            auto* copy = child<QPushButton>(j == 0 ? "cmdCopy0_0" : "cmdCopy0_1");
            EXPECT_EQ(copy->isHidden(), c.proposes && j == 1) << c.name;
            if (c.proposes)
                continue;
            const QString code = child<QLabel>(j == 0 ? "lblProposalCode0_0" : "lblProposalCode0_1")->text();
            EXPECT_TRUE(child<QLabel>("lblSuggestion0")->text().contains(code)) << c.name;
            copy->click();
            const QColor proposed(fakes.clipboard->clipboard);
            EXPECT_TRUE(code.endsWith(fakes.clipboard->clipboard)) << c.name;
            EXPECT_GE(Wcag::contrast(rgb(proposed.red(), proposed.green(), proposed.blue()), c.colours[size_t(3 + j)]),
                      7.0) << c.name;
        }
        apply->click();
        followed();
        EXPECT_EQ(colourOf(0), c.proposes ? expected.proposal : c.colours[0]) << c.name;
        if (c.proposes) {
            EXPECT_TRUE(w.table().cell(0, 0).meetsTarget && w.table().cell(0, 1).meetsTarget) << c.name;
            EXPECT_EQ(Scheme::instance().state().selectedObject, 0) << c.name;
            // The proposal was used up with the colour it was made for.
            EXPECT_FALSE(apply->isEnabled()) << c.name;
        }
        test::action(main(), "mnuContrast")->trigger();
    }
}

// However often the window opens and closes, a colour change computes the table once while
// it is open and never while it is closed: a closed window lingers until its deletion but
// follows nothing.
TEST_F(frmContrastTest, OpenedAndClosedTwentyTimesFollowsEachChangeOnlyWhileOpen)
{
    setColours({rgb(0, 0, 0), rgb(90, 90, 90), rgb(250, 250, 250), rgb(255, 255, 255), rgb(0, 0, 128)});
    main().selectObject(0);
    const std::function<void()> closers[] = {[] { test::action(main(), "mnuContrast")->trigger(); },
                                             [] { frmContrast::loadedInstance()->close(); }};
    for (int n = 0; n < 20; ++n) {
        open();
        int before = frmContrast::tableComputations();
        test::control<Slider>(main(), "RGBSlider", 0)->setValue(2 * n + 1);
        followed();
        EXPECT_EQ(frmContrast::tableComputations() - before, 1) << n;
        closers[n % 2]();
        before = frmContrast::tableComputations();
        test::control<Slider>(main(), "RGBSlider", 0)->setValue(2 * n + 2);
        followed();
        EXPECT_EQ(frmContrast::tableComputations() - before, 0) << n;
    }
}

TEST_F(frmContrastTest, AtAAAACellMeetingOnlyAAReadsFailed)
{
    // 4.95:1 meets AA, not AAA, as normal text.
    setColours({rgb(0x70, 0x70, 0x70), 0, 0, rgb(255, 255, 255), rgb(255, 255, 255)});
    frmContrast& w = open();
    auto* target = child<QComboBox>("cboTarget");
    target->setCurrentIndex(1);
    emit target->activated(1);
    EXPECT_FALSE(w.table().cell(0, 0).meetsTarget);
    EXPECT_TRUE(child<QLabel>("lblCell0_0")->text().endsWith(QStringLiteral("不合格（AAは満たす）")));
    EXPECT_TRUE(child<QLabel>("lblCell0_0")->accessibleName().endsWith(QStringLiteral("不合格, AAは満たす")));
}

TEST_F(frmContrastTest, OpensBesideTheDisplayWindowAndTakesTheProgramsShortcuts)
{
    main().showModeless();
    display().showModeless();
    frmContrast& w = open();
    EXPECT_FALSE(w.frameGeometry().intersects(display().frameGeometry()));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    // Ctrl+K, the menu item's own shortcut, closes the window from inside it.
    QTest::keyClick(child<QComboBox>("cboTarget"), Qt::Key_K, Qt::ControlModifier);
    EXPECT_FALSE(frmContrast::isInstanceLoaded());
    EXPECT_FALSE(test::action(main(), "mnuContrast")->isChecked());
}

TEST_F(frmContrastTest, OverAPictureEachLabelIsMeasuredOnThePixelsUnderIt)
{
    main();
    fakes.fileDialogs->answers = {dataPath(QStringLiteral("display/tile16x8.gif"))};
    test::action(main(), "mnuBGLoad")->trigger();
    frmContrast& w = open();
    const SchemeState state = Scheme::instance().state();
    const DisplayState shown = frmTessary::shown();
    ASSERT_TRUE(state.pictureShown);
    EXPECT_FALSE(child<QLabel>("lblPicture")->isHidden());
    for (int i = 0; i < 3; ++i) {
        ASSERT_FALSE(shown.labels[size_t(i)].box.isEmpty()) << i;
        const std::vector<std::uint32_t> pixels =
            LabelBackdrop::pixelsUnder(shown.picture, shown.labels[size_t(i)].box, shown.clientSize);
        const auto measure = PictureContrast(pixels, PictureContrast::PixelOrder::Argb32).measure(state.colors[size_t(i)]);
        ASSERT_TRUE(measure) << i;
        EXPECT_TRUE(w.table().row(i).overPicture);
        EXPECT_DOUBLE_EQ(w.table().cell(i, 0).ratio, measure->lowest) << i;
        EXPECT_DOUBLE_EQ(*w.table().cell(i, 1).percentile5, measure->percentile5) << i;
    }
    test::action(main(), "mnuBGView")->trigger();
    followed();
    EXPECT_FALSE(w.table().row(0).overPicture);
    EXPECT_TRUE(child<QLabel>("lblPicture")->isHidden());
}

TEST(LabelBackdrop, TakesTheTiledPictureUnderTheBoxCutToTheClientArea)
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, 0xFF000001);
    picture.setPixel(1, 0, 0xFF000002);
    picture.setPixel(0, 1, 0xFF000003);
    picture.setPixel(1, 1, 0xFF000004);
    const struct {
        const char* name;
        QRect box;
        QSize client;
        std::vector<std::uint32_t> expected;
    } cases[] = {
        {"SecondTile", QRect(2, 2, 2, 1), QSize(10, 10), {0xFF000001, 0xFF000002}},
        {"AcrossTiles", QRect(1, 1, 2, 2), QSize(10, 10), {0xFF000004, 0xFF000003, 0xFF000002, 0xFF000001}},
        {"CutAtTheRight", QRect(8, 0, 5, 1), QSize(10, 10), {0xFF000001, 0xFF000002}},
        {"OutsideTheClient", QRect(-5, 0, 3, 3), QSize(10, 10), {}},
        {"EmptyBox", QRect(), QSize(10, 10), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelBackdrop::pixelsUnder(picture, c.box, c.client), c.expected) << c.name;
    EXPECT_TRUE(LabelBackdrop::pixelsUnder(QImage(), QRect(0, 0, 2, 2), QSize(10, 10)).empty());
}

TEST_F(frmContrastTest, VisionModeAddsATableOnTheSimulatedColours)
{
    const std::array<std::int32_t, 5> colours{rgb(200, 30, 30), rgb(30, 160, 30), rgb(0, 0, 0), rgb(30, 30, 200),
                                              rgb(230, 230, 230)};
    setColours(colours);
    frmContrast& w = open();
    auto* frame = child<QGroupBox>("fraVision");
    for (const VisionKind kind : {VisionKind::Protanopia, VisionKind::Tritanomaly}) {
        const VisionMode mode(kind, 60);
        w.setVisionMode(mode);
        EXPECT_FALSE(frame->isHidden());
        EXPECT_TRUE(frame->title().contains(mode.label()));
        const VisionSimulator sim(mode);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 2; ++j) {
                EXPECT_DOUBLE_EQ(w.visionTable().cell(i, j).ratio,
                                 Wcag::contrast(sim.simulate(colours[size_t(i)]), sim.simulate(colours[size_t(3 + j)])));
            }
        }
        EXPECT_TRUE(child<QLabel>("lblVisionCell1_0")->accessibleName().startsWith(mode.label()));
    }
    w.setVisionMode(VisionMode());
    EXPECT_TRUE(frame->isHidden());

    // The display window's mode, chosen in the menu, reaches the open window and a new one.
    test::control<QAction>(main(), "mnuVisionKind", size_t(VisionKind::Deuteranopia))->trigger();
    EXPECT_FALSE(frame->isHidden());
    frmContrast::unloadInstance();
    EXPECT_FALSE(open().findChild<QGroupBox*>("fraVision")->isHidden());
    test::control<QAction>(main(), "mnuVisionKind", 0)->trigger();
    EXPECT_TRUE(frmContrast::instance().findChild<QGroupBox*>("fraVision")->isHidden());
}

TEST_F(frmContrastTest, EveryControlHasASpokenName)
{
    test::control<Slider>(main(), "RGBSlider", 0)->setValue(10);
    frmContrast& w = open();
    w.setVisionMode(VisionMode(VisionKind::Deuteranopia));
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
        }
    }
    EXPECT_EQ(child<QLabel>("lblCell1_1")->accessibleName(), w.table().cell(1, 1).accessibleName);
    EXPECT_TRUE(child<QLabel>("lblCell1_1")->accessibleName().startsWith(QStringLiteral("文字2 / 背景2: ")));
}

TEST_F(frmContrastTest, SettingsSectionIsWrittenOnlyOnceTheWindowWasUsedAndRestoresIt)
{
    main();
    quit();
    EXPECT_FALSE(iniBytes().contains("[Contrast]")) << "a first start writes no new section";

    frmContrast& w = open();
    w.move(40, 50);
    auto* target = child<QComboBox>("cboTarget");
    target->setCurrentIndex(1);
    emit target->activated(1);
    const double left = w.leftTw();
    const double top = w.topTw();
    quit();
    const QByteArray saved = iniBytes();
    EXPECT_TRUE(saved.endsWith("[Contrast]\r\nVisible=1\r\nLeft=" + QByteArray::number(left) + "\r\nTop="
                               + QByteArray::number(top) + "\r\nTarget=AAA\r\nLargeTextRule=Japanese\r\n"))
        << saved.constData();

    main();
    frmContrast* restored = frmContrast::loadedInstance();
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(test::action(main(), "mnuContrast")->isChecked());
    EXPECT_EQ(restored->settings().target, Wcag::Level::AAA);
    EXPECT_EQ(restored->leftTw(), left);
    test::action(main(), "mnuContrast")->trigger();
    quit();
    EXPECT_TRUE(iniBytes().contains("[Contrast]\r\nVisible=0\r\n"));
}
