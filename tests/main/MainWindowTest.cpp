// SPDX-License-Identifier: MIT
#include "Version.h"
#include "color/ColorModel.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmEditSampleText.h"
#include "display/CLabel.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "palette/frmPalette.h"
#include "pickers/frmColorCircle.h"
#include "platform/AppInfo.h"
#include "platform/ColorValue.h"
#include "platform/OptionButton.h"
#include "platform/QtFileDialogs.h"
#include "platform/Services.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Workspace.h"
#include "settings/TessaryConfig.h"
#include "support/GuiTest.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>

using namespace tessary;

namespace {

using Scheme = std::array<std::int32_t, 5>;

constexpr std::int32_t rgb(int r, int g, int b) { return ColorValue::pack(r, g, b); }

// What the HSL page makes of a colour: whole-degree hue, saturation and lightness in
// steps of 1/255.
std::int32_t quantised(double hue, int saturation255, int lightness255)
{
    ColorModel m;
    m.SetHSL(hue, saturation255 / 255.0, lightness255 / 255.0);
    return m.getColor();
}

double hueOf(std::int32_t c)
{
    ColorModel m;
    m.setColor(c);
    return m.getHue();
}

// The first u with floor(u * 255) == channel.
double drawFor(int channel) { return (channel + 0.5) / 255.0; }

} // namespace

class MainWindowTest : public test::GuiTest {
protected:
    // The main window first: its start-up restores the scheme from the settings.
    void SetUp() override
    {
        test::GuiTest::SetUp();
        frmMain::instance();
    }

    frmMain& main() { return frmMain::instance(); }
    frmTessary& display() { return frmTessary::instance(); }

    std::int32_t colorOf(int index)
    {
        frmTessary& t = display();
        const std::int16_t selected = t.selectObject();
        t.setSelectObject(static_cast<std::int16_t>(index));
        const std::int32_t c = t.getColor();
        t.setSelectObject(selected);
        return c;
    }

    Scheme scheme()
    {
        Scheme s{};
        for (int i = 0; i < 5; ++i)
            s[i] = colorOf(i);
        return s;
    }

    void setScheme(const Scheme& s, int selected)
    {
        for (int i = 0; i < 5; ++i) {
            display().setSelectObject(static_cast<std::int16_t>(i));
            display().setColor(s[i]);
        }
        test::control<OptionButton>(main(), "optSelectObject", selected)->switchOn();
    }

    void showHslPage() { test::control<QTabBar>(main(), "tabSelectColorModel")->setCurrentIndex(1); }

    void showActive()
    {
        main().showModeless();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }

    QString codeText(std::int32_t c)
    {
        return Workspace::instance().codePrefix()
            + QStringLiteral("%1%2%3")
                  .arg(ColorValue::red(c), 2, 16, QLatin1Char('0'))
                  .arg(ColorValue::green(c), 2, 16, QLatin1Char('0'))
                  .arg(ColorValue::blue(c), 2, 16, QLatin1Char('0'))
                  .toUpper();
    }
};

// ---- Start-up ---------------------------------------------------------------------

TEST_F(MainWindowTest, FirstStartShowsShape1OfABlackSchemeOnTheRgbPage)
{
    frmMain& m = main();
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Tessary Ver.%1.%2").arg(kVersionMajor).arg(kVersionMinor));
    EXPECT_EQ(display().selectObject(), 3);
    EXPECT_TRUE(test::control<OptionButton>(m, "optSelectObject", 3)->isChecked());
    EXPECT_EQ(test::control<QTabBar>(m, "tabSelectColorModel")->currentIndex(), 0);
    EXPECT_FALSE(test::control<QFrame>(m, "RGBorHSLFrame", 0)->isHidden());
    EXPECT_TRUE(test::control<QFrame>(m, "RGBorHSLFrame", 1)->isHidden());
    EXPECT_EQ(scheme(), (Scheme{0, 0, 0, 0, 0}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(test::control<Slider>(m, "RGBSlider", i)->value(), 0);
        EXPECT_EQ(test::control<TextBox>(m, "txtRGB", i)->text(), QStringLiteral("0"));
        EXPECT_TRUE(test::control<TextBox>(m, "txtSampleString", i)->isHidden());
        EXPECT_EQ(test::control<OptionButton>(m, "optSelectObject", i)->text(),
                  test::control<TextBox>(m, "txtSampleString", i)->text());
    }
    EXPECT_EQ(test::control<TextBox>(m, "txtColorCode")->text(),
              Workspace::instance().codePrefix() + QStringLiteral("000000"));
    EXPECT_FALSE(test::action(m, "mnuBGView")->isEnabled());
    EXPECT_FALSE(test::action(m, "mnuBGView")->isChecked());
    EXPECT_FALSE(test::action(m, "mnuOnTop")->isChecked());
    EXPECT_FALSE(test::action(m, "mnuPalette")->isChecked());
    EXPECT_FALSE(test::action(m, "mnuColorCircle")->isChecked());
}

TEST_F(MainWindowTest, ClientAreaKeepsItsDesignSize)
{
    frmMain& m = main();
    const auto* client = m.findChild<QWidget*>(QStringLiteral("client"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(325, 106));
    EXPECT_EQ(test::control<TextBox>(m, "txtColorCode")->geometry(), QRect(132, 0, 77, 20));
    EXPECT_EQ(test::control<QGroupBox>(m, "Frame1")->geometry(), QRect(212, 4, 113, 101));
    EXPECT_EQ(test::control<Slider>(m, "RGBSlider", 2)->geometry(), QRect(44, 48, 153, 25));
    EXPECT_EQ(m.minimumSize(), m.maximumSize());
    EXPECT_TRUE(m.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(m.windowFlags() & Qt::WindowMaximizeButtonHint);
}

// ---- The colour path --------------------------------------------------------------

TEST_F(MainWindowTest, SetColorOnTheRgbPageStoresTheSelectedObjectExactly)
{
    const Scheme start{rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9), rgb(10, 11, 12), rgb(13, 14, 15)};
    for (const std::int32_t c : {rgb(255, 128, 0), rgb(200, 101, 50), rgb(0, 0, 0), rgb(255, 255, 255)}) {
        setScheme(start, 1);
        main().setColor(c);
        Scheme expected = start;
        expected[1] = c;
        EXPECT_EQ(scheme(), expected);
        EXPECT_EQ(display().selectObject(), 1);
        EXPECT_EQ(test::control<Slider>(main(), "RGBSlider", 0)->value(), ColorValue::red(c));
        EXPECT_EQ(test::control<Slider>(main(), "RGBSlider", 1)->value(), ColorValue::green(c));
        EXPECT_EQ(test::control<Slider>(main(), "RGBSlider", 2)->value(), ColorValue::blue(c));
        EXPECT_EQ(test::control<TextBox>(main(), "txtRGB", 0)->text(), QString::number(ColorValue::red(c), 16).toUpper());
        EXPECT_EQ(test::control<TextBox>(main(), "txtColorCode")->text(), codeText(c));
        EXPECT_EQ(main().getColorCode(), codeText(c).mid(Workspace::instance().codePrefix().size()));
        EXPECT_EQ(test::control<QLabel>(main(), "rgbLabel", 1)->palette().color(QPalette::Window),
                  QColor(0, ColorValue::green(c), 0));
    }
}

TEST_F(MainWindowTest, SetColorOnTheHslPageQuantisesTheStoredColour)
{
    showHslPage();
    // (200, 101, 50): hue 20.4, saturation 153/255, lightness 125/255.
    main().setColor(rgb(200, 101, 50));
    EXPECT_EQ(colorOf(3), quantised(20, 153, 125));
    EXPECT_NE(colorOf(3), rgb(200, 101, 50));
    EXPECT_EQ(test::control<Slider>(main(), "HSLSlider", 0)->value(), 20);
    EXPECT_EQ(test::control<TextBox>(main(), "txtHSL", 0)->text(), QStringLiteral("20"));
    EXPECT_EQ(test::control<TextBox>(main(), "txtHSL", 1)->text(), QStringLiteral("153"));
    EXPECT_EQ(test::control<TextBox>(main(), "txtHSL", 2)->text(), QStringLiteral("125"));
    EXPECT_EQ(test::control<TextBox>(main(), "txtColorCode")->text(), codeText(colorOf(3)));
}

TEST_F(MainWindowTest, AGreyOnTheHslPageShowsHueZeroAndStaysGrey)
{
    showHslPage();
    main().setColor(rgb(128, 128, 128));
    EXPECT_EQ(test::control<Slider>(main(), "HSLSlider", 0)->value(), 0);
    EXPECT_EQ(test::control<TextBox>(main(), "txtHSL", 0)->text(), QStringLiteral("0"));
    EXPECT_EQ(test::control<TextBox>(main(), "txtHSL", 1)->text(), QStringLiteral("0"));
    EXPECT_EQ(colorOf(3), rgb(128, 128, 128));
}

TEST_F(MainWindowTest, SelectingAnObjectShowsItsColourOnEitherPage)
{
    setScheme({rgb(255, 0, 0), rgb(0, 0, 255), rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)}, 3);
    QTest::mouseClick(test::control<OptionButton>(main(), "optSelectObject", 1), Qt::LeftButton);
    EXPECT_EQ(display().selectObject(), 1);
    EXPECT_EQ(test::control<Slider>(main(), "RGBSlider", 2)->value(), 255);
    EXPECT_EQ(test::control<TextBox>(main(), "txtColorCode")->text(), codeText(rgb(0, 0, 255)));
    showHslPage();
    EXPECT_EQ(test::control<Slider>(main(), "HSLSlider", 0)->value(), 240);
    EXPECT_EQ(test::control<Slider>(main(), "HSLSlider", 1)->value(), 255);
    EXPECT_EQ(test::control<Slider>(main(), "HSLSlider", 2)->value(), 128);
    EXPECT_TRUE(test::control<QFrame>(main(), "RGBorHSLFrame", 0)->isHidden());
    EXPECT_FALSE(test::control<QFrame>(main(), "RGBorHSLFrame", 1)->isHidden());
    // Lightness 0.5 becomes 128/255 on the HSL page.
    EXPECT_EQ(colorOf(1), quantised(240, 255, 128));
    EXPECT_EQ(colorOf(0), rgb(255, 0, 0));
}

TEST_F(MainWindowTest, DraggingAnRgbSliderWritesTheChannelAtEveryStep)
{
    setScheme({0, 0, 0, rgb(10, 20, 30), 0}, 3);
    Slider* green = test::control<Slider>(main(), "RGBSlider", 1);
    green->setSliderDown(true);
    for (const int v : {21, 40, 77}) {
        green->setValue(v);
        EXPECT_EQ(colorOf(3), rgb(10, v, 30));
        EXPECT_EQ(test::control<TextBox>(main(), "txtRGB", 1)->text(), QString::number(v, 16).toUpper());
        EXPECT_EQ(test::control<TextBox>(main(), "txtColorCode")->text(), codeText(rgb(10, v, 30)));
    }
    green->setSliderDown(false);
    EXPECT_EQ(test::control<QLabel>(main(), "rgbLabel", 1)->palette().color(QPalette::Window), QColor(0, 77, 0));
    EXPECT_EQ(test::control<QLabel>(main(), "rgbLabel", 0)->palette().color(QPalette::Window), QColor(10, 0, 0));
}

TEST_F(MainWindowTest, MovingAnHslSliderWritesTheColourFromHsl)
{
    setScheme({0, 0, 0, rgb(255, 0, 0), 0}, 3);
    showHslPage();
    test::control<Slider>(main(), "HSLSlider", 0)->setValue(120);
    EXPECT_EQ(colorOf(3), quantised(120, 255, 128));
    test::control<Slider>(main(), "HSLSlider", 2)->setValue(64);
    EXPECT_EQ(colorOf(3), quantised(120, 255, 64));
    EXPECT_EQ(test::control<TextBox>(main(), "txtHSL", 2)->text(), QStringLiteral("64"));
}

// ---- Typed entry ------------------------------------------------------------------

struct CodeEntryCase {
    const char* name;
    const char* prefix;
    const char* typed;
    std::optional<std::int32_t> color;   // nothing: the colour stays
    const char* fieldAfter;
};

void PrintTo(const CodeEntryCase& c, std::ostream* os) { *os << c.name; }

class CodeEntry : public MainWindowTest, public ::testing::WithParamInterface<CodeEntryCase> {};

TEST_P(CodeEntry, TakesTheColourAndRewritesTheField)
{
    const CodeEntryCase& c = GetParam();
    const std::int32_t start = rgb(0x12, 0x34, 0x56);
    main().setColor(start);
    Workspace::instance().setCodePrefix(QString::fromUtf8(c.prefix));
    test::control<TextBox>(main(), "txtColorCode")->setText(QString::fromUtf8(c.typed));
    emit test::control<TextBox>(main(), "txtColorCode")->KeyUp(0, 0);
    EXPECT_EQ(colorOf(3), c.color.value_or(start));
    EXPECT_EQ(test::control<TextBox>(main(), "txtColorCode")->text(), QString::fromUtf8(c.fieldAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeEntry,
    ::testing::Values(CodeEntryCase{"PrefixAlone", "#", "#", std::nullopt, "#"},
                      CodeEntryCase{"Empty", "#", "", std::nullopt, ""},
                      CodeEntryCase{"TooShort", "#", "#ff80", std::nullopt, "#ff80"},
                      CodeEntryCase{"SixDigitsWithoutPrefixAreTooShort", "#", "ff8000", std::nullopt, "ff8000"},
                      CodeEntryCase{"LowerCase", "#", "#ff8000", rgb(255, 128, 0), "#FF8000"},
                      CodeEntryCase{"AnyFirstCharacterStandsForThePrefix", "#", "xff8000", rgb(255, 128, 0),
                                    "#FF8000"},
                      CodeEntryCase{"TooLongIsBlack", "#", "#ff80001", 0, "#000000"},
                      CodeEntryCase{"NoPrefix", "", "00ff00", rgb(0, 255, 0), "00FF00"},
                      CodeEntryCase{"NoPrefixSeventhCharacterIsBlack", "", "00ff001", 0, "000000"},
                      CodeEntryCase{"NonHexPieces", "#", "#1g2h3z", rgb(1, 2, 3), "#010203"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, TypingACodeTakesItAtTheSeventhCharacter)
{
    showActive();
    Workspace::instance().setCodePrefix(QStringLiteral("#"));
    main().setColor(rgb(1, 1, 1));
    TextBox* field = test::control<TextBox>(main(), "txtColorCode");
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, QStringLiteral("#ff800"));
    EXPECT_EQ(colorOf(3), rgb(1, 1, 1));
    EXPECT_EQ(field->text(), QStringLiteral("#ff800"));
    QTest::keyClicks(field, QStringLiteral("0"));
    EXPECT_EQ(colorOf(3), rgb(255, 128, 0));
    EXPECT_EQ(field->text(), QStringLiteral("#FF8000"));
}

TEST_F(MainWindowTest, KeysThatChangeNoTextKeepTheCaretAndSelection)
{
    Workspace::instance().setCodePrefix(QStringLiteral("#"));
    main().setColor(rgb(255, 128, 0));
    TextBox* field = test::control<TextBox>(main(), "txtColorCode");
    field->setSelection(1, 2);
    emit field->KeyUp(16, 1);   // a Shift release
    EXPECT_EQ(field->selectedText(), QStringLiteral("FF"));
    EXPECT_EQ(colorOf(3), rgb(255, 128, 0));
}

// Ctrl+A then a typed code: the release of A rewrites the field with its own text, on either
// page, whatever the colour, so the selection the user made stays for the code typed next.
TEST_F(MainWindowTest, ARefreshWithTheSameTextKeepsTheSelectionOnBothPages)
{
    Workspace::instance().setCodePrefix(QStringLiteral("#"));
    TextBox* field = test::control<TextBox>(main(), "txtColorCode");
    for (const int page : {0, 1}) {
        test::control<QTabBar>(main(), "tabSelectColorModel")->setCurrentIndex(page);
        for (int r = 0; r < 256; r += 15) {
            for (int g = 0; g < 256; g += 15) {
                for (int b = 0; b < 256; b += 15) {
                    main().setColor(rgb(r, g, b));
                    const QString text = field->text();
                    const std::int32_t shown = colorOf(3);
                    field->selectAll();
                    emit field->KeyUp(Qt::Key_A, 2);
                    if (field->selectedText() != text || colorOf(3) != shown) {
                        ADD_FAILURE() << "page " << page << " colour " << text.toStdString() << " became "
                                      << field->text().toStdString() << ", selected "
                                      << field->selectedText().toStdString();
                        return;
                    }
                }
            }
        }
    }
}

struct ChannelEntryCase {
    const char* name;
    int field;
    const char* typed;
    std::int32_t color;
    std::array<const char*, 3> fieldsAfter;
};

void PrintTo(const ChannelEntryCase& c, std::ostream* os) { *os << c.name; }

class ChannelEntry : public MainWindowTest, public ::testing::WithParamInterface<ChannelEntryCase> {};

TEST_P(ChannelEntry, TakesTheChannels)
{
    const ChannelEntryCase& c = GetParam();
    main().setColor(rgb(0xFF, 0x80, 0x40));
    test::control<TextBox>(main(), "txtRGB", c.field)->setText(QString::fromUtf8(c.typed));
    emit test::control<TextBox>(main(), "txtRGB", c.field)->KeyUp(0, 0);
    EXPECT_EQ(colorOf(3), c.color);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(test::control<TextBox>(main(), "txtRGB", i)->text(), QString::fromUtf8(c.fieldsAfter[i])) << "field " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelEntry,
    ::testing::Values(
        ChannelEntryCase{"ThirdCharacterShiftsTheFirstOut", 0, "FF8", rgb(0xF8, 0x80, 0x40), {"F8", "80", "40"}},
        ChannelEntryCase{"OneCharacterIsTheLowDigit", 1, "8", rgb(0xFF, 0x08, 0x40), {"FF", "8", "40"}},
        ChannelEntryCase{"LowerCase", 2, "ab", rgb(0xFF, 0x80, 0xAB), {"FF", "80", "AB"}},
        ChannelEntryCase{"NonHexPieceIsZero", 2, "G1", rgb(0xFF, 0x80, 0), {"FF", "80", "0"}},
        ChannelEntryCase{"EmptiedFieldGivesBlack", 1, "", 0, {"0", "0", "0"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Colour tools -----------------------------------------------------------------

TEST_F(MainWindowTest, EveryToolKeepsTheSelectedObject)
{
    const Scheme start{rgb(255, 0, 0), rgb(0, 0, 255), rgb(30, 200, 90), rgb(128, 128, 128), rgb(9, 9, 200)};
    const std::array<const char*, 11> tools{"mnuCordinateHue", "mnuCordinateSatuation", "mnuCordinateLightness",
                                            "mnuAveHue", "mnuAveLightness", "mnuAveSatuation",
                                            "mnuRandomAll", "mnuRandomSingle", "mnuComplementaryColorAll",
                                            "mnuComplementaryColorSingle", "mnuCopyColorALL"};
    for (const char* tool : tools) {
        setScheme(start, 2);
        fakes.messageBox->answers = {IMessageBox::Yes};
        test::action(main(), tool)->trigger();
        EXPECT_EQ(display().selectObject(), 2) << test::action(main(), tool)->objectName().toStdString();
        EXPECT_TRUE(test::control<OptionButton>(main(), "optSelectObject", 2)->isChecked());
        EXPECT_EQ(main().currentColor().getColor(), colorOf(2));
        EXPECT_EQ(test::control<TextBox>(main(), "txtColorCode")->text(), codeText(colorOf(2)));
    }
}

TEST_F(MainWindowTest, UnifyHueWithAGreySelectedGivesEveryObjectHueMinusOne)
{
    // The hue slider shows a grey's hue as 0; showing it must not make it 0.
    for (const bool hslPage : {false, true}) {
        test::control<QTabBar>(main(), "tabSelectColorModel")->setCurrentIndex(hslPage ? 1 : 0);
        setScheme({rgb(255, 0, 0), rgb(0, 0, 255), rgb(64, 64, 64), rgb(128, 128, 128), rgb(0, 255, 0)}, 3);
        test::action(main(), "mnuCordinateHue")->trigger();
        EXPECT_EQ(scheme(), (Scheme{rgb(255, 0, 4), rgb(255, 0, 4), rgb(64, 64, 64), rgb(128, 128, 128),
                                    rgb(255, 0, 4)}))
            << (hslPage ? "HSL page" : "RGB page");
        EXPECT_EQ(main().currentColor().getHue(), -1.0);
    }
}

TEST_F(MainWindowTest, AverageHueIsTheArithmeticMean)
{
    setScheme({rgb(252, 0, 42), rgb(252, 42, 0), rgb(252, 42, 0), rgb(252, 42, 0), rgb(252, 42, 0)}, 0);
    test::action(main(), "mnuAveHue")->trigger();
    for (const std::int32_t c : scheme())
        EXPECT_NEAR(hueOf(c), 78.0, 0.6);
}

TEST_F(MainWindowTest, RandomAllDrawsRedGreenBlueForEachObject)
{
    setScheme({0, 0, 0, 0, 0}, 3);
    const std::array<int, 15> channels{0, 1, 254, 10, 20, 30, 100, 101, 102, 254, 254, 254, 7, 8, 9};
    for (const int ch : channels)
        fakes.random->values.push_back(drawFor(ch));
    fakes.random->values[2] = 0.99999999;   // the largest draws still give 254
    test::action(main(), "mnuRandomAll")->trigger();
    EXPECT_EQ(scheme(), (Scheme{rgb(0, 1, 254), rgb(10, 20, 30), rgb(100, 101, 102), rgb(254, 254, 254),
                                rgb(7, 8, 9)}));
    EXPECT_TRUE(fakes.random->values.empty());
}

TEST_F(MainWindowTest, ComplementsOfAllAndOfTheCurrentColour)
{
    setScheme({rgb(255, 0, 0), rgb(0, 0, 255), rgb(128, 128, 128), rgb(0, 255, 0), rgb(255, 255, 0)}, 3);
    test::action(main(), "mnuComplementaryColorAll")->trigger();
    EXPECT_EQ(scheme(), (Scheme{rgb(0, 255, 255), rgb(255, 255, 0), rgb(128, 128, 128), rgb(255, 0, 255),
                                rgb(0, 0, 255)}));
    test::action(main(), "mnuComplementaryColorSingle")->trigger();
    EXPECT_EQ(colorOf(3), rgb(0, 255, 0));
    EXPECT_EQ(colorOf(4), rgb(0, 0, 255));
}

TEST_F(MainWindowTest, CopyToAllAsksAndOnlyYesProceeds)
{
    const Scheme start{rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9), rgb(10, 11, 12), rgb(13, 14, 15)};
    const struct {
        int answer;
        bool copied;
    } cases[] = {{IMessageBox::Yes, true}, {IMessageBox::No, false}, {IMessageBox::Cancel, false}};
    for (const auto& c : cases) {
        setScheme(start, 1);
        fakes.messageBox->calls.clear();
        fakes.messageBox->answers = {c.answer};
        test::action(main(), "mnuCopyColorALL")->trigger();
        ASSERT_EQ(fakes.messageBox->calls.size(), 1);
        const auto& call = fakes.messageBox->calls.front();
        EXPECT_EQ(call.title, QStringLiteral("全て同色"));
        EXPECT_EQ(call.buttons, IMessageBox::YesNoCancel);
        EXPECT_EQ(call.icon, IMessageBox::NoIcon);
        EXPECT_EQ(call.text,
                  QStringLiteral("全てのオブジェクトを現在選択されている色と同じ色にします。\r\nよろしいですか？"));
        const Scheme expected = c.copied ? Scheme{start[1], start[1], start[1], start[1], start[1]} : start;
        EXPECT_EQ(scheme(), expected) << "answer " << c.answer;
    }
}

TEST_F(MainWindowTest, OnTheHslPageOnlyTheSelectedObjectIsQuantised)
{
    showHslPage();
    setScheme({0, 0, 0, 0, 0}, 1);
    for (int i = 0; i < 5; ++i) {
        for (const int ch : {200, 101, 50})
            fakes.random->values.push_back(drawFor(ch));
    }
    test::action(main(), "mnuRandomAll")->trigger();
    const std::int32_t q = quantised(20, 153, 125);
    EXPECT_EQ(scheme(), (Scheme{rgb(200, 101, 50), q, rgb(200, 101, 50), rgb(200, 101, 50), rgb(200, 101, 50)}));

    for (const int ch : {200, 101, 50})
        fakes.random->values.push_back(drawFor(ch));
    test::control<OptionButton>(main(), "optSelectObject", 0)->switchOn();   // object 0 is quantised on selection
    test::control<QTabBar>(main(), "tabSelectColorModel")->setCurrentIndex(0);
    test::action(main(), "mnuRandomSingle")->trigger();
    EXPECT_EQ(colorOf(0), rgb(200, 101, 50));   // the RGB page stores it exactly
    showHslPage();
    for (const int ch : {200, 101, 50})
        fakes.random->values.push_back(drawFor(ch));
    test::control<OptionButton>(main(), "optSelectObject", 2)->switchOn();
    test::action(main(), "mnuRandomSingle")->trigger();
    EXPECT_EQ(colorOf(2), q);
}

// ---- Sample texts -----------------------------------------------------------------

TEST_F(MainWindowTest, InPlaceEditingShortensLongCaptionsAndSwallowsEnter)
{
    showActive();
    const struct {
        const char* typed;
        const char* caption;
    } cases[] = {{"0123456789", "0123456789"}, {"0123456789A", "0123456789..."}, {"R&D", "R&&D"}};
    for (const auto& c : cases) {
        QTest::mouseDClick(test::control<OptionButton>(main(), "optSelectObject", 0), Qt::LeftButton);
        TextBox* field = test::control<TextBox>(main(), "txtSampleString", 0);
        ASSERT_TRUE(field->isVisible());
        ASSERT_TRUE(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, QString::fromUtf8(c.typed));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_TRUE(field->isHidden());
        EXPECT_EQ(field->text(), QString::fromUtf8(c.typed));
        EXPECT_EQ(test::control<OptionButton>(main(), "optSelectObject", 0)->text(), QString::fromUtf8(c.caption));
    }
}

TEST_F(MainWindowTest, InPlaceEditingStartsWithTheCaretAfterTheText)
{
    showActive();
    main().setSampleText(1, QStringLiteral("abc"));
    TextBox* field = test::control<TextBox>(main(), "txtSampleString", 1);
    // Also when the last edit ended with the text selected.
    for (const char* typed : {"d", "e"}) {
        QTest::mouseDClick(test::control<OptionButton>(main(), "optSelectObject", 1), Qt::LeftButton);
        ASSERT_TRUE(field->hasFocus());
        EXPECT_FALSE(field->hasSelectedText());
        QTest::keyClicks(field, QString::fromUtf8(typed));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Return);
    }
    EXPECT_EQ(field->text(), QStringLiteral("abcde"));
}

TEST_F(MainWindowTest, InPlaceEditEndsWhenTheFocusMovesAway)
{
    showActive();
    QTest::mouseDClick(test::control<OptionButton>(main(), "optSelectObject", 2), Qt::LeftButton);
    TextBox* field = test::control<TextBox>(main(), "txtSampleString", 2);
    ASSERT_TRUE(field->isVisible());
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("abcdefghijkl"));
    test::control<TextBox>(main(), "txtColorCode")->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(field->isHidden());
    EXPECT_EQ(test::control<OptionButton>(main(), "optSelectObject", 2)->text(), QStringLiteral("abcdefghij..."));
}

TEST_F(MainWindowTest, DoubleClickingShape1OrShape2EditsNothing)
{
    showActive();
    for (const int i : {3, 4}) {
        QTest::mouseDClick(test::control<OptionButton>(main(), "optSelectObject", i), Qt::LeftButton);
        for (int field = 0; field < 3; ++field)
            EXPECT_TRUE(test::control<TextBox>(main(), "txtSampleString", field)->isHidden());
        EXPECT_FALSE(frmEditSampleText::isInstanceLoaded());
    }
}

TEST_F(MainWindowTest, SetSampleTextShowsTheWholeText)
{
    main().setSampleText(1, QStringLiteral("0123456789ABC"));
    EXPECT_EQ(test::control<TextBox>(main(), "txtSampleString", 1)->text(), QStringLiteral("0123456789ABC"));
    EXPECT_EQ(test::control<OptionButton>(main(), "optSelectObject", 1)->text(), QStringLiteral("0123456789ABC"));
}

TEST_F(MainWindowTest, SampleTextEditorTakesTheTextOnOkOnly)
{
    main().setSampleText(1, QStringLiteral("before"));
    const struct {
        const char* button;
        const char* result;
    } cases[] = {{"btnCancel", "before"}, {"btnOK", "a sample text"}};
    for (const auto& c : cases) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            frmEditSampleText& editor = frmEditSampleText::instance();
            auto* text = editor.findChild<QLineEdit*>(QStringLiteral("txtSampleText"));
            seen = text && text->text() == QStringLiteral("before");
            text->setText(QStringLiteral("a sample text"));
            editor.findChild<QPushButton*>(QString::fromUtf8(c.button))->click();
        });
        test::action(main(), "mnuSTMiddle")->trigger();   // returns when the editor is unloaded
        EXPECT_TRUE(seen);
        EXPECT_FALSE(frmEditSampleText::isInstanceLoaded());
        EXPECT_EQ(test::control<TextBox>(main(), "txtSampleString", 1)->text(), QString::fromUtf8(c.result));
        EXPECT_EQ(test::control<OptionButton>(main(), "optSelectObject", 1)->text(), QString::fromUtf8(c.result));
    }
}

// ---- Fonts ------------------------------------------------------------------------

namespace {
StdFont font(const char* name, double size, bool bold = false)
{
    StdFont f;
    f.name = QString::fromUtf8(name);
    f.size = size;
    f.bold = bold;
    return f;
}
} // namespace

TEST_F(MainWindowTest, FontForAllLabelsGivesEachLabelTheChosenFontOfItsOwn)
{
    fakes.fileDialogs->fontAnswers = {font("Noto Serif CJK JP", 20, true)};
    test::action(main(), "mnuFontAll")->trigger();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(*display().getLabelFont(i), font("Noto Serif CJK JP", 20, true)) << "label " << i;

    // A later change of one label's font changes that label alone.
    fakes.fileDialogs->fontAnswers = {font("DejaVu Sans", 9)};
    test::action(main(), "mnuFontMiddle")->trigger();
    EXPECT_EQ(*display().getLabelFont(1), font("DejaVu Sans", 9));
    EXPECT_EQ(*display().getLabelFont(0), font("Noto Serif CJK JP", 20, true));
    EXPECT_EQ(*display().getLabelFont(2), font("Noto Serif CJK JP", 20, true));
}

TEST_F(MainWindowTest, CancellingTheFontForAllGivesLabelsOneAndTwoTheFontOfLabelZero)
{
    for (int i = 0; i < 3; ++i)
        display().setLabelFont(static_cast<std::int16_t>(i), copyFont(font("DejaVu Sans", 10 + i)));
    test::action(main(), "mnuFontAll")->trigger();
    EXPECT_EQ(fakes.fileDialogs->fontCalls, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(*display().getLabelFont(i), font("DejaVu Sans", 10));
}

TEST_F(MainWindowTest, FontOfOneLabel)
{
    const StdFont original = font("DejaVu Serif", 14, true);
    const std::array<const char*, 3> items{"mnuFontTop", "mnuFontMiddle", "mnuFontBottom"};
    for (int i = 0; i < 3; ++i) {
        display().setLabelFont(static_cast<std::int16_t>(i), copyFont(original));
        test::action(main(), items[i])->trigger();   // cancelled
        EXPECT_EQ(*display().getLabelFont(i), original);
        EXPECT_EQ(fakes.fileDialogs->fontsShown.back(), original);
        fakes.fileDialogs->fontAnswers = {font("Noto Sans CJK JP", 8)};
        test::action(main(), items[i])->trigger();
        EXPECT_EQ(*display().getLabelFont(i), font("Noto Sans CJK JP", 8));
    }
}

// ---- Menu -------------------------------------------------------------------------

namespace {
struct MenuEntry {
    const char* name;
    const char* caption;   // "-" for a separator
    const char* shortcut;
    bool checkable = false;
};

const std::vector<std::pair<const char*, std::vector<MenuEntry>>>& menuTable()
{
    static const std::vector<std::pair<const char*, std::vector<MenuEntry>>> table{
        {"menuBar",
         {{"mnuTessary", "Tessary(&I)", ""}, {"mnuView", "表示(&V)", ""}, {"mnuTool", "ツール(&T)", ""},
          {"mnuHelp", "ヘルプ(&H)", ""}}},
        {"mnuTessary",
         {{"mnuBG", "背景画像", ""},
          {"mnuPosition", "位置", ""},
          {"mnuStyle", "スタイル", ""},
          {"mnuSampleTexts", "標本文字列", ""},
          {"mnuQuit", "終了(&Q)", ""},
          {"mnuSeparator9", "-", ""},
          {"mnuExportScheme", "配色を書き出す…", ""},
          {"mnuOpenScheme", "配色を読み込む…", ""},
          {"mnuCopyScheme", "配色をコピー", ""}}},
        {"mnuBG",
         {{"mnuBGView", "背景画像の表示", "Ctrl+W", true},
          {"mnuSeparator1", "-", ""},
          {"mnuBGLoad", "背景画像の読み込み", ""}}},
        {"mnuPosition",
         {{"mnuSetDefaultPos", "初期位置", "Ctrl+D"},
          {"mnuMaxWiidth", "横最大", ""},
          {"mnuMaxHeight", "縦最大", ""},
          {"mnuSeparator8", "-", ""},
          {"mnuFullScreen", "全画面", ""},
          {"mnuSeparator7", "-", ""},
          {"mnuManualPos", "指定位置", ""}}},
        {"mnuStyle",
         {{"mnuUpDown", "上下", "F2"},
          {"mnuLeftRight", "左右", "F3"},
          {"mnuSIS", "四角の中に四角", "F4"},
          {"mnuDivide", "チェック", "F5"},
          {"mnuLattice", "格子", "F6"}}},
        {"mnuSampleTexts",
         {{"mnuSTTop", "上", ""}, {"mnuSTMiddle", "中", ""}, {"mnuSTBottom", "下", ""}, {"mnuFont", "フォント変更", ""}}},
        {"mnuFont",
         {{"mnuFontAll", "全て", "Ctrl+F"},
          {"mnuSeparator6", "-", ""},
          {"mnuFontTop", "上", ""},
          {"mnuFontMiddle", "中", ""},
          {"mnuFontBottom", "下", ""}}},
        {"mnuView",
         {{"mnuPalette", "パレット", "Ctrl+P", true},
          {"mnuColorCircle", "色環", "Ctrl+O", true},
          {"mnuSeparator3", "-", ""},
          {"mnuOnTop", "常に手前に表示", "", true},
          {"mnuSeparator2", "-", ""},
          {"mnuConfig", "設定", ""},
          {"mnuSeparatorContrast", "-", ""},
          {"mnuContrast", "コントラスト", "Ctrl+K", true},
          {"mnuVision", "色覚シミュレーション", ""},
          {"mnuSeparatorOklch", "-", ""},
          {"mnuOklchPage", "OKLCH で編集", "", true},
          {"mnuSeparatorHistoryView", "-", ""},
          {"mnuHistory", "配色の履歴", "", true},
          {"mnuSeparatorLanguage", "-", ""},
          {"mnuLanguage", "言語", ""}}},
        {"mnuLanguage", {{"mnuLanguageJa", "日本語", "", true}, {"mnuLanguageEn", "English", "", true}}},
        {"mnuVision",
         {{"mnuVisionKind0", "なし", "", true},
          {"mnuVisionKind1", "1型2色覚", "", true},
          {"mnuVisionKind2", "2型2色覚", "", true},
          {"mnuVisionKind3", "3型2色覚", "", true},
          {"mnuVisionKind4", "1型3色覚", "", true},
          {"mnuVisionKind5", "2型3色覚", "", true},
          {"mnuVisionKind6", "3型3色覚", "", true},
          {"mnuSeparatorVisionStrength", "-", ""},
          {"mnuVisionStrength10", "10%", "", true},
          {"mnuVisionStrength20", "20%", "", true},
          {"mnuVisionStrength30", "30%", "", true},
          {"mnuVisionStrength40", "40%", "", true},
          {"mnuVisionStrength50", "50%", "", true},
          {"mnuVisionStrength60", "60%", "", true},
          {"mnuVisionStrength70", "70%", "", true},
          {"mnuVisionStrength80", "80%", "", true},
          {"mnuVisionStrength90", "90%", "", true},
          {"mnuVisionStrength100", "100%", "", true},
          {"mnuSeparatorVisionNext", "-", ""},
          {"mnuVisionNext", "次の色覚に切り替え", "Ctrl+Shift+S"}}},
        {"mnuTool",
         {{"mnuCordinate", "統一", ""},
          {"mnuAverage", "平均化", ""},
          {"mnuRandom", "ランダム", ""},
          {"mnuComplementaryColor", "補色", ""},
          {"mnuCopyColorALL", "全て同色", ""},
          {"mnuSeparatorCssColor", "-", ""},
          {"mnuPasteColor", "色を貼り付け", "Ctrl+Shift+V"},
          {"mnuCopyColor", "色をコピー", ""},
          {"mnuEyedropper", "スポイト", "Ctrl+Shift+I"},
          {"mnuSeparatorHistory", "-", ""},
          {"mnuUndo", "元に戻す", "Ctrl+Z"},
          {"mnuRedo", "やり直し", "Ctrl+Y"},
          {"mnuSaveSnapshot", "配色を保存…", "Ctrl+S"}}},
        {"mnuCopyColor",
         {{"mnuCopyColor0", "#RRGGBB", "Ctrl+Shift+C", true},
          {"mnuCopyColor1", "#rrggbb", "", true},
          {"mnuCopyColor2", "rgb()", "", true},
          {"mnuCopyColor3", "hsl()", "", true},
          {"mnuCopyColor4", "oklch()", "", true}}},
        {"mnuCordinate",
         {{"mnuCordinateHue", "色相", ""}, {"mnuCordinateSatuation", "彩度", ""}, {"mnuCordinateLightness", "明度", ""}}},
        {"mnuAverage", {{"mnuAveHue", "色相", ""}, {"mnuAveLightness", "明度", ""}, {"mnuAveSatuation", "彩度", ""}}},
        {"mnuRandom", {{"mnuRandomAll", "ランダム(ALL)", "Ctrl+R"}, {"mnuRandomSingle", "ランダム(Single)", "Ctrl+Q"}}},
        {"mnuComplementaryColor",
         {{"mnuComplementaryColorAll", "補色(ALL)", "Ctrl+E"}, {"mnuComplementaryColorSingle", "補色(Single)", "Ctrl+T"}}},
        {"mnuHelp", {{"mnuShowHelp", "ヘルプ", "F1"}, {"mnuSeparator4", "-", ""}, {"mnuAbout", "Tessaryについて", ""}}},
    };
    return table;
}
} // namespace

TEST_F(MainWindowTest, EveryMenuItemHasItsCaptionShortcutAndPlace)
{
    for (const auto& [menuName, entries] : menuTable()) {
        QWidget* menu = main().findChild<QWidget*>(QString::fromUtf8(menuName));
        ASSERT_NE(menu, nullptr) << menuName;
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size())) << menuName;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const MenuEntry& e = entries[i];
            QAction* a = actions[static_cast<qsizetype>(i)];
            const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
            EXPECT_EQ(name, QString::fromUtf8(e.name)) << menuName << " #" << i;
            if (QString::fromUtf8(e.caption) == QStringLiteral("-")) {
                EXPECT_TRUE(a->isSeparator()) << e.name;
                continue;
            }
            EXPECT_EQ(a->text(), QString::fromUtf8(e.caption)) << e.name;
            EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), QString::fromUtf8(e.shortcut)) << e.name;
            EXPECT_EQ(a->isCheckable(), e.checkable) << e.name;
        }
    }
}

TEST_F(MainWindowTest, EveryShortcutReachesItsCommandFromEveryField)
{
    test::action(main(), "mnuBGView")->setEnabled(true);   // normally enabled by the first picture load
    // The eyedropper's picker would take the screen and the activation: here only its
    // shortcut counts.
    QObject::disconnect(main().findChild<QAction*>(QStringLiteral("mnuEyedropper")), &QAction::triggered, nullptr,
                        nullptr);
    std::vector<QAction*> withShortcut;
    for (const auto& [menuName, entries] : menuTable()) {
        for (const MenuEntry& e : entries) {
            if (*e.shortcut)
                withShortcut.push_back(main().findChild<QAction*>(QString::fromUtf8(e.name)));
        }
    }
    ASSERT_EQ(withShortcut.size(), 23u);
    // A step to undo, and then to redo: the keys of both have something to do.
    display().setColor(display().getColor() ^ 0x10);
    // Each field as the user gets the caret into it: on its page, or by a double click on
    // the option whose text it edits.
    const struct {
        const char* name;
        std::function<QLineEdit*()> focus;
    } fields[] = {
        {"txtColorCode", [&] { return test::control<TextBox>(main(), "txtColorCode"); }},
        {"txtRGB1", [&] { return test::control<TextBox>(main(), "txtRGB", 1); }},
        {"txtHSL2",
         [&] {
             showHslPage();
             return test::control<TextBox>(main(), "txtHSL", 2);
         }},
        {"txtSampleString0",
         [&] {
             QTest::mouseDClick(test::control<OptionButton>(main(), "optSelectObject", 0), Qt::LeftButton);
             return test::control<TextBox>(main(), "txtSampleString", 0);
         }},
    };
    for (const auto& f : fields) {
        for (QAction* a : withShortcut) {
            ASSERT_NE(a, nullptr);
            showActive();
            test::control<QTabBar>(main(), "tabSelectColorModel")->setCurrentIndex(0);
            QLineEdit* field = f.focus();
            field->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(field->hasFocus()) << f.name << " " << a->objectName().toStdString();
            QSignalSpy spy(a, &QAction::triggered);
            const QKeyCombination key = a->shortcut()[0];
            QTest::keyClick(field, key.key(), key.keyboardModifiers());
            EXPECT_EQ(spy.count(), 1) << f.name << " " << a->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, CheckItemsChangeTheirMarkOncePerChoice)
{
    for (int round = 0; round < 2; ++round) {
        test::action(main(), "mnuOnTop")->trigger();
        EXPECT_TRUE(test::action(main(), "mnuOnTop")->isChecked());
        test::action(main(), "mnuOnTop")->trigger();
        EXPECT_FALSE(test::action(main(), "mnuOnTop")->isChecked());
    }
    test::action(main(), "mnuPalette")->trigger();
    EXPECT_TRUE(test::action(main(), "mnuPalette")->isChecked());
    EXPECT_TRUE(frmPalette::isInstanceLoaded());
    test::action(main(), "mnuPalette")->trigger();
    EXPECT_FALSE(test::action(main(), "mnuPalette")->isChecked());
    EXPECT_FALSE(frmPalette::isInstanceLoaded());
    test::action(main(), "mnuColorCircle")->trigger();
    EXPECT_TRUE(test::action(main(), "mnuColorCircle")->isChecked());
    EXPECT_TRUE(frmColorCircle::isInstanceLoaded());
    test::action(main(), "mnuColorCircle")->trigger();
    EXPECT_FALSE(test::action(main(), "mnuColorCircle")->isChecked());
    EXPECT_FALSE(frmColorCircle::isInstanceLoaded());
}

TEST_F(MainWindowTest, StyleItemsSetTheStyleAndCarryNoMark)
{
    const std::array<const char*, 5> items{"mnuUpDown", "mnuLeftRight", "mnuSIS", "mnuDivide", "mnuLattice"};
    for (const int style : {4, 2, 0, 3, 1}) {
        test::action(main(), items[style])->trigger();
        EXPECT_EQ(main().configManager().tessaryStyle(), style);
        for (const char* item : items)
            EXPECT_FALSE(test::action(main(), item)->isChecked());
    }
}

// ---- Background picture -----------------------------------------------------------

TEST_F(MainWindowTest, LoadingAPictureShowsItAndChoosingViewHidesIt)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString path = workDir() + QStringLiteral("/tile.bmp");
    ASSERT_TRUE(picture.save(path));

    for (int load = 0; load < 2; ++load) {   // the second load replaces a picture shown
        fakes.fileDialogs->answers = {path};
        test::action(main(), "mnuBGLoad")->trigger();
        ASSERT_EQ(fakes.fileDialogs->calls.size(), load + 1);
        const auto& call = fakes.fileDialogs->calls.back();
        EXPECT_FALSE(call.save);
        EXPECT_EQ(call.initialName, QStringLiteral("*.gif;*.bmp;*.jpg;*.jpeg"));
        EXPECT_EQ(call.filter, QStringLiteral("画像(*.gif;*.bmp;*.jpg;*.jpeg)|*.gif;*.bmp;*.jpg;*.jpeg|GIF(*.gif)|"
                                              "*.gif|BMP(*.bmp)|*.bmp|JPEG(*.jpg;*.jpeg)|*.jpg;*.jpeg"));
        EXPECT_TRUE(test::action(main(), "mnuBGView")->isEnabled());
        EXPECT_TRUE(test::action(main(), "mnuBGView")->isChecked());
        EXPECT_FALSE(test::control<OptionButton>(main(), "optSelectObject", 3)->isEnabled());
        EXPECT_FALSE(test::control<OptionButton>(main(), "optSelectObject", 4)->isEnabled());
        EXPECT_TRUE(test::control<OptionButton>(main(), "optSelectObject", 0)->isChecked());
        EXPECT_EQ(display().selectObject(), 0);
        EXPECT_EQ(display().surface().pixel(1, 1), rgb(255, 0, 0));
    }
    test::action(main(), "mnuBGView")->trigger();
    EXPECT_FALSE(test::action(main(), "mnuBGView")->isChecked());
    EXPECT_TRUE(test::control<OptionButton>(main(), "optSelectObject", 3)->isEnabled());
    EXPECT_TRUE(test::control<OptionButton>(main(), "optSelectObject", 4)->isEnabled());
    test::action(main(), "mnuBGView")->trigger();
    EXPECT_TRUE(test::action(main(), "mnuBGView")->isChecked());
    EXPECT_FALSE(test::control<OptionButton>(main(), "optSelectObject", 3)->isEnabled());
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
}

TEST_F(MainWindowTest, APictureThatCannotBeReadChangesNothingAndIsReported)
{
    const QString path = writeFile(QStringLiteral("broken.jpg"), QByteArrayLiteral("this is no picture"));
    fakes.fileDialogs->answers = {QString(), path};
    test::action(main(), "mnuBGLoad")->trigger();   // cancelled
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());
    test::action(main(), "mnuBGLoad")->trigger();
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    EXPECT_TRUE(fakes.messageBox->calls.front().text.contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(test::action(main(), "mnuBGView")->isEnabled());
    EXPECT_FALSE(test::action(main(), "mnuBGView")->isChecked());
    EXPECT_TRUE(test::control<OptionButton>(main(), "optSelectObject", 3)->isEnabled());
    EXPECT_TRUE(test::control<OptionButton>(main(), "optSelectObject", 3)->isChecked());
    EXPECT_EQ(display().selectObject(), 3);
}

// ---- Help, about, windows, quit ---------------------------------------------------

TEST_F(MainWindowTest, HelpOpensTheDocumentOrSaysWhyNot)
{
    const QString document = AppInfo::programFolder() + QStringLiteral("/doc/index.htm");
    ASSERT_TRUE(QFile::exists(document));
    test::action(main(), "mnuShowHelp")->trigger();
    EXPECT_EQ(fakes.shell->opened, QStringList{document});
    EXPECT_TRUE(fakes.messageBox->calls.isEmpty());

    fakes.shell->result = false;   // no program for the document
    test::action(main(), "mnuShowHelp")->trigger();
    ASSERT_EQ(fakes.messageBox->calls.size(), 1);
    EXPECT_TRUE(fakes.messageBox->calls.back().text.contains(QDir::toNativeSeparators(document)));

    AppInfo::setProgramFolderOverride(workDir());   // no document there
    test::action(main(), "mnuShowHelp")->trigger();
    EXPECT_EQ(fakes.shell->opened.size(), 2);
    ASSERT_EQ(fakes.messageBox->calls.size(), 2);
    EXPECT_EQ(fakes.messageBox->calls.back().title, QStringLiteral("Tessary"));
}

TEST_F(MainWindowTest, AboutBoxOpensModalAndCloses)
{
    QString version;
    QTimer::singleShot(0, [&] {
        frmAbout& about = frmAbout::instance();
        version = about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text();
        about.findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    });
    test::action(main(), "mnuAbout")->trigger();
    EXPECT_EQ(version, QStringLiteral("version : %1.%2%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    EXPECT_FALSE(frmAbout::isInstanceLoaded());
}

TEST_F(MainWindowTest, MinimisingHidesTheOpenWindowsAndRestoringShowsThemAgain)
{
    main().showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    test::action(main(), "mnuPalette")->trigger();
    ASSERT_TRUE(frmPalette::instance().isVisible());
    EXPECT_TRUE(display().isVisible());

    main().setFormState(Form::Minimized);
    EXPECT_FALSE(display().isVisible());
    EXPECT_FALSE(frmPalette::instance().isVisible());
    EXPECT_FALSE(frmColorCircle::isInstanceLoaded());

    main().setFormState(Form::Normal);
    EXPECT_TRUE(display().isVisible());
    EXPECT_TRUE(frmPalette::instance().isVisible());
    EXPECT_FALSE(frmColorCircle::isInstanceLoaded());
}

TEST_F(MainWindowTest, FontForAllAcceptedUnchangedInTheRealDialogKeepsTheStoredName)
{
    Services::setFileDialogs(std::make_unique<QtFileDialogs>());
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    test::action(main(), "mnuFontAll")->trigger();
    test::action(main(), "mnuQuit")->trigger();
    const QStringList inis = QDir(workDir()).entryList({QStringLiteral("*.ini")}, QDir::Files);
    ASSERT_EQ(inis.size(), 1);
    QFile ini(QDir(workDir()).filePath(inis.front()));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    // "ＭＳ 明朝" in code page 932, in each of the three font sections.
    EXPECT_EQ(ini.readAll().count("\r\nName=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r\n"), 3);
}

TEST_F(MainWindowTest, QuitSavesTheSchemeAndClosesEveryWindow)
{
    setScheme({rgb(1, 0, 0), rgb(2, 0, 0), rgb(3, 0, 0), rgb(4, 0, 0), rgb(5, 0, 0)}, 3);
    test::action(main(), "mnuPalette")->trigger();
    frmMain* m = &main();
    QSignalSpy unloaded(m, &Form::unloaded);
    test::action(*m, "mnuQuit")->trigger();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(frmMain::isInstanceLoaded());
    EXPECT_FALSE(frmTessary::isInstanceLoaded());
    EXPECT_FALSE(frmPalette::isInstanceLoaded());

    const QStringList inis = QDir(workDir()).entryList({QStringLiteral("*.ini")}, QDir::Files);
    ASSERT_EQ(inis.size(), 1);
    QFile ini(QDir(workDir()).filePath(inis.front()));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray bytes = ini.readAll();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(bytes.contains(QStringLiteral("ColorObject %1=%2\r\n").arg(i).arg(i + 1).toLatin1())) << i;
}

// Without restored colours the option captions show the fields' initial text; the drawn
// labels must show the same text rather than nothing.
class MainWindowWithoutRestore : public test::GuiTest {
protected:
    void SetUp() override
    {
        test::GuiTest::SetUp();
        writeFile(QStringLiteral("tessary.ini"), QByteArray("[General]\r\nRestoreColorFlug=0\r\n"));
    }
};

TEST_F(MainWindowWithoutRestore, LabelsShowTheCaptionsText)
{
    frmMain& m = frmMain::instance();
    frmTessary& t = frmTessary::instance();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.label(i)->text(), test::control<TextBox>(m, "txtSampleString", i)->text()) << i;
        EXPECT_FALSE(t.label(i)->text().isEmpty()) << i;
    }
}
